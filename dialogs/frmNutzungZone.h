// The small dialog "Thermische Zone": asks for the name and the code of a
// thermal zone when the zones dialog creates a new zone or renames one.
//
// A zone code is one capital letter A..Z followed by at most one further
// letter or digit (the box takes two characters), and no other zone of the
// project has it. While the project has a single zone, zones carry no code
// and the dialog asks for the name only.
//
// The dialog writes nothing into the project: the caller sets the members
// Bezeichnung, Code, OhneCode and NeueZone, shows the dialog and reads
// Bezeichnung and Code afterwards.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class frmNutzungZone : public Formular {
public:
    frmNutzungZone();

    // In: the name shown in the name box. Out: the accepted name without
    // trailing blanks; "" after Cancel.
    std::string Bezeichnung;
    // In: the code shown in the code box. Out: the accepted code; "" after
    // Cancel and when no code is asked for.
    std::string Code;
    // True while the project has one zone: no code is asked for.
    bool OhneCode = false;
    // True when a new zone is asked for: its code must differ from the code
    // of every existing zone. False when the project's current zone is
    // renamed: it may keep its own code.
    bool NeueZone = false;

    TextBox txtBez{"txtBez"};
    Label lblCode{"lblCode"};
    TextBox txtCode{"txtCode"};
    CommandButton cmdOK{"cmdOK"};
    CommandButton cmdAbbrechen{"cmdAbbrechen"};

    // Fills the boxes from the members and, when a code is asked for,
    // takes the name and code of every zone of the project.
    void Form_Load();
    // A character typed into the code box becomes its capital form.
    void txtCode_KeyPress(std::int16_t& KeyAscii);
    // Checks name and code; a failed check shows its message and the dialog
    // stays open with its members unchanged. Otherwise the members receive
    // the values and the dialog closes.
    void cmdOK_Click();
    // Empties both members and closes.
    void cmdAbbrechen_Click();
    // Closes without touching the members (the close box).
    void Unload();

    // True from Form_Load to the closing.
    bool Geladen() const { return geladen_; }
    // Told when the dialog closes (the view closes then).
    std::function<void()> BeimEntladen;

    // Loads the dialog and shows it modally; returns when it is closed.
    void Zeigen();
    // Shows the loaded dialog modally (installed by the window code, or by
    // a test that plays the user). While none is installed the dialog
    // counts as closed with the close box.
    static std::function<void(frmNutzungZone&)> Anzeigen;

private:
    struct Zone {
        std::string Bez;
        std::string Code;
    };
    bool geladen_ = false;
    // The project's current zone when the dialog opened.
    std::int16_t aktuelleZone_ = 0;
    // Name and code of every zone, in zone order, taken at opening.
    std::vector<Zone> zonen_;

    void ZonenSammeln();
};

namespace Global {
extern ::frmNutzungZone frmNutzungZone;
} // namespace Global

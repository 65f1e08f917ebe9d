// The options dialog: the folder of the material database and the folder
// for project files. It edits the two folder fields of the settings object;
// the settings file receives them at program end.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class frmOptionen : public Formular {
public:
    // One tab of the tab strip.
    struct Registerkarte {
        std::string Key;
        std::string Caption;
    };

    frmOptionen();

    // The tab strip and the selected tab (index into the list).
    std::vector<Registerkarte> tabOptionen;
    int tabOptionenAuswahl = 0;
    Steuerelement picOrdner{"picOrdner"}; // the page of the tab "O"

    Label fraProj{"fraProj"}; // frame "Ordner Projekte"
    Steuerelementfeld<OptionButton> optProj{"optProj", 2};
    TextBox txtOrdnerProj{"txtOrdnerProj"};
    Label fraDB{"fraDB"};     // frame "Ordner Datenbank"
    Steuerelementfeld<OptionButton> optDB{"optDB", 2};
    TextBox txtOrdnerDB{"txtOrdnerDB"};
    // 0: database, 1: projects.
    Steuerelementfeld<CommandButton> cmdDurchsuchen{"cmdDurchsuchen", 2};
    CommandButton cmdOK{"cmdOK"};
    CommandButton cmdAbbrechen{"cmdAbbrechen"};

    // True when the user left the dialog with OK.
    bool Ergebnis = false;
    // True once the dialog has been unloaded.
    bool Entladen = false;
    // Told when the dialog unloads (the view closes then).
    std::function<void()> BeimEntladen;

    void Form_Load();
    void tabOptionen_Click();
    void cmdDurchsuchen_Click(int Index);
    void cmdOK_Click();
    void cmdAbbrechen_Click();

    // Loads a new dialog, selects the tab "O" when Registerkarte is 1, shows
    // it modally and returns True when the user left it with OK.
    static bool Aufruf(std::int16_t Registerkarte);

    // Shows the loaded dialog modally (set by the window code, or by a test
    // that plays the user). While none is set, the dialog counts as cancelled.
    static std::function<void(frmOptionen&)> Anzeigen;

    // Makes Aufruf the options dialog that the database folder look-up opens.
    static void Einrichten();

private:
    void Unload();
    void TabAuswählen(const std::string& key);
};

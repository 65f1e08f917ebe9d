// The print dialog of the single-component proof ("Drucken"): the whole
// proof or its cover alone, in 1 to 10 copies, optionally on both sides of
// the sheet, on the printer of the settings (shown, and changed through the
// printer settings). The proof window opens it modally from its print
// button once its rows are checked and stored. Each copy is a document of
// its own, all with one print time; a copy that fails ends the run, says
// why and keeps the dialog open, and a PDF is then not written.
#pragma once

#include "frame/Steuerelemente.h"

#include <functional>
#include <memory>
#include <string>

class ZIRVO3801Drucken;

class frmDruckenEB : public Formular {
public:
    frmDruckenEB();
    ~frmDruckenEB() override;

    Label Frame1{"Frame1"};                     // "Ausdruck Einzelbauteilnachweis"
    // 0 the whole proof (tag "X"), 1 the cover page (tag "T").
    Steuerelementfeld<OptionButton> optAusdruck{"optAusdruck", 2};
    Label Frame2{"Frame2"};                     // "Drucker-Einstellung"
    Label Label1{"Label1"}, lblDrucker{"lblDrucker"};
    Label Label2{"Label2"}, Label3{"Label3"};
    TextBox txtExemplare{"txtExemplare"};
    CheckBox chkDuplex{"chkDuplex"};
    CommandButton cmdDrucken{"cmdDrucken"}, cmdAbbrechen{"cmdAbbrechen"};

    // True once the dialog has been unloaded; told to the view then.
    bool Entladen = false;
    std::function<void()> BeimEntladen;

    void Form_Load();
    void cmdDrucken_Click();
    void cmdAbbrechen_Click();
    void Form_Unload();

    // The report object of the dialog (from Form_Load to Form_Unload).
    ZIRVO3801Drucken* Bericht() const { return bericht_.get(); }

    // Loads a new dialog and shows it modally.
    static void Aufruf();
    // Shows the loaded dialog modally (set by the window code, or by a test
    // that plays the user). While none is set nothing is shown.
    static std::function<void(frmDruckenEB&)> Anzeigen;

private:
    std::unique_ptr<ZIRVO3801Drucken> bericht_;

    void DruckerEinrichten();
    void DruckStarten(const std::string& auswahl, int exemplare, bool duplex, bool& failed);
    void DruckAusführen(const std::string& auswahl, int exemplare, bool duplex, bool& failed);
};

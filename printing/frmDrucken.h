// The print dialog of the system proof ("Drucken", File > Drucken and the
// tool bar's Drucken): which part of the system proof to print (all of it,
// the cover, the summary, the protocol, the component sheets or one zone),
// how many copies and a few printer options. Printing recomputes every zone
// first (counting the items the zones use, for the component sheets), asks
// before printing a project whose zones do not all compute, prints the
// chosen parts once per copy and makes the former zone current again.
#pragma once

#include "frame/Steuerelemente.h"

#include <functional>
#include <memory>
#include <string>

class ZIRVO3801Drucken;

class frmDrucken : public Formular {
public:
    // The report choices: captions and the sections each prints, in order
    // (X the whole proof, T cover, Z summary, P protocol, B component
    // sheets, N the zone of cboZonen).
    static constexpr int Auswahlen = 8;
    static const char* const Buchstaben[Auswahlen];

    frmDrucken();
    ~frmDrucken() override;

    Label Frame1{"Frame1"}; // "Drucker-Einstellungen"
    Label Label1{"Label1"};
    Label lblDrucker{"lblDrucker"};
    CommandButton cmdEinrichten{"cmdEinrichten"};
    Label Label2{"Label2"};
    TextBox txtExemplare{"txtExemplare"};
    Label Label3{"Label3"};
    CheckBox chkDuplex{"chkDuplex"};
    CheckBox chkDateiname{"chkDateiname"};
    CheckBox chkADGD{"chkADGD"};
    Label Frame2{"Frame2"}; // "Ausdruck"
    Steuerelementfeld<OptionButton> optAusdruck{"optAusdruck", Auswahlen};
    ComboBox cboZonen{"cboZonen"};
    CheckBox chkAlleBauteile{"chkAlleBauteile"};
    Label lblAufgabenstellung{"lblAufgabenstellung"};
    CommandButton cmdDrucken{"cmdDrucken"};
    CommandButton cmdAbbrechen{"cmdAbbrechen"};

    // True once the dialog has been unloaded; told to the view then.
    bool Entladen = false;
    std::function<void()> BeimEntladen;

    void Form_Load();
    // The zones by name, in zone order; the current one selected.
    void ZonenlisteFüllen();
    // Choosing a report: the zone list is open only for "Zone".
    void optAusdruck_Click(int Index);
    void cmdEinrichten_Click();
    void cmdAbbrechen_Click();
    void cmdDrucken_Click();

    // One print run of the chosen sections: True when it failed (what
    // failed has been said).
    bool AusdruckStarten(const std::string& letters, int copies, bool duplex, bool allComponents);
    // Every zone loaded (counting the items its rows use), computed and
    // stored, then the partitions between zones checked; True when a zone
    // does not compute or a partition has no counterpart.
    bool AlleZonenBerechnen();
    bool ExemplareDrucken(const std::string& letters, int copies, bool duplex, bool allComponents);

    // Loads a new dialog and shows it modally.
    static void Aufruf();
    // Shows the loaded dialog modally (set by the window code, or by a test
    // that plays the user). While none is set nothing is shown.
    static std::function<void(frmDrucken&)> Anzeigen;

private:
    std::unique_ptr<ZIRVO3801Drucken> bericht_;
    void Unload();
};

#include "frame/frmOptionen.h"

#include "frame/Initialisierung.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/frmOrdnerSuchen.h"

#include <algorithm>

std::function<void(frmOptionen&)> frmOptionen::Anzeigen;

namespace {

// Option buttons of one frame: choosing one clears the others.
void Gruppieren(Steuerelementfeld<OptionButton>& feld) {
    for (int i = feld.LBound(); i <= feld.UBound(); ++i) {
        feld[i].beobachten([&feld, i](const Steuerelement&) {
            if (!feld[i].Value()) return;
            for (int k = feld.LBound(); k <= feld.UBound(); ++k)
                if (k != i) feld[k].setValue(false);
        });
    }
}

// A folder field shown in its frame: a path selects option 1 with the path
// in the text box; "" and "." select option 0 with an empty text box. The
// option shown chosen is the folder the program uses: "." is the automatic
// folder, and an empty field is the automatic folder the program proposes
// at the first use (OK keeps it as ".").
void OrdnerZeigen(const std::string& ordner, Steuerelementfeld<OptionButton>& opt, TextBox& txt) {
    if (!ordner.empty() && ordner != ".") {
        opt[1].setValue(true);
        txt.setText(ordner);
    } else {
        opt[0].setValue(true);
        txt.setText("");
    }
}

} // namespace

frmOptionen::frmOptionen() {
    Caption = DS("Optionen");
    tabOptionen.push_back({"O", DS("Ordner")});
    fraProj.setCaption(DS("Ordner Projekte"));
    optProj[0].setCaption(DS("Automatisch vom System (Eigene Dateien oder Programmordner)"));
    fraDB.setCaption(DS("Ordner Datenbank"));
    // The automatic choice, named by the folder the program then uses.
    optDB[0].setCaption(DS("Im Ordner der Einstellungen") + " (" + basZIRVO3801::AutomatischerDatenbankOrdner() + ")");
    cmdDurchsuchen[0].setCaption(DS("Durchsuchen"));
    cmdDurchsuchen[1].setCaption(DS("Durchsuchen"));
    cmdOK.setCaption(DS("OK"));
    cmdAbbrechen.setCaption(DS("Abbrechen"));
    Gruppieren(optProj);
    Gruppieren(optDB);
}

void frmOptionen::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    // Only the folders tab is offered.
    std::erase_if(tabOptionen, [](const Registerkarte& r) { return r.Key != "O"; });
    TabAuswählen("O");
    const Initialisierung& ini = Global::Initialisierung;
    OrdnerZeigen(ini.OrdnerProjekte, optProj, txtOrdnerProj);
    OrdnerZeigen(ini.OrdnerDatenbank, optDB, txtOrdnerDB);
}

void frmOptionen::TabAuswählen(const std::string& key) {
    for (std::size_t i = 0; i < tabOptionen.size(); ++i) {
        if (tabOptionen[i].Key == key) {
            tabOptionenAuswahl = static_cast<int>(i);
            tabOptionen_Click();
            return;
        }
    }
}

void frmOptionen::tabOptionen_Click() {
    bool ordner = tabOptionenAuswahl >= 0 && tabOptionenAuswahl < static_cast<int>(tabOptionen.size()) &&
                  tabOptionen[static_cast<std::size_t>(tabOptionenAuswahl)].Key == "O";
    picOrdner.setVisible(ordner);
}

void frmOptionen::cmdDurchsuchen_Click(int Index) {
    const bool datenbank = Index == 0;
    std::string ordner = datenbank ? txtOrdnerDB.Text() : txtOrdnerProj.Text();
    std::string titel = datenbank ? DS("Ordner Datenbank") : DS("Ordner Projekte");
    if (!frmOrdnerSuchen::Aufruf(ordner, titel)) return;
    if (datenbank) {
        optDB[1].setValue(true);
        txtOrdnerDB.setText(ordner);
    } else {
        optProj[1].setValue(true);
        txtOrdnerProj.setText(ordner);
    }
}

void frmOptionen::cmdOK_Click() {
    Initialisierung& ini = Global::Initialisierung;
    ini.OrdnerDatenbank = optDB[0].Value() ? std::string(".") : txtOrdnerDB.Text();
    ini.OrdnerProjekte = optProj[0].Value() ? std::string(".") : txtOrdnerProj.Text();
    Ergebnis = true;
    Unload();
}

void frmOptionen::cmdAbbrechen_Click() { Unload(); }

void frmOptionen::Unload() {
    if (Entladen) return;
    Entladen = true;
    Visible = false;
    if (BeimEntladen) BeimEntladen();
}

bool frmOptionen::Aufruf(std::int16_t Registerkarte) {
    frmOptionen dialog;
    dialog.Form_Load();
    if (Registerkarte == 1) dialog.TabAuswählen("O");
    if (!Anzeigen) return false;
    dialog.Visible = true;
    Anzeigen(dialog);
    return dialog.Ergebnis;
}

void frmOptionen::Einrichten() {
    basZIRVO3801::OptionenAufruf = [](std::int16_t registerkarte) { return frmOptionen::Aufruf(registerkarte); };
}

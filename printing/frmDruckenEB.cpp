#include "printing/frmDruckenEB.h"

#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOSymbole.h"
#include "printing/Druckeinstellungen.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDruckIni.h"

#include <cmath>

std::function<void(frmDruckenEB&)> frmDruckenEB::Anzeigen;

namespace {

void Melden(const std::string& text, Plattform::Symbol symbol) {
    Plattform::meldungen().Zeigen(text, basZIRVO3801::ProgrammTitel, symbol, Plattform::Knöpfe::OK);
}

// The busy pointer for the span of a print run, also when it breaks off.
struct Sanduhr {
    Sanduhr() { basZIRVO::SanduhrZähler(-1); }
    ~Sanduhr() { basZIRVO::SanduhrZähler(0); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

} // namespace

frmDruckenEB::frmDruckenEB() {
    Caption = DS("Drucken");
    Frame1.setCaption(DS("Ausdruck Einzelbauteilnachweis"));
    optAusdruck[0].setCaption(DS("Gesamter Einzelbauteilnachweis"));
    optAusdruck[0].setTag("X");
    optAusdruck[0].setValue(true);
    optAusdruck[1].setCaption(DS("Titelblatt"));
    optAusdruck[1].setTag("T");
    Frame2.setCaption(DS("Drucker-Einstellung"));
    Label1.setCaption(DS("Druckername:"));
    Label2.setCaption(DS("Exemplare:"));
    Label3.setCaption("(1-10)");
    txtExemplare.setText("1");
    chkDuplex.setCaption(DS("Beidseitiger Druck (Duplex)"));
    cmdDrucken.setCaption(DS("Drucken"));
    cmdAbbrechen.setCaption(DS("Abbrechen"));
}

frmDruckenEB::~frmDruckenEB() = default;

void frmDruckenEB::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    Druckeinstellungen::DruckerVorgabe(Global::Initialisierung);
    lblDrucker.setCaption(Global::Initialisierung.DruckerName);
    Druckeinstellungen::DuplexKästchen(chkDuplex, Global::Initialisierung, chkDuplex.Value() == 1);
    bericht_ = std::make_unique<ZIRVO3801Drucken>();
}

void frmDruckenEB::cmdDrucken_Click() {
    if (!basZIRVO::DruckEingerichtet()) {
        DruckerEinrichten();
        return;
    }
    std::string auswahl;
    for (int i = optAusdruck.LBound(); i <= optAusdruck.UBound(); ++i)
        if (optAusdruck[i].Value()) auswahl = optAusdruck[i].Tag();
    const double n = basZIRVO3801::Runden(ZahlLesen(txtExemplare.Text()), 0);
    if (!(n >= 1 && n <= 10)) {
        txtExemplare.setText("1");
        return;
    }
    bool failed = false;
    DruckStarten(auswahl, static_cast<int>(n), chkDuplex.Value() == 1, failed);
    if (failed) return;
    Melden(DS("OK, Ausdruck abgeschlossen."), Plattform::Symbol::Information);
    Form_Unload();
}

void frmDruckenEB::cmdAbbrechen_Click() { Form_Unload(); }

void frmDruckenEB::Form_Unload() {
    if (Entladen) return;
    Entladen = true;
    Visible = false;
    bericht_.reset();
    if (BeimEntladen) BeimEntladen();
}

void frmDruckenEB::DruckerEinrichten() {
    if (!basZIRVO::DruckerVorhanden()) return;
    frmDruckIni::Aufruf();
    lblDrucker.setCaption(Global::Initialisierung.DruckerName);
    Druckeinstellungen::DuplexKästchen(chkDuplex, Global::Initialisierung, chkDuplex.Value() == 1);
}

void frmDruckenEB::DruckStarten(const std::string& auswahl, int exemplare, bool duplex, bool& failed) {
    basZIRVOSymbole::SymbolZeichen(Global::Initialisierung.DruckerSchriftEinfach != 0);
    Sanduhr sanduhr;
    DruckAusführen(auswahl, exemplare, duplex, failed);
}

void frmDruckenEB::DruckAusführen(const std::string& auswahl, int exemplare, bool duplex, bool& failed) {
    failed = false;
    if (!bericht_) bericht_ = std::make_unique<ZIRVO3801Drucken>();
    ZIRVO3801Drucken& R = *bericht_;
    R.SetzeUhrzeit();
    const auto abschnitte = [&](ZIRVO3801Drucken& b, bool& fehler) {
        b.DruckBeginn(true);
        for (char c : auswahl) {
            if (c == 'X') {
                b.DruckteilSetzen(DS("Einzelbauteilnachweis"));
                b.Nachweis_Einzelbauteil(fehler);
            } else if (c == 'T') {
                b.DruckteilSetzen(DS("Titelblatt"));
                b.Titelblatt(true, fehler);
            }
            if (fehler) break;
        }
    };
    // Settings under which a text would leave its room have said so; else
    // its pages are those of the printout, each copy alike.
    if (!R.VorDemDruck(duplex, false, abschnitte)) {
        failed = true;
        return;
    }
    try {
        for (int kopie = 1; kopie <= exemplare; ++kopie) {
            // A printer that is gone, or a PDF file not chosen, has been
            // dealt with: the run ends without a further word.
            if (!R.Initialisieren(duplex, false)) {
                failed = true;
                return;
            }
            R.Ausdrucken(abschnitte, failed);
            if (failed) break;
            R.DruckteilSetzen({});
            // A document that cannot be finished has said why. Copies to
            // the PDF printer go into its one document.
            if (!R.Beenden(kopie < exemplare)) {
                failed = true;
                return;
            }
        }
    } catch (...) {
        failed = true;
    }
    if (!failed) return;
    // The unfinished document is dropped: a PDF file keeps what it held
    // before, and a system printer gets nothing where it lets the job go.
    R.Seiten().Auftrag(nullptr);
    const std::string& teil = R.Druckteil();
    Melden(teil.empty() ? DS("Fehler beim Ausdruck.") : DSFormat("Fehler beim Ausdruck: @", teil),
           Plattform::Symbol::Fehler);
}

void frmDruckenEB::Aufruf() {
    frmDruckenEB dialog;
    dialog.Form_Load();
    if (!Anzeigen) return;
    dialog.Visible = true;
    Anzeigen(dialog);
}

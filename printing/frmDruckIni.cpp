#include "printing/frmDruckIni.h"

#include "balance/Anzeigezahl.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "printing/Druckeinstellungen.h"
#include "printing/Druckraster.h"
#include "printing/Druckzeichen.h"
#include "printing/ZIRVO3801Drucken.h"

std::function<void(frmDruckIni&)> frmDruckIni::Anzeigen;

namespace {

// A setting as the dialog shows it: with the user's decimal separator.
std::string Text(double x) { return Anzeigezahl::Zahltext(x); }

// The default of setting i as the dialog shows it.
std::string Standardtext(int i) { return Anzeigezahl::MitTrenner(Druckeinstellungen::Standardwert(i)); }

void Wählen(ComboBox& liste, const std::string& name) {
    for (int i = 0; i < liste.ListCount(); ++i)
        if (liste.ListEntry(i) == name) {
            liste.setListIndex(i);
            return;
        }
}

} // namespace

frmDruckIni::frmDruckIni() {
    Caption = DS("Druck einrichten");
    Frame1.setCaption(DS("Drucker"));
    Frame3.setCaption(DS("Schrift"));
    Label8.setCaption(DS("Schrift"));
    Label9.setCaption(DS("Schriftgrösse"));
    cmdSchriftDurchsuchen.setCaption(DS("Durchsuchen"));
    chkOhneSz.setCaption(DS("Ohne Sonderzeichen (Alpha, Beta, Gamma, usw.)"));
    Frame4.setCaption(DS("Linien"));
    Label12.setCaption(DS("Linienstärke"));
    Frame5.setCaption(DS("Seitenränder (cm)"));
    Label2.setCaption(DS("Linker Rand"));
    Label3.setCaption(DS("Oberer Rand"));
    Label4.setCaption(DS("Rechter Rand"));
    Label5.setCaption(DS("Unterer Rand"));
    cmdStandard.setCaption(DS("Standard"));
    cmdOK.setCaption(DS("OK"));
    cmdSchliessen.setCaption(DS("Abbrechen"));
    cmdTestseite.setCaption(DS("Testseite"));
}

void frmDruckIni::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    cboDrucker.Clear();
    for (const std::string& name : Plattform::drucker().DruckerListe()) cboDrucker.AddItem(name);
    EinstellungenAnzeigen();
    if (lblSchrift.Caption().empty()) cmdStandard_Click();
}

void frmDruckIni::EinstellungenAnzeigen() {
    const Initialisierung& ini = Global::Initialisierung;
    cboDrucker.setListIndex(-1);
    // The printer the printouts use (the PDF printer until one is chosen);
    // one no longer installed gives way to the system's default.
    Wählen(cboDrucker, Druckeinstellungen::Drucker(ini));
    if (cboDrucker.ListIndex() < 0) Wählen(cboDrucker, Plattform::drucker().StandardDrucker());
    const Druckeinstellungen::Werte w = Druckeinstellungen::Gelesen(ini);
    lblSchrift.setCaption(ini.DruckerSchrift);
    lblSchriftgrösse.setCaption(Text(w.Grösse));
    chkOhneSz.setValue(w.Einfach ? 1 : 0);
    txtLinie.setText(Text(w.Linie));
    txtLinks.setText(Text(w.Links));
    txtOben.setText(Text(w.Oben));
    txtRechts.setText(Text(w.Rechts));
    txtUnten.setText(Text(w.Unten));
}

void frmDruckIni::cmdStandard_Click() {
    lblSchrift.setCaption(Druckeinstellungen::Standardwert(0));
    lblSchriftgrösse.setCaption(Standardtext(1));
    chkOhneSz.setValue(ZahlLesen(Druckeinstellungen::Standardwert(2)) != 0 ? 1 : 0);
    txtLinie.setText(Standardtext(3));
    txtLinks.setText(Standardtext(4));
    txtOben.setText(Standardtext(5));
    txtRechts.setText(Standardtext(6));
    txtUnten.setText(Standardtext(7));
}

std::string frmDruckIni::GewählterDrucker() const {
    return cboDrucker.ListIndex() >= 0 ? cboDrucker.ListEntry(cboDrucker.ListIndex()) : std::string();
}

Druckeinstellungen::Werte frmDruckIni::Eingaben() const {
    return {lblSchrift.Caption().empty() ? Druckeinstellungen::Standardwert(0) : lblSchrift.Caption(),
            ZahlLesen(lblSchriftgrösse.Caption()),
            chkOhneSz.Value() == 1,
            ZahlLesen(txtLinie.Text()),
            ZahlLesen(txtLinks.Text()),
            ZahlLesen(txtOben.Text()),
            ZahlLesen(txtRechts.Text()),
            ZahlLesen(txtUnten.Text())};
}

void frmDruckIni::EinstellungenSpeichern() {
    Initialisierung& ini = Global::Initialisierung;
    const Druckeinstellungen::Werte w = Eingaben();
    ini.DruckerName = GewählterDrucker();
    ini.DruckerSchrift = w.Schrift;
    // Stored as the settings keep them, then checked as stored.
    const auto gespeichert = [](double wert) { return basVB6NumCvt::EinfachWert(static_cast<float>(wert)); };
    ini.DruckerSchriftgrösse = static_cast<float>(Druckeinstellungen::Schriftgrösse(gespeichert(w.Grösse)));
    ini.DruckerSchriftEinfach = w.Einfach ? 1.0f : 0.0f;
    ini.DruckerLinie = static_cast<float>(Druckeinstellungen::Linie(gespeichert(w.Linie)));
    float* ränder[] = {&ini.DruckerRandLinks, &ini.DruckerRandOben, &ini.DruckerRandRechts, &ini.DruckerRandUnten};
    const double werte[] = {w.Links, w.Oben, w.Rechts, w.Unten};
    for (int i = 0; i < 4; ++i) *ränder[i] = static_cast<float>(Druckeinstellungen::Rand(4 + i, gespeichert(werte[i])));
}

bool frmDruckIni::EinstellungenPrüfen() {
    // The settings serve every upright printout (with rows as the layout
    // has them): each fixed text of the reports in its room (every printout
    // is laid out once more before it begins, with its project). The
    // landscape energy table may need a smaller size, which
    // Querformathinweis says.
    const std::string fehler =
        Druckraster::Druckermeldung(GewählterDrucker(), Eingaben(), {ZIRVO3801Drucken::Einrichtung()}, {}, false);
    if (fehler.empty()) return true;
    Plattform::meldungen().Zeigen(fehler, basZIRVO3801::ProgrammTitel, Plattform::Symbol::Warnung,
                                  Plattform::Knöpfe::OK);
    return false;
}

void frmDruckIni::Querformathinweis() {
    // The energy table of the current zone; what the message names can be
    // stored too.
    const Druckraster::Ausdruck energietabelle{
        true, false,
        [](Plattform::Druckfläche& f, const Druckeinstellungen::Werte& v, bool) {
            return ZIRVO3801Drucken::Probelauf(f, v, true,
                                               [](ZIRVO3801Drucken& b, bool& failed) { b.Energien(failed); });
        },
        false};
    const std::string fehler = Druckraster::Druckermeldung(GewählterDrucker(), Eingaben(), {energietabelle},
                                                           {ZIRVO3801Drucken::Einrichtung()}, false);
    if (fehler.empty()) return;
    Plattform::meldungen().Zeigen(DS("Die Einstellungen passen für alle Ausdrucke im Hochformat; die Energietabelle "
                                     "im Querformat braucht aber eine kleinere Schrift und wird so nicht gedruckt.") +
                                      "\r\n\r\n" + fehler,
                                  basZIRVO3801::ProgrammTitel, Plattform::Symbol::Information, Plattform::Knöpfe::OK);
}

void frmDruckIni::cmdSchriftDurchsuchen_Click() {
    Plattform::Schrift vorgabe;
    vorgabe.Name = lblSchrift.Caption();
    vorgabe.Grösse = ZahlLesen(lblSchriftgrösse.Caption());
    vorgabe.GrösseVon = Druckeinstellungen::GrösseVon;
    vorgabe.GrösseBis = Druckeinstellungen::GrösseBis;
    // Only faces that draw what the reports print in them.
    vorgabe.Zeichen = Druckzeichen::Zeichen();
    auto gewählt = Plattform::dateidialoge().SchriftWählen(vorgabe);
    if (!gewählt) return;
    lblSchrift.setCaption(gewählt->Name);
    lblSchriftgrösse.setCaption(Text(gewählt->Grösse));
    if (EinstellungenPrüfen()) Querformathinweis();
}

void frmDruckIni::cmdOK_Click() {
    if (!EinstellungenPrüfen()) return;
    EinstellungenSpeichern();
    Querformathinweis();
    Unload();
}

void frmDruckIni::cmdSchliessen_Click() { Unload(); }

void frmDruckIni::cmdTestseite_Click() {
    // Settings that do not fit are said before anything is asked or stored.
    if (!EinstellungenPrüfen()) return;
    Querformathinweis();
    auto antwort = Plattform::meldungen().Zeigen(
        DS("Sollen die Einstellungen gespeichert und ein Testausdruck erstellt werden?"), basZIRVO3801::ProgrammTitel,
        Plattform::Symbol::Frage, Plattform::Knöpfe::JaNeinAbbrechen, Plattform::Antwort::Nein);
    if (antwort != Plattform::Antwort::Ja) return;
    EinstellungenSpeichern();
    if (!basZIRVO::DruckEingerichtet()) return;
    ZIRVO3801Drucken bericht;
    if (!bericht.Initialisieren(false, false)) return;
    bericht.TestseiteDrucken();
    if (!bericht.Beenden()) return;
    Plattform::meldungen().Zeigen(DS("OK, die Testseite ist gedruckt.") + "\r\n\r\n" +
                                      DS("Bitte warten Sie, bis die Testseite beim Drucker erscheint."),
                                  basZIRVO3801::ProgrammTitel, Plattform::Symbol::Information, Plattform::Knöpfe::OK);
}

void frmDruckIni::Unload() {
    if (Entladen) return;
    Entladen = true;
    Visible = false;
    if (BeimEntladen) BeimEntladen();
}

void frmDruckIni::Aufruf() {
    frmDruckIni dialog;
    dialog.Form_Load();
    if (!Anzeigen) return;
    dialog.Visible = true;
    Anzeigen(dialog);
}

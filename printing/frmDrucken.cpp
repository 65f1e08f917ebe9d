#include "printing/frmDrucken.h"

#include "balance/basZIRVONorm.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVOSymbole.h"
#include "mainwindow/frmZIRVO3801.h"
#include "printing/Druckeinstellungen.h"
#include "printing/Drucken.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDruckIni.h"
#include "project/ProjektGlobal.h"

#include <cmath>
#include <exception>

std::function<void(frmDrucken&)> frmDrucken::Anzeigen;

const char* const frmDrucken::Buchstaben[Auswahlen] = {"X", "T", "TZ", "Z", "P", "PB", "B", "N"};

namespace {

constexpr const char* CRLF = "\r\n";

Plattform::Antwort Meldung(const std::string& text, Plattform::Symbol symbol,
                           Plattform::Knöpfe knöpfe = Plattform::Knöpfe::OK,
                           Plattform::Antwort vorgabe = Plattform::Antwort::OK) {
    return Plattform::meldungen().Zeigen(text, basZIRVO3801::ProgrammTitel, symbol, knöpfe, vorgabe);
}

// While the print run loads the zones, the main window's tables count the
// items their rows use; afterwards the switch is as it was.
class ElementeZählen {
public:
    ElementeZählen() : vorher_(Global::ElementeZählen) { Global::ElementeZählen = true; }
    ~ElementeZählen() { Global::ElementeZählen = vorher_; }
    ElementeZählen(const ElementeZählen&) = delete;
    ElementeZählen& operator=(const ElementeZählen&) = delete;

private:
    bool vorher_;
};

} // namespace

frmDrucken::frmDrucken() {
    Caption = DS("Drucken");
    Frame1.setCaption(DS("Drucker-Einstellungen"));
    Label1.setCaption(DS("Druckername:"));
    cmdEinrichten.setCaption(DS("Einrichten..."));
    Label2.setCaption(DS("Exemplare:"));
    Label3.setCaption(DS("(1-10)"));
    chkDuplex.setCaption(DS("Beidseitiger Druck (Duplex)"));
    chkDateiname.setCaption(DS("Dateiname als Fusszeile (Titelblatt)"));
    chkADGD.setCaption(DS("Anzahl Druckzeilen gemäss Druckerschrift"));
    Frame2.setCaption(DS("Ausdruck"));
    const char* const titel[Auswahlen] = {"Gesamter Ausdruck (z.B. Systemnachweis)",
                                          "Titelblatt",
                                          "Titelblatt mit Zusammenfassung",
                                          "Zusammenfassung",
                                          "Protokoll",
                                          "Protokoll mit Einzelbauteilen",
                                          "Einzelbauteile",
                                          "Zone"};
    for (int i = 0; i < Auswahlen; ++i) {
        optAusdruck[i].setCaption(DS(titel[i]));
        optAusdruck[i].setTag(Buchstaben[i]);
    }
    chkAlleBauteile.setCaption(DS("Auch ungenutzte Bauteile"));
    cmdDrucken.setCaption(DS("Drucken"));
    cmdAbbrechen.setCaption(DS("Abbrechen"));
}

frmDrucken::~frmDrucken() = default;

void frmDrucken::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    Initialisierung& ini = Global::Initialisierung;
    Druckeinstellungen::DruckerVorgabe(ini);
    switch (Global::Projekt.PGetInt("ArtB")) {
    case 1: lblAufgabenstellung.setCaption(DS("Optimierung")); break;
    case 2: lblAufgabenstellung.setCaption(DS("Messwert")); break;
    default: lblAufgabenstellung.setCaption(DS("Nachweis")); break;
    }
    lblDrucker.setCaption(ini.DruckerName);
    Druckeinstellungen::DuplexKästchen(chkDuplex, ini, ini.DruckerDuplex);
    chkDateiname.setValue(ini.DruckerDateiname ? 1 : 0);
    chkADGD.setValue(0);
    txtExemplare.setText("1");
    ZonenlisteFüllen();
    optAusdruck[0].setValue(true);
    optAusdruck_Click(0);
    bericht_ = std::make_unique<ZIRVO3801Drucken>();
}

void frmDrucken::ZonenlisteFüllen() {
    const Projekt& p = Global::Projekt;
    cboZonen.Clear();
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) cboZonen.AddItem(p.Zone_GetStr(i, "Bez"));
    cboZonen.setListIndex(p.GetNZone());
}

void frmDrucken::optAusdruck_Click(int Index) {
    if (!optAusdruck.Enthält(Index)) return;
    for (int i = 0; i < Auswahlen; ++i) optAusdruck[i].setValue(i == Index);
    cboZonen.setEnabled(std::string(Buchstaben[Index]) == "N");
}

void frmDrucken::cmdEinrichten_Click() {
    if (!basZIRVO::DruckerVorhanden()) return;
    frmDruckIni::Aufruf();
    const Initialisierung& ini = Global::Initialisierung;
    lblDrucker.setCaption(ini.DruckerName);
    // A closed box kept the setting as it was.
    Druckeinstellungen::DuplexKästchen(chkDuplex, ini, chkDuplex.Enabled() ? chkDuplex.Value() == 1 : ini.DruckerDuplex);
}

void frmDrucken::cmdAbbrechen_Click() { Unload(); }

void frmDrucken::cmdDrucken_Click() {
    if (!basZIRVO::DruckEingerichtet()) {
        cmdEinrichten_Click();
        return;
    }
    int gewählt = -1;
    for (int i = 0; i < Auswahlen && gewählt < 0; ++i)
        if (optAusdruck[i].Value()) gewählt = i;
    if (gewählt < 0) return;
    const std::string buchstaben = Buchstaben[gewählt];
    const bool alle = chkAlleBauteile.Value() == 1;
    const int exemplare = ZahlLesenInt(txtExemplare.Text());
    if (exemplare < 1 || exemplare > 10) {
        txtExemplare.setText("1");
        return;
    }
    Initialisierung& ini = Global::Initialisierung;
    // A printer without a duplex unit prints on one side; the setting
    // stays for the next printer that has one.
    if (chkDuplex.Enabled()) ini.DruckerDuplex = chkDuplex.Value() == 1;
    ini.DruckerDateiname = chkDateiname.Value() == 1;
    bool failed = false;
    {
        Drucken::ZeilenNachSchriftSetzen zeilen(chkADGD.Value() == 1);
        Projekt& p = Global::Projekt;
        const std::int16_t vorher = p.GetNZone();
        failed = AusdruckStarten(buchstaben, exemplare, chkDuplex.Value() == 1, alle);
        p.SetNZone(vorher);
        Global::frmZIRVO3801.ProjektZoneEinlesen();
    }
    if (failed) return;
    Meldung(DS("OK, Ausdruck abgeschlossen."), Plattform::Symbol::Information);
    Unload();
}

bool frmDrucken::AusdruckStarten(const std::string& letters, int copies, bool duplex, bool allComponents) {
    // A zone that does not compute leaves its input error: the refusal
    // names the zone (of several) and the input, a partition without its
    // counterpart none.
    Eingabefehler.Setzen({}, nullptr);
    if (AlleZonenBerechnen()) {
        const std::string m1 = DS("Es ist ein Fehler bei der Aufbereitung der Projektdaten aufgetreten.");
        std::string m2 = DS("Bitte testen Sie das Projekt mit allen Zonen.");
        if (!Eingabefehler.Text.empty()) {
            const std::string ort = basZIRVO3801::Zonenangabe(Global::Projekt, Eingabefehler.Zone);
            m2 += std::string(CRLF) + CRLF + (ort.empty() ? "" : ort + CRLF) +
                  basZIRVOFehler::Meldungstext(Eingabefehler);
        }
        if (letters != "B" && letters != "N") {
            Meldung(m1 + CRLF + CRLF + m2, Plattform::Symbol::Fehler);
            return true;
        }
        const auto antwort = Meldung(m1 + CRLF + m2 + CRLF + CRLF + DS("Soll der Ausdruck trotzdem gemacht werden?"),
                                     Plattform::Symbol::Warnung, Plattform::Knöpfe::JaNein, Plattform::Antwort::Nein);
        if (antwort != Plattform::Antwort::Ja) return true;
    }
    basZIRVOSymbole::SymbolZeichen(Global::Initialisierung.DruckerSchriftEinfach != 0);
    basZIRVO::SanduhrZähler(-1);
    const bool failed = ExemplareDrucken(letters, copies, duplex, allComponents);
    basZIRVO::SanduhrZähler(0);
    return failed;
}

bool frmDrucken::AlleZonenBerechnen() {
    basZIRVO3801::BauteiltypTabelleWert(0, "", 0);
    ElementeZählen zählen;
    Projekt& p = Global::Projekt;
    frmZIRVO3801& F = Global::frmZIRVO3801;
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        p.SetNZone(i);
        F.ProjektZoneEinlesen();
        if (F.ProjektZoneBerechnen()) return true;
        F.ProjektZoneSpeichern();
    }
    return F.ProjektZoneTrennbauteileTesten();
}

bool frmDrucken::ExemplareDrucken(const std::string& letters, int copies, bool duplex, bool allComponents) {
    ZIRVO3801Drucken& b = *bericht_;
    b.SetzeUhrzeit();
    const auto abschnitte = [&](ZIRVO3801Drucken& r, bool& failed) {
        r.DruckBeginn(false);
        for (char c : letters) {
            switch (c) {
            case 'X': failed = r.Nachweis_Systemnachweis(allComponents); break;
            case 'T': r.Titelblatt(false, failed); break;
            case 'Z': r.Zusammenfassung(failed); break;
            case 'P': r.Protokoll(failed); break;
            case 'B': r.Bauteile(allComponents, failed); break;
            case 'N': r.Nutzungszone(cboZonen.ListIndex() < 0 ? 0 : cboZonen.ListIndex(), failed); break;
            default: break;
            }
            if (failed) break;
        }
    };
    // Settings under which a text would leave its room have said so (and
    // whether rows by font height, this dialog's choice, would print them).
    // Its pages are those of the printout, each copy alike.
    if (!b.VorDemDruck(duplex, false, abschnitte, true)) return true;
    for (int exemplar = 1; exemplar <= copies; ++exemplar) {
        if (!b.Initialisieren(duplex, false)) return true;
        bool failed = false;
        try {
            b.Ausdrucken(abschnitte, failed);
        } catch (const std::exception&) {
            failed = true;
        }
        if (failed) {
            // Nothing of this copy reaches the printer or the PDF file.
            b.Abbrechen();
            const std::string teil = b.Fehlerteil().empty() ? DS("Ausdruck") : b.Fehlerteil();
            Meldung(DS("Der Ausdruck ist fehlgeschlagen und wurde abgebrochen.") + CRLF + CRLF +
                        DSFormat("Fehlerhafter Teil: @", teil),
                    Plattform::Symbol::Fehler);
            return true;
        }
        // Copies to the PDF printer go into its one document.
        if (!b.Beenden(exemplar < copies)) return true;
    }
    return false;
}

void frmDrucken::Unload() {
    if (Entladen) return;
    Entladen = true;
    Visible = false;
    bericht_.reset();
    if (BeimEntladen) BeimEntladen();
}

void frmDrucken::Aufruf() {
    frmDrucken dialog;
    dialog.Form_Load();
    if (!Anzeigen) return;
    dialog.Visible = true;
    Anzeigen(dialog);
}

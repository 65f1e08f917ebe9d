// The balance of the current zone, step by step, and the look-ups in other
// zones that partitions to neighbour zones need.
//
// Every operation here that visits other zones makes the former zone
// current again before it returns, on every way out.
#include "mainwindow/frmZIRVO3801.h"

#include "balance/Gebaeudehuelle.h"
#include "balance/Monatsbilanz.h"
#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "frame/Statusmeldung.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Array.h"
#include "project/ProjektGlobal.h"

#include <cmath>

namespace {

// Makes the zone current again when it goes out of scope.
class ZoneMerken {
public:
    ZoneMerken() : zone_(Global::Projekt.GetNZone()) {}
    ~ZoneMerken() { Global::Projekt.SetNZone(zone_); }
    ZoneMerken(const ZoneMerken&) = delete;
    ZoneMerken& operator=(const ZoneMerken&) = delete;
    std::int16_t Zone() const { return zone_; }

private:
    std::int16_t zone_;
};

} // namespace

bool frmZIRVO3801::ZoneSchritteBerechnen(const Tabellenvorlauf* vorlauf) {
    Projekt& p = Global::Projekt;
    const std::int16_t zone = p.GetNZone();
    if (vorlauf) {
        // The tables as the load computed them from these very inputs: the
        // records their rows entered, and each table's note and record of
        // input errors as its step leaves them (the heating months are set).
        Gebäudehülle::Instanz().ZurücksetzenAusser(zone, vorlauf->eintragsstand);
        for (std::int16_t t = TabelleEBF; t <= TabelleF; ++t) {
            Eingabefehler.Beginnen(zone, t);
            SummenHinweisen(t, false);
        }
    } else {
        Gebäudehülle::Instanz().Zurücksetzen(zone);
        for (std::int16_t t = TabelleEBF; t <= TabelleF; ++t)
            if (TabelleBerechnen(t)) return true;
    }

    // The area and the station are known here; only the computations decide.
    Global::frmLüftung.Einlesen();
    if (Global::frmLüftung.Berechnen()) return true;
    Global::frmGewinn.Einlesen();
    if (Global::frmGewinn.Berechnen()) return true;

    if (basZIRVO3801::ZoneMonatsbilanzBerechnen()) return true;

    Monatsarray Qt{}, EtaG{};
    p.ZGetArr1(Qt, "Qt");
    p.ZGetArr1(EtaG, "EtaG");
    Gebäudehülle::Instanz().Gesamtwärmeverlust(zone, Qt, EtaG);
    return false;
}

void frmZIRVO3801::GenutzteSolareGewinneAnzeigen() {
    // Inside a zone computation or while the zone's tables are loaded, the
    // end of that work shows them.
    if (zoneBerechnen_ || zoneLaden_) return;
    if (!Global::Projekt.Exist()) {
        GenutzteSolareGewinneSetzen(true);
        return;
    }
    const basZIRVOFehler::EingabefehlerDaten fehler = Eingabefehler;
    ProjektZoneBerechnen();
    Eingabefehler = fehler;
}

void frmZIRVO3801::GenutzteSolareGewinneSetzen(bool fehler) {
    std::string hinweis;
    if (!fehler) {
        // The zone's monthly utilisation factors on the windows' solar gains
        // of all twelve months (a month without losses utilises none).
        Monatsarray QgS{}, EtaG{};
        Global::Projekt.ZGetArr1(QgS, "QgS");
        Global::Projekt.ZGetArr1(EtaG, "EtaG");
        double Qs = 0, Sg = 0;
        for (std::size_t m = 0; m < 12; ++m) {
            Qs += EtaG[m] * QgS[m];
            Sg += QgS[m];
        }
        LabelSetzen(lblFQs, Qs);
        LabelSetzen(lblFQsf, Sg != 0 && std::isfinite(Qs / Sg) ? Qs / Sg : 0.0);
    } else {
        lblFQs.setCaption(std::string());
        lblFQsf.setCaption(std::string());
        // Said only while the window table is on screen, and not where the
        // table at fault is on screen with its own note on the same error
        // (the window table's own one included).
        const auto gezeigt = [this](std::int16_t t) { return PaneTabelle[0] == t || PaneTabelle[1] == t; };
        const std::int16_t t = Eingabefehler.Tabelle;
        const bool tabellenhinweis =
            t >= TabelleEBF && t <= TabelleF && gezeigt(t) && !summenhinweise_[static_cast<std::size_t>(t)].empty();
        if (Global::Projekt.Exist() && gezeigt(TabelleF) && !tabellenhinweis) {
            std::string ort;
            if (const std::int16_t k = TabelleIndex(t); t >= TabelleEBF && t < TabelleF && k > 0)
                ort = Tabellen[static_cast<std::size_t>(k)]->Titel +
                      (Eingabefehler.Steuerelement && Eingabefehler.Steuerelement->Index >= 0 ? ", " : ": ");
            hinweis = DS("Genutzte solare Wärmeeinträge nicht berechnet") + " – " + ort +
                      basZIRVOFehler::Statustext(Eingabefehler);
        }
    }
    if (hinweis == solarhinweis_) {
        if (!hinweis.empty() && Statusmeldung::Letzte() != hinweis) Statusmeldung::Melden(hinweis);
        return;
    }
    Statusmeldung::Zurücknehmen(solarhinweis_);
    solarhinweis_ = hinweis;
    if (!hinweis.empty()) Statusmeldung::Melden(hinweis);
}

bool frmZIRVO3801::ProjektZoneTrennbauteileTesten() {
    std::string code;
    std::int16_t zeile = 0;
    bool gefunden = false;
    TrennbauteileSammeln(code, zeile, gefunden);
    return gefunden;
}

bool frmZIRVO3801::NachbarzoneTemperatur(const std::string& Code, double& T, bool korrigiert) {
    Projekt& p = Global::Projekt;
    if (p.ZonenAnzahl() < 2) return true;

    ZoneMerken gemerkt;
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        if (i == gemerkt.Zone()) continue;
        p.SetNZone(i);
        if (p.ZGetStr("Code") == Code) {
            T = korrigiert ? p.Zone__RaumtemperaturKorr() : p.ZGetNum("Ti");
            return false;
        }
    }
    return true;
}

bool frmZIRVO3801::NachbarzeileVorlauftemperatur(const std::string& Nachbarcode, const std::string& C, double Fl,
                                                 std::int16_t Bt, double U, const std::string& O,
                                                 const std::string& Eigencode, double& VT) {
    VT = 0;
    Projekt& p = Global::Projekt;
    if (p.ZonenAnzahl() < 2) return true;

    ZoneMerken gemerkt;
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        p.SetNZone(i);
        if (p.ZGetStr("Code") != Nachbarcode) continue;

        // Without component heating in the neighbour zone there is nothing to find.
        const double VTB = p.Zone__VorlauftemperaturB();
        if (VTB == 0) return false;
        KollektionZeiger zeilen = p.ZGetColl("U_");
        if (!zeilen) continue;
        for (std::int32_t r = 1; r <= zeilen->Anzahl(); ++r) {
            KollektionZeiger z = zeilen->Koll(r);
            if (!z) continue;
            if (z->Text(10) != Eigencode) continue;
            if (!LageGegenüber(z->Text(1), z->Text(7), C, O)) continue;
            if (!ZahlGleich(z->Zahl(3), Fl)) continue;
            // The item number of a stored row must be a whole number of the
            // grid; anything else ends the search without a result.
            const double nummer = z->Zahl(4);
            if (!std::isfinite(nummer) || std::fabs(nummer) > 32767.0) {
                VT = 0;
                return true;
            }
            const auto zeileBt = static_cast<std::int16_t>(std::nearbyint(nummer));
            if (!WertOderKennungGleich(zeileBt, z->Zahl(5), Bt, U)) continue;
            if (!z->Text(6).empty()) VT = VTB;
            return false;
        }
    }
    return false;
}

double frmZIRVO3801::EBFAlleZonen() {
    Projekt& p = Global::Projekt;
    double summe = 0;
    {
        ZoneMerken gemerkt;
        for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
            p.SetNZone(i);
            ProjektZoneEinlesen();
            summe += p.ZGetNum("EBF");
        }
    }
    ProjektZoneEinlesen();
    return summe;
}

// The protocol of the printed system proof: the project data, the zones
// table and, for every zone in turn, its input and its computed balance, so
// that a reviewer can retrace the calculation. This file holds the frame of
// the protocol and of a zone protocol, the helpers its sections share and
// the first two sections (use data, energy reference area).
#include "printing/Berichtshilfen.h"

#include "balance/Anzeigezahl.h"
#include "balance/Gebaeudekategorie.h"
#include "frame/basZIRVOSymbole.h"
#include "printing/FortlaufendeBox.h"
#include "printing/Musterprojekt.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/ProjektGlobal.h"

#include <algorithm>

namespace {

std::string Zahl(double x, int stellen) { return ZIRVO3801Drucken::DruckZahl(x, stellen, true); }

// A flow temperature in the general number format, "" for none.
std::string Vorlauf(double t) {
    const std::string text = Anzeigezahl::Zahltext(t);
    return text == "0" ? std::string() : text;
}

// The rows of the current zone's use-data box: two more with a flow
// temperature, three with both.
int Nutzungszeilen() {
    const Projekt& p = Global::Projekt;
    const bool tB = !Vorlauf(p.ZGetNum("VTHB")).empty(), tF = !Vorlauf(p.ZGetNum("VTHF")).empty();
    return tB && tF ? 20 : tB || tF ? 19 : 17;
}

// A text wrapped in its column, up to the column line of column bis, in as
// many lines as an entry may take.
std::vector<std::string> Umbrochen(Drucken& d, const std::string& text, int col, int bis) {
    return d.Umbrechen(text, Drucken::Spaltenbreite(col, bis), true, FortlaufendeBox::ZeilenJeEintrag);
}

} // namespace

void ZIRVO3801Drucken::Protokoll(bool& failed) {
    Abschnitt(DS("Protokoll"), failed, [&](bool& fehler) {
        drucken_.Box(1, false);
        drucken_.Text(1, 1, DS("Protokoll"), true);
        Abschnitt(DS("Projekt"), fehler, [&](bool& f) { Projektdaten(f); });
        if (fehler) return;
        Abschnitt(DS("Thermische Zonen"), fehler, [&](bool& f) { ThermischeZonen(f); });
        for (int i = 0; i < Global::Projekt.ZonenAnzahl() && !fehler; ++i) Nutzungszone(i, fehler);
    });
}

void ZIRVO3801Drucken::Nutzungszone(int zone, bool& failed) {
    Projekt& p = Global::Projekt;
    const std::string name = DS("Thermische Zone") + " " + p.Zone_GetStr(static_cast<std::int16_t>(zone), "Bez");
    Abschnitt(name, failed, [&](bool&) {
        p.SetNZone(static_cast<std::int16_t>(zone));
        // A zone that does not compute is printed with what was stored; a
        // reference project carries its results.
        if (!Musterprojekt::Aktiv()) {
            frmZIRVO3801& F = Global::frmZIRVO3801;
            F.ProjektZoneEinlesen();
            F.ProjektZoneBerechnen();
            F.ProjektZoneSpeichern();
        }
        Drucken& d = drucken_;
        // The heading box is never left alone at the foot of a page: it
        // begins the page of the zone's first box, the use data.
        const std::vector<std::string> name = Umbrochen(d, p.ZGetStr("Bez"), 34, d.Characters() - 2);
        const int kopf = std::max<int>(1, static_cast<int>(name.size()));
        d.SkipRows(1);
        const int zusammen = kopf + 2 + Nutzungszeilen();
        if (d.FreieZeilen() < zusammen && d.FreieZeilen(true) >= zusammen) d.NewPage();
        d.Box(kopf, false);
        d.Text(1, 1, DS("Thermische Zone"), true);
        d.Text(1, 21, DS("Bezeichnung") + ":");
        d.Textzeilen(1, 34, name, true);
        // The pages the zone continues on name it below their head.
        struct Zusatz {
            Drucken& d;
            ~Zusatz() { d.Seitenzusatz(""); }
        } zusatz{d};
        d.Seitenzusatz(DS("Thermische Zone") + ": " + p.ZGetStr("Bez"));
        Nutzungsdaten();
        Energiebezugsflächen();
        HülleAussenluft();
        HülleUnbeheizt();
        HülleFenster();
        Lüftung();
        Wärmeeinträge();
        Heizwärmebedarf();
    });
}

void ZIRVO3801Drucken::Projektdaten(bool& failed) {
    failed = false;
    const Projekt& p = Global::Projekt;
    Drucken& d = drucken_;
    // The name and the site wrap in their columns (up to the labels at
    // column 48), the identification and the file number in theirs (up to
    // the frame); the rows below move down by the lines they take.
    const int rand = d.Characters() - 2;
    const std::vector<std::string> werte[] = {
        Umbrochen(d, p.PGetStr("Bez"), 15, 47), Umbrochen(d, p.PGetStr("Id"), 61, rand),
        Umbrochen(d, p.PGetStr("GS"), 15, 47), Umbrochen(d, p.PGetStr("AktNr"), 61, rand)};
    const auto höhe = [&](int a) {
        return std::max<int>({1, static_cast<int>(werte[a].size()), static_cast<int>(werte[a + 1].size())});
    };
    const int zeile4 = 3 + höhe(0), v = zeile4 + höhe(2) - 5;
    d.Box(11 + v, true);
    d.Text(1, 1, DS("Projekt"), true);
    d.LineH(2, true);
    const auto feld = [&](int r, int c, const char* label, const std::vector<std::string>& wert) {
        d.Text(r, c, DS(label));
        d.Textzeilen(r, c + (c == 1 ? 14 : 13), wert, true);
    };
    feld(3, 1, "Bezeichnung", werte[0]);
    feld(3, 48, "Identifikation", werte[1]);
    feld(zeile4, 1, "Standort", werte[2]);
    feld(zeile4, 48, "Akten-Nr.", werte[3]);
    d.Text(5 + v, 1, DS("Höhenlage"));
    d.Text(5 + v, 17, Zahl(p.PGetNum("MueM"), 2), true, true, 4);
    d.Text(5 + v, 22, einheiten_[E_m]);
    d.Text(5 + v, 26, DS("(Meereshöhe)"));
    d.Text(6 + v, 1, DS("Kanton"));
    d.Text(6 + v, 15, p.PGetStr("Kanton"), true);
    d.LineH(7 + v, false);
    d.Text(8 + v, 1, DS("Klimastation"));
    d.Text(8 + v, 15, KlimastationText(p.PGetStr("KlSt")), true);
    d.LineH(9 + v, false);
    int ergebnis = 0;
    TitelBauvorhaben(10 + v, ergebnis);
    AufgabenstellungZeile(11 + v);
}

void ZIRVO3801Drucken::AufgabenstellungZeile(int row) {
    const int t = Global::Projekt.PGetInt("ArtB");
    if (t < 0 || t > 2) return;
    Drucken& d = drucken_;
    d.Text(row, 1, DS("Aufgabenstellung") + ":");
    const char* const namen[] = {"Nachweis", "Optimierung", "Messwert"};
    for (int i = 0; i < 3; ++i)
        d.Text(row, 22 + 12 * i,
               (i == t ? basZIRVOSymbole::SymbolAngekreuzt : basZIRVOSymbole::SymbolLeer) + " " + DS(namen[i]));
}

// ---- helpers of the zone sections -----------------------------------------------

void ZIRVO3801Drucken::StandardwertZeile(int row, const std::string& label, double standard, const std::string& unit,
                                         const char* key, int decimals) {
    const Projekt& p = Global::Projekt;
    const double v = p.ZGetNum(key);
    std::string spezial, bemerkung;
    if (v != standard) {
        spezial = Zahl(v, decimals);
        bemerkung = p.ZGetStr(std::string(key) + "_B");
    }
    Drucken& d = drucken_;
    d.Text(row, 1, label);
    d.Text(row, 26, Zahl(standard, decimals), true, true, 4);
    d.Text(row, 31, unit);
    d.Text(row, 40, spezial, true, true, 5);
    d.Text(row, 48, bemerkung);
}

void ZIRVO3801Drucken::WertZeile(int row, const std::string& label, const char* key, const std::string& unit,
                                 int decimals) {
    const Projekt& p = Global::Projekt;
    Drucken& d = drucken_;
    d.Text(row, 1, label);
    d.Text(row, 33, Zahl(p.ZGetNum(key), decimals), true, true, 4);
    d.Text(row, 38, unit);
    d.Text(row, 48, p.ZGetStr(std::string(key) + "_B"));
}

void ZIRVO3801Drucken::KeineEinträge(const std::string& title) {
    drucken_.Box(1, true);
    drucken_.Text(1, 1, title, true);
    drucken_.Text(-1, 0, "  (" + DS("keine") + ")");
}

void ZIRVO3801Drucken::ElementtypenSetzen(int kind) {
    const std::string& m2 = einheiten_[E_m2];
    const std::string& U = einheiten_[E_W_m2K];
    const std::string& Q = einheiten_[E_kWh_m2];
    elementtypen_ = {{{"D", DS("Dach"), m2, U, Q},
                      {"W", DS("Wand"), m2, U, Q},
                      {"B", DS("Boden"), m2, U, Q},
                      {"l", DS("Wärmebrücke linear"), einheiten_[E_m], einheiten_[E_W_mK], Q},
                      {"p", DS("Wärmebrücke punktuell"), einheiten_[E_Ohne], einheiten_[E_W_K], Q}}};
    if (kind != 3) return;
    // The windows table: windows, doors, linear and point bridges.
    elementtypen_[0][0] = "F";
    elementtypen_[0][1] = "Fenster";
    elementtypen_[1][0] = "T";
    elementtypen_[1][1] = "Türen";
    elementtypen_[2] = elementtypen_[3];
    elementtypen_[3] = elementtypen_[4];
}

// ---- use data and energy reference area ------------------------------------------

void ZIRVO3801Drucken::Nutzungsdaten() {
    const Projekt& p = Global::Projekt;
    const Gebäudekategorie& k = Global::Gebäudekategorie;
    const std::int16_t Gk = p.ZGetInt("Gk");
    const std::string tB = Vorlauf(p.ZGetNum("VTHB")), tF = Vorlauf(p.ZGetNum("VTHF"));
    Drucken& d = drucken_;
    d.Box(Nutzungszeilen(), true);
    d.Text(1, 1, DS("Nutzung"), true);
    d.LineH(2, true);
    d.Text(3, 1, DS("Gebäudekategorie"));
    d.Text(3, 21, k.Bezeichnung(Gk), true);
    d.Text(5, 1, DS("Standardnutzung"));
    d.Text(5, 26, DS("Standard"));
    d.Text(5, 40, DS("Spezial"));
    d.Text(5, 48, DS("Bemerkung"));
    d.LineX(6, 0, 6, 76, false, false);
    d.LineX(4, 38, 15, 38, false, false);
    const struct {
        const char* label;
        double standard;
        Einheit einheit;
        const char* key;
        int stellen;
    } zeilen[] = {
        {"Raumtemperatur", k.Innentemperatur(Gk), E_GradC, "Ti", 0},
        {"Personenfläche", k.Personenfläche(Gk), E_m2_P, "PFl", 0},
        {"Wärmeabgabe pro Person", k.Wärmeabgabe(Gk), E_W_P, "PWP", 0},
        {"Präsenzzeit pro Tag", k.Präsenzzeit(Gk), E_h_d, "PPr", 0},
        {"Elektrizitätsverbrauch pro Jahr", k.Elektroverbrauch(Gk), E_kWh_m2, "El", 0},
        {"Reduktionsfaktor Elektrizität", k.ElektroReduktion(Gk), E_Ohne, "fe", 2},
        {"Aussenluft-Volumenstrom", k.AussenluftVolumenstrom(Gk), E_m3_hm2, "AVE", 2},
        {"Wärmebedarf für Warmwasser", k.Warmwasser(Gk), E_kWh_m2, "WW", 0},
    };
    int r = 7;
    for (const auto& z : zeilen) StandardwertZeile(r++, DS(z.label), z.standard, einheiten_[z.einheit], z.key, z.stellen);
    d.LineH(15, false);
    WertZeile(16, DS("Regelungszuschlag zur Raumtemperatur"), "RZ", einheiten_[E_Ohne], 0);
    WertZeile(17, DS("Wärmespeicherfähigkeit pro EBF"), "C", einheiten_[E_kWh_m2K], 2);
    if (tB.empty() && tF.empty()) return;
    d.Text(18, 1, DS("Vorlauftemperatur der Heizung bei Auslegungstemperatur"));
    r = 19;
    if (!tB.empty()) WertZeile(r++, DS(" - für Bauteilheizungen"), "VTHB", einheiten_[E_GradC], 0);
    if (!tF.empty()) WertZeile(r, DS(" - für Heizkörper vor Fenster"), "VTHF", einheiten_[E_GradC], 0);
}

void ZIRVO3801Drucken::Energiebezugsflächen() {
    const Projekt& p = Global::Projekt;
    const std::string titel = DS("Energiebezugsfläche");
    const KollektionZeiger t = p.ZGetColl("Ah_");
    const int n = t ? t->Anzahl() : 0;
    if (n == 0) {
        KeineEinträge(titel);
        return;
    }
    // A designation takes as many lines as it needs, up to the storey height.
    Drucken& d = drucken_;
    std::vector<std::vector<std::string>> bezeichnungen(static_cast<std::size_t>(n));
    int zeilen = 0;
    for (int i = 0; i < n; ++i) {
        if (const KollektionZeiger z = t->Koll(i + 1))
            bezeichnungen[static_cast<std::size_t>(i)] =
                d.Umbrechen(z->Text(1), 43, true, FortlaufendeBox::ZeilenJeEintrag);
        zeilen += std::max<int>(1, static_cast<int>(bezeichnungen[static_cast<std::size_t>(i)].size()));
    }
    FortlaufendeBox box(d, zeilen + 6, true, titel, 2 + 2 + 1);
    box.Abschnitt(
        2,
        [&](int r) {
            d.Text(r, 1, DS("Bezeichnung"));
            d.Text(r, 35, DS("Geschosshöhe") + "  " + einheiten_[E_m], false, true, 14);
            d.Text(r, 52, DS("EBF"), true);
            d.Text(-1, 0, "  " + einheiten_[E_m2]);
            d.LineX(r + 1, 0, r + 1, 76, false, false);
        },
        [&d](int r, int unten) {
            for (int c : {50, 60}) d.LineX(r - 1, c, unten, c, false, false);
        });
    for (int i = 0; i < n; ++i) {
        const auto& bez = bezeichnungen[static_cast<std::size_t>(i)];
        const int r = box.Zeilen(std::max<int>(1, static_cast<int>(bez.size())));
        const KollektionZeiger z = t->Koll(i + 1);
        if (!z) continue;
        d.Textzeilen(r, 1, bez, true);
        d.Text(r, 45, DruckZahl(z->Zahl(3), 2, false), true, true, 4);
        d.Text(r, 52, DruckZahl(z->Zahl(4), 1, false), true, true, 7);
    }
    const int r = box.Zeilen(2);
    d.LineX(r, 0, r, 76, false, false);
    d.Text(r + 1, 1, DS("Total"));
    d.Text(r + 1, 52, DruckZahl(p.ZGetNum("EBF"), 1, false), true, true, 7);
    box.Ende();
}

// The summary of the printed system proof: all zones side by side in their
// tables (zones, energy reference areas and limit values, special input
// data, annual energy balance, heat load), with the envelope summary and the
// list of single components between them. Each table walks the zones and
// computes every zone anew; the building's totals are means weighted by the
// energy reference area.
#include "printing/Berichtshilfen.h"

#include "balance/Gebaeudekategorie.h"
#include "balance/Klimastation_MB2028.h"
#include "balance/Monatsbilanz.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOSymbole.h"
#include "project/ProjektGlobal.h"

#include <initializer_list>
#include <vector>

using Berichtshilfen::Anteil;
using Berichtshilfen::EBFMittel;

namespace {

std::string Zahl(double x, int stellen) { return ZIRVO3801Drucken::DruckZahl(x, stellen, true); }
std::string ZahlOderLeer(double x, int stellen) { return ZIRVO3801Drucken::DruckZahl(x, stellen, false); }
std::string Gerundet(double x) { return Zahl(basZIRVO3801::Runden(x, 1), 1); }

bool Umbau() {
    const int BvArt = Global::Projekt.PGetInt("BvArt");
    return BvArt == 1 || BvArt == 3;
}
bool Zielwert() { return Global::Projekt.PGetInt("NwAnf") == 1; }

// Column lines from row r1 to row r2.
void Spaltenlinien(Drucken& d, std::initializer_list<int> spalten, int r1, int r2) {
    for (int c : spalten) d.LineX(r1, c, r2, c, false, false);
}

// The heading of a table: title in row 1, thick rule in row 2.
void Titel(Drucken& d, const std::string& titel) {
    d.Text(1, 1, titel, true);
    d.LineH(2, true);
}

// The rows of the zones in a table: each zone's name wrapped in its column
// (from column 1 up to the column line of column bis), in two lines at most
// (or `höchstens`), the last then ending in "…" where the name goes on. A
// zone whose name fits takes one row, as always.
class Zonenzeilen {
public:
    Zonenzeilen(Drucken& d, int bis)
        : Zonenzeilen(d, std::vector<int>(static_cast<std::size_t>(Global::Projekt.ZonenAnzahl()), bis), 2) {}
    // bis for each zone.
    Zonenzeilen(Drucken& d, const std::vector<int>& bis, int höchstens) : d_(d) {
        const Projekt& p = Global::Projekt;
        for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
            auto zeilen = d.Umbrechen(p.Zone_GetStr(i, "Bez"),
                                      Drucken::Spaltenbreite(1, bis[static_cast<std::size_t>(i)]), true, höchstens);
            if (zeilen.empty()) zeilen.emplace_back();
            erste_.push_back(anzahl_);
            anzahl_ += static_cast<int>(zeilen.size());
            namen_.push_back(std::move(zeilen));
        }
    }
    // The rows of all zones.
    int Anzahl() const { return anzahl_; }
    // Prints the name of zone i in a table whose first zone is in row r;
    // the zone's row.
    int NameDrucken(int r, std::int16_t i) const {
        const auto k = static_cast<std::size_t>(i);
        d_.Textzeilen(r + erste_[k], 1, namen_[k], true);
        return r + erste_[k];
    }

private:
    Drucken& d_;
    std::vector<std::vector<std::string>> namen_;
    std::vector<int> erste_;
    int anzahl_ = 0;
};

} // namespace

void ZIRVO3801Drucken::Zusammenfassung(bool& failed) {
    Abschnitt(DS("Zusammenfassung"), failed, [&](bool& fehler) {
        const int aufgabe = Global::Projekt.PGetInt("ArtB");
        drucken_.Box(1, false);
        drucken_.Text(1, 1, DS("Zusammenfassung"), true);
        const auto teil = [&](const char* name, void (ZIRVO3801Drucken::*abschnitt)(bool&)) {
            if (!fehler) Abschnitt(DS(name), fehler, [&](bool& f) { (this->*abschnitt)(f); });
        };
        teil("Thermische Zonen", &ZIRVO3801Drucken::ThermischeZonen);
        if (aufgabe == 0) teil("Grenzwerte", &ZIRVO3801Drucken::Grenzwerte);
        teil("Gebäudehülle", &ZIRVO3801Drucken::GebäudehülleZusammenfassung);
        teil("Einzelbauteile", &ZIRVO3801Drucken::Einzelbauteile);
        teil("Spezielle Eingabedaten", &ZIRVO3801Drucken::SpezielleEingabedaten);
        teil("Energiebilanz", &ZIRVO3801Drucken::Energiebilanz);
        if (fehler) return;
        drucken_.SkipRows(1);
        teil("Heizlast", &ZIRVO3801Drucken::Heizlast);
    });
}

void ZIRVO3801Drucken::ThermischeZonen(bool& failed) {
    failed = false;
    const Projekt& p = Global::Projekt;
    const int n = p.ZonenAnzahl();
    const bool mehrere = n > 1;
    const int c1 = mehrere ? 29 : 26, c2 = mehrere ? 55 : 52, c3 = mehrere ? 64 : 61, c4 = mehrere ? 71 : 68;
    Drucken& d = drucken_;
    // Several zones: the name up to the code, the code up to the category;
    // a code wider than its 3 cells ends there, the name giving way (and
    // taking a third line where it needs one).
    std::vector<std::string> codes;
    std::vector<int> codezellen, bis;
    for (std::int16_t i = 0; i < n; ++i) {
        codes.push_back(mehrere ? p.Zone_GetStr(i, "Code") : std::string());
        codezellen.push_back(Berichtshilfen::Codezellen(d, codes.back(), true, 3));
        bis.push_back(!mehrere ? c1 - 1 : codezellen.back() > 0 ? 27 - codezellen.back() : 24);
    }
    const Zonenzeilen zonen(d, bis, 3);
    const int N = zonen.Anzahl();
    d.Box(mehrere ? N + 7 : N + 5, true);
    Titel(d, DS("Thermische Zonen"));
    d.Text(3, 1, DS("Thermische Zone"));
    d.Text(3, c1, DS("Gebäudekategorie"));
    d.Text(3, c1 + 22, basZIRVOSymbole::SymbolTheta + "÷(i)");
    d.Text(3, c2, "A÷(E)");
    d.Text(3, c3, "A÷(th)/A÷(E)");
    d.Text(3, c4, "A÷(w)/A÷(E)");
    d.Text(4, 1, DS("Bezeichnung"));
    if (mehrere) d.Text(4, 1, DS("Code"), false, true, 27);
    d.Text(4, c1, DS("Kat."));
    d.Text(4, c1 + 4, DS("Bezeichnung"));
    d.Text(4, c1 + 22, einheiten_[E_GradC]);
    d.Text(4, c2, einheiten_[E_m2], false, true, 8);
    d.Text(4, c3, einheiten_[E_Ohne], false, true, 5);
    d.Text(4, c4, einheiten_[E_Prozent], false, true, 5);
    d.LineX(5, 0, 5, 76, false, false);
    Spaltenlinien(d, {c1 - 1, c2 - 1, c3 - 1, c4 - 1}, 2, mehrere ? N + 8 : N + 6);

    double EBF = 0, Ae = 0, AeF = 0;
    for (std::int16_t i = 0; i < n; ++i) {
        Berichtshilfen::ZoneRechnen(i);
        const int r = zonen.NameDrucken(6, i);
        const std::int16_t Gk = p.ZGetInt("Gk");
        const double ebf = p.ZGetNum("EBF"), ae = p.ZGetNum("Ae"), aeF = p.ZGetNum("AeF");
        const auto k = static_cast<std::size_t>(i);
        if (mehrere) Berichtshilfen::CodeDrucken(d, r, 25, 3, codezellen[k], codes[k], true);
        d.Text(r, c1, Global::Gebäudekategorie.Code(Gk), true);
        d.Text(r, c1 + 4, Global::Gebäudekategorie.Bezeichnung(Gk), true);
        d.Text(r, c1 + 22, Zahl(p.ZGetNum("Ti"), 0), true, true, 2);
        d.Text(r, c2, Zahl(ebf, 1), true, true, 8);
        d.Text(r, c3, Zahl(Anteil(ae, ebf), 2), true, true, 5);
        d.Text(r, c4, Zahl(Anteil(aeF, ebf) * 100, 1), true, true, 5);
        EBF += ebf;
        Ae += ae;
        AeF += aeF;
    }
    if (!mehrere) return;
    d.LineX(N + 6, 0, N + 6, 76, false, false);
    d.Text(N + 7, 1, DS("Total"), true);
    d.Text(N + 7, c2, Zahl(EBF, 1), true, true, 8);
    d.Text(N + 7, c3, Zahl(Anteil(Ae, EBF), 2), true, true, 5);
    d.Text(N + 7, c4, Zahl(Anteil(AeF, EBF) * 100, 1), true, true, 5);
}

void ZIRVO3801Drucken::Grenzwerte(bool& failed) {
    failed = false;
    const Projekt& p = Global::Projekt;
    const int n = p.ZonenAnzahl();
    const bool mehrere = n > 1;
    std::string L = DS("Grenzwert"), Q = "Q÷(H,li)";
    if (Umbau()) L = DS("Grenzwert") + " " + DS("Umbau");
    else if (Zielwert()) L = DS("Zielwert"), Q = "Q÷(H,ta)";

    Drucken& d = drucken_;
    const Zonenzeilen zonen(d, 25);
    const int N = zonen.Anzahl();
    d.Box(mehrere ? N + 9 : N + 7, true);
    Titel(d, DSFormat2("Energiebezugsfläche @ und @", "A÷(E)", L + " " + Q));
    d.Text(3, 1, DS("Thermische Zone"));
    d.Text(3, 26, "A÷(E)");
    d.Text(3, 35, "A÷(th)");
    d.Text(3, 44, "A÷(th)/A÷(E)");
    d.Text(3, 51, Q);
    d.Text(4, 1, DS("Bezeichnung"));
    d.Text(4, 26, einheiten_[E_m2], false, true, 8);
    d.Text(4, 35, einheiten_[E_m2], false, true, 8);
    d.Text(4, 44, einheiten_[E_Ohne], false, true, 5);
    d.Text(4, 51, einheiten_[E_kWh_m2], false, true, 7);
    d.LineX(5, 0, 5, 59, false, false);
    Spaltenlinien(d, {25, 34, 43, 50, 59}, 2, mehrere ? N + 8 : N + 6);

    double EBF = 0, Ae = 0;
    EBFMittel Hg;
    for (std::int16_t i = 0; i < n; ++i) {
        Berichtshilfen::ZoneRechnen(i);
        const int r = zonen.NameDrucken(6, i);
        const double ebf = p.ZGetNum("EBF"), ae = p.ZGetNum("Ae"), hg = p.ZGetNum("HgNw");
        d.Text(r, 26, Zahl(ebf, 1), true, true, 8);
        d.Text(r, 35, Zahl(ae, 1), true, true, 8);
        d.Text(r, 44, Zahl(Anteil(ae, ebf), 2), true, true, 5);
        d.Text(r, 51, Gerundet(Berichtshilfen::Grenzwert(hg)), true, true, 7);
        EBF += ebf;
        Ae += ae;
        Hg.Hinzufügen(hg, ebf);
    }
    int k = N + 6;
    if (mehrere) {
        d.LineX(N + 6, 0, N + 6, 59, false, false);
        d.Text(N + 7, 1, DS("Total"), true);
        d.Text(N + 7, 26, Zahl(EBF, 1), true, true, 8);
        d.Text(N + 7, 35, Zahl(Ae, 1), true, true, 8);
        d.Text(N + 7, 44, Zahl(Anteil(Ae, EBF), 2), true, true, 5);
        d.Text(N + 7, 51, Gerundet(Berichtshilfen::Grenzwert(Hg.Wert())), true, true, 7);
        k = N + 8;
    }
    d.LineH(k, false);
    d.Text(k + 1, 1,
           DS("Temperaturkorrektur Grenzwert") + " :  " + Zahl((9.4 - p.PGetNum("JMT")) * 6, 1) + " %");
}

void ZIRVO3801Drucken::Energiebilanz(bool& failed) {
    failed = false;
    const Projekt& p = Global::Projekt;
    const int n = p.ZonenAnzahl();
    const bool mehrere = n > 1;
    const std::string L = Zielwert() ? DS("Zielwert") : DS("Grenzwert");
    const std::string Q = Zielwert() ? "Q÷(H,ta)" : "Q÷(H,li)";

    Drucken& d = drucken_;
    const Zonenzeilen zonen(d, 25);
    const int N = zonen.Anzahl();
    d.Box(mehrere ? N + 7 : N + 5, true);
    Titel(d, DSFormat("Energiebilanz mit @", L + " " + Q));
    d.Text(3, 1, DS("Thermische Zone"));
    const std::pair<int, std::string> köpfe[] = {{26, "Q÷(T)"},
                                                 {33, "Q÷(V)"},
                                                 {40, "Q÷(i)"},
                                                 {47, "Q÷(s)"},
                                                 {54, basZIRVOSymbole::SymbolEta + "÷(g)"},
                                                 {61, "Q÷(H)"},
                                                 {68, Q}};
    for (const auto& [spalte, kopf] : köpfe) d.Text(3, spalte, kopf);
    d.Text(4, 1, DS("Bezeichnung"));
    for (int spalte : {26, 33, 40, 47, 61, 68}) d.Text(4, spalte, einheiten_[E_kWh_m2], false, true, 6);
    d.Text(4, 54, einheiten_[E_Ohne], false, true, 6);
    d.LineX(5, 0, 5, 76, false, false);
    Spaltenlinien(d, {25, 32, 39, 46, 53, 60, 67}, 2, mehrere ? N + 8 : N + 6);

    EBFMittel Qh, Hg;
    for (std::int16_t i = 0; i < n; ++i) {
        Berichtshilfen::ZoneRechnen(i);
        Monatstabelle qtA{}, qtU{}, qtF{};
        p.ZGetArr2(qtA, "QtA");
        p.ZGetArr2(qtU, "QtU");
        p.ZGetArr2(qtF, "QtF");
        Monatsarray qv{}, qvm{}, qgS{}, qgP{}, qgE{}, etaG{}, qh{};
        p.ZGetArr1(qv, "Qv");
        p.ZGetArr1(qvm, "Qvm");
        p.ZGetArr1(qgS, "QgS");
        p.ZGetArr1(qgP, "QgP");
        p.ZGetArr1(qgE, "QgE");
        p.ZGetArr1(etaG, "EtaG");
        p.ZGetArr1(qh, "Qh");
        const double ebf = p.ZGetNum("EBF"), hg = p.ZGetNum("HgNw");
        const int r = zonen.NameDrucken(6, i);
        d.Text(r, 26, Zahl(qtA[12][5] + qtU[12][5] + qtF[12][5], 1), true, true, 6);
        d.Text(r, 33, Zahl(qv[12] + qvm[12], 1), true, true, 6);
        d.Text(r, 40, Zahl(qgP[12] + qgE[12], 1), true, true, 6);
        d.Text(r, 47, Zahl(qgS[12], 1), true, true, 6);
        d.Text(r, 54, Zahl(etaG[12], 2), true, true, 6);
        d.Text(r, 61, Gerundet(qh[12]), true, true, 6);
        d.Text(r, 68, Gerundet(Berichtshilfen::Grenzwert(hg)), false, true, 6);
        Qh.Hinzufügen(qh[12], ebf);
        Hg.Hinzufügen(hg, ebf);
    }
    if (!mehrere) return;
    d.LineX(N + 6, 0, N + 6, 76, false, false);
    d.Text(N + 7, 1, DS("Total"), true);
    d.Text(N + 7, 61, Gerundet(Qh.Wert()), true, true, 6);
    d.Text(N + 7, 68, Gerundet(Berichtshilfen::Grenzwert(Hg.Wert())), false, true, 6);
}

void ZIRVO3801Drucken::Heizlast(bool& failed) {
    failed = false;
    const Projekt& p = Global::Projekt;
    const int n = p.ZonenAnzahl();
    const bool mehrere = n > 1;
    const bool umbau = Umbau();
    const bool korrigiert = Global::Klimastation_MB2028.TaMin() < -8;
    const std::string P = korrigiert ? "P÷(h,li,korr)" : "P÷(h,li)";
    Drucken& d = drucken_;
    const Zonenzeilen zonen(d, 25);
    const int N = zonen.Anzahl();
    const int k = mehrere ? N + 8 : N + 5;
    d.Box(mehrere ? N + 13 : N + 10, true);
    Titel(d, DSFormat("Heizlast mit @", DS("Grenzwert") + " " + P));
    d.Text(3, 1, DS("Thermische Zone"));
    d.Text(3, 26, DS("Geb."));
    d.Text(3, 31, "H÷(eff)");
    d.Text(3, 40, "q÷(th)");
    d.Text(3, 48, basZIRVOSymbole::SymbolTheta + "÷(e)");
    d.Text(3, 53, "q÷(EL)");
    d.Text(3, 61, "P÷(h)");
    d.Text(3, 68, P);
    d.Text(4, 1, DS("Bezeichnung"));
    d.Text(4, 26, " " + DS("Kat."));
    d.Text(4, 31, einheiten_[E_W_K], false, true, 8);
    d.Text(4, 40, einheiten_[E_m3_hm2], false, true, 7);
    d.Text(4, 48, einheiten_[E_GradC], false, true, 4);
    d.Text(4, 53, einheiten_[E_W_m2], false, true, 7);
    d.Text(4, 61, einheiten_[E_W_m2], false, true, 6);
    d.Text(4, 68, einheiten_[E_W_m2], false, true, 6);
    d.LineX(5, 0, 5, 76, false, false);
    Spaltenlinien(d, {25, 30, 39, 47, 52, 60, 67}, 2, k + 1);

    EBFMittel alle, kategorien, grenzen;
    bool kategorieIbisIV = false;
    for (std::int16_t i = 0; i < n; ++i) {
        Berichtshilfen::ZoneRechnen(i);
        std::int16_t Gk = 0;
        double H = 0, q = 0, Ta = 0, qEL = 0;
        basZIRVO3801::HeizlastKennwerteLesen(Gk, H, q, Ta, qEL);
        const double Ph = basZIRVO3801::ZoneHeizleistungKennwert();
        const double PhGrenze = basZIRVO3801::ZoneHeizleistungGrenzwert();
        const double ebf = p.ZGetNum("EBF");
        const bool IbisIV = Gk >= 1 && Gk <= 4;
        const int r = zonen.NameDrucken(6, i);
        d.Text(r, 26, " " + Global::Gebäudekategorie.Code(Gk));
        d.Text(r, 31, Zahl(H, 1), true, true, 8);
        d.Text(r, 40, Zahl(q, 2), true, true, 7);
        d.Text(r, 48, Zahl(Ta, 1), true, true, 4);
        d.Text(r, 53, Zahl(qEL, 2), true, true, 7);
        d.Text(r, 61, Gerundet(Ph), true, true, 6);
        if (!umbau && IbisIV) d.Text(r, 68, Gerundet(PhGrenze), false, true, 6);
        alle.Hinzufügen(Ph, ebf);
        if (IbisIV) {
            kategorieIbisIV = true;
            kategorien.Hinzufügen(Ph, ebf);
            grenzen.Hinzufügen(PhGrenze, ebf);
        }
    }
    if (mehrere) {
        d.LineX(N + 6, 0, N + 6, 76, false, false);
        d.Text(N + 7, 1, DS("Total"), true);
        d.Text(N + 7, 61, Gerundet(alle.Wert()), true, true, 6);
        d.Text(N + 8, 1, DS("Total") + "   (Geb.-Kat.  I, II, III, IV)");
        if (kategorieIbisIV) {
            d.Text(N + 8, 61, Gerundet(kategorien.Wert()), false, true, 6);
            if (!umbau) d.Text(N + 8, 68, Gerundet(grenzen.Wert()), false, true, 6);
        } else {
            d.Text(N + 8, 61, "  -");
        }
    }
    d.LineH(k + 1, false);
    d.Text(k + 2, 1, DS("Rechenwerte für die Berechnung der spezifischen Heizlast"));
    d.LineX(k + 3, 0, k + 3, 76, false, false);
    const double fV = p.PGetNum("HL_fV");
    const struct {
        const char* label;
        const char* schlüssel;
        int stellen;
    } werte[] = {{"Lüftungseffektivität der mechanischen Lüftung", "HL_fV", 1},
                 {"Anlagennutzungsgrad der Wärmerückgewinnung", "HL_EtaV", 2}};
    for (int j = 0; j < 2; ++j) {
        const int r = k + 4 + j;
        d.Text(r, 1, DS(werte[j].label));
        if (fV == 0) {
            d.Text(r, 41, "-");
            continue;
        }
        d.Text(r, 41, Zahl(p.PGetNum(werte[j].schlüssel), werte[j].stellen), true, true, 4);
        d.Text(r, 47, p.PGetStr(std::string(werte[j].schlüssel) + "_Bem"), true);
    }
}

void ZIRVO3801Drucken::SpezielleEingabedaten(bool& failed) {
    failed = false;
    const Projekt& p = Global::Projekt;
    const int n = p.ZonenAnzahl();
    Drucken& d = drucken_;
    const Zonenzeilen zonen(d, 25);
    const int N = zonen.Anzahl();
    d.Box(N + 7, true);
    Titel(d, DS("Spezielle Eingabedaten"));
    const struct {
        int spalte;
        const char* kopf[3];
        Einheit einheit;
    } spalten[] = {{26, {"Wärmespei-", "cherfähigkeit", "pro EBF"}, E_kWh_m2K},
                   {36, {"Regelungs-", "zuschlag", "zur Raumt."}, E_K},
                   {46, {"Vorlauftemp.", "für Bauteil-", "heizungen"}, E_GradC},
                   {56, {"Vorlauftemp.", "f. Heizkörper", "vor Fenster"}, E_GradC},
                   {66, {"Aussenluft-", "Volumenstrom", "pro EBF"}, E_m3_hm2}};
    d.Text(3, 1, DS("Thermische Zone"));
    d.Text(4, 1, DS("Bezeichnung"));
    for (const auto& s : spalten) {
        for (int z = 0; z < 3; ++z) d.Text(3 + z, s.spalte, DS(s.kopf[z]));
        d.Text(6, s.spalte, einheiten_[s.einheit], false, true, 8);
    }
    d.LineX(7, 0, 7, 76, false, false);
    Spaltenlinien(d, {25, 35, 45, 55, 65}, 2, N + 8);
    for (std::int16_t i = 0; i < n; ++i) {
        Berichtshilfen::ZoneRechnen(i);
        const int r = zonen.NameDrucken(8, i);
        d.Text(r, 26, Zahl(p.ZGetNum("C"), 2), true, true, 6);
        d.Text(r, 36, Zahl(p.ZGetNum("RZ"), 0), true, true, 6);
        d.Text(r, 46, ZahlOderLeer(p.ZGetNum("VTHB"), 0), true, true, 6);
        d.Text(r, 56, ZahlOderLeer(p.ZGetNum("VTHF"), 0), true, true, 6);
        d.Text(r, 66, ZahlOderLeer(p.ZGetNum("AVE"), 2), true, true, 6);
    }
}

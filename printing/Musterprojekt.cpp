#include "printing/Musterprojekt.h"

#include "balance/Gebaeudehuelle.h"
#include "balance/Gebaeudekategorie.h"
#include "components/Bauteile.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace Musterprojekt {

namespace {

bool aktiv = false;

KollektionZeiger Zeile(std::initializer_list<Kollektion::Wert> werte) {
    auto z = Kollektion::Neu();
    for (const auto& w : werte) z->WertHinzufügen(w);
    return z;
}

KollektionZeiger Tabelle(std::initializer_list<KollektionZeiger> zeilen) {
    auto t = Kollektion::Neu();
    for (const auto& z : zeilen) t->Hinzufügen(z);
    return t;
}

// A year of monthly values: the heating months from October to April, the
// year their sum.
Monatsarray Jahr(double januar) {
    static constexpr std::array<double, 12> anteil = {1, 0.8, 0.6, 0.3, 0.1, 0, 0, 0, 0.1, 0.4, 0.7, 0.9};
    Monatsarray a{};
    for (std::size_t m = 0; m < 12; ++m) a[m] = januar * anteil[m];
    for (std::size_t m = 0; m < 12; ++m) a[12] += a[m];
    return a;
}

// The losses of an envelope table by element type and their total.
Monatstabelle Verluste(const std::array<double, 5>& januar) {
    Monatstabelle t{};
    for (std::size_t k = 0; k < 5; ++k) {
        const Monatsarray a = Jahr(januar[k]);
        for (std::size_t m = 0; m < 13; ++m) {
            t[m][k] = a[m];
            t[m][5] += a[m];
        }
    }
    return t;
}

struct Zonenart {
    const char* code;
    std::int16_t Gk; // the zone is named by its category
    double ML;          // 0 natural, 1 mechanical, else both
    int verbraucher;    // extra consumers
    bool bemerkungen;   // remarks on the gains and the values that differ
    double VTHB, VTHF;  // flow temperatures, 0 for none
    bool tabellen;      // the envelope and EBF tables have rows
};

void ZoneAnlegen(Projekt& p, const Zonenart& z) {
    const Gebäudekategorie& k = Global::Gebäudekategorie;
    const std::int16_t Gk = z.Gk;
    p.ZSetStr(z.code, "Code");
    p.ZSetStr(k.Bezeichnung(Gk), "Bez");
    p.ZSetInt(Gk, "Gk");
    // The use values: the category's, or one more where they differ.
    const double mehr = z.bemerkungen ? 1 : 0;
    const std::pair<const char*, double> werte[] = {
        {"Ti", k.Innentemperatur(Gk) + mehr},     {"PFl", k.Personenfläche(Gk) + mehr},
        {"PWP", k.Wärmeabgabe(Gk) + mehr},        {"PPr", k.Präsenzzeit(Gk) + mehr},
        {"El", k.Elektroverbrauch(Gk) + mehr},    {"fe", k.ElektroReduktion(Gk) + mehr / 10},
        {"AVE", k.AussenluftVolumenstrom(Gk) + mehr / 10}, {"WW", k.Warmwasser(Gk) + mehr}};
    for (const auto& [schlüssel, wert] : werte) {
        p.ZSetNum(wert, schlüssel);
        if (z.bemerkungen) p.ZSetStr("Messung vor Ort", std::string(schlüssel) + "_B");
    }
    p.ZSetNum(1, "RZ");
    p.ZSetNum(0.15, "C");
    p.ZSetNum(z.VTHB, "VTHB");
    p.ZSetNum(z.VTHF, "VTHF");
    const double EBF = 2450.5;
    p.ZSetNum(EBF, "EBF");
    if (z.tabellen) {
        p.ZSetColl(Tabelle({Zeile({"Erdgeschoss", 980.2, 2.75, EBF})}), "Ah_");
        p.ZSetColl(Tabelle({Zeile({"D", "Flachdach", 812.5, 1.0, 0.0, "", ""}),
                            Zeile({"W", "Aussenwand", 1234.5, 1.0, 0.0, "H", "SW"}),
                            Zeile({"B", "Boden über aussen", 45.5, 0.0, 0.25, "", ""}),
                            Zeile({"l", "Balkonplatte", 123.5, 1.0, 0.0, "", ""}),
                            Zeile({"p", "Befestigung", 12.0, 2.0, 0.0, "", ""})}),
                   "A_");
        p.ZSetColl(Tabelle({Zeile({"B", "Boden gegen Erdreich", 812.5, 1.0, 0.0, "", "", "", 0.45, ""}),
                            Zeile({"W", "Wand gegen Keller", 234.5, 0.0, 0.3, "", "NW", 0.75, "", ""}),
                            Zeile({"W", "Wand gegen Treppenhaus", 123.5, 0.0, 0.35, "", "E", "", "", "12"}),
                            Zeile({"D", "Decke gegen Nachbarzone", 99.5, 0.0, 0.4, "", "", "", "", "B"})}),
                   "U_");
        p.ZSetColl(Tabelle({Zeile({"F", "Fenster", 12.5, 1.0, 0.0, "", "SW", 0.0, 0.0, 0.0, "0.85", "0.9"}),
                            Zeile({"F", "Dachfenster", 2.5, 1.0, 0.0, "", "NW", 30.0, 0.0, 0.0, "1", "-"}),
                            Zeile({"F", "Fenster mit Vordach", 4.5, 1.0, 0.0, "", "SE", 0.0, 0.0, 0.0, "15",
                                   "+45.125, +37.875, +60.625"}),
                            Zeile({"T", "Haustür", 2.2, 0.0, 1.5, "", "N", 0.0, 0.0, 0.0, "-", "-"}),
                            Zeile({"l", "Leibung", 48.5, 1.0, 0.0, "", "", 0.0, 0.0, 0.0, "", ""}),
                            Zeile({"p", "Anker", 8.0, 2.0, 0.0, "", "", 0.0, 0.0, 0.0, "", ""})}),
                   "F_");
    }
    // The results as the zone computation stores them.
    p.ZSetArr2(Verluste({10.5, 12.3, 4.2, 1.3, 0.2}), "QtA");
    p.ZSetArr2(Verluste({3.4, 2.1, 1.1, 0.3, 0.1}), "QtU");
    p.ZSetArr2(Verluste({8.5, 0.6, 0.4, 0.1, 0}), "QtF");
    for (const char* art : {"A", "U", "F"}) {
        p.ZSetArrX({1234.5, 987.5, 812.5, 123.5, 12}, std::string("ATot") + art);
        p.ZSetArrX({0.17, 0.21, 0.25, 0.12, 0.15}, std::string("AUTot") + art);
    }
    p.ZSetNum(z.ML, "ML");
    p.ZSetNum(z.ML == 0 || z.ML == 1 ? 100 : 60, "MLAnteil");
    p.ZSetArr1(Jahr(z.ML == 1 ? 0 : 7.5), "Qv");
    p.ZSetArr1(Jahr(z.ML == 0 ? 0 : 3.5), "Qvm");
    if (z.ML != 0) {
        p.ZSetColl(Tabelle({Zeile({"Lüftungsgerät mit Wärmerückgewinnung", 2450.0, 6570.0, 80.0})}), "Lm_");
        p.ZSetNum(0.75, "LmAVw");
        p.ZSetNum(0.15, "LmAVa");
        p.ZSetStr("Betrieb werktags von 6 bis 22 Uhr", "LmBem");
    }
    const Monatsarray solar = Jahr(4.5), personen = Jahr(2.2), strom = Jahr(3.1);
    p.ZSetArr1(solar, "QgS");
    p.ZSetArr1(personen, "QgP");
    p.ZSetArr1(strom, "QgE");
    Monatsarray eta{};
    eta.fill(0.95);
    p.ZSetArr1(eta, "EtaG");
    Monatsarray genutzt{};
    for (std::size_t m = 0; m < 13; ++m) genutzt[m] = (solar[m] + personen[m] + strom[m]) * eta[m];
    p.ZSetArr1(genutzt, "Qug");
    p.ZSetArr1(Jahr(24.5), "Qh");
    std::vector<double> qeZ(6, 0.0);
    if (z.verbraucher > 0) {
        auto t = Kollektion::Neu();
        for (int i = 0; i < z.verbraucher; ++i) {
            t->Hinzufügen(Zeile({"Kühlraum " + std::to_string(i + 1), 1500.0, 8760.0, 0.8}));
            qeZ[static_cast<std::size_t>(i)] = 4.3;
        }
        p.ZSetColl(t, "GE_");
    }
    p.ZSetArrX(qeZ, "QeZ");
    if (z.bemerkungen) p.ZSetStr("Geräte laut Angaben der Bauherrschaft", "GEBem");
    p.ZSetNum(1234.5, "Ae");
    p.ZSetNum(234.5, "AeF");
    p.ZSetNum(112.4, "HgNw");
    p.ZSetNum(98.7, "QhNw");
    p.ZSetNum(22.4, "PhNw");
    p.ZSetNum(25, "PhNwGw");
}

void Adresse(Projekt& p, const char* schlüssel, int zeilen) {
    auto a = Kollektion::Neu();
    a->Hinzufügen(std::string(schlüssel));
    const char* const text[] = {"Muster AG", "Hans Muster", "Bahnhofstrasse 12", "8001 Zürich", "044 123 45 67",
                                "hans.muster@example.ch", "www.example.ch", "Architekt"};
    for (int i = 0; i < zeilen; ++i) a->Hinzufügen(std::string(text[i]));
    p.PSetColl(a, schlüssel);
}

void Elemente(Projekt& p) {
    ::Bauteil b;
    b.Bez = "Aussenwand verputzt";
    b.Kom = "Kompaktfassade";
    b.U = 0.17;
    b.Rsi = 0.13;
    b.Rse = 0.04;
    b.Schichten = {{"Gipsputz", 1.5, 1200, 0.7, 0, "0"},
                   {"Backstein", 17.5, 1100, 0.44, 0, "1"},
                   {"Steinwolle", 20, 100, 0.035, 0, "2"},
                   {"Luftschicht", 0, 0, 0, 0.18, ""}};
    b.CodeGr = "B1u*";
    b.Speichern(p, 1);
    ::Fenster f;
    f.Bez = "Holz-Metall-Fenster";
    f.U = 0.95;
    f.g = 0.52;
    f.FF = 0.75;
    f.Rahmenmaterial = "Holz-Metall";
    f.Uf = 1.3;
    f.Verglasung = "Dreifach-Isolierglas";
    f.Ug = 0.6;
    f.CodeGr = "F1";
    f.Speichern(p, 1);
    ::Wärmebrücke l;
    l.Bez = "Balkonplatte auskragend";
    l.Psi = 0.25;
    l.Beschreibung = "mit thermischer Trennung";
    l.CodeGr = "W1";
    l.Speichern(p, 1);
    ::Wärmebrücke pkt = l;
    pkt.Bez = "Befestigung punktuell";
    pkt.Psi = 0.12;
    pkt.Speichern(p, 2);
}

struct Projektart {
    const char* name;
    int ArtB, BvArt, NwAnf;
    double fV;          // 0: no values for the heat load
    const char* nord;   // "", "NNE", "NNW"
    std::vector<Zonenart> zonen;
};

Projekt Anlegen(const Projektart& a) {
    Projekt p;
    p.ProjektNeu();
    p.PSetStr(a.name, "Bez");
    p.PSetStr("2026-017", "Id");
    p.PSetStr("Zürich", "GS");
    p.PSetStr("B-2026-0451", "AktNr");
    p.PSetNum(1456, "MueM");
    p.PSetStr("ZH", "Kanton");
    p.PSetStr("Zürich-MeteoSchweiz", "KlSt");
    p.PSetStr("Mai 2026", "Stand");
    p.PSetInt(static_cast<std::int16_t>(a.ArtB), "ArtB");
    p.PSetInt(static_cast<std::int16_t>(a.BvArt), "BvArt");
    p.PSetInt(static_cast<std::int16_t>(a.NwAnf), "NwAnf");
    p.PSetNum(8.5, "JMT");
    p.PSetNum(a.fV, "HL_fV");
    p.PSetNum(a.fV == 0 ? 0 : 0.75, "HL_EtaV");
    p.PSetStr("gemäss Hersteller", "HL_fV_Bem");
    p.PSetStr("gemäss Hersteller", "HL_EtaV_Bem");
    for (const char* partei : {"Bv", "Bh", "Pv", "Nv"}) Adresse(p, partei, std::string(partei) == "Bv" ? 5 : 8);
    Elemente(p);
    for (std::size_t i = 0; i < a.zonen.size(); ++i) {
        if (i > 0) p.ZoneNeu();
        ZoneAnlegen(p, a.zonen[i]);
    }
    p.SetNZone(0);
    return p;
}

const std::vector<std::pair<Projekt, std::string>>& Projekte() {
    static const std::vector<std::pair<Projekt, std::string>> projekte = [] {
        // Each building category once; one zone of each kind of ventilation;
        // zones without tables.
        const Projektart arten[Anzahl] = {
            {"Wohn- und Geschäftshaus Muster",
             0, 0, 0, 0.8, "",
             {{"A", 1, 0, 0, false, 35, 45, true},
              {"B", 2, 1, 6, true, 30, 0, true},
              {"C", 3, 0.5, 0, true, 0, 40, true},
              {"D", 4, 0, 0, false, 0, 0, false},
              {"E", 5, 0, 2, true, 0, 0, true},
              {"F", 6, 0, 0, true, 0, 0, true},
              {"G", 7, 0, 0, false, 0, 0, true},
              {"H", 8, 0, 0, false, 0, 0, true}}},
            {"Gewerbebau Muster", 2, 0, 1, 0, "NNE",
             {{"I", 10, 1, 1, false, 0, 0, true},
              {"K", 11, 0.5, 0, false, 0, 0, true},
              {"L", 12, 0, 0, true, 0, 0, true}}},
            {"Umbau Muster", 0, 1, 0, 0.8, "NNW", {{"", 9, 0, 0, true, 0, 0, true}}},
        };
        std::vector<std::pair<Projekt, std::string>> v;
        for (const Projektart& a : arten) v.emplace_back(Anlegen(a), a.nord);
        return v;
    }();
    return projekte;
}

} // namespace

struct Stellvertretung::Zustand {
    Projekt projekt;
    Gebäudehülle hülle;
    std::string nord;
    bool warAktiv;
};

Stellvertretung::Stellvertretung(int nr) {
    const auto& [muster, nord] = Projekte().at(static_cast<std::size_t>(nr));
    zustand_ = std::make_unique<Zustand>(Zustand{muster, Gebäudehülle(), nord, aktiv});
    std::swap(Global::Projekt, zustand_->projekt);
    std::swap(Gebäudehülle::Instanz(), zustand_->hülle);
    std::swap(basZIRVO_HiRi::NordAktuell, zustand_->nord);
    aktiv = true;
}

Stellvertretung::~Stellvertretung() {
    std::swap(Global::Projekt, zustand_->projekt);
    std::swap(Gebäudehülle::Instanz(), zustand_->hülle);
    std::swap(basZIRVO_HiRi::NordAktuell, zustand_->nord);
    aktiv = zustand_->warAktiv;
}

bool Aktiv() { return aktiv; }

} // namespace Musterprojekt

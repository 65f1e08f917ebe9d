#include "project/Projekt.h"

#include <gtest/gtest.h>

namespace {

// Names the zones by their "Bez", in zone order.
std::string Zonennamen(const Projekt& p) {
    std::string s;
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) s += p.Zone_GetStr(i, "Bez");
    return s;
}

Projekt DreiZonen(const char* namen) {
    Projekt p;
    p.ProjektNeu();
    for (int i = 0; namen[i]; ++i) {
        if (i > 0) {
            EXPECT_EQ(p.ZoneNeu(), 0);
        }
        p.ZSetStr(std::string(1, namen[i]), "Bez");
    }
    return p;
}

} // namespace

TEST(Kollektion, SchlüsselPositionenUndUmwandlung) {
    auto k = Kollektion::Neu();
    EXPECT_TRUE(k->Hinzufügen("eins"));
    EXPECT_TRUE(k->Hinzufügen(2.5, "Zahl"));
    EXPECT_TRUE(k->Hinzufügen("Grösse", "Länge"));
    EXPECT_FALSE(k->Hinzufügen("doppelt", "ZAHL"));   // a key occurs once, letter case aside
    EXPECT_FALSE(k->Hinzufügen("doppelt", "LÄNGE"));  // umlauts fold too
    EXPECT_EQ(k->Anzahl(), 3);

    // Keyed entries have their positions as well, counted from 1.
    EXPECT_EQ(k->Text(1), "eins");
    EXPECT_EQ(k->Zahl(2), 2.5);
    EXPECT_EQ(k->Text(3), "Grösse");
    EXPECT_EQ(k->Schlüssel(2), "Zahl");
    EXPECT_EQ(k->Eintrag(0), nullptr);
    EXPECT_EQ(k->Eintrag(4), nullptr);
    EXPECT_EQ(k->Eintrag(-1), nullptr);
    EXPECT_EQ(k->Text(99), "");
    EXPECT_EQ(k->Zahl("fehlt"), 0);

    // A number read as text gives its file form, a text read as number the
    // leading number; a collection read as either gives the default.
    EXPECT_EQ(k->Text("zahl"), "2.5");
    k->Hinzufügen("12.5 m", "Mass");
    EXPECT_EQ(k->Zahl("mass"), 12.5);
    k->Hinzufügen(KollektionZeiger(Kollektion::Neu()), "Sub");
    EXPECT_EQ(k->Text("Sub"), "");
    EXPECT_EQ(k->Zahl("Sub"), 0);
    EXPECT_NE(k->Koll("SUB"), nullptr);
    EXPECT_EQ(k->Koll("Zahl"), nullptr);
    EXPECT_EQ(k->Koll(1), nullptr);

    EXPECT_TRUE(k->Entfernen("länge"));
    EXPECT_FALSE(k->Enthält("Länge"));
    EXPECT_TRUE(k->Entfernen(1));
    EXPECT_EQ(k->Zahl(1), 2.5);
    EXPECT_FALSE(k->Entfernen(9));
    EXPECT_FALSE(k->Entfernen("nichts"));
}

TEST(ProjektModell, ZonenAnlegenLöschenSortieren) {
    Projekt p;
    EXPECT_FALSE(p.Exist());
    EXPECT_EQ(p.ZonenAnzahl(), 0);
    p.ProjektNeu();
    EXPECT_TRUE(p.Exist());
    EXPECT_EQ(p.ZonenAnzahl(), 1);
    EXPECT_EQ(p.GetNZone(), 0);
    for (int i = 2; i <= 7; ++i) ASSERT_EQ(p.ZoneNeu(), 0);
    EXPECT_EQ(p.ZonenAnzahl(), 7);
    EXPECT_EQ(p.GetNZone(), 6);   // the new zone is current
    EXPECT_EQ(p.ZoneNeu(), 0);
    EXPECT_EQ(p.ZoneNeu(), -1);
    EXPECT_EQ(p.ZonenAnzahl(), 8);
    EXPECT_EQ(p.GetNZone(), 7);

    Projekt eine;
    eine.ProjektNeu();
    EXPECT_EQ(eine.ZoneLöschen(), -1);
    EXPECT_EQ(eine.ZonenAnzahl(), 1);

    Projekt q = DreiZonen("KLM");
    q.SetNZone(1);
    EXPECT_EQ(q.ZoneLöschen(), 0);
    EXPECT_EQ(Zonennamen(q), "KM");
    EXPECT_EQ(q.GetNZone(), 0);
    // A current zone outside the zones deletes nothing.
    q.SetNZone(5);
    EXPECT_EQ(q.ZoneLöschen(), -1);
    EXPECT_EQ(q.ZonenAnzahl(), 2);

    Projekt s = DreiZonen("KLM");
    s.SetNZone(1);
    EXPECT_EQ(s.ZoneSortieren(2, 0), 0);
    EXPECT_EQ(Zonennamen(s), "MKL");
    EXPECT_EQ(s.GetNZone(), 1);   // the index stays, the zone under it changed
    s = DreiZonen("KLM");
    EXPECT_EQ(s.ZoneSortieren(0, 2), 0);
    EXPECT_EQ(Zonennamen(s), "LMK");
    s = DreiZonen("KLM");
    EXPECT_EQ(s.ZoneSortieren(1, 2), 0);
    EXPECT_EQ(Zonennamen(s), "KML");
    EXPECT_EQ(s.ZoneSortieren(1, 1), -1);
    EXPECT_EQ(s.ZoneSortieren(-1, 0), -1);
    EXPECT_EQ(s.ZoneSortieren(0, 3), -1);
    EXPECT_EQ(s.ZoneSortieren(3, 0), -1);
    EXPECT_EQ(Zonennamen(s), "KML");
}

TEST(ProjektModell, ZonenzugriffeSindGeprüft) {
    Projekt p;   // no zones at all
    p.ZSetStr("x", "Bez");
    p.ZSetNum(3, "Ti");
    p.ZSetColl(Kollektion::Neu(), "A_");
    Monatsarray m{};
    m[0] = 1;
    p.ZSetArr1(m, "Qh");
    EXPECT_EQ(p.ZGetStr("Bez"), "");
    EXPECT_EQ(p.ZGetNum("Ti"), 0);
    EXPECT_EQ(p.ZGetColl("A_"), nullptr);
    EXPECT_EQ(p.ZGetInt("Ti"), 0);
    EXPECT_EQ(p.Zone__RaumtemperaturKorr(), 0);

    p.ProjektNeu();
    p.ZoneNeu();
    p.SetNZone(0);
    p.ZSetNum(20, "Ti");
    p.ZSetNum(1, "RZ");
    p.ZSetNum(35, "VTHB");
    p.ZSetNum(50, "vthf");
    p.ZSetNum(123.4, "EBF");
    EXPECT_EQ(p.Zone__RaumtemperaturKorr(), 21);
    EXPECT_EQ(p.Zone__VorlauftemperaturB(), 35);
    EXPECT_EQ(p.Zone__VorlauftemperaturF(), 50);
    EXPECT_EQ(p.Zone__Energiebezugsfläche(), 123.4);

    // Current zone beyond the zones, or negative: reads give the defaults,
    // writes go nowhere, and no zone is touched.
    for (std::int16_t falsch : {std::int16_t(2), std::int16_t(-1), std::int16_t(8), std::int16_t(32767)}) {
        p.SetNZone(falsch);
        EXPECT_EQ(p.GetNZone(), falsch);
        p.ZSetNum(99, "Ti");
        p.ZSetStr("falsch", "Bez");
        EXPECT_EQ(p.ZGetNum("Ti"), 0);
        EXPECT_EQ(p.Zone__RaumtemperaturKorr(), 0);
        Monatsarray a{};
        a[3] = 7;
        p.ZGetArr1(a, "Qh");
        EXPECT_EQ(a[3], 7);
    }
    EXPECT_EQ(p.Zone_GetNum(0, "Ti"), 20);
    EXPECT_EQ(p.Zone_GetStr(0, "Bez"), "");
    EXPECT_EQ(p.Zone_GetNum(1, "Ti"), 0);
    EXPECT_EQ(p.Zone_GetNum(2, "Ti"), 0);
    EXPECT_EQ(p.Zone_GetNum(-1, "Ti"), 0);
    EXPECT_EQ(p.Zone_GetStr(7, "Bez"), "");
    EXPECT_EQ(p.Zone_GetStr(0, "ti"), "20");
}

TEST(ProjektModell, SpeichernErsetztUndEntfernt) {
    Projekt p;
    p.ProjektNeu();
    p.PSetStr("Haus A", "Bez");
    p.PSetStr("Haus B", "BEZ");
    EXPECT_EQ(p.PGetStr("bez"), "Haus B");

    auto k = Kollektion::Neu();
    k->Hinzufügen("Zeile");
    p.PSetColl(k, "Bv");
    ASSERT_NE(p.PGetColl("Bv"), nullptr);
    EXPECT_EQ(p.CollGetStr(p.PGetColl("Bv"), 1), "Zeile");
    p.PSetColl(nullptr, "bv");
    EXPECT_EQ(p.PGetColl("Bv"), nullptr);
    p.PSetColl(nullptr, "nie");   // a missing key is no error

    // An empty collection is stored as such.
    p.ZSetColl(Kollektion::Neu(), "A_");
    ASSERT_NE(p.ZGetColl("A_"), nullptr);
    EXPECT_EQ(p.ZGetColl("A_")->Anzahl(), 0);
    p.ZSetColl(nullptr, "A_");
    EXPECT_EQ(p.ZGetColl("A_"), nullptr);

    p.PSetInt(3, "Gk");
    EXPECT_EQ(p.PGetNum("Gk"), 3);
    p.PSetNum(2.5, "x");
    EXPECT_EQ(p.PGetInt("x"), 2);
    p.PSetNum(3.5, "x");
    EXPECT_EQ(p.PGetInt("x"), 4);
    p.PSetNum(-2.5, "x");
    EXPECT_EQ(p.PGetInt("x"), -2);
    p.PSetNum(-2.6, "x");
    EXPECT_EQ(p.PGetInt("x"), -3);
    p.PSetNum(1e9, "x");
    EXPECT_EQ(p.PGetInt("x"), 0);   // outside the 16-bit range
    p.ZSetInt(-7, "ML");
    EXPECT_EQ(p.ZGetNum("ML"), -7);
    EXPECT_EQ(p.ZGetInt("ML"), -7);

    // Values of another kind are converted; what cannot be converted reads as the default.
    p.PSetStr("0.75", "T");
    EXPECT_EQ(p.PGetNum("T"), 0.75);
    p.PSetStr("Wand", "T");
    EXPECT_EQ(p.PGetNum("T"), 0);
    EXPECT_EQ(p.PGetColl("T"), nullptr);
    p.PSetNum(-0.25, "N");
    EXPECT_EQ(p.PGetStr("N"), "-0.25");
    EXPECT_EQ(p.PGetStr("fehlt"), "");
    EXPECT_EQ(p.PGetNum("fehlt"), 0);

    // Entries of a given collection by key or position; none for nothing.
    auto bauteil = Kollektion::Neu();
    bauteil->Hinzufügen("Wand");
    auto schichten = Kollektion::Neu();
    bauteil->Hinzufügen(KollektionZeiger(schichten), "Z");
    bauteil->Hinzufügen("W1", "CodeGr");
    KollektionZeiger b = bauteil;
    EXPECT_EQ(p.CollGetStr(b, "codegr"), "W1");
    EXPECT_EQ(p.CollGetColl(b, "z"), schichten);
    EXPECT_EQ(p.CollGetColl(b, 2), schichten);
    EXPECT_EQ(p.CollGetColl(b, 1), nullptr);
    EXPECT_EQ(p.CollGetColl(b, 3), nullptr);
    EXPECT_EQ(p.CollGetStr(nullptr, 1), "");
    EXPECT_EQ(p.CollGetColl(nullptr, "Z"), nullptr);
}

TEST(ProjektModell, MonatswerteUndHeizmonate) {
    Projekt p;
    p.ProjektNeu();
    Monatstabelle qtA{}, qtU{}, qtF{};
    Monatsarray qv{}, qvm{};
    for (std::size_t m = 0; m < 12; ++m) qtA[m][5] = 100;
    qtA[5][5] = 0;      // June: losses sum to exactly 0
    qtA[6][5] = -10;    // July: negative sum
    qv[6] = 5;
    qtA[7][5] = -10;    // August: ventilation makes it positive
    qv[7] = 16;
    qtU[8][5] = -50;    // September: 100 - 50 - 60 < 0
    qtF[8][5] = -60;
    qvm[9] = -100;      // October: exactly 0
    p.ZSetArr2(qtA, "QtA");
    p.ZSetArr2(qtU, "QtU");
    p.ZSetArr2(qtF, "QtF");
    p.ZSetArr1(qv, "Qv");
    p.ZSetArr1(qvm, "Qvm");
    p.SetMtOK();

    Monatsarray a{};
    for (std::size_t m = 0; m < 12; ++m) a[m] = static_cast<double>(m + 1);
    a[12] = -1;
    p.SetJahressumme1(a);
    // Heating months: all but June (6), July (7), September (9), October (10).
    EXPECT_EQ(a[12], 78 - 6 - 7 - 9 - 10);

    Monatstabelle t{};
    for (std::size_t m = 0; m < 12; ++m)
        for (std::size_t j = 0; j < 6; ++j) t[m][j] = static_cast<double>((m + 1) * (j + 1));
    p.SetJahressumme2(t);
    for (std::size_t j = 0; j < 6; ++j) EXPECT_EQ(t[12][j], 46.0 * static_cast<double>(j + 1));

    // Only arrays with 13 elements (rows) are summed.
    std::vector<double> kurz(12, 1.0);
    p.SetJahressumme1(kurz);
    EXPECT_EQ(kurz, std::vector<double>(12, 1.0));

    // The flags stay until the next SetMtOK, whichever zone is current;
    // with no losses at all there is no heating month.
    p.ZoneNeu();
    Monatsarray b{};
    b.fill(1);
    p.SetJahressumme1(b);
    EXPECT_EQ(b[12], 8);
    p.SetMtOK();
    p.SetJahressumme1(b);
    EXPECT_EQ(b[12], 0);

    // Arrays are kept as texts and read back into the caller's array; a
    // missing or malformed text leaves the array as it was.
    p.SetNZone(0);
    Monatsarray gelesen{};
    p.ZGetArr1(gelesen, "Qv");
    EXPECT_EQ(gelesen, qv);
    Monatstabelle tab{};
    p.ZGetArr2(tab, "QtU");
    EXPECT_EQ(tab, qtU);
    p.ZSetStr("1;2;3", "Kaputt");
    Monatsarray unberührt{};
    unberührt.fill(4);
    p.ZGetArr1(unberührt, "Kaputt");
    p.ZGetArr1(unberührt, "Fehlt");
    EXPECT_EQ(unberührt[0], 4);
    std::vector<double> x = {1.5, 0, -2};
    p.ZSetArrX(x, "Liste");
    std::vector<double> y(3, 9.0), z(2, 9.0);
    p.ZGetArrX(y, "Liste");
    p.ZGetArrX(z, "Liste");
    EXPECT_EQ(y, x);
    EXPECT_EQ(z, std::vector<double>(2, 9.0));
}

TEST(ProjektStruktur, StandÄndertSichBeiNeuemProjektUndZonenänderung) {
    Projekt p;
    auto s0 = p.Strukturstand();
    p.ProjektNeu();
    auto s1 = p.Strukturstand();
    EXPECT_NE(s0, s1);
    p.ZoneNeu();
    EXPECT_EQ(p.Strukturstand(), s1); // a new zone leaves the other zones' indices as they were
    p.ZSetNum(3, "EBF");
    EXPECT_EQ(p.Strukturstand(), s1);
    EXPECT_EQ(p.ZoneSortieren(0, 1), 0);
    auto s2 = p.Strukturstand();
    EXPECT_NE(s2, s1);
    EXPECT_EQ(p.ZoneLöschen(), 0);
    EXPECT_NE(p.Strukturstand(), s2);
    Projekt q;
    EXPECT_NE(q.Strukturstand(), p.Strukturstand());
    auto s3 = q.Strukturstand();
    p = Projekt();
    EXPECT_NE(p.Strukturstand(), s3);
}

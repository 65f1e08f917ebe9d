// The main window model's data side: field formats, the cell and label
// writers, the grids' row counts, loading and storing the tables of a zone,
// item look-ups and the pairing of partition rows between zones.
#include "balance/basZIRVONorm.h"
#include "frame/basZIRVO_HiRi.h"
#include "mainwindow/frmZIRVO3801.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Testhilfe::Zonenprojekt;

// A stored row of a table: texts and numbers in the order of the row record.
KollektionZeiger Zeile(std::initializer_list<Kollektion::Wert> werte) {
    auto z = Kollektion::Neu();
    for (const auto& w : werte) z->WertHinzufügen(w);
    return z;
}

// A row of the U table as stored: C, Bez, Fl, Bt, U, H, O, Bu, BG, Tin.
KollektionZeiger UZeile(const std::string& C, double Fl, double Bt, double U, const std::string& O,
                        const std::string& Tin, const std::string& H = "") {
    return Zeile({C, std::string("Trennwand"), Fl, Bt, U, H, O, 0.0, 0.0, Tin});
}

void UZeilenSetzen(Projekt& p, std::int16_t zone, std::vector<KollektionZeiger> zeilen) {
    std::int16_t bisher = p.GetNZone();
    p.SetNZone(zone);
    auto t = Kollektion::Neu();
    for (auto& z : zeilen) t->Hinzufügen(z);
    p.ZSetColl(std::move(t), "U_");
    p.SetNZone(bisher);
}

bool IstText(const Kollektion& zeile, int pos) { return std::holds_alternative<std::string>(*zeile.Eintrag(pos)); }
bool IstZahl(const Kollektion& zeile, int pos) { return std::holds_alternative<double>(*zeile.Eintrag(pos)); }

} // namespace

TEST(FrmZIRVO3801, FeldformateUndSchreiber) {
    Zonenprojekt z;
    auto& f = z.F;
    EXPECT_EQ(f.Feldformate.Anzahl(), 79);

    Feldformat fl = f.FeldformatLesen("txtEBFFl");
    EXPECT_TRUE(fl.Zahl);
    EXPECT_EQ(fl.Stellen, 7);
    EXPECT_EQ(fl.NKSt, 1);
    EXPECT_TRUE(fl.Berechnen);
    EXPECT_EQ(fl.Spalte, 1);
    Feldformat ah = f.FeldformatLesen("txtEBFAh");
    EXPECT_TRUE(ah.Zahl);
    EXPECT_FALSE(ah.Berechnen);
    Feldformat fs23 = f.FeldformatLesen("txtFFS23");
    EXPECT_FALSE(fs23.Zahl);
    EXPECT_TRUE(fs23.Berechnen);
    EXPECT_EQ(fs23.Spalte, 11);
    Feldformat qsf = f.FeldformatLesen("lblFQsf");
    EXPECT_EQ(qsf.NKSt, 3);
    EXPECT_FALSE(qsf.Berechnen);
    Feldformat fremd = f.FeldformatLesen("txtGibtEsNicht");
    EXPECT_FALSE(fremd.Zahl);
    EXPECT_FALSE(fremd.Berechnen);
    EXPECT_EQ(fremd.Spalte, 0);

    // Number and text cells as the row records have them; every typed cell
    // recomputes its table, and its column is its place in the row.
    const std::vector<std::pair<Steuerelementfeld<TextBox>*, bool>> uZellen = {
        {&f.txtDuC, false}, {&f.txtDuBez, false}, {&f.txtDuFl, true}, {&f.txtDuBt, true}, {&f.txtDuU, true},
        {&f.txtDuH, false}, {&f.txtDuO, false},   {&f.txtDuBu, true}, {&f.txtDuBG, true}, {&f.txtDuTin, false}};
    for (std::size_t k = 0; k < uZellen.size(); ++k) {
        Feldformat ff = f.FeldformatLesen((*uZellen[k].first)[0].Name);
        EXPECT_EQ(ff.Zahl, uZellen[k].second) << k;
        EXPECT_TRUE(ff.Berechnen) << k;
        EXPECT_EQ(ff.Spalte, static_cast<std::int16_t>(k)) << k;
    }
    const std::vector<std::pair<Steuerelementfeld<TextBox>*, bool>> fZellen = {
        {&f.txtFC, false}, {&f.txtFBez, false}, {&f.txtFFl, true},  {&f.txtFBt, true},
        {&f.txtFU, true},  {&f.txtFH, false},   {&f.txtFO, false},  {&f.txtFOn, true},
        {&f.txtFg, true},  {&f.txtFFF, true},   {&f.txtFFS1, false}, {&f.txtFFS23, false}};
    for (std::size_t k = 0; k < fZellen.size(); ++k) {
        Feldformat ff = f.FeldformatLesen((*fZellen[k].first)[0].Name);
        EXPECT_EQ(ff.Zahl, fZellen[k].second) << k;
        EXPECT_EQ(ff.Spalte, static_cast<std::int16_t>(k)) << k;
    }

    // Cells: numbers by their format, 0 empty, too wide unpadded; texts right-trimmed.
    f.TextFeldSetzen(f.txtDaU[0], 0.237);
    EXPECT_EQ(f.txtDaU[0].Text(), "  0.24");
    f.TextFeldSetzen(f.txtDaU[0], 0.0);
    EXPECT_EQ(f.txtDaU[0].Text(), "");
    f.TextFeldSetzen(f.txtDaFl[3], "12,34");
    EXPECT_EQ(f.txtDaFl[3].Text(), "      12.3");
    f.TextFeldSetzen(f.txtDaBt[3], 123.0);
    EXPECT_EQ(f.txtDaBt[3].Text(), "123");
    f.TextFeldSetzen(f.txtDaBez[1], "  Wand Nord  ");
    EXPECT_EQ(f.txtDaBez[1].Text(), "  Wand Nord");
    f.TextFeldSetzen(f.txtDuTin[2], 18.0);
    EXPECT_EQ(f.txtDuTin[2].Text(), "18");
    // Labels show 0 as a number.
    f.LabelSetzen(f.lblDaQt, 0.0);
    EXPECT_EQ(f.lblDaQt.Caption(), "      0.0");
    f.LabelSetzen(f.lblFQsf, 0.1234);
    EXPECT_EQ(f.lblFQsf.Caption(), "  0.123");
    f.LabelSetzen(f.lblEBFTotAh, "1'234,56");
    EXPECT_EQ(f.lblEBFTotAh.Caption(), "    1234.6");
}

TEST(FrmZIRVO3801, TabellenEigenschaftenUndTitel) {
    Zonenprojekt z;
    auto& f = z.F;
    std::int16_t erste = 7, sichtbar = 8, zeilen = -1;
    f.TabelleEigenschaften(1, erste, sichtbar, zeilen);
    EXPECT_EQ(zeilen, 30);
    for (std::int16_t t = 2; t <= 4; ++t) {
        f.TabelleEigenschaften(t, erste, sichtbar, zeilen);
        EXPECT_EQ(zeilen, 50) << t;
    }
    for (std::int16_t t : {0, 5, -1}) {
        erste = 7;
        sichtbar = 8;
        f.TabelleEigenschaften(t, erste, sichtbar, zeilen);
        EXPECT_EQ(zeilen, 0) << t;
        EXPECT_EQ(erste, 7) << t;
        EXPECT_EQ(sichtbar, 8) << t;
    }
    EXPECT_EQ(f.Tabellen[0], nullptr);
    EXPECT_EQ(f.Tabellen[1]->Titel, "Energiebezugsfläche");
    EXPECT_EQ(f.Tabellen[2]->Titel, "Gebäudehülle gegen Aussenluft");
    EXPECT_EQ(f.Tabellen[3]->Titel, "Gebäudehülle gegen unbeheizte Räume, Erdreich und beheizte Räume");
    EXPECT_EQ(f.Tabellen[4]->Titel, "Gebäudehülle Fenster, Türen und Tore gegen Aussenluft");
    EXPECT_EQ(f.Tabellen[4]->KeyNr, 4);

    // Unknown tables load, store and compute nothing.
    EXPECT_FALSE(f.TabelleEinlesen(0));
    EXPECT_FALSE(f.TabelleSpeichern(5));
    EXPECT_FALSE(f.TabelleBerechnen(9));
    EXPECT_EQ(z.P.ZGetColl("A_"), nullptr);
}

TEST(FrmZIRVO3801, TabelleSpeichernLeereZeilenUndLücken) {
    Zonenprojekt z;
    auto& f = z.F;
    // Rows 0 and 3 filled; row 4 only "0" in a number cell; row 5 a text
    // that is no number in a number cell; row 6 blanks only.
    z.Zeile(TabelleA, 0, {"W", "  Wand Süd  ", "12.5", "", "0,25", "", "S"});
    z.Zeile(TabelleA, 3, {"D", "", "abc", "3"});
    z.Zeile(TabelleA, 4, {"", "", "0"});
    z.Zeile(TabelleA, 5, {"", "", "", "x"});
    z.Zeile(TabelleA, 6, {"   ", "  "});
    EXPECT_FALSE(f.TabelleSpeichern(TabelleA));

    KollektionZeiger a = z.P.ZGetColl("A_");
    ASSERT_TRUE(a);
    ASSERT_EQ(a->Anzahl(), 4);
    KollektionZeiger r0 = a->Koll(1);
    ASSERT_EQ(r0->Anzahl(), 7);
    EXPECT_EQ(r0->Text(1), "W");
    EXPECT_EQ(r0->Text(2), "  Wand Süd");
    EXPECT_EQ(r0->Zahl(3), 12.5);
    EXPECT_EQ(r0->Zahl(5), 0.25);
    for (int k : {1, 2, 6, 7}) EXPECT_TRUE(IstText(*r0, k)) << k;
    for (int k : {3, 4, 5}) EXPECT_TRUE(IstZahl(*r0, k)) << k;
    // The gap rows are rows of empty texts and zeros.
    for (int r : {2, 3}) {
        KollektionZeiger leer = a->Koll(r);
        ASSERT_EQ(leer->Anzahl(), 7);
        EXPECT_EQ(leer->Text(1), "");
        EXPECT_TRUE(IstZahl(*leer, 3));
        EXPECT_EQ(leer->Zahl(3), 0);
    }
    // A number cell that is no number is stored as 0.
    EXPECT_EQ(a->Koll(4)->Zahl(3), 0);
    EXPECT_EQ(a->Koll(4)->Zahl(4), 3);

    // The computed EBF column alone does not make a row.
    z.Zeile(TabelleEBF, 0, {"EG", "80"});
    z.Zeile(TabelleEBF, 2, {"", "", "", "55"});
    f.TabelleSpeichern(TabelleEBF);
    ASSERT_EQ(z.P.ZGetColl("Ah_")->Anzahl(), 1);
    EXPECT_EQ(z.P.ZGetColl("Ah_")->Koll(1)->Anzahl(), 4);

    // An empty table is an empty collection.
    z.TabellenLeeren();
    f.TabelleSpeichern(TabelleF);
    ASSERT_TRUE(z.P.ZGetColl("F_"));
    EXPECT_EQ(z.P.ZGetColl("F_")->Anzahl(), 0);
}

TEST(FrmZIRVO3801, ZoneLadenUndSpeichernRundreise) {
    Zonenprojekt z;
    auto& f = z.F;
    z.EBFSetzen(100);
    z.Zeile(TabelleA, 0, {"W", "Wand", "20", "", "0.3", "", "NE"});
    z.Zeile(TabelleA, 2, {"D", "Dach", "15", "", "0.2"});
    z.Zeile(TabelleU, 1, {"B", "Keller", "40", "", "0.4", "", "", "0.6"});
    z.Zeile(TabelleF, 0, {"F", "Fenster", "4", "", "1.1", "", "S", "", "0.5", "0.75", "30", "20,10"});
    f.ProjektZoneSpeichern();
    KollektionZeiger gespeichertA = z.P.ZGetColl("A_");

    z.TabellenLeeren();
    basZIRVO_HiRi::NordAktuell = "NNE";
    f.ProjektZoneEinlesen();
    EXPECT_EQ(f.txtEBFFl[0].Text(), "      100.0");
    EXPECT_EQ(f.txtDaFl[0].Text(), "      20.0");
    EXPECT_EQ(f.txtDaO[0].Text(), "NE");
    EXPECT_EQ(f.txtDaBt[2].Text(), ""); // stored 0 shows empty
    EXPECT_EQ(f.txtDaFl[1].Text(), "");
    EXPECT_EQ(f.txtDuBu[1].Text(), "0.60");
    EXPECT_EQ(f.txtFFS23[0].Text(), "20,10");
    EXPECT_EQ(f.txtFFF[0].Text(), "0.75");
    // The orientation cells show the turned direction as a tool tip.
    EXPECT_EQ(f.txtDaO[0].ToolTipText(), "ENE");
    EXPECT_EQ(f.txtFO[0].ToolTipText(), "SSW");
    EXPECT_EQ(f.txtDaO[1].ToolTipText(), "");
    // Loading computed the tables: totals and zone values are there.
    EXPECT_EQ(f.lblWaFl.Caption(), "      20.0");
    EXPECT_EQ(z.P.ZGetNum("AeA"), 35);

    // Stored again unchanged, the row tables are equal item for item.
    f.ProjektZoneSpeichern();
    KollektionZeiger wieder = z.P.ZGetColl("A_");
    ASSERT_EQ(wieder->Anzahl(), gespeichertA->Anzahl());
    for (int r = 1; r <= wieder->Anzahl(); ++r)
        for (int k = 1; k <= 7; ++k) {
            EXPECT_EQ(wieder->Koll(r)->Text(k), gespeichertA->Koll(r)->Text(k)) << r << "," << k;
        }

    // Without a turned north the tool tips go.
    basZIRVO_HiRi::NordAktuell.clear();
    f.TabelleEinlesen(TabelleA);
    EXPECT_EQ(f.txtDaO[0].ToolTipText(), "");
}

TEST(FrmZIRVO3801, MehrGespeicherteZeilenAlsDasRasterBleibenErhalten) {
    Zonenprojekt z;
    auto& f = z.F;
    auto t = Kollektion::Neu();
    for (int r = 1; r <= 55; ++r)
        t->Hinzufügen(Zeile({std::string("W"), "Zeile " + std::to_string(r), double(r), 0.0, 0.2, std::string(),
                             std::string("S")}));
    z.P.ZSetColl(std::move(t), "A_");

    f.TabelleEinlesen(TabelleA);
    EXPECT_EQ(f.txtDaBez[0].Text(), "Zeile 1");
    EXPECT_EQ(f.txtDaBez[49].Text(), "Zeile 50");

    // The user changes row 0 and empties the grid's last rows; the rows
    // behind the grid come back unchanged and in their places.
    f.txtDaBez[0].setText("geändert");
    for (int i = 40; i < 50; ++i) z.Zeile(TabelleA, i, {"", "", "", "", "", "", ""});
    f.TabelleSpeichern(TabelleA);
    KollektionZeiger a = z.P.ZGetColl("A_");
    ASSERT_EQ(a->Anzahl(), 55);
    EXPECT_EQ(a->Koll(1)->Text(2), "geändert");
    EXPECT_EQ(a->Koll(41)->Text(2), "");
    EXPECT_EQ(a->Koll(50)->Text(2), "");
    for (int r = 51; r <= 55; ++r) {
        EXPECT_EQ(a->Koll(r)->Text(2), "Zeile " + std::to_string(r));
        EXPECT_EQ(a->Koll(r)->Zahl(3), r);
    }
    // A second round keeps them still.
    f.TabelleEinlesen(TabelleA);
    f.TabelleSpeichern(TabelleA);
    EXPECT_EQ(z.P.ZGetColl("A_")->Anzahl(), 55);
    EXPECT_EQ(z.P.ZGetColl("A_")->Koll(55)->Text(2), "Zeile 55");
}

TEST(FrmZIRVO3801, ElementeZählenBeimLaden) {
    Zonenprojekt z;
    auto& f = z.F;
    z.Zeile(TabelleA, 0, {"D", "", "10", "3"});
    z.Zeile(TabelleA, 1, {"W", "", "10", "3", "", "", "S"});
    z.Zeile(TabelleU, 0, {"l", "", "5", "2"});
    z.Zeile(TabelleF, 0, {"F", "", "2", "1"});
    z.Zeile(TabelleF, 1, {"T", "", "2", "150"}); // outside 1..99: not counted
    f.ProjektZoneSpeichern();

    basZIRVO3801::BauteiltypTabelleWert(0, "", 0);
    f.ProjektZoneEinlesen();
    EXPECT_EQ(basZIRVO3801::BauteiltypTabelleWert(2, "D", 3), 0);

    Global::ElementeZählen = true;
    f.ProjektZoneEinlesen();
    Global::ElementeZählen = false;
    EXPECT_EQ(basZIRVO3801::BauteiltypTabelleWert(2, "D", 3), 1);
    EXPECT_EQ(basZIRVO3801::BauteiltypTabelleWert(2, "W", 3), 1);
    EXPECT_EQ(basZIRVO3801::BauteiltypTabelleWert(2, "l", 2), 1);
    EXPECT_EQ(basZIRVO3801::BauteiltypTabelleWert(2, "F", 1), 1);
    EXPECT_EQ(basZIRVO3801::BauteiltypTabelleWert(2, "B", 3), 0);
    basZIRVO3801::BauteiltypTabelleWert(0, "", 0);
}

TEST(FrmZIRVO3801, BauteileFensterWärmebrückenHolen) {
    Zonenprojekt z;
    auto& f = z.F;
    z.BauteilAnlegen(5, 0.18, "Aussenwand");
    z.FensterAnlegen(2, 1.0, 1.2, 0.7, "Holzfenster");
    z.WärmebrückeAnlegen(9, 0.08, "Sockel");

    double U = -1, g = -1, FF = -1;
    std::string bez = "vorher";
    EXPECT_FALSE(f.BauteilHolen(6, U, bez));
    EXPECT_EQ(U, -1);
    EXPECT_EQ(bez, "vorher");
    EXPECT_TRUE(f.BauteilHolen(5, U, bez));
    EXPECT_EQ(U, 0.18);
    EXPECT_EQ(bez, "Aussenwand");

    // g outside 0..1 is not taken; FF is.
    EXPECT_TRUE(f.FensterHolen(2, U, g, FF, bez));
    EXPECT_EQ(U, 1.0);
    EXPECT_EQ(g, -1);
    EXPECT_EQ(FF, 0.7);
    EXPECT_EQ(bez, "Holzfenster");
    EXPECT_FALSE(f.FensterHolen(5, U, g, FF, bez));

    EXPECT_TRUE(f.WärmebrückeHolen(9, U, bez));
    EXPECT_EQ(U, 0.08);
    EXPECT_EQ(bez, "Sockel");
    EXPECT_FALSE(f.WärmebrückeHolen(0, U, bez));
    EXPECT_FALSE(f.WärmebrückeHolen(-9, U, bez));
}

TEST(FrmZIRVO3801, LageUndKennungVergleichen) {
    using F = frmZIRVO3801;
    // Ceiling faces floor, either way round.
    EXPECT_TRUE(F::LageGegenüber("D", "", "B", "N"));
    EXPECT_TRUE(F::LageGegenüber("B", "S", "D", ""));
    EXPECT_FALSE(F::LageGegenüber("D", "", "D", ""));
    EXPECT_FALSE(F::LageGegenüber("B", "", "B", ""));
    // Walls face the opposite main direction.
    EXPECT_TRUE(F::LageGegenüber("W", "N", "W", "S"));
    EXPECT_TRUE(F::LageGegenüber("W", "S", "W", "N"));   // 5 + 4 - 8 = 1
    EXPECT_TRUE(F::LageGegenüber("W", "NE", "W", "SW"));
    EXPECT_TRUE(F::LageGegenüber("W", "E", "W", "W"));
    EXPECT_TRUE(F::LageGegenüber("W", "NW", "W", "SE")); // 8 + 4 - 8 = 4
    EXPECT_FALSE(F::LageGegenüber("W", "N", "W", "E"));
    EXPECT_FALSE(F::LageGegenüber("W", "N", "W", "N"));
    EXPECT_FALSE(F::LageGegenüber("W", "N", "W", ""));
    EXPECT_FALSE(F::LageGegenüber("W", "", "W", ""));
    EXPECT_FALSE(F::LageGegenüber("W", "NNE", "W", "SSW"));
    EXPECT_FALSE(F::LageGegenüber("W", "-", "W", "S"));
    EXPECT_FALSE(F::LageGegenüber("W", "N", "D", "S"));
    // Bridges face bridges of their kind, whatever the orientation.
    EXPECT_TRUE(F::LageGegenüber("l", "N", "l", "N"));
    EXPECT_TRUE(F::LageGegenüber("p", "", "p", "E"));
    EXPECT_FALSE(F::LageGegenüber("l", "", "p", ""));
    // Codes outside "DWBlp" (case counts) never face anything.
    EXPECT_FALSE(F::LageGegenüber("X", "", "B", ""));
    EXPECT_FALSE(F::LageGegenüber("d", "", "B", ""));
    EXPECT_FALSE(F::LageGegenüber("", "", "B", ""));
    EXPECT_FALSE(F::LageGegenüber("DW", "", "B", ""));
    EXPECT_FALSE(F::LageGegenüber("L", "", "L", ""));

    EXPECT_TRUE(F::ZahlGleich(20, 20.0));
    EXPECT_FALSE(F::ZahlGleich(0.1 + 0.2, 0.3));

    // With a number, only the numbers count; without, both lack one and U is equal.
    EXPECT_TRUE(F::WertOderKennungGleich(3, 0.2, 3, 0.5));
    EXPECT_FALSE(F::WertOderKennungGleich(3, 0.2, 4, 0.2));
    EXPECT_FALSE(F::WertOderKennungGleich(3, 0.2, 0, 0.2));
    EXPECT_TRUE(F::WertOderKennungGleich(0, 0.2, 0, 0.2));
    EXPECT_FALSE(F::WertOderKennungGleich(0, 0.2, 0, 0.3));
    EXPECT_FALSE(F::WertOderKennungGleich(0, 0.2, 3, 0.2));

    EXPECT_TRUE(F::IstZahltext("18"));
    EXPECT_TRUE(F::IstZahltext(" -2,5 "));
    EXPECT_TRUE(F::IstZahltext("+18.5"));
    EXPECT_TRUE(F::IstZahltext(".5"));
    EXPECT_FALSE(F::IstZahltext("Z1"));
    EXPECT_FALSE(F::IstZahltext("B"));
    EXPECT_FALSE(F::IstZahltext(""));
    EXPECT_FALSE(F::IstZahltext("-"));
    EXPECT_FALSE(F::IstZahltext("1.2.3"));
}

TEST(FrmZIRVO3801, TrennbauteilePaaren) {
    Zonenprojekt z;
    auto& f = z.F;
    std::string code = "?";
    std::int16_t zeile = -1;
    bool gefunden = true;

    // One zone: nothing gathered, the tables are not reloaded.
    UZeilenSetzen(z.P, 0, {UZeile("W", 20, 3, 0, "N", "Z2")});
    f.txtDaBez[0].setText("ungespeichert");
    f.TrennbauteileSammeln(code, zeile, gefunden);
    EXPECT_FALSE(gefunden);
    EXPECT_EQ(f.txtDaBez[0].Text(), "ungespeichert");

    z.P.ZSetStr("Z1", "Code");
    const std::int16_t z2 = z.ZoneHinzufügen("Z2");
    auto prüfen = [&](std::vector<KollektionZeiger> a, std::vector<KollektionZeiger> b) {
        UZeilenSetzen(z.P, 0, std::move(a));
        UZeilenSetzen(z.P, z2, std::move(b));
        code = "?";
        zeile = -1;
        f.TrennbauteileSammeln(code, zeile, gefunden);
        return gefunden;
    };

    // Walls N and S, area 20, item 3: a pair.
    EXPECT_FALSE(prüfen({UZeile("W", 20, 3, 0, "N", "Z2")}, {UZeile("W", 20, 3, 0, "S", "Z1")}));
    EXPECT_EQ(code, "?");
    // East does not face north: the first row is reported.
    EXPECT_TRUE(prüfen({UZeile("D", 5, 0, 0.3, "", "18"), UZeile("W", 20, 3, 0, "N", "Z2")},
                       {UZeile("W", 20, 3, 0, "E", "Z1")}));
    EXPECT_EQ(code, "Z1");
    EXPECT_EQ(zeile, 1);
    // Ceiling and floor without item numbers: equal U pairs, different U does not.
    EXPECT_FALSE(prüfen({UZeile("D", 30, 0, 0.35, "", "Z2")}, {UZeile("B", 30, 0, 0.35, "", "Z1")}));
    EXPECT_TRUE(prüfen({UZeile("D", 30, 0, 0.35, "", "Z2")}, {UZeile("B", 30, 0, 0.4, "", "Z1")}));
    // An item number on one side only.
    EXPECT_TRUE(prüfen({UZeile("D", 30, 2, 0.35, "", "Z2")}, {UZeile("B", 30, 0, 0.35, "", "Z1")}));
    // Different areas.
    EXPECT_TRUE(prüfen({UZeile("D", 30, 2, 0, "", "Z2")}, {UZeile("B", 30.1, 2, 0, "", "Z1")}));
    // A single partition row in the whole project.
    EXPECT_TRUE(prüfen({UZeile("W", 20, 3, 0, "N", "Z2")}, {}));
    EXPECT_EQ(code, "Z1");
    EXPECT_EQ(zeile, 0);
    // Two rows of Z1 and one of Z2 fitting both: the second row of Z1 is left.
    EXPECT_TRUE(prüfen({UZeile("l", 8, 0, 0.1, "", "Z2"), UZeile("l", 8, 0, 0.1, "", "Z2")},
                       {UZeile("l", 8, 0, 0.1, "", "Z1")}));
    EXPECT_EQ(code, "Z1");
    EXPECT_EQ(zeile, 1);
    // D and W against B and W: all paired.
    EXPECT_FALSE(prüfen({UZeile("D", 30, 1, 0, "", "Z2"), UZeile("W", 12, 4, 0, "W", "Z2")},
                        {UZeile("B", 30, 1, 0, "", "Z1"), UZeile("W", 12, 4, 0, "E", "Z1")}));
    // Without Z2's wall, Z1's wall is reported.
    EXPECT_TRUE(prüfen({UZeile("D", 30, 1, 0, "", "Z2"), UZeile("W", 12, 4, 0, "W", "Z2")},
                       {UZeile("B", 30, 1, 0, "", "Z1")}));
    EXPECT_EQ(code, "Z1");
    EXPECT_EQ(zeile, 1);
    // Without Z1's wall, Z2's wall, the last entry of the list, is reported.
    EXPECT_TRUE(prüfen({UZeile("D", 30, 1, 0, "", "Z2")},
                       {UZeile("B", 30, 1, 0, "", "Z1"), UZeile("W", 12, 4, 0, "E", "Z1")}));
    EXPECT_EQ(code, "Z2");
    EXPECT_EQ(zeile, 1);
    // Temperatures and empty cells make no partition rows.
    EXPECT_FALSE(prüfen({UZeile("W", 20, 3, 0, "N", "18.5"), UZeile("W", 20, 3, 0, "N", "-2"),
                         UZeile("W", 20, 3, 0, "N", "")},
                        {UZeile("W", 20, 3, 0, "S", " 12,5")}));
    // Rows naming a zone other than the one that holds the mirror do not pair.
    EXPECT_TRUE(prüfen({UZeile("W", 20, 3, 0, "N", "Z3")}, {UZeile("W", 20, 3, 0, "S", "Z1")}));
    // An item number that no grid cell can hold leaves the row unpaired.
    EXPECT_TRUE(prüfen({UZeile("W", 20, 1e6, 0, "N", "Z2")}, {UZeile("W", 20, 1e6, 0, "S", "Z1")}));
    EXPECT_EQ(code, "Z1");

    // The check reads the stored rows only: the former zone stays current
    // and text typed into the tables but not stored yet is kept.
    z.P.SetNZone(z2);
    f.ProjektZoneEinlesen();
    f.txtDuBez[0].setText("ungespeichert");
    prüfen({UZeile("W", 20, 3, 0, "N", "Z2")}, {UZeile("W", 20, 3, 0, "S", "Z1")});
    EXPECT_EQ(z.P.GetNZone(), z2);
    EXPECT_EQ(f.txtDuBez[0].Text(), "ungespeichert");
    EXPECT_EQ(f.txtDuTin[0].Text(), "Z1");
}

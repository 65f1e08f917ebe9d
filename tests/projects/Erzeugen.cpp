// Writes the golden project files of this folder through the program's own
// project model and file writer. The files are part of the repository; this
// generator is run by hand when a project is to be changed or added:
//
//   zirvo_tests --gtest_also_run_disabled_tests --gtest_filter='GoldeneProjekteErzeugen.*'
//
// The expected results are worked out independently of the program:
// EinfacheZone.expected by hand (its worksheet is in the file), the others by
//
//   python3 tests/projects/nachrechnen.py tests/projects/NAME.zirvo9 > tests/projects/NAME.expected
//
// (with the --kommentar lines that describe the project). After changing a
// project here, compute its expected values again.
#include "project/ProjektGlobal.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#ifndef ZIRVO_TESTDATEN
#error "ZIRVO_TESTDATEN must name the tests folder"
#endif

namespace {

using Wert = Kollektion::Wert;

KollektionZeiger Zeile(std::initializer_list<Wert> zellen) {
    auto z = Kollektion::Neu();
    for (const Wert& w : zellen) z->WertHinzufügen(w);
    return z;
}

KollektionZeiger Tabelle(std::initializer_list<KollektionZeiger> zeilen) {
    auto t = Kollektion::Neu();
    for (const auto& z : zeilen) t->Hinzufügen(z);
    return t;
}

// The use values of a zone, as the zone dialog stores them.
struct Nutzung {
    std::int16_t Gk;
    double Ti, PFl, PWP, PPr, El, fe, AVE, WW, C;
    double RZ = 0, VTHB = 0, VTHF = 0;
};

void ZoneSetzen(Projekt& P, const std::string& Bez, const std::string& Code, const Nutzung& n) {
    P.ZSetInt(n.Gk, "Gk");
    P.ZSetStr(Bez, "Bez");
    P.ZSetStr(Code, "Code");
    P.ZSetNum(n.Ti, "Ti");
    P.ZSetNum(n.PFl, "PFl");
    P.ZSetNum(n.PWP, "PWP");
    P.ZSetNum(n.PPr, "PPr");
    P.ZSetNum(n.El, "El");
    P.ZSetNum(n.fe, "fe");
    P.ZSetNum(n.AVE, "AVE");
    P.ZSetNum(n.WW, "WW");
    P.ZSetNum(n.C, "C");
    P.ZSetNum(n.RZ, "RZ");
    P.ZSetNum(n.VTHB, "VTHB");
    P.ZSetNum(n.VTHF, "VTHF");
    P.ZSetNum(0, "ML");
}

void Lüftung(Projekt& P, double ML, double Anteil, KollektionZeiger Gerät, double AVw, double AVa) {
    P.ZSetNum(ML, "ML");
    P.ZSetNum(Anteil, "MLAnteil");
    P.ZSetColl(Tabelle({std::move(Gerät)}), "Lm_");
    P.ZSetNum(AVw, "LmAVw");
    P.ZSetNum(AVa, "LmAVa");
}

void ProjektKopf(Projekt& P, const std::string& Id, const std::string& Bez, const std::string& Station, double JMT,
                 const std::string& Nord, double BvArt, double NwAnf) {
    P.PSetStr(Id, "Id");
    P.PSetStr(Bez, "Bez");
    P.PSetStr(Station, "KlSt");
    P.PSetNum(JMT, "JMT");
    P.PSetStr(Nord, "Nord");
    P.PSetNum(BvArt, "BvArt");
    P.PSetNum(0, "ArtB");
    P.PSetNum(NwAnf, "NwAnf");
}

std::string Pfad(const std::string& Name) { return std::string(ZIRVO_TESTDATEN) + "/projects/" + Name + ".zirvo9"; }

// The zone of EinfacheZone, in the current zone.
void WohnzoneSetzen(Projekt& P) {
    ZoneSetzen(P, "Wohnen", "A", {1, 20, 40, 70, 12, 28, 0.7, 0.7, 21, 0.1});
    P.ZSetColl(Tabelle({Zeile({"Wohnung", 100.0, 2.6, 0.0})}), "Ah_");
    P.ZSetColl(Tabelle({Zeile({"D", "Dach", 100.0, 0.0, 0.2, "", ""}),
                        Zeile({"W", "Fassade", 120.0, 0.0, 0.25, "", "N"})}),
               "A_");
    P.ZSetColl(Tabelle({Zeile({"B", "Boden gegen Keller", 100.0, 0.0, 0.3, "", "", 0.5, 0.0, ""})}), "U_");
    P.ZSetColl(Tabelle({Zeile({"F", "Fenster", 12.0, 0.0, 1.0, "", "S", 0.0, 0.5, 0.75, "-", "-"})}), "F_");
}

// One zone, small enough to follow on paper.
void EinfacheZone(Testhilfe::Zonenprojekt& z) {
    Projekt& P = z.P;
    ProjektKopf(P, "G1", "Einfache Zone", "Zürich -Kloten", 9.4, "", 0, 0);
    P.SetNZone(0);
    WohnzoneSetzen(P);
}

// A stored row of the single-component proof: code, designation, item
// number, U, g, Ti (table and effective value are the rules' to fill).
KollektionZeiger Bt(const char* code, const char* bez, double nr, double U, double g, double Ti) {
    return Zeile({code, bez, nr, U, g, Ti, 0.0, 0.0});
}
// A thermal-bridge row: code, designation, item number, psi.
KollektionZeiger Wb(const char* code, const char* bez, double nr, double psi) {
    return Zeile({code, bez, nr, psi, 0.0});
}

// The single-component proof against limit values, with thermal-bridge
// proof: every component code of the table at room temperatures from 18 to
// 30 °C, the conversion and "*" suffixes, windows and components taken by
// number, an empty row between, and the five thermal-bridge codes.
void EinzelbauteileGrenzwerte(Testhilfe::Zonenprojekt& z) {
    Projekt& P = z.P;
    ProjektKopf(P, "G4", "Einzelbauteile Grenzwerte", "Zürich -Kloten", 9.4, "", 0, 0);
    P.SetNZone(0);
    WohnzoneSetzen(P);
    z.BauteilAnlegen(1, 0.15, "Dach Holz");
    z.BauteilAnlegen(2, 0.236, "Kellerdecke");
    z.BauteilAnlegen(3, 0.3, "Wand alt");
    z.FensterAnlegen(1, 0.9, 0.5, 0.7, "Fenster 3-IV");
    z.FensterAnlegen(2, 1.2, 0.25, 0.0, "Oblicht");
    z.WärmebrückeAnlegen(1, 0.25, "Balkon");
    z.WärmebrückeAnlegen(2, 0.12, "Konsole");
    P.PSetNum(1234.56, "EB-EBF");
    P.PSetNum(0, "EB-Anf");
    P.PSetNum(0, "EB-WBN");
    P.PSetColl(Tabelle({Bt("A1", "", 1, 0, 0, 22),
                        Bt("A1", "Dach alt", 0, 0.12, 0, 30),
                        Bt("B1", "Wand Nord", 0, 0.18, 0, 18),
                        Bt("C1", "Boden", 0, 0.14, 0, 24),
                        Bt("D1", "Fenster", 1, 0, 0, 26),
                        Bt("E1", "Haustür", 0, 1.2, 0, 20),
                        Bt("F1", "Garagentor", 0, 1.65, 0, 21),
                        Bt("B5", "Storenkasten", 0, 0.48, 0, 22),
                        Bt("", "", 0, 0, 0, 0),
                        Bt("A2", "Estrichboden", 0, 0.24, 0, 21),
                        Bt("B2", "Wand gegen Keller", 2, 0, 0, 20),
                        Bt("C2", "Boden gegen Erdreich", 0, 0.3, 0, 18),
                        Bt("D2", "", 2, 0, 0, 24),
                        Bt("E2", "Kellertür", 0, 1.4, 0, 30),
                        Bt("F2", "Tor Garage", 0, 2.1, 0, 18),
                        Bt("B6", "Storenkasten Keller", 0, 0.5, 0, 26),
                        Bt("A3", "Dach mit Heizung", 0, 0.16, 0, 22),
                        Bt("B3", "Wand mit Heizung", 0, 0.17, 0, 20),
                        Bt("C3", "Boden mit Heizung", 0, 0.1, 0, 26),
                        Bt("D3", "Fenster mit Heizung", 0, 0.95, 0, 18),
                        Bt("A4", "Dach gegen Estrich", 0, 0.2, 0, 24),
                        Bt("B4", "Wand gegen Keller", 0, 0.22, 0, 21),
                        Bt("C4", "Boden gegen Erdreich", 0, 0.3, 0, 30),
                        Bt("D4", "Fenster gegen Wintergarten", 0, 1.3, 0, 22),
                        Bt("A2u", "Dach Umbau", 0, 0.26, 0, 22),
                        Bt("B2u", "Wand Umbau", 0, 0.25, 0, 22),
                        Bt("D1u", "Fenster Umbau", 0, 1.0, 0, 20),
                        Bt("A1*", "Dach ohne Wärmebrücken", 0, 0.16, 0, 26),
                        Bt("", "nur Bauteil", 3, 0, 0, 0)}),
               "EBBt");
    P.PSetColl(Tabelle({Wb("L1", "", 1, 0),
                        Wb("L2", "Wand", 0, 0.25),
                        Wb("L3", "Ecke", 0, 0.2),
                        Wb("L5", "Fensteranschlag", 0, 0.1),
                        Wb("P1", "", 2, 0)}),
               "EBWb");
}

// The single-component proof against target values without thermal-bridge
// proof (the areas' increased requirement), with rows stored before the g
// and item-number columns existed, and a thermal bridge of a code the table
// does not know (the rules stop there).
void EinzelbauteileZielwerte(Testhilfe::Zonenprojekt& z) {
    Projekt& P = z.P;
    ProjektKopf(P, "G5", "Einzelbauteile Zielwerte", "Zürich -Kloten", 9.4, "", 0, 1);
    P.SetNZone(0);
    WohnzoneSetzen(P);
    z.BauteilAnlegen(1, 0.09, "Dach Passivhaus");
    z.FensterAnlegen(1, 0.7, 0.5, 0.7, "Fenster 3-IV Passivhaus");
    z.WärmebrückeAnlegen(1, 0.28, "Balkon");
    P.PSetNum(1, "EB-Anf");
    P.PSetNum(1, "EB-WBN");
    P.PSetColl(Tabelle({Bt("A1", "", 1, 0, 0, 22),
                        Bt("A1u", "Dach Umbau", 0, 0.1, 0, 20),
                        Bt("B2u", "Wand Umbau", 0, 0.12, 0, 24),
                        Bt("C1*", "Boden ohne Wärmebrücken", 0, 0.1, 0, 20),
                        Bt("D1", "", 1, 0, 0, 18),
                        Bt("E1", "Haustür", 0, 0.8, 0, 26),
                        Bt("B5", "Storenkasten", 0, 0.5, 0, 30),
                        Zeile({"B1", "Altbestand", 0.0, 0.2, 20.0, 0.0, 0.0, 0.0}),
                        Bt("D2*", "Oblicht", 0, 1.2, 0, 21)}),
               "EBBt");
    P.PSetColl(Tabelle({Wb("L1", "", 1, 0),
                        Zeile({"L2", "Altbestand", 0.15, 0.0, 0.0}),
                        Wb("P1", "Anker", 0, 0.35),
                        Wb("A1", "Dachrand", 0, 0.05),
                        Wb("L4", "gibt es nicht", 0, 0.1)}),
               "EBWb");
}

// Every row type of the three envelope tables, components by number, a
// formula, north rotation, shading, heating marks, mechanical ventilation
// with heat recovery and extra consumers.
void AlleZeilenarten(Testhilfe::Zonenprojekt& z) {
    Projekt& P = z.P;
    ProjektKopf(P, "G2", "Alle Zeilenarten", "Davos", 3.6, "NNE", 2, 0);
    P.PSetNum(0.75, "HL_EtaV");
    P.PSetNum(0.9, "HL_fV");
    z.BauteilAnlegen(1, 0.237, "Aussenwand");
    z.BauteilAnlegen(2, 0.18, "Dach");
    z.BauteilAnlegen(3, 0.25, "Boden gegen Erdreich");
    z.FensterAnlegen(1, 1.1, 0.53, 0.72, "Fenster 3-IV");
    z.WärmebrückeAnlegen(1, 0.15, "Balkonplatte");
    z.WärmebrückeAnlegen(2, 0.2, "Konsole");
    P.SetNZone(0);
    Nutzung n{2, 20, 60, 70, 12, 22, 0.7, 0.7, 14, 0.15};
    n.RZ = 1;
    n.VTHB = 35;
    n.VTHF = 50;
    ZoneSetzen(P, "Einfamilienhaus", "EFH", n);
    P.ZSetColl(Tabelle({Zeile({"EG", 85.37, 2.5, 0.0}), Zeile({"OG {8.5*8.8}", 0.0, 2.4, 0.0})}), "Ah_");
    P.ZSetColl(Tabelle({Zeile({"D", "", 95.5, 2.0, 0.0, "", ""}),
                        Zeile({"W", "Wand Süd", 40.0, 1.0, 0.0, "", "S"}),
                        Zeile({"W", "Wand Ost {5*7}", 0.0, 0.0, 0.3, "", "E"}),
                        Zeile({"B", "Boden über Aussenluft", 20.0, 0.0, 0.3, "x", ""}),
                        Zeile({"l", "Balkonplatte", 12.5, 1.0, 0.0, "", ""}),
                        Zeile({"p", "Konsolen", 4.0, 2.0, 0.0, "", ""})}),
               "A_");
    P.ZSetColl(Tabelle({Zeile({"B", "Boden gegen Erdreich", 80.0, 3.0, 0.0, "*", "", 0.0, 0.45, ""}),
                        Zeile({"W", "Wand gegen Keller", 25.0, 0.0, 0.35, "", "N", 0.6, 0.0, ""}),
                        Zeile({"D", "Decke gegen Estrich", 30.0, 0.0, 0.2, "", "", 0.9, 0.0, ""}),
                        Zeile({"W", "Wand gegen Nachbar", 15.0, 0.0, 0.5, "", "W", 0.0, 0.0, "12.4"}),
                        Zeile({"l", "Sockel", 30.0, 0.0, 0.3, "", "", 0.0, 0.5, ""}),
                        Zeile({"p", "Anker", 6.0, 0.0, 0.1, "", "", 0.6, 0.0, ""})}),
               "U_");
    P.ZSetColl(
        Tabelle({Zeile({"F", "Fenster Süd", 12.0, 1.0, 0.0, "*", "S", 0.0, 0.0, 0.0, "20", "30,15,45"}),
                 Zeile({"F", "Fenster West", 6.5, 0.0, 1.2, "", "W", 0.0, 0.5, 0.7, "15", "30"}),
                 Zeile({"F", "Dachfenster", 2.4, 0.0, 1.4, "", "E", 30.0, 0.45, 0.7, "-", "45,20,20"}),
                 Zeile({"T", "Haustür", 2.2, 0.0, 1.5, "", "N", 0.0, 0.0, 0.0, "", ""}),
                 Zeile({"F", "Oblicht", 1.5, 0.0, 1.3, "", "H", 0.0, 0.5, 0.7, "10", "-"}),
                 Zeile({"l", "Fensteranschlag", 40.0, 0.0, 0.05, "", "", 0.0, 0.0, 0.0, "", ""}),
                 Zeile({"p", "Befestigung", 8.0, 2.0, 0.0, "", "", 0.0, 0.0, 0.0, "", ""})}),
        "F_");
    Lüftung(P, 2, 60, Zeile({"Komfortlüftung", 250.0, 6000.0, 80.0}), 0.1, 0.15);
    P.ZSetColl(Tabelle({Zeile({"Aquarium", 150.0, 8760.0, 1.0}), Zeile({"Sauna", 6000.0, 100.0, 0.5})}), "GE_");
}

// Three zones with partitions between them, one heated by its ceiling, in a
// conversion proved against the target value.
void MehrereZonen(Testhilfe::Zonenprojekt& z) {
    Projekt& P = z.P;
    ProjektKopf(P, "G3", "Mehrere Zonen", "Bern -Liebefeld", 9.1, "", 1, 1);
    z.BauteilAnlegen(1, 0.8, "Innenwand");
    z.ZoneHinzufügen("B1");
    z.ZoneHinzufügen("L1");

    P.SetNZone(0);
    ZoneSetzen(P, "Wohnungen", "W1", {1, 20, 40, 70, 12, 28, 0.7, 0.7, 21, 0.1});
    P.ZSetColl(Tabelle({Zeile({"Wohnungen", 240.0, 2.6, 0.0})}), "Ah_");
    P.ZSetColl(Tabelle({Zeile({"D", "Dach", 120.0, 0.0, 0.17, "", ""}),
                        Zeile({"W", "Fassade Süd", 60.0, 0.0, 0.2, "", "S"}),
                        Zeile({"W", "Fassade Nord", 60.0, 0.0, 0.2, "", "N"}),
                        Zeile({"l", "Attika", 48.0, 0.0, 0.1, "", ""})}),
               "A_");
    P.ZSetColl(Tabelle({Zeile({"B", "Boden über Büro", 120.0, 0.0, 0.6, "", "", 0.0, 0.0, "B1"}),
                        Zeile({"W", "Wand gegen Werkstatt", 20.0, 1.0, 0.0, "", "E", 0.0, 0.0, "L1"})}),
               "U_");
    P.ZSetColl(Tabelle({Zeile({"F", "Fenster Süd", 24.0, 0.0, 1.0, "", "S", 0.0, 0.5, 0.7, "10", "-"}),
                        Zeile({"F", "Fenster Nord", 8.0, 0.0, 1.0, "", "N", 0.0, 0.5, 0.7, "-", "-"}),
                        Zeile({"F", "Erker", 3.0, 0.0, 1.0, "", "SSW", 0.0, 0.5, 0.7, "30", "15,30,0"})}),
               "F_");

    P.SetNZone(1);
    Nutzung büro{3, 20, 20, 80, 6, 22, 0.9, 0.7, 7, 0.08};
    büro.VTHB = 32;
    ZoneSetzen(P, "Büro", "B1", büro);
    P.ZSetColl(Tabelle({Zeile({"Büro EG", 120.0, 3.0, 0.0})}), "Ah_");
    P.ZSetColl(Tabelle({Zeile({"W", "Fassade Ost", 45.0, 0.0, 0.25, "", "E"}),
                        Zeile({"W", "Fassade West", 45.0, 0.0, 0.25, "", "W"}),
                        Zeile({"p", "Stützen", 2.0, 0.0, 0.3, "", ""})}),
               "A_");
    P.ZSetColl(Tabelle({Zeile({"B", "Boden gegen Erdreich", 120.0, 0.0, 0.3, "", "", 0.0, 0.4, ""}),
                        Zeile({"D", "Decke unter Wohnungen", 120.0, 0.0, 0.6, "*", "", 0.0, 0.0, "W1"})}),
               "U_");
    P.ZSetColl(Tabelle({Zeile({"F", "Schaufenster Ost", 15.0, 0.0, 1.1, "", "E", 0.0, 0.6, 0.8, "25", "30,10,10"}),
                        Zeile({"T", "Eingang", 4.0, 0.0, 1.8, "", "W", 0.0, 0.4, 0.5, "-", "-"})}),
               "F_");
    Lüftung(P, 1, 0, Zeile({"Monobloc", 400.0, 2500.0, 70.0}), 0.1, 0.1);

    P.SetNZone(2);
    ZoneSetzen(P, "Werkstatt", "L1", {9, 18, 20, 100, 6, 17, 0.9, 0.7, 7, 0.2});
    P.ZSetColl(Tabelle({Zeile({"Werkstatt", 60.0, 4.0, 0.0})}), "Ah_");
    P.ZSetColl(Tabelle({Zeile({"D", "Flachdach", 60.0, 0.0, 0.2, "", ""}),
                        Zeile({"W", "Fassade Ost", 30.0, 0.0, 0.3, "", "E"})}),
               "A_");
    P.ZSetColl(Tabelle({Zeile({"B", "Boden gegen Erdreich", 60.0, 0.0, 0.35, "", "", 0.0, 0.5, ""}),
                        Zeile({"W", "Wand gegen Wohnungen", 20.0, 1.0, 0.0, "", "W", 0.0, 0.0, "W1"}),
                        Zeile({"W", "Wand gegen Kühlraum", 10.0, 0.0, 0.2, "", "N", 0.0, 0.0, "-2.4"})}),
               "U_");
    P.ZSetColl(Tabelle({Zeile({"T", "Tor", 12.0, 0.0, 2.0, "", "E", 0.0, 0.0, 0.0, "", ""})}), "F_");
    P.SetNZone(0);
}

void Schreiben(const std::string& Name, void (*füllen)(Testhilfe::Zonenprojekt&)) {
    Testhilfe::Zonenprojekt z;
    füllen(z);
    ASSERT_EQ(z.P.ProjektSpeichern(Pfad(Name)), 0) << Pfad(Name);
}

} // namespace

TEST(GoldeneProjekteErzeugen, DISABLED_Schreiben) {
    Schreiben("EinfacheZone", EinfacheZone);
    Schreiben("AlleZeilenarten", AlleZeilenarten);
    Schreiben("MehrereZonen", MehrereZonen);
    Schreiben("EinzelbauteileGrenzwerte", EinzelbauteileGrenzwerte);
    Schreiben("EinzelbauteileZielwerte", EinzelbauteileZielwerte);
}

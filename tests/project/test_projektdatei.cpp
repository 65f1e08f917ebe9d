#include "frame/Dateien.h"
#include "project/Projekt.h"
#include "project/Sdbase.h"
#include "tests/support/Projektbeschreibung.h"
#include "tests/support/Temppfad.h"
#include "tests/support/Testplattform.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

using Testhilfe::Unterschiede;
using Testhilfe::Zahltext;
using Testhilfe::Zeile;

// The clock stands at 2024-02-29 12:00 UTC.
struct FesteUhr : Testhilfe::SkriptUmgebung {
    FesteUhr() { Uhr = 1709208000; }
};

// Scripted message boxes and the standing clock, for one test.
class Umgebung {
public:
    Testhilfe::Testumgebung test;
    FesteUhr uhr;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{&test.meldungen, &test.dateidialoge, nullptr, nullptr, &uhr}};
};

// A fresh folder for one test, removed afterwards.
class Testordner {
public:
    explicit Testordner(const std::string& name)
        : pfad(Testhilfe::Temppfad("zirvo_test_projektdatei_" + name)) {
        fs::remove_all(pfad);
        fs::create_directories(pfad);
    }
    ~Testordner() {
        std::error_code ec;
        fs::remove_all(pfad, ec);
    }
    const fs::path pfad;
};

std::string Lesen(const fs::path& pfad) { return Dateien::Lesen(pfad.string()).value_or("<fehlt>"); }

void Schreiben(const fs::path& pfad, const std::string& text) {
    std::ofstream aus(pfad, std::ios::binary);
    aus << text;
}

// The plain document of a saved file.
std::string Klartext(const std::string& datei) {
    Sdbase d;
    d.SDFString(datei);
    EXPECT_EQ(d.ReadBegin(), 0);
    return d.SDFString();
}

// A plain document with the given head and body contents.
std::string Dokument(const std::string& kopf, const std::string& inhalt) {
    return "{SDF}{HEAD}" + kopf + "{~HEAD}{BODY}" + inhalt + "{~BODY}{~SDF}";
}

KollektionZeiger Tabelle(std::initializer_list<KollektionZeiger> zeilen) {
    auto t = Kollektion::Neu();
    for (const auto& z : zeilen) t->Hinzufügen(z);
    return t;
}

KollektionZeiger Texte(std::initializer_list<const char*> texte) {
    auto t = Kollektion::Neu();
    for (const char* s : texte) t->Hinzufügen(s);
    return t;
}

// Every entry of a collection with its key and kind, nested collections included.
std::string Beschreibung(const KollektionZeiger& k) {
    if (!k) return "nichts";
    std::string s = "[";
    for (std::int32_t i = 1; i <= k->Anzahl(); ++i) {
        if (i > 1) s += ", ";
        if (!k->Schlüssel(i).empty()) s += k->Schlüssel(i) + "=";
        const Kollektion::Wert* w = k->Eintrag(i);
        if (auto* t = std::get_if<std::string>(w)) s += "'" + *t + "'";
        else if (auto* z = std::get_if<double>(w)) s += Zahltext(*z);
        else s += Beschreibung(std::get<KollektionZeiger>(*w));
    }
    return s + "]";
}

const char* const Projektschlüssel[] = {
    "DrL",    "Id",      "Bez",   "AktNr",  "Stand",   "Bv",          "Bh",    "Pv",          "Nv",
    "BvArt",  "ArtB",    "NwAnf", "NwKt",   "GS",      "MueM",        "Kanton", "KlSt",       "JMT",
    "Nord",   "HL_EtaV", "HL_fV", "HL_EtaV_Bem", "HL_fV_Bem", "EB-EBF", "EB-F", "EB-JMT", "EB-Anf",
    "EB-WBN", "EBBt",    "EBWb"};
const char* const Zonenschlüssel[] = {
    "Gk",  "Bez",   "Code",  "Ti",   "Ti_B",   "PFl",  "PFl_B",    "PWP",  "PWP_B", "PPr",   "PPr_B", "El",
    "El_B", "fe",   "fe_B",  "AVE",  "AVE_B",  "WW",   "WW_B",     "C",    "C_B",   "RZ",    "RZ_B",  "VTHB",
    "VTHB_B", "VTHF", "VTHF_B", "Ah_", "A_", "U_", "F_", "ML", "MLAnteil", "Lm_", "LmAVw", "LmAVa", "LmBem",
    "GE_", "GEBem", "EBF"};

std::string Wert(const KollektionZeiger& k, const std::string& text, double zahl) {
    if (k) return Beschreibung(k);
    return "'" + text + "' " + Zahltext(zahl);
}

// Every value of a project under the keys the project file knows, zones and items included.
std::string Beschreibung(Projekt& p) {
    std::string s = "Zonen " + std::to_string(p.ZonenAnzahl()) + "\n";
    for (const char* k : Projektschlüssel) s += std::string(k) + ": " + Wert(p.PGetColl(k), p.PGetStr(k), p.PGetNum(k)) + "\n";
    for (const char* art : {"B-", "F-", "W-"})
        for (int n = 0; n <= 100; ++n) {
            std::string k = art + std::to_string(n);
            if (p.PGetColl(k) || !p.PGetStr(k).empty()) s += k + ": " + Wert(p.PGetColl(k), p.PGetStr(k), 0) + "\n";
        }
    std::int16_t bisher = p.GetNZone();
    for (std::int16_t z = 0; z < p.ZonenAnzahl(); ++z) {
        p.SetNZone(z);
        for (const char* k : Zonenschlüssel)
            s += "Z" + std::to_string(z) + " " + k + ": " + Wert(p.ZGetColl(k), p.ZGetStr(k), p.ZGetNum(k)) + "\n";
    }
    p.SetNZone(bisher);
    return s;
}

KollektionZeiger Adresse(std::initializer_list<const char*> zeilen) { return Texte(zeilen); }

void ZoneFüllen(Projekt& p, int z) {
    std::string n = std::to_string(z);
    p.ZSetInt(static_cast<std::int16_t>(z + 1), "Gk");
    p.ZSetStr("Wohnen " + n + " – Süd", "Bez");
    p.ZSetStr("Z" + n, "Code");
    const char* werte[] = {"Ti", "PFl", "PWP", "PPr", "El", "fe", "AVE", "WW", "C", "RZ", "VTHB", "VTHF"};
    const double zahlen[] = {20.5, 40, 80, 12.75, 100000, 0.7, 0.123456789012, 13.8, 0.1, 1, 35, 50};
    for (std::size_t i = 0; i < 12; ++i) {
        p.ZSetNum(zahlen[i] + z, werte[i]);
        p.ZSetStr(std::string("Bemerkung zu ") + werte[i] + " {=|~}", std::string(werte[i]) + "_B");
    }
    p.ZSetColl(Tabelle({Zeile({"EG", 150.0, 2.7, 405.0}), Zeile({"", 0.0, 0.0, 0.0}), Zeile({"OG ä", 120.25, 2.5, 300.625})}),
               "Ah_");
    p.ZSetColl(Tabelle({Zeile({"W", "Wand Nord", 45.5, 1.0, 0.2, "", "N"}),
                        Zeile({"D", "Dach", 150.0, 2.0, 0.15, "*", "NNE"}),
                        Zeile({"l", "Balkon", 12.0, 3.0, 0.3, "", "S"})}),
               "A_");
    p.ZSetColl(Tabelle({Zeile({"B", "Boden gegen Keller", 150.0, 4.0, 0.25, "", "", 0.7, 0.0, ""}),
                        Zeile({"W", "Wand zu Zone", 20.0, 0.0, 0.9, "", "E", 0.0, 0.0, "Z1"}),
                        Zeile({"B", "Erdreich", 80.0, 0.0, 0.3, "", "", 0.0, 0.45, "12.5"})}),
               "U_");
    p.ZSetColl(Tabelle({Zeile({"F", "Fenster Süd", 12.5, 1.0, 1.1, "", "S", 90.0, 0.5, 0.75, "15", "10,20,30"}),
                        Zeile({"T", "Türe", 2.2, 0.0, 1.6, "*", "N", 90.0, 0.0, 0.0, "", ""})}),
               "F_");
    p.ZSetNum(2, "ML");
    p.ZSetNum(60, "MLAnteil");
    p.ZSetColl(Tabelle({Zeile({"Gerät 1", 250.0, 4000.0, 80.0})}), "Lm_");
    p.ZSetNum(0.3, "LmAVw");
    p.ZSetNum(0.45, "LmAVa");
    p.ZSetStr("Lüftung\nzweite Zeile", "LmBem");
    p.ZSetColl(Tabelle({Zeile({"Kühlschrank", 150.0, 8760.0, 1.0}), Zeile({"Server", 300.0, 2000.0, 0.5})}), "GE_");
    p.ZSetStr("Gewinne", "GEBem");
}

// A project that uses every value the project file carries, in the form the
// file keeps it (one ventilation unit of four cells, proof rows without
// their result cells, components with their layer collection).
Projekt VollesProjekt() {
    Projekt p;
    p.ProjektNeu();
    p.PSetStr("Standard", "DrL");
    p.PSetStr("2024-007", "Id");
    p.PSetStr("Haus {Nord} | Süd ~ 100% € „Zitat“", "Bez");
    p.PSetStr("A-17", "AktNr");
    p.PSetStr("Baueingabe", "Stand");
    p.PSetColl(Texte({"Neubau MFH", "", "  ", "Seestrasse 5", "8000 Zürich"}), "Bv");
    p.PSetColl(Adresse({"Bauherr AG", "", "Postfach", "", "Frau Muster", "044 000 00 00", "044 000 00 01", "b@x.ch"}), "Bh");
    p.PSetColl(Adresse({" ", "Planer GmbH", "", "3000 Bern", "Herr A", "", "", "p@x.ch"}), "Pv");
    p.PSetColl(Adresse({"Nachweis AG", "Weg 1", "6000 Luzern", "Schweiz", "", "041", "", ""}), "Nv");
    p.PSetInt(2, "BvArt");
    p.PSetInt(1, "ArtB");
    p.PSetInt(1, "NwAnf");
    p.PSetStr("ZH", "NwKt");
    p.PSetStr("Parzelle 12", "GS");
    p.PSetNum(408.5, "MueM");
    p.PSetStr("ZH", "Kanton");
    p.PSetStr("Zürich-MeteoSchweiz", "KlSt");
    p.PSetNum(9.4, "JMT");
    p.PSetStr("NNE", "Nord");
    p.PSetNum(0.75, "HL_EtaV");
    p.PSetStr("WRG laut Hersteller", "HL_EtaV_Bem");
    p.PSetNum(1.1, "HL_fV");
    p.PSetStr("geschätzt", "HL_fV_Bem");
    p.PSetNum(1234.56, "EB-EBF");
    p.PSetNum(1.2, "EB-F");
    p.PSetNum(8.5, "EB-JMT");
    p.PSetNum(1, "EB-Anf");
    p.PSetNum(1, "EB-WBN");
    p.PSetColl(Tabelle({Zeile({"W1", "Wand", 1.0, 0.2, 0.0, 20.0, 0.25}), Zeile({"", "", 0.0, 0.0, 0.0, 0.0, 0.0}),
                        Zeile({"F1", "Fenster", 1.0, 1.0, 0.5, 22.0, 1.3})}),
               "EBBt");
    p.PSetColl(Tabelle({Zeile({"WB1", "Balkon", 3.0, 0.3}), Zeile({"WB2", "Stütze", 0.0, 0.15})}), "EBWb");

    for (int n : {1, 7, 99}) {
        auto b = Kollektion::Neu();
        for (Kollektion::Wert w : {Kollektion::Wert("Aussenwand " + std::to_string(n)), Kollektion::Wert("Kommentar"),
                                   Kollektion::Wert(0.183), Kollektion::Wert(0.18), Kollektion::Wert(0.13),
                                   Kollektion::Wert(0.04)})
            b->WertHinzufügen(w);
        auto schichten = Kollektion::Neu();
        int anzahl = n == 99 ? 15 : n == 7 ? 0 : 3;
        for (int s = 0; s < anzahl; ++s)
            schichten->Hinzufügen(
                Zeile({"Schicht " + std::to_string(s), 1.5 + s, 1800.0, (35.0 + 7 * s) / 1000, 0.0, std::to_string(s % 3)}));
        b->Hinzufügen(KollektionZeiger(schichten), "Z");
        b->Hinzufügen(n == 7 ? "" : "W", "CodeGr");
        p.PSetColl(b, "B-" + std::to_string(n));
    }
    auto f = Kollektion::Neu();
    for (Kollektion::Wert w : {Kollektion::Wert("Fenster 3-fach"), Kollektion::Wert(""), Kollektion::Wert(0.9),
                               Kollektion::Wert(0.0), Kollektion::Wert(0.5), Kollektion::Wert(0.7),
                               Kollektion::Wert("Holz"), Kollektion::Wert(1.3), Kollektion::Wert("3-IV"),
                               Kollektion::Wert(0.6)})
        f->WertHinzufügen(w);
    f->Hinzufügen("F", "CodeGr");
    p.PSetColl(f, "F-12");
    auto w = Kollektion::Neu();
    for (Kollektion::Wert x : {Kollektion::Wert("Balkonplatte"), Kollektion::Wert("thermisch getrennt"),
                               Kollektion::Wert(0.15), Kollektion::Wert(0.0), Kollektion::Wert("Typ K")})
        w->WertHinzufügen(x);
    w->Hinzufügen("WB", "CodeGr");
    p.PSetColl(w, "W-5");

    ZoneFüllen(p, 0);
    for (int z = 1; z < 3; ++z) {
        p.ZoneNeu();
        ZoneFüllen(p, z);
    }
    p.SetNZone(1);
    return p;
}

} // namespace

TEST(ProjektDatei, RundgangBehältJedenWert) {
    Umgebung u;
    Testordner ordner("rundgang");
    const fs::path& o = ordner.pfad;
    Projekt p = VollesProjekt();
    ASSERT_EQ(p.ProjektSpeichern((o / "a.zirvo9").string()), 0);
    EXPECT_EQ(p.Dateiname(), (o / "a.zirvo9").string());
    EXPECT_EQ(p.GetNZone(), 1);   // the current zone is kept
    EXPECT_TRUE(u.test.meldungen.Gezeigt.empty());

    Projekt q;
    ASSERT_EQ(q.ProjektEinlesen((o / "a.zirvo9").string()), 0);
    EXPECT_TRUE(q.Exist());
    EXPECT_EQ(q.GetNZone(), 0);
    EXPECT_EQ(q.Dateiname(), (o / "a.zirvo9").string());
    EXPECT_EQ(q.Projektname(), "a");
    p.SetNZone(0);
    EXPECT_EQ(Unterschiede(Beschreibung(p), Beschreibung(q)), "");

    ASSERT_EQ(q.ProjektSpeichern((o / "b.zirvo9").string()), 0);
    std::string a = Lesen(o / "a.zirvo9"), b = Lesen(o / "b.zirvo9");
    EXPECT_EQ(a, b);

    // One line of scrambled text: "{SDf}", no line break anywhere.
    EXPECT_EQ(a.substr(0, 5), "{SDf}");
    EXPECT_EQ(a.find_first_of("\r\n"), std::string::npos);
    std::string ende;
    for (char c : std::string("{~SDF}")) ende += static_cast<char>(158 - c);
    EXPECT_EQ(a.substr(a.size() - 6), ende);

    std::string klar = Klartext(a);
    EXPECT_EQ(klar.substr(0, 37), "{SDF}{HEAD}|lde|tEA|d20240229|pStanda");
    EXPECT_NE(klar.find("{S}|nBauphysik|pBauphysik ZIRVO 380/1, 9a{~S}"), std::string::npos);
    EXPECT_NE(klar.find("{D}|i2024-007|bHaus ~7BNord~7D ~7C S~FCd ~7E 100% ~80 ~84Zitat~93|nA-17|sBaueingabe{~D}"),
              std::string::npos);
    // Components before windows before thermal bridges, numbers rising.
    EXPECT_LT(klar.find("{B}|n1|"), klar.find("{B}|n7|"));
    EXPECT_LT(klar.find("{B}|n7|"), klar.find("{B}|n99|"));
    EXPECT_LT(klar.find("{B}|n99|"), klar.find("{F}|n12|"));
    EXPECT_LT(klar.find("{F}|n12|"), klar.find("{W}|n5|"));
    EXPECT_NE(klar.find("{W}|n5|bBalkonplatte|kthermisch getrennt|u0.15|dTyp K|Cgr=WB{~W}"), std::string::npos);
    EXPECT_NE(klar.find("{B}|n7|bAussenwand 7|kKommentar|u0.183|g0.18|i0.13|a0.04{~B}"), std::string::npos);
    // The computed EBF of a zone is never written.
    p.ZSetNum(512.5, "EBF");
    ASSERT_EQ(p.ProjektSpeichern((o / "c.zirvo9").string()), 0);
    EXPECT_EQ(Lesen(o / "c.zirvo9"), a);
}

TEST(ProjektDatei, InhaltUndReihenfolgeDerZone) {
    Umgebung u;
    Testordner ordner("zone");
    const fs::path& o = ordner.pfad;
    Projekt p;
    p.ProjektNeu();
    p.ZSetInt(1, "Gk");
    p.ZSetStr("Wohnen", "Bez");
    p.ZSetStr("Z", "Code");
    p.ZSetNum(20, "Ti");
    p.ZSetNum(0.7, "AVE");
    p.ZSetNum(0.1, "C");
    p.ZSetNum(1, "RZ");
    p.ZSetColl(Tabelle({Zeile({"EG", 150.0, 0.0, 0.0})}), "Ah_");
    ASSERT_EQ(p.ProjektSpeichern((o / "z.zirvo9").string()), 0);
    std::string klar = Klartext(Lesen(o / "z.zirvo9"));
    EXPECT_NE(klar.find("{BODY}{P}{~P}{Z}|a1|bWohnen|cZ|g20|m0.7|q0.1|z1{E}{Z}|bEG|f150{~Z}{~E}{A}{~A}{U}{~U}{F}{~F}"
                        "{L}{~L}{G}{~G}{~Z}{B}{~B}{~BODY}{~SDF}"),
              std::string::npos)
        << klar;

    // Ventilation: the share only with ML exactly 2; the first unit only, its first four cells.
    p.ZSetNum(1, "ML");
    p.ZSetNum(40, "MLAnteil");
    p.ZSetColl(Tabelle({Zeile({"A", 100.0, 200.0, 70.0, 999.0}), Zeile({"B", 1.0, 2.0, 3.0, 4.0})}), "Lm_");
    ASSERT_EQ(p.ProjektSpeichern(""), 0);
    klar = Klartext(Lesen(o / "z.zirvo9"));
    EXPECT_NE(klar.find("{L}|m1|bA|l100|z200|w70{~L}"), std::string::npos) << klar;
    p.ZSetNum(2, "ML");
    ASSERT_EQ(p.ProjektSpeichern(""), 0);
    klar = Klartext(Lesen(o / "z.zirvo9"));
    EXPECT_NE(klar.find("{L}|m2|a40|bA|l100|z200|w70{~L}"), std::string::npos) << klar;
    Projekt q;
    ASSERT_EQ(q.ProjektEinlesen((o / "z.zirvo9").string()), 0);
    EXPECT_EQ(Beschreibung(q.ZGetColl("Lm_")), "[['A', 100, 200, 70]]");
    // Tables and the description exist after reading even where they were missing.
    EXPECT_EQ(Beschreibung(q.ZGetColl("A_")), "[]");
    EXPECT_EQ(Beschreibung(q.PGetColl("Bv")), "[]");
    EXPECT_EQ(q.ZGetColl("GE_"), nullptr);
    EXPECT_EQ(q.PGetColl("Bh"), nullptr);

    // Records numbered 0 or above 99 are never written; the proof object
    // is left out when nothing but "no thermal-bridge proof" is set.
    p.PSetColl(Texte({"Null"}), "B-0");
    p.PSetColl(Texte({"Hundert"}), "F-100");
    p.PSetNum(1, "EB-WBN");
    ASSERT_EQ(p.ProjektSpeichern(""), 0);
    klar = Klartext(Lesen(o / "z.zirvo9"));
    EXPECT_NE(klar.find("{B}{~B}{~BODY}"), std::string::npos) << klar;
    p.PSetColl(Kollektion::Neu(), "EBWb");
    ASSERT_EQ(p.ProjektSpeichern(""), 0);
    klar = Klartext(Lesen(o / "z.zirvo9"));
    EXPECT_NE(klar.find("{B}{~B}{EB}|w1{~EB}{~BODY}"), std::string::npos) << klar;

    // Proof rows lose their result cells.
    p.PSetColl(Tabelle({Zeile({"W1", "Wand", 2.0, 0.2, 0.0, 20.0, 0.25, 0.3})}), "EBBt");
    p.PSetColl(Tabelle({Zeile({"WB", "Ecke", 1.0, 0.1, 0.2})}), "EBWb");
    ASSERT_EQ(p.ProjektSpeichern(""), 0);
    ASSERT_EQ(q.ProjektEinlesen((o / "z.zirvo9").string()), 0);
    EXPECT_EQ(Beschreibung(q.PGetColl("EBBt")), "[['W1', 'Wand', 2, 0.2, 0, 20, 0.25]]");
    EXPECT_EQ(Beschreibung(q.PGetColl("EBWb")), "[['WB', 'Ecke', 1, 0.1]]");
    EXPECT_EQ(q.PGetColl("B-0"), nullptr);
}

TEST(ProjektDatei, LeereZeilenVerschiebenNichts) {
    Umgebung u;
    Testordner ordner("zeilen");
    const fs::path& o = ordner.pfad;
    Projekt p;
    p.ProjektNeu();
    p.PSetColl(Adresse({"Hans", "", "Strasse 1", "", "", "", "", ""}), "Bh");
    p.PSetColl(Adresse({"", "", "", "Zeile 4", "", " ", "", "e"}), "Pv");
    p.PSetColl(Adresse({"", "", "", "", "", "", "", ""}), "Nv");
    p.PSetColl(Texte({"", "Zeile 2", " ", "", "Zeile 5", "", ""}), "Bv");
    ASSERT_EQ(p.ProjektSpeichern((o / "z.zirvo9").string()), 0);
    std::string klar = Klartext(Lesen(o / "z.zirvo9"));
    // An empty line with a later line is written as one blank, a line of
    // blanks with one blank more; trailing empty lines write nothing.
    EXPECT_NE(klar.find("{P}|b |bZeile 2|b  |b |bZeile 5{Bh}|aHans|a |aStrasse 1{~Bh}{Pv}|a |a |a |aZeile 4|t |ee{~Pv}"
                        "{Nv}{~Nv}"),
              std::string::npos)
        << klar;
    Projekt q;
    ASSERT_EQ(q.ProjektEinlesen((o / "z.zirvo9").string()), 0);
    EXPECT_EQ(Beschreibung(q.PGetColl("Bh")), "['Hans', '', 'Strasse 1', '', '', '', '', '']");
    EXPECT_EQ(Beschreibung(q.PGetColl("Pv")), "['', '', '', 'Zeile 4', '', ' ', '', 'e']");
    EXPECT_EQ(Beschreibung(q.PGetColl("Nv")), "['', '', '', '', '', '', '', '']");
    EXPECT_EQ(Beschreibung(q.PGetColl("Bv")), "['', 'Zeile 2', ' ', '', 'Zeile 5']");

    // Files of the former form read as before: an address object with six
    // lines keeps the first four, one without the contact items has them empty.
    Schreiben(o / "alt.zirvo9",
              Dokument("", "{P}|bA|bB{Bh}|a1|a2|a3|a4|a5|a6{~Bh}{Nv}|sS|t  |fF|eE{~Nv}{Pv}|a {~Pv}{~P}"));
    ASSERT_EQ(q.ProjektEinlesen((o / "alt.zirvo9").string()), 0);
    EXPECT_EQ(Beschreibung(q.PGetColl("Bh")), "['1', '2', '3', '4', '', '', '', '']");
    EXPECT_EQ(Beschreibung(q.PGetColl("Nv")), "['', '', '', '', 'S', '  ', 'F', 'E']");
    EXPECT_EQ(Beschreibung(q.PGetColl("Pv")), "['', '', '', '', '', '', '', '']");
    EXPECT_EQ(Beschreibung(q.PGetColl("Bv")), "['A', 'B']");
}

TEST(ProjektDatei, UnverschlüsseltUndVerschlüsseltGleich) {
    Umgebung u;
    Testordner ordner("klar");
    const fs::path& o = ordner.pfad;
    Projekt p = VollesProjekt();
    ASSERT_EQ(p.ProjektSpeichern((o / "v.zirvo9").string()), 0);
    Schreiben(o / "k.zirvo9", Klartext(Lesen(o / "v.zirvo9")));
    Projekt v, k;
    ASSERT_EQ(v.ProjektEinlesen((o / "v.zirvo9").string()), 0);
    ASSERT_EQ(k.ProjektEinlesen((o / "k.zirvo9").string()), 0);
    EXPECT_EQ(Unterschiede(Beschreibung(v), Beschreibung(k)), "");

    // An older ".sdf" file opens too, and saving under its name writes the
    // current form there (offering a new name is the Save command's part).
    Schreiben(o / "Alt.SDF", Klartext(Lesen(o / "v.zirvo9")));
    Projekt a;
    ASSERT_EQ(a.ProjektEinlesen((o / "Alt.SDF").string()), 0);
    EXPECT_EQ(a.Projektname(), "Alt");
    ASSERT_EQ(a.ProjektSpeichern(""), 0);
    EXPECT_EQ(Lesen(o / "Alt.SDF"), Lesen(o / "v.zirvo9"));

    // The name of the project is the file name without folder and last extension.
    Projekt n;
    n.ProjektNeu();
    EXPECT_EQ(n.Projektname(), "");
    ASSERT_EQ(n.ProjektSpeichern((o / "D:\\Projekte\\Haus.alt.zirvo9").string()), 0);
    EXPECT_EQ(n.Projektname(), "Haus.alt");
}

TEST(ProjektDatei, ÄltereUndFremdeInhalte) {
    Umgebung u;
    Testordner ordner("aelter");
    const fs::path& o = ordner.pfad;
    // Older zone items: the control surcharge as a factor and its remark;
    // unknown items and objects anywhere are passed over.
    Schreiben(o / "a.zirvo9",
              Dokument("|pX|qunbekannt{S}|nFirma{~S}{Neu}{Tief}|a1{~Tief}{~Neu}{D}|iID|Zz=1{X}{~X}{~D}",
                       "|zRest{Fremd}|a1{Z}{~Z}{~Fremd}"
                       "{Z}|bA|r0.9|Rb=   {Q}|g1{~Q}{E}{Q}{~Q}{~E}{G}{~G}{~Z}"
                       "{Z}|bB|r0.85|Rb=  x |Yb=1|gz{E}{Z}|bEG|f10|qq{Unbekannt}|f99{~Unbekannt}{~Z}{~E}{L}|m1{~L}{~Z}"
                       "{Z}|bC|r1|z2{~Z}"
                       "{Z}|bD|r0.8{~Z}"
                       "{B}{B}|n0|bNull{~B}{B}|n100|bHundert{~B}{B}|bOhne{~B}{B}|n2.5|bZwei{~B}{B}|n2|bZwei neu{~B}"
                       "{F}|n3.5|bVier{~F}{X}|n5{~X}{~B}"));
    Projekt p;
    ASSERT_EQ(p.ProjektEinlesen((o / "a.zirvo9").string()), 0);
    EXPECT_EQ(p.PGetStr("DrL"), "X");
    EXPECT_EQ(p.PGetStr("Id"), "ID");
    ASSERT_EQ(p.ZonenAnzahl(), 4);
    EXPECT_EQ(p.GetNZone(), 0);
    p.SetNZone(0);
    EXPECT_EQ(p.ZGetStr("Bez"), "A");
    EXPECT_EQ(p.ZGetNum("RZ"), 1);
    EXPECT_EQ(p.ZGetStr("RZ_B"), "");
    EXPECT_EQ(p.ZGetNum("Ti"), 0);
    EXPECT_EQ(Beschreibung(p.ZGetColl("Ah_")), "[]");   // a table without rows
    EXPECT_EQ(p.ZGetColl("GE_"), nullptr);               // gains without rows
    EXPECT_EQ(p.ZGetColl("Lm_"), nullptr);               // no ventilation object
    p.SetNZone(1);
    EXPECT_EQ(p.ZGetStr("RZ"), "");
    EXPECT_EQ(p.ZGetStr("RZ_B"), "  x ");
    EXPECT_EQ(p.ZGetNum("Ti"), 0);
    EXPECT_EQ(Beschreibung(p.ZGetColl("Ah_")), "[['EG', 10, 0, 0]]");
    EXPECT_EQ(Beschreibung(p.ZGetColl("Lm_")), "[['', 0, 0, 0]]");
    p.SetNZone(2);
    EXPECT_EQ(p.ZGetNum("RZ"), 2);   // the newer item after the older one wins
    EXPECT_EQ(p.ZGetStr("RZ"), "2");
    p.SetNZone(3);
    EXPECT_EQ(p.ZGetNum("RZ"), 2);
    EXPECT_EQ(p.PGetColl("B-0"), nullptr);
    EXPECT_EQ(p.PGetColl("B-100"), nullptr);
    EXPECT_EQ(Beschreibung(p.PGetColl("B-2")), "['Zwei neu', '', 0, 0, 0, 0, Z=[], CodeGr='']");
    EXPECT_EQ(Beschreibung(p.PGetColl("F-4")), "['Vier', '', 0, 0, 0, 0, '', 0, '', 0, CodeGr='']");
}

TEST(ProjektDatei, MehrAlsAchtZonen) {
    Umgebung u;
    Testordner ordner("neun");
    const fs::path& o = ordner.pfad;
    std::string inhalt = "{P}|kOrt{~P}";
    for (int z = 1; z <= 10; ++z) inhalt += "{Z}|bZone " + std::to_string(z) + "{~Z}";
    inhalt += "{B}{B}|n1|bWand{~B}{~B}{EB}|e100{B}|cW|n3{~B}{~EB}";
    Schreiben(o / "neun.zirvo9", Dokument("", inhalt));
    Projekt p;
    ASSERT_EQ(p.ProjektEinlesen((o / "neun.zirvo9").string()), 0);
    EXPECT_TRUE(p.Exist());
    ASSERT_EQ(p.ZonenAnzahl(), 8);
    EXPECT_EQ(p.ÜbergangeneZonen(), 2); // the main window tells the user
    EXPECT_EQ(p.Zone_GetStr(7, "Bez"), "Zone 8");
    EXPECT_EQ(p.GetNZone(), 0);
    // What follows the surplus zones is still read.
    EXPECT_EQ(p.PGetStr("KlSt"), "Ort");
    EXPECT_EQ(Beschreibung(p.PGetColl("B-1")), "['Wand', '', 0, 0, 0, 0, Z=[], CodeGr='']");
    EXPECT_EQ(p.PGetNum("EB-EBF"), 100);
    EXPECT_EQ(Beschreibung(p.PGetColl("EBBt")), "[['W', '', 3, 0, 0, 0, 0]]");
}

TEST(ProjektDatei, DefekteDateiLässtDasProjekt) {
    Umgebung u;
    Testordner ordner("defekt");
    const fs::path& o = ordner.pfad;
    Projekt p = VollesProjekt();
    ASSERT_EQ(p.ProjektSpeichern((o / "gut.zirvo9").string()), 0);
    const std::string vorher = Beschreibung(p);
    const std::string gut = Lesen(o / "gut.zirvo9");

    auto prüfen = [&](const std::string& name, std::int32_t code) {
        SCOPED_TRACE(name);
        EXPECT_EQ(p.ProjektEinlesen((o / name).string()), code);
        EXPECT_EQ(Unterschiede(vorher, Beschreibung(p)), "");
        EXPECT_EQ(p.Dateiname(), (o / "gut.zirvo9").string());
        EXPECT_TRUE(p.Exist());
    };
    prüfen("fehlt.zirvo9", 1);
    fs::create_directories(o / "ordner.zirvo9");
    prüfen("ordner.zirvo9", 1);
    Schreiben(o / "leer.zirvo9", "");
    prüfen("leer.zirvo9", 1);
    Schreiben(o / "zeilenende.zirvo9", gut + "\r\n");
    prüfen("zeilenende.zirvo9", 1);
    Schreiben(o / "halb.zirvo9", gut.substr(0, gut.size() / 2));
    prüfen("halb.zirvo9", 1);
    Schreiben(o / "kopf.zirvo9", gut.substr(0, 5) + "ABC" + gut.substr(5));
    EXPECT_NE(p.ProjektEinlesen((o / "kopf.zirvo9").string()), 0);
    Schreiben(o / "fluchtzeichen.zirvo9", Dokument("", "{P}|kA~7c{~P}"));
    prüfen("fluchtzeichen.zirvo9", 17);
    // Sections or objects left open before the end mark: nothing half-read is taken.
    Schreiben(o / "offen.zirvo9", "{SDF}{HEAD}{~HEAD}{BODY}{Z}|bHalbe Zone{E}{Z}|bEG{~Z}{~SDF}");
    prüfen("offen.zirvo9", 14);
    Schreiben(o / "kopfoffen.zirvo9", "{SDF}{HEAD}|pXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX{~SDF}");
    prüfen("kopfoffen.zirvo9", 14);
    Schreiben(o / "ohnekopf.zirvo9", "{SDF}{BODY}{P}|kXXXXXXXXXXXXXXXXXXXXXXX{~P}{~BODY}{~SDF}");
    prüfen("ohnekopf.zirvo9", 1);
    // A file too long to be a project is refused unread.
    {
        std::ofstream gross(o / "gross.zirvo9", std::ios::binary);
        std::string block(1 << 20, ' ');
        for (int i = 0; i <= 16; ++i) gross << block;
    }
    prüfen("gross.zirvo9", Sdbase::FehlerZuLang);

    // A fresh project that fails to read stays empty and unopened.
    Projekt leer;
    EXPECT_NE(leer.ProjektEinlesen((o / "halb.zirvo9").string()), 0);
    EXPECT_FALSE(leer.Exist());
    EXPECT_EQ(leer.ZonenAnzahl(), 0);
    EXPECT_EQ(leer.Dateiname(), "");
    EXPECT_TRUE(u.test.meldungen.Gezeigt.empty());   // reading never shows a message
}

namespace {

// Lets every file written by this process end after a few bytes.
class DateigrösseBegrenzt {
public:
    explicit DateigrösseBegrenzt(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &alt_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit neu = alt_;
        neu.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~DateigrösseBegrenzt() {
        setrlimit(RLIMIT_FSIZE, &alt_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit alt_{};
    void (*signal_)(int) = nullptr;
};

} // namespace

TEST(ProjektDatei, MisslungenesSpeichernLässtDieAlteDatei) {
    Umgebung u;
    Testordner ordner("speichern");
    const fs::path& o = ordner.pfad;
    Projekt p = VollesProjekt();
    const std::string pfad = (o / "p.zirvo9").string();
    ASSERT_EQ(p.ProjektSpeichern(pfad), 0);
    const std::string alt = Lesen(pfad);
    p.PSetStr("geändert", "Bez");
    {
        DateigrösseBegrenzt grenze(100);
        EXPECT_EQ(p.ProjektSpeichern(""), -1);
        EXPECT_EQ(p.ProjektSpeichern((o / "neu.zirvo9").string()), -1);
    }
    EXPECT_EQ(Lesen(pfad), alt);
    EXPECT_FALSE(fs::exists(o / "neu.zirvo9"));
    EXPECT_EQ(p.Dateiname(), pfad);   // the project keeps its old file name
    ASSERT_EQ(u.test.meldungen.Gezeigt.size(), 2u);
    EXPECT_EQ(u.test.meldungen.Nr(0).Symbol, Plattform::Symbol::Fehler);
    EXPECT_FALSE(u.test.meldungen.Gezeigt[0].Text.empty());
    int dateien = 0;
    for (auto& e : fs::directory_iterator(o)) {
        (void)e;
        ++dateien;
    }
    EXPECT_EQ(dateien, 1);   // no temporary file is left

    // A folder that does not exist, and no file name at all.
    EXPECT_EQ(p.ProjektSpeichern((o / "fehlt" / "x.zirvo9").string()), -1);
    EXPECT_EQ(p.Dateiname(), pfad);
    Projekt neu;
    neu.ProjektNeu();
    EXPECT_EQ(neu.ProjektSpeichern(""), -1);
    EXPECT_EQ(neu.Dateiname(), "");
    ASSERT_EQ(u.test.meldungen.Gezeigt.size(), 4u);
    EXPECT_EQ(u.test.meldungen.Zuletzt().Text, "Dateiname oder Pfad ungültig.");

    ASSERT_EQ(p.ProjektSpeichern(""), 0);
    Projekt q;
    ASSERT_EQ(q.ProjektEinlesen(pfad), 0);
    EXPECT_EQ(q.PGetStr("Bez"), "geändert");
}

TEST(ProjektDatei, ZeichenAusserhalbDerCodeseiteWerdenGemeldet) {
    Umgebung u;
    Testordner ordner("zeichen");
    Projekt p;
    p.ProjektNeu();
    p.PSetStr("Wärme ≤ 5 → Ziel", "Bez");
    ASSERT_EQ(p.ProjektSpeichern((ordner.pfad / "z.zirvo9").string()), 0);
    // Saved all the same, with a warning that names the count.
    ASSERT_EQ(u.test.meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(u.test.meldungen.Nr(0).Symbol, Plattform::Symbol::Warnung);
    EXPECT_NE(u.test.meldungen.Nr(0).Text.find("gespeichert. 2 Zeichen"), std::string::npos);
    Projekt q;
    ASSERT_EQ(q.ProjektEinlesen((ordner.pfad / "z.zirvo9").string()), 0);
    EXPECT_EQ(q.PGetStr("Bez"), "Wärme ? 5 ? Ziel");

    // Text the code page holds saves without a word.
    p.PSetStr("Wärme «5» €", "Bez");
    ASSERT_EQ(p.ProjektSpeichern(""), 0);
    EXPECT_EQ(u.test.meldungen.Gezeigt.size(), 1u);
}

// Damaged project files: thousands of random changes of a valid file, each
// read without a crash or a hang, each either read or refused with a
// numbered error that leaves the open project as it was.
#include "frame/Dateien.h"
#include "project/Projekt.h"
#include "project/Sdbase.h"
#include "tests/support/Beschaedigung.h"
#include "tests/support/Haengegrenze.h"
#include "tests/support/Projektbeschreibung.h"
#include "tests/support/Testplattform.h"
#include "tests/support/Temppfad.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace fs = std::filesystem;

namespace {

using Testhilfe::Unterschiede;
using Testhilfe::Verändern;
using Testhilfe::Verschlüsselt;
using Testhilfe::Zahltext;
using Testhilfe::Zeile;

std::string Inhalt(const KollektionZeiger& k) {
    if (!k) return "-";
    std::string s = "[";
    for (std::int32_t i = 1; i <= k->Anzahl(); ++i) {
        s += k->Schlüssel(i) + ":";
        const Kollektion::Wert* w = k->Eintrag(i);
        if (auto* t = std::get_if<std::string>(w)) s += "'" + *t + "'";
        else if (auto* z = std::get_if<double>(w)) s += Zahltext(*z);
        else s += Inhalt(std::get<KollektionZeiger>(*w));
        s += ",";
    }
    return s + "]";
}

// A single value; a number 0 and a missing value are the same to the file.
std::string Einzelwert(const KollektionZeiger& k, const std::string& text, double zahl) {
    if (k) return Inhalt(k);
    if (zahl == 0 && (text == "0" || text == "-0")) return "";
    return text;
}

// The values of a project under every key its file knows.
std::string Inhalt(Projekt& p) {
    static const char* const projekt[] = {"DrL", "Id", "Bez", "AktNr", "Stand", "Bv", "Bh", "Pv", "Nv", "BvArt",
                                          "ArtB", "NwAnf", "NwKt", "GS", "MueM", "Kanton", "KlSt", "JMT", "Nord",
                                          "HL_EtaV", "HL_fV", "HL_EtaV_Bem", "HL_fV_Bem", "EB-EBF", "EB-F",
                                          "EB-JMT", "EB-Anf", "EB-WBN", "EBBt", "EBWb"};
    static const char* const zone[] = {"Gk", "Bez", "Code", "Ti", "Ti_B", "PFl", "PWP", "PPr", "El", "fe", "AVE",
                                       "WW", "C", "RZ", "RZ_B", "VTHB", "VTHF", "Ah_", "A_", "U_", "F_", "ML",
                                       "MLAnteil", "Lm_", "LmAVw", "LmAVa", "LmBem", "GE_", "GEBem"};
    std::string s = p.Dateiname() + (p.Exist() ? " offen " : " zu ") + std::to_string(p.ZonenAnzahl()) + " " +
                    std::to_string(p.GetNZone()) + "\n";
    for (const char* k : projekt) {
        std::string w = Einzelwert(p.PGetColl(k), p.PGetStr(k), p.PGetNum(k));
        // The file keeps the proof's switches as whole numbers, and the
        // description without its trailing empty lines.
        if (k == std::string("EB-Anf") || k == std::string("EB-WBN")) w = std::to_string(p.PGetInt(k));
        if (k == std::string("Bv")) {
            while (w.size() >= 5 && w.compare(w.size() - 5, 5, ":'',]") == 0) w.erase(w.size() - 5, 4);
        }
        s += w + "\n";
    }
    for (const char* art : {"B-", "F-", "W-"})
        for (int n = 1; n <= 99; ++n) s += Inhalt(p.PGetColl(art + std::to_string(n)));
    std::int16_t bisher = p.GetNZone();
    for (std::int16_t z = 0; z < p.ZonenAnzahl(); ++z) {
        p.SetNZone(z);
        for (const char* k : zone) {
            // The share of mechanical ventilation is kept only with ML = 2.
            if (k == std::string("MLAnteil") && p.ZGetNum("ML") != 2) continue;
            s += Einzelwert(p.ZGetColl(k), p.ZGetStr(k), p.ZGetNum(k)) + "\n";
        }
    }
    p.SetNZone(bisher);
    return s;
}

Projekt Beispielprojekt() {
    Projekt p;
    p.ProjektNeu();
    p.PSetStr("Mehrfamilienhaus Süd", "Bez");
    auto bv = Kollektion::Neu();
    for (const char* t : {"Neubau", "", "Dorfstrasse 1"}) bv->Hinzufügen(t);
    p.PSetColl(bv, "Bv");
    auto bh = Kollektion::Neu();
    for (const char* t : {"Bauherr", "", "Weg 2", "", "Herr X", "01", "", "x@y.ch"}) bh->Hinzufügen(t);
    p.PSetColl(bh, "Bh");
    p.PSetStr("Bern-Liebefeld", "KlSt");
    p.PSetNum(8.8, "JMT");
    p.PSetNum(1, "EB-Anf");
    for (int z = 0; z < 2; ++z) {
        if (z > 0) p.ZoneNeu();
        p.ZSetInt(1, "Gk");
        p.ZSetStr(z == 0 ? "Wohnen" : "Büro", "Bez");
        p.ZSetStr(z == 0 ? "A" : "B", "Code");
        p.ZSetNum(20, "Ti");
        p.ZSetNum(0.9, "RZ");
        p.ZSetStr("Regelung {gut}", "RZ_B");
        auto ebf = Kollektion::Neu();
        ebf->Hinzufügen(Zeile({"EG", 150.0, 2.7, 405.0}));
        p.ZSetColl(ebf, "Ah_");
        auto a = Kollektion::Neu();
        a->Hinzufügen(Zeile({"W", "Wand", 45.5, 1.0, 0.2, "", "N"}));
        a->Hinzufügen(Zeile({"D", "Dach", 150.0, 2.0, 0.15, "*", "S"}));
        p.ZSetColl(a, "A_");
        auto u = Kollektion::Neu();
        u->Hinzufügen(Zeile({"B", "Keller", 150.0, 0.0, 0.3, "", "", 0.7, 0.0, "A"}));
        p.ZSetColl(u, "U_");
        auto f = Kollektion::Neu();
        f->Hinzufügen(Zeile({"F", "Fenster", 12.5, 1.0, 1.1, "", "S", 90.0, 0.5, 0.75, "15", "10,20"}));
        p.ZSetColl(f, "F_");
        p.ZSetNum(2, "ML");
        p.ZSetNum(50, "MLAnteil");
        auto lm = Kollektion::Neu();
        lm->Hinzufügen(Zeile({"Gerät", 200.0, 3000.0, 80.0}));
        p.ZSetColl(lm, "Lm_");
        auto ge = Kollektion::Neu();
        ge->Hinzufügen(Zeile({"Server", 300.0, 2000.0, 0.5}));
        p.ZSetColl(ge, "GE_");
    }
    for (int n : {1, 2}) {
        auto b = Kollektion::Neu();
        for (Kollektion::Wert w : {Kollektion::Wert("Wand"), Kollektion::Wert(""), Kollektion::Wert(0.2),
                                   Kollektion::Wert(0.0), Kollektion::Wert(0.13), Kollektion::Wert(0.04)})
            b->WertHinzufügen(w);
        auto schichten = Kollektion::Neu();
        schichten->Hinzufügen(Zeile({"Beton", 20.0, 2400.0, 2.3, 0.0, "1"}));
        schichten->Hinzufügen(Zeile({"EPS", 16.0, 20.0, 0.038, 0.0, "0"}));
        b->Hinzufügen(KollektionZeiger(schichten), "Z");
        b->Hinzufügen("W", "CodeGr");
        p.PSetColl(b, "B-" + std::to_string(n));
    }
    auto eb = Kollektion::Neu();
    eb->Hinzufügen(Zeile({"W1", "Wand", 1.0, 0.2, 0.0, 20.0, 0.25}));
    p.PSetColl(eb, "EBBt");
    return p;
}

} // namespace

TEST(ProjektDateiZufall, BeschädigteDateienLesenOderAblehnen) {
    Testhilfe::Testumgebung umgebung;
    const fs::path ordner = Testhilfe::Temppfad("zirvo_test_projektdatei_zufall", "",
                                                fs::exists("/dev/shm") ? "/dev/shm" : fs::temp_directory_path());
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    const std::string original = (ordner / "original.zirvo9").string();
    const std::string datei = (ordner / "versuch.zirvo9").string();
    const std::string zurück = (ordner / "zurueck.zirvo9").string();

    Projekt beispiel = Beispielprojekt();
    ASSERT_EQ(beispiel.ProjektSpeichern(original), 0);
    Projekt offen;
    ASSERT_EQ(offen.ProjektEinlesen(original), 0);
    const std::string vorher = Inhalt(offen);
    Sdbase d;
    d.SDFString(*Dateien::Lesen(original));
    ASSERT_EQ(d.ReadBegin(), 0);
    const std::string klar = d.SDFString();

    std::mt19937 zufall(380116);
    int gelesen = 0, abgelehnt = 0, gespeichert = 0;
    const auto start = Testhilfe::Rechenzeit();
    for (int i = 0; i < 4000; ++i) {
        std::string text = klar;
        int änderungen = 1 + static_cast<int>(zufall() % 3);
        for (int k = 0; k < änderungen; ++k) Verändern(text, zufall);
        if (i % 2 == 1) text = Verschlüsselt(text);
        {
            std::ofstream aus(datei, std::ios::binary | std::ios::trunc);
            aus << text;
        }
        Projekt p = offen;
        std::int32_t code = p.ProjektEinlesen(datei);
        if (code != 0) {
            ++abgelehnt;
            // Refused: the open project is exactly as it was.
            ASSERT_EQ(Unterschiede(vorher, Inhalt(p)), "") << "Versuch " << i << ", Fehler " << code << "\n" << text;
            continue;
        }
        ++gelesen;
        ASSERT_TRUE(p.Exist());
        ASSERT_LE(p.ZonenAnzahl(), Projekt::MaxZonen);
        ASSERT_EQ(p.GetNZone(), 0);
        ASSERT_EQ(p.Dateiname(), datei);
        // Whatever was read can be saved and reads back the same.
        if (gelesen % 8 == 0) {
            ASSERT_EQ(p.ProjektSpeichern(zurück), 0);
            Projekt q;
            ASSERT_EQ(q.ProjektEinlesen(zurück), 0) << text;
            p.SetNZone(0);
            std::string a = Inhalt(p), b = Inhalt(q);
            a = a.substr(a.find('\n'));
            b = b.substr(b.find('\n'));
            ASSERT_EQ(Unterschiede(a, b), "") << text;
            ++gespeichert;
        }
    }
    const auto dauer = Testhilfe::Rechenzeit() - start;
    EXPECT_GT(gelesen, 100);
    EXPECT_GT(abgelehnt, 100);
    EXPECT_GT(gespeichert, 10);
    // A reader that hangs on a damaged file; how fast it reads one, the
    // figure BeschaedigteProjektdateiLesen of zirvo_bench tells.
    EXPECT_LT(dauer, Testhilfe::Hängegrenze);
    EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());
    fs::remove_all(ordner);
}

#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "tests/support/Testplattform.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Program folder and configuration folder in a fresh temporary tree.
class Ordnerumgebung : public Plattform::Umgebung {
public:
    fs::path Wurzel;
    fs::path Programm;
    fs::path Konfiguration;
    Ordnerumgebung() {
        Wurzel = fs::temp_directory_path() / ("zirvo_test_ini_" + std::to_string(::getpid()));
        fs::remove_all(Wurzel);
        Programm = Wurzel / "bin";
        Konfiguration = Wurzel / "config" / "ZIRVO";
        fs::create_directories(Programm);
    }
    ~Ordnerumgebung() override {
        std::error_code ec;
        fs::remove_all(Wurzel, ec);
    }
    std::string Programmordner() override { return Programm.string(); }
    std::string Konfigurationsordner() override { return Konfiguration.string(); }
    std::time_t Jetzt() override { return 0; }
    void Sanduhr(bool) override {}
    bool StrgGedrückt() override { return false; }
};

class IniTest : public ::testing::Test {
protected:
    Testhilfe::Testumgebung test;
    Ordnerumgebung ordner;
    Plattform::DiensteSetzen gesetzt{Plattform::Dienste{nullptr, nullptr, nullptr, nullptr, &ordner}};

    fs::path IniPfad() const { return ordner.Konfiguration / "ZIRVO3801.ini"; }
    void Schreiben(const std::string& bytes) {
        fs::create_directories(ordner.Konfiguration);
        ASSERT_TRUE(Dateien::SicherSchreiben(IniPfad().string(), bytes));
    }
    std::string Inhalt() const { return Dateien::Lesen(IniPfad().string()).value_or("<fehlt>"); }
    static Initialisierung Gelesen() {
        Initialisierung ini;
        ini.ProgrammSetzen("Hersteller", "ZIRVO", "9.0", "Initialisierung");
        ini.RegistrierungEinlesen();
        return ini;
    }
    static std::vector<std::string> Liste(const Initialisierung& ini) {
        std::vector<std::string> l;
        for (std::int16_t i = 0; i < ini.LetzteProjekteAnzahl(); ++i) l.push_back(ini.LetzteProjekte(i));
        return l;
    }
};

using L = std::vector<std::string>;
using namespace std::string_literals;

} // namespace

TEST_F(IniTest, RundreiseMitJedemSchlüssel) {
    Initialisierung ini;
    EXPECT_FALSE(ini.ProgrammSetzen("Hersteller", "ZIRVO", "9.0", "Initialisierung"));
    ini.OrdnerDatenbank = "/daten/Baustoffe";
    ini.OrdnerProjekte = "/home/bär/Projekte = neu";
    ini.DruckerName = "PDF";
    ini.DruckerSchrift = "Arial";
    ini.DruckerSchriftgrösse = 0.1f;
    ini.DruckerSchriftEinfach = -1;
    ini.DruckerLinie = 0.25f;
    ini.DruckerRandLinks = 2.5f;
    ini.DruckerRandOben = 1.5f;
    ini.DruckerRandRechts = 1;
    ini.DruckerRandUnten = 0.75f;
    ini.DruckerDuplex = true;
    ini.DruckerDateiname = false;
    ini.Projektverfasser = "Müller AG\x7F" "Bahnhofstrasse 1\x7F" "8000 Zürich\x7F\x7F\x7F\x7F\x7F";
    ini.Nachweisverfasser = "Œuvre €";
    ini.WinLeft = -60;
    ini.WinTop = 120;
    ini.WinWidth = 15360;
    ini.WinHeight = 11520;
    ini.WinMax = true;
    ini.KeineSymbolleiste = ini.KeineStatusleiste = ini.KeinHilfeAssistent = true;
    ini.LetzteProjekteDatei("/p/d.zirvo9");
    ini.LetzteProjekteDatei("/p/c.zirvo9");
    ini.LetzteProjekteDatei("/p/b.zirvo9");
    ini.LetzteProjekteDatei("/p/ä.zirvo9");
    ASSERT_TRUE(ini.RegistrierungSpeichern());

    // Windows-1252, CR LF between the lines, none at the end, keys in order;
    // single-precision values are written as their shortest text.
    EXPECT_EQ(Inhalt(), "Window Position=-60,120,15360,11520,1\r\n"
                        "File1=/p/\xE4.zirvo9\r\n"
                        "File2=/p/b.zirvo9\r\n"
                        "File3=/p/c.zirvo9\r\n"
                        "File4=/p/d.zirvo9\r\n"
                        "Folder Database=/daten/Baustoffe\r\n"
                        "Folder Projects=/home/b\xE4r/Projekte = neu\r\n"
                        "Printer=PDF\r\n"
                        "Printer Font=Arial\r\n"
                        "Printer FontSize=0.1\r\n"
                        "Printer FontSimple=-1\r\n"
                        "Printer LineWidth=0.25\r\n"
                        "Printer Margins=2.5,1.5,1,0.75\r\n"
                        "Printer Duplex=1\r\n"
                        "Printer Filename=0\r\n"
                        "Author Project=M\xFCller AG\x7F" "Bahnhofstrasse 1\x7F" "8000 Z\xFCrich\x7F\x7F\x7F\x7F\x7F\r\n"
                        "Author Proof=\x8Cuvre \x80");

    Initialisierung zurück;
    zurück.ProgrammSetzen("", "", "", "");
    zurück.KeineSymbolleiste = zurück.KeineStatusleiste = zurück.KeinHilfeAssistent = true;
    zurück.RegistrierungEinlesen();
    // Every value comes back: spot checks here, and saving what was read
    // must give the same bytes again (below).
    EXPECT_EQ(zurück.OrdnerProjekte, ini.OrdnerProjekte);
    EXPECT_EQ(zurück.DruckerSchriftgrösse, 0.1f);
    EXPECT_EQ(zurück.DruckerRandUnten, 0.75f);
    EXPECT_TRUE(zurück.DruckerDuplex);
    EXPECT_EQ(zurück.Projektverfasser, ini.Projektverfasser);
    EXPECT_EQ(zurück.Nachweisverfasser, "Œuvre €");
    EXPECT_EQ(zurück.WinLeft, -60);
    EXPECT_EQ(zurück.WinHeight, 11520);
    EXPECT_TRUE(zurück.WinMax);
    // The three bar flags hold for one run only.
    EXPECT_FALSE(zurück.KeineSymbolleiste);
    EXPECT_FALSE(zurück.KeineStatusleiste);
    EXPECT_FALSE(zurück.KeinHilfeAssistent);
    EXPECT_EQ(Liste(zurück), (L{"/p/ä.zirvo9", "/p/b.zirvo9", "/p/c.zirvo9", "/p/d.zirvo9"}));

    // Saving what was read gives the same file again.
    std::string vorher = Inhalt();
    ASSERT_TRUE(zurück.RegistrierungSpeichern());
    EXPECT_EQ(Inhalt(), vorher);
}

TEST_F(IniTest, FehlendeDateiGibtDieVorgaben) {
    Initialisierung neu;
    EXPECT_EQ(neu.LetzteProjekteMax(), 0);   // no list before the maximum is set
    EXPECT_EQ(neu.LetzteProjekte(0), "");
    neu.LetzteProjekteDatei("/p/a.zirvo9");  // nowhere to put it, and no crash
    EXPECT_EQ(neu.LetzteProjekteAnzahl(), 0);

    Initialisierung ini = Gelesen();
    EXPECT_FALSE(fs::exists(IniPfad()));
    EXPECT_EQ(ini.LetzteProjekteMax(), 4);
    EXPECT_EQ(ini.LetzteProjekteAnzahl(), 0);
    EXPECT_EQ(ini.OrdnerDatenbank, "");
    EXPECT_EQ(ini.OrdnerProjekte, "");
    EXPECT_EQ(ini.DruckerName, "");
    EXPECT_EQ(ini.DruckerSchriftgrösse, 0.0f);
    EXPECT_EQ(ini.DruckerRandUnten, 0.0f);
    EXPECT_FALSE(ini.DruckerDuplex);
    EXPECT_EQ(ini.Projektverfasser, "");
    EXPECT_EQ(ini.WinLeft, 0);
    EXPECT_EQ(ini.WinWidth, 0);
    EXPECT_FALSE(ini.WinMax);
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());

    // An empty file is the same as none.
    Schreiben("");
    EXPECT_EQ(Gelesen().LetzteProjekteAnzahl(), 0);
    EXPECT_EQ(Gelesen().WinHeight, 0);
}

TEST_F(IniTest, ListeDerLetztenProjekte) {
    Initialisierung ini;
    ini.ProgrammSetzen("", "", "", "");
    for (const char* p : {"/p/4", "/p/3", "/p/2", "/p/1"}) ini.LetzteProjekteDatei(p);
    EXPECT_EQ(Liste(ini), (L{"/p/1", "/p/2", "/p/3", "/p/4"}));

    // The third entry goes on top: third, first, second, fourth.
    ini.LetzteProjekteDatei("/P/3");
    EXPECT_EQ(Liste(ini), (L{"/P/3", "/p/1", "/p/2", "/p/4"}));
    // A new path on a full list drops the last one.
    ini.LetzteProjekteDatei("/p/neu");
    EXPECT_EQ(Liste(ini), (L{"/p/neu", "/P/3", "/p/1", "/p/2"}));
    // Letter case is ignored beyond ASCII too.
    ini.LetzteProjekteDatei("/p/Äx");
    ini.LetzteProjekteDatei("/p/1");
    ini.LetzteProjekteDatei("/p/äX");
    EXPECT_EQ(Liste(ini), (L{"/p/äX", "/p/1", "/p/neu", "/P/3"}));
    // The same path on top in other letter case stays the only copy and
    // names exactly the file just used.
    ini.LetzteProjekteDatei("/p/ÄX");
    EXPECT_EQ(Liste(ini), (L{"/p/ÄX", "/p/1", "/p/neu", "/P/3"}));
    ini.LetzteProjekteDatei("");
    EXPECT_EQ(ini.LetzteProjekteAnzahl(), 4);

    // Outside the list: "".
    EXPECT_EQ(ini.LetzteProjekte(-1), "");
    EXPECT_EQ(ini.LetzteProjekte(4), "");
    EXPECT_EQ(ini.LetzteProjekte(10), "");

    // The maximum: 1 to 10, anything else gives 4; the first entries stay.
    ini.LetzteProjekteMax(2);
    EXPECT_EQ(ini.LetzteProjekteMax(), 2);
    EXPECT_EQ(Liste(ini), (L{"/p/ÄX", "/p/1"}));
    EXPECT_EQ(ini.LetzteProjekte(2), "");
    ini.LetzteProjekteMax(10);
    EXPECT_EQ(ini.LetzteProjekteAnzahl(), 2);
    EXPECT_EQ(ini.LetzteProjekte(9), "");
    for (std::int16_t falsch : {0, 11, 99, -1}) {
        ini.LetzteProjekteMax(1);
        ini.LetzteProjekteMax(falsch);
        EXPECT_EQ(ini.LetzteProjekteMax(), 4) << falsch;
    }
    ini.LetzteProjekteMax(1);
    ini.LetzteProjekteDatei("/p/x");
    ini.LetzteProjekteDatei("/p/y");
    EXPECT_EQ(Liste(ini), (L{"/p/y"}));

    // The count is one past the last entry that holds a path.
    Initialisierung kurz;
    kurz.LetzteProjekteMax(3);
    kurz.LetzteProjekteDatei("/a");
    EXPECT_EQ(kurz.LetzteProjekteAnzahl(), 1);
    kurz.LetzteProjekteDatei("/b");
    EXPECT_EQ(kurz.LetzteProjekteAnzahl(), 2);
    kurz.LetzteProjekteDatei("/a");
    EXPECT_EQ(Liste(kurz), (L{"/a", "/b"}));
}

TEST_F(IniTest, RandfälleDerZeilen) {
    Schreiben("Window Position=10,20\r\n"
              "  Printer  =  HP LaserJet  \r\n"
              "printer font=Courier\r\n"
              "File1=/p/eins\r\n"
              "File3=/p/drei\r\n"
              "Kommentar ohne Gleichheitszeichen\r\n"
              "Fremd=behalten");
    Initialisierung ini = Gelesen();
    EXPECT_EQ(ini.WinLeft, 10);
    EXPECT_EQ(ini.WinTop, 20);
    EXPECT_EQ(ini.WinWidth, 0);
    EXPECT_EQ(ini.WinHeight, 0);
    EXPECT_FALSE(ini.WinMax);
    EXPECT_EQ(ini.DruckerName, "HP LaserJet");
    EXPECT_EQ(ini.DruckerSchrift, "");   // reading matches the key exactly
    EXPECT_EQ(Liste(ini), (L{"/p/eins", "/p/drei"}));
    EXPECT_EQ(basZIRVOIni::IniLesen("Printer"), "HP LaserJet");
    EXPECT_EQ(basZIRVOIni::IniLesen("printer"), "");

    // Writing matches keys without regard to case and keeps foreign lines;
    // a line break in a value becomes a blank; the "File" places the list
    // no longer fills are removed, so the moved third entry is not read
    // back twice.
    ini.DruckerSchrift = "Arial";
    ini.Projektverfasser = "Zeile 1\r\nZeile 2\nZeile 3";
    ASSERT_TRUE(ini.RegistrierungSpeichern());
    std::string inhalt = Inhalt();
    EXPECT_NE(inhalt.find("Printer=HP LaserJet\r\n"), std::string::npos);
    EXPECT_NE(inhalt.find("Printer Font=Arial\r\n"), std::string::npos);
    EXPECT_EQ(inhalt.find("printer font"), std::string::npos);
    EXPECT_NE(inhalt.find("Kommentar ohne Gleichheitszeichen\r\nFremd=behalten\r\n"), std::string::npos);
    EXPECT_NE(inhalt.find("Author Project=Zeile 1  Zeile 2 Zeile 3\r\n"), std::string::npos);
    EXPECT_EQ(inhalt.find("File3"), std::string::npos);
    EXPECT_EQ(Liste(Gelesen()), (L{"/p/eins", "/p/drei"}));

    // The single-key writer keeps the rest of the file.
    ASSERT_TRUE(basZIRVOIni::IniSchreiben("fremd", "neu=wert"));
    EXPECT_EQ(basZIRVOIni::IniLesen("fremd"), "neu=wert");
    EXPECT_EQ(basZIRVOIni::IniLesen("Printer"), "HP LaserJet");
}

TEST_F(IniTest, KaputteDateiGibtVorgabenFürDasUnlesbare) {
    std::string lang(100000, 'x');
    Schreiben("Window Position=100,1E300,300,400,1\r\n"   // 1E300 is no number of twips
              "Printer=\x01\x02\0HP\r\n"s                  // control characters: unreadable
              "Printer=Zweiter\r\n"                  // the first readable line counts
              "Printer Font=" + lang + "\r\n"        // overlong: ignored
              "Printer FontSize=abc\r\n"             // not a number: 0
              "Printer FontSize=12\r\n"              // duplicate: the first counts
              "Printer LineWidth=1E39\r\n"           // beyond single precision: 0
              "Printer Margins=1,2,1E300,4\r\n"      // one item spoils the key
              "Printer FontSimple=12abc\r\n"         // leading number
              "Printer Duplex\r\n"                   // no "=": ignored
              "Printer Filename=ja\r\n"              // not a number: False
              "File0=/p/null\r\n"
              "File1=\r\n"
              "File2=/p/zwei\rFile3=/p/drei\r\n"     // lone CR: unreadable
              "File4=/p/vier\r\n"
              "File5=/p/fünf\r\n"                    // beyond the maximum
              "File99=/p/99\r\n"
              "\xFF\xFE\x00\x81=\x9D\x90\r\n"s
              "Author Proof=\xFC" "ber\n");          // LF alone ends a line too
    Initialisierung ini = Gelesen();
    EXPECT_EQ(ini.WinLeft, 0);
    EXPECT_EQ(ini.WinTop, 0);
    EXPECT_EQ(ini.WinWidth, 0);
    EXPECT_EQ(ini.WinHeight, 0);
    EXPECT_FALSE(ini.WinMax);
    EXPECT_EQ(ini.DruckerName, "Zweiter");
    EXPECT_EQ(ini.DruckerSchrift, "");
    EXPECT_EQ(ini.DruckerSchriftgrösse, 0.0f);
    EXPECT_EQ(ini.DruckerLinie, 0.0f);
    EXPECT_EQ(ini.DruckerRandLinks, 0.0f);
    EXPECT_EQ(ini.DruckerRandUnten, 0.0f);
    EXPECT_EQ(ini.DruckerSchriftEinfach, 12.0f);
    EXPECT_FALSE(ini.DruckerDuplex);
    EXPECT_FALSE(ini.DruckerDateiname);
    EXPECT_EQ(Liste(ini), (L{"/p/vier"}));
    EXPECT_EQ(ini.Nachweisverfasser, "über");
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());

    // Window numbers at the edges of the 16-bit range: halves go to the even
    // neighbour.
    Schreiben("Window Position=32767.4,-32768,2.5,3.5,0.0001\r\nPrinter Margins=1,,3");
    ini = Gelesen();
    EXPECT_EQ(ini.WinLeft, 32767);
    EXPECT_EQ(ini.WinTop, -32768);
    EXPECT_EQ(ini.WinWidth, 2);
    EXPECT_EQ(ini.WinHeight, 4);
    EXPECT_TRUE(ini.WinMax);
    EXPECT_EQ(ini.DruckerRandLinks, 1.0f);
    EXPECT_EQ(ini.DruckerRandOben, 0.0f);
    EXPECT_EQ(ini.DruckerRandRechts, 3.0f);
    EXPECT_EQ(ini.DruckerRandUnten, 0.0f);
    // Beyond it (a window wider than 2184 pixels) they are kept as they
    // are; only a number beyond the 32-bit range spoils the key.
    Schreiben("Window Position=32767.5,1,2,3,1");
    EXPECT_EQ(Gelesen().WinLeft, 32768);
    EXPECT_EQ(Gelesen().WinHeight, 3);
    Schreiben("Window Position=2147483647.5,1,2,3,1");
    EXPECT_EQ(Gelesen().WinLeft, 0);
    EXPECT_EQ(Gelesen().WinHeight, 0);
    // Within it, beyond 32767 pixels: brought to that edge, sizes to 0 up to it.
    Schreiben("Window Position=2147483647,-2147483648,-1,491506,1");
    ini = Gelesen();
    EXPECT_EQ((std::array{ini.WinLeft, ini.WinTop, ini.WinWidth, ini.WinHeight}),
              (std::array<std::int32_t, 4>{491505, -491505, 0, 491505}));

    // A file of random bytes, a huge file, and a
    // folder in place of the file all give the defaults.
    std::string binär;
    for (int i = 0; i < 5000; ++i) binär += static_cast<char>((i * 37 + 11) % 256);
    Schreiben(binär);
    ini = Gelesen();
    EXPECT_EQ(ini.LetzteProjekteAnzahl(), 0);
    EXPECT_EQ(ini.DruckerName, "");
    Schreiben("Printer=Gross\r\n" + std::string(2 * 1024 * 1024, 'x'));
    EXPECT_EQ(Gelesen().DruckerName, "");
    fs::remove(IniPfad());
    fs::create_directories(IniPfad());
    EXPECT_EQ(Gelesen().DruckerName, "");
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());
}

TEST_F(IniTest, SpeichernNachKaputterDateiUndUnpassendeZeichen) {
    Schreiben("Printer=\0\0\r\nFremd=\xFF\x00\x01\r\nFile2=/alt/zwei\r\nFile7=/alt/sieben"s);
    Initialisierung ini = Gelesen();
    EXPECT_EQ(ini.DruckerName, "");
    ini.DruckerName = "Neu";
    // A path the file's code page cannot hold is not stored: it would come
    // back as another path. Other texts get "?" for such characters.
    ini.LetzteProjekteDatei("/p/ok");
    ini.LetzteProjekteDatei("/p/Ωmega");
    ini.OrdnerProjekte = "/Ωmega";
    ini.OrdnerDatenbank = "/daten";
    ini.Projektverfasser = "Ωmega";
    ASSERT_TRUE(ini.RegistrierungSpeichern());
    std::string inhalt = Inhalt();
    // The unknown line survives byte for byte.
    EXPECT_NE(inhalt.find("Fremd=\xFF\x00\x01\r\n"s), std::string::npos);
    EXPECT_NE(inhalt.find("Printer=Neu\r\n"), std::string::npos);
    EXPECT_NE(inhalt.find("Author Project=?mega\r\n"), std::string::npos);
    EXPECT_NE(inhalt.find("File7=/alt/sieben"), std::string::npos);  // beyond the maximum: kept
    Initialisierung zurück = Gelesen();
    EXPECT_EQ(zurück.DruckerName, "Neu");
    EXPECT_EQ(Liste(zurück), (L{"/p/ok", "/alt/zwei"}));
    EXPECT_EQ(zurück.OrdnerProjekte, "");
    EXPECT_EQ(zurück.OrdnerDatenbank, "/daten");
}

TEST_F(IniTest, OrtDerDateiUndSchreibfehler) {
    // The configuration folder is made when missing.
    EXPECT_EQ(basZIRVOIni::IniDateiname(), IniPfad().string());
    EXPECT_FALSE(fs::exists(ordner.Konfiguration));
    Initialisierung ini;
    ini.ProgrammSetzen("", "", "", "");
    ini.DruckerName = "Konfig";
    ASSERT_TRUE(ini.RegistrierungSpeichern());
    EXPECT_EQ(Gelesen().DruckerName, "Konfig");

    // A file beside the program takes precedence, for reading and writing.
    fs::path tragbar = ordner.Programm / "ZIRVO3801.ini";
    ASSERT_TRUE(Dateien::SicherSchreiben(tragbar.string(), "Printer=Tragbar"));
    EXPECT_EQ(basZIRVOIni::IniDateiname(), tragbar.string());
    EXPECT_EQ(Gelesen().DruckerName, "Tragbar");
    ini.DruckerName = "Neu";
    ASSERT_TRUE(ini.RegistrierungSpeichern());
    EXPECT_EQ(Dateien::Lesen(tragbar.string())->substr(0, 29), "Printer=Neu\r\nWindow Position=");
    EXPECT_EQ(Gelesen().DruckerName, "Neu");
    EXPECT_NE(Inhalt().find("Printer=Konfig"), std::string::npos);
    fs::remove(tragbar);

    // Nowhere to write: the caller learns it, the old file stays whole.
    std::string vorher = Inhalt();
    fs::remove_all(ordner.Konfiguration);
    Dateien::SicherSchreiben(ordner.Konfiguration.string(), "eine Datei statt eines Ordners");
    std::string fehler;
    EXPECT_FALSE(ini.RegistrierungSpeichern(&fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_FALSE(basZIRVOIni::IniSchreiben("Printer", "x"));
    fs::remove(ordner.Konfiguration);
    fs::create_directories(IniPfad());   // a folder where the file belongs
    EXPECT_FALSE(ini.RegistrierungSpeichern(&fehler));
    EXPECT_TRUE(fs::is_directory(IniPfad()));
    fs::remove(IniPfad());
    ASSERT_TRUE(Dateien::SicherSchreiben(IniPfad().string(), vorher));
    int dateien = 0;
    for (auto& e : fs::directory_iterator(ordner.Konfiguration)) { (void)e; ++dateien; }
    EXPECT_EQ(dateien, 1);   // no temporary file left behind
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());
}

TEST_F(IniTest, DatenbankOrdnerUndDatei) {
    Initialisierung gesichert = Global::Initialisierung;
    auto gesichertAufruf = basZIRVO3801::OptionenAufruf;
    Global::Initialisierung = Initialisierung{};
    Global::Initialisierung.ProgrammSetzen("", "", "", "");

    // Not set: one question that offers the settings folder; "Nein" opens
    // the options dialog on its folders tab, where the user chooses the
    // automatic place and gets the settings folder.
    std::vector<std::int16_t> aufrufe;
    basZIRVO3801::OptionenAufruf = [&](std::int16_t karte) {
        aufrufe.push_back(karte);
        Global::Initialisierung.OrdnerDatenbank.assign(1, '.'); // "." (assigned so to spare GCC 12 a false warning)
        return true;
    };
    EXPECT_EQ(basZIRVO3801::BaustoffDatenbankDatei(), (ordner.Konfiguration / "Baustoff.dbk").string());
    EXPECT_EQ(aufrufe, (std::vector<std::int16_t>{1}));
    ASSERT_EQ(test.meldungen.Gezeigt.size(), 1u);
    EXPECT_NE(test.meldungen.Nr(0).Text.find("\n" + ordner.Konfiguration.string() + "\n"), std::string::npos);
    EXPECT_EQ(test.meldungen.Nr(0).Symbol, Plattform::Symbol::Frage);
    EXPECT_EQ(test.meldungen.UngeplanteFragen, 1); // answered "Nein"
    test.meldungen.UngeplanteFragen = 0;
    EXPECT_TRUE(fs::is_directory(ordner.Konfiguration));

    // An existing folder is used as it is, without a message; a trailing
    // separator is not doubled.
    std::string daten = (ordner.Wurzel / "daten").string();
    fs::create_directories(daten);
    Global::Initialisierung.OrdnerDatenbank = daten + "/";
    EXPECT_EQ(basZIRVO3801::BaustoffDatenbankDatei(), daten + "/Baustoff.dbk");
    Global::Initialisierung.OrdnerDatenbank = daten;
    EXPECT_EQ(basZIRVO3801::DatenbankOrdner(), daten);
    EXPECT_EQ(test.meldungen.Gezeigt.size(), 1u);

    // A deleted folder: the message names it; the dialog cancelled (or not
    // there at all) gives "" without a second message.
    fs::remove_all(daten);
    basZIRVO3801::OptionenAufruf = [&](std::int16_t karte) { aufrufe.push_back(karte); return false; };
    EXPECT_EQ(basZIRVO3801::BaustoffDatenbankDatei(), "");
    ASSERT_EQ(test.meldungen.Gezeigt.size(), 2u);
    EXPECT_EQ(test.meldungen.Nr(1).Text, "Ordner:  " + daten + "\nKein Zugriff auf diesen Datenbank-Ordner.");
    EXPECT_EQ(aufrufe.size(), 2u);
    basZIRVO3801::OptionenAufruf = nullptr;
    EXPECT_EQ(basZIRVO3801::DatenbankOrdner(), "");
    EXPECT_EQ(test.meldungen.Gezeigt.size(), 3u);

    Global::Initialisierung = gesichert;
    basZIRVO3801::OptionenAufruf = gesichertAufruf;
}

// A main window on a wide screen: its twips no longer fit 16 bits (2184
// pixels are 32760 twips). The placement survives the file; what fits is
// written as it always was.
TEST_F(IniTest, FensterlageJenseits2184Pixeln) {
    struct Fall {
        std::int32_t links, oben, breite, höhe;
        const char* zeile;
    };
    const Fall fälle[] = {
        {0, 0, 32760, 15000, "Window Position=0,0,32760,15000,0"},           // 2184 pixels: fits 16 bits
        {-60, 120, 38400, 21600, "Window Position=-60,120,38400,21600,0"},    // 2560 x 1440 pixels
        {57600, 0, 57600, 32400, "Window Position=57600,0,57600,32400,0"},    // the second of two 3840-pixel screens
        {-57600, -300, 76800, 43200, "Window Position=-57600,-300,76800,43200,0"},
    };
    for (const Fall& f : fälle) {
        Initialisierung ini;
        ini.ProgrammSetzen("", "", "", "");
        ini.WinLeft = f.links;
        ini.WinTop = f.oben;
        ini.WinWidth = f.breite;
        ini.WinHeight = f.höhe;
        ASSERT_TRUE(ini.RegistrierungSpeichern());
        EXPECT_EQ(Inhalt().substr(0, Inhalt().find('\r')), f.zeile);
        Initialisierung zurück = Gelesen();
        EXPECT_EQ(zurück.WinLeft, f.links) << f.zeile;
        EXPECT_EQ(zurück.WinTop, f.oben) << f.zeile;
        EXPECT_EQ(zurück.WinWidth, f.breite) << f.zeile;
        EXPECT_EQ(zurück.WinHeight, f.höhe) << f.zeile;
    }
}

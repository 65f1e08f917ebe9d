#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/Programmstart.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/frmZIRVO3801Start.h"
#include "tests/support/Testplattform.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Program folder and configuration folder in a fresh temporary tree.
class StartOrdner : public Plattform::Umgebung {
public:
    fs::path Wurzel = fs::temp_directory_path() / ("zirvo_test_start_" + std::to_string(::getpid()));
    fs::path Programm = Wurzel / "bin";
    fs::path Konfiguration = Wurzel / "config" / "ZIRVO";
    StartOrdner() {
        fs::remove_all(Wurzel);
        fs::create_directories(Programm);
    }
    ~StartOrdner() override {
        std::error_code ec;
        fs::remove_all(Wurzel, ec);
    }
    std::string Programmordner() override { return Programm.string(); }
    std::string Konfigurationsordner() override { return Konfiguration.string(); }
    std::time_t Jetzt() override { return 0; }
    void Sanduhr(bool) override {}
    bool StrgGedrückt() override { return false; }
};

// Records every step of the start in one log.
class Protokollstart : public Programmstart::Startumgebung,
                       public Programmstart::Hauptfenster,
                       public Programmstart::NachweisEBFenster {
public:
    std::vector<std::string> Log;
    bool ZweiteKopie = false;
    std::function<void()> BeimTabellenbau;
    std::function<void()> BeimFormLoad;
    std::function<void(const std::string&)> Versionsmeldung;

    // Desktop
    bool WeitereKopieLäuft() override {
        Log.push_back(std::string("Kopie?") + (DS("x").empty() ? " ohne Texte" : "") +
                      (basVB6NumCvt::KommaEingabe ? "" : " ohne Komma"));
        return ZweiteKopie;
    }
    std::string Programmname() override { return "ZIRVO3801"; }
    void StartfensterZeigen(frmZIRVO3801Start& f) override {
        Log.push_back("Start zeigen: " + f.lblProg.Caption() + " | " + f.lblVer.Caption());
    }
    void StartfensterSchliessen(frmZIRVO3801Start&) override { Log.push_back("Start schliessen"); }
    void EreignisseVerarbeiten() override { Log.push_back("Ereignisse"); }
    Programmstart::Hauptfenster& frmZIRVO3801() override { return *this; }
    Programmstart::NachweisEBFenster& frmNachweisEB() override { return *this; }
    void NeuereVersionPrüfen(std::function<void(const std::string&)> melden) override {
        Log.push_back("Version");
        Versionsmeldung = std::move(melden);
    }

    // Main window
    void Form_Load() override {
        Log.push_back("Haupt laden");
        if (BeimFormLoad) BeimFormLoad();
    }
    void TabelleInitialisieren() override {
        Log.push_back("Tabellen");
        if (BeimTabellenbau) BeimTabellenbau();
    }
    void Zeigen() override { Log.push_back("Haupt zeigen"); }
    void NeuereVersionAnzeigen(const std::string& text) override { Log.push_back("Hinweis: " + text); }
    void ProjektEinlesenBeimProgrammstart(const std::string& datei) override { Log.push_back("Projekt: " + datei); }

    // Single-component proof window
    void Laden() override { Log.push_back("EB laden"); }
};

class StartTest : public ::testing::Test {
protected:
    Testhilfe::Testumgebung test;
    StartOrdner ordner;
    Plattform::DiensteSetzen gesetzt{Plattform::Dienste{nullptr, nullptr, nullptr, nullptr, &ordner}};
    Initialisierung gesichert = Global::Initialisierung;
    std::function<bool(std::int16_t)> gesichertAufruf = basZIRVO3801::OptionenAufruf;
    Protokollstart start;

    ~StartTest() override {
        Global::Initialisierung = gesichert;
        basZIRVO3801::OptionenAufruf = gesichertAufruf;
    }
    fs::path IniPfad() const { return ordner.Konfiguration / "ZIRVO3801.ini"; }
    void IniSchreiben(const std::string& text) {
        fs::create_directories(ordner.Konfiguration);
        ASSERT_TRUE(Dateien::SicherSchreiben(IniPfad().string(), text));
    }
    std::string IniInhalt() const { return Dateien::Lesen(IniPfad().string()).value_or("<fehlt>"); }
};

using L = std::vector<std::string>;

} // namespace

TEST_F(StartTest, ReihenfolgeUndEinstellungen) {
    IniSchreiben("Kommentar ohne Gleichheitszeichen\r\nFile1=/p/alt.zirvo9\r\nFolder Projects=/p\r\n"
                 "Window Position=10,20,9000,7000,0");
    // What the main window sees when it loads, and the start window while
    // the tables are built.
    std::string gesehen;
    start.BeimFormLoad = [&] {
        const Initialisierung& ini = Global::Initialisierung;
        gesehen = std::to_string(ini.LetzteProjekteMax()) + " " + std::to_string(ini.LetzteProjekteAnzahl()) + " " +
                  ini.LetzteProjekte(0) + " " + ini.OrdnerProjekte + " " + std::to_string(ini.WinWidth) + " " +
                  basZIRVO3801::ProgrammTitelPräfix;
    };
    // Other tests may have built the main window's tables before.
    Global::frmZIRVO3801Start.lblStartZähler.setCaption("");
    std::vector<std::string> zähler;
    start.BeimTabellenbau = [&] {
        for (int i = 0; i < 3; ++i) {
            basZIRVO3801::ZahlLabelAktualisieren();
            zähler.push_back(Global::frmZIRVO3801Start.lblStartZähler.Caption());
        }
        zähler.push_back(Global::frmZIRVO3801Start.Visible ? "sichtbar" : "verborgen");
    };

    ASSERT_TRUE(basZIRVO3801::Main("\"/home/bär/Mein Projekt.zirvo9\"", start));

    EXPECT_EQ(start.Log, (L{"Kopie?", "Start zeigen: Bauphysik ZIRVO 380/1 | Version  9a", "Ereignisse",
                            "Haupt laden", "Tabellen", "EB laden", "Tabellen", "Haupt zeigen", "Start schliessen",
                            "Ereignisse", "Version", "Projekt: /home/bär/Mein Projekt.zirvo9"}));
    // The settings were read once, before the main window loaded: one
    // file key gives one entry (a second read would append it again).
    EXPECT_EQ(gesehen, "4 1 /p/alt.zirvo9 /p 9000 Bauphysik ZIRVO 380/1");
    EXPECT_EQ(Global::Initialisierung.LetzteProjekteAnzahl(), 1);
    // Both table builders advance the counter of the visible start window.
    EXPECT_EQ(zähler, (L{"1", "2", "3", "sichtbar", "4", "5", "6", "sichtbar"}));
    EXPECT_FALSE(Global::frmZIRVO3801Start.Visible);
    EXPECT_EQ(Global::frmZIRVO3801Start.lblStartZähler.Caption(), "");
    EXPECT_EQ(basZIRVO3801::Hilfedatei, (ordner.Programm / "hilfe").string());
    EXPECT_TRUE(basZIRVO3801::OptionenAufruf != nullptr);
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());

    // The version check answers later: nothing to report leaves the notice
    // hidden; a text is shown in the main window.
    ASSERT_TRUE(start.Versionsmeldung);
    start.Log.clear();
    start.Versionsmeldung("");
    EXPECT_TRUE(start.Log.empty());
    start.Versionsmeldung("Hinweis:\r\n\r\nVon diesem Programm gibt es eine neuere Version (10).");
    EXPECT_EQ(start.Log, (L{"Hinweis: Hinweis:\r\n\r\nVon diesem Programm gibt es eine neuere Version (10)."}));

    // The end writes the settings once, keeping the lines the program does
    // not know.
    Global::Initialisierung.LetzteProjekteDatei("/p/neu.zirvo9");
    basZIRVO3801::ProgrammBeenden();
    std::string nachEnde = IniInhalt();
    EXPECT_NE(nachEnde.find("Kommentar ohne Gleichheitszeichen\r\n"), std::string::npos);
    EXPECT_NE(nachEnde.find("File1=/p/neu.zirvo9\r\n"), std::string::npos) << nachEnde;
    EXPECT_NE(nachEnde.find("File2=/p/alt.zirvo9\r\n"), std::string::npos) << nachEnde;
    EXPECT_NE(nachEnde.find("Window Position=10,20,9000,7000,0"), std::string::npos);
    Global::Initialisierung.OrdnerProjekte = "/anders";
    basZIRVO3801::ProgrammBeenden();
    EXPECT_EQ(IniInhalt(), nachEnde);
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());
}

TEST_F(StartTest, ZweiteKopieWirdAbgewiesen) {
    start.ZweiteKopie = true;
    EXPECT_FALSE(basZIRVO3801::Main("/p/projekt.zirvo9", start));
    // Texts and comma input were on before the check; nothing else ran.
    EXPECT_EQ(start.Log, (L{"Kopie?"}));
    ASSERT_EQ(test.meldungen.Gezeigt.size(), 1u);
    const auto& m = test.meldungen.Nr(0);
    EXPECT_EQ(m.Text, "Das Programm kann nicht mehrfach gestartet werden.");
    EXPECT_EQ(m.Titel, basZIRVO3801::ProgrammTitel);
    EXPECT_EQ(m.Symbol, Plattform::Symbol::Fehler);
    EXPECT_EQ(m.Knöpfe, Plattform::Knöpfe::OK);
    // The refused copy writes no settings, even when its end is run.
    basZIRVO3801::ProgrammBeenden();
    EXPECT_FALSE(fs::exists(IniPfad()));
    EXPECT_FALSE(fs::exists(ordner.Konfiguration));
}

TEST_F(StartTest, ZweiteKopieLässtDieEinstellungenDerErstenStehen) {
    // A first run read the settings; a refused second start must not make
    // a later end write empty settings over them.
    IniSchreiben("File1=/p/a.zirvo9");
    ASSERT_TRUE(basZIRVO3801::Main("", start));
    start.ZweiteKopie = true;
    EXPECT_FALSE(basZIRVO3801::Main("", start));
    Global::Initialisierung = ::Initialisierung();
    basZIRVO3801::ProgrammBeenden();
    EXPECT_EQ(IniInhalt(), "File1=/p/a.zirvo9");
}

TEST_F(StartTest, Befehlszeile) {
    using Programmstart::BefehlszeilenProjekt;
    // One pair of enclosing quotes goes; the rest is taken whole, and a
    // relative path is taken from the folder the program started in.
    const std::string hier = std::filesystem::current_path().string() + "/";
    EXPECT_EQ(BefehlszeilenProjekt("\"/home/a b/Projekt 1.zirvo9\""), "/home/a b/Projekt 1.zirvo9");
    EXPECT_EQ(BefehlszeilenProjekt("/home/a b/Projekt 1.zirvo9"), "/home/a b/Projekt 1.zirvo9");
    EXPECT_EQ(BefehlszeilenProjekt("/home/./a/../Projekt.zirvo9"), "/home/Projekt.zirvo9");
    EXPECT_EQ(BefehlszeilenProjekt("Projekt.zirvo9"), hier + "Projekt.zirvo9");
    EXPECT_EQ(BefehlszeilenProjekt("\"examples/Haus A.zirvo9\""), hier + "examples/Haus A.zirvo9");
    EXPECT_EQ(BefehlszeilenProjekt("\""), hier + "\"");
    EXPECT_EQ(BefehlszeilenProjekt(""), "");
    EXPECT_EQ(BefehlszeilenProjekt("\"\""), "");
    EXPECT_EQ(BefehlszeilenProjekt("\"\"a\"\""), hier + "\"a\"");
    EXPECT_EQ(BefehlszeilenProjekt("\"/p/a.zirvo9"), hier + "\"/p/a.zirvo9");
    EXPECT_EQ(BefehlszeilenProjekt("/p/a.zirvo9\""), "/p/a.zirvo9\"");
    EXPECT_EQ(BefehlszeilenProjekt(" \"/p/a.zirvo9\""), hier + " \"/p/a.zirvo9\"");
    EXPECT_EQ(BefehlszeilenProjekt("-x /p/a.zirvo9"), hier + "-x /p/a.zirvo9");

    // The arguments after the program's name, joined by one blank.
    const char* argv[] = {"ZIRVO3801", "/home/a", "b/Projekt.zirvo9"};
    EXPECT_EQ(Programmstart::Befehlszeile(3, argv), "/home/a b/Projekt.zirvo9");
    EXPECT_EQ(Programmstart::Befehlszeile(1, argv), "");

    // What reaches the main window.
    struct Fall {
        std::string befehlszeile;
        L erwartet;
    };
    for (const Fall& f : {Fall{"", {}}, Fall{"\"\"", {}}, Fall{"/p/\"", {"Projekt: /p/\""}},
                          Fall{"/a b/c d.zirvo9", {"Projekt: /a b/c d.zirvo9"}},
                          Fall{"\"/a b/c.zirvo9\"", {"Projekt: /a b/c.zirvo9"}}}) {
        Protokollstart s;
        ASSERT_TRUE(basZIRVO3801::Main(f.befehlszeile, s));
        L projekte;
        for (const auto& z : s.Log)
            if (z.rfind("Projekt: ", 0) == 0) projekte.push_back(z);
        EXPECT_EQ(projekte, f.erwartet) << f.befehlszeile;
        EXPECT_EQ(s.Log.back(), f.erwartet.empty() ? "Version" : f.erwartet.back());
    }
}

TEST_F(StartTest, EinstellungenNichtSchreibbar) {
    // The settings folder cannot be made: a file stands where it belongs.
    fs::create_directories(ordner.Konfiguration.parent_path());
    ASSERT_TRUE(Dateien::SicherSchreiben(ordner.Konfiguration.string(), "kein Ordner"));
    ASSERT_TRUE(basZIRVO3801::Main("", start));
    Global::Initialisierung.OrdnerProjekte = "/p";
    basZIRVO3801::ProgrammBeenden();
    ASSERT_EQ(test.meldungen.Gezeigt.size(), 1u);
    const auto& m = test.meldungen.Nr(0);
    EXPECT_EQ(m.Text.rfind("Die Einstellungen konnten nicht gespeichert werden.\n" + IniPfad().string() + "\n", 0),
              0u)
        << m.Text;
    EXPECT_GT(m.Text.size(), ("Die Einstellungen konnten nicht gespeichert werden.\n" + IniPfad().string() + "\n").size());
    EXPECT_EQ(m.Symbol, Plattform::Symbol::Fehler);
    EXPECT_EQ(Dateien::Lesen(ordner.Konfiguration.string()).value_or(""), "kein Ordner");
}

TEST_F(StartTest, Startzähler) {
    Label& z = Global::frmZIRVO3801Start.lblStartZähler;
    z.setCaption("");
    basZIRVO3801::ZahlLabelAktualisieren();
    EXPECT_EQ(z.Caption(), "1");
    z.setCaption("9");
    basZIRVO3801::ZahlLabelAktualisieren();
    EXPECT_EQ(z.Caption(), "10");
    z.setCaption("keine Zahl");
    basZIRVO3801::ZahlLabelAktualisieren();
    EXPECT_EQ(z.Caption(), "1");
    z.setCaption("");
}

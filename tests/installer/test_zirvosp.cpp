// The service-pack installer on temporary folders: volumes in a fake list,
// each maybe holding the program folder with a version record, and a
// service pack beside them. Every case runs the whole start, answers
// "Ja, installieren" and compares what was found, the messages, the exit
// status and the files of the program folder afterwards.
#include "frame/Versionsnummer.h"
#include "installer/Datentraeger.h"
#include "installer/WindowsFileInfo.h"
#include "installer/frmZIRVOSP.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Lesen(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
}
void Schreiben(const fs::path& p, const std::string& inhalt, fs::perms rechte = fs::perms(0644)) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << inhalt;
    fs::permissions(p, rechte);
}

const std::string H = std::to_string(Versionsnummer::Haupt);
const std::string N = std::to_string(Versionsnummer::Neben);
const std::string Ordner = "ZIRVO-V" + H;

struct Volume {
    const char* Name;
    bool Wechselbar;
    std::string Satz; // the version record of the program there; "-" no program
};

enum class Störung { Keine, OrdnerStattDatei, NurLesbar };

struct Fall {
    const char* Titel;
    std::vector<Volume> Volumes;
    std::string Ziel;         // --ziel below the test folder ("": search the volumes)
    Störung Stoerung = Störung::Keine;
    std::string Gefunden;     // the volume (or --ziel folder) found, "": none
    int Status;
    std::vector<std::string> Kopiert;
    std::vector<std::string> Meldung; // pieces of the last message
};

class ZIRVOSP : public ::testing::Test {
protected:
    fs::path Wurzel = fs::temp_directory_path() / ("zirvo_test_sp_" + std::to_string(::getpid()));
    void SetUp() override { fs::remove_all(Wurzel); }
    void TearDown() override {
        std::error_code ec;
        for (auto& e : fs::recursive_directory_iterator(Wurzel, ec)) fs::permissions(e.path(), fs::perms::all, ec);
        fs::remove_all(Wurzel, ec);
    }
};

TEST_F(ZIRVOSP, SuchenPruefenKopieren) {
    const std::string passt = H + "." + N + ".0.98";
    const std::string neben = H + "." + std::to_string(Versionsnummer::Neben + 1) + ".0.98";
    const std::string andererBuild = H + "." + N + ".7.65535";
    const std::vector<std::string> alle = {"Hilfe.txt", "Neu.txt", "ZIRVO3801", "ZIRVO3801.version"};
    const Fall fälle[] = {
        {"Feste Platte übergangen, die erste passende wechselbare gilt",
         {{"a", false, passt}, {"b", true, "-"}, {"c", true, passt}, {"d", true, passt}}, "", Störung::Keine, "c",
         0, alle, {"Das Servicepack ist installiert."}},
        {"9.1 passt nicht zu 9.0, der Build zählt nicht",
         {{"a", true, neben}, {"b", true, andererBuild}}, "", Störung::Keine, "b", 0, alle, {}},
        {"Ein beschädigter Versionssatz lässt das nächste Volume zu",
         {{"a", true, H + "." + N}, {"b", true, passt}}, "", Störung::Keine, "b", 0, alle, {}},
        {"Nichts passt",
         {{"a", false, passt}, {"b", true, neben}, {"c", true, "kaputt"}}, "", Störung::Keine, "", 1, {},
         {"Das Programm Bauphysik ZIRVO 380/1, Version " + H + "." + N + " (USB-Flashdrive) nicht gefunden."}},
        {"--ziel nennt ein Volume", {{"a", false, passt}}, "a", Störung::Keine, "a", 0, alle, {}},
        {"--ziel nennt den Programmordner", {{"a", false, passt}}, "a/" + Ordner, Störung::Keine, "a/" + Ordner, 0,
         alle, {}},
        {"Quelle = Ziel wird abgelehnt", {}, "sp", Störung::Keine, "", 1, {},
         {"sein Ordner ist der Programmordner"}},
        {"Ein Ordner unter einem Dateinamen bricht ab", {{"a", true, passt}}, "", Störung::OrdnerStattDatei, "a", 2,
         {"Hilfe.txt"},
         {"Die Datei 'Neu.txt' konnte nicht nach", "unvollständig", "Bereits ersetzte Dateien:\r\n    Hilfe.txt"}},
        {"Ein nur lesbares Ziel", {{"a", true, passt}}, "", Störung::NurLesbar, "a", 2, {},
         {"Die Datei 'Hilfe.txt' konnte nicht", "unvollständig", "Es wurde noch keine Datei ersetzt."}},
    };

    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        if (f.Stoerung == Störung::NurLesbar && ::geteuid() == 0) continue; // root writes anyway
        fs::remove_all(Wurzel);
        Testhilfe::Testumgebung umgebung;

        // The service pack: the installer (also under a second name in
        // other case), files to copy, and what is never copied.
        const fs::path sp = Wurzel / "sp";
        Schreiben(sp / "ZIRVOSP", "installer", fs::perms(0755));
        Schreiben(sp / "zirvoSP", "installer");
        Schreiben(sp / "Hilfe.txt", "neue Hilfe");
        Schreiben(sp / "Neu.txt", "neu");
        Schreiben(sp / "ZIRVO3801", "neues Programm", fs::perms(0755));
        Schreiben(sp / "ZIRVO3801.version", H + "." + N + ".0.99\n");
        Schreiben(sp / ".versteckt", "x");
        Schreiben(sp / "Unterordner" / "x.txt", "x");
        fs::create_symlink("Hilfe.txt", sp / "Verweis.txt");

        std::vector<Datenträger> volumes;
        for (const Volume& v : f.Volumes) {
            const fs::path w = Wurzel / v.Name;
            fs::create_directories(w);
            volumes.push_back({w.string(), v.Wechselbar});
            if (v.Satz == "-") continue;
            Schreiben(w / Ordner / "ZIRVO3801", "altes Programm");
            Schreiben(w / Ordner / "ZIRVO3801.version", v.Satz + "\n");
            Schreiben(w / Ordner / "Hilfe.txt", "alte Hilfe");
        }

        frmZIRVOSP m;
        m.Programmpfad = (sp / "ZIRVOSP").string();
        m.Ziel = f.Ziel.empty() ? "" : (Wurzel / f.Ziel).string();
        m.Laufwerke = [&] { return volumes; };
        bool gezeigt = false;
        m.Zeigen = [&] { gezeigt = true; };

        const fs::path gefunden = Wurzel / f.Gefunden;
        const fs::path ziel = gefunden.filename() == Ordner ? gefunden : gefunden / Ordner;
        if (f.Stoerung == Störung::OrdnerStattDatei) Schreiben(ziel / "Neu.txt" / "drin", "");
        if (f.Stoerung == Störung::NurLesbar) fs::permissions(ziel, fs::perms(0555));

        m.Form_Load();
        EXPECT_TRUE(gezeigt);
        EXPECT_EQ(m.Caption, "Bauphysik ZIRVO 380/1 " + H + "." + N + "  -  Service Pack installieren");
        EXPECT_EQ(m.Quellordner(), m.Programmpfad.substr(0, m.Programmpfad.rfind('/') + 1));
        if (!f.Gefunden.empty()) {
            ASSERT_FALSE(m.Beendet());
            EXPECT_EQ(m.Zielordner(), ziel.string() + "/");
            EXPECT_EQ(m.lblInfo.Caption(), "Das Programm ZIRVO wurde auf Laufwerk '" + gefunden.string() + "' gefunden.");
            EXPECT_EQ(m.lblFrage.Caption(), "Soll das Service Pack jetzt installiert werden?");
            m.cmdInstallieren_Click();
        }
        EXPECT_TRUE(m.Beendet());
        EXPECT_EQ(m.Rückgabe(), f.Status);
        EXPECT_EQ(m.Kopiert(), f.Kopiert);
        ASSERT_FALSE(umgebung.meldungen.Gezeigt.empty());
        const auto& meldung = *umgebung.meldungen.Letzte();
        EXPECT_EQ(meldung.Titel, "ZIRVOSP");
        EXPECT_EQ(meldung.Symbol, f.Status == 0 ? Plattform::Symbol::Information : Plattform::Symbol::Fehler);
        for (const auto& stück : f.Meldung) EXPECT_NE(meldung.Text.find(stück), std::string::npos) << meldung.Text;

        // What was copied holds the pack's bytes (an executable stays one);
        // the rest of the folder is as it was, and nothing else came in.
        if (f.Gefunden.empty()) continue;
        for (const auto& name : alle) {
            const bool neu = std::find(f.Kopiert.begin(), f.Kopiert.end(), name) != f.Kopiert.end();
            EXPECT_TRUE((name == "Neu.txt" && !neu) || (Lesen(ziel / name) == Lesen(sp / name)) == neu) << name;
        }
        const auto rechte = fs::status(ziel / "ZIRVO3801").permissions();
        EXPECT_TRUE(f.Status != 0 || (rechte & fs::perms::owner_exec) != fs::perms::none);
        for (const char* nie : {"ZIRVOSP", "zirvoSP", ".versteckt", "Unterordner", "Verweis.txt"})
            EXPECT_FALSE(fs::exists(fs::symlink_status(ziel / nie))) << nie;
        for (auto& e : fs::directory_iterator(ziel))
            EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
    }
}

TEST(ZIRVOSPVersion, Versionssatz) {
    const fs::path ordner = fs::temp_directory_path() / ("zirvo_test_spv_" + std::to_string(::getpid()));
    fs::create_directories(ordner);
    const std::pair<std::string, std::string> fälle[] = {
        {"9.0.0.98\n", "9.0.0.98"}, {"9.0.0.98\r\n", "9.0.0.98"}, {"09.00.0.65535", "9.0.0.65535"}, {"9.0.0", ""},
        {"9.0.0.65536", ""}, {"9.0.0.98.1", ""}, {" 9.0.0.98", ""}, {"9.0.a.98", ""}, {"", ""}, {std::string(70, '9'), ""}};
    for (const auto& [satz, version] : fälle) {
        std::ofstream(ordner / "ZIRVO3801.version", std::ios::binary) << satz;
        EXPECT_EQ(WindowsFileInfo::DateiVersion((ordner / "ZIRVO3801").string()), version) << satz;
    }
    fs::remove(ordner / "ZIRVO3801.version");
    EXPECT_EQ(WindowsFileInfo::DateiVersion((ordner / "ZIRVO3801").string()), "");
    fs::remove_all(ordner);
}

// Removable: the disk's sysfs flag (of the disk a partition lies on, of a
// device named through a link), or a mount point below /media or /run/media.
TEST(ZIRVOSPVersion, Datentraegerliste) {
    const fs::path sys = fs::temp_directory_path() / ("zirvo_test_sys_" + std::to_string(::getpid()));
    fs::remove_all(sys);
    auto platte = [&](const std::string& bus, const std::string& disk, const char* flag, const std::string& teil) {
        const fs::path d = sys / "devices" / bus / "block" / disk;
        Schreiben(d / "removable", flag);
        fs::create_directories(sys / "class" / "block");
        if (teil.empty()) {
            fs::create_directory_symlink(d, sys / "class" / "block" / disk);
        } else {
            Schreiben(d / teil / "partition", "1");
            fs::create_directory_symlink(d / teil, sys / "class" / "block" / teil);
        }
    };
    platte("usb", "sdb", "1\n", "sdb1");
    platte("ata", "sda", "0\n", "sda1");
    platte("usb2", "sdc", "1\n", "");
    Schreiben(sys / "dev" / "sdb1", "");
    fs::create_directories(sys / "dev" / "by-label");
    fs::create_symlink("../sdb1", sys / "dev" / "by-label" / "STICK");
    const std::string stick = (sys / "dev" / "by-label" / "STICK").string();
    auto liste = Datenträgerliste::Ordnen({{"/", "/dev/sda1"},
                                           {"/mnt/usb", stick},
                                           {"/run/media/u/S", ""},
                                           {"/media/x/STICK", "/dev/sda2"},
                                           {"/boot", "/dev/sdc"},
                                           {"/mediathek", "/dev/sda1"},
                                           {"/proc", "proc"}},
                                          sys.string());
    std::string text;
    for (const auto& d : liste) text += d.Wurzel + (d.Wechselbar ? "+ " : "- ");
    EXPECT_EQ(text, "/- /boot+ /media/x/STICK+ /mediathek- /mnt/usb+ /proc- /run/media/u/S+ ");
    fs::remove_all(sys);
}

} // namespace

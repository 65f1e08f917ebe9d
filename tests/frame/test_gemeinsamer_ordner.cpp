// Files in a folder that several users share: every safe write (material
// database, project file, settings) leaves the file with its group, owner,
// mode and access-control list, so the others keep their access, and never
// replaces a file that the writer may not write, nor one whose mode lets
// nobody write it, also when root saves.
#include "components/Baustoff.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "project/Projekt.h"
#include "tests/components/Komponentenhilfe.h"
#include "frame/basZIRVODialogSprache.h"
#include "tests/support/Fremdbenutzer.h"
#include "tests/support/Testplattform.h"
#include "tests/support/Zugriffsliste.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <cstring>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Testhilfe::ListeSetzen;
using Testhilfe::ListeVon;
using Testhilfe::Zugriffsliste;

namespace {

struct Schreiber {
    const char* Titel;
    const char* Name;                                    // the file's name in the folder
    std::function<bool(const std::string& pfad)> Speichern; // true when saved
};

struct stat Status(const std::string& pfad) {
    struct stat st {};
    EXPECT_EQ(::stat(pfad.c_str(), &st), 0) << pfad;
    return st;
}

} // namespace

TEST(GemeinsamerOrdner, GruppeBleibtSchreibschutzGilt) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root, to give the files another user and group";
    // A user and a group other than root's.
    const group* gruppe = nullptr;
    for (const char* name : {"staff", "users", "daemon"})
        if ((gruppe = ::getgrnam(name)) && gruppe->gr_gid != 0) break;
    const passwd* benutzer = ::getpwnam("daemon");
    if (!benutzer) benutzer = ::getpwnam("nobody");
    ASSERT_TRUE(gruppe && gruppe->gr_gid != 0 && benutzer && benutzer->pw_uid != 0);
    const gid_t gid = gruppe->gr_gid;
    const uid_t uid = benutzer->pw_uid;

    Testhilfe::Testumgebung test;
    Testhilfe::SkriptUmgebung umgebung;
    Plattform::DiensteSetzen dienste{
        Plattform::Dienste{&test.meldungen, &test.dateidialoge, nullptr, nullptr, &umgebung}};
    Testhilfe::Testordner ordner("gemeinsam");
    umgebung.Programm = ordner.pfad.string();
    umgebung.Konfiguration = ordner.pfad.string();

    int nummer = 0;
    const Schreiber schreiber[] = {
        {"Baustoff-Datenbank", "Baustoff.dbk",
         [&](const std::string& pfad) {
             Baustoff db;
             if (!db.DBOpen(pfad)) return false;
             db.NewRecord();
             db.setBez("Satz " + std::to_string(++nummer));
             return db.Save() > 0;
         }},
        {"Projektdatei", "Haus.zirvo9",
         [&](const std::string& pfad) {
             Projekt p;
             p.ProjektNeu();
             p.PSetStr("Haus " + std::to_string(++nummer), "Bez");
             return p.ProjektSpeichern(pfad) == 0;
         }},
        {"Einstellungen", "ZIRVO3801.ini",
         [&](const std::string&) {
             Initialisierung ini;
             ini.ProgrammSetzen("", "", "", "");
             ini.Projektverfasser = "Verfasser " + std::to_string(++nummer);
             return ini.RegistrierungSpeichern();
         }},
    };
    std::string ohneListe;
    for (const Schreiber& s : schreiber) {
        SCOPED_TRACE(s.Titel);
        const std::string pfad = ordner.Datei(s.Name);
        ASSERT_TRUE(s.Speichern(pfad));

        // Another user's file, for its group to read and write, and by its
        // access-control list for the user nobody and a group of its own.
        ASSERT_EQ(::chown(pfad.c_str(), uid, gid), 0);
        ASSERT_EQ(::chmod(pfad.c_str(), 0660), 0);
        ohneListe = ListeSetzen(pfad, Zugriffsliste({{1, 6}, {2, 6, 65534}, {4, 6}, {8, 6, 4711}, {16, 6}, {32, 0}}));
        const std::string liste = ListeVon(pfad);
        const std::string vorher = Dateien::Lesen(pfad).value_or("");
        EXPECT_TRUE(s.Speichern(pfad));
        struct stat st = Status(pfad);
        EXPECT_NE(Dateien::Lesen(pfad).value_or(""), vorher);
        EXPECT_EQ(st.st_uid, uid);
        EXPECT_EQ(st.st_gid, gid);
        EXPECT_EQ(st.st_mode & 07777, 0660u);
        EXPECT_EQ(ListeVon(pfad), liste);

        // Nobody may write it: not replaced, by root neither.
        ASSERT_EQ(::chmod(pfad.c_str(), 0444), 0);
        const std::string geschützt = Dateien::Lesen(pfad).value_or("");
        EXPECT_FALSE(s.Speichern(pfad));
        EXPECT_EQ(Dateien::Lesen(pfad).value_or(""), geschützt);
        EXPECT_EQ(Status(pfad).st_ino, st.st_ino);
        EXPECT_FALSE(Dateien::HatSchreibreste(pfad));
    }
    if (!ohneListe.empty()) GTEST_SKIP() << ohneListe;
}

// A user in the folder's group could replace every file in it: the folder
// alone lets the rename through; and the file it wrote became the writer's. The file's own rights for the writer
// decide: the bits of owner, group or others, whichever apply to it, and
// the access-control list; root may write any file some mode bit lets be
// written.
TEST(GemeinsamerOrdner, ErsetztNurWasDerSchreiberSchreibenDarf) {
    basZIRVODialogSprache::SpracheSetzen();
    std::string grund;
    const auto niemand = Testhilfe::Niemand(grund);
    if (!niemand) GTEST_SKIP() << grund;
    const gid_t team = Testhilfe::FreieGruppe();
    const std::uint32_t wer = niemand->pw_uid;
    struct Fall {
        const char* Titel;
        bool Eigene, AlsRoot; // the writer's file (else a colleague's), saved by root
        mode_t Modus;
        std::string Liste;    // its access-control list, if any
        bool Ersetzt;
    };
    const Fall fälle[] = {
        {"fremd 0644", false, false, 0644, "", false},
        {"fremd 0664: die Gruppe darf schreiben", false, false, 0664, "", true},
        {"fremd 0646: die Gruppe darf es nicht, alle anderen schon", false, false, 0646, "", false},
        {"eigene 0644", true, false, 0644, "", true},
        {"fremd 0644, root speichert", false, true, 0644, "", true},
        {"fremd 0666, die Liste gibt nur Leserecht", false, false, 0666,
         Zugriffsliste({{1, 6}, {2, 4, wer}, {4, 6}, {16, 6}, {32, 6}}), false},
        {"fremd 0640, die Liste gibt Schreibrecht", false, false, 0640,
         Zugriffsliste({{1, 6}, {2, 6, wer}, {4, 4}, {16, 6}, {32, 0}}), true},
    };
    Testhilfe::Testordner ordner("fremde_datei");
    ASSERT_EQ(::chown(ordner.pfad.c_str(), 0, team), 0);
    ASSERT_EQ(::chmod(ordner.pfad.c_str(), 0775), 0);
    std::string ohneListe;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        const std::string pfad = ordner.Datei(f.Titel);
        ASSERT_TRUE(Dateien::SicherSchreiben(pfad, "alt"));
        ASSERT_EQ(::chown(pfad.c_str(), f.Eigene ? niemand->pw_uid : 4711, team), 0);
        ASSERT_EQ(::chmod(pfad.c_str(), f.Modus), 0);
        if (!f.Liste.empty() && !(ohneListe = ListeSetzen(pfad, f.Liste)).empty()) continue;
        const struct stat vorher = Status(pfad);
        const std::string liste = ListeVon(pfad);

        auto speichern = [&pfad] {
            std::string fehler;
            const bool ok = Dateien::SicherSchreiben(pfad, "neu", &fehler);
            return std::string(Dateien::Schreibgeschützt(pfad) ? "geschützt: " : "frei: ") + (ok ? "ok" : fehler);
        };
        const auto ergebnis = f.AlsRoot ? speichern() : Testhilfe::AlsBenutzer(*niemand, {team}, speichern);
        EXPECT_EQ(ergebnis, f.Ersetzt ? "frei: ok" : "geschützt: die Datei ist schreibgeschützt");
        const struct stat nachher = Status(pfad);
        EXPECT_EQ(Dateien::Lesen(pfad).value_or(""), f.Ersetzt ? "neu" : "alt");
        // A colleague's file gets its new content in place: it stays its
        // owner's.
        EXPECT_EQ(nachher.st_ino == vorher.st_ino, !f.Ersetzt || (!f.Eigene && !f.AlsRoot));
        EXPECT_EQ(nachher.st_uid, vorher.st_uid);
        EXPECT_EQ(nachher.st_gid, team);
        EXPECT_EQ(nachher.st_mode & 07777, vorher.st_mode & 07777);
        EXPECT_EQ(ListeVon(pfad), liste);
    }
    if (!ohneListe.empty()) GTEST_SKIP() << "the cases with a list were left out: " << ohneListe;
}

// A project or settings save killed midway leaves its temporary file beside
// the file: the next open or save of that file removes it once its writer
// no longer holds it (one still held is another copy's save under way). Every
// name that can be opened, up to 255 bytes, can be saved under itself.
TEST(GemeinsamerOrdner, SchreibresteUndLangeNamen) {
    Testhilfe::Testumgebung test;
    Testhilfe::SkriptUmgebung umgebung;
    Plattform::DiensteSetzen dienste{
        Plattform::Dienste{&test.meldungen, &test.dateidialoge, nullptr, nullptr, &umgebung}};
    Testhilfe::Testordner ordner("schreibreste"), programm("schreibreste_programm");
    umgebung.Programm = programm.pfad.string();
    umgebung.Konfiguration = ordner.pfad.string();
    // Two-byte characters, so that a cut may fall inside one.
    auto lang = [](std::size_t bytes) { return std::string(bytes - 7, 'x') + ".zirvo9"; };
    auto langÜ = [](std::size_t bytes) {
        std::string n;
        while (n.size() + 7 + 2 <= bytes) n += "Ü";
        return n + std::string(bytes - 7 - n.size(), 'x') + ".zirvo9";
    };
    const std::pair<std::string, bool> fälle[] = {// the file's name; saved (else opened)
                                                  {"Haus.zirvo9", false}, {"Haus.zirvo9", true},
                                                  {lang(245), false},     {langÜ(250), true},
                                                  {langÜ(255), true},     {"ZIRVO3801.ini", false},
                                                  {"ZIRVO3801.ini", true}};
    for (const auto& [name, speichernd] : fälle) {
        SCOPED_TRACE(name.size());
        const std::string pfad = ordner.Datei(name);
        const bool projekt = name != "ZIRVO3801.ini";
        auto speichern = [&] {
            Initialisierung ini;
            ini.ProgrammSetzen("", "", "", "");
            Projekt p;
            p.ProjektNeu();
            return projekt ? p.ProjektSpeichern(pfad) == 0 : ini.RegistrierungSpeichern();
        };
        ASSERT_TRUE(speichern());
        // Leftovers as a killed save leaves them, and one a writer holds.
        std::string alt = Dateien::Temporärmuster(pfad), jung = alt;
        alt.replace(alt.size() - 6, 6, "Alt123");
        jung.replace(jung.size() - 6, 6, "Jung45");
        EXPECT_LE(fs::path(Dateien::Kopiemuster(pfad)).filename().string().size(), 255u);
        std::ofstream(alt) << "halb";
        std::ofstream(jung) << "halb";
        ASSERT_TRUE(fs::exists(alt));
        const int gehalten = ::open(jung.c_str(), O_RDONLY);
        ASSERT_EQ(::flock(gehalten, LOCK_EX), 0);
        if (speichernd) EXPECT_TRUE(speichern());
        else if (projekt) EXPECT_EQ(Projekt().ProjektEinlesen(pfad), 0);
        else Initialisierung().RegistrierungEinlesen();
        EXPECT_FALSE(fs::exists(alt));
        EXPECT_TRUE(fs::exists(jung));
        ::close(gehalten);
        fs::remove(jung);
        EXPECT_FALSE(Dateien::HatSchreibreste(pfad));
    }
    // Long names that differ only at their end keep apart.
    EXPECT_NE(Dateien::Kurzname(langÜ(255)), Dateien::Kurzname(langÜ(254) + "y"));
}

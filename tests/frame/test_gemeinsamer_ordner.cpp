// Files in a folder that several users share: every safe write (material
// database, project file, settings) leaves the file with its group, owner
// and mode, so the others keep their access, and never replaces a file
// whose mode lets nobody write it, also when root saves.
#include "components/Baustoff.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "project/Projekt.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Testplattform.h"

#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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
    for (const Schreiber& s : schreiber) {
        SCOPED_TRACE(s.Titel);
        const std::string pfad = ordner.Datei(s.Name);
        ASSERT_TRUE(s.Speichern(pfad));

        // Another user's file, for its group to read and write.
        ASSERT_EQ(::chown(pfad.c_str(), uid, gid), 0);
        ASSERT_EQ(::chmod(pfad.c_str(), 0660), 0);
        const std::string vorher = Dateien::Lesen(pfad).value_or("");
        EXPECT_TRUE(s.Speichern(pfad));
        struct stat st = Status(pfad);
        EXPECT_NE(Dateien::Lesen(pfad).value_or(""), vorher);
        EXPECT_EQ(st.st_uid, uid);
        EXPECT_EQ(st.st_gid, gid);
        EXPECT_EQ(st.st_mode & 07777, 0660u);

        // Nobody may write it: not replaced, by root neither.
        ASSERT_EQ(::chmod(pfad.c_str(), 0444), 0);
        const std::string geschützt = Dateien::Lesen(pfad).value_or("");
        EXPECT_FALSE(s.Speichern(pfad));
        EXPECT_EQ(Dateien::Lesen(pfad).value_or(""), geschützt);
        EXPECT_EQ(Status(pfad).st_ino, st.st_ino);
        EXPECT_FALSE(Dateien::HatSchreibreste(pfad));
    }
}

// The material database where the system limits it: files and folders this
// user may not write, lock files of other users, limits of the file size.
#include "components/Baustoff.h"
#include "components/frmBaustoff.h"
#include "frame/Initialisierung.h"
#include "frame/Dateien.h"
#include "tests/components/Baustoffdatei.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Fremdbenutzer.h"
#include "tests/support/Testplattform.h"
#include "tests/support/Zugriffsliste.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <set>
#include <sstream>
#include <limits>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace Baustofftest;

// A file whose mode lets nobody write it (root included) opens for reading
// only, with a message; save and delete refuse and leave it as it is.
TEST_F(BaustoffDatei, SchreibgeschuetzteDatei) {
    const std::string text = "BAUSTOFF.DBK|1.0\r\n1|bA\r\n";
    Schreiben(pfad, text);
    std::filesystem::permissions(pfad, std::filesystem::perms(0444));
    Baustoff db;
    ASSERT_TRUE(db.DBOpen(pfad));
    EXPECT_TRUE(db.NurLesen());
    ASSERT_EQ(test.meldungen.Gezeigt.size(), 1u);
    EXPECT_NE(test.meldungen.Nr(0).Text.find("schreibgeschützt"), std::string::npos);
    EXPECT_EQ(test.meldungen.Nr(0).Symbol, Plattform::Symbol::Warnung);
    EXPECT_EQ(Neu(db, "Neu"), -1);
    ASSERT_TRUE(db.Find(1));
    EXPECT_EQ(db.Delete(), -1);
    EXPECT_EQ(test.meldungen.Gezeigt.size(), 3u);
    EXPECT_EQ(Lesen(pfad), text);
    EXPECT_EQ(std::filesystem::status(pfad).permissions(), std::filesystem::perms(0444));
}

// A save or delete that would make the file larger than an open accepts
// (in bytes or records) is refused with a message; the file stays as it is.
TEST_F(BaustoffDatei, GrenzeDerDateigroesse) {
    const std::string text = "BAUSTOFF.DBK|1.0\r\n1|bA\r\n2|bB\r\n"; // 30 bytes, 2 records
    std::string lf = "BAUSTOFF.DBK|1.0\n";                           // 47 bytes, 6 records
    for (int i = 1; i <= 6; ++i) lf += std::to_string(i) + "|bX\n";
    struct Fall {
        const char* Titel;
        std::string Inhalt;
        Baustoff::Grenzen Grenzen;
        std::function<std::int64_t(Baustoff&)> Ändern;
    };
    const Fall fälle[] = {
        {"Ein Satz zu viel", text, {1000, 2}, [](Baustoff& db) { return Neu(db, "C"); }},
        {"Ein Byte zu viel", text, {35, 100}, [](Baustoff& db) { return Neu(db, "C"); }},
        {"Ein längerer Satz", text, {30, 100},
         [](Baustoff& db) {
             db.Find(2);
             db.setKBez("XY");
             return db.Save();
         }},
        // LF line ends become CR LF when the file is written.
        {"Löschen mit breiteren Zeilenenden", lf, {47, 100},
         [](Baustoff& db) {
             db.Find(2);
             return std::int64_t{db.Delete()};
         }},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        test.meldungen.Gezeigt.clear();
        Schreiben(pfad, f.Inhalt);
        Baustoff db(f.Grenzen);
        ASSERT_TRUE(db.DBOpen(pfad));
        EXPECT_EQ(f.Ändern(db), -1);
        EXPECT_EQ(Lesen(pfad), f.Inhalt);
        ASSERT_EQ(test.meldungen.Gezeigt.size(), 1u);
        EXPECT_NE(test.meldungen.Nr(0).Text.find("zu gross"), std::string::npos);
    }
    // Up to the limit it is written.
    Schreiben(pfad, text);
    Baustoff db(Baustoff::Grenzen{36, 3});
    ASSERT_TRUE(db.DBOpen(pfad));
    EXPECT_EQ(Neu(db, "C"), 3);
}

// Under a file-size limit a save fails as on a full disk: the message
// names the reason in German, the file stays whole, no temporary file
// remains, and the program is not killed by the signal.
TEST_F(BaustoffDatei, DateigrenzeWieVolleDisk) {
    std::string text = "BAUSTOFF.DBK|1.0\r\n";
    for (int i = 1; i <= 300; ++i) text += std::to_string(i) + "|bBaustoff Nummer " + std::to_string(i) + "\r\n";
    Schreiben(pfad, text);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        Dateien::DateigrössenSignalAbschalten();
        rlimit grenze{4096, 4096};
        int fehler = ::setrlimit(RLIMIT_FSIZE, &grenze) == 0 ? 0 : 10;
        Baustoff db;
        if (!db.DBOpen(pfad)) fehler |= 1;
        if (Neu(db, "Zu viel") != -1) fehler |= 2;
        const auto* m = test.meldungen.Letzte();
        if (!m || m->Text.find("(die Datei wird zu gross)") == std::string::npos) fehler |= 4;
        if (Lesen(pfad) != text) fehler |= 8;
        for (auto& e : std::filesystem::directory_iterator(ordner.pfad))
            if (e.path().filename().string().find("~zirvo-tmp-") != std::string::npos) fehler |= 16;
        ::_exit(fehler);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "beendet durch Signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// schritt as the user "nobody" with the one supplementary group gruppe (0:
// none), in a child process when this test runs as root; else as this
// user, whom a folder's mode restricts as well. "-" and why when the child
// cannot become that user.
std::string AlsAndererBenutzer(const std::function<std::string()>& schritt, gid_t gruppe = 0) {
    if (::geteuid() != 0) return schritt();
    std::string grund;
    const auto nobody = Testhilfe::Niemand(grund);
    if (!nobody) return "-" + grund;
    const auto text = Testhilfe::AlsBenutzer(*nobody, gruppe ? std::vector<gid_t>{gruppe} : std::vector<gid_t>{}, schritt);
    return text ? *text : "-kein Wechsel zum Benutzer nobody";
}

mode_t Rechte(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Under umask 077 the lock file is readable by everyone and writable by its
// maker alone (so is an older lock file of this user, whatever bits it
// had), so a second user of the group, or one an access-control entry lets
// write the file, opens, reads and saves, and no one else can fill it; a
// lock file this user cannot open is named with its owner, and the
// database opens for reading only.
TEST_F(BaustoffDatei, SperrdateiFuerJedenBenutzer) {
    struct Fall {
        const char* Titel;
        mode_t Datei;        // the database file's mode; 0: none yet
        mode_t SperreVorher; // a lock file already there; 0: none
        mode_t SperreDanach;
    };
    const Fall fälle[] = {
        {"Neue Datenbank", 0, 0, 0644}, {"Datei 0644", 0644, 0, 0644}, {"Datei 0660", 0660, 0, 0644},
        {"Datei 0666", 0666, 0, 0644},  {"Datei 0600", 0600, 0, 0644}, {"Alte Sperrdatei 0600, Datei 0664", 0664, 0600, 0644},
        {"Alte Sperrdatei 0666, Datei 0664", 0664, 0666, 0644},
    };
    // The umask, for as long as it lives.
    struct Umask {
        mode_t bisher = ::umask(077);
        ~Umask() { ::umask(bisher); }
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        Umask umask;
        std::filesystem::remove(pfad);
        std::filesystem::remove(sperre);
        if (f.Datei) Schreiben(pfad, "BAUSTOFF.DBK|1.0\r\n1|bA\r\n");
        if (f.Datei) ::chmod(pfad.c_str(), f.Datei);
        if (f.SperreVorher) Schreiben(sperre, "$");
        if (f.SperreVorher) ::chmod(sperre.c_str(), f.SperreVorher);
        Baustoff db;
        ASSERT_TRUE(db.DBOpen(pfad));
        EXPECT_EQ(Rechte(sperre), f.SperreDanach);
    }
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());

    // The team's folder and file, root's and of a group number that no
    // group of the system has (so there is nothing to undo); the second
    // user is of that group alone.
    if (::geteuid() != 0) GTEST_SKIP() << "needs root, to give the files another user and group";
    const gid_t gruppe = Testhilfe::FreieGruppe();
    const std::string team = ordner.Datei("team"), datei = team + "/Baustoff.dbk", teamsperre = team + "/Baustoff.db$";
    std::filesystem::create_directory(team);
    Schreiben(datei, "BAUSTOFF.DBK|1.0\r\n1|bA\r\n");
    for (const auto& [p, rechte] : {std::pair{team, 0770}, std::pair{datei, 0660}})
        ASSERT_TRUE(::chown(p.c_str(), 0, gruppe) == 0 && ::chmod(p.c_str(), static_cast<mode_t>(rechte)) == 0);
    {
        Umask umask;
        Baustoff db;
        EXPECT_TRUE(db.DBOpen(datei));
    }
    EXPECT_EQ(Rechte(teamsperre), 0644u);
    const std::string text = AlsAndererBenutzer(
        [&] {
            Baustoff db;
            const bool offen = db.DBOpen(datei);
            return std::string(offen && !db.NurLesen() && test.meldungen.Gezeigt.empty() && Neu(db, "B") == 2 ? "" : "!");
        },
        gruppe);
    if (text.starts_with("-")) GTEST_SKIP() << text.substr(1);
    EXPECT_EQ(text, "");
    EXPECT_EQ(Lesen(datei), "BAUSTOFF.DBK|1.0\r\n1|bA\r\n2|bB\r\n");

    // A lock file of an older version, root's alone.
    ASSERT_TRUE(::chown(teamsperre.c_str(), 0, 0) == 0 && ::chmod(teamsperre.c_str(), 0600) == 0);
    const std::string meldung = AlsAndererBenutzer(
        [&] {
            Baustoff db;
            if (!db.DBOpen(datei) || !db.NurLesen() || db.Count() != 2 || Neu(db, "C") != -1) return std::string("!");
            return test.meldungen.Gezeigt.empty() ? std::string("!") : test.meldungen.Gezeigt[0].Text;
        },
        gruppe);
    EXPECT_NE(meldung.find("Die Sperrdatei \"" + teamsperre +
                           "\" (Eigentümer: root) kann nicht geöffnet werden: keine Berechtigung."),
              std::string::npos)
        << meldung;
    EXPECT_EQ(Lesen(datei), "BAUSTOFF.DBK|1.0\r\n1|bA\r\n2|bB\r\n");

    // Shared 0640 with the second user by an entry of its access-control
    // list alone (no group in common) by a user under umask 077: the second
    // user takes the lock all the same, and saves.
    const std::string geteilt = team + "/Geteilt.dbk";
    Schreiben(geteilt, "BAUSTOFF.DBK|1.0\r\n1|bA\r\n");
    std::string grund;
    const auto zweiter = Testhilfe::Niemand(grund);
    ASSERT_TRUE(zweiter) << grund;
    ASSERT_TRUE(::chmod(team.c_str(), 0777) == 0 && ::chmod(geteilt.c_str(), 0640) == 0);
    grund = Testhilfe::ListeSetzen(
        geteilt, Testhilfe::Zugriffsliste({{1, 6}, {2, 6, zweiter->pw_uid}, {4, 4}, {16, 6}, {32, 0}}));
    if (!grund.empty()) GTEST_SKIP() << grund;
    {
        Umask umask;
        Baustoff db;
        EXPECT_TRUE(db.DBOpen(geteilt));
    }
    EXPECT_EQ(AlsAndererBenutzer([&] {
                  Baustoff db;
                  const bool offen = db.DBOpen(geteilt) && !db.NurLesen() && test.meldungen.Gezeigt.empty();
                  return std::string(offen && Neu(db, "B") == 2 ? "" : "!");
              }),
              "");
    EXPECT_EQ(Lesen(geteilt), "BAUSTOFF.DBK|1.0\r\n1|bA\r\n2|bB\r\n");
}

// A database in a folder this user may not write (with or without a lock
// file there) opens for reading only, with the message that says so; a
// save is refused and nothing in the folder changes.
TEST_F(BaustoffDatei, OrdnerOhneSchreibrecht) {
    const std::string geschützt = ordner.Datei("geschuetzt");
    const std::string datei = geschützt + "/Baustoff.dbk", gsperre = geschützt + "/Baustoff.db$";
    const std::string text = "BAUSTOFF.DBK|1.0\r\n1|bA\r\n";
    for (const bool mitSperre : {false, true}) {
        SCOPED_TRACE(mitSperre ? "mit Sperrdatei" : "ohne Sperrdatei");
        test.meldungen.Gezeigt.clear();
        std::filesystem::remove_all(geschützt);
        std::filesystem::create_directory(geschützt);
        Schreiben(datei, text);
        if (mitSperre) Schreiben(gsperre, "$");
        // The file itself is writable for everyone: only the folder is not.
        ::chmod(datei.c_str(), 0666);
        // Root's folder, for nobody; this user's own, without write access.
        ::chmod(geschützt.c_str(), ::geteuid() == 0 ? 0755 : 0555);
        const std::string meldungen = AlsAndererBenutzer([&] {
            Baustoff db;
            if (!db.DBOpen(datei) || !db.NurLesen() || !db.Find(1) || db.Bez() != "A" || Neu(db, "B") != -1)
                return std::string("!");
            std::string t;
            for (const auto& m : test.meldungen.Gezeigt) t += (m.Symbol == Plattform::Symbol::Warnung ? "W " : "F ") + m.Text + "\n";
            return t;
        });
        ::chmod(geschützt.c_str(), 0755);
        if (meldungen.starts_with("-")) GTEST_SKIP() << meldungen.substr(1);
        EXPECT_NE(meldungen.find("W Baustoff-Datenbank:  " + datei + "\r\n\r\nDer Ordner \"" + geschützt +
                                 "\" ist schreibgeschützt.\r\nSie ist nur zum Lesen geöffnet"),
                  std::string::npos)
            << meldungen;
        EXPECT_NE(meldungen.find("F "), std::string::npos) << meldungen; // the refused save
        EXPECT_EQ(Lesen(datei), text);
        EXPECT_EQ(std::filesystem::exists(gsperre), mitSperre);
    }
}

} // namespace

// Several program copies on one material database file: the lock, records
// another copy changed, saves at the same moment, remains of a killed save.
#include "components/Baustoff.h"
#include "components/frmBaustoff.h"
#include "frame/Initialisierung.h"
#include "frame/Dateien.h"
#include "tests/components/Baustoffdatei.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Fremdbenutzer.h"
#include "tests/support/Testplattform.h"

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

// Two objects on one file, and a lock held by another program.
TEST_F(BaustoffDatei, ZweiKopienVerlierenKeinenSatz) {
    Baustoff a, b;
    ASSERT_TRUE(a.DBOpen(pfad));
    ASSERT_TRUE(b.DBOpen(pfad));
    EXPECT_EQ(Neu(a, "Aus A"), 1);
    EXPECT_EQ(Neu(b, "Aus B"), 2);
    EXPECT_EQ(Liste(b), (std::vector<std::string>{"Aus A", "Aus B"}));
    ASSERT_TRUE(a.Find(1));
    a.setKBez("A");
    EXPECT_EQ(a.Save(), 1);
    EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n1|bAus A|cA\r\n2|bAus B\r\n");

    // Another program holds the lock: the save says so and keeps the record.
    const int fd = ::open(sperre.c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    b.NewRecord();
    b.setBez("Wartet");
    EXPECT_EQ(b.Save(), -1);
    ASSERT_EQ(test.meldungen.Gezeigt.size(), 1u);
    EXPECT_NE(test.meldungen.Nr(0).Text.find("anderen Programm"), std::string::npos);
    EXPECT_EQ(b.Bez(), "Wartet");
    Baustoff c;
    EXPECT_FALSE(c.DBOpen(pfad));
    ::flock(fd, LOCK_UN);
    ::close(fd);
    EXPECT_EQ(b.Save(), 3);
    EXPECT_EQ(Liste(b), (std::vector<std::string>{"Aus A", "Aus B", "Wartet"}));
}

// Two copies on one file: A shows a record; meanwhile another copy deletes
// or changes it, or a copy started later gives its id to a new record. A's
// save or delete then leaves the file as the others left it and says so;
// what A typed stays, to be saved as a new record. An id a copy has seen is
// not given to a new record again.
struct Überholfall {
    const char* Titel;
    std::int64_t Gezeigt;                      // the record A shows
    std::function<void(Baustoff& b)> Anderswo; // what happens meanwhile
    std::int64_t NeuVonA;                      // the id A's typed record gets then
};

TEST_F(BaustoffDatei, AndereKopieHatDenSatzGeaendert) {
    const std::string anfang = "BAUSTOFF.DBK|1.0\r\n1|bA\r\n2|bB\r\n3|bC\r\n4|bD\r\n5|bE\r\n";
    auto löschen = [](Baustoff& db, std::int64_t id) {
        ASSERT_TRUE(db.Find(id));
        EXPECT_EQ(db.Delete(), 0);
    };
    const Überholfall fälle[] = {
        {"Höchste Nummer gelöscht, ein neuer Satz dazu", 5,
         [&](Baustoff& b) {
             löschen(b, 5);
             EXPECT_EQ(Neu(b, "VonB"), 6);
         },
         7},
        {"Mittlere Nummer gelöscht", 3, [&](Baustoff& b) { löschen(b, 3); }, 6},
        {"Geändert", 3,
         [&](Baustoff& b) {
             ASSERT_TRUE(b.Find(3));
             b.setKBez("B");
             EXPECT_EQ(b.Save(), 3);
         },
         6},
        {"Nummer einem neuen Satz gegeben", 5,
         [&](Baustoff& b) {
             löschen(b, 5);
             Baustoff c; // started later: it never saw id 5
             ASSERT_TRUE(c.DBOpen(pfad));
             EXPECT_EQ(Neu(c, "VonC"), 5);
         },
         6},
    };
    for (const Überholfall& f : fälle)
        for (const bool löscht : {false, true}) {
            SCOPED_TRACE(std::string(f.Titel) + (löscht ? ", A löscht" : ", A speichert"));
            test.meldungen.Gezeigt.clear();
            Schreiben(pfad, anfang);
            Baustoff a, b;
            ASSERT_TRUE(a.DBOpen(pfad));
            ASSERT_TRUE(b.DBOpen(pfad));
            ASSERT_TRUE(a.Find(f.Gezeigt));
            const std::string bez = a.Bez();
            f.Anderswo(b);
            const std::string anderer = Lesen(pfad);

            if (löscht) {
                EXPECT_EQ(a.Delete(), -1);
            } else {
                a.setKBez("A");
                EXPECT_EQ(a.Save(), -1);
            }
            EXPECT_TRUE(a.Überholt());
            EXPECT_EQ(Lesen(pfad), anderer);
            ASSERT_EQ(test.meldungen.Gezeigt.size(), 1u);
            EXPECT_NE(test.meldungen.Nr(0).Text.find(
                          "Der Baustoff wurde inzwischen in einer anderen Programmkopie geändert oder gelöscht."),
                      std::string::npos);
            if (!löscht) {
                // Saved again, what A typed becomes a record of its own.
                EXPECT_EQ(a.Save(), f.NeuVonA);
                EXPECT_EQ(Lesen(pfad), anderer + std::to_string(f.NeuVonA) + "|b" + bez + "|cA\r\n");
            }
            // A's list shows the file as it is.
            Baustoff frisch;
            ASSERT_TRUE(frisch.DBOpen(pfad));
            EXPECT_EQ(Liste(a), Liste(frisch));
        }
}

// Program copies saving new records at the same moment, half of them
// through a symbolic link to the file (an absolute one from one user's
// folder, a relative chain of two from another's): every save either ends
// in the file or reports that it did not, a refused save that the user
// repeats a moment later ends in the file, no two records share an id, and
// the lock is the one beside the file, never one beside a link.
TEST_F(BaustoffDatei, KopienGleichzeitig) {
    struct Fall {
        const char* Titel;
        int Kopien;
        bool HalbDurchLink; // every second copy opens the file through a link
        int Sätze;          // the new records each copy saves
    };
    const Fall fälle[] = {{"Zwei Kopien", 2, false, 60}, {"Vier Kopien, die Hälfte durch einen Link", 4, true, 100}};
    namespace fs = std::filesystem;
    const fs::path anna = ordner.pfad / "anna", beat = ordner.pfad / "beat";
    fs::create_directories(anna);
    fs::create_directories(beat);
    fs::create_symlink(pfad, anna / "Baustoff.dbk");
    fs::create_symlink("Zwischen.dbk", beat / "Baustoff.dbk");
    fs::create_symlink("../Baustoff.dbk", beat / "Zwischen.dbk");
    const std::string wege[] = {pfad, (anna / "Baustoff.dbk").string(), pfad, (beat / "Baustoff.dbk").string()};

    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        fs::remove(pfad);
        fs::remove(sperre);
        test.meldungen.Gezeigt.clear();
        // The copies start together once this pipe is closed.
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        std::vector<std::unique_ptr<Testhilfe::Kindprozess>> kopien;
        for (int k = 0; k < f.Kopien; ++k)
            kopien.push_back(std::make_unique<Testhilfe::Kindprozess>([&, k] {
                ::close(start[1]);
                char c;
                if (::read(start[0], &c, 1) != 0) return std::string();
                // Opening or saving while another copy writes is refused at
                // once, with a message; the user tries again (here after a
                // millisecond). The first line: how often, and whether every
                // refusal was said.
                const std::string& weg = f.HalbDurchLink ? wege[k % 4] : pfad;
                int wiederholt = 0;
                std::string gespeichert;
                Baustoff db;
                bool offen = db.DBOpen(weg);
                for (; !offen && wiederholt < 5000; ++wiederholt, ::usleep(1000)) offen = db.DBOpen(weg);
                for (int i = 0; offen && i < f.Sätze; ++i) {
                    const std::string bez = "K" + std::to_string(k) + "-" + std::to_string(i);
                    std::int64_t id = Neu(db, bez);
                    for (int versuch = 0; id < 0 && versuch < 5000; ++versuch, ++wiederholt, ::usleep(1000)) id = db.Save();
                    if (id > 0) gespeichert += "\n" + bez;
                }
                return std::to_string(wiederholt) +
                       (wiederholt == static_cast<int>(test.meldungen.Gezeigt.size()) ? " gemeldet" : " still") + gespeichert;
            }));
        ::close(start[0]);
        ::close(start[1]);

        std::set<std::string> erwartet;
        int gemeldet = 0, wiederholt = 0;
        for (auto& kopie : kopien) {
            std::istringstream ein(kopie->Ergebnis().value_or("Kindprozess beendet sich nicht normal"));
            std::string wie;
            int n = -1;
            ein >> n >> wie;
            EXPECT_EQ(wie, "gemeldet") << n;
            wiederholt += n;
            for (std::string bez; ein >> bez; ++gemeldet) erwartet.insert(bez);
        }

        // Exactly the records the copies reported as saved, each with an id
        // of its own in the file (as the copies gave them, before a read
        // would give a repeated one a free id).
        std::set<std::string> namen;
        std::set<std::int64_t> ids;
        int zeilen = 0;
        std::istringstream datei(Lesen(pfad));
        std::string zeile;
        std::getline(datei, zeile);
        for (; std::getline(datei, zeile); ++zeilen) {
            ids.insert(Baustoff::Kennung(zeile));
            namen.insert(Baustoff::Demaskieren(zeile.substr(zeile.find("|b") + 2, zeile.size() - zeile.find("|b") - 3)));
        }
        int verloren = 0;
        for (const std::string& n : erwartet) verloren += namen.count(n) == 0;
        std::cout << "[          ] " << f.Titel << ": " << gemeldet << " Speicherungen gemeldet, " << zeilen
                  << " Sätze in der Datei, " << verloren << " verloren, " << zeilen - static_cast<int>(ids.size())
                  << " Nummern doppelt, " << wiederholt << " Versuche wiederholt\n";
        EXPECT_EQ(gemeldet, f.Kopien * f.Sätze);
        EXPECT_EQ(verloren, 0);
        EXPECT_EQ(namen, erwartet);
        EXPECT_EQ(ids.size(), namen.size());
        EXPECT_EQ(zeilen, static_cast<int>(namen.size()));
        for (const fs::path& neben : {anna / "Baustoff.db$", beat / "Baustoff.db$", beat / "Zwischen.db$"})
            EXPECT_FALSE(fs::exists(fs::symlink_status(neben))) << neben;
        EXPECT_FALSE(Dateien::HatSchreibreste(pfad));
    }
}

// The temporary file of a save that was killed midway is removed once no
// other copy holds the lock; files of other names stay.
TEST_F(BaustoffDatei, ResteEinesAbgebrochenenSpeicherns) {
    Schreiben(pfad, "BAUSTOFF.DBK|1.0\r\n1|bA\r\n");
    const std::string rest = ordner.Datei(".Baustoff.dbk.~zirvo-tmp-Ab12Z9");
    const std::vector<std::string> fremde = {ordner.Datei(".Baustoff.dbk.~zirvo-tmp-Ab12Z"), ordner.Datei("Baustoff.dbk.~zirvo-tmp-Ab12Z9"),
                                             ordner.Datei(".Baustoff.dbk.~zirvo-tmp-Ab1-Z9"), ordner.Datei(".Andere.dbk.~zirvo-tmp-Ab12Z9")};
    Schreiben(rest, "BAUSTOFF.DBK|1.0\r\n1|b");
    for (const auto& f : fremde) Schreiben(f, "fremd");
    {
        // Another copy holds the lock (reading): the leftover stays.
        const int fd = ::open(sperre.c_str(), O_RDWR | O_CREAT, 0666);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::flock(fd, LOCK_SH), 0);
        Baustoff db;
        ASSERT_TRUE(db.DBOpen(pfad));
        EXPECT_TRUE(std::filesystem::exists(rest));
        ::close(fd);
    }
    Baustoff db;
    ASSERT_TRUE(db.DBOpen(pfad));
    EXPECT_FALSE(std::filesystem::exists(rest));
    for (const auto& f : fremde) EXPECT_EQ(Lesen(f), "fremd") << f;
    // A save removes one that appeared while the database was open.
    Schreiben(rest, "x");
    EXPECT_EQ(Neu(db, "B"), 2);
    EXPECT_FALSE(std::filesystem::exists(rest));
    EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n1|bA\r\n2|bB\r\n");
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());
}

} // namespace

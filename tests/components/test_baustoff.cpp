#include "components/Baustoff.h"
#include "components/frmBaustoff.h"
#include "frame/Initialisierung.h"
#include "frame/Dateien.h"
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

using Testhilfe::Testordner;

std::string Lesen(const std::string& pfad) { return Dateien::Lesen(pfad).value_or("<fehlt>"); }
void Schreiben(const std::string& pfad, const std::string& text) { std::ofstream(pfad, std::ios::binary) << text; }

// The designations in the object's order.
std::vector<std::string> Liste(Baustoff& db) {
    std::vector<std::string> l;
    for (bool ok = db.FindFirst(); ok; ok = db.FindNext()) l.push_back(db.Bez());
    return l;
}

std::int64_t Neu(Baustoff& db, const std::string& bez) {
    db.NewRecord();
    db.setBez(bez);
    return db.Save();
}

// The database folder of the settings, for the material window, put back
// afterwards.
struct DatenbankOrdner {
    std::string bisher = Global::Initialisierung.OrdnerDatenbank;
    explicit DatenbankOrdner(const std::string& ordner) { Global::Initialisierung.OrdnerDatenbank = ordner; }
    ~DatenbankOrdner() { Global::Initialisierung.OrdnerDatenbank = bisher; }
};

class BaustoffDatei : public ::testing::Test {
protected:
    Testhilfe::Testumgebung test;
    Testhilfe::SkriptUmgebung umgebung;
    Plattform::DiensteSetzen dienste{
        Plattform::Dienste{&test.meldungen, &test.dateidialoge, nullptr, nullptr, &umgebung}};
    Testordner ordner{"baustoff"};
    std::string pfad = ordner.Datei("Baustoff.dbk");
    std::string sperre = ordner.Datei("Baustoff.db$");
    void SetUp() override { umgebung.Programm = ordner.Datei("programm"); }
};

// The file format: creation, field order, escapes, absent fields, sorting,
// and the places of changed, new and deleted records.
TEST_F(BaustoffDatei, FormatUndReihenfolge) {
    // Without a template: a file with the header alone, and an empty database.
    {
        Baustoff db;
        ASSERT_TRUE(db.DBOpen(pfad));
        EXPECT_FALSE(db.FindFirst());
        EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n");
        EXPECT_EQ(Lesen(sperre), "$");

        db.NewRecord();
        db.setUeberwachung("1");
        db.setLambda(0.035);
        db.setRho(1200);
        db.setKat("W");
        db.setKBez("MW");
        db.setBez("Wolle |~ä");
        EXPECT_EQ(db.Save(), 1);
        EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n1|bWolle ~7C~7E~E4|cMW|kW|r1200|l0.035|u1\r\n");
        ASSERT_TRUE(db.Find(1));
        EXPECT_EQ(db.Bez(), "Wolle |~ä");
        EXPECT_EQ(db.Lambda(), 0.035);
        // Lambda 0 removes its field; a new value goes to the end of the line.
        db.setLambda(0);
        db.setDicke(2.5);
        EXPECT_EQ(db.Lambda(), 0);
        EXPECT_EQ(db.Save(), 1);
        EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n1|bWolle ~7C~7E~E4|cMW|kW|r1200|u1|d2.5\r\n");
        // Open again: not read again.
        Schreiben(pfad, "BAUSTOFF.DBK|1.0\r\n");
        EXPECT_TRUE(db.DBOpen(pfad));
        EXPECT_EQ(db.Count(), 1);
    }

    // Equal designations by the text of their file position (10 before 2),
    // upper case before lower case, umlauts after "z"; unknown letters kept.
    std::string text = "BAUSTOFF.DBK|1.0\r\n";
    for (int i = 1; i <= 11; ++i)
        text += std::to_string(i) + "|b" + (i == 3 || i == 11 ? "Gleich" : i == 5 ? "~C4rger" : "z" + std::to_string(i)) +
                (i == 7 ? "|xFremd" : "") + "\r\n";
    text += "12|bGleich\r\n";
    Schreiben(pfad, text);
    Baustoff db;
    ASSERT_TRUE(db.DBOpen(pfad));
    ASSERT_EQ(db.Count(), 12);
    std::vector<std::int64_t> ids;
    for (bool ok = db.FindFirst(); ok; ok = db.FindNext()) ids.push_back(db.IndexNr());
    EXPECT_EQ(ids, (std::vector<std::int64_t>{11, 12, 3, 1, 10, 2, 4, 6, 7, 8, 9, 5}));

    // Changing record 7 keeps its place and the unknown field; deleting the
    // second line puts the last line in its place; a new record gets 13.
    ASSERT_TRUE(db.Find(7));
    db.setKat("S");
    EXPECT_EQ(db.Save(), 7);
    ASSERT_TRUE(db.Find(2));
    EXPECT_EQ(db.Delete(), 0);
    EXPECT_EQ(Neu(db, "Neu"), 13);
    std::string erwartet = "BAUSTOFF.DBK|1.0\r\n1|bz1\r\n12|bGleich\r\n3|bGleich\r\n4|bz4\r\n5|b~C4rger\r\n6|bz6\r\n"
                           "7|bz7|xFremd|kS\r\n8|bz8\r\n9|bz9\r\n10|bz10\r\n11|bGleich\r\n13|bNeu\r\n";
    EXPECT_EQ(Lesen(pfad), erwartet);

    // Delete without a saved record: nothing, and nothing said.
    db.NewRecord();
    EXPECT_EQ(db.Delete(), -1);
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());
}

// A damaged file opens, keeps every line as it was through a save, and
// never crashes; one too large is not opened and stays as it is.
TEST_F(BaustoffDatei, BeschaedigteDateiVerliertNichts) {
    const std::vector<std::string> zeilen = {
        "7|bOhne Kopfzeile",           // the first line is no header
        "",                            // an empty line
        "kein Satz",                   // no id
        "9|b~ZZ~4G~|b~",               // broken escapes
        std::string("10|b\x01\xff\0bin", 10), // binary bytes
        "99999999999999999999999|bRiesig",
        "11|bNur LF",
    };
    std::string text;
    for (const auto& z : zeilen) text += z + (z == "11|bNur LF" ? "\n" : "\r\n");
    Schreiben(pfad, text);

    Baustoff db;
    ASSERT_TRUE(db.DBOpen(pfad));
    EXPECT_EQ(db.Count(), 7);
    // Broken escapes stay as they stand.
    ASSERT_TRUE(db.Find(9));
    EXPECT_EQ(db.Bez(), "~ZZ~4G~");
    ASSERT_TRUE(db.Find(10));
    EXPECT_EQ(db.Bez(), std::string("\x01") + "ÿ" + std::string(1, '\0') + "bin");
    ASSERT_TRUE(db.Find(7));
    db.setKBez("OK");
    EXPECT_EQ(db.Save(), 7);
    // The highest id is beyond the range: a new record takes the lowest free id.
    EXPECT_EQ(Neu(db, "Dazu"), 1);
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());

    std::string erwartet = "BAUSTOFF.DBK|1.0\r\n7|bOhne Kopfzeile|cOK\r\n";
    for (std::size_t i = 1; i < zeilen.size(); ++i) erwartet += zeilen[i] + "\r\n";
    EXPECT_EQ(Lesen(pfad), erwartet + "1|bDazu\r\n");

    // Too large: not opened, with a message, and not touched.
    Schreiben(pfad, "");
    std::filesystem::resize_file(pfad, Baustoff::MaxGrösse + 1);
    Baustoff gross;
    EXPECT_FALSE(gross.DBOpen(pfad));
    EXPECT_EQ(test.meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(std::filesystem::file_size(pfad), Baustoff::MaxGrösse + 1);
}

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
    EXPECT_NE(test.meldungen.Gezeigt[0].Text.find("anderen Programm"), std::string::npos);
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
            EXPECT_NE(test.meldungen.Gezeigt[0].Text.find(
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

// The window, when another copy changed the record shown: Save keeps what
// was typed in a new entry that the next Save stores as a new record;
// Delete deletes nothing and shows the record as it is now.
TEST_F(BaustoffDatei, FensterBehaeltEingabenBeiAndererKopie) {
    Schreiben(pfad, "BAUSTOFF.DBK|1.0\r\n1|bA\r\n2|bB\r\n");
    DatenbankOrdner datenbank(ordner.pfad.string());
    Baustoff db, andere;
    frmBaustoff m(db);
    m.Form_Load();
    ASSERT_TRUE(m.Geladen());
    ASSERT_TRUE(andere.DBOpen(pfad));
    m.cboBaustoff.setListIndex(1);
    m.cboBaustoff_Click();
    m.txtKBez.setText("getippt");
    ASSERT_TRUE(andere.Find(2));
    ASSERT_EQ(andere.Delete(), 0);
    m.cmdSpeichern_Click();
    EXPECT_EQ(test.meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n1|bA\r\n");
    EXPECT_EQ(m.AusgewählteId, 0);
    EXPECT_EQ(m.cboBaustoff.ListCount(), 2);
    EXPECT_EQ(m.cboBaustoff.ListIndex(), 1);
    EXPECT_EQ(m.txtBez.Text(), "B");
    EXPECT_EQ(m.txtKBez.Text(), "getippt");
    m.cmdSpeichern_Click();
    EXPECT_EQ(m.AusgewählteId, 3);
    EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n1|bA\r\n3|bB|cgetippt\r\n");

    m.cboBaustoff.setListIndex(0);
    m.cboBaustoff_Click();
    ASSERT_TRUE(andere.Find(1));
    andere.setKBez("anders");
    ASSERT_EQ(andere.Save(), 1);
    test.meldungen.Antworten.push_back(Plattform::Antwort::Ja);
    m.cmdLöschen_Click();
    EXPECT_EQ(test.meldungen.Gezeigt.size(), 3u); // the question, and why nothing was deleted
    EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n1|bA|canders\r\n3|bB|cgetippt\r\n");
    EXPECT_EQ(m.AusgewählteId, 1);
    EXPECT_EQ(m.txtKBez.Text(), "anders");
    m.cmdSchliessen_Click();
}

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
    EXPECT_NE(test.meldungen.Gezeigt[0].Text.find("schreibgeschützt"), std::string::npos);
    EXPECT_EQ(test.meldungen.Gezeigt[0].Symbol, Plattform::Symbol::Warnung);
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
        EXPECT_NE(test.meldungen.Gezeigt[0].Text.find("zu gross"), std::string::npos);
    }
    // Up to the limit it is written.
    Schreiben(pfad, text);
    Baustoff db(Baustoff::Grenzen{36, 3});
    ASSERT_TRUE(db.DBOpen(pfad));
    EXPECT_EQ(Neu(db, "C"), 3);
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

// Files as other editors, systems and hands leave them: every line end,
// ids that repeat, broken escapes, another version, a huge id. Each keeps
// every record across open, edit, add and save, in this copy and in a
// second one that opened the file before; each record found by its id is
// the one shown and the one written.
struct Dateifall {
    const char* Titel;
    std::string Inhalt;
    std::vector<std::pair<std::int64_t, std::string>> Sätze; // id and designation once read
    std::int64_t Bearbeitet;                                  // the record given the short designation "Y"
    std::int64_t NeueId;                                      // the id of a new record, -1 refused
    std::string Danach;                                       // the file after both; "": as before
};

TEST_F(BaustoffDatei, JedeDateiBehaeltJedenSatz) {
    const std::string K = "BAUSTOFF.DBK|1.0";
    const std::int64_t riesig = std::numeric_limits<std::int64_t>::max();
    const std::string danach = K + "\r\n1|bA\r\n2|bB|cY\r\n3|bC\r\n4|bNeu\r\n";
    const std::vector<std::pair<std::int64_t, std::string>> abc = {{1, "A"}, {2, "B"}, {3, "C"}};
    const Dateifall fälle[] = {
        {"CR LF", K + "\r\n1|bA\r\n2|bB|cX\r\n3|bC\r\n", abc, 2, 4, danach},
        {"LF", K + "\n1|bA\n2|bB|cX\n3|bC\n", abc, 2, 4, danach},
        {"CR", K + "\r1|bA\r2|bB|cX\r3|bC\r", abc, 2, 4, danach},
        {"LF CR", K + "\n\r1|bA\n\r2|bB|cX\n\r3|bC\n\r", abc, 2, 4, danach},
        {"CR ohne letztes Zeilenende", K + "\r1|bA\r2|bB|cX\r3|bC", abc, 2, 4, danach},
        {"Gemischt", K + "\r\n1|bA\n2|bB|cX\r3|bC\n\r", abc, 2, 4, danach},
        {"Mit Byte-Order-Mark", "\xEF\xBB\xBF" + K + "\r\n1|bA\r\n2|bB|cX\r\n3|bC\r\n", abc, 2, 4, danach},
        {"Doppelte Nummern",
         K + "\r\n5|bErste\r\n6|bAndere|cX\r\n5|bZweite|cX\r\n5|bDritte\r\n007|bSieben\r\n7|bAuchSieben\r\n",
         {{5, "Erste"}, {6, "Andere"}, {8, "Zweite"}, {9, "Dritte"}, {7, "Sieben"}, {10, "AuchSieben"}}, 8, 11,
         K + "\r\n5|bErste\r\n6|bAndere|cX\r\n8|bZweite|cY\r\n9|bDritte\r\n007|bSieben\r\n10|bAuchSieben\r\n"
             "11|bNeu\r\n"},
        {"Kaputte Maskierungen", K + "\r\n1|bA~Az|c~\r\n2|b~e4~7C~|k~4\r\n",
         {{1, "A~Az"}, {2, "ä|~"}}, 1, 3, K + "\r\n1|bA~7EAz|cY\r\n2|b~e4~7C~|k~4\r\n3|bNeu\r\n"},
        {"Eine andere Version", "BAUSTOFF.DBK|2.0\r\n1|bA\r\n2|bB|cX\r\n", {{1, "A"}, {2, "B"}}, 2, -1, ""},
        {"Eine Nummer an der Grenze und darüber",
         K + "\r\n2147483647|bGrenze\r\n1|bEins\r\n2147483647|bNochmal\r\n99999999999999999999999|bRiesig\r\n",
         {{2147483647, "Grenze"}, {1, "Eins"}, {2, "Nochmal"}, {riesig, "Riesig"}}, 1, 3,
         K + "\r\n2147483647|bGrenze\r\n1|bEins|cY\r\n2|bNochmal\r\n99999999999999999999999|bRiesig\r\n3|bNeu\r\n"},
    };
    for (const Dateifall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        test.meldungen.Gezeigt.clear();
        std::filesystem::remove(pfad);
        Schreiben(pfad, f.Inhalt);
        Baustoff a, b;
        ASSERT_TRUE(a.DBOpen(pfad));
        ASSERT_TRUE(b.DBOpen(pfad));
        const bool fremd = f.NeueId < 0;
        EXPECT_EQ(a.NurLesen(), fremd);
        EXPECT_EQ(test.meldungen.Gezeigt.size(), fremd ? 2u : 0u);
        // Reading changes nothing on disk.
        EXPECT_EQ(Lesen(pfad), f.Inhalt);
        EXPECT_EQ(a.Count(), static_cast<std::int32_t>(f.Sätze.size()));
        for (Baustoff* db : {&a, &b})
            for (const auto& [id, bez] : f.Sätze) {
                ASSERT_TRUE(db->Find(id)) << id;
                EXPECT_EQ(db->Bez(), bez) << id;
            }
        // The walk of the list gives every id once.
        std::set<std::int64_t> ids;
        for (bool ok = a.FindFirst(); ok; ok = a.FindNext()) ids.insert(a.IndexNr());
        EXPECT_EQ(ids.size(), f.Sätze.size());

        ASSERT_TRUE(a.Find(f.Bearbeitet));
        const std::string bez = a.Bez();
        a.setKBez("Y");
        EXPECT_EQ(a.Save(), fremd ? -1 : f.Bearbeitet);
        EXPECT_EQ(Neu(a, "Neu"), f.NeueId);
        if (fremd) {
            // Never rewritten under another version; nor deleted from.
            ASSERT_TRUE(a.Find(1));
            EXPECT_EQ(a.Delete(), -1);
            EXPECT_EQ(b.Save(), -1);
            EXPECT_EQ(Lesen(pfad), f.Inhalt);
            EXPECT_EQ(test.meldungen.Gezeigt.size(), 6u);
            EXPECT_NE(test.meldungen.Gezeigt[0].Text.find("BAUSTOFF.DBK|2.0"), std::string::npos);
            EXPECT_EQ(test.meldungen.Gezeigt[0].Symbol, Plattform::Symbol::Warnung);
            continue;
        }
        EXPECT_EQ(Lesen(pfad), f.Danach);
        EXPECT_TRUE(test.meldungen.Gezeigt.empty());
        ASSERT_TRUE(a.Find(f.Bearbeitet));
        EXPECT_EQ(a.Bez(), bez);
        EXPECT_EQ(a.KBez(), "Y");

        // The second copy, which read the file before, adds its own and
        // loses nothing; a fresh copy reads every record under its id.
        EXPECT_EQ(Neu(b, "VonB"), f.NeueId + 1);
        EXPECT_EQ(Lesen(pfad), f.Danach + std::to_string(f.NeueId + 1) + "|bVonB\r\n");
        Baustoff c;
        ASSERT_TRUE(c.DBOpen(pfad));
        EXPECT_EQ(c.Count(), static_cast<std::int32_t>(f.Sätze.size() + 2));
        for (const auto& [id, bez2] : f.Sätze) {
            ASSERT_TRUE(c.Find(id)) << id;
            EXPECT_EQ(c.Bez(), bez2) << id;
        }
        ASSERT_TRUE(c.Find(f.NeueId));
        EXPECT_EQ(c.Bez(), "Neu");
        // A delete removes the record shown, and only that one.
        ASSERT_TRUE(c.Find(f.Bearbeitet));
        EXPECT_EQ(c.Delete(), 0);
        EXPECT_FALSE(c.Find(f.Bearbeitet));
        EXPECT_EQ(c.Count(), static_cast<std::int32_t>(f.Sätze.size() + 1));
        for (const auto& [id, bez2] : f.Sätze) {
            if (id == f.Bearbeitet) continue;
            EXPECT_TRUE(c.Find(id) && c.Bez() == bez2) << id;
        }
    }
}

// A line without an id is never found by id: the window shows it empty
// and saves it as a new record, rather than overwriting another such line.
TEST_F(BaustoffDatei, ZeileOhneNummerWirdNichtGefunden) {
    Schreiben(pfad, "BAUSTOFF.DBK|1.0\r\n|bOhne\r\nx|bAuchOhne\r\n");
    Baustoff db;
    ASSERT_TRUE(db.DBOpen(pfad));
    EXPECT_EQ(db.Count(), 2);
    EXPECT_FALSE(db.Find(0));
    EXPECT_EQ(db.Bez(), "");
}

// The temporary file of a save that was killed midway is removed once no
// other copy holds the lock; files of other names stay.
TEST_F(BaustoffDatei, ResteEinesAbgebrochenenSpeicherns) {
    Schreiben(pfad, "BAUSTOFF.DBK|1.0\r\n1|bA\r\n");
    const std::string rest = ordner.Datei(".Baustoff.dbk.tmpAb12Z9");
    const std::vector<std::string> fremde = {ordner.Datei(".Baustoff.dbk.tmpAb12Z"), ordner.Datei("Baustoff.dbk.tmpAb12Z9"),
                                             ordner.Datei(".Baustoff.dbk.tmpAb1-Z9"), ordner.Datei(".Andere.dbk.tmpAb12Z9")};
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
            if (e.path().filename().string().find(".tmp") != std::string::npos) fehler |= 16;
        ::_exit(fehler);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "beendet durch Signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// The material window on a file whose ids repeat: the record chosen in
// the list is the one the fields show, the one saved and the one deleted.
TEST_F(BaustoffDatei, FensterMitDoppeltenNummern) {
    Schreiben(pfad, "BAUSTOFF.DBK|1.0\r\n5|bErste|cE\r\n5|bZweite|cZ\r\n");
    DatenbankOrdner datenbank(ordner.pfad.string());
    frmBaustoff m;
    m.Form_Load();
    ASSERT_TRUE(m.Geladen());
    ASSERT_EQ(m.cboBaustoff.ListCount(), 2);
    m.cboBaustoff.setListIndex(1);
    m.cboBaustoff_Click();
    EXPECT_EQ(m.txtBez.Text(), "Zweite");
    EXPECT_EQ(m.txtKBez.Text(), "Z");
    m.txtKBez.setText("Z2");
    m.cmdSpeichern_Click();
    EXPECT_EQ(m.AusgewählteId, 6);
    EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n5|bErste|cE\r\n6|bZweite|cZ2\r\n");
    m.cboBaustoff.setListIndex(0);
    m.cboBaustoff_Click();
    EXPECT_EQ(m.txtBez.Text(), "Erste");
    EXPECT_EQ(m.txtKBez.Text(), "E");
    test.meldungen.Antworten.push_back(Plattform::Antwort::Ja);
    m.cmdLöschen_Click();
    EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n6|bZweite|cZ2\r\n");
    EXPECT_EQ(m.txtBez.Text(), "Zweite");
    EXPECT_EQ(test.meldungen.Gezeigt.size(), 1u); // the question alone
    m.cmdSchliessen_Click();
}

// The material window on a damaged line that holds fields twice, or a NUL
// byte: saving after one edit keeps exactly what the window showed (a
// field that stands twice is written once, with the value shown; the NUL
// stays in the field not edited).
TEST_F(BaustoffDatei, GespeichertWieGezeigt) {
    const std::string doppelt = "15|bZementputz|cZP|kP|r2000|l|kP|r1100|l0.7";
    struct Fall {
        const char* Titel;
        std::string Zeile;
        TextBox frmBaustoff::*Feld; // the field edited
        std::string Eingabe;
        std::string Danach; // the line in the file afterwards
    };
    const Fall fälle[] = {
        {"Nur die Kurzbezeichnung", doppelt, &frmBaustoff::txtKBez, "ZP2", "15|bZementputz|cZP2|kP|r2000"},
        {"Lambda eingegeben", doppelt, &frmBaustoff::txtLambda, "0.8", "15|bZementputz|cZP|kP|r2000|l0.8"},
        {"Rohdichte geleert", doppelt, &frmBaustoff::txtRho, "", "15|bZementputz|cZP|kP"},
        {"NUL in der Bezeichnung", std::string("16|bA\0B|cX", 10), &frmBaustoff::txtKBez, "Y",
         std::string("16|bA\0B|cY", 10)},
    };
    DatenbankOrdner datenbank(ordner.pfad.string());
    auto gezeigt = [](frmBaustoff& m) {
        std::vector<std::string> t;
        for (TextBox* f : {&m.txtBez, &m.txtKBez, &m.txtKat, &m.txtRho, &m.txtDicke, &m.txtLambda, &m.txtR, &m.txtUe})
            t.push_back(f->Text());
        return t;
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        Schreiben(pfad, "BAUSTOFF.DBK|1.0\r\n" + f.Zeile + "\r\n");
        std::vector<std::string> erwartet;
        {
            Baustoff db;
            frmBaustoff m(db);
            m.Form_Load();
            ASSERT_TRUE(m.Geladen());
            (m.*f.Feld).setText(f.Eingabe);
            erwartet = gezeigt(m);
            m.cmdSpeichern_Click();
            m.cmdSchliessen_Click();
        }
        EXPECT_EQ(Lesen(pfad), "BAUSTOFF.DBK|1.0\r\n" + f.Danach + "\r\n");
        Baustoff db;
        frmBaustoff m(db);
        m.Form_Load();
        ASSERT_TRUE(m.Geladen());
        EXPECT_EQ(gezeigt(m), erwartet);
        m.cmdSchliessen_Click();
    }
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());
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

// Under umask 077 the lock file gets the read and write bits the database
// file has for its group and others (so does an older lock file of this
// user that lacks them), so a second user of the group opens, reads and
// saves; a lock file this user cannot open is named with its owner, and
// the database opens for reading only.
TEST_F(BaustoffDatei, SperrdateiFuerJedenBenutzer) {
    struct Fall {
        const char* Titel;
        mode_t Datei;        // the database file's mode; 0: none yet
        mode_t SperreVorher; // a lock file already there; 0: none
        mode_t SperreDanach;
    };
    const Fall fälle[] = {
        {"Neue Datenbank", 0, 0, 0644}, {"Datei 0644", 0644, 0, 0644}, {"Datei 0660", 0660, 0, 0660},
        {"Datei 0666", 0666, 0, 0666},  {"Datei 0600", 0600, 0, 0600}, {"Alte Sperrdatei 0600, Datei 0664", 0664, 0600, 0664},
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
    EXPECT_EQ(Rechte(teamsperre), 0660u);
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
    for (const std::string& teil : {std::string("Die Sperrdatei der Baustoff-Datenbank kann nicht geöffnet werden."),
                                    teamsperre + " (Besitzer root, keine Berechtigung)"})
        EXPECT_NE(meldung.find(teil), std::string::npos) << meldung;
    EXPECT_EQ(Lesen(datei), "BAUSTOFF.DBK|1.0\r\n1|bA\r\n2|bB\r\n");
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

// The records sort by their designations as the file holds them, in
// Windows-1252: €, Š, Ž, Œ, dashes and quotes (0x80 to 0x9F) before the
// Latin-1 letters (0xA0 to 0xFF), all of them after "z".
TEST_F(BaustoffDatei, SortiertNachDenBytesDerDatei) {
    struct Fall {
        const char* datei; // the designation escaped as in the file
        const char* bez;   // the same in UTF-8
    };
    // In the expected order.
    const Fall fälle[] = {
        {"Aa", "Aa"},
        {"Za", "Za"},
        {"aa", "aa"},
        {"z", "z"},
        {"~80-Dose", "€-Dose"},          // 0x80
        {"~8Auma", "Šuma"},              // 0x8A
        {"~8Cuvre", "Œuvre"},            // 0x8C
        {"~8Eement", "Žement"},          // 0x8E
        {"~93Zitat~94", "“Zitat”"},      // 0x93
        {"~96 Strich", "– Strich"},      // 0x96
        {"~97 Strich", "— Strich"},      // 0x97
        {"~A0fest", "\u00A0fest"},       // 0xA0
        {"~C4rger", "Ärger"},            // 0xC4
        {"~D6l", "Öl"},                  // 0xD6
        {"~E4rger", "ärger"},            // 0xE4
        {"~FCber", "über"},              // 0xFC
        {"~FF", "ÿ"},                    // 0xFF
    };
    const std::size_t n = std::size(fälle);
    // Written to the file in reverse order.
    std::string text = "BAUSTOFF.DBK|1.0\r\n";
    for (std::size_t i = 0; i < n; ++i) text += std::to_string(i + 1) + "|b" + fälle[n - 1 - i].datei + "\r\n";
    Schreiben(pfad, text);
    Baustoff db;
    ASSERT_TRUE(db.DBOpen(pfad));
    std::vector<std::string> erwartet;
    for (const Fall& f : fälle) erwartet.push_back(f.bez);
    EXPECT_EQ(Liste(db), erwartet);

    // A save sorts the same way: the new record comes among the others.
    EXPECT_GT(Neu(db, "‚Anführung"), 0); // 0x82: after €, before Š
    auto l = Liste(db);
    auto z = std::find(l.begin(), l.end(), "z");
    ASSERT_TRUE(z != l.end() && z + 3 < l.end());
    EXPECT_EQ(*(z + 1), "€-Dose");
    EXPECT_EQ(*(z + 2), "‚Anführung");
    EXPECT_EQ(*(z + 3), "Šuma");
}

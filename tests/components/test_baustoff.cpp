// The material database file: its format and order, damaged and foreign
// files, and records found by their ids.
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
            EXPECT_NE(test.meldungen.Nr(0).Text.find("BAUSTOFF.DBK|2.0"), std::string::npos);
            EXPECT_EQ(test.meldungen.Nr(0).Symbol, Plattform::Symbol::Warnung);
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

// The material window on the database file: what it shows is what it
// saves and deletes, also when another copy changed the file.
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

} // namespace

// Real printouts through QPrinter on the program's own printer "PDF-Datei",
// read back with pdftotext: the test page, the monthly energy table of the
// example project, the material list of the shipped template and a
// component sheet; and that a printout which does not end well leaves the
// file it was to replace as it was. The printer settings dialog on screen.
#include "balance/Klimastation_MB2028.h"
#include "components/Baustoff.h"
#include "components/Bauteile.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/basZIRVOFehler.h"
#include "frame/qt/QtDruckflaeche.h"
#include "frame/qt/QtPlattform.h"
#include "printing/Druckauftraege.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDruckIni.h"
#include "printing/qt/frmDruckIniAnsicht.h"
#include "project/ProjektGlobal.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/qt/Pdfdruck.h"
#include "tests/support/qt/Pdftext.h"
#include "tests/support/Zonenprojekt.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

namespace fs = std::filesystem;

// The settings on the PDF printer, and every PDF file asked for answered
// with a file of the test folder; the example project computed.
struct PdfDruck : Testhilfe::Pdfdruck {
    PdfDruck() : Pdfdruck("pdf") {}
    // The example project, at a station whose summer is warmer than the
    // rooms: July and August have no heating demand.
    void BeispielBerechnen() {
        const fs::path beispiel = fs::path(ZIRVO_TESTDATEN) / ".." / "examples" / "Beispiel.zirvo9";
        ASSERT_EQ(z.P.ProjektEinlesen(beispiel.string()), 0);
        z.P.PSetStr("Lugano", "KlSt");
        Global::Klimastation_MB2028.KlimastationEinlesen(z.P.PGetStr("KlSt"));
        z.F.ProjektZoneEinlesen();
        ASSERT_FALSE(z.F.ProjektZoneBerechnen()) << Eingabefehler.Text;
        z.F.ProjektZoneSpeichern();
    }
};

using namespace Testhilfe::Pdf;

TEST(PdfDruck, TestseiteUndEnergietabelle) {
    PdfDruck d;
    d.BeispielBerechnen();

    // The test page: head, printer and the three sets on one portrait page.
    const std::string testseite = d.Ziel("testseite.pdf");
    {
        ZIRVO3801Drucken r;
        ASSERT_TRUE(r.Initialisieren(false, false));
        r.TestseiteDrucken();
        ASSERT_TRUE(r.Beenden());
    }
    std::string text = Text(testseite);
    EXPECT_EQ(Seiten(text).size(), 1u);
    EXPECT_EQ(Seitengrösse(testseite), "595 x 842");
    EXPECT_NE(text.find("Bauphysik ZIRVO 380/1, Testseite"), std::string::npos) << text;
    EXPECT_NE(Zeile(text, "Drucker-Name").find("PDF-Datei"), std::string::npos);
    EXPECT_NE(text.find("Zeichensatz mit griechischem Alphabet"), std::string::npos);
    EXPECT_NE(text.find("Δ"), std::string::npos);
    EXPECT_NE(text.find("☒"), std::string::npos);
    EXPECT_NE(text.find("Ω"), std::string::npos);

    // The monthly energy table: one landscape page, what the zone stored.
    const std::string energien = d.Ziel("energien.pdf");
    ASSERT_TRUE(Druckaufträge::Energien());
    text = Text(energien);
    ASSERT_EQ(Seiten(text).size(), 1u) << text;
    EXPECT_EQ(Seitengrösse(energien), "842 x 595");
    Monatsarray qh{}, qgS{}, etaG{}, qt{};
    d.z.P.ZGetArr1(qh, "Qh");
    d.z.P.ZGetArr1(qgS, "QgS");
    d.z.P.ZGetArr1(etaG, "EtaG");
    d.z.P.ZGetArr1(qt, "Qt");
    ASSERT_GT(qh[12], 0);
    EXPECT_NE(Zeile(text, "Bauphysik ZIRVO 380/1").find("Beispiel Wohnhaus [B-2024-01]"), std::string::npos)
        << Zeile(text, "Bauphysik ZIRVO 380/1");
    const std::string heizung = Zeile(text, "Heizwärmebedarf");
    EXPECT_NE(heizung.find(ZIRVO3801Drucken::DruckZahl(qh[12], 2, true)), std::string::npos) << heizung;
    // July is no heating month: its values stand in brackets, January's not.
    ASSERT_LE(qt[6], 0);
    const std::string sonne = Zeile(text, "- Sonne");
    EXPECT_NE(sonne.find("(" + ZIRVO3801Drucken::DruckZahl(qgS[6], 2, true) + ")"), std::string::npos) << sonne;
    EXPECT_NE(sonne.find(" " + ZIRVO3801Drucken::DruckZahl(qgS[0], 2, true) + " "), std::string::npos) << sonne;
    const std::string eta = Zeile(text, "- Ausnutzungsgrad");
    EXPECT_NE(eta.find(ZIRVO3801Drucken::DruckZahl(etaG[0], 3, true)), std::string::npos) << eta;
    EXPECT_EQ(ZIRVO3801Drucken::DruckZahl(etaG[0], 3, true).size(), 5u);
    EXPECT_NE(text.find("Unberücksichtigte Werte erscheinen in Klammern."), std::string::npos);
}

TEST(PdfDruck, BaustofflisteUndBauteilblatt) {
    PdfDruck d;
    // The material list of the template that ships with the program.
    const fs::path vorlage = fs::path(ZIRVO_TESTDATEN) / ".." / "components" / "Baustoff.dbi";
    Baustoff db;
    const std::string datei = d.ordner.Datei("Baustoff.dbk");
    fs::copy_file(vorlage, datei);
    ASSERT_TRUE(db.DBOpen(datei));
    const std::string liste = d.Ziel("baustoffe.pdf");
    ASSERT_TRUE(Druckaufträge::Baustoffliste(db));
    std::string text = Text(liste);
    const auto seiten = Seiten(text);
    ASSERT_EQ(seiten.size(), 2u) << text;
    for (std::size_t s = 0; s < seiten.size(); ++s) {
        const std::string kopf = Zeile(seiten[s], "Liste der Baustoffe");
        EXPECT_TRUE(std::regex_search(kopf, std::regex("ZIRVO 380/1 +Liste der Baustoffe +" + std::to_string(s + 1) +
                                                       R"( +\d\d\.\d\d\.\d\d +\d\d:\d\d)")))
            << kopf;
    }
    EXPECT_TRUE(std::regex_search(Zeile(text, "Kalkputz"), std::regex(R"(Kalkputz +KP +P +1800 +1\b)")))
        << Zeile(text, "Kalkputz");
    db.DBClose();

    // A component sheet from the editor: head line, name, U and the layers.
    ::Bauteil b;
    b.Bez = "Aussenwand verputzt";
    b.U = 0.171;
    b.Rsi = 0.13;
    b.Rse = 0.04;
    b.Schichten = {{"Kalkputz", 1.5, 1800, 1, 0, "0"},
                   {"Backstein", 17.5, 1100, 0.44, 0, "1"},
                   {"Mineralwolle", 20, 30, 0.035, 0, "2"}};
    b.Speichern(d.z.P, 4);
    d.z.P.PSetStr("Haus am See", "Bez");
    const std::string blatt = d.Ziel("bauteil.pdf");
    ASSERT_TRUE(Druckaufträge::Element(Elementart::Bauteil, 4));
    text = Text(blatt);
    EXPECT_NE(Zeile(text, "ZIRVO 380/1").find("Projekt: Haus am See []"), std::string::npos) << text;
    EXPECT_TRUE(std::regex_search(Zeile(text, "Bezeichnung"), std::regex(R"(Aussenwand verputzt +U +0\.17 +\[W/m²K\])")))
        << Zeile(text, "Bezeichnung");
    EXPECT_TRUE(std::regex_search(Zeile(text, "Mineralwolle"), std::regex(R"(Mineralwolle +20\.00 +30 +0\.035 +2)")))
        << Zeile(text, "Mineralwolle");
    EXPECT_NE(text.find("Bauteil 4"), std::string::npos);
}

TEST(PdfDruck, AbgebrochenerDruckLaesstDieDateiStehen) {
    PdfDruck d;
    const std::string ziel = d.ordner.Datei("alt.pdf");
    ASSERT_TRUE(Dateien::SicherSchreiben(ziel, "die alte Datei"));
    {
        // Drawn but never ended: the old file stays, no temporary file is left.
        QString fehler;
        auto f = QtDruckfläche::Pdf(QString::fromStdString(ziel), fehler);
        ASSERT_TRUE(f);
        f->Schrift({"Arial", 9, false});
        f->Text(1, 1, "neu");
    }
    EXPECT_EQ(Dateien::Lesen(ziel).value_or(""), "die alte Datei");
    EXPECT_EQ(std::distance(fs::directory_iterator(d.ordner.pfad), fs::directory_iterator{}), 1);
    // Ended well: the new PDF takes its place, readable by others.
    {
        QString fehler;
        auto f = QtDruckfläche::Pdf(QString::fromStdString(ziel), fehler);
        f->Text(1, 1, "neu");
        std::string grund;
        ASSERT_TRUE(f->Beenden(grund)) << grund;
    }
    EXPECT_EQ(Dateien::Lesen(ziel).value_or("").substr(0, 5), "%PDF-");
    EXPECT_NE(fs::status(ziel).permissions() & fs::perms::others_read, fs::perms::none);
    EXPECT_EQ(std::distance(fs::directory_iterator(d.ordner.pfad), fs::directory_iterator{}), 1);
    // A folder that is not there: the message says why the file cannot be
    // written, and nothing is printed.
    Global::Initialisierung.DruckerName = Plattform::PdfDrucker;
    d.z.umgebung.dateidialoge.Antworten.push_back(d.ordner.Datei("fehlt/x.pdf"));
    ZIRVO3801Drucken r;
    EXPECT_FALSE(r.Initialisieren(false, false));
    ASSERT_NE(d.z.umgebung.meldungen.Letzte(), nullptr);
    EXPECT_EQ(d.z.umgebung.meldungen.Zuletzt().Text.rfind(
                  "Die PDF-Datei konnte nicht geschrieben werden: " + d.ordner.Datei("fehlt/x.pdf") + "\r\n", 0),
              0u);
}

TEST(PdfDruck, DruckeinstellungenAufDemBildschirm) {
    PdfDruck d;
    frmDruckIni modell;
    modell.Form_Load();
    frmDruckIniAnsicht ansicht(modell);
    ansicht.show();
    auto* liste = Testhilfe::Kind<QComboBox>(ansicht, "cboDrucker");
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(liste->itemText(liste->count() - 1), "PDF-Datei");
    EXPECT_EQ(liste->currentText(), "PDF-Datei");
    Testhilfe::Bild(ansicht, "frmDruckIni.png");
    const auto links = ansicht.findChildren<QLineEdit*>();
    ASSERT_EQ(links.size(), 5);
    links[1]->setText("2,5"); // left margin, typed with a comma
    Testhilfe::Kind<QPushButton>(ansicht, "cmdOK")->click();
    EXPECT_TRUE(modell.Entladen);
    EXPECT_FLOAT_EQ(Global::Initialisierung.DruckerRandLinks, 2.5f);
}

} // namespace

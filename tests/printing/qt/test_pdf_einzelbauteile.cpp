// The single-component proof of a golden project printed as the user
// prints it: the print button of the proof window opens the print dialog,
// whose Drucken writes a real PDF on the program's own printer; read back
// with pdftotext, every row carries the verdict worked out by hand, and the
// cover the counts and the overall result.
#include "frame/Initialisierung.h"
#include "frame/qt/QtPlattform.h"
#include "printing/frmDruckenEB.h"
#include "printing/qt/frmDruckenEBAnsicht.h"
#include "proofs/frmNachweisEB.h"
#include "proofs/qt/frmNachweisEBAnsicht.h"
#include "project/ProjektGlobal.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/printing/qt/Pdftext.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace {

using namespace Testhilfe::Pdf;

// The words of a line.
std::vector<std::string> Wörter(const std::string& zeile) {
    std::istringstream s(zeile);
    std::vector<std::string> w;
    for (std::string t; s >> t;) w.push_back(t);
    return w;
}

TEST(PdfDruck, Einzelbauteilnachweis) {
    Testhilfe::Zonenprojekt z;
    Testhilfe::Testordner ordner{"pdf_eb"};
    QtPlattform::QtDrucker drucker;
    Testhilfe::SkriptUmgebung umgebung;
    umgebung.Uhr = 1767225600;
    umgebung.Programm = ordner.Datei("programm");
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &umgebung}};
    const Initialisierung alt = Global::Initialisierung;
    Testhilfe::Druckumgebung::Einstellungen(Plattform::PdfDrucker);

    ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / "EinzelbauteileGrenzwerte.zirvo9"), "");
    frmNachweisEB& E = Global::frmNachweisEB;
    frmNachweisEBAnsicht fenster(E);
    E.Einlesen();
    fenster.show();
    QApplication::processEvents();

    // The dialog as the user sees it: the whole proof chosen, the PDF
    // printer, one copy; Drucken.
    const std::string pdf = ordner.Datei("einzelbauteile.pdf");
    z.umgebung.dateidialoge.Antworten.push_back(pdf);
    bool gezeigt = false;
    frmDruckenEB::Anzeigen = [&](frmDruckenEB& m) {
        gezeigt = true;
        frmDruckenEBAnsicht dialog(m, &fenster);
        dialog.show();
        QApplication::processEvents();
        Testhilfe::Bild(dialog, "frmDruckenEB.png");
        EXPECT_EQ(Testhilfe::Kind<QLabel>(dialog, "lblDrucker")->text().toStdString(), "PDF-Datei");
        Testhilfe::Kind<QPushButton>(dialog, "cmdDrucken")->click();
        EXPECT_TRUE(m.Entladen);
    };
    Testhilfe::Kind<QPushButton>(fenster, "cmdDrucken")->click();
    frmDruckenEB::Anzeigen = nullptr;
    Global::Initialisierung = alt;
    ASSERT_TRUE(gezeigt);
    ASSERT_NE(z.umgebung.meldungen.Letzte(), nullptr);
    EXPECT_EQ(z.umgebung.meldungen.Letzte()->Text, "OK, Ausdruck abgeschlossen.");

    const std::string text = Text(pdf);
    const auto seiten = Seiten(text);
    ASSERT_GE(seiten.size(), 3u) << text;

    // The summary: each printed row in order, by its code, with its verdict
    // at the end of its line; the row without a code has none (its line
    // ends with the effective value), the empty place is not there.
    const std::vector<std::pair<std::string, std::string>> zeilen = {
        {"A1", "ja"},   {"A1", "nein"},  {"B1", "ja"},  {"C1", "ja"},   {"D1", "nein"}, {"E1", "ja"},   {"F1", "nein"},
        {"B5", "ja"},   {"A2", "ja"},    {"B2", "ja"},  {"C2", "nein"}, {"D2", "nein"}, {"E2", "nein"}, {"F2", "ja"},
        {"B6", "ja"},   {"A3", "nein"},  {"B3", "ja"},  {"C3", "ja"},   {"D3", "ja"},   {"A4", "ja"},   {"B4", "ja"},
        {"C4", "nein"}, {"D4", "nein"},  {"A2u", "nein"}, {"B2u", "ja"}, {"D1u", "ja"},  {"A1*", "nein"},
        {"nur", "0.00"}, {"L1", "ja"},   {"L2", "nein"}, {"L3", "ja"},   {"L5", "ja"},   {"P1", "ja"}};
    std::istringstream zusammenfassung(seiten[1]);
    std::string zeile;
    std::size_t i = 0;
    int urteile = 0;
    while (std::getline(zusammenfassung, zeile)) {
        const auto w = Wörter(zeile);
        if (w.size() < 4) continue;
        urteile += w.back() == "ja" || w.back() == "nein";
        if (i < zeilen.size() && w.front() == zeilen[i].first) {
            EXPECT_EQ(w.back(), zeilen[i].second) << zeile;
            ++i;
        }
    }
    EXPECT_EQ(i, zeilen.size()) << seiten[1];
    EXPECT_EQ(urteile, 27 + 5) << seiten[1];

    // The cover: counts and the overall result.
    EXPECT_EQ(Wörter(Zeile(seiten[0], "Flächige Bauteile:")).back(), "27");
    EXPECT_EQ(Wörter(Zeile(seiten[0], "Längenbezogene Wärmebrücken:")).back(), "4");
    EXPECT_EQ(Wörter(Zeile(seiten[0], "Punktbezogene Wärmebrücken:")).back(), "1");
    const std::string ergebnis = Zeile(seiten[0], "Alle Einzelbauteile erfüllen Anforderungen:");
    EXPECT_TRUE(std::regex_search(ergebnis, std::regex("Anforderungen: +☐ +ja +☒ +nein$"))) << ergebnis;
    EXPECT_TRUE(std::regex_search(Zeile(seiten[0], "Energiebezugsfläche"), std::regex(R"(1234\.6 +\[m²\])")));
    // The sheets of the items the rows name, and the end.
    for (const char* blatt : {"Bauteil 1", "Bauteil 2", "Bauteil 3", "Fenster 1", "Fenster 2", "Wärmebrücke 1",
                              "Wärmebrücke 2"})
        EXPECT_NE(text.find(blatt), std::string::npos) << blatt;
    EXPECT_NE(seiten.back().find("Einzelbauteilnachweis: Ende des Ausdrucks"), std::string::npos) << seiten.back();
    Global::Projekt = Projekt();
    E.Einlesen();
}

} // namespace

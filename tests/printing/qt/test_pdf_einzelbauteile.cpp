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
#include "tests/support/qt/Pdftext.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>
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
    EXPECT_EQ(z.umgebung.meldungen.Zuletzt().Text, "OK, Ausdruck abgeschlossen.");

    const std::string text = Text(pdf);
    const auto seiten = Seiten(text);
    ASSERT_GE(seiten.size(), 3u) << text;

    // The summary: 16 + 4 rows met, 11 + 1 not, the row without a code
    // with none (its line ends with its effective value).
    std::map<std::string, int> urteile;
    std::istringstream zusammenfassung(seiten[1]);
    for (std::string zeile; std::getline(zusammenfassung, zeile);)
        if (const auto w = Wörter(zeile); w.size() > 3) ++urteile[w.back()];
    EXPECT_EQ(urteile["ja"], 20);
    EXPECT_EQ(urteile["nein"], 12);
    EXPECT_EQ(Wörter(Zeile(seiten[1], "nur Bauteil")).back(), "0.00");
    // The cover: the counts and the overall result; the end box last.
    for (const char* zeile : {"Flächige Bauteile: +27\n", "Längenbezogene Wärmebrücken: +4\n",
                              "Punktbezogene Wärmebrücken: +1\n", "Anforderungen: +☐ +ja +☒ +nein\n"})
        EXPECT_TRUE(std::regex_search(seiten[0], std::regex(zeile))) << zeile << "\n" << seiten[0];
    EXPECT_NE(seiten.back().find("Einzelbauteilnachweis: Ende des Ausdrucks"), std::string::npos) << seiten.back();
    Global::Projekt = Projekt();
    E.Einlesen();
}

} // namespace

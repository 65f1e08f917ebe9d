// The print dialog of the system proof on the screen, printing the example
// project's whole proof on the program's PDF printer: the choices open the
// zone list only for "Zone", Drucken writes the PDF and closes the dialog,
// and the PDF holds the cover with its verdict, the summary, the protocol
// and the component sheets under page heads, ending with the end box.
#include "frame/Initialisierung.h"
#include "frame/qt/QtPlattform.h"
#include "printing/frmDrucken.h"
#include "printing/qt/frmDruckenAnsicht.h"
#include "project/ProjektGlobal.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"
#include "tests/support/qt/Pdftext.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

namespace fs = std::filesystem;

TEST(SystemnachweisPdf, BeispielprojektUeberDenDialog) {
    Testhilfe::Zonenprojekt z;
    QtPlattform::QtDrucker drucker;
    Testhilfe::SkriptUmgebung uhr;
    uhr.Uhr = 1767225600 + 10 * 3600;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &uhr}};
    const Initialisierung alt = Global::Initialisierung;
    Testhilfe::Druckumgebung::Einstellungen(Plattform::PdfDrucker);
    Global::Initialisierung.DruckerDateiname = true;
    const fs::path beispiel = fs::path(ZIRVO_TESTDATEN) / ".." / "examples" / "Beispiel.zirvo9";
    ASSERT_EQ(Testhilfe::ProjektÖffnen(beispiel), "");
    QTemporaryDir ordner;
    const std::string pdf = ordner.filePath("Systemnachweis-Beispiel.pdf").toStdString();
    z.umgebung.dateidialoge.Antworten.push_back(pdf);

    frmDrucken modell;
    modell.Form_Load();
    frmDruckenAnsicht ansicht(modell);
    ansicht.show();
    auto* zonen = Testhilfe::Kind<QComboBox>(ansicht, "cboZonen");
    ASSERT_NE(zonen, nullptr);
    EXPECT_FALSE(zonen->isEnabled());
    Testhilfe::Kind<QRadioButton>(ansicht, "optAusdruck(7)")->click();
    EXPECT_TRUE(zonen->isEnabled());
    EXPECT_EQ(zonen->currentText(), "Wohnen");
    Testhilfe::Bild(ansicht, "frmDrucken.png");
    Testhilfe::Kind<QRadioButton>(ansicht, "optAusdruck(0)")->click();
    EXPECT_FALSE(zonen->isEnabled());
    Testhilfe::Kind<QPushButton>(ansicht, "cmdDrucken")->click();
    Global::Initialisierung = alt;
    ASSERT_NE(z.umgebung.meldungen.Letzte(), nullptr);
    EXPECT_EQ(z.umgebung.meldungen.Zuletzt().Text, "OK, Ausdruck abgeschlossen.");
    EXPECT_TRUE(modell.Entladen);
    EXPECT_TRUE(ansicht.isHidden());

    const std::string text = Testhilfe::Pdf::Text(pdf);
    const auto seiten = Testhilfe::Pdf::Seiten(text);
    ASSERT_GE(seiten.size(), 5u) << text;
    // The cover: head box, the project, the result with its verdict, the
    // file name below the frame.
    EXPECT_TRUE(std::regex_search(seiten[0], std::regex(R"(Ausgedruckt am: +1\.1\.2026 \d+:00:00 +Seite 1)")))
        << seiten[0];
    EXPECT_NE(seiten[0].find("Beispiel Wohnhaus"), std::string::npos);
    EXPECT_TRUE(std::regex_search(seiten[0], std::regex(R"(☒ +Neubau)")));
    EXPECT_TRUE(std::regex_search(seiten[0], std::regex(R"((☒|☐) +erfüllt +(☒|☐) +nicht erfüllt)")));
    EXPECT_NE(seiten[0].find("Beispiel.zirvo9"), std::string::npos) << "the file name below the frame";
    // Every later page under the page head; the parts in their order.
    for (std::size_t s = 1; s < seiten.size(); ++s) {
        const std::string kopf = seiten[s].substr(0, seiten[s].find('\n'));
        EXPECT_TRUE(std::regex_search(kopf, std::regex("Nachweis: +Beispiel Wohnhaus +1\\.1\\.2026 .* Seite " +
                                                       std::to_string(s + 1) + "$")))
            << kopf;
    }
    std::size_t pos = 0;
    for (const char* teil : {"Zusammenfassung", "Energiebilanz mit", "Heizlast mit", "Protokoll", "Nutzung",
                             "Heizwärmebedarf", "Überwachung:", "Nachweis: Ende des Ausdrucks"}) {
        const std::size_t p = text.find(teil, pos);
        EXPECT_NE(p, std::string::npos) << teil;
        if (p != std::string::npos) pos = p;
    }
}

} // namespace

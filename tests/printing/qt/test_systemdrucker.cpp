// Printing on printers of the system, through a CUPS server of the test's
// own (no printing of the system is touched): a queue that refuses jobs
// gives a failure with CUPS's reason, never "OK", for the system proof and
// the test page, also when it begins to refuse while the job is drawn; a
// queue that takes jobs gets the job under the document's name; whether a
// queue prints on both sides is what its driver says, and the print dialog
// closes its duplex box for one that does not.
#include "frame/Initialisierung.h"
#include "frame/qt/QtPlattform.h"
#include "printing/frmDruckIni.h"
#include "printing/frmDrucken.h"
#include "printing/qt/frmDruckenAnsicht.h"
#include "project/ProjektGlobal.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"
#include "tests/support/qt/Testcups.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QCheckBox>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

struct Systemdruck {
    Testhilfe::Testcups cups;
    Testhilfe::Zonenprojekt z;
    QtPlattform::QtDrucker drucker;
    Testhilfe::SkriptUmgebung uhr;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &uhr}};
    Initialisierung alt = Global::Initialisierung;

    Systemdruck() {
        uhr.Uhr = 1767225600 + 10 * 3600;
        const fs::path beispiel = fs::path(ZIRVO_TESTDATEN) / ".." / "examples" / "Beispiel.zirvo9";
        EXPECT_EQ(Testhilfe::ProjektÖffnen(beispiel), "");
    }
    ~Systemdruck() { Global::Initialisierung = alt; }
    std::vector<std::string> Meldungen() const {
        std::vector<std::string> texte;
        for (const auto& m : z.umgebung.meldungen.Gezeigt) texte.push_back(m.Text);
        return texte;
    }
};

#define CUPS_BEREIT(s)                                                                                                 \
    if ((s).cups.Fehlt()) GTEST_SKIP() << (s).cups.Grund();                                                            \
    ASSERT_TRUE((s).cups.Bereit()) << (s).cups.Grund()

TEST(Systemdrucker, AbgelehnteUndAngenommeneAuftraege) {
    Systemdruck s;
    CUPS_BEREIT(s);
    for (const char* name : {"Annehmend", "Ablehnend", "Beidseitig"})
        ASSERT_EQ(s.cups.Warteschlange(name, std::string(name) == "Beidseitig"), "");
    ASSERT_EQ(s.cups.Ablehnen("Ablehnend", "Wartung bis Montag"), "");
    const auto liste = s.drucker.DruckerListe();
    for (const char* name : {"Annehmend", "Ablehnend", "Beidseitig", "PDF-Datei"})
        EXPECT_NE(std::find(liste.begin(), liste.end(), name), liste.end()) << name;
    EXPECT_FALSE(s.drucker.Beidseitig("Annehmend"));
    EXPECT_TRUE(s.drucker.Beidseitig("Beidseitig"));
    EXPECT_TRUE(s.drucker.Beidseitig("PDF-Datei"));
    // The print dialog on the queue without: its duplex box closed, the
    // tool tip saying why.
    Testhilfe::Druckumgebung::Einstellungen("Annehmend");
    Global::Initialisierung.DruckerDuplex = true;
    frmDrucken modell;
    modell.Form_Load();
    frmDruckenAnsicht ansicht(modell);
    ansicht.show();
    auto* duplex = Testhilfe::Kind<QCheckBox>(ansicht, "chkDuplex");
    ASSERT_NE(duplex, nullptr);
    EXPECT_FALSE(duplex->isEnabled());
    EXPECT_FALSE(duplex->isChecked());
    EXPECT_EQ(duplex->toolTip().toStdString(), "Der Drucker hat keine Duplex-Einheit: er druckt nur einseitig.");
    Testhilfe::Bild(ansicht, "frmDrucken-ohne-Duplex.png");

    const std::string abgelehnt = "Der Drucker nimmt zurzeit keine Aufträge an.\r\nWartung bis Montag";
    struct Fall {
        const char* drucker;
        bool testseite;
        std::string meldung;   // the last message
        std::string auftrag;   // the name of the job the queue got, "" none
    } fälle[] = {
        {"Annehmend", false, "OK, Ausdruck abgeschlossen.", "Beispiel"},
        {"Annehmend", true, "OK, die Testseite ist gedruckt.", "Beispiel"},
        {"Ablehnend", false, "Drucker nicht verfügbar\r\nAblehnend\r\n" + abgelehnt, ""},
        {"Ablehnend", true, "Drucker nicht verfügbar\r\nAblehnend\r\n" + abgelehnt, ""},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(std::string(c.drucker) + (c.testseite ? ", test page" : ", system proof"));
        s.z.umgebung.meldungen.Gezeigt.clear();
        Testhilfe::Druckumgebung::Einstellungen(c.drucker);
        const std::size_t vorher = s.cups.Aufträge(c.drucker).size();
        if (c.testseite) {
            s.z.umgebung.meldungen.Antworten = {Plattform::Antwort::Ja};
            frmDruckIni dialog;
            dialog.Form_Load();
            dialog.cmdTestseite_Click();
        } else {
            Testhilfe::SystemnachweisDrucken(s.z.umgebung, 1, "1", false);
        }
        const std::vector<std::string> meldungen = s.Meldungen();
        ASSERT_FALSE(meldungen.empty());
        EXPECT_EQ(meldungen.back().substr(0, c.meldung.size()), c.meldung);
        for (const std::string& m : meldungen) {
            if (c.auftrag.empty()) {
                EXPECT_EQ(m.rfind("OK", 0), std::string::npos) << m;
            }
        }
        const auto aufträge = s.cups.Aufträge(c.drucker);
        ASSERT_EQ(aufträge.size(), vorher + (c.auftrag.empty() ? 0 : 1));
        if (!c.auftrag.empty()) {
            EXPECT_EQ(aufträge.back(), c.auftrag);
        }
    }

    // A queue that begins to refuse jobs while the printout is drawn: the
    // job ends in a failure with what CUPS answered.
    std::string fehler;
    auto auftrag = s.drucker.Auftrag("Annehmend", "", fehler);
    ASSERT_NE(auftrag, nullptr) << fehler;
    auftrag->Dokumentname("Spät abgelehnt");
    auftrag->Schrift({"Arial", 9, false});
    auftrag->Text(1, 1, "Ein Auftrag");
    ASSERT_EQ(s.cups.Ablehnen("Annehmend", "Papierstau"), "");
    EXPECT_FALSE(auftrag->Beenden(fehler));
    EXPECT_EQ(fehler.rfind("Der Drucker hat den Auftrag nicht angenommen.\r\n", 0), 0u) << fehler;
    EXPECT_GT(fehler.size(), std::string("Der Drucker hat den Auftrag nicht angenommen.\r\n").size());
    const auto aufträge = s.cups.Aufträge("Annehmend");
    EXPECT_EQ(std::count(aufträge.begin(), aufträge.end(), "Spät abgelehnt"), 0);
}

} // namespace

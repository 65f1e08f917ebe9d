// Printed tables read back from real PDFs (pdftotext -bbox) in several
// faces and sizes: no text of the system proof comes near a drawn line,
// beside, above or below it (where a column line stops and resumes around
// a label on its white fill, too).
#include "balance/Anzeigezahl.h"
#include "frame/Initialisierung.h"
#include "frame/qt/QtDruckflaeche.h"
#include "printing/Druckraster.h"
#include "printing/frmDrucken.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Grenzprojekte.h"
#include "tests/support/qt/Lesbarkeit.h"
#include "tests/support/qt/Pdfdruck.h"
#include "tests/support/qt/Pdftext.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace {

using namespace Testhilfe::Pdf;

struct Einstellung {
    const char* schrift;
    double grösse;
    double rand; // cm all round; < 0 the margins of a fresh install
    std::string Name() const {
        return std::string(schrift) + " " + Anzeigezahl::Zahltext(grösse) + " pt" +
               (rand < 0 ? "" : " at " + Anzeigezahl::Zahltext(rand) + " cm");
    }
    // Puts the setting into the print settings; false (and says so) where
    // fontconfig lacks the face, which only the sanitizer pass may.
    bool Setzen() const {
        if (std::string(schrift) != "Arial" &&
            QFontInfo(QtDruckfläche::Druckfont({schrift, grösse, false})).family().toStdString() != schrift) {
            EXPECT_NE(std::getenv("FONTCONFIG_FILE"), nullptr) << "the test needs the faces of scripts/install-deps.sh";
            std::cout << "[ SKIPPED  ] " << Name() << ": not a face of this fontconfig\n";
            return false;
        }
        Initialisierung& ini = Global::Initialisierung;
        ini.DruckerSchrift = schrift;
        ini.DruckerSchriftgrösse = static_cast<float>(grösse);
        if (rand >= 0)
            ini.DruckerRandLinks = ini.DruckerRandOben = ini.DruckerRandRechts = ini.DruckerRandUnten =
                static_cast<float>(rand);
        return true;
    }
};

TEST(PdfSpalten, KeinTextBeruehrtEineLinie) {
    // FreeSans at 11 pt without margins: its labels fill their rows, and
    // brackets such as that of "[m²]" reach to the top and foot of a line.
    const Einstellung fälle[] = {
        {"FreeSans", 11, 0},
        {"FreeSans", 9, -1},
        {"Liberation Serif", 9, -1},
    };
    Testhilfe::Pdfdruck d("pdf_linien", 1767225600 + 10 * 3600);
    AufzeichnenderDrucker drucker;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &d.umgebung}};
    Testhilfe::MaximalprojektAnlegen(d.z);
    int nr = 0;
    for (const Einstellung& e : fälle) {
        SCOPED_TRACE(e.Name());
        if (!e.Setzen()) continue;
        const std::string pdf = d.Ziel("Linien" + std::to_string(++nr) + ".pdf");
        d.z.umgebung.meldungen.Gezeigt.clear();
        ASSERT_EQ(Testhilfe::SystemnachweisDrucken(d.z.umgebung, 0, "1", false), "OK, Ausdruck abgeschlossen.");
        const Druckraster::Raster r =
            Druckraster::Seite(Druckeinstellungen::Gelesen(Global::Initialisierung), false, 21, 29.7);
        EXPECT_EQ(Mängel(Wörter(pdf), drucker.Striche, r), std::vector<std::string>{});
    }
}

} // namespace

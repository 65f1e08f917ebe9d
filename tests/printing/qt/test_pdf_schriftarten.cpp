// The system proof of the project at the program's maxima printed at the
// default margins in faces other than Arial (monospaced, serif and
// proportional ones that the install script brings) and in several sizes:
// each setting either prints a legible proof or is refused, in the set-up
// dialog and at the start of the printout, with a message naming the text
// that does not fit, and no file is written.
#include "balance/Anzeigezahl.h"
#include "frame/qt/QtDruckflaeche.h"
#include "frame/Initialisierung.h"
#include "printing/Druckraster.h"
#include "printing/frmDruckIni.h"
#include "printing/frmDrucken.h"
#include "tests/support/Grenzprojekte.h"
#include "tests/support/qt/Lesbarkeit.h"
#include "tests/support/qt/Pdfdruck.h"
#include "tests/support/qt/Pdftext.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

using namespace Testhilfe::Pdf;

TEST(PdfSchriftarten, LesbarOderAbgelehnt) {
    // The first dot line of the signatures on the cover.
    static constexpr const char* Punkte = "«..............................»";
    struct Fall {
        const char* schrift;
        double grösse;
        bool zeilenNachSchrift;
        const char* ablehnung; // "" it prints; else the start of the refusal
        const char* text;      // the text it names as not fitting ("" none)
        bool dialog;           // the set-up dialog refuses it already
    } fälle[] = {
        // Monospaced faces: the cover's dot lines of the signatures run into each other.
        {"DejaVu Sans Mono", 6, false, "Mit der Schrift DejaVu Sans Mono in 6 pt bleibt", Punkte, true},
        {"DejaVu Sans Mono", 8, false, "Mit der Schrift DejaVu Sans Mono in 8 pt bleibt", Punkte, true},
        {"Liberation Mono", 7, false, "Mit der Schrift Liberation Mono in 7 pt bleibt", Punkte, true},
        {"Liberation Mono", 8, false, "Mit der Schrift Liberation Mono in 8 pt bleibt", Punkte, true},
        // A serif face: legible where it fits the grid; by font height at
        // 10 pt the unit heads of the energy balance would stand on their rules.
        {"Liberation Serif", 8, false, "", "", false},
        {"Liberation Serif", 9, false, "", "", false},
        {"Liberation Serif", 10, false, "Die Schrift Liberation Serif in 10 pt passt nicht", "", true},
        {"Liberation Serif", 10, true, "Mit der Schrift Liberation Serif in 10 pt bleibt",
         "«[kWh/m²]» nicht in seinem Feld der Ausdrucke: es reicht an eine Linie", true},
        // Proportional faces: legible at every size their digits fit.
        {"DejaVu Sans", 6, false, "", "", false},
        {"DejaVu Sans", 7, false, "", "", false},
        {"DejaVu Sans", 8, false, "Die Schrift DejaVu Sans in 8 pt passt nicht", "", true},
        {"DejaVu Serif", 7, false, "", "", false},
        {"DejaVu Sans Condensed", 8, false, "", "", false},
        // The settings of a fresh install.
        {"Arial", 9, false, "", "", false},
    };
    Testhilfe::Pdfdruck d("pdf_schriftarten", 1767225600 + 10 * 3600);
    AufzeichnenderDrucker drucker;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &d.umgebung}};
    Testhilfe::MaximalprojektAnlegen(d.z);
    auto& meldungen = d.z.umgebung.meldungen;
    const auto letzte = [&] { return meldungen.Letzte() ? meldungen.Letzte()->Text : std::string(); };
    int nr = 0;
    for (const Fall& c : fälle) {
        const std::string was = std::string(c.schrift) + " " + Anzeigezahl::Zahltext(c.grösse) + " pt" +
                                (c.zeilenNachSchrift ? " by font height" : "");
        SCOPED_TRACE(was);
        if (std::string(c.schrift) != "Arial" &&
            QFontInfo(QtDruckfläche::Druckfont({c.schrift, c.grösse, false})).family().toStdString() != c.schrift) {
            // The sanitizer pass limits fontconfig to DejaVu, as on a bare
            // system; everywhere else the install script brings every face.
            ASSERT_NE(std::getenv("FONTCONFIG_FILE"), nullptr) << "the test needs the faces of scripts/install-deps.sh";
            std::cout << "[ SKIPPED  ] " << was << ": not a face of this fontconfig\n";
            continue;
        }
        Initialisierung& ini = Global::Initialisierung;
        ini.DruckerSchrift = "Arial";
        ini.DruckerSchriftgrösse = 9;
        // The set-up dialog: chosen through "Durchsuchen", then OK.
        meldungen.Gezeigt.clear();
        frmDruckIni dialog;
        dialog.Form_Load();
        d.z.umgebung.dateidialoge.Schrift = Plattform::Schrift{c.schrift, c.grösse};
        dialog.cmdSchriftDurchsuchen_Click();
        EXPECT_EQ(!letzte().empty(), c.dialog) << letzte();
        if (c.dialog && *c.text && !c.zeilenNachSchrift) {
            EXPECT_NE(letzte().find(c.text), std::string::npos) << letzte();
        }
        dialog.cmdOK_Click();
        EXPECT_EQ(dialog.Entladen, !c.dialog);
        EXPECT_EQ(ini.DruckerSchrift, c.dialog ? "Arial" : c.schrift);
        // The printout of the system proof.
        ini.DruckerSchrift = c.schrift;
        ini.DruckerSchriftgrösse = static_cast<float>(c.grösse);
        const std::string pdf = d.Ziel("Schrift" + std::to_string(++nr) + ".pdf");
        meldungen.Gezeigt.clear();
        frmDrucken druck;
        druck.Form_Load();
        druck.optAusdruck_Click(0);
        druck.chkADGD.setValue(c.zeilenNachSchrift ? 1 : 0);
        druck.cmdDrucken_Click();
        if (*c.ablehnung) {
            // Refused at its start: no file asked for, none written, no "OK".
            EXPECT_EQ(letzte().rfind(c.ablehnung, 0), 0u) << letzte();
            EXPECT_NE(letzte().find(c.text), std::string::npos) << letzte();
            EXPECT_EQ(d.z.umgebung.dateidialoge.Antworten.size(), 1u);
            d.z.umgebung.dateidialoge.Antworten.clear();
            EXPECT_FALSE(std::filesystem::exists(pdf));
            continue;
        }
        ASSERT_EQ(letzte(), "OK, Ausdruck abgeschlossen.");
        const Druckraster::Raster r = Druckraster::Seite(Druckeinstellungen::Gelesen(ini), false, 21, 29.7);
        EXPECT_EQ(Mängel(Wörter(pdf), drucker.Striche, r), std::vector<std::string>{});
    }
}

} // namespace

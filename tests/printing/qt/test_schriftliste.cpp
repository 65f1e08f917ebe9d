// The faces "Durchsuchen" offers for the print font: each family once by
// its name (no foundry duplicates, no names that stand for another family,
// none without an upright regular style, none that lacks a character of the
// reports), and a family typed exactly stays that family.
#include "frame/Initialisierung.h"
#include "frame/qt/QtPlattform.h"
#include "frame/qt/Schriftdialog.h"
#include "frame/qt/Schriftzeichen.h"
#include "printing/Druckzeichen.h"
#include "printing/frmDruckIni.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Whether the system has the family under some foundry.
bool Vorhanden(const QString& familie) {
    for (const QString& f : QFontDatabase::families())
        if (QtSchriftzeichen::OhneGiesserei(f) == familie) return true;
    return false;
}

TEST(Schriftliste, JedeFamilieEinmalUndNurWasDruckt) {
    struct Fall {
        const char* familie;
        bool angeboten;
    } fälle[] = {
        {"Liberation Sans", true},
        {"DejaVu Sans", true},
        {"DejaVu Sans Condensed", true},
        {"Nimbus Sans", true},    // three foundries, one of them italic only
        {"Nimbus Mono PS", true}, // two foundries
        {"Caladea", true},        // no Greek letters: they come from the printer's Greek set
        {"Standard Symbols PS", false},
        {"D050000L", false},
        {"Z003", false}, // italic only
        {"Droid Sans Fallback", false},
        {"Monospace", false},
        {"Sans Serif", false},
        {"Serif", false},
    };
    const QStringList liste = QtSchriftzeichen::Familien(Druckzeichen::Zeichen());
    QStringList einmal = liste;
    EXPECT_EQ(einmal.removeDuplicates(), 0) << liste.join(", ").toStdString();
    for (const QString& f : liste) EXPECT_FALSE(f.contains('[')) << f.toStdString();
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.familie);
        if (c.angeboten && !Vorhanden(c.familie)) {
            // The sanitizer pass limits fontconfig to DejaVu, as on a bare
            // system; everywhere else the install script brings every face.
            ASSERT_NE(std::getenv("FONTCONFIG_FILE"), nullptr) << "the test needs the faces of scripts/install-deps.sh";
            continue;
        }
        EXPECT_EQ(liste.contains(c.familie), c.angeboten) << liste.join(", ").toStdString();
    }
}

// Typed into the family field and Enter, as the user does: the family the
// set-up dialog then shows.
TEST(Schriftliste, GetippteFamilieBleibt) {
    struct Fall {
        const char* gespeichert;
        const char* getippt;
        const char* danach;
    } fälle[] = {
        {"Arial", "DejaVu Sans", "DejaVu Sans"},
        {"DejaVu Sans", "DejaVu Sans", "DejaVu Sans"}, // the second time
        {"DejaVu Sans", "dejavu sans", "DejaVu Sans"},
        {"DejaVu Sans", "DejaVu Sans Condensed", "DejaVu Sans Condensed"},
        {"DejaVu Sans Condensed", "DejaVu Sans", "DejaVu Sans"},
        {"DejaVu Sans", "DejaVu Serif", "DejaVu Serif"},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(std::string(c.gespeichert) + " > " + c.getippt);
        if (!Vorhanden(c.danach)) {
            ASSERT_NE(std::getenv("FONTCONFIG_FILE"), nullptr) << "the test needs the faces of scripts/install-deps.sh";
            continue;
        }
        Testhilfe::Testumgebung umgebung;
        Testhilfe::Druckumgebung druck;
        QtPlattform::QtDateidialoge dialoge;
        Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, &dialoge, nullptr, nullptr, nullptr}};
        Global::Initialisierung.DruckerSchrift = c.gespeichert;
        Global::Initialisierung.DruckerSchriftgrösse = 7;
        frmDruckIni dialog;
        dialog.Form_Load();
        Testhilfe::Modal([&] { dialog.cmdSchriftDurchsuchen_Click(); },
                         [&](QDialog& fenster) {
                             auto* liste = Testhilfe::Kind<QComboBox>(fenster, "cboSchrift");
                             ASSERT_NE(liste, nullptr);
                             // Into its field; a list without one searches as typed.
                             QWidget* feld = liste->lineEdit();
                             if (feld) liste->lineEdit()->selectAll();
                             else feld = liste;
                             feld->setFocus();
                             Testhilfe::Tippen(feld, c.getippt);
                             for (const QEvent::Type art : {QEvent::KeyPress, QEvent::KeyRelease}) {
                                 QKeyEvent enter(art, Qt::Key_Return, Qt::NoModifier);
                                 QApplication::sendEvent(feld, &enter);
                             }
                             EXPECT_FALSE(fenster.isVisible()) << "Enter takes the family";
                         });
        EXPECT_EQ(dialog.lblSchrift.Caption(), c.danach);
        EXPECT_EQ(umgebung.meldungen.Gezeigt.size(), 0u) << umgebung.meldungen.Zuletzt().Text;
    }
}

} // namespace

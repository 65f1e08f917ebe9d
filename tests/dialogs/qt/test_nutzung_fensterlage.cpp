// Where the use dialog opens in a new project: over the middle of the main
// window, wholly on the screen, its OK and Abbrechen within reach.
#include "dialogs/frmNutzung.h"
#include "dialogs/qt/frmNutzungAnsicht.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/Fensterlage.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

TEST(NutzungFensterlage, ErstesÖffnenImNeuenProjekt) {
    Testhilfe::SkriptMeldungen meldungen;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{&meldungen, nullptr, nullptr, nullptr, nullptr}};
    basZIRVODialogSprache::SpracheSetzen();
    Fensterlage::Wächter wächter;
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    for (int runde = 0; runde < 5; ++runde) {
        // A main window over most of the screen, and a new project.
        QWidget haupt(nullptr, Qt::Window);
        haupt.setGeometry(frei.adjusted(1, 20, -7, -80));
        haupt.show();
        QApplication::processEvents();
        Fensterlage::HauptfensterSetzen(&haupt);
        Global::Projekt = Projekt();
        Global::Projekt.ProjektNeu();
        frmNutzungAnsicht::Einrichten();
        Testhilfe::Modal([] { frmNutzung::Aufruf(); }, [&](QDialog& d) {
            QApplication::processEvents();
            const QRect außen(d.pos(), d.size().grownBy(Fensterlage::Rahmen(&d)));
            EXPECT_TRUE(frei.contains(außen)) << runde;
            const QPoint abstand = außen.center() - haupt.frameGeometry().center();
            EXPECT_LE(abstand.manhattanLength(), 2) << runde << ": " << abstand.x() << "," << abstand.y();
            for (const char* name : {"cmdOK", "cmdAbbrechen"}) {
                auto* knopf = d.findChild<QPushButton*>(name);
                ASSERT_NE(knopf, nullptr) << name;
                EXPECT_TRUE(frei.contains(QRect(knopf->mapToGlobal(QPoint(0, 0)), knopf->size()))) << name;
            }
        });
        Fensterlage::HauptfensterSetzen(nullptr);
    }
    frmNutzung::Anzeigen = nullptr;
    Global::Projekt = Projekt();
}

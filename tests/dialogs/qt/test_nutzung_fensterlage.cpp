// Where the use dialog opens in a new project: over the middle of the main
// window, wholly on the screen, its OK and Abbrechen within reach, also
// when the desktop frames it late and Qt reports a frame before that.
#include "dialogs/frmNutzung.h"
#include "dialogs/qt/frmNutzungAnsicht.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/Fensterlage.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QDialog>
#include <QMoveEvent>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Qt's report of the window's outer rectangle before the desktop has taken
// it over, from the inner rectangle: none (framed at once), or one from two
// moments, which the placement must not take for a frame.
struct Bericht {
    const char* was;
    std::function<QRect(const QRect&)> außen;
};

} // namespace

TEST(NutzungFensterlage, ErstesÖffnenImNeuenProjekt) {
    Testhilfe::SkriptMeldungen meldungen;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{&meldungen, nullptr, nullptr, nullptr, nullptr}};
    basZIRVODialogSprache::SpracheSetzen();
    Fensterlage::Wächter wächter;
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    const Bericht berichte[] = {
        {"framed at once", nullptr},
        {"the frame of the size it was made with",
         [](const QRect& innen) { return QRect(innen.topLeft() - QPoint(1, 20), QSize(102, 51)); }},
        {"the outer one of the size set since, the inner one the size it was made with",
         [](const QRect& innen) { return QRect(innen.topLeft(), innen.size() + QSize(667, 512)); }},
        {"the inner one in the middle of the outer one",
         [](const QRect& innen) { return innen.marginsAdded(QMargins(334, 256, 334, 256)); }},
    };
    bool übernommen = false;
    const Bericht* bericht = nullptr;
    Fensterlage::AußenmaßSetzen([&](const QWidget* w) {
        if (!übernommen && bericht && bericht->außen && w->objectName() == "frmNutzung")
            return bericht->außen(w->geometry());
        return w->frameGeometry();
    });
    struct Zurück {
        ~Zurück() { Fensterlage::AußenmaßSetzen(nullptr); }
    } zurück;
    for (const Bericht& b : berichte) {
        SCOPED_TRACE(b.was);
        bericht = &b;
        übernommen = false;
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
            // The desktop takes the dialog over: its frame arrives with a move.
            übernommen = true;
            QMoveEvent bewegt(d.pos(), d.pos());
            QApplication::sendEvent(&d, &bewegt);
            QApplication::processEvents();
            const QRect außen(d.pos(), d.size().grownBy(Fensterlage::Rahmen(&d)));
            EXPECT_TRUE(frei.contains(außen));
            const QPoint abstand = außen.center() - haupt.frameGeometry().center();
            EXPECT_LE(abstand.manhattanLength(), 2) << abstand.x() << "," << abstand.y();
            EXPECT_EQ(Fensterlage::Rollbereich(&d), nullptr) << "it fits the screen";
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

// Where windows open: every window wholly inside the free area of its
// screen, moved and shrunk where it would not fit, over the middle of its
// owner with the size it ends up with, as large as its content where the
// screen allows, fitted again when the desktop frames it, and the owner of
// the windows that the program opens.
#include "frame/qt/Fensterlage.h"
#include "frame/qt/QtPlattform.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <functional>

#include <gtest/gtest.h>

namespace {

struct Fall {
    QRect rahmen, frei, soll;
    const char* was;
};

QRect Frei() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// The window's outer rectangle as the placement reckons it.
QRect Außen(const QWidget& w) { return QRect(w.pos(), w.size().grownBy(Fensterlage::Rahmen(&w))); }

// Events until the condition holds; ten seconds only a hang exceeds.
bool Bis(const std::function<bool()>& bedingung) {
    const QDeadlineTimer frist(10000);
    while (!bedingung() && !frist.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 10);
    return bedingung();
}

// The desktop gives the window a size; true once the window has seen it.
bool DesktopGröße(QWidget& w, const QSize& größe) {
    struct Sieht : QObject {
        bool da = false;
        bool eventFilter(QObject*, QEvent* e) override {
            da = da || (e->type() == QEvent::Resize && e->spontaneous());
            return false;
        }
    } sieht;
    w.installEventFilter(&sieht);
    w.windowHandle()->resize(größe);
    return Bis([&] { return sieht.da; });
}

} // namespace

TEST(Fensterlage, EingepasstBleibtInDerFreienFläche) {
    const QRect bildschirm(0, 0, 1600, 1000);
    const Fall fälle[] = {
        {{100, 100, 600, 400}, bildschirm, {100, 100, 600, 400}, "fits: stays"},
        // The component editor at y 395, 620 high, on a 1000-pixel screen.
        {{200, 395, 700, 620}, bildschirm, {200, 380, 700, 620}, "too low: moved up"},
        {{200, 300, 700, 1200}, bildschirm, {200, 0, 700, 1000}, "too high: shrunk to the screen"},
        {{1400, 50, 400, 300}, bildschirm, {1200, 50, 400, 300}, "past the right edge: moved left"},
        {{-80, -40, 400, 300}, bildschirm, {0, 0, 400, 300}, "past the left and top: moved in"},
        // Remembered on a second screen that is gone, or at a larger resolution.
        {{3000, 1200, 500, 400}, bildschirm, {1100, 600, 500, 400}, "on a screen that is gone"},
        {{0, 0, 2400, 1400}, bildschirm, {0, 0, 1600, 1000}, "larger than the screen"},
        // A free area that does not start at 0 (a panel at the top and left).
        {{0, 0, 400, 300}, QRect(60, 30, 1540, 970), {60, 30, 400, 300}, "under a panel"},
        {{10, 900, 400, 300}, QRect(60, 30, 1540, 970), {60, 700, 400, 300}, "above a bottom edge of 1000"},
        {{0, 0, 1280, 800}, QRect(0, 0, 1280, 800), {0, 0, 1280, 800}, "exactly the area"},
    };
    for (const Fall& f : fälle) EXPECT_EQ(Fensterlage::Eingepasst(f.rahmen, f.frei), f.soll) << f.was;
}

// The frame between a window's inner and outer rectangle, and what Qt
// reckons before the desktop has the window: the display's size of the
// window still the one it was made with (a dialog's 100 × 30 at 0,0),
// against an outer rectangle from before or after it.
TEST(Fensterlage, RahmenNurRundUmDasFenster) {
    struct Rahmenfall {
        QRect innen, außen;
        QMargins soll;
        const char* was;
    };
    const Rahmenfall fälle[] = {
        {{413, 199, 767, 542}, {412, 179, 769, 567}, {1, 20, 1, 5}, "openbox, resizable"},
        {{634, 410, 327, 84}, {633, 390, 329, 105}, {1, 20, 1, 1}, "openbox, fixed size"},
        {{414, 199, 767, 542}, {412, 197, 771, 546}, {2, 2, 2, 2}, "offscreen"},
        {{0, 0, 767, 542}, {0, 0, 767, 542}, {}, "no frame yet"},
        {{0, 0, 767, 542}, {0, 0, 100, 30}, {}, "the size it was made with"},
        {{412, 179, 767, 542}, {412, 179, 100, 30}, {}, "placed, the size not yet applied"},
        {{412, 179, 767, 542}, {411, 159, 700, 567}, {}, "narrower than the window"},
        {{412, 179, 767, 542}, {413, 159, 767, 567}, {}, "right of its left edge"},
        {{412, 179, 100, 30}, {412, 179, 767, 542}, {}, "the size it was made with, the outer one set since"},
        {{798, 502, 100, 30}, {412, 179, 769, 567}, {}, "made-with size, the outer one framed since"},
        {{412, 179, 767, 30}, {411, 159, 769, 567}, {}, "made-with height, deeper below than above"},
        {{746, 435, 100, 30}, {412, 179, 768, 542}, {}, "made-with size in the middle of the outer one"},
    };
    for (const Rahmenfall& f : fälle) EXPECT_EQ(Fensterlage::Rahmenmaß(f.innen, f.außen), f.soll) << f.was;
}

TEST(Fensterlage, JedesGezeigteFensterLiegtAufDemBildschirm) {
    Fensterlage::Wächter wächter;
    const QRect frei = Frei();
    ASSERT_FALSE(frei.isEmpty());

    // Placed below the screen's bottom and higher than the screen.
    QWidget lang(nullptr, Qt::Window);
    lang.move(frei.left() + 40, frei.top() + frei.height() / 2);
    lang.resize(300, frei.height() + 200);
    lang.show();
    EXPECT_TRUE(frei.contains(Außen(lang))) << "lang";
    EXPECT_LE(lang.height(), frei.height());

    // A remembered place far beyond the right edge.
    QWidget weit(nullptr, Qt::Window);
    weit.resize(200, 150);
    weit.move(frei.right() + 3000, frei.top() + 10);
    weit.show();
    EXPECT_TRUE(frei.contains(Außen(weit))) << "weit";
    EXPECT_EQ(weit.size(), QSize(200, 150));

    // A dialog larger than the screen, over an owner.
    QDialog dialog(&weit);
    dialog.resize(frei.width() + 100, 200);
    dialog.show();
    EXPECT_TRUE(frei.contains(Außen(dialog))) << "dialog";

    // So does a small dialog nobody placed, as Qt would place it.
    QDialog klein(&weit);
    klein.resize(120, 60);
    klein.show();
    EXPECT_TRUE(frei.contains(Außen(klein)));
    EXPECT_LE(std::abs(Außen(klein).center().x() - weit.frameGeometry().center().x()), 1);
    EXPECT_LE(std::abs(Außen(klein).center().y() - weit.frameGeometry().center().y()), 1);

    // A window nobody placed opens over the middle of its owner.
    QWidget eigen(&weit, Qt::Window);
    eigen.resize(100, 80);
    eigen.show();
    EXPECT_TRUE(frei.contains(Außen(eigen)));
    EXPECT_LE(std::abs(Außen(eigen).center().x() - weit.frameGeometry().center().x()), 1);

    // A minimum larger than the screen wins; the window then starts at the
    // area's top left.
    QWidget gross(nullptr, Qt::Window);
    gross.setMinimumSize(100, frei.height() + 50);
    gross.move(frei.left() + 50, frei.top() + 50);
    gross.show();
    EXPECT_EQ(gross.height(), frei.height() + 50);
    EXPECT_EQ(Außen(gross).top(), frei.top());
}

TEST(Fensterlage, EigentümerIstDasModaleFensterOderDasHauptfenster) {
    QWidget haupt(nullptr, Qt::Window);
    Fensterlage::HauptfensterSetzen(&haupt);
    // Nothing active (a command run from a menu): the main window, once it
    // is on the screen.
    if (!QApplication::activeWindow() && !QApplication::activeModalWidget()) {
        EXPECT_EQ(Fensterlage::Eigentümer(), nullptr);
        haupt.show();
        EXPECT_EQ(Fensterlage::Eigentümer(), QApplication::activeWindow() ? QApplication::activeWindow() : &haupt);
    }
    EXPECT_EQ(Fensterlage::Hauptfenster(), &haupt);
    Fensterlage::HauptfensterSetzen(nullptr);
    EXPECT_EQ(Fensterlage::Hauptfenster(), nullptr);
}

TEST(Fensterlage, EinFensterSitztMitSeinerEndgültigenGrösseÜberSeinemEigentümer) {
    Fensterlage::Wächter wächter;
    QWidget haupt(nullptr, Qt::Window);
    haupt.setGeometry(Frei().adjusted(30, 30, -30, -30));
    haupt.show();
    // Message boxes give themselves their size as they show, after the watch placed them.
    for (int runde = 0; runde < 20; ++runde)
        for (const QString& text : {QString("Kurz."), QString("Die Zeile 3 hat keinen U-Wert. ").repeated(12)}) {
            auto box = QtPlattform::Meldungsfenster(text.toStdString(), "Titel", Plattform::Symbol::Fehler,
                                                    Plattform::Knöpfe::JaNein, Plattform::Antwort::Ja, &haupt);
            Testhilfe::Modal([&] { box->exec(); }, [&](QDialog& offen) {
                const QPoint abstand = Außen(offen).center() - haupt.frameGeometry().center();
                EXPECT_LE(abstand.manhattanLength(), 2) << runde << ": " << abstand.x() << "," << abstand.y();
            });
        }
}

TEST(Fensterlage, EinRollfensterBleibtSoGrossWieSeinInhalt) {
    Fensterlage::Wächter wächter;
    QWidget haupt(nullptr, Qt::Window);
    haupt.show();
    const QSize frei = Frei().size();
    // Content higher than the screen (the component editor at 175 %), wider, both.
    const QSize inhalte[] = {{frei.width() * 3 / 4, frei.height() + 80}, {frei.width() + 80, frei.height() / 2},
                             {frei.width() + 80, frei.height() + 80}};
    for (int runde = 0; runde < 20; ++runde)
        for (const QSize& inhalt : inhalte) {
            QWidget w(&haupt, Fensterlage::BesessenesFenster);
            auto* layout = new QVBoxLayout(&w);
            layout->setMenuBar(new QMenuBar(&w));
            layout->addWidget(new QWidget(&w));
            layout->itemAt(0)->widget()->setMinimumSize(inhalt);
            w.show();
            ASSERT_NE(Fensterlage::Rollbereich(&w), nullptr);
            // The size Qt made the window with, which a desktop may give it
            // as it takes the window over; then a re-fit.
            ASSERT_TRUE(DesktopGröße(w, {100, 30}));
            QApplication::processEvents();
            Fensterlage::Einpassen(&w);
            // Seen whole where the content fits beside its bar; else the window spans the screen.
            const QSize sicht = Fensterlage::Rollbereich(&w)->viewport()->size();
            const QRect außen = Außen(w);
            EXPECT_TRUE(Frei().contains(außen)) << runde;
            if (inhalt.width() + 40 < frei.width()) EXPECT_GE(sicht.width(), inhalt.width()) << runde;
            else EXPECT_EQ(außen.width(), frei.width()) << runde;
            if (inhalt.height() + 80 < frei.height()) EXPECT_GE(sicht.height(), inhalt.height()) << runde;
            else EXPECT_EQ(außen.height(), frei.height()) << runde;
        }
}

TEST(Fensterlage, EinFensterLiegtAufDemBildschirmSobaldDerDesktopEsGerahmtHat) {
    Fensterlage::Wächter wächter;
    const QRect frei = Frei();
    for (int runde = 0; runde < 20; ++runde) {
        // As large as the screen, framed by the desktop only after it is
        // shown, whenever the desktop is ready: it draws the frame and moves
        // the window into it (offscreen draws one for a window shown without
        // one once it may have one and is moved). The watch knows no frame
        // of this run then (the test on its own, as ctest runs it) or the
        // one of the last round.
        QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
        w.setGeometry(frei);
        w.show();
        w.windowHandle()->setFlags(w.windowHandle()->flags() & ~Qt::FramelessWindowHint);
        w.windowHandle()->setPosition(w.windowHandle()->position() + QPoint(1, 1));
        ASSERT_TRUE(Bis([&] { return w.frameGeometry() != w.geometry(); }));
        QApplication::processEvents();
        EXPECT_TRUE(frei.contains(w.frameGeometry())) << runde;
    }
}

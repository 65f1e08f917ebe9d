// Where windows open: every window wholly inside the free area of its
// screen, moved and shrunk where it would not fit, and the owner of the
// windows that the program opens.
#include "frame/qt/Fensterlage.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct Fall {
    QRect rahmen, frei, soll;
    const char* was;
};

QRect Frei() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// The window's outer rectangle as the placement reckons it.
QRect Außen(const QWidget& w) { return QRect(w.pos(), w.size().grownBy(Fensterlage::Rahmen(&w))); }

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

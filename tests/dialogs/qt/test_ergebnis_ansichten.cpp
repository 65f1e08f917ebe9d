// The result views on the screen: the monthly energy table as a list with
// its bold rows and its menu, and the area report as a coloured text that
// Esc closes and that opens again where it was.
#include "dialogs/frmEnergien.h"
#include "dialogs/frmFlaechen.h"
#include "dialogs/qt/TextberichtAnsicht.h"
#include "dialogs/qt/frmEnergienAnsicht.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

struct Ergebnis : ::testing::Test {
    Testhilfe::Zonenprojekt z;
    void SetUp() override {
        ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / "AlleZeilenarten.zirvo9"), "");
        ASSERT_TRUE(Testhilfe::AlleZonenBerechnen(z.F).empty());
    }
};

} // namespace

TEST_F(Ergebnis, Energientabelle) {
    frmEnergien m;
    m.Form_Load();
    frmEnergienAnsicht a(m);
    a.show();
    QTreeWidget* lvw = a.Liste();
    ASSERT_EQ(lvw->topLevelItemCount(), 32);
    ASSERT_EQ(lvw->columnCount(), 14);
    EXPECT_EQ(lvw->headerItem()->text(1).toStdString(), "Jahr");
    for (int r = 0; r < 32; ++r) {
        const auto& zeile = m.lvwEnergien.ListItems()[static_cast<std::size_t>(r)];
        EXPECT_EQ(lvw->topLevelItem(r)->font(0).bold(), zeile.Bold) << r;
        for (int c = 0; c < static_cast<int>(zeile.Texte.size()); ++c)
            EXPECT_EQ(lvw->topLevelItem(r)->text(c).toStdString(), zeile.Texte[static_cast<std::size_t>(c)]);
    }
    Testhilfe::Bild(a, "frmEnergien.png");
    auto* schliessen = a.findChild<QAction*>("mnuSchliessen");
    ASSERT_NE(schliessen, nullptr);
    EXPECT_FALSE(a.findChild<QAction*>("mnuDrucken")->isEnabled());
    schliessen->trigger();
    EXPECT_FALSE(a.isVisible());
    EXPECT_FALSE(m.Geladen());
}

TEST_F(Ergebnis, FlaechenberichtEscUndLage) {
    for (int mal = 0; mal < 2; ++mal) {
        frmFlächen m;
        m.Form_Load();
        TextberichtAnsicht a(m, "frmFlächen", QSize(500, 400));
        if (mal == 0) a.move(123, 45);
        a.show();
        QApplication::processEvents();
        EXPECT_EQ(a.pos(), QPoint(123, 45)) << mal;
        QTextBrowser* rtb = a.Textfeld();
        EXPECT_EQ(rtb->toPlainText().toStdString(), m.rtbT.Text());
        // The headings in their colour, the numbers not.
        const QTextDocument* d = rtb->document();
        auto farbe = [d](const QString& text) {
            const int pos = d->toPlainText().indexOf(text);
            QTextCursor c(const_cast<QTextDocument*>(d));
            c.setPosition(pos + 1);
            return c.charFormat().foreground().color();
        };
        EXPECT_EQ(farbe("Total (Geb"), QColor(31, 0, 127));
        EXPECT_EQ(farbe("125"), rtb->palette().text().color());
        // Tab stops of the body and of the head block.
        const auto rumpf = d->findBlock(d->toPlainText().indexOf("Dach")).blockFormat().tabPositions();
        const auto kopf = d->findBlock(d->toPlainText().indexOf("EBF")).blockFormat().tabPositions();
        ASSERT_EQ(rumpf.size(), 3);
        ASSERT_EQ(kopf.size(), 3);
        EXPECT_NEAR(kopf.at(0).position / rumpf.at(0).position, 1600.0 / 1800.0, 0.01);
        EXPECT_EQ(kopf.at(1).position, rumpf.at(1).position);
        if (mal == 0) Testhilfe::Bild(a, "frmFlaechen.png");
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(rtb, &esc);
        EXPECT_FALSE(a.isVisible());
        EXPECT_FALSE(m.Geladen());
        EXPECT_TRUE(m.PositionGemerkt());
    }
}

// The installer's window with the folder found: the first line is shown
// whole, in one line while the screen is wide enough, wrapped beyond it,
// and the window stays on the screen.
#include "installer/frmZIRVOSP.h"
#include "installer/qt/frmZIRVOSPAnsicht.h"
#include "tests/support/Testplattform.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(ZIRVOSPFenster, ErsteZeileGanzSichtbar) {
    const fs::path wurzel = fs::temp_directory_path() / ("zirvo_test_spf_" + std::to_string(::getpid()));
    const QRect frei = QApplication::primaryScreen()->availableGeometry();
    // Lines wider than the window as designed but narrower than the screen,
    // and one more than twice as wide as the screen.
    for (const int glieder : {1, 2, 30}) {
        SCOPED_TRACE(glieder);
        fs::remove_all(wurzel);
        fs::path stick = wurzel;
        for (int i = 0; i < glieder; ++i) stick /= "Ordner" + std::to_string(i);
        fs::create_directories(stick / "ZIRVO-V9");
        std::ofstream(stick / "ZIRVO-V9" / "ZIRVO3801") << "x";
        std::ofstream(stick / "ZIRVO-V9" / "ZIRVO3801.version") << "9.0.0.1\n";

        Testhilfe::Testumgebung umgebung;
        frmZIRVOSP m;
        m.Programmpfad = (wurzel / "sp" / "ZIRVOSP").string();
        m.Ziel = stick.string();
        frmZIRVOSPAnsicht fenster(m);
        m.Form_Load();
        QApplication::processEvents();
        ASSERT_FALSE(m.Beendet());
        auto* info = fenster.findChild<QLabel*>("lblInfo");
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->text().toStdString(), m.lblInfo.Caption());
        const int zeile = info->fontMetrics().horizontalAdvance(info->text());
        if (glieder < 30) {
            ASSERT_LT(zeile, frei.width() - 100);
            EXPECT_GE(info->width(), zeile);
        } else {
            // Wrapped, and tall enough for the lines it takes at its width.
            ASSERT_GT(zeile, 2 * frei.width());
            EXPECT_TRUE(info->wordWrap());
            EXPECT_GE(info->height(), info->heightForWidth(info->width()));
            EXPECT_GE(info->height(), 3 * info->fontMetrics().lineSpacing());
        }
        EXPECT_LE(fenster.frameGeometry().width(), frei.width());
        EXPECT_TRUE(frei.contains(fenster.frameGeometry())) << fenster.frameGeometry().x();
        for (auto* k : fenster.findChildren<QPushButton*>())
            EXPECT_TRUE(fenster.rect().contains(k->geometry())) << k->objectName().toStdString();
        fenster.close();
    }
    fs::remove_all(wurzel);
}

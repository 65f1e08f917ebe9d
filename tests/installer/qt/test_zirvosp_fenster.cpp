// The installer's window with the folder found: the first line is shown
// whole, in one line while the screen is wide enough, wrapped beyond it,
// and the window stays on the screen. While it waits for another installer
// it stays alive, and cancelling ends the wait.
#include "installer/frmZIRVOSP.h"
#include "installer/qt/frmZIRVOSPAnsicht.h"
#include "tests/support/Testplattform.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/file.h>
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

namespace {
// Counts the paint events of a widget.
struct Malzähler : QObject {
    int Anzahl = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++Anzahl;
        return false;
    }
};
} // namespace

// Another installer holds the program folder: "Ja, installieren" waits, and
// meanwhile the window says so, repaints and answers; "Nein, abbrechen" or
// the close box end the wait, with nothing installed and no message.
TEST(ZIRVOSPFenster, WartenBleibtBedienbar) {
    const fs::path wurzel = fs::temp_directory_path() / ("zirvo_test_spw_" + std::to_string(::getpid()));
    for (const bool schliessen : {false, true}) {
        SCOPED_TRACE(schliessen ? "Schliessfeld" : "Nein, abbrechen");
        fs::remove_all(wurzel);
        const fs::path prog = wurzel / "stick" / "ZIRVO-V9";
        fs::create_directories(prog);
        fs::create_directories(wurzel / "sp");
        std::ofstream(prog / "ZIRVO3801") << "x";
        std::ofstream(prog / "ZIRVO3801.version") << "9.0.0.1\n";
        std::ofstream(wurzel / "sp" / "Neu.txt") << "neu";
        // The other installer.
        const int andere = ::open(prog.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_EQ(::flock(andere, LOCK_EX), 0);

        Testhilfe::Testumgebung umgebung;
        frmZIRVOSP m;
        m.Programmpfad = (wurzel / "sp" / "ZIRVOSP").string();
        m.Ziel = (wurzel / "stick").string();
        frmZIRVOSPAnsicht fenster(m);
        int ende = -1;
        fenster.Ende = [&](int status) { ende = status; };
        m.Form_Load();
        ASSERT_FALSE(m.Beendet());
        auto* info = fenster.findChild<QLabel*>("lblInfo");
        auto* installieren = fenster.findChild<QPushButton*>("cmdInstallieren");
        auto* abbrechen = fenster.findChild<QPushButton*>("cmdAbbrechen");
        ASSERT_TRUE(info && installieren && abbrechen);
        Malzähler maler;
        info->installEventFilter(&maler);

        // Seen while it waits: the text, the button, a repaint asked for
        // and done; then the cancel.
        bool wartete = false, gesperrt = false;
        std::string text;
        int gemalt = 0;
        QTimer::singleShot(200, &fenster, [&] {
            wartete = m.Wartet();
            text = info->text().toStdString();
            gesperrt = !installieren->isEnabled();
            gemalt = -maler.Anzahl;
            info->update();
        });
        QTimer::singleShot(400, &fenster, [&] {
            gemalt += maler.Anzahl;
            if (schliessen) fenster.close();
            else abbrechen->click();
        });
        installieren->click();
        EXPECT_TRUE(wartete);
        EXPECT_EQ(text, "In den Programmordner '" + prog.string() + "/' installiert gerade ein anderes Service Pack.");
        EXPECT_TRUE(gesperrt);
        EXPECT_GE(gemalt, 1);
        // Ended by the cancel, not by the minute's wait running out: that
        // one says that nothing was replaced and ends with "not installed".
        EXPECT_TRUE(m.Beendet());
        EXPECT_EQ(ende, frmZIRVOSP::Erfolg);
        EXPECT_EQ(m.Rückgabe(), frmZIRVOSP::Erfolg);
        EXPECT_FALSE(fenster.isVisible());
        EXPECT_TRUE(m.Kopiert().empty());
        EXPECT_FALSE(fs::exists(prog / "Neu.txt"));
        EXPECT_EQ(umgebung.meldungen.Letzte(), nullptr);
        ::close(andere);
    }
    fs::remove_all(wurzel);
}

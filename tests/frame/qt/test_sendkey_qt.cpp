#include "frame/basSendKey.h"
#include "frame/qt/QtPlattform.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(TasteSendenQt, EnterErreichtDasFokusfeldNachDerEreignisschleife) {
    QtPlattform::Dienste dienste;
    QLineEdit feld;
    feld.show();
    feld.setFocus();
    QApplication::setActiveWindow(&feld);
    QCoreApplication::processEvents();
    if (QApplication::focusWidget() != &feld) GTEST_SKIP() << "no focus on this platform";
    int enter = 0;
    QObject::connect(&feld, &QLineEdit::returnPressed, [&] { ++enter; });
    basSendKey::TasteSenden("{ENTER}");
    EXPECT_EQ(enter, 0); // not before the caller returns to the event loop
    QCoreApplication::processEvents();
    EXPECT_EQ(enter, 1);
    basSendKey::TasteSenden("{enter}");
    QCoreApplication::processEvents();
    EXPECT_EQ(enter, 1);
}

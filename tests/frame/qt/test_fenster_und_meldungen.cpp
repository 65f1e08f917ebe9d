// What every window of the program shows in its frame: the program's icon,
// and in a message box the whole title.
#include "balance/frmLueftung.h"
#include "balance/qt/frmLueftungAnsicht.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/frmOptionen.h"
#include "frame/qt/QtPlattform.h"
#include "frame/qt/QtStart.h"
#include "frame/qt/frmOptionenAnsicht.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"
#include "tests/support/Testplattform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// The picture of an icon at one size, to compare two icons by what they show.
QImage Bild(const QIcon& icon) { return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32); }

// The width of a title as a window manager draws it, at the least: the
// text in the bold title font, beside it an icon and three buttons.
int Titelbreite(const QString& titel) {
    QFont schrift = QApplication::font("QMdiSubWindowTitleBar");
    schrift.setBold(true);
    return QFontMetrics(schrift).horizontalAdvance(titel) + 3 * 24 + 24;
}

} // namespace

// The icon is built into the program: the application and with it every
// window shows it, message boxes included, with no file beside the program.
TEST(Programmsymbol, JedesFensterZeigtEs) {
    basZIRVODialogSprache::SpracheSetzen();
    basZIRVO3801::GlobaleSetzen();
    const QIcon vorher = QApplication::windowIcon();
    ASSERT_TRUE(QtStart::Programmsymbol()) << basZIRVO3801::ProgrammIcon;
    const QIcon symbol(QString::fromStdString(basZIRVO3801::ProgrammIcon));
    ASSERT_FALSE(symbol.isNull());
    const QImage soll = Bild(symbol);
    ASSERT_FALSE(soll.isNull());
    // Not a blank picture: the icon's blue ground at its centre.
    EXPECT_GT(qAlpha(soll.pixel(16, 16)), 200);
    EXPECT_EQ(Bild(QApplication::windowIcon()), soll);

    // A window model names the icon; its view shows it.
    frmOptionen optionen;
    optionen.Form_Load();
    EXPECT_EQ(optionen.Icon, basZIRVO3801::ProgrammIcon);
    frmOptionenAnsicht optionenAnsicht(optionen);
    EXPECT_EQ(Bild(optionenAnsicht.windowIcon()), soll);

    Testhilfe::Testumgebung umgebung;
    frmZIRVO3801Ansicht haupt(Global::frmZIRVO3801);
    haupt.Form_Load();
    EXPECT_EQ(Bild(haupt.windowIcon()), soll);
    frmLüftungAnsicht lüftung(Global::frmLüftung, &haupt);
    EXPECT_EQ(Bild(lüftung.windowIcon()), soll);

    auto box = QtPlattform::Meldungsfenster("Fehlende EBF", basZIRVOFehler::Titel("Fehler"),
                                            Plattform::Symbol::Fehler, Plattform::Knöpfe::OK,
                                            Plattform::Antwort::OK, &haupt);
    EXPECT_EQ(Bild(box->windowIcon()), soll);
    QApplication::setWindowIcon(vorher);
}

// A message box is at least as wide as its title, however short its text:
// "Bauphysik ZIRVO:  Fehler" above "Fehlende EBF" is not cut.
TEST(Meldungsfenster, SoBreitWieDerTitel) {
    struct Fall {
        std::string text, titel;
        Plattform::Knöpfe knöpfe;
    };
    const Fall fälle[] = {
        {"Fehlende EBF", basZIRVOFehler::Titel("Fehler"), Plattform::Knöpfe::OK},
        {"OK", basZIRVOFehler::Titel("Hinweis"), Plattform::Knöpfe::OK},
        {"Vorhandene Datei überschreiben?", basZIRVO3801::ProgrammTitel, Plattform::Knöpfe::JaNein},
        {"?", "Bauphysik ZIRVO 380/1: ein sehr langer Titel, länger als der Text der Meldung darunter",
         Plattform::Knöpfe::JaNeinAbbrechen},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.titel);
        auto box = QtPlattform::Meldungsfenster(f.text, f.titel, Plattform::Symbol::Fehler, f.knöpfe,
                                                Plattform::Antwort::OK);
        EXPECT_EQ(box->windowTitle(), QString::fromStdString(f.titel));
        EXPECT_EQ(box->text(), QString::fromStdString(f.text));
        box->show();
        QApplication::processEvents();
        // No wider than the screen, though.
        const int bildschirm = box->screen()->availableGeometry().width();
        EXPECT_GE(box->width(), std::min(Titelbreite(box->windowTitle()), bildschirm));
        EXPECT_GE(box->width(), std::min(QtPlattform::TitelBreite(box->windowTitle()), bildschirm));
        EXPECT_LE(box->width(), bildschirm);
        box->close();
    }

    // A long text is not made narrower by the rule.
    const std::string lang(40, 'x');
    auto box = QtPlattform::Meldungsfenster(lang + " " + lang, "T", Plattform::Symbol::Information,
                                            Plattform::Knöpfe::OK, Plattform::Antwort::OK);
    box->show();
    QApplication::processEvents();
    EXPECT_GE(box->width(), QFontMetrics(box->font()).horizontalAdvance(QString::fromStdString(lang)));
    box->close();

    // The buttons and the default button come through.
    auto frage = QtPlattform::Meldungsfenster("?", "T", Plattform::Symbol::Frage, Plattform::Knöpfe::JaNeinAbbrechen,
                                              Plattform::Antwort::Nein);
    EXPECT_EQ(frage->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(frage->defaultButton() == frage->button(QMessageBox::No));
    EXPECT_EQ(frage->icon(), QMessageBox::Question);
}

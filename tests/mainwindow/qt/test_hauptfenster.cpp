// The main window on the screen: the whole start with and without a project,
// the settings kept between runs, the keys and the scrolling of the grids,
// the panes and the splitter, and switching between two zones.
#include "balance/frmLueftung.h"
#include "balance/qt/frmLueftungAnsicht.h"
#include "dialogs/frmNutzung.h"
#include "dialogs/frmProjekt.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/Programmstart.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOVersion.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/qt/Bindung.h"
#include "frame/qt/EingabeTabelleWidget.h"
#include "frame/qt/Ersatzhauptfenster.h"
#include "frame/qt/Fensterlage.h"
#include "frame/qt/QtStart.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using Bindung::Pixel;
using Bindung::Twips;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The source tree: the build names its tests folder, whatever the folder
// the test program runs from and however the compiler wrote the paths.
fs::path Quellordner() { return fs::path(ZIRVO_TESTDATEN).parent_path(); }

void Taste(QWidget* w, int key, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent d(QEvent::KeyPress, key, m, text);
    QApplication::sendEvent(w, &d);
    QKeyEvent u(QEvent::KeyRelease, key, m, text);
    QApplication::sendEvent(w, &u);
}

void Maus(QWidget* w, QEvent::Type art, int y, Qt::MouseButtons knöpfe = Qt::LeftButton) {
    const QPointF p(w->width() / 2.0, y);
    QMouseEvent e(art, p, w->mapToGlobal(p), art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, knöpfe,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QWidget* Fokus() { return QApplication::focusWidget(); }

class Ordner : public Plattform::Umgebung {
public:
    fs::path Wurzel = fs::temp_directory_path() / ("zirvo_test_hauptfenster_" + std::to_string(::getpid()));
    fs::path Konfiguration = Wurzel / "config" / "ZIRVO";
    fs::path Laufzeit = Wurzel / "run";
    Ordner() {
        fs::remove_all(Wurzel);
        for (const char* o : {"bin", "run", "Projekte"}) fs::create_directories(Wurzel / o);
    }
    ~Ordner() override {
        std::error_code ec;
        fs::remove_all(Wurzel, ec);
    }
    std::string Pfad(const std::string& o) const { return (Wurzel / o).string(); }
    std::string Programmordner() override { return Pfad("bin"); }
    std::string Konfigurationsordner() override { return Konfiguration.string(); }
    std::time_t Jetzt() override { return 0; }
    void Sanduhr(bool) override {}
    bool StrgGedrückt() override { return false; }
};

class Hauptfenster : public ::testing::Test {
protected:
    Testhilfe::SkriptMeldungen meldungen;
    Testhilfe::SkriptDateidialoge dialoge;
    Ordner ordner;
    Plattform::DiensteSetzen gesetzt{Plattform::Dienste{&meldungen, &dialoge, nullptr, nullptr, &ordner}};
    Initialisierung gesichert = Global::Initialisierung;
    cVB6_NumCvt trennzeichen = cVB6_NumCvt::Instanz();
    std::function<void(frmProjekt&)> projektAnzeigen = frmProjekt::Anzeigen;
    std::function<void(frmNutzung&)> nutzungAnzeigen = frmNutzung::Anzeigen;
    frmZIRVO3801& m = Global::frmZIRVO3801;

    std::unique_ptr<frmZIRVO3801Ansicht> fenster;
    std::unique_ptr<KeinNachweisEBFenster> eb;
    std::unique_ptr<QtStart::Startumgebung> umgebung;

    Hauptfenster() {
        basZIRVODialogSprache::SpracheSetzen();
        basZIRVO3801::GlobaleSetzen();
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", ".", "'", ".", "'"));
        Global::Initialisierung = ::Initialisierung();
        Global::Projekt = Projekt();
        basZIRVOVersion::VersionsOrdnerUrl.clear();
        // The project dialog that opening a project ends with stays shut.
        frmProjekt::Anzeigen = nullptr;
        frmNutzung::Anzeigen = nullptr;
    }
    ~Hauptfenster() override {
        beenden();
        Global::Initialisierung = gesichert;
        Global::Projekt = Projekt();
        cVB6_NumCvt::InstanzSetzen(trennzeichen);
        frmProjekt::Anzeigen = projektAnzeigen;
        frmNutzung::Anzeigen = nutzungAnzeigen;
    }

    // The program's start with the command line; True when it runs.
    bool starten(const std::string& befehlszeile = {}) {
        fenster = std::make_unique<frmZIRVO3801Ansicht>(m);
        eb = std::make_unique<KeinNachweisEBFenster>();
        umgebung = std::make_unique<QtStart::Startumgebung>(*fenster, *eb, Q(ordner.Laufzeit.string()));
        const bool läuft = basZIRVO3801::Main(befehlszeile, *umgebung);
        if (läuft) {
            fenster->activateWindow();
            QApplication::setActiveWindow(fenster.get());
            QApplication::processEvents();
        }
        return läuft;
    }
    // Closes the window as the user does; the program's end follows.
    void beenden() {
        if (fenster && fenster->isVisible()) fenster->close();
        QApplication::processEvents();
        umgebung.reset();
        fenster.reset();
        eb.reset();
    }

    std::string Ini() const { return Dateien::Lesen((ordner.Konfiguration / "ZIRVO3801.ini").string()).value_or(""); }

    // The example project, copied to where the test may change it.
    std::string Beispiel() {
        const fs::path ziel = ordner.Wurzel / "Projekte" / "Beispiel.zirvo9";
        fs::copy_file(Quellordner() / "examples" / "Beispiel.zirvo9", ziel, fs::copy_options::overwrite_existing);
        return ziel.string();
    }

    QLineEdit* Zelle(const TextBox& z) const { return fenster->Zelle(z); }
    void Menü(const Menüeintrag& e) {
        QAction* a = fenster->Aktion(e);
        ASSERT_NE(a, nullptr) << e.Name;
        a->trigger();
        QApplication::processEvents();
    }
    // Gives a cell the focus as a click would.
    void Hinein(const TextBox& z) {
        QLineEdit* w = Zelle(z);
        ASSERT_NE(w, nullptr);
        w->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(Hauptfenster, StartOhneProjekt) {
    // As the program runs: every window under the placement watch.
    Fensterlage::Wächter wächter;
    ASSERT_TRUE(starten());
    frmZIRVO3801Ansicht& f = *fenster;
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), "Bauphysik ZIRVO 380/1");

    // The menu bar with its eight menus; the ones that need a project are off.
    QStringList menüs;
    for (QAction* a : f.menuBar()->actions()) menüs << a->text();
    EXPECT_EQ(menüs, (QStringList{"&Datei", "&Bearbeiten", "&Projekt", "&Zone", "&Nachweis", "&Tabellen", "E&xtras",
                                  "&?"}));
    EXPECT_FALSE(f.Aktion(m.mnuZone)->isEnabled());
    EXPECT_FALSE(f.Aktion(m.mnuProjekt)->isEnabled());
    EXPECT_TRUE(f.Aktion(m.mnuTabellen)->isEnabled());
    EXPECT_TRUE(f.Aktion(m.mnuDateiNeu)->isEnabled());
    EXPECT_FALSE(f.Aktion(m.mnuDateiSpeichern)->isEnabled());
    EXPECT_EQ(f.Aktion(m.mnuZoneU)->text(), "Gebäudehülle gegen unbeheizte Räume/Erdreich");
    EXPECT_TRUE(f.Aktion(m.mnuZoneTr1)->isSeparator());
    EXPECT_FALSE(f.Aktion(m.mnuDateiTrLP)->isVisible());
    EXPECT_FALSE(f.Aktion(m.mnuDateiLetzte[0])->isVisible());

    // Both tool bars with their buttons and keys.
    ASSERT_NE(f.Knopf(1, "New"), nullptr);
    EXPECT_EQ(f.Knopf(1, "Open")->text(), "Öffnen");
    EXPECT_FALSE(f.Knopf(1, "Open")->icon().isNull());
    EXPECT_EQ(f.Knopf(1, "T")->toolTip(), "Tabellen Rechenwerte usw.");
    EXPECT_EQ(f.Knopf(2, "U")->toolTip(), "Gebäudehülle gegen unbeheizte Räume oder Erdreich");
    EXPECT_EQ(f.Knopf(2, "Q")->text(), "QH");
    EXPECT_FALSE(f.Knopf(1, "Save")->isEnabled());
    // Without a project the second tool bar is off, as its menus are.
    for (const char* k : {"P", "N", "B", "E", "A", "U", "F", "L", "G", "Q"}) {
        ASSERT_NE(f.Knopf(2, k), nullptr) << k;
        EXPECT_FALSE(f.Knopf(2, k)->isEnabled()) << k;
    }
    EXPECT_TRUE(f.Knopf(1, "Open")->isEnabled());
    EXPECT_TRUE(f.Leiste(1)->isVisible());
    EXPECT_TRUE(f.Leiste(2)->isVisible());
    EXPECT_EQ(f.Leiste(2)->y(), f.Leiste(1)->height());
    EXPECT_TRUE(f.Statusleiste()->isVisible());
    EXPECT_EQ(f.Statusleiste()->geometry().bottom(), f.Innenfläche()->height() - 1);
    // The help panel at the right edge, a fifth of the window wide.
    EXPECT_TRUE(f.Hilfe()->isVisible());
    EXPECT_EQ(f.Hilfe()->geometry().right(), f.Innenfläche()->width() - 1);
    EXPECT_EQ(m.picHilfe.Width(), std::max(frmZIRVO3801::MinHilfebreite, m.ScaleWidth / 5));
    // No table and no title strip before a table is chosen.
    for (std::int16_t t = 1; t <= 4; ++t) EXPECT_FALSE(f.Tabelle(t)->isVisible()) << t;
    EXPECT_FALSE(f.Titel(0)->isVisible());
    EXPECT_FALSE(f.NeuereVersion()->isVisible());

    // First start without settings: the full width and 90 % of the height;
    // once the desktop has put its frame around the window (the placement
    // watch fits it when the frame arrives, however long the start took),
    // the frame takes the full width.
    QApplication::processEvents();
    QScreen* s = f.screen();
    EXPECT_EQ(f.pos(), QPoint(0, 0));
    EXPECT_EQ(f.frameGeometry().width(), s->availableGeometry().width());
    EXPECT_EQ(f.height(), Pixel(static_cast<std::int32_t>(Twips(s->availableGeometry().height()) * 0.9 + 0.5)));

    // The version notice, in dark red, 40 twips below the tool bars.
    f.NeuereVersionAnzeigen("Hinweis:\r\n\r\nVon diesem Programm gibt es eine neuere Version (10).");
    EXPECT_TRUE(f.NeuereVersion()->isVisible());
    EXPECT_EQ(f.NeuereVersion()->text(), "Hinweis:\n\nVon diesem Programm gibt es eine neuere Version (10).");
    EXPECT_EQ(f.NeuereVersion()->pos(),
              QPoint(Pixel(40), Pixel(m.tbrToolbar1.Height() + m.tbrToolbar2.Height() + 40)));
    EXPECT_EQ(f.NeuereVersion()->palette().color(QPalette::WindowText), QColor(192, 0, 0));

    // Closing without a project asks nothing and writes the settings.
    fenster->close();
    EXPECT_TRUE(meldungen.Gezeigt.empty());
    EXPECT_NE(Ini().find("Window Position=0,0,"), std::string::npos) << Ini();

    // A second copy is refused while this one still holds its lock.
    {
        Ersatzhauptfenster zweites;
        KeinNachweisEBFenster eb2;
        QtStart::Startumgebung umgebung2(zweites, eb2, Q(ordner.Laufzeit.string()));
        EXPECT_FALSE(basZIRVO3801::Main("", umgebung2));
        EXPECT_FALSE(zweites.isVisible());
        ASSERT_EQ(meldungen.Gezeigt.size(), 1u);
        EXPECT_EQ(meldungen.Nr(0).Text, "Das Programm kann nicht mehrfach gestartet werden.");
    }
}

TEST_F(Hauptfenster, StartMitProjekt) {
    const std::string pfad = Beispiel();
    ASSERT_TRUE(starten("\"" + pfad + "\""));
    frmZIRVO3801Ansicht& f = *fenster;
    EXPECT_EQ(f.windowTitle(), "Beispiel - Bauphysik ZIRVO 380/1");
    EXPECT_TRUE(Global::Projekt.Exist());
    EXPECT_TRUE(f.Aktion(m.mnuZone)->isEnabled());
    EXPECT_TRUE(f.Knopf(1, "Save")->isEnabled());
    for (const char* k : {"P", "N", "E", "A", "U", "F"}) EXPECT_TRUE(f.Knopf(2, k)->isEnabled()) << k;
    EXPECT_TRUE(f.Aktion(m.mnuDateiTrLP)->isVisible());
    EXPECT_TRUE(f.Aktion(m.mnuDateiLetzte[0])->isVisible());
    EXPECT_EQ(f.Aktion(m.mnuDateiLetzte[0])->text(), Q("&1  " + pfad));
    EXPECT_FALSE(f.Aktion(m.mnuDateiLetzte[1])->isVisible());

    // Zone > EBF shows the table in the lower pane under its title strip.
    Menü(m.mnuZoneEBF);
    EXPECT_TRUE(f.Tabelle(1)->isVisible());
    EXPECT_TRUE(f.Titel(0)->isVisible());
    EXPECT_FALSE(f.Titel(1)->isVisible());
    EXPECT_EQ(m.picTitel[0].Text(), "Energiebezugsfläche");
    EXPECT_EQ(f.Titel(0)->geometry().bottom() + 1, f.Tabelle(1)->y());
    EXPECT_EQ(f.Titel(0)->y(), f.Leiste(2)->geometry().bottom() + 1);
    EXPECT_EQ(Zelle(m.txtEBFBez[0])->text(), "Erdgeschoss");
    EXPECT_EQ(Zelle(m.txtEBFhG[1])->text(), "  2.60");
    EXPECT_EQ(m.lblEBFTotAh.Caption(), "      190.0");
    EXPECT_EQ(f.Tabelle(1)->Labelwidget(m.lblEBFTotAh)->text(), "      190.0");
    EXPECT_EQ(m.HelpContextID, 3010);
    EXPECT_EQ(Fokus(), Zelle(m.txtEBFBez[0]));

    if (const char* foto = std::getenv("ZIRVO_BILDSCHIRMFOTO")) {
        // Two panes: the windows above, the envelope against outside air below.
        Menü(m.mnuZoneA);
        m.picTitel_DblClick(0);
        m.Form_Click();
        Menü(m.mnuZoneF);
        f.resize(1280, 860);
        QApplication::processEvents();
        Hinein(m.txtFBez[1]);
        f.grab().save(foto);
    }

    // A path that names no file: the message, and no project.
    meldungen.Antworten.push_back(Plattform::Antwort::Nein);
    beenden();
    Global::Projekt = Projekt();
    meldungen.Gezeigt.clear();
    ASSERT_TRUE(starten("/gibt/es/nicht.zirvo9"));
    ASSERT_EQ(meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.Nr(0).Text, "Datei:  /gibt/es/nicht.zirvo9\r\n\r\nDateiname oder Pfad ungültig.");
    EXPECT_EQ(meldungen.Nr(0).Symbol, Plattform::Symbol::Fehler);
    EXPECT_FALSE(Global::Projekt.Exist());
    EXPECT_EQ(fenster->windowTitle(), "Bauphysik ZIRVO 380/1");
}

TEST_F(Hauptfenster, EinstellungenZwischenZweiLäufen) {
    const std::string pfad = Beispiel();
    ASSERT_TRUE(starten(pfad));
    fenster->move(33, 44);
    fenster->resize(700, 540);
    QApplication::processEvents();
    // As the options dialog sets it.
    Global::Initialisierung.OrdnerProjekte = ordner.Pfad("Projekte");
    meldungen.Antworten.push_back(Plattform::Antwort::Nein); // do not save the project
    beenden();
    ASSERT_FALSE(fenster);
    std::string ini = Ini();
    EXPECT_NE(ini.find("Window Position=495,660,10500,8100,0\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("File1=" + pfad + "\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Folder Projects=" + ordner.Pfad("Projekte")), std::string::npos) << ini;
    ASSERT_FALSE(meldungen.Gezeigt.empty());
    EXPECT_EQ(meldungen.Zuletzt().Text, "Soll das aktuelle Projekt gespeichert werden?");

    // The next run: placement, recent projects and folders as they were.
    Global::Initialisierung = ::Initialisierung();
    Global::Projekt = Projekt();
    ASSERT_TRUE(starten());
    EXPECT_EQ(fenster->pos(), QPoint(33, 44));
    EXPECT_EQ(fenster->size(), QSize(700, 540));
    EXPECT_TRUE(fenster->Aktion(m.mnuDateiTrLP)->isVisible());
    EXPECT_EQ(fenster->Aktion(m.mnuDateiLetzte[0])->text(), Q("&1  " + pfad));
    EXPECT_EQ(Global::Initialisierung.OrdnerProjekte, ordner.Pfad("Projekte"));

    // Maximised at the end: the flag, and the last normal placement kept.
    fenster->showMaximized();
    QApplication::processEvents();
    beenden();
    ini = Ini();
    EXPECT_NE(ini.find("Window Position=495,660,10500,8100,1\r\n"), std::string::npos) << ini;
    Global::Initialisierung = ::Initialisierung();
    ASSERT_TRUE(starten());
    EXPECT_TRUE(fenster->isMaximized());
    beenden();

    // A placement off the screen is put back: left beyond -60, top at -60 kept.
    ASSERT_TRUE(Dateien::SicherSchreiben((ordner.Konfiguration / "ZIRVO3801.ini").string(),
                                         "Window Position=-61,-60,9000,6000,0\r\n"));
    Global::Initialisierung = ::Initialisierung();
    ASSERT_TRUE(starten());
    EXPECT_EQ(fenster->pos(), QPoint(0, Pixel(-60)));
    EXPECT_EQ(fenster->size(), QSize(600, 400));
    beenden();
    EXPECT_NE(Ini().find("Window Position=0,-60,9000,6000,0\r\n"), std::string::npos) << Ini();

    // Numbers at the ends of the 32-bit range (a damaged file) overflow
    // nothing: the window opens at most as large as the screen, its frame
    // the full width once the desktop has framed it (the placement watch
    // fits it), and the placement kept is the one it got (a width of 0 or
    // less: the first start's placement).
    Fensterlage::Wächter wächter;
    const QSize frei = QGuiApplication::primaryScreen()->availableGeometry().size();
    const struct {
        const char* lage;
        int höhe; // pixels, before the frame
    } extreme[] = {
        {"2147483647,2147483647,2147483647,2147483647,0", frei.height()},
        {"-2147483648,-2147483648,2147483647,-2147483648,0", 400},
        {"0,0,-2147483648,2147483647,0", frei.height() * 9 / 10},
    };
    for (const auto& e : extreme) {
        ASSERT_TRUE(Dateien::SicherSchreiben((ordner.Konfiguration / "ZIRVO3801.ini").string(),
                                             std::string("Window Position=") + e.lage + "\r\n"));
        Global::Initialisierung = ::Initialisierung();
        ASSERT_TRUE(starten());
        QApplication::processEvents();
        EXPECT_EQ(fenster->frameGeometry().width(), frei.width()) << e.lage;
        EXPECT_LE(fenster->frameGeometry().height(), frei.height()) << e.lage;
        const int rahmen = fenster->frameGeometry().height() - fenster->height();
        EXPECT_EQ(fenster->height(), std::min(e.höhe, frei.height() - rahmen)) << e.lage;
        const std::string soll =
            "0,0," + std::to_string(Twips(fenster->width())) + "," + std::to_string(Twips(fenster->height()));
        beenden();
        EXPECT_NE(Ini().find("Window Position=" + soll + ",0\r\n"), std::string::npos) << e.lage << "\n" << Ini();
    }
}

TEST_F(Hauptfenster, TastenÜberZellenUndTabellen) {
    ASSERT_TRUE(starten(Beispiel()));
    Menü(m.mnuZoneA);
    ASSERT_TRUE(fenster->Tabelle(2)->isVisible());
    Hinein(m.txtDaC[0]);
    ASSERT_EQ(Fokus(), Zelle(m.txtDaC[0]));
    Taste(Fokus(), Qt::Key_Return);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaBez[0]));
    Taste(Fokus(), Qt::Key_Tab);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaBez[1]));
    Taste(Fokus(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaBez[0]));
    Taste(Fokus(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaFl[0]));
    Taste(Fokus(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaFl[1]));
    // Enter after the last column goes on in the next row.
    Hinein(m.txtDaO[1]);
    Taste(Fokus(), Qt::Key_Return);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaC[2]));

    // The code column takes its letters in upper case and refuses others.
    Taste(Fokus(), Qt::Key_End);
    Taste(Fokus(), Qt::Key_Backspace);
    EXPECT_EQ(m.txtDaC[2].Text(), "");
    Taste(Fokus(), Qt::Key_X, Qt::NoModifier, "x");
    Taste(Fokus(), Qt::Key_W, Qt::NoModifier, "w");
    EXPECT_EQ(m.txtDaC[2].Text(), "W");
    // Pasted text passes the same filter.
    Taste(Fokus(), Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText("x b\n");
    Taste(Fokus(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m.txtDaC[2].Text(), "B");

    // Two panes: the EBF table above, table A below. Entering a cell of the
    // other pane makes that pane the active one; the keys then move in it.
    m.picTitel_DblClick(0);
    m.Form_Click();
    ASSERT_EQ(m.AktivePane, 1);
    Menü(m.mnuZoneEBF);
    ASSERT_EQ(m.PaneTabelle[1], 1);
    EXPECT_EQ(Fokus(), Zelle(m.txtEBFBez[0]));
    // The last row the lower pane shows: as many rows as the desktop's face
    // lets fit in half the height.
    int z = 0;
    while (m.txtDaU.Enthält(z + 2) && Zelle(m.txtDaU[z + 1])->isVisible()) ++z;
    Hinein(m.txtDaU[z]);
    ASSERT_EQ(Fokus(), Zelle(m.txtDaU[z]));
    EXPECT_EQ(m.AktivePane, 0);
    EXPECT_TRUE(m.picTitel[0].Aktiv());
    EXPECT_FALSE(m.picTitel[1].Aktiv());
    Taste(Fokus(), Qt::Key_Return);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaH[z]));
    // Tab in it brings the next row into the pane.
    Taste(Fokus(), Qt::Key_Tab);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaH[z + 1]));
    EXPECT_TRUE(Zelle(m.txtDaH[z + 1])->isVisible());
    Hinein(m.txtEBFhG[0]);
    EXPECT_EQ(m.AktivePane, 1);
    EXPECT_EQ(m.HelpContextID, 3010);
    // The computed column of the EBF table is passed over.
    Taste(Fokus(), Qt::Key_Return);
    EXPECT_EQ(Fokus(), Zelle(m.txtEBFBez[1]));

    // Leaving a number cell formats it and recomputes its table; a number
    // too wide for the cell is kept and shown whole.
    Hinein(m.txtEBFFl[1]);
    Zelle(m.txtEBFFl[1])->selectAll();
    for (QChar c : QString("12345678"))
        Taste(Fokus(), Qt::Key_0 + (c.unicode() - '0'), Qt::NoModifier, QString(c));
    Taste(Fokus(), Qt::Key_Return);
    EXPECT_EQ(Zelle(m.txtEBFFl[1])->text(), "12345678.0");
    EXPECT_EQ(m.lblEBFTotAh0.Caption(), "12345773.0");
    EXPECT_DOUBLE_EQ(Global::Projekt.ZGetNum("EBF0"), 12345773.0);
    m.TabelleSpeichern(1);
    auto ah = Global::Projekt.ZGetColl("Ah_");
    ASSERT_TRUE(ah);
    EXPECT_DOUBLE_EQ(ah->Koll(2)->Zahl(2), 12345678.0);
}

TEST_F(Hauptfenster, Scrollen) {
    ASSERT_TRUE(starten(Beispiel()));
    Menü(m.mnuZoneA);
    EingabeTabelle& t = *m.Tabellen[2];
    EingabeTabelleWidget* w = fenster->Tabelle(2);
    const int sichtbar = t.ZeilenSichtbar;
    ASSERT_GT(sichtbar, 2);
    ASSERT_LT(sichtbar, 50);
    QScrollBar* balken = w->Rollbalken();
    ASSERT_TRUE(balken->isVisible());
    EXPECT_EQ(balken->maximum(), 50 - sichtbar);

    // The bar scrolls the rows; only the rows in the window are shown.
    balken->setValue(5);
    QApplication::processEvents();
    EXPECT_EQ(t.ZeilenErste, 5);
    EXPECT_FALSE(Zelle(m.txtDaC[4])->isVisible());
    EXPECT_TRUE(Zelle(m.txtDaC[5])->isVisible());
    EXPECT_EQ(Zelle(m.txtDaC[5])->y(), w->ZeilenOben());
    EXPECT_FALSE(Zelle(m.txtDaC[5 + sichtbar])->isVisible());

    // Tab from the last shown row scrolls by one row and moves the bar.
    Hinein(m.txtDaBez[5 + sichtbar - 1]);
    Taste(Fokus(), Qt::Key_Tab);
    EXPECT_EQ(Fokus(), Zelle(m.txtDaBez[5 + sichtbar]));
    EXPECT_EQ(t.ZeilenErste, 6);
    EXPECT_EQ(balken->value(), 6);
    // Only the table that owns the bar scrolls.
    EXPECT_EQ(m.Tabellen[3]->ZeilenErste, 0);

    // A lower window shows fewer rows and the bar reaches further.
    fenster->resize(fenster->width(), fenster->height() - 100);
    QApplication::processEvents();
    EXPECT_LT(t.ZeilenSichtbar, sichtbar);
    EXPECT_EQ(balken->maximum(), 50 - t.ZeilenSichtbar);
}

TEST_F(Hauptfenster, PanesTeilenUndSchliessen) {
    ASSERT_TRUE(starten(Beispiel()));
    frmZIRVO3801Ansicht& f = *fenster;
    Menü(m.mnuZoneA);
    QWidget* unten = f.Titel(0);
    const int ganz = f.Tabelle(2)->height();

    // A double click on the lower strip opens the upper pane at half the height.
    Maus(unten, QEvent::MouseButtonPress, 5);
    Maus(unten, QEvent::MouseButtonRelease, 5);
    Maus(unten, QEvent::MouseButtonDblClick, 5);
    Maus(unten, QEvent::MouseButtonRelease, 5);
    EXPECT_DOUBLE_EQ(m.Aufteilung, 0.5);
    EXPECT_FALSE(f.Titel(1)->isVisible()); // empty until a table is chosen for it
    EXPECT_LT(f.Tabelle(2)->height(), ganz);
    EXPECT_EQ(m.PaneOben[1], m.PaneFläche[1]);
    EXPECT_EQ(m.PaneHöhe[0] + m.PaneHöhe[1], m.PaneFläche[3]);

    // A click into the empty upper pane turns the attention to it.
    {
        const QPoint p(20, Pixel(m.PaneFläche[1] + m.PaneHöhe[1] / 2));
        QMouseEvent e(QEvent::MouseButtonPress, p, f.Innenfläche()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(f.Innenfläche(), &e);
    }
    EXPECT_EQ(m.AktivePane, 1);
    Menü(m.mnuZoneF);
    EXPECT_EQ(m.PaneTabelle[0], 2);
    EXPECT_EQ(m.PaneTabelle[1], 4);
    EXPECT_TRUE(f.Titel(1)->isVisible());
    EXPECT_TRUE(f.Tabelle(4)->isVisible());
    EXPECT_LT(f.Tabelle(4)->y(), f.Titel(0)->y());
    EXPECT_TRUE(m.picTitel[1].Aktiv());
    // Zone > A while A is in the other pane only activates that pane.
    Menü(m.mnuZoneA);
    EXPECT_EQ(m.AktivePane, 0);
    EXPECT_EQ(m.PaneTabelle[1], 4);
    // A click on the inactive pane's table activates it.
    {
        const QPoint p(f.Tabelle(4)->width() - 5, f.Tabelle(4)->height() - 5);
        QMouseEvent e(QEvent::MouseButtonPress, p, f.Tabelle(4)->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(f.Tabelle(4), &e);
    }
    EXPECT_EQ(m.AktivePane, 1);

    // Typed into the upper table, then the upper pane is closed by dragging
    // the border up: what was typed is kept, and the lower pane is active.
    Zelle(m.txtFBez[0])->setText("Fenster geändert");
    Maus(unten, QEvent::MouseButtonPress, 5);
    EXPECT_TRUE(f.Trennzeiger()->isVisible());
    const int hoch = 5 - Pixel(m.picTitel[0].Top() - m.PaneFläche[1]);
    Maus(unten, QEvent::MouseMove, hoch + 2, Qt::LeftButton);
    EXPECT_EQ(f.Trennzeiger()->y(), Pixel(m.picTitel[0].Top() + Twips(hoch + 2) - 2));
    Maus(unten, QEvent::MouseButtonRelease, hoch);
    EXPECT_FALSE(f.Trennzeiger()->isVisible());
    EXPECT_EQ(m.Aufteilung, 0);
    EXPECT_EQ(m.PaneTabelle[1], 0);
    EXPECT_EQ(m.AktivePane, 0);
    EXPECT_FALSE(f.Tabelle(4)->isVisible());
    EXPECT_FALSE(f.Titel(1)->isVisible());
    auto fenstertabelle = Global::Projekt.ZGetColl("F_");
    ASSERT_TRUE(fenstertabelle);
    EXPECT_EQ(fenstertabelle->Koll(1)->Text(2), "Fenster geändert");

    // Dragged almost to the bottom, the lower pane keeps 60 twips.
    Maus(unten, QEvent::MouseButtonPress, 5);
    Maus(unten, QEvent::MouseButtonRelease, 5 + Pixel(m.PaneFläche[3]));
    EXPECT_EQ(m.PaneHöhe[0], 60);
    // The upper strip is no splitter.
    const double vorher = m.Aufteilung;
    Maus(f.Titel(1), QEvent::MouseButtonDblClick, 5);
    EXPECT_EQ(m.Aufteilung, vorher);
    // A double click on the lower strip closes the upper pane again.
    Maus(unten, QEvent::MouseButtonDblClick, 5);
    EXPECT_EQ(m.Aufteilung, 0);
}

TEST_F(Hauptfenster, ZweiZonenWechseln) {
    // The example with a second zone.
    {
        Projekt& p = Global::Projekt;
        ASSERT_EQ(p.ProjektEinlesen(Beispiel()), 0);
        p.SetNZone(0);
        p.ZSetStr("A", "Code");
        ASSERT_EQ(p.ZoneNeu(), 0);
        p.SetNZone(1);
        p.ZSetStr("Büro", "Bez");
        p.ZSetStr("B", "Code");
        p.ZSetInt(3, "Gk");
        p.ZSetNum(0.1, "C");
        p.ZSetNum(20, "Ti");
        auto zeile = Kollektion::Neu();
        for (const Kollektion::Wert& w : {Kollektion::Wert(std::string("Büro Parterre")), Kollektion::Wert(80.0),
                                          Kollektion::Wert(3.0), Kollektion::Wert(0.0)})
            zeile->WertHinzufügen(w);
        auto tabelle = Kollektion::Neu();
        tabelle->Hinzufügen(zeile);
        p.ZSetColl(std::move(tabelle), "Ah_");
        p.SetNZone(0);
        ASSERT_EQ(p.ProjektSpeichern(ordner.Pfad("Projekte/Zwei.zirvo9")), 0);
        Global::Projekt = Projekt();
    }
    ASSERT_TRUE(starten(ordner.Pfad("Projekte/Zwei.zirvo9")));
    frmZIRVO3801Ansicht& f = *fenster;
    QToolButton* n = f.Knopf(2, "N");
    ASSERT_NE(n->menu(), nullptr);
    EXPECT_EQ(n->popupMode(), QToolButton::MenuButtonPopup);
    ASSERT_EQ(n->menu()->actions().size(), 2);
    EXPECT_EQ(n->menu()->actions()[0]->text(), "Wohnen [A]");
    EXPECT_EQ(n->menu()->actions()[1]->text(), "Büro [B]");
    emit n->menu()->aboutToShow();
    EXPECT_FALSE(n->menu()->actions()[0]->isEnabled());
    EXPECT_TRUE(n->menu()->actions()[1]->isEnabled());

    Menü(m.mnuZoneEBF);
    EXPECT_EQ(m.picTitel[0].Text(), "Wohnen  :  Energiebezugsfläche");
    Zelle(m.txtEBFBez[0])->setText("EG geändert");

    // The other zone: the shown table is stored first, then the zone loaded.
    n->menu()->actions()[1]->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Global::Projekt.GetNZone(), 1);
    EXPECT_EQ(m.picTitel[0].Text(), "Büro  :  Energiebezugsfläche");
    EXPECT_EQ(Zelle(m.txtEBFBez[0])->text(), "Büro Parterre");
    EXPECT_EQ(Zelle(m.txtEBFBez[1])->text(), "");
    EXPECT_EQ(m.lblEBFTotAh.Caption(), "        80.0");
    emit n->menu()->aboutToShow();
    EXPECT_TRUE(n->menu()->actions()[0]->isEnabled());
    EXPECT_FALSE(n->menu()->actions()[1]->isEnabled());

    n->menu()->actions()[0]->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Global::Projekt.GetNZone(), 0);
    EXPECT_EQ(Zelle(m.txtEBFBez[0])->text(), "EG geändert");
    EXPECT_EQ(Zelle(m.txtEBFBez[1])->text(), "Obergeschoss");
    meldungen.Antworten.push_back(Plattform::Antwort::Nein);
}

TEST_F(Hauptfenster, SchmalesFensterUndHilfebreite) {
    ASSERT_TRUE(starten(Beispiel()));
    Menü(m.mnuZoneF);
    fenster->resize(600, 480);
    QApplication::processEvents();
    // The panes are narrower than the window table: the bar below them
    // reaches exactly its last column.
    QScrollBar* quer = fenster->Querbalken();
    ASSERT_TRUE(quer->isVisible());
    EXPECT_EQ(quer->maximum(), Pixel(m.Tabellenbreiten[4] - m.PaneFläche[2]));
    const QRect pane(Pixel(m.PaneFläche[0]), 0, Pixel(m.PaneFläche[2]), fenster->height());
    auto sichtbar = [&](const TextBox& z) {
        const QLineEdit* w = Zelle(z);
        const QRect r(w->mapTo(fenster->Innenfläche(), QPoint(0, 0)), w->size());
        return pane.contains(r);
    };
    EXPECT_FALSE(sichtbar(m.txtFFS23[0]));
    // A cell out of sight that gets the focus comes into view.
    Hinein(m.txtFFS23[0]);
    EXPECT_TRUE(sichtbar(m.txtFFS23[0]));
    EXPECT_EQ(quer->value(), Pixel(m.PaneVersatz));
    quer->setValue(0);
    EXPECT_EQ(m.PaneVersatz, 0);
    EXPECT_TRUE(sichtbar(m.txtFC[0]));

    // The strip left of the help panel, dragged 60 pixels to the left,
    // widens the panel by as much; the width is kept in the settings.
    fenster->resize(1000, 600);
    QApplication::processEvents();
    QWidget* teiler = fenster->Hilfeteiler();
    const int vorher = fenster->Hilfe()->width();
    const QPoint start = teiler->mapToGlobal(QPoint(teiler->width() / 2, teiler->height() / 2));
    auto maus = [&](QEvent::Type art, QPoint global, Qt::MouseButtons knöpfe) {
        QMouseEvent e(art, teiler->mapFromGlobal(global), global, Qt::LeftButton, knöpfe, Qt::NoModifier);
        QApplication::sendEvent(teiler, &e);
    };
    maus(QEvent::MouseButtonPress, start, Qt::LeftButton);
    maus(QEvent::MouseMove, start - QPoint(60, 0), Qt::LeftButton);
    maus(QEvent::MouseButtonRelease, start - QPoint(60, 0), Qt::NoButton);
    EXPECT_NEAR(fenster->Hilfe()->width(), vorher + 60, 1);
    EXPECT_EQ(Global::Initialisierung.HilfeBreite, m.picHilfe.Width());
}

TEST(QtTexte, DeutscheStandardknöpfe) {
    ASSERT_TRUE(QtStart::QtDeutsch()) << "qt6-translations-l10n is not installed";
    QMessageBox box(QMessageBox::Question, "Titel", "Frage?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Nein");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), "Abbrechen");
}

namespace {

// A double click as the desktop delivers it: press, release, double click,
// release, all at one point of the screen. Between them the strip moves
// under the pointer (the panes are laid out anew), so each event's position
// in the strip is taken afresh from that point.
void Doppelklick(QWidget* streifen, int y) {
    const QPointF global = streifen->mapToGlobal(QPointF(streifen->width() / 2.0, y));
    for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                             QEvent::MouseButtonRelease}) {
        const bool los = art == QEvent::MouseButtonRelease;
        QMouseEvent e(art, streifen->mapFromGlobal(global), global, Qt::LeftButton,
                      los ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(streifen, &e);
        QApplication::processEvents();
    }
}

} // namespace

TEST_F(Hauptfenster, DoppelklickAufDenTitelMitAllenEreignissen) {
    ASSERT_TRUE(starten(Beispiel()));
    frmZIRVO3801Ansicht& f = *fenster;
    Menü(m.mnuZoneA);
    QWidget* unten = f.Titel(0);

    // One pane: the upper pane opens at half the height, and stays open.
    Doppelklick(unten, 5);
    EXPECT_DOUBLE_EQ(m.Aufteilung, 0.5);
    EXPECT_FALSE(f.Trennzeiger()->isVisible());
    EXPECT_EQ(m.PaneHöhe[0] + m.PaneHöhe[1], m.PaneFläche[3]);

    // A table in the upper pane.
    {
        const QPoint p(20, Pixel(m.PaneFläche[1] + m.PaneHöhe[1] / 2));
        QMouseEvent e(QEvent::MouseButtonPress, p, f.Innenfläche()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(f.Innenfläche(), &e);
    }
    Menü(m.mnuZoneF);
    ASSERT_EQ(m.PaneTabelle[1], 4);
    ASSERT_TRUE(f.Tabelle(4)->isVisible());

    // Two panes: the upper one closes, and the release that follows the
    // double click (the strip now at the top, far from the pointer) does
    // not open it again without its table.
    Doppelklick(unten, 5);
    EXPECT_EQ(m.Aufteilung, 0);
    EXPECT_EQ(m.PaneTabelle[1], 0);
    EXPECT_FALSE(f.Titel(1)->isVisible());
    EXPECT_FALSE(f.Tabelle(4)->isVisible());
    EXPECT_TRUE(f.Tabelle(2)->isVisible());
    EXPECT_EQ(m.PaneHöhe[0], m.PaneFläche[3]);

    // And once more open.
    Doppelklick(unten, 5);
    EXPECT_DOUBLE_EQ(m.Aufteilung, 0.5);

    // A drag is still a drag: pressed and let go 40 pixels further down,
    // the strip follows the pointer (the share is reckoned from where the
    // strip was, not from the half of a pane area of any height).
    const QPointF start = unten->mapToGlobal(QPointF(unten->width() / 2.0, 5));
    const std::int32_t oben = m.picTitel[0].Top();
    {
        QMouseEvent d(QEvent::MouseButtonPress, unten->mapFromGlobal(start), start, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(unten, &d);
        const QPointF ziel = start + QPointF(0, 40);
        QMouseEvent u(QEvent::MouseButtonRelease, unten->mapFromGlobal(ziel), ziel, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(unten, &u);
    }
    EXPECT_EQ(m.picTitel[0].Top(), oben + Twips(40));
    EXPECT_NEAR(m.Aufteilung, (oben + Twips(40) - m.PaneFläche[1]) / static_cast<double>(m.PaneFläche[3]), 1e-9);
}

// The ventilation dialog changes the zone's balance: once it is closed, the
// window table's utilised solar gains and utilisation factor are those of
// the new balance, never those of before.
TEST_F(Hauptfenster, NachDerLueftungDieNeuenFiguren) {
    ASSERT_TRUE(starten(Beispiel()));
    Menü(m.mnuZoneF);
    const std::string qsVorher = m.lblFQs.Caption();
    const std::string etaVorher = m.lblFQsf.Caption();
    ASSERT_FALSE(etaVorher.empty());

    bool bedient = false;
    frmLüftung::Anzeigen = [&](frmLüftung& l) {
        frmLüftungAnsicht ansicht(l, fenster.get());
        ansicht.show();
        QApplication::processEvents();
        auto* anteil = Testhilfe::Kind<QRadioButton>(ansicht, "optML(2)");
        auto* feld = Testhilfe::Kind<QLineEdit>(ansicht, "txtAnteilML");
        auto* schliessen = Testhilfe::Kind<QPushButton>(ansicht, "cmdSchliessen");
        ASSERT_TRUE(anteil && feld && schliessen);
        // Half the area ventilated mechanically, by a unit of 100 m³/h with
        // a heat recovery of 80 %: smaller ventilation losses.
        anteil->click();
        feld->clear();
        Testhilfe::Tippen(feld, "50");
        QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(feld, &aus);
        for (const auto& [name, wert] : {std::pair{"txtLSt(0)", "100"}, std::pair{"txtha(0)", "8760"},
                                         std::pair{"txtWRG(0)", "80"}}) {
            auto* zelle = Testhilfe::Kind<QLineEdit>(ansicht, name);
            ASSERT_TRUE(zelle) << name;
            Testhilfe::Tippen(zelle, wert);
            QApplication::sendEvent(zelle, &aus);
        }
        schliessen->click();
        QApplication::processEvents();
        // Closed, the dialog is unloaded (the zone computation that follows
        // for the window table uses the model again).
        EXPECT_FALSE(Global::frmLüftung.Geladen());
        bedient = true;
    };
    Menü(m.mnuZoneL);
    frmLüftung::Anzeigen = nullptr;
    ASSERT_TRUE(bedient);

    const std::string qsNach = m.lblFQs.Caption();
    const std::string etaNach = m.lblFQsf.Caption();
    // Smaller losses: less of the solar gains is utilised.
    EXPECT_NE(etaNach, etaVorher);
    EXPECT_NE(qsNach, qsVorher);
    // What a computation of the zone from scratch shows.
    ASSERT_FALSE(m.ProjektZoneBerechnen());
    EXPECT_EQ(m.lblFQs.Caption(), qsNach);
    EXPECT_EQ(m.lblFQsf.Caption(), etaNach);
    // And the window shows the labels as they are.
    if (QLabel* l = fenster->Tabelle(4)->Labelwidget(m.lblFQsf)) {
        EXPECT_EQ(l->text().trimmed(), Q(etaNach).trimmed());
    }
}

// The newer-version notice lies beneath the tables: where a table is shown
// over it, the table is what the pointer reaches.
TEST_F(Hauptfenster, VersionshinweisUnterDenTabellen) {
    ASSERT_TRUE(starten(Beispiel()));
    frmZIRVO3801Ansicht& f = *fenster;
    f.NeuereVersionAnzeigen("Hinweis:\r\n\r\nVon diesem Programm gibt es eine neuere Version (10).");
    Menü(m.mnuZoneEBF);
    QLabel* hinweis = f.NeuereVersion();
    ASSERT_TRUE(hinweis->isVisible());
    QWidget* tabelle = f.Tabelle(1);
    const QRect über = hinweis->geometry().intersected(tabelle->geometry());
    ASSERT_FALSE(über.isEmpty());
    for (const QPoint& p : {über.topLeft(), über.center(), über.bottomRight()}) {
        QWidget* getroffen = f.Innenfläche()->childAt(p);
        ASSERT_NE(getroffen, nullptr);
        EXPECT_NE(getroffen, hinweis);
        EXPECT_TRUE(getroffen == tabelle || tabelle->isAncestorOf(getroffen));
    }
    // The EBF table's first rows take the clicks: its first cell is there.
    EXPECT_TRUE(Zelle(m.txtEBFBez[0])->isVisible());
}

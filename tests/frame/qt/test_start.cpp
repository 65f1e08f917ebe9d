// The start on the desktop: start window, options and folder dialogs, the
// single-instance guard, the version check off the window thread, and the
// whole start with the stand-in main window.
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/Programmstart.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOVersion.h"
#include "frame/frmOptionen.h"
#include "frame/frmOrdnerSuchen.h"
#include "frame/frmZIRVO3801Start.h"
#include "frame/qt/Ersatzhauptfenster.h"
#include "frame/qt/QtStart.h"
#include "frame/qt/frmOptionenAnsicht.h"
#include "frame/qt/frmOrdnerSuchenAnsicht.h"
#include "frame/qt/frmZIRVO3801StartAnsicht.h"
#include "tests/support/Testplattform.h"
#include "tests/support/qt/Testserver.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QThread>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Processes events until the condition holds or the time is up.
bool Warten(const std::function<bool()>& bis, int ms = 5000) {
    QElapsedTimer uhr;
    uhr.start();
    while (!bis()) {
        if (uhr.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

// Plays the user in the next modal dialog of that name once it is shown.
// A dialog that never comes does not hang the test: after a while every
// modal dialog is cancelled.
void ImDialog(const QString& name, std::function<void(QDialog*)> schritt) {
    auto* wecker = new QTimer;
    auto versuche = std::make_shared<int>(0);
    QObject::connect(wecker, &QTimer::timeout, [wecker, versuche, name, schritt] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (d && d->objectName() == name) {
            wecker->stop();
            wecker->deleteLater();
            schritt(d);
            return;
        }
        if (++*versuche > 500) {
            wecker->stop();
            wecker->deleteLater();
            ADD_FAILURE() << "Dialog " << name.toStdString() << " kam nicht";
            while (auto* m = qobject_cast<QDialog*>(QApplication::activeModalWidget())) m->done(QDialog::Rejected);
        }
    });
    wecker->start(10);
}

class Ordner : public Plattform::Umgebung {
public:
    fs::path Wurzel = fs::temp_directory_path() / ("zirvo_test_qtstart_" + std::to_string(::getpid()));
    fs::path Konfiguration = Wurzel / "config" / "ZIRVO";
    fs::path Laufzeit = Wurzel / "run";
    Ordner() {
        fs::remove_all(Wurzel);
        for (const char* o : {"bin", "run", "Daten/Bern", "Daten/Zürich"}) fs::create_directories(Wurzel / o);
    }
    ~Ordner() override {
        std::error_code ec;
        fs::remove_all(Wurzel, ec);
    }
    std::string Pfad(const char* o) const { return (Wurzel / o).string(); }
    std::string Programmordner() override { return Pfad("bin"); }
    std::string Konfigurationsordner() override { return Konfiguration.string(); }
    std::time_t Jetzt() override { return 0; }
    void Sanduhr(bool) override {}
    bool StrgGedrückt() override { return false; }
};

class QtStartTest : public ::testing::Test {
protected:
    Testhilfe::SkriptMeldungen meldungen;
    Ordner ordner;
    Plattform::DiensteSetzen gesetzt{Plattform::Dienste{&meldungen, nullptr, nullptr, nullptr, &ordner}};
    Initialisierung gesichert = Global::Initialisierung;
    std::function<bool(std::int16_t)> gesichertAufruf = basZIRVO3801::OptionenAufruf;

    QtStartTest() {
        basZIRVODialogSprache::SpracheSetzen();
        basZIRVO3801::GlobaleSetzen();
        Global::Initialisierung = ::Initialisierung();
    }
    ~QtStartTest() override {
        Global::Initialisierung = gesichert;
        basZIRVO3801::OptionenAufruf = gesichertAufruf;
        frmOptionen::Anzeigen = nullptr;
        frmOrdnerSuchen::Anzeigen = nullptr;
        basZIRVOVersion::VersionsOrdnerUrl.clear();
    }
};

using Versionsserver = Testhilfe::Testserver;

QByteArray Antwort(const QByteArray& text) { return Testhilfe::HttpAntwort(200, "OK", text); }

// A main window that only records, and checks the start window while the
// tables are built.
class Protokollfenster : public Programmstart::Hauptfenster, public Programmstart::NachweisEBFenster {
public:
    QtStart::Startumgebung* umgebung = nullptr;
    std::vector<std::string> Log;
    std::vector<std::string> Hinweise;
    bool HinweisImFensterfaden = false;

    void Form_Load() override { Log.push_back("laden"); }
    void TabelleInitialisieren() override {
        auto* s = umgebung ? umgebung->Startfenster() : nullptr;
        basZIRVO3801::ZahlLabelAktualisieren();
        basZIRVO3801::ZahlLabelAktualisieren();
        Log.push_back(s && s->isVisible() ? "Tabellen, Zähler " + s->lblStartZähler->text().toStdString()
                                          : "Tabellen ohne Startfenster");
    }
    void Zeigen() override { Log.push_back("zeigen"); }
    void NeuereVersionAnzeigen(const std::string& text) override {
        HinweisImFensterfaden = QThread::currentThread() == QCoreApplication::instance()->thread();
        Hinweise.push_back(text);
    }
    void ProjektEinlesenBeimProgrammstart(const std::string& datei) override { Log.push_back("Projekt " + datei); }
    void Laden() override { Log.push_back("EB laden"); }
};

} // namespace

TEST_F(QtStartTest, Startfenster) {
    frmZIRVO3801Start& modell = Global::frmZIRVO3801Start;
    modell.Laden();
    {
        frmZIRVO3801StartAnsicht ansicht(modell);
        ansicht.show();
        EXPECT_EQ(ansicht.windowTitle(), "Bauphysik ZIRVO 380/1");
        EXPECT_EQ(ansicht.lblProg->text(), "Bauphysik ZIRVO 380/1");
        EXPECT_EQ(ansicht.lblVer->text(), "Version  9a");
        EXPECT_EQ(ansicht.lblHersteller->text(), "Bauphysik");
        EXPECT_EQ(ansicht.lblStartZähler->text(), "");
        // The counter shows each step at once, without the event loop.
        basZIRVO3801::ZahlLabelAktualisieren();
        EXPECT_EQ(ansicht.lblStartZähler->text(), "1");
        basZIRVO3801::ZahlLabelAktualisieren();
        EXPECT_EQ(ansicht.lblStartZähler->text(), "2");
    }
    // With the window gone the counter goes on harmlessly.
    basZIRVO3801::ZahlLabelAktualisieren();
    EXPECT_EQ(modell.lblStartZähler.Caption(), "3");
    modell.Entladen();
    EXPECT_EQ(modell.lblStartZähler.Caption(), "");
}

TEST_F(QtStartTest, OptionenAnsicht) {
    Global::Initialisierung.OrdnerProjekte = ".";
    Global::Initialisierung.OrdnerDatenbank = "/daten/baustoffe";
    frmOptionen modell;
    modell.Form_Load();
    frmOptionenAnsicht ansicht(modell);
    EXPECT_EQ(ansicht.windowTitle(), "Optionen");
    ASSERT_EQ(ansicht.tabOptionen->count(), 1);
    EXPECT_EQ(ansicht.tabOptionen->tabText(0), "Ordner");
    EXPECT_EQ(ansicht.optProj[0]->text(), "Automatisch vom System (Eigene Dateien oder Programmordner)");
    // The automatic database folder is named by the folder it is.
    EXPECT_EQ(ansicht.optDB[0]->text(), Q("Im Ordner der Einstellungen (" + ordner.Konfiguration.string() + ")"));
    EXPECT_EQ(ansicht.cmdDurchsuchen[0]->text(), "Durchsuchen");
    EXPECT_EQ(ansicht.cmdAbbrechen->text(), "Abbrechen");
    EXPECT_TRUE(ansicht.optProj[0]->isChecked());
    EXPECT_EQ(ansicht.txtOrdnerProj->text(), "");
    EXPECT_TRUE(ansicht.optDB[1]->isChecked());
    EXPECT_EQ(ansicht.txtOrdnerDB->text(), "/daten/baustoffe");

    // The user picks the path option for projects and types a folder.
    ansicht.optProj[1]->click();
    EXPECT_TRUE(modell.optProj[1].Value());
    EXPECT_FALSE(modell.optProj[0].Value());
    ansicht.txtOrdnerProj->setText("/home/p");
    ansicht.optDB[0]->click();
    EXPECT_FALSE(ansicht.optDB[1]->isChecked());
    ansicht.cmdOK->click();
    EXPECT_EQ(ansicht.result(), QDialog::Accepted);
    EXPECT_TRUE(modell.Ergebnis);
    EXPECT_EQ(Global::Initialisierung.OrdnerProjekte, "/home/p");
    EXPECT_EQ(Global::Initialisierung.OrdnerDatenbank, ".");

    // Escape or the close button: cancelled, nothing written.
    frmOptionen zweites;
    zweites.Form_Load();
    frmOptionenAnsicht ansicht2(zweites);
    EXPECT_TRUE(ansicht2.optProj[1]->isChecked());
    EXPECT_EQ(ansicht2.txtOrdnerProj->text(), "/home/p");
    ansicht2.txtOrdnerProj->setText("/anders");
    ansicht2.reject();
    EXPECT_TRUE(zweites.Entladen);
    EXPECT_FALSE(zweites.Ergebnis);
    EXPECT_EQ(ansicht2.result(), QDialog::Rejected);
    EXPECT_EQ(Global::Initialisierung.OrdnerProjekte, "/home/p");
}

TEST_F(QtStartTest, OrdnerSuchenAnsicht) {
    frmOrdnerSuchen modell;
    modell.Form_Load();
    ASSERT_TRUE(modell.Dir1PfadSetzen(ordner.Pfad("Daten")));
    frmOrdnerSuchenAnsicht ansicht(modell);
    ansicht.show();
    EXPECT_EQ(ansicht.windowTitle(), "Ordner suchen");
    EXPECT_EQ(ansicht.lblOrdner->text(), Q(ordner.Pfad("Daten")));
    EXPECT_EQ(ansicht.lblOrdner->toolTip(), Q(ordner.Pfad("Daten")));
    ASSERT_EQ(ansicht.dlbDir1->count(), modell.dlbDir1.ListCount());
    EXPECT_EQ(ansicht.dlbDir1->currentRow(), modell.dlbDir1.ListIndex());
    EXPECT_EQ(ansicht.dlbDrive1->count(), modell.dlbDrive1.ListCount());
    EXPECT_EQ(ansicht.dlbDrive1->currentText().toStdString(), modell.Drive());

    // A single click only marks an entry; opening it (double click) moves there.
    const int bern = modell.dlbDir1.ListIndex() + 1;
    ASSERT_EQ(modell.Dir1Eintrag(bern), ordner.Pfad("Daten/Bern"));
    ansicht.dlbDir1->setCurrentRow(bern);
    EXPECT_EQ(modell.dlbDir1.ListIndex(), bern);
    EXPECT_EQ(ansicht.lblOrdner->text(), Q(ordner.Pfad("Daten")));
    emit ansicht.dlbDir1->itemActivated(ansicht.dlbDir1->item(bern));
    ASSERT_TRUE(Warten([&] { return modell.Dir1Pfad() == ordner.Pfad("Daten/Bern"); }));
    EXPECT_EQ(ansicht.lblOrdner->text(), Q(ordner.Pfad("Daten/Bern")));
    EXPECT_EQ(ansicht.dlbDir1->count(), modell.dlbDir1.ListCount());
    EXPECT_EQ(ansicht.dlbDir1->item(ansicht.dlbDir1->currentRow())->text().trimmed(), "Bern");

    // A drive that is not ready: the list goes back, no message.
    const int vorher = ansicht.dlbDrive1->currentIndex();
    modell.dlbDrive1.AddItem("/zirvo-laufwerk-fehlt");
    ansicht.dlbDrive1->setCurrentIndex(ansicht.dlbDrive1->count() - 1);
    EXPECT_EQ(ansicht.dlbDrive1->currentIndex(), vorher);
    EXPECT_EQ(modell.dlbDrive1.ListIndex(), vorher);
    EXPECT_EQ(ansicht.lblOrdner->text(), Q(ordner.Pfad("Daten/Bern")));
    EXPECT_TRUE(meldungen.Gezeigt.empty());

    ansicht.cmdOK->click();
    EXPECT_EQ(ansicht.result(), QDialog::Accepted);
    EXPECT_EQ(modell.Ordner, ordner.Pfad("Daten/Bern"));
}

TEST_F(QtStartTest, OptionenMitDurchsuchenModal) {
    frmOptionenAnsicht::Einrichten();
    frmOptionen::Einrichten();
    Global::Initialisierung.OrdnerDatenbank = ordner.Pfad("Daten");
    // The options dialog opens; Durchsuchen for the database; in the folder
    // dialog the user opens "Zürich" and confirms; back in the options, OK.
    std::string startordner, titel;
    ImDialog("frmOptionen", [&](QDialog* d) {
        ImDialog("frmOrdnerSuchen", [&](QDialog* s) {
            titel = s->windowTitle().toStdString();
            auto* liste = s->findChild<QListWidget*>("dlbDir1");
            auto* label = s->findChild<QLabel*>("lblOrdner");
            ASSERT_TRUE(liste && label);
            startordner = label->text().toStdString();
            for (int i = 0; i < liste->count(); ++i) {
                if (liste->item(i)->text().trimmed() == "Zürich") emit liste->itemActivated(liste->item(i));
            }
            ASSERT_TRUE(Warten([&] { return label->text() == Q(ordner.Pfad("Daten/Zürich")); }));
            s->findChild<QPushButton*>("cmdOK")->click();
        });
        d->findChild<QPushButton*>("cmdDurchsuchen(0)")->click();
        auto* txt = d->findChild<QLineEdit*>("txtOrdnerDB");
        ASSERT_TRUE(txt);
        EXPECT_EQ(txt->text(), Q(ordner.Pfad("Daten/Zürich")));
        d->findChild<QPushButton*>("cmdOK")->click();
    });
    EXPECT_TRUE(basZIRVO3801::OptionenAufruf(1));
    EXPECT_EQ(titel, "Ordner Datenbank suchen");
    EXPECT_EQ(startordner, ordner.Pfad("Daten"));
    EXPECT_EQ(Global::Initialisierung.OrdnerDatenbank, ordner.Pfad("Daten/Zürich"));

    // The same dialog closed with Escape: cancelled.
    ImDialog("frmOptionen", [](QDialog* d) { d->reject(); });
    EXPECT_FALSE(basZIRVO3801::OptionenAufruf(1));
    EXPECT_EQ(Global::Initialisierung.OrdnerDatenbank, ordner.Pfad("Daten/Zürich"));
}

TEST_F(QtStartTest, NurEineKopie) {
    const QString lauf = Q(ordner.Laufzeit.string());
    {
        QtStart::Einzelstart erste(lauf);
        EXPECT_FALSE(erste.WeitereKopieLäuft());
        EXPECT_TRUE(QFile::exists(erste.Sperrdatei()));
        QtStart::Einzelstart zweite(lauf);
        EXPECT_TRUE(zweite.WeitereKopieLäuft());
        EXPECT_TRUE(zweite.WeitereKopieLäuft());
    }
    // The first copy has ended: the next one runs.
    QtStart::Einzelstart dritte(lauf);
    EXPECT_FALSE(dritte.WeitereKopieLäuft());
    // A runtime folder where no lock file can be made does not stop the program.
    ASSERT_TRUE(Dateien::SicherSchreiben(ordner.Pfad("kein-ordner"), "x"));
    QtStart::Einzelstart ohne(Q(ordner.Pfad("kein-ordner")));
    EXPECT_FALSE(ohne.WeitereKopieLäuft());
    // The standard place is the user's runtime folder.
    EXPECT_TRUE(QtStart::Einzelstart().Sperrdatei().endsWith("/ZIRVO3801.lock"));
}

TEST_F(QtStartTest, VersionsprüfungHältDenStartNichtAuf) {
    EXPECT_EQ(QtStart::VersionsordnerAusEinstellung("https://example.invalid/zirvo/ZIRVOVersionAktuell.txt"),
              "https://example.invalid/zirvo");
    EXPECT_EQ(QtStart::VersionsordnerAusEinstellung("https://example.invalid/zirvo"), "https://example.invalid/zirvo");
    EXPECT_EQ(QtStart::VersionsordnerAusEinstellung(""), "");

    // A newer version: the notice arrives later, on the window thread.
    {
        Versionsserver server;
        server.antwort = Antwort("ZIRVO [10|a]\r\n");
        server.starten();
        basZIRVOVersion::VersionsOrdnerUrl = server.Ordner();
        Protokollfenster fenster;
        KeinNachweisEBFenster eb;
        QtStart::Startumgebung umgebung(fenster, eb, Q(ordner.Laufzeit.string()));
        fenster.umgebung = &umgebung;
        ASSERT_TRUE(basZIRVO3801::Main("", umgebung));
        ASSERT_TRUE(Warten([&] { return !fenster.Hinweise.empty(); }));
        EXPECT_TRUE(fenster.HinweisImFensterfaden);
        EXPECT_EQ(fenster.Hinweise,
                  (std::vector<std::string>{"Hinweis:\r\n\r\nVon diesem Programm gibt es eine neuere Version (10)."}));
        EXPECT_FALSE(umgebung.VersionsprüfungLäuft());
    }
    // A server that never answers: the start is done at once, the project
    // of the command line opens, and ending the program does not wait for
    // the server. Waiting for it would take the check's time limit (10 s);
    // the bounds lie well below it and well above what a start takes on a
    // machine busy on every core.
    {
        Versionsserver server;
        server.stumm = true;
        server.starten();
        basZIRVOVersion::VersionsOrdnerUrl = server.Ordner();
        Protokollfenster fenster;
        KeinNachweisEBFenster eb;
        QElapsedTimer uhr;
        uhr.start();
        {
            QtStart::Startumgebung umgebung(fenster, eb, Q(ordner.Laufzeit.string()));
            ASSERT_TRUE(basZIRVO3801::Main("\"/p/a b.zirvo9\"", umgebung));
            EXPECT_LT(uhr.elapsed(), 5000);
            EXPECT_EQ(fenster.Log.back(), "Projekt /p/a b.zirvo9");
            EXPECT_TRUE(umgebung.VersionsprüfungLäuft());
        }
        EXPECT_LT(uhr.elapsed(), 8000);
        QCoreApplication::processEvents();
        EXPECT_TRUE(fenster.Hinweise.empty());
    }
    // No version folder set: no check at all.
    basZIRVOVersion::VersionsOrdnerUrl.clear();
    Protokollfenster fenster;
    KeinNachweisEBFenster eb;
    QtStart::Startumgebung umgebung(fenster, eb, Q(ordner.Laufzeit.string()));
    ASSERT_TRUE(basZIRVO3801::Main("", umgebung));
    EXPECT_FALSE(umgebung.VersionsprüfungLäuft());
    QCoreApplication::processEvents();
    EXPECT_TRUE(fenster.Hinweise.empty());
    // The HTTP service of the program is back as it was.
    EXPECT_EQ(Plattform::Aktuell().http, nullptr);
}

TEST_F(QtStartTest, GanzerStartMitErsatzfenster) {
    fs::create_directories(ordner.Konfiguration);
    ASSERT_TRUE(Dateien::SicherSchreiben((ordner.Konfiguration / "ZIRVO3801.ini").string(), "File1=/p/alt.zirvo9"));
    const QString lauf = Q(ordner.Laufzeit.string());

    // The start window is up while the tables are built, and gone after.
    {
        Protokollfenster fenster;
        QtStart::Startumgebung umgebung(fenster, fenster, lauf);
        fenster.umgebung = &umgebung;
        ASSERT_TRUE(basZIRVO3801::Main("", umgebung));
        EXPECT_EQ(fenster.Log, (std::vector<std::string>{"laden", "Tabellen, Zähler 2", "EB laden",
                                                         "Tabellen, Zähler 4", "zeigen"}));
        EXPECT_EQ(umgebung.Startfenster(), nullptr);
    }

    Ersatzhauptfenster haupt;
    KeinNachweisEBFenster eb;
    QtStart::Startumgebung umgebung(haupt, eb, lauf);
    ASSERT_TRUE(basZIRVO3801::Main("/p/Mein Projekt.zirvo9", umgebung));
    EXPECT_TRUE(haupt.isVisible());
    EXPECT_EQ(haupt.windowTitle(), "Bauphysik ZIRVO 380/1");
    EXPECT_EQ(haupt.lblHinweis->text(), "Das Hauptfenster ist in diesem Stand noch nicht gebaut.");
    EXPECT_TRUE(haupt.lblProjekt->isVisible());
    EXPECT_TRUE(haupt.lblProjekt->text().contains("/p/Mein Projekt.zirvo9"));
    EXPECT_FALSE(haupt.lblNeuereVersionVorhanden->isVisible());
    haupt.NeuereVersionAnzeigen("Hinweis:");
    EXPECT_TRUE(haupt.lblNeuereVersionVorhanden->isVisible());

    // Closing the main window ends the program: the settings are written.
    Global::Initialisierung.LetzteProjekteDatei("/p/neu.zirvo9");
    haupt.close();
    auto ini = Dateien::Lesen((ordner.Konfiguration / "ZIRVO3801.ini").string()).value_or("");
    EXPECT_NE(ini.find("File1=/p/neu.zirvo9\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("File2=/p/alt.zirvo9\r\n"), std::string::npos) << ini;
    EXPECT_TRUE(meldungen.Gezeigt.empty());

    // A second copy while the first still holds its lock: refused with the
    // one message, its main window never loads.
    Protokollfenster zweites;
    QtStart::Startumgebung umgebung2(zweites, zweites, lauf);
    EXPECT_FALSE(basZIRVO3801::Main("", umgebung2));
    EXPECT_TRUE(zweites.Log.empty());
    ASSERT_EQ(meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.Nr(0).Text, "Das Programm kann nicht mehrfach gestartet werden.");
    EXPECT_EQ(meldungen.Nr(0).Symbol, Plattform::Symbol::Fehler);
    EXPECT_EQ(meldungen.Nr(0).Knöpfe, Plattform::Knöpfe::OK);
}

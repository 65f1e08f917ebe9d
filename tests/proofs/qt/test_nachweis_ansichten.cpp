// The two proof windows on the screen with the main window: the menu opens
// them, the user types rows into the open single-component proof, saves the
// project and finds the rows again after opening it anew; the code picker
// and the limit list as the user sees them; the system proof's list.
#include "dialogs/frmNutzung.h"
#include "dialogs/frmProjekt.h"
#include "frame/Initialisierung.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/qt/EingabeTabelleWidget.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"
#include "project/Kollektion.h"
#include "project/ProjektGlobal.h"
#include "proofs/frmNachweis3801.h"
#include "proofs/frmNachweisEB.h"
#include "proofs/qt/frmNachweis3801Ansicht.h"
#include "proofs/qt/frmNachweisEBAnsicht.h"
#include "tests/support/Testplattform.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

#ifndef ZIRVO_TESTDATEN
#error "ZIRVO_TESTDATEN must name the tests folder"
#endif

namespace {

void Taste(QWidget* w, int key) {
    QKeyEvent d(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &d);
    QKeyEvent u(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &u);
    QApplication::processEvents();
}

class NachweisAnsichten : public ::testing::Test {
protected:
    Testhilfe::Testumgebung umgebung;
    Initialisierung gesichert = Global::Initialisierung;
    cVB6_NumCvt trennzeichen = cVB6_NumCvt::Instanz();
    std::function<void(frmProjekt&)> projektAnzeigen = frmProjekt::Anzeigen;
    std::function<void(frmNutzung&)> nutzungAnzeigen = frmNutzung::Anzeigen;
    std::function<void(frmNachweis3801&)> systemAnzeigen = frmNachweis3801::Anzeigen;
    frmZIRVO3801& m = Global::frmZIRVO3801;
    frmNachweisEB& e = Global::frmNachweisEB;
    fs::path ordner = fs::temp_directory_path() / ("zirvo_nachweis_" + std::to_string(::getpid()));
    std::unique_ptr<frmZIRVO3801Ansicht> haupt;
    std::unique_ptr<frmNachweisEBAnsicht> eb;

    NachweisAnsichten() {
        basZIRVODialogSprache::SpracheSetzen();
        basZIRVO3801::GlobaleSetzen();
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", ".", "'", ".", "'"));
        Global::Initialisierung = ::Initialisierung();
        Global::Projekt = Projekt();
        frmProjekt::Anzeigen = nullptr;
        frmNutzung::Anzeigen = nullptr;
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        // As the start builds them: the main window, then the proof window
        // it owns, hidden.
        haupt = std::make_unique<frmZIRVO3801Ansicht>(m);
        haupt->Form_Load();
        haupt->TabelleInitialisieren();
        eb = std::make_unique<frmNachweisEBAnsicht>(e, haupt.get());
        eb->Laden();
        eb->TabelleInitialisieren();
    }
    ~NachweisAnsichten() override {
        eb.reset();
        haupt.reset();
        e.Visible = false;
        e.FehlerAngezeigt = false;
        e.cmdCode.setVisible(false);
        e.lstCode.setVisible(false);
        Global::Projekt = Projekt();
        e.Einlesen();
        Global::Initialisierung = gesichert;
        cVB6_NumCvt::InstanzSetzen(trennzeichen);
        frmProjekt::Anzeigen = projektAnzeigen;
        frmNutzung::Anzeigen = nutzungAnzeigen;
        frmNachweis3801::Anzeigen = systemAnzeigen;
        std::error_code ec;
        fs::remove_all(ordner, ec);
    }

    // A golden project copied to where the test may save it, and opened.
    std::string Öffnen(const std::string& name) {
        const fs::path ziel = ordner / (name + ".zirvo9");
        fs::copy_file(fs::path(ZIRVO_TESTDATEN) / "projects" / (name + ".zirvo9"), ziel,
                      fs::copy_options::overwrite_existing);
        EXPECT_FALSE(m.ProjektÖffnen(ziel.string()));
        m.MenüsAktivieren();
        return ziel.string();
    }
    // The user clicks into the cell, types the text and presses Enter.
    void Eingeben(const TextBox& zelle, const QString& text) {
        QLineEdit* w = eb->Zelle(zelle);
        ASSERT_NE(w, nullptr) << zelle.Name;
        w->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        w->selectAll();
        Testhilfe::Tippen(w, text);
        Taste(w, Qt::Key_Return);
    }
};

// Rows typed into the open window reach the file with File > Save, and come
// back when the project is opened again.
TEST_F(NachweisAnsichten, GetippteZeilenUeberlebenSpeichernUndOeffnen) {
    const std::string datei = Öffnen("EinzelbauteileGrenzwerte");
    EXPECT_FALSE(eb->isVisible());
    m.mnuNachweis3801EB_Click();
    ASSERT_TRUE(eb->isVisible());
    EXPECT_EQ(eb->windowTitle(), "Nachweis Einzelbauteile SIA 380/1");
    EXPECT_EQ(eb->Reiter()->count(), 4);
    Testhilfe::Bild(*eb, "NachweisEB_Allgemein.png");

    eb->Reiter()->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_EQ(e.AktuelleTabelle, 1);
    ASSERT_TRUE(eb->Tabelle(1)->isVisible());
    // Row 8 is the empty row between: U and Ti first (a code without them
    // is a fault), then code and designation, each left with Enter.
    Eingeben(e.txtBtU[8], "0,16");
    Eingeben(e.txtBtTi[8], "24");
    Eingeben(e.txtBtC[8], "B1");
    Testhilfe::Tippen(eb->Zelle(e.txtBtBez[8]), "Neue Wand");
    Taste(eb->Zelle(e.txtBtBez[8]), Qt::Key_Return);
    Taste(eb->Zelle(e.txtBtNr[8]), Qt::Key_Return);
    Taste(eb->Zelle(e.txtBtU[8]), Qt::Key_Return);
    Taste(eb->Zelle(e.txtBtG[8]), Qt::Key_Return);
    Taste(eb->Zelle(e.txtBtTi[8]), Qt::Key_Return);
    EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());
    // Enter in Ti went on to the next row's code; the row is computed.
    EXPECT_TRUE(eb->Zelle(e.txtBtC[9])->hasFocus());
    EXPECT_EQ(eb->Zelle(e.txtBtGrTab[8])->text().trimmed(), "0.17");
    EXPECT_EQ(eb->Zelle(e.txtBtGrEff[8])->text().trimmed(), "0.14");
    EXPECT_EQ(eb->Zelle(e.txtBtGrErf[8])->text(), "nein");
    Testhilfe::Bild(*eb, "NachweisEB_Bauteile.png");

    // Saved with the window open; the project then opened anew.
    m.mnuDateiSpeichern_Click();
    EXPECT_TRUE(eb->isVisible());
    Global::Projekt = Projekt();
    e.Einlesen();
    EXPECT_EQ(eb->Zelle(e.txtBtC[8])->text(), "");
    ASSERT_FALSE(m.ProjektÖffnen(datei));
    EXPECT_EQ(eb->Zelle(e.txtBtC[8])->text(), "B1");
    EXPECT_EQ(eb->Zelle(e.txtBtBez[8])->text(), "Neue Wand");
    EXPECT_EQ(eb->Zelle(e.txtBtU[8])->text().trimmed(), "0.16");
    EXPECT_EQ(eb->Zelle(e.txtBtGrErf[8])->text(), "nein");
    EXPECT_EQ(eb->Zelle(e.txtBtC[9])->text(), "A2");

    // The close box stores and hides; the window and its rows stay.
    Eingeben(e.txtBtTi[8], "20");
    eb->close();
    EXPECT_FALSE(eb->isVisible());
    EXPECT_FALSE(e.Visible);
    EXPECT_EQ(Global::Projekt.PGetColl("EBBt")->Koll(9)->Zahl(6), 20);
    m.mnuNachweis3801EB_Click();
    EXPECT_TRUE(eb->isVisible());
    EXPECT_EQ(eb->Reiter()->currentIndex(), 1);
}

// A row that names a component without a U-value: the message names the
// item, and the focus goes to the number cell, the one the user can mend
// (the U cell is written from the item at every run).
TEST_F(NachweisAnsichten, BauteilOhneUWertZeigtAufDieNummer) {
    Öffnen("EinzelbauteileGrenzwerte");
    auto b = Kollektion::Neu();
    for (const char* t : {"Wand, noch ohne Schichten", ""}) b->Hinzufügen(std::string(t));
    for (double x : {0.0, 0.0, 0.13, 0.04}) b->Hinzufügen(x);
    b->Hinzufügen(std::string(), "CodeGr");
    Global::Projekt.PSetColl(std::move(b), "B-42");
    m.mnuNachweis3801EB_Click();
    eb->Reiter()->setCurrentIndex(1);
    QApplication::processEvents();
    Eingeben(e.txtBtNr[8], "42");
    Eingeben(e.txtBtTi[8], "20");
    EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());
    Eingeben(e.txtBtU[8], "0,2");
    Eingeben(e.txtBtC[8], "A1");
    ASSERT_EQ(umgebung.meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(umgebung.meldungen.Nr(0).Text, "Das Bauteil Nr. 42 hat keinen U-Wert.");
    QLineEdit* nummer = eb->Zelle(e.txtBtNr[8]);
    EXPECT_TRUE(nummer->hasFocus());
    EXPECT_EQ(nummer->selectedText().trimmed(), "42");
    EXPECT_EQ(eb->Zelle(e.txtBtU[8])->text().trimmed(), "");
}

// The code picker opens beside the focused cell, Enter takes the entry; the
// limit list shows the model's rows in both orders.
TEST_F(NachweisAnsichten, CodeauswahlUndGrenzwertliste) {
    Öffnen("EinzelbauteileGrenzwerte");
    m.mnuNachweis3801EB_Click();
    eb->Reiter()->setCurrentIndex(1);
    QApplication::processEvents();
    QLineEdit* zelle = eb->Zelle(e.txtBtC[2]);
    zelle->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    QPushButton* knopf = eb->CodeKnopf();
    ASSERT_TRUE(knopf->isVisible());
    EXPECT_EQ(knopf->geometry().left(), zelle->mapTo(eb.get(), QPoint(zelle->width(), 0)).x());
    // The designation cell beside it keeps its text clear of the button.
    QLineEdit* neben = eb->Zelle(e.txtBtBez[2]);
    ASSERT_TRUE(neben);
    EXPECT_GT(neben->mapTo(eb.get(), QPoint(neben->textMargins().left(), 0)).x(), knopf->geometry().right());
    emit knopf->pressed();
    QApplication::processEvents();
    QListWidget* liste = eb->CodeListe();
    ASSERT_TRUE(liste->isVisible());
    EXPECT_TRUE(liste->hasFocus());
    EXPECT_EQ(liste->currentItem()->text(), "B1 - Wand gegen Aussenluft");
    EXPECT_LE(liste->geometry().bottom(), eb->Tabelle(1)->mapTo(eb.get(), QPoint(0, eb->Tabelle(1)->height())).y());
    Testhilfe::Bild(*eb, "NachweisEB_Codeauswahl.png");
    liste->setCurrentRow(liste->currentRow() + 1); // B2
    Taste(liste, Qt::Key_Return);
    EXPECT_FALSE(liste->isVisible());
    EXPECT_EQ(zelle->text(), "B2");
    EXPECT_TRUE(zelle->hasFocus());
    EXPECT_EQ(eb->Zelle(e.txtBtGrEff[2])->text().trimmed(), "0.28"); // 0.25 at 18 °C

    eb->Reiter()->setCurrentIndex(2);
    QApplication::processEvents();
    Testhilfe::Bild(*eb, "NachweisEB_Waermebruecken.png");
    eb->Reiter()->setCurrentIndex(3);
    QApplication::processEvents();
    QTreeWidget* grenzwerte = eb->Grenzwertliste();
    ASSERT_TRUE(grenzwerte->isVisible());
    EXPECT_EQ(grenzwerte->topLevelItemCount(), static_cast<int>(e.lvwGrenzwerte.ListItems().size()));
    EXPECT_EQ(grenzwerte->headerItem()->text(3), "Bezeichnung");
    EXPECT_EQ(grenzwerte->topLevelItem(2)->text(0), "A1");
    Testhilfe::Bild(*eb, "NachweisEB_Grenzwerte_Gruppen.png");
    e.cmdGrZiSortierung_Click();
    EXPECT_EQ(grenzwerte->topLevelItem(1)->text(3), "Dach");
    Testhilfe::Bild(*eb, "NachweisEB_Grenzwerte_Codes.png");
}

// Nachweis > Systemnachweis checks every zone and opens the list: one row
// per zone, an empty row, the building in bold.
TEST_F(NachweisAnsichten, Systemnachweis) {
    Öffnen("MehrereZonen");
    int geöffnet = 0;
    frmNachweis3801::Anzeigen = [&](frmNachweis3801& modell) {
        ++geöffnet;
        frmNachweis3801Ansicht fenster(modell, haupt.get());
        fenster.show();
        QApplication::processEvents();
        QTreeWidget* liste = fenster.Liste();
        ASSERT_EQ(liste->topLevelItemCount(), 5);
        EXPECT_EQ(liste->columnCount(), 9);
        EXPECT_EQ(liste->headerItem()->text(7), "QH,li");
        EXPECT_EQ(liste->topLevelItem(1)->text(0), "Büro");
        EXPECT_EQ(liste->topLevelItem(4)->text(0), "Gebäude");
        EXPECT_TRUE(liste->topLevelItem(4)->font(0).bold());
        EXPECT_EQ(liste->topLevelItem(4)->text(3), "420.0");
        EXPECT_EQ(liste->topLevelItem(4)->textAlignment(6) & Qt::AlignRight, Qt::AlignRight);
        // At the design size every column is in view, "erfüllt" whole, and
        // there is no horizontal scroll bar.
        EXPECT_FALSE(liste->horizontalScrollBar()->isVisible());
        EXPECT_LE(liste->header()->length(), liste->viewport()->width());
        const int erfüllt = liste->header()->sectionViewportPosition(8) +
                            liste->header()->fontMetrics().horizontalAdvance(liste->headerItem()->text(8));
        EXPECT_LE(erfüllt, liste->viewport()->width());
        Testhilfe::Bild(fenster, "Nachweis3801.png");
        fenster.done(0);
        EXPECT_FALSE(modell.Geladen());
    };
    m.mnuNachweis3801System_Click();
    EXPECT_EQ(geöffnet, 1);
}

// The code picker opened on the last visible row of the grid, where the
// room below the cell leaves a short list: the selected code is in view.
TEST_F(NachweisAnsichten, CodeauswahlZeigtDieAuswahl) {
    Öffnen("EinzelbauteileGrenzwerte");
    m.mnuNachweis3801EB_Click();
    eb->Reiter()->setCurrentIndex(1);
    QApplication::processEvents();
    const EingabeTabelle& t = *e.Tabellen[1];
    ASSERT_GT(t.ZeilenSichtbar, 2);
    // Opened first on a row high up (a long list), then on the last row:
    // the list is shown before it is shortened to the room below the cell.
    const int letzte = t.ZeilenErste + t.ZeilenSichtbar - 1;
    const std::pair<int, const char*> fälle[] = {
        {t.ZeilenErste, "A1"}, {letzte, "B3"}, {t.ZeilenErste, "A1"}, {letzte, "F1"}, {letzte, "B3"}};
    for (const auto& [zeile, code] : fälle) {
        QLineEdit* zelle = eb->Zelle(e.txtBtC[zeile]);
        ASSERT_TRUE(zelle && zelle->isVisible());
        e.txtBtC[zeile].setText(code);
        zelle->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        emit eb->CodeKnopf()->pressed();
        QApplication::processEvents();
        QListWidget* liste = eb->CodeListe();
        ASSERT_TRUE(liste->isVisible()) << code;
        QListWidgetItem* gewählt = liste->currentItem();
        ASSERT_TRUE(gewählt) << code;
        EXPECT_TRUE(gewählt->text().startsWith(code)) << code;
        EXPECT_TRUE(liste->viewport()->rect().contains(liste->visualItemRect(gewählt))) << code;
        Taste(liste, Qt::Key_Escape);
        EXPECT_FALSE(liste->isVisible());
        e.txtBtC[zeile].setText("");
    }
}

} // namespace

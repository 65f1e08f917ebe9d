// The help on the screen, with the help as the build puts it beside the
// program: every topic of the info package shown in the panel with its
// links, each link opened by a click into it; the standard uses of the "Gk"
// topic against the program's category table; the help window at the page
// of a help context, from the menu and from F1.
#include "balance/Gebaeudekategorie.h"
#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "balance/frmQh.h"
#include "balance/frmWaermeleistungsbedarf.h"
#include "balance/qt/frmGewinnAnsicht.h"
#include "balance/qt/frmLueftungAnsicht.h"
#include "balance/qt/frmQhAnsicht.h"
#include "balance/qt/frmTabellenRechnerAnsicht.h"
#include "balance/qt/frmWaermeleistungsbedarfAnsicht.h"
#include "components/frmBaustoff.h"
#include "components/frmBauteil.h"
#include "components/frmBauteilListe.h"
#include "components/qt/frmBaustoffAnsicht.h"
#include "components/qt/frmBauteilAnsicht.h"
#include "components/qt/frmBauteilListeAnsicht.h"
#include "dialogs/frmBauteilVerluste.h"
#include "dialogs/frmEnergien.h"
#include "dialogs/frmFlaechen.h"
#include "dialogs/frmNutzung.h"
#include "dialogs/frmNutzungZone.h"
#include "dialogs/frmProjekt.h"
#include "dialogs/qt/TextberichtAnsicht.h"
#include "dialogs/qt/frmEnergienAnsicht.h"
#include "dialogs/qt/frmNutzungAnsicht.h"
#include "dialogs/qt/frmNutzungZoneAnsicht.h"
#include "dialogs/qt/frmProjektAnsicht.h"
#include "frame/Hilfeseiten.h"
#include "frame/frmOptionen.h"
#include "frame/frmOrdnerSuchen.h"
#include "frame/frmZIRVO3801Start.h"
#include "frame/qt/frmOptionenAnsicht.h"
#include "frame/qt/frmOrdnerSuchenAnsicht.h"
#include "frame/qt/frmZIRVO3801StartAnsicht.h"
#include "printing/frmDruckIni.h"
#include "printing/frmDrucken.h"
#include "printing/frmDruckenEB.h"
#include "printing/qt/frmDruckIniAnsicht.h"
#include "printing/qt/frmDruckenAnsicht.h"
#include "printing/qt/frmDruckenEBAnsicht.h"
#include "proofs/frmNachweis3801.h"
#include "proofs/frmNachweisEB.h"
#include "proofs/qt/frmNachweis3801Ansicht.h"
#include "proofs/qt/frmNachweisEBAnsicht.h"
#include "frame/Dateien.h"
#include "frame/Programmstart.h"
#include "frame/Windows1252.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/qt/Hilfefenster.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#ifndef ZIRVO_PROGRAMMORDNER
#error "ZIRVO_PROGRAMMORDNER must name the folder the build puts the program in"
#endif

namespace {

// The names of the topics of a package, in order.
std::vector<std::string> Themen(const std::string& paket) {
    std::vector<std::string> namen;
    for (std::size_t p = 0; p < paket.size();) {
        const auto lf = paket.find('\n', p);
        const auto strich = paket.find('|', p);
        if (lf == std::string::npos || strich > lf) break;
        namen.push_back(Windows1252::NachUtf8(paket.substr(p, strich - p)));
        p = lf + 1 + std::stoul(paket.substr(strich + 1, lf - strich - 1));
    }
    return namen;
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream ein(text);
    for (std::string s; std::getline(ein, s);) z.push_back(s);
    return z;
}

class Hilfe : public ::testing::Test {
protected:
    Testhilfe::SkriptMeldungen meldungen;
    Testhilfe::SkriptUmgebung desktop;
    QtHilfe::Dienst hilfe;
    std::unique_ptr<Plattform::DiensteSetzen> gesetzt;
    frmZIRVO3801& m = Global::frmZIRVO3801;
    std::unique_ptr<frmZIRVO3801Ansicht> fenster;
    QTextBrowser* rtb = nullptr;

    Hilfe() {
        basZIRVODialogSprache::SpracheSetzen();
        basZIRVO3801::GlobaleSetzen();
        basZIRVO3801::Programmname = "ZIRVO3801";
        basZIRVO3801::Hilfedatei = ZIRVO_PROGRAMMORDNER "/hilfe";
        desktop.Programm = ZIRVO_PROGRAMMORDNER;
        gesetzt = std::make_unique<Plattform::DiensteSetzen>(
            Plattform::Dienste{&meldungen, nullptr, nullptr, nullptr, &desktop, &hilfe});
        Global::Projekt = Projekt();
        m.InfoThema.clear();
        fenster = std::make_unique<frmZIRVO3801Ansicht>(m);
        fenster->Form_Load();
        rtb = fenster->findChild<QTextBrowser*>("rtbInfo");
    }
    ~Hilfe() override {
        fenster.reset();
        m.InfoThema.clear();
        m.InfoPaket.clear();
        basZIRVO3801::Hilfedatei.clear();
    }
    // A click into the panel at the character position.
    void Klick(int pos) {
        QTextCursor c = rtb->textCursor();
        c.setPosition(pos);
        rtb->setTextCursor(c);
        QMouseEvent e(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(rtb->viewport(), &e);
        QApplication::processEvents();
    }
};

} // namespace

// Every topic shows in the panel exactly the text the model indexed (no mark
// left); each link's characters are its link text, and a click at its first,
// middle and last position opens its topic, which the package holds.
TEST_F(Hilfe, JedesThemaUndJederVerweis) {
    ASSERT_NE(rtb, nullptr);
    ASSERT_FALSE(m.InfoPaket.empty()) << "kein Infopaket in " << ZIRVO_PROGRAMMORDNER;
    EXPECT_EQ(m.InfoThema, "ZIRVO3801");
    const auto namen = Themen(m.InfoPaket);
    for (const char* nötig : {"ZIRVO3801", "EBF", "A", "U", "F", "Gk", "Rw", "Tabellen"})
        EXPECT_NE(std::find(namen.begin(), namen.end(), nötig), namen.end()) << nötig;
    int verweise = 0;
    for (const std::string& thema : namen) {
        SCOPED_TRACE(thema);
        m.InfoThema.clear();
        m.InfoAnzeigen(thema);
        const QString gezeigt = rtb->toPlainText();
        ASSERT_EQ(gezeigt.toStdString(), m.rtbInfo.Text());
        EXPECT_EQ(gezeigt.indexOf(QChar(0xAC)), -1);
        EXPECT_FALSE(gezeigt.startsWith("Info:"));
        const auto liste = m.InfoVerweise;
        for (const InfoVerweis& v : liste) {
            EXPECT_NE(std::find(namen.begin(), namen.end(), v.Thema), namen.end()) << v.Thema;
            EXPECT_GT(v.Ende, v.Anfang);
            for (int pos : {v.Anfang, (v.Anfang + v.Ende) / 2, v.Ende}) {
                m.InfoThema.clear();
                m.InfoAnzeigen(thema);
                Klick(pos);
                EXPECT_EQ(m.InfoThema, v.Thema) << "Verweis bei " << pos;
            }
            ++verweise;
        }
    }
    EXPECT_GT(verweise, 30);
    // A caret outside every link opens nothing.
    m.InfoThema.clear();
    m.InfoAnzeigen("U");
    Klick(0);
    EXPECT_EQ(m.InfoThema, "U");
}

// The topic "Gk" shows every standard use value of every category as the
// program's category table holds it.
TEST_F(Hilfe, StandardnutzungenWieDieKategorietabelle) {
    // The values with the user's decimal separator, as the program shows them.
    const cVB6_NumCvt vorher = cVB6_NumCvt::Instanz();
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", ",", "'", ".", "'"));
    m.InfoAnzeigen("Gk");
    cVB6_NumCvt::InstanzSetzen(vorher);
    const auto z = Zeilen(rtb->toPlainText().toStdString());
    const Gebäudekategorie& gk = Global::Gebäudekategorie;
    const std::pair<const char*, double (Gebäudekategorie::*)(std::int16_t) const> werte[] = {
        {"Raumtemperatur", &Gebäudekategorie::Innentemperatur},
        {"Personenfläche", &Gebäudekategorie::Personenfläche},
        {"Wärmeabgabe pro Person", &Gebäudekategorie::Wärmeabgabe},
        {"Präsenzzeit pro Tag", &Gebäudekategorie::Präsenzzeit},
        {"Elektrizitätsverbrauch pro Jahr", &Gebäudekategorie::Elektroverbrauch},
        {"Reduktionsfaktor Elektrizität", &Gebäudekategorie::ElektroReduktion},
        {"Aussenluft-Volumenstrom pro EBF", &Gebäudekategorie::AussenluftVolumenstrom},
        {"Wärmebedarf für Warmwasser", &Gebäudekategorie::Warmwasser},
    };
    for (std::int16_t k = 1; k <= 12; ++k) {
        const std::string kopf = gk.Code(k) + "  " + gk.Bezeichnung(k);
        auto a = std::find(z.begin(), z.end(), kopf);
        ASSERT_NE(a, z.end()) << kopf;
        for (const auto& [text, wert] : werte) {
            auto zeile = std::find(a, z.end(), text);
            ASSERT_TRUE(zeile != z.end() && zeile + 1 != z.end()) << kopf << ": " << text;
            std::string gelesen = *(zeile + 1);
            if (auto p = gelesen.find(','); p != std::string::npos) gelesen[p] = '.';
            EXPECT_EQ(basVB6NumCvt::ZahlLesenDbl(gelesen), (gk.*wert)(k)) << kopf << ": " << text;
            std::string anzeige = basVB6NumCvt::ZahlText((gk.*wert)(k));
            if (auto p = anzeige.find('.'); p != std::string::npos) anzeige[p] = ',';
            EXPECT_EQ(*(zeile + 1), anzeige);
        }
    }
}

// The help window opens at the page of the context: from the menu entries,
// from F1 in the main window, in a dialog (its own context) and in a window
// the dialog owns (the dialog's); an unknown context opens the start page.
TEST_F(Hilfe, HilfefensterBeimKontext) {
    auto seite = [this] {
        return hilfe.Fenster() ? QFileInfo(hilfe.Fenster()->Seite()).fileName().toStdString() : std::string();
    };
    m.mnuHilfeWasIstNeu_Click();
    ASSERT_NE(hilfe.Fenster(), nullptr);
    EXPECT_TRUE(hilfe.Fenster()->isVisible());
    EXPECT_EQ(seite(), "9910.html");
    ASSERT_NE(hilfe.Fenster()->Index()->currentItem(), nullptr);
    EXPECT_EQ(hilfe.Fenster()->Index()->currentItem()->text().toStdString(), "Was ist neu in Version 9");
    m.mnuHilfeF1_Click();
    EXPECT_EQ(seite(), "1000.html");
    EXPECT_NE(hilfe.Fenster()->Browser()->toPlainText().indexOf("Hauptfenster"), -1);

    auto f1 = [](QWidget* w) {
        QKeyEvent d(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(w, &d);
    };
    m.HelpContextID = 3030;
    f1(fenster.get());
    EXPECT_EQ(seite(), "3030.html");
    m.HelpContextID = 1000;

    QDialog dialog(fenster.get());
    auto* feld = new QLineEdit(&dialog);
    int kontext = 1040;
    QtHilfe::KontextBinden(&dialog, [&kontext] { return kontext; });
    f1(feld);
    EXPECT_EQ(seite(), "1040.html");
    kontext = 2020;
    QDialog eigenes(&dialog);
    f1(&eigenes);
    EXPECT_EQ(seite(), "2020.html");
    kontext = 4711;
    f1(feld);
    EXPECT_EQ(seite(), "start.html");

    // While a modal window is open the help window belongs to it, as a
    // window of the dialog type (whose owner the desktop learns); without
    // one it is a window of its own again.
    {
        QDialog modal(fenster.get());
        modal.setModal(true);
        modal.show();
        QApplication::processEvents();
        if (QApplication::activeModalWidget() == &modal) {
            f1(&modal);
            ASSERT_NE(hilfe.Fenster(), nullptr);
            EXPECT_EQ(hilfe.Fenster()->parentWidget(), &modal);
            EXPECT_EQ(hilfe.Fenster()->windowType(), Qt::Dialog);
            EXPECT_TRUE(hilfe.Fenster()->isVisible());
        }
        modal.hide();
        QApplication::processEvents();
        f1(fenster.get());
        ASSERT_NE(hilfe.Fenster(), nullptr);
        EXPECT_EQ(hilfe.Fenster()->parentWidget(), nullptr);
        EXPECT_EQ(hilfe.Fenster()->windowType(), Qt::Window);
    }

    // A page shows its numbers with the user's decimal separator, as the
    // program shows them (the sources write "."), and its shading rules.
    const cVB6_NumCvt vorher = cVB6_NumCvt::Instanz();
    for (const char* trenner : {",", "."}) {
        SCOPED_TRACE(trenner);
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", trenner, "'", ".", "'"));
        hilfe.Fenster()->Öffnen(0); // a page shown again is read again
        hilfe.Fenster()->Öffnen(3050);
        const QString text = hilfe.Fenster()->Browser()->toPlainText();
        const QString t = QString::fromUtf8(trenner);
        EXPECT_NE(text.indexOf("0" + t + "75"), -1);
        EXPECT_NE(text.indexOf("g · 0" + t + "9 · A"), -1);
        EXPECT_NE(text.indexOf("30,20 wird 30,20,20"), -1);
        EXPECT_NE(text.indexOf("Ungültiger Verschattungsfaktor Horizont: 0"), -1);
    }
    cVB6_NumCvt::InstanzSetzen(vorher);

    // The pages with tables of the program have them in place.
    for (const auto& [s, wort] : {std::pair{"standardnutzungen.html", "Hallenbäder"},
                                  std::pair{"rechenwerte.html", "Hallenbäder"}, std::pair{"6120.html", "B1u"}}) {
        const auto text = Dateien::Lesen(std::string(ZIRVO_PROGRAMMORDNER "/hilfe/") + s);
        ASSERT_TRUE(text) << s;
        EXPECT_EQ(text->find("<!--ZIRVO:"), std::string::npos) << s;
        EXPECT_NE(text->find(wort), std::string::npos) << s;
    }
}

// F1 in every window of the program opens the page that describes it, also
// while the main window behind it shows a table: each dialog its own page,
// a dialog without one the start page, never the page of the table behind.
// The windows are those of the table of help contexts, each one once.
TEST_F(Hilfe, JedesFensterSeinerSeite) {
    const std::string lüftung = "Lüftung, Wärmeeinträge und Heizwärmebedarf", start = "ZIRVO 380/1 – Hilfe",
                      auswertungen = "Auswertungen";
    QWidget* haupt = fenster.get();
    frmProjekt projekt;
    frmNutzung nutzung;
    frmEnergien energien;
    frmFlächen flächen;
    frmBauteilVerluste verluste;
    frmDrucken drucken;
    frmDruckenEB druckenEB;
    frmDruckIni druckIni;
    frmOptionen optionen;
    frmOrdnerSuchen ordner;
    frmBaustoff baustoff;
    std::unique_ptr<QWidget> editor;
    using Bau = std::function<std::unique_ptr<QWidget>()>;
    const struct {
        const char* fenster;
        Bau bauen;
        std::string seite; // the title of the page F1 opens
    } fälle[] = {
        {"frmZIRVO3801Start", [&] { return std::make_unique<frmZIRVO3801StartAnsicht>(Global::frmZIRVO3801Start, haupt); }, start},
        {"frmProjekt", [&] { return std::make_unique<frmProjektAnsicht>(projekt, haupt); }, "Projektangaben: Projekt"},
        {"frmNutzung", [&] { return std::make_unique<frmNutzungAnsicht>(nutzung, haupt); }, "Nutzung der Zone"},
        {"frmNutzungZone", [&] { return std::make_unique<frmNutzungZoneAnsicht>(Global::frmNutzungZone, haupt); }, "Zonen"},
        {"frmBauteil",
         [&] {
             auto e = std::make_unique<frmBauteilAnsicht>(Global::frmBauteil, haupt);
             editor.reset(e.release());
             return std::unique_ptr<QWidget>();
         },
         "Bauteile: Dach, Wand, Boden"},
        {"frmBauteilListe", [&] { return std::make_unique<frmBauteilListeAnsicht>(Global::frmBauteilListe, editor.get()); },
         "Bauteile: Dach, Wand, Boden"},
        {"frmBaustoff", [&] { return std::make_unique<frmBaustoffAnsicht>(baustoff, haupt); }, start},
        {"frmLüftung", [&] { return std::make_unique<frmLüftungAnsicht>(Global::frmLüftung, haupt); }, lüftung},
        {"frmGewinn", [&] { return std::make_unique<frmGewinnAnsicht>(Global::frmGewinn, haupt); }, lüftung},
        {"frmQh", [&] { return std::make_unique<frmQhAnsicht>(Global::frmQh, haupt); }, lüftung},
        {"frmEnergien", [&] { return std::make_unique<frmEnergienAnsicht>(energien, haupt); }, auswertungen},
        {"frmFlächen", [&] { return std::make_unique<TextberichtAnsicht>(flächen, "frmFlächen", QSize(200, 200), haupt); },
         auswertungen},
        {"frmBauteilVerluste",
         [&] { return std::make_unique<TextberichtAnsicht>(verluste, "frmBauteilVerluste", QSize(200, 200), haupt); },
         auswertungen},
        {"frmWärmeleistungsbedarf",
         [&] { return std::make_unique<frmWärmeleistungsbedarfAnsicht>(Global::frmWärmeleistungsbedarf, haupt); }, start},
        {"frmTabellenRechner", [&] { return std::make_unique<frmTabellenRechnerAnsicht>(haupt); }, start},
        {"frmNachweis3801", [&] { return std::make_unique<frmNachweis3801Ansicht>(Global::frmNachweis3801, haupt); },
         "Systemnachweis"},
        {"frmNachweisEB", [&] { return std::make_unique<frmNachweisEBAnsicht>(Global::frmNachweisEB, haupt); },
         "Einzelbauteilnachweis: Allgemein"},
        {"frmDrucken", [&] { return std::make_unique<frmDruckenAnsicht>(drucken, haupt); }, "Drucken"},
        {"frmDruckenEB", [&] { return std::make_unique<frmDruckenEBAnsicht>(druckenEB, haupt); },
         "Einzelbauteilnachweis: Allgemein"},
        {"frmDruckIni", [&] { return std::make_unique<frmDruckIniAnsicht>(druckIni, haupt); }, "Drucker einrichten"},
        {"frmOptionen", [&] { return std::make_unique<frmOptionenAnsicht>(optionen, haupt); }, start},
        {"frmOrdnerSuchen", [&] { return std::make_unique<frmOrdnerSuchenAnsicht>(ordner, haupt); }, start},
    };
    // Every window of the table once, and no other.
    std::vector<std::string> namen, getestet;
    for (const auto& f : Hilfeseiten::Fensterkontexte())
        if (f.Fenster != "frmZIRVO3801") namen.emplace_back(f.Fenster);
    for (const auto& f : fälle) getestet.emplace_back(f.fenster);
    std::sort(namen.begin(), namen.end());
    std::sort(getestet.begin(), getestet.end());
    EXPECT_EQ(getestet, namen);

    m.HelpContextID = 3020; // the table behind
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.fenster);
        if (hilfe.Fenster()) hilfe.Fenster()->Öffnen(1000);
        std::unique_ptr<QWidget> w = f.bauen();
        QWidget* fenster = w ? w.get() : editor.get();
        ASSERT_NE(fenster, nullptr);
        EXPECT_EQ(fenster->objectName().toStdString(), f.fenster);
        // The key reaches the field that has the focus, or the window.
        QWidget* ziel = fenster->findChild<QLineEdit*>();
        QKeyEvent d(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(ziel ? ziel : fenster, &d);
        ASSERT_NE(hilfe.Fenster(), nullptr);
        const auto seite = Dateien::Lesen(hilfe.Fenster()->Seite().toStdString());
        ASSERT_TRUE(seite) << hilfe.Fenster()->Seite().toStdString();
        EXPECT_EQ(Hilfeseiten::Titel(*seite), f.seite);
    }
    m.HelpContextID = 1000;
}

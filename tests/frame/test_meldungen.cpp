#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/Steuerelemente.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

TEST(Meldungstexte, PlatzhalterWerdenGefüllt) {
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(DSFormat("Ungültige Himmelsrichtung: @", "X"), "Ungültige Himmelsrichtung: X");
    EXPECT_EQ(DSFormat("Zeile ", "3"), "Zeile 3");
    EXPECT_EQ(DSFormat("Energiebezugsfläche @ und @", "1"), "Energiebezugsfläche 1 und @");
    EXPECT_EQ(DSFormat2("Energiebezugsfläche @ und @", "1", "2"), "Energiebezugsfläche 1 und 2");
    // A first value that holds "@" itself takes the second value there.
    EXPECT_EQ(DSFormat2("A @ B @", "x@y", "z"), "A xzy B @");
}

TEST(Meldungstexte, VorDemEinschaltenLeer) {
    bool alt = basZIRVODialogSprache::Sprachflag;
    basZIRVODialogSprache::Sprachflag = false;
    EXPECT_EQ(DS("Fehler"), "");
    EXPECT_FALSE(basZIRVODialogSprache::SpracheSetzen());
    EXPECT_EQ(DS("Fehler"), "Fehler");
    basZIRVODialogSprache::Sprachflag = alt;
}

TEST(Eingabefehler, MeldungMitTitelSymbolUndNummer) {
    Testhilfe::Testumgebung umgebung;
    TextBox zelle("txtDaFl", 4);
    Eingabefehler.Beginnen(2, basZIRVOFehler::TabelleA);
    Eingabefehler.Setzen(DS("Ungültige Fläche"), &zelle);
    basZIRVOFehler::FehlerMelden();
    ASSERT_EQ(umgebung.meldungen.Gezeigt.size(), 1u);
    const auto& m = umgebung.meldungen.Nr(0);
    EXPECT_EQ(m.Text, "Ungültige Fläche");
    EXPECT_EQ(m.Titel, "Bauphysik ZIRVO:  Fehler");
    EXPECT_EQ(m.Symbol, Plattform::Symbol::Fehler);
    EXPECT_EQ(Eingabefehler.Steuerelement->Name, "txtDaFl");
    EXPECT_EQ(Eingabefehler.Steuerelement->Index, 4);

    Eingabefehler.Art = basZIRVOFehler::ArtWarnung;
    Eingabefehler.Nummer = 17;
    basZIRVOFehler::FehlerMelden();
    EXPECT_EQ(umgebung.meldungen.Nr(1).Text, "Ungültige Fläche\n\nFehlernummer:  17");
    EXPECT_EQ(umgebung.meldungen.Nr(1).Titel, "Bauphysik ZIRVO:  Warnung");
    EXPECT_EQ(umgebung.meldungen.Nr(1).Symbol, Plattform::Symbol::Warnung);

    Eingabefehler.Art = basZIRVOFehler::ArtHinweis;
    basZIRVOFehler::FehlerMelden();
    EXPECT_EQ(umgebung.meldungen.Nr(2).Symbol, Plattform::Symbol::Information);

    Eingabefehler.Art = 0;
    basZIRVOFehler::FehlerMelden();
    EXPECT_EQ(umgebung.meldungen.Gezeigt.size(), 3u);
    Eingabefehler = {};
}

TEST(Globale, MonatstageUndTitel) {
    basZIRVO3801::GlobaleSetzen();
    EXPECT_EQ(Monatstage[1], 28);
    double summe = 0;
    for (double t : Monatstage) summe += t;
    EXPECT_EQ(summe, 365);
    EXPECT_EQ(basZIRVO3801::ProgrammTitel, "Bauphysik ZIRVO 380/1");
    EXPECT_EQ(basZIRVO3801::ProgrammTitelPräfix, basZIRVO3801::ProgrammTitel);
    Formular f;
    basZIRVO3801::FormularIconSetzen(f);
    EXPECT_EQ(f.Icon, basZIRVO3801::ProgrammIcon);
}

TEST(Steuerelemente, BeobachterHörenÄnderungen) {
    TextBox t("txtAVE");
    int meldungen = 0;
    int id = t.beobachten([&](const Steuerelement&) { ++meldungen; });
    t.setText("12");
    t.setText("12");
    t.setBackColor(FarbeFehler);
    EXPECT_EQ(meldungen, 2);
    t.nichtMehrBeobachten(id);
    t.setText("13");
    EXPECT_EQ(meldungen, 2);

    ComboBox c("cboKlSt");
    c.AddItem("Basel");
    c.AddItem("Zürich");
    c.setListIndex(1);
    EXPECT_EQ(c.Text(), "Zürich");
    c.setListIndex(5);
    EXPECT_EQ(c.ListIndex(), -1);

    Steuerelementfeld<TextBox> feld("txtDaFl", 50, 1);
    EXPECT_EQ(feld[1].Index, 1);
    EXPECT_EQ(feld[50].Name, "txtDaFl");
    EXPECT_FALSE(feld.Enthält(0));
    EXPECT_FALSE(feld.Enthält(51));
}

// Every test begins with the program-wide objects as at the start of the
// program: the reset between tests puts back what a test changed.
#include "frame/Initialisierung.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/frmZIRVO3801Start.h"
#include "mainwindow/frmZIRVO3801.h"
#include "balance/frmQh.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Grundzustand.h"

#include <gtest/gtest.h>

TEST(Grundzustand, BringtDieGlobalenZurueck) {
    const bool sprache = basZIRVODialogSprache::Sprachflag;
    const std::string ordner = Global::Initialisierung.OrdnerProjekte;

    basZIRVO3801::ZahlLabelAktualisieren();
    basZIRVO3801::ZahlLabelAktualisieren();
    EXPECT_EQ(Global::frmZIRVO3801Start.lblStartZähler.Caption(), "2");
    Global::Projekt.ProjektNeu();
    Global::Projekt.PSetStr("Überbauung", "Bez");
    Global::Initialisierung.OrdnerProjekte = "/anderswo";
    Global::frmZIRVO3801.txtDaBez[3].setText("Wand");
    basZIRVODialogSprache::Sprachflag = !sprache;
    bool gezeigt = false;
    frmQh::Anzeigen = [&gezeigt](frmQh&) { gezeigt = true; };
    Global::ElementeZählen = true;

    Testhilfe::GrundzustandHerstellen();
    EXPECT_EQ(Global::frmZIRVO3801Start.lblStartZähler.Caption(), "");
    EXPECT_EQ(Global::Projekt.PGetStr("Bez"), "");
    EXPECT_EQ(Global::Initialisierung.OrdnerProjekte, ordner);
    EXPECT_EQ(Global::frmZIRVO3801.txtDaBez[3].Text(), "");
    EXPECT_EQ(basZIRVODialogSprache::Sprachflag, sprache);
    EXPECT_FALSE(frmQh::Anzeigen);
    EXPECT_FALSE(Global::ElementeZählen);
    EXPECT_FALSE(gezeigt);
}

// The reference projects the set-up dialog lays out stand in for the open
// project only while they are laid out: afterwards the open project, its
// current zone, its envelope records, its north and the main window's
// tables (with what was typed and not yet stored) are as they were, also
// when a layout breaks off.
#include "balance/Gebaeudehuelle.h"
#include "frame/basZIRVO_HiRi.h"
#include "printing/Musterprojekt.h"
#include "printing/frmDruckIni.h"
#include "project/ProjektGlobal.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(Musterprojekt, DasOffeneProjektBleibt) {
    Testhilfe::Zonenprojekt z;
    Testhilfe::Druckumgebung druck;
    z.P.PSetStr("Eigenes Projekt", "Bez");
    z.P.SetNZone(z.ZoneHinzufügen("B"));
    z.EBFSetzen(120);
    z.Zeile(2, 0, {"W", "Wand getippt"});
    Gebäudehülle::Instanz().GH_A(1, 0, "W", 10, 0, 0.2, false, "S", {});
    basZIRVO_HiRi::NordAktuell = "NNW";
    const auto stand = z.P.Strukturstand();
    const auto elemente = Gebäudehülle::Instanz().Anzahl();
    const auto unverändert = [&] {
        EXPECT_FALSE(Musterprojekt::Aktiv());
        EXPECT_EQ(z.P.Strukturstand(), stand);
        EXPECT_EQ(z.P.PGetStr("Bez"), "Eigenes Projekt");
        EXPECT_EQ(z.P.ZonenAnzahl(), 2);
        EXPECT_EQ(z.P.GetNZone(), 1);
        EXPECT_EQ(z.P.ZGetNum("EBF"), 120);
        EXPECT_EQ(Gebäudehülle::Instanz().Anzahl(), elemente);
        EXPECT_EQ(basZIRVO_HiRi::NordAktuell, "NNW");
        EXPECT_EQ(z.F.txtDaBez[0].Text(), "Wand getippt");
    };

    // OK lays out the cover, summary, protocol and sheets of each reference
    // project (on the recording surface) and stores the settings.
    frmDruckIni dialog;
    dialog.Form_Load();
    dialog.cmdOK_Click();
    EXPECT_TRUE(dialog.Entladen);
    unverändert();

    // A reference project in place, and a layout that breaks off.
    for (int nr = 0; nr < Musterprojekt::Anzahl; ++nr) {
        try {
            const Musterprojekt::Stellvertretung muster(nr);
            EXPECT_TRUE(Musterprojekt::Aktiv());
            EXPECT_NE(Global::Projekt.PGetStr("Bez"), "Eigenes Projekt");
            throw std::runtime_error("abgebrochen");
        } catch (const std::runtime_error&) {
        }
        unverändert();
    }
}

} // namespace

// A ventilation unit's air counts for its operating time only: a unit with
// an air flow and no operating time is an input error at that cell, a unit
// row without air flow keeps its envelope air.
#include "balance/frmLueftung.h"
#include "frame/basZIRVOFehler.h"
#include "project/Kollektion.h"
#include "tests/mainwindow/Befehlsfenster.h"
#include "tests/support/Projektbeschreibung.h"

#include <gtest/gtest.h>

#include <algorithm>

using Testhilfe::Befehlsfenster;

// A zone of 200 m² (category I, Ti 20 °C, without persons and electricity,
// so QH = QT + QV) with a wall of 120 m² at U 0.2 on the station Zürich
// -MeteoSchweiz (556 m: ρc = (1220 - 0.14 × 556) / 3600 = 0.317267 Wh/m³K;
// Σ (20 - Te) × days = 3869.4 Kd over the twelve heating months):
//   QT = 3869.4 × 120 × 0.2 × 0.024 / 200 = 11.14 kWh/m²;
//   1 m³/h of air all year = 3869.4 × 0.317267 × 0.024 / 200 = 0.147316 kWh/m².
// The unit of 1200 m³/h with WRG 75 % and 0.3 m³/h·m² through the envelope
// outside its operating time, the whole EBF mechanically ventilated:
//   2500 h: V = 300 × 2500/8760 + 60 × 6260/8760 = 128.493 m³/h, QV = 18.93, QH = 30.07;
//   without its air flow: V = 60 m³/h, QV = 8.84, QH = 19.98.
// Extras > Vollständigkeit testen stops at the unit without operating time,
// whatever else ventilates the part, and the ventilation dialog says why
// its results are empty.
TEST(Lueftungsgeraet, OhneBetriebszeitIstEinEingabefehler) {
    const std::string fehlt =
        "Lüftung: Die Betriebszeit des Lüftungsgeräts fehlt: ohne Betriebszeit zählt sein "
        "Luftstrom (1200 m³/h) nicht.";
    const struct {
        const char* was;
        double LSt, ha, AVw, AVa, ml, anteil;
        std::string meldung; // "" = computes
        const char* QV;      // the dialog's "Lüftungswärmeverlust" and the year's QH
        double QH;
    } fälle[] = {
        {"the unit without operating time", 1200, 0, 0, 0.3, 1, 0, fehlt, "", 0},
        {"also with envelope air in the operating time", 1200, 0, 0.2, 0.3, 1, 0, fehlt, "", 0},
        {"also with half the EBF", 1200, 0, 0, 0.3, 2, 50, fehlt, "", 0},
        {"2500 h", 1200, 2500, 0, 0.3, 1, 0, "", "18.9", 30.073},
        {"a row without air flow", 0, 0, 0, 0.3, 1, 0, "", "8.8", 19.983},
        // no mechanical ventilation: the unit counts for nothing, natural
        // air 0.7 m³/h·m²: QV = 140 × 0.147316 = 20.62, QH = 31.77
        {"no mechanical ventilation", 1200, 0, 0, 0.3, 0, 0, "", "20.6", 31.768},
    };
    auto& L = Global::frmLüftung;
    for (const auto& c : fälle) {
        SCOPED_TRACE(c.was);
        Befehlsfenster w;
        w.Projektangaben(200);
        w.z.Zeile(TabelleA, 0, {"W", "Wand", "120", "", "0.2", "", "S"});
        w.F.ProjektZoneSpeichern();
        w.P.ZSetNum(0, "PFl");
        w.P.ZSetNum(0, "El");
        w.P.ZSetNum(c.ml, "ML");
        w.P.ZSetNum(c.anteil, "MLAnteil");
        w.P.ZSetNum(c.AVw, "LmAVw");
        w.P.ZSetNum(c.AVa, "LmAVa");
        auto geräte = Kollektion::Neu();
        geräte->Hinzufügen(Testhilfe::Zeile({std::string("Zuluft"), c.LSt, c.ha, 75.0, 0.0}));
        w.P.ZSetColl(geräte, "Lm_");
        w.F.ProjektZoneEinlesen();
        w.F.MenüsAktivieren();

        w.F.mnuExtrasOK_Click();
        if (!c.meldung.empty()) {
            EXPECT_EQ(w.Meldungen(), std::vector<std::string>{c.meldung});
            EXPECT_EQ(Eingabefehler.Steuerelement, &L.txtha[0]);
            continue;
        }
        EXPECT_EQ(w.Meldungen(), std::vector<std::string>{});
        EXPECT_EQ(w.F.sbrStatusbarText.Caption(), "Projekt getestet: keine Fehler");
        Monatsarray Qh{};
        w.P.ZGetArr1(Qh, "Qh");
        EXPECT_NEAR(Qh[12], c.QH, 0.0005);
        w.F.ProjektZoneEinlesen();
        EXPECT_EQ(L.lblQv.Caption(), c.QV);
    }

    // In the dialog the unit's result is empty while its operating time is,
    // and the status bar says why.
    Befehlsfenster w;
    w.Projektangaben(200);
    w.P.ZSetNum(1, "ML");
    w.P.ZSetNum(0.3, "LmAVa");
    std::vector<std::string> gesehen;
    w.F.LüftungAnzeigen = [&] {
        L.Visible = true;
        L.txtLSt[0].setText("1200");
        L.txtWRG[0].setText("75");
        for (const char* ha : {"", "2500"}) {
            L.txtha[0].setText(ha);
            L.txtha_LostFocus(0);
            const std::string Q = L.txtQ[0].Text();
            gesehen.push_back(Q.substr(std::min(Q.size(), Q.find_first_not_of(' '))) + "|" +
                              w.F.sbrStatusbarText.Caption());
        }
        L.cmdSchliessen_Click();
    };
    w.F.MenüsAktivieren();
    w.F.mnuZoneL_Click();
    EXPECT_EQ(gesehen, (std::vector<std::string>{"|" + fehlt, "18.9|"}));
}

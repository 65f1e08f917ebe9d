#include "balance/frmWaermeleistungsbedarf.h"

#include "balance/Klimastation_MB2028.h"
#include "balance/frmQh.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVOFehler.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A zone of category I at the station Zürich-MeteoSchweiz (556 m, -8 °C):
// EBF A, one wall to the south of area A with U 0.5, nothing else.
//
// Under design conditions (T = -8 °C, air rate 0.5, no radiation), per m²
// and day:
//   transmission   28 K * 0.5 * A * 0.024 / A           = 0.336
//   ventilation    28 K * 0.5 * (1220 - 0.14*556)/3600 * 0.024
//                = 28 * 0.5 * 0.31726667 * 0.024          = 0.10660160
//   persons        12 h * 70 W * 0.001 / 40 m² per person = 0.021
//   electricity    0.7 * 28 / 365                         = 0.05369863
// H = A*0.5*0.31726667 + 0.5*A = 0.65863333*A W/K, tau = 0.1*A*1000/H
// = 151.83 h, a = 11.12; gamma = 0.07469863/0.44260160 = 0.1688, so EtaG
// differs from 1 by less than 1E-8 and every gain is utilised:
//   Qh(year) = 365 * (0.44260160 - 0.07469863) = 134.28458 kWh/m²
//   P = A * 134.28458 / 8760 kW; per m² 15.329 W.
constexpr double QhAuslegung = 365 * (0.336 + 28 * 0.5 * (1220 - 0.14 * 556) / 3600 * 0.024 - 0.021 - 0.7 * 28 / 365);

struct Leistungszone : Testhilfe::Zonenprojekt {
    explicit Leistungszone(double A) {
        P.ZSetStr("Wohnungen", "Bez");
        EBFSetzen(A);
        Zeile(2, 0, {"W", "Wand", basVB6NumCvt::ZahlText(A), "", "0.5", "", "S"});
    }
    // Every zone value that a computation writes, as stored text.
    std::vector<std::string> Zonenwerte() const {
        std::vector<std::string> w;
        for (const char* k : {"EBF", "AVE", "QtA", "QtU", "QtF", "Qv", "Qvm", "QgS", "QgP", "QgE", "Qt", "EtaG", "Qug",
                              "Qh", "AeA"})
            w.push_back(P.ZGetStr(k));
        return w;
    }
    frmWärmeleistungsbedarf f;
};

} // namespace

TEST(Waermeleistung, Vorgaben) {
    Leistungszone z(100);
    // the program's station stays as it is
    Global::Klimastation_MB2028.KlimastationEinlesen("Davos");
    z.f.Form_Load();
    EXPECT_EQ(z.f.Caption, "Wärmeleistungsbedarf für Heizung");
    EXPECT_EQ(z.f.txtAlT.Text(), "-8");
    EXPECT_EQ(z.f.txtAlV.Text(), "0.7");
    EXPECT_EQ(Global::Klimastation_MB2028.Namen(), "Davos");
    // a station that cannot be loaded leaves the temperature empty
    z.P.PSetStr("Atlantis", "KlSt");
    z.f.Form_Load();
    EXPECT_EQ(z.f.txtAlT.Text(), "");
    // entering a box selects its whole text
    z.f.txtAlV.setText("0.85");
    const auto auswahl = z.f.txtAlV_GotFocus();
    EXPECT_EQ(auswahl.Start, 0);
    EXPECT_EQ(auswahl.Länge, 4);
}

TEST(Waermeleistung, Auslegungsrechnung) {
    Leistungszone z(100);
    ASSERT_FALSE(z.F.ProjektZoneBerechnen());
    const auto vorher = z.Zonenwerte();
    const double QhNormal = [&] {
        Monatsarray Qh{};
        z.P.ZGetArr1(Qh, "Qh");
        return Qh[12];
    }();
    ASSERT_GT(QhNormal, 0);

    z.f.Form_Load();
    z.f.txtAlT.setText("-8");
    z.f.txtAlV.setText("0,5"); // typed with a decimal comma
    z.f.cmdBerechnen_Click();
    // P = 100 * 134.28458 / 8760 = 1.5329 kW; 15.329 W/m²
    EXPECT_NEAR(100 * QhAuslegung / 8760, 1.5329, 1e-4);
    EXPECT_EQ(z.f.txtResultat.Text(), "\r\n"
                                      "Projekt: \t\r\n"
                                      "EBF: \t100.0 m²\r\n"
                                      "\r\n"
                                      "Wärmeleistungsbedarf für Heizung = 1.5 kW\r\n"
                                      "\r\n"
                                      "Wärmeleistungsbedarf für Heizung pro EBF = 15.3 W/m²\r\n");

    // The zone is as before: its air rate and every stored value of the real
    // climate; the design mode is off.
    EXPECT_EQ(z.Zonenwerte(), vorher);
    EXPECT_EQ(z.P.ZGetNum("AVE"), 0.7);
    EXPECT_FALSE(Auslegungsfall);
    EXPECT_EQ(Auslegungstemperatur, 0);
    EXPECT_EQ(Auslegungsluftvolumenstrom, 0);
    // the input boxes keep what was typed
    EXPECT_EQ(z.f.txtAlV.Text(), "0,5");
}

TEST(Waermeleistung, GrosseLeistungUndMehrereZonen) {
    // A = 2000: P = 2000 * 134.28458 / 8760 = 30.66 kW, written without decimals
    Leistungszone z(2000);
    z.ZoneHinzufügen("B");
    z.f.Form_Load();
    z.f.txtAlT.setText("-8");
    z.f.txtAlV.setText("0.5");
    z.f.cmdBerechnen_Click();
    EXPECT_EQ(z.f.txtResultat.Text(), "\r\n"
                                      "Projekt: \t\r\n"
                                      "Zone: \tWohnungen\r\n"
                                      "EBF: \t2000.0 m²\r\n"
                                      "\r\n"
                                      "Wärmeleistungsbedarf für Heizung = 31 kW\r\n"
                                      "\r\n"
                                      "Wärmeleistungsbedarf für Heizung pro EBF = 15.3 W/m²\r\n");
}

TEST(Waermeleistung, OhneHeizung) {
    // a design temperature at the room temperature: no month with a heating
    // demand, no power
    Leistungszone z(100);
    z.f.Form_Load();
    z.f.txtAlT.setText("20");
    z.f.txtAlV.setText("0.5");
    z.f.cmdBerechnen_Click();
    EXPECT_NE(z.f.txtResultat.Text().find("Wärmeleistungsbedarf für Heizung = 0.0 kW\r\n"), std::string::npos);
    EXPECT_NE(z.f.txtResultat.Text().find("pro EBF = 0.0 W/m²"), std::string::npos);
}

TEST(Waermeleistung, FehlerDerAuslegungsrechnung) {
    Leistungszone z(100);
    // a computation that went through leaves its heating demand in the zone
    ASSERT_FALSE(z.F.ProjektZoneBerechnen());
    z.f.Form_Load();
    z.f.txtAlT.setText("-8");
    z.f.txtAlV.setText("0.5");
    z.f.cmdBerechnen_Click();
    ASSERT_NE(z.f.txtResultat.Text(), "");

    // now a faulty row: the design computation stops at it, and the input
    // error is shown instead of a power from the heating demand stored before
    z.Zeile(2, 1, {"X", "Unbekannt", "10", "", "0.3", "", "S"});
    z.f.cmdBerechnen_Click();
    EXPECT_EQ(z.f.txtResultat.Text(), "");
    ASSERT_NE(z.umgebung.meldungen.Letzte(), nullptr);
    EXPECT_EQ(z.umgebung.meldungen.Zuletzt().Text, "Keinen gültigen Code.");
    EXPECT_EQ(Eingabefehler.Steuerelement, &z.F.txtDaC[1]);
    // restored all the same
    EXPECT_EQ(z.P.ZGetNum("AVE"), 0.7);
    EXPECT_FALSE(Auslegungsfall);
    EXPECT_EQ(Auslegungstemperatur, 0);
    EXPECT_EQ(Auslegungsluftvolumenstrom, 0);
}

// The heating-demand window computes the zone through the whole chain and
// stores what it shows; it computes once per load.
TEST(FrmQh, EinlesenBerechnetDieZone) {
    Leistungszone z(100);
    frmQh q;
    EXPECT_FALSE(q.Einlesen());
    EXPECT_TRUE(q.Berechnet());
    Monatsarray Qh{};
    z.P.ZGetArr1(Qh, "Qh");
    ASSERT_GT(Qh[12], 0);
    EXPECT_EQ(z.P.ZGetNum("QhNw"), Qh[12]);
    EXPECT_EQ(q.lblQh.Caption(), basVB6NumCvt::FestkommaText(Qh[12], 1));
    // envelope 100 m² of wall, EBF 100
    EXPECT_EQ(q.lblAeAh.Caption(), "1.00");
    EXPECT_NEAR(z.P.ZGetNum("HgNw"), (13 + 15 * 1.0) * (1 + (9.4 - z.P.PGetNum("JMT")) * 0.06), 1e-9);

    // a later activation shows, it does not compute again
    z.P.ZSetStr("Anders", "Bez");
    q.Form_Activate();
    EXPECT_EQ(q.lblZone.Caption(), "Wohnungen");
    // after closing, the next opening computes again
    std::int16_t esc = 27;
    q.Form_KeyPress(esc);
    q.Form_Activate();
    EXPECT_EQ(q.lblZone.Caption(), "Anders");

    // a zone that cannot be computed shows what it holds, without a message
    z.Zeile(2, 1, {"X", "Unbekannt", "10", "", "0.3", "", "S"});
    z.P.ZSetNum(12.5, "QhNw");
    EXPECT_FALSE(q.Einlesen());
    EXPECT_EQ(z.P.ZGetNum("QhNw"), Qh[12]);
    EXPECT_EQ(z.umgebung.meldungen.Gezeigt.size(), 0u);
}

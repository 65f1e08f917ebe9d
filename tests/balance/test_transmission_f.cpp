// Transmission losses and solar gains of windows, doors and their thermal
// bridges, computed from table F of the main window. The zone lies at the
// station Zürich-MeteoSchweiz (category I: Ti = 20 °C) and has an EBF of
// 100 m². Radiation of the station on vertical surfaces, MJ/m² (Jan..Dec):
//   S 177 235 313 290 284 270 297 332 311 254 158 137 (year 3058)
//   W  80 123 198 231 287 303 327 295 218 142  75  59
//   H 104 165 311 417 536 570 595 522 355 214 109  80
#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "balance/basZIRVOMeteo.h"
#include "frame/basVB6NumCvt.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Array.h"
#include "frame/basZIRVO_HiRi.h"
#include "tests/mainwindow/Befehlsfenster.h"
#include "tests/support/Tabellenpruefung.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using Testhilfe::getrimmt;
using Testhilfe::Zahl;
using Testhilfe::Zonenprojekt;

constexpr std::int16_t F = TabelleF;

// (20 - Te(m)) · days(m) at the station, January to December; sum 3869.4 Kd.
constexpr std::array<double, 12> Gradtage = {607.6, 515.2, 449.5, 348,   204.6, 114,
                                             49.6,  49.6,  180,   313.1, 474,   564.2};
constexpr std::array<double, 12> StrahlungS = {177, 235, 313, 290, 284, 270, 297, 332, 311, 254, 158, 137};

Monatstabelle QtF(const Projekt& p) {
    Monatstabelle q{};
    p.ZGetArr2(q, "QtF");
    return q;
}

Monatsarray Monate(const Projekt& p, const char* key) {
    Monatsarray a{};
    p.ZGetArr1(a, key);
    return a;
}

// The failure left in the input-error record: message and cell of this table.
void erwarteFehler(const std::string& text, const TextBox* zelle) { Testhilfe::erwarteFehler(text, TabelleF, zelle); }

} // namespace

TEST(TransmissionF, VerlusteGewinneUndLabels) {
    Zonenprojekt z;
    auto& f = z.F;
    z.EBFSetzen(100);
    // A heat storage capacity so large that the utilisation factor's
    // parameter a reaches its bound 85: each month then uses the gains up to
    // its losses (EtaG = 1 when gains < losses, 1/gamma when above, exact to
    // better than 1e-5 for these months).
    z.P.ZSetNum(10, "C");
    //        C    Bez Fl    Bt  U       H   O    On  g       FF      fS1  fS23
    z.Zeile(F, 0, {"F", "", "10", "", "1.00", "", "S", "", "0.50", "0.70", "-", "-"});
    z.Zeile(F, 1, {"T", "", "2", "", "2.00", "", "N"});  // g 0 and FF 0: no gain, no shading test
    z.Zeile(F, 2, {"l", "", "5", "", "0.10"});           // no orientation needed
    z.Zeile(F, 3, {"p", "", "1", "", "0.20"});
    z.Zeile(F, 4, {"Q", "ohne Fläche"});                 // skipped

    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;

    // Conductances 10 + 4 + 0.5 + 0.2 = 14.7 W/K; per month and m² EBF
    // 14.7 · 0.024 / 100 · Kd = 0.003528 · Kd. January: window
    // 10 · 0.024 / 100 · 607.6 = 1.45824, total 0.003528 · 607.6 = 2.1436128.
    Monatstabelle q = QtF(z.P);
    EXPECT_NEAR(q[0][0], 1.45824, 1e-12);
    EXPECT_NEAR(q[0][1], 4 * 0.024 / 100 * 607.6, 1e-12);
    EXPECT_NEAR(q[0][2], 0.5 * 0.024 / 100 * 607.6, 1e-12);
    EXPECT_NEAR(q[0][3], 0.2 * 0.024 / 100 * 607.6, 1e-12);
    EXPECT_EQ(q[0][4], 0);
    EXPECT_NEAR(q[0][5], 2.1436128, 1e-12);
    EXPECT_EQ(q[12][5], 0);

    // Solar gains: g · 0.9 · Fl · FF / EBF = 0.5 · 0.9 · 10 · 0.7 / 100 = 0.0315
    // times the radiation in kWh (MJ / 3.6): 0.00875 · S(m).
    // January 0.00875 · 177 = 1.54875; the year sums all months: 0.00875 · 3058 = 26.7575.
    Monatsarray g = Monate(z.P, "QgS");
    EXPECT_NEAR(g[0], 1.54875, 1e-12);
    EXPECT_NEAR(g[6], 0.00875 * 297, 1e-12);
    EXPECT_NEAR(g[12], 26.7575, 1e-10);

    EXPECT_EQ((std::vector<double>{10, 2, 5, 1}), [&] {
        std::vector<double> v(4, -1);
        z.P.ZGetArrX(v, "ATotF");
        return v;
    }());
    std::vector<double> u(4, -1);
    z.P.ZGetArrX(u, "AUTotF");
    EXPECT_EQ(u, (std::vector<double>{1, 2, 0.1, 0.2}));
    // Windows and doors count in the envelope area, thermal bridges not.
    EXPECT_DOUBLE_EQ(z.P.ZGetNum("AeF"), 12);

    // Year losses (all months lose heat): per W/K 3869.4 · 0.024 / 100 = 0.928656
    //   F 9.28656 -> 9.3, T 3.714624 -> 3.7, l 0.464328 -> 0.5, p 0.1857312 -> 0.2
    EXPECT_EQ(Zahl(f.lblFFl), 10);
    EXPECT_EQ(Zahl(f.lblTFl), 2);
    EXPECT_EQ(Zahl(f.lbllfFl), 5);
    EXPECT_EQ(Zahl(f.lblpfFl), 1);
    EXPECT_EQ(Zahl(f.lblFU), 1);
    EXPECT_EQ(Zahl(f.lblTU), 2);
    EXPECT_EQ(Zahl(f.lbllfU), 0.1);
    EXPECT_EQ(Zahl(f.lblpfU), 0.2);
    EXPECT_EQ(Zahl(f.lblFQt), 9.3);
    EXPECT_EQ(Zahl(f.lblTQt), 3.7);
    EXPECT_EQ(Zahl(f.lbllfQt), 0.5);
    EXPECT_EQ(Zahl(f.lblpfQt), 0.2);

    // Utilised gains: losses L(m) = 0.003528 · Kd(m), gains G(m) = 0.00875 · S(m):
    //   Jan L 2.1436 > G 1.54875 -> 1.54875    Jul L 0.1749888
    //   Feb L 1.8176256                         Aug L 0.1749888
    //   Mar L 1.585836                          Sep L 0.63504
    //   Apr L 1.227744                          Oct L 1.1046168
    //   May L 0.7218288                         Nov G 1.3825 (L 1.672)
    //   Jun L 0.402192                          Dec G 1.19875 (L 1.990)
    // Sum 11.9748608 -> 12.0; share 11.9748608 / 26.7575 = 0.44753 -> 0.448.
    // They need the zone's ventilation and internal gains: the table's
    // step alone shows none, the zone computation below does.
    EXPECT_EQ(f.lblFQs.Caption(), "");
    EXPECT_EQ(f.lblFQsf.Caption(), "");

    // The envelope records: absolute losses and gains of the window row.
    Monatsarray verlust{}, gewinn{};
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 3, 0, verlust, gewinn));
    EXPECT_NEAR(verlust[0], 145.824, 1e-9);
    EXPECT_NEAR(gewinn[0], 154.875, 1e-9);
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 3, 2, verlust, gewinn));
    EXPECT_EQ(gewinn[0], 0);
    EXPECT_FALSE(Gebäudehülle::Instanz().FürTest__QMt(0, 3, 4, verlust, gewinn));
    // The transmission coefficient counts every row of the table: 14.7 W/K.
    EXPECT_NEAR(Gebäudehülle::Instanz().Faktor_H(0), 14.7, 1e-12);

    // The shading tool tips: "-" means no shading; the door shows its
    // unreadable (empty) texts as 0; the thermal bridges have none.
    EXPECT_EQ(f.txtFFS1[0].ToolTipText(), " fS1 = 1.000 ");
    EXPECT_EQ(f.txtFFS23[0].ToolTipText(), " fS2 = 1.000  |  fS3 = 1.000 ");
    EXPECT_EQ(f.txtFFS1[1].ToolTipText(), " fS1 = 0.000 ");
    EXPECT_EQ(f.txtFFS1[2].ToolTipText(), "");

    // The zone without ventilation and internal gains: its losses and gains
    // are those of the table.
    for (const char* wert : {"AVE", "PWP", "El"}) z.P.ZSetNum(0, wert);
    ASSERT_FALSE(f.ProjektZoneBerechnen()) << Eingabefehler.Text;
    EXPECT_EQ(Zahl(f.lblFQs), 12.0);
    EXPECT_EQ(Zahl(f.lblFQsf), 0.448);
    Monatsarray eta = Monate(z.P, "EtaG");
    EXPECT_NEAR(eta[0], 1, 1e-9);
    EXPECT_NEAR(eta[6], 0.1749888 / (0.00875 * 297), 1e-9);

    // The table's step alone again shows none; without any gain the share is 0.
    ASSERT_FALSE(f.BerechnenQtF());
    EXPECT_EQ(f.lblFQs.Caption(), "");
    EXPECT_EQ(f.lblFQsf.Caption(), "");
    f.txtFg[0].setText("");
    ASSERT_FALSE(f.ProjektZoneBerechnen());
    EXPECT_EQ(Monate(z.P, "QgS")[12], 0);
    EXPECT_EQ(Zahl(f.lblFQs), 0);
    EXPECT_EQ(Zahl(f.lblFQsf), 0);
}

// The window table's utilised solar gains and their factor depend on the
// whole zone: whatever input changed last (a window, a wall, the use), they
// are what the check of the project then shows; while the zone cannot be
// computed they are empty and the status bar says why.
TEST(TransmissionF, GenutzteSolareGewinneAusDerZonenrechnung) {
    Testhilfe::Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    w.z.Zeile(TabelleA, 0, {"W", "Wand", "40", "", "0.2", "", "S"});
    w.z.Zeile(F, 0, {"F", "Fenster", "10", "", "1.0", "", "S", "", "0.5", "0.7", "-", "-"});
    f.ProjektZoneSpeichern();
    f.MenüsAktivieren();
    f.mnuZoneF_Click();
    frmNutzung::Anzeigen = [](frmNutzung& d) {
        d.txtAVE.setText("1.4");
        d.cmdOK_Click();
    };
    // What changes, and the status bar's note while the figures are empty
    // ("": they are shown); the note on typed text stays beside the reason.
    const std::pair<std::function<void()>, const char*> fälle[] = {
        {[&] { w.Tippen(f.txtFFl[0], "20"); }, ""},
        {[&] { f.mnuProjektNutzung_Click(); }, ""},
        {[&] { f.txtDaC[0].setText("X"), w.Tippen(f.txtFg[0], "0.6 x"); },
         "Keine Zahl: 0.6 x – gelesen als 0.60; Genutzte solare Wärmeeinträge nicht berechnet – Gebäudehülle "
         "gegen Aussenluft, Zeile 1: Keinen gültigen Code."},
        {[&] { f.txtDaC[0].setText("W"), w.Tippen(f.txtFg[0], "0.5"); }, ""},
    };
    for (const auto& [ändern, hinweis] : fälle) {
        SCOPED_TRACE(hinweis);
        f.sbrStatusbarText.setCaption("");
        ändern();
        const std::string qs = f.lblFQs.Caption(), eta = f.lblFQsf.Caption();
        EXPECT_EQ(f.sbrStatusbarText.Caption(), hinweis);
        EXPECT_EQ(qs.empty(), *hinweis != 0);
        if (*hinweis) continue;
        f.mnuExtrasOK_Click();
        EXPECT_EQ(f.lblFQs.Caption() + f.lblFQsf.Caption(), qs + eta);
    }
    EXPECT_EQ(w.Meldungen(), std::vector<std::string>{});
}

TEST(TransmissionF, VerschattungNeigungUndNordrichtung) {
    Zonenprojekt z;
    auto& f = z.F;
    z.EBFSetzen(100);
    const double s = 0.5 * 0.9 * 10 * 0.7 / 100; // g · 0.9 · Fl · FF / EBF = 0.0315

    // South window, horizon 10°, overhang 30°: fS1(S, 10) = 0.96,
    // fS23(S, 30, 0, 0) = 0.91 · 1 · 1. January: 0.0315 · 0.96 · 0.91 · 177 / 3.6.
    z.Zeile(F, 0, {"F", "", "10", "", "1.00", "", "S", "", "0.50", "0.70", "10", "30"});
    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
    EXPECT_NEAR(Monate(z.P, "QgS")[0], s * 0.96 * 0.91 * 177 / 3.6, 1e-12);
    EXPECT_EQ(f.txtFFS1[0].ToolTipText(), " fS1 = 0.960 ");
    EXPECT_EQ(f.txtFFS23[0].ToolTipText(), " fS2 = 0.910  |  fS3 = 1.000 ");
    // The factors with the user's decimal separator, as the cells show numbers.
    {
        const cVB6_NumCvt vorher = cVB6_NumCvt::Instanz();
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", ",", "'", ".", "'"));
        ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
        EXPECT_EQ(f.txtFFS1[0].ToolTipText(), " fS1 = 0,960 ");
        EXPECT_EQ(f.txtFFS23[0].ToolTipText(), " fS2 = 0,910  |  fS3 = 1,000 ");
        cVB6_NumCvt::InstanzSetzen(vorher);
    }

    // North turned to NNE: the window typed "S" faces SSW. Radiation
    // SSW = √(S · SW) with SW = √(S · W); January √(177 · √(177 · 80)).
    // fS1(SSW, 10) = (fS1(S) + fS1(SW)) / 2 = (0.96 + 0.95) / 2 = 0.955;
    // fS23(SSW, 30) = (0.91 + 0.90) / 2 = 0.905.
    basZIRVO_HiRi::NordAktuell = "NNE";
    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
    const double ssw = std::sqrt(177 * std::sqrt(177.0 * 80));
    EXPECT_NEAR(Monate(z.P, "QgS")[0], s * 0.955 * 0.905 * ssw / 3.6, 1e-12);
    EXPECT_EQ(f.txtFFS1[0].ToolTipText(), " fS1 = 0.955 ");
    EXPECT_EQ(f.txtFFS23[0].ToolTipText(), " fS2 = 0.905  |  fS3 = 1.000 ");
    // The cell keeps the orientation as typed.
    EXPECT_EQ(f.txtFO[0].Text(), "S");
    // "SSW" typed is no main name and is not turned again.
    z.Zeile(F, 0, {"F", "", "10", "", "1.00", "", "SSW", "", "0.50", "0.70", "10", "30"});
    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
    EXPECT_NEAR(Monate(z.P, "QgS")[0], s * 0.955 * 0.905 * ssw / 3.6, 1e-12);
    basZIRVO_HiRi::NordAktuell.clear();

    // Tilt 30 (from the horizontal): radiation ((90 - 30) · H + 30 · S) / 90,
    // January (60 · 104 + 30 · 177) / 90 = 128.333; no overhang or fin
    // shading up to 60°, so fS2 = fS3 = fS23 = 1 whatever the angle list says.
    z.Zeile(F, 0, {"F", "", "10", "", "1.00", "", "S", "30", "0.50", "0.70", "-", "30,15,45"});
    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
    EXPECT_NEAR(Monate(z.P, "QgS")[0], s * (60 * 104 + 30 * 177) / 90.0 / 3.6, 1e-12);
    EXPECT_EQ(f.txtFFS23[0].ToolTipText(), " fS2 = 1.000  |  fS3 = 1.000 ");
    // Tilt 61: the list counts, fS2 = 0.91, fS3 = 0.97 · 0.84 = 0.8148.
    // Radiation (29 · 104 + 61 · 177) / 90 in January.
    f.txtFOn[0].setText("61");
    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
    EXPECT_EQ(f.txtFFS23[0].ToolTipText(), " fS2 = 0.910  |  fS3 = 0.815 ");
    EXPECT_NEAR(Monate(z.P, "QgS")[0], s * 0.91 * 0.97 * 0.84 * (29 * 104 + 61 * 177) / 90.0 / 3.6, 1e-12);
    // 60 is the last tilt without overhang and fin shading.
    f.txtFOn[0].setText("60");
    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
    EXPECT_EQ(f.txtFFS23[0].ToolTipText(), " fS2 = 1.000  |  fS3 = 1.000 ");
    // Tilt 89 is accepted, 1 as well.
    for (const char* neigung : {"89", "1"}) {
        f.txtFOn[0].setText(neigung);
        EXPECT_FALSE(f.BerechnenQtF()) << neigung << ": " << Eingabefehler.Text;
    }

    // FF 0: no solar gain and no shading test, so shading texts that give 0 pass.
    z.Zeile(F, 0, {"F", "", "10", "", "1.00", "", "S", "", "0.50", "0", "", "1,2,3,4"});
    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
    EXPECT_EQ(Monate(z.P, "QgS")[12], 0);

    // A door gains like a window (no shading: "-").
    z.Zeile(F, 0, {"T", "", "10", "", "1.00", "", "S", "", "0.50", "0.70", "-", "-"});
    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
    EXPECT_NEAR(Monate(z.P, "QgS")[0], s * 177 / 3.6, 1e-12);
}

TEST(TransmissionF, FensterNachschlagenUndHeizkörper) {
    Zonenprojekt z;
    auto& f = z.F;
    z.EBFSetzen(100);
    z.FensterAnlegen(3, 1.234, 0.55, 0.75, "Holzfenster");
    z.FensterAnlegen(4, 1.1, 0.3, 0.8, "Metallfenster");
    z.WärmebrückeAnlegen(5, 0.087, "Fensteranschlag");

    z.Zeile(F, 0, {"F", "", "10", "3", "", "", "S", "", "", "0.70", "-", "-"});
    z.Zeile(F, 1, {"F", "eigene", "2", "4", "", "", "S", "", "0.40", "", "-", "-"});
    z.Zeile(F, 2, {"l", "", "5", "5"});
    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
    EXPECT_EQ(getrimmt(f.txtFU[0].Text()), "1.23");
    EXPECT_EQ(getrimmt(f.txtFg[0].Text()), "0.55");
    EXPECT_EQ(getrimmt(f.txtFFF[0].Text()), "0.75");
    EXPECT_EQ(f.txtFBez[0].Text(), "Holzfenster");
    EXPECT_EQ(getrimmt(f.txtFg[1].Text()), "0.30");
    EXPECT_EQ(getrimmt(f.txtFFF[1].Text()), "0.80");
    EXPECT_EQ(f.txtFBez[1].Text(), "eigene");
    EXPECT_EQ(getrimmt(f.txtFU[2].Text()), "0.09");
    EXPECT_EQ(f.txtFBez[2].Text(), "Fensteranschlag");
    // The rows compute with the values as the cells show them:
    // January loss of row 0: 1.23 · 10 · 0.024 / 100 · 607.6; gain 0.55 · 0.9 · 10 · 0.75 / 100 · 177 / 3.6.
    Monatstabelle q = QtF(z.P);
    EXPECT_NEAR(q[0][0], (1.23 * 10 + 1.1 * 2) * 0.024 / 100 * 607.6, 1e-12);
    EXPECT_NEAR(q[0][2], 0.09 * 5 * 0.024 / 100 * 607.6, 1e-12);
    EXPECT_NEAR(Monate(z.P, "QgS")[0], (0.55 * 0.9 * 10 * 0.75 + 0.3 * 0.9 * 2 * 0.8) / 100 * 177 / 3.6, 1e-12);

    // A radiator in front of the window: corrected Ti 20 + 2 = 22 °C, flow
    // 50 °C; the window loses (50 - 20) / 2 = 15 K more with the uncorrected Ti.
    // January: (22 - 0.4 + 15) · 31 · 1 · 10 · 0.024 / 100 = 1134.6 · 0.0024 = 2.72304.
    z.TabellenLeeren();
    z.P.ZSetNum(2, "RZ");
    z.P.ZSetNum(50, "VTHF");
    z.Zeile(F, 0, {"F", "", "10", "", "1.00", "ja", "S", "", "", "", "-", "-"});
    ASSERT_FALSE(f.BerechnenQtF()) << Eingabefehler.Text;
    EXPECT_EQ(f.txtFH[0].Text(), "*");
    EXPECT_NEAR(QtF(z.P)[0][0], 2.72304, 1e-12);
    // Its record is marked as heated only through the row; the losses are absolute.
    Monatsarray verlust{}, gewinn{};
    ASSERT_TRUE(Gebäudehülle::Instanz().FürTest__QMt(0, 3, 0, verlust, gewinn));
    EXPECT_NEAR(verlust[0], 272.304, 1e-9);
}

TEST(TransmissionF, MeldungenAufIhrerZelle) {
    Zonenprojekt z;
    auto& f = z.F;
    z.FensterAnlegen(1, 1.0, 0.5, 0.7);
    z.WärmebrückeAnlegen(2, 0.1);

    z.Zeile(F, 0, {"F", "", "10", "", "1.00", "", "S", "", "0.50", "0.70", "-", "-"});
    EXPECT_TRUE(f.BerechnenQtF());
    erwarteFehler("Fehlende EBF", nullptr);
    z.EBFSetzen(100);
    Global::Klimastation_MB2028.KlimastationEinlesen("");
    EXPECT_TRUE(f.BerechnenQtF());
    erwarteFehler("Fehlende Klimastation", nullptr);
    Global::Klimastation_MB2028.KlimastationEinlesen(Zonenprojekt::Station);

    using Zellen = Steuerelementfeld<TextBox> frmZIRVO3801::*;
    struct Fall {
        std::vector<std::string> zeile;
        std::string text;
        Zellen zelle;
    };
    //          C    Bez Fl    Bt   U       H    O     On    g       FF      fS1   fS23
    const std::vector<Fall> fälle = {
        {{"", "", "10", "", "1.0", "", "S"}, "Code fehlt", &frmZIRVO3801::txtFC},
        {{"D", "", "10", "", "1.0", "", "S"}, "Ungültiger Code: 'D'", &frmZIRVO3801::txtFC},
        {{"FT", "", "10", "", "1.0", "", "S"}, "Ungültiger Code: 'FT'", &frmZIRVO3801::txtFC},
        {{"f", "", "10", "", "1.0", "", "S"}, "Ungültiger Code: 'f'", &frmZIRVO3801::txtFC},
        {{"T", "", "10", "2", "", "", "S"}, "Fenster nicht gefunden", &frmZIRVO3801::txtFBt},
        {{"p", "", "1", "1"}, "Wärmebrücke nicht gefunden", &frmZIRVO3801::txtFBt},
        {{"T", "", "10", "", "1.0", "*", "S"}, "Vorgelagerte Heizkörper nur bei Fenster möglich.",
         &frmZIRVO3801::txtFH},
        {{"l", "", "10", "", "1.0", "*"}, "Vorgelagerte Heizkörper nur bei Fenster möglich.", &frmZIRVO3801::txtFH},
        {{"F", "", "10", "", "1.0", "*", "S"}, "Unkorrekte Vorlauftemperatur für Heizkörper vor Fenster.",
         &frmZIRVO3801::txtFH},
        {{"F", "", "10", "", "1.0", "", ""}, "Die Orientierung muss bei Fenster oder Türflächen angegeben werden.",
         &frmZIRVO3801::txtFO},
        {{"T", "", "10", "", "1.0", "", "  "}, "Die Orientierung muss bei Fenster oder Türflächen angegeben werden.",
         &frmZIRVO3801::txtFO},
        {{"F", "", "10", "", "1.0", "", "S", "", "1.2", "0.7", "-", "-"},
         "Zeile 5: Der g-Wert (1.2) muss zwischen 0 und 1 sein.", &frmZIRVO3801::txtFg},
        {{"F", "", "10", "", "1.0", "", "S", "", "-0.1", "0.7", "-", "-"},
         "Zeile 5: Der g-Wert (-0.1) muss zwischen 0 und 1 sein.", &frmZIRVO3801::txtFg},
        {{"F", "", "10", "", "1.0", "", "S", "90", "0.5", "0.7", "-", "-"}, "Ungültiger Neigungswinkel: 90",
         &frmZIRVO3801::txtFOn},
        {{"F", "", "10", "", "1.0", "", "S", "12.5", "0.5", "0.7", "-", "-"}, "Ungültiger Neigungswinkel: 12.5",
         &frmZIRVO3801::txtFOn},
        {{"F", "", "10", "", "1.0", "", "S", "-5", "0.5", "0.7", "-", "-"}, "Ungültiger Neigungswinkel: -5",
         &frmZIRVO3801::txtFOn},
        {{"F", "", "10", "", "1.0", "", "X", "", "0.5", "0.7", "-", "-"}, "Ungültige Himmelsrichtung: X",
         &frmZIRVO3801::txtFO},
        {{"F", "", "10", "", "1.0", "", " s ", "", "0.5", "0.7", "-", "-"}, "Ungültige Himmelsrichtung: s",
         &frmZIRVO3801::txtFO},
        {{"F", "", "10", "", "1.0", "", "S", "", "0.5", "1.5", "-", "-"},
         "Ungültiger Abminderungsfaktor Fensterrahmen: 1.5", &frmZIRVO3801::txtFFF},
        {{"F", "", "10", "", "1.0", "", "S", "", "0.5", "0.7", "abc", "-"},
         "Ungültiger Verschattungsfaktor Horizont: 0", &frmZIRVO3801::txtFFS1},
        {{"F", "", "10", "", "1.0", "", "S", "", "0.5", "0.7", "", "-"}, "Ungültiger Verschattungsfaktor Horizont: 0",
         &frmZIRVO3801::txtFFS1},
        {{"F", "", "10", "", "1.0", "", "S", "", "0.5", "0.7", "90", "-"},
         "Ungültiger Verschattungsfaktor Horizont: 0", &frmZIRVO3801::txtFFS1},
        {{"F", "", "10", "", "1.0", "", "S", "", "0.5", "0.7", "-", "1,2,3,4"},
         "Ungültiger Verschattungsfaktor Überhang/Seitenblende: 0", &frmZIRVO3801::txtFFS23},
        {{"F", "", "10", "", "1.0", "", "S", "", "0.5", "0.7", "-", ""},
         "Ungültiger Verschattungsfaktor Überhang/Seitenblende: 0", &frmZIRVO3801::txtFFS23},
        {{"F", "", "1E200", "", "1E200", "", "S", "", "0.5", "0.7", "-", "-"}, "Zahl zu gross (Überlauf)",
         &frmZIRVO3801::txtFFl},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.text);
        z.TabellenLeeren();
        f.lblFQt.setCaption("alt");
        f.lblFQs.setCaption("alt");
        z.Zeile(F, 0, {"F", "", "10", "", "1.00", "", "S", "", "0.50", "0.70", "-", "-"});
        z.Zeile(F, 4, fall.zeile);
        EXPECT_TRUE(f.BerechnenQtF());
        erwarteFehler(fall.text, &(f.*fall.zelle)[4]);
        EXPECT_EQ(z.P.ZGetStr("QtF"), "");
        EXPECT_EQ(z.P.ZGetStr("QgS"), "");
        EXPECT_EQ(f.lblFQt.Caption(), "");
        EXPECT_EQ(f.lblFQs.Caption(), "");
    }

    // A broken formula stops on its description cell.
    z.TabellenLeeren();
    z.Zeile(F, 7, {"F", "{1/0}", "", "", "1.0", "", "S"});
    EXPECT_TRUE(f.BerechnenQtF());
    EXPECT_EQ(Eingabefehler.Tabelle, TabelleF);
    EXPECT_EQ(Eingabefehler.Steuerelement, &f.txtFBez[7]);

    // The flow temperature is tested against the corrected room temperature.
    z.TabellenLeeren();
    z.P.ZSetNum(2, "RZ");
    z.P.ZSetNum(21, "VTHF");
    z.Zeile(F, 0, {"F", "", "10", "", "1.00", "x", "S", "", "0.50", "0.70", "-", "-"});
    EXPECT_TRUE(f.BerechnenQtF());
    erwarteFehler("Unkorrekte Vorlauftemperatur für Heizkörper vor Fenster.", &f.txtFH[0]);
}

TEST(TransmissionF, NamenDerStrahlungsverteilungen) {
    Testhilfe::Testumgebung umgebung;
    EXPECT_EQ(basZIRVOMeteo::StrahlungsverteilungText(0), "Gemäss SIA 381/2 (Ausgabe 1988)");
    EXPECT_EQ(basZIRVOMeteo::StrahlungsverteilungText(1), "Strahlungsverteilung wie Zürich-Kloten");
    EXPECT_EQ(basZIRVOMeteo::StrahlungsverteilungText(2), "Strahlungsverteilung wie Davos-Platz");
    EXPECT_EQ(basZIRVOMeteo::StrahlungsverteilungText(3), "Strahlungsverteilung wie Locarno-Monti");
    EXPECT_EQ(basZIRVOMeteo::StrahlungsverteilungText(4), "?");
    EXPECT_EQ(basZIRVOMeteo::StrahlungsverteilungText(-1), "?");
}

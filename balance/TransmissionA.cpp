// The energy reference area of the zone (EBF table) and the transmission
// losses of the envelope against outside air (table A).
//
// Losses are kWh per m² of energy reference area: a row's conductance
// U·Fl in W/K times 24 h times 0.001 kW/W, divided by the EBF, gives
// kWh/(m²·K·d), which the temperature difference and the days of the month
// turn into the month's loss.
#include "mainwindow/frmZIRVO3801.h"

#include "balance/Transmissionshilfe.h"

#include "balance/Anzeigezahl.h"
#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOCompute.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Array.h"
#include "frame/basZIRVO_Format.h"
#include "project/ProjektGlobal.h"

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

// 1-based position of a one-letter element code in the table's codes; 0 for
// an empty code, a code of several letters or an unknown letter.
int Codeposition(std::string_view code, std::string_view codes) { return Transmissionshilfe::Codespalte(code, codes) + 1; }

} // namespace

bool frmZIRVO3801::BerechnenEBF() {
    Projekt& p = Global::Projekt;
    Eingabefehler.Beginnen(p.GetNZone(), TabelleEBF);
    SummenLeeren(TabelleEBF);

    std::int16_t erste = 0, sichtbar = 0, zeilen = 0;
    TabelleEigenschaften(TabelleEBF, erste, sichtbar, zeilen);
    const int n = std::min<int>(zeilen, txtEBFBez.Anzahl());

    double SumFl = 0, SumAh = 0;
    int abzug = -1; // the first row that deducts
    const Feldformat formatAh = FeldformatLesen(txtEBFAh[0].Name);
    for (int i = 0; i < n; ++i) {
        double wert = 0;
        const std::int16_t formel = FormelAuswerten(txtEBFBez[i], wert);
        if (formel == 1) return true;
        if (formel == -1) TextFeldSetzen(txtEBFFl[i], wert);
        const double Fl = ZahlLesen(txtEBFFl[i].Text());
        SumFl += Fl;
        if (Fl < 0 && abzug < 0) abzug = i;
        // The computed column takes the row's area; the storey height is
        // kept for the record only.
        txtEBFAh[i].setText(Zellanzeige(formatAh, Fl));
        SumAh += ZahlLesen(txtEBFAh[i].Text());
        // Areas beyond the range of numbers are refused, never stored.
        if (!std::isfinite(SumFl) || !std::isfinite(SumAh)) {
            Eingabefehler.Setzen(DS("Zahl zu gross (Überlauf)"), &txtEBFFl[i]);
            return true;
        }
    }

    // Rows may deduct; the area as a whole is never negative, or every value
    // per m² of it would change its sign.
    if (basZIRVO3801::Runden(SumAh, 1) < 0) {
        Eingabefehler.Setzen(DSFormat("Die Energiebezugsfläche (@ m²) darf nicht negativ sein.",
                                      Anzeigezahl::Festkomma(SumAh, 1)),
                             abzug < 0 ? nullptr : &txtEBFFl[abzug]);
        return true;
    }

    LabelSetzen(lblEBFTotAh0, SumFl);
    LabelSetzen(lblEBFTotAh, SumAh);
    // The zone keeps the areas as the labels show them (one decimal).
    p.ZSetNum(ZahlLesen(lblEBFTotAh0.Caption()), "EBF0");
    p.ZSetNum(ZahlLesen(lblEBFTotAh.Caption()), "EBF");
    return false;
}

bool frmZIRVO3801::BerechnenQtA() {
    Projekt& p = Global::Projekt;
    const std::int16_t zone = p.GetNZone();
    Eingabefehler.Beginnen(zone, TabelleA);
    SummenLeeren(TabelleA);

    const double EBF = p.Zone__Energiebezugsfläche();
    const double Ti = p.Zone__RaumtemperaturKorr();
    const double VTB = p.Zone__VorlauftemperaturB();

    if (EBF == 0) {
        Eingabefehler.Setzen(DS("Fehlende EBF"), nullptr);
        return true;
    }
    if (!Global::Klimastation_MB2028.Vorhanden()) {
        Eingabefehler.Setzen(DS("Fehlende Klimastation"), nullptr);
        return true;
    }
    std::array<double, 12> Te{};
    Global::Klimastation_MB2028.MonatsTemperaturen(Te);

    std::int16_t erste = 0, sichtbar = 0, zeilen = 0;
    TabelleEigenschaften(TabelleA, erste, sichtbar, zeilen);
    const int n = std::min<int>(zeilen, txtDaC.Anzahl());

    std::array<double, 5> ATot{}, AU{};
    Monatstabelle QtA{};
    double AeA = 0;
    // Sum of the magnitudes of everything added up: while it is finite, no
    // sum of this step (the year rows included) can overflow.
    double betragssumme = 0;

    const Feldformat formatU = FeldformatLesen(txtDaU[0].Name);
    auto fehler = [](std::string_view text, TextBox& zelle) {
        Eingabefehler.Setzen(DS(text), &zelle);
        return true;
    };

    for (int i = 0; i < n; ++i) {
        std::array<double, 12> zeile{};

        double wert = 0;
        const std::int16_t formel = FormelAuswerten(txtDaBez[i], wert);
        if (formel == 1) return true;
        if (formel == -1) TextFeldSetzen(txtDaFl[i], wert);

        const double Fl = ZahlLesen(txtDaFl[i].Text());
        if (Fl == 0) continue;

        const std::string C = basZIRVO_Format::TextTrimmen(txtDaC[i].Text());
        const int k = Codeposition(C, "DWBlp");
        if (k == 0) return fehler("Keinen gültigen Code.", txtDaC[i]);
        const int col = k - 1;

        const std::int16_t Bt = ZahlLesenInt(txtDaBt[i].Text());
        if (Bt != 0) {
            double U = 0;
            std::string Bez;
            if (col <= 2) {
                if (!BauteilHolen(Bt, U, Bez)) return fehler("Bauteil nicht gefunden", txtDaBt[i]);
            } else if (!WärmebrückeHolen(Bt, U, Bez)) {
                return fehler("Wärmebrücke nicht gefunden", txtDaBt[i]);
            }
            txtDaU[i].setText(Zellanzeige(formatU, U));
            if (basZIRVO_Format::TextRechtsTrimmen(txtDaBez[i].Text()).empty()) TextFeldSetzen(txtDaBez[i], Bez);
        }

        // Area and U enter as the cells show them.
        const double U = ZahlLesen(txtDaU[i].Text());
        if (col <= 2 && Transmissionshilfe::UWertNegativ(U, i, Bt,
                                                         "Der U-Wert (@) von Bauteil @ darf nicht negativ sein.",
                                                         txtDaBt[i], txtDaU[i]))
            return true;

        const std::string H = basZIRVO_Format::TextRechtsTrimmen(txtDaH[i].Text());
        double dT = 0;
        if (!H.empty()) {
            if (col > 2) return fehler("Bauteilheizung nur bei Dach-, Wand- oder Bodenfläche.", txtDaH[i]);
            if (VTB <= Ti) return fehler("Unkorrekte Vorlauftemperatur für Bauteilheizung.", txtDaH[i]);
            // A heated component raises its own temperature by a quarter of
            // the flow temperature's excess over the room.
            dT = (VTB - p.ZGetNum("Ti")) / 4;
            if (H != "*") TextFeldSetzen(txtDaH[i], "*");
        }

        const std::string O = basZIRVO_Format::TextRechtsTrimmen(txtDaO[i].Text());
        if (col == 1 && O.empty()) return fehler("Die Orientierung muss bei Wandflächen angegeben werden.", txtDaO[i]);
        if (col <= 2 &&
            Transmissionshilfe::UWertFehlt(U, i, Bt, "Das Bauteil Nr. @ hat keinen U-Wert.", txtDaBt[i], txtDaU[i]))
            return true;

        const double h = U * Fl * 0.024 / EBF;
        betragssumme += std::fabs(Fl) + std::fabs(U * Fl);
        std::array<double, 12> q{};
        for (std::size_t m = 0; m < 12; ++m) {
            q[m] = (Ti - Te[m] + dT) * Monatstage[m] * h;
            zeile[m] = q[m] * EBF;
            betragssumme += 2 * std::fabs(q[m]) + std::fabs(zeile[m]);
        }
        // Losses beyond the range of numbers are refused, never stored.
        if (!std::isfinite(betragssumme)) return fehler("Zahl zu gross (Überlauf)", txtDaFl[i]);

        ATot[static_cast<std::size_t>(col)] += Fl;
        AU[static_cast<std::size_t>(col)] += U * Fl;
        for (std::size_t m = 0; m < 12; ++m) {
            QtA[m][static_cast<std::size_t>(col)] += q[m];
            QtA[m][5] += q[m];
        }
        if (col <= 2) AeA += Fl;

        Gebäudehülle::Instanz().GH_A(zone, static_cast<std::int16_t>(i), C, Fl, Bt, U, !H.empty(), O, zeile);
    }

    for (std::size_t c = 0; c < 5; ++c) AU[c] = ATot[c] != 0 ? AU[c] / ATot[c] : 0;

    p.ZSetArr2(QtA, "QtA");
    p.ZSetArrX(std::vector<double>(ATot.begin(), ATot.end()), "ATotA");
    p.ZSetArrX(std::vector<double>(AU.begin(), AU.end()), "AUTotA");
    p.ZSetNum(AeA, "AeA");
    p.SetMtOK();
    p.SetJahressumme2(QtA);

    Label* flächen[5] = {&lblDaFl, &lblWaFl, &lblBaFl, &lbllaFl, &lblpaFl};
    Label* uWerte[5] = {&lblDaU, &lblWaU, &lblBaU, &lbllaU, &lblpaU};
    Label* verluste[5] = {&lblDaQt, &lblWaQt, &lblBaQt, &lbllaQt, &lblpaQt};
    for (std::size_t c = 0; c < 5; ++c) {
        LabelSetzen(*flächen[c], ATot[c]);
        LabelSetzen(*uWerte[c], AU[c]);
        LabelSetzen(*verluste[c], QtA[12][c]);
    }
    return false;
}

// Transmission of windows, doors and their thermal bridges (table F of the
// main window), and the solar gains of windows and doors from the climate
// station's radiation, the g-value, the frame factor and the shading by
// horizon, overhang and side fins.
#include "mainwindow/frmZIRVO3801.h"

#include "balance/Anzeigezahl.h"
#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "balance/Monatsbilanz.h"
#include "balance/Transmissionshilfe.h"
#include "balance/Verschattungsfaktor.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOCompute.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Array.h"
#include "frame/basZIRVO_Format.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view CodesF = "FTlp";

// A shading factor as its tool tip shows it: three decimals, the user's
// decimal separator, as every number the window shows.
std::string faktortext(double wert) { return Anzeigezahl::Festkomma(wert, 3); }

} // namespace

using namespace Transmissionshilfe;

bool frmZIRVO3801::BerechnenQtF() {
    Projekt& P = Global::Projekt;
    const std::int16_t zone = P.GetNZone();
    Eingabefehler.Beginnen(zone, basZIRVOFehler::TabelleF);
    SummenLeeren(TabelleF);

    const double EBF = P.Zone__Energiebezugsfläche();
    const double Ti = P.Zone__RaumtemperaturKorr();
    const double VTF = P.Zone__VorlauftemperaturF();
    if (EBF == 0) return Fehler(DS("Fehlende EBF"), nullptr);
    if (!Global::Klimastation_MB2028.Vorhanden()) return Fehler(DS("Fehlende Klimastation"), nullptr);
    std::array<double, 12> Te{};
    Global::Klimastation_MB2028.MonatsTemperaturen(Te);

    const Verschattungsfaktor& verschattung = Verschattungsfaktor::Instanz();
    std::array<double, 4> ATot{}, AU{};
    Monatstabelle QtF{};
    Monatsarray QgS{};
    double AeF = 0;
    // Sum of the magnitudes of everything added up: while it is finite, no
    // sum of this step (the year values included) can overflow.
    double betragssumme = 0;

    const int zeilen = Zeilenzahl(*this, TabelleF, txtFC.Anzahl());
    const Feldformat formatU = FeldformatLesen(txtFU[0].Name), formatG = FeldformatLesen(txtFg[0].Name),
                     formatFF = FeldformatLesen(txtFFF[0].Name);
    for (int i = 0; i < zeilen; ++i) {
        std::array<double, 12> verluste{}, gewinne{};
        // The shading factors' tool tips, given to the cells when the row is
        // done: empty but for a window or door that gets as far as its factors.
        struct Tipps {
            TextBox &fS1, &fS23;
            std::string text1, text23;
            ~Tipps() {
                fS1.setToolTipText(std::move(text1));
                fS23.setToolTipText(std::move(text23));
            }
        } tipps{txtFFS1[i], txtFFS23[i], {}, {}};

        double formelwert = 0;
        std::int16_t formel = FormelAuswerten(txtFBez[i], formelwert);
        if (formel == 1) return true;
        if (formel == -1) TextFeldSetzen(txtFFl[i], formelwert);

        const double Fl = ZahlLesen(txtFFl[i].Text());
        if (Fl == 0) continue;

        const std::string C = basZIRVO_Format::TextTrimmen(txtFC[i].Text());
        if (C.empty()) return Fehler(DS("Code fehlt"), &txtFC[i]);
        const int col = Codespalte(C, CodesF);
        if (col < 0) return Fehler(DSFormat("Ungültiger Code: '@'", C), &txtFC[i]);
        const bool fenster = col <= 1; // windows and doors

        const std::int16_t Bt = ZahlLesenInt(txtFBt[i].Text());
        if (Bt != 0) {
            std::string bez;
            if (fenster) {
                // g and FF come back only when the window's values lie in 0..1.
                double wert = 0, gWert = -1, ffWert = -1;
                if (!FensterHolen(Bt, wert, gWert, ffWert, bez))
                    return Fehler(DS("Fenster nicht gefunden"), &txtFBt[i]);
                // A value of the item outside 0..1 would leave the row with
                // what it held before: it is an error of the item.
                if (gWert < 0)
                    return Fehler(basZIRVOFehler::Zeilenangabe(i) +
                                      DSFormat("Der g-Wert von Fenster @ muss zwischen 0 und 1 sein.", std::to_string(Bt)),
                                  &txtFBt[i]);
                if (ffWert < 0)
                    return Fehler(basZIRVOFehler::Zeilenangabe(i) +
                                      DSFormat("Der Abminderungsfaktor für Fensterrahmen von Fenster @ muss "
                                               "zwischen 0 und 1 sein.",
                                               std::to_string(Bt)),
                                  &txtFBt[i]);
                txtFU[i].setText(Zellanzeige(formatU, wert));
                if (gWert >= 0 && gWert <= 1) txtFg[i].setText(Zellanzeige(formatG, gWert));
                if (ffWert >= 0 && ffWert <= 1) txtFFF[i].setText(Zellanzeige(formatFF, ffWert));
            } else {
                double wert = 0;
                if (!WärmebrückeHolen(Bt, wert, bez)) return Fehler(DS("Wärmebrücke nicht gefunden"), &txtFBt[i]);
                txtFU[i].setText(Zellanzeige(formatU, wert));
            }
            if (basZIRVO_Format::TextRechtsTrimmen(txtFBez[i].Text()).empty()) TextFeldSetzen(txtFBez[i], bez);
        }

        const double U = ZahlLesen(txtFU[i].Text());
        if (fenster &&
            UWertNegativ(U, i, Bt, "Der U-Wert (@) von Fenster @ darf nicht negativ sein.", txtFBt[i], txtFU[i]))
            return true;

        double dT = 0;
        const std::string H = basZIRVO_Format::TextRechtsTrimmen(txtFH[i].Text());
        if (!H.empty()) {
            if (col != 0) return Fehler(DS("Vorgelagerte Heizkörper nur bei Fenster möglich."), &txtFH[i]);
            if (!(VTF > Ti)) return Fehler(DS("Unkorrekte Vorlauftemperatur für Heizkörper vor Fenster."), &txtFH[i]);
            dT = (VTF - P.ZGetNum("Ti")) / 2;
            if (H != "*") TextFeldSetzen(txtFH[i], std::string_view("*"));
        }

        std::string O = basZIRVO_Format::TextRechtsTrimmen(txtFO[i].Text());
        if (fenster && O.empty())
            return Fehler(DS("Die Orientierung muss bei Fenster oder Türflächen angegeben werden."), &txtFO[i]);

        // Tilt, g, frame factor, shading and radiation: windows and doors
        // only; a thermal bridge gets no solar gain.
        double On = 0, g = 0, FF = 0, fS1 = 0, fS23 = 0, fS2 = 0, fS3 = 0;
        std::array<double, 12> G{};
        if (fenster) {
            O = basZIRVO_Format::TextTrimmen(O);
            On = ZahlLesen(txtFOn[i].Text());
            g = ZahlLesen(txtFg[i].Text());
            FF = ZahlLesen(txtFFF[i].Text());

            // The orientation as the building stands under the project's north.
            const std::string Or = basZIRVO_HiRi::HimmelsrichtungDrehen(O);
            fS1 = verschattung.fS1_Parse(txtFFS1[i].Text(), Or);
            fS23 = verschattung.fS23_Parse(txtFFS23[i].Text(), Or, fS2, fS3);
            // A window inclined up to 60° from the horizontal is not shaded
            // by an overhang or side fins.
            if (On >= 1 && On <= 60) fS23 = fS2 = fS3 = 1;
            tipps.text1 = DSFormat(" fS1 = @ ", faktortext(fS1));
            tipps.text23 = DSFormat2(" fS2 = @  |  fS3 = @ ", faktortext(fS2), faktortext(fS3));

            if (g != 0 && (g < 0 || g > 1))
                return Fehler(basZIRVOFehler::Zeilenangabe(i) +
                                  DSFormat("Der g-Wert (@) muss zwischen 0 und 1 sein.", Anzeigezahl::Zahltext(g)),
                              &txtFg[i]);
            if (On != 0 && (On != std::floor(On) || On < 0 || On >= 90))
                return Fehler(DSFormat("Ungültiger Neigungswinkel: @", Anzeigezahl::Zahltext(On)), &txtFOn[i]);
            if (Global::Klimastation_MB2028.Globalstrahlung(G, Or, static_cast<std::int16_t>(On)) != 0)
                return Fehler(DSFormat("Ungültige Himmelsrichtung: @", O), &txtFO[i]);
            for (double& wert : G) wert /= 3.6; // MJ/m² -> kWh/m²
            if (FF < 0 || FF > 1)
                return Fehler(DSFormat("Ungültiger Abminderungsfaktor Fensterrahmen: @", Anzeigezahl::Zahltext(FF)),
                              &txtFFF[i]);
            if (FF != 0) {
                if (!(fS1 > 0 && fS1 <= 1))
                    return Fehler(DSFormat("Ungültiger Verschattungsfaktor Horizont: @", Anzeigezahl::Zahltext(fS1)),
                                  &txtFFS1[i]);
                if (!(fS23 > 0 && fS23 <= 1))
                    return Fehler(
                        DSFormat("Ungültiger Verschattungsfaktor Überhang/Seitenblende: @", Anzeigezahl::Zahltext(fS23)),
                        &txtFFS23[i]);
            }
        }

        if (fenster && UWertFehlt(U, i, Bt, "Das Fenster Nr. @ hat keinen U-Wert.", txtFBt[i], txtFU[i])) return true;

        const double h = U * Fl * 0.024 / EBF;
        betragssumme += std::fabs(Fl) + std::fabs(U * Fl);
        std::array<double, 12> q{}, gs{};
        for (std::size_t m = 0; m < 12; ++m) {
            q[m] = (Ti - Te[m] + dT) * Monatstage[m] * h;
            verluste[m] = q[m] * EBF;
            betragssumme += 2 * std::fabs(q[m]) + std::fabs(verluste[m]);
        }
        if (fenster) {
            const double s = g * 0.9 * Fl * FF * fS1 * fS23 / EBF;
            for (std::size_t m = 0; m < 12; ++m) {
                gs[m] = s * G[m];
                gewinne[m] = gs[m] * EBF;
                betragssumme += std::fabs(gs[m]) + std::fabs(gewinne[m]);
            }
        }
        if (!std::isfinite(betragssumme)) return Fehler(DS("Zahl zu gross (Überlauf)"), &txtFFl[i]);

        ATot[col] += Fl;
        AU[col] += U * Fl;
        for (std::size_t m = 0; m < 12; ++m) {
            QtF[m][col] += q[m];
            QtF[m][5] += q[m];
            QgS[m] += gs[m];
        }
        if (fenster) AeF += Fl;

        Gebäudehülle::Instanz().GH_F(zone, static_cast<std::int16_t>(i), C, Fl, Bt, U, !H.empty(), O,
                                     static_cast<std::int16_t>(On), g, FF, fS1, fS23, fS2, fS3, verluste, gewinne);
    }

    // The solar gains of the year count every month, not only the heating months.
    QgS[12] = 0;
    for (std::size_t m = 0; m < 12; ++m) QgS[12] += QgS[m];

    std::vector<double> ATotX(ATot.begin(), ATot.end()), AUX(4);
    for (std::size_t c = 0; c < 4; ++c) AUX[c] = Mittelwert(AU[c], ATot[c]);

    P.ZSetArr2(QtF, "QtF");
    P.ZSetArr1(QgS, "QgS");
    P.ZSetArrX(ATotX, "ATotF");
    P.ZSetArrX(AUX, "AUTotF");
    P.ZSetNum(AeF, "AeF");
    P.SetMtOK();
    P.SetJahressumme2(QtF);

    std::array<Label*, 4> fl{&lblFFl, &lblTFl, &lbllfFl, &lblpfFl};
    std::array<Label*, 4> u{&lblFU, &lblTU, &lbllfU, &lblpfU};
    std::array<Label*, 4> qt{&lblFQt, &lblTQt, &lbllfQt, &lblpfQt};
    for (std::size_t c = 0; c < 4; ++c) {
        LabelSetzen(*fl[c], ATotX[c]);
        LabelSetzen(*u[c], AUX[c]);
        LabelSetzen(*qt[c], QtF[12][c]);
    }

    // The utilised gains need the zone's ventilation and internal gains:
    // the zone computation shows them (the labels were emptied above).
    return false;
}

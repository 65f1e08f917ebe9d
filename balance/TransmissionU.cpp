// Transmission of the envelope parts that do not border outside air: parts
// against unheated rooms or the earth (reduced by a b-factor), partitions
// against a room of known temperature and partitions against another heated
// zone of the project (table U of the main window).
#include "mainwindow/frmZIRVO3801.h"

#include "balance/Eingabebereich.h"
#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "balance/Transmissionshilfe.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOCompute.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Array.h"
#include "frame/basZIRVO_Format.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view CodesU = "DWBlp";


} // namespace

using namespace Transmissionshilfe;

bool frmZIRVO3801::BerechnenQtU() {
    Projekt& P = Global::Projekt;
    const std::int16_t zone = P.GetNZone();
    Eingabefehler.Beginnen(zone, basZIRVOFehler::TabelleU);
    SummenLeeren(TabelleU);

    const double EBF = P.Zone__Energiebezugsfläche();
    const double Ti = P.Zone__RaumtemperaturKorr();
    const double VTB = P.Zone__VorlauftemperaturB();
    if (EBF == 0) return Fehler(DS("Fehlende EBF"), nullptr);
    if (!Global::Klimastation_MB2028.Vorhanden()) return Fehler(DS("Fehlende Klimastation"), nullptr);
    std::array<double, 12> Te{};
    Global::Klimastation_MB2028.MonatsTemperaturen(Te);

    std::array<double, 5> ATot{}, AU{};
    Monatstabelle QtU{};
    double AeU = 0;
    // Sum of the magnitudes of everything added up: while it is finite, no
    // sum of this step (the year rows included) can overflow.
    double betragssumme = 0;

    const int zeilen = Zeilenzahl(*this, TabelleU, txtDuC.Anzahl());
    const Feldformat formatU = FeldformatLesen(txtDuU[0].Name);
    for (int i = 0; i < zeilen; ++i) {
        std::array<double, 12> zeile{};

        double formelwert = 0;
        std::int16_t formel = FormelAuswerten(txtDuBez[i], formelwert);
        if (formel == 1) return true;
        if (formel == -1) TextFeldSetzen(txtDuFl[i], formelwert);

        const double Fl = ZahlLesen(txtDuFl[i].Text());
        if (Fl == 0) continue;

        const std::string C = basZIRVO_Format::TextTrimmen(txtDuC[i].Text());
        const int col = Codespalte(C, CodesU);
        if (col < 0) return Fehler(DS("Keinen gültigen Code."), &txtDuC[i]);

        const std::int16_t Bt = ZahlLesenInt(txtDuBt[i].Text());
        if (Bt != 0) {
            double wert = 0;
            std::string bez;
            if (col <= 2) {
                if (!BauteilHolen(Bt, wert, bez)) return Fehler(DS("Bauteil nicht gefunden"), &txtDuBt[i]);
            } else {
                if (!WärmebrückeHolen(Bt, wert, bez)) return Fehler(DS("Wärmebrücke nicht gefunden"), &txtDuBt[i]);
            }
            txtDuU[i].setText(Zellanzeige(formatU, wert));
            if (basZIRVO_Format::TextRechtsTrimmen(txtDuBez[i].Text()).empty()) TextFeldSetzen(txtDuBez[i], bez);
        }

        const double U = ZahlLesen(txtDuU[i].Text());
        if (col <= 2 &&
            UWertNegativ(U, i, Bt, "Der U-Wert (@) von Bauteil @ darf nicht negativ sein.", txtDuBt[i], txtDuU[i]))
            return true;

        double dT = 0;
        const std::string H = basZIRVO_Format::TextRechtsTrimmen(txtDuH[i].Text());
        if (!H.empty()) {
            if (col > 2) return Fehler(DS("Bauteilheizung nur bei Dach-, Wand- oder Bodenfläche."), &txtDuH[i]);
            if (!(VTB > Ti)) return Fehler(DS("Unkorrekte Vorlauftemperatur für Bauteilheizung."), &txtDuH[i]);
            dT = (VTB - P.ZGetNum("Ti")) / 4;
            if (H != "*") TextFeldSetzen(txtDuH[i], std::string_view("*"));
        }

        const std::string O = basZIRVO_Format::TextRechtsTrimmen(txtDuO[i].Text());
        if (col == 1 && O.empty())
            return Fehler(DS("Die Orientierung muss bei Wandflächen angegeben werden."), &txtDuO[i]);

        // The reduction: exactly one of b-factor bu, b-factor bG, or the
        // temperature (or zone code) of the neighbouring room.
        const std::string Bu = basZIRVO_Format::TextRechtsTrimmen(txtDuBu[i].Text());
        const std::string BG = basZIRVO_Format::TextRechtsTrimmen(txtDuBG[i].Text());
        const std::string Tin = basZIRVO_Format::TextRechtsTrimmen(txtDuTin[i].Text());
        const int angaben = !Bu.empty() + !BG.empty() + !Tin.empty();
        if (angaben != 1) {
            Steuerelement* zelle = &txtDuTin[i];
            if (angaben == 0) zelle = &txtDuBu[i];
            else if (!Bu.empty() && !BG.empty()) zelle = &txtDuBG[i];
            return Fehler(DS("Es muss entweder ein b-Faktor (bu, bG) oder eine Raumtemperatur (resp. Zonencode) "
                             "des Nachbarraums angegeben werden."),
                          zelle);
        }

        bool bModus = true;
        double b = 0, Tn = 0;
        if (!Bu.empty() || !BG.empty()) {
            // A b-factor is the share of the loss against outside air that
            // the unheated room or the earth lets through: 0 to all of it.
            b = ZahlLesen(Bu.empty() ? BG : Bu);
            if (Eingabebereich::Ausserhalb(TabelleU, {{b, 0, 1,
                                             Bu.empty() ? "Der b-Faktor bG (@) muss zwischen 0 und 1 sein."
                                                        : "Der b-Faktor bu (@) muss zwischen 0 und 1 sein.",
                                             Bu.empty() ? &txtDuBG[i] : &txtDuBu[i]}},
                                           [i] { return basZIRVOFehler::Zeilenangabe(i); }))
                return true;
        } else if (IstZahltext(Tin)) {
            // A room temperature counts in whole degrees.
            bModus = false;
            Tn = basZIRVO3801::Runden(ZahlLesen(Tin), 0);
            if (Tin != ZahlText(Tn)) TextFeldSetzen(txtDuTin[i], Tn);
        } else {
            bModus = false;
            if (NachbarzoneTemperatur(Tin, Tn, true))
                return Fehler(DSFormat("Es gibt keine Nachbarzone mit dem Code '@'.", Tin), &txtDuTin[i]);
            // A partition heated by component heating on the other side
            // raises the neighbour's temperature by a quarter of the flow
            // temperature's excess over the neighbour's room temperature.
            double VT = 0;
            if (!NachbarzeileVorlauftemperatur(Tin, C, Fl, Bt, U, O, P.ZGetStr("Code"), VT) && VT != 0 && VT > Tn) {
                double T0 = 0;
                NachbarzoneTemperatur(Tin, T0, false);
                Tn += (VT - T0) / 4;
            }
        }

        if (col <= 2 && UWertFehlt(U, i, Bt, "Das Bauteil Nr. @ hat keinen U-Wert.", txtDuBt[i], txtDuU[i]))
            return true;

        const double h = U * Fl * 0.024 / EBF;
        betragssumme += std::fabs(Fl) + std::fabs(U * Fl);
        std::array<double, 12> q{};
        for (std::size_t m = 0; m < 12; ++m) {
            q[m] = bModus ? (Ti - Te[m] + dT) * Monatstage[m] * h * b : (Ti - Tn + dT) * Monatstage[m] * h;
            zeile[m] = q[m] * EBF;
            betragssumme += 2 * std::fabs(q[m]) + std::fabs(zeile[m]);
        }
        if (!std::isfinite(betragssumme))
            return Fehler(DS("Zahl zu gross (Überlauf)"), &txtDuFl[i]);

        ATot[col] += Fl;
        AU[col] += U * Fl;
        for (std::size_t m = 0; m < 12; ++m) {
            QtU[m][col] += q[m];
            QtU[m][5] += q[m];
        }
        if (bModus && col <= 2) AeU += Fl;

        Gebäudehülle::Instanz().GH_U(zone, static_cast<std::int16_t>(i), C, Fl, Bt, U, !H.empty(), O, ZahlLesen(Bu),
                                     ZahlLesen(BG), Tin, zeile);
    }

    std::vector<double> ATotX(ATot.begin(), ATot.end()), AUX(5);
    for (std::size_t c = 0; c < 5; ++c) AUX[c] = Mittelwert(AU[c], ATot[c]);

    P.ZSetArr2(QtU, "QtU");
    P.ZSetArrX(ATotX, "ATotU");
    P.ZSetArrX(AUX, "AUTotU");
    P.ZSetNum(AeU, "AeU");
    P.SetMtOK();
    P.SetJahressumme2(QtU);

    std::array<Label*, 5> fl{&lblDuFl, &lblWuFl, &lblBuFl, &lblluFl, &lblpuFl};
    std::array<Label*, 5> u{&lblDuU, &lblWuU, &lblBuU, &lblluU, &lblpuU};
    std::array<Label*, 5> qt{&lblDuQt, &lblWuQt, &lblBuQt, &lblluQt, &lblpuQt};
    for (std::size_t c = 0; c < 5; ++c) {
        LabelSetzen(*fl[c], ATotX[c]);
        LabelSetzen(*u[c], AUX[c]);
        LabelSetzen(*qt[c], QtU[12][c]);
    }
    return false;
}

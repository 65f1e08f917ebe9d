#include "balance/frmTabellenRechner.h"

#include "balance/Anzeigezahl.h"
#include "balance/Reduktionsfaktor.h"
#include "balance/Verschattungsfaktor.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"
#include "frame/cVB6_NumCvt.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {


std::vector<std::string> Teilen(const std::string& text, char trenner) {
    std::vector<std::string> teile;
    std::size_t anfang = 0;
    while (true) {
        std::size_t ende = text.find(trenner, anfang);
        teile.push_back(text.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang));
        if (ende == std::string::npos) break;
        anfang = ende + 1;
    }
    return teile;
}

// True when the text is empty or a number as the user types it: blanks
// around it, an optional sign, digits with apostrophes between them, and at
// most one decimal comma; without a comma at most one decimal point (with
// one, points group the thousands). Such a text reads back as typed.
bool Zahlentext(std::string_view text) {
    std::string t = basZIRVO_Format::TextTrimmen(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    int ziffern = 0, kommas = 0, punkte = 0;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') ++ziffern;
        else if (c == ',') ++kommas;
        else if (c == '.') ++punkte;
        else if (c != '\'') return false;
    }
    if (t.empty()) return true;
    return ziffern > 0 && kommas <= 1 && (kommas == 1 || punkte <= 1);
}

// The value of an input box; false for a text that is no number.
bool Lesen(const TextBox& box, double& wert) {
    if (!Zahlentext(box.Text())) return false;
    wert = ZahlLesen(basZIRVO_Format::TextTrimmen(box.Text()));
    return true;
}

// The entry the drop-down list shows, "" without a selection.
std::string ListenText(const ComboBox& liste) {
    return liste.ListIndex() >= 0 ? liste.ListEntry(liste.ListIndex()) : std::string();
}

void OrientierungenFüllen(ComboBox& liste) {
    liste.Clear();
    for (const auto& t : Teilen(DS("S SE E NE N NW W SW"), ' ')) liste.AddItem(t);
    liste.AddItem("");
    for (const auto& t : Teilen(DS("SSW (S),SSE (SE),ESE (E),ENE (NE),NNE (N),NNW (NW),WNW (W),WSW (SW)"), ','))
        liste.AddItem(t);
}

// Shows a factor: nothing for 0 or a failed computation, else two decimals
// with three in the tool tip.
void Zeigen(Label& label, double wert) {
    label.setCaption({});
    label.setToolTipText({});
    if (!std::isfinite(wert) || wert == 0) return;
    label.setCaption(Anzeigezahl::Festkomma(basZIRVO3801::Runden(wert, 2), 2));
    label.setToolTipText(Anzeigezahl::Festkomma(basZIRVO3801::Runden(wert, 3), 3));
}

} // namespace

frmTabellenRechner::frmTabellenRechner() {
    for (Label* l : {&lblBU, &lblBGW, &lblBGF, &lblFS1, &lblFS23}) l->setCaption("0.0");
}

void frmTabellenRechner::Form_Load() {
    Caption = DS("ZIRVO 380/1  Tabellen-Rechner");
    basZIRVO3801::FormularIconSetzen(*this);
    chkListeBU_g.setCaption(DS("Bauteil gedämmt und luftdicht  (U < 0,4 [W/m²K])"));
    for (Label* l : {&lblBU, &lblBGW, &lblBGF, &lblFS1, &lblFS23}) {
        l->setCaption({});
        l->setToolTipText({});
    }
    cboListeBU.Clear();
    for (const char* t : {"Estrichraum, Schrägdach", "Kellerraum ganz im Erdreich",
                          "Kellerraum teilweise oder ganz über dem Erdreich", "Angebauter Raum", "Glasvorbau"})
        cboListeBU.AddItem(DS(t));
    OrientierungenFüllen(cboOriFS1);
    OrientierungenFüllen(cboOriFS23);
}

void frmTabellenRechner::Form_DblClick() {
    if (!basZIRVO::CtrlTasteGedrückt()) return;
    Height = Height != HöheGanz ? HöheGanz : HöheKlein;
}

void frmTabellenRechner::BuBerechnen() {
    // Per room type: not insulated, insulated (none: no value).
    struct Werte {
        double Offen;
        std::optional<double> Gedämmt;
    };
    static constexpr Werte Tabelle[] = {{0.9, 0.7}, {0.7, 0.5}, {0.8, 0.7}, {0.8, 0.7}, {0.9, std::nullopt}};
    const bool gedämmt = chkListeBU_g.Value() == 1;
    std::optional<double> wert;
    int i = cboListeBU.ListIndex();
    if (i >= 0 && i < static_cast<int>(std::size(Tabelle)))
        wert = gedämmt ? Tabelle[i].Gedämmt : std::optional<double>(Tabelle[i].Offen);
    lblBU.setCaption(wert ? Anzeigezahl::Festkomma(*wert, 2) : std::string());
}

// Empty boxes read 0; a box whose text is no number gives no value rather
// than the value of its leading digits (or of 0).
void frmTabellenRechner::BGWandBerechnen() {
    double T = 0, U = 0, b = 0;
    if (Lesen(txtBGTW, T) && Lesen(txtBGUW, U)) b = Reduktionsfaktor::Instanz().bGW(T, U);
    Zeigen(lblBGW, b);
}

void frmTabellenRechner::BGBodenBerechnen() {
    double T = 0, U = 0, A = 0, P = 0, b = 0;
    if (Lesen(txtBGTF, T) && Lesen(txtBGUF, U) && Lesen(txtBGAFG, A) && Lesen(txtBGPFG, P))
        b = Reduktionsfaktor::Instanz().bGF(T, U, A, P);
    Zeigen(lblBGF, b);
}

void frmTabellenRechner::FS1Berechnen() {
    std::string orientierung = basZIRVO_Format::TextTrimmen(ListenText(cboOriFS1));
    double alpha = 0, f = 0;
    if (!orientierung.empty() && !basZIRVO_Format::TextTrimmen(txtFS1Alpha.Text()).empty() && Lesen(txtFS1Alpha, alpha))
        f = Verschattungsfaktor::Instanz().fS1(orientierung, alpha);
    Zeigen(lblFS1, f);
}

void frmTabellenRechner::FS23Berechnen() {
    std::string orientierung = basZIRVO_Format::TextTrimmen(ListenText(cboOriFS23));
    double beta = 0, gl = 0, gr = 0, f = 0;
    if (Lesen(txtFS23Beta, beta) && Lesen(txtFS23Gamma_l, gl) && Lesen(txtFS23Gamma_r, gr))
        f = Verschattungsfaktor::Instanz().fS23(orientierung, beta, gl, gr);
    Zeigen(lblFS23, f);
}

void frmTabellenRechner::cboListeBU_Click() { BuBerechnen(); }
void frmTabellenRechner::chkListeBU_g_Click() { BuBerechnen(); }
void frmTabellenRechner::txtBGTW_Change() { BGWandBerechnen(); }
void frmTabellenRechner::txtBGUW_Change() { BGWandBerechnen(); }
void frmTabellenRechner::txtBGTF_Change() { BGBodenBerechnen(); }
void frmTabellenRechner::txtBGUF_Change() { BGBodenBerechnen(); }
void frmTabellenRechner::txtBGAFG_Change() { BGBodenBerechnen(); }
void frmTabellenRechner::txtBGPFG_Change() { BGBodenBerechnen(); }
void frmTabellenRechner::cboOriFS1_Click() { FS1Berechnen(); }
void frmTabellenRechner::txtFS1Alpha_Change() { FS1Berechnen(); }
void frmTabellenRechner::cboOriFS23_Click() { FS23Berechnen(); }
void frmTabellenRechner::txtFS23Beta_Change() { FS23Berechnen(); }
void frmTabellenRechner::txtFS23Gamma_l_Change() { FS23Berechnen(); }
void frmTabellenRechner::txtFS23Gamma_r_Change() { FS23Berechnen(); }

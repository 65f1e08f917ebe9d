// The input rules of the envelope cells: the events of every cell run the
// common handlers (current cell, reformat and recompute on leaving, key
// navigation), and some columns add rules of their own: which keys the code
// cells admit, the component-heating mark of a new floor row, orientations
// under a rotated north, the defaults and checks of the window columns.
#include "mainwindow/frmZIRVO3801.h"

#include "frame/Windows1252.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVO_Format.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"

#include <array>
#include <vector>

namespace {

constexpr std::int16_t Rücktaste = 8;
constexpr std::int16_t Eingabetaste = 13;


// The Enter key is taken by the key navigation, never typed into a cell.
void EnterUnterdrücken(std::int16_t& KeyAscii) {
    if (KeyAscii == Eingabetaste) KeyAscii = 0;
}

// The code cells admit their capitals (a small letter is raised), the two
// thermal bridges always as small letters, and Backspace; nothing else.
void Codefilter(std::int16_t& KeyAscii, std::string_view erlaubt) {
    std::int16_t c = KeyAscii;
    if (c >= 'a' && c <= 'z') c = static_cast<std::int16_t>(c - 'a' + 'A');
    if (c > 0 && c < 128 && erlaubt.find(static_cast<char>(c)) != std::string_view::npos) KeyAscii = c;
    else if (c == 'L' || c == 'P') KeyAscii = static_cast<std::int16_t>(c - 'A' + 'a');
    else if (c != Rücktaste) KeyAscii = 0;
}

// A new floor row of a zone with component heating gets the heating mark:
// only when the code is "B" and every other cell of the row is empty.
void HeizungVorbelegen(TextBox& code, TextBox& heizung, const std::vector<const TextBox*>& andere) {
    if (Global::Projekt.Zone__VorlauftemperaturB() == 0) return;
    if (code.Text() != "B") return;
    for (const TextBox* zelle : andere)
        if (!zelle->Text().empty()) return;
    heizung.setText("*");
}

// A rotated three-letter orientation as typed is put back to the main
// direction it stands for ("ENE" is "NE" when north is "NNE").
void OrientierungNormalisieren(TextBox& zelle) {
    const std::string t = basZIRVO_Format::TextTrimmen(zelle.Text());
    const std::string r = basZIRVO_HiRi::HimmelsrichtungZurückdrehen(t);
    if (r != t) zelle.setText(r);
}

// A whole angle of the typed text, read as the user types numbers.
double Winkel(std::string_view text) { return basZIRVO3801::Runden(ZahlLesen(text), 0); }

} // namespace

// --- the events of every cell ---

void frmZIRVO3801::Zelle_GotFocus(TextBox& Zelle) {
    ActiveControl = &Zelle;
    const std::string& n = Zelle.Name;
    if (n == "txtEBFAh") return; // the computed column has no handlers
    if (n == "txtFFF") return txtFFF_GotFocus(Zelle.Index);
    if (n == "txtFFS1") return txtFFS1_GotFocus(Zelle.Index);
    ZelleGotFocus(Zelle);
    if (n == "txtDaBt" || n == "txtDuBt" || n == "txtFBt") BtZelle_GotFocus(Zelle);
}

void frmZIRVO3801::Zelle_KeyDown(TextBox& Zelle, std::int16_t& KeyCode, std::int16_t Shift) {
    if (Zelle.Name == "txtEBFAh") return;
    if (Zelle.Name == "txtDaBt" || Zelle.Name == "txtDuBt" || Zelle.Name == "txtFBt")
        BtZelle_KeyDown(Zelle, KeyCode, Shift);
    ZelleKeyDown(Zelle, KeyCode, Shift);
}

void frmZIRVO3801::Zelle_KeyPress(TextBox& Zelle, std::int16_t& KeyAscii) {
    const std::string& n = Zelle.Name;
    if (n == "txtEBFAh") return;
    if (n == "txtDaC") return txtDaC_KeyPress(Zelle.Index, KeyAscii);
    if (n == "txtDuC") return txtDuC_KeyPress(Zelle.Index, KeyAscii);
    if (n == "txtFC") return txtFC_KeyPress(Zelle.Index, KeyAscii);
    if (n == "txtDaO") return txtDaO_KeyPress(Zelle.Index, KeyAscii);
    if (n == "txtDuO") return txtDuO_KeyPress(Zelle.Index, KeyAscii);
    if (n == "txtFO") return txtFO_KeyPress(Zelle.Index, KeyAscii);
    if (n == "txtDuTin") return txtDuTin_KeyPress(Zelle.Index, KeyAscii);
    EnterUnterdrücken(KeyAscii);
}

std::string frmZIRVO3801::Zelle_Einfügen(TextBox& Zelle, std::string_view Text) {
    std::string ergebnis;
    for (std::size_t pos = 0; pos < Text.size();) {
        const char32_t c = Windows1252::NächstesZeichen(Text, pos);
        if (c < 32 || c == 127 || c >= 0x7FFF) continue;
        auto taste = static_cast<std::int16_t>(c);
        Zelle_KeyPress(Zelle, taste);
        if (taste != 0) Windows1252::Anhängen(ergebnis, static_cast<char32_t>(static_cast<std::uint16_t>(taste)));
    }
    return ergebnis;
}

void frmZIRVO3801::Zelle_LostFocus(TextBox& Zelle) {
    if (ActiveControl == &Zelle) ActiveControl = nullptr;
    const std::string& n = Zelle.Name;
    if (n == "txtEBFAh") return;
    if (n == "txtDaC") return txtDaC_LostFocus(Zelle.Index);
    if (n == "txtDuC") return txtDuC_LostFocus(Zelle.Index);
    if (n == "txtDaO") return txtDaO_LostFocus(Zelle.Index);
    if (n == "txtDuO") return txtDuO_LostFocus(Zelle.Index);
    if (n == "txtFO") return txtFO_LostFocus(Zelle.Index);
    if (n == "txtFFS1") return txtFFS1_LostFocus(Zelle.Index);
    if (n == "txtFFS23") return txtFFS23_LostFocus(Zelle.Index);
    if (n == "txtDaBt" || n == "txtDuBt" || n == "txtFBt") BtZelle_LostFocus(Zelle);
    ZelleLostFocus(Zelle);
}

void frmZIRVO3801::Zelle_DblClick(TextBox& Zelle) {
    const std::string& n = Zelle.Name;
    if (n == "txtDaC") txtDaC_DblClick(Zelle.Index);
    else if (n == "txtDuC") txtDuC_DblClick(Zelle.Index);
    else if (n == "txtFC") txtFC_DblClick(Zelle.Index);
}

// --- code cells ---

void frmZIRVO3801::txtDaC_KeyPress(int, std::int16_t& KeyAscii) { Codefilter(KeyAscii, "DWB"); }

void frmZIRVO3801::txtDuC_KeyPress(int, std::int16_t& KeyAscii) { Codefilter(KeyAscii, "DWB"); }

void frmZIRVO3801::txtFC_KeyPress(int, std::int16_t& KeyAscii) { Codefilter(KeyAscii, "FT"); }

void frmZIRVO3801::txtDaC_LostFocus(int Index) {
    if (!txtDaC.Enthält(Index)) return;
    const int r = Index;
    HeizungVorbelegen(txtDaC[r], txtDaH[r],
                      {&txtDaBez[r], &txtDaFl[r], &txtDaBt[r], &txtDaU[r], &txtDaH[r], &txtDaO[r]});
    ZelleLostFocus(txtDaC[r]);
}

void frmZIRVO3801::txtDuC_LostFocus(int Index) {
    if (!txtDuC.Enthält(Index)) return;
    const int r = Index;
    HeizungVorbelegen(txtDuC[r], txtDuH[r],
                      {&txtDuBez[r], &txtDuFl[r], &txtDuBt[r], &txtDuU[r], &txtDuH[r], &txtDuO[r], &txtDuBu[r],
                       &txtDuBG[r], &txtDuTin[r]});
    ZelleLostFocus(txtDuC[r]);
}

// --- orientation and neighbour cells: letters in upper case ---

void frmZIRVO3801::txtDaO_KeyPress(int, std::int16_t& KeyAscii) {
    TasteGross(KeyAscii);
    EnterUnterdrücken(KeyAscii);
}

void frmZIRVO3801::txtDuO_KeyPress(int, std::int16_t& KeyAscii) {
    TasteGross(KeyAscii);
    EnterUnterdrücken(KeyAscii);
}

void frmZIRVO3801::txtFO_KeyPress(int, std::int16_t& KeyAscii) {
    TasteGross(KeyAscii);
    EnterUnterdrücken(KeyAscii);
}

void frmZIRVO3801::txtDuTin_KeyPress(int, std::int16_t& KeyAscii) {
    TasteGross(KeyAscii);
    EnterUnterdrücken(KeyAscii);
}

// The common handler first: a recompute sees the orientation as typed.
void frmZIRVO3801::txtDaO_LostFocus(int Index) {
    if (!txtDaO.Enthält(Index)) return;
    ZelleLostFocus(txtDaO[Index]);
    OrientierungNormalisieren(txtDaO[Index]);
    OrientierungTooltipSetzen(txtDaO[Index]);
}

void frmZIRVO3801::txtDuO_LostFocus(int Index) {
    if (!txtDuO.Enthält(Index)) return;
    ZelleLostFocus(txtDuO[Index]);
    OrientierungNormalisieren(txtDuO[Index]);
    OrientierungTooltipSetzen(txtDuO[Index]);
}

void frmZIRVO3801::txtFO_LostFocus(int Index) {
    if (!txtFO.Enthält(Index)) return;
    ZelleLostFocus(txtFO[Index]);
    OrientierungNormalisieren(txtFO[Index]);
    OrientierungTooltipSetzen(txtFO[Index]);
}

// --- window cells ---

void frmZIRVO3801::txtFFF_GotFocus(int Index) {
    if (!txtFFF.Enthält(Index)) return;
    const int r = Index;
    // A new window (not a door) takes the usual frame factor.
    if (basZIRVO_Format::TextTrimmen(txtFFF[r].Text()).empty() && txtFC[r].Text() == "F") {
        std::string wert = basZIRVO_Format::ZahlFormatieren(0.75, 9, 2);
        txtFFF[r].setText(basZIRVO_Format::TextTrimmen(wert));
    }
    ZelleGotFocus(txtFFF[r]);
}

void frmZIRVO3801::txtFFS1_GotFocus(int Index) {
    if (!txtFFS1.Enthält(Index)) return;
    const int r = Index;
    // A window with an orientation takes the usual horizon angle.
    if (basZIRVO_Format::TextTrimmen(txtFFS1[r].Text()).empty() && !basZIRVO_Format::TextTrimmen(txtFO[r].Text()).empty() && txtFC[r].Text() == "F")
        txtFFS1[r].setText("30");
    ZelleGotFocus(txtFFS1[r]);
}

void frmZIRVO3801::txtFFS1_LostFocus(int Index) {
    if (!txtFFS1.Enthält(Index)) return;
    TextBox& zelle = txtFFS1[Index];
    // The horizon angle: a whole number of degrees 0 to 89, "-" for none.
    const std::string t = basZIRVO_Format::TextTrimmen(zelle.Text());
    if (!t.empty() && t != "-") {
        const double x = Winkel(t);
        zelle.setText(x >= 0 && x <= 89 ? ZahlText(x) : std::string());
    }
    ZelleLostFocus(zelle);
}

void frmZIRVO3801::txtFFS23_LostFocus(int Index) {
    if (!txtFFS23.Enthält(Index)) return;
    TextBox& zelle = txtFFS23[Index];
    // The overhang angle and the two side-fin angles, separated by commas;
    // one fin angle serves both sides. Angles outside 1 to 89 become 0.
    const std::string t = basZIRVO_Format::TextTrimmen(zelle.Text());
    if (!t.empty() && t != "-") {
        std::array<std::string, 3> teile;
        std::size_t anfang = 0;
        for (std::size_t k = 0; k < teile.size(); ++k) {
            const std::size_t komma = t.find(',', anfang);
            teile[k] = basZIRVO_Format::TextTrimmen(std::string_view(t).substr(anfang, komma == std::string::npos ? std::string::npos
                                                                                             : komma - anfang));
            if (komma == std::string::npos) break;
            anfang = komma + 1;
        }
        if (teile[2].empty() && !teile[1].empty()) teile[2] = teile[1];
        std::array<double, 3> w{};
        for (std::size_t k = 0; k < 3; ++k) {
            w[k] = Winkel(teile[k]);
            if (w[k] < 1 || w[k] > 89) w[k] = 0;
        }
        if (!teile[1].empty() || !teile[2].empty())
            zelle.setText(ZahlText(w[0]) + "," + ZahlText(w[1]) + "," + ZahlText(w[2]));
        else
            zelle.setText(ZahlText(w[0]));
    }
    ZelleLostFocus(zelle);
}

// --- scroll bars ---

void frmZIRVO3801::PaneScrollen(const vb6CCVScrollBar& Bar) {
    for (auto& tabelle : Tabellen) {
        if (tabelle && tabelle->IsMemberUC(Bar)) {
            tabelle->VScrollChange();
            return;
        }
    }
}

void frmZIRVO3801::sbrEBFVScroll_Change() { PaneScrollen(sbrEBFVScroll); }
void frmZIRVO3801::sbrEBFVScroll_Scroll() { sbrEBFVScroll_Change(); }
void frmZIRVO3801::sbrDaVScroll_Change() { PaneScrollen(sbrDaVScroll); }
void frmZIRVO3801::sbrDaVScroll_Scroll() { sbrDaVScroll_Change(); }
void frmZIRVO3801::sbrDuVScroll_Change() { PaneScrollen(sbrDuVScroll); }
void frmZIRVO3801::sbrDuVScroll_Scroll() { sbrDuVScroll_Change(); }
void frmZIRVO3801::sbrFVScroll_Change() { PaneScrollen(sbrFVScroll); }
void frmZIRVO3801::sbrFVScroll_Scroll() { sbrFVScroll_Change(); }

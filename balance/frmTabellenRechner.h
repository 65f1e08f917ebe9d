// The factor calculator window model ("Tabellen-Rechner"): four factors the
// user otherwise looks up in the standard's tables, the reduction factor bu
// against unheated rooms, bG against the ground for a wall and a floor, the
// horizon shading factor fS1 and the overhang and side-fin factor fS23.
//
// It does not touch the project: the user reads the values off and types
// them into the input tables. Each input's event recomputes its section at
// once; an input that cannot be used leaves the result empty.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>

class frmTabellenRechner : public Formular {
public:
    // The two heights of the window (twips): all four sections, or only the
    // two reduction factors above the shading factors.
    static constexpr std::int32_t HöheGanz = 8100;
    static constexpr std::int32_t HöheKlein = 4380;

    // The result labels carry their design text until the window loads.
    frmTabellenRechner();

    // --- bu ---
    ComboBox cboListeBU{"cboListeBU"};
    CheckBox chkListeBU_g{"chkListeBU_g"};
    Label lblBU{"lblBU"};

    // --- bG: wall and floor ---
    TextBox txtBGTW{"txtBGTW"};
    TextBox txtBGUW{"txtBGUW"};
    Label lblBGW{"lblBGW"};
    TextBox txtBGTF{"txtBGTF"};
    TextBox txtBGUF{"txtBGUF"};
    TextBox txtBGAFG{"txtBGAFG"};
    TextBox txtBGPFG{"txtBGPFG"};
    Label lblBGF{"lblBGF"};

    // --- fS1 ---
    ComboBox cboOriFS1{"cboOriFS1"};
    TextBox txtFS1Alpha{"txtFS1Alpha"};
    Label lblFS1{"lblFS1"};

    // --- fS23 ---
    ComboBox cboOriFS23{"cboOriFS23"};
    TextBox txtFS23Beta{"txtFS23Beta"};
    TextBox txtFS23Gamma_l{"txtFS23Gamma_l"};
    TextBox txtFS23Gamma_r{"txtFS23Gamma_r"};
    Label lblFS23{"lblFS23"};

    // The window's height in twips.
    std::int32_t Height = HöheGanz;

    // --- events ---
    void Form_Load();
    // With Ctrl held down: toggles the height between the two heights.
    void Form_DblClick();
    void cboListeBU_Click();
    void chkListeBU_g_Click();
    void txtBGTW_Change();
    void txtBGUW_Change();
    void txtBGTF_Change();
    void txtBGUF_Change();
    void txtBGAFG_Change();
    void txtBGPFG_Change();
    void cboOriFS1_Click();
    void txtFS1Alpha_Change();
    void cboOriFS23_Click();
    void txtFS23Beta_Change();
    void txtFS23Gamma_l_Change();
    void txtFS23Gamma_r_Change();

private:
    void BuBerechnen();
    void BGWandBerechnen();
    void BGBodenBerechnen();
    void FS1Berechnen();
    void FS23Berechnen();
};

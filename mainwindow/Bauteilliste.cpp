// The component pick list of the envelope tables: while the caret is in a
// row's number cell, a small button beside the cell opens a list of the
// project's components, windows or thermal bridges, as the row's code asks.
// A pick writes the item's number and its U-value (Psi/Chi; for a window
// also g and the frame factor) into the row, and its designation into an
// empty description.
#include "mainwindow/frmZIRVO3801.h"

#include "components/Bauteile.h"
#include "frame/basVB6NumCvt.h"
#include "project/ProjektGlobal.h"

namespace {

std::string Gross(std::string t) {
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return t;
}

bool Blank(const std::string& t) { return t.find_first_not_of(' ') == std::string::npos; }

} // namespace

void frmZIRVO3801::BtKnopfBauteil(TextBox& Nummer, TextBox& U, TextBox& Bez) {
    BtListeArt = 1;
    BtZelle = &Nummer;
    BtZelleWert = &U;
    BtZelleG = BtZelleFF = nullptr;
    BtZelleBez = &Bez;
    cmdDaBt.setVisible(true);
}

void frmZIRVO3801::BtKnopfFenster(TextBox& Nummer, TextBox& U, TextBox& g, TextBox& FF, TextBox& Bez) {
    BtListeArt = 2;
    BtZelle = &Nummer;
    BtZelleWert = &U;
    BtZelleG = &g;
    BtZelleFF = &FF;
    BtZelleBez = &Bez;
    cmdDaBt.setVisible(true);
}

void frmZIRVO3801::BtKnopfWärmebrücke(TextBox& Nummer, TextBox& Psi, TextBox& Bez) {
    BtListeArt = 3;
    BtZelle = &Nummer;
    BtZelleWert = &Psi;
    BtZelleG = BtZelleFF = nullptr;
    BtZelleBez = &Bez;
    cmdDaBt.setVisible(true);
}

void frmZIRVO3801::BtKnopfVerbergen() { cmdDaBt.setVisible(false); }

void frmZIRVO3801::cmdDaBt_MouseDown() { BtListeÖffnen(); }

void frmZIRVO3801::BtListeÖffnen() {
    if (!BtZelle || BtListeArt < 1 || BtListeArt > 3) return;
    const auto art = static_cast<Elementart>(BtListeArt - 1);
    lstDaBt.Clear();
    lstDaBtItemData.clear();
    for (int n : Elemente::Nummern(Global::Projekt, art)) {
        const std::string bez = Elemente::Bezeichnung(*Elemente::Holen(Global::Projekt, art, n));
        lstDaBt.AddItem((n < 10 ? "  " : "") + std::to_string(n) + "  " + bez);
        lstDaBtItemData.push_back(n);
    }
    const int nummer = basVB6NumCvt::ZahlLesenInt(BtZelle->Text());
    if (nummer > 0)
        for (std::size_t i = 0; i < lstDaBtItemData.size(); ++i)
            if (lstDaBtItemData[i] == nummer) {
                lstDaBt.setListIndex(static_cast<int>(i));
                break;
            }
    cmdDaBt.setVisible(false);
    lstDaBt.setVisible(true);
    ActiveControl = &lstDaBt;
    if (FokusSetzen) FokusSetzen(lstDaBt);
}

void frmZIRVO3801::lstDaBt_KeyUp(std::int16_t KeyCode) {
    if (KeyCode == 13) {
        lstDaBt_DblClick();
    } else if (KeyCode == 27) {
        lstDaBt.setListIndex(-1);
        lstDaBt_DblClick();
    }
}

void frmZIRVO3801::lstDaBt_LostFocus() {
    if (ActiveControl == &lstDaBt) ActiveControl = nullptr;
    lstDaBt.setVisible(false);
}

void frmZIRVO3801::lstDaBt_DblClick() {
    lstDaBt.setVisible(false);
    if (!BtZelle) return;
    auto zurück = [this] {
        if (FokusSetzen) FokusSetzen(*BtZelle);
    };
    const int i = lstDaBt.ListIndex();
    if (i < 0 || i >= static_cast<int>(lstDaBtItemData.size())) return zurück();
    const int n = lstDaBtItemData[static_cast<std::size_t>(i)];
    const auto nummer = static_cast<std::int16_t>(n);
    double wert = 0, g = 0, FF = 0;
    std::string bez;
    bool gefunden = false;
    switch (BtListeArt) {
    case 1: gefunden = BauteilHolen(nummer, wert, bez); break;
    case 2: gefunden = FensterHolen(nummer, wert, g, FF, bez); break;
    case 3: gefunden = WärmebrückeHolen(nummer, wert, bez); break;
    default: break;
    }
    // An item removed meanwhile writes nothing.
    if (!gefunden) return;
    TextFeldSetzen(*BtZelle, static_cast<double>(n));
    if (BtZelleWert) TextFeldSetzen(*BtZelleWert, wert);
    if (BtListeArt == 2) {
        if (BtZelleG) TextFeldSetzen(*BtZelleG, g);
        if (BtZelleFF) TextFeldSetzen(*BtZelleFF, FF);
    }
    if (BtZelleBez && Blank(BtZelleBez->Text())) TextFeldSetzen(*BtZelleBez, bez);
    zurück();
}

void frmZIRVO3801::BtZelle_GotFocus(TextBox& Zelle) {
    const int r = Zelle.Index;
    if (Zelle.Name == "txtDaBt" && txtDaBt.Enthält(r)) {
        const std::string c = Gross(txtDaC[r].Text());
        if (c == "D" || c == "W" || c == "B") BtKnopfBauteil(txtDaBt[r], txtDaU[r], txtDaBez[r]);
        else if (c == "L" || c == "P") BtKnopfWärmebrücke(txtDaBt[r], txtDaU[r], txtDaBez[r]);
    } else if (Zelle.Name == "txtDuBt" && txtDuBt.Enthält(r)) {
        const std::string c = Gross(txtDuC[r].Text());
        if (c == "D" || c == "W" || c == "B") BtKnopfBauteil(txtDuBt[r], txtDuU[r], txtDuBez[r]);
        else if (c == "L" || c == "P") BtKnopfWärmebrücke(txtDuBt[r], txtDuU[r], txtDuBez[r]);
    } else if (Zelle.Name == "txtFBt" && txtFBt.Enthält(r)) {
        const std::string c = Gross(txtFC[r].Text());
        if (c == "F" || c == "T") BtKnopfFenster(txtFBt[r], txtFU[r], txtFg[r], txtFFF[r], txtFBez[r]);
        else if (c == "L" || c == "P") BtKnopfWärmebrücke(txtFBt[r], txtFU[r], txtFBez[r]);
    }
}

void frmZIRVO3801::BtZelle_LostFocus(TextBox&) { BtKnopfVerbergen(); }

void frmZIRVO3801::BtZelle_KeyDown(TextBox& Zelle, std::int16_t& KeyCode, std::int16_t Shift) {
    if (KeyCode != 40 || Shift != 4) return;
    // The list belongs to the cell's own row even when the button is not shown.
    BtZelle_GotFocus(Zelle);
    if (BtZelle != &Zelle) return;
    BtListeÖffnen();
    KeyCode = 0;
}

// The scrolling input grid.
//
// A grid is a box (PictureBox) holding rows of text-box cells under a row
// of column captions and above a row of totals, with a vertical scroll bar
// beside the rows. The owner registers the cells with their row and their
// navigation column, the caption and total labels and the scroll bar, and
// lays the grid out with Move whenever its room changes. The grid then
// knows how many rows fit, which rows are shown (it sets the Visible flag
// of every cell), where each shown row stands, and where the totals row
// goes, which follows the lower edge. Enter, Tab and Shift with the arrow
// keys move the focus from cell to cell and scroll the rows with it.
//
// All lengths are in twips, the window models' unit. The view measures its
// cells and tells the grid its design (setEntwurf): the height of the box
// with its captions, one row and the totals, and the top and height of the
// first row's cells; a row then takes the cell height + 2.
#pragma once

#include "frame/Steuerelemente.h"
#include "frame/vb6CCVScrollBar.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Key codes of the key-down events (the values of the Windows virtual keys)
// and the bits of the shift state.
namespace Tastencode {
inline constexpr std::int16_t vbKeyTab = 9;
inline constexpr std::int16_t vbKeyReturn = 13;
inline constexpr std::int16_t vbKeyLeft = 37;
inline constexpr std::int16_t vbKeyUp = 38;
inline constexpr std::int16_t vbKeyRight = 39;
inline constexpr std::int16_t vbKeyDown = 40;
inline constexpr std::int16_t vbShiftMask = 1;
inline constexpr std::int16_t vbCtrlMask = 2;
inline constexpr std::int16_t vbAltMask = 4;
} // namespace Tastencode

// The box that holds a grid: its place in the window and its visibility.
class PictureBox : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    std::int32_t Left() const { return left_; }
    std::int32_t Top() const { return top_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    void Move(std::int32_t links, std::int32_t oben, std::int32_t breite, std::int32_t hoehe);

private:
    std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class EingabeTabelle {
public:
    // A registered cell: its row and its navigation column (-1 = not
    // reached by the keys), and its place in the tab order once
    // SetTabIndex has run (-1 before).
    struct Zelle {
        TextBox* Steuerelement;
        std::int16_t Zeile;
        std::int16_t Spalte;
        std::int32_t TabIndex = -1;
    };
    struct LabelEintrag {
        Label* Steuerelement;
        bool Total; // follows the lower edge
    };
    struct TextEintrag {
        TextBox* Steuerelement;
        bool Total;
    };
    // The design of the box as the view lays it out.
    struct Entwurf {
        std::int32_t Höhe = 0;      // the box with captions, one row, totals and frame
        std::int32_t ZelleOben = 0; // Top of the first row's cells in the box
        std::int32_t ZelleHöhe = 0; // height of a cell
    };
    // What the grid tells its views: the rows, the frame or the placement
    // changed (Anzeige), or a cell is to take the focus (Fokus).
    enum class Meldung { Anzeige, Fokus };
    using Beobachter = std::function<void(Meldung)>;

    EingabeTabelle() = default;
    EingabeTabelle(const EingabeTabelle&) = delete;
    EingabeTabelle& operator=(const EingabeTabelle&) = delete;

    std::string Key__;                  // free text of the owner
    std::int16_t KeyNr = 0;             // table number given by the owner
    std::string Titel;                  // table title given by the owner
    std::int16_t EingabeZeilen = 0;     // number of input rows
    std::int16_t ZeilenErste = 0;       // first visible row (rows count from 0)
    std::int16_t ZeilenSichtbar = 0;    // rows that fit

    // --- set-up, in the order the owners call it ---
    void setTab(PictureBox& picTabelle);
    PictureBox* getTab() const { return tab_; }
    // Tb is the first cell of the first column; AnzZeilen the row count.
    void setTabelleZeilen(TextBox& Tb, std::int16_t AnzZeilen);
    void setLabel(Label& lab, bool Total);
    void setText(TextBox& Txt, bool Total);
    void setTabText(TextBox& Txt, std::int16_t Zeile, std::int16_t Spalte);
    // Gives the registered cells consecutive tab indexes in registration order.
    void SetTabIndex();
    void setVScrollbar(vb6CCVScrollBar& sbrV) { sbrV_ = &sbrV; }
    // The view's design; lays the grid out anew when it was placed before.
    void setEntwurf(const Entwurf& e);

    // --- use ---
    // From the scroll bar's Change and Scroll events.
    void VScrollChange();
    void Move(std::int32_t Links, std::int32_t Oben, std::int32_t Breite, std::int32_t Hoehe);
    // The right edge of what the owner's pane shows of a box wider than the
    // pane, in twips from the box's left (0: the whole box is shown). The
    // rows' scroll bar stays inside it, over the cells that pass under it.
    void setSichtbarBis(std::int32_t Rechts);
    std::int32_t SichtbarBis() const { return sichtbarBis_; }
    // Key navigation from the cell at (Zeile, Spalte). True when the key was
    // taken; KeyCode is then 0.
    bool KeyDown(std::int16_t& KeyCode, std::int16_t ShiftCode, std::int16_t Zeile, std::int16_t Spalte);
    bool getVisible() const { return visible_; }
    void setVisible(bool Status);
    // True for a registered cell and for the grid's scroll bar.
    bool IsMember(const Steuerelement& Ctrl) const;
    bool IsMemberUC(const vb6CCVScrollBar& Ctrl) const { return sbrV_ == &Ctrl; }
    void TabSetTextBox(TextBox& Tb) { aktuell_ = &Tb; }
    // Gives the current cell the focus, first scrolling it into view; without
    // a current cell that can take the focus, the first cell gets it.
    void TabSetFocus();

    // --- read by views and owners ---
    const std::vector<Zelle>& Zellen() const { return zellen_; }
    const std::vector<LabelEintrag>& Labels() const { return labels_; }
    const std::vector<TextEintrag>& Texte() const { return texte_; }
    vb6CCVScrollBar* VScrollbar() const { return sbrV_; }
    TextBox* ErsteZelle() const { return erste_; }
    TextBox* AktuelleZelle() const { return aktuell_; }
    // The cell the grid last gave the focus.
    TextBox* Fokuszelle() const { return fokus_; }
    const Entwurf& getEntwurf() const { return entwurf_; }
    std::int32_t Zeilenabstand() const;
    std::int32_t KleinsteHöhe() const { return entwurf_.Höhe + 20; }
    std::int32_t GrössteHöhe() const { return Zeilenabstand() * (EingabeZeilen - 1) + entwurf_.Höhe; }
    std::int16_t LetzteZeile() const { return static_cast<std::int16_t>(EingabeZeilen - 1); }
    std::int16_t GrössteSpalte() const { return grössteSpalte_; }
    // Height of the frame around the rows: the laid-out height less 6.
    std::int32_t Rahmenhöhe() const { return rahmenhöhe_; }
    // How far the lower edge, and with it the totals row, lies below its design.
    std::int32_t Verschiebung() const { return rahmenhöhe_ - (entwurf_.Höhe - 6); }
    // Top of a row in the box while it is shown.
    std::int32_t ZeileOben(std::int16_t Zeile) const;
    // The registered cell at (Zeile, Spalte), the first one registered.
    TextBox* ZelleBei(std::int16_t Zeile, std::int16_t Spalte) const;
    // The registration of a cell, or null.
    const Zelle* ZelleVon(const Steuerelement& Ctrl) const;

    int beobachten(Beobachter b);
    void nichtMehrBeobachten(int id);

private:
    void ZeilenAnzeigen();
    void ZeilenVerschieben();
    void InSichtRollen(std::int16_t Zeile);
    bool FokusGeben(TextBox* Tb);
    void melden(Meldung m);

    PictureBox* tab_ = nullptr;
    TextBox* erste_ = nullptr;
    TextBox* aktuell_ = nullptr;
    TextBox* fokus_ = nullptr;
    vb6CCVScrollBar* sbrV_ = nullptr;
    Entwurf entwurf_;
    std::int32_t rahmenhöhe_ = -6;
    std::int32_t sichtbarBis_ = 0;
    bool visible_ = false;
    std::int16_t grössteSpalte_ = 0;
    std::vector<Zelle> zellen_;
    std::vector<LabelEintrag> labels_;
    std::vector<TextEintrag> texte_;
    std::unordered_map<const Steuerelement*, std::size_t> zelleNach_;
    std::unordered_map<std::int32_t, std::size_t> zelleBei_;
    int nächsteId_ = 1;
    std::vector<std::pair<int, Beobachter>> beobachter_;
};

// The vertical scroll bar of the input grids.
//
// The bar holds a position from 0 to |Max - Min| (0 at the top); its value
// is Min + sign(Max - Min) * position, so Max may lie below Min and the
// value then falls as the bar moves down. A bar whose Max equals its Min
// is empty and disabled.
//
// The view shows the bar and hands every movement by the user to
// Gescrollt. A move by one small or one large step raises Change, any
// other move (dragging the thumb) raises Scroll; the owners treat both
// alike. Setting Value from the program raises nothing.
//
// Lengths are in the container's units (twips, like every window model).
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class vb6CCVScrollBar : public Steuerelement {
public:
    // An event without arguments; any number of handlers may be connected.
    class Ereignis {
    public:
        int verbinden(std::function<void()> handler);
        void trennen(int id);
        void auslösen();

    private:
        int nächsteId_ = 1;
        std::vector<std::pair<int, std::function<void()>>> handler_;
    };

    explicit vb6CCVScrollBar(std::string name = {}, int index = -1) : Steuerelement(std::move(name), index) {}

    // Placement in the container.
    std::int32_t Left() const { return left_; }
    std::int32_t Top() const { return top_; }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    void setHeight(std::int32_t h);
    void Move(std::int32_t links, std::int32_t oben, std::int32_t breite, std::int32_t hoehe);

    std::int32_t Min() const { return min_; }
    void setMin(std::int32_t v);
    std::int32_t Max() const { return max_; }
    void setMax(std::int32_t v);
    std::int32_t Value() const;
    // Moves the bar to the value; a value beyond the ends stops at the end.
    void setValue(std::int32_t v);
    // Empties the bar: one position, disabled.
    void Clear();
    std::int32_t SmallChange() const { return 1; }
    std::int32_t LargeChange() const { return largeChange_; }
    // A page then holds exactly n + 1 rows.
    void setLargeChange(std::int32_t n);
    // Asks the view to repaint.
    void Refresh() { melden(); }

    Ereignis Change;
    Ereignis Scroll;

    // --- for the view ---
    // The number of positions and the present one (0 = top).
    std::int32_t Positionen() const { return positionen_; }
    std::int32_t Position() const { return position_; }
    // Rows that one page of the bar shows: the bar's height divided by the
    // height of one row; the large step after a change of height is one less.
    std::int32_t ZeilenJeSeite() const { return zeilenJeSeite_; }
    std::int32_t Zeilenhöhe() const { return zeilenhöhe_; }
    void setZeilenhöhe(std::int32_t h);
    // The user moved the bar to this position.
    void Gescrollt(std::int32_t position);

private:
    enum class Art { Keins, Change, Scroll };
    std::int32_t richtung() const { return max_ > min_ ? 1 : (max_ < min_ ? -1 : 0); }
    void neuFüllen();
    void seiteBerechnen();
    void bewegt(std::int32_t position);

    std::int32_t left_ = 0, top_ = 0, width_ = 255, height_ = 0;
    std::int32_t min_ = 0, max_ = 0;
    std::int32_t largeChange_ = 1;
    std::int32_t positionen_ = 1;
    std::int32_t position_ = 0;
    std::int32_t zeilenJeSeite_ = 0;
    std::int32_t zeilenhöhe_ = 195;
    bool angehalten_ = false;
    Art gemerkt_ = Art::Keins;
};

#include "frame/vb6CCVScrollBar.h"

#include <algorithm>
#include <cstdlib>

int vb6CCVScrollBar::Ereignis::verbinden(std::function<void()> handler) {
    int id = nächsteId_++;
    handler_.emplace_back(id, std::move(handler));
    return id;
}

void vb6CCVScrollBar::Ereignis::trennen(int id) {
    std::erase_if(handler_, [id](const auto& e) { return e.first == id; });
}

void vb6CCVScrollBar::Ereignis::auslösen() {
    // A copy, so a handler may connect or disconnect while it runs.
    auto liste = handler_;
    for (auto& [id, h] : liste)
        if (h) h();
}

void vb6CCVScrollBar::setHeight(std::int32_t h) {
    Move(left_, top_, width_, h);
}

void vb6CCVScrollBar::Move(std::int32_t links, std::int32_t oben, std::int32_t breite, std::int32_t hoehe) {
    bool höheNeu = hoehe != height_;
    if (links == left_ && oben == top_ && breite == width_ && !höheNeu) return;
    left_ = links;
    top_ = oben;
    width_ = breite;
    height_ = hoehe;
    if (höheNeu) seiteBerechnen();
    melden();
}

void vb6CCVScrollBar::setZeilenhöhe(std::int32_t h) {
    if (h < 1) h = 1;
    if (h == zeilenhöhe_) return;
    zeilenhöhe_ = h;
    seiteBerechnen();
    melden();
}

// A new height or row height: the rows of one page and the large step.
void vb6CCVScrollBar::seiteBerechnen() {
    zeilenJeSeite_ = std::max<std::int32_t>(0, height_) / zeilenhöhe_;
    largeChange_ = std::max<std::int32_t>(0, zeilenJeSeite_ - 1);
}

void vb6CCVScrollBar::setLargeChange(std::int32_t n) {
    if (n < 0) n = 0;
    zeilenJeSeite_ = n + 1;
    largeChange_ = n;
    // Setting Max again brings the positions in line with the new page.
    neuFüllen();
    melden();
}

void vb6CCVScrollBar::setMin(std::int32_t v) {
    min_ = v;
    neuFüllen();
    melden();
}

void vb6CCVScrollBar::setMax(std::int32_t v) {
    max_ = v;
    neuFüllen();
    melden();
}

std::int32_t vb6CCVScrollBar::Value() const {
    return min_ + richtung() * position_;
}

void vb6CCVScrollBar::setValue(std::int32_t v) {
    std::int64_t p = static_cast<std::int64_t>(v) - min_;
    if (richtung() != 0) p *= richtung();
    p = std::clamp<std::int64_t>(p, 0, positionen_ - 1);
    if (p == position_) return;
    position_ = static_cast<std::int32_t>(p);
    melden();
}

void vb6CCVScrollBar::Clear() {
    positionen_ = 1;
    position_ = 0;
    setEnabled(false);
    melden();
}

// After a new Min or Max: the number of positions follows; a position
// beyond the new end moves to the end and raises one event.
void vb6CCVScrollBar::neuFüllen() {
    if (max_ == min_) {
        positionen_ = 1;
        position_ = 0;
        setEnabled(false);
        return;
    }
    setEnabled(true);
    std::int64_t spanne = std::llabs(static_cast<std::int64_t>(max_) - min_);
    positionen_ = static_cast<std::int32_t>(std::min<std::int64_t>(spanne + 1, INT32_MAX));
    if (position_ > positionen_ - 1) {
        angehalten_ = true;
        gemerkt_ = Art::Keins;
        bewegt(positionen_ - 1);
        angehalten_ = false;
        Art art = gemerkt_;
        gemerkt_ = Art::Keins;
        melden();
        if (art == Art::Change) Change.auslösen();
        else if (art == Art::Scroll) Scroll.auslösen();
    }
}

void vb6CCVScrollBar::Gescrollt(std::int32_t position) {
    position = std::clamp<std::int32_t>(position, 0, positionen_ - 1);
    if (position == position_) return;
    bewegt(position);
    melden();
    if (angehalten_) return; // kept for the end of the refill
    Art art = gemerkt_;
    gemerkt_ = Art::Keins;
    if (art == Art::Change) Change.auslösen();
    else if (art == Art::Scroll) Scroll.auslösen();
}

// The position moved: one small or one large step is a Change, any other
// move a Scroll. The event is only noted here; the callers raise it.
void vb6CCVScrollBar::bewegt(std::int32_t position) {
    std::int64_t d = std::llabs(static_cast<std::int64_t>(position) - position_);
    position_ = position;
    gemerkt_ = (d == SmallChange() || d == largeChange_) ? Art::Change : Art::Scroll;
}

#include "frame/ListView.h"

#include <utility>

const std::string& ListView::Zeile::Text(std::size_t i) const {
    static const std::string leer;
    return i < Texte.size() ? Texte[i] : leer;
}

void ListView::Clear() {
    if (spalten_.empty() && zeilen_.empty()) return;
    spalten_.clear();
    zeilen_.clear();
    melden();
}

void ListView::SpalteHinzufügen(std::string text, std::int32_t breite, bool rechts) {
    spalten_.push_back({std::move(text), breite, rechts ? Ausrichtung::Rechts : Ausrichtung::Links});
    melden();
}

void ListView::ZeileHinzufügen(Zeile zeile) {
    zeilen_.push_back(std::move(zeile));
    melden();
}

void TabStrip::setSelectedIndex(int i) {
    if (i < 0 || i >= static_cast<int>(tabs_.size())) i = -1;
    setze(ausgewählt_, i);
}

std::string TabStrip::SelectedKey() const {
    if (ausgewählt_ < 0 || ausgewählt_ >= static_cast<int>(tabs_.size())) return {};
    return tabs_[static_cast<std::size_t>(ausgewählt_)].Key;
}

bool TabStrip::SelectKey(std::string_view key) {
    for (std::size_t i = 0; i < tabs_.size(); ++i)
        if (tabs_[i].Key == key) {
            setSelectedIndex(static_cast<int>(i));
            return true;
        }
    return false;
}

#include "frame/ListView.h"

#include <utility>

void ListView::SpalteHinzufügen(std::string text, std::int32_t breite, bool rechts) {
    spalten_.push_back({std::move(text), breite, rechts});
    melden();
}

void ListView::ZeileHinzufügen(Zeile zeile) {
    zeilen_.push_back(std::move(zeile));
    melden();
}

void ListView::Leeren() {
    spalten_.clear();
    zeilen_.clear();
    melden();
}

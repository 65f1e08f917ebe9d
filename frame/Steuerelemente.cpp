#include "frame/Steuerelemente.h"

#include <algorithm>

int Steuerelement::beobachten(Beobachter b) {
    int id = nächsteId_++;
    beobachter_.emplace_back(id, std::move(b));
    return id;
}

void Steuerelement::nichtMehrBeobachten(int id) {
    std::erase_if(beobachter_, [id](const auto& e) { return e.first == id; });
}

void Steuerelement::melden() {
    ++änderungen_;
    // Most states have no observer (no view shown): nothing to copy then.
    if (beobachter_.empty()) return;
    // A copy, so an observer may remove itself while being told.
    auto liste = beobachter_;
    for (auto& [id, b] : liste) b(*this);
}

std::string ListBox::ListEntry(int i) const {
    if (i < 0 || i >= ListCount()) return {};
    return list_[static_cast<std::size_t>(i)];
}

void ListBox::AddItem(std::string eintrag) {
    list_.push_back(std::move(eintrag));
    melden();
}

void ListBox::setListEntry(int i, std::string eintrag) {
    if (i < 0 || i >= ListCount() || list_[static_cast<std::size_t>(i)] == eintrag) return;
    list_[static_cast<std::size_t>(i)] = std::move(eintrag);
    if (i == listIndex_) text_ = list_[static_cast<std::size_t>(i)];
    melden();
}

void ListBox::RemoveItem(int i) {
    if (i < 0 || i >= ListCount()) return;
    list_.erase(list_.begin() + i);
    if (listIndex_ >= ListCount()) listIndex_ = -1;
    melden();
}

void ListBox::Clear() {
    list_.clear();
    listIndex_ = -1;
    melden();
}

void ListBox::setListIndex(int i) {
    if (i < -1 || i >= ListCount()) i = -1;
    setze(listIndex_, i);
    if (listIndex_ >= 0 && text_ != list_[static_cast<std::size_t>(listIndex_)]) {
        text_ = list_[static_cast<std::size_t>(listIndex_)];
        melden();
    }
}

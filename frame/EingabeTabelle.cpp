#include "frame/EingabeTabelle.h"

#include <algorithm>

using namespace Tastencode;

void PictureBox::Move(std::int32_t links, std::int32_t oben, std::int32_t breite, std::int32_t hoehe) {
    if (links == left_ && oben == top_ && breite == width_ && hoehe == height_) return;
    left_ = links;
    top_ = oben;
    width_ = breite;
    height_ = hoehe;
    melden();
}

namespace {
std::int32_t Schlüssel(std::int16_t zeile, std::int16_t spalte) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(zeile)) << 16) |
                                     static_cast<std::uint16_t>(spalte));
}
} // namespace

void EingabeTabelle::setTab(PictureBox& picTabelle) {
    tab_ = &picTabelle;
}

void EingabeTabelle::setTabelleZeilen(TextBox& Tb, std::int16_t AnzZeilen) {
    erste_ = &Tb;
    EingabeZeilen = AnzZeilen < 0 ? std::int16_t{0} : AnzZeilen;
}

void EingabeTabelle::setLabel(Label& lab, bool Total) {
    labels_.push_back({&lab, Total});
}

void EingabeTabelle::setText(TextBox& Txt, bool Total) {
    texte_.push_back({&Txt, Total});
}

void EingabeTabelle::setTabText(TextBox& Txt, std::int16_t Zeile, std::int16_t Spalte) {
    zellen_.push_back({&Txt, Zeile, Spalte});
    zelleNach_.emplace(&Txt, zellen_.size() - 1);
    zelleBei_.emplace(Schlüssel(Zeile, Spalte), zellen_.size() - 1);
    if (Spalte > grössteSpalte_) grössteSpalte_ = Spalte;
}

void EingabeTabelle::SetTabIndex() {
    std::int32_t i = 0;
    for (auto& z : zellen_) z.TabIndex = i++;
    melden(Meldung::Anzeige);
}

void EingabeTabelle::setEntwurf(const Entwurf& e) {
    entwurf_ = e;
    rahmenhöhe_ = e.Höhe - 6;
    if (tab_ && tab_->Height() >= 1) Move(tab_->Left(), tab_->Top(), tab_->Width(), tab_->Height());
    else melden(Meldung::Anzeige);
}

std::int32_t EingabeTabelle::Zeilenabstand() const {
    // A cell too small to measure still gives every row its own place.
    return std::max<std::int32_t>(1, entwurf_.ZelleHöhe + 2);
}

std::int32_t EingabeTabelle::ZeileOben(std::int16_t Zeile) const {
    return entwurf_.ZelleOben + (Zeile - ZeilenErste) * Zeilenabstand();
}

TextBox* EingabeTabelle::ZelleBei(std::int16_t Zeile, std::int16_t Spalte) const {
    auto it = zelleBei_.find(Schlüssel(Zeile, Spalte));
    return it == zelleBei_.end() ? nullptr : zellen_[it->second].Steuerelement;
}

const EingabeTabelle::Zelle* EingabeTabelle::ZelleVon(const Steuerelement& Ctrl) const {
    auto it = zelleNach_.find(&Ctrl);
    return it == zelleNach_.end() ? nullptr : &zellen_[it->second];
}

bool EingabeTabelle::IsMember(const Steuerelement& Ctrl) const {
    return zelleNach_.count(&Ctrl) > 0 || sbrV_ == &Ctrl;
}

void EingabeTabelle::setVisible(bool Status) {
    if (tab_) tab_->setVisible(Status);
    visible_ = Status;
}

void EingabeTabelle::Move(std::int32_t Links, std::int32_t Oben, std::int32_t Breite, std::int32_t Hoehe) {
    // Nothing to lay out in no room at all.
    if (Hoehe < 1) return;
    std::int32_t h = Hoehe;
    if (h < KleinsteHöhe()) h = KleinsteHöhe();
    if (h > GrössteHöhe()) h = GrössteHöhe();
    if (tab_) tab_->Move(Links, Oben, Breite, Hoehe);
    rahmenhöhe_ = h - 6;

    std::int32_t sichtbar = (h + 20 - KleinsteHöhe()) / Zeilenabstand() + 1;
    if (sichtbar >= 1) {
        ZeilenSichtbar = static_cast<std::int16_t>(std::min<std::int32_t>(sichtbar, EingabeZeilen));
        if (ZeilenErste + ZeilenSichtbar >= EingabeZeilen)
            ZeilenErste = static_cast<std::int16_t>(EingabeZeilen - ZeilenSichtbar);
        ZeilenAnzeigen();
    } else {
        melden(Meldung::Anzeige);
    }
}

void EingabeTabelle::setSichtbarBis(std::int32_t Rechts) {
    if (Rechts == sichtbarBis_) return;
    sichtbarBis_ = Rechts;
    melden(Meldung::Anzeige);
}

void EingabeTabelle::VScrollChange() {
    if (!sbrV_) return;
    std::int32_t wert = sbrV_->Value();
    if (wert == ZeilenErste) return;
    // The bar never reaches past the last full page; a value from elsewhere
    // is held to the rows that exist.
    std::int32_t höchste = std::max<std::int32_t>(0, EingabeZeilen - ZeilenSichtbar);
    ZeilenErste = static_cast<std::int16_t>(std::clamp<std::int32_t>(wert, 0, höchste));
    ZeilenAnzeigen();
}

void EingabeTabelle::ZeilenAnzeigen() {
    ZeilenVerschieben();
    if (sbrV_) {
        if (ZeilenSichtbar < 2 || ZeilenSichtbar > LetzteZeile()) {
            sbrV_->setVisible(false);
        } else {
            sbrV_->setHeight(Zeilenabstand() * ZeilenSichtbar - 2);
            sbrV_->setMax(EingabeZeilen - ZeilenSichtbar);
            sbrV_->setValue(ZeilenErste);
            sbrV_->setVisible(true);
        }
    }
    melden(Meldung::Anzeige);
}

// Shows the rows of the visible window and hides all others; the view
// places the shown rows at ZeileOben.
void EingabeTabelle::ZeilenVerschieben() {
    for (auto& z : zellen_) {
        int r = z.Zeile - ZeilenErste;
        z.Steuerelement->setVisible(r >= 0 && r < ZeilenSichtbar);
    }
}

void EingabeTabelle::InSichtRollen(std::int16_t Zeile) {
    // A grid not laid out yet has no window to scroll.
    if (ZeilenSichtbar < 1) return;
    if (Zeile >= ZeilenErste && Zeile < ZeilenErste + ZeilenSichtbar) return;
    if (Zeile >= ZeilenErste + ZeilenSichtbar) ZeilenErste = static_cast<std::int16_t>(Zeile - ZeilenSichtbar + 1);
    else ZeilenErste = Zeile;
    ZeilenAnzeigen();
}

bool EingabeTabelle::KeyDown(std::int16_t& KeyCode, std::int16_t ShiftCode, std::int16_t Zeile,
                             std::int16_t Spalte) {
    const bool shift = ShiftCode == vbShiftMask;
    const std::int16_t S = grössteSpalte_;
    int zeile = Zeile, spalte = Spalte;
    switch (KeyCode) {
    case vbKeyReturn:
        if (!shift) {
            if (Spalte >= S) ++zeile, spalte = 0;
            else ++spalte;
        } else {
            if (Spalte <= 0) --zeile, spalte = S;
            else --spalte;
        }
        break;
    case vbKeyTab:
        zeile += shift ? -1 : 1;
        break;
    case vbKeyDown:
        if (!shift) return false;
        ++zeile;
        break;
    case vbKeyUp:
        if (!shift) return false;
        --zeile;
        break;
    case vbKeyRight:
        if (!shift) return false;
        ++spalte;
        break;
    case vbKeyLeft:
        if (!shift) return false;
        --spalte;
        break;
    default:
        return false;
    }
    KeyCode = 0;
    if (zeile < 0 || zeile > LetzteZeile() || spalte < 0 || spalte > S) return true;
    TextBox* ziel = ZelleBei(static_cast<std::int16_t>(zeile), static_cast<std::int16_t>(spalte));
    if (!ziel) return true;
    FokusGeben(ziel);
    return true;
}

void EingabeTabelle::TabSetFocus() {
    if (!FokusGeben(aktuell_)) FokusGeben(erste_);
}

// Scrolls a registered cell into view and gives it the focus. A cell that
// cannot take the focus (disabled, or hidden outside the grid) is no
// error: the answer is False and nothing else happens.
bool EingabeTabelle::FokusGeben(TextBox* Tb) {
    if (!Tb) return false;
    if (const Zelle* z = ZelleVon(*Tb)) InSichtRollen(z->Zeile);
    if (!Tb->Enabled() || !Tb->Visible()) return false;
    fokus_ = Tb;
    melden(Meldung::Fokus);
    return true;
}

int EingabeTabelle::beobachten(Beobachter b) {
    int id = nächsteId_++;
    beobachter_.emplace_back(id, std::move(b));
    return id;
}

void EingabeTabelle::nichtMehrBeobachten(int id) {
    std::erase_if(beobachter_, [id](const auto& e) { return e.first == id; });
}

void EingabeTabelle::melden(Meldung m) {
    auto liste = beobachter_;
    for (auto& [id, b] : liste)
        if (b) b(m);
}

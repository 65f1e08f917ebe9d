#include "dialogs/Textbericht.h"

#include "balance/Anzeigezahl.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"

#include <utility>

namespace {
// The colour of the headings.
constexpr Farbe Überschriftfarbe = RGB(31, 0, 127);
} // namespace

void Textbericht::Laden() {
    basZIRVO3801::FormularIconSetzen(*this);
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    if (lage_.Gesetzt) {
        Left = lage_.Left;
        Top = lage_.Top;
        Width = lage_.Width;
        Height = lage_.Height;
    }
    geladen_ = true;
}

void Textbericht::Form_KeyPress(std::int16_t& KeyAscii) {
    if (KeyAscii != 27) return;
    Form_Unload();
    if (Schliessen) Schliessen();
}

void Textbericht::Form_Unload() {
    if (!geladen_) return;
    geladen_ = false;
    Visible = false;
    lage_ = {Left, Top, Width, Height, true};
}

std::string Textbericht::ZahlSpalte(double x, int breite, int dezimalen) {
    if (x == 0) return {};
    std::string t = Anzeigezahl::Festkomma(x, dezimalen < 1 ? 0 : dezimalen);
    const auto fehlt = breite - RichTextBox::Zeichenzahl(t);
    if (fehlt > 0) t.insert(0, static_cast<std::size_t>(2 * fehlt), ' ');
    return t;
}

void Textbericht::TextAnhängen(std::string_view s) { rtbT.Anhängen(s); }

void Textbericht::ÜberschriftAnhängen(std::string_view s) {
    überschriftAnfang_.push_back(rtbT.Länge());
    rtbT.Anhängen(s);
    überschriftLänge_.push_back(rtbT.Länge() - überschriftAnfang_.back());
}

void Textbericht::Beginnen(std::vector<std::int32_t> tabs) {
    überschriftAnfang_.clear();
    überschriftLänge_.clear();
    kopfEnde_ = 0;
    rtbT.setText("");
    tabs_ = std::move(tabs);
    rtbT.setSelTabs(tabs_);
}

void Textbericht::Abschliessen() {
    for (std::size_t i = 0; i < überschriftAnfang_.size(); ++i) {
        rtbT.setSelStart(überschriftAnfang_[i]);
        rtbT.setSelLength(überschriftLänge_[i]);
        rtbT.setSelColor(Überschriftfarbe);
    }
    std::vector<std::int32_t> kopf = tabs_;
    if (!kopf.empty()) kopf[0] = 1600;
    rtbT.setSelStart(0);
    rtbT.setSelLength(kopfEnde_);
    rtbT.setSelTabs(std::move(kopf));
    rtbT.setSelStart(0);
}

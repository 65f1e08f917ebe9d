#include "balance/Zeilenraster.h"

#include "frame/EingabeTabelle.h"
#include "frame/Statusmeldung.h"

namespace {

// The row and the column a handled key of the grid moves the focus to.
struct Ziel {
    int zeile;
    int spalte;
};

} // namespace

void Zeilenraster::RasterFestlegen(int zeilen, int letzteSpalte, std::initializer_list<Spalte*> spalten) {
    zeilen_ = zeilen;
    letzteSpalte_ = letzteSpalte;
    spalten_.assign(spalten.begin(), spalten.end());
}

void Zeilenraster::FeldSetzen(TextBox& feld, double wert) {
    feld.setText(Feldformate.FeldFormatLesen(feld.Name).Zellentext(wert));
}

void Zeilenraster::FeldSetzen(TextBox& feld, std::string_view wert) {
    feld.setText(Feldformate.FeldFormatLesen(feld.Name).Zellentext(wert));
}

void Zeilenraster::ZelleTaste(Spalte& spalte, int Index, std::int16_t& KeyCode, std::int16_t Shift) {
    if (!spalte.Enthält(Index)) return;
    TextBox& feld = spalte[Index];
    FeldNavigieren(KeyCode, Shift, feld.Index, Feldformate.FeldFormatLesen(feld.Name).Spalte);
}

void Zeilenraster::ZelleVerlassen(Spalte& spalte, int Index) {
    if (spalte.Enthält(Index)) FeldVerlassen(spalte[Index]);
}

void Zeilenraster::EingabeTasteSchlucken(std::int16_t& KeyAscii) {
    if (KeyAscii == Tastencode::vbKeyReturn) KeyAscii = 0;
}

void Zeilenraster::Fokussieren(Steuerelement& element) {
    Fokus = &element;
    if (FokusSetzen) FokusSetzen(element);
}

void Zeilenraster::FeldVerlassen(TextBox& feld) {
    const Feldformat f = Feldformate.FeldFormatLesen(feld.Name);
    const std::string getippt = feld.Text();
    feld.setText(f.Zellentext(getippt));
    if (f.Zahl) Statusmeldung::ZahlfeldVerlassen(getippt, feld.Text());
    if (f.Berechnen) RasterBerechnen();
}

bool Zeilenraster::FeldNavigieren(std::int16_t& KeyCode, std::int16_t Shift, int zeile, int spalte) {
    using namespace Tastencode;
    const bool shift = Shift == 1;
    Ziel z{zeile, spalte};
    switch (KeyCode) {
    case vbKeyReturn:
        if (!shift) z = spalte < letzteSpalte_ ? Ziel{zeile, spalte + 1} : Ziel{zeile + 1, 0};
        else z = spalte < 1 ? Ziel{zeile - 1, letzteSpalte_} : Ziel{zeile, spalte - 1};
        break;
    case vbKeyTab: z = shift ? Ziel{zeile - 1, spalte} : Ziel{zeile + 1, spalte}; break;
    case vbKeyDown:
        if (!shift) return false;
        z = Ziel{zeile + 1, spalte};
        break;
    case vbKeyUp:
        if (!shift) return false;
        z = Ziel{zeile - 1, spalte};
        break;
    case vbKeyRight:
        if (!shift) return false;
        z = Ziel{zeile, spalte + 1};
        break;
    case vbKeyLeft:
        if (!shift) return false;
        z = Ziel{zeile, spalte - 1};
        break;
    default: return false;
    }
    KeyCode = 0;
    if (z.zeile >= 0 && z.zeile < zeilen_ && z.spalte >= 0 && z.spalte < static_cast<int>(spalten_.size()))
        Fokussieren((*spalten_[static_cast<std::size_t>(z.spalte)])[z.zeile]);
    return true;
}

// The code picker of the single-component proof: beside the focused code or
// item-number cell a small button opens a list of the choices for that
// cell, the codes of the standard's single-component table or the numbers
// of the project's items. Taking an entry fills the cell and runs the rules
// of the grid.
#include "proofs/frmNachweisEB.h"

#include "balance/Einzelbauteil.h"
#include "components/Bauteile.h"
#include "frame/basZIRVO_Format.h"
#include "project/ProjektGlobal.h"

namespace {

// Component codes: per letter the numbers 1 to 4 ("B" 1 to 6).
constexpr char Buchstaben[] = "ABCDEFG";
int HöchsteNummer(char buchstabe) { return buchstabe == 'B' ? 6 : 4; }

} // namespace

int frmNachweisEB::CodeListeZeilen() const {
    switch (modus_) {
    case ModusBauteilCode: return 24;
    case ModusWbCode: return 6;
    case KeinModus: return 0;
    default: return 100;
    }
}

int frmNachweisEB::CodeListeBreite() const {
    if (modus_ == KeinModus) return 0;
    return modus_ == ModusBauteilCode || modus_ == ModusWbCode ? 400 : 210;
}

void frmNachweisEB::CodeListeFüllen() {
    const Einzelbauteil& tabelle = Global::Einzelbauteil;
    lstCode.Clear();
    itemData_.clear();
    auto eintrag = [this](std::string text, int daten) {
        lstCode.AddItem(std::move(text));
        itemData_.push_back(daten);
    };
    switch (modus_) {
    case ModusBauteilCode:
        for (const char* b = Buchstaben; *b; ++b) {
            for (int n = 1; n <= HöchsteNummer(*b); ++n) {
                const std::string code = std::string(1, *b) + std::to_string(n);
                const std::int32_t i = tabelle.Index(code);
                if (i >= 0) eintrag(code + " - " + tabelle.Text(i), i);
            }
            eintrag("", -1);
        }
        break;
    case ModusWbCode:
        for (std::int32_t i = 100; i <= 105; ++i) {
            const std::string code = tabelle.Code(i, 0);
            if (!code.empty()) eintrag(code + " - " + tabelle.Text(i), i);
        }
        break;
    case ModusBauteil:
    case ModusFenster:
    case ModusWärmebrücke: {
        const Elementart art = modus_ == ModusBauteil  ? Elementart::Bauteil
                               : modus_ == ModusFenster ? Elementart::Fenster
                                                        : Elementart::Wärmebrücke;
        for (int n : Elemente::Nummern(Global::Projekt, art)) {
            // Two blanks before a one-digit number, so the numbers end alike.
            const std::string nr = (n < 10 ? "  " : "") + std::to_string(n);
            eintrag(nr + "  " + Elemente::Bezeichnung(*Elemente::Holen(Global::Projekt, art, n)), n);
        }
        break;
    }
    case KeinModus: break;
    }
}

void frmNachweisEB::cmdCode_MouseDown() {
    if (modus_ == KeinModus || !ziel_) return;
    CodeListeFüllen();
    // A known code in the cell selects its entry; an item number selects nothing.
    const std::int32_t i = Global::Einzelbauteil.Index(basZIRVO_Format::TextRechtsTrimmen(ziel_->Text()));
    lstCode.setListIndex(-1);
    if (i >= 0 && (modus_ == ModusBauteilCode || modus_ == ModusWbCode))
        for (std::size_t k = 0; k < itemData_.size(); ++k)
            if (itemData_[k] == i) {
                lstCode.setListIndex(static_cast<int>(k));
                break;
            }
    lstCode.setVisible(true);
    ActiveControl = &lstCode;
    if (FokusSetzen) FokusSetzen(lstCode);
}

void frmNachweisEB::lstCode_DblClick() { EintragÜbernehmen(); }

void frmNachweisEB::lstCode_KeyUp(std::int16_t KeyCode) {
    if (KeyCode == 13) {
        EintragÜbernehmen();
    } else if (KeyCode == 27) {
        lstCode.setListIndex(-1);
        EintragÜbernehmen();
    }
}

void frmNachweisEB::lstCode_LostFocus() {
    cmdCode.setVisible(false);
    lstCode.setVisible(false);
}

void frmNachweisEB::EintragÜbernehmen() {
    TextBox* ziel = ziel_;
    const Wählmodus modus = modus_;
    const int k = lstCode.ListIndex();
    // The cell takes the focus back before the list goes (the list closes
    // as it loses the focus), so the focus never wanders elsewhere.
    if (ziel) ZelleFokussieren(*ziel);
    lstCode.setVisible(false);
    // Nothing taken (Esc): the cell stays as it was.
    if (!ziel || k < 0 || k >= static_cast<int>(itemData_.size())) return;
    const int daten = itemData_[static_cast<std::size_t>(k)];
    if (modus == ModusBauteilCode || modus == ModusWbCode)
        ZelleSetzen(*ziel, daten < 0 ? std::string() : Global::Einzelbauteil.Code(daten, 0));
    else
        ZelleSetzen(*ziel, static_cast<double>(daten));
    if (!TabellePrüfen()) ZelleFokussieren(*ziel);
}

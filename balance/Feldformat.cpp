#include "balance/Feldformat.h"

#include "frame/Steuerelemente.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO_Format.h"
#include "frame/cVB6_NumCvt.h"

namespace {

// Characters of the code from position `von` (1-based), at most `anzahl`.
std::string_view mitte(std::string_view code, std::size_t von, std::size_t anzahl) {
    if (von > code.size()) return {};
    return code.substr(von - 1, anzahl);
}

} // namespace

Feldformat Feldformat::Dekodieren(std::string_view code) {
    Feldformat f;
    f.Zahl = mitte(code, 1, 1) == "z";
    f.Stellen = basVB6NumCvt::ZahlLesenInt(mitte(code, 2, 1));
    f.NKSt = basVB6NumCvt::ZahlLesenInt(mitte(code, 3, 1));
    f.Berechnen = mitte(code, 4, 1) == "b";
    f.Spalte = basVB6NumCvt::ZahlLesenInt(mitte(code, 5, 2));
    return f;
}

std::string Feldformat::Zellentext(std::string_view text) const {
    if (Zahl) return basZIRVO_Format::ZahlTextFormatieren(text, Stellen, NKSt);
    return basZIRVO_Format::TextRechtsTrimmen(text);
}

std::string Feldformat::Zellentext(double wert) const {
    if (Zahl) return wert == 0 ? std::string() : basZIRVO_Format::ZahlFormatieren(wert, Stellen, NKSt);
    // A number put into a text field appears as the user writes it.
    std::string text = basVB6NumCvt::ZahlText(wert);
    std::size_t punkt = text.find('.');
    if (punkt != std::string::npos) text.replace(punkt, 1, cVB6_NumCvt::Instanz().Dezimaltrenner());
    return text;
}

std::string Feldformat::Labeltext(std::string_view text) const {
    if (Zahl) return basZIRVO_Format::ZahlFormatieren(basVB6NumCvt::ZahlLesen(text), Stellen, NKSt);
    return basZIRVO_Format::TextRechtsTrimmen(text);
}

Spaltenliste::Spaltenliste() { Leeren(); }

void Spaltenliste::Leeren() {
    einträge_.clear();
    einträge_.emplace_back();
}

void Spaltenliste::SpalteRegistrieren(const Steuerelement& steuerelement, std::string code) {
    SpalteRegistrieren(steuerelement.Name, std::move(code));
}

void Spaltenliste::SpalteRegistrieren(std::string name, std::string code) {
    einträge_.emplace_back(std::move(name), std::move(code));
}

Feldformat Spaltenliste::FeldFormatLesen(std::string_view name) const {
    for (std::size_t i = 1; i < einträge_.size(); ++i)
        if (einträge_[i].first == name) return Feldformat::Dekodieren(einträge_[i].second);
    return {};
}

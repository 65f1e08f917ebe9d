#include "frame/basZIRVO_HiRi.h"

#include "frame/Windows1252.h"
#include "frame/basZIRVO_Format.h"

namespace basZIRVO_HiRi {

std::string NordAktuell;

namespace {

// The position of name in the table, or -1.
int Position(const std::array<std::string_view, 8>& tabelle, std::string_view name) {
    for (std::size_t i = 0; i < tabelle.size(); ++i)
        if (tabelle[i] == name) return static_cast<int>(i);
    return -1;
}

std::size_t Zeichenzahl(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < text.size(); ++n) Windows1252::NächstesZeichen(text, pos);
    return n;
}

// Upper case of the letters a user can type on a Swiss keyboard: ASCII and
// the Latin-1 and Windows-1252 letters.
char32_t Gross(char32_t z) {
    if (z >= U'a' && z <= U'z') return z - 0x20;
    if (z >= 0xE0 && z <= 0xFE && z != 0xF7) return z - 0x20;
    switch (z) {
    case 0xFF: return 0x178;
    case 0x153: return 0x152;
    case 0x161: return 0x160;
    case 0x17E: return 0x17D;
    default: return z;
    }
}

std::string Grossbuchstaben(std::string_view text) {
    std::string ergebnis;
    ergebnis.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t anfang = pos;
        char32_t z = Windows1252::NächstesZeichen(text, pos);
        if (z == 0xFFFD && pos - anfang == 1)
            ergebnis += text[anfang]; // a stray byte stays as it was
        else
            Windows1252::Anhängen(ergebnis, Gross(z));
    }
    return ergebnis;
}

} // namespace

std::string HimmelsrichtungDrehen(std::string_view name) {
    if (NordAktuell.empty()) return std::string(name);
    int i = Position(Hauptrichtungen, name);
    if (i < 0) return std::string(name);
    if (NordAktuell == "NNE") return std::string(RichtungenNNE[static_cast<std::size_t>(i)]);
    if (NordAktuell == "NNW") return std::string(RichtungenNNW[static_cast<std::size_t>(i)]);
    return std::string(name);
}

std::string HimmelsrichtungZurückdrehen(std::string_view name) {
    if (NordAktuell.empty() || Zeichenzahl(name) != 3) return std::string(name);
    std::string gross = Grossbuchstaben(name);
    const auto& tabelle = NordAktuell == "NNE" ? RichtungenNNE : RichtungenNNW;
    int i = Position(tabelle, gross);
    if (i >= 0) return std::string(Hauptrichtungen[static_cast<std::size_t>(i)]);
    return gross;
}

std::int16_t HiRiIndex(std::string_view name) {
    int i = Position(Hauptrichtungen, name);
    return static_cast<std::int16_t>(i < 0 ? 0 : i);
}

bool NordGedreht() { return !NordAktuell.empty(); }

std::string Rechenrichtung(std::string_view name) { return HimmelsrichtungDrehen(basZIRVO_Format::TextTrimmen(name)); }

int Kompassfolge(std::string_view richtung) {
    std::size_t anfang = 0;
    while (anfang < Kompassnamen.size() && Kompassnamen[anfang] != HimmelsrichtungDrehen("N")) ++anfang;
    for (std::size_t i = 0; i < Kompassnamen.size(); ++i)
        if (Kompassnamen[(anfang + i) % Kompassnamen.size()] == richtung) return static_cast<int>(i);
    return static_cast<int>(Kompassnamen.size());
}

int Richtungsspalte(std::string_view richtung) {
    for (std::size_t i = 0; i < Hauptrichtungen.size(); ++i)
        if (HimmelsrichtungDrehen(Hauptrichtungen[i]) == richtung) return static_cast<int>(i);
    if (NordGedreht()) return -1;
    return Position(RichtungenNNE, richtung);
}

} // namespace basZIRVO_HiRi

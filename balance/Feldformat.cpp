#include "balance/Feldformat.h"

#include "frame/Steuerelemente.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO_Format.h"
#include "frame/cVB6_NumCvt.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <unordered_map>

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

// Looking a name up: entry 0 holds no field; its code carries the stamp of
// the table's content, a number unique in the program and renewed by every
// change of the table. A copy of a table takes the stamp along with the
// content, so one stamp always stands for one content. The decoded codes of
// the last few tables are kept by stamp (per thread), each name with the
// code of its first entry.
namespace {

std::string neuerStempel() {
    static std::atomic<std::uint64_t> zähler{0};
    return std::to_string(++zähler);
}

struct NamenHash {
    using is_transparent = void;
    // FNV-1a: control names are short.
    std::size_t operator()(std::string_view name) const {
        std::uint64_t h = 14695981039346656037ull;
        for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return static_cast<std::size_t>(h);
    }
};

struct Nachschlag {
    std::string stempel;
    std::unordered_map<std::string, Feldformat, NamenHash, std::equal_to<>> formate;
    // The name asked last and its format (cells of one column follow each other).
    std::string letzterName;
    Feldformat letztesFormat;
    bool letzterGültig = false;
};

constexpr std::size_t Nachschläge = 4;

} // namespace

Spaltenliste::Spaltenliste() { Leeren(); }

void Spaltenliste::Leeren() {
    einträge_.clear();
    einträge_.emplace_back(std::string(), neuerStempel());
}

void Spaltenliste::SpalteRegistrieren(const Steuerelement& steuerelement, std::string code) {
    SpalteRegistrieren(steuerelement.Name, std::move(code));
}

void Spaltenliste::SpalteRegistrieren(std::string name, std::string code) {
    einträge_.emplace_back(std::move(name), std::move(code));
    einträge_.front().second = neuerStempel();
}

Feldformat Spaltenliste::FeldFormatLesen(std::string_view name) const {
    if (einträge_.empty()) return {}; // a table moved away holds nothing
    thread_local std::array<Nachschlag, Nachschläge> nachschläge;
    thread_local std::size_t zuletzt = 0, nächster = 0;

    const std::string& stempel = einträge_.front().second;
    if (nachschläge[zuletzt].stempel != stempel) {
        std::size_t k = 0;
        while (k < Nachschläge && nachschläge[k].stempel != stempel) ++k;
        if (k == Nachschläge) {
            // Not kept: decode this table, in place of the one kept longest.
            k = nächster;
            nächster = (nächster + 1) % Nachschläge;
            Nachschlag& neu = nachschläge[k];
            neu.stempel = stempel;
            neu.formate.clear();
            neu.letzterGültig = false;
            for (std::size_t i = 1; i < einträge_.size(); ++i)
                neu.formate.try_emplace(einträge_[i].first, Feldformat::Dekodieren(einträge_[i].second));
        }
        zuletzt = k;
    }
    Nachschlag& n = nachschläge[zuletzt];
    if (n.letzterGültig && n.letzterName == name) return n.letztesFormat;
    auto it = n.formate.find(name);
    n.letzterName.assign(name);
    n.letztesFormat = it == n.formate.end() ? Feldformat{} : it->second;
    n.letzterGültig = true;
    return n.letztesFormat;
}

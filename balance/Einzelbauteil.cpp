#include "balance/Einzelbauteil.h"

#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"

#include <string_view>
#include <vector>

namespace {

// Code | new-building limit | new-building target | conversion limit |
// conversion target | limit without thermal-bridge proof (W/m²K).
constexpr std::string_view UZeilen[] = {
    "A1 |.17|.10 |.25|.10 |.17",
    "B1 |.17|.10 |.25|.10 |.17",
    "C1 |.17|.10 |.25|.10 |.17",
    "D1 |1.0|.80 |1.0|.80 |1.0",
    "E1 |1.2|.80 |1.2|.80 |1.2",
    "F1 |1.7|.80 |1.7|.80 |1.7",
    "B5 |.50|.50 |.50|.50 |.50",
    "A2 |.25|.10 |.28|.10 |.25",
    "B2 |.25|.10 |.28|.10 |.25",
    "C2 |.25|.10 |.28|.10 |.25",
    "D2 |1.3|.80 |1.3|.80 |1.3",
    "E2 |1.5|.80 |1.5|.80 |1.5",
    "F2 |2.0|.80 |2.0|.80 |2.0",
    "B6 |.50|.50 |.50|.50 |.50",
    "A3 |.17|.10 |.25|.10 |.17",
    "B3 |.17|.10 |.25|.10 |.17",
    "C3 |.17|.10 |.25|.10 |.17",
    "D3 |1.0|.80 |1.0|.80 |1.0",
    "A4 |.25|.10 |.28|.10 |.25",
    "B4 |.25|.10 |.28|.10 |.25",
    "C4 |.25|.10 |.28|.10 |.25",
    "D4 |1.3|.80 |1.3|.80 |1.3",
};

// Code | limit | target | description (W/mK for L, W/K for P).
constexpr std::string_view WBZeilen[] = {
    "L1|.3|.3|Auskragung (Balkon, Vordach usw.)",
    "L2|.2|.2|Unterbrechung der Wärmedämmschicht (Wand, Decke)",
    "L3|.2|.2|Unterbrechung der Wärmedämmschicht (Gebäudekanten)",
    "L5|.15|.15|Fensteranschlag",
    "P1|.3|.3|Punktuelle Durchdringung der Wärmedämmung",
};

std::vector<std::string_view> teilen(std::string_view text) {
    std::vector<std::string_view> teile;
    std::size_t start = 0;
    while (true) {
        auto pos = text.find('|', start);
        teile.push_back(text.substr(start, pos == std::string_view::npos ? std::string_view::npos : pos - start));
        if (pos == std::string_view::npos) break;
        start = pos + 1;
    }
    return teile;
}


double zahl(const std::vector<std::string_view>& teile, std::size_t i) {
    return i < teile.size() ? ZahlLesenDbl(teile[i]) : 0.0;
}

} // namespace

namespace Global {
::Einzelbauteil Einzelbauteil;
} // namespace Global

Einzelbauteil::Einzelbauteil() {
    static_assert(std::size(UZeilen) == AnzahlU && std::size(WBZeilen) == AnzahlWB);
    for (int i = 0; i < AnzahlU; ++i) {
        auto t = teilen(UZeilen[i]);
        u_[i].Code = basZIRVO_Format::TextTrimmen(t[0]);
        u_[i].NeubauGrenzwert = zahl(t, 1);
        u_[i].NeubauZielwert = zahl(t, 2);
        u_[i].UmbauGrenzwert = zahl(t, 3);
        u_[i].UmbauZielwert = zahl(t, 4);
        u_[i].GrenzwertOhneWBNachweis = zahl(t, 5);
    }
    for (int i = 0; i < AnzahlWB; ++i) {
        auto t = teilen(WBZeilen[i]);
        wb_[i].Code = basZIRVO_Format::TextTrimmen(t[0]);
        wb_[i].Grenzwert = zahl(t, 1);
        wb_[i].Zielwert = zahl(t, 2);
        wb_[i].Beschreibung = t.size() > 3 ? std::string(t[3]) : std::string();
    }
}

std::int32_t Einzelbauteil::Index(const std::string& Code) const {
    if (Code.empty()) return -1;
    std::string c = Code;
    if (!c.empty() && c.back() == '*') c.pop_back();
    if (!c.empty() && c.back() == 'u') c.pop_back();
    for (int i = 0; i < AnzahlU; ++i)
        if (u_[i].Code == c) return i;
    for (int i = 0; i < AnzahlWB; ++i)
        if (wb_[i].Code == c) return IndexWB + i;
    return -1;
}

std::int32_t Einzelbauteil::GrTyp(const std::string& Code) const {
    if (Code.empty()) return 0;
    if (Code.back() == '*') return 2;
    if (Code.back() == 'u') return 1;
    return 0;
}

std::string Einzelbauteil::Code(std::int32_t Index, std::int32_t GrTyp) const {
    if (Index >= 0 && Index < AnzahlU) {
        std::string c = u_[Index].Code;
        if (GrTyp == 1) c += 'u';
        else if (GrTyp == 2) c += '*';
        return c;
    }
    if (Index >= IndexWB && Index < IndexWB + AnzahlWB) return wb_[Index - IndexWB].Code;
    return {};
}

std::string Einzelbauteil::Text(std::int32_t Index) const {
    if (Index >= 0 && Index < AnzahlU) {
        std::string t = BauteilTyp(u_[Index].Code) + " " + BauteilGegen(u_[Index].Code);
        while (!t.empty() && t.back() == ' ') t.pop_back();
        return t;
    }
    if (Index >= IndexWB && Index < IndexWB + AnzahlWB) return DS(wb_[Index - IndexWB].Beschreibung);
    return {};
}

double Einzelbauteil::Grenzwert(std::int32_t Index, std::int32_t GrTyp) const {
    if (Index >= 0 && Index < AnzahlU) {
        const UZeile& z = u_[Index];
        switch (GrTyp) {
        case 0: return z.NeubauGrenzwert;
        case 1: return z.UmbauGrenzwert;
        case 2: return z.GrenzwertOhneWBNachweis;
        default: return 0.0;
        }
    }
    if (Index >= IndexWB && Index < IndexWB + AnzahlWB) return wb_[Index - IndexWB].Grenzwert;
    return 0.0;
}

double Einzelbauteil::Zielwert(std::int32_t Index, std::int32_t GrTyp) const {
    if (Index >= 0 && Index < AnzahlU) {
        const UZeile& z = u_[Index];
        switch (GrTyp) {
        case 0: return z.NeubauZielwert;
        case 1: return z.UmbauZielwert;
        default: return 0.0;
        }
    }
    if (Index >= IndexWB && Index < IndexWB + AnzahlWB) return wb_[Index - IndexWB].Zielwert;
    return 0.0;
}

std::string Einzelbauteil::BauteilTyp(const std::string& Code) const {
    if (Code.empty()) return {};
    if (Code.compare(0, 2, "B5") == 0 || Code.compare(0, 2, "B6") == 0) return DS("Storenkasten");
    switch (Code[0]) {
    case 'A': return DS("Dach");
    case 'B': return DS("Wand");
    case 'C': return DS("Boden");
    case 'D': return DS("Fenster, Fenstertüre");
    case 'E': return DS("Türe");
    case 'F': return DS("Tor (gemäss SIA 343)");
    case 'L': return DS("Längenbezogene Wärmebrücke");
    case 'P': return DS("Punktbezogene Wärmebrücke");
    default: return {};
    }
}

std::string Einzelbauteil::BauteilGegen(const std::string& Code) const {
    std::string t;
    char zweites = Code.size() > 1 ? Code[1] : '\0';
    switch (zweites) {
    case '1':
    case '3':
    case '5': t = DS("gegen Aussenluft"); break;
    case '2':
    case '4':
    case '6':
        if (Code[0] == 'A' || Code[0] == 'B' || Code[0] == 'C')
            t = DS("gegen unbeheizte Räume oder Erdreich");
        else
            t = DS("gegen unbeheizte Räume");
        break;
    default: break;
    }
    if (zweites == '3' || zweites == '4') t += " (" + DS("mit Flächenheizung") + ")";
    if (t.empty()) t = "?";
    return t;
}

bool Einzelbauteil::BauteilCodeIstFenster(const std::string& Code) const {
    if (Code.empty()) return false;
    char c = Code[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return c == 'D' || c == 'E' || c == 'F';
}

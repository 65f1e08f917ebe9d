// Limit and target values of single components: U-values of opaque
// components, windows, doors, gates and roller-shutter boxes, and the
// values of linear and point thermal bridges.
//
// A component code such as "B2" names the component type (first letter)
// and its situation (second character); a trailing "u" asks for the values
// of a conversion, a trailing "*" for the limit without thermal-bridge proof.
// Every value is held as the double of its decimal text, so that an entered
// U-value of 1.30 compares equal to a limit of 1.3.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class Einzelbauteil {
public:
    Einzelbauteil();

    // 0..21 for the U table, 100..104 for the thermal bridges, -1 when
    // the code is empty or unknown. Codes are compared case-sensitively.
    std::int32_t Index(const std::string& Code) const;
    // 2 for a trailing "*", 1 for a trailing "u", else 0.
    std::int32_t GrTyp(const std::string& Code) const;
    // The row's code; U rows get the suffix of the limit type, bridges none.
    std::string Code(std::int32_t Index, std::int32_t GrTyp) const;
    std::string Text(std::int32_t Index) const;
    double Grenzwert(std::int32_t Index, std::int32_t GrTyp) const;
    double Zielwert(std::int32_t Index, std::int32_t GrTyp) const;
    std::string BauteilTyp(const std::string& Code) const;
    std::string BauteilGegen(const std::string& Code) const;
    bool BauteilCodeIstFenster(const std::string& Code) const;

private:
    static constexpr int AnzahlU = 22;
    static constexpr int AnzahlWB = 5;
    static constexpr std::int32_t IndexWB = 100;

    struct UZeile {
        std::string Code;
        double NeubauGrenzwert = 0;
        double NeubauZielwert = 0;
        double UmbauGrenzwert = 0;
        double UmbauZielwert = 0;
        double GrenzwertOhneWBNachweis = 0;
    };
    struct WBZeile {
        std::string Code;
        std::string Beschreibung; // passes through DS when it is shown
        double Grenzwert = 0;
        double Zielwert = 0;
    };
    std::array<UZeile, AnzahlU> u_;
    std::array<WBZeile, AnzahlWB> wb_;
};

namespace Global {
// The program's table of single-component limits.
extern ::Einzelbauteil Einzelbauteil;
} // namespace Global

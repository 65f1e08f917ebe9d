// Shading factors of a window: fS1 for the horizon, fS2 for an overhang
// and fS3 for side fins, by the window's compass orientation. The tables
// hold one row for south, one shared by east and west and one for north;
// the diagonal and intermediate orientations are formed from them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Linear interpolation in the standard's tables, whose axes and rows are
// texts of blank-separated numbers with "." as decimal point.
namespace Tabelleninterpolation {

// The numbers of a text row.
std::vector<double> Zahlen(std::string_view text);

// x on the axis X with the values Y: the first interval whose upper axis
// value is not below x; 0 beyond the last axis value, and 0 for empty or
// unequal rows.
double Interpolieren(const std::vector<double>& X, const std::vector<double>& Y, double x);
double Interpolieren(std::string_view X, std::string_view Y, double x);

} // namespace Tabelleninterpolation

class Verschattungsfaktor {
public:
    // Horizon factor for the horizon angle α in degrees.
    double fS1(const std::string& Orientierung, double Alpha) const;
    // Overhang and side-fin factor fS2·fS3 for the overhang angle β and the
    // fin angles γ left and right, as seen from inside the room.
    double fS23(const std::string& Orientierung, double Beta, double GammaL, double GammaR) const;
    // fS1 of an entered horizon angle; "-" means no horizon (1); 0 marks an
    // invalid entry.
    double fS1_Parse(const std::string& Winkeltext, const std::string& Orientierung) const;
    // fS2·fS3 of an entered list "β,γl,γr"; "-" means no shading (1); 0
    // marks an invalid entry. The two factors come back in fS2 and fS3.
    double fS23_Parse(const std::string& Winkeltext, const std::string& Orientierung, double& fS2,
                      double& fS3) const;

    // The program's instance, created on first use.
    static Verschattungsfaktor& Instanz();
};

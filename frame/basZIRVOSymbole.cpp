#include "frame/basZIRVOSymbole.h"

namespace basZIRVOSymbole {

std::string SymbolAngekreuzt;
std::string SymbolNichtAngekreuzt;
std::string SymbolDelta;
std::string SymbolTheta;
std::string SymbolEta;
std::string SymbolChi;
std::string SymbolPsi;

void SymbolZeichen(bool Einfach) {
    if (Einfach) {
        SymbolAngekreuzt = "(*)";
        SymbolNichtAngekreuzt = "( )";
        SymbolDelta = "Delta";
        SymbolTheta = "theta";
        SymbolEta = "eta";
        SymbolChi = "chi";
        SymbolPsi = "psi";
    } else {
        SymbolAngekreuzt = "÷1";
        SymbolNichtAngekreuzt = "÷0";
        SymbolDelta = "÷D";
        SymbolTheta = "÷h";
        SymbolEta = "÷g";
        SymbolChi = "÷w";
        SymbolPsi = "÷x";
    }
}

} // namespace basZIRVOSymbole

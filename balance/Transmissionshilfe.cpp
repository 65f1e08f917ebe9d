#include "balance/Transmissionshilfe.h"

#include "balance/Anzeigezahl.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "mainwindow/frmZIRVO3801.h"

#include <algorithm>
#include <cmath>

namespace Transmissionshilfe {

int Codespalte(std::string_view code, std::string_view codes) {
    if (code.size() != 1) return -1;
    std::size_t pos = codes.find(code[0]);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

int Zeilenzahl(const frmZIRVO3801& f, std::int16_t tabelle, int zellen) {
    std::int16_t erste = 0, sichtbar = 0, zeilen = 0;
    f.TabelleEigenschaften(tabelle, erste, sichtbar, zeilen);
    return std::clamp<int>(zeilen, 0, zellen);
}

bool Fehler(std::string text, Steuerelement* zelle) {
    Eingabefehler.Setzen(std::move(text), zelle);
    return true;
}

bool UWertNegativ(double U, int zeile, std::int16_t Bt, std::string_view vorlageElement, Steuerelement& nummer,
                  Steuerelement& uZelle) {
    if (!(U < 0)) return false;
    const std::string wert = Anzeigezahl::Zahltext(U);
    if (Bt != 0)
        return Fehler(basZIRVOFehler::Zeilenangabe(zeile) + DSFormat2(vorlageElement, wert, std::to_string(Bt)),
                      &nummer);
    return Fehler(basZIRVOFehler::Zeilenangabe(zeile) + DSFormat("Der U-Wert (@) darf nicht negativ sein.", wert),
                  &uZelle);
}

bool UWertFehlt(double U, int zeile, std::int16_t Bt, std::string_view vorlageElement, Steuerelement& nummer,
                Steuerelement& uZelle) {
    if (U != 0) return false;
    if (Bt != 0)
        return Fehler(basZIRVOFehler::Zeilenangabe(zeile) + DSFormat(vorlageElement, std::to_string(Bt)), &nummer);
    return Fehler(basZIRVOFehler::Zeilenangabe(zeile) + DS("Der U-Wert fehlt."), &uZelle);
}

double Mittelwert(double summe, double fläche) {
    if (fläche == 0) return 0;
    double m = summe / fläche;
    return std::isfinite(m) ? m : 0;
}

} // namespace Transmissionshilfe

// The full printout of the system proof and what its sections share.
#include "printing/Berichtshilfen.h"

#include "balance/frmQh.h"
#include "mainwindow/frmZIRVO3801.h"
#include "printing/Musterprojekt.h"
#include "proofs/frmNachweis3801.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <cmath>

namespace Berichtshilfen {

void ZoneRechnen(std::int16_t i) {
    Global::Projekt.SetNZone(i);
    // A reference project carries its results.
    if (Musterprojekt::Aktiv()) return;
    Global::frmZIRVO3801.ProjektZoneEinlesen();
    Global::frmQh.Einlesen();
}

double Grenzwert(double HgNw) {
    const Projekt& p = Global::Projekt;
    return frmNachweis3801::Grenzwert(HgNw, p.PGetInt("BvArt"), p.PGetInt("NwAnf"));
}

int Codezellen(Drucken& d, std::string& code, bool bold, int breite, int höchstens) {
    const double b = d.Markupbreite(code, bold);
    if (b <= breite * d.Zellenbreite()) return 0;
    const int zellen = std::min(höchstens, static_cast<int>(std::ceil(b / d.Zellenbreite())));
    if (zellen == höchstens) code = d.Umbrechen(code, höchstens, bold, 1).front();
    return zellen;
}

void CodeDrucken(Drucken& d, int row, int spalte, int breite, int zellen, const std::string& code, bool bold) {
    if (zellen > 0) d.Text(row, spalte + breite - zellen, code, bold, true, zellen);
    else d.Text(row, spalte, code, bold);
}

} // namespace Berichtshilfen

bool ZIRVO3801Drucken::Nachweis_Systemnachweis(bool auchUngenutzte) {
    SeitentitelSetzen();
    bool failed = false;
    Titelblatt(false, failed);
    if (failed) return true;
    drucken_.NewPage();
    Zusammenfassung(failed);
    if (failed) return true;
    drucken_.NewPage();
    Protokoll(failed);
    if (failed) return true;
    drucken_.NewPage();
    Bauteile(auchUngenutzte, failed);
    if (failed) return true;
    drucken_.SkipRows(1);
    AusdruckEnde();
    return false;
}

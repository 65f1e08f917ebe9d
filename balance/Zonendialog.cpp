#include "balance/Zonendialog.h"

#include "project/ProjektGlobal.h"

bool Zonendialog::ZoneGeladen() const {
    const Projekt& p = Global::Projekt;
    return zoneGültig_ && zone_ == p.GetNZone() && zone_ >= 0 && zone_ < p.ZonenAnzahl() &&
           strukturstand_ == p.Strukturstand();
}

void Zonendialog::ZoneMerken() {
    const Projekt& p = Global::Projekt;
    zone_ = p.GetNZone();
    strukturstand_ = p.Strukturstand();
    zoneGültig_ = true;
}

#include "balance/Zonendialog.h"

#include "frame/Statusmeldung.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
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

void Zonendialog::ZoneLadenBeginnen(std::int16_t tabelle) {
    const Projekt& p = Global::Projekt;
    Eingabefehler.Beginnen(p.GetNZone(), tabelle);
    ZoneVergessen();
    EBF_ = p.ZGetNum("EBF");
    EBF0_ = p.ZGetNum("EBF0");
}

bool Zonendialog::ZoneNichtLadbar(std::string_view text) {
    Eingabefehler.Setzen(DS(text), nullptr);
    FelderLeeren();
    EBF_ = EBF0_ = 0;
    return true;
}

bool Zonendialog::ErgebnisHinweisen(bool fehler, bool sichtbar) {
    if (!fehler) {
        Statusmeldung::Zurücknehmen(hinweis_);
        hinweis_.clear();
    } else if (sichtbar) {
        hinweis_ = Eingabefehler.Text;
        Statusmeldung::Melden(hinweis_);
    }
    return fehler;
}

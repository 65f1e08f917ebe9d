#include "frame/basZIRVOFehler.h"

#include "frame/Plattform.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"

namespace basZIRVOFehler {

EingabefehlerDaten Eingabefehler;

void EingabefehlerDaten::Beginnen(std::int16_t zone, std::int16_t tabelle) {
    Art = ArtFehler;
    Zone = zone;
    Tabelle = tabelle;
    Nummer = 0;
    Steuerelement = nullptr;
}

void EingabefehlerDaten::Setzen(std::string text, ::Steuerelement* element) {
    Text = std::move(text);
    Steuerelement = element;
}

std::string Titel(const std::string& artwort) {
    return basZIRVO3801::Herstellerbezeichnung + " ZIRVO:  " + artwort;
}

std::string Meldungstext(const EingabefehlerDaten& f) {
    std::string text = f.Text;
    if (f.Nummer != 0) text += "\n\n" + DS("Fehlernummer") + ":  " + std::to_string(f.Nummer);
    return text;
}

void FehlerMelden() {
    using Plattform::Symbol;
    std::string wort;
    Symbol symbol;
    switch (Eingabefehler.Art) {
    case ArtFehler: wort = DS("Fehler"); symbol = Symbol::Fehler; break;
    case ArtWarnung: wort = DS("Warnung"); symbol = Symbol::Warnung; break;
    case ArtHinweis: wort = DS("Hinweis"); symbol = Symbol::Information; break;
    default: return;
    }
    Plattform::meldungen().Zeigen(Meldungstext(Eingabefehler), Titel(wort), symbol, Plattform::Knöpfe::OK);
}

} // namespace basZIRVOFehler

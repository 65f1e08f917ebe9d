#include "frame/basZIRVOFehler.h"

#include "frame/Plattform.h"
#include "frame/Steuerelemente.h"
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

std::string Zeilenangabe(int zeile) { return DSFormat("Zeile @: ", std::to_string(zeile + 1)); }

std::string Statustext(const EingabefehlerDaten& f) {
    std::string text;
    for (std::size_t i = 0; i < f.Text.size(); ++i) {
        if (f.Text[i] == '\r' && i + 1 < f.Text.size() && f.Text[i + 1] == '\n') continue;
        if (f.Text[i] == '\r' || f.Text[i] == '\n') text += " – ";
        else if (f.Text[i] != ' ' || !text.ends_with(' ')) text += f.Text[i];
    }
    if (f.Steuerelement && f.Steuerelement->Index >= 0) {
        const std::string zeile = Zeilenangabe(f.Steuerelement->Index);
        if (!text.starts_with(zeile)) text = zeile + text;
    }
    return text;
}

void FehlerMelden(const std::string& Ort) {
    using Plattform::Symbol;
    std::string wort;
    Symbol symbol;
    switch (Eingabefehler.Art) {
    case ArtFehler: wort = DS("Fehler"); symbol = Symbol::Fehler; break;
    case ArtWarnung: wort = DS("Warnung"); symbol = Symbol::Warnung; break;
    case ArtHinweis: wort = DS("Hinweis"); symbol = Symbol::Information; break;
    default: return;
    }
    const std::string text = Meldungstext(Eingabefehler);
    Plattform::meldungen().Zeigen(Ort.empty() ? text : Ort + "\n\n" + text, Titel(wort), symbol,
                                  Plattform::Knöpfe::OK);
}

} // namespace basZIRVOFehler

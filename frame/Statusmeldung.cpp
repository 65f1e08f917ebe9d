#include "frame/Statusmeldung.h"

#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"

namespace Statusmeldung {

std::function<void(const std::string&)> Anzeigen;

namespace {

std::string letzte;

bool Ziffer(char c) { return c >= '0' && c <= '9'; }

} // namespace

void Melden(const std::string& text) {
    letzte = text;
    if (Anzeigen) Anzeigen(text);
}

const std::string& Letzte() { return letzte; }

void Zurücknehmen(const std::string& text) {
    if (!text.empty() && letzte.find(text) != std::string::npos) Melden(std::string());
}

bool IstZahl(std::string_view text) {
    const std::string t = basZIRVO_Format::TextTrimmen(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool ziffer = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (Ziffer(c)) ziffer = true;
        else if (c != '.' && c != ',' && c != '\'') break;
    }
    if (!ziffer) return false;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (i == t.size()) return false;
        while (i < t.size() && Ziffer(t[i])) ++i;
    }
    return i == t.size();
}

void ZahlfeldVerlassen(std::string_view getippt, std::string_view angezeigt) {
    const std::string text = Zahlfeldhinweis(getippt, angezeigt);
    if (!text.empty()) Melden(text);
}

std::string Zahlfeldhinweis(std::string_view getippt, std::string_view angezeigt) {
    const std::string typ = basZIRVO_Format::TextTrimmen(getippt);
    if (typ.empty() || IstZahl(typ)) return {};
    const std::string jetzt = basZIRVO_Format::TextTrimmen(angezeigt);
    // Put together piece by piece: the typed text may hold any character.
    std::string text = DS("Keine Zahl") + ": " + std::string(typ) + " – ";
    if (jetzt.empty()) text += DS("Eingabe verworfen");
    else text += DS("gelesen als") + " " + std::string(jetzt);
    return text;
}

} // namespace Statusmeldung

#include "printing/Druckzeichen.h"

#include "frame/Windows1252.h"
#include "frame/basZIRVODialogSprache.h"
#include "printing/Druckeinstellungen.h"

namespace Druckzeichen {

namespace {

// The first character of the set that the face of w lacks, upright or bold;
// 0 when it has them all.
char32_t Fehlendes(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, const std::u32string& zeichen) {
    for (const bool fett : {false, true}) {
        f.Schrift({w.Schrift, w.Grösse, fett});
        if (const char32_t z = f.FehlendesZeichen(zeichen)) return z;
    }
    return 0;
}

} // namespace

std::u32string Zeichen() {
    std::u32string z;
    for (char32_t c = U'A'; c <= U'Z'; ++c) z += c;
    for (char32_t c = U'a'; c <= U'z'; ++c) z += c;
    z += U"ÄÖÜäöüàâçéèêëîïôùûìò";
    for (char32_t c = U'0'; c <= U'9'; ++c) z += c;
    for (char32_t c = U'!'; c <= U'~'; ++c)
        if (!(c >= U'0' && c <= U'9') && !(c >= U'A' && c <= U'Z') && !(c >= U'a' && c <= U'z')) z += c;
    z += U"²³°·…–«»";
    return z;
}

std::string Text(char32_t zeichen) {
    std::string s;
    Windows1252::Anhängen(s, zeichen);
    return s;
}

std::string Fehler(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w) {
    const char32_t z = Fehlendes(f, w, Zeichen());
    if (!z) return {};
    return DSFormat2("Die Schrift @ hat kein eigenes Zeichen für «@»: die Ausdrucke würden damit in fremden "
                     "Zeichen gedruckt.",
                     w.Schrift, Text(z)) +
           " " + DS("Bitte wählen Sie eine andere Schrift.");
}

} // namespace Druckzeichen

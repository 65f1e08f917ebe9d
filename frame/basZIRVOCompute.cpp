#include "frame/basZIRVOCompute.h"

#include "frame/Steuerelemente.h"
#include "frame/Windows1252.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"

#include <cmath>
#include <cstddef>

namespace basZIRVOCompute {

namespace {

constexpr std::size_t MaxKlammergruppen = 8;

// The longest formula text shown in an error message, in characters; a
// longer one is cut there and marked, so that a pasted novel cannot lock up
// the message box.
constexpr std::size_t MaxAngezeigteZeichen = 250;

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }
bool IstZahlzeichen(char c) { return IstZiffer(c) || c == '.' || c == ','; }

bool IstFormelzeichen(char c) {
    return IstZahlzeichen(c) || c == '+' || c == '-' || c == '*' || c == '/' || c == '(' || c == ')' || c == ' ';
}

// The count of significant digits before the decimal separator of an operand
// text (sign, digits, "." and ","), by the separator rule of the input form.
std::size_t Ganzzahlstellen(std::string_view zahl) {
    char trenner = '.';
    bool kommaIstTrenner = zahl.find(',') != std::string_view::npos;
    if (basVB6NumCvt::KommaEingabe && kommaIstTrenner) trenner = ',';
    std::size_t stellen = 0;
    for (char c : zahl) {
        if (c == trenner) break;
        if (!basVB6NumCvt::KommaEingabe && c == ',') break; // the plain scan stops at a comma
        if (!IstZiffer(c)) continue;
        if (stellen == 0 && c == '0') continue;
        ++stellen;
    }
    return stellen;
}

// Whether a number read from an operand text lies beyond the Double range.
// A reader may answer such a text with an infinite value or with some
// finite stand-in; the count of its digits settles it either way.
bool Übergelaufen(std::string_view zahl, double wert) {
    if (!std::isfinite(wert)) return true;
    std::size_t stellen = Ganzzahlstellen(zahl);
    if (stellen > 309) return true;                 // at least 1E309
    if (stellen == 309) return std::fabs(wert) < 1e308; // the reader gave up on it
    return false;
}

// Reads one operand from pos: a slot letter, or a number with an optional
// sign directly in front of it.
std::int16_t OperandLesen(std::string_view f, std::size_t& pos, const Formelspeicher& speicher, double& x) {
    if (pos >= f.size()) return FormelSyntaxfehler;
    while (pos < f.size() && f[pos] == ' ') ++pos;
    if (pos >= f.size()) return FormelSyntaxfehler;
    char c = f[pos];
    if (c >= 'A' && c <= 'Z') {
        std::size_t i = static_cast<std::size_t>(c - 'A');
        if (i >= speicher.size()) return FormelSyntaxfehler;
        x = speicher[i];
        ++pos;
        return FormelOK;
    }
    std::size_t anfang = pos;
    if (c == '+' || c == '-') {
        ++pos;
        if (pos >= f.size()) return FormelSyntaxfehler;
    }
    while (pos < f.size() && IstZahlzeichen(f[pos])) ++pos;
    std::string_view zahl = f.substr(anfang, pos - anfang);
    if (zahl.empty() || zahl == "+" || zahl == "-") return FormelSyntaxfehler;
    x = ZahlLesen(zahl);
    if (Übergelaufen(zahl, x)) return FormelÜberlauf;
    return FormelOK;
}

// Reads the operator after an operand: '\0' at the end of the text.
std::int16_t OperatorLesen(std::string_view f, std::size_t& pos, char& op) {
    while (pos < f.size() && f[pos] == ' ') ++pos;
    op = '\0';
    if (pos >= f.size()) return FormelOK;
    char c = f[pos];
    if (c == '+' || c == '-' || c == '*' || c == '/') {
        op = c;
        ++pos;
        return FormelOK;
    }
    return FormelSyntaxfehler;
}

bool Punktrechnung(char op) { return op == '*' || op == '/'; }

double Anwenden(double links, char op, double rechts) {
    switch (op) {
    case '+': return links + rechts;
    case '-': return links - rechts;
    case '*': return links * rechts;
    default: return links / rechts;
    }
}

// The formula as shown in a message: as typed, a very long one cut short.
std::string Anzeigeform(std::string_view formel) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < MaxAngezeigteZeichen && pos < formel.size(); ++n)
        Windows1252::NächstesZeichen(formel, pos);
    if (pos >= formel.size()) return std::string(formel);
    return std::string(formel.substr(0, pos)) + "\u2026";
}

} // namespace

std::int16_t FormelAusdruckBerechnen(std::string_view f, double& wert, const Formelspeicher& speicher) {
    // Values, newest first, and the pending operators (p1 the newer).
    double x1 = 0, x2 = 0, x3 = 0;
    char p1 = '\0', p2 = '\0', vorher = '\0';
    std::size_t pos = 0;
    for (;;) {
        x3 = x2;
        x2 = x1;
        if (auto e = OperandLesen(f, pos, speicher, x1)) return e;
        p2 = p1;
        p1 = vorher;
        char o;
        if (auto e = OperatorLesen(f, pos, o)) return e;
        int anwenden = (o == '\0' || o == '+' || o == '-') ? 2 : (Punktrechnung(p1) ? 1 : 0);
        for (; anwenden > 0 && p1 != '\0'; --anwenden) {
            if (p1 == '/' && x1 == 0) return FormelDivisionDurchNull;
            x1 = Anwenden(x2, p1, x1);
            if (!std::isfinite(x1)) return FormelÜberlauf;
            x2 = x3;
            p1 = p2;
            p2 = '\0';
        }
        if (o == '\0') {
            wert = x1;
            return FormelOK;
        }
        vorher = o;
    }
}

std::int16_t FormelKlammernAuflösen(std::string_view formel, double& wert) {
    std::string f(formel);
    Formelspeicher speicher{};
    std::size_t k = 0;
    std::size_t offen = 0;
    bool offenGesehen = false; // a "(" met since this scan began
    std::size_t i = 0;
    while (i < f.size()) {
        char c = f[i];
        if (c == '(') {
            if (k == MaxKlammergruppen) return FormelZuVieleKlammern;
            offen = i;
            offenGesehen = true;
        } else if (c == ')') {
            // A ")" before any "(" (brackets in the wrong order, such as
            // 1)(2) has no group to close.
            if (!offenGesehen) return FormelSyntaxfehler;
            std::string_view innen = std::string_view(f).substr(offen + 1, i - offen - 1);
            if (auto e = FormelAusdruckBerechnen(innen, wert, speicher)) return e;
            speicher[k] = wert;
            f[offen] = static_cast<char>('A' + k);
            f.erase(offen + 1, i - offen);
            ++k;
            i = 0;
            offenGesehen = false;
            continue;
        }
        ++i;
    }
    return FormelAusdruckBerechnen(f, wert, speicher);
}

std::int16_t FormelBerechnen(std::string_view formel, double& wert) {
    std::string_view f = formel;
    if (auto bemerkung = f.find('\''); bemerkung != std::string_view::npos) {
        f = f.substr(0, bemerkung);
        while (!f.empty() && f.back() == ' ') f.remove_suffix(1);
    }
    long long tiefe = 0;
    for (char c : f) {
        if (!IstFormelzeichen(c)) return FormelUngültigeZeichen;
        if (c == '(') ++tiefe;
        else if (c == ')') --tiefe;
    }
    if (tiefe > 0) return FormelLinkeKlammerZuviel;
    if (tiefe < 0) return FormelRechteKlammerZuviel;
    return FormelKlammernAuflösen(f, wert);
}

std::string FormelFehlerText(std::int16_t fehler) {
    switch (fehler) {
    case FormelSyntaxfehler: return DS("Syntaxfehler");
    case FormelUngültigeZeichen: return DS("Ungültige Zeichen");
    case FormelLinkeKlammerZuviel: return DS("Linke Klammer zuviel");
    case FormelRechteKlammerZuviel: return DS("Rechte Klammer zuviel");
    case FormelDivisionDurchNull: return DS("Division durch Null");
    case FormelZuVieleKlammern: return DS("Zu viele Klammern (höchstens acht Klammerpaare)");
    case FormelÜberlauf: return DS("Zahl zu gross (Überlauf)");
    default: return "";
    }
}

std::int16_t FormelAuswerten(TextBox& box, double& wert) {
    const std::string& t = box.Text();
    std::size_t p = t.find('{');
    if (p == std::string::npos) return 0;
    std::size_t q = t.find('}', p + 1);
    std::string_view formel = std::string_view(t).substr(p + 1, q == std::string::npos ? std::string::npos : q - p - 1);
    std::int16_t e = FormelBerechnen(formel, wert);
    if (e == FormelOK) return -1;
    Eingabefehler.Art = basZIRVOFehler::ArtFehler;
    Eingabefehler.Steuerelement = &box;
    Eingabefehler.Text = DSFormat("Formel:  @", Anzeigeform(formel)) + "\r\n" + DS("Fehler") + ":  " + FormelFehlerText(e);
    return 1;
}

} // namespace basZIRVOCompute

// Writing side of the tagged text document, its scrambling and its files.
#include "project/Sdbase.h"

#include "frame/Dateien.h"
#include "frame/Windows1252.h"
#include "frame/basVB6NumCvt.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>

namespace {

constexpr std::size_t Schrittlänge = 16000; // growth of the output buffers
constexpr std::size_t Zeilenlänge = 76;     // longest line of a document file
constexpr std::int32_t Fremdbasis = -2147221504;   // 0x80040000: base of errors of a class
constexpr std::int32_t Dateizugriffsfehler = 75; // the write of a document file failed

bool Großbuchstabe(char c) { return c >= 'A' && c <= 'Z'; }
bool Kleinbuchstabe(char c) { return c >= 'a' && c <= 'z'; }
bool Namenszeichen(char c) {
    return Großbuchstabe(c) || Kleinbuchstabe(c) || (c >= '0' && c <= '9') || c == '_';
}

bool GleichOhneFall(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (Kleinbuchstabe(x)) x = static_cast<char>(x - 'a' + 'A');
        if (Kleinbuchstabe(y)) y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

// Grows a buffer of blanks in steps until the piece fits at pos, copies it in.
void Einfügen(std::string& puffer, std::size_t& pos, std::string_view stück) {
    if (pos + stück.size() > puffer.size()) {
        std::size_t fehlt = pos + stück.size() - puffer.size();
        puffer.resize(puffer.size() + (fehlt + Schrittlänge - 1) / Schrittlänge * Schrittlänge, ' ');
    }
    puffer.replace(pos, stück.size(), stück);
    pos += stück.size();
}

// The value of a text item as it stands in the document.
std::string Maskiert(std::string_view utf8, std::size_t& ersetzt) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string aus;
    aus.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t z = Windows1252::NächstesZeichen(utf8, pos);
        if (z == 0) continue;
        if (z >= 32 && z <= 122) {
            aus += static_cast<char>(z);
            continue;
        }
        auto code = Windows1252::Code(z);
        if (!code) {
            // No such character in the code page (or broken UTF-8).
            aus += '?';
            ++ersetzt;
            continue;
        }
        aus += '~';
        aus += Hex[*code >> 4];
        aus += Hex[*code & 0x0F];
    }
    return aus;
}

// The text of a number item: sign, then the magnitude rounded to 12 decimals
// (half away from zero, on the number's shortest decimal form, so 123456.789
// stays 123456.789) without trailing zeros; empty when it rounds to 0 (or is
// not a finite number).
std::string Zahltext(double wert) {
    if (!std::isfinite(wert)) return {};
    std::array<char, 64> puffer{};
    auto [ende, fehler] =
        std::to_chars(puffer.data(), puffer.data() + puffer.size(), std::fabs(wert), std::chars_format::scientific);
    if (fehler != std::errc()) return {};
    // d.ddddde±XX: the digits, and the power of ten of the first one.
    std::string_view t(puffer.data(), static_cast<std::size_t>(ende - puffer.data()));
    std::size_t e = t.find('e');
    std::string ziffern;
    for (char c : t.substr(0, e))
        if (c != '.') ziffern += c;
    int exponent = 0;
    std::string_view ex = t.substr(e + 1);
    if (ex.front() == '+') ex.remove_prefix(1);
    std::from_chars(ex.data(), ex.data() + ex.size(), exponent);

    constexpr int Stellen = 12;
    const int ganz = std::max(exponent + 1, 1);              // digits before the point
    std::string fest(static_cast<std::size_t>(ganz + Stellen), '0');
    int rundung = 0;                                         // first digit dropped
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        int platz = ganz - 1 - exponent + static_cast<int>(i);
        if (platz < 0) continue;
        if (platz < ganz + Stellen) fest[static_cast<std::size_t>(platz)] = ziffern[i];
        else if (platz == ganz + Stellen) rundung = ziffern[i] - '0';
    }
    if (rundung >= 5) {
        int i = static_cast<int>(fest.size()) - 1;
        while (i >= 0 && fest[static_cast<std::size_t>(i)] == '9') fest[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) ++fest[static_cast<std::size_t>(i)];
        else fest.insert(fest.begin(), '1');
    }
    std::string_view f(fest);
    std::string_view vorn = f.substr(0, f.size() - Stellen), hinten = f.substr(f.size() - Stellen);
    while (vorn.size() > 1 && vorn.front() == '0') vorn.remove_prefix(1);
    while (!hinten.empty() && hinten.back() == '0') hinten.remove_suffix(1);
    if (vorn == "0" && hinten.empty()) return {};
    std::string aus;
    if (wert < 0) aus += '-';
    aus += vorn;
    if (!hinten.empty()) {
        aus += '.';
        aus += hinten;
    }
    return aus;
}

} // namespace

SdbaseFehler::SdbaseFehler(std::int32_t nummer, std::string quelle, std::string beschreibung)
    : std::runtime_error(beschreibung), Nummer(nummer), Quelle(std::move(quelle)),
      Beschreibung(std::move(beschreibung)) {}

Sdbase::Sdbase() = default;

std::int32_t Sdbase::LastError() const { return Fehler; }

// Object names: 1 to 30 characters (or none), a letter first, then letters,
// digits and "_", no reserved word; only inside a section. 0 when valid.
std::int32_t Sdbase::ObjektnameFehler(std::string_view name, std::int16_t zustand) {
    if (zustand != 2 && zustand != 4) return 4;
    if (name.size() > 30) return 5;
    if (!name.empty()) {
        if (!Großbuchstabe(name[0]) && !Kleinbuchstabe(name[0])) return 6;
        for (std::size_t i = 1; i < name.size(); ++i)
            if (!Namenszeichen(name[i])) return 6;
    }
    for (std::string_view reserviert : {"HEAD", "SDF", "BODY", "FILE", "OBJECT", "SCRIPT"})
        if (GleichOhneFall(name, reserviert)) return 7;
    return 0;
}

// Item names: one lowercase letter, or 2 to 30 characters with an uppercase
// letter first and letters, digits and "_" after it; only inside a section.
std::int32_t Sdbase::ItemnameFehler(std::string_view name, std::int16_t zustand) {
    if (zustand != 2 && zustand != 4) return 4;
    if (name.size() == 1) return Kleinbuchstabe(name[0]) ? 0 : 8;
    if (name.empty()) return 8;
    if (name.size() > 30) return 7;
    for (std::size_t i = 1; i < name.size(); ++i)
        if (!Namenszeichen(name[i])) return 6;
    return Großbuchstabe(name[0]) ? 0 : 8;
}

void Sdbase::Auslösen(std::int32_t code, const char* operation) {
    Fehler = code;
    throw SdbaseFehler(Fremdbasis + code, std::string("SDF.") + operation,
                       code == 11 ? "Diese Funktion kann an dieser Stelle nicht aufgerufen werden."
                                  : "Der angegebene Code ist ungültig.");
}

void Sdbase::Anhängen(std::string_view stück) { Einfügen(Text, Position, stück); }

void Sdbase::Schreiben(std::string_view a, std::string_view b, std::string_view c) {
    Anhängen(a);
    Anhängen(b);
    Anhängen(c);
}

void Sdbase::DocumentBegin() {
    if (Zustand != 0) Auslösen(11, "DocumentBegin");
    Text.assign(Schrittlänge, ' ');
    Position = 0;
    Anhängen("{SDF}");
    Zustand = 1;
}

void Sdbase::DocumentEnd() {
    if (Zustand != 5) Auslösen(11, "DocumentEnd");
    Anhängen("{~SDF}");
    Text.resize(Position);
    Zustand = 6;
}

void Sdbase::HeadBegin() {
    if (Zustand != 1) Auslösen(11, "HeadBegin");
    Offen.assign(1, "HEAD");
    Schreiben("{", "HEAD", "}");
    Zustand = 2;
}

void Sdbase::HeadEnd() {
    if (Zustand != 2 || Offen.size() != 1) Auslösen(11, "HeadEnd");
    Schreiben("{~", Offen[0], "}");
    Zustand = 3;
}

void Sdbase::BodyBegin() {
    if (Zustand != 3) Auslösen(11, "BodyBegin");
    Offen.assign(1, "BODY");
    Schreiben("{", "BODY", "}");
    Zustand = 4;
}

void Sdbase::BodyEnd() {
    if (Zustand != 4 || Offen.size() != 1) Auslösen(11, "BodyEnd");
    Schreiben("{~", Offen[0], "}");
    Zustand = 5;
}

void Sdbase::Object(std::string_view name) {
    if (ObjektnameFehler(name, Zustand) != 0) Auslösen(21, "Object");
    // A deeper document could not be read back: refuse to write it.
    if (Offen.size() > static_cast<std::size_t>(MaxTiefe)) Auslösen(11, "Object");
    Offen.emplace_back(name);
    Schreiben("{", name, "}");
}

void Sdbase::ObjectEnd(std::string_view name) {
    if (!name.empty() && ObjektnameFehler(name, Zustand) != 0) Auslösen(21, "ObjectEnd");
    // Only an open object can be closed here, never the section itself.
    if (Offen.size() < 2 || (Zustand != 2 && Zustand != 4)) Auslösen(11, "ObjectEnd");
    if (!name.empty() && name != Offen.back()) Auslösen(11, "ObjectEnd");
    Schreiben("{~", Offen.back(), "}");
    Offen.pop_back();
}

void Sdbase::ItemStr(std::string_view name, std::string_view value) {
    if (ItemnameFehler(name, Zustand) != 0) Auslösen(21, "ItemStr");
    std::string wert = Maskiert(value, ersetzt_);
    if (wert.empty()) return;
    Schreiben("|", name, name.size() == 1 ? "" : "=");
    Anhängen(wert);
}

void Sdbase::ItemNum(std::string_view name, double value) {
    if (Zustand != 2 && Zustand != 4) Auslösen(11, "ItemNum");
    if (ItemnameFehler(name, Zustand) != 0) Auslösen(21, "ItemNum");
    std::string wert = Zahltext(value);
    if (wert.empty()) return;
    Schreiben("|", name, name.size() == 1 ? "" : "=");
    Anhängen(wert);
}

std::string Sdbase::ValStr(std::string_view value) const { return std::string(value); }

double Sdbase::ValNum(std::string_view value) const { return basVB6NumCvt::ZahlLesenDbl(value); }

void Sdbase::Complete(bool Crypt) {
    if (Zustand != 6) Auslösen(11, "Complete");
    if (!Crypt) return;
    Text[3] = 'f';
    for (std::size_t i = 5; i < Text.size(); ++i)
        Text[i] = static_cast<char>(158 - static_cast<unsigned char>(Text[i]));
}

std::string Sdbase::SDFString() const { return Text; }

void Sdbase::SDFString(std::string_view text) { Text.assign(text); }

// The document split into the lines of a document file. A scrambled document
// is cut every 76 characters, never after a blank. A plain one breaks after
// an object's end, or else after a "}" or before a "|" within 76 characters;
// a plain line never ends in a blank either (the blank would be lost on
// reading, which removes blanks at line ends).
std::vector<std::string_view> Sdbase::Zeilen() const {
    std::vector<std::string_view> zeilen;
    std::string_view t(Text);
    const bool verschlüsselt = t.size() >= 4 && t[3] == 'f';
    std::size_t start = 0;
    std::size_t endeMarke = 0, endeKlammer = 0; // last found "{~" and the "}" after it
    bool gesucht = false;
    while (start < t.size()) {
        std::size_t rest = t.size() - start;
        std::size_t länge = 0;
        if (verschlüsselt) {
            länge = std::min(rest, Zeilenlänge);
            while (länge > 1 && t[start + länge - 1] == ' ') --länge;
        } else {
            if (!gesucht || (endeMarke != std::string_view::npos && endeMarke < start)) {
                endeMarke = t.find("{~", start);
                endeKlammer = endeMarke == std::string_view::npos ? endeMarke : t.find('}', endeMarke);
                gesucht = true;
            }
            if (endeKlammer != std::string_view::npos && endeKlammer - start < Zeilenlänge) {
                länge = endeKlammer - start + 1;
            } else {
                länge = 1;
                for (std::size_t n = std::min(rest, Zeilenlänge); n >= 2; --n) {
                    char c = t[start + n - 1];
                    if (c == '}') { länge = n; break; }
                    if (c == '|') { länge = n - 1; break; }
                }
            }
            while (länge > 1 && t[start + länge - 1] == ' ') --länge;
            if (länge == 1 && t[start] == ' ') {
                // A run of blanks: the line goes on to the next other character.
                while (start + länge < t.size() && t[start + länge - 1] == ' ') ++länge;
            }
        }
        zeilen.push_back(t.substr(start, länge));
        start += länge;
    }
    return zeilen;
}

void Sdbase::FileSave(const std::string& path) {
    std::string inhalt = FileString();
    std::string grund;
    if (!Dateien::SicherSchreiben(path, inhalt, &grund)) {
        Fehler = Dateizugriffsfehler;
        throw SdbaseFehler(Fremdbasis + Dateizugriffsfehler, "SDF.FileSave", grund);
    }
}

std::string Sdbase::FileString() {
    std::string puffer(Schrittlänge, ' ');
    std::size_t pos = 0;
    for (std::string_view zeile : Zeilen()) {
        Einfügen(puffer, pos, zeile);
        Einfügen(puffer, pos, "\r\n");
    }
    puffer.resize(pos);
    return puffer;
}

namespace {
// Appends a line without its trailing blanks.
void ZeileAnhängen(std::string& text, std::string_view zeile) {
    std::size_t n = zeile.find_last_not_of(' ');
    text.append(zeile.substr(0, n == std::string_view::npos ? 0 : n + 1));
}
} // namespace

void Sdbase::FileString(std::string_view text) {
    Text.clear();
    std::size_t start = 0;
    while (true) {
        std::size_t ende = text.find("\r\n", start);
        if (ende == std::string_view::npos) {
            ZeileAnhängen(Text, text.substr(start));
            break;
        }
        ZeileAnhängen(Text, text.substr(start, ende - start));
        start = ende + 2;
    }
}

std::int32_t Sdbase::FileRead(const std::string& path) {
    if (!Dateien::Vorhanden(path)) return Fehler = 1;
    std::error_code ec;
    auto größe = std::filesystem::file_size(path, ec);
    if (ec) return Fehler = 2;
    if (größe > MaxLänge) return Fehler = FehlerZuLang;
    auto inhalt = Dateien::Lesen(path);
    if (!inhalt) return Fehler = 2;
    if (inhalt->size() > MaxLänge) return Fehler = FehlerZuLang;
    // Lines end with CR LF or a lone CR; a lone LF belongs to the line.
    std::string_view t(*inhalt);
    Text.clear();
    std::size_t start = 0;
    while (start < t.size()) {
        std::size_t ende = t.find('\r', start);
        if (ende == std::string_view::npos) {
            ZeileAnhängen(Text, t.substr(start));
            break;
        }
        ZeileAnhängen(Text, t.substr(start, ende - start));
        start = ende + 1;
        if (start < t.size() && t[start] == '\n') ++start;
    }
    return 0;
}

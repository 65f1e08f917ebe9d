// Reading side of the tagged text document: the check of the whole text and
// the token reader.
//
// The check runs once over the text, left to right, keeping at most
// MaxTiefe open object names; the token reader never goes back. So any text,
// however damaged, is refused or read in time proportional to its length.
#include "project/Sdbase.h"

#include "frame/Windows1252.h"

namespace {

constexpr std::size_t Endmarke = 6; // length of the closing "{~SDF}"

bool Kleinbuchstabe(char c) { return c >= 'a' && c <= 'z'; }

// Characters that may stand in an item (its name and value).
bool Itemzeichen(char c) {
    auto u = static_cast<unsigned char>(c);
    return (u >= 32 && u <= 122) || u == 126;
}

int Hexziffer(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// End of the item whose "|" stands at pos: the first later character that
// cannot belong to it ("{", "|", "}"), or the end of the text.
std::size_t Itemende(std::string_view t, std::size_t pos) {
    std::size_t ende = pos + 1;
    while (ende < t.size() && Itemzeichen(t[ende])) ++ende;
    return ende;
}

// An item's value with its escapes undone, as UTF-8.
std::string Entmaskiert(std::string_view wert) {
    std::string aus;
    aus.reserve(wert.size());
    for (std::size_t i = 0; i < wert.size(); ++i) {
        if (wert[i] == '~' && i + 2 < wert.size()) {
            int hoch = Hexziffer(wert[i + 1]), tief = Hexziffer(wert[i + 2]);
            if (hoch >= 0 && tief >= 0) {
                auto code = static_cast<unsigned char>(hoch * 16 + tief);
                if (code != 0) Windows1252::Anhängen(aus, Windows1252::Zeichen(code));
                i += 2;
                continue;
            }
        }
        aus += wert[i];
    }
    return aus;
}

} // namespace

std::int32_t Sdbase::ReadBegin() {
    try {
        return Prüfen();
    } catch (...) {
        return 99;
    }
}

std::int32_t Sdbase::Prüfen() {
    Fehler = 0;
    auto fehler = [this](std::int32_t code) { return Fehler = code; };
    try {
        if (Zustand != 0) return fehler(101);
        if (Text.size() > MaxLänge) return fehler(FehlerZuLang);
        if (Text.size() < 37) return fehler(1);
        std::string kopf = Text.substr(0, 5);
        for (char& c : kopf)
            if (Kleinbuchstabe(c)) c = static_cast<char>(c - 'a' + 'A');
        if (kopf != "{SDF}") return fehler(6);
        const bool verschlüsselt = Text[3] == 'f';
        if (verschlüsselt) Text[3] = 'F';
        for (std::size_t i = 5; i < Text.size(); ++i) {
            auto c = static_cast<unsigned char>(Text[i]);
            if (c < 32 || c > 126) return fehler(1);
            if (verschlüsselt) Text[i] = static_cast<char>(158 - c);
        }
        const std::string_view t(Text);
        if (t.substr(t.size() - Endmarke) != "{~SDF}") return fehler(1);

        Zustand = 1;
        std::vector<std::string_view> offen; // open objects, innermost last
        offen.reserve(MaxTiefe);
        std::size_t pos = 5;
        const std::size_t grenze = t.size() - Endmarke; // the closing mark is not scanned
        while (pos < grenze) {
            const char c = t[pos];
            if (c == '{') {
                std::size_t zu = t.find('}', pos + 1);
                if (zu == std::string_view::npos) return fehler(1);
                std::string_view tag = t.substr(pos + 1, zu - pos - 1);
                if (tag == "HEAD") {
                    if (Zustand != 1) return fehler(1);
                    Zustand = 2;
                } else if (tag == "BODY") {
                    if (Zustand != 3) return fehler(1);
                    Zustand = 4;
                } else if (tag.empty() || tag[0] != '~') {
                    if (std::int32_t code = ObjektnameFehler(tag, Zustand)) return fehler(code);
                    if (offen.size() >= static_cast<std::size_t>(MaxTiefe)) return fehler(2);
                    offen.push_back(tag);
                } else {
                    std::string_view name = tag.substr(1);
                    if (name == "HEAD") {
                        if (Zustand != 2) return fehler(11);
                        if (!offen.empty()) return fehler(12);
                        Zustand = 3;
                    } else if (name == "BODY") {
                        if (Zustand != 4) return fehler(13);
                        if (!offen.empty()) return fehler(14);
                        Zustand = 5;
                    } else {
                        if (offen.empty()) return fehler(21);
                        if (name != offen.back()) return fehler(22);
                        offen.pop_back();
                    }
                }
                pos = zu + 1;
            } else if (c == '|') {
                const std::size_t ende = Itemende(t, pos);
                std::size_t wertStart;
                if (pos + 1 < t.size() && Kleinbuchstabe(t[pos + 1])) {
                    if (Zustand != 2 && Zustand != 4) return fehler(4);
                    wertStart = pos + 2;
                } else {
                    std::size_t gleich = t.find('=', pos + 2);
                    if (gleich == std::string_view::npos || gleich >= ende) return fehler(999);
                    if (std::int32_t code = ItemnameFehler(t.substr(pos + 1, gleich - pos - 1), Zustand))
                        return fehler(code);
                    wertStart = gleich + 1;
                }
                for (std::size_t i = wertStart; i < ende; ++i) {
                    if (t[i] != '~') continue;
                    char hoch = i + 1 < t.size() ? t[i + 1] : '\0';
                    char tief = i + 2 < t.size() ? t[i + 2] : '\0';
                    if (Hexziffer(hoch) < 0 || Hexziffer(tief) < 0) return fehler(17);
                    if (hoch == '0' && tief == '0') return fehler(18);
                    i += 2;
                }
                pos = ende;
            } else {
                return fehler(21);
            }
        }
        Zustand = 1;
        return 0;
    } catch (...) {
        return fehler(3);
    }
}

std::int32_t Sdbase::ReadHeader() {
    if (Zustand != 1) return Fehler = 14;
    Zustand = 2;
    std::size_t p = Text.find("{HEAD}");
    Position = p == std::string::npos ? Text.size() : p + 6;
    return 0;
}

std::int32_t Sdbase::ReadBody() {
    if (Zustand != 3) return Fehler = 14;
    Zustand = 4;
    std::size_t p = Text.find("{BODY}");
    Position = p == std::string::npos ? Text.size() : p + 6;
    return 0;
}

std::int16_t Sdbase::NextItem(std::string& name, std::string& value) {
    if (Zustand != 2 && Zustand != 4) return -1;
    const std::string_view t(Text);
    // The closing "{~SDF}" is no token of a section: a section or object left
    // open before it ends with "nothing to read".
    if (t.size() < Endmarke || Position >= t.size() - Endmarke) return -1;
    const char c = t[Position];
    if (c == '{') {
        std::size_t zu = t.find('}', Position + 1);
        if (zu == std::string_view::npos) return -1;
        if (t[Position + 1] == '~') {
            std::string n(t.substr(Position + 2, zu - Position - 2));
            Position = zu + 1;
            if ((Zustand == 2 && n == "HEAD") || (Zustand == 4 && n == "BODY")) {
                ++Zustand;
                name.clear();
                value.clear();
                return 0;
            }
            name = std::move(n);
            value.clear();
            return 2;
        }
        name.assign(t.substr(Position + 1, zu - Position - 1));
        value.clear();
        Position = zu + 1;
        return 1;
    }
    if (c == '|') {
        const std::size_t ende = Itemende(t, Position);
        std::size_t namensende, wertStart;
        if (Position + 1 < t.size() && Kleinbuchstabe(t[Position + 1])) {
            namensende = Position + 2;
            wertStart = namensende;
        } else {
            std::size_t gleich = t.find('=', Position + 2);
            if (gleich == std::string_view::npos || gleich >= ende) return -1;
            namensende = gleich;
            wertStart = gleich + 1;
        }
        name.assign(t.substr(Position + 1, namensende - Position - 1));
        value = Entmaskiert(t.substr(wertStart, ende - wertStart));
        Position = ende;
        return 3;
    }
    return -1;
}

void Sdbase::ReadEnd() {}

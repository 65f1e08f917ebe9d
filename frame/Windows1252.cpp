#include "frame/Windows1252.h"

namespace Windows1252 {
namespace {
// Codes 0x80 to 0x9F; the others equal their Unicode code point.
constexpr char32_t Tabelle80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

char32_t Zeichen(unsigned char code) {
    if (code >= 0x80 && code <= 0x9F) return Tabelle80[code - 0x80];
    return code;
}

std::optional<unsigned char> Code(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) return static_cast<unsigned char>(zeichen);
    for (int i = 0; i < 32; ++i)
        if (Tabelle80[i] == zeichen) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

char32_t NächstesZeichen(std::string_view text, std::size_t& pos) {
    auto b = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char c = b(pos);
    int länge;
    char32_t wert;
    if (c < 0x80) { ++pos; return c; }
    if ((c & 0xE0) == 0xC0) { länge = 2; wert = c & 0x1F; }
    else if ((c & 0xF0) == 0xE0) { länge = 3; wert = c & 0x0F; }
    else if ((c & 0xF8) == 0xF0) { länge = 4; wert = c & 0x07; }
    else { ++pos; return 0xFFFD; }
    if (pos + static_cast<std::size_t>(länge) > text.size()) { ++pos; return 0xFFFD; }
    for (int i = 1; i < länge; ++i) {
        unsigned char f = b(pos + static_cast<std::size_t>(i));
        if ((f & 0xC0) != 0x80) { ++pos; return 0xFFFD; }
        wert = (wert << 6) | (f & 0x3F);
    }
    static constexpr char32_t kleinste[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (wert < kleinste[länge] || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) { ++pos; return 0xFFFD; }
    pos += static_cast<std::size_t>(länge);
    return wert;
}

void Anhängen(std::string& utf8, char32_t z) {
    if (z < 0x80) {
        utf8 += static_cast<char>(z);
    } else if (z < 0x800) {
        utf8 += static_cast<char>(0xC0 | (z >> 6));
        utf8 += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (z >> 12));
        utf8 += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (z >> 18));
        utf8 += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (z & 0x3F));
    }
}

std::string NachUtf8(std::string_view bytes) {
    std::string aus;
    aus.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) Anhängen(aus, Zeichen(static_cast<unsigned char>(c)));
    return aus;
}

std::string AusUtf8(std::string_view utf8, char ersatz) {
    std::string aus;
    aus.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t start = pos;
        char32_t z = NächstesZeichen(utf8, pos);
        bool kaputt = z == 0xFFFD && !(pos - start == 3);
        auto code = kaputt ? std::nullopt : Code(z);
        aus += code ? static_cast<char>(*code) : ersatz;
    }
    return aus;
}

bool IstUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t start = pos;
        if (NächstesZeichen(text, pos) == 0xFFFD && pos - start != 3) return false;
    }
    return true;
}

std::u32string Sortierschlüssel(std::string_view utf8) {
    std::u32string schlüssel;
    schlüssel.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t z = NächstesZeichen(utf8, pos);
        const auto code = Code(z);
        schlüssel.push_back(code ? static_cast<char32_t>(*code) : 0x100 + z);
    }
    return schlüssel;
}

} // namespace Windows1252

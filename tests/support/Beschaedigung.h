// Damage done to a project file's text as a file can come to be damaged,
// for the tests that read thousands of damaged files and for the figure of
// reading one (zirvo_bench).
#pragma once

#include <cstddef>
#include <iterator>
#include <random>
#include <string>

namespace Testhilfe {

// The text as a scrambled project file holds it.
inline std::string Verschlüsselt(std::string text) {
    if (text.size() >= 5) text[3] = 'f';
    for (std::size_t i = 5; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 32 && c <= 126) text[i] = static_cast<char>(158 - c);
    }
    return text;
}

// One random change: a byte replaced, a piece cut out, bytes or tokens
// inserted, a piece duplicated.
inline void Verändern(std::string& t, std::mt19937& zufall) {
    static const char* const stücke[] = {"{", "}", "|", "~", "=", "{Z}", "{~Z}", "{~BODY}", "{~HEAD}", "{B}",
                                         "|n", "|a", "|Cgr=", "~7B", "~00", "~zz", "{E}", "{~E}", "{L}", "\r\n"};
    auto zahl = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(zufall); };
    if (t.empty()) {
        t = "{";
        return;
    }
    switch (zahl(4)) {
    case 0:
        t[zahl(t.size() - 1)] = static_cast<char>(zahl(255));
        break;
    case 1: {
        std::size_t a = zahl(t.size() - 1);
        t.erase(a, 1 + zahl(zahl(1) ? 3 : 200));
        break;
    }
    case 2:
        t.insert(zahl(t.size()), stücke[zahl(std::size(stücke) - 1)]);
        break;
    case 3:
        t.insert(zahl(t.size()), 1, static_cast<char>(32 + zahl(94)));
        break;
    default: {
        std::size_t a = zahl(t.size() - 1);
        std::string stück = t.substr(a, 1 + zahl(300));
        t.insert(zahl(t.size()), stück);
        break;
    }
    }
}

} // namespace Testhilfe

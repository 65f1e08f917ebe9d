#include "tests/support/Projektbeschreibung.h"

#include <charconv>

namespace Testhilfe {

std::string Zahltext(double x) {
    char puffer[64];
    auto [ende, f] = std::to_chars(puffer, puffer + sizeof puffer, x);
    (void)f;
    return std::string(puffer, ende);
}

std::string Unterschiede(const std::string& a, const std::string& b) {
    std::string aus;
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        std::size_t ie = a.find('\n', i), je = b.find('\n', j);
        std::string za = i < a.size() ? a.substr(i, ie - i) : "", zb = j < b.size() ? b.substr(j, je - j) : "";
        if (za != zb) aus += "- " + za + "\n+ " + zb + "\n";
        i = ie == std::string::npos ? a.size() : ie + 1;
        j = je == std::string::npos ? b.size() : je + 1;
    }
    return aus;
}

KollektionZeiger Zeile(std::initializer_list<Kollektion::Wert> werte) {
    auto z = Kollektion::Neu();
    for (const auto& w : werte) z->WertHinzufügen(w);
    return z;
}

} // namespace Testhilfe

#include "mainwindow/Infopaket.h"

#include "frame/Windows1252.h"
#include "frame/basVB6NumCvt.h"

#include <algorithm>
#include <cmath>

namespace Infopaket {

std::optional<std::string> Thema(std::string_view paket, std::string_view name) {
    std::size_t p = 0;
    while (p < paket.size()) {
        const std::size_t lf = paket.find('\n', p);
        if (lf == std::string_view::npos) return std::nullopt;
        const std::string_view kopf = paket.substr(p, lf - p);
        const std::size_t strich = kopf.find('|');
        if (strich == std::string_view::npos) return std::nullopt;
        const double länge = basVB6NumCvt::ZahlLesen(kopf.substr(strich + 1));
        const std::size_t text = lf + 1;
        // A length that is no whole number from 0, or that runs past the end,
        // is a damaged package: nothing beyond it can be found.
        if (!(länge >= 0) || länge != std::floor(länge) || länge > static_cast<double>(paket.size() - text))
            return std::nullopt;
        const auto n = static_cast<std::size_t>(länge);
        if (kopf.substr(0, strich) == name) return std::string(paket.substr(text, n));
        p = text + n;
    }
    return std::nullopt;
}

std::optional<std::string> Bauen(const std::vector<std::pair<std::string, std::string>>& themen,
                                 std::string* fehler) {
    std::string paket;
    for (const auto& [name, text] : themen) {
        if (name.empty() || name.find_first_of("|\n") != std::string::npos ||
            Windows1252::AusUtf8(name, '\0').find('\0') != std::string::npos) {
            if (fehler) *fehler = "Ungültiger Themenname '" + name + "'";
            return std::nullopt;
        }
        std::string bytes;
        bytes.reserve(text.size());
        std::size_t pos = 0;
        while (pos < text.size()) {
            const char32_t z = Windows1252::NächstesZeichen(text, pos);
            if (auto code = Windows1252::Code(z); code && z != 0xFFFD)
                bytes += static_cast<char>(*code);
            else
                bytes += "&#" + std::to_string(static_cast<std::uint32_t>(z)) + ";";
        }
        paket += Windows1252::AusUtf8(name) + "|" + std::to_string(bytes.size()) + "\n" + bytes;
    }
    return paket;
}

std::string MarkenNormalisieren(std::string_view richText) {
    std::string r(richText);
    for (std::string_view ref : {"&not;", "&#172;", "&#xAC;", "&#xac;", "&#XAC;"}) {
        for (std::size_t p = r.find(ref); p != std::string::npos; p = r.find(ref, p + Marke.size()))
            r.replace(p, ref.size(), Marke);
    }
    return r;
}

Angezeigt VerweiseIndizieren(std::string_view richText, std::string_view text) {
    constexpr char32_t M = 0xAC;
    // The shown characters, each mark with its number in text order.
    std::u32string t;
    std::vector<int> nummer;
    int marken = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t z = Windows1252::NächstesZeichen(text, pos);
        t += z;
        nummer.push_back(z == M ? marken++ : -1);
    }
    std::vector<std::size_t> quelle; // byte offsets of the marks in the rich text
    for (std::size_t p = richText.find(Marke); p != std::string_view::npos; p = richText.find(Marke, p + Marke.size()))
        quelle.push_back(p);

    Angezeigt a;
    std::vector<std::pair<std::size_t, std::size_t>> löschen; // byte ranges of the rich text
    const auto suchen = [&t](std::size_t ab) { return ab <= t.size() ? t.find(M, ab) : std::u32string::npos; };
    std::size_t m1 = suchen(0);
    while (m1 != std::u32string::npos) {
        const std::size_t m2 = suchen(m1 + 1);
        if (m2 == std::u32string::npos) break;
        const std::size_t m3 = suchen(m2 + 1);
        if (m3 == std::u32string::npos) break;
        const int n1 = nummer[m1], n2 = nummer[m2], n3 = nummer[m3];
        t.erase(m1, 1);
        nummer.erase(nummer.begin() + static_cast<std::ptrdiff_t>(m1));
        InfoVerweis v;
        v.Anfang = static_cast<std::int32_t>(m1);
        v.Ende = static_cast<std::int32_t>(m2 - 1);
        // The second mark, the topic name and the third mark.
        const std::u32string genommen = t.substr(m2 - 1, m3 - m2 + 1);
        t.erase(m2 - 1, m3 - m2 + 1);
        nummer.erase(nummer.begin() + static_cast<std::ptrdiff_t>(m2 - 1),
                     nummer.begin() + static_cast<std::ptrdiff_t>(m3));
        for (std::size_t i = 1; i + 1 < genommen.size(); ++i) Windows1252::Anhängen(v.Thema, genommen[i]);
        a.Verweise.push_back(std::move(v));
        if (static_cast<std::size_t>(marken) == quelle.size()) {
            löschen.emplace_back(quelle[static_cast<std::size_t>(n1)], Marke.size());
            const std::size_t von = quelle[static_cast<std::size_t>(n2)];
            löschen.emplace_back(von, quelle[static_cast<std::size_t>(n3)] + Marke.size() - von);
        }
        m1 = suchen(m2);
    }
    for (char32_t z : t) Windows1252::Anhängen(a.Text, z);
    if (static_cast<std::size_t>(marken) == quelle.size() && !richText.empty()) {
        a.RichText = std::string(richText);
        std::sort(löschen.begin(), löschen.end(), [](const auto& x, const auto& y) { return x.first > y.first; });
        for (const auto& [von, n] : löschen) a.RichText.erase(von, n);
    }
    return a;
}

} // namespace Infopaket

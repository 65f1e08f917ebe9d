#include "frame/Hilfeseiten.h"

#include "frame/Dateien.h"
#include "frame/cVB6_NumCvt.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace Hilfeseiten {

namespace fs = std::filesystem;

std::string Seite(const std::string& ordner, std::int32_t kontext) {
    const fs::path seite = fs::path(ordner) / (std::to_string(kontext) + ".html");
    std::error_code ec;
    if (kontext > 0 && fs::is_regular_file(seite, ec)) return seite.string();
    return (fs::path(ordner) / Startseite).string();
}

namespace {

// The windows, as their menus and buttons reach them.
constexpr Fensterhilfe Fenstertabelle[] = {
    {"frmZIRVO3801", 1000},
    {"frmZIRVO3801Start", 0},
    {"frmProjekt", 1010},
    {"frmNutzung", 2010},
    {"frmNutzungZone", 2020},
    {"frmBauteil", 7010},
    {"frmBauteilListe", VomEigentümer}, // the component editor's page names it
    {"frmBaustoff", 0},
    {"frmLüftung", 3060},
    {"frmGewinn", 3060},
    {"frmQh", 3060},
    {"frmEnergien", 4010},
    {"frmFlächen", 4010},
    {"frmBauteilVerluste", 4010},
    {"frmWärmeleistungsbedarf", 0},
    {"frmTabellenRechner", 0},
    {"frmNachweis3801", 6010},
    {"frmNachweisEB", 6110},
    {"frmDrucken", 5010},
    {"frmDruckenEB", 6110},
    {"frmDruckIni", 9050},
    {"frmOptionen", 0},
    {"frmOrdnerSuchen", 0},
};

bool Ziffer(char c) { return c >= '0' && c <= '9'; }

// True when the text at p starts with the word, letter case ignored.
bool Beginnt(const std::string& t, std::size_t p, std::string_view wort) {
    if (t.size() - p < wort.size()) return false;
    for (std::size_t i = 0; i < wort.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(t[p + i])) != wort[i]) return false;
    return true;
}

} // namespace

std::span<const Fensterhilfe> Fensterkontexte() { return Fenstertabelle; }

std::int32_t Fensterkontext(std::string_view fenster) {
    for (const Fensterhilfe& f : Fenstertabelle)
        if (f.Fenster == fenster) return f.Kontext;
    return VomEigentümer;
}

std::string ZahlenAnzeigen(const std::string& html, const std::string& trenner) {
    if (trenner != ",") return html;
    std::string t = html;
    std::size_t i = 0;
    while (i < t.size()) {
        const char c = t[i];
        if (c == '<') {
            // A style or script block is no text; a tag ends at its ">".
            std::string_view ende;
            if (Beginnt(t, i, "<style")) ende = "</style";
            else if (Beginnt(t, i, "<script")) ende = "</script";
            else if (Beginnt(t, i, "<!--")) ende = "-->";
            std::size_t e = std::string::npos;
            if (!ende.empty()) {
                for (std::size_t k = i + 1; k < t.size(); ++k)
                    if (Beginnt(t, k, ende)) {
                        e = k;
                        break;
                    }
            }
            if (e == std::string::npos) e = i;
            const std::size_t zu = t.find('>', e);
            if (zu == std::string::npos) break;
            i = zu + 1;
            continue;
        }
        if (!Ziffer(c)) {
            ++i;
            continue;
        }
        // A run of digits and points that starts with a digit: a number
        // when it holds exactly one point, with digits on both sides.
        const std::size_t anfang = i;
        std::size_t punkte = 0, punkt = 0;
        while (i < t.size() && (Ziffer(t[i]) || (t[i] == '.' && i + 1 < t.size() && Ziffer(t[i + 1])))) {
            if (t[i] == '.') {
                ++punkte;
                punkt = i;
            }
            ++i;
        }
        const bool davorTrenner = anfang >= 2 && (t[anfang - 1] == '.' || t[anfang - 1] == ',') && Ziffer(t[anfang - 2]);
        if (punkte == 1 && !davorTrenner) t[punkt] = ',';
    }
    return t;
}

std::string ZahlenAnzeigen(const std::string& html) {
    return ZahlenAnzeigen(html, cVB6_NumCvt::Instanz().Dezimaltrenner());
}

std::string Titel(const std::string& html) {
    std::string klein = html;
    std::transform(klein.begin(), klein.end(), klein.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto a = klein.find("<title>");
    if (a == std::string::npos) return {};
    const auto e = klein.find("</title>", a);
    if (e == std::string::npos) return {};
    std::string t = html.substr(a + 7, e - a - 7);
    for (const auto& [ref, z] : {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"}, std::pair{"&amp;", "&"}})
        for (auto p = t.find(ref); p != std::string::npos; p = t.find(ref, p + 1)) t.replace(p, std::string(ref).size(), z);
    const auto anf = t.find_first_not_of(" \t\r\n");
    if (anf == std::string::npos) return {};
    return t.substr(anf, t.find_last_not_of(" \t\r\n") - anf + 1);
}

std::vector<Eintrag> Inhalt(const std::string& ordner) {
    struct Seite {
        int Rang;
        long Nummer;
        std::string Name;
        Eintrag E;
    };
    std::vector<Seite> seiten;
    std::error_code ec;
    for (const auto& d : fs::directory_iterator(ordner, ec)) {
        if (!d.is_regular_file(ec) || d.path().extension() != ".html") continue;
        const std::string name = d.path().stem().string();
        const bool zahl = !name.empty() && name.size() < 9 &&
                          std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); });
        const int rang = d.path().filename() == Startseite ? 0 : (zahl ? 1 : 2);
        std::string titel = Titel(Dateien::Lesen(d.path().string()).value_or(""));
        if (titel.empty()) titel = name;
        seiten.push_back({rang, zahl ? std::stol(name) : 0, name, {titel, d.path().string()}});
    }
    std::sort(seiten.begin(), seiten.end(), [](const Seite& a, const Seite& b) {
        if (a.Rang != b.Rang) return a.Rang < b.Rang;
        if (a.Nummer != b.Nummer) return a.Nummer < b.Nummer;
        return a.Name < b.Name;
    });
    std::vector<Eintrag> inhalt;
    for (auto& s : seiten) inhalt.push_back(std::move(s.E));
    return inhalt;
}

} // namespace Hilfeseiten

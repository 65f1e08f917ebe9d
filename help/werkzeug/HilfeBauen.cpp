// Builds the program's help beside the program at build time:
//   HilfeBauen <help folder> <program folder> <program name>
// - the info package "<program name>.pip" of the help panel from the topic
//   sources in <help folder>/themen (one file "<topic>.html" per topic) and
//   the topics made from the program's tables ("Gk", "Rw");
// - the help pages in <program folder>/hilfe from <help folder>/seiten, with
//   the tables made from the program's tables put in their placeholders;
//   a page there without a source any more is removed.
// It refuses (and the build fails) when a topic the program asks for, a
// topic a link leads to, or a page of a help context is missing.
#include "frame/Dateien.h"
#include "frame/Hilfeseiten.h"
#include "frame/Windows1252.h"
#include "frame/basZIRVODialogSprache.h"
#include "mainwindow/Hilfethemen.h"
#include "mainwindow/Infopaket.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The help context numbers that the windows use besides those of the
// windows' table (their tab pages, the menu's "what is new").
constexpr int Kontexte[] = {1000, 1010, 1020, 1030, 1040, 1050, 2010, 2020, 3010, 3020, 3030, 3050,
                            6110, 6120, 6130, 6140, 7010, 7020, 7030, 9910};

int Fehler(const std::string& text) {
    std::cerr << "HilfeBauen: " << text << '\n';
    return 1;
}

std::vector<fs::path> Quelldateien(const fs::path& ordner) {
    std::vector<fs::path> d;
    for (const auto& e : fs::directory_iterator(ordner))
        if (e.is_regular_file() && e.path().extension() == ".html") d.push_back(e.path());
    std::sort(d.begin(), d.end());
    return d;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) return Fehler("Aufruf: HilfeBauen <Hilfeordner> <Programmordner> <Programmname>");
    const fs::path quelle = argv[1], ziel = argv[2];
    const std::string programm = argv[3];
    basZIRVODialogSprache::SpracheSetzen();

    try {
        // --- the info package ---
        std::vector<std::pair<std::string, std::string>> themen;
        for (const fs::path& datei : Quelldateien(quelle / "themen")) {
            const auto text = Dateien::Lesen(datei.string());
            if (!text || !Windows1252::IstUtf8(*text)) return Fehler(datei.string() + ": nicht lesbar oder kein UTF-8");
            themen.emplace_back(datei.stem().string(), *text);
        }
        for (auto& t : Hilfethemen::Themen()) themen.push_back(std::move(t));

        std::set<std::string> namen;
        for (const auto& [name, text] : themen)
            if (!namen.insert(name).second) return Fehler("Thema doppelt: " + name);
        for (const std::string& nötig : {programm, std::string("EBF"), std::string("A"), std::string("U"),
                                         std::string("F"), std::string("Gk"), std::string("Rw"), std::string("Tabellen")})
            if (!namen.count(nötig)) return Fehler("Thema fehlt: " + nötig);
        for (const auto& [name, text] : themen) {
            const std::string t = Infopaket::MarkenNormalisieren(text);
            for (const InfoVerweis& v : Infopaket::VerweiseIndizieren(t, t).Verweise)
                if (!namen.count(v.Thema)) return Fehler("Thema " + name + ": Verweis auf fehlendes Thema '" + v.Thema + "'");
        }
        std::string grund;
        const auto paket = Infopaket::Bauen(themen, &grund);
        if (!paket) return Fehler(grund);
        if (!Dateien::SicherSchreiben((ziel / (programm + ".pip")).string(), *paket, &grund))
            return Fehler(grund);

        // --- the help pages ---
        const fs::path seiten = ziel / "hilfe";
        fs::create_directories(seiten);
        const auto tabellen = Hilfethemen::Seitentabellen();
        std::set<std::string> vorhanden;
        for (const fs::path& datei : Quelldateien(quelle / "seiten")) {
            auto text = Dateien::Lesen(datei.string());
            if (!text || !Windows1252::IstUtf8(*text)) return Fehler(datei.string() + ": nicht lesbar oder kein UTF-8");
            for (const auto& [name, tabelle] : tabellen) {
                const std::string platz = "<!--ZIRVO:" + name + "-->";
                for (auto p = text->find(platz); p != std::string::npos; p = text->find(platz, p + tabelle.size()))
                    text->replace(p, platz.size(), tabelle);
            }
            if (!Dateien::SicherSchreiben((seiten / datei.filename()).string(), *text, &grund)) return Fehler(grund);
            vorhanden.insert(datei.filename().string());
        }
        // A page whose source is gone (renamed or removed) leaves the folder.
        for (const fs::path& alt : Quelldateien(seiten))
            if (!vorhanden.count(alt.filename().string())) fs::remove(alt);
        if (!vorhanden.count("start.html")) return Fehler("Startseite start.html fehlt");
        for (int k : Kontexte)
            if (!vorhanden.count(std::to_string(k) + ".html")) return Fehler("Hilfeseite fehlt: " + std::to_string(k));
        for (const Hilfeseiten::Fensterhilfe& f : Hilfeseiten::Fensterkontexte())
            if (f.Kontext > 0 && !vorhanden.count(std::to_string(f.Kontext) + ".html"))
                return Fehler("Hilfeseite fehlt: " + std::to_string(f.Kontext) + " (" + std::string(f.Fenster) + ")");
    } catch (const std::exception& e) {
        return Fehler(e.what());
    }
    return 0;
}

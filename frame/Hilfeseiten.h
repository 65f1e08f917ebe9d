// The help pages shipped with the program: one HTML page per help context
// number in the folder "hilfe" beside the program ("1000.html" for context
// 1000), the start page "start.html" with the table of contents, and the
// index of all pages by their titles.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Hilfeseiten {

inline constexpr const char* Startseite = "start.html";

// The page that a context opens: its own page when the folder holds one,
// else the start page.
std::string Seite(const std::string& ordner, std::int32_t kontext);

// The context of a window whose owner's page describes it, and of any
// window the table does not know (message boxes, file dialogs).
inline constexpr std::int32_t VomEigentümer = -1;

// A window of the program, by its window model's name, with the help
// context F1 opens in it: the page that describes it; 0 for a window
// without a page of its own (the start page); VomEigentümer. A window with
// a page per tab page (project data, zones, components, the single-
// component proof, the main window's tables) tells its page of the moment
// itself; its context here is its first page.
struct Fensterhilfe {
    std::string_view Fenster;
    std::int32_t Kontext;
};
// Every window of the program.
std::span<const Fensterhilfe> Fensterkontexte();
// The context of the window of that name; VomEigentümer for a name the
// table does not know.
std::int32_t Fensterkontext(std::string_view fenster);

struct Eintrag {
    std::string Titel; // the page's <title>, its file name when it has none
    std::string Datei; // full path
};

// Every page of the folder: the start page first, then the context pages
// by their numbers, then any other page by its file name.
std::vector<Eintrag> Inhalt(const std::string& ordner);

// The help text (HTML) with its numbers as the program shows numbers: the
// decimal point of every number in the text (not in tags, styles or
// scripts) becomes the user's decimal separator. Only a point between two
// digits counts, and not in a row of dotted numbers (1.2.3 stays). The help
// sources write numbers with ".", so the help and the program agree in any
// regional setting.
std::string ZahlenAnzeigen(const std::string& html);
// The same with a given separator ("," or "."; any other keeps ".").
std::string ZahlenAnzeigen(const std::string& html, const std::string& trenner);

// The text between <title> and </title> (UTF-8, entities &amp; &lt; &gt;
// resolved), "" when there is none.
std::string Titel(const std::string& html);

} // namespace Hilfeseiten

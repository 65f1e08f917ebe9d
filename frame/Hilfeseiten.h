// The help pages shipped with the program: one HTML page per help context
// number in the folder "hilfe" beside the program ("1000.html" for context
// 1000), the start page "start.html" with the table of contents, and the
// index of all pages by their titles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Hilfeseiten {

inline constexpr const char* Startseite = "start.html";

// The page that a context opens: its own page when the folder holds one,
// else the start page.
std::string Seite(const std::string& ordner, std::int32_t kontext);

struct Eintrag {
    std::string Titel; // the page's <title>, its file name when it has none
    std::string Datei; // full path
};

// Every page of the folder: the start page first, then the context pages
// by their numbers, then any other page by its file name.
std::vector<Eintrag> Inhalt(const std::string& ordner);

// The text between <title> and </title> (UTF-8, entities &amp; &lt; &gt;
// resolved), "" when there is none.
std::string Titel(const std::string& html);

} // namespace Hilfeseiten

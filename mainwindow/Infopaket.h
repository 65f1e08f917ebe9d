// The info package of the help panel and the link marks of its topics.
//
// The package is one 8-bit text (Windows-1252): a sequence of records, each
// the topic's name, "|", the length of its text in characters as a decimal
// number, a line feed and then exactly that many characters of topic text,
// with nothing before, between or after the records. A topic text is rich
// text (the HTML subset that Qt renders).
//
// A link inside a topic text is written "¬link text¬topic¬": the box shows
// the link text only, and a click into it opens the topic.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A link of the topic shown: its text runs from Anfang up to just before
// Ende (character positions in the shown text); Thema is the topic it opens.
struct InfoVerweis {
    std::int32_t Anfang = 0;
    std::int32_t Ende = 0;
    std::string Thema;
};

namespace Infopaket {

// The link mark, character 172 of the code page.
inline constexpr std::string_view Marke = "\xC2\xAC"; // "¬" in UTF-8

// The text of the topic Name in the package (both as bytes of the package),
// compared exactly. Nothing when the package lacks the topic or is damaged
// where the search passes (a header without line feed or "|", a length that
// is not a whole number from 0 or reaches beyond the end).
std::optional<std::string> Thema(std::string_view paket, std::string_view name);

// Builds a package from topics (name, text, both UTF-8), in the order
// given. A character that the code page lacks becomes an HTML character
// reference in the text. Nothing, with the reason, when a name is empty or
// holds "|", a line feed or a character the code page lacks.
std::optional<std::string> Bauen(const std::vector<std::pair<std::string, std::string>>& themen,
                                 std::string* fehler = nullptr);

// A topic after its link marks were taken out: the rich text to load, the
// characters it shows, and its links in text order. RichText is empty when
// the box must show the plain text (the marks of the rich text did not
// match those it shows).
struct Angezeigt {
    std::string RichText;
    std::string Text;
    std::vector<InfoVerweis> Verweise;
};

// The marks written as character references ("&not;", "&#172;", "&#xAC;")
// become the mark itself, so that every mark the box shows stands in the text.
std::string MarkenNormalisieren(std::string_view richText);

// Indexes the links of a topic: Text is what the box shows for RichText.
// The marks are found in the shown text from its start: the first mark
// opens a link, the next two close its text and its topic name; the link
// text stays, the marks and the topic name go (the same characters go from
// the rich text). The search for the next link starts one character after
// the end of the link text; fewer than three marks left stay visible.
Angezeigt VerweiseIndizieren(std::string_view richText, std::string_view text);

} // namespace Infopaket

// The state of a rich-text box: the text it shows, as plain text and, when
// it was loaded as rich text, as its rich source (the HTML subset that Qt
// renders); the selection; and the formats a window gives parts of a plain
// text (text colour of character ranges, tab stops of paragraphs), as the
// text reports on screen use them.
//
// Positions and lengths count characters (not bytes) from 0, as the box
// shows them; a paragraph break is one character: a CR LF given to the box
// is kept as one line feed.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class RichTextBox : public Steuerelement {
public:
    using Steuerelement::Steuerelement;

    // A text colour given to characters Anfang .. Anfang + Länge - 1.
    struct Farbbereich {
        std::int32_t Anfang = 0;
        std::int32_t Länge = 0;
        ::Farbe Farbe = 0;
    };
    // Tab stops (twips) of the paragraphs that touch the characters
    // Anfang .. Anfang + Länge (the paragraph that holds the position Anfang
    // + Länge counts too, as the caret there stands in it). Länge -1: up to
    // the end, text appended later included (the last paragraph's format
    // goes on as the text grows).
    struct Tabbereich {
        std::int32_t Anfang = 0;
        std::int32_t Länge = 0;
        std::vector<std::int32_t> Tabs;
    };

    // The shown characters (UTF-8); for rich text the platform's reading of it.
    const std::string& Text() const { return text_; }
    // Plain text: the rich source, the formats and the selection go.
    void setText(std::string v);
    // The rich source, "" while the box holds plain text.
    const std::string& TextRTF() const { return rtf_; }
    // Loads rich text; the shown characters are the platform's reading of it.
    void setTextRTF(std::string v);
    // Rich source and the characters it shows at once, for a caller that
    // knows both (the help panel after it took its link marks out).
    void setRichText(std::string rtf, std::string text);

    // Appends plain text at the end, as typing there would.
    void Anhängen(std::string_view s);

    // The selection: a start outside the text goes to its end, a length to
    // the end at most.
    std::int32_t SelStart() const { return selStart_; }
    void setSelStart(std::int32_t v);
    std::int32_t SelLength() const { return selLength_; }
    void setSelLength(std::int32_t v);
    std::string SelText() const;
    // The selected characters take this colour.
    void setSelColor(Farbe f);
    // The paragraphs of the selection take these tab stops.
    void setSelTabs(std::vector<std::int32_t> tabs);

    // Position of the first occurrence of s at or after start, -1 when none.
    std::int32_t Find(std::string_view s, std::int32_t start) const;
    // Number of characters of the text.
    std::int32_t Länge() const { return länge_; }

    const std::vector<Farbbereich>& Farben() const { return farben_; }
    const std::vector<Tabbereich>& Tabstopps() const { return tabs_; }

    // Font of a plain text ("" = the window's).
    const std::string& FontName() const { return fontName_; }
    double FontSize() const { return fontSize_; }
    bool FontBold() const { return fontBold_; }
    void setFont(std::string name, double size, bool bold);

    bool Locked() const { return locked_; }
    void setLocked(bool v) { setze(locked_, v); }

    // Changes with every change of text or formats (not of the selection):
    // a view redraws only when it differs from what it drew.
    std::uint64_t Stand() const { return stand_; }

    // Characters of a UTF-8 text, and the byte offset of a character position.
    static std::int32_t Zeichenzahl(std::string_view utf8);
    static std::size_t Byteposition(std::string_view utf8, std::int32_t zeichen);
    // The text with each CR LF (and a lone CR) as one line feed, as the box keeps it.
    static std::string Zeilenumbrüche(std::string_view s);

private:
    std::string text_;
    std::string rtf_;
    std::int32_t länge_ = 0;
    std::int32_t selStart_ = 0;
    std::int32_t selLength_ = 0;
    std::vector<Farbbereich> farben_;
    std::vector<Tabbereich> tabs_;
    std::string fontName_;
    double fontSize_ = 0;
    bool fontBold_ = false;
    bool locked_ = false;
    std::uint64_t stand_ = 0;

    void geändert();
};

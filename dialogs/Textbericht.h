// What the text reports on screen share (the envelope areas and the losses
// per component): a read-only rich-text box with the report as plain text,
// columns separated by TAB at fixed tab stops, numbers right-aligned by
// blanks, headings coloured once the text is complete; Esc closes the
// window, and it opens again where it was during the same run.
#pragma once

#include "frame/RichTextBox.h"
#include "frame/Steuerelemente.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class Textbericht : public Formular {
public:
    // The last place and size of a report window (twips), kept for the run.
    struct Lage {
        std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
        bool Gesetzt = false;
    };

    RichTextBox rtbT{"rtbT"};

    // The window's place and size (twips): the view sets them while the
    // window is shown and places the window where a kept position says.
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    bool PositionGemerkt() const { return lage_.Gesetzt; }

    // Esc (27) closes the window.
    void Form_KeyPress(std::int16_t& KeyAscii);
    // Keeps the window's place and size for the next opening.
    void Form_Unload();
    bool Geladen() const { return geladen_; }
    // Closes the window on screen (the view sets it).
    std::function<void()> Schliessen;

    // x in a column of width characters with the decimals: "" for 0; a
    // shorter text gets two blanks in front for each character it lacks (a
    // blank is about half a digit wide).
    static std::string ZahlSpalte(double x, int breite, int dezimalen);

protected:
    explicit Textbericht(Lage& lage) : lage_(lage) {}
    // Program icon, screen font and the kept place.
    void Laden();
    void TextAnhängen(std::string_view s);
    // Appends the text as a heading (coloured at the end).
    void ÜberschriftAnhängen(std::string_view s);
    // A new report: empty text with these tab stops (twips).
    void Beginnen(std::vector<std::int32_t> tabs);
    // The head block ends here.
    void KopfEnde() { kopfEnde_ = rtbT.Länge(); }
    // Colours the headings and gives the head block's first tab stop 1600 twips.
    void Abschliessen();

private:
    Lage& lage_;
    bool geladen_ = false;
    std::vector<std::int32_t> überschriftAnfang_, überschriftLänge_;
    std::vector<std::int32_t> tabs_;
    std::int32_t kopfEnde_ = 0;
};

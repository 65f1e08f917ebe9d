// The page engine under every printed report.
//
// It lays a grid of equal character cells over an A4 page less its margins
// (portrait 79 x 66, landscape 128 x 41 in the reports) and places texts,
// framed boxes and rules by whole cell numbers: a box is drawn at the block
// start row and moves to a new page when it does not fit; rows of texts and
// rules count from the top frame row of the last box. With a page title set,
// every page begins with a head line (the title at the left, "Seite n" at
// the right). On the back pages of a duplex printout the binding margin
// changes sides. A box that may be longer than a page is drawn through
// FortlaufendeBox, which goes on over as many pages as it needs.
//
// No text comes nearer than an eighth of a cell to the boxes' right frame,
// nor nearer than Linienabstand to its ink: a text that would is cut short
// there and ends in "…". Nothing is drawn below the grid's last row without
// a word: a box too tall for a fresh page, or a text below the last row,
// marks the printout as run over (Überlauf), and Terminate then refuses to
// finish it.
//
// Every text keeps its room: while a page is laid out the engine notes
// where each text stands in its row (a text chained with row -1 belongs to
// the one before), how far it reaches up and down (its line, and a
// subscript below it), and where the rules, column lines and frames run; a
// text that would come nearer than a gap to the next text of its row, or
// to a line beside it (Linienabstand clear of its ink), above or below it
// (a column line that ends or resumes near it, a rule, a frame:
// Höhenabstand), marks the printout (Raumfehler), naming the first such
// text, and Terminate refuses to finish it. Texts cut short with "…" stay
// in their room by being cut. A text on a white fill (Freistellen) covers
// the lines drawn before it: they stop that gap above and below it.
//
// Texts given to Text carry the inline markup of printed text ("÷"):
//   ÷0, ÷1     an empty and a ticked box
//   ÷ letter   the Greek letter of that code in the Greek set (÷D Δ, ÷h θ,
//              ÷g η, ÷w χ, ÷x ψ ...)
//   ÷(group)   the group as a subscript (no markup inside it)
//   ÷÷rest     the rest of the text as a subscript
//   ÷ other    nothing (also a "÷" at the very end)
// TextBox and the page head print plain text.
//
// The engine knows nothing of projects or reports: the report class
// ZIRVO3801Drucken owns one and draws every section through it. It draws on
// the print job (Plattform::Druckfläche) the report class hands it.
#pragma once

#include "frame/Druckflaeche.h"
#include "printing/Probeflaeche.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Drucken {
public:
    // Rows by font height: while it is set, CharA4 takes the row height from
    // the font (a line with its subscripts, Markupzeile) instead of the row
    // count asked for. Program-wide, False at start; the print dialog of the
    // system proof sets it for its printouts through ZeilenNachSchriftSetzen,
    // which restores it afterwards.
    static bool ZeilenNachSchrift;
    class ZeilenNachSchriftSetzen {
    public:
        explicit ZeilenNachSchriftSetzen(bool an) : alt_(ZeilenNachSchrift) { ZeilenNachSchrift = an; }
        ~ZeilenNachSchriftSetzen() { ZeilenNachSchrift = alt_; }
        ZeilenNachSchriftSetzen(const ZeilenNachSchriftSetzen&) = delete;
        ZeilenNachSchriftSetzen& operator=(const ZeilenNachSchriftSetzen&) = delete;

    private:
        bool alt_;
    };

    Drucken() = default;
    Drucken(const Drucken&) = delete;
    Drucken& operator=(const Drucken&) = delete;

    // The print job to draw on, before Initialize; the engine owns it until
    // Terminate. Without a job every drawing member does nothing.
    void Auftrag(std::unique_ptr<Plattform::Druckfläche> fläche);
    Plattform::Druckfläche* Fläche() const { return fläche_.get(); }

    // Sets the font (bold off) and the line width (1/600 inch, rounded to a
    // whole number, halves to even); clears the page title and its flag and
    // puts block start, box start and box end to 0.
    void Initialize(const std::string& fontName, double fontSize, double lineWidth);
    // Ends the print document and lets the job go. False, with the reason,
    // when the document could not be finished, nothing was drawn on it, or
    // it ran over the bottom of a page (then it is let go unfinished: a PDF
    // is not written).
    bool Terminate(std::string& fehler);
    // Orientation and coordinates: cm, (0, 0) at left cm from the left and
    // top cm from the top paper edge.
    void ScaleA4(double left, double top, bool landscape);
    // The character grid over width x height cm: nChars columns and nLines
    // rows; below 1 (or with rows by font height) they follow from the
    // width of "0" and the height a line of the font takes (Markupzeile).
    void CharA4(double width, double height, int nChars, int nLines);
    int Characters() const { return zeichen_; }
    int Lines() const { return zeilen_; }
    void NewPage();
    // The next copy of the printout in the same document: on a new sheet (a
    // front page when printing on both sides), pages counted from 1 again;
    // the caller sets the copy up as the first (Initialize, ScaleA4, ...).
    void NeuesExemplar();
    // Switches duplex printing; when the printer then prints on both sides
    // the back pages are mirrored. A printer without duplex changes nothing.
    void Duplex(bool on);
    // Sets the title flag and, when given, the title; the flag as it was.
    // The title stops before the page number: where it would reach it, its
    // start is cut short with "…", its end (titleEnd, the print time) stays
    // whole.
    bool PageTitle(bool show, const std::optional<std::string>& title = std::nullopt,
                   const std::string& titleEnd = {});
    void PageHead();
    // A line the page head prints in its empty second row while it is set
    // (the section the page belongs to, e.g. the zone of a zone protocol),
    // cut short with "…" at the grid's edge; "" for none.
    void Seitenzusatz(const std::string& text) { zusatz_ = text; }
    // A framed box of rows content rows at the block start (row 1 shaded
    // light grey when shaded); a new page first when it does not fit.
    void Box(int rows, bool shaded);
    // The content rows a box can have at the block start (or at the top of
    // a fresh page), below the page head printed there.
    int FreieZeilen(bool neueSeite = false) const;
    void LineX(int row1, int col1, int row2, int col2, bool thick, bool grey);
    void LineV(int col, bool thick);
    void LineH(int row, bool thick);
    // One text through the markup; row -1 continues where the last text
    // ended. rightAlign: the text ends at the right edge of cell col + width.
    void Text(int row, int col, std::string_view text, bool bold = false, bool rightAlign = false, int width = 0);
    // A text that stays in its column, left of the column line of column
    // `bis` (a text of column bis + 1 begins half a cell behind that line):
    // cut short with "…" where it would come nearer than half a cell to the
    // line. Row -1 as in Text.
    void TextBis(int row, int col, std::string_view text, bool bold, int bis);
    // A text left of the text of column `spalte`, where no column line
    // parts them: cut short with "…" where it would come nearer to it than
    // a quarter of a cell.
    void TextVor(int row, int col, std::string_view text, bool bold, int spalte);
    // The cells a text of column col has up to the column line of column
    // bis, as TextBis counts them; the width to wrap it in (Umbrechen).
    static int Spaltenbreite(int col, int bis) { return bis - col; }
    // Plain text wrapped at blanks into lines of at most width cells; a word
    // wider than that is broken after a comma, else where the line ends.
    // Returns the lines printed (0 for "").
    int TextBox(int row, int col, int width, std::string_view text, bool bold);
    // Lines (as Umbrechen gives them) one below the other from row, as Text
    // prints them.
    void Textzeilen(int row, int col, const std::vector<std::string>& zeilen, bool bold);
    // The lines TextBox would print; with höchstens > 0 no more than that
    // many, the last one then cut short with "…" when text remains.
    std::vector<std::string> Umbrechen(std::string_view text, double width, bool bold, int höchstens = 0);
    void SkipRows(int n) { blockanfang_ += n; }
    void SkipCentimeters(double cm);
    // Draws on the job what a dry run of the same set-up recorded on its
    // surface, call by call as it was drawn there: pages laid out before,
    // not laid out again. The marks of the record are told to marke where
    // they stand.
    void Abspielen(const Probeaufzeichnung& aufzeichnung,
                   const std::function<void(Probemarke, const std::string&)>& marke);

    // A subscript group of the markup is set in 2/3 of the font size and
    // lowered by 2/5 of a line.
    static double TiefGrösse(double grösse) { return 2 * grösse / 3; }
    static double TiefVersatz(double zeile) { return 2 * zeile / 5; }
    // The height a line of marked-up text takes in the font s on the
    // surface f, cm: the line, or a subscript below it where that reaches
    // further. Leaves the font s set on f.
    static double Markupzeile(Plattform::Druckfläche& f, const Plattform::Druckschrift& s);
    // Something of this job was to be drawn below the grid's last row.
    bool Überlauf() const { return überlauf_; }
    // "" while every text of this job kept its room; else what does not fit,
    // in words, for the first text that left it (the pages laid out so far).
    std::string Raumfehler();
    // The gap a text keeps beside a line, beyond the line's half width, pt:
    // nearer, to the eye, the line touches its letters.
    static constexpr double Linienabstand = 0.3;
    // The room a text needs from the next text of its row, or from a line
    // beside it (beyond the line's half width: Linienabstand), cm.
    double Textabstand(bool zurLinie) const;
    // The room a text keeps above and below it from a line (beyond the
    // line's half width): the end of a column line, a rule, a frame, cm.
    double Höhenabstand() const;
    // The next text (of Text) is printed on a white fill that covers the
    // lines drawn before it where it stands, and the gap of Höhenabstand
    // around it: a label set into column lines.
    void Freistellen() { freiNächstes_ = true; }

    // --- state, for the report class and for tests ---
    double Zellenbreite() const { return zellenbreite_; }
    double Zellenhöhe() const { return zellenhöhe_; }
    int Blockanfang() const { return blockanfang_; }
    int Boxanfang() const { return boxanfang_; }
    int Boxende() const { return boxende_; }
    bool Gespiegelt() const { return spiegeln_; }
    double Linienbreite() const { return linie_; }
    const Plattform::Druckschrift& Schrift() const { return schrift_; }
    void Schriftname(const std::string& name);
    // The character set of what is printed next (Plattform::Zeichensatz...):
    // its characters in the face the printer has for the set. The markup
    // switches to the Greek or the symbol set for one glyph by itself.
    void Zeichensatz(int satz);
    // The width of a text as the markup prints it, cm; in the current font,
    // or in it bold or not.
    double Markupbreite(std::string_view text) const { return Markupbreite(text, schrift_.Fett); }
    double Markupbreite(std::string_view text, bool bold) const;
    // The x of the right frame of a box, cm.
    double RechterRahmen() const { return zeichen_ * zellenbreite_ - zellenbreite_ / 2; }
    // Where a text of a box ends at the latest, cm: an eighth of a cell
    // before the right frame, and no nearer to the frame's ink than
    // Linienabstand (the frame is drawn twice the line width), so that the
    // frame never touches it.
    double Textgrenze() const {
        return RechterRahmen() - std::max(zellenbreite_ / 8, linie_ * 2.54 / 600 + Textabstand(true));
    }

private:
    std::unique_ptr<Plattform::Druckfläche> fläche_;
    Plattform::Druckschrift schrift_;
    double linie_ = 1;
    double zellenbreite_ = 0.2;
    double zellenhöhe_ = 0.4;
    int zeichen_ = 0;
    int zeilen_ = 0;
    int blockanfang_ = 0;
    int boxanfang_ = 0;
    int boxende_ = 0;
    std::string titel_;
    std::string titelEnde_;
    std::string zusatz_;
    bool mitTitel_ = false;
    bool spiegeln_ = false;
    bool gezeichnet_ = false; // something was drawn since the job began
    bool überlauf_ = false;   // something ran over a page's last row since then
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0; // front pages
    double geradeLinks_ = 0, geradeRechts_ = 0; // back pages
    double aktX_ = 0, aktY_ = 0;                // where the last text ended

    // Where the texts and the lines of the page being laid out stand.
    struct Feld {
        int Zeile;
        double x1, x2; // the printed characters, blanks at either end left out
        double y1, y2; // from the top of its line to the foot of its lowest line (a subscript's)
        std::string Text;
        bool Gekürzt;
    };
    // A line from (x1, y1) to (x2, y2), upright or level, as drawn.
    struct Linie {
        double x1, y1, x2, y2, Breite;
    };
    // A white fill, over the lines drawn before it (the first `linien`).
    struct Freifläche {
        double x1, y1, x2, y2;
        std::size_t linien;
    };
    std::vector<Feld> felder_;
    std::vector<Linie> linien_;
    std::vector<Freifläche> freiflächen_;
    bool feldOffen_ = false; // the last text may be continued with row -1
    bool freiNächstes_ = false;
    std::string raumfehler_;
    Plattform::Druckschrift grundschrift_; // as Initialize set it
    // A new field for the text about to be printed (on its white fill when
    // one was asked for).
    void Feldbeginn(int zeile, bool gekürzt, std::string_view text);
    // The white fill under a text about to be printed at the current
    // position, as wide and as deep as its marked-up characters.
    void Freifüllen(std::string_view text);
    // Whether line number nr of the page comes nearer to the field than its
    // room, where no white fill drawn after it covers it.
    bool Berührt(const Feld& f, const Linie& l, std::size_t nr, const std::vector<Freifläche>& freiflächen) const;
    void Räumeprüfen();

    void SchriftSetzen(const Plattform::Druckschrift& s);
    void Fett(bool fett);
    void Drucke(std::string_view text);
    // Text, cut short with "…" where it would pass x = grenze (cm).
    void TextBegrenzt(int row, int col, std::string_view text, bool bold, bool rightAlign, int width, double grenze);
    // The longest start of text that is at most breite wide with "…"
    // behind it ("" when not even that fits); markup: measured as Text
    // prints it, else as plain text.
    std::string Gekürzt(std::string_view text, double breite, bool markup) const;
    void PrintMarkup(std::string_view text);
    double MittelX(int col) const { return (col + 1) * zellenbreite_ + zellenbreite_ / 2; }
    double MittelY(int row) const { return (boxanfang_ + row) * zellenhöhe_ + zellenhöhe_ / 2; }
    void Rahmenlinie(double x1, double y1, double x2, double y2, bool dick, bool grau);
    // Marks the job as run over when page row `zeile` lies below the grid.
    void Zeileprüfen(int zeile) { überlauf_ = überlauf_ || zeile >= zeilen_; }
};

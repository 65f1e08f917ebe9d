// What a printout needs of a printer: one print job, drawn page by page.
//
// The page engine (printing/Drucken) draws every report through this
// surface. Lengths are centimetres in the user coordinates that the engine
// sets with Massstab; line widths are in 1/600 inch, never device pixels, so
// a line looks the same on a 300 dpi printer and in a 1200 dpi PDF. Texts
// are UTF-8: Greek letters and the check boxes of the markup are plain
// Unicode characters, drawn in the font's character set (the Greek or the
// symbol set), whose faces the program carries, whatever the print face.
//
// The Qt program prints through QPrinter (frame/qt/QtDruckflaeche); tests
// draw on a recording surface with fixed metrics (printing/Aufzeichnungsflaeche).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Plattform {

// The printer of our own that writes a PDF file; always in the list.
inline constexpr const char* PdfDrucker = "PDF-Datei";

// A colour as the reports give it: red in the lowest byte.
using Druckfarbe = std::uint32_t;

// The character sets of a font: the print face itself, and the two sets
// the markup draws its Greek letters and boxes from. A printer takes the
// face of the symbol and the Greek set from the program (Qt: DejaVu Sans
// and Liberation Sans, built in), never from the faces of the machine.
inline constexpr int ZeichensatzNormal = 0;
inline constexpr int ZeichensatzSymbol = 2;
inline constexpr int ZeichensatzGriechisch = 161;

struct Druckschrift {
    std::string Name;
    double Grösse = 9; // points
    bool Fett = false;
    int Zeichensatz = ZeichensatzNormal; // the size and weight hold for every set
    bool operator==(const Druckschrift&) const = default;
};

// The printer's identity, as the test page shows it.
struct Druckerangaben {
    std::string Name;
    std::string Treiber;
    std::string Anschluss;
};

class Druckfläche {
public:
    virtual ~Druckfläche() = default;

    // --- set-up, before the first page is drawn ---
    // The document's name: the title of a PDF, the job's name in the queue
    // of a system printer.
    virtual void Dokumentname(const std::string&) {}
    virtual void Querformat(bool quer) = 0;
    // The paper and its printable area for the orientation set, in cm.
    virtual double PapierBreite() const = 0;
    virtual double PapierHöhe() const = 0;
    virtual double DruckbereichBreite() const = 0;
    virtual double DruckbereichHöhe() const = 0;
    // 1 one-sided, 2 both sides (turned on the long edge). Setting a mode the
    // printer does not have leaves the mode as it was.
    virtual int DuplexModus() const = 0;
    virtual void DuplexModusSetzen(int modus) = 0;
    // The user coordinates of the top-left (x1, y1) and the bottom-right
    // (x2, y2) corner of the printable area; may change between pages.
    virtual void Massstab(double x1, double y1, double x2, double y2) = 0;
    virtual Druckerangaben Angaben() const = 0;

    // --- font and metrics ---
    virtual void Schrift(const Druckschrift& schrift) = 0;
    // The face the printer really uses for the font set.
    virtual std::string GefundeneSchrift() const = 0;
    // Width of the text in the current font, cm.
    virtual double Textbreite(std::string_view text) const = 0;
    // Height of a line of the current font, cm.
    virtual double Zeilenhöhe() const = 0;
    // Whether the widths are those of a real face; a test's surface with
    // made-up widths says not, and the texts are then not held to their
    // rooms (Drucken).
    virtual bool Schriftbreiten() const { return true; }
    // The first character of zeichen that the face of the current font does
    // not draw with a glyph of its own (where the printer would lend one of
    // another face, or a symbol face has a sign at a letter's place); 0 when
    // it draws them all. A surface without real faces draws them all.
    virtual char32_t FehlendesZeichen(std::u32string_view) const { return 0; }

    // --- drawing, in user coordinates ---
    // The text with its top-left corner at (x, y), in the current font.
    virtual void Text(double x, double y, std::string_view text) = 0;
    virtual void Linie(double x1, double y1, double x2, double y2, double breite, Druckfarbe farbe) = 0;
    virtual void Rechteck(double x1, double y1, double x2, double y2, double breite, Druckfarbe farbe) = 0;
    virtual void Fläche(double x1, double y1, double x2, double y2, Druckfarbe farbe) = 0;

    // --- pages and document ---
    // The page number within the copy being printed.
    virtual int Seitennummer() const = 0;
    virtual void NeueSeite() = 0;
    // The next copy of the printout in the same document: it begins on a
    // new sheet (a front page when printing on both sides), its pages
    // numbered from 1 again.
    virtual void NeuesExemplar() = 0;
    // Ends the document; the printer prints it (the PDF printer writes its
    // file). False with the reason when the document could not be finished.
    virtual bool Beenden(std::string& fehler) = 0;
};

} // namespace Plattform

// A print job through Qt: on a printer of the system (QPrinter), or as a
// PDF file (the program's own printer "PDF-Datei", QPdfWriter). A4 at high
// resolution, the whole sheet addressed (the printer leaves out what it
// cannot reach).
//
// The report font is asked for by the name the settings give; "Arial" (the
// default) is the face the program carries for it, Liberation Sans
// (QtDruckschriften), any other name a font of the system. The Greek and
// the symbol set of the markup are drawn from the faces the program
// carries for them, whatever the report font. A character the report
// font's face lacks comes from the carried faces, else from a fallback
// face of the system; which of the reports' characters it lacks, the
// surface says (FehlendesZeichen), so that no printout begins with them.
// Printed text is never shaped into ligatures: "ff", "fi", "fl" stay two
// letters, so every word of a printout is found and copied as written.
// A system printer's job is named (Dokumentname) and refused at once when
// the queue takes no jobs; a job the printing system did not accept is a
// failure with the system's reason, never a printout that silently went
// nowhere.
//
// A PDF is drawn into memory and written only once the document is
// complete, through a temporary file beside the target that is flushed to
// disk before it takes the target's name: a printout that fails or cannot
// be written leaves an older file of that name as it was, and says why.
// Such temporary files left by a printout that was killed midway are
// removed by the next printout to their folder.
#pragma once

#include "frame/Druckflaeche.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

class QtDruckfläche : public Plattform::Druckfläche {
public:
    // A job on the system printer of that name; nothing (and the reason)
    // when there is no such printer.
    static std::unique_ptr<QtDruckfläche> System(const QString& name, QString& fehler);
    // A job that writes the PDF file ziel; nothing (and the reason) when its
    // folder cannot take the file.
    static std::unique_ptr<QtDruckfläche> Pdf(const QString& ziel, QString& fehler);
    // A PDF page to measure on: its paper and font metrics are those of the
    // PDF printer; it never writes a file.
    static std::unique_ptr<QtDruckfläche> Messung();
    ~QtDruckfläche() override;

    // The font as the print surface uses it for a face of that name, size,
    // weight and character set: outlines, no ligatures.
    static QFont Druckfont(const Plattform::Druckschrift& schrift);

    void Dokumentname(const std::string& name) override;
    void Querformat(bool quer) override;
    double PapierBreite() const override;
    double PapierHöhe() const override;
    double DruckbereichBreite() const override { return PapierBreite(); }
    double DruckbereichHöhe() const override { return PapierHöhe(); }
    int DuplexModus() const override;
    void DuplexModusSetzen(int modus) override;
    void Massstab(double x1, double y1, double x2, double y2) override;
    Plattform::Druckerangaben Angaben() const override { return angaben_; }

    void Schrift(const Plattform::Druckschrift& schrift) override;
    std::string GefundeneSchrift() const override;
    double Textbreite(std::string_view text) const override;
    double Zeilenhöhe() const override;
    char32_t FehlendesZeichen(std::u32string_view zeichen) const override;

    void Text(double x, double y, std::string_view text) override;
    void Linie(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe) override;
    void Rechteck(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe) override;
    void Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe farbe) override;

    int Seitennummer() const override { return seite_; }
    void NeueSeite() override;
    void NeuesExemplar() override;
    bool Beenden(std::string& fehler) override;

private:
    QtDruckfläche();
    std::unique_ptr<QPrinter> printer_; // a system printer
    QBuffer puffer_;                    // the PDF, until it is complete
    std::unique_ptr<QPdfWriter> pdf_;
    QPagedPaintDevice* gerät_ = nullptr; // the one of the two in use
    QPainter maler_;
    bool begonnen_ = false;
    bool fehler_ = false;
    bool beendet_ = false;
    QFont schrift_;
    double x1_ = 0, y1_ = 0, x2_ = 21, y2_ = 29.7;
    int seite_ = 1;   // page number within the copy
    int blätter_ = 1; // pages of the document
    int pdfDuplex_ = 1;
    QString ziel_; // the PDF file, "" for a system printer
    Plattform::Druckerangaben angaben_;

    void SeiteEinrichten();
    bool Malen();
    double Auflösung() const;
    double PunkteJeCm() const;
    QPointF Punkt(double x, double y) const;
    QPen Stift(double breite, Plattform::Druckfarbe farbe) const;
};

// A print job through QPrinter: on a printer of the system, or as a PDF
// file (the program's own printer "PDF-Datei"). A4 at high resolution, the
// whole sheet addressed (the printer leaves out what it cannot reach). The
// report font goes through Qt's font matching ("Arial" is usually Liberation
// Sans here); characters the face lacks come from a fallback face.
//
// A PDF is written to a temporary file beside the target and renamed onto
// it only when the document ended well: a failed or abandoned printout
// leaves an older file of that name as it was.
#pragma once

#include "frame/Druckflaeche.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include <memory>

class QtDruckfläche : public Plattform::Druckfläche {
public:
    // A job on the system printer of that name; nothing (and the reason)
    // when there is no such printer.
    static std::unique_ptr<QtDruckfläche> System(const QString& name, QString& fehler);
    // A job that writes the PDF file ziel; nothing (and the reason) when its
    // folder cannot take the file.
    static std::unique_ptr<QtDruckfläche> Pdf(const QString& ziel, QString& fehler);
    ~QtDruckfläche() override;

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

    void Text(double x, double y, std::string_view text) override;
    void Linie(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe) override;
    void Rechteck(double x1, double y1, double x2, double y2, double breite, Plattform::Druckfarbe farbe) override;
    void Fläche(double x1, double y1, double x2, double y2, Plattform::Druckfarbe farbe) override;

    int Seitennummer() const override { return seite_; }
    void NeueSeite() override;
    bool Beenden(std::string& fehler) override;

private:
    QtDruckfläche();
    QPrinter printer_{QPrinter::HighResolution};
    QPainter maler_;
    bool begonnen_ = false;
    bool fehler_ = false;
    bool beendet_ = false;
    QFont schrift_;
    double x1_ = 0, y1_ = 0, x2_ = 21, y2_ = 29.7;
    int seite_ = 1;
    QString ziel_;      // the PDF file, "" for a system printer
    QString temporär_;  // where the PDF is written until it is complete
    Plattform::Druckerangaben angaben_;

    bool Malen();
    double PunkteJeCm() const;
    QPointF Punkt(double x, double y) const;
    QPen Stift(double breite, Plattform::Druckfarbe farbe) const;
};

// The font dialog of the print font ("Durchsuchen" of the printer
// settings): the faces that can print the reports, each family once by its
// name (QtSchriftzeichen::Familien with the caller's characters), and a size
// typed whole or with a decimal point or comma ("9.5", "9,5"), as the fit
// messages name sizes. A family can be typed: a name typed exactly is that
// family, never a longer one it begins ("DejaVu Sans" stays "DejaVu Sans",
// not "DejaVu Sans Condensed"); letter case counts only where two families
// differ by it alone. A family not in the list (a face of the system that
// lacks a character of the reports is named with the first it lacks) or a
// size that is no such number or lies outside the caller's range is said
// when OK is pressed, and the dialog stays open (Qt's own font dialog
// takes whole sizes only and reads "10.5" as 105).
#pragma once

#include "frame/Plattform.h"

#include <QDialog>
#include <QFont>
#include <QStringList>

class QComboBox;
class QLabel;

class Schriftdialog : public QDialog {
    Q_OBJECT
public:
    Schriftdialog(const QFont& start, const Plattform::Schrift& bereich, QWidget* eigentümer);
    // The face and size as chosen (the size as read on OK).
    QFont currentFont() const;
    void setCurrentFont(const QFont& f);
    // The families offered.
    QStringList Familien() const { return familien_; }
    // The family the field names: the one of the list typed exactly, else
    // the one equal but for letter case; "" for none.
    QString Familie() const;
    // The size as the field shows it.
    QString Grössentext() const;
    void GrössentextSetzen(const QString& text);
    void accept() override;

private:
    Plattform::Schrift bereich_;
    QStringList familien_;
    QComboBox* familie_;
    QComboBox* grösse_;
    QLabel* muster_;
    double gelesen_;
    void MusterZeigen();
    // A face of the system by that name (any foundry, any letter case): the
    // first character of the reports it lacks, upright or bold; 0 for none
    // or no such face.
    char32_t Fehlendes(const QString& name) const;
};

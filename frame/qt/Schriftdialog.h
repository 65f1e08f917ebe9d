// The font dialog of the print font ("Durchsuchen" of the printer
// settings): the installed faces with Latin letters, and a size typed whole
// or with a decimal point or comma ("9.5", "9,5"), as the fit messages name
// sizes. A size that is no such number or lies outside the caller's range
// is said when OK is pressed, and the dialog stays open (Qt's own font
// dialog takes whole sizes only and reads "10.5" as 105).
#pragma once

#include "frame/Plattform.h"

#include <QDialog>
#include <QFont>

class QComboBox;
class QFontComboBox;
class QLabel;

class Schriftdialog : public QDialog {
    Q_OBJECT
public:
    Schriftdialog(const QFont& start, const Plattform::Schrift& bereich, QWidget* eigentümer);
    // The face and size as chosen (the size as read on OK).
    QFont currentFont() const;
    void setCurrentFont(const QFont& f);
    // The size as the field shows it.
    QString Grössentext() const;
    void GrössentextSetzen(const QString& text);
    void accept() override;

private:
    Plattform::Schrift bereich_;
    QFontComboBox* familie_;
    QComboBox* grösse_;
    QLabel* muster_;
    double gelesen_;
    void MusterZeigen();
};

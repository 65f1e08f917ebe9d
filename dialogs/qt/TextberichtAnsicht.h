// The window of a text report on screen (the envelope areas, the losses per
// component): one read-only text box that fills the window, bound to the
// report's model. Esc and the close box close it; it opens where it was
// last during the run.
#pragma once

#include <QDialog>

class QTextBrowser;
class Textbericht;

class TextberichtAnsicht : public QDialog {
public:
    // The model must be loaded (its report is written).
    TextberichtAnsicht(Textbericht& modell, const char* name, QSize grösse, QWidget* eigentümer = nullptr);
    ~TextberichtAnsicht() override;

    // Makes frmFlächen::Anzeigen and frmBauteilVerluste::Anzeigen show their
    // windows modally, owned by the active window.
    static void Einrichten();

    QTextBrowser* Textfeld() const { return rtbT_; }
    void reject() override;

protected:
    void moveEvent(QMoveEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    Textbericht& m_;
    QTextBrowser* rtbT_ = nullptr;
    void lageMelden();
};

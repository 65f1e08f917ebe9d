// The main window on the screen: menu bar, the two tool bars, the status
// bar, the help panel, the version notice, the title strips, the splitter
// bar and the four input grids, each bound to its state in the window model
// frmZIRVO3801. The user's events go to the model's handlers; the model
// decides what is shown where, the view places and paints it.
//
// The inner area below the menu bar is the model's coordinate space (twips):
// the tool bars, the status bar and the help panel are children of it and
// stand where the model's aligned regions say.
#pragma once

#include "frame/Programmstart.h"

#include <QClipboard>
#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class EingabeTabelleWidget;
class Menüeintrag;
class PictureBox;
class QAction;
class QLabel;
class QLineEdit;
class QScrollBar;
class QStatusBar;
class QTextBrowser;
class QToolBar;
class QToolButton;
class Steuerelement;
class TextBox;
class frmZIRVO3801;

class frmZIRVO3801Ansicht : public QMainWindow, public Programmstart::Hauptfenster {
public:
    explicit frmZIRVO3801Ansicht(frmZIRVO3801& modell, QWidget* parent = nullptr);
    ~frmZIRVO3801Ansicht() override;

    // Makes the dialogs that the main window's commands open show their
    // windows: what the program's start sets up.
    static void Einrichten();

    // --- what the start needs ---
    void Form_Load() override;
    void TabelleInitialisieren() override;
    void Zeigen() override;
    void NeuereVersionAnzeigen(const std::string& text) override;
    void ProjektEinlesenBeimProgrammstart(const std::string& datei) override;

    frmZIRVO3801& Modell() const { return m_; }

    // After every event handed to the model: the caption and the enabled
    // state of the tool-bar buttons follow the model.
    void Abgleichen();

    // --- the widgets, for the tests and the start ---
    QAction* Aktion(const Menüeintrag& eintrag) const;
    // Button of tool bar 1 or 2 by its key.
    QToolButton* Knopf(int leiste, std::string_view key) const;
    QToolBar* Leiste(int leiste) const;
    QStatusBar* Statusleiste() const { return statusleiste_; }
    QWidget* Innenfläche() const { return fläche_; }
    QWidget* Titel(int i) const;
    QWidget* Trennzeiger() const { return trennzeiger_; }
    QWidget* Hilfe() const { return hilfe_; }
    QWidget* Hilfeteiler() const { return trHilfe_; }
    QScrollBar* Querbalken() const { return querbalken_; }
    QLabel* NeuereVersion() const { return neuereVersion_; }
    EingabeTabelleWidget* Tabelle(std::int16_t t) const;
    QLineEdit* Zelle(const TextBox& zelle) const;

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Zustand;
    frmZIRVO3801& m_;
    std::unique_ptr<Zustand> z_;
    QWidget* fläche_ = nullptr;
    QStatusBar* statusleiste_ = nullptr;
    QWidget* trennzeiger_ = nullptr;
    QWidget* hilfe_ = nullptr;
    QWidget* trHilfe_ = nullptr;
    QTextBrowser* rtbInfo_ = nullptr;
    QLabel* neuereVersion_ = nullptr;
    QScrollBar* querbalken_ = nullptr;
    bool geladen_ = false;
    bool tabellenGebaut_ = false;
    bool innerhalbTaste_ = false;

    void beobachten(Steuerelement& zustand, std::function<void()> folgen, bool dauerhaft = true);
    void platzBinden(PictureBox& box, QWidget* widget);
    void menüsBauen();
    void leistenBauen();
    void leisteBauen(int nr);
    void knopfMenüBauen(int leiste, QToolButton* knopf);
    void knopfMenüAbgleichen(int leiste, QToolButton* knopf);
    void befehl(const std::function<void()>& handler);
    void fensterAnwenden();
    void fensterLesen();
    void fokusSetzen(Steuerelement& zustand);
    void versionLage();
    void querbalkenAbgleichen();
    void zelleZeigen(const QLineEdit* feld);
    bool zellTaste(QLineEdit* feld, TextBox& zelle, QKeyEvent* e);
    void zelleEinfügen(QLineEdit* feld, TextBox& zelle, QClipboard::Mode art);
};

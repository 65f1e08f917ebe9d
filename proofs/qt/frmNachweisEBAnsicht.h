// The window "Nachweis Einzelbauteile SIA 380/1" on the screen, bound to
// frmNachweisEB: the tab strip with its four pages (general data, the grid
// of components and windows, the grid of thermal bridges, the limit and
// target values), the buttons below, and the code picker beside the focused
// code or number cell.
//
// The program's start creates the window hidden, owned by the main window,
// loads the model and builds the grids through it; it lives until the
// program ends. Shown modeless from the Nachweis menu; "Schliessen" and the
// close box store the proof and hide the window.
#pragma once

#include "frame/Programmstart.h"
#include "frame/qt/Dialoghilfe.h"

#include <QWidget>

#include <cstdint>
#include <map>

class EingabeTabelleWidget;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTreeWidget;
class frmNachweisEB;

class frmNachweisEBAnsicht : public QWidget, public Programmstart::NachweisEBFenster {
public:
    explicit frmNachweisEBAnsicht(frmNachweisEB& modell, QWidget* eigentümer = nullptr);
    ~frmNachweisEBAnsicht() override;

    // --- what the start needs ---
    void Laden() override;
    void TabelleInitialisieren() override;

    // --- the widgets, for the tests ---
    QTabBar* Reiter() const { return reiter_; }
    EingabeTabelleWidget* Tabelle(std::int16_t k) const;
    QLineEdit* Zelle(const TextBox& zelle) const;
    QPushButton* CodeKnopf() const { return codeKnopf_; }
    QListWidget* CodeListe() const { return codeListe_; }
    QTreeWidget* Grenzwertliste() const { return grenzwerte_; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget* SeiteAllgemein();
    QWidget* SeiteGrenzwerte();
    void CodeKnopfSetzen();
    void CodeListeSetzen();
    void Schliessen();

    frmNachweisEB& m_;
    QTabBar* reiter_ = nullptr;
    QStackedWidget* seiten_ = nullptr;
    QWidget* seiteBt_ = nullptr;
    QWidget* seiteWb_ = nullptr;
    EingabeTabelleWidget* tabellen_[3] = {nullptr, nullptr, nullptr};
    QPushButton* codeKnopf_ = nullptr;
    QListWidget* codeListe_ = nullptr;
    QTreeWidget* grenzwerte_ = nullptr;
    bool gezeigt_ = false;
    Dialoghilfe::Beobachtungen beobachtet_;
    Dialoghilfe::Fokusziele fokusziele_;
};

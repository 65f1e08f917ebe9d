// The component editor on the screen: the three pages on a tab widget, the
// selectors, the fields and the layer grid, the menus, the material list
// button and its pop-up, bound to the window model frmBauteil. A window of
// its own beside the main window, which owns it; activating and leaving it,
// focus and keys in its fields go to the model's handlers.
#pragma once

#include "frame/qt/Dialoghilfe.h"

#include <QWidget>

#include <functional>
#include <map>

class frmBauteil;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;
class QToolButton;

class frmBauteilAnsicht : public QWidget {
public:
    // Builds the window for a loaded model.
    explicit frmBauteilAnsicht(frmBauteil& modell, QWidget* eigentümer = nullptr);
    ~frmBauteilAnsicht() override;

    // Makes the main window's components command show the editor (one at a
    // time), the editor's copy command show the chooser, and the main
    // window's materials command show the material window.
    static void Einrichten();
    // The editor window on the screen, or null.
    static frmBauteilAnsicht* Offen();

    // The widget of a control state, or null (for tests).
    QWidget* Widget(const Steuerelement& zustand) const;
    // Shows the category pop-up in place of opening it at the pointer (for
    // tests, which cannot answer a menu that waits).
    static inline std::function<void(QMenu&)> KategorieMenüZeigen;

protected:
    bool event(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    frmBauteil& m_;
    Dialoghilfe::Beobachtungen beobachtet_;
    std::map<const Steuerelement*, QWidget*> widgets_;
    std::map<QObject*, TextBox*> felder_;
    QTabWidget* tabs_ = nullptr;
    QWidget* seiten_[3] = {nullptr, nullptr, nullptr};
    QToolButton* listenknopf_ = nullptr;
    QFrame* popup_ = nullptr;
    QListWidget* liste_ = nullptr;
    QLabel* kat_ = nullptr;
    bool geschlossen_ = false;
    bool seiteSetzen_ = false;

    QWidget* SeiteBauteil();
    QWidget* SeiteFenster();
    QWidget* SeiteWärmebrücke();
    QWidget* Auswahlzeile(ComboBox& liste, CommandButton& knopf, const char* titel, void (frmBauteil::*wechsel)(),
                          QWidget* eltern);
    QWidget* Feld(TextBox& zustand, QWidget* eltern, int breite = 0, bool rechts = false);
    void Eintragen(const Steuerelement& zustand, QWidget* widget);
    void SeiteFolgen();
    void KnopfPlatzieren();
    void PopupPlatzieren();
    void KategorieMenü();
    void Fokus(Steuerelement& zustand, bool alles);
};

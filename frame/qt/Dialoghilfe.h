// Pieces the Qt views of the dialog window models share: texts and bound
// widgets, frames and buttons that follow their states, the model's focus
// hook, the events of the text boxes forwarded to the model's handlers, and
// the model's show hook.
#pragma once

#include "frame/Steuerelemente.h"
#include "frame/qt/EingabeTabelleWidget.h"
#include "frame/qt/Fensterlage.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace Dialoghilfe {

// A text of the program (UTF-8) as Qt takes it.
QString Q(const std::string& s);
// A text of the window, through the dialog language.
QString T(const char* text);

// A fixed text of the window, through the dialog language.
QLabel* Text(const char* text, QWidget* eltern);
// The label, in bold.
QLabel* Fett(QLabel* l);
// A text of the model, shown as its caption is.
QLabel* Beschriftung(Label& zustand, QWidget* eltern);
// A frame titled with the caption of its state, named as the state.
QGroupBox* Rahmen(Label& zustand, QWidget* eltern);
// A computed value: right-aligned in a sunken box, bound to its state.
QLabel* Wert(Label& zustand, QWidget* eltern);
// A text box bound to its state: a width above 0 fixes its width, rechts
// aligns its text to the right.
QLineEdit* Feld(TextBox& zustand, QWidget* eltern, int breite, bool rechts);
// A row of a grid: caption, computed value and unit in columns 0 to 2.
void Wertzeile(QGridLayout* g, int z, const char* text, Label& wert, const char* einheit, QWidget* eltern);
// A row of buttons at its right end.
QHBoxLayout* Knopfzeile(std::initializer_list<QPushButton*> knöpfe);

// Focus changes of the user inside the window, not those of a window coming
// or going or of a pop-up.
bool VomBenutzer(const QFocusEvent* e);
// The character code of a key press event (Enter 13), 0 when it has none.
std::int16_t Zeichen(const QKeyEvent& e);

// The observations a view makes of its model's control states; each ends
// when the view goes.
class Beobachtungen {
public:
    Beobachtungen() = default;
    Beobachtungen(const Beobachtungen&) = delete;
    Beobachtungen& operator=(const Beobachtungen&) = delete;
    ~Beobachtungen();

    // An observation the view made itself (the id beobachten gave).
    void hinzufügen(Steuerelement& zustand, int id);
    // A frame follows its state: enabled, visible and, with mitTitel and
    // when the frame is a group box, the state's caption as its title.
    void RahmenFolgen(Steuerelement& zustand, QWidget* rahmen, bool mitTitel);
    // A button follows its state: caption, enabled, visible.
    void KnopfFolgen(CommandButton& zustand, QPushButton* knopf);
    // A new button of the window for the state: named as the state, not
    // pressed by Enter, following its state.
    QPushButton* Knopf(CommandButton& zustand, QWidget* eltern);

private:
    std::vector<std::pair<Steuerelement*, int>> ids_;
};

// The widgets of the model's controls, for the model's focus hook.
class Fokusziele {
public:
    void eintragen(const Steuerelement& zustand, QWidget* widget);
    // Gives the focus to the widget of the state. A state without a widget,
    // or a widget disabled or hidden in the window, takes none.
    void setzen(const Steuerelement& zustand, const QWidget* fenster) const;

private:
    std::map<const Steuerelement*, QWidget*> widgets_;
};

// The events of the model's text boxes: a view registers each box with the
// model's handlers and passes its event filter's events here. While the
// model is loaded, a focus change of the user and (for a cell of a control
// array) a key press reach the handlers; Tab stays with the window.
template <class Modell> class Zellereignisse {
public:
    // The handlers of one box: those of cell Index of a control array, or
    // (Index -1) those of a single box. A missing handler is passed over.
    struct Ereignisse {
        int Index = -1;
        void (Modell::*GotFocus)(int) = nullptr;
        void (Modell::*KeyDown)(int, std::int16_t&, std::int16_t) = nullptr;
        void (Modell::*KeyPress)(int, std::int16_t&) = nullptr;
        void (Modell::*LostFocus)(int) = nullptr;
        void (Modell::*GotFocusEinzeln)() = nullptr;
        void (Modell::*LostFocusEinzeln)() = nullptr;
    };

    Zellereignisse(QObject* filter, Modell& modell) : filter_(filter), m_(modell) {}
    Zellereignisse(const Zellereignisse&) = delete;
    Zellereignisse& operator=(const Zellereignisse&) = delete;
    ~Zellereignisse() {
        for (const auto& [objekt, e] : ereignisse_) objekt->removeEventFilter(filter_);
    }

    void eintragen(QWidget* widget, const Ereignisse& e) {
        ereignisse_[widget] = e;
        widget->installEventFilter(filter_);
    }

    // Passes the event of a registered box to the model's handlers. True
    // when the model took the key, so the box must not see it.
    bool weiterleiten(QObject* objekt, QEvent* ereignis) {
        const auto typ = ereignis->type();
        if (typ != QEvent::FocusIn && typ != QEvent::FocusOut && typ != QEvent::KeyPress) return false;
        auto it = ereignisse_.find(objekt);
        if (it == ereignisse_.end() || !m_.Geladen()) return false;
        const Ereignisse& e = it->second;

        if (typ == QEvent::KeyPress) {
            if (e.Index < 0) return false;
            const auto* taste = static_cast<QKeyEvent*>(ereignis);
            bool verbraucht = false;
            // Tab moves through the window as everywhere: the window, not
            // the box, takes that key.
            std::int16_t code = 0, shift = 0;
            if (e.KeyDown && Tastencode::AusQt(*taste, code, shift) && code != Tastencode::vbKeyTab) {
                (m_.*e.KeyDown)(e.Index, code, shift);
                verbraucht = code == 0;
            }
            if (std::int16_t zeichen = Zeichen(*taste); zeichen != 0 && e.KeyPress) {
                (m_.*e.KeyPress)(e.Index, zeichen);
                verbraucht = verbraucht || zeichen == 0;
            }
            return verbraucht;
        }

        if (!VomBenutzer(static_cast<QFocusEvent*>(ereignis))) return false;
        if (typ == QEvent::FocusIn) {
            if (e.GotFocus) (m_.*e.GotFocus)(e.Index);
            if (e.GotFocusEinzeln) (m_.*e.GotFocusEinzeln)();
        } else {
            if (e.LostFocus) (m_.*e.LostFocus)(e.Index);
            if (e.LostFocusEinzeln) (m_.*e.LostFocusEinzeln)();
        }
        return false;
    }

private:
    QObject* filter_;
    Modell& m_;
    std::map<QObject*, Ereignisse> ereignisse_;
};

// A column of a grid of cells: its caption and unit ("": none), the model's
// control array, the width (0: free), and the model's handlers of its
// cells (without a KeyDown handler the cells' events are not forwarded).
template <class Modell> struct Rasterspalte {
    const char* Kopf;
    const char* Einheit;
    Steuerelementfeld<TextBox> Modell::*Feld;
    int Breite;
    void (Modell::*GotFocus)(int) = nullptr;
    void (Modell::*KeyDown)(int, std::int16_t&, std::int16_t) = nullptr;
    void (Modell::*KeyPress)(int, std::int16_t&) = nullptr;
    void (Modell::*LostFocus)(int) = nullptr;
};

// Lays out a grid of cells: the captions in row 0, the units in row 1, then
// the rows of cells. The first column holds text, at least 180 pixels wide,
// and takes the spare width; the others hold numbers, right-aligned. Every
// cell can take the model's focus, and its events go to the model.
template <class Modell, std::size_t N>
void Zellenraster(QGridLayout* raster, QWidget* eltern, Modell& modell, int zeilen,
                  const Rasterspalte<Modell> (&spalten)[N], Fokusziele& fokusziele,
                  Zellereignisse<Modell>& ereignisse) {
    for (int s = 0; s < static_cast<int>(N); ++s) {
        const Rasterspalte<Modell>& sp = spalten[s];
        raster->addWidget(Text(sp.Kopf, eltern), 0, s, s == 0 ? Qt::AlignLeft : Qt::AlignRight);
        if (*sp.Einheit) raster->addWidget(Text(sp.Einheit, eltern), 1, s, Qt::AlignRight);
    }
    for (int i = 0; i < zeilen; ++i)
        for (int s = 0; s < static_cast<int>(N); ++s) {
            const Rasterspalte<Modell>& sp = spalten[s];
            TextBox& zelle = (modell.*sp.Feld)[i];
            auto* w = Feld(zelle, eltern, sp.Breite, s > 0);
            if (s == 0) w->setMinimumWidth(180);
            raster->addWidget(w, 2 + i, s);
            fokusziele.eintragen(zelle, w);
            if (sp.KeyDown) ereignisse.eintragen(w, {i, sp.GotFocus, sp.KeyDown, sp.KeyPress, sp.LostFocus});
        }
    raster->setColumnStretch(0, 1);
}

// Makes the model's show hook open the view modally, owned by the window
// in front (the main window when a menu command opens it).
template <class Ansicht, class Modell> void ModalZeigen(std::function<void(Modell&)>& anzeigen) {
    anzeigen = [](Modell& modell) {
        Ansicht ansicht(modell, Fensterlage::Eigentümer());
        ansicht.exec();
    };
}

// The same for a model that is shown only while it is loaded.
template <class Ansicht, class Modell> void GeladenModalZeigen(std::function<void(Modell&)>& anzeigen) {
    anzeigen = [](Modell& modell) {
        if (!modell.Geladen()) return;
        Ansicht ansicht(modell, Fensterlage::Eigentümer());
        ansicht.exec();
    };
}

// The view has come on screen: a loaded model learns that it is visible
// and active.
template <class Modell> void Gezeigt(Modell& modell) {
    if (!modell.Geladen()) return;
    modell.Visible = true;
    modell.Form_Activate();
}

} // namespace Dialoghilfe

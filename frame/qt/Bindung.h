// Binds a control state of a window model to a Qt widget.
//
// A binding mirrors the state into the widget at once and after every
// change of the state (text or caption, value, list, tool tip, back colour,
// enabled, visible, read-only), and writes what the user does in the widget
// back into the state (text typed, box ticked, option chosen, entry picked).
// Neither side is written when it already holds the value, and a change
// the binding itself makes in the widget is not written back, so the two
// sides never chase each other.
//
// The binding lives as long as both sides: when the widget goes, it stops
// observing the state; when the state goes first, it leaves the widget
// alone from then on. Binding a widget again replaces its binding.
//
// Lengths of the window models are twips; the views convert them here.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QScrollBar;
class QWidget;

class CheckBox;
class ComboBox;
class Label;
class ListBox;
class OptionButton;
class Steuerelement;
class TextBox;
class vb6CCVScrollBar;

namespace Bindung {

void binden(TextBox& zustand, QLineEdit* widget);
void binden(Label& zustand, QLabel* widget);
void binden(CheckBox& zustand, QCheckBox* widget);
void binden(OptionButton& zustand, QRadioButton* widget);
void binden(ComboBox& zustand, QComboBox* widget);
void binden(ListBox& zustand, QListWidget* widget);
// The bar's positions, page and enabled flag; moving it is told to the bar,
// which raises its Change or Scroll event.
void binden(vb6CCVScrollBar& zustand, QScrollBar* widget);

// True while the widget is bound to a state.
bool gebunden(const QWidget* widget);

// Observes a state on behalf of a Qt object (its parent): calls `folgen`
// after every change of the state. It ends with whichever of the two goes
// first; once the state is gone, Zustand() is null and nothing is called.
// The bindings of state types of their own are built on it.
class Beobachtung : public QObject {
public:
    Beobachtung(Steuerelement& zustand, QObject* eltern, std::function<void()> folgen);
    ~Beobachtung() override;
    Steuerelement* Zustand() const { return zustand_; }

private:
    struct Wächter;
    Steuerelement* zustand_;
    std::weak_ptr<Wächter> wächter_;
    int id_ = 0;
};

inline constexpr int TwipsJePixel = 15;
// Rounded half away from zero; reckoned in 64 bits, so no number of twips
// overflows on the way.
inline int Pixel(std::int32_t twips) {
    const std::int64_t t = twips;
    return static_cast<int>((t >= 0 ? t + TwipsJePixel / 2 : t - TwipsJePixel / 2) / TwipsJePixel);
}
inline std::int32_t Twips(int pixel) { return static_cast<std::int32_t>(pixel) * TwipsJePixel; }

} // namespace Bindung

// Control states of the window models.
//
// A window model holds the state of each of its controls in one of these
// small types, under the control's own name (txtDaFl[row], lblQv, optNord1).
// They know nothing of a screen: a Qt view binds a real widget to a control
// state and mirrors it in both directions. Every change of a property is
// told to the observers, so the view can follow.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Colour as the original stores it: red in the lowest byte.
using Farbe = std::uint32_t;
constexpr Farbe RGB(int r, int g, int b) {
    return static_cast<Farbe>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr Farbe FarbeFenster = 0x80000005u;   // the system's window background
constexpr Farbe FarbeFehler = RGB(255, 192, 192); // tint of a faulty cell

class Steuerelement {
public:
    using Beobachter = std::function<void(const Steuerelement&)>;

    explicit Steuerelement(std::string name = {}, int index = -1)
        : Name(std::move(name)), Index(index) {}
    virtual ~Steuerelement() = default;
    Steuerelement(const Steuerelement&) = delete;
    Steuerelement& operator=(const Steuerelement&) = delete;

    std::string Name; // the control's name, such as "txtDaFl"
    int Index;        // element index in a control array, -1 for a single control

    bool Enabled() const { return enabled_; }
    void setEnabled(bool v) { setze(enabled_, v); }
    bool Visible() const { return visible_; }
    void setVisible(bool v) { setze(visible_, v); }
    const std::string& ToolTipText() const { return toolTip_; }
    void setToolTipText(std::string v) { setze(toolTip_, std::move(v)); }
    Farbe BackColor() const { return backColor_; }
    void setBackColor(Farbe v) { setze(backColor_, v); }
    const std::string& Tag() const { return tag_; }
    void setTag(std::string v) { setze(tag_, std::move(v)); }

    // Observers: told after every change. The id removes one again.
    int beobachten(Beobachter b);
    void nichtMehrBeobachten(int id);
    // How often the state changed: while the count is the same, so is the
    // state (whoever keeps what a control showed need not compare it again).
    std::uint64_t Änderungen() const { return änderungen_; }

protected:
    template <class T> void setze(T& feld, T wert) {
        if (feld == wert) return;
        feld = std::move(wert);
        melden();
    }
    void melden();

private:
    bool enabled_ = true;
    bool visible_ = true;
    std::string toolTip_;
    Farbe backColor_ = FarbeFenster;
    std::string tag_;
    std::uint64_t änderungen_ = 0;
    int nächsteId_ = 1;
    std::vector<std::pair<int, Beobachter>> beobachter_;
};

class TextBox : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    const std::string& Text() const { return text_; }
    void setText(std::string v) { setze(text_, std::move(v)); }
    bool Locked() const { return locked_; }
    void setLocked(bool v) { setze(locked_, v); }
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int v) { setze(maxLength_, v); }

private:
    std::string text_;
    bool locked_ = false;
    int maxLength_ = 0;
};

class Label : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string v) { setze(caption_, std::move(v)); }

private:
    std::string caption_;
};

class CommandButton : public Label {
public:
    using Label::Label;
};

// Menu entry: caption, enabled, visible, checked.
class Menüeintrag : public Label {
public:
    using Label::Label;
    bool Checked() const { return checked_; }
    void setChecked(bool v) { setze(checked_, v); }

private:
    bool checked_ = false;
};

class CheckBox : public Label {
public:
    using Label::Label;
    // 0 unticked, 1 ticked, 2 greyed
    int Value() const { return value_; }
    void setValue(int v) { setze(value_, v); }

private:
    int value_ = 0;
};

class OptionButton : public Label {
public:
    using Label::Label;
    bool Value() const { return value_; }
    void setValue(bool v) { setze(value_, v); }

private:
    bool value_ = false;
};

// List box and combo box: entries, the selected index (-1 = none) and,
// for a combo box, the text of its edit field.
class ListBox : public Steuerelement {
public:
    using Steuerelement::Steuerelement;
    const std::vector<std::string>& List() const { return list_; }
    int ListCount() const { return static_cast<int>(list_.size()); }
    std::string ListEntry(int i) const;
    void AddItem(std::string eintrag);
    // Replaces the text of entry i (and the edit text when i is selected).
    void setListEntry(int i, std::string eintrag);
    void RemoveItem(int i);
    void Clear();
    int ListIndex() const { return listIndex_; }
    // An index outside the list selects nothing.
    void setListIndex(int i);
    const std::string& Text() const { return text_; }
    void setText(std::string v) { setze(text_, std::move(v)); }

private:
    std::vector<std::string> list_;
    int listIndex_ = -1;
    std::string text_;
};

class ComboBox : public ListBox {
public:
    using ListBox::ListBox;
};

// A window model's own state: caption, icon, visibility and the screen font.
class Formular {
public:
    virtual ~Formular() = default;
    std::string Caption;
    std::string Icon;
    bool Visible = false;
    std::string FontName = "MS Sans Serif";
    double FontSize = 8.25;
};

// A control array: element i carries the array's name and i as its index.
template <class T> class Steuerelementfeld {
public:
    Steuerelementfeld(const std::string& name, int anzahl, int erster = 0) : erster_(erster) {
        elemente_.reserve(static_cast<std::size_t>(anzahl));
        for (int i = 0; i < anzahl; ++i) elemente_.push_back(std::make_unique<T>(name, erster + i));
    }
    T& operator[](int i) { return *elemente_.at(static_cast<std::size_t>(i - erster_)); }
    const T& operator[](int i) const { return *elemente_.at(static_cast<std::size_t>(i - erster_)); }
    int Anzahl() const { return static_cast<int>(elemente_.size()); }
    int LBound() const { return erster_; }
    int UBound() const { return erster_ + Anzahl() - 1; }
    bool Enthält(int i) const { return i >= erster_ && i <= UBound(); }

private:
    int erster_;
    std::vector<std::unique_ptr<T>> elemente_;
};

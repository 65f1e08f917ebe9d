// Control states of the two common controls the result windows use: a list
// view in report view (columns with captions, widths and alignment, rows of
// texts, a row in bold) and a tab strip (tabs with key and caption, the
// selected tab). Both are shown, never typed into: the window model fills
// them, the Qt view mirrors them, and a tab chosen by the user is written
// back as the selected tab.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ListView : public Steuerelement {
public:
    using Steuerelement::Steuerelement;

    enum class Ausrichtung : std::int16_t { Links = 0, Rechts = 1 };
    struct Spalte {
        std::string Text;
        std::int32_t Width = 0; // twips
        Ausrichtung Alignment = Ausrichtung::Links;
        bool operator==(const Spalte&) const = default;
    };
    // A row: the text of the first column, then the sub-items; missing
    // sub-items are empty.
    struct Zeile {
        std::vector<std::string> Texte;
        bool Bold = false;
        bool operator==(const Zeile&) const = default;
        // Sub-item i (0 = the row's text), "" when there is none.
        const std::string& Text(std::size_t i) const;
    };

    const std::vector<Spalte>& ColumnHeaders() const { return spalten_; }
    const std::vector<Zeile>& ListItems() const { return zeilen_; }
    // Replace the columns or the rows as a whole (one change for the views).
    void setColumnHeaders(std::vector<Spalte> spalten) { setze(spalten_, std::move(spalten)); }
    void setListItems(std::vector<Zeile> zeilen) { setze(zeilen_, std::move(zeilen)); }
    // Removes rows and columns.
    void Clear();
    // Appends a column or a row, for a window that fills its table piece by piece.
    void SpalteHinzufügen(std::string text, std::int32_t breite, bool rechts);
    void ZeileHinzufügen(Zeile zeile);

private:
    std::vector<Spalte> spalten_;
    std::vector<Zeile> zeilen_;
};

class TabStrip : public Steuerelement {
public:
    using Steuerelement::Steuerelement;

    struct Tab {
        std::string Key;
        std::string Caption;
        bool operator==(const Tab&) const = default;
    };

    const std::vector<Tab>& Tabs() const { return tabs_; }
    void setTabs(std::vector<Tab> tabs) { setze(tabs_, std::move(tabs)); }
    // Index of the selected tab (0-based), -1 without tabs.
    int SelectedIndex() const { return ausgewählt_; }
    // An index outside the tabs selects nothing.
    void setSelectedIndex(int i);
    // The key of the selected tab, "" when none is selected.
    std::string SelectedKey() const;
    // Selects the tab with the key; False (nothing changes) when none has it.
    bool SelectKey(std::string_view key);

private:
    std::vector<Tab> tabs_;
    int ausgewählt_ = -1;
};

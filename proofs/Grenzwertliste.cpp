// The page "Grenz- und Zielwerte" of the single-component proof: the
// standard's single-component table as a list, for new buildings, for
// conversions or without thermal-bridge proof, grouped by what a component
// adjoins or ordered by code under component-type headings.
#include "proofs/frmNachweisEB.h"

#include "balance/Anzeigezahl.h"
#include "balance/Einzelbauteil.h"
#include "frame/basZIRVODialogSprache.h"

#include <iterator>

namespace {

using Zeile = ListView::Zeile;

Zeile Leerzeile() { return {{}, false}; }
Zeile Überschrift(std::string text) { return {{"", "", "", std::move(text)}, false}; }

// Inserts the row at the 1-based position (the rows from there move down).
void Einfügen(std::vector<Zeile>& zeilen, std::size_t position, Zeile zeile) {
    const std::size_t p = std::min(position - 1, zeilen.size());
    zeilen.insert(zeilen.begin() + static_cast<std::ptrdiff_t>(p), std::move(zeile));
}

} // namespace

void frmNachweisEB::optGrNeubau_Click() {
    gruppe_ = 0;
    GrenzwertListeFüllen();
}

void frmNachweisEB::optGrUmbau_Click() {
    gruppe_ = 1;
    GrenzwertListeFüllen();
}

void frmNachweisEB::optGrOhneWb_Click() {
    gruppe_ = 2;
    GrenzwertListeFüllen();
}

void frmNachweisEB::cmdGrZiSortierung_Click() {
    sortierung_ = !sortierung_;
    GrenzwertListeFüllen();
}

void frmNachweisEB::GrenzwertListeFüllen() {
    const Einzelbauteil& tabelle = Global::Einzelbauteil;
    const std::int32_t g = gruppe_;
    using A = ListView::Ausrichtung;
    lvwGrenzwerte.Clear();
    lvwGrenzwerte.setColumnHeaders({{DS("Code"), 600, A::Links},
                                    {DS("Grenzwert"), 1020, A::Rechts},
                                    {DS("Zielwert"), 1020, A::Rechts},
                                    {DS("Bezeichnung"), 4770, A::Links}});

    auto codezeile = [&](std::int32_t i, std::string bezeichnung) {
        return Zeile{{tabelle.Code(i, g), Anzeigezahl::Festkomma(tabelle.Grenzwert(i, g), 2),
                      g == 2 ? std::string() : Anzeigezahl::Festkomma(tabelle.Zielwert(i, g), 2),
                      std::move(bezeichnung)},
                     false};
    };

    std::vector<Zeile> zeilen;
    if (!sortierung_) {
        // Table order, under a heading per adjoining condition.
        for (std::int32_t i = 0; i <= 21; ++i)
            zeilen.push_back(codezeile(i, "- " + tabelle.BauteilTyp(tabelle.Code(i, 0))));
        for (const auto& [position, code] :
             {std::pair<std::size_t, const char*>{1, "A1"}, {10, "A2"}, {19, "A3"}, {25, "A4"}}) {
            Einfügen(zeilen, position, Leerzeile());
            Einfügen(zeilen, position + 1, Überschrift(DS("Bauteile") + " " + tabelle.BauteilGegen(code)));
        }
    } else {
        // By code, under a heading per component type.
        for (const char b : std::string_view("ABCDEFG"))
            for (int n = 1; n <= (b == 'B' ? 6 : 4); ++n) {
                const std::string code = std::string(1, b) + std::to_string(n);
                const std::int32_t i = tabelle.Index(code);
                if (i < 0) continue;
                std::string bez = "- " + tabelle.BauteilGegen(code);
                if (code == "B5" || code == "B6") bez += " (" + DS("Storenkasten") + ")";
                zeilen.push_back(codezeile(i, std::move(bez)));
            }
        for (const auto& [position, typ] : {std::pair<std::size_t, const char*>{1, "A"},
                                            {7, "B"},
                                            {15, "C"},
                                            {21, "D"},
                                            {27, "E"},
                                            {31, "F"}}) {
            Einfügen(zeilen, position, Leerzeile());
            Einfügen(zeilen, position + 1, Überschrift(tabelle.BauteilTyp(typ)));
        }
    }
    zeilen.push_back(Leerzeile());

    if (g != 2) {
        // Thermal bridges: linear L1..L5, then the point bridge P1.
        zeilen.push_back(Überschrift(tabelle.BauteilTyp("L")));
        for (int k = 1; k <= 5; ++k) {
            const std::int32_t i = tabelle.Index("L" + std::to_string(k));
            if (i >= 0) zeilen.push_back(codezeile(i, "- " + tabelle.Text(i)));
        }
        zeilen.push_back(Leerzeile());
        zeilen.push_back(Überschrift(tabelle.BauteilTyp("P")));
        if (const std::int32_t i = tabelle.Index("P1"); i >= 0) zeilen.push_back(codezeile(i, "- " + tabelle.Text(i)));
        zeilen.push_back(Leerzeile());
    }
    lvwGrenzwerte.setListItems(std::move(zeilen));
}

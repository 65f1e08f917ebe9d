// Reading a recorded printout back in grid terms: the page row and column
// where a text begins, the cell where a right-aligned text ends, and the
// texts of one page row in order.
#pragma once

#include "printing/Aufzeichnungsflaeche.h"
#include "printing/Drucken.h"

#include <cmath>
#include <string>
#include <vector>

namespace Testhilfe {

struct Seitenraster {
    const Drucken* dp;
    const Aufzeichnungsfläche* fp;
    Seitenraster(const Drucken& d, const Aufzeichnungsfläche& f) : dp(&d), fp(&f) {}

    int Zeile(double y) const { return static_cast<int>(std::lround(y / dp->Zellenhöhe())); }
    // The grid column of a text's left edge (column 0 begins one cell in).
    int Spalte(double x) const { return static_cast<int>(std::lround(x / dp->Zellenbreite())) - 1; }
    // The cell whose right edge a text ends at (a text right-aligned in w
    // cells from column c ends at c + w).
    int Ende(const Aufzeichnungsfläche::Aufruf& a) const {
        return static_cast<int>(std::lround(a.x2 / dp->Zellenbreite())) - 1;
    }
    // The texts of a page row (absolute row from the top margin), left to right.
    std::vector<const Aufzeichnungsfläche::Aufruf*> InZeile(int seite, int zeile) const {
        std::vector<const Aufzeichnungsfläche::Aufruf*> r;
        for (const auto* a : fp->Texte(seite))
            if (Zeile(a->y1) == zeile) r.push_back(a);
        return r;
    }
    // The texts of a page row joined by "|".
    std::string Zeilentext(int seite, int zeile) const {
        std::string s;
        for (const auto* a : InZeile(seite, zeile)) s += (s.empty() ? "" : "|") + a->Text;
        return s;
    }
    // The first text that equals t exactly.
    const Aufzeichnungsfläche::Aufruf* Genau(const std::string& t, int seite = 0) const {
        for (const auto* a : fp->Texte(seite))
            if (a->Text == t) return a;
        return nullptr;
    }
};

} // namespace Testhilfe

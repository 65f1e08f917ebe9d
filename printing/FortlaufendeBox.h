// A framed box that may be longer than a page: the tables that grow with
// the project (the single components, the envelope tables of the protocol,
// the tables of the single-component proof) are drawn through it.
//
// The box is given its rows one entry at a time. Where the page ends, the
// box ends there too: its frame closes in the page's last row and the
// column lines of the section being printed reach down to it. On the next
// page, below the page head, the box goes on under its title followed by
// "(Fortsetzung)", with the head of that section (its column heads) drawn
// again, then the next rows. A box that fits where it stands, or on a fresh
// page, is drawn exactly as Drucken::Box draws it.
//
// Every box has its title in row 1 (bold) and a thick rule in row 2. The
// rows it gives out count from the top frame row of the part of the box on
// the current page, as Drucken's Text and rules take them.
#pragma once

#include "printing/Drucken.h"

#include <functional>
#include <string>

class FortlaufendeBox {
public:
    // The lines an entry may take at most: a designation wrapped in its
    // column ends in "…" beyond them.
    static constexpr int ZeilenJeEintrag = 6;

    // A box of `zeilen` content rows (as for Drucken::Box) at the block
    // start, its heading row shaded when schattiert. One that does not fit
    // on a fresh page begins where it stands when `mindestens` rows fit
    // there, else on the next page.
    FortlaufendeBox(Drucken& d, int zeilen, bool schattiert, std::string titel, int mindestens);
    FortlaufendeBox(const FortlaufendeBox&) = delete;
    FortlaufendeBox& operator=(const FortlaufendeBox&) = delete;

    // Starts a section whose head takes `kopfzeilen` rows: kopf draws it
    // from the row it is given, here and again on each page the section
    // goes on to; linien draws the section's column lines from the head's
    // first row down to a row. A section whose head and first row do not
    // fit on this page begins on the next.
    void Abschnitt(int kopfzeilen, std::function<void(int)> kopf, std::function<void(int, int)> linien);
    // The first of n rows that belong together (one entry): the next row,
    // or, when the n rows do not fit on this page, the first row below the
    // continued head on the next.
    int Zeilen(int n = 1);
    // Ends the section in the next row: a thick rule there, the section's
    // column lines down to it.
    void AbschnittEnde();
    // Ends the box: the column lines of a section still open reach its
    // bottom frame.
    void Ende();

private:
    Drucken& d_;
    bool schattiert_;
    std::string titel_;
    int rest_;           // rows of the box not yet given out
    int zeile_ = 0;      // the next row of the part on this page
    int erste_ = 0;      // its first row below the title (and the continued head)
    int letzte_ = 0;     // its last content row
    bool offen_ = false; // a section is being printed
    int kopfzeilen_ = 0, kopfzeile_ = 0;
    std::function<void(int)> kopf_;
    std::function<void(int, int)> linien_;

    void Teil(int zeilen, bool fortsetzung);
    void Umbruch();
};

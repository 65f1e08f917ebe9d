// The envelope areas of the current zone ("Flächen Gebäudehülle"): windows
// and opaque components side by side, for the roof, the walls of each
// orientation and the floor, with the envelope total and the totals of the
// linear and point thermal bridges. A read-only text report summed from the
// zone's row tables "A_", "U_" and "F_"; it computes no energy. The main
// window computes the zone before it opens it (Extras > Flächen Gebäudehülle).
#pragma once

#include "dialogs/Textbericht.h"

#include <functional>
#include <string>
#include <vector>

class frmFlächen : public Textbericht {
public:
    frmFlächen();

    // The walls and wall windows of one orientation, named as the zone
    // computation takes it (a main name turned by the project's north, a
    // name between the main names as it is).
    struct Richtung {
        std::string Name;
        double Wand = 0, Fenster = 0;
    };
    // The sums of the last report: opaque roof, walls and wall windows by
    // orientation (clockwise from the turned north, other names after
    // them), floor; horizontal windows; length of the linear and number of
    // the point thermal bridges.
    struct Summen {
        double Dach = 0, Boden = 0, FensterH = 0;
        std::vector<Richtung> Richtungen;
        double WBLänge = 0, WBAnzahl = 0;
        // Roof, walls and floor of "U_" against a neighbour zone or a room
        // of given temperature: in the envelope total, not in A_th.
        double Beheizt = 0;
    };
    const Summen& Flächen() const { return summen_; }

    void Form_Load();

    // Opens the window modally for the current zone (a new window each time).
    static void Aufruf();
    static std::function<void(frmFlächen&)> Anzeigen;

private:
    Summen summen_;
    void FlächenAuflisten();
    void Summieren();
};

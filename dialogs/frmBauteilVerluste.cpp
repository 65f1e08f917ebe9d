#include "dialogs/frmBauteilVerluste.h"

#include "balance/Anzeigezahl.h"
#include "components/Bauteile.h"
#include "dialogs/basZIRVOBauteile.h"
#include "frame/basZIRVODialogSprache.h"
#include "project/ProjektGlobal.h"

#include <string>

namespace {

Textbericht::Lage gemerkt;

constexpr const char* CRLF = "\r\n";
constexpr const char* LF = "\n";

// Losses of the table (kWh) as shown (MWh).
double MWh(double kWh) { return kWh / 1000; }

} // namespace

std::function<void(frmBauteilVerluste&)> frmBauteilVerluste::Anzeigen;

frmBauteilVerluste::frmBauteilVerluste() : Textbericht(gemerkt) {}

void frmBauteilVerluste::Aufruf() {
    frmBauteilVerluste fenster;
    fenster.Form_Load();
    if (Anzeigen) Anzeigen(fenster);
    fenster.Form_Unload();
}

void frmBauteilVerluste::Form_Load() {
    Caption = DS("Energien Bauteile (Verluste)");
    Laden();
    VerlusteAuflisten();
}

void frmBauteilVerluste::VerlusteAuflisten() {
    const Projekt& P = Global::Projekt;
    Beginnen({400, 4200, 5000, 5800, 7000, 8000, 9000});

    double EBF = 0;
    for (std::int16_t z = 0; z < P.ZonenAnzahl(); ++z) EBF += P.Zone_GetNum(z, "EBF");
    TextAnhängen(CRLF);
    ÜberschriftAnhängen(DS("Projekt") + ": ");
    TextAnhängen("\t" + P.Projektname() + CRLF);
    ÜberschriftAnhängen(DS("EBF") + ": ");
    TextAnhängen("\t" + Anzeigezahl::Festkomma(EBF, 1) + " m²" + CRLF);
    ÜberschriftAnhängen(CRLF);
    KopfEnde();
    ÜberschriftAnhängen(CRLF);

    double Fl = 0, Q = 0, G = 0;
    const auto werte = [&](std::int16_t gruppe, int nummer) {
        basZIRVOBauteile::BauteilverlusteWert(gruppe, static_cast<std::int16_t>(nummer), Fl, Q, G);
    };
    const auto nummer = [](int n) { return ZahlSpalte(n, 3, 0); };

    // Opaque components.
    ÜberschriftAnhängen(DS("Bauteile  (Dach, Wand, Boden)") + "\t\tU\t   " + DS("Fläche") + "\t   Q" + LF);
    ÜberschriftAnhängen(std::string("\t\t\t [W/m²K]\t         [m²]\t     [MWh]") + CRLF);
    for (int n : Elemente::Nummern(P, Elementart::Bauteil)) {
        const auto b = Bauteil::Lesen(P, n);
        if (!b) continue;
        werte(1, n);
        TextAnhängen(nummer(n) + "\t" + b->Bez + "\t\t" + ZahlSpalte(b->U, 6, 2) + "\t" + ZahlSpalte(Fl, 9, 1) + "\t" +
                     ZahlSpalte(MWh(Q), 8, 1) + LF);
    }
    ÜberschriftAnhängen(CRLF);
    ÜberschriftAnhängen(CRLF);

    // Windows, doors and gates: the net loss, the transmission and the solar gains.
    ÜberschriftAnhängen(DS("Fenster  (Fenster, Türe, Tor)") + "\tg\tU\t   " + DS("Fläche") + "\t   Q\t   QT\t   Qs" + LF);
    // The units stand over their values: g is the window's first number column.
    ÜberschriftAnhängen(std::string("\t\t [-]\t [W/m²K]\t         [m²]\t     [MWh]\t     [MWh]\t     [MWh]") + CRLF);
    for (int n : Elemente::Nummern(P, Elementart::Fenster)) {
        const auto f = Fenster::Lesen(P, n);
        if (!f) continue;
        werte(2, n);
        TextAnhängen(nummer(n) + "\t" + f->Bez + "\t" + ZahlSpalte(f->g, 5, 2) + "\t" + ZahlSpalte(f->U, 6, 2) + "\t" +
                     ZahlSpalte(Fl, 9, 1) + "\t" + ZahlSpalte(MWh(Q), 8, 1) + "\t" + ZahlSpalte(MWh(Q + G), 8, 1) +
                     "\t" + ZahlSpalte(MWh(G), 8, 1) + LF);
    }
    ÜberschriftAnhängen(CRLF);
    ÜberschriftAnhängen(CRLF);

    // Thermal bridges: length or number.
    ÜberschriftAnhängen(DS("Wärmebrücken  (längenbezogen, punktbezogen)") + "\t\tPsi/Chi\t   " + DS("Länge") +
                        "\t   Q" + LF);
    ÜberschriftAnhängen(std::string("\t\t\t [W/mK]\t         [m]\t     [MWh]") + CRLF);
    for (int n : Elemente::Nummern(P, Elementart::Wärmebrücke)) {
        const auto w = Wärmebrücke::Lesen(P, n);
        if (!w) continue;
        werte(3, n);
        TextAnhängen(nummer(n) + "\t" + w->Bez + "\t\t" + ZahlSpalte(w->Psi, 6, 2) + "\t" + ZahlSpalte(Fl, 9, 1) +
                     "\t" + ZahlSpalte(MWh(Q), 8, 1) + LF);
    }
    ÜberschriftAnhängen(CRLF);

    Abschliessen();
}

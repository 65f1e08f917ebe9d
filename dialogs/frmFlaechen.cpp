#include "dialogs/frmFlaechen.h"

#include "balance/Anzeigezahl.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"

#include <cstddef>
#include <string>

namespace {

Textbericht::Lage gemerkt;

constexpr const char* CRLF = "\r\n";

// The sums of the orientation an element's name stands for, a new one in
// its place clockwise (names of no compass direction after those, in the
// order met).
frmFlächen::Richtung& Richtungssumme(std::vector<frmFlächen::Richtung>& richtungen, const std::string& O) {
    const std::string name = basZIRVO_HiRi::Rechenrichtung(O);
    const int folge = basZIRVO_HiRi::Kompassfolge(name);
    auto stelle = richtungen.begin();
    for (; stelle != richtungen.end(); ++stelle) {
        if (stelle->Name == name) return *stelle;
        if (basZIRVO_HiRi::Kompassfolge(stelle->Name) > folge) break;
    }
    return *richtungen.insert(stelle, {name, 0, 0});
}

} // namespace

std::function<void(frmFlächen&)> frmFlächen::Anzeigen;

frmFlächen::frmFlächen() : Textbericht(gemerkt) {}

void frmFlächen::Aufruf() {
    frmFlächen fenster;
    fenster.Form_Load();
    if (Anzeigen) Anzeigen(fenster);
    fenster.Form_Unload();
}

void frmFlächen::Form_Load() {
    Caption = DS("Flächen Gebäudehülle");
    Laden();
    FlächenAuflisten();
}

void frmFlächen::Summieren() {
    summen_ = {};
    const Projekt& P = Global::Projekt;
    const auto zelle = [&P](const KollektionZeiger& zeile, std::int32_t i) { return P.CollGetStr(zeile, i); };
    const auto zahl = [&](const KollektionZeiger& zeile, std::int32_t i) { return ZahlLesen(zelle(zeile, i)); };

    for (const char* schlüssel : {"A_", "U_", "F_"}) {
        const KollektionZeiger tabelle = P.ZGetColl(schlüssel);
        if (!tabelle) continue;
        const bool fenster = std::string_view(schlüssel) == "F_";
        for (std::int32_t r = 1; r <= tabelle->Anzahl(); ++r) {
            const KollektionZeiger zeile = tabelle->Koll(r);
            if (!zeile) continue;
            const std::string C = zelle(zeile, 1);
            const double Fl = zahl(zeile, 3);
            const std::string O = zelle(zeile, 7);
            // A row of "U_" without a b-factor (bu, bG; a stored 0 is an
            // empty cell) borders a neighbour zone or a room of given
            // temperature: the zone computation leaves it out of A_th.
            const bool beheizt = std::string_view(schlüssel) == "U_" && zahl(zeile, 8) == 0 && zahl(zeile, 9) == 0;
            if (beheizt && (C == "D" || C == "W" || C == "B")) summen_.Beheizt += Fl;
            // Every window and wall the zone computation counts, each under
            // the orientation it computes with.
            if (C == "l") {
                summen_.WBLänge += Fl;
            } else if (C == "p") {
                summen_.WBAnzahl += Fl;
            } else if (fenster && (C == "F" || C == "T")) {
                if (zahl(zeile, 8) != 0 || O == "H")
                    summen_.FensterH += Fl;
                else
                    Richtungssumme(summen_.Richtungen, O).Fenster += Fl;
            } else if (!fenster && C == "D") {
                summen_.Dach += Fl;
            } else if (!fenster && C == "W") {
                Richtungssumme(summen_.Richtungen, O).Wand += Fl;
            } else if (!fenster && C == "B") {
                summen_.Boden += Fl;
            }
        }
    }
}

void frmFlächen::FlächenAuflisten() {
    const Projekt& P = Global::Projekt;
    Beginnen({1800, 2700, 3600});

    TextAnhängen(CRLF);
    ÜberschriftAnhängen(DS("Projekt") + ": ");
    TextAnhängen("\t" + P.Projektname() + CRLF);
    if (P.ZonenAnzahl() > 1) {
        ÜberschriftAnhängen(DS("Zone") + ": ");
        TextAnhängen("\t" + P.ZGetStr("Bez") + CRLF);
    }
    ÜberschriftAnhängen(DS("EBF") + ": ");
    TextAnhängen("\t" + Anzeigezahl::Festkomma(P.ZGetNum("EBF"), 1) + " m²" + CRLF);
    KopfEnde();
    ÜberschriftAnhängen(CRLF);

    Summieren();
    const Summen& s = summen_;
    const auto zeile = [this](double fenster, double opak, double total) {
        TextAnhängen("\t" + ZahlSpalte(fenster, 6, 1) + "\t" + ZahlSpalte(opak, 6, 1) + "\t" + ZahlSpalte(total, 7, 1) +
                     CRLF);
    };

    ÜberschriftAnhängen("\t" + DS("Fenster") + "\t" + DS("Opake") + "\t" + DS("Total") + CRLF);
    ÜberschriftAnhängen("\t\t" + DS("Bauteile") + CRLF);

    ÜberschriftAnhängen(DS("Dach"));
    TextAnhängen(CRLF);
    zeile(s.FensterH, s.Dach, s.FensterH + s.Dach);
    TextAnhängen(CRLF);

    ÜberschriftAnhängen(DS("Wand"));
    TextAnhängen(CRLF);
    for (const Richtung& r : s.Richtungen) {
        if (r.Wand == 0 && r.Fenster == 0) continue;
        TextAnhängen(" - " + r.Name);
        zeile(r.Fenster, r.Wand, r.Fenster + r.Wand);
    }
    TextAnhängen(CRLF);

    ÜberschriftAnhängen(DS("Boden"));
    TextAnhängen(CRLF);
    TextAnhängen("\t\t" + ZahlSpalte(s.Boden, 6, 1) + "\t" + ZahlSpalte(s.Boden, 7, 1) + CRLF);
    TextAnhängen(CRLF);

    double fenster = s.FensterH, opak = s.Dach + s.Boden;
    for (const Richtung& r : s.Richtungen) {
        fenster += r.Fenster;
        opak += r.Wand;
    }
    ÜberschriftAnhängen(DS("Total (Gebäudehülle)"));
    TextAnhängen(CRLF);
    zeile(fenster, opak, fenster + opak);
    TextAnhängen(CRLF);

    // What the proof's envelope area leaves out, and the area itself as the
    // zone's computation gave it, so that the two totals can be reconciled.
    ÜberschriftAnhängen(DS("davon gegen beheizte Zonen und Räume (nicht in A_th)"));
    TextAnhängen(CRLF);
    zeile(0, s.Beheizt, s.Beheizt);
    TextAnhängen(CRLF);

    const double AeF = P.ZGetNum("AeF"), AeOpak = P.ZGetNum("AeA") + P.ZGetNum("AeU");
    ÜberschriftAnhängen(DS("A_th (thermische Gebäudehüllfläche)"));
    TextAnhängen(CRLF);
    zeile(AeF, AeOpak, AeF + AeOpak);
    TextAnhängen(CRLF);

    ÜberschriftAnhängen(DS("Wärmebrücken längenbezogen"));
    TextAnhängen(CRLF);
    TextAnhängen("\t\t\t" + ZahlSpalte(s.WBLänge, 7, 1) + CRLF);
    TextAnhängen(CRLF);

    ÜberschriftAnhängen(DS("Wärmebrücken punktbezogen"));
    TextAnhängen(CRLF);
    TextAnhängen("\t\t\t" + ZahlSpalte(s.WBAnzahl, 6, 0) + CRLF);
    TextAnhängen(CRLF);

    Abschliessen();
}

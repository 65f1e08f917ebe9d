// The list of single components in the printed summary: every envelope row
// of every zone, merged by the project item it uses (or, for rows without
// an item, by designation and values), one line per item with its summed
// area and its heating-season loss; components, then windows and doors in
// one box, linear, then point thermal bridges in another.
#include "printing/Berichtshilfen.h"

#include "balance/Gebaeudehuelle.h"
#include "components/Bauteile.h"
#include "frame/basZIRVOSymbole.h"
#include "printing/FortlaufendeBox.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <vector>

namespace {

// The kinds of entries, in the order of the printed sections.
enum Art { Opak = 0, FensterTüren = 1, Punkt = 2, Linie = 3 };

int ArtVon(const std::string& code) {
    if (code == "D" || code == "W" || code == "B") return Opak;
    if (code == "F" || code == "T") return FensterTüren;
    if (code == "p") return Punkt;
    if (code == "l") return Linie;
    return -1;
}

// One envelope row as the list takes it.
struct Zeile {
    int art = 0;
    int nummer = 0; // item number, 0 without item
    std::string bezeichnung;
    double U = 0, g = 0, fläche = 0;
};

// One printed line: the rows merged into it.
struct Eintrag {
    int art = 0, nummer = 0;
    std::string bezeichnung;
    double fläche = 0, U = 0, g = 0;
};

// The designation without its remark in braces: the text before the first
// "{" (trailing blanks dropped) and what follows the "}" after it.
std::string OhneBemerkung(const std::string& bez) {
    const std::size_t auf = bez.find('{');
    if (auf == std::string::npos) return bez;
    std::string vor = bez.substr(0, auf);
    vor.erase(vor.find_last_not_of(' ') + 1);
    const std::size_t zu = bez.find('}', auf);
    return zu == std::string::npos ? vor : vor + bez.substr(zu + 1);
}

// The rows of all zones with a code, each zone computed anew (which also
// refreshes its records of the envelope for the losses).
std::vector<Zeile> ZeilenSammeln() {
    std::vector<Zeile> zeilen;
    const Projekt& p = Global::Projekt;
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        Berichtshilfen::ZoneRechnen(i);
        for (const char* tabelle : {"A_", "U_", "F_"}) {
            const KollektionZeiger t = p.ZGetColl(tabelle);
            if (!t) continue;
            const bool fenster = std::string_view(tabelle) == "F_";
            for (int r = 1; r <= t->Anzahl(); ++r) {
                const KollektionZeiger z = t->Koll(r);
                if (!z) continue;
                const std::string code = z->Text(1);
                if (code.empty()) continue;
                const int art = ArtVon(code);
                if (art < 0) continue;
                zeilen.push_back({art, static_cast<int>(z->Zahl(4)), OhneBemerkung(z->Text(2)), z->Zahl(5),
                                  fenster ? z->Zahl(9) : 0, z->Zahl(3)});
            }
        }
    }
    return zeilen;
}

// Merged by item number, or by designation, U and g for rows without one;
// numbered items first in ascending number, then the others by designation.
// Each row keeps its designation and values as they are: a designation may
// hold any character.
std::vector<Eintrag> Zusammenfassen(std::vector<Zeile> zeilen) {
    std::stable_sort(zeilen.begin(), zeilen.end(), [](const Zeile& a, const Zeile& b) {
        if ((a.nummer == 0) != (b.nummer == 0)) return a.nummer != 0;
        if (a.nummer != b.nummer) return a.nummer < b.nummer;
        return a.bezeichnung < b.bezeichnung;
    });
    std::vector<Eintrag> einträge;
    for (const Zeile& z : zeilen) {
        auto gleich = std::find_if(einträge.begin(), einträge.end(), [&](const Eintrag& e) {
            if (e.art != z.art || e.nummer != z.nummer) return false;
            return z.nummer != 0 || (e.bezeichnung == z.bezeichnung && e.U == z.U && e.g == z.g);
        });
        if (gleich != einträge.end()) {
            gleich->fläche += z.fläche;
            continue;
        }
        Eintrag e{z.art, z.nummer, {}, z.fläche, 0, 0};
        if (z.nummer == 0) {
            e.bezeichnung = z.bezeichnung;
            e.U = z.U;
            e.g = z.g;
        }
        einträge.push_back(std::move(e));
    }
    return einträge;
}

std::string Zahl(double x, int stellen) { return ZIRVO3801Drucken::DruckZahl(x, stellen, false); }

} // namespace

double ZIRVO3801Drucken::Dämmstärke(int number) {
    const auto b = ::Bauteil::Lesen(Global::Projekt, number);
    if (!b) return 0;
    double dicke = 0;
    for (const Schicht& s : b->Schichten)
        if (s.Lambda > 0 && s.Lambda < 0.1) dicke += s.Dicke;
    return dicke;
}

void ZIRVO3801Drucken::Einzelbauteile(bool& failed) {
    failed = false;
    const std::vector<Eintrag> einträge = Zusammenfassen(ZeilenSammeln());
    Gebäudehülle& hülle = Gebäudehülle::Instanz();
    Drucken& d = drucken_;

    // One line of an entry; the item's own values for a numbered entry, "?"
    // for an item that no longer exists; its designation in the lines of
    // its column.
    struct Werte {
        std::string bez, codeGr;
        double wert = 0, g = 0, dämmung = 0;
        std::vector<std::string> zeilen;
        int codeZellen = 0; // a code group wider than its column: the cells it takes
    };
    const auto werte = [&](const Eintrag& e) -> Werte {
        const Projekt& p = Global::Projekt;
        Werte w{e.bezeichnung, {}, e.U, e.g, 0, {}};
        if (e.nummer != 0) {
            w = {"?", {}, 0, 0, 0, {}};
            switch (e.art) {
            case Opak:
                if (const auto b = ::Bauteil::Lesen(p, e.nummer))
                    w = {b->Bez, b->CodeGr, b->U, 0, Dämmstärke(e.nummer), {}};
                break;
            case FensterTüren:
                if (const auto f = ::Fenster::Lesen(p, e.nummer)) w = {f->Bez, f->CodeGr, f->U, f->g, 0, {}};
                break;
            default:
                if (const auto b = ::Wärmebrücke::Lesen(p, e.nummer)) w = {b->Bez, b->CodeGr, b->Psi, 0, 0, {}};
                break;
            }
        }
        // From column 6 up to the code group: column 39 for components and
        // windows, 45 for bridges. The code group ends half a cell before
        // the column line two columns on; one wider than that ("B1u*") ends
        // there and takes its room from the designation, whose lines then
        // end a cell before it; beyond 8 cells it is cut short with "…".
        const int codeSpalte = e.art == Opak || e.art == FensterTüren ? 39 : 45;
        if (e.nummer != 0) w.codeZellen = Berichtshilfen::Codezellen(d, w.codeGr, false, 2);
        const int breite = w.codeZellen > 0 ? codeSpalte - 5 - w.codeZellen : codeSpalte - 6;
        w.zeilen = d.Umbrechen(w.bez, breite, true, FortlaufendeBox::ZeilenJeEintrag);
        if (w.zeilen.empty()) w.zeilen.emplace_back();
        return w;
    };
    std::vector<Werte> gedruckt;
    gedruckt.reserve(einträge.size());
    for (const Eintrag& e : einträge) gedruckt.push_back(werte(e));

    const auto zeile = [&](int r, const Eintrag& e, const Werte& w, int codeSpalte, int flächenStellen,
                           const char* codes) {
        if (e.nummer != 0) d.Text(r, 2, Zahl(e.nummer, 0), true, true, 2);
        else d.Text(r, 2, "   -");
        d.Textzeilen(r, 6, w.zeilen, true);
        if (e.nummer != 0 && !w.codeGr.empty())
            Berichtshilfen::CodeDrucken(d, r, codeSpalte, 2, w.codeZellen, w.codeGr, false);
        if (w.dämmung > 0) d.Text(r, 46, Zahl(w.dämmung, 1), false, true, 0);
        if (e.art == FensterTüren) d.Text(r, 42, Zahl(w.g, 2), true, true, 4);
        d.Text(r, 48, Zahl(w.wert, 2), true, true, 7);
        d.Text(r, 58, Zahl(e.fläche, flächenStellen), true, true, 8);
        if (e.nummer == 0) return;
        if (const double Q = hülle.Systemnachweis_Q(codes, static_cast<std::int16_t>(e.nummer)); Q != 0)
            d.Text(r, 68, Zahl(Q / 1000, 1), false, true, 8);
    };
    // One section: its title, the column heads (again on every page it goes
    // on to), a line per entry of the kind, the closing thick rule and the
    // column lines.
    const auto abschnitt = [&](FortlaufendeBox& box, int art, const std::string& titel, const std::string& wertKopf,
                               Einheit wertEinheit, const std::string& flächenKopf, Einheit flächenEinheit,
                               int codeSpalte, int flächenStellen, const char* codes) {
        const auto kopf = [&, art](int r) {
            d.Text(r, 1, titel);
            d.LineH(r + 1, false);
            const int h = r + 2;
            d.Text(h, 2, DS("Nr"));
            d.Text(h, 6, DS("Bezeichnung"));
            if (art == Opak) d.Text(h, 46, DS("Dämmstärke") + " " + einheiten_[E_cm], false, true, 0);
            if (art == FensterTüren) {
                d.Text(h, 43, "g");
                d.Text(-1, 0, "  " + einheiten_[E_Ohne]);
            }
            d.Text(h, 48, wertKopf);
            d.Text(-1, 0, "  " + einheiten_[wertEinheit]);
            d.Text(h, 58, flächenKopf);
            d.Text(-1, 0, "  " + einheiten_[flächenEinheit]);
            d.Text(h, 68, "Q  " + einheiten_[E_MWh], false, true, 8);
            d.LineX(h + 1, 0, h + 1, 76, false, false);
        };
        const auto linien = [&d, art](int r, int unten) {
            const int oben = r + 1;
            for (int c : {5, 47, 57, 67}) d.LineX(oben, c, unten, c, false, false);
            if (art == Opak) d.LineX(oben + 2, 41, unten, 41, false, false);
            if (art == FensterTüren) d.LineX(oben, 41, unten, 41, false, false);
        };
        box.Abschnitt(4, kopf, linien);
        for (std::size_t i = 0; i < einträge.size(); ++i)
            if (einträge[i].art == art) {
                const Werte& w = gedruckt[i];
                zeile(box.Zeilen(static_cast<int>(w.zeilen.size())), einträge[i], w, codeSpalte, flächenStellen,
                      codes);
            }
        box.AbschnittEnde();
    };

    // The rows of a kind's entries; a box holds its kinds' sections of
    // these and 5 rows each (title, rule, column heads, line, closing rule).
    const auto zeilen = [&](int art) {
        int n = 0;
        for (std::size_t i = 0; i < einträge.size(); ++i)
            if (einträge[i].art == art) n += static_cast<int>(gedruckt[i].zeilen.size());
        return n;
    };
    const auto boxzeilen = [](int a, int b) {
        if (a == 0 && b == 0) return 3;
        return 1 + (a > 0 ? a + 5 : 0) + (b > 0 ? b + 5 : 0);
    };
    // Title, rule, a section's head and its first row.
    constexpr int Mindestens = 2 + 4 + 1;

    const int nOpak = zeilen(Opak), nFenster = zeilen(FensterTüren);
    const int nLinie = zeilen(Linie), nPunkt = zeilen(Punkt);
    {
        FortlaufendeBox box(d, boxzeilen(nOpak, nFenster), true, DS("Einzelbauteile"), Mindestens);
        if (nOpak == 0 && nFenster == 0) d.Text(box.Zeilen(), 1, DS("keine"));
        if (nOpak > 0)
            abschnitt(box, Opak, DS("Dächer, Wände, Böden (opake Bauteile)"), "U", E_W_m2K, DS("Fläche"), E_m2, 39,
                      1, "DWB");
        if (nFenster > 0)
            abschnitt(box, FensterTüren, DS("Fenster, Türen, Tore"), "U", E_W_m2K, DS("Fläche"), E_m2, 39, 1, "FT");
        box.Ende();
    }
    FortlaufendeBox box(d, boxzeilen(nLinie, nPunkt), true, DS("Wärmebrücken"), Mindestens);
    if (nLinie == 0 && nPunkt == 0) d.Text(box.Zeilen(), 1, DS("keine"));
    if (nLinie > 0)
        abschnitt(box, Linie, DS("Wärmebrücken längenbezogen"), basZIRVOSymbole::SymbolPsi, E_W_mK, DS("Länge"), E_m,
                  45, 1, "l");
    if (nPunkt > 0)
        abschnitt(box, Punkt, DS("Wärmebrücken punktbezogen"), basZIRVOSymbole::SymbolChi, E_W_K, DS("Anzahl"), E_Ohne,
                  45, 0, "p");
    box.Ende();
}

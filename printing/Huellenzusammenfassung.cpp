// The envelope summary of the printed system proof: the areas of the
// zones' envelope tables by roof, wall orientation and floor against
// outside air, unheated rooms, earth and heated rooms, the window share,
// the mean shading factors of the windows and the mean b-value; one table
// for all zones together (with several zones), then one per zone.
#include "printing/Berichtshilfen.h"

#include "balance/Verschattungsfaktor.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"

#include <array>
#include <string>
#include <vector>

namespace {

constexpr int Zeilen = 12;
// Rows of the table: opaque and windows against outside air, against
// unheated rooms, earth and heated rooms, their total, window share,
// shading fS1, fS2, fS3, fS and the mean b-value.
enum Zeile { Opak, Fenster, Unbeheizt, Erdreich, Beheizt, Total, Anteil, FS1, FS2, FS3, FS, BWert };

// One column of the table (roof, an orientation, floor): its areas and the
// sums the means are made of.
struct Spalte {
    std::array<double, Zeilen> wert{};
    std::string zwischen; // a name between the main names it holds as well (north not turned)
    double fS1 = 0, fS2 = 0, fS3 = 0, fensterfläche = 0; // area-weighted, windows
    double bFläche = 0, bSumme = 0;                       // area-weighted b, unheated and earth

    void Fenster(double fläche, double f1, double f2, double f3) {
        wert[Zeile::Fenster] += fläche;
        fS1 += fläche * f1;
        fS2 += fläche * f2;
        fS3 += fläche * f3;
        fensterfläche += fläche;
    }
    void Ableiten() {
        for (int k = Opak; k <= Beheizt; ++k) wert[Total] += wert[static_cast<std::size_t>(k)];
        if (const double a = wert[Opak] + wert[Zeile::Fenster]; a != 0) wert[Anteil] = wert[Zeile::Fenster] / a * 100;
        if (fensterfläche != 0) {
            wert[FS1] = fS1 / fensterfläche;
            wert[FS2] = fS2 / fensterfläche;
            wert[FS3] = fS3 / fensterfläche;
            wert[FS] = wert[FS2] * wert[FS1] * wert[FS3];
        }
        if (bFläche != 0) wert[BWert] = bSumme / bFläche;
    }
};

// Roof (0), the orientations N to NW (1 to 8), floor (9).
struct Tabelle {
    std::array<Spalte, 10> spalten{};
    double EBF = 0;
    double Ath = 0; // the envelope area of the proof, as the zones' computations gave it
    Spalte& Dach() { return spalten[0]; }
    // The orientation as the zone computation takes it: under a turned
    // north every name has its column; without, a name between two main
    // names shares the column of the main name before it clockwise, which
    // is then marked and named below the table. A name of no direction
    // counts in the first.
    Spalte& Wand(std::string_view orientierung) {
        using namespace basZIRVO_HiRi;
        const std::string richtung = Rechenrichtung(orientierung);
        const int o = Richtungsspalte(richtung);
        Spalte& s = spalten[1 + static_cast<std::size_t>(o < 0 ? 0 : o)];
        if (o >= 0 && richtung != HimmelsrichtungDrehen(Hauptrichtungen[static_cast<std::size_t>(o)]))
            s.zwischen = richtung;
        return s;
    }
    Spalte& Boden() { return spalten[9]; }
    Spalte* Element(std::string_view code, std::string_view orientierung) {
        if (code == "D") return &Dach();
        if (code == "W") return &Wand(orientierung);
        if (code == "B") return &Boden();
        return nullptr;
    }
};

// The rows of the current zone's three envelope tables into the table.
void ZoneSammeln(Tabelle& t) {
    const Projekt& p = Global::Projekt;
    t.EBF += p.Zone__Energiebezugsfläche();
    t.Ath += p.ZGetNum("AeA") + p.ZGetNum("AeU") + p.ZGetNum("AeF");
    if (const KollektionZeiger a = p.ZGetColl("A_"))
        for (int i = 1; i <= a->Anzahl(); ++i)
            if (const KollektionZeiger z = a->Koll(i))
                if (Spalte* s = t.Element(z->Text(1), z->Text(7))) s->wert[Opak] += z->Zahl(3);
    if (const KollektionZeiger u = p.ZGetColl("U_"))
        for (int i = 1; i <= u->Anzahl(); ++i) {
            const KollektionZeiger z = u->Koll(i);
            if (!z) continue;
            Spalte* s = t.Element(z->Text(1), z->Text(7));
            if (!s) continue;
            const double fläche = z->Zahl(3), bu = z->Zahl(8), bG = z->Zahl(9);
            const double b = bu != 0 ? bu : bG;
            s->wert[bu != 0 ? Unbeheizt : bG != 0 ? Erdreich : Beheizt] += fläche;
            if (b != 0) {
                s->bSumme += fläche * b;
                s->bFläche += fläche;
            }
        }
    if (const KollektionZeiger f = p.ZGetColl("F_")) {
        const Verschattungsfaktor& v = Verschattungsfaktor::Instanz();
        for (int i = 1; i <= f->Anzahl(); ++i) {
            const KollektionZeiger z = f->Koll(i);
            if (!z) continue;
            const std::string code = z->Text(1), orientierung = z->Text(7);
            const std::string wahr = basZIRVO_HiRi::HimmelsrichtungDrehen(orientierung);
            const double neigung = ZahlLesen(z->Text(8));
            const double fS1 = v.fS1_Parse(z->Text(11), wahr);
            double fS2 = 0, fS3 = 0;
            v.fS23_Parse(z->Text(12), wahr, fS2, fS3);
            const bool geneigt = neigung >= 1 && neigung <= 60;
            if (geneigt) fS2 = fS3 = 1;
            if (code != "F" && code != "T") continue;
            Spalte& s = !geneigt && orientierung != "H" ? t.Wand(orientierung) : t.Dach();
            s.Fenster(z->Zahl(3), fS1, fS2, fS3);
        }
    }
}

} // namespace

void ZIRVO3801Drucken::GebäudehülleZusammenfassung(bool& failed) {
    failed = false;
    if (Global::Projekt.ZonenAnzahl() > 1) GebäudehülleTabelle(true);
    GebäudehülleTabelle(false);
}

void ZIRVO3801Drucken::GebäudehülleTabelle(bool alleZonen) {
    const Projekt& p = Global::Projekt;
    const int n = p.ZonenAnzahl();
    Tabelle t;
    for (std::int16_t i = 0; i < n; ++i) {
        if (!alleZonen) t = Tabelle();
        Berichtshilfen::ZoneRechnen(i);
        ZoneSammeln(t);
        if (alleZonen && i < n - 1) continue;

        std::array<double, Zeilen> total{};
        for (Spalte& s : t.spalten) {
            s.Ableiten();
            for (int k = Opak; k <= Total; ++k) total[static_cast<std::size_t>(k)] += s.wert[static_cast<std::size_t>(k)];
        }

        Drucken& d = drucken_;
        // The columns that hold a name between the main names as well, said
        // below the table.
        std::string paare;
        for (std::size_t o = 0; o < 8; ++o)
            if (const std::string& zwischen = t.spalten[o + 1].zwischen; !zwischen.empty())
                paare += (paare.empty() ? "" : ", ") +
                         basZIRVO_HiRi::HimmelsrichtungDrehen(basZIRVO_HiRi::Hauptrichtungen[o]) + " " + DS("mit") +
                         " " + zwischen;
        const std::vector<std::string> hinweis =
            paare.empty() ? std::vector<std::string>{}
                          : d.Umbrechen("* " + DS("samt Zwischenrichtung") + ": " + paare, 77, false);
        d.Box(49 + static_cast<int>(hinweis.size()), true);
        d.Text(1, 1, DS("Gebäudehülle"), true);
        if (n > 1) {
            d.Text(1, 41, DS("Zone") + ":   ");
            if (alleZonen) d.Text(-1, 0, DS("Alle (Zusammenfassung)"));
            else d.Text(-1, 0, p.ZGetStr("Bez"), true);
        }
        d.LineH(2, true);
        // Column j begins after cell col(j); its value ends 7 cells on.
        const auto col = [](int j) { return -1 + 7 * j; };
        for (int j = 1; j <= 10; ++j) {
            const bool grau = j >= 2 && j <= 8;
            const int c = col(j);
            d.LineX(grau ? 4 : 2, c, 27, c, false, grau);
            if (j <= 9) d.LineX(29, c, 41, c, false, grau);
            d.LineX(43, c, 46, c, false, grau);
        }
        for (int r : {4, 6, 9, 12, 15, 18, 21, 24, 29, 32, 35, 38, 43}) d.LineH(r, false);
        for (int r : {27, 41, 46}) d.LineH(r, true);
        d.Text(3, 1, DS("Dach"));
        d.Text(3, 8, DS("Wand"));
        d.Text(3, 64, DS("Boden"));
        d.Text(3, 71, DS("Total"));
        for (int j = 1; j <= 8; ++j) {
            const auto o = static_cast<std::size_t>(j - 1);
            const std::string name = basZIRVO_HiRi::HimmelsrichtungDrehen(basZIRVO_HiRi::Hauptrichtungen[o]);
            // Marked where the column holds a name between as well.
            d.TextBis(5, col(j) + 2, t.spalten[o + 1].zwischen.empty() ? name : name + "*", false, col(j + 1));
        }
        d.Text(28, 1, DS("Verschattungfaktor f÷(S)   (flächengewichteter Mittelwert der Fenster gegen aussen)"));
        d.Text(42, 1, DS("Bauteile gegen Erdreich und unbeheizt   (flächengewichteter Mittelwert)"));
        d.Text(47, 1, DSFormat("Flächenanteil (Fenster + Türen) / @", "A÷(E)") + " :");
        d.Text(47, 45, DSFormat2("Gebäudehüllzahl @ / @ = ", "A÷(th)", "A÷(E)"));

        const struct {
            int zeile;
            std::string label;
            int stellen;
        } zeilen[Zeilen] = {
            {7, DS("Opake Bauteile gegen aussen") + " [m²]", 1},
            {10, DS("Fenster/Türen gegen aussen") + " [m²]", 1},
            {13, DS("Bauteile gegen unbeheizt") + " [m²]", 1},
            {16, DS("Bauteile gegen Erdreich") + " [m²]", 1},
            {19, DS("Bauteile gegen beheizt") + " [m²]", 1},
            {22, DS("Total") + " [m²]", 1},
            {25, DS("Anteil Fenster/Türen an der Hüllfläche gegen aussen [%]"), 1},
            {30, DS("Verschattungsfaktor f÷(S1)   (Horizont)"), 2},
            {33, DS("Verschattungsfaktor f÷(S2)   (Überhang)"), 2},
            {36, DS("Verschattungsfaktor f÷(S3)   (Seitenblenden)"), 2},
            {39, DS("Verschattungsfaktor f÷(S)"), 2},
            {44, DS("Mittlerer b-Wert"), 2},
        };
        for (std::size_t k = 0; k < Zeilen; ++k) {
            // The label covers the grey column lines it crosses.
            const std::string& label = zeilen[k].label;
            d.Freistellen();
            d.Text(zeilen[k].zeile, 1, label);
            const int r = zeilen[k].zeile + 1;
            for (int j = 0; j < 10; ++j)
                d.Text(r, col(j), DruckZahl(t.spalten[static_cast<std::size_t>(j)].wert[k], zeilen[k].stellen, false),
                       true, true, 7);
            if (k <= Anteil) d.Text(r, col(10), DruckZahl(total[k], zeilen[k].stellen, false), true, true, 7);
        }
        if (t.EBF != 0) {
            d.Text(47, 31, DruckZahl(total[Zeile::Fenster] / t.EBF * 100, 1, true) + " %");
            d.Text(47, 67,
                   DruckZahl((total[Zeile::Fenster] + total[Opak] + total[Unbeheizt] + total[Erdreich]) / t.EBF, 2,
                             true));
        }
        // The total holds the areas against heated rooms, the proof's
        // envelope area does not: both figures under the total column, so
        // that the two can be reconciled.
        d.Text(48, 1, DSFormat("davon gegen beheizte Zonen und Räume (nicht in @) [m²]", "A÷(th)"));
        d.Text(48, col(10), DruckZahl(total[Beheizt], 1, false), true, true, 7);
        d.Text(49, 1, DSFormat("@ (thermische Gebäudehüllfläche) [m²]", "A÷(th)"));
        d.Text(49, col(10), DruckZahl(t.Ath, 1, false), true, true, 7);
        d.Textzeilen(50, 1, hinweis, false);
    }
}

// The single-component proof on paper: the cover's result block, the
// tables of the proof rows, and the whole printout (cover, tables, legend,
// the sheets of the items the rows name, end box).
//
// It prints the proof as the window stored it ("EBBt", "EBWb", "EB-EBF",
// "EB-Anf", "EB-WBN") and does not run the rules again; the verdicts follow
// from the stored values, compared as printed (two decimals). A stored list
// keeps the grid's places, so it may hold empty rows between used ones:
// those are neither printed nor counted. A row without a code has no
// requirement: it is printed without a verdict and not counted.
#include "printing/ZIRVO3801Drucken.h"

#include "balance/Einzelbauteil.h"
#include "components/Bauteile.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOSymbole.h"
#include "frame/basZIRVO_Format.h"
#include "printing/FortlaufendeBox.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <vector>

namespace {

using basZIRVOSymbole::SymbolAngekreuzt;
using basZIRVOSymbole::SymbolNichtAngekreuzt;

// One stored row of either list: components and windows (code,
// designation, item number, U, g, Ti, table value, effective value) or
// thermal bridges (code, designation, item number, psi or chi, limit).
struct Zeile {
    std::string Code, Bez;
    int Nr = 0;
    std::vector<double> Werte; // the numbers after the item number
    bool Leer = true;          // nothing entered: a place kept in the list

    // Number i after the item number; 0 when the row has none.
    double Wert(std::size_t i) const { return i < Werte.size() ? Werte[i] : 0; }
};

// The rows of a stored list, in order; a missing list has none.
std::vector<Zeile> Zeilen(const char* schlüssel, int zahlen) {
    std::vector<Zeile> zeilen;
    const KollektionZeiger L = Global::Projekt.PGetColl(schlüssel);
    if (!L) return zeilen;
    zeilen.reserve(static_cast<std::size_t>(L->Anzahl()));
    for (std::int32_t i = 1; i <= L->Anzahl(); ++i) {
        Zeile z;
        if (const KollektionZeiger r = L->Koll(i)) {
            z.Code = basZIRVO_Format::TextRechtsTrimmen(r->Text(1));
            z.Bez = basZIRVO_Format::TextRechtsTrimmen(r->Text(2));
            z.Nr = ZahlLesenInt(r->Text(3));
            for (int k = 0; k < zahlen; ++k) z.Werte.push_back(r->Zahl(4 + k));
            // Emptiness as the window stores it: the results do not count.
            const int eingaben = zahlen == 5 ? 3 : 1; // U, g, Ti / psi
            z.Leer = z.Code.empty() && z.Bez.empty() && r->Zahl(3) == 0 &&
                     std::all_of(z.Werte.begin(), z.Werte.begin() + eingaben, [](double x) { return x == 0; });
        }
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

std::vector<Zeile> Bauteilzeilen() { return Zeilen("EBBt", 5); }
std::vector<Zeile> Wärmebrückenzeilen() { return Zeilen("EBWb", 2); }

// Where the rows keep the value proved and its requirement.
constexpr std::size_t BtU = 0, BtG = 1, BtTi = 2, BtTab = 3, BtEff = 4;
constexpr std::size_t WbPsi = 0, WbGrenz = 1;

// The verdict of a row: none without a code; else whether the value does
// not exceed its requirement, both as printed.
std::optional<bool> Erfüllt(const Zeile& z, std::size_t wert, std::size_t anforderung) {
    if (z.Code.empty()) return std::nullopt;
    return basZIRVO3801::Runden(z.Wert(wert), 2) <= basZIRVO3801::Runden(z.Wert(anforderung), 2);
}

std::string Urteil(const std::optional<bool>& erfüllt) {
    if (!erfüllt) return {};
    return *erfüllt ? DS("ja") : DS("nein");
}

// The rows that are printed: the stored ones without the empty places.
std::vector<const Zeile*> Gedruckt(const std::vector<Zeile>& zeilen) {
    std::vector<const Zeile*> r;
    for (const Zeile& z : zeilen)
        if (!z.Leer) r.push_back(&z);
    return r;
}

// Whether a stored switch is on: its value rounded to a whole number
// (halves to the even one, as the window reads it) is not 0.
bool Gesetzt(const char* schlüssel) {
    const double x = Global::Projekt.PGetNum(schlüssel);
    return std::isfinite(x) && std::nearbyint(x) != 0;
}

} // namespace

void ZIRVO3801Drucken::Nachweis_Einzelbauteil(bool& failed) {
    failed = false;
    SeitentitelSetzen();
    Titelblatt(true, failed);
    if (failed) return;
    drucken_.NewPage();
    EBZusammenfassung(failed);
    if (failed) return;
    EinzelbauteileLegende();
    const Projekt& p = Global::Projekt;
    for (int n : Elemente::Nummern(p, Elementart::Bauteil))
        if (EBBauteilVerwendet(n, false)) BauteilBlatt(n);
    for (int n : Elemente::Nummern(p, Elementart::Fenster))
        if (EBBauteilVerwendet(n, true)) FensterBlatt(n);
    if (!Gesetzt("EB-WBN"))
        for (int n : Elemente::Nummern(p, Elementart::Wärmebrücke))
            if (EBWärmebrückeVerwendet(n)) WärmebrückeBlatt(n);
    AusdruckEnde();
}

bool ZIRVO3801Drucken::EBBauteilVerwendet(int nr, bool fenster) {
    const Einzelbauteil& tabelle = Global::Einzelbauteil;
    for (const Zeile& z : Bauteilzeilen())
        if (z.Nr == nr && tabelle.BauteilCodeIstFenster(z.Code) == fenster) return true;
    return false;
}

bool ZIRVO3801Drucken::EBWärmebrückeVerwendet(int nr) {
    for (const Zeile& z : Wärmebrückenzeilen())
        if (z.Nr == nr) return true;
    return false;
}

void ZIRVO3801Drucken::EBZusammenfassung(bool& failed) {
    failed = false;
    Drucken& d = drucken_;
    const std::string& psi = basZIRVOSymbole::SymbolPsi;
    const std::string& chi = basZIRVOSymbole::SymbolChi;
    d.Box(1, false);
    d.Text(1, 1, DS("Zusammenfassung"), true);

    // Each table is one box, which moves whole to the next page when it
    // fits there; a table longer than a page begins where it stands and
    // goes on over the next pages, its heads on each. A row takes as many
    // lines as its designation needs (column 5 up to the item number); its
    // code and designation begin it, the values follow.
    auto tabelle = [&](const std::vector<const Zeile*>& zeilen, const std::string& titel, const auto& köpfe,
                       std::initializer_list<int> spalten, const auto& zeile) {
        if (zeilen.empty()) return;
        std::vector<std::vector<std::string>> bezeichnungen;
        int n = 0;
        for (const Zeile* z : zeilen) {
            bezeichnungen.push_back(d.Umbrechen(z->Bez, 33, true, FortlaufendeBox::ZeilenJeEintrag));
            n += std::max<int>(1, static_cast<int>(bezeichnungen.back().size()));
        }
        FortlaufendeBox box(d, n + 5, true, titel, 2 + 3 + 1);
        box.Abschnitt(
            3,
            [&](int r) {
                köpfe(r);
                d.LineX(r + 2, 0, r + 2, 76, false, false);
            },
            [&d, spalten](int r, int unten) {
                for (int k : spalten) d.LineX(r - 1, k, unten, k, false, false);
            });
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            const auto& bez = bezeichnungen[i];
            const int r = box.Zeilen(std::max<int>(1, static_cast<int>(bez.size())));
            d.TextVor(r, 1, zeilen[i]->Code, true, 5);
            d.Textzeilen(r, 5, bez, true);
            zeile(*zeilen[i], r);
        }
        box.Ende();
    };

    const auto bauteile = Bauteilzeilen();
    tabelle(
        Gedruckt(bauteile), DS("Bauteile und Fenster"),
        [&](int r) {
            d.Text(r, 1, DS("Bauteil") + " /" + DS("Fenster"));
            d.Text(r + 1, 1, "C");
            d.Text(r + 1, 5, DS("Bezeichnung"));
            d.Text(r, 42, "U");
            d.Text(r + 1, 39, "#");
            d.Text(r + 1, 41, Einheitstext(E_W_m2K));
            d.Text(r, 49, "g");
            d.Text(r + 1, 49, Einheitstext(E_Ohne));
            d.Text(r, 54, basZIRVOSymbole::SymbolTheta + "÷(i)");
            d.Text(r + 1, 53, Einheitstext(E_GradC));
            d.Text(r, 58, DS("Grenzwert") + " U");
            d.Text(r + 1, 57, DS("(Tab.)"));
            d.Text(r + 1, 62, DS("(effektiv)"));
            d.Text(r, 71, DS("Erfüllt"));
            d.Text(r + 1, 71, DS("(ja/nein)"));
        },
        {38, 47, 52, 56, 69},
        [&](const Zeile& z, int r) {
            d.Text(r, 39, DruckZahl(z.Nr, 0, false), true, true, 2);
            d.Text(r, 42, DruckZahl(z.Wert(BtU), 2, true), true, true, 5);
            d.Text(r, 48, DruckZahl(z.Wert(BtG), 2, false), true, true, 4);
            d.Text(r, 53, DruckZahl(z.Wert(BtTi), 0, true), true, true, 3);
            d.Text(r, 57, DruckZahl(z.Wert(BtTab), 2, true), true, true, 5);
            d.Text(r, 63, DruckZahl(z.Wert(BtEff), 2, true), true, true, 5);
            d.Text(r, 71, Urteil(Erfüllt(z, BtU, BtEff)), true);
        });

    // Without a thermal-bridge proof the components meet the stricter
    // limit instead; the bridges are then not shown.
    if (Gesetzt("EB-WBN")) return;
    const auto brücken = Wärmebrückenzeilen();
    tabelle(
        Gedruckt(brücken), DS("Wärmebrücken"),
        [&](int r) {
            d.Text(r, 1, DS("Wärmebrücke"));
            d.Text(r + 1, 1, "C");
            d.Text(r + 1, 5, DS("Bezeichnung"));
            d.Text(r + 1, 39, "#");
            // The symbol without a blank before its unit: with one, "[W/mK]"
            // would touch the column line.
            d.Text(r, 41, psi + Einheitstext(E_W_mK));
            d.Text(r + 1, 41, chi + Einheitstext(E_W_K));
            d.Text(r, 48, DS("Grenzwert"));
            d.Text(r + 1, 48, "(" + psi + "/" + chi + ")");
            d.Text(r, 58, DS("Erfüllt"));
            d.Text(r + 1, 58, DS("(ja/nein)"));
        },
        {38, 47, 56},
        [&](const Zeile& z, int r) {
            d.Text(r, 39, DruckZahl(z.Nr, 0, false), true, true, 2);
            d.Text(r, 42, DruckZahl(z.Wert(WbPsi), 2, true), true, true, 5);
            d.Text(r, 49, DruckZahl(z.Wert(WbGrenz), 2, true), true, true, 5);
            d.Text(r, 58, Urteil(Erfüllt(z, WbPsi, WbGrenz)), true);
        });
}

void ZIRVO3801Drucken::EBNachweisErgebnis(int row, bool& failed) {
    const Projekt& p = Global::Projekt;
    const int bvArt = p.PGetInt("BvArt");
    failed = bvArt < 0 || bvArt > 3;
    if (failed) return;
    Drucken& d = drucken_;
    const int r = row;
    d.Text(r, 1, DS("Einzelbauteilnachweis"), true);
    d.LineX(r + 1, 0, r + 1, 65, true, false);

    std::string anforderung = p.PGetStr("NwKt");
    if (anforderung.empty()) anforderung = "SIA 380/1:2016";
    if (Gesetzt("EB-Anf")) anforderung += ", " + DS("Zielwert");
    d.Text(r + 3, 1, DS("Anforderung gemäss:"));
    d.Text(r + 3, 22, anforderung, true);
    d.Text(r + 4, 1, DS("Kanton:"));
    d.Text(r + 4, 22, p.PGetStr("Kanton"), true);
    d.Text(r + 5, 1, DS("Klimastation:"));
    d.Text(r + 5, 22, KlimastationText(p.PGetStr("KlSt")), true);

    // The rows proved: those with a code. Thermal bridges count and must
    // be met also when the components take the stricter limit instead.
    int nF = 0, nL = 0, nP = 0;
    bool alleErfüllt = true;
    for (const Zeile& z : Bauteilzeilen()) {
        const auto e = Erfüllt(z, BtU, BtEff);
        if (!e) continue;
        ++nF;
        alleErfüllt = alleErfüllt && *e;
    }
    for (const Zeile& z : Wärmebrückenzeilen()) {
        const auto e = Erfüllt(z, WbPsi, WbGrenz);
        if (!e) continue;
        ++(std::toupper(static_cast<unsigned char>(z.Code[0])) == 'P' ? nP : nL);
        alleErfüllt = alleErfüllt && *e;
    }

    d.Text(r + 7, 1, DS("Energiebezugsfläche") + "  (" + DS("EBF") + ")");
    d.Text(r + 7, 32, "A÷(E)");
    d.Text(r + 7, 36, DruckZahl(p.PGetNum("EB-EBF"), 1, true), true, true, 7);
    d.Text(r + 7, 44, Einheitstext(E_m2));
    d.Text(r + 9, 1, DS("Anzahl Einzelbauteile im Nachweis"));
    const struct {
        const char* text;
        int anzahl;
    } anzahlen[] = {
        {"Flächige Bauteile", nF}, {"Längenbezogene Wärmebrücken", nL}, {"Punktbezogene Wärmebrücken", nP}};
    for (int i = 0; i < 3; ++i) {
        d.Text(r + 9 + i, 32, DS(anzahlen[i].text) + ":");
        d.Text(r + 9 + i, 58, DruckZahl(anzahlen[i].anzahl, 0, true), true, true, 2);
    }
    d.Text(r + 13, 1, DS("Alle Einzelbauteile erfüllen Anforderungen") + ":", true);
    d.Text(r + 13, 40, (alleErfüllt ? SymbolAngekreuzt : SymbolNichtAngekreuzt) + "  " + DS("ja"), true);
    d.Text(r + 13, 48, (alleErfüllt ? SymbolNichtAngekreuzt : SymbolAngekreuzt) + "  " + DS("nein"), true);
}

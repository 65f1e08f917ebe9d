#include "printing/Druckraster.h"

#include "balance/Anzeigezahl.h"
#include "frame/Druckflaeche.h"
#include "frame/Plattform.h"
#include "frame/basZIRVODialogSprache.h"
#include "printing/Drucken.h"
#include "printing/Druckzeichen.h"
#include "printing/ZIRVO3801Drucken.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace Druckraster {

namespace {

// Room for the rounding of the divisions: a font that fits by a hair fits.
constexpr double Spiel = 1e-9;

std::string Zahl(double x) { return Anzeigezahl::Zahltext(x); }
std::string Cm(double x) { return Zahl(std::round(x * 100) / 100) + " cm"; }
std::string Cm3(double x) { return Zahl(std::round(x * 1000) / 1000) + " cm"; }

std::string Format(std::string_view vorlage, const std::vector<std::string>& werte) {
    std::string text = DS(vorlage);
    for (const std::string& w : werte) text = DSFormat(text, w);
    return text;
}

// Why the font does not fit, in words.
std::string Grundtext(const Prüfung& p, bool quer) {
    const Raster& r = p.Gitter;
    const std::string format = quer ? DS("im Querformat") : DS("im Hochformat");
    switch (p.Ergebnis) {
    case Grund::ZuBreit: {
        const double spalte = r.Spalten > 0 ? r.Breite / r.Spalten : 0;
        return Format("Ihre Ziffern (@) sind breiter als @ % einer Spalte des Rasters @: eine Spalte ist dort @ "
                      "breit (@ Spalten auf @), eine Ziffer darf höchstens @ breit sein.",
                      {Cm3(p.Ziffer), Zahl(Ziffernanteil * 100), format, Cm3(spalte), std::to_string(r.Spalten),
                       Cm(r.Breite), Cm3(std::max(0.0, Ziffernanteil * spalte))});
    }
    case Grund::ZuHoch:
        return Format("Ihre Zeilen (@ mit tiefgestellten Zeichen) sind höher als eine Zeile des Rasters @ (@ Zeilen "
                      "auf @).",
                      {Cm(p.Zeile), format, std::to_string(r.Zeilen), Cm(r.Höhe)});
    case Grund::ZuWenigZeilen:
        return Format("Mit «Anzahl Druckzeilen gemäss Druckerschrift» hat eine Seite @ nur @ Zeilen; @ braucht @.",
                      {format, std::to_string(p.Zeilen), quer ? DS("die Energietabelle") : DS("das Titelblatt"),
                       std::to_string(p.Mindestzeilen)});
    case Grund::Passt: break;
    }
    return {};
}

// The margins of w narrowed: the left and right ones to `seiten`, the top
// and bottom ones to `obenUnten` twentieths, each to whole millimetres.
Druckeinstellungen::Werte Schmaler(const Druckeinstellungen::Werte& w, int seiten, int obenUnten) {
    const auto rand = [](double r, int zwanzigstel) { return std::floor(r * zwanzigstel / 2 + 1e-9) / 10; };
    Druckeinstellungen::Werte v = w;
    v.Links = rand(w.Links, seiten), v.Rechts = rand(w.Rechts, seiten);
    v.Oben = rand(w.Oben, obenUnten), v.Unten = rand(w.Unten, obenUnten);
    return v;
}

bool GleicheRänder(const Druckeinstellungen::Werte& a, const Druckeinstellungen::Werte& b) {
    return a.Links == b.Links && a.Oben == b.Oben && a.Rechts == b.Rechts && a.Unten == b.Unten;
}

// The search for what prints: every setting tried is checked in every way
// given, the grid of each first (cheap), then their dry runs.
class Suche {
public:
    Suche(Plattform::Druckfläche& f, bool dateiname) : f_(f), dateiname_(dateiname) {}

    bool Druckt(const Druckeinstellungen::Werte& v, const std::vector<Ausdruck>& wege) {
        for (const Ausdruck& a : wege)
            if (!Prüfen(f_, v, a.Quer, a.ZeilenNachSchrift, dateiname_).Passt()) return false;
        for (const Ausdruck& a : wege)
            if (a.Lauf && !a.Lauf(f_, v, a.ZeilenNachSchrift).empty()) return false;
        return true;
    }

    // The largest size below `unter`, in half points from 6 pt, that prints
    // with the margins of v; 0 when none does. A size prints in a grid where
    // a larger one does, so nothing from the size refused on is tried.
    double GrössteSchrift(const Druckeinstellungen::Werte& v, double unter, const std::vector<Ausdruck>& wege) {
        Druckeinstellungen::Werte k = v;
        for (k.Grösse = Druckeinstellungen::GrösseBis; k.Grösse >= Druckeinstellungen::GrösseVon; k.Grösse -= 0.5)
            if (k.Grösse < unter - 1e-9 && Druckt(k, wege)) return k.Grösse;
        return 0;
    }

    // Margins narrower than those of w with which w prints, narrowed little:
    // the left and right margins by one share, the top and bottom ones by
    // another. Less of a margin never takes room from the grid, so when none
    // at all will do, none will; and where a pair of shares prints, every
    // smaller pair does. So the largest equal shares that print are found by
    // halving, then from there the largest share of either kind with the
    // other kept; of the two, the one that keeps more of the margins.
    std::optional<Druckeinstellungen::Werte> SchmalereRänder(const Druckeinstellungen::Werte& w,
                                                            const std::vector<Ausdruck>& wege) {
        std::map<std::pair<int, int>, bool> bekannt;
        const auto druckt = [&](int seiten, int obenUnten) {
            const auto [eintrag, neu] = bekannt.try_emplace({seiten, obenUnten}, false);
            if (neu) eintrag->second = Druckt(Schmaler(w, seiten, obenUnten), wege);
            return eintrag->second;
        };
        if (!druckt(0, 0)) return std::nullopt;
        // The largest share from `von` on that still prints, where `von` does.
        const auto grenze = [](int von, const auto& gut) {
            int ja = von, nein = 21;
            while (nein - ja > 1) {
                const int mitte = (ja + nein) / 2;
                (gut(mitte) ? ja : nein) = mitte;
            }
            return ja;
        };
        const int beide = grenze(0, [&](int i) { return druckt(i, i); });
        const int seiten = grenze(beide, [&](int i) { return druckt(i, beide); });
        const int obenUnten = grenze(beide, [&](int i) { return druckt(beide, i); });
        std::optional<Druckeinstellungen::Werte> beste;
        double rest = -1; // what the best keeps of the margins, cm
        for (const auto& [s, t] : {std::pair{seiten, beide}, std::pair{beide, obenUnten}}) {
            const Druckeinstellungen::Werte v = Schmaler(w, s, t);
            const double r = v.Links + v.Rechts + v.Oben + v.Unten;
            // Of as much kept, the one with the wider side margins.
            if (!GleicheRänder(v, w) && r > rest + 1e-9) beste = v, rest = r;
        }
        return beste;
    }

private:
    Plattform::Druckfläche& f_;
    bool dateiname_;
};

// Why w does not print in the ways given ("" when it does): the first way
// whose grid does not hold the font, else the first dry run that fails.
std::string Ablehnung(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, const std::vector<Ausdruck>& wege,
                      bool dateiname) {
    for (const Ausdruck& a : wege) {
        const Prüfung p = Prüfen(f, w, a.Quer, a.ZeilenNachSchrift, dateiname);
        if (!p.Passt())
            return Format("Die Schrift @ in @ pt passt nicht in das Raster der Ausdrucke.",
                          {w.Schrift, Zahl(w.Grösse)}) +
                   " " + Grundtext(p, a.Quer);
    }
    for (const Ausdruck& a : wege)
        if (a.Lauf)
            if (std::string fehler = a.Lauf(f, w, a.ZeilenNachSchrift); !fehler.empty()) return fehler;
    return {};
}

std::string Ränder(const Druckeinstellungen::Werte& v) {
    return Format("links @, oben @, rechts @ und unten @", {Cm(v.Links), Cm(v.Oben), Cm(v.Rechts), Cm(v.Unten)});
}

} // namespace

Raster Seite(const Druckeinstellungen::Werte& w, bool quer, double papierBreite, double papierHöhe) {
    // Landscape turns the page a quarter: the binding margin (left) comes
    // to the top.
    Raster r{w.Links, w.Oben, w.Rechts, w.Unten, 0, 0, SpaltenHochformat, ZeilenHochformat};
    if (quer) r = {w.Unten, w.Links, w.Oben, w.Rechts, 0, 0, SpaltenQuerformat, ZeilenQuerformat};
    r.Breite = papierBreite - r.Links - r.Rechts;
    r.Höhe = papierHöhe - r.Oben - r.Unten;
    return r;
}

Prüfung Prüfen(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, bool quer, bool zeilenNachSchrift,
               bool dateiname) {
    Prüfung p;
    f.Querformat(quer);
    p.Gitter = Seite(w, quer, f.PapierBreite(), f.PapierHöhe());
    for (const bool fett : {false, true}) {
        f.Schrift({w.Schrift, w.Grösse, fett});
        for (char c = '0'; c <= '9'; ++c) p.Ziffer = std::max(p.Ziffer, f.Textbreite(std::string(1, c)));
    }
    p.Zeile = Drucken::Markupzeile(f, {w.Schrift, w.Grösse, false});
    const Raster& r = p.Gitter;
    p.Zeilen = r.Zeilen;
    if (r.Breite <= 0 || r.Höhe <= 0 || p.Ziffer > Ziffernanteil * r.Breite / r.Spalten + Spiel) {
        p.Ergebnis = Grund::ZuBreit;
    } else if (zeilenNachSchrift) {
        // As Drucken::CharA4 lays the rows.
        p.Zeilen = p.Zeile > 0 ? static_cast<int>(r.Höhe / p.Zeile) : 0;
        p.Mindestzeilen = ZIRVO3801Drucken::GrössterTeil(quer, dateiname);
        if (p.Zeilen < p.Mindestzeilen) p.Ergebnis = Grund::ZuWenigZeilen;
    } else if (p.Zeile > r.Höhe / r.Zeilen + Spiel) {
        p.Ergebnis = Grund::ZuHoch;
    }
    return p;
}

double GrössteSchrift(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, const std::vector<bool>& quer,
                      bool zeilenNachSchrift, bool dateiname) {
    std::vector<Ausdruck> wege;
    for (const bool q : quer) wege.push_back({q, zeilenNachSchrift, {}, false});
    return Suche(f, dateiname).GrössteSchrift(w, Druckeinstellungen::GrösseBis + 1, wege);
}

std::string Meldung(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, const std::vector<Ausdruck>& drucke,
                    const std::vector<Ausdruck>& speichern, bool dateiname) {
    if (std::string fehler = Druckeinstellungen::Bereichsfehler(w); !fehler.empty()) return fehler;
    if (std::string fehler = Druckzeichen::Fehler(f, w); !fehler.empty()) return fehler;
    std::string text = Ablehnung(f, w, drucke, dateiname);
    if (text.empty()) return {};
    text += "\r\n\r\n";
    Suche suche(f, dateiname);
    // The set-up dialog's checks first: its dry runs are the shorter ones.
    std::vector<Ausdruck> alle = speichern;
    alle.insert(alle.end(), drucke.begin(), drucke.end());
    const std::string& schrift = w.Schrift;
    const double grösste = suche.GrössteSchrift(w, w.Grösse, alle);
    if (grösste > 0)
        text += Format("Mit diesen Seitenrändern passt @ höchstens in @ pt.", {schrift, Zahl(grösste)});
    else
        text += Format("Mit diesen Seitenrändern passt @ in keiner Grösse ab @ pt.",
                       {schrift, Zahl(Druckeinstellungen::GrösseVon)});
    // Rows by font height, where the user chooses them: the same settings,
    // nothing stored.
    std::vector<Ausdruck> mitZeilen = drucke;
    bool zeilenwahl = false;
    for (Ausdruck& a : mitZeilen)
        if (a.Zeilenwahl && !a.ZeilenNachSchrift) a.ZeilenNachSchrift = zeilenwahl = true;
    if (zeilenwahl && suche.Druckt(w, mitZeilen))
        text += " " + Format("Mit «Anzahl Druckzeilen gemäss Druckerschrift» (im Druckdialog des "
                             "Systemnachweises) lässt sich @ in @ pt drucken.",
                             {schrift, Zahl(w.Grösse)});
    if (const auto v = suche.SchmalereRänder(w, alle)) {
        text += " " + Format("Mit schmaleren Seitenrändern lässt sich @ in @ pt drucken, zum Beispiel mit @.",
                             {schrift, Zahl(w.Grösse), Ränder(*v)});
        return text;
    }
    if (grösste > 0) {
        // (Margins of 0 have none narrower.)
        if (!GleicheRänder(Schmaler(w, 0, 0), w))
            text += " " + Format("Auch mit schmaleren Seitenrändern lässt sich @ in @ pt nicht drucken.",
                                 {schrift, Zahl(w.Grösse)});
        return text;
    }
    // No size for these margins, and no margins for this size: the largest
    // size that prints without margins, with margins as wide as will do.
    const double ohneRänder = suche.GrössteSchrift(Schmaler(w, 0, 0), w.Grösse, alle);
    if (ohneRänder > 0) {
        Druckeinstellungen::Werte kleiner = w;
        kleiner.Grösse = ohneRänder;
        if (const auto v = suche.SchmalereRänder(kleiner, alle)) {
            text += " " + Format("Mit schmaleren Seitenrändern lässt sich @ in @ pt drucken, zum Beispiel mit @.",
                                 {schrift, Zahl(ohneRänder), Ränder(*v)});
            return text;
        }
    }
    text += " " + Format("Auch ohne Seitenränder lässt sich @ in keiner Grösse ab @ pt drucken: bitte wählen Sie eine "
                         "andere Schrift.",
                         {schrift, Zahl(Druckeinstellungen::GrösseVon)});
    return text;
}

std::string Meldung(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, const std::vector<bool>& quer,
                    bool zeilenNachSchrift, bool dateiname) {
    const bool hochformat = std::none_of(quer.begin(), quer.end(), [](bool q) { return q; });
    std::vector<Ausdruck> wege;
    for (const bool q : quer) wege.push_back({q, zeilenNachSchrift, {}, hochformat});
    return Meldung(f, w, wege, {}, dateiname);
}

std::string Druckermeldung(const std::string& drucker, const Druckeinstellungen::Werte& w,
                           const std::vector<Ausdruck>& drucke, const std::vector<Ausdruck>& speichern,
                           bool dateiname) {
    if (const auto f = Plattform::drucker().Messfläche(drucker)) return Meldung(*f, w, drucke, speichern, dateiname);
    return Druckeinstellungen::Bereichsfehler(w);
}

} // namespace Druckraster

#include "printing/Druckraster.h"

#include "balance/Anzeigezahl.h"
#include "frame/Druckflaeche.h"
#include "frame/Plattform.h"
#include "frame/basZIRVODialogSprache.h"
#include "printing/Drucken.h"
#include "printing/ZIRVO3801Drucken.h"

#include <algorithm>
#include <cmath>
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

// Margins narrower than those of w with which its font fits in every
// orientation given: the left and right margins narrowed by one share, the
// top and bottom ones by another (in twentieths, whole millimetres), as
// little as will do.
std::optional<Druckeinstellungen::Werte> SchmalereRänder(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w,
                                                         const std::vector<bool>& quer, bool zeilenNachSchrift,
                                                         bool dateiname) {
    const auto passt = [&](const Druckeinstellungen::Werte& v) {
        return std::all_of(quer.begin(), quer.end(),
                           [&](bool q) { return Prüfen(f, v, q, zeilenNachSchrift, dateiname).Passt(); });
    };
    const auto schmaler = [](double rand, int zwanzigstel) { return std::floor(rand * zwanzigstel / 2 + 1e-9) / 10; };
    const auto schmalere = [&](int seiten, int obenUnten) {
        Druckeinstellungen::Werte v = w;
        v.Links = schmaler(w.Links, seiten), v.Rechts = schmaler(w.Rechts, seiten);
        v.Oben = schmaler(w.Oben, obenUnten), v.Unten = schmaler(w.Unten, obenUnten);
        return v;
    };
    // Narrower margins never take room from the grid: when none at all
    // will do, none will.
    if (!passt(schmalere(0, 0))) return std::nullopt;
    std::optional<Druckeinstellungen::Werte> beste;
    double rest = -1; // what the best keeps of the margins, cm
    for (int seiten = 20; seiten >= 0; --seiten)
        for (int obenUnten = 20; obenUnten >= 0; --obenUnten) {
            const Druckeinstellungen::Werte v = schmalere(seiten, obenUnten);
            const double r = v.Links + v.Rechts + v.Oben + v.Unten;
            if (r <= rest) break;
            const bool anders = v.Links != w.Links || v.Rechts != w.Rechts || v.Oben != w.Oben || v.Unten != w.Unten;
            if (!anders || !passt(v)) continue;
            beste = v, rest = r;
            break; // narrower still keeps less
        }
    return beste;
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
    Druckeinstellungen::Werte v = w;
    for (v.Grösse = Druckeinstellungen::GrösseBis; v.Grösse >= Druckeinstellungen::GrösseVon; v.Grösse -= 0.5)
        if (std::all_of(quer.begin(), quer.end(),
                        [&](bool q) { return Prüfen(f, v, q, zeilenNachSchrift, dateiname).Passt(); }))
            return v.Grösse;
    return 0;
}

std::string Meldung(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, const std::vector<bool>& quer,
                    bool zeilenNachSchrift, bool dateiname) {
    if (std::string fehler = Druckeinstellungen::Bereichsfehler(w); !fehler.empty()) return fehler;
    for (const bool q : quer) {
        const Prüfung p = Prüfen(f, w, q, zeilenNachSchrift, dateiname);
        if (p.Passt()) continue;
        std::string text = Format("Die Schrift @ in @ pt passt nicht in das Raster der Ausdrucke.",
                                  {w.Schrift, Zahl(w.Grösse)}) +
                           " " + Grundtext(p, q) + "\r\n\r\n";
        const double grösste = GrössteSchrift(f, w, quer, zeilenNachSchrift, dateiname);
        if (grösste > 0)
            text += Format("Mit diesen Seitenrändern passt @ höchstens in @ pt.", {w.Schrift, Zahl(grösste)});
        else
            text += Format("Mit diesen Seitenrändern passt @ in keiner Grösse ab @ pt: bitte wählen Sie schmalere "
                           "Ränder.",
                           {w.Schrift, Zahl(Druckeinstellungen::GrösseVon)});
        // The ways to print the size chosen.
        const bool hochformat = std::none_of(quer.begin(), quer.end(), [](bool q) { return q; });
        if (!zeilenNachSchrift && hochformat &&
            std::all_of(quer.begin(), quer.end(), [&](bool q) { return Prüfen(f, w, q, true, dateiname).Passt(); }))
            text += " " + Format("Mit «Anzahl Druckzeilen gemäss Druckerschrift» (im Druckdialog des "
                                 "Systemnachweises) lässt sich @ in @ pt drucken.",
                                 {w.Schrift, Zahl(w.Grösse)});
        if (const auto v = SchmalereRänder(f, w, quer, zeilenNachSchrift, dateiname))
            text += " " + Format("Mit schmaleren Seitenrändern lässt sich @ in @ pt drucken, zum Beispiel mit links @, "
                                 "oben @, rechts @ und unten @.",
                                 {w.Schrift, Zahl(w.Grösse), Cm(v->Links), Cm(v->Oben), Cm(v->Rechts), Cm(v->Unten)});
        return text;
    }
    return {};
}

std::string Druckermeldung(const std::string& drucker, const Druckeinstellungen::Werte& w,
                           const std::vector<bool>& quer, bool zeilenNachSchrift, bool dateiname) {
    if (const auto f = Plattform::drucker().Messfläche(drucker)) return Meldung(*f, w, quer, zeilenNachSchrift, dateiname);
    return Druckeinstellungen::Bereichsfehler(w);
}

} // namespace Druckraster

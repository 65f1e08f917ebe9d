#include "proofs/frmNachweis3801.h"

#include "balance/Anzeigezahl.h"
#include "balance/Gebaeudekategorie.h"
#include "balance/frmQh.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/ProjektGlobal.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using Anzeigezahl::Festkomma;

std::function<void(frmNachweis3801&)> frmNachweis3801::Anzeigen;

namespace {

using Ausrichtung = ListView::Ausrichtung;

// QH and QH,li as shown, and the verdict on the shown values.
struct Anzeige {
    std::string Qh, Grenze, Erfüllt;
};

Anzeige Vergleich(double Qh, double Grenze) {
    Anzeige a{Festkomma(basZIRVO3801::Runden(Qh, 1), 1), Festkomma(basZIRVO3801::Runden(Grenze, 1), 1), {}};
    a.Erfüllt = ZahlLesen(a.Grenze) >= ZahlLesen(a.Qh) ? DS("Ja") : DS("Nein");
    return a;
}

// A value that all zones share: unset, one value, or differing.
template <class T> class Gemeinsam {
public:
    void Hinzufügen(const T& wert) {
        if (!wert_) wert_ = wert;
        else if (*wert_ != wert) verschieden_ = true;
    }
    const T* Wert() const { return wert_ && !verschieden_ ? &*wert_ : nullptr; }

private:
    std::optional<T> wert_;
    bool verschieden_ = false;
};

} // namespace

double frmNachweis3801::Grenzwert(double HgNw, int BvArt, int NwAnf) {
    if (BvArt == 1 || BvArt == 3) return HgNw * 1.5; // a conversion never gets the target factor
    if (NwAnf == 1) return HgNw * 0.6;
    return HgNw;
}

void frmNachweis3801::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    Caption = DS("Nachweis SIA 380/1");
    tabNachweis.setTabs({{"S", DS("Systemanforderung")}});
    tabNachweis.setSelectedIndex(0);
    cmdSchliessen.setCaption(DS("Schliessen"));
    geladen_ = true;
    NachweisAnzeigen();
}

void frmNachweis3801::cmdSchliessen_Click() {
    Visible = false;
    geladen_ = false;
}

void frmNachweis3801::NachweisAnzeigen() {
    lvwZonen.Clear();
    lvwZonen.setColumnHeaders({
        {DS("Nutzung"), 2400, Ausrichtung::Links},
        {DS("Gebäudekategorie"), 1650, Ausrichtung::Links},
        {DS("Ti"), 400, Ausrichtung::Rechts},
        {DS("EBF"), 900, Ausrichtung::Rechts},
        {DS("A"), 900, Ausrichtung::Rechts},
        {DS("A/EBF"), 720, Ausrichtung::Rechts},
        {DS("QH"), 750, Ausrichtung::Rechts},
        {DS("QH,li"), 750, Ausrichtung::Rechts},
        {DS("erfüllt"), 660, Ausrichtung::Links},
    });

    Projekt& P = Global::Projekt;
    frmZIRVO3801& F = Global::frmZIRVO3801;
    const std::int16_t BvArt = P.PGetInt("BvArt");
    const std::int16_t NwAnf = P.PGetInt("NwAnf");
    const std::int16_t vorher = P.GetNZone();

    // The building: the category and room temperature the zones share, the
    // sums, and the means weighted by the energy reference area. A zone
    // without area adds nothing to the means.
    Gemeinsam<std::int16_t> kategorie;
    Gemeinsam<double> raumtemperatur;
    double summeEBF = 0, summeA = 0, mittelQh = 0, mittelGrenze = 0;

    std::vector<ListView::Zeile> zeilen;
    for (std::int16_t i = 0; i < P.ZonenAnzahl(); ++i) {
        P.SetNZone(i);
        F.ProjektZoneEinlesen();
        Global::frmQh.Einlesen();

        const std::int16_t Gk = P.ZGetInt("Gk");
        const double Ti = P.ZGetNum("Ti");
        const double EBF = P.ZGetNum("EBF");
        const double A = Anzeigezahl::Endlich(P.ZGetNum("AeA") + P.ZGetNum("AeU") + P.ZGetNum("AeF"));
        const double Qh = P.ZGetNum("QhNw");
        const double Grenze = Grenzwert(P.ZGetNum("HgNw"), BvArt, NwAnf);
        const double AEBF = EBF == 0 ? 0 : Anzeigezahl::Endlich(A / EBF);

        const Anzeige a = Vergleich(Qh, Grenze);
        zeilen.push_back({{P.ZGetStr("Bez"), Global::Gebäudekategorie.Bezeichnung(Gk), Anzeigezahl::Zahltext(Ti),
                           Festkomma(EBF, 1), Festkomma(A, 1), Festkomma(AEBF, 2), a.Qh, a.Grenze, a.Erfüllt},
                          false});

        kategorie.Hinzufügen(Gk);
        raumtemperatur.Hinzufügen(Ti);
        if (EBF > 0) {
            mittelQh = (EBF * Qh + mittelQh * summeEBF) / (EBF + summeEBF);
            mittelGrenze = (EBF * Grenze + mittelGrenze * summeEBF) / (EBF + summeEBF);
            summeEBF += EBF;
        }
        summeA += A;
    }
    P.SetNZone(vorher);
    F.ProjektZoneEinlesen();

    zeilen.push_back({{""}, false});
    ListView::Zeile gebäude{{DS("Gebäude")}, true};
    const std::int16_t* gk = kategorie.Wert();
    gebäude.Texte.push_back(gk && *gk > 0 ? Global::Gebäudekategorie.Bezeichnung(*gk) : std::string());
    // The shared room temperature as a whole number (halves to the even one).
    const double* ti = raumtemperatur.Wert();
    const double tiGanz = ti ? std::nearbyint(*ti) : 0;
    gebäude.Texte.push_back(tiGanz > 0 ? Festkomma(tiGanz, 0) : std::string());
    gebäude.Texte.push_back(Festkomma(summeEBF, 1));
    gebäude.Texte.push_back(Festkomma(summeA, 1));
    gebäude.Texte.push_back(Festkomma(summeEBF > 0 ? summeA / summeEBF : 0, 2));
    if (summeEBF > 0) {
        // Without any area there is no mean and no verdict.
        const Anzeige a = Vergleich(mittelQh, mittelGrenze);
        for (const std::string* t : {&a.Qh, &a.Grenze, &a.Erfüllt}) gebäude.Texte.push_back(*t);
    }
    zeilen.push_back(std::move(gebäude));
    lvwZonen.setListItems(std::move(zeilen));
}

namespace Global {
::frmNachweis3801 frmNachweis3801;
} // namespace Global

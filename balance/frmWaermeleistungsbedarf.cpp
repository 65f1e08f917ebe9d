#include "balance/frmWaermeleistungsbedarf.h"

#include "balance/Anzeigezahl.h"
#include "balance/Klimastation_MB2028.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/ProjektGlobal.h"

#include <cmath>
#include <string>

using Anzeigezahl::Festkomma;
using Anzeigezahl::Zahltext;

namespace {

int Zeichenzahl(const std::string& utf8) {
    int n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// The design-condition mode and the zone's air rate for one design
// computation: switched on when made, and the mode switched off and the air
// rate given back to the zone when it ends, on every path.
class Auslegungsrechnung {
public:
    Auslegungsrechnung(double T, double V)
        : zone_(Global::Projekt.GetNZone()), AVE_(Global::Projekt.ZGetNum("AVE")) {
        Global::Projekt.ZSetNum(V, "AVE");
        Auslegungsfall = true;
        Auslegungstemperatur = T;
        Auslegungsluftvolumenstrom = V;
    }
    ~Auslegungsrechnung() {
        // the zone computed is the current one again, with its own air rate
        auto& projekt = Global::Projekt;
        projekt.SetNZone(zone_);
        projekt.ZSetNum(AVE_, "AVE");
        Auslegungsfall = false;
        Auslegungstemperatur = 0;
        Auslegungsluftvolumenstrom = 0;
    }
    Auslegungsrechnung(const Auslegungsrechnung&) = delete;
    Auslegungsrechnung& operator=(const Auslegungsrechnung&) = delete;

private:
    std::int16_t zone_;
    double AVE_;
};

} // namespace

std::function<void(frmWärmeleistungsbedarf&)> frmWärmeleistungsbedarf::Anzeigen;

frmWärmeleistungsbedarf::frmWärmeleistungsbedarf() = default;

void frmWärmeleistungsbedarf::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    Caption = DS("Wärmeleistungsbedarf für Heizung");
    lblAlT.setCaption(DS("Massgebende Aussenluft-Temperatur"));
    lblAlV.setCaption(DS("Massgebender Aussenluft-Volumenstrom (natürliche Lüftung)"));
    cmdBerechnen.setCaption(DS("&Berechnen"));
    lblHinweis.setCaption(DS("Der mit dieser Funktion errechnete Wärmeleistungsbedarf für Heizung enthält nicht die im "
                             "Heizsystem selbst liegenden oder von ihm verursachten Verluste."));
    txtResultat.setText("");

    // The design temperature of the project's station, from a station object
    // of its own: the program's station stays as it is.
    txtAlT.setText("");
    {
        Klimastation_MB2028 station;
        station.KlimastationEinlesen(Global::Projekt.PGetStr("KlSt"));
        if (station.Vorhanden()) txtAlT.setText(Zahltext(station.TaMin()));
    }
    txtAlV.setText(Festkomma(Global::Projekt.ZGetNum("AVE"), 1));
}

frmWärmeleistungsbedarf::Auswahl frmWärmeleistungsbedarf::txtAlT_GotFocus() const {
    return {0, Zeichenzahl(txtAlT.Text())};
}

frmWärmeleistungsbedarf::Auswahl frmWärmeleistungsbedarf::txtAlV_GotFocus() const {
    return {0, Zeichenzahl(txtAlV.Text())};
}

double frmWärmeleistungsbedarf::WärmeleistungBerechnen(double T, double V, bool& Fehler) {
    auto& projekt = Global::Projekt;
    Fehler = false;
    double EBF = 0;
    Monatsarray Qh{};
    {
        Auslegungsrechnung auslegung(T, V);
        Fehler = Global::frmZIRVO3801.ProjektZoneBerechnen();
        EBF = projekt.ZGetNum("EBF");
        projekt.ZGetArr1(Qh, "Qh");
    }
    const basZIRVOFehler::EingabefehlerDaten fehler = Eingabefehler;

    // kWh per year over the 8760 hours of a year: kW
    double P = EBF * Qh[12] / 8760;
    if (!std::isfinite(P)) P = 0;

    // The zone again under its real climate, so that every stored value is
    // that of the real climate.
    Global::frmZIRVO3801.ProjektZoneBerechnen();
    if (Fehler) {
        Eingabefehler = fehler;
        return 0;
    }
    return P;
}

void frmWärmeleistungsbedarf::cmdBerechnen_Click() {
    auto& projekt = Global::Projekt;
    const double T = ZahlLesen(txtAlT.Text());
    const double V = ZahlLesen(txtAlV.Text());
    const double EBF = projekt.ZGetNum("EBF");

    bool fehler = false;
    const double P = WärmeleistungBerechnen(T, V, fehler);
    if (fehler) {
        // no power from values of an earlier computation: the input error instead
        txtResultat.setText("");
        basZIRVOFehler::FehlerMelden();
        return;
    }

    const std::string nl = "\r\n";
    std::string text = nl;
    text += DS("Projekt") + ": " + "\t" + projekt.Projektname() + nl;
    if (projekt.ZonenAnzahl() > 1) text += DS("Zone") + ": " + "\t" + projekt.ZGetStr("Bez") + nl;
    text += DS("EBF") + ": " + "\t" + Festkomma(EBF, 1) + " m²" + nl;
    text += nl;
    text += DS("Wärmeleistungsbedarf für Heizung") + " = " + Festkomma(P, P < 20 ? 1 : 0) + " kW" + nl;
    if (EBF != 0) {
        text += nl;
        text += DS("Wärmeleistungsbedarf für Heizung pro EBF") + " = " + Festkomma(P * 1000 / EBF, 1) + " W/m²" + nl;
    }
    txtResultat.setText(text);
}

namespace Global {
::frmWärmeleistungsbedarf frmWärmeleistungsbedarf;
}

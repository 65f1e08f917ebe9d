#include "balance/frmQh.h"

#include "balance/Anzeigezahl.h"
#include "balance/Gebaeudekategorie.h"
#include "balance/Monatsbilanz.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "mainwindow/frmZIRVO3801.h"
#include "project/ProjektGlobal.h"

#include <string>

using Anzeigezahl::Endlich;
using Anzeigezahl::Festkomma;
using Anzeigezahl::Zahltext;

std::function<void(frmQh&)> frmQh::Anzeigen;

frmQh::frmQh() = default;

void frmQh::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    Caption = DS("Heizwärmebedarf");
    geladen_ = true;
    berechnet_ = false;
    fraNachweis.setVisible(true);
    Height = 0;
}

void frmQh::Laden() {
    if (!geladen_) Form_Load();
}

void frmQh::Form_Activate() {
    Laden();
    if (!berechnet_) ZoneBerechnenUndAnzeigen();
}

void frmQh::Form_KeyPress(std::int16_t& KeyAscii) {
    if (KeyAscii != 27) return;
    // closing unloads the window: the next opening computes again
    Visible = false;
    geladen_ = false;
    berechnet_ = false;
}

bool frmQh::Einlesen() {
    Laden();
    return ZoneBerechnenUndAnzeigen();
}

bool frmQh::Berechnen() {
    Laden();
    return ErgebnisAnzeigen();
}

bool frmQh::ZoneBerechnenUndAnzeigen() {
    // A zone that cannot be computed is not reported here: the window shows
    // what the zone holds.
    Global::frmZIRVO3801.ProjektZoneBerechnen();
    ErgebnisAnzeigen();
    berechnet_ = true;
    return false;
}

bool frmQh::ErgebnisAnzeigen() {
    auto& projekt = Global::Projekt;
    constexpr std::size_t J = 12;

    Monatstabelle QtA{}, QtU{}, QtF{};
    Monatsarray Qv{}, Qvm{}, Qt{}, QgS{}, QgP{}, QgE{}, EtaG{}, Qug{}, Qh{};
    projekt.ZGetArr2(QtA, "QtA");
    projekt.ZGetArr2(QtU, "QtU");
    projekt.ZGetArr2(QtF, "QtF");
    projekt.ZGetArr1(Qv, "Qv");
    projekt.ZGetArr1(Qvm, "Qvm");
    projekt.ZGetArr1(Qt, "Qt");
    projekt.ZGetArr1(QgS, "QgS");
    projekt.ZGetArr1(QgP, "QgP");
    projekt.ZGetArr1(QgE, "QgE");
    projekt.ZGetArr1(EtaG, "EtaG");
    projekt.ZGetArr1(Qug, "Qug");
    projekt.ZGetArr1(Qh, "Qh");
    const std::string Bez = projekt.ZGetStr("Bez");
    const std::int16_t Gk = projekt.ZGetInt("Gk");
    const double EBF = projekt.ZGetNum("EBF");
    const double AeA = projekt.ZGetNum("AeA");
    const double AeU = projekt.ZGetNum("AeU");
    const double AeF = projekt.ZGetNum("AeF");

    const std::int16_t BvArt = projekt.PGetInt("BvArt");
    const bool Umbau = BvArt == 1 || BvArt == 3;
    const bool Zielwert = projekt.PGetInt("NwAnf") == 1;
    const std::int16_t ArtB = projekt.PGetInt("ArtB");
    const std::string NwKt = projekt.PGetStr("NwKt");
    const double JMT = projekt.PGetNum("JMT");
    const double HL_fV = projekt.PGetNum("HL_fV");
    const double HL_EtaV = projekt.PGetNum("HL_EtaV");

    // The proof frame belongs to the task "Nachweis" only.
    fraNachweis.setVisible(ArtB == 0);
    Height = ArtB == 0 ? 0 : HöheOhneNachweis;

    lblZone.setCaption(Bez);

    // annual balance
    const double QhJahr = Qh[J];
    lblQt.setCaption(Festkomma(QtA[J][5] + QtU[J][5] + QtF[J][5], 1));
    lblQv.setCaption(Festkomma(Qv[J] + Qvm[J], 1));
    lblQtot.setCaption(Festkomma(Qt[J], 1));
    lblQi.setCaption(Festkomma(QgP[J] + QgE[J], 1));
    lblQs.setCaption(Festkomma(QgS[J], 1));
    lblEtaG.setCaption(Festkomma(EtaG[J], 2));
    lblQug.setCaption(Festkomma(Qug[J], 1));
    lblQh.setCaption(Festkomma(QhJahr, 1));
    projekt.ZSetNum(QhJahr, "QhNw");

    lblVorschrift.setCaption(NwKt.empty() ? DS("SIA 380/1:2016") : NwKt);
    const std::string anforderung = Zielwert ? DS("Zielwert") : DS("Grenzwert");
    lblAnf.setCaption((Umbau ? DS("Umbau") : DS("Neubau")) + ", " + anforderung);

    // the building
    const double Ae = Endlich(AeA + AeU + AeF);
    lblGebKat.setCaption(Global::Gebäudekategorie.Bezeichnung(Gk) + "    [" + Global::Gebäudekategorie.Code(Gk) + "]");
    lblJMT.setCaption(Zahltext(JMT));
    lblAh.setCaption(Festkomma(EBF, 1));
    lblAe.setCaption(Festkomma(Ae, 1));

    if (EBF == 0) {
        // Without an energy reference area there is no envelope number, no
        // limit, no verdict and no heat load; nothing of an earlier zone or
        // computation may remain on view or in the zone.
        lblAeAh.setCaption("?");
        projekt.ZSetNum(Ae, "Ae");
        projekt.ZSetNum(0, "AEBF");
        projekt.ZSetNum(0, "HgNw");
        projekt.ZSetNum(0, "PhNw");
        projekt.ZSetNum(0, "PhNwGw");
        for (Label* l : {&lblQhNw, &lblHgNw, &lblGrenzZiel, &lblNachweis, &lblLüftVorh, &lblHL_fV, &lblHL_EtaV,
                         &lblPhNw, &lblPhGw, &lblNachweisPh})
            l->setCaption("");
        return false;
    }
    const double AEBF = Endlich(Ae / EBF);
    lblAeAh.setCaption(Festkomma(AEBF, 2));
    projekt.ZSetNum(Ae, "Ae");
    projekt.ZSetNum(AEBF, "AEBF");

    // limit or target value of the heating demand
    double HgNw = Endlich((Global::Gebäudekategorie.Hg0(Gk) + Global::Gebäudekategorie.DeltaHg(Gk) * AEBF) *
                          (1 + (9.4 - JMT) * 0.06));
    projekt.ZSetNum(HgNw, "HgNw");
    if (Umbau) {
        HgNw = HgNw * 1.5; // a conversion never gets the target factor
    } else if (Zielwert) {
        HgNw = HgNw * 0.6;
    }
    const double QhR = basZIRVO3801::Runden(QhJahr, 1);
    const double HgR = basZIRVO3801::Runden(HgNw, 1);
    lblQhNw.setCaption(Festkomma(QhR, 1));
    lblHgNw.setCaption(Festkomma(HgR, 1));
    lblGrenzZiel.setCaption(anforderung);
    const bool erfüllt = QhR <= HgR;
    if (Zielwert)
        lblNachweis.setCaption(erfüllt ? DS("Zielwert erfüllt") : DS("Zielwert nicht erfüllt"));
    else
        lblNachweis.setCaption(erfüllt ? DS("Grenzwert erfüllt") : DS("Grenzwert nicht erfüllt"));

    // heat load
    double PhNw = basZIRVO3801::ZoneHeizleistungKennwert();
    double PhNwGw = basZIRVO3801::ZoneHeizleistungGrenzwert();
    projekt.ZSetNum(PhNw, "PhNw");
    projekt.ZSetNum(PhNwGw, "PhNwGw");
    PhNw = basZIRVO3801::Runden(PhNw, 1);
    PhNwGw = basZIRVO3801::Runden(PhNwGw, 1);

    if (HL_fV != 0) {
        lblLüftVorh.setCaption(DS("ja"));
        lblHL_fV.setCaption(Festkomma(HL_fV, 1));
        lblHL_EtaV.setCaption(Festkomma(HL_EtaV, 2));
    } else {
        lblLüftVorh.setCaption(DS("nein"));
        lblHL_fV.setCaption("-");
        lblHL_EtaV.setCaption("-");
    }

    lblPhNw.setCaption(Festkomma(PhNw, 1));
    if (PhNwGw == 0 || Umbau) {
        lblPhGw.setCaption("");
        lblNachweisPh.setCaption("");
    } else {
        lblPhGw.setCaption(Festkomma(PhNwGw, 1));
        lblNachweisPh.setCaption(PhNw <= PhNwGw ? DS("Grenzwert erfüllt") : DS("Grenzwert nicht erfüllt"));
    }
    return false;
}

namespace Global {
::frmQh frmQh;
}

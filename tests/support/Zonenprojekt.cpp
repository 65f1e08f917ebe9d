#include "tests/support/Zonenprojekt.h"

#include "balance/Gebaeudekategorie.h"
#include "balance/Klimastation_MB2028.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"

#include <stdexcept>

namespace Testhilfe {

namespace {

void GlobaleLeeren() {
    Global::Projekt = Projekt();
    Global::Klimastation_MB2028.KlimastationEinlesen("");
    Eingabefehler = basZIRVOFehler::EingabefehlerDaten{};
    basZIRVO_HiRi::NordAktuell.clear();
    Auslegungsfall = false;
    Auslegungstemperatur = 0;
    Global::ElementeZählen = false;
}

std::vector<Steuerelementfeld<TextBox>*> Spalten(frmZIRVO3801& f, std::int16_t t) {
    switch (t) {
    case 1: return {&f.txtEBFBez, &f.txtEBFFl, &f.txtEBFhG, &f.txtEBFAh};
    case 2: return {&f.txtDaC, &f.txtDaBez, &f.txtDaFl, &f.txtDaBt, &f.txtDaU, &f.txtDaH, &f.txtDaO};
    case 3:
        return {&f.txtDuC, &f.txtDuBez, &f.txtDuFl, &f.txtDuBt, &f.txtDuU,
                &f.txtDuH, &f.txtDuO,   &f.txtDuBu, &f.txtDuBG, &f.txtDuTin};
    case 4:
        return {&f.txtFC, &f.txtFBez, &f.txtFFl, &f.txtFBt, &f.txtFU,  &f.txtFH,
                &f.txtFO, &f.txtFOn,  &f.txtFg,  &f.txtFFF, &f.txtFFS1, &f.txtFFS23};
    default: return {};
    }
}

std::vector<Label*> Labels(frmZIRVO3801& f) {
    return {&f.lblEBFTotAh0, &f.lblEBFTotAh, &f.lblDaFl, &f.lblDaU,  &f.lblDaQt, &f.lblWaFl, &f.lblWaU,
            &f.lblWaQt,      &f.lblBaFl,     &f.lblBaU,  &f.lblBaQt, &f.lbllaFl, &f.lbllaU,  &f.lbllaQt,
            &f.lblpaFl,      &f.lblpaU,      &f.lblpaQt, &f.lblDuFl, &f.lblDuU,  &f.lblDuQt, &f.lblWuFl,
            &f.lblWuU,       &f.lblWuQt,     &f.lblBuFl, &f.lblBuU,  &f.lblBuQt, &f.lblluFl, &f.lblluU,
            &f.lblluQt,      &f.lblpuFl,     &f.lblpuU,  &f.lblpuQt, &f.lblFFl,  &f.lblFU,   &f.lblFQt,
            &f.lblTFl,       &f.lblTU,       &f.lblTQt,  &f.lbllfFl, &f.lbllfU,  &f.lbllfQt, &f.lblpfFl,
            &f.lblpfU,       &f.lblpfQt,     &f.lblFQs,  &f.lblFQsf};
}

} // namespace

Zonenprojekt::Zonenprojekt(std::int16_t Gk)
    : P(Global::Projekt), F(Global::frmZIRVO3801), trennzeichen_(cVB6_NumCvt::Instanz()) {
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", ".", "'", ".", "'"));
    basVB6NumCvt::KommaEingabeSetzen(true);
    GlobaleLeeren();
    F.TabellenAnlegen();
    TabellenLeeren();
    P.ProjektNeu();
    P.PSetStr(Station, "KlSt");
    Global::Klimastation_MB2028.KlimastationEinlesen(Station);
    if (!Global::Klimastation_MB2028.Vorhanden()) throw std::logic_error("Klimastation fehlt");
    StandardnutzungSetzen(Gk);
}

Zonenprojekt::~Zonenprojekt() {
    TabellenLeeren();
    GlobaleLeeren();
    cVB6_NumCvt::InstanzSetzen(trennzeichen_);
}

void Zonenprojekt::StandardnutzungSetzen(std::int16_t Gk) {
    const Gebäudekategorie& k = Global::Gebäudekategorie;
    P.ZSetInt(Gk, "Gk");
    P.ZSetNum(k.Innentemperatur(Gk), "Ti");
    P.ZSetNum(k.Personenfläche(Gk), "PFl");
    P.ZSetNum(k.Wärmeabgabe(Gk), "PWP");
    P.ZSetNum(k.Präsenzzeit(Gk), "PPr");
    P.ZSetNum(k.Elektroverbrauch(Gk), "El");
    P.ZSetNum(k.ElektroReduktion(Gk), "fe");
    P.ZSetNum(k.AussenluftVolumenstrom(Gk), "AVE");
    P.ZSetNum(k.Warmwasser(Gk), "WW");
    P.ZSetNum(C, "C");
    P.ZSetNum(0, "RZ");
    P.ZSetNum(0, "VTHB");
    P.ZSetNum(0, "VTHF");
    P.ZSetNum(0, "ML");
}

std::int16_t Zonenprojekt::ZoneHinzufügen(const std::string& Code) {
    const std::int16_t bisher = P.GetNZone();
    P.SetNZone(0);
    const std::int16_t Gk = P.ZGetInt("Gk");
    if (P.ZoneNeu() != 0) throw std::logic_error("keine weitere Zone");
    const std::int16_t neu = P.GetNZone();
    StandardnutzungSetzen(Gk);
    P.ZSetStr(Code, "Code");
    P.SetNZone(bisher);
    return neu;
}

void Zonenprojekt::BauteilAnlegen(std::int16_t n, double U, const std::string& Bez) {
    auto b = Kollektion::Neu();
    b->Hinzufügen(Bez);
    b->Hinzufügen("");
    b->Hinzufügen(U);
    b->Hinzufügen(0.0);
    b->Hinzufügen(0.13);
    b->Hinzufügen(0.04);
    b->Hinzufügen("", "CodeGr");
    P.PSetColl(std::move(b), "B-" + std::to_string(n));
}

void Zonenprojekt::FensterAnlegen(std::int16_t n, double U, double g, double FF, const std::string& Bez) {
    auto f = Kollektion::Neu();
    f->Hinzufügen(Bez);
    f->Hinzufügen("");
    f->Hinzufügen(U);
    f->Hinzufügen(0.0);
    f->Hinzufügen(g);
    f->Hinzufügen(FF);
    f->Hinzufügen("");
    f->Hinzufügen(0.0);
    f->Hinzufügen("");
    f->Hinzufügen(0.0);
    f->Hinzufügen("", "CodeGr");
    P.PSetColl(std::move(f), "F-" + std::to_string(n));
}

void Zonenprojekt::WärmebrückeAnlegen(std::int16_t n, double Psi, const std::string& Bez) {
    auto w = Kollektion::Neu();
    w->Hinzufügen(Bez);
    w->Hinzufügen("");
    w->Hinzufügen(Psi);
    w->Hinzufügen(0.0);
    w->Hinzufügen("", "CodeGr");
    P.PSetColl(std::move(w), "W-" + std::to_string(n));
}

void Zonenprojekt::TabellenLeeren() {
    for (std::int16_t t = 1; t <= 4; ++t)
        for (auto* feld : Spalten(F, t))
            for (int i = 0; i < feld->Anzahl(); ++i) {
                (*feld)[i].setText(std::string());
                (*feld)[i].setToolTipText(std::string());
            }
    for (Label* l : Labels(F)) l->setCaption(std::string());
}

void Zonenprojekt::Zeile(std::int16_t t, int zeile, const std::vector<std::string>& texte) {
    auto spalten = Spalten(F, t);
    if (texte.size() > spalten.size()) throw std::logic_error("zu viele Zellen");
    for (std::size_t k = 0; k < texte.size(); ++k) (*spalten[k])[zeile].setText(texte[k]);
}

void Zonenprojekt::EBFSetzen(double Fläche) {
    F.txtEBFFl[0].setText(basVB6NumCvt::ZahlText(Fläche));
    F.TabelleSpeichern(1);
    F.BerechnenEBF();
}

} // namespace Testhilfe

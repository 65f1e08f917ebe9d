#include "dialogs/frmNutzung.h"

#include "balance/Anzeigezahl.h"
#include "balance/Gebaeudekategorie.h"
#include "dialogs/frmNutzungZone.h"
#include "frame/Plattform.h"
#include "frame/Statusmeldung.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"
#include "project/ProjektGlobal.h"

#include <string_view>

std::int16_t frmNutzung::SortierRichtung = 1;
std::function<void(frmNutzung&)> frmNutzung::Anzeigen;

namespace {

// The eight standard-use values: input, remark, the label of the
// category's standard, the zone key, the standard's member and the decimals
// of the input box.
struct Standardzeile {
    TextBox frmNutzung::*Box;
    TextBox frmNutzung::*Bem;
    Label frmNutzung::*Standard;
    const char* Schlüssel;
    double (Gebäudekategorie::*Wert)(std::int16_t) const;
    int Nachkommastellen;
};

const Standardzeile Standardzeilen[] = {
    {&frmNutzung::txtTi, &frmNutzung::txtTiBem, &frmNutzung::lblTi, "Ti", &Gebäudekategorie::Innentemperatur, 0},
    {&frmNutzung::txtPFl, &frmNutzung::txtPFlBem, &frmNutzung::lblPersFl, "PFl", &Gebäudekategorie::Personenfläche,
     0},
    {&frmNutzung::txtPWP, &frmNutzung::txtPWPBem, &frmNutzung::lblWPers, "PWP", &Gebäudekategorie::Wärmeabgabe, 0},
    {&frmNutzung::txtPPr, &frmNutzung::txtPPrBem, &frmNutzung::lblPZeit, "PPr", &Gebäudekategorie::Präsenzzeit, 0},
    {&frmNutzung::txtEl, &frmNutzung::txtElBem, &frmNutzung::lblEl, "El", &Gebäudekategorie::Elektroverbrauch, 0},
    {&frmNutzung::txtfe, &frmNutzung::txtfeBem, &frmNutzung::lblElRed, "fe", &Gebäudekategorie::ElektroReduktion,
     2},
    {&frmNutzung::txtAVE, &frmNutzung::txtAVEBem, &frmNutzung::lblLuft, "AVE",
     &Gebäudekategorie::AussenluftVolumenstrom, 2},
    {&frmNutzung::txtWW, &frmNutzung::txtWWBem, &frmNutzung::lblWW, "WW", &Gebäudekategorie::Warmwasser, 0},
};

// The calculation values; "RZ" has no decimals: its text is only trimmed.
constexpr int OhneFormat = -1;

struct Wertzeile {
    TextBox frmNutzung::*Box;
    TextBox frmNutzung::*Bem;
    const char* Schlüssel;
    int Nachkommastellen;
};

const Wertzeile Wertzeilen[] = {
    {&frmNutzung::txtC, &frmNutzung::txtCBem, "C", 2},
    {&frmNutzung::txtRR, &frmNutzung::txtRRBem, "RZ", OhneFormat},
    {&frmNutzung::txtVTHB, &frmNutzung::txtVTHBBem, "VTHB", 0},
    {&frmNutzung::txtVTHF, &frmNutzung::txtVTHFBem, "VTHF", 0},
};

// Blanks off both ends.

std::string Zoneneintrag(const Projekt& p) { return p.ZGetStr("Bez") + "  [" + p.ZGetStr("Code") + "]"; }

int EintragMitDaten(const std::vector<std::int16_t>& daten, std::int16_t wert) {
    for (std::size_t i = 0; i < daten.size(); ++i)
        if (daten[i] == wert) return static_cast<int>(i);
    return -1;
}

} // namespace

frmNutzung::frmNutzung() {
    txtBez.setMaxLength(30);
    for (const auto& z : Standardzeilen) (this->*z.Bem).setMaxLength(30);
    for (const auto& z : Wertzeilen) (this->*z.Bem).setMaxLength(30);
}

// --- opening and closing ---------------------------------------------------

void frmNutzung::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    Caption = DS("Nutzung");
    tabNutzung = {{"N", DS("Nutzung"), 2010}, {"Z", DS("Zonen"), 2020}};
    tabNutzungAuswahl = 0;
    cmdZoneNeu.setCaption(DS("Neu..."));
    cmdZoneUmbenennen.setCaption(DS("Umbenennen"));
    cmdZoneLöschen.setCaption(DS("Löschen"));
    cmdSortieren.setCaption(DS("Sortieren"));
    cmdOK.setCaption(DS("OK"));
    cmdAbbrechen.setCaption(DS("Abbrechen"));
    geladen_ = true;
    Visible = true;

    laden_ = true;
    GebäudekategorienFüllen();
    ZonenlisteFüllen();
    laden_ = false;
}

void frmNutzung::Form_Resize() {
    tabNutzungAuswahl = 0;
    SeiteZeigen(0);
}

void frmNutzung::Form_QueryUnload(std::int16_t&, std::int16_t) {}

void frmNutzung::Unload() {
    if (!geladen_) return;
    geladen_ = false;
    Visible = false;
    if (BeimEntladen) BeimEntladen();
}

void frmNutzung::Aufruf() {
    frmNutzung dialog;
    dialog.Form_Load();
    dialog.Form_Resize();
    if (Anzeigen) Anzeigen(dialog);
    dialog.Unload();
}

void frmNutzung::cmdOK_Click() {
    if (!ZonenwerteSpeichern()) Unload();
}

void frmNutzung::cmdAbbrechen_Click() { Unload(); }

// --- pages -----------------------------------------------------------------

void frmNutzung::SeiteZeigen(int Index) {
    if (Index < 0 || Index >= static_cast<int>(tabNutzung.size())) return;
    const auto& karte = tabNutzung[static_cast<std::size_t>(Index)];
    picNutzung.setVisible(karte.Key == "N");
    picZonen.setVisible(karte.Key == "Z");
    HelpContextID = karte.HelpContextID;
}

void frmNutzung::tabNutzung_BeforeClick(std::int16_t& Cancel) {
    if (tabNutzungAuswahl < 0 || tabNutzungAuswahl >= static_cast<int>(tabNutzung.size())) return;
    if (tabNutzung[static_cast<std::size_t>(tabNutzungAuswahl)].Key != "N") return;
    if (ZonenwerteSpeichern()) Cancel = 1;
}

void frmNutzung::tabNutzung_Click() {
    SeiteZeigen(tabNutzungAuswahl);
    ZonenlisteFüllen();
}

void frmNutzung::RegisterkarteWählen(int Index) {
    if (Index < 0 || Index >= static_cast<int>(tabNutzung.size()) || Index == tabNutzungAuswahl) return;
    std::int16_t Cancel = 0;
    tabNutzung_BeforeClick(Cancel);
    if (Cancel) return;
    tabNutzungAuswahl = Index;
    tabNutzung_Click();
}

// --- lists -----------------------------------------------------------------

void frmNutzung::GebäudekategorienFüllen() {
    cboGebKat.Clear();
    cboGebKatItemData.clear();
    for (std::int16_t gk = 1; gk <= 12; ++gk) {
        cboGebKat.AddItem(Global::Gebäudekategorie.Bezeichnung(gk) + "    [" + Global::Gebäudekategorie.Code(gk) +
                          "]");
        cboGebKatItemData.push_back(gk);
    }
}

void frmNutzung::ZonenlisteFüllen() {
    Projekt& p = Global::Projekt;
    const std::int16_t anzahl = p.ZonenAnzahl();
    txtBez.setVisible(anzahl <= 1);
    cboZonen.setVisible(anzahl > 1);

    const std::int16_t aktuell = p.GetNZone();
    cboZonen.Clear();
    cboZonenItemData.clear();
    lstZonen.Clear();
    lstZonenItemData.clear();
    for (std::int16_t i = 0; i < anzahl; ++i) {
        p.SetNZone(i);
        std::string eintrag = Zoneneintrag(p);
        cboZonen.AddItem(eintrag);
        cboZonenItemData.push_back(i);
        lstZonen.AddItem(eintrag);
        lstZonenItemData.push_back(i);
    }
    p.SetNZone(aktuell);
    int k = EintragMitDaten(cboZonenItemData, aktuell);
    if (k >= 0) cboZonenWählen(k);
}

void frmNutzung::cboZonenWählen(int Index) {
    cboZonen.setListIndex(Index);
    cboZonen_Click();
}

void frmNutzung::cboZonen_Click() {
    if (sperre_) return;
    const int gewählt = cboZonen.ListIndex();
    if (gewählt < 0 || gewählt >= static_cast<int>(cboZonenItemData.size())) return;
    Projekt& p = Global::Projekt;
    const std::int16_t bisher = p.GetNZone();
    if (!laden_ && ZonenwertePrüfen()) {
        // The zone is not left: its entry is chosen again, quietly.
        sperre_ = true;
        cboZonen.setListIndex(EintragMitDaten(cboZonenItemData, bisher));
        sperre_ = false;
        if (fehlerElement_) Fokussieren(*fehlerElement_);
        Fehlermeldung(meldung_);
        return;
    }
    p.SetNZone(cboZonenItemData[static_cast<std::size_t>(gewählt)]);
    ZonenwerteAnzeigen();
}

void frmNutzung::cboGebKat_Click() {
    const int gewählt = cboGebKat.ListIndex();
    if (gewählt < 0 || gewählt >= static_cast<int>(cboGebKatItemData.size())) {
        // No category: no standard to show (never the former zone's).
        for (const auto& z : Standardzeilen) (this->*z.Standard).setCaption("");
        return;
    }
    const std::int16_t gk = cboGebKatItemData[static_cast<std::size_t>(gewählt)];
    for (const auto& z : Standardzeilen) {
        double standard = (Global::Gebäudekategorie.*z.Wert)(gk);
        (this->*z.Standard)
            .setCaption(z.Nachkommastellen == 2 ? Anzeigezahl::Festkomma(standard, 2) : Anzeigezahl::Zahltext(standard));
    }
}

// --- showing a zone ----------------------------------------------------------

void frmNutzung::ZonenwerteAnzeigen() {
    const Projekt& p = Global::Projekt;
    const std::int16_t gk = p.ZGetInt("Gk");
    // A number that is no category selects none, so a zone never shows
    // (and stores) the category of the zone shown before.
    cboGebKat.setListIndex(gk != 0 ? EintragMitDaten(cboGebKatItemData, gk) : -1);
    cboGebKat_Click();
    txtBez.setText(p.ZGetStr("Bez"));
    for (const auto& z : Standardzeilen)
        StandardwertAnzeigen(this->*z.Box, this->*z.Bem, z.Schlüssel, (Global::Gebäudekategorie.*z.Wert)(gk),
                             z.Nachkommastellen);
    for (const auto& z : Wertzeilen) WertAnzeigen(this->*z.Box, this->*z.Bem, z.Schlüssel, z.Nachkommastellen);
}

void frmNutzung::StandardwertAnzeigen(TextBox& Box, TextBox& BoxBem, const char* Schlüssel, double Standard,
                                      int Nachkommastellen) {
    const Projekt& p = Global::Projekt;
    const double wert = p.ZGetNum(Schlüssel);
    if (wert != Standard) {
        Box.setText(Anzeigezahl::Zahltext(wert));
        FeldFormatieren(Box, Nachkommastellen);
    } else {
        Box.setText("");
    }
    BoxBem.setText(p.ZGetStr(std::string(Schlüssel) + "_B"));
}

void frmNutzung::WertAnzeigen(TextBox& Box, TextBox& BoxBem, const char* Schlüssel, int Nachkommastellen) {
    const Projekt& p = Global::Projekt;
    Box.setText(Anzeigezahl::Zahltext(p.ZGetNum(Schlüssel)));
    FeldFormatieren(Box, Nachkommastellen);
    BoxBem.setText(p.ZGetStr(std::string(Schlüssel) + "_B"));
}

void frmNutzung::FeldFormatieren(TextBox& Box, int Nachkommastellen) {
    if (Nachkommastellen == OhneFormat) {
        Box.setText(basZIRVO_Format::TextTrimmen(Box.Text()));
        return;
    }
    const std::string getippt = Box.Text();
    const double wert = ZahlLesen(getippt);
    Box.setText(wert == 0 ? std::string() : Anzeigezahl::Festkomma(wert, Nachkommastellen));
    Statusmeldung::ZahlfeldVerlassen(getippt, Box.Text());
}

// --- checking and storing ----------------------------------------------------

bool frmNutzung::ZonenwertePrüfen() {
    Projekt& p = Global::Projekt;
    const bool eineZone = p.ZonenAnzahl() == 1;
    auto fehler = [this](std::string_view text, Steuerelement& element) {
        meldung_ = DS(text);
        fehlerElement_ = &element;
        return true;
    };
    if (eineZone && basZIRVO_Format::TextRechtsTrimmen(txtBez.Text()).empty())
        return fehler("Bitte Bezeichnung der Zone angeben.", txtBez);
    const int kat = cboGebKat.ListIndex();
    if (kat < 0 || kat >= static_cast<int>(cboGebKatItemData.size()))
        return fehler("Bitte Gebäudekategorie auswählen.", cboGebKat);
    const std::string rz = basZIRVO_Format::TextTrimmen(txtRR.Text());
    if (rz != "0" && rz != "1" && rz != "2")
        return fehler("Bitte Regelungszuschlag zur Raumtemperatur (0-2[K]) angeben.", txtRR);
    if (ZahlLesen(txtC.Text()) == 0) return fehler(DSFormat("Bitte Wärmespeicherfähigkeit angeben (z.B. @).", Anzeigezahl::Festkomma(0.08, 2)), txtC);

    const std::int16_t gk = cboGebKatItemData[static_cast<std::size_t>(kat)];
    p.ZSetInt(gk, "Gk");
    if (eineZone) {
        p.ZSetStr(basZIRVO_Format::TextRechtsTrimmen(txtBez.Text()), "Bez");
        p.ZSetStr("", "Code");
    }
    for (const auto& z : Standardzeilen)
        StandardwertSpeichern(this->*z.Box, this->*z.Bem, z.Schlüssel, (Global::Gebäudekategorie.*z.Wert)(gk));
    for (const auto& z : Wertzeilen) WertSpeichern(this->*z.Box, this->*z.Bem, z.Schlüssel);
    return false;
}

void frmNutzung::StandardwertSpeichern(const TextBox& Box, const TextBox& BoxBem, const char* Schlüssel,
                                       double Standard) {
    Projekt& p = Global::Projekt;
    double wert = ZahlLesen(Box.Text());
    if (wert == 0) wert = Standard;
    p.ZSetNum(wert, Schlüssel);
    p.ZSetStr(basZIRVO_Format::TextRechtsTrimmen(BoxBem.Text()), std::string(Schlüssel) + "_B");
}

void frmNutzung::WertSpeichern(const TextBox& Box, const TextBox& BoxBem, const char* Schlüssel) {
    Projekt& p = Global::Projekt;
    p.ZSetNum(ZahlLesen(Box.Text()), Schlüssel);
    p.ZSetStr(basZIRVO_Format::TextRechtsTrimmen(BoxBem.Text()), std::string(Schlüssel) + "_B");
}

bool frmNutzung::ZonenwerteSpeichern() {
    if (!ZonenwertePrüfen()) return false;
    if (fehlerElement_) Fokussieren(*fehlerElement_);
    Fehlermeldung(meldung_);
    return true;
}

void frmNutzung::Fokussieren(Steuerelement& Element) {
    Fokus = &Element;
    if (FokusSetzen) FokusSetzen(Element);
}

void frmNutzung::Fehlermeldung(const std::string& Text) {
    Plattform::meldungen().Zeigen(Text, basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler,
                                  Plattform::Knöpfe::OK);
}

// --- zone operations ---------------------------------------------------------

void frmNutzung::cmdZoneNeu_Click() {
    Projekt& p = Global::Projekt;
    const std::int16_t bisher = p.GetNZone();
    const bool eineZone = p.ZonenAnzahl() == 1;

    auto& dialog = Global::frmNutzungZone;
    dialog.Bezeichnung.clear();
    dialog.Code.clear();
    dialog.OhneCode = false;
    dialog.NeueZone = true;
    dialog.Zeigen();
    if (dialog.Code.empty()) return;

    if (p.ZoneNeu() != 0) {
        Fehlermeldung(DS("Keine Zone mehr möglich."));
        return;
    }
    p.ZSetStr(dialog.Bezeichnung, "Bez");
    p.ZSetStr(dialog.Code, "Code");
    p.SetNZone(bisher);
    // The zone that was alone had no code; now it needs one.
    if (eineZone) p.ZSetStr(dialog.Code == "Z" ? "Z0" : "Z", "Code");
    ZonenlisteFüllen();
}

void frmNutzung::cmdZoneUmbenennen_Click() {
    const int gewählt = lstZonen.ListIndex();
    if (gewählt < 0 || gewählt >= static_cast<int>(lstZonenItemData.size())) return;
    Projekt& p = Global::Projekt;
    p.SetNZone(lstZonenItemData[static_cast<std::size_t>(gewählt)]);
    ZonenwerteAnzeigen();

    auto& dialog = Global::frmNutzungZone;
    dialog.Bezeichnung = p.ZGetStr("Bez");
    dialog.Code = p.ZGetStr("Code");
    dialog.OhneCode = p.ZonenAnzahl() == 1;
    dialog.NeueZone = false;
    dialog.Zeigen();
    if (dialog.Bezeichnung.empty()) return;

    p.ZSetStr(dialog.Bezeichnung, "Bez");
    p.ZSetStr(dialog.Code, "Code");
    ZonenwerteAnzeigen();
    ZonenlisteFüllen();
}

void frmNutzung::cmdZoneLöschen_Click() {
    Projekt& p = Global::Projekt;
    const int gewählt = lstZonen.ListIndex();
    if (gewählt < 0 || gewählt >= static_cast<int>(lstZonenItemData.size()) || p.ZonenAnzahl() < 2) return;
    p.SetNZone(lstZonenItemData[static_cast<std::size_t>(gewählt)]);
    ZonenwerteAnzeigen();

    const std::string frage = DS("Zone") + ":  " + Zoneneintrag(p) + "\n\n" +
                              DS("Wollen Sie diese Zone wirklich löschen?");
    if (Plattform::meldungen().Zeigen(frage, basZIRVO3801::ProgrammTitel, Plattform::Symbol::Frage,
                                      Plattform::Knöpfe::JaNein, Plattform::Antwort::Nein) != Plattform::Antwort::Ja)
        return;
    if (p.ZoneLöschen() != 0) {
        Fehlermeldung(DS("Zone konnte nicht gelöscht werden."));
        return;
    }
    p.SetNZone(0);
    // A zone alone carries no code.
    if (p.ZonenAnzahl() == 1) p.ZSetStr("", "Code");
    ZonenwerteAnzeigen();
    ZonenlisteFüllen();
}

void frmNutzung::cmdSortieren_Click() {
    Projekt& p = Global::Projekt;
    const std::int16_t n = p.ZonenAnzahl();
    const int i = lstZonen.ListIndex();
    if (n < 2 || i < 0 || i >= n) return;
    if (i == n - 1 && SortierRichtung == 1) SortierRichtung = -1;
    if (SortierRichtung == -1 && i == 0) SortierRichtung = 1;
    const auto nach = static_cast<std::int16_t>(i + SortierRichtung);
    if (p.ZoneSortieren(static_cast<std::int16_t>(i), nach) != 0) return;
    p.SetNZone(nach);
    ZonenwerteAnzeigen();
    ZonenlisteFüllen();
    lstZonen.setListIndex(EintragMitDaten(lstZonenItemData, nach));
    Fokussieren(lstZonen);
}

// --- boxes ---------------------------------------------------------------------

void frmNutzung::txtC_GotFocus() {
    if (txtC.Text().empty()) txtC.setText(Anzeigezahl::Festkomma(0.08, 2));
}

void frmNutzung::txtVTHB_GotFocus() {
    if (txtVTHB.Text().empty()) txtVTHB.setText("50");
}

void frmNutzung::txtTi_LostFocus() { FeldFormatieren(txtTi, 0); }
void frmNutzung::txtPFl_LostFocus() { FeldFormatieren(txtPFl, 0); }
void frmNutzung::txtPWP_LostFocus() { FeldFormatieren(txtPWP, 0); }
void frmNutzung::txtPPr_LostFocus() { FeldFormatieren(txtPPr, 0); }
void frmNutzung::txtEl_LostFocus() { FeldFormatieren(txtEl, 0); }
void frmNutzung::txtfe_LostFocus() { FeldFormatieren(txtfe, 2); }
void frmNutzung::txtAVE_LostFocus() { FeldFormatieren(txtAVE, 2); }
void frmNutzung::txtWW_LostFocus() { FeldFormatieren(txtWW, 0); }
void frmNutzung::txtC_LostFocus() { FeldFormatieren(txtC, 2); }
void frmNutzung::txtRR_LostFocus() { FeldFormatieren(txtRR, OhneFormat); }
void frmNutzung::txtVTHB_LostFocus() { FeldFormatieren(txtVTHB, 0); }
void frmNutzung::txtVTHF_LostFocus() { FeldFormatieren(txtVTHF, 0); }

#include "components/frmBauteilListe.h"

#include "balance/Anzeigezahl.h"
#include "components/Bauteile.h"
#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/cVB6_NumCvt.h"
#include "project/ProjektGlobal.h"

#include <cmath>
#include <iterator>

namespace Global {
::frmBauteilListe frmBauteilListe;
} // namespace Global

namespace {

constexpr const char* CRLF = "\r\n";

std::string Wort(std::int16_t art) { return DS(art == 1 ? "Fenster" : art == 2 ? "Wärmebrücke" : "Bauteil"); }

} // namespace

std::function<void(frmBauteilListe&)> frmBauteilListe::Anzeigen;

frmBauteilListe::frmBauteilListe() = default;
frmBauteilListe::~frmBauteilListe() = default;

bool frmBauteilListe::Aufruf(std::int16_t art, KollektionZeiger& element) {
    frmBauteilListe& f = Global::frmBauteilListe;
    f.art_ = art;
    f.gewählt_ = nullptr;
    f.Form_Load();
    f.Caption = DS("Auswahl") + " " + Wort(art);
    f.fraBauteil.setCaption(Wort(art));
    f.bestätigt_ = false;
    if (Anzeigen) Anzeigen(f);
    f.Form_Unload();
    if (!f.gewählt_ || !f.bestätigt_) return false;
    element = f.gewählt_;
    return true;
}

std::string frmBauteilListe::ProjektEintrag(const std::string& Bez, const std::string& Id) {
    return Bez + "  [" + Id + "]";
}

bool frmBauteilListe::ProjektKopfLesen(std::string& Id, std::string& Bez, const std::string& Pfad) {
    Projekt p;
    if (p.ProjektEinlesen(Pfad) != 0 || !p.Exist()) return false;
    Id = p.PGetStr("Id");
    Bez = p.PGetStr("Bez");
    return true;
}

std::string frmBauteilListe::ZahlSpalte(double x, int breite, int dezimalen) {
    if (x == 0 || !std::isfinite(x)) return {};
    const std::string s = Anzeigezahl::Festkomma(x, dezimalen);
    const int fehlt = breite - static_cast<int>(s.size());
    return fehlt > 0 ? std::string(static_cast<std::size_t>(2 * fehlt), ' ') + s : s;
}

// --- the window ---

void frmBauteilListe::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    fraProjekt.setCaption(DS("Projekt"));
    optProjAktuell[0].setCaption(DS("Aktuelles Projekt"));
    optProjAktuell[1].setCaption({});
    for (int i = 0; i < 2; ++i) optProjAktuell[i].setValue(false);
    cmdProjHinzufügen.setCaption(DS("Hinzufügen"));
    cmdProjEntfernen.setCaption(DS("Entfernen"));
    cmdAuswahl.setCaption(DS("Auswählen"));
    cmdAbbrechen.setCaption(DS("Abbrechen"));
    lstBauteile.Clear();
    lstBauteileItemData.clear();
    DetailsLeeren();
    geladen_ = true;

    lstProjekte.Clear();
    lstProjekteItemData.clear();
    for (std::size_t i = 0; i < projekte_.size(); ++i) {
        lstProjekte.AddItem(ProjektEintrag(projekte_[i].Bez, projekte_[i].Id));
        lstProjekteItemData.push_back(static_cast<int>(i));
    }
    if (quelleOffen_) {
        // The open project was the source last time: it is chosen again,
        // so the list shows what the choice says.
        optProjAktuell[0].setValue(true);
        optProjAktuell_Click(0);
    } else if (letztePosition_ >= 0 && letztePosition_ < lstProjekte.ListCount()) {
        optProjAktuell[1].setValue(true);
        optProjAktuell_Click(1);
        lstProjekte.setListIndex(letztePosition_);
        lstProjekte_Click();
    } else {
        lstProjekte.setEnabled(true);
        cmdProjHinzufügen.setEnabled(true);
        cmdProjEntfernen.setEnabled(true);
    }
}

void frmBauteilListe::Form_Unload() {
    if (!geladen_) return;
    if (!quelleOffen_ && lstProjekte.ListIndex() >= 0) letztePosition_ = lstProjekte.ListIndex();
    quelle_ = nullptr;
    eigenes_.reset();
    PositionGemerkt = true;
    geladen_ = false;
    Visible = false;
    if (Schliessen) Schliessen();
}

void frmBauteilListe::optProjAktuell_Click(int Index) {
    if (Index != 0 && Index != 1) return;
    quelleOffen_ = Index == 0;
    optProjAktuell[Index].setValue(true);
    optProjAktuell[1 - Index].setValue(false);
    if (quelleOffen_) lstProjekte.setListIndex(-1);
    lstProjekte.setEnabled(!quelleOffen_);
    cmdProjHinzufügen.setEnabled(!quelleOffen_);
    cmdProjEntfernen.setEnabled(!quelleOffen_);
    gewählt_ = nullptr;
    if (quelleOffen_) {
        ElementeAuflisten("");
    } else {
        quelle_ = nullptr;
        eigenes_.reset();
        lstBauteile.Clear();
        lstBauteileItemData.clear();
        DetailsLeeren();
    }
}

void frmBauteilListe::cmdProjHinzufügen_Click() {
    auto pfad = Plattform::dateidialoge().Öffnen(DS("Projekt auswählen"), DS("ZIRVO-Projekte") + " *.zirvo9|*.zirvo9",
                                                 std::string());
    if (!pfad || pfad->empty()) return;
    std::string id, bez;
    if (!ProjektKopfLesen(id, bez, *pfad)) {
        Plattform::meldungen().Zeigen(DS("Fehler beim Lesen des Projekts"), basZIRVO3801::ProgrammTitel,
                                      Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
        return;
    }
    lstProjekte.AddItem(ProjektEintrag(bez, id));
    lstProjekteItemData.push_back(static_cast<int>(projekte_.size()));
    projekte_.push_back({id, bez, *pfad});
}

void frmBauteilListe::cmdProjEntfernen_Click() {
    const int i = lstProjekte.ListIndex();
    if (i < 0 || i >= static_cast<int>(lstProjekteItemData.size())) return;
    lstProjekte.RemoveItem(i);
    lstProjekteItemData.erase(lstProjekteItemData.begin() + i);
    lstProjekte.setListIndex(-1);
    quelle_ = nullptr;
    eigenes_.reset();
    gewählt_ = nullptr;
    lstBauteile.Clear();
    lstBauteileItemData.clear();
    DetailsLeeren();
}

void frmBauteilListe::lstProjekte_Click() {
    const int i = lstProjekte.ListIndex();
    if (i < 0 || i >= static_cast<int>(lstProjekteItemData.size())) return;
    const int p = lstProjekteItemData[static_cast<std::size_t>(i)];
    if (p < 0 || p >= static_cast<int>(projekte_.size())) return;
    ElementeAuflisten(projekte_[static_cast<std::size_t>(p)].Pfad);
}

void frmBauteilListe::ElementeAuflisten(const std::string& Pfad) {
    if (quelleOffen_) {
        eigenes_.reset();
        quelle_ = &Global::Projekt;
    } else {
        // Read anew at every click; a file that can no longer be read lists nothing.
        eigenes_ = std::make_unique<Projekt>();
        if (eigenes_->ProjektEinlesen(Pfad) != 0) eigenes_ = std::make_unique<Projekt>();
        quelle_ = eigenes_.get();
    }
    lstBauteile.Clear();
    lstBauteileItemData.clear();
    // What was chosen belongs to the list that was shown.
    gewählt_ = nullptr;
    for (int n : Elemente::Nummern(*quelle_, static_cast<Elementart>(art_))) {
        lstBauteile.AddItem(std::to_string(n) + " - " + Elemente::Bezeichnung(*Element(n)));
        lstBauteileItemData.push_back(n);
    }
    DetailsLeeren();
}

KollektionZeiger frmBauteilListe::Element(int n) const {
    return quelle_ ? Elemente::Holen(*quelle_, static_cast<Elementart>(art_), n) : nullptr;
}

void frmBauteilListe::lstBauteile_Click() {
    const int i = lstBauteile.ListIndex();
    if (i < 0 || i >= static_cast<int>(lstBauteileItemData.size())) return;
    const int n = lstBauteileItemData[static_cast<std::size_t>(i)];
    if (art_ == 1) FensterAnzeigen(n);
    else if (art_ == 2) WärmebrückeAnzeigen(n);
    else BauteilAnzeigen(n);
}

void frmBauteilListe::lstBauteile_DblClick() { cmdAuswahl_Click(); }

void frmBauteilListe::cmdAuswahl_Click() {
    if (!gewählt_) return;
    bestätigt_ = true;
    Form_Unload();
}

void frmBauteilListe::cmdAbbrechen_Click() {
    bestätigt_ = false;
    Form_Unload();
}

// --- details ---

void frmBauteilListe::DetailsLeeren() {
    rtbT.setText({});
    Überschriften.clear();
    Tabstopps.clear();
    KopfEnde = 0;
    KopfTabstopp = 0;
}

void frmBauteilListe::TextAnhängen(const std::string& text) { rtbT.setText(rtbT.Text() + text); }

void frmBauteilListe::TitelAnhängen(const std::string& text) {
    Überschriften.push_back({rtbT.Text().size(), text.size()});
    TextAnhängen(text);
}

void frmBauteilListe::ZeileAnhängen(const std::string& titel, const std::string& wert) {
    TitelAnhängen(titel);
    TextAnhängen("\t" + wert + CRLF);
}

void frmBauteilListe::BauteilAnzeigen(int n) {
    DetailsLeeren();
    Tabstopps.assign(std::begin(BauteilTabstopps), std::end(BauteilTabstopps));
    KollektionZeiger k = Element(n);
    const Bauteil b = k ? Bauteil::AusKollektion(*k) : Bauteil{};
    ZeileAnhängen(DS("Bezeichnung") + ":", b.Bez);
    ZeileAnhängen(DS("Kommentar") + ":", b.Kom);
    TitelAnhängen(DS("U-Wert") + ":");
    TextAnhängen("\t" + Anzeigezahl::Festkomma(b.U, 2));
    TitelAnhängen("         ( " + DS("Rsi") + ": ");
    TextAnhängen(Anzeigezahl::Festkomma(b.Rsi, 2));
    TitelAnhängen(" ,  " + DS("Rse") + ": ");
    TextAnhängen(Anzeigezahl::Festkomma(b.Rse, 2));
    TitelAnhängen(" )");
    TextAnhängen(CRLF);
    KopfEnde = rtbT.Text().size();
    KopfTabstopp = 1600;
    TextAnhängen(CRLF);
    TitelAnhängen(DS("Baustoff") + "\t" + DS("Dicke") + "\t" + DS("Rohd.") + "\t" + DS("Lambda") + "\t" + "  " +
                  DS("R") + "\t" + DS("Üb.") + CRLF);
    TextAnhängen(CRLF);
    for (const Schicht& s : b.Schichten) {
        if (!s.Benutzt()) continue;
        TextAnhängen(s.Bez + "\t" + ZahlSpalte(s.Dicke, 6, 2) + "\t" + ZahlSpalte(s.Rohdichte, 5, 0) + "\t" +
                     ZahlSpalte(s.Lambda, 6, 3) + "\t" + ZahlSpalte(s.R, 6, 3) + "\t" + "  " + s.Ueberwachung + CRLF);
    }
    gewählt_ = k;
}

void frmBauteilListe::FensterAnzeigen(int n) {
    DetailsLeeren();
    Tabstopps = {1600, 3400};
    KollektionZeiger k = Element(n);
    const Fenster f = k ? Fenster::AusKollektion(*k) : Fenster{};
    ZeileAnhängen(DS("Bezeichnung") + ":", f.Bez);
    ZeileAnhängen(DS("Kommentar") + ":", f.Kom);
    ZeileAnhängen(DS("U-Wert") + ":", Anzeigezahl::Festkomma(f.U, 2));
    TextAnhängen(CRLF);
    ZeileAnhängen(DS("Gesamtenergiedurchlassgrad  g") + ":", Anzeigezahl::Festkomma(f.g, 2));
    ZeileAnhängen(DS("Abminderungsfaktor für Fensterrahmen  F'F") + ":", Anzeigezahl::Festkomma(f.FF, 2));
    TextAnhängen(CRLF);
    ZeileAnhängen(DS("Rahmenmaterial") + ":", f.Rahmenmaterial);
    ZeileAnhängen("   " + DS("U-Wert") + "  (" + DS("Uf") + "):", Anzeigezahl::Festkomma(f.Uf, 2));
    TextAnhängen(CRLF);
    ZeileAnhängen(DS("Verglasung") + ":", f.Verglasung);
    ZeileAnhängen("   " + DS("U-Wert") + "  (" + DS("Ug") + "):", Anzeigezahl::Festkomma(f.Ug, 2));
    gewählt_ = k;
}

void frmBauteilListe::WärmebrückeAnzeigen(int n) {
    DetailsLeeren();
    Tabstopps = {1600};
    KollektionZeiger k = Element(n);
    const Wärmebrücke w = k ? Wärmebrücke::AusKollektion(*k) : Wärmebrücke{};
    ZeileAnhängen(DS("Bezeichnung") + ":", w.Bez);
    ZeileAnhängen(DS("Kommentar") + ":", w.Kom);
    ZeileAnhängen(DS("Psi, Chi") + ":", Anzeigezahl::Festkomma(w.Psi, 2));
    TextAnhängen(CRLF);
    ZeileAnhängen(DS("Beschreibung") + ":", w.Beschreibung);
    gewählt_ = k;
}

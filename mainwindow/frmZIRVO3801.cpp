#include "mainwindow/frmZIRVO3801.h"

#include "balance/basZIRVONorm.h"
#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "frame/Statusmeldung.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace Global {
::frmZIRVO3801 frmZIRVO3801;
bool ElementeZählen = false;
} // namespace Global

namespace {

using Zellenfeld = Steuerelementfeld<TextBox> frmZIRVO3801::*;

// The trimmed text (blanks on both sides).

// A stored number as a 16-bit whole number, halves to the even neighbour;
// false when it does not fit.
bool GanzeZahl16(double x, std::int16_t& n) {
    if (!std::isfinite(x)) return false;
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(r, 2.0) != 0) r -= std::copysign(1.0, x);
    if (r < -32768.0 || r > 32767.0) return false;
    n = static_cast<std::int16_t>(r);
    return true;
}

} // namespace

// One column of a table: its cell array, in the order of the row record.
struct frmZIRVO3801::Spalte {
    Zellenfeld feld;
};

struct frmZIRVO3801::Tabellenbeschreibung {
    std::int16_t nummer;
    std::string_view schlüssel; // zone value of the row table
    std::string_view titel;
    std::int16_t zeilen;
    std::vector<Spalte> spalten;
    int ungeprüft;              // column that does not make a row non-empty (-1: none)
    bool elemente;              // rows name items (code in item 1, number in item 4) and an orientation
    Zellenfeld orientierung;    // orientation cells, or null
    std::vector<Label frmZIRVO3801::*> summen; // labels the computation fills
};

const frmZIRVO3801::Tabellenbeschreibung* frmZIRVO3801::Beschreibung(std::int16_t t) {
    using F = frmZIRVO3801;
    static const Tabellenbeschreibung tabellen[4] = {
        {TabelleEBF, "Ah_", "Energiebezugsfläche", ZeilenEBF,
         {{&F::txtEBFBez}, {&F::txtEBFFl}, {&F::txtEBFhG}, {&F::txtEBFAh}}, 3, false, nullptr,
         {&F::lblEBFTotAh0, &F::lblEBFTotAh}},
        {TabelleA, "A_", "Gebäudehülle gegen Aussenluft", ZeilenHülle,
         {{&F::txtDaC}, {&F::txtDaBez}, {&F::txtDaFl}, {&F::txtDaBt}, {&F::txtDaU}, {&F::txtDaH}, {&F::txtDaO}}, -1,
         true, &F::txtDaO,
         {&F::lblDaFl, &F::lblDaU, &F::lblDaQt, &F::lblWaFl, &F::lblWaU, &F::lblWaQt, &F::lblBaFl, &F::lblBaU,
          &F::lblBaQt, &F::lbllaFl, &F::lbllaU, &F::lbllaQt, &F::lblpaFl, &F::lblpaU, &F::lblpaQt}},
        {TabelleU, "U_", "Gebäudehülle gegen unbeheizte Räume, Erdreich und beheizte Räume", ZeilenHülle,
         {{&F::txtDuC}, {&F::txtDuBez}, {&F::txtDuFl}, {&F::txtDuBt}, {&F::txtDuU}, {&F::txtDuH}, {&F::txtDuO},
          {&F::txtDuBu}, {&F::txtDuBG}, {&F::txtDuTin}},
         -1, true, &F::txtDuO,
         {&F::lblDuFl, &F::lblDuU, &F::lblDuQt, &F::lblWuFl, &F::lblWuU, &F::lblWuQt, &F::lblBuFl, &F::lblBuU,
          &F::lblBuQt, &F::lblluFl, &F::lblluU, &F::lblluQt, &F::lblpuFl, &F::lblpuU, &F::lblpuQt}},
        {TabelleF, "F_", "Gebäudehülle Fenster, Türen und Tore gegen Aussenluft", ZeilenHülle,
         {{&F::txtFC}, {&F::txtFBez}, {&F::txtFFl}, {&F::txtFBt}, {&F::txtFU}, {&F::txtFH}, {&F::txtFO}, {&F::txtFOn},
          {&F::txtFg}, {&F::txtFFF}, {&F::txtFFS1}, {&F::txtFFS23}},
         -1, true, &F::txtFO,
         {&F::lblFFl, &F::lblFU, &F::lblFQt, &F::lblTFl, &F::lblTU, &F::lblTQt, &F::lbllfFl, &F::lbllfU, &F::lbllfQt,
          &F::lblpfFl, &F::lblpfU, &F::lblpfQt, &F::lblFQs, &F::lblFQsf}},
    };
    if (t < 1 || t > 4) return nullptr;
    return &tabellen[t - 1];
}

Steuerelementfeld<TextBox>& frmZIRVO3801::Feld(const Spalte& spalte) { return this->*(spalte.feld); }

frmZIRVO3801::frmZIRVO3801() {
    FeldformateSetzen();
    TabellenAnlegen();
}

void frmZIRVO3801::TabellenAnlegen() {
    for (std::int16_t t = 1; t <= 4; ++t) {
        const Tabellenbeschreibung* b = Beschreibung(t);
        if (!Tabellen[static_cast<std::size_t>(t)]) Tabellen[static_cast<std::size_t>(t)] = std::make_unique<EingabeTabelle>();
        EingabeTabelle& tabelle = *Tabellen[static_cast<std::size_t>(t)];
        tabelle.KeyNr = t;
        tabelle.Titel = DS(b->titel);
        tabelle.setTabelleZeilen(Feld(b->spalten.front())[0], b->zeilen);
    }
}

// --- field formats ---

void frmZIRVO3801::FeldformateSetzen() {
    Feldformate.Leeren();
    auto eintragen = [this](const auto& element, const char* code) { Feldformate.SpalteRegistrieren(element.Name, code); };
    auto zellen = [this](const Steuerelementfeld<TextBox>& feld, const char* code) {
        Feldformate.SpalteRegistrieren(feld[0].Name, code);
    };

    zellen(txtEBFBez, "t--b0");
    zellen(txtEBFFl, "z71b1");
    zellen(txtEBFhG, "z42b2");
    zellen(txtEBFAh, "z71");
    eintragen(lblEBFTotAh0, "z71");
    eintragen(lblEBFTotAh, "z71");

    for (const Label* l : {&lblDaFl, &lblWaFl, &lblBaFl, &lbllaFl, &lblpaFl}) eintragen(*l, "z61");
    for (const Label* l : {&lblDaU, &lblWaU, &lblBaU, &lbllaU, &lblpaU}) eintragen(*l, "z42");
    for (const Label* l : {&lblDaQt, &lblWaQt, &lblBaQt, &lbllaQt, &lblpaQt}) eintragen(*l, "z51");
    zellen(txtDaC, "t--b0");
    zellen(txtDaBez, "t--b1");
    zellen(txtDaFl, "z61b2");
    zellen(txtDaBt, "z20b3");
    zellen(txtDaU, "z42b4");
    zellen(txtDaH, "t--b5");
    zellen(txtDaO, "t--b6");

    for (const Label* l : {&lblDuFl, &lblWuFl, &lblBuFl, &lblluFl, &lblpuFl}) eintragen(*l, "z61");
    for (const Label* l : {&lblDuU, &lblWuU, &lblBuU, &lblluU, &lblpuU}) eintragen(*l, "z42");
    for (const Label* l : {&lblDuQt, &lblWuQt, &lblBuQt, &lblluQt, &lblpuQt}) eintragen(*l, "z51");
    zellen(txtDuC, "t--b0");
    zellen(txtDuBez, "t--b1");
    zellen(txtDuFl, "z61b2");
    zellen(txtDuBt, "z20b3");
    zellen(txtDuU, "z42b4");
    zellen(txtDuH, "t--b5");
    zellen(txtDuO, "t--b6");
    zellen(txtDuBu, "z32b7");
    zellen(txtDuBG, "z32b8");
    zellen(txtDuTin, "t--b9");

    for (const Label* l : {&lblFFl, &lblTFl, &lbllfFl, &lblpfFl}) eintragen(*l, "z61");
    for (const Label* l : {&lblFU, &lblTU, &lbllfU, &lblpfU}) eintragen(*l, "z42");
    for (const Label* l : {&lblFQt, &lblTQt, &lbllfQt, &lblpfQt}) eintragen(*l, "z51");
    eintragen(lblFQs, "z51");
    eintragen(lblFQsf, "z53");
    zellen(txtFC, "t--b0");
    zellen(txtFBez, "t--b1");
    zellen(txtFFl, "z61b2");
    zellen(txtFBt, "z20b3");
    zellen(txtFU, "z42b4");
    zellen(txtFH, "t--b5");
    zellen(txtFO, "t--b6");
    zellen(txtFOn, "z20b7");
    zellen(txtFg, "z32b8");
    zellen(txtFFF, "z32b9");
    zellen(txtFFS1, "t--b10");
    zellen(txtFFS23, "t--b11");
}

Feldformat frmZIRVO3801::FeldformatLesen(std::string_view name) const { return Feldformate.FeldFormatLesen(name); }

void frmZIRVO3801::TextFeldSetzen(TextBox& zelle, std::string_view wert) {
    zelle.setText(Zellanzeige(FeldformatLesen(zelle.Name), wert));
}

void frmZIRVO3801::TextFeldSetzen(TextBox& zelle, double wert) {
    zelle.setText(Zellanzeige(FeldformatLesen(zelle.Name), wert));
}

void frmZIRVO3801::LabelSetzen(Label& label, std::string_view wert) {
    Feldformat f = FeldformatLesen(label.Name);
    if (f.Zahl) label.setCaption(Labelanzeige(f, ZahlLesen(wert)));
    else label.setCaption(f.Labeltext(wert));
}

void frmZIRVO3801::LabelSetzen(Label& label, double wert) {
    label.setCaption(Labelanzeige(FeldformatLesen(label.Name), wert));
}

bool frmZIRVO3801::IstZahltext(std::string_view text) {
    std::string t = basZIRVO_Format::TextTrimmen(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool ziffer = false, trenner = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') ziffer = true;
        else if ((c == '.' || c == ',') && !trenner) trenner = true;
        else return false;
    }
    return ziffer;
}

// --- tables and the zone ---

void frmZIRVO3801::TabelleEigenschaften(std::int16_t t, std::int16_t& ersteZeile, std::int16_t& sichtbareZeilen,
                                        std::int16_t& zeilen) const {
    for (const auto& tabelle : Tabellen) {
        if (tabelle && tabelle->KeyNr == t) {
            ersteZeile = tabelle->ZeilenErste;
            sichtbareZeilen = tabelle->ZeilenSichtbar;
            zeilen = tabelle->EingabeZeilen;
            return;
        }
    }
    zeilen = 0;
}

void frmZIRVO3801::ZelleSetzen(TextBox& zelle, const Feldformat& format, const Kollektion::Wert* wert) {
    if (wert) {
        if (const auto* text = std::get_if<std::string>(wert)) return zelle.setText(Zellanzeige(format, *text));
        if (const auto* zahl = std::get_if<double>(wert)) return zelle.setText(Zellanzeige(format, *zahl));
    }
    // A missing item or a collection where a value belongs shows nothing.
    zelle.setText(Zellanzeige(format, std::string_view()));
}

std::vector<Feldformat> frmZIRVO3801::Spaltenformate(const Tabellenbeschreibung& b) {
    std::vector<Feldformat> formate;
    formate.reserve(b.spalten.size());
    for (const Spalte& spalte : b.spalten) formate.push_back(FeldformatLesen(Feld(spalte)[0].Name));
    return formate;
}

bool frmZIRVO3801::ZeileLeer(const Tabellenbeschreibung& b, const std::vector<Feldformat>& formate, int zeile) {
    for (std::size_t k = 0; k < b.spalten.size(); ++k) {
        if (static_cast<int>(k) == b.ungeprüft) continue;
        const TextBox& zelle = Feld(b.spalten[k])[zeile];
        if (formate[k].Zahl) {
            if (ZahlLesen(zelle.Text()) != 0) return false;
        } else if (!basZIRVO_Format::TextRechtsTrimmen(zelle.Text()).empty()) {
            return false;
        }
    }
    return true;
}

void frmZIRVO3801::OrientierungTooltipSetzen(TextBox& zelle) {
    std::string t = basZIRVO_Format::TextTrimmen(zelle.Text());
    if (basZIRVO_HiRi::NordGedreht() && !t.empty()) zelle.setToolTipText(basZIRVO_HiRi::HimmelsrichtungDrehen(t));
    else zelle.setToolTipText(std::string());
}

void frmZIRVO3801::TabelleLaden(std::int16_t t, bool berechnen) {
    const Tabellenbeschreibung& b = *Beschreibung(t);
    std::int16_t erste = 0, sichtbar = 0, zeilen = 0;
    TabelleEigenschaften(t, erste, sichtbar, zeilen);
    // The grid never has more rows than its cell arrays.
    const int n = std::min<int>(zeilen, Feld(b.spalten.front()).Anzahl());

    // Every cell gets its text once, column by column: the stored value, or
    // empty in rows the zone does not hold.
    KollektionZeiger tabelle = Global::Projekt.ZGetColl(b.schlüssel);
    const int gespeichert = tabelle ? std::min<int>(n, tabelle->Anzahl()) : 0;
    std::vector<KollektionZeiger> gespeicherteZeilen(static_cast<std::size_t>(gespeichert));
    for (int i = 0; i < gespeichert; ++i) gespeicherteZeilen[static_cast<std::size_t>(i)] = tabelle->Koll(i + 1);
    const std::vector<Feldformat> formate = Spaltenformate(b);
    for (std::size_t k = 0; k < b.spalten.size(); ++k) {
        Steuerelementfeld<TextBox>& feld = Feld(b.spalten[k]);
        for (int i = 0; i < n; ++i) {
            if (i >= gespeichert) {
                feld[i].setText(std::string());
                continue;
            }
            const KollektionZeiger& zeile = gespeicherteZeilen[static_cast<std::size_t>(i)];
            ZelleSetzen(feld[i], formate[k], zeile ? zeile->Eintrag(static_cast<std::int32_t>(k + 1)) : nullptr);
        }
    }
    if (b.elemente && Global::ElementeZählen)
        for (const KollektionZeiger& zeile : gespeicherteZeilen) {
            std::int16_t nummer = 0;
            if (zeile && GanzeZahl16(zeile->Zahl(4), nummer))
                basZIRVO3801::BauteiltypTabelleWert(1, zeile->Text(1), nummer);
        }

    if (b.orientierung)
        for (int i = 0; i < n; ++i) OrientierungTooltipSetzen((this->*(b.orientierung))[i]);

    if (berechnen) TabelleBerechnen(t);
}

void frmZIRVO3801::ZellenSammeln(std::vector<TextBox*>& zellen, std::vector<Label*>& summen) {
    zellen.clear();
    summen.clear();
    for (std::int16_t t = TabelleEBF; t <= TabelleF; ++t) {
        const Tabellenbeschreibung& b = *Beschreibung(t);
        for (const Spalte& spalte : b.spalten) {
            Steuerelementfeld<TextBox>& feld = Feld(spalte);
            for (int i = feld.LBound(); i <= feld.UBound(); ++i) zellen.push_back(&feld[i]);
        }
        for (Label frmZIRVO3801::*summe : b.summen) summen.push_back(&(this->*summe));
    }
    for (Label* l : {&lblFQs, &lblFQsf})
        if (std::find(summen.begin(), summen.end(), l) == summen.end()) summen.push_back(l);
}

void frmZIRVO3801::TabelleAblegen(std::int16_t t) {
    const Tabellenbeschreibung& b = *Beschreibung(t);
    std::int16_t erste = 0, sichtbar = 0, zeilen = 0;
    TabelleEigenschaften(t, erste, sichtbar, zeilen);
    const int n = std::min<int>(zeilen, Feld(b.spalten.front()).Anzahl());

    // Rows the zone holds beyond the grid (from a file written elsewhere)
    // are not shown; they are kept behind the grid's rows as they are.
    KollektionZeiger bisher = Global::Projekt.ZGetColl(b.schlüssel);
    const bool überzählige = bisher && bisher->Anzahl() > n;

    // Number or text: the format of each column, looked up once.
    const std::vector<Feldformat> formate = Spaltenformate(b);
    int letzte = -1;
    if (überzählige) letzte = n - 1;
    else
        for (int i = n - 1; i >= 0; --i)
            if (!ZeileLeer(b, formate, i)) {
                letzte = i;
                break;
            }

    // The cell's text trimmed as it is stored.
    auto getrimmtRechts = [](std::string_view text) {
        const std::size_t ende = text.find_last_not_of(' ');
        return text.substr(0, ende == std::string_view::npos ? 0 : ende + 1);
    };
    // A stored row that holds exactly what row i would store (same values,
    // number for number bit for bit, in entries without keys) is kept: a
    // stored row is never changed, so it can stand for the new one.
    auto unverändert = [&](const Kollektion& alt, int i) {
        if (alt.Anzahl() != static_cast<std::int32_t>(b.spalten.size())) return false;
        for (std::size_t k = 0; k < b.spalten.size(); ++k) {
            const std::int32_t position = static_cast<std::int32_t>(k + 1);
            const Kollektion::Wert* wert = alt.Eintrag(position);
            const std::string& text = Feld(b.spalten[k])[i].Text();
            if (!alt.Schlüssel(position).empty()) return false;
            if (formate[k].Zahl) {
                const double* z = std::get_if<double>(wert);
                const double neu = ZahlLesen(text);
                if (!z || !(*z == neu && std::signbit(*z) == std::signbit(neu))) return false;
            } else {
                const std::string* t = std::get_if<std::string>(wert);
                if (!t || *t != getrimmtRechts(text)) return false;
            }
        }
        return true;
    };

    auto neu = Kollektion::Neu();
    neu->Reservieren(überzählige ? bisher->Anzahl() : letzte + 1);
    for (int i = 0; i <= letzte; ++i) {
        if (bisher && i < bisher->Anzahl())
            if (KollektionZeiger alt = bisher->Koll(i + 1); alt && unverändert(*alt, i)) {
                neu->Hinzufügen(std::move(alt));
                continue;
            }
        auto zeile = Kollektion::Neu();
        zeile->Reservieren(static_cast<std::int32_t>(b.spalten.size()));
        for (std::size_t k = 0; k < b.spalten.size(); ++k) {
            const TextBox& zelle = Feld(b.spalten[k])[i];
            if (formate[k].Zahl) zeile->Hinzufügen(ZahlLesen(zelle.Text()));
            else zeile->Hinzufügen(basZIRVO_Format::TextRechtsTrimmen(zelle.Text()));
        }
        neu->Hinzufügen(KollektionZeiger(std::move(zeile)));
    }
    if (überzählige)
        for (std::int32_t r = n + 1; r <= bisher->Anzahl(); ++r)
            neu->WertHinzufügen(*bisher->Eintrag(r));
    Global::Projekt.ZSetColl(std::move(neu), b.schlüssel);
}

bool frmZIRVO3801::TabelleEinlesen(std::int16_t t) {
    if (Beschreibung(t)) TabelleLaden(t);
    return false;
}

bool frmZIRVO3801::TabelleSpeichern(std::int16_t t) {
    if (Beschreibung(t)) TabelleAblegen(t);
    return false;
}

void frmZIRVO3801::SummenLeeren(std::int16_t t) {
    if (const Tabellenbeschreibung* b = Beschreibung(t))
        for (Label frmZIRVO3801::*summe : b->summen) (this->*summe).setCaption(std::string());
}

bool frmZIRVO3801::TabelleBerechnen(std::int16_t t) {
    bool fehler = false;
    {
        // What a table's step writes into the zone is among its results.
        Projekt::Rechenbereich rechnung(Global::Projekt);
        switch (t) {
        case TabelleEBF: fehler = BerechnenEBF(); break;
        case TabelleA: fehler = BerechnenQtA(); break;
        case TabelleU: fehler = BerechnenQtU(); break;
        case TabelleF: fehler = BerechnenQtF(); break;
        default: return false;
        }
    }
    SummenHinweisen(t, fehler);
    // A table recomputed on its own changes the zone's balance.
    GenutzteSolareGewinneAnzeigen();
    return fehler;
}

void frmZIRVO3801::SummenHinweisen(std::int16_t t, bool fehler) {
    std::string& hinweis = summenhinweise_[static_cast<std::size_t>(t)];
    // Without a project there are no totals to miss: the emptied tables of
    // a closed project say nothing.
    if (!fehler || !Global::Projekt.Exist()) {
        Statusmeldung::Zurücknehmen(hinweis);
        hinweis.clear();
        return;
    }
    // Only the tables on screen: the loops over every zone load tables no
    // one sees, and end with the current zone loaded again.
    if (PaneTabelle[0] != t && PaneTabelle[1] != t) return;
    hinweis = DS("Summen nicht berechnet") + " – " + basZIRVOFehler::Statustext(Eingabefehler);
    Statusmeldung::Melden(hinweis);
}

void frmZIRVO3801::ProjektZoneSpeichern() {
    for (std::int16_t t = TabelleEBF; t <= TabelleF; ++t) TabelleSpeichern(t);
    Global::frmLüftung.Speichern();
    Global::frmGewinn.Speichern();
}

// --- look-ups of project items ---

bool frmZIRVO3801::BauteilHolen(std::int16_t nummer, double& U, std::string& bezeichnung) const {
    KollektionZeiger b = Global::Projekt.PGetColl("B-" + std::to_string(nummer));
    if (!b) return false;
    U = b->Zahl(3);
    bezeichnung = b->Text(1);
    return true;
}

bool frmZIRVO3801::FensterHolen(std::int16_t nummer, double& U, double& g, double& FF,
                                std::string& bezeichnung) const {
    KollektionZeiger f = Global::Projekt.PGetColl("F-" + std::to_string(nummer));
    if (!f) return false;
    U = f->Zahl(3);
    bezeichnung = f->Text(1);
    double x = f->Zahl(5);
    if (x >= 0 && x <= 1) g = x;
    x = f->Zahl(6);
    if (x >= 0 && x <= 1) FF = x;
    return true;
}

bool frmZIRVO3801::WärmebrückeHolen(std::int16_t nummer, double& Psi, std::string& bezeichnung) const {
    KollektionZeiger w = Global::Projekt.PGetColl("W-" + std::to_string(nummer));
    if (!w) return false;
    Psi = w->Zahl(3);
    bezeichnung = w->Text(1);
    return true;
}

// --- comparisons of partition rows ---

namespace {

// 1-based position of a one-letter code in "DWBlp"; 0 for anything else.
int Codeposition(std::string_view code) {
    static constexpr std::string_view codes = "DWBlp";
    if (code.size() != 1) return 0;
    std::size_t p = codes.find(code[0]);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

// N 1, NE 2, E 3, SE 4, S 5, SW 6, W 7, NW 8; anything else 0.
int Hauptrichtung(std::string_view o) {
    static constexpr std::string_view folge = "---N--NE-E--SE-S--SW-W--NW-";
    if (o.empty()) return 0;
    std::string suche = "-" + std::string(o) + "-";
    std::size_t p = folge.find(suche);
    if (p == std::string_view::npos) return 0;
    return static_cast<int>(p + 1) / 3;
}

} // namespace

bool frmZIRVO3801::LageGegenüber(std::string_view codeA, std::string_view orientierungA, std::string_view codeB,
                                 std::string_view orientierungB) {
    const int a = Codeposition(codeA);
    const int b = Codeposition(codeB);
    if (a == 0 || b == 0) return false;
    switch (a) {
    case 1: return b == 3;
    case 3: return b == 1;
    case 2: {
        if (b != 2) return false;
        const int pa = Hauptrichtung(orientierungA);
        const int pb = Hauptrichtung(orientierungB);
        if (pa == 0 || pb == 0) return false;
        int gegen = pa + 4;
        if (gegen > 8) gegen -= 8;
        return gegen == pb;
    }
    default: return b == a;
    }
}

bool frmZIRVO3801::ZahlGleich(double a, double b) { return a == b; }

bool frmZIRVO3801::WertOderKennungGleich(std::int16_t nummerA, double wertA, std::int16_t nummerB, double wertB) {
    if (nummerA != 0) return nummerA == nummerB;
    return nummerB == 0 && wertA == wertB;
}

void frmZIRVO3801::TrennbauteileSammeln(std::string& code, std::int16_t& zeile, bool& gefunden) {
    gefunden = false;
    Projekt& p = Global::Projekt;
    if (p.ZonenAnzahl() < 2) return;

    struct Eintrag {
        std::string Zone, Tin, C, O;
        double Fl = 0, U = 0;
        std::int16_t Bt = 0;
        bool Lesbar = true; // the item number fits a whole number
        std::int16_t Zeile = 0;
    };
    std::vector<Eintrag> liste;

    // The stored rows of every zone are read; the tables are not loaded, so
    // what the user typed into them and has not stored yet stays. The former
    // zone is made current again on every way out.
    struct Zurück {
        std::int16_t zone;
        ~Zurück() { Global::Projekt.SetNZone(zone); }
    } zurück{p.GetNZone()};

    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        p.SetNZone(i);
        const std::string zone = p.ZGetStr("Code");
        KollektionZeiger rows = p.ZGetColl("U_");
        if (!rows) continue;
        for (std::int32_t r = 1; r <= rows->Anzahl() && r <= 32768; ++r) {
            KollektionZeiger z = rows->Koll(r);
            if (!z) continue;
            std::string tin = z->Text(10);
            if (basZIRVO_Format::TextTrimmen(tin).empty() || IstZahltext(tin)) continue;
            Eintrag e;
            e.Zone = zone;
            e.Tin = std::move(tin);
            e.C = z->Text(1);
            e.O = z->Text(7);
            e.Fl = z->Zahl(3);
            e.U = z->Zahl(5);
            e.Lesbar = GanzeZahl16(z->Zahl(4), e.Bt);
            e.Zeile = static_cast<std::int16_t>(r - 1);
            liste.push_back(std::move(e));
        }
    }

    // Pairing: each entry in order takes the first later entry not yet
    // taken that mirrors it; the first entry without a mirror is reported.
    std::vector<bool> verbraucht(liste.size(), false);
    for (std::size_t a = 0; a < liste.size(); ++a) {
        if (verbraucht[a]) continue;
        const Eintrag& ea = liste[a];
        bool partner = false;
        for (std::size_t b = a + 1; b < liste.size(); ++b) {
            if (verbraucht[b]) continue;
            const Eintrag& eb = liste[b];
            if (eb.Tin != ea.Zone || ea.Tin != eb.Zone) continue;
            if (!LageGegenüber(ea.C, ea.O, eb.C, eb.O)) continue;
            if (!ZahlGleich(ea.Fl, eb.Fl)) continue;
            // An item number that is no whole number of the grid ends the
            // search: the entry counts as unpaired.
            if (!ea.Lesbar || !eb.Lesbar) break;
            if (!WertOderKennungGleich(ea.Bt, ea.U, eb.Bt, eb.U)) continue;
            verbraucht[b] = true;
            partner = true;
            break;
        }
        if (!partner) {
            code = ea.Zone;
            zeile = ea.Zeile;
            gefunden = true;
            return;
        }
    }
}

// The fields of the component editor: their format codes, how a value is
// written into a field, what focus, leaving and keys do, the range checks of
// g and F'F, the layer grid's keys and row commands, and the U-value.
#include "components/frmBauteil.h"

#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"
#include "mainwindow/frmZIRVO3801.h"

namespace {

constexpr std::int16_t TasteEnter = 13, TasteTab = 9, TasteLinks = 37, TasteOben = 38, TasteRechts = 39,
                       TasteUnten = 40, Rücktaste = 8;

std::string Rechts(const TextBox& t) { return basZIRVO_Format::TextRechtsTrimmen(t.Text()); }

bool In(const std::string& name, std::initializer_list<const char*> namen) {
    for (const char* n : namen)
        if (name == n) return true;
    return false;
}

} // namespace

Steuerelementfeld<TextBox>& frmBauteil::Schichtspalte(int spalte) {
    switch (spalte) {
    case 1: return txtBtDi;
    case 2: return txtBtRo;
    case 3: return txtBtLa;
    case 4: return txtBtR;
    case 5: return txtBtUe;
    default: return txtBtBez;
    }
}

// --- formats ---

void frmBauteil::p_ETF_Initialisieren() {
    feldformate_.Leeren();
    const std::pair<const char*, const char*> einträge[] = {
        {"txtBBez", ""},        {"txtBKom", ""},         {"txtBU", "z52"},      {"txtBUg", "z52"},
        {"txtBAi", "z32b"},     {"txtBAa", "z32b"},      {"txtBtBez", "t---0"}, {"txtBtDi", "z52b1"},
        {"txtBtRo", "z50-2"},   {"txtBtLa", "z53b3"},    {"txtBtR", "z53b4"},   {"txtBtUe", "t---5"},
        {"txtFBez", ""},        {"txtFKom", ""},         {"txtFU", "z52"},      {"txtFUg", "z52"},
        {"txtFg", "z42"},       {"txtFF", "z42"},        {"txtFRahmen", ""},    {"txtFRUf", "z52"},
        {"txtFGlas", ""},       {"txtFGUg", "z52"},      {"txtWBez", ""},       {"txtWKom", ""},
        {"txtWPsi", "z52"},     {"txtWText1", ""}};
    for (const auto& [name, code] : einträge) feldformate_.SpalteRegistrieren(name, code);
}

Feldformat frmBauteil::Format(std::string_view name) const { return feldformate_.FeldFormatLesen(name); }

std::int16_t frmBauteil::p_ETF(std::string_view name, bool& istZahl, bool& berechnen, std::int16_t& stellen,
                               std::int16_t& dezimalen) const {
    const Feldformat f = Format(name);
    // A control without an entry leaves the caller's values as they are.
    if (f.Zahl || f.Berechnen || f.Stellen != 0 || f.NKSt != 0 || f.Spalte != 0) {
        istZahl = f.Zahl;
        berechnen = f.Berechnen;
        stellen = f.Stellen;
        dezimalen = f.NKSt;
    }
    return f.Spalte;
}

// A number that is too wide for its field is shown whole rather than as
// "#" marks, which would read back as 0 when the item is stored.
void frmBauteil::TextFeldSetzen(TextBox& feld, std::string_view wert) {
    feld.setText(frmZIRVO3801::Zellanzeige(Format(feld.Name), wert));
}

void frmBauteil::TextFeldSetzen(TextBox& feld, double wert) {
    feld.setText(frmZIRVO3801::Zellanzeige(Format(feld.Name), wert));
}

// --- the shared handlers ---

void frmBauteil::Feld_GotFocus(TextBox& feld) {
    if (!geladen_) return;
    ActiveControl = &feld;
    if (feld.Name == "txtBtBez") ListenknopfZeigen(feld.Index);
}

void frmBauteil::Feld_LostFocus(TextBox& feld) {
    if (!geladen_) return;
    if (ActiveControl == &feld) ActiveControl = nullptr;
    const std::string& n = feld.Name;
    if (n == "txtFg" && !txtFg_Validate()) return;
    if (n == "txtFF" && !txtFF_Validate()) return;
    const bool zelle = feld.Index >= 0;
    if (!zelle && !In(n, {"txtBBez", "txtBAi", "txtBAa", "txtFBez", "txtFU", "txtFg", "txtFF", "txtFRUf", "txtFGUg",
                          "txtWBez", "txtWPsi"}))
        return; // these keep their text as typed until the item is stored
    if (n == "txtBtBez") ListenknopfVerbergen();

    // Reformat by the field's code, then the U-value where the code asks.
    const Feldformat f = Format(n);
    feld.setText(frmZIRVO3801::Zellanzeige(f, feld.Text()));
    if (f.Berechnen) UWertBerechnen();

    // A short designation typed into a "Baustoff" cell fills the row.
    if (n == "txtBtBez") {
        std::string t = feld.Text();
        const std::size_t a = t.find_first_not_of(' ');
        t = a == std::string::npos ? std::string() : t.substr(a, t.find_last_not_of(' ') - a + 1);
        std::size_t zeichen = 0;
        for (char c : t)
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++zeichen;
        if (zeichen >= 1 && zeichen <= 4) {
            for (char& c : t)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
            if (BaustoffKurzbezeichnungSuchen(t)) BaustoffInZeile(feld.Index);
        }
    }
}

void frmBauteil::Feld_KeyDown(TextBox& feld, std::int16_t& KeyCode, std::int16_t Shift) {
    if (!geladen_ || feld.Index < 0) return;
    if (feld.Name == "txtBtBez" && KeyCode == TasteUnten && Shift == 4) {
        Materialzeile = feld.Index;
        BaustofflisteZeigen();
        KeyCode = 0;
        return;
    }
    SchichtTasteAuswerten(KeyCode, Shift, feld.Index, Format(feld.Name).Spalte);
}

void frmBauteil::Feld_KeyPress(TextBox& feld, std::int16_t& KeyAscii) {
    if (!geladen_ || feld.Index < 0) return;
    if (KeyAscii == TasteEnter) KeyAscii = 0;
    if (feld.Name == "txtBtUe" && KeyAscii != '0' && KeyAscii != '1' && KeyAscii != '2' && KeyAscii != Rücktaste)
        KeyAscii = 0;
}

bool frmBauteil::txtFg_Validate() {
    const double g = ZahlLesen(txtFg.Text());
    if (g >= 0 && g <= 1) return true;
    // Emptied first: while the message shows, the window may store its item.
    txtFg.setText({});
    Plattform::meldungen().Zeigen(DS("Der Gesamtenergiedurchlassgrad g muss zwischen 0 und 1 sein."),
                                  basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
    Fokus(txtFg);
    return false;
}

bool frmBauteil::txtFF_Validate() {
    const double ff = ZahlLesen(txtFF.Text());
    if (ff >= 0 && ff <= 1) return true;
    // Emptied first: while the message shows, the window may store its item.
    txtFF.setText({});
    Plattform::meldungen().Zeigen(DS("Der Abminderungsfaktor für Fensterrahmen F'F muss zwischen 0 und 1 sein."),
                                  basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
    Fokus(txtFF);
    return false;
}

// --- U-value ---

void frmBauteil::UWertBerechnen() {
    bool schichtwerte = !weitereSchichten_.empty();
    for (int r = 0; r < Schichtzeilen && !schichtwerte; ++r)
        schichtwerte = !Rechts(txtBtLa[r]).empty() || !Rechts(txtBtR[r]).empty();
    if (Rechts(txtBAi).empty() && Rechts(txtBAa).empty() && !schichtwerte) return;

    double Rtot = ZahlLesen(txtBAi.Text());
    for (int r = 0; r < Schichtzeilen; ++r) {
        const double d = ZahlLesen(txtBtDi[r].Text()) / 100;
        const double lambda = ZahlLesen(txtBtLa[r].Text());
        if (lambda == 0) {
            Rtot += ZahlLesen(txtBtR[r].Text());
        } else {
            Rtot += d / lambda;
            txtBtR[r].setText({});
        }
    }
    for (const Schicht& s : weitereSchichten_) Rtot += s.Widerstand();
    Rtot += ZahlLesen(txtBAa.Text());
    double U = Rtot == 0 ? 0 : 1 / Rtot;
    if (U >= 1.0) U = basZIRVO3801::Runden(U, 1);
    TextFeldSetzen(txtBU, U);
}

// --- layer grid ---

void frmBauteil::SchichtZeigen(int r, const Schicht& s) {
    TextFeldSetzen(txtBtBez[r], s.Bez);
    TextFeldSetzen(txtBtDi[r], s.Dicke);
    TextFeldSetzen(txtBtRo[r], s.Rohdichte);
    TextFeldSetzen(txtBtLa[r], s.Lambda);
    TextFeldSetzen(txtBtR[r], s.R);
    TextFeldSetzen(txtBtUe[r], s.Ueberwachung);
}

void frmBauteil::SchichtZeileEinfügenLöschen(bool Löschen) {
    if (!geladen_) return;
    auto* zelle = dynamic_cast<TextBox*>(ActiveControl);
    if (!zelle || zelle->Index < 0 || zelle->Index >= Schichtzeilen) return;
    const int zeile = zelle->Index;
    int spalte = -1;
    for (int s = 0; s < 5; ++s)
        if (zelle == &Schichtspalte(s)[zeile]) spalte = s;
    if (spalte < 0) return;

    const int letzte = Schichtzeilen - 1;
    if (!Löschen) {
        // A layer in the last row would be pushed out of the grid: no insert.
        for (int s = 0; s < 6; ++s)
            if (!Rechts(Schichtspalte(s)[letzte]).empty()) return;
        for (int r = letzte; r > zeile; --r)
            for (int s = 0; s < 6; ++s) Schichtspalte(s)[r].setText(Schichtspalte(s)[r - 1].Text());
        for (int s = 0; s < 6; ++s) Schichtspalte(s)[zeile].setText({});
    } else {
        for (int r = zeile; r < letzte; ++r)
            for (int s = 0; s < 6; ++s) Schichtspalte(s)[r].setText(Schichtspalte(s)[r + 1].Text());
        // The first layer beyond the grid moves into its last row.
        if (!weitereSchichten_.empty()) {
            SchichtZeigen(letzte, weitereSchichten_.front());
            weitereSchichten_.erase(weitereSchichten_.begin());
        } else {
            for (int s = 0; s < 6; ++s) Schichtspalte(s)[letzte].setText({});
        }
    }
    UWertBerechnen();
}

void frmBauteil::mnuBearbZeileEinfügen_Click() { SchichtZeileEinfügenLöschen(false); }
void frmBauteil::mnuBearbZeileLöschen_Click() { SchichtZeileEinfügenLöschen(true); }

bool frmBauteil::SchichtTasteAuswerten(std::int16_t& KeyCode, std::int16_t Shift, int Zeile, int Spalte) {
    const bool umschalt = Shift == 1;
    int r = Zeile, s = Spalte;
    switch (KeyCode) {
    case TasteEnter:
        if (!umschalt) {
            if (++s > 5) s = 0, ++r;
        } else if (--s < 0) {
            s = 5, --r;
        }
        break;
    case TasteTab: r += umschalt ? -1 : 1; break;
    case TasteUnten:
        if (!umschalt) return false;
        ++r;
        break;
    case TasteOben:
        if (!umschalt) return false;
        --r;
        break;
    case TasteRechts:
        if (!umschalt) return false;
        ++s;
        break;
    case TasteLinks:
        if (!umschalt) return false;
        --s;
        break;
    default: return false;
    }
    KeyCode = 0;
    if (r >= 0 && r < Schichtzeilen && s >= 0 && s <= 5) Fokus(Schichtspalte(s)[r]);
    return true;
}

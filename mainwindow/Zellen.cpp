// The handlers every cell of the four envelope tables shares: entering a
// cell makes it the grid's current cell (or turns the attention to the
// other pane), leaving it formats its text by the cell's field format and
// recomputes the table where the format asks, and a key goes to the grid's
// navigation.
#include "mainwindow/frmZIRVO3801.h"

#include "balance/Anzeigezahl.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO_Format.h"
#include "frame/Statusmeldung.h"
#include "frame/cVB6_NumCvt.h"

namespace {

// A number too wide for its format comes back from the formatter as "#"
// marks, which would read as 0 when the table is stored.
bool NurRauten(std::string_view s) { return !s.empty() && s.find_first_not_of("#.") == std::string_view::npos; }

std::string Zahlanzeige(const Feldformat& f, double wert, bool nullLeer = true) {
    if (wert == 0 && nullLeer) return {};
    std::string s = basZIRVO_Format::ZahlFormatieren(wert, f.Stellen, f.NKSt);
    if (!NurRauten(s)) return s;
    // Too wide: the number itself, rounded to the format's decimals, without
    // padding, with the separator the formatter uses.
    std::string t = basVB6NumCvt::FestkommaText(wert, std::max<int>(f.NKSt, 0));
    if (t.empty()) return s;
    return Anzeigezahl::MitTrenner(std::move(t));
}

} // namespace

std::string frmZIRVO3801::Zellanzeige(const Feldformat& f, std::string_view text) {
    if (!f.Zahl) return basZIRVO_Format::TextRechtsTrimmen(text);
    return Zahlanzeige(f, ZahlLesen(text));
}

std::string frmZIRVO3801::Zellanzeige(const Feldformat& f, double wert) {
    if (!f.Zahl) return f.Zellentext(wert);
    return Zahlanzeige(f, wert);
}

std::string frmZIRVO3801::Labelanzeige(const Feldformat& f, double wert) {
    if (!f.Zahl) return f.Zellentext(wert);
    return Zahlanzeige(f, wert, false);
}

void frmZIRVO3801::ZelleGotFocus(TextBox& zelle) {
    if (FehlerAnzeigeFehlgeschlagen) return;
    const std::int16_t t = PaneTabelle[static_cast<std::size_t>(AktivePane)];
    const std::int16_t k = TabelleIndex(t);
    if (t > 0 && k > 0 && Tabellen[static_cast<std::size_t>(k)]->IsMember(zelle)) {
        Tabellen[static_cast<std::size_t>(k)]->TabSetTextBox(zelle);
        return;
    }
    AktivePane = static_cast<std::int16_t>(1 - AktivePane);
    TitelAlleZeichnen();
}

void frmZIRVO3801::ZelleLostFocus(TextBox& zelle) {
    if (FehlerAnzeigeFehlgeschlagen) return;
    const Feldformat f = FeldformatLesen(zelle.Name);
    const std::string getippt = zelle.Text();
    zelle.setText(Zellanzeige(f, getippt));
    const std::string hinweis = f.Zahl ? Statusmeldung::Zahlfeldhinweis(getippt, zelle.Text()) : std::string();
    if (!hinweis.empty()) Statusmeldung::Melden(hinweis);
    // When the totals (or the zone's figures the table shows) cannot be
    // computed, their note keeps the note on the typed text beside it.
    if (!f.Berechnen) return;
    PaneBerechnen();
    const std::string letzte = Statusmeldung::Letzte();
    if (!hinweis.empty() && !letzte.empty() && letzte != hinweis) Statusmeldung::Melden(hinweis + "; " + letzte);
}

std::int16_t frmZIRVO3801::ZelleKeyDown(TextBox& zelle, std::int16_t& KeyCode, std::int16_t& Shift) {
    const Feldformat f = FeldformatLesen(zelle.Name);
    const std::int16_t k = TabelleIndex(PaneTabelle[static_cast<std::size_t>(AktivePane)]);
    if (k == 0) return 0;
    const std::int16_t zeile = static_cast<std::int16_t>(zelle.Index < 0 ? 0 : zelle.Index);
    return Tabellen[static_cast<std::size_t>(k)]->KeyDown(KeyCode, Shift, zeile, f.Spalte) ? 1 : 0;
}

void frmZIRVO3801::TasteGross(std::int16_t& KeyAscii) {
    const int c = KeyAscii;
    if (c >= 'a' && c <= 'z') KeyAscii = static_cast<std::int16_t>(c - 32);
    // The accented small letters of Latin-1 (not the division sign, not ß or ÿ).
    else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) KeyAscii = static_cast<std::int16_t>(c - 32);
}

// The material pick of the component editor: the pop-up list of materials
// beside the layer grid, its category menu, and the short designations
// typed into a "Baustoff" cell. It reads the editor's own database object,
// opened once each time the window loads.
#include "components/frmBauteil.h"

#include "frame/Initialisierung.h"
#include "frame/Windows1252.h"
#include "frame/basZIRVO_Format.h"

void frmBauteil::BaustoffeLaden() {
    if (BaustoffStatus != 0) return;
    const std::string pfad = basZIRVO3801::BaustoffDatenbankDatei();
    if (pfad.empty() || !baustoff_.DBOpen(pfad)) {
        BaustoffStatus = 2;
        return;
    }
    Materialindex.clear();
    for (bool ok = baustoff_.FindFirst(); ok; ok = baustoff_.FindNext())
        Materialindex.push_back({baustoff_.Bez(), baustoff_.IndexNr(), baustoff_.Kat(), baustoff_.KBez()});
    BaustoffStatus = 1;
    BaustofflisteFüllen();
}

void frmBauteil::BaustofflisteFüllen() {
    if (BaustoffStatus != 1) return;
    lstBstListe.Clear();
    lstBstListeItemData.clear();
    for (const Materialeintrag& m : Materialindex) {
        if (!Kategoriefilter.empty() && m.Kat != Kategoriefilter) continue;
        lstBstListe.AddItem(m.KBez.empty() ? m.Bez : m.Bez + "  [" + m.KBez + "]");
        lstBstListeItemData.push_back(m.IndexNr);
    }
}

void frmBauteil::mnuBKatAZ_Click(int Index) {
    if (!mnuBKatAZ.Enthält(Index)) return;
    const std::string caption = mnuBKatAZ[Index].Caption();
    const std::string zeichen = caption.empty() ? std::string("-") : caption.substr(0, 1);
    lblKat.setCaption(zeichen);
    Kategoriefilter = zeichen == "-" ? std::string() : zeichen;
    BaustofflisteFüllen();
}

void frmBauteil::ListenknopfZeigen(int zeile) {
    if (zeile < 0 || zeile >= Schichtzeilen) return;
    Materialzeile = zeile;
    cmdBstListe.setVisible(true);
}

void frmBauteil::ListenknopfVerbergen() {
    if (ActiveControl != &lstBstListe) cmdBstListe.setVisible(false);
}

void frmBauteil::cmdBstListe_MouseDown() { BaustofflisteZeigen(); }

void frmBauteil::BaustofflisteZeigen() {
    if (!geladen_ || Materialzeile < 0) return;
    BaustoffeLaden();
    const std::string t = basZIRVO_Format::TextRechtsTrimmen(txtBtBez[Materialzeile].Text());
    if (!t.empty()) {
        // The first entry not below the text, by character codes as the
        // list is sorted (those of the database file).
        const std::u32string gesucht = Windows1252::Sortierschlüssel(t);
        for (int i = 0; i < lstBstListe.ListCount(); ++i) {
            if (Windows1252::Sortierschlüssel(lstBstListe.ListEntry(i)) >= gesucht) {
                lstBstListe.setListIndex(i);
                break;
            }
        }
    }
    picBstListe.setVisible(true);
    Fokus(lstBstListe);
}

void frmBauteil::lstBstListe_DblClick() {
    cmdBstListe.setVisible(false);
    picBstListe.setVisible(false);
    if (Materialzeile < 0) return;
    TextBox& zelle = txtBtBez[Materialzeile];
    const int i = lstBstListe.ListIndex();
    if (i >= 0 && i < static_cast<int>(lstBstListeItemData.size()) &&
        baustoff_.Find(lstBstListeItemData[static_cast<std::size_t>(i)])) {
        BaustoffInZeile(Materialzeile);
        // As Enter in the cell: on to the row's thickness.
        std::int16_t taste = 13;
        SchichtTasteAuswerten(taste, 0, Materialzeile, 0);
        return;
    }
    Fokus(zelle);
}

void frmBauteil::lstBstListe_KeyUp(std::int16_t KeyCode) {
    if (KeyCode == 13) {
        lstBstListe_DblClick();
    } else if (KeyCode == 27) {
        lstBstListe.setListIndex(-1);
        lstBstListe_DblClick();
    }
}

void frmBauteil::lstBstListe_LostFocus() {
    if (ActiveControl == &lstBstListe) ActiveControl = nullptr;
    cmdBstListe.setVisible(false);
    picBstListe.setVisible(false);
}

void frmBauteil::BaustoffInZeile(int zeile) {
    if (zeile < 0 || zeile >= Schichtzeilen) return;
    txtBtBez[zeile].setText(baustoff_.Bez());
    if (const double d = baustoff_.Dicke(); d != 0) TextFeldSetzen(txtBtDi[zeile], d);
    if (const double rho = baustoff_.Rho(); rho != 0) TextFeldSetzen(txtBtRo[zeile], rho);
    if (const double lambda = baustoff_.Lambda(); lambda != 0) TextFeldSetzen(txtBtLa[zeile], lambda);
    else if (const double r = baustoff_.R(); r != 0) TextFeldSetzen(txtBtR[zeile], r);
    if (const std::string ue = baustoff_.Ueberwachung(); !ue.empty()) txtBtUe[zeile].setText(ue);
}

bool frmBauteil::BaustoffKurzbezeichnungSuchen(const std::string& text) {
    BaustoffeLaden();
    for (const Materialeintrag& m : Materialindex)
        if (m.KBez == text && baustoff_.Find(m.IndexNr)) return true;
    return false;
}

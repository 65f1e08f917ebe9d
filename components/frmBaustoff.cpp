#include "components/frmBaustoff.h"

#include "balance/Anzeigezahl.h"
#include "components/Baustoff.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"
#include "frame/cVB6_NumCvt.h"

#include <cmath>

namespace {

constexpr const char* CRLF = "\r\n";

std::string Getrimmt(const TextBox& t) { return basZIRVO_Format::TextRechtsTrimmen(t.Text()); }

} // namespace

std::function<void(frmBaustoff&)> frmBaustoff::Anzeigen;
std::function<bool(Baustoff&, bool&)> frmBaustoff::Drucken;

frmBaustoff::frmBaustoff(Baustoff& datenbank) : db_(datenbank) {
    // Whoever changes the monitoring field (typing, pasting, the program),
    // only "0", "1", "2" or nothing stays.
    txtUe.beobachten([this](const Steuerelement&) { txtUe_Change(); });
}
frmBaustoff::frmBaustoff() : frmBaustoff(Global::Baustoff) {}

void frmBaustoff::Aufruf() {
    frmBaustoff fenster;
    fenster.Form_Load();
    if (!fenster.Geladen()) return;
    if (Anzeigen) Anzeigen(fenster);
    fenster.Form_Unload();
}

std::string frmBaustoff::ZahlAnzeige(double wert) {
    if (wert == 0 || !std::isfinite(wert)) return {};
    return Anzeigezahl::Zahltext(wert);
}

void frmBaustoff::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    Caption = DS("Baustoffe");
    cmdNeu.setCaption(DS("&Neu"));
    cmdSpeichern.setCaption(DS("&Speichern"));
    cmdLöschen.setCaption(DS("Löschen"));
    cmdSchliessen.setCaption(DS("Schliessen"));
    mnuBearbeiten.setCaption(DS("&Bearbeiten"));
    mnuBearbeitenNeu.setCaption(DS("Neu"));
    mnuBearbeitenSpeichern.setCaption(DS("Speichern"));
    mnuBearbeitenLöschen.setCaption(DS("Löschen"));
    mnuBearbeitenDrucken.setCaption(DS("Baustoffliste drucken"));
    mnuBearbeitenDrucken.setEnabled(static_cast<bool>(Drucken));
    mnuBearbeitenSchliessen.setCaption(DS("Schliessen"));
    txtUe.setMaxLength(1);

    const std::string pfad = basZIRVO3801::BaustoffDatenbankDatei();
    if (pfad.empty() || !db_.DBOpen(pfad)) return;
    geladen_ = true;
    ListeFüllen();
    if (cboBaustoff.ListCount() > 0) {
        cboBaustoff.setListIndex(0);
        cboBaustoff_Click();
    }
}

void frmBaustoff::Form_Unload() {
    if (!geladen_) return;
    db_.DBClose();
    geladen_ = false;
    Visible = false;
    if (Schliessen) Schliessen();
}

void frmBaustoff::ListeFüllen() {
    cboBaustoff.Clear();
    ItemData.clear();
    for (bool ok = db_.FindFirst(); ok; ok = db_.FindNext()) {
        cboBaustoff.AddItem(db_.Bez());
        ItemData.push_back(db_.IndexNr());
    }
}

bool frmBaustoff::EintragWählen(std::int64_t id) {
    for (int i = 0; i < cboBaustoff.ListCount(); ++i) {
        if (ItemData[static_cast<std::size_t>(i)] != id) continue;
        cboBaustoff.setListIndex(i);
        cboBaustoff_Click();
        return true;
    }
    cboBaustoff.setListIndex(-1);
    return false;
}

void frmBaustoff::NeuerEintrag() {
    AusgewählteId = 0;
    cboBaustoff.AddItem(DS("Baustoff") + " " + std::to_string(db_.Count() + 1));
    ItemData.push_back(0);
    cboBaustoff.setListIndex(cboBaustoff.ListCount() - 1);
}

void frmBaustoff::cboBaustoff_Click() {
    const int i = cboBaustoff.ListIndex();
    AusgewählteId = i >= 0 && i < static_cast<int>(ItemData.size()) ? ItemData[static_cast<std::size_t>(i)] : 0;
    // For 0, or an id another program removed, the fields show empty.
    db_.Find(AusgewählteId);
    txtBez.setText(db_.Bez());
    txtKBez.setText(db_.KBez());
    txtKat.setText(db_.Kat());
    txtRho.setText(ZahlAnzeige(db_.Rho()));
    txtDicke.setText(ZahlAnzeige(db_.Dicke()));
    txtLambda.setText(ZahlAnzeige(db_.Lambda()));
    txtR.setText(ZahlAnzeige(db_.R()));
    txtUe.setText(db_.Ueberwachung());
}

void frmBaustoff::txtUe_Change() {
    const std::string t = Getrimmt(txtUe);
    if (!t.empty() && t != "0" && t != "1" && t != "2") txtUe.setText({});
}

void frmBaustoff::mnuBearbeitenNeu_Click() {
    if (!geladen_) return;
    NeuerEintrag();
    cboBaustoff_Click();
    for (TextBox* t : {&txtBez, &txtKBez, &txtKat, &txtRho, &txtDicke, &txtLambda, &txtR, &txtUe}) t->setText({});
    if (FokusSetzen) FokusSetzen(txtBez);
}

void frmBaustoff::mnuBearbeitenSpeichern_Click() {
    if (!geladen_) return;
    if (AusgewählteId == 0) db_.NewRecord();
    else if (!db_.Find(AusgewählteId)) db_.NewRecord(); // removed by another program: saved anew
    db_.setBez(Getrimmt(txtBez));
    db_.setKBez(Getrimmt(txtKBez));
    db_.setKat(Getrimmt(txtKat));
    db_.setUeberwachung(Getrimmt(txtUe));
    db_.setRho(ZahlLesen(txtRho.Text()));
    db_.setDicke(ZahlLesen(txtDicke.Text()));
    db_.setLambda(ZahlLesen(txtLambda.Text()));
    db_.setR(ZahlLesen(txtR.Text()));
    const std::int64_t id = db_.Save();
    // Not saved: the message has been shown, the window keeps what was typed.
    // When another program copy had changed or deleted the record, the list
    // shows the database as it is now and what was typed stands in a new
    // entry, so the next save stores it as a new record.
    if (id < 0) {
        if (db_.Überholt()) {
            ListeFüllen();
            NeuerEintrag();
        }
        return;
    }
    AusgewählteId = id;
    ListeFüllen();
    EintragWählen(id);
}

void frmBaustoff::mnuBearbeitenLöschen_Click() {
    if (!geladen_ || AusgewählteId == 0) return;
    db_.Find(AusgewählteId);
    const std::string text = DS("Baustoff") + ":  " + db_.Bez() + CRLF + CRLF +
                             DS("Soll dieser Baustoff wirklich gelöscht werden?");
    if (Plattform::meldungen().Zeigen(text, DS("Baustoff löschen"), Plattform::Symbol::Frage, Plattform::Knöpfe::JaNein,
                                      Plattform::Antwort::Nein) != Plattform::Antwort::Ja)
        return;
    const std::int64_t id = AusgewählteId;
    const bool gelöscht = db_.Delete() == 0;
    if (!gelöscht && !db_.Überholt()) return;
    // Deleted, or changed by another program copy meanwhile (said in a
    // message): the list shows the database as it is now, with the record
    // under that id if there still is one, else the first.
    ListeFüllen();
    if (!gelöscht && EintragWählen(id)) return;
    cboBaustoff.setListIndex(cboBaustoff.ListCount() > 0 ? 0 : -1);
    cboBaustoff_Click();
}

void frmBaustoff::mnuBearbeitenDrucken_Click() {
    if (!geladen_ || !Drucken || !mnuBearbeitenDrucken.Enabled()) return;
    if (!basZIRVO::DruckEingerichtet()) return;
    bool fehler = false;
    basZIRVO::SanduhrZähler(-1);
    const bool gedruckt = Drucken(db_, fehler);
    basZIRVO::SanduhrZähler(0);
    if (!gedruckt) return;
    if (fehler)
        Plattform::meldungen().Zeigen(DS("Fehler beim Ausdruck."), basZIRVO3801::ProgrammTitel,
                                      Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
    else
        Plattform::meldungen().Zeigen(DS("OK, Ausdruck abgeschlossen."), basZIRVO3801::ProgrammTitel,
                                      Plattform::Symbol::Information, Plattform::Knöpfe::OK);
}

void frmBaustoff::mnuBearbeitenSchliessen_Click() { Form_Unload(); }

void frmBaustoff::cmdNeu_Click() { mnuBearbeitenNeu_Click(); }
void frmBaustoff::cmdSpeichern_Click() { mnuBearbeitenSpeichern_Click(); }
void frmBaustoff::cmdLöschen_Click() { mnuBearbeitenLöschen_Click(); }
void frmBaustoff::cmdSchliessen_Click() { mnuBearbeitenSchliessen_Click(); }

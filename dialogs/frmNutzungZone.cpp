#include "dialogs/frmNutzungZone.h"

#include "frame/Plattform.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"
#include "project/ProjektGlobal.h"

namespace Global {
::frmNutzungZone frmNutzungZone;
} // namespace Global

std::function<void(frmNutzungZone&)> frmNutzungZone::Anzeigen;

namespace {

bool Grossbuchstabe(char c) { return c >= 'A' && c <= 'Z'; }
bool Ziffer(char c) { return c >= '0' && c <= '9'; }

void Fehler(const std::string& text) {
    Plattform::meldungen().Zeigen(DS(text), basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler,
                                  Plattform::Knöpfe::OK);
}

} // namespace

frmNutzungZone::frmNutzungZone() {
    txtBez.setMaxLength(30);
    txtCode.setMaxLength(2);
}

void frmNutzungZone::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    Caption = DS("Thermische Zone");
    lblCode.setCaption(DS("Code"));
    cmdOK.setCaption(DS("OK"));
    cmdAbbrechen.setCaption(DS("Abbrechen"));
    geladen_ = true;
    Visible = true;

    txtBez.setText(Bezeichnung);
    txtCode.setText(Code);
    zonen_.clear();
    if (OhneCode) {
        lblCode.setEnabled(false);
        txtCode.setText("");
        txtCode.setEnabled(false);
    } else {
        lblCode.setEnabled(true);
        txtCode.setEnabled(true);
        ZonenSammeln();
    }
}

void frmNutzungZone::ZonenSammeln() {
    Projekt& p = Global::Projekt;
    aktuelleZone_ = p.GetNZone();
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        p.SetNZone(i);
        zonen_.push_back({p.ZGetStr("Bez"), p.ZGetStr("Code")});
    }
    p.SetNZone(aktuelleZone_);
}

void frmNutzungZone::txtCode_KeyPress(std::int16_t& KeyAscii) {
    // The letters of the Latin-1 range too: ä becomes Ä (the division sign
    // between them is no letter).
    if ((KeyAscii >= 'a' && KeyAscii <= 'z') || (KeyAscii >= 0xE0 && KeyAscii <= 0xFE && KeyAscii != 0xF7))
        KeyAscii = static_cast<std::int16_t>(KeyAscii - 32);
}

void frmNutzungZone::cmdOK_Click() {
    std::string name = basZIRVO_Format::TextRechtsTrimmen(txtBez.Text());
    if (name.empty()) {
        Fehler("Bitte Bezeichnung angeben.");
        return;
    }
    if (OhneCode) {
        Bezeichnung = name;
        Code.clear();
        Unload();
        return;
    }
    std::string code = basZIRVO_Format::TextRechtsTrimmen(txtCode.Text());
    if (code.empty()) {
        Fehler("Bitte Code angeben.");
        return;
    }
    if (!Grossbuchstabe(code[0])) {
        Fehler("Der Code muss mit einem Buchstaben (A..Z) beginnen.");
        return;
    }
    // Every character after the first: the box takes two, but a longer
    // code that came in with the zone is checked whole.
    for (std::size_t i = 1; i < code.size(); ++i) {
        if (!Grossbuchstabe(code[i]) && !Ziffer(code[i])) {
            Fehler("Der Code darf nur Buchstaben (A..Z) und Ziffern (0..9) enthalten.");
            return;
        }
    }
    for (std::size_t i = 0; i < zonen_.size(); ++i) {
        if (!NeueZone && static_cast<std::int16_t>(i) == aktuelleZone_) continue;
        if (zonen_[i].Code == code) {
            Fehler("Der Code hat bereits eine andere Zone.");
            return;
        }
    }
    Bezeichnung = name;
    Code = code;
    Unload();
}

void frmNutzungZone::cmdAbbrechen_Click() {
    Bezeichnung.clear();
    Code.clear();
    Unload();
}

void frmNutzungZone::Unload() {
    if (!geladen_) return;
    geladen_ = false;
    Visible = false;
    if (BeimEntladen) BeimEntladen();
}

void frmNutzungZone::Zeigen() {
    Form_Load();
    if (Anzeigen) Anzeigen(*this);
    // Not closed by its buttons: as with the close box.
    Unload();
}

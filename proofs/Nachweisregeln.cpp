// The rules of the single-component proof: row by row, the U-value of a
// component, window or door (the psi or chi value of a thermal bridge)
// against the value of the standard's table for its code, corrected for the
// room temperature. Pass 1 takes the values of the project items the rows
// name by number, pass 2 writes table value, effective value and verdict.
// Every value is read back from its cell as shown, so each verdict judges
// the rounded numbers the engineer sees. The first faulty row ends a run.
#include "proofs/frmNachweisEB.h"

#include "balance/Einzelbauteil.h"
#include "components/Bauteile.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Format.h"
#include "project/ProjektGlobal.h"

namespace {

// Records an input error of the kind "Fehler" on the cell; True. The text
// has passed through the dialog language already.
bool Fehler(std::string text, TextBox& zelle) {
    Eingabefehler.Beginnen(0, 0);
    Eingabefehler.Setzen(std::move(text), &zelle);
    return true;
}

// The same with a fixed text.
bool Fehler(const char* text, TextBox& zelle) { return Fehler(DS(text), zelle); }

std::string Code(const TextBox& zelle) { return basZIRVO_Format::TextRechtsTrimmen(zelle.Text()); }
double Zahl(const TextBox& zelle) { return ZahlLesen(zelle.Text()); }
int Nummer(const TextBox& zelle) { return ZahlLesenInt(zelle.Text()); }

} // namespace

std::optional<frmNachweisEB::Bauteilwerte> frmNachweisEB::BauteilHolen(int nr) {
    auto b = Bauteil::Lesen(Global::Projekt, nr);
    if (!b) return std::nullopt;
    return Bauteilwerte{b->U, b->Bez};
}

std::optional<frmNachweisEB::Fensterwerte> frmNachweisEB::FensterHolen(int nr) {
    auto f = Fenster::Lesen(Global::Projekt, nr);
    if (!f) return std::nullopt;
    // Each row starts from nothing: a g or frame factor outside 0..1 is
    // not taken, and nothing of another window stands in for it.
    Fensterwerte w;
    w.U = f->U;
    w.Bez = f->Bez;
    if (f->g >= 0 && f->g <= 1) w.g = f->g;
    if (f->FF >= 0 && f->FF <= 1) w.FF = f->FF;
    return w;
}

std::optional<frmNachweisEB::Wärmebrückenwerte> frmNachweisEB::WärmebrückeHolen(int nr) {
    auto w = Wärmebrücke::Lesen(Global::Projekt, nr);
    if (!w) return std::nullopt;
    return Wärmebrückenwerte{w->Psi, w->Bez};
}

void frmNachweisEB::BezeichnungNachArtwechsel(int r, bool fenster, int nr, const std::string& neueBez) {
    const std::string bez = basZIRVO_Format::TextRechtsTrimmen(txtBtBez[r].Text());
    if (bez.empty()) return;
    // The item of the other kind under this number, as the row would have
    // taken its name.
    std::string vorher;
    if (fenster) {
        const auto b = BauteilHolen(nr);
        if (!b) return;
        vorher = basZIRVO_Format::TextRechtsTrimmen(b->Bez);
    } else {
        const auto f = FensterHolen(nr);
        if (!f) return;
        vorher = basZIRVO_Format::TextRechtsTrimmen(f->Bez);
    }
    if (bez == vorher) ZelleSetzen(txtBtBez[r], neueBez);
}

bool frmNachweisEB::BauteileNachweisen() {
    const Einzelbauteil& tabelle = Global::Einzelbauteil;
    const bool ohneWärmebrücken = chkWBN.Value() != 0;
    const bool grenzwerte = optAnf[0].Value();
    const int n = Zeilenzahl(1);

    // Pass 1: U, g and designation from the items the rows name.
    for (int r = 0; r < n; ++r) {
        const int nr = Nummer(txtBtNr[r]);
        if (nr == 0) continue;
        if (tabelle.BauteilCodeIstFenster(Code(txtBtC[r]))) {
            const auto f = FensterHolen(nr);
            if (!f) return Fehler("Fenster nicht gefunden", txtBtNr[r]);
            ZelleSetzen(txtBtU[r], f->U);
            ZelleSetzen(txtBtG[r], f->g);
            BezeichnungNachArtwechsel(r, true, nr, f->Bez);
            if (f->FF > 0 && f->g < 0.3)
                return Fehler("Fenster mit einem Gesamtenergiedurchlassgrad kleiner als 0,3 sind bei "
                              "Einzelbauteilnachweisen nicht erlaubt.",
                              txtBtNr[r]);
        } else {
            const auto b = BauteilHolen(nr);
            if (!b) return Fehler("Bauteil nicht gefunden", txtBtNr[r]);
            ZelleSetzen(txtBtU[r], b->U);
            ZelleSetzen(txtBtG[r], 0.0);
            if (txtBtBez[r].Text().empty()) ZelleSetzen(txtBtBez[r], b->Bez);
            else BezeichnungNachArtwechsel(r, false, nr, b->Bez);
        }
    }

    // Pass 2: table value, effective value, verdict.
    for (int r = 0; r < n; ++r) {
        ZelleSetzen(txtBtGrEff[r], 0.0);
        ZelleSetzen(txtBtGrErf[r], "");
        const std::string code = Code(txtBtC[r]);
        if (code.empty()) {
            ZelleSetzen(txtBtGrTab[r], 0.0);
            continue;
        }
        const std::int32_t i = tabelle.Index(code);
        const std::int32_t t = tabelle.GrTyp(code);
        if (i < 0) return Fehler("Ungültiger Code", txtBtC[r]);

        // The table keeps single precision; the cell shows two decimals.
        float tabellenwert;
        if (ohneWärmebrücken && t == 0) tabellenwert = static_cast<float>(tabelle.Grenzwert(i, 2));
        else if (grenzwerte) tabellenwert = static_cast<float>(tabelle.Grenzwert(i, t));
        else tabellenwert = static_cast<float>(tabelle.Zielwert(i, t));
        ZelleSetzen(txtBtGrTab[r], tabellenwert);

        const double Ti = Zahl(txtBtTi[r]);
        if (Ti == 0) return Fehler("Ungültige Raumtemperatur", txtBtTi[r]);

        // 5 % per kelvin from 20 °C, above 20 °C never below the code's
        // target value.
        double v = Zahl(txtBtGrTab[r]);
        if (Ti != 20) {
            v = ((20 - Ti) * 0.05 + 1) * v;
            const double boden = tabelle.Zielwert(i, t);
            if (v < boden) v = boden;
        }
        ZelleSetzen(txtBtGrEff[r], basZIRVO3801::Runden(v, 2));

        // A coded row without a U-value proves nothing. A row that names an
        // item takes its U from the item at every run: then the item lacks
        // it, and the message points at the number, not at the U the run
        // overwrites.
        const double U = Zahl(txtBtU[r]);
        if (!(U > 0)) {
            const int nr = Nummer(txtBtNr[r]);
            if (nr == 0) return Fehler("Ungültiger U-Wert", txtBtU[r]);
            const char* vorlage = tabelle.BauteilCodeIstFenster(code) ? "Das Fenster Nr. @ hat keinen U-Wert."
                                                                        : "Das Bauteil Nr. @ hat keinen U-Wert.";
            return Fehler(DSFormat(vorlage, std::to_string(nr)), txtBtNr[r]);
        }
        ZelleSetzen(txtBtGrErf[r], U <= Zahl(txtBtGrEff[r]) ? DS("ja") : DS("nein"));
    }
    return false;
}

bool frmNachweisEB::WärmebrückenNachweisen() {
    const Einzelbauteil& tabelle = Global::Einzelbauteil;
    const bool grenzwerte = optAnf[0].Value();
    const int n = Zeilenzahl(2);

    for (int r = 0; r < n; ++r) {
        const int nr = Nummer(txtWbNr[r]);
        if (nr == 0) continue;
        const auto w = WärmebrückeHolen(nr);
        if (!w) return Fehler("Wärmebrücke nicht gefunden", txtWbNr[r]);
        ZelleSetzen(txtWbPsi[r], w->Psi);
        if (txtWbBez[r].Text().empty()) ZelleSetzen(txtWbBez[r], w->Bez);
    }

    // Thermal bridges have no temperature correction and no code suffix.
    for (int r = 0; r < n; ++r) {
        ZelleSetzen(txtWbGr[r], 0.0);
        ZelleSetzen(txtWbErf[r], "");
        const std::string code = Code(txtWbC[r]);
        if (code.empty()) continue;
        const std::int32_t i = tabelle.Index(code);
        if (i < 0) return Fehler("Ungültiger Code", txtWbC[r]);
        ZelleSetzen(txtWbGr[r], grenzwerte ? tabelle.Grenzwert(i, 0) : tabelle.Zielwert(i, 0));
        ZelleSetzen(txtWbErf[r], Zahl(txtWbPsi[r]) <= Zahl(txtWbGr[r]) ? DS("ja") : DS("nein"));
    }
    return false;
}

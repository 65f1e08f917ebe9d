// The memo of the zone computation: each zone is computed once for a set
// of inputs, and every later request with the same inputs (the load of
// the zone into the tables, the check of every zone, the dry run before a
// printout and the printout itself) takes the figures of that computation.
//
// The inputs are everything the computation can read: the stored values
// of the project (through their marks, which change with every write that
// changes a value: the project values, the inputs of every zone, for the
// neighbour-zone look-ups, and the zone's own values, results included,
// since a table's year totals read the zone's former monthly figures), the
// texts of the cells of the four tables, the grids' row counts, and what
// lies outside the project: the climate station with all its figures, the
// north rotation, the user's number format and the decimal comma of input,
// the message language and the design case of the heating-power estimate.
#include "mainwindow/frmZIRVO3801.h"

#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "frame/basVB6NumCvt.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_HiRi.h"
#include "project/ProjektGlobal.h"

#include <array>
#include <cstring>

namespace {

// Many texts in one buffer, each read back by its position: the texts of
// every cell, tool tip and total label of the tables, kept without a
// string of their own each.
class Textfolge {
public:
    // The text each control gives (lesen: a control's text), in order.
    template <class Steuerelemente, class Lesen> void Aufnehmen(const Steuerelemente& elemente, Lesen lesen) {
        std::size_t länge = 0;
        for (const auto* e : elemente) länge += lesen(*e).size();
        daten_.resize(länge);
        enden_.resize(elemente.size());
        std::size_t ende = 0, i = 0;
        for (const auto* e : elemente) {
            const std::string& text = lesen(*e);
            if (!text.empty()) std::memcpy(daten_.data() + ende, text.data(), text.size());
            ende += text.size();
            enden_[i++] = static_cast<std::uint32_t>(ende);
        }
    }
    std::size_t Anzahl() const { return enden_.size(); }
    std::string_view operator[](std::size_t i) const {
        const std::size_t anfang = i == 0 ? 0 : enden_[i - 1];
        return std::string_view(daten_.data() + anfang, enden_[i] - anfang);
    }
    // Text i is this text.
    bool Gleich(std::size_t i, const std::string& text) const {
        const std::size_t anfang = i == 0 ? 0 : enden_[i - 1];
        return enden_[i] - anfang == text.size() &&
               (text.empty() || std::memcmp(daten_.data() + anfang, text.data(), text.size()) == 0);
    }

private:
    std::vector<char> daten_;
    std::vector<std::uint32_t> enden_;
};

} // namespace

struct frmZIRVO3801::Rechenstand {
    bool vorhanden = false;
    std::uint64_t struktur = 0, projektwerte = 0;
    std::int16_t zonen = 0, zone = -1;
    // The input marks of the other zones (the zone's own is 0).
    std::array<std::uint64_t, Projekt::MaxZonen> eingaben{};
    std::array<std::int16_t, 5> zeilen{};
    std::string umgebung;
    // The texts of every cell of the four tables (compared on their own),
    // and how often each cell had changed then.
    Textfolge zellen;
    std::vector<std::uint64_t> zellenstände;
    // Every value of the zone itself, compared by content: its computation
    // writes some results twice on the way (a table's step, then the
    // balance), so only the content tells what it left.
    Kollektion werte;
    // Equal but for the zone's values.
    bool operator==(const Rechenstand& b) const {
        return vorhanden == b.vorhanden && struktur == b.struktur && projektwerte == b.projektwerte &&
               zonen == b.zonen && zone == b.zone && eingaben == b.eingaben && zeilen == b.zeilen &&
               umgebung == b.umgebung;
    }
};

struct frmZIRVO3801::Zonenrechnung {
    struct Eintrag {
        bool gültig = false;
        Rechenstand vorher;
        // What the cells, their tool tips and the total labels showed when
        // the computation was done (the cells' texts are those of vorher
        // when it changed none), and how often each cell and label had
        // changed then.
        Textfolge zellenNachher, tippsNachher, summen;
        bool zellenWieVorher = false;
        std::vector<std::uint64_t> stände;
        const Textfolge& Zellen() const { return zellenWieVorher ? vorher.zellen : zellenNachher; }
        std::vector<GebäudehülleElement> hülle;
        std::uint64_t hüllenstand = 0;
        basZIRVOFehler::EingabefehlerDaten fehler;
    };
    std::array<Eintrag, Projekt::MaxZonen> zonen;
    std::vector<TextBox*> zellen;
    std::vector<Label*> summen;
};

namespace {

void Anhängen(std::string& s, const void* daten, std::size_t n) { s.append(static_cast<const char*>(daten), n); }
void Anhängen(std::string& s, double x) { Anhängen(s, &x, sizeof x); }
void Anhängen(std::string& s, const std::string& text) {
    const std::size_t n = text.size();
    Anhängen(s, &n, sizeof n);
    s += text;
}

// What the computation reads outside the project, as one string of bytes.
std::string Umgebung() {
    std::string u;
    u.reserve(1024);
    const Klimastation_MB2028& k = Global::Klimastation_MB2028;
    u += k.Vorhanden() ? '1' : '0';
    Anhängen(u, k.Namen());
    Anhängen(u, static_cast<double>(k.Meereshöhe()));
    Anhängen(u, k.TaMin());
    std::array<double, 12> T{};
    k.MonatsTemperaturen(T);
    for (double t : T) Anhängen(u, t);
    double J = 0;
    k.JahresTemperatur(J);
    Anhängen(u, J);
    for (const auto& reihe : {k.Globalstrahlung_H(), k.Globalstrahlung_S(), k.Globalstrahlung_E(),
                              k.Globalstrahlung_W(), k.Globalstrahlung_N()})
        for (double g : reihe) Anhängen(u, g);
    // The user's number format, in which the cells are written and read.
    const cVB6_NumCvt& zahlen = cVB6_NumCvt::Instanz();
    Anhängen(u, zahlen.Country());
    Anhängen(u, zahlen.LocaleName());
    Anhängen(u, zahlen.Dezimaltrenner());
    Anhängen(u, zahlen.NumStr_(-1234567.5, 2));
    Anhängen(u, zahlen.CurStr_(-1234567.5));
    Anhängen(u, basZIRVO_HiRi::NordAktuell);
    u += basVB6NumCvt::KommaEingabe ? '1' : '0';
    u += basZIRVODialogSprache::Sprachflag ? '1' : '0';
    u += Auslegungsfall ? '1' : '0';
    Anhängen(u, Auslegungstemperatur);
    return u;
}

} // namespace

void frmZIRVO3801::ProjektZoneEinlesen() {
    const bool bisher = zoneLaden_;
    zoneLaden_ = true;
    // The cells first: a zone whose inputs are those of its last
    // computation takes that computation's figures instead of computing.
    for (std::int16_t t = TabelleEBF; t <= TabelleF; ++t) TabelleLaden(t, false);
    const bool übernommen = ZonenrechnungÜbernehmen(true);
    Rechenstand vorher = übernommen ? Rechenstand() : Rechenbeginn();
    Tabellenvorlauf vorlauf;
    if (!übernommen) TabellenVorausBerechnen(vorlauf);
    {
        // What the dialogs work out while they load are the zone's results;
        // a zone that took its kept figures keeps all its values as they were.
        Projekt::Rechenbereich rechnung(Global::Projekt);
        Global::frmLüftung.Einlesen();
        Global::frmGewinn.Einlesen();
        if (übernommen) {
            const std::size_t zone = static_cast<std::size_t>(Global::Projekt.GetNZone());
            Global::Projekt.ZonenwerteSetzen(ZonenrechnungHolen().zonen[zone].vorher.werte);
        }
    }
    zoneLaden_ = bisher;
    if (übernommen || zoneBerechnen_ || zoneLaden_) return;
    // The window table's utilised gains are the zone computation's; the
    // pending input error stays as the load left it.
    if (!Global::Projekt.Exist()) {
        GenutzteSolareGewinneSetzen(true);
        return;
    }
    const basZIRVOFehler::EingabefehlerDaten fehler = Eingabefehler;
    ZoneBerechnenAb(std::move(vorher), &vorlauf);
    Eingabefehler = fehler;
}

void frmZIRVO3801::TabellenVorausBerechnen(Tabellenvorlauf& vorlauf) {
    Projekt& p = Global::Projekt;
    Gebäudehülle& hülle = Gebäudehülle::Instanz();
    const std::int16_t zone = p.GetNZone();
    vorlauf = Tabellenvorlauf();
    vorlauf.zone = zone;
    vorlauf.eingabestand = p.Eingabestand(zone);
    vorlauf.eintragsstand = hülle.Eintragsstand();
    vorlauf.fehlerfrei = true;
    vorlauf.heizmonateGleich = true;
    {
        struct Protokoll {
            Projekt& p;
            ~Protokoll() { p.SchreibprotokollSetzen(nullptr); }
        } protokoll{p};
        p.SchreibprotokollSetzen(&vorlauf.geschrieben);
        for (std::int16_t t = TabelleEBF; t <= TabelleF; ++t) {
            if (TabelleBerechnen(t)) vorlauf.fehlerfrei = false;
            if (t == TabelleA) vorlauf.heizmonate = p.MonateOK();
            else if (t > TabelleA && p.MonateOK() != vorlauf.heizmonate) vorlauf.heizmonateGleich = false;
        }
    }
    vorlauf.hüllenstand = hülle.Zonenstand(zone);
}

bool frmZIRVO3801::TabellenvorlaufGilt(const Rechenstand& vorher, const Tabellenvorlauf& vorlauf) {
    Projekt& p = Global::Projekt;
    const std::int16_t zone = p.GetNZone();
    if (!vorlauf.fehlerfrei || !vorlauf.heizmonateGleich || vorlauf.zone != zone || !vorher.vorhanden ||
        vorher.zone != zone || p.Eingabestand(zone) != vorlauf.eingabestand ||
        Gebäudehülle::Instanz().Zonenstand(zone) != vorlauf.hüllenstand || !(RechenstandLesen() == vorher) ||
        !ZellenUnverändert(vorher))
        return false;
    // What the tables stored is still stored; the heating months their
    // steps would find now are those they summed over.
    const Kollektion* werte = p.Zonenwerte(zone);
    if (!werte) return false;
    for (const auto& [schlüssel, wert] : vorlauf.geschrieben) {
        const Kollektion::Wert* jetzt = werte->Eintrag(schlüssel);
        if (!jetzt || !Kollektion::Gleich(*jetzt, wert)) return false;
    }
    p.SetMtOK();
    return p.MonateOK() == vorlauf.heizmonate;
}

bool frmZIRVO3801::ProjektZoneBerechnen() {
    if (ZonenrechnungÜbernehmen(false)) return false;
    return ZoneBerechnenAb(Rechenbeginn());
}

bool frmZIRVO3801::ZoneBerechnenAb(Rechenstand vorher, const Tabellenvorlauf* vorlauf) {
    if (vorlauf && !TabellenvorlaufGilt(vorher, *vorlauf)) vorlauf = nullptr;
    const bool bisher = zoneBerechnen_;
    zoneBerechnen_ = true;
    ++Zonenberechnungen;
    bool fehler = true;
    {
        // What the computation writes into the zone are its results.
        Projekt::Rechenbereich rechnung(Global::Projekt);
        fehler = ZoneSchritteBerechnen(vorlauf);
    }
    zoneBerechnen_ = bisher;
    GenutzteSolareGewinneSetzen(fehler);
    ZonenrechnungMerken(std::move(vorher), fehler);
    return fehler;
}

frmZIRVO3801::Zonenrechnung& frmZIRVO3801::ZonenrechnungHolen() {
    if (!zonenrechnung_) {
        zonenrechnung_ = std::make_shared<Zonenrechnung>();
        ZellenSammeln(zonenrechnung_->zellen, zonenrechnung_->summen);
    }
    return *zonenrechnung_;
}

void frmZIRVO3801::ZonenrechnungenVergessen() {
    if (!zonenrechnung_) return;
    for (auto& e : zonenrechnung_->zonen) e = Zonenrechnung::Eintrag();
}

frmZIRVO3801::Rechenstand frmZIRVO3801::RechenstandLesen() const {
    const Projekt& p = Global::Projekt;
    Rechenstand s;
    s.vorhanden = p.Exist();
    s.struktur = p.Strukturstand();
    s.projektwerte = p.Projektwertestand();
    s.zonen = p.ZonenAnzahl();
    s.zone = p.GetNZone();
    for (std::int16_t i = 0; i < s.zonen && i < Projekt::MaxZonen; ++i)
        if (i != s.zone) s.eingaben[static_cast<std::size_t>(i)] = p.Eingabestand(i);
    for (std::int16_t t = TabelleEBF; t <= TabelleF; ++t) {
        std::int16_t erste = 0, sichtbar = 0;
        TabelleEigenschaften(t, erste, sichtbar, s.zeilen[static_cast<std::size_t>(t)]);
    }
    s.umgebung = Umgebung();
    return s;
}

bool frmZIRVO3801::ZoneUnverändert(const Rechenstand& gemerkt) const {
    const Kollektion* werte = Global::Projekt.Zonenwerte(Global::Projekt.GetNZone());
    return RechenstandLesen() == gemerkt && werte && Kollektion::Gleich(*werte, gemerkt.werte);
}

bool frmZIRVO3801::ZellenUnverändert(const Rechenstand& gemerkt) const {
    if (!zonenrechnung_) return false;
    const std::vector<TextBox*>& zellen = zonenrechnung_->zellen;
    if (zellen.size() != gemerkt.zellen.Anzahl() || zellen.size() != gemerkt.zellenstände.size()) return false;
    // A cell that has not changed since holds its text; another is compared.
    for (std::size_t i = 0; i < zellen.size(); ++i)
        if (zellen[i]->Änderungen() != gemerkt.zellenstände[i] && !gemerkt.zellen.Gleich(i, zellen[i]->Text()))
            return false;
    return true;
}

frmZIRVO3801::Rechenstand frmZIRVO3801::Rechenbeginn() {
    Rechenstand stand = RechenstandLesen();
    const Kollektion* werte = Global::Projekt.Zonenwerte(stand.zone);
    if (werte) stand.werte = *werte;
    const Zonenrechnung& z = ZonenrechnungHolen();
    stand.zellen.Aufnehmen(z.zellen, [](const TextBox& zelle) -> const std::string& { return zelle.Text(); });
    stand.zellenstände.reserve(z.zellen.size());
    for (const TextBox* zelle : z.zellen) stand.zellenstände.push_back(zelle->Änderungen());
    return stand;
}

bool frmZIRVO3801::ZonenrechnungÜbernehmen(bool laden) {
    const Projekt& p = Global::Projekt;
    const std::int16_t zone = p.GetNZone();
    if (!p.Exist() || zone < 0 || zone >= p.ZonenAnzahl() || zone >= Projekt::MaxZonen) return false;
    Zonenrechnung& z = ZonenrechnungHolen();
    Zonenrechnung::Eintrag& e = z.zonen[static_cast<std::size_t>(zone)];
    if (!e.gültig || !ZoneUnverändert(e.vorher)) return false;
    // Cells and labels none of which changed since the computation show
    // what it left: the same inputs when it changed no cell, and nothing to
    // give back.
    bool wieNachher = e.stände.size() == z.zellen.size() + z.summen.size();
    for (std::size_t i = 0; wieNachher && i < z.zellen.size(); ++i)
        wieNachher = z.zellen[i]->Änderungen() == e.stände[i];
    for (std::size_t i = 0; wieNachher && i < z.summen.size(); ++i)
        wieNachher = z.summen[i]->Änderungen() == e.stände[z.zellen.size() + i];
    if (wieNachher ? !e.zellenWieVorher : !ZellenUnverändert(e.vorher)) return false;

    // The same inputs: what the computation left comes back.
    if (!wieNachher) {
        const Textfolge& zellen = e.Zellen();
        for (std::size_t i = 0; i < z.zellen.size(); ++i) {
            TextBox& zelle = *z.zellen[i];
            if (!zellen.Gleich(i, zelle.Text())) zelle.setText(std::string(zellen[i]));
            if (!e.tippsNachher.Gleich(i, zelle.ToolTipText())) zelle.setToolTipText(std::string(e.tippsNachher[i]));
        }
        for (std::size_t i = 0; i < z.summen.size(); ++i)
            if (!e.summen.Gleich(i, z.summen[i]->Caption())) z.summen[i]->setCaption(std::string(e.summen[i]));
    }
    Gebäudehülle& hülle = Gebäudehülle::Instanz();
    if (hülle.Zonenstand(zone) != e.hüllenstand) {
        hülle.ZonenzeilenEinsetzen(zone, e.hülle);
        e.hüllenstand = hülle.Zonenstand(zone);
    }
    for (std::int16_t t = TabelleEBF; t <= TabelleF; ++t) SummenHinweisen(t, false);
    GenutzteSolareGewinneSetzen(false);
    // A load leaves the record of its last table's step; a computation its own.
    if (laden) Eingabefehler.Beginnen(zone, TabelleF);
    else Eingabefehler = e.fehler;
    return true;
}

void frmZIRVO3801::ZonenrechnungMerken(Rechenstand vorher, bool fehler) {
    const std::int16_t zone = vorher.zone;
    if (zone < 0 || zone >= Projekt::MaxZonen) return;
    Zonenrechnung& z = ZonenrechnungHolen();
    Zonenrechnung::Eintrag& e = z.zonen[static_cast<std::size_t>(zone)];
    e = Zonenrechnung::Eintrag();
    // A computation that changed stored values (its own results among them)
    // may read them differently the next time: only one that left them as
    // it found them stands for the next one with the same inputs.
    if (fehler || !vorher.vorhanden || !ZoneUnverändert(vorher)) return;
    e.zellenWieVorher = ZellenUnverändert(vorher);
    e.vorher = std::move(vorher);
    if (!e.zellenWieVorher)
        e.zellenNachher.Aufnehmen(z.zellen, [](const TextBox& zelle) -> const std::string& { return zelle.Text(); });
    e.tippsNachher.Aufnehmen(z.zellen,
                             [](const TextBox& zelle) -> const std::string& { return zelle.ToolTipText(); });
    e.summen.Aufnehmen(z.summen, [](const Label& summe) -> const std::string& { return summe.Caption(); });
    e.stände.reserve(z.zellen.size() + z.summen.size());
    for (const TextBox* zelle : z.zellen) e.stände.push_back(zelle->Änderungen());
    for (const Label* summe : z.summen) e.stände.push_back(summe->Änderungen());
    Gebäudehülle& hülle = Gebäudehülle::Instanz();
    e.hülle = hülle.Zonenzeilen(zone);
    e.hüllenstand = hülle.Zonenstand(zone);
    e.fehler = Eingabefehler;
    e.gültig = true;
}

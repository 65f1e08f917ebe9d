// The frame of the report class: setting up and ending a printout, the
// page title and end box, the number texts, the head lines and the test page.
#include "printing/ZIRVO3801Drucken.h"

#include "balance/Anzeigezahl.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOSymbole.h"
#include "printing/Druckeinstellungen.h"
#include "printing/Druckraster.h"
#include "printing/Musterprojekt.h"
#include "printing/Zeichensaetze.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace {

void Fehlermeldung(const std::string& text) {
    Plattform::meldungen().Zeigen(text, basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler,
                                  Plattform::Knöpfe::OK);
}

std::tm Ortszeit(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

std::tm Jetzt() { return Ortszeit(Plattform::umgebung().Jetzt()); }

std::string Zeitformat(const char* format, const std::tm& tm) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900, tm.tm_hour,
                  tm.tm_min, tm.tm_sec);
    return puffer;
}

// Where the PDF printer offers to write: beside the project file, under
// its name, else in the folder of the projects.
void PdfVorschlag(std::string& ordner, std::string& name) {
    namespace fs = std::filesystem;
    const std::string datei = Global::Projekt.Dateiname();
    const std::string& projekte = Global::Initialisierung.OrdnerProjekte;
    ordner = !datei.empty() ? fs::path(datei).parent_path().string() : (projekte == "." ? "" : projekte);
    name = Global::Projekt.Projektname();
    if (name.empty()) name = "ZIRVO";
    name += ".pdf";
}

// The symbol texts of a setting (with special characters or without) for
// the span of a trial; those of the printout after it.
class Symboltexte {
public:
    explicit Symboltexte(bool einfach) {
        for (std::size_t i = 0; i < texte_.size(); ++i) alt_[i] = *texte_[i];
        basZIRVOSymbole::SymbolZeichen(einfach);
    }
    ~Symboltexte() {
        for (std::size_t i = 0; i < texte_.size(); ++i) *texte_[i] = alt_[i];
    }
    Symboltexte(const Symboltexte&) = delete;
    Symboltexte& operator=(const Symboltexte&) = delete;

private:
    const std::array<std::string*, 7> texte_{
        &basZIRVOSymbole::SymbolAngekreuzt, &basZIRVOSymbole::SymbolNichtAngekreuzt, &basZIRVOSymbole::SymbolDelta,
        &basZIRVOSymbole::SymbolTheta,      &basZIRVOSymbole::SymbolEta,             &basZIRVOSymbole::SymbolChi,
        &basZIRVOSymbole::SymbolPsi};
    std::array<std::string, 7> alt_;
};

} // namespace

bool ZIRVO3801Drucken::DruckerOK() {
    Druckeinstellungen::DruckerVorgabe(Global::Initialisierung);
    return basZIRVO::DruckerOK();
}

bool ZIRVO3801Drucken::Initialisieren(bool duplex, bool landscape) {
    // The next copy of a PDF printout goes into the document still open.
    const bool weiter = exemplarFolgt_ && drucken_.Fläche();
    exemplarFolgt_ = false;
    if (weiter) {
        drucken_.NeuesExemplar();
    } else if (!EinstellungenPassen(landscape) || !AuftragBeginnen()) {
        return false;
    }
    fehlerteil_.clear();
    druckteil_.clear();
    Einrichten(duplex, landscape);
    return true;
}

bool ZIRVO3801Drucken::AuftragBeginnen() {
    Druckeinstellungen::DruckerVorgabe(Global::Initialisierung);
    const std::string name = Global::Initialisierung.DruckerName;
    auto liste = Plattform::drucker().DruckerListe();
    if (name.empty() || std::find(liste.begin(), liste.end(), name) == liste.end()) {
        Fehlermeldung(DS("Drucker nicht verfügbar") + "\r\n" + name);
        return false;
    }
    std::string ziel;
    std::string ordner, vorschlag;
    PdfVorschlag(ordner, vorschlag);
    if (name == Plattform::PdfDrucker) {
        auto gewählt = Plattform::dateidialoge().Speichern(DS("PDF-Datei speichern"), "PDF (*.pdf)|*.pdf", ordner,
                                                           vorschlag);
        if (!gewählt || gewählt->empty()) return false;
        ziel = *gewählt;
        if (std::filesystem::path(ziel).extension().empty()) ziel += ".pdf";
    }
    std::string fehler;
    auto auftrag = Plattform::drucker().Auftrag(name, ziel, fehler);
    if (!auftrag) {
        // A PDF file that cannot be written is said as such, not as a printer.
        if (name == Plattform::PdfDrucker && !fehler.empty()) Fehlermeldung(fehler);
        else Fehlermeldung(DS("Drucker nicht verfügbar") + "\r\n" + name + (fehler.empty() ? "" : "\r\n" + fehler));
        return false;
    }
    // The document's name: the PDF's title is the name of its file; a job
    // for a system printer is named as the PDF would be (the project's
    // name), so that its owner finds it in a shared queue.
    auftrag->Dokumentname(std::filesystem::path(ziel.empty() ? vorschlag : ziel).stem().string());
    drucken_.Auftrag(std::move(auftrag));
    grundlage_.Drucker = name;
    pdf_ = name == Plattform::PdfDrucker;
    return true;
}

bool ZIRVO3801Drucken::EinstellungenPassen(bool landscape) {
    Druckeinstellungen::DruckerVorgabe(Global::Initialisierung);
    const Initialisierung& ini = Global::Initialisierung;
    const std::string fehler =
        Druckraster::Druckermeldung(ini.DruckerName, Druckeinstellungen::Gelesen(ini),
                                    {{landscape, Drucken::ZeilenNachSchrift, {}, false}}, {}, ini.DruckerDateiname);
    if (fehler.empty()) return true;
    Einstellungsfehler(fehler);
    return false;
}

void ZIRVO3801Drucken::Einstellungsfehler(const std::string& fehler) {
    Fehlermeldung(fehler + "\r\n\r\n" + DS("Bitte passen Sie die Einstellungen unter «Druck einrichten» an."));
}

void ZIRVO3801Drucken::ProbeBeginnen(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w,
                                     bool landscape, ZIRVO3801Drucken* ausdruck, bool duplex) {
    auto probe = std::make_unique<Probefläche>(f, [this] {
        if (!drucken_.Raumfehler().empty()) throw Probeabbruch{};
    });
    Probefläche& fläche = *probe;
    drucken_.Auftrag(std::move(probe));
    // A measuring surface names the printer whose metrics it has.
    grundlage_.Drucker = f.Angaben().Name;
    Einrichten(duplex, landscape, w);
    if (!ausdruck) {
        SetzeUhrzeit();
        return;
    }
    // The printout's own time; what the sections draw is kept.
    zeitpunkt_ = ausdruck->zeitpunkt_;
    uhrzeit_ = ausdruck->uhrzeit_;
    aufzeichnung_ = std::make_unique<Probeaufzeichnung>();
    fläche.Aufzeichnen(*aufzeichnung_);
}

std::string ZIRVO3801Drucken::Einrichtungsprobe(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w) {
    // Each report on its own, so that the message can name it; the symbols
    // as the setting prints them.
    const Symboltexte symbole(w.Einfach);
    const auto bericht = [&](const char* name, auto&& abschnitte) {
        std::string fehler = Probelauf(f, w, false, abschnitte);
        if (!fehler.empty()) fehler += " " + DSFormat("Das betrifft @.", DS(name));
        return fehler;
    };
    std::string fehler = bericht("das Titelblatt", [](ZIRVO3801Drucken& b, bool&) { b.TitelblattFeste(); });
    if (fehler.empty()) fehler = bericht("die Testseite", [](ZIRVO3801Drucken& b, bool&) { b.TestseiteDrucken(); });
    using Teil = void (*)(ZIRVO3801Drucken&, bool&);
    const std::pair<const char*, Teil> teile[] = {
        {"das Titelblatt des Systemnachweises", [](ZIRVO3801Drucken& b, bool& x) { b.Titelblatt(false, x); }},
        {"die Zusammenfassung des Systemnachweises", [](ZIRVO3801Drucken& b, bool& x) { b.Zusammenfassung(x); }},
        {"das Protokoll des Systemnachweises", [](ZIRVO3801Drucken& b, bool& x) { b.Protokoll(x); }},
        {"die Bauteilblätter des Systemnachweises", [](ZIRVO3801Drucken& b, bool& x) { b.Bauteile(true, x); }}};
    for (int nr = 0; nr < Musterprojekt::Anzahl && fehler.empty(); ++nr) {
        const Musterprojekt::Stellvertretung muster(nr);
        for (const auto& [name, teil] : teile) {
            fehler = bericht(name, [teil](ZIRVO3801Drucken& b, bool& failed) {
                b.DruckBeginn(false);
                b.SeitentitelSetzen();
                teil(b, failed);
            });
            if (!fehler.empty()) break;
        }
    }
    return fehler;
}

Druckraster::Ausdruck ZIRVO3801Drucken::Einrichtung() {
    return {false, false, [](Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, bool) {
                return Einrichtungsprobe(f, w);
            },
            false};
}

std::string ZIRVO3801Drucken::ProbeEnde(ZIRVO3801Drucken* ausdruck, bool failed) {
    std::string fehler = drucken_.Raumfehler();
    // Pages that ran over the last row, a section that failed or a printout
    // without a page: the printout lays its sections out and says so.
    if (ausdruck && aufzeichnung_ && fehler.empty() && !failed && !drucken_.Überlauf() &&
        aufzeichnung_->Gezeichnet()) {
        ausdruck->vorlage_ = std::move(aufzeichnung_);
        ausdruck->vorlagenGrundlage_ = grundlage_;
    }
    drucken_.Auftrag(nullptr);
    return fehler;
}

bool ZIRVO3801Drucken::Abspielen(bool& failed) {
    if (!vorlage_ || !drucken_.Fläche() || !(vorlagenGrundlage_ == grundlage_)) return false;
    std::vector<std::string> abschnitte;
    try {
        drucken_.Abspielen(*vorlage_, [&](Probemarke marke, const std::string& text) {
            switch (marke) {
            case Probemarke::AbschnittBeginn: abschnitte.push_back(text); break;
            case Probemarke::AbschnittEnde: abschnitte.pop_back(); break;
            case Probemarke::Druckteil: druckteil_ = text; break;
            }
        });
    } catch (const std::exception&) {
        // As Abschnitt has it: a drawing that breaks off in a section fails
        // the printout, named from the outermost section to the innermost;
        // outside every section it goes on to the caller.
        if (abschnitte.empty()) throw;
        failed = true;
        for (const std::string& teil : abschnitte) fehlerteil_ += (fehlerteil_.empty() ? "" : ", ") + teil;
    }
    return true;
}

void ZIRVO3801Drucken::DruckteilSetzen(const std::string& teil) {
    druckteil_ = teil;
    if (aufzeichnung_) aufzeichnung_->Markieren(Probemarke::Druckteil, teil);
}

void ZIRVO3801Drucken::Einrichten(bool duplex, bool landscape) {
    Einrichten(duplex, landscape, Druckeinstellungen::Geprüft(Global::Initialisierung));
}

void ZIRVO3801Drucken::Einrichten(bool duplex, bool landscape, const Druckeinstellungen::Werte& w) {
    drucken_.Duplex(duplex);
    drucken_.Initialize(w.Schrift, w.Grösse, w.Linie);
    // The grid on the paper as the orientation has it.
    Plattform::Druckfläche& f = *drucken_.Fläche();
    f.Querformat(landscape);
    const Druckraster::Raster r = Druckraster::Seite(w, landscape, f.PapierBreite(), f.PapierHöhe());
    drucken_.ScaleA4(r.Links, r.Oben, landscape);
    drucken_.CharA4(r.Breite, r.Höhe, r.Spalten, r.Zeilen);
    grundlage_.Werte = w;
    grundlage_.Quer = landscape;
    grundlage_.ZeilenNachSchrift = Drucken::ZeilenNachSchrift;
    grundlage_.Gespiegelt = drucken_.Gespiegelt();
    einheiten_ = {"[-]",      "[m]",      "[m²]",    "[m³]",     "[W/m²K]",   "[kWh/m²]", "[W/mK]",   "[W/K]",
                  "[°C]",     "[K]",      "[m²/P]",  "[W/P]",    "[h/d]",     "[h/a]",    "[m³/h·m²]", "[kWh/m²K]",
                  "[%]",      "[m³/h]",   "[W]",     "[m²K/W]",  "[cm]",      "[kg/m³]",  "[MWh]",    "[W/m²]"};
}

bool ZIRVO3801Drucken::Beenden(bool weitereExemplare) {
    if (weitereExemplare && pdf_ && drucken_.Fläche()) {
        exemplarFolgt_ = true;
        return true;
    }
    exemplarFolgt_ = false;
    // The dry run's pages serve this printout only.
    if (!weitereExemplare) vorlage_.reset();
    std::string fehler;
    if (drucken_.Terminate(fehler)) return true;
    Fehlermeldung(DS("Der Ausdruck konnte nicht abgeschlossen werden.") + (fehler.empty() ? "" : "\r\n" + fehler));
    return false;
}

void ZIRVO3801Drucken::SetzeUhrzeit() {
    zeitpunkt_ = Plattform::umgebung().Jetzt();
    uhrzeit_ = Zeitformat("%d.%d.%04d %d:%02d:%02d", Ortszeit(*zeitpunkt_));
}

std::time_t ZIRVO3801Drucken::Zeitpunkt() const { return zeitpunkt_ ? *zeitpunkt_ : Plattform::umgebung().Jetzt(); }

void ZIRVO3801Drucken::DruckBeginn(bool einzelbauteil) {
    if (einzelbauteil) {
        dokumentart_ = DS("Einzelbauteilnachweis");
    } else {
        switch (Global::Projekt.PGetInt("ArtB")) {
        case 0: dokumentart_ = DS("Nachweis"); break;
        case 1: dokumentart_ = DS("Optimierung"); break;
        case 2: dokumentart_ = DS("Messwert"); break;
        default: break;
        }
    }
    projektname_ = Global::Projekt.PGetStr("Bez");
}

void ZIRVO3801Drucken::SeitentitelSetzen() {
    // A long project name gives way to the print time.
    drucken_.PageTitle(true, dokumentart_ + ":  " + projektname_, "      " + uhrzeit_);
}

void ZIRVO3801Drucken::AusdruckEnde() {
    drucken_.Box(1, false);
    drucken_.Text(1, 1, dokumentart_ + ":  " + DS("Ende des Ausdrucks"));
}

std::string ZIRVO3801Drucken::DruckZahl(double value, int decimals, bool showZero) {
    if (value == 0 && !showZero) return {};
    return Anzeigezahl::Festkomma(value, std::max(decimals, 0));
}

std::string ZIRVO3801Drucken::KlimastationText(const std::string& name) {
    if (name.rfind("Spezial: ", 0) == 0) return name;
    return name + "  (SIA 2028)";
}

// ---- head lines ------------------------------------------------------------

void ZIRVO3801Drucken::Kopf(const std::string& programm, int linie, const std::string& title, int number,
                            bool mitZone) {
    Drucken& d = drucken_;
    d.Box(1, false);
    d.Text(1, 1, programm);
    d.LineX(0, linie, 2, linie, false, false);
    const int r = d.Characters() - 17;
    const int spalte = linie + 2;
    if (!title.empty()) {
        d.Text(1, spalte, title, true);
        if (number > 0) d.Text(1, r - 6, std::to_string(number), false, true, 5);
    } else {
        // Project and zone, each name bold, up to the line before the time:
        // where both names do not fit, each is cut short, the zone's to no
        // less than half the room when the project's needs more.
        const Projekt& p = Global::Projekt;
        std::vector<std::pair<std::string, bool>> teile = {
            {DS("Projekt") + ":  ", false}, {p.PGetStr("Bez"), true}, {"  [" + p.PGetStr("Id") + "]", false}};
        if (mitZone && p.ZonenAnzahl() > 1)
            teile.insert(teile.end(), {{"        " + DS("Zone") + ":  ", false},
                                       {p.ZGetStr("Bez"), true},
                                       {"  [" + p.ZGetStr("Code") + "]", false}});
        double platz = (r - spalte) * d.Zellenbreite();
        std::vector<double> breite;
        for (const auto& [text, fett] : teile) {
            breite.push_back(d.Markupbreite(text, fett));
            if (!fett) platz -= breite.back();
        }
        const double projekt = breite[1], zone = teile.size() > 3 ? breite[4] : 0;
        if (projekt + zone > platz) {
            const double fürZone = std::min(zone, std::max(platz / 2, platz - projekt));
            const auto kürzen = [&](std::size_t i, double b) {
                const auto zeilen =
                    d.Umbrechen(teile[i].first, std::max(0, static_cast<int>(b / d.Zellenbreite())), true, 1);
                if (!zeilen.empty()) teile[i].first = zeilen.front();
            };
            kürzen(1, platz - fürZone);
            if (zone > 0) kürzen(4, fürZone);
        }
        d.TextBis(1, spalte, teile[0].first, false, r);
        for (std::size_t i = 1; i < teile.size(); ++i) d.TextBis(-1, 0, teile[i].first, teile[i].second, r);
    }
    d.LineX(0, r, 2, r, false, false);
    const std::tm tm = Ortszeit(Zeitpunkt());
    char zeit[32];
    std::snprintf(zeit, sizeof zeit, "%02d.%02d.%02d  %02d:%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100,
                  tm.tm_hour, tm.tm_min);
    d.Text(1, r + 2, zeit);
}

void ZIRVO3801Drucken::Kopfzeile(const std::string& title, int number) {
    Kopf(basZIRVO3801::ProgrammKurzname, 14, title, number, false);
}

void ZIRVO3801Drucken::KopfzeileZone(const std::string& title, int number) {
    Kopf(basZIRVO3801::Herstellerbezeichnung + " " + basZIRVO3801::ProgrammKurzname, 20, title, number, true);
}

// ---- test page -------------------------------------------------------------

void ZIRVO3801Drucken::TestseiteDrucken() {
    Drucken& d = drucken_;
    Plattform::Druckfläche* f = d.Fläche();
    if (!f) return;
    const std::string schrift = d.Schrift().Name;

    d.Box(5, true);
    d.Text(1, 1, basZIRVO3801::ProgrammTitel + ",  Testseite", true);
    d.Text(1, 41, Zeitformat("%02d.%02d.%04d %02d:%02d:%02d", Jetzt()), true, true, 35);
    d.LineH(2, true);
    const Plattform::Druckerangaben drucker = f->Angaben();
    d.Text(3, 1, DS("Drucker-Name"));
    d.Text(3, 24, drucker.Name, true);
    d.Text(4, 1, DS("Drucker-Treiber"));
    d.Text(4, 24, drucker.Treiber, true);
    d.Text(5, 1, DS("Drucker-Schnittstelle"));
    d.Text(5, 24, drucker.Anschluss, true);

    static const char* const hex = "0123456789ABCDEF";
    const struct {
        int satz;
        const char* titel;
    } sätze[] = {{Zeichensätze::Normal, "Normaler Zeichensatz"},
                 {Zeichensätze::Symbol, "Spezialzeichensatz"},
                 {Zeichensätze::Griechisch, "Zeichensatz mit griechischem Alphabet"}};
    for (const auto& s : sätze) {
        // The set's characters are drawn from Unicode in the face the
        // printer takes for the set (the report font's for the normal set);
        // the face shown is that one.
        d.Schriftname(schrift);
        d.Zeichensatz(s.satz);
        const std::string gefunden = f->GefundeneSchrift();
        d.Zeichensatz(Zeichensätze::Normal);
        d.Box(17, false);
        d.Text(1, 1, DS(s.titel), true);
        d.Text(-1, 0, "  (Schrift=" + gefunden + ", Zeichensatz=" + std::to_string(s.satz) + ")");
        d.LineH(2, false);
        for (int c = 0; c < 16; ++c) d.Text(3, 4 * c + 5, std::string(1, hex[c]), true);
        for (int r = 2; r < 16; ++r) d.Text(r + 2, 1, std::string(1, hex[r]), true);
        d.Zeichensatz(s.satz);
        for (int r = 2; r < 16; ++r)
            for (int c = 0; c < 16; ++c) {
                // Code 247 is the markup character in every set: it prints
                // nothing. Every other character prints as it is (the
                // symbol set's own division sign too).
                const int code = 16 * r + c;
                if (code != 247) d.TextBox(r + 2, 4 * c + 5, 3, Zeichensätze::Text(s.satz, code), false);
            }
        d.Zeichensatz(Zeichensätze::Normal);
    }
    d.Schriftname(schrift);
}

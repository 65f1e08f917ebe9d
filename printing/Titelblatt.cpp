// The cover page: a head box with the program, the print time and page 1,
// then one frame with the parties of the project, the kind of construction,
// the result of the proof and, for a proof, the signature fields. The result
// block of the system proof states the building's heating demand and heat
// load against their limits and the verdict.
#include "printing/Berichtshilfen.h"

#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "frame/Initialisierung.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOSymbole.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <vector>

using Berichtshilfen::EBFMittel;

namespace {

// The program's certification number and the maker's company and town in
// the head box of the cover.
constexpr const char* Zertifizierungsnummer = "-";
const std::string Firma = basZIRVO3801::Herstellerbezeichnung + ", Schweiz";

std::string Marke(bool gewählt) {
    return gewählt ? basZIRVOSymbole::SymbolAngekreuzt : basZIRVOSymbole::SymbolNichtAngekreuzt;
}

std::string Zahl(double x, int stellen) { return ZIRVO3801Drucken::DruckZahl(x, stellen, true); }

bool Umbau(int BvArt) { return BvArt == 1 || BvArt == 3; }

// The requirement the proof follows: the canton's regulation or the
// standard, for a new building or a conversion.
std::string Anforderungstext(bool mitZielwert) {
    const Projekt& p = Global::Projekt;
    const std::string kanton = p.PGetStr("NwKt");
    std::string text = kanton.empty() ? "SIA 380/1:2016" : kanton;
    if (Umbau(p.PGetInt("BvArt"))) return text + ", " + DS("Umbau");
    text += ", " + DS("Neubau");
    if (mitZielwert && p.PGetInt("NwAnf") == 1) text += " " + DS("Zielwert");
    return text;
}

// The building's figures over all zones, each computed anew.
struct Gebäudewerte {
    double EBF = 0, Ae = 0;
    EBFMittel Qh, Hg;
};

Gebäudewerte GebäudeRechnen() {
    Gebäudewerte g;
    const Projekt& p = Global::Projekt;
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        Berichtshilfen::ZoneRechnen(i);
        const double EBF = p.ZGetNum("EBF");
        g.EBF += EBF;
        g.Ae += p.ZGetNum("Ae");
        g.Qh.Hinzufügen(p.ZGetNum("QhNw"), EBF);
        g.Hg.Hinzufügen(p.ZGetNum("HgNw"), EBF);
    }
    return g;
}

} // namespace

void ZIRVO3801Drucken::Titelblatt(bool einzelbauteil, bool& failed) {
    Abschnitt(DS("Titelblatt"), failed, [&](bool&) {
        Drucken& d = drucken_;
        const bool kopf = d.PageTitle(false);
        TitelKopf();
        d.PageTitle(kopf);
        const int aufgabe = Global::Projekt.PGetInt("ArtB");
        int ergebnis = 0;
        d.Box(TitelZeilen, false);
        if (aufgabe == 0 || einzelbauteil) {
            TitelAdresse(1, 0);
            d.LineH(7, false);
            TitelAdresse(8, 1);
            d.LineH(13, false);
            TitelAdresse(14, 2);
            d.LineH(19, false);
            TitelAdresse(20, 3);
            d.LineH(25, false);
            TitelBauvorhaben(26, ergebnis);
            // A result block that cannot be printed is left out; the cover
            // goes on.
            bool ohneErgebnis = false;
            if (einzelbauteil) EBNachweisErgebnis(29, ohneErgebnis);
            else SystemnachweisErgebnis(29, ergebnis);
            d.LineH(45, false);
            TitelUnterschriften(46);
        } else {
            TitelAdresse(2, 0);
            d.LineH(9, false);
            TitelAdresse(11, 1);
            d.LineH(17, false);
            TitelAdresse(19, 2);
            d.LineH(25, false);
            TitelBauvorhaben(26, ergebnis);
            if (aufgabe == 1)
                OptimierungErgebnis(29, DS("Optimierung"), DS("Planung und Optimierung"), ergebnis);
            else
                OptimierungErgebnis(29, DS("Messwert"), DS("Vergleich mit gemessenen Werten"), ergebnis);
        }
        if (Global::Initialisierung.DruckerDateiname) d.Text(TitelZeilen + 2, 1, "÷÷" + Global::Projekt.Dateiname());
    });
}

void ZIRVO3801Drucken::TitelblattFeste() {
    TitelKopf();
    drucken_.Box(TitelZeilen, false);
    for (int i = 0; i < 4; ++i) TitelAdresse(i == 0 ? 1 : 2 + 6 * i, i);
    int ergebnis = 0;
    TitelBauvorhaben(26, ergebnis);
    TitelUnterschriften(46);
}

void ZIRVO3801Drucken::TitelKopf() {
    Drucken& d = drucken_;
    d.Box(TitelKopfZeilen, false);
    d.Text(1, 1,
           basZIRVO3801::Herstellerbezeichnung + " " + basZIRVO3801::ProgrammKurzname + ", Version " +
               basZIRVO3801::ProgrammVersion);
    d.Text(1, 28, DSFormat("BFE/EnFK-Zert.-Nr. @", Zertifizierungsnummer));
    d.Text(1, 46, Firma, false, true, 30);
    d.Text(2, 28, DS("Ausgedruckt am:") + "  " + uhrzeit_);
    d.Text(2, 46, DSFormat("Seite @", "1"), false, true, 30);
}

void ZIRVO3801Drucken::TitelAdresse(int r, int party) {
    static const char* const schlüssel[] = {"Bv", "Bh", "Pv", "Nv"};
    if (party < 0 || party > 3) return;
    std::vector<std::string> t(party == 0 ? 6 : 9);
    if (const KollektionZeiger adresse = Global::Projekt.PGetColl(schlüssel[party]))
        for (int i = 1; i < static_cast<int>(t.size()) && i <= adresse->Anzahl(); ++i)
            t[static_cast<std::size_t>(i)] = adresse->Text(i);
    Drucken& d = drucken_;
    if (party == 0) {
        const Projekt& p = Global::Projekt;
        d.Text(r, 1, DS("Projekt"));
        d.Text(r, 38, DS("Bezeichnung") + ":");
        // The address up to the labels at column 38; the values behind
        // them stop at the frame.
        for (int i = 1; i <= 5; ++i) d.TextBis(r + i, 3, t[static_cast<std::size_t>(i)], true, 37);
        d.Text(r + 1, 40, p.PGetStr("Bez"), true);
        d.Text(r + 2, 38, DS("Akten-Nr.") + ":");
        d.Text(r + 3, 40, p.PGetStr("AktNr"), true);
        d.Text(r + 4, 38, DS("Stand") + ", " + DS("Version") + ":");
        d.Text(r + 5, 40, p.PGetStr("Stand"), true);
        return;
    }
    const std::string überschrift[] = {"", DS("Bauherrschaft") + "  (" + DS("ev. Vertreter") + ")",
                                       DS("Verfasser Wärmedämmprojekt"), DS("Verfasser Nachweis")};
    d.Text(r, 1, überschrift[party]);
    d.Text(r, 38, DS("Sachbearbeiter"));
    for (int i = 1; i <= 4; ++i) d.TextBis(r + i, 3, t[static_cast<std::size_t>(i)], true, 37);
    const char* const labels[] = {"Name", "Tel.", "Fax", "E-Mail"};
    for (int i = 0; i < 4; ++i) {
        d.Text(r + 1 + i, 38, DS(labels[i]) + ":");
        d.Text(r + 1 + i, 45, t[static_cast<std::size_t>(5 + i)], true);
    }
}

void ZIRVO3801Drucken::TitelBauvorhaben(int r, int& result) {
    const int art = Global::Projekt.PGetInt("BvArt");
    result = art < 0 || art > 3 ? -1 : 0;
    if (result < 0) return;
    Drucken& d = drucken_;
    d.Text(r, 1, DS("Art des Bauvorhabens") + ":");
    // In this order, not in the order of the codes.
    const struct {
        int spalte, code;
        const char* name;
    } wahl[] = {{22, 0, "Neubau"}, {34, 2, "Anbau"}, {46, 1, "Umbau"}, {58, 3, "Umnutzung"}};
    for (const auto& w : wahl) d.Text(r, w.spalte, Marke(art == w.code) + " " + DS(w.name));
}

void ZIRVO3801Drucken::TitelUnterschriften(int r) {
    Drucken& d = drucken_;
    const int n = d.TextBox(r, 1, 75,
                            DS("Die Unterzeichnenden bestätigen hiermit mit ihrer Unterschrift die Richtigkeit und "
                               "Vollständigkeit der in diesem Nachweis gemachten Angaben:"),
                            false);
    const int r1 = r + n + 1;
    d.Text(r1, 25, DS("Datum"));
    d.Text(r1, 42, DS("Unterschrift"));
    for (const auto& [zeile, wer] : {std::pair{r1 + 3, "Wärmedämmprojekt"}, std::pair{r1 + 7, "Nachweis"}}) {
        d.Text(zeile, 1, DS("Verfasser"));
        d.Text(zeile + 1, 1, DS(wer));
        d.Text(zeile + 1, 25, std::string(30, '.'));
        d.Text(zeile + 1, 42, std::string(60, '.'));
    }
}

// ---- result blocks -----------------------------------------------------------

double ZIRVO3801Drucken::MaxVorlauftemperatur() {
    const Projekt& p = Global::Projekt;
    double max = 0;
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) max = std::max(max, p.Zone_GetNum(i, "VTHB"));
    return max;
}

double ZIRVO3801Drucken::RegelungszuschlagText(std::string& system) {
    const Projekt& p = Global::Projekt;
    double max = 0;
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) max = std::max(max, p.Zone_GetNum(i, "RZ"));
    if (max == 0) system = DSFormat("Einzelraum oder Vorlauf @ <= 30 °C", basZIRVOSymbole::SymbolTheta + "÷(H,max)");
    else if (max == 1) system = DS("Referenzraum");
    else if (max == 2) system = DS("andere");
    else system = "?";
    return max;
}

void ZIRVO3801Drucken::HeizlastWerte(std::string& label, double& Ph, double& PhLimit, bool& limitShown,
                                     bool& corrected, bool& rowShown) {
    label = DS("Heizlast");
    limitShown = false;
    corrected = Global::Klimastation_MB2028.TaMin() < -8.0;
    bool gemischt = false;
    EBFMittel alle, kategorien, grenzen;
    const Projekt& p = Global::Projekt;
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        Berichtshilfen::ZoneRechnen(i);
        const double EBF = p.ZGetNum("EBF");
        const int Gk = p.ZGetInt("Gk");
        if (Gk >= 1 && Gk <= 4) {
            limitShown = true;
            kategorien.Hinzufügen(p.ZGetNum("PhNw"), EBF);
            grenzen.Hinzufügen(p.ZGetNum("PhNwGw"), EBF);
        } else {
            gemischt = true;
        }
        alle.Hinzufügen(p.ZGetNum("PhNw"), EBF);
    }
    if (limitShown && gemischt) label += "  (" + DS("Kat. I-IV") + ")";
    Ph = limitShown ? kategorien.Wert() : alle.Wert();
    PhLimit = limitShown ? grenzen.Wert() : 0;
    if (Umbau(p.PGetInt("BvArt"))) limitShown = false;
    rowShown = true;
}

void ZIRVO3801Drucken::SystemnachweisErgebnis(int r, int& result) {
    const Projekt& p = Global::Projekt;
    const int BvArt = p.PGetInt("BvArt");
    result = BvArt < 0 || BvArt > 3 ? -1 : 0;
    if (result < 0) return;
    const bool ziel = p.PGetInt("NwAnf") == 1;
    const std::string& theta = basZIRVOSymbole::SymbolTheta;
    Drucken& d = drucken_;

    d.Text(r, 1, DS("Systemnachweis"), true);
    d.LineX(r + 1, 0, r + 1, 75, true, false);
    d.Text(r + 2, 1, DS("Anforderung gemäss:"));
    d.Text(r + 2, 25, Anforderungstext(true), true);
    d.Text(r + 3, 1, DS("Kanton:"));
    d.Text(r + 3, 25, p.PGetStr("Kanton"), true);
    d.Text(r + 4, 1, DS("Klimastation:"));
    d.Text(r + 4, 25, KlimastationText(p.PGetStr("KlSt")), true);

    const Gebäudewerte g = GebäudeRechnen();
    const double Qh = basZIRVO3801::Runden(g.Qh.Wert(), 1);
    const double grenze = basZIRVO3801::Runden(Berichtshilfen::Grenzwert(g.Hg.Wert()), 1);
    std::string heizlast;
    double Ph = 0, PhGrenze = 0;
    bool mitGrenze = false, korrigiert = false, zeile = false;
    HeizlastWerte(heizlast, Ph, PhGrenze, mitGrenze, korrigiert, zeile);
    Ph = basZIRVO3801::Runden(Ph, 1);
    PhGrenze = basZIRVO3801::Runden(PhGrenze, 1);

    d.Text(r + 6, 1, DS("Energiebezugsfläche") + "  (" + DS("EBF") + ")");
    d.Text(r + 6, 25, "A÷(E)");
    d.Text(r + 6, 28, Zahl(g.EBF, 1), true, true, 9);
    d.Text(r + 6, 38, einheiten_[E_m2]);
    d.Text(r + 6, 45, DS("Gebäudehüllzahl"));
    d.Text(r + 6, 62, "A÷(th)/A÷(E)");
    d.Text(r + 6, 70, Zahl(Berichtshilfen::Anteil(g.Ae, g.EBF), 2), true, true, 4);
    Gebäudehülle& hülle = Gebäudehülle::Instanz();
    d.Text(r + 7, 1, DS("Verschattungsfaktor der Fassade mit der grössten verglasten Fläche"));
    d.Text(r + 7, 62, "f÷(S)");
    d.Text(r + 7, 70, Zahl(hülle.Systemnachweis_FS(), 2), true, true, 4);
    d.Text(r + 8, 1, DS("Summe der Länge aller Wärmebrücken"));
    d.Text(r + 8, 62, "l");
    d.Text(r + 8, 64, Zahl(hülle.Systemnachweis_WB(), 0), true, true, 7);
    d.Text(r + 8, 72, einheiten_[E_m]);
    const bool bodenheizung = hülle.Systemnachweis_Bodenheizung();
    d.Text(r + 9, 1, DS("Gebäude mit Bodenheizung"));
    d.Text(r + 9, 25, bodenheizung ? DS("ja") : DS("nein"), true);
    if (bodenheizung) {
        d.Text(r + 9, 35, DS("Auslegung Vorlauf"));
        d.Text(r + 9, 52, theta + "÷(H,max)");
        d.Text(r + 9, 58, Zahl(MaxVorlauftemperatur(), 0), true, true, 3);
        d.Text(r + 9, 62, einheiten_[E_GradC]);
    }
    std::string system;
    const double RZ = RegelungszuschlagText(system);
    d.Text(r + 10, 1, DS("Regelungszuschlag"));
    d.Text(r + 10, 18, basZIRVOSymbole::SymbolDelta + theta + "÷(i)");
    d.Text(r + 10, 25, Zahl(RZ, 0), true, true, 1);
    d.Text(r + 10, 27, einheiten_[E_K]);
    d.Text(r + 10, 35, DS("System") + ":");
    d.Text(r + 10, 43, system, true);

    int h = r + 12;
    d.Text(h, 1, DS("Heizwärmebedarf"), true);
    d.Text(h, 20, DS("Projektwert") + "  Q÷(H)", true);
    d.Text(h, 32, Zahl(Qh, 1), true, true, 6);
    d.Text(h, 39, einheiten_[E_kWh_m2], true);
    d.Text(h, 48, ziel ? DS("Zielwert") + "  " + "Q÷(H,ta)" : DS("Grenzwert") + "  " + "Q÷(H,li)", true);
    d.Text(h, 61, Zahl(grenze, 1), true, true, 6);
    d.Text(h, 68, einheiten_[E_kWh_m2], true);

    ++h;
    const std::string PhName = korrigiert ? DS("P÷(h,li,korr)") : DS("P÷(h,li)");
    d.Text(h, 1, heizlast, true);
    d.Text(h, 20, DS("Projektwert") + "  P÷(h)", true);
    d.Text(h, 32, Zahl(Ph, 1), true, true, 6);
    d.Text(h, 39, einheiten_[E_W_m2], true);
    if (mitGrenze) {
        d.Text(h, 48, DS("Grenzwert") + "  " + PhName, true);
        d.Text(h, 61, Zahl(PhGrenze, 1), true, true, 6);
        d.Text(h, 68, einheiten_[E_W_m2], true);
    }

    // The verdict on the values as printed.
    bool erfüllt = Qh <= grenze;
    std::string geprüft = DS("Q÷(H,li)");
    if (mitGrenze) {
        erfüllt = erfüllt && Ph <= PhGrenze;
        geprüft += " und " + PhName;
    }
    h += 2;
    d.Text(h, 1, DS("Systemanforderung") + " " + geprüft, true);
    d.Text(h, 35, Marke(erfüllt) + "  " + DS("erfüllt"), true);
    d.Text(h, 47, Marke(!erfüllt) + "  " + DS("nicht erfüllt"), true);
}

void ZIRVO3801Drucken::OptimierungErgebnis(int r, const std::string& title, const std::string& subtitle,
                                           int& result) {
    const Projekt& p = Global::Projekt;
    const int BvArt = p.PGetInt("BvArt");
    result = BvArt < 0 || BvArt > 3 ? -1 : 0;
    if (result < 0) return;
    Drucken& d = drucken_;
    d.Text(r, 1, title, true);
    d.Text(-1, 0, "  (" + subtitle + ")");
    d.LineX(r + 1, 0, r + 1, 65, true, false);
    d.Text(r + 3, 1, DS("Berechnung gemäss:"));
    d.Text(r + 3, 22, Anforderungstext(false), true);
    d.Text(r + 4, 1, DS("Klimastation:"));
    d.Text(r + 4, 22, KlimastationText(p.PGetStr("KlSt")), true);

    const Gebäudewerte g = GebäudeRechnen();
    d.Text(r + 6, 1, DS("Energiebezugsfläche") + "  (" + DS("EBF") + ")");
    d.Text(r + 6, 28, "A÷(E)");
    d.Text(r + 6, 34, Zahl(g.EBF, 1), true, true, 7);
    d.Text(r + 6, 42, einheiten_[E_m2]);
    d.Text(r + 7, 1, DS("Gebäudehüllzahl"));
    d.Text(r + 7, 28, "A÷(th)/A÷(E)");
    d.Text(r + 7, 34, Zahl(Berichtshilfen::Anteil(g.Ae, g.EBF), 2), true, true, 7);
    d.Text(r + 7, 42, einheiten_[E_Ohne]);
    d.Text(r + 9, 1, DS("Projektwert Heizwärmebedarf"), true);
    d.Text(r + 9, 28, "Q÷(H)");
    d.Text(r + 9, 34, Zahl(basZIRVO3801::Runden(g.Qh.Wert(), 1), 1), true, true, 7);
    d.Text(r + 9, 42, einheiten_[E_kWh_m2]);
}

// The report class: every printout of the program is a sequence of calls
// on one ZIRVO3801Drucken, which draws through the page engine it owns.
//
// Call order: Initialisieren (False: nothing is printed), for whole reports
// SetzeUhrzeit and DruckBeginn, then the sections, then Beenden, which ends
// the printer document. The print dialogs and the windows' printouts lay
// the sections out in a dry run first (VorDemDruck) and hand them to
// Ausdrucken after each Initialisieren, which draws the pages of the dry
// run on the job instead of laying them out again. Callers: the print
// dialog of the system proof (frmDrucken), the printer settings dialog
// (test page), the monthly energy table (Energien), the material window
// (Baustoffliste), the component editor (Bauteil, Fenster, Wärmebrücke),
// the print dialog of the single-component proof (Titelblatt,
// Nachweis_Einzelbauteil) and the check whether printing is set up
// (DruckerOK).
//
// A section that fails sets its failed flag and names itself (Fehlerteil);
// the caller prints nothing further and lets the document go unfinished
// (Abbrechen), so a PDF file is never written half.
//
// Positions are cells of the character grid (portrait 79 x 66, landscape
// 128 x 41); rows count from the top frame row of the last box. Every
// literal passes through the dialog language; numbers are written by
// DruckZahl with the user's decimal separator.
#pragma once

#include "frame/basZIRVO_Array.h"
#include "frame/Initialisierung.h"
#include "printing/Druckeinstellungen.h"
#include "printing/Drucken.h"
#include "printing/Druckraster.h"

#include <array>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

class Baustoff;

class ZIRVO3801Drucken {
public:
    // The 24 unit labels of the tables, in this order.
    enum Einheit {
        E_Ohne, E_m, E_m2, E_m3, E_W_m2K, E_kWh_m2, E_W_mK, E_W_K, E_GradC, E_K, E_m2_P, E_W_P,
        E_h_d, E_h_a, E_m3_hm2, E_kWh_m2K, E_Prozent, E_m3_h, E_W, E_m2K_W, E_cm, E_kg_m3, E_MWh, E_W_m2
    };

    // The rows of the cover's head box and frame and of the energy table:
    // the tallest parts of a page that are never broken over pages.
    static constexpr int TitelKopfZeilen = 2, TitelZeilen = 58, EnergieZeilen = 34;
    // The rows a page must have for them, frame rows included: the cover
    // (its head box, its frame, the file name below when printed) in
    // portrait, the energy table (its head line, its table, the note below)
    // in landscape.
    static constexpr int GrössterTeil(bool landscape, bool dateiname) {
        return landscape ? 3 + EnergieZeilen + 3 : TitelKopfZeilen + 2 + TitelZeilen + 2 + (dateiname ? 1 : 0);
    }

    ZIRVO3801Drucken() = default;
    ZIRVO3801Drucken(const ZIRVO3801Drucken&) = delete;
    ZIRVO3801Drucken& operator=(const ZIRVO3801Drucken&) = delete;

    // False when the system has no printer; else True when the printer of
    // the settings is installed. Settings that name no printer yet take the
    // program's PDF printer (Druckeinstellungen::DruckerVorgabe).
    bool DruckerOK();
    // Chooses the printer of the settings and starts a document on it (the
    // PDF printer asks for its file first), with the font, line width and
    // margins of the settings: portrait 79 x 66 cells, landscape 128 x 41.
    // False when nothing can be printed: a setting lies out of its range or
    // the font does not fit the grid (said in a message, before the file is
    // asked for), the printer is gone (said too), cannot print (said too),
    // or the user cancelled the file.
    // After Beenden(true) on the PDF printer it starts the next copy in the
    // document still open, without asking again.
    bool Initialisieren(bool duplex, bool landscape);
    // Ends the document. False when it could not be finished (the PDF file
    // not written, for instance), after a message saying so.
    // weitereExemplare: more copies of the printout follow. A system printer
    // gets every copy as a job of its own; the PDF printer keeps its
    // document open, so that all copies go into the one file asked for.
    bool Beenden(bool weitereExemplare = false);
    void Duplex(bool on) { drucken_.Duplex(on); }

    // A dry run: the sections laid out once on the measuring surface f (the
    // printer's, which stays its caller's) with the settings w (nothing
    // printed, no file asked for). "" when every text of them kept its room;
    // else what does not fit, naming the first text that leaves its room
    // (the layout stops at the end of that page).
    // ausdruck: the printout the dry run is for, printed with duplex: the
    // dry run takes its print time and lays out its pages as its job would
    // (back pages mirrored on both sides); where every section passes, the
    // printout keeps what was drawn and draws it on its job (Ausdrucken).
    template <class Abschnitte>
    static std::string Probelauf(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, bool landscape,
                                 Abschnitte&& abschnitte, ZIRVO3801Drucken* ausdruck = nullptr,
                                 bool duplex = false) {
        ZIRVO3801Drucken probe;
        probe.ProbeBeginnen(f, w, landscape, ausdruck, duplex);
        bool failed = false;
        try {
            abschnitte(probe, failed);
        } catch (const Probeabbruch&) {
        } catch (...) {
            // The printout itself will say so.
            return {};
        }
        return probe.ProbeEnde(ausdruck, failed);
    }
    // The set-up dialog's trial of settings, upright and without rows by
    // font height: the cover's fixed parts and the test page, and the
    // system proof (cover, summary, protocol, component sheets) of every
    // reference project (Musterprojekt), which exercise every fixed text of
    // the reports; "" when each text keeps its room, else what leaves it
    // and in which report. A setting it passes prints the system proof of
    // any project as far as its fixed texts go.
    static std::string Einrichtungsprobe(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w);
    // That trial as a way the settings are printed.
    static Druckraster::Ausdruck Einrichtung();
    // The same before this printout, with the printer, settings, duplex
    // mode and print time it prints with (the print time taken now where
    // none was): False, said in a message, when the settings do not fit
    // (Initialisieren) or a text would leave its room; the printout is then
    // not begun. The message names what prints the sections instead, also
    // passing the set-up dialog's trial (so that it can be stored);
    // zeilenwahl: the printout's rows by font height are the user's choice.
    // When it passes, the pages it laid out are the printout's (Ausdrucken).
    template <class Abschnitte>
    bool VorDemDruck(bool duplex, bool landscape, Abschnitte&& abschnitte, bool zeilenwahl = false) {
        vorlage_.reset();
        if (!zeitpunkt_) SetzeUhrzeit();
        Druckeinstellungen::DruckerVorgabe(Global::Initialisierung);
        const Initialisierung& ini = Global::Initialisierung;
        const Druckraster::Ausdruck druck{
            landscape, Drucken::ZeilenNachSchrift,
            [&](Plattform::Druckfläche& f, const Druckeinstellungen::Werte& v, bool zeilenNachSchrift) {
                const Drucken::ZeilenNachSchriftSetzen zeilen(zeilenNachSchrift);
                return Probelauf(f, v, landscape, abschnitte, this, duplex);
            },
            zeilenwahl};
        const std::string fehler = Druckraster::Druckermeldung(ini.DruckerName, Druckeinstellungen::Gelesen(ini),
                                                               {druck}, {Einrichtung()}, ini.DruckerDateiname);
        if (fehler.empty()) return true;
        vorlage_.reset();
        Einstellungsfehler(fehler);
        return false;
    }
    // The sections on the job that Initialisieren set up, each copy alike:
    // the pages of the dry run before it (VorDemDruck) drawn as they were
    // laid out, where that passed on the measuring surface of this printer
    // with this set-up; else laid out as the sections lay them out. A
    // drawing that breaks off fails as the section it belongs to would
    // (failed, Fehlerteil and Druckteil as the laying out leaves them).
    template <class Abschnitte> void Ausdrucken(Abschnitte&& abschnitte, bool& failed) {
        failed = false;
        if (!Abspielen(failed)) abschnitte(*this, failed);
    }
    // The part of the printout the caller prints next ("" none), for its
    // message when the printout fails; drawn from a dry run, the part the
    // drawing has reached.
    void DruckteilSetzen(const std::string& teil);
    const std::string& Druckteil() const { return druckteil_; }
    // The print time of a whole report: now, as "d.m.yyyy h:mm:ss"; the
    // head lines print it too (until it is set they print the time they
    // are drawn at).
    void SetzeUhrzeit();
    // The kind of document (by the task "ArtB", or the single-component
    // proof) and the project name for the page titles.
    void DruckBeginn(bool einzelbauteil);

    // --- the system proof ---
    // The whole system proof: page title, cover, summary, protocol and
    // component sheets (each from a new sheet), end box. True when a section
    // failed; nothing is printed after it.
    bool Nachweis_Systemnachweis(bool auchUngenutzte);
    // The cover: parties, kind of construction, the result of the proof
    // (with einzelbauteil that of the single-component proof) and, for a
    // proof, the signature fields.
    void Titelblatt(bool einzelbauteil, bool& failed);
    // All zones side by side: zones, limit values, envelope, single
    // components, special inputs, energy balance and heat load.
    void Zusammenfassung(bool& failed);
    // Project data, zones table and the protocol of every zone.
    void Protokoll(bool& failed);
    // The protocol of one zone (0-based), which becomes current and is
    // computed anew.
    void Nutzungszone(int zone, bool& failed);
    // The part of the printout that failed, "" while none did.
    const std::string& Fehlerteil() const { return fehlerteil_; }
    // Lets the open document go unfinished: nothing more reaches the
    // printer, a PDF file is not written.
    void Abbrechen() {
        drucken_.Auftrag(nullptr);
        exemplarFolgt_ = false;
        vorlage_.reset();
    }

    // --- sections ---
    // The legend box and the sheets of the items in use (all of them with
    // auchUngenutzte): components, then windows, then thermal bridges.
    void Bauteile(bool auchUngenutzte, bool& failed);
    // The head line and the sheet of one item, for the component editor.
    void Bauteil(int nr, bool& failed);
    void Fenster(int nr, bool& failed);
    void Wärmebrücke(int nr, bool& failed);
    // The monthly energy balance of the current zone on a landscape page.
    void Energien(bool& failed);
    // The whole material database (Global::Baustoff, or the one given; open),
    // page by page.
    void Baustoffliste(bool& failed);
    void Baustoffliste(Baustoff& datenbank, bool& failed);
    // The single-component proof as stored in the project: cover with its
    // result, the tables of its rows, the legend and the sheets of the items
    // its rows name, the end box.
    void Nachweis_Einzelbauteil(bool& failed);
    // The printer's identity and the three character sets.
    void TestseiteDrucken();
    // The parts of the cover that need no zone computed: its head, the
    // parties, the kind of construction and the signature fields (the
    // set-up dialog lays them out to see that each text keeps its room).
    void TitelblattFeste();

    // --- helpers of every section ---
    // The value with decimals fixed ("0" for decimals 0 or less) and the
    // user's decimal separator; "" for 0 unless showZero.
    static std::string DruckZahl(double value, int decimals, bool showZero);
    // The station's printed name: "Spezial: ..." as it is, others with
    // "  (SIA 2028)".
    static std::string KlimastationText(const std::string& name);

    // The legend of the surveillance codes and the sheets of single items
    // (also for the single-component proof printout).
    void EinzelbauteileLegende();
    void BauteilBlatt(int nr);
    void FensterBlatt(int nr);
    void WärmebrückeBlatt(int nr);

    // The page engine, the unit labels and the fields of the printout.
    Drucken& Seiten() { return drucken_; }
    const std::string& Einheitstext(Einheit e) const { return einheiten_[e]; }
    const std::string& Dokumentart() const { return dokumentart_; }
    const std::string& Projektname() const { return projektname_; }
    const std::string& Uhrzeit() const { return uhrzeit_; }
    // Page title "kind:  project      time" from now on; end box of a report.
    void SeitentitelSetzen();
    void AusdruckEnde();

private:
    Drucken drucken_;
    std::string dokumentart_;
    std::string projektname_;
    std::string uhrzeit_;
    std::optional<std::time_t> zeitpunkt_; // the print time, once taken
    std::string druckteil_;
    std::array<std::string, 24> einheiten_{};
    std::array<bool, 12> heizmonate_{};
    std::string fehlerteil_;
    bool pdf_ = false;           // the job is on the PDF printer
    bool exemplarFolgt_ = false; // its document stays open for the next copy
    // The element types of the envelope table being printed: code, name,
    // area unit, U unit, loss unit.
    std::array<std::array<std::string, 5>, 5> elementtypen_{};

    // Runs one section (teil: its name as printed): a section that fails, or
    // breaks off with an exception, leaves failed set and its name in
    // Fehlerteil.
    // The job on the printer of the settings (the PDF printer asks for its
    // file); False, said in a message where needed, when there is none.
    bool AuftragBeginnen();
    // A dry run stops at the end of the page where a text left its room.
    struct Probeabbruch {};
    // What a page's layout depends on beside the sections: the printer whose
    // metrics it is measured with, the settings, the orientation, rows by
    // font height and mirrored back pages.
    struct Grundlage {
        std::string Drucker;
        Druckeinstellungen::Werte Werte{};
        bool Quer = false, ZeilenNachSchrift = false, Gespiegelt = false;
        bool operator==(const Grundlage&) const = default;
    };
    Grundlage grundlage_; // of the job, or of the dry run's surface
    // A dry run's drawing while it lays out (for a printout); a printout's
    // dry run that passed, and the set-up it was laid out with.
    std::unique_ptr<Probeaufzeichnung> aufzeichnung_, vorlage_;
    Grundlage vorlagenGrundlage_;
    // The dry run on the measuring surface f with the settings w, for the
    // printout ausdruck (if any) with its duplex mode.
    void ProbeBeginnen(Plattform::Druckfläche& f, const Druckeinstellungen::Werte& w, bool landscape,
                       ZIRVO3801Drucken* ausdruck, bool duplex);
    // What did not fit, ""; a dry run for a printout whose sections all
    // passed leaves its drawing with the printout.
    std::string ProbeEnde(ZIRVO3801Drucken* ausdruck, bool failed);
    // The dry run's pages drawn on the job, where they are this job's; False
    // when the sections are to be laid out.
    bool Abspielen(bool& failed);
    // The print time taken, else now.
    std::time_t Zeitpunkt() const;
    static void Einstellungsfehler(const std::string& fehler);
    void Einrichten(bool duplex, bool landscape, const Druckeinstellungen::Werte& w);
    // Font, line width, margins, duplex and grid of the settings.
    void Einrichten(bool duplex, bool landscape);
    // Whether the settings can be printed in that orientation: in range, the
    // font fitting the grid (Druckraster); else False, said in a message.
    static bool EinstellungenPassen(bool landscape);

    template <class F> void Abschnitt(const std::string& teil, bool& failed, F&& abschnitt);

    // cover and its result blocks
    void TitelKopf();
    void TitelAdresse(int row, int party);
    void TitelBauvorhaben(int row, int& result);
    void TitelUnterschriften(int row);
    void SystemnachweisErgebnis(int row, int& result);
    void OptimierungErgebnis(int row, const std::string& title, const std::string& subtitle, int& result);
    double MaxVorlauftemperatur();
    double RegelungszuschlagText(std::string& system);
    void HeizlastWerte(std::string& label, double& Ph, double& PhLimit, bool& limitShown, bool& corrected,
                       bool& rowShown);
    // summary
    void ThermischeZonen(bool& failed);
    void Grenzwerte(bool& failed);
    void Energiebilanz(bool& failed);
    void Heizlast(bool& failed);
    void SpezielleEingabedaten(bool& failed);
    void GebäudehülleZusammenfassung(bool& failed);
    void GebäudehülleTabelle(bool alleZonen);
    void Einzelbauteile(bool& failed);
    static double Dämmstärke(int number);
    // protocol
    void Projektdaten(bool& failed);
    void AufgabenstellungZeile(int row);
    void Nutzungsdaten();
    void Energiebezugsflächen();
    void HülleAussenluft();
    void HülleUnbeheizt();
    void HülleFenster();
    void Hülle(int art);
    void Lüftung();
    void LüftungNatürlich();
    void LüftungMechanisch();
    void LüftungKombiniert();
    void LüftungsgerätDaten(int row, double ebf);
    void Wärmeeinträge();
    void Heizwärmebedarf();
    void StandardwertZeile(int row, const std::string& label, double standard, const std::string& unit,
                           const char* key, int decimals);
    void WertZeile(int row, const std::string& label, const char* key, const std::string& unit, int decimals);
    void KeineEinträge(const std::string& title);
    void ElementtypenSetzen(int kind);

    void Kopfzeile(const std::string& title, int number);
    void KopfzeileZone(const std::string& title, int number);
    void Kopf(const std::string& programm, int linie, const std::string& title, int number, bool mitZone);
    void BaustoffZeile(const Baustoff& b, int row);
    // The single-component proof: the tables of its rows, whether a row
    // names the item, and the result block of its cover from the given row.
    void EBZusammenfassung(bool& failed);
    static bool EBBauteilVerwendet(int nr, bool fenster);
    static bool EBWärmebrückeVerwendet(int nr);
    void EBNachweisErgebnis(int row, bool& failed);
    // One row of the energy table: year and months, 3 decimals or 2.
    void EnergieZeile(int& row, const std::string& label, const Monatsarray& values, bool dreiStellen, bool bold);
};

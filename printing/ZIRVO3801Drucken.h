// The report class: every printout of the program is a sequence of calls
// on one ZIRVO3801Drucken, which draws through the page engine it owns.
//
// Call order: Initialisieren (False: nothing is printed), for whole reports
// SetzeUhrzeit and DruckBeginn, then the sections, then Beenden, which ends
// the printer document. Callers: the printer settings dialog (test page),
// the monthly energy table (Energien), the material window (Baustoffliste),
// the component editor (Bauteil, Fenster, Wärmebrücke), the print dialog of
// the single-component proof (Titelblatt, Nachweis_Einzelbauteil) and the
// check whether printing is set up (DruckerOK).
//
// Positions are cells of the character grid (portrait 79 x 66, landscape
// 128 x 41); rows count from the top frame row of the last box. Every
// literal passes through the dialog language; numbers are written by
// DruckZahl with the user's decimal separator.
#pragma once

#include "frame/basZIRVO_Array.h"
#include "printing/Drucken.h"

#include <array>
#include <string>

class Baustoff;

class ZIRVO3801Drucken {
public:
    // The 24 unit labels of the tables, in this order.
    enum Einheit {
        E_Ohne, E_m, E_m2, E_m3, E_W_m2K, E_kWh_m2, E_W_mK, E_W_K, E_GradC, E_K, E_m2_P, E_W_P,
        E_h_d, E_h_a, E_m3_hm2, E_kWh_m2K, E_Prozent, E_m3_h, E_W, E_m2K_W, E_cm, E_kg_m3, E_MWh, E_W_m2
    };

    ZIRVO3801Drucken() = default;
    ZIRVO3801Drucken(const ZIRVO3801Drucken&) = delete;
    ZIRVO3801Drucken& operator=(const ZIRVO3801Drucken&) = delete;

    // False when the system has no printer; else True when the printer of
    // the settings is installed.
    bool DruckerOK();
    // Chooses the printer of the settings and starts a document on it (the
    // PDF printer asks for its file first), with the font, line width and
    // margins of the settings: portrait 79 x 66 cells, landscape 128 x 41.
    // False when nothing can be printed: the printer is gone (said in a
    // message), cannot print (said too), or the user cancelled the file.
    bool Initialisieren(bool duplex, bool landscape);
    // Ends the document. False when it could not be finished (the PDF file
    // not written, for instance), after a message saying so.
    bool Beenden();
    void Duplex(bool on) { drucken_.Duplex(on); }
    // The print time of a whole report: now, as "d.m.yyyy h:mm:ss".
    void SetzeUhrzeit();
    // The kind of document (by the task "ArtB", or the single-component
    // proof) and the project name for the page titles.
    void DruckBeginn(bool einzelbauteil);

    // --- sections ---
    // The cover page; einzelbauteil: with the single-component proof's result.
    void Titelblatt(bool einzelbauteil, bool& failed);
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
    std::array<std::string, 24> einheiten_{};
    std::array<bool, 12> heizmonate_{};

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

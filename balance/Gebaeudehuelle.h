// The envelope records of all zones: one record per row of the three
// envelope tables (outside air, unheated rooms and earth, windows and doors)
// with the row's inputs and its monthly losses and gains as the last
// computation of its zone left them. The zone computation fills it row by
// row; the proofs, the component-loss table and the printout take their
// sums from it.
//
// The records belong to the open project as it stands: whenever the
// project's structure mark changes (a project opened, created, emptied or
// closed, zones deleted or reordered), every record is dropped on the next
// use, and every sum covers only zones that exist.
#pragma once

#include "frame/basZIRVO_Array.h"

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

// One envelope row.
struct GebäudehülleElement {
    std::int16_t Zone = 0;      // zone index
    std::int16_t Art = 0;       // 1 outside air ("A_"), 2 unheated rooms, earth, neighbours ("U_"), 3 windows ("F_")
    std::int16_t Zeile = 0;     // row index in its table
    std::string Code;           // "D", "W", "B", "l", "p" (kinds 1, 2); "F", "T", "l", "p" (kind 3)
    double Fläche = 0;          // m² (length for "l", count for "p")
    std::int16_t Bt = 0;        // item number, 0 = none
    double U = 0;               // U value (Psi, Chi for bridges)
    bool Heizung = false;       // component heating / radiator in front
    std::string Orientierung;   // orientation as typed
    std::int16_t Neigung = 0;   // kind 3: tilt in degrees
    double bu = 0;              // kind 2: reduction toward an unheated room
    double bG = 0;              // kind 2: reduction toward earth
    std::string Tin;            // kind 2: neighbour temperature or zone code as entered
    double g = 0;               // kind 3: total energy transmittance
    double FF = 0;              // kind 3: glazing fraction
    double fS1 = 0;             // kind 3: horizon shading
    double fS23 = 0;            // kind 3: overhang and side fins together
    double fS2 = 0;             // kind 3: overhang
    double fS3 = 0;             // kind 3: side fins
    std::vector<double> Verlust; // monthly losses (0..11) of the row, absolute; empty = none
    std::vector<double> Gewinn;  // kind 3: monthly solar gains (0..11); empty = none
};

class Gebäudehülle {
public:
    Gebäudehülle() = default;

    // The one instance of the program, created on first use.
    static Gebäudehülle& Instanz();

    // Every record of the zone back to its empty state (key kept).
    void Zurücksetzen(std::int16_t Zone);

    // Enter a row of kind 1, 2 or 3: the record of (Zone, kind, Zeile) is
    // found or appended and overwritten with the arguments; the arrays are copied.
    void GH_A(std::int16_t Zone, std::int16_t Zeile, const std::string& Code, double Fläche, std::int16_t Bt,
              double U, bool Heizung, const std::string& Orientierung, std::span<const double> Verlust);
    void GH_U(std::int16_t Zone, std::int16_t Zeile, const std::string& Code, double Fläche, std::int16_t Bt,
              double U, bool Heizung, const std::string& Orientierung, double bu, double bG, const std::string& Tin,
              std::span<const double> Verlust);
    void GH_F(std::int16_t Zone, std::int16_t Zeile, const std::string& Code, double Fläche, std::int16_t Bt,
              double U, bool Heizung, const std::string& Orientierung, std::int16_t Neigung, double g, double FF,
              double fS1, double fS23, double fS2, double fS3, std::span<const double> Verlust,
              std::span<const double> Gewinn);

    // Transmission coefficient of the zone in W/K: area times U of the rows
    // to outside air and of the windows, and of the rows to unheated rooms or
    // earth times their b-factor (bu, else bG); rows to a neighbour
    // temperature or zone add nothing.
    double Faktor_H(std::int16_t Zone);

    // Reduces the zone's monthly values to the heating season: months with
    // Qt <= 0 lose their losses and gains, the gains of the other months are
    // multiplied by the month's utilisation factor.
    void Gesamtwärmeverlust(std::int16_t Zone, const Monatsarray& Qt, const Monatsarray& EtaG);

    // The building's mean shading of the windows of its main orientation.
    double Systemnachweis_FS();
    // Total length of the building's linear thermal bridges.
    double Systemnachweis_WB();
    // True when a roof, wall or floor row of the building has component heating.
    bool Systemnachweis_Bodenheizung();
    // Mean shading factors of the windows and doors of one zone facing
    // Orientierung ("*" = any): the result is fS23 * fS1 (area-weighted
    // means), fS1 receives the mean horizon factor.
    double Systemnachweis_FS123(std::int16_t Zone, const std::string& Orientierung, double& fS1);
    // Net loss (losses less solar gains of window rows) over the year of all
    // rows whose code letter occurs in Codes and that use item Bt.
    double Systemnachweis_Q(const std::string& Codes, std::int16_t Bt);
    // The same for month Monat (1..12; 0 = the year), with the rows' area and
    // gains; True when at least one row matches.
    bool Systemnachweis_Q_Monat(const std::string& Codes, std::int16_t Bt, std::int16_t Monat, double& Fläche,
                                double& Q, double& G);
    // Copies the monthly losses and gains of the record with this key (a
    // record without gains gives zeros); False without a record.
    bool FürTest__QMt(std::int16_t Zone, std::int16_t Art, std::int16_t Zeile, Monatsarray& Verlust,
                      Monatsarray& Gewinn);

    // Number of records held.
    std::int32_t Anzahl();

    // Copies of every record of the zone, and putting such copies back in
    // place of the zone's records (those not among them are emptied): the
    // memo of the zone computation keeps what a computation left and gives
    // it back instead of computing the same inputs again.
    std::vector<GebäudehülleElement> Zonenzeilen(std::int16_t Zone);
    void ZonenzeilenEinsetzen(std::int16_t Zone, const std::vector<GebäudehülleElement>& Zeilen);
    // A mark of the zone's records, unique for the run: it changes with
    // every write of them and whenever all records are dropped.
    std::uint64_t Zonenstand(std::int16_t Zone);
    // A mark of the rows entered so far, and every record of the zone that
    // no row entered since that mark back to its empty state: when the rows
    // entered since then are those a computation would enter again after
    // Zurücksetzen, the records are what that computation leaves.
    std::uint64_t Eintragsstand();
    void ZurücksetzenAusser(std::int16_t Zone, std::uint64_t seit);

private:
    std::vector<GebäudehülleElement> elemente_;
    // Per record: the mark of its last entry (0: none since it was made).
    std::vector<std::uint64_t> eingetragen_;
    std::unordered_map<std::uint64_t, std::size_t> index_; // key (zone, kind, row) -> record
    std::uint64_t strukturstand_ = 0;
    // Marks of the zones' records; a zone without one has leerstand_.
    std::unordered_map<std::int16_t, std::uint64_t> zonenstände_;
    std::uint64_t zähler_ = 0, leerstand_ = 0;
    void Geändert(std::int16_t Zone) { zonenstände_[Zone] = ++zähler_; }

    static std::uint64_t Schlüssel(std::int16_t Zone, std::int16_t Art, std::int16_t Zeile);

    // Drops every record when the open project's structure has changed.
    void StandPrüfen();
    std::size_t ElementSuchen(std::int16_t Zone, std::int16_t Art, std::int16_t Zeile);
    GebäudehülleElement& ZeileEintragen(std::int16_t Zone, std::int16_t Art, std::int16_t Zeile,
                                        const std::string& Code, double Fläche, std::int16_t Bt, double U,
                                        bool Heizung, const std::string& Orientierung);
    static bool ZoneImProjekt(std::int16_t Zone);
};

// The check that every zone uses the standard values of its building
// category (a project may be declared a proof only then), and the usage
// counter of item numbers per element type. These belong to the module
// basZIRVO3801, whose program-wide values lie in frame/basZIRVO3801.h.
#pragma once

#include <cstdint>
#include <string>

class Projekt;

namespace basZIRVO3801 {

// Why a zone deviates from the standard use.
enum StandardGrund : std::int16_t {
    GrundStandardwerte = 0,   // "Standardwerte geändert"
    GrundMechLüftung = 1,     // "Mechanische Lüftung vorhanden"
    GrundZusatzverbraucher = 2, // "Zusätzlicher Elektrizitätsverbrauch vorhanden"
    GrundKategorie = 3          // no building category: the zone commands' message
};

// True when every zone of the project uses the standard values. Otherwise
// shows Text, the zone (of several) and the reason and False.
bool StandardnutzungPrüfen(Projekt& projekt, const std::string& Text);

// The zone as messages name it where there are several: "Zone: " with its
// name and its code in brackets; "" for a project of one zone.
std::string Zonenangabe(const Projekt& projekt, std::int16_t zone);

// Checks the zones in order, each made current in turn, up to the first
// that fails; the current zone is restored afterwards. The result and Grund
// are those of the last zone checked; a project without zones gives False
// with Grund 0.
bool StandardwerteAlleZonenPrüfen(Projekt& projekt, std::int16_t& Grund);

// The check of the current zone: a building category (else False, Grund
// 3), its eight use values equal the standard values of that category (else
// False, Grund 0), no mechanical ventilation (else False, Grund 1), no
// additional electricity consumers (else False, Grund 2); then True with
// Grund 2.
bool StandardwerteZonePrüfen(const Projekt& projekt, std::int16_t& Grund);

// The usage counter of item numbers 1..99 per element type "D", "W", "B",
// "F", "T", "l", "p". Modus 0 clears every count; 1 counts one use of
// (Typ, Nummer); 2 returns the count of (Typ, Nummer). Other numbers,
// letters or modes give 0 and change nothing.
std::int16_t BauteiltypTabelleWert(std::int16_t Modus, const std::string& Typ, std::int16_t Nummer);

} // namespace basZIRVO3801

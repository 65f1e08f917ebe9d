// Inputs of the zone balance whose physical range is bounded: an air flow,
// a power or an area per person is never negative, a share of the year or
// of a day never more than all of it, a reduction factor lies between 0 and
// 1. A value outside its range would turn the result without a word; it is
// an input error at the field that holds it.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

class Projekt;
class Steuerelement;

namespace Eingabebereich {

// No bound above.
inline constexpr double Unbegrenzt = std::numeric_limits<double>::infinity();
// Hours of a year, of a day.
inline constexpr double Jahresstunden = 8760;
inline constexpr double Tagesstunden = 24;

// One value and its range (bounds included); the message's "@" takes the
// value as the windows show numbers.
struct Prüfung {
    double wert;
    double min;
    double max;
    std::string_view vorlage;
    Steuerelement* element; // the field to mend, or none
};

// The first value outside its range (or not a number) becomes the pending
// input error of the current zone's table (Fehlertabelle): vorspann and the
// message through DSFormat, at its field. True when one was found; the
// record is left as it was when none was.
bool Ausserhalb(std::int16_t tabelle, std::initializer_list<Prüfung> prüfungen, const std::string& vorspann = {});
// The same with the lead made only for a value outside its range.
bool Ausserhalb(std::int16_t tabelle, std::initializer_list<Prüfung> prüfungen,
                const std::function<std::string()>& vorspann);

// The check of a zone's use value ("AVE", "PFl", "PWP", "PPr", "El", "fe",
// "C") against its range as the balance reads it, with its message. The
// value is mended in the use dialog. An unknown key is never out of range.
Prüfung Nutzungsprüfung(std::string_view schlüssel, double wert, Steuerelement* element);

// The messages of a zone whose use lacks its building category (none of 1
// to 12) or its heat-storage capacity (exactly 0; a negative one is out of
// range above).
inline constexpr std::string_view KategorieFehlt = "Bitte Gebäudekategorie in den Nutzungsangaben definieren.";
inline constexpr std::string_view SpeicherfähigkeitFehlt =
    "Bitte Wärmespeicherfähigkeit in den Nutzungsangaben definieren.";

// The current zone has no building category.
bool OhneKategorie(const Projekt& projekt);
// What the current zone lacks of its use, in the order the zone commands
// test it: the message they refuse the zone with and its computation stops
// at, "" when category and capacity are given.
std::string_view FehlendeNutzungsangabe(const Projekt& projekt);

} // namespace Eingabebereich

// The user settings of the program: folders, printer set-up, authors,
// main-window placement and the recent-projects list.
//
// They live in one text file, ZIRVO3801.ini, one "key=value" line per
// setting, in Windows-1252 with CR LF line ends. The file is read once at
// start and written once at the end, as a whole and atomically. Its place:
// beside the executable when a ZIRVO3801.ini lies there (a portable
// install), else in the user's configuration folder ($XDG_CONFIG_HOME/ZIRVO,
// by default ~/.config/ZIRVO), which is created when it is first written.
//
// A broken file never stops the program: whatever cannot be read keeps its
// default ("" for texts, 0 for numbers, False for flags).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Initialisierung {
public:
    // Folder of the material database. "" = not set; "." = the automatic
    // choice, which is the folder of the settings file (see
    // basZIRVO3801::DatenbankOrdner); any other text is a folder path.
    std::string OrdnerDatenbank;
    // Folder for project files. "" or "." = the automatic choice of the
    // project file dialogs (the user's documents or home folder).
    std::string OrdnerProjekte;
    std::string DruckerName;                 // printer name
    std::string DruckerSchrift;              // printer font name
    float DruckerSchriftgrösse = 0;          // printer font size
    float DruckerSchriftEinfach = 0;         // not 0: print special characters as plain text
    float DruckerLinie = 0;                  // line width
    float DruckerRandLinks = 0;              // page margins
    float DruckerRandOben = 0;
    float DruckerRandRechts = 0;
    float DruckerRandUnten = 0;
    bool DruckerDuplex = false;              // print on both sides
    bool DruckerDateiname = false;           // print the project file name
    std::string Projektverfasser;            // address lines joined by the character 127
    std::string Nachweisverfasser;           // address lines joined by the character 127
    // Main window placement in twips; WinWidth 0 = never saved. The file
    // keeps them as whole numbers; those of a window beyond 2184 pixels no
    // longer fit 16 bits, so they are kept in 32. Reading brings them into
    // ±GrössteFensterlage (sizes into 0 to it).
    static constexpr std::int32_t GrössteFensterlage = 32767 * 15;
    std::int32_t WinLeft = 0;
    std::int32_t WinTop = 0;
    std::int32_t WinWidth = 0;
    std::int32_t WinHeight = 0;
    bool WinMax = false;                     // main window maximised
    std::int32_t HilfeBreite = 0;            // width of the help panel in twips; 0 = never set
    // Not kept in the file: reading sets them False, so they hold for one run.
    bool KeineSymbolleiste = false;          // hide the tool bars
    bool KeineStatusleiste = false;          // hide the status bar
    bool KeinHilfeAssistent = false;         // hide the info pane

    // Gives the recent-projects list its maximum of 4 and returns False;
    // the four texts are not kept.
    bool ProgrammSetzen(const std::string& Company, const std::string& Program, const std::string& Version,
                        const std::string& Class);

    // Reads the settings file into the fields and appends its recent
    // projects to the list. A missing or broken file leaves the defaults.
    void RegistrierungEinlesen();

    // Writes the fields and the list into the settings file, keeping the
    // file's other lines. The new file replaces the old one whole or not at
    // all; False (and the reason in fehler) when it could not be written.
    [[nodiscard]] bool RegistrierungSpeichern(std::string* fehler = nullptr) const;

    // The recent project at Index (0 = the most recent); "" outside the list.
    std::string LetzteProjekte(std::int16_t Index) const;
    std::int16_t LetzteProjekteAnzahl() const;
    std::int16_t LetzteProjekteMax() const;
    // 1 to 10; any other value gives 4. Keeps the first entries.
    void LetzteProjekteMax(std::int16_t MaxProjekte);
    // Puts a file at the top of the list; an equal path further down (letter
    // case ignored) moves up instead of appearing twice.
    void LetzteProjekteDatei(const std::string& Dateiname);

private:
    std::vector<std::string> letzteProjekte_; // maximum entries, index 0 the most recent
    std::int16_t letzteProjekteAnzahl_ = 0;
};

namespace Global {
// The program's one settings object, given its list maximum at start.
extern ::Initialisierung Initialisierung;
} // namespace Global

// Single keys of the settings file.
namespace basZIRVOIni {

// Full path of the settings file in force (see the top of this file).
std::string IniDateiname();

// The value of the first line whose trimmed key equals Schlüssel exactly;
// "" when the file is missing, unreadable or has no such line.
std::string IniLesen(const std::string& Schlüssel);

// Sets one key in the file (letter case of the key ignored), keeping all
// other lines; the file is replaced atomically. False when it failed.
[[nodiscard]] bool IniSchreiben(const std::string& Schlüssel, const std::string& Wert,
                                std::string* fehler = nullptr);

} // namespace basZIRVOIni

namespace basZIRVO3801 {

// Opens the options dialog on the given tab (1 = folders) and returns True
// when the user left it with OK. Set by the window code; while it is not
// set, the dialog counts as cancelled.
extern std::function<bool(std::int16_t Registerkarte)> OptionenAufruf;

// The automatic folder of the material database (the setting "."): the
// folder of the settings file in force.
std::string AutomatischerDatenbankOrdner();

// The usable folder of the material database, or "". When the setting is
// missing, says where the automatic folder is and offers it; "No" opens the
// options dialog once. When the folder set is not there, says so and opens
// the options dialog once. Then tries again.
std::string DatenbankOrdner();

// The database folder with "/" and "Baustoff.dbk"; "" when there is none.
std::string BaustoffDatenbankDatei();

} // namespace basZIRVO3801

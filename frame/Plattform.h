// What the program needs of the desktop, as interfaces.
//
// The core library asks for message boxes, file dialogs, printers, HTTP,
// places on disk, the clock and the busy pointer only through these. The
// Qt program installs real implementations at start; tests install fakes
// that answer from a script. With nothing installed, the defaults never
// block: message boxes are written to standard error and answered with
// the safest choice (OK, Cancel or No), dialogs are cancelled, there is
// no printer, no network and no help window.
#pragma once

#include "frame/Druckflaeche.h"

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Plattform {

enum class Symbol { Keins = 0, Fehler = 16, Frage = 32, Warnung = 48, Information = 64 };
enum class Knöpfe { OK = 0, OKAbbrechen = 1, JaNeinAbbrechen = 3, JaNein = 4 };
enum class Antwort { OK = 1, Abbrechen = 2, Ja = 6, Nein = 7 };

class Meldungen {
public:
    virtual ~Meldungen() = default;
    // Shows a modal message box and returns the button chosen. vorgabe is
    // the default button (Enter); OK means the first button.
    virtual Antwort Zeigen(const std::string& text, const std::string& titel, Symbol symbol, Knöpfe knöpfe,
                           Antwort vorgabe = Antwort::OK) = 0;
};

struct Schrift {
    std::string Name;
    double Grösse = 10;
    bool Fett = false;
    bool Kursiv = false;
    // The sizes the caller takes (pt, both ends included); 0: any.
    double GrösseVon = 0, GrösseBis = 0;
    // The characters a face must draw with glyphs of its own to be offered
    // (Druckzeichen); empty: any face.
    std::u32string Zeichen = {};
};

// A font size as typed into the font dialog: whole or with a decimal point
// or comma ("9.5", "9,5", "10"), in the range of bereich where it gives
// one. Nothing, and in fehler the message why, for anything else: a text
// that is no such number ("10.5.1", "") or a size out of range ("105").
std::optional<double> SchriftgrösseLesen(std::string_view text, const Schrift& bereich, std::string& fehler);

class Dateidialoge {
public:
    virtual ~Dateidialoge() = default;
    // filter: "Beschreibung (*.zirvo9)|*.zirvo9|..."; empty optional = cancelled.
    virtual std::optional<std::string> Öffnen(const std::string& titel, const std::string& filter,
                                              const std::string& ordner) = 0;
    virtual std::optional<std::string> Speichern(const std::string& titel, const std::string& filter,
                                                 const std::string& ordner,
                                                 const std::string& vorschlag) = 0;
    virtual std::optional<std::string> OrdnerWählen(const std::string& titel,
                                                    const std::string& ordner) = 0;
    // The print font: the dialog opens on the face the font named in vorgabe
    // prints with; a face chosen unchanged comes back under vorgabe's name.
    virtual std::optional<Schrift> SchriftWählen(const Schrift& vorgabe) = 0;
};

class Drucker {
public:
    virtual ~Drucker() = default;
    // Names of the printers the system offers (the PDF printer included).
    virtual std::vector<std::string> DruckerListe() = 0;
    virtual std::string StandardDrucker() = 0;
    // Starts a print job on the printer named; for the PDF printer ziel is
    // the file to write (it appears only once the job has ended well).
    // Nothing, and the reason in fehler, when the printer cannot print.
    virtual std::unique_ptr<Druckfläche> Auftrag(const std::string& drucker, const std::string& ziel,
                                                 std::string& fehler) = 0;
    // A surface of the printer named to measure on (paper, font metrics),
    // with no job behind it: nothing is ever drawn or printed on it. Nothing
    // when the printer cannot be asked.
    virtual std::unique_ptr<Druckfläche> Messfläche(const std::string&) { return nullptr; }
    // Whether the printer prints on both sides of the sheet (has a duplex
    // unit); the PDF printer does, by mirroring its margins.
    virtual bool Beidseitig(const std::string&) { return true; }
};

struct HttpAnfrage {
    std::string Url;
    int ZeitlimitMs = 10000;
    bool OhneCache = true;        // ask past every cache for a fresh copy
    std::string Benutzer, Passwort;           // the server's log-in, tried when it asks
    std::string ProxyBenutzer, ProxyPasswort; // the proxy's log-in, tried when it asks
};

struct HttpAntwort {
    int Status = 0;           // HTTP status, 0 when no answer came
    std::string Inhalt;       // the body as received
    std::string Fehlertext;   // why no answer came, empty when one came
    long long Länge = -1;     // Content-Length, -1 when not given
    std::string Geändert;     // Last-Modified as sent
    std::string Inhaltstyp;   // Content-Type
    bool Erfolg() const { return Status == 200 && Fehlertext.empty(); }
};

class Http {
public:
    virtual ~Http() = default;
    // One GET; blocks until the answer is complete or the time is up.
    virtual HttpAntwort Holen(const HttpAnfrage& anfrage) = 0;
};

class Umgebung {
public:
    virtual ~Umgebung() = default;
    // Folder of the executable, without a trailing separator.
    virtual std::string Programmordner() = 0;
    // The user's configuration folder ($XDG_CONFIG_HOME/ZIRVO), without a trailing separator.
    virtual std::string Konfigurationsordner() = 0;
    virtual std::time_t Jetzt() = 0;
    // Busy pointer on or off.
    virtual void Sanduhr(bool an) = 0;
    virtual bool StrgGedrückt() = 0;
    // Puts a key press (down and up) of a virtual key code into the input
    // stream of the window that has the focus; it arrives once the caller
    // returns to the event loop. Without a screen nothing happens.
    virtual void TasteSenden(int) {}
};

// The program's help: the pages beside the program, shown in a help window
// of its own, and the reading of a help topic's rich text (the HTML subset
// that Qt renders) as the plain text that a rich-text box shows.
class Hilfe {
public:
    virtual ~Hilfe() = default;
    // Opens the help window at the page of the help context number (the
    // start page when there is none for it).
    virtual void Zeigen(std::int32_t kontext) = 0;
    // The characters a rich-text box shows for the rich text, in order,
    // paragraphs separated by line feeds.
    virtual std::string Klartext(const std::string& richText) = 0;
};

struct Dienste {
    Meldungen* meldungen = nullptr;
    Dateidialoge* dateidialoge = nullptr;
    Drucker* drucker = nullptr;
    Http* http = nullptr;
    Umgebung* umgebung = nullptr;
    Hilfe* hilfe = nullptr;
};

// The services in force. Members left null fall back to the quiet defaults.
Dienste& Aktuell();
Meldungen& meldungen();
Dateidialoge& dateidialoge();
Drucker& drucker();
Http& http();
Umgebung& umgebung();
// Without a screen no help window opens, and a rich text is shown as it is
// written.
Hilfe& hilfe();

// Installs services for the lifetime of the object and restores the
// former ones afterwards (for tests and for the program's main).
class DiensteSetzen {
public:
    explicit DiensteSetzen(const Dienste& neu);
    ~DiensteSetzen();
    DiensteSetzen(const DiensteSetzen&) = delete;
    DiensteSetzen& operator=(const DiensteSetzen&) = delete;

private:
    Dienste alt_;
};

// The default place of the user's configuration: $XDG_CONFIG_HOME/ZIRVO or ~/.config/ZIRVO.
std::string StandardKonfigurationsordner();

} // namespace Plattform

// Start and end of the program.
//
// The start runs in a fixed order: program values, comma input, message
// texts, the single-instance guard, the settings object, the help file,
// the start window, the settings file, the main window and the
// single-component proof window with their input grids, then the main
// window is shown, the start window closed, the newer-version check
// started and a project named on the command line opened. The end writes
// the settings file.
//
// The windows and the desktop are reached through the small interfaces
// below, so the order can be run and checked without a screen.
#pragma once

#include <functional>
#include <string>

class frmZIRVO3801Start;

namespace Programmstart {

// What the start needs of the main window.
class Hauptfenster {
public:
    virtual ~Hauptfenster() = default;
    // Loads the window; it takes the window placement, the recent projects
    // and the tool-bar and status-bar flags from the settings just read.
    virtual void Form_Load() = 0;
    // Builds the four input tables (before the window is shown).
    virtual void TabelleInitialisieren() = 0;
    // Shows the window (modeless).
    virtual void Zeigen() = 0;
    // Shows the newer-version notice in the label lblNeuereVersionVorhanden:
    // the text as its caption, placed at Left 40, Top 40 below the two tool
    // bars, Width 400, Height 400, and made visible. Only called with a
    // text that is not empty.
    virtual void NeuereVersionAnzeigen(const std::string& text) = 0;
    // Opens the project file named on the command line as File > Open does;
    // a file that cannot be opened is reported by the window.
    virtual void ProjektEinlesenBeimProgrammstart(const std::string& datei) = 0;
};

// What the start needs of the single-component proof window.
class NachweisEBFenster {
public:
    virtual ~NachweisEBFenster() = default;
    // Loads the window hidden.
    virtual void Laden() = 0;
    // Builds its input grids.
    virtual void TabelleInitialisieren() = 0;
};

// What the start needs of the desktop.
class Startumgebung {
public:
    virtual ~Startumgebung() = default;
    // True when another copy of the program is already running. Otherwise
    // this copy becomes the running one until it ends.
    virtual bool WeitereKopieLäuft() = 0;
    // The program's file name without extension ("ZIRVO3801").
    virtual std::string Programmname() = 0;
    // Shows the loaded start window modeless, and closes it again.
    virtual void StartfensterZeigen(frmZIRVO3801Start& fenster) = 0;
    virtual void StartfensterSchliessen(frmZIRVO3801Start& fenster) = 0;
    // Lets pending window events be processed once.
    virtual void EreignisseVerarbeiten() = 0;
    virtual Hauptfenster& frmZIRVO3801() = 0;
    virtual NachweisEBFenster& frmNachweisEB() = 0;
    // Starts the newer-version check (basZIRVOVersion::NeuereVersionPrüfen)
    // without holding up the start; melden receives its text, on the
    // window thread, once it is known ("" when there is nothing to report).
    virtual void NeuereVersionPrüfen(std::function<void(const std::string&)> melden) = 0;
};

// The command-line text from the program's arguments: the arguments after
// the program's name, joined by one blank (a path with blanks that the
// shell split is whole again).
std::string Befehlszeile(int argc, const char* const* argv);

// The project path in a command-line text: one pair of double quotes that
// encloses the whole text is removed; the rest is taken whole. "" when no
// project is named.
std::string BefehlszeilenProjekt(const std::string& befehlszeile);

} // namespace Programmstart

namespace basZIRVO3801 {

// The program's file name without extension ("ZIRVO3801" until the start
// has asked the desktop): the help panel's package and first topic bear it.
extern std::string Programmname;
// The help: the folder "hilfe" of help pages beside the program.
extern std::string Hilfedatei;

// The start of the program with its command-line text. False when the
// program must end at once (another copy runs); True when it runs on in the
// main window.
bool Main(const std::string& Befehlszeile, Programmstart::Startumgebung& umgebung);

// The end of the program, the main window's last step when it closes:
// writes the settings file (once; a failure is told in a message box).
// Does nothing when the start did not get as far as reading the settings.
void ProgrammBeenden();

} // namespace basZIRVO3801

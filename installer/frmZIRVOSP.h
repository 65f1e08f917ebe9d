// The service-pack installer "ZIRVOSP": a small program of its own that the
// user starts from the folder of a service pack. It looks for the installed
// program, the folder "ZIRVO-V" and the major version holding "ZIRVO3801",
// on the removable volumes (or in the folder named with --ziel), checks that
// its version record has the installer's major and minor version, asks,
// and copies every file of its own folder, except itself, into that
// program folder. It never starts the program it updates.
#pragma once

#include "frame/Steuerelemente.h"
#include "installer/Datentraeger.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class frmZIRVOSP : public Formular {
public:
    // The installer's name: the title of its message boxes.
    static inline const std::string Programmname = "ZIRVOSP";
    // The executable of the program it updates.
    static inline const std::string Hauptprogramm = "ZIRVO3801";

    // How the program ends: installed (or cancelled by the user), nothing
    // installed (no fitting program found, or refused), or stopped part way
    // with an incomplete installation.
    enum Ende : int { Erfolg = 0, NichtInstalliert = 1, Unvollständig = 2 };

    frmZIRVOSP();

    Label lblInfo{"lblInfo"};
    Label lblFrage{"lblFrage"};
    CommandButton cmdInstallieren{"cmdInstallieren"};
    CommandButton cmdAbbrechen{"cmdAbbrechen"};

    // Set by the start before Form_Load:
    // the installer's own executable (its real path);
    std::string Programmpfad;
    // a folder named with --ziel: searched instead of the volumes, as a
    // volume holding the program folder or as the program folder itself;
    std::string Ziel;
    // the mounted volumes in the order they are searched;
    std::function<std::vector<Datenträger>()> Laufwerke;
    // shows the window and paints it, before the search starts;
    std::function<void()> Zeigen;
    // for tests: runs once every file is copied under its temporary name,
    // before the first is put in place.
    std::function<void()> VorDemErsetzen;
    // How long an installation waits for another installer that is
    // installing into the same program folder before it gives up.
    std::chrono::milliseconds Wartezeit = std::chrono::minutes(1);
    // The wait for that other installer: called when the wait begins (the
    // labels then say that it waits, "Ja, installieren" is disabled) and
    // again every Takt until the lock is had, the time is up or
    // "Nein, abbrechen" ends the wait, which installs nothing. The window
    // runs its event loop in it for the time given, so it stays alive and
    // its buttons answer. Unset, the wait sleeps.
    std::function<void(std::chrono::milliseconds)> Warten;
    static constexpr std::chrono::milliseconds Takt{50};

    // The installers' lock on the program folder, held (flock) from the
    // removal of leftovers to the last rename: a lock on the folder itself,
    // which every installer that can read the folder gets, and the lock
    // file beside the version record wherever it can be opened (earlier
    // installers lock it alone). An installer that locked the file removes
    // it when done.
    static inline const std::string Sperrdatei = "." + Programmname + ".sperre";

    // The whole start: caption, source folder, the search (which ends the
    // program when nothing fits) and the question.
    void Form_Load();
    // Copies the files; on success says so; then the program ends.
    void cmdInstallieren_Click();
    // Ends the program at once; nothing is copied.
    void cmdAbbrechen_Click();

    // The installer's version "major.minor" ("9.0").
    const std::string& V() const { return v_; }
    // The installer's folder and the program folder found, each ending in "/".
    const std::string& Quellordner() const { return quellordner_; }
    const std::string& Zielordner() const { return zielordner_; }
    const std::string& Zielprogramm() const { return zielprogramm_; }
    // The volume (mount point, or the --ziel folder) the program was found on.
    const std::string& Laufwerk() const { return laufwerk_; }
    // The files put in place so far, in that order (the version record
    // last).
    const std::vector<std::string>& Kopiert() const { return kopiert_; }

    // True while the installation waits for another installer.
    bool Wartet() const { return wartet_; }
    bool Beendet() const { return beendet_; }
    // The program's exit status once it has ended (see Ende).
    int Rückgabe() const { return rückgabe_; }

private:
    std::string v_, quellordner_, zielordner_, zielprogramm_, laufwerk_;
    // The first program met that did not fit (a path with --ziel), and its
    // version ("" when its record cannot be read).
    std::string fremdesProgramm_, fremdeVersion_;
    std::vector<std::string> kopiert_;
    bool beendet_ = false;
    bool wartet_ = false;
    // "Nein, abbrechen" during the wait.
    bool abgebrochen_ = false;
    int rückgabe_ = Erfolg;

    bool ProgrammSuchen();
    bool ProgrammPasst(const std::string& wurzel, const std::string& ordner);
    Ende DateienKopieren();
    void Abwarten(const std::function<bool()>& besetzt);
    std::string NichtGefunden() const;
    void Melden(const std::string& text, bool fehler);
    void Beenden(Ende ende);
};

// The start of the program on the desktop: the single-instance guard, the
// start window, the event processing and the newer-version check off the
// window thread.
#pragma once

#include "frame/Plattform.h"
#include "frame/Programmstart.h"
#include "frame/qt/QtPlattform.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QLockFile;
class QThread;
class frmZIRVO3801StartAnsicht;

namespace QtStart {

// Prepares the window side before the start: Qt's own texts in German, the
// desktop's font, the version file's folder from the build setting, and the
// options and folder dialog views. (The faces the printouts are laid out
// for are registered once the start window has closed.)
void Einrichten();

// The program's icon (basZIRVO3801::ProgrammIcon), which every window of
// the program shows: Programmsymbol gives it to the application, so each
// window, message box and file dialog takes it. False when it could not be
// read (the icon needs Qt's SVG support at run time).
bool Programmsymbol();

// Qt's own texts (standard buttons, file dialogs) in German, whatever
// language the user's desktop speaks, like the program's own texts. False
// when Qt's German translation is not installed (they stay English).
bool QtDeutsch();

// The version file's folder from the build setting: the URL as given, or
// without "/ZIRVOVersionAktuell.txt" when it names the file itself.
std::string VersionsordnerAusEinstellung(const std::string& url);

// The user's runtime folder: $XDG_RUNTIME_DIR, else the system's folder for
// the user (/run/user/UID), else a private folder of the user's own
// (Eigenordner::Ausweichordner), else "" (no guard).
QString Laufzeitordner();
// Before Qt starts: a missing $XDG_RUNTIME_DIR is set to that folder (when it
// is the user's own), so neither the lock file nor Qt has to guess.
void LaufzeitordnerSetzen();

// Only one running copy per user: a lock file in the user's runtime folder.
class Einzelstart {
public:
    // ordner: where the lock file lies ("" = the user's runtime folder).
    explicit Einzelstart(const QString& ordner = {});
    ~Einzelstart();
    // True when another copy holds the lock; otherwise this copy takes it
    // and keeps it while this object lives. A lock file that cannot be made
    // at all does not stop the program.
    bool WeitereKopieLäuft();
    QString Sperrdatei() const { return pfad_; }

private:
    QString pfad_;
    std::unique_ptr<QLockFile> sperre_;
};

// Runs basZIRVOVersion::NeuereVersionPrüfen in a thread of its own, with an
// HTTP service of its own, and hands the text to melden on the window
// thread. Ending this object ends a check still waiting for the server.
class Versionsprüfung : public QObject {
public:
    explicit Versionsprüfung(std::function<void(const std::string&)> melden);
    ~Versionsprüfung() override;
    bool Läuft() const;

private:
    std::function<void(const std::string&)> melden_;
    QtPlattform::QtHttp http_;
    Plattform::Http* vorher_ = nullptr;
    std::unique_ptr<QThread> faden_;
    std::string text_;
};

class Startumgebung : public Programmstart::Startumgebung {
public:
    Startumgebung(Programmstart::Hauptfenster& hauptfenster, Programmstart::NachweisEBFenster& nachweisEB,
                  const QString& sperrordner = {});
    ~Startumgebung() override;

    bool WeitereKopieLäuft() override;
    std::string Programmname() override;
    void StartfensterZeigen(frmZIRVO3801Start& fenster) override;
    void StartfensterSchliessen(frmZIRVO3801Start& fenster) override;
    void EreignisseVerarbeiten() override;
    Programmstart::Hauptfenster& frmZIRVO3801() override { return hauptfenster_; }
    Programmstart::NachweisEBFenster& frmNachweisEB() override { return nachweisEB_; }
    void NeuereVersionPrüfen(std::function<void(const std::string&)> melden) override;

    // The start window while it is shown, else null.
    frmZIRVO3801StartAnsicht* Startfenster() const { return startfenster_.get(); }
    // True while the newer-version check waits for its answer.
    bool VersionsprüfungLäuft() const;

private:
    Programmstart::Hauptfenster& hauptfenster_;
    Programmstart::NachweisEBFenster& nachweisEB_;
    Einzelstart einzelstart_;
    std::unique_ptr<frmZIRVO3801StartAnsicht> startfenster_;
    std::unique_ptr<Versionsprüfung> version_;
};

} // namespace QtStart

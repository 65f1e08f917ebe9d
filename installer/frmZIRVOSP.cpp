#include "installer/frmZIRVOSP.h"

#include "frame/Dateien.h"
#include "frame/Plattform.h"
#include "frame/Systemfehler.h"
#include "frame/Versionsnummer.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "installer/WindowsFileInfo.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string nl = "\r\n";

std::string MitSchrägstrich(std::string ordner) {
    if (ordner.empty() || ordner.back() != '/') ordner += '/';
    return ordner;
}

// The program folder's name: "ZIRVO-V" and the major version.
std::string Versionsordner() { return "ZIRVO-V" + std::to_string(Versionsnummer::Haupt); }

// The end of each message of an installation that changed nothing.
std::string KeineDateiErsetzt() {
    return DS("Das Service Pack wurde nicht installiert; es wurde keine Datei ersetzt.");
}

// Another installer is at work in the program folder. Names may hold "@":
// no template filling here.
std::string AndereInstallation(const std::string& ordner) {
    return DS("In den Programmordner '") + ordner + DS("' installiert gerade ein anderes Service Pack.");
}

std::string Grossbuchstaben(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

} // namespace

frmZIRVOSP::frmZIRVOSP() { lblInfo.setCaption("  "); }

void frmZIRVOSP::Form_Load() {
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    v_ = std::to_string(Versionsnummer::Haupt) + "." + std::to_string(Versionsnummer::Neben);
    Caption = basZIRVO3801::ProgrammTitel + " " + v_ + DS("  -  Service Pack installieren");
    cmdInstallieren.setCaption(DS("Ja, installieren"));
    cmdAbbrechen.setCaption(DS("Nein, abbrechen"));
    const std::string eigen =
        Programmpfad.empty() ? Plattform::umgebung().Programmordner() + "/" + Programmname : Programmpfad;
    quellordner_ = MitSchrägstrich(fs::path(eigen).parent_path().string());

    Visible = true;
    if (Zeigen) Zeigen();
    basZIRVO::SanduhrZähler(-1);

    if (!ProgrammSuchen()) {
        basZIRVO::SanduhrZähler(0);
        Melden(NichtGefunden(), true);
        Beenden(NichtInstalliert);
        return;
    }
    // Copying the folder onto itself would install nothing and could
    // destroy the files it reads.
    std::error_code ec;
    if (fs::equivalent(quellordner_, zielordner_, ec)) {
        basZIRVO::SanduhrZähler(0);
        Melden(DSFormat("Das Service Pack kann nicht installiert werden: sein Ordner ist der Programmordner '@' selbst.",
                        zielordner_),
               true);
        Beenden(NichtInstalliert);
        return;
    }

    lblInfo.setCaption(DS("Das Programm ZIRVO wurde auf Laufwerk '") + laufwerk_ + DS("' gefunden."));
    lblFrage.setCaption(DS("Soll das Service Pack jetzt installiert werden?"));
    basZIRVO::SanduhrZähler(0);
}

void frmZIRVOSP::cmdInstallieren_Click() {
    if (beendet_ || wartet_ || zielordner_.empty()) return;
    basZIRVO::SanduhrZähler(-1);
    const Ende ende = DateienKopieren();
    basZIRVO::SanduhrZähler(0);
    // Cancelled while waiting: nothing was installed, and that was asked for.
    if (abgebrochen_) {
        Beenden(Erfolg);
        return;
    }
    if (ende != Erfolg) {
        Beenden(ende);
        return;
    }
    Melden(DS("Das Servicepack ist installiert."), false);
    Beenden(Erfolg);
}

// While the installation waits, the wait ends first (the program then
// ends as the wait returns); else the program ends at once.
void frmZIRVOSP::cmdAbbrechen_Click() {
    if (wartet_) abgebrochen_ = true;
    else if (!beendet_) Beenden(Erfolg);
}

// Says that it waits for the other installation, with the button that
// installs disabled and without the hourglass, as the window stays usable,
// and waits while besetzt() (one more attempt at the lock) says so, up to
// Wartezeit or until the user cancels. The labels are as before afterwards.
void frmZIRVOSP::Abwarten(const std::function<bool()>& besetzt) {
    const std::string info = lblInfo.Caption(), frage = lblFrage.Caption();
    const auto sekunden = std::chrono::ceil<std::chrono::seconds>(Wartezeit).count();
    lblInfo.setCaption(AndereInstallation(zielordner_));
    lblFrage.setCaption(DSFormat(sekunden == 1 ? "Die Installation wartet, bis es fertig ist (höchstens @ Sekunde)."
                                               : "Die Installation wartet, bis es fertig ist (höchstens @ Sekunden).",
                                 std::to_string(sekunden)));
    cmdInstallieren.setEnabled(false);
    wartet_ = true;
    basZIRVO::SanduhrZähler(0);
    const auto ende = std::chrono::steady_clock::now() + Wartezeit;
    do {
        if (Warten) Warten(Takt);
        else std::this_thread::sleep_for(Takt);
    } while (!abgebrochen_ && besetzt() && std::chrono::steady_clock::now() < ende);
    basZIRVO::SanduhrZähler(-1);
    wartet_ = false;
    cmdInstallieren.setEnabled(true);
    lblInfo.setCaption(info);
    lblFrage.setCaption(frage);
}

// The volumes in their order, or the --ziel folder alone; the first whose
// program fits wins. A volume that cannot be read, or whose program has no
// readable version record, is passed over.
bool frmZIRVOSP::ProgrammSuchen() {
    const std::string ordner = Versionsordner();
    if (!Ziel.empty()) return ProgrammPasst(Ziel, (fs::path(Ziel) / ordner).string()) || ProgrammPasst(Ziel, Ziel);
    std::vector<Datenträger> liste;
    try {
        if (Laufwerke) liste = Laufwerke();
    } catch (...) {
        return false;
    }
    for (const auto& d : liste)
        if (d.Wechselbar && ProgrammPasst(d.Wurzel, (fs::path(d.Wurzel) / ordner).string())) return true;
    return false;
}

bool frmZIRVOSP::ProgrammPasst(const std::string& wurzel, const std::string& ordner) {
    try {
        const std::string programm = (fs::path(ordner) / Hauptprogramm).string();
        if (!basZIRVO::DateiVorhanden(programm)) return false;
        // Major and minor decide; revision and build do not.
        const std::string version = WindowsFileInfo::DateiVersion(programm);
        const auto punkt1 = version.find('.');
        const auto punkt2 = version.find('.', punkt1 == std::string::npos ? version.size() : punkt1 + 1);
        if (punkt1 == std::string::npos || version.substr(0, punkt2) != v_) {
            if (fremdesProgramm_.empty()) {
                fremdesProgramm_ = programm;
                fremdeVersion_ = version;
            }
            return false;
        }
        zielordner_ = MitSchrägstrich(ordner);
        zielprogramm_ = programm;
        laufwerk_ = wurzel;
        return true;
    } catch (...) {
        return false;
    }
}

// Without --ziel: the program title and the installer's version were
// looked for on the removable volumes. With --ziel: the folder given, and
// the program found there with its version, or where it was looked for.
std::string frmZIRVOSP::NichtGefunden() const {
    if (Ziel.empty())
        return DS("Das Programm ") + basZIRVO3801::ProgrammTitel + DS(", Version ") + v_ +
               DS(" (USB-Flashdrive) nicht gefunden.");
    // Names may hold "@": no template filling here.
    std::string text = DS("Im Ordner '") + Ziel + DS("' wurde das Programm ") + basZIRVO3801::ProgrammTitel;
    if (fremdesProgramm_.empty()) {
        text += DS(" nicht gefunden (gesucht: '") + (fs::path(Ziel) / Versionsordner() / Hauptprogramm).string() +
                DS("' und '") + (fs::path(Ziel) / Hauptprogramm).string() + "').";
    } else if (fremdeVersion_.empty()) {
        // A record that is no file (a FIFO, a link to a device) is said as
        // what it is.
        const std::string satz = WindowsFileInfo::Versionsdatei(fremdesProgramm_);
        std::string art = Dateien::Artfehler(satz);
        if (!art.empty() && Dateien::LinkZiel(satz) != satz) art = "'" + satz + DS("' ist ein Link: ") + art;
        text += DS(" gefunden ('") + fremdesProgramm_ + DS("'), aber seine Version ist nicht lesbar: ") +
                (art.empty() ? "'" + satz + DS("' fehlt oder ist beschädigt.") : art);
    } else {
        text += DS(" in der Version ") + fremdeVersion_ + DS(" gefunden ('") + fremdesProgramm_ + "')." + nl +
                DSFormat("Dieses Service Pack ist für die Version @.", v_);
    }
    return text + nl + nl + DS("Das Service Pack wurde nicht installiert.");
}

namespace {

// The installers' lock on a program folder, held while the object lives:
// the folder itself locked (flock on a descriptor of it opened for reading,
// which every user who may read the folder gets), and the lock file
// frmZIRVOSP::Sperrdatei as well, wherever it can be opened or made, for
// earlier installers that lock it alone. Without either nothing is held. A
// lock file made here gets the read bits the folder has for its group and
// others, whatever the umask, so it locks no colleague out (an flock needs
// no more), and no write bits: no one else can fill it. At
// the end the lock file is removed while still locked: an installer that
// waited on it then finds its file gone and locks a new one.
class Ordnersperre {
public:
    enum Stand { Gehalten, Besetzt, Unmöglich };

    explicit Ordnersperre(const std::string& ordner) : ordner_(ordner), pfad_(ordner + frmZIRVOSP::Sperrdatei) {
        ordnerFd_ = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (ordnerFd_ < 0) ordnerFehler_ = errno;
    }
    ~Ordnersperre() {
        if (dateiGehalten_) ::unlink(pfad_.c_str());
        Schliessen(dateiFd_);
        Schliessen(ordnerFd_);
    }
    Ordnersperre(const Ordnersperre&) = delete;
    Ordnersperre& operator=(const Ordnersperre&) = delete;

    // One attempt, without waiting: held; held by another installer; or
    // neither the folder nor the lock file can be locked (Grund says why).
    Stand Versuchen() {
        if (stand_ != Besetzt) return stand_;
        bool ordnerGesperrt = false;
        if (ordnerFd_ >= 0) {
            if (::flock(ordnerFd_, LOCK_EX | LOCK_NB) == 0) {
                ordnerGesperrt = true;
            } else if (errno == EWOULDBLOCK || errno == EINTR) {
                return Besetzt;
            } else {
                // A file system without such locks: the lock file alone.
                ordnerFehler_ = errno;
                Schliessen(ordnerFd_);
            }
        }
        const Stand datei = DateiSperren();
        if (datei == Besetzt) {
            if (ordnerGesperrt) ::flock(ordnerFd_, LOCK_UN);
            return Besetzt;
        }
        dateiGehalten_ = datei == Gehalten;
        stand_ = ordnerGesperrt || dateiGehalten_ ? Gehalten : Unmöglich;
        return stand_;
    }

    // Why neither lock can be had: the lock file named with its owner and
    // the system's reason, then the folder's.
    std::string Grund() const {
        const std::string eigentümer = Dateien::Besitzer(pfad_);
        // Names may hold "@": no template filling here.
        return DS("Die Sperrdatei '") + pfad_ + "'" +
               (eigentümer.empty() ? "" : DS(" (Eigentümer: ") + eigentümer + ")") +
               DS(" kann nicht geöffnet werden: ") + Systemfehler::Text(dateiFehler_) + nl +
               DS("Der Ordner selbst kann nicht gesperrt werden: ") + Systemfehler::Text(ordnerFehler_);
    }

private:
    std::string ordner_, pfad_;
    int ordnerFd_ = -1, dateiFd_ = -1;
    int ordnerFehler_ = 0, dateiFehler_ = 0;
    bool dateiGehalten_ = false;
    // Besetzt until an attempt has the lock or finds none to be had.
    Stand stand_ = Besetzt;

    static void Schliessen(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }

    // The lock file opened (for writing, else for reading: a lock file of
    // another user locks for reading as well), or made with the folder's
    // read bits; -1 and dateiFehler_ when it cannot be.
    int Öffnen() {
        for (int versuch = 0; versuch < 3; ++versuch) {
            int fd = ::open(pfad_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (fd >= 0) {
                struct stat ordner {};
                if (::stat(ordner_.c_str(), &ordner) == 0) ::fchmod(fd, 0600 | (ordner.st_mode & 044));
                return fd;
            }
            if (errno != EEXIST) break;
            fd = ::open(pfad_.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
            if (fd < 0 && errno == EACCES) fd = ::open(pfad_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
            if (fd >= 0) return fd;
            // Removed by its holder in between: made anew.
            if (errno != ENOENT) break;
        }
        dateiFehler_ = errno;
        return -1;
    }

    Stand DateiSperren() {
        for (int versuch = 0; versuch < 3; ++versuch) {
            if (dateiFd_ < 0) dateiFd_ = Öffnen();
            if (dateiFd_ < 0) return Unmöglich;
            if (::flock(dateiFd_, LOCK_EX | LOCK_NB) != 0) {
                if (errno == EWOULDBLOCK || errno == EINTR) return Besetzt;
                dateiFehler_ = errno;
                Schliessen(dateiFd_);
                return Unmöglich;
            }
            struct stat offen {}, jetzt {};
            if (::fstat(dateiFd_, &offen) == 0 && ::lstat(pfad_.c_str(), &jetzt) == 0 &&
                offen.st_dev == jetzt.st_dev && offen.st_ino == jetzt.st_ino)
                return Gehalten;
            // Locked after its holder had removed it: the lock of no one.
            Schliessen(dateiFd_);
        }
        return Besetzt;
    }
};

// The installer's temporary files in the program folder:
// ".ZIRVOSP." + the file's name + "." + six letters or digits.
const std::string Temppräfix = "." + frmZIRVOSP::Programmname + ".";

bool IstEigenerRest(const std::string& name) {
    return name.size() > Temppräfix.size() + 7 && name.compare(0, Temppräfix.size(), Temppräfix) == 0 &&
           name[name.size() - 7] == '.' && Dateien::IstZufallsendung(std::string_view(name).substr(name.size() - 6));
}

// Copies quelle into a new temporary file in ordner, made for this copy
// alone, with quelle's permission bits, flushed to disk. The temporary
// file's path, or "" and the reason.
std::string Zwischenkopie(const std::string& quelle, const std::string& ordner, const std::string& name,
                          std::string& grund) {
    struct stat info {};
    if (::stat(quelle.c_str(), &info) != 0) {
        grund = Systemfehler::Text(errno);
        return "";
    }
    const auto inhalt = Dateien::Lesen(quelle, &grund);
    if (!inhalt) return "";
    return Dateien::TemporärSchreiben(ordner + Temppräfix + name + ".XXXXXX", *inhalt,
                                      static_cast<int>(info.st_mode & 0777), &grund);
}

} // namespace

// The plain files of the installer's folder, without hidden files, links,
// folders and the installer itself (its real path, and its name in any
// case), land in the program folder in two steps, so that the folder holds
// the old installation or the new one, never a mix that the version record
// would misname:
// 1. Every file is copied to a temporary name in the program folder. A
//    failure here (a full or read-only disk, a file too large, a folder
//    under a file's name) removes the temporary files again: nothing has
//    changed.
// 2. Only when all copies are made, each is renamed over the file of its
//    name, by name and the version record last; a symbolic link of that
//    name is replaced by the file, so nothing is ever written outside the
//    program folder. Should a rename fail, the rest stay as they were (the
//    version record still names the old version) and the message lists
//    what was replaced, what is new and what is not.
// Both steps run under the installers' lock on the program folder: a second
// installer started at the same time waits for the first to finish (or
// gives up, installing nothing, when that takes too long or the user
// cancels). Temporary files that a killed run left behind are removed
// first, under the lock alone; without a lock nothing is installed.
frmZIRVOSP::Ende frmZIRVOSP::DateienKopieren() {
    const fs::path eigen = Programmpfad.empty() ? fs::path(quellordner_) / Programmname : fs::path(Programmpfad);
    const std::string eigenerName = Grossbuchstaben(eigen.filename().string());
    std::vector<std::string> namen;
    std::error_code ec;
    for (fs::directory_iterator it(quellordner_, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.' || Grossbuchstaben(name) == eigenerName) continue;
        std::error_code ec2;
        if (!fs::is_regular_file(it->symlink_status(ec2)) || ec2) continue;
        if (fs::equivalent(it->path(), eigen, ec2)) continue;
        namen.push_back(name);
    }
    if (ec) {
        Melden(DSFormat("Der Ordner '@' des Service Packs kann nicht gelesen werden:", quellordner_) + nl +
                   Systemfehler::Text(ec) + nl + nl + DS("Es wurde keine Datei ersetzt."),
               true);
        return Unvollständig;
    }
    // By name, the version record last.
    const std::string versionssatz = fs::path(WindowsFileInfo::Versionsdatei(Hauptprogramm)).filename().string();
    std::sort(namen.begin(), namen.end(), [&](const std::string& a, const std::string& b) {
        if ((a == versionssatz) != (b == versionssatz)) return b == versionssatz;
        return a < b;
    });

    Ordnersperre sperre(zielordner_);
    Ordnersperre::Stand stand = sperre.Versuchen();
    if (stand == Ordnersperre::Besetzt) Abwarten([&] { return (stand = sperre.Versuchen()) == Ordnersperre::Besetzt; });
    if (abgebrochen_) return NichtInstalliert;
    if (stand == Ordnersperre::Besetzt) {
        Melden(AndereInstallation(zielordner_) + nl + nl + KeineDateiErsetzt() + nl +
                   DS("Bitte versuchen Sie es später nochmals."),
               true);
        return NichtInstalliert;
    }
    // Never without a lock: another installer could be at work, and what
    // looks like its leftovers could be its files.
    if (stand == Ordnersperre::Unmöglich) {
        Melden(DS("Der Programmordner '") + zielordner_ + DS("' kann für die Installation nicht gesperrt werden.") +
                   nl + sperre.Grund() + nl + nl + KeineDateiErsetzt(),
               true);
        return NichtInstalliert;
    }
    // What an earlier run left, when no installer can be at work here: its
    // temporary files, and those of the copy through a temporary name of
    // earlier installers. The latter look like the leftovers of any safe
    // write: only those older than a minute go, as the program itself may
    // be writing such a file this moment.
    const auto eineMinuteHer = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    for (fs::directory_iterator it(zielordner_, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code ec2;
        if (!fs::is_regular_file(it->symlink_status(ec2)) || ec2) continue;
        bool rest = IstEigenerRest(name);
        for (std::size_t i = 0; !rest && i < namen.size(); ++i)
            rest = Dateien::IstSchreibrest(name, namen[i]) && fs::last_write_time(it->path(), ec2) < eineMinuteHer &&
                   !ec2;
        if (rest) ::unlink(it->path().c_str());
    }

    // 1. The copies under temporary names.
    std::vector<std::string> temps;
    std::vector<bool> neu;
    auto aufräumen = [&](std::size_t ab) {
        for (std::size_t i = ab; i < temps.size(); ++i) ::unlink(temps[i].c_str());
    };
    for (const auto& name : namen) {
        std::string grund;
        std::error_code ec2;
        const fs::file_status alt = fs::symlink_status(zielordner_ + name, ec2);
        if (fs::is_directory(alt)) grund = DS("im Programmordner ist unter diesem Namen ein Ordner");
        const std::string temp = grund.empty() ? Zwischenkopie(quellordner_ + name, zielordner_, name, grund) : "";
        if (temp.empty()) {
            aufräumen(0);
            // Names may hold "@": no template filling here.
            Melden(DS("Die Datei '") + name + DS("' konnte nicht nach '") + zielordner_ + DS("' kopiert werden:") + nl +
                       grund + nl + nl + KeineDateiErsetzt(),
                   true);
            return Unvollständig;
        }
        temps.push_back(temp);
        neu.push_back(!fs::exists(alt));
    }
    if (VorDemErsetzen) VorDemErsetzen();

    // 2. Into place.
    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (::rename(temps[i].c_str(), (zielordner_ + namen[i]).c_str()) == 0) {
            kopiert_.push_back(namen[i]);
            continue;
        }
        const std::string grund = Systemfehler::Text(errno);
        aufräumen(i);
        std::string text = DS("Die Datei '") + namen[i] + DS("' konnte im Ordner '") + zielordner_ +
                           DS("' nicht ersetzt werden:") + nl + grund + nl + nl +
                           DS("Die Installation des Service Packs ist unvollständig.");
        auto liste = [&](const std::string& titel, std::size_t von, std::size_t bis, int welche) {
            std::string teil;
            for (std::size_t j = von; j < bis; ++j)
                if (welche < 0 || neu[j] == (welche == 1)) teil += nl + "    " + namen[j];
            if (!teil.empty()) text += nl + titel + teil;
        };
        liste(DS("Ersetzte Dateien:"), 0, i, 0);
        liste(DS("Neu hinzugefügte Dateien:"), 0, i, 1);
        liste(DS("Nicht installierte Dateien:"), i, namen.size(), -1);
        Melden(text, true);
        return Unvollständig;
    }
    Dateien::OrdnerAufDisk(zielordner_);
    return Erfolg;
}

void frmZIRVOSP::Melden(const std::string& text, bool fehler) {
    Plattform::meldungen().Zeigen(text, Programmname,
                                  fehler ? Plattform::Symbol::Fehler : Plattform::Symbol::Information,
                                  Plattform::Knöpfe::OK);
}

void frmZIRVOSP::Beenden(Ende ende) {
    beendet_ = true;
    rückgabe_ = ende;
    Visible = false;
}

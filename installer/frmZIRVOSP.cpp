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
#include <string_view>
#include <sys/stat.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string nl = "\r\n";

std::string MitSchrägstrich(std::string ordner) {
    if (ordner.empty() || ordner.back() != '/') ordner += '/';
    return ordner;
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
        Melden(DS("Das Programm ") + basZIRVO3801::ProgrammTitel + DS(", Version ") + v_ +
                   DS(" (USB-Flashdrive) nicht gefunden."),
               true);
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
    if (beendet_ || zielordner_.empty()) return;
    basZIRVO::SanduhrZähler(-1);
    const bool kopiert = DateienKopieren();
    basZIRVO::SanduhrZähler(0);
    if (!kopiert) {
        Beenden(Unvollständig);
        return;
    }
    Melden(DS("Das Servicepack ist installiert."), false);
    Beenden(Erfolg);
}

void frmZIRVOSP::cmdAbbrechen_Click() {
    if (!beendet_) Beenden(Erfolg);
}

// The volumes in their order, or the --ziel folder alone; the first whose
// program fits wins. A volume that cannot be read, or whose program has no
// readable version record, is passed over.
bool frmZIRVOSP::ProgrammSuchen() {
    const std::string ordner = "ZIRVO-V" + std::to_string(Versionsnummer::Haupt);
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
        if (punkt1 == std::string::npos) return false;
        const auto punkt2 = version.find('.', punkt1 + 1);
        if (version.substr(0, punkt2) != v_) return false;
        zielordner_ = MitSchrägstrich(ordner);
        zielprogramm_ = programm;
        laufwerk_ = wurzel;
        return true;
    } catch (...) {
        return false;
    }
}

namespace {

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
// Temporary files that a killed run left behind are removed first.
bool frmZIRVOSP::DateienKopieren() {
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
        return false;
    }
    // By name, the version record last.
    const std::string versionssatz = fs::path(WindowsFileInfo::Versionsdatei(Hauptprogramm)).filename().string();
    std::sort(namen.begin(), namen.end(), [&](const std::string& a, const std::string& b) {
        if ((a == versionssatz) != (b == versionssatz)) return b == versionssatz;
        return a < b;
    });

    // What an earlier run left: its temporary files, and those of the
    // copy through a temporary name of earlier installers.
    for (fs::directory_iterator it(zielordner_, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        bool rest = IstEigenerRest(name);
        for (std::size_t i = 0; !rest && i < namen.size(); ++i) rest = Dateien::IstSchreibrest(name, namen[i]);
        std::error_code ec2;
        if (rest && fs::is_regular_file(it->symlink_status(ec2)) && !ec2) ::unlink(it->path().c_str());
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
                       grund + nl + nl + DS("Das Service Pack wurde nicht installiert; es wurde keine Datei ersetzt."),
                   true);
            return false;
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
        return false;
    }
    Dateien::OrdnerAufDisk(zielordner_);
    return true;
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

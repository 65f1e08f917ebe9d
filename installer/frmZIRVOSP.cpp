#include "installer/frmZIRVOSP.h"

#include "frame/Dateien.h"
#include "frame/Plattform.h"
#include "frame/Versionsnummer.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "installer/WindowsFileInfo.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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

// The plain files of the installer's folder, by name, without hidden files,
// links, folders and the installer itself (its real path, and its name in
// any case); each goes to a temporary name in the program folder and is
// renamed over the old file. The first failure stops the copying and says
// which file failed and which are replaced already.
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
    std::string fehler;
    std::string text;
    if (ec) {
        text = DSFormat("Der Ordner '@' des Service Packs kann nicht gelesen werden:", quellordner_) + nl +
               ec.message();
    } else {
        std::sort(namen.begin(), namen.end());
        for (const auto& name : namen) {
            if (!Dateien::SicherKopieren(quellordner_ + name, zielordner_ + name, &fehler)) {
                // Names may hold "@": no template filling here.
                text = DS("Die Datei '") + name + DS("' konnte nicht nach '") + zielordner_ +
                       DS("' kopiert werden:") + nl + fehler;
                break;
            }
            kopiert_.push_back(name);
        }
        if (text.empty()) return true;
    }

    text += nl + nl + DS("Die Installation des Service Packs ist unvollständig.");
    if (kopiert_.empty()) {
        text += nl + DS("Es wurde noch keine Datei ersetzt.");
    } else {
        text += nl + DS("Bereits ersetzte Dateien:");
        for (const auto& name : kopiert_) text += nl + "    " + name;
    }
    Melden(text, true);
    return false;
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

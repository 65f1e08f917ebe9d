#include "frame/frmOrdnerSuchen.h"

#include "frame/Dateien.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

std::function<void(frmOrdnerSuchen&)> frmOrdnerSuchen::Anzeigen;

namespace {

// The absolute, normalised form of a path, without a trailing separator
// (except for the root); "" when the path is empty or cannot be made absolute.
std::string Normal(const std::string& pfad) {
    if (pfad.empty()) return {};
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(pfad), ec);
    if (ec) return {};
    std::string s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

// True when the path lies in the folder (or is the folder).
bool Innerhalb(const std::string& pfad, const std::string& ordner) {
    if (ordner == "/") return !pfad.empty() && pfad.front() == '/';
    return pfad == ordner || (pfad.size() > ordner.size() && pfad.compare(0, ordner.size(), ordner) == 0 &&
                              pfad[ordner.size()] == '/');
}

// A mount point as /proc/self/mounts writes it: blanks and other special
// characters as backslash and three octal digits.
std::string Entschlüsseln(const std::string& s) {
    std::string aus;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            const std::string oktal = s.substr(i + 1, 3);
            if (oktal.size() == 3 && std::all_of(oktal.begin(), oktal.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                aus += static_cast<char>((oktal[0] - '0') * 64 + (oktal[1] - '0') * 8 + (oktal[2] - '0'));
                i += 3;
                continue;
            }
        }
        aus += s[i];
    }
    return aus;
}

std::string Einrückung(std::size_t tiefe) { return std::string(2 * tiefe, ' '); }

} // namespace

frmOrdnerSuchen::frmOrdnerSuchen() {
    Caption = DS("Ordner suchen");
    lblSuchenIn.setCaption(DS("Suchen in:"));
    cmdOK.setCaption(DS("OK"));
    cmdAbbrechen.setCaption(DS("Abbrechen"));
    // The lists raise their Change events whenever their value changes, by
    // the user or by the program.
    dlbDrive1.beobachten([this](const Steuerelement&) {
        if (dlbDrive1.ListIndex() == gemeldetesLaufwerk_) return;
        gemeldetesLaufwerk_ = dlbDrive1.ListIndex();
        dlbDrive1_Change();
    });
    lblOrdner.beobachten([this](const Steuerelement&) {
        if (lblOrdner.Caption() == gemeldeterOrdner_) return;
        gemeldeterOrdner_ = lblOrdner.Caption();
        lblOrdner_Change();
    });
}

std::vector<std::string> frmOrdnerSuchen::Laufwerke() {
    std::vector<std::string> liste{"/"};
    auto dazu = [&liste](const std::string& pfad) {
        std::string p = Normal(pfad);
        std::error_code ec;
        if (p.empty() || !fs::is_directory(p, ec)) return;
        if (std::find(liste.begin(), liste.end(), p) == liste.end()) liste.push_back(p);
    };
    if (const char* home = std::getenv("HOME"); home && *home) dazu(home);
    std::vector<std::string> medien;
    if (auto text = Dateien::Lesen("/proc/self/mounts")) {
        std::istringstream zeilen(*text);
        std::string zeile;
        while (std::getline(zeilen, zeile)) {
            std::istringstream felder(zeile);
            std::string gerät, ort;
            if (!(felder >> gerät >> ort)) continue;
            ort = Entschlüsseln(ort);
            if (Innerhalb(ort, "/media") || Innerhalb(ort, "/run/media") || Innerhalb(ort, "/mnt")) {
                if (ort != "/media" && ort != "/run/media" && ort != "/mnt") medien.push_back(ort);
            }
        }
    }
    std::sort(medien.begin(), medien.end());
    for (const auto& m : medien) dazu(m);
    return liste;
}

std::string frmOrdnerSuchen::Drive() const { return dlbDrive1.ListEntry(dlbDrive1.ListIndex()); }

int frmOrdnerSuchen::LaufwerkVon(const std::string& pfad) const {
    const std::string p = Normal(pfad);
    if (p.empty()) return -1;
    int best = -1;
    std::size_t bestLänge = 0;
    for (int i = 0; i < dlbDrive1.ListCount(); ++i) {
        std::string lw = Normal(dlbDrive1.ListEntry(i));
        if (lw.empty() || !Innerhalb(p, lw)) continue;
        if (best < 0 || lw.size() > bestLänge) {
            best = i;
            bestLänge = lw.size();
        }
    }
    return best;
}

bool frmOrdnerSuchen::Dir1PfadSetzen(const std::string& pfad) {
    const std::string p = Normal(pfad);
    std::error_code ec;
    if (p.empty() || !fs::is_directory(p, ec)) return false;
    // Sub-folders, hidden ones left out; a folder that cannot be listed is
    // not ready.
    std::vector<std::string> unter;
    fs::directory_iterator it(p, fs::directory_options::skip_permission_denied, ec);
    if (ec) return false;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code ec2;
        if (!it->is_directory(ec2)) continue;
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        unter.push_back(std::move(name));
    }
    std::sort(unter.begin(), unter.end());

    // The path from its drive down: the drive's root first.
    int lw = LaufwerkVon(p);
    std::string wurzel = lw >= 0 ? Normal(dlbDrive1.ListEntry(lw)) : std::string("/");
    std::vector<std::string> kette{p};
    for (fs::path a = fs::path(p); a.string() != wurzel && a.has_parent_path() && a.parent_path() != a;) {
        a = a.parent_path();
        kette.push_back(a.string());
    }
    std::reverse(kette.begin(), kette.end());

    dir1Pfade_.clear();
    dlbDir1.Clear();
    for (std::size_t t = 0; t < kette.size(); ++t) {
        const std::string& k = kette[t];
        std::string name = t == 0 ? k : fs::path(k).filename().string();
        dir1Pfade_.push_back(k);
        dlbDir1.AddItem(Einrückung(t) + name);
    }
    for (const auto& u : unter) {
        dir1Pfade_.push_back(p == "/" ? "/" + u : p + "/" + u);
        dlbDir1.AddItem(Einrückung(kette.size()) + u);
    }
    dlbDir1.setListIndex(static_cast<int>(kette.size()) - 1);

    const bool geändert = p != dir1Pfad_;
    dir1Pfad_ = p;
    if (geändert) dlbDir1_Change();
    return true;
}

std::string frmOrdnerSuchen::Dir1Eintrag(int i) const {
    if (i < 0 || i >= static_cast<int>(dir1Pfade_.size())) return {};
    return dir1Pfade_[static_cast<std::size_t>(i)];
}

bool frmOrdnerSuchen::dlbDir1_Öffnen(int i) {
    std::string ziel = Dir1Eintrag(i);
    if (ziel.empty()) return false;
    return Dir1PfadSetzen(ziel);
}

void frmOrdnerSuchen::Form_Load() {
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    for (const auto& lw : Laufwerke()) dlbDrive1.AddItem(lw);
    // The folder list starts at the program's current folder.
    std::error_code ec;
    std::string start = fs::current_path(ec).string();
    if (ec || !Dir1PfadSetzen(start)) Dir1PfadSetzen("/");
    int lw = LaufwerkVon(dir1Pfad_);
    gemeldetesLaufwerk_ = lw;
    letztesLaufwerk_ = lw;
    dlbDrive1.setListIndex(lw);
    lblOrdner.setCaption(dir1Pfad_);
}

void frmOrdnerSuchen::dlbDrive1_Change() {
    if (laufwerkZurück_) return;
    const int neu = dlbDrive1.ListIndex();
    // The folder list stays where it is when it already lies on the new
    // drive, else it goes to the drive's root.
    std::string ziel = LaufwerkVon(dir1Pfad_) == neu && !dir1Pfad_.empty() ? dir1Pfad_ : Drive();
    if (neu < 0 || !Dir1PfadSetzen(ziel)) {
        // Not ready: back to the last drive that worked, without a message.
        laufwerkZurück_ = true;
        dlbDrive1.setListIndex(letztesLaufwerk_);
        laufwerkZurück_ = false;
        return;
    }
    letztesLaufwerk_ = neu;
}

void frmOrdnerSuchen::dlbDir1_Change() { lblOrdner.setCaption(dir1Pfad_); }

void frmOrdnerSuchen::lblOrdner_Change() { lblOrdner.setToolTipText(lblOrdner.Caption()); }

void frmOrdnerSuchen::cmdOK_Click() {
    Ordner = lblOrdner.Caption();
    Ergebnis = true;
    Unload();
}

void frmOrdnerSuchen::cmdAbbrechen_Click() { Unload(); }

void frmOrdnerSuchen::Unload() {
    if (Entladen) return;
    Entladen = true;
    Visible = false;
    if (BeimEntladen) BeimEntladen();
}

bool frmOrdnerSuchen::Aufruf(std::string& Ordner, const std::string& Titel) {
    frmOrdnerSuchen dialog;
    dialog.Ergebnis = false;
    dialog.Form_Load();
    if (!Titel.empty()) dialog.Caption = Titel + " " + DS("suchen");
    const int lw = dialog.LaufwerkVon(Ordner);
    if (lw >= 0) {
        dialog.dlbDrive1.setListIndex(lw);
        // A start folder that is not there leaves the list on the drive.
        if (dialog.dlbDrive1.ListIndex() == lw) dialog.Dir1PfadSetzen(Ordner);
    }
    if (!Anzeigen) return false;
    dialog.Visible = true;
    Anzeigen(dialog);
    if (dialog.Ergebnis) Ordner = dialog.Ordner;
    return dialog.Ergebnis;
}

#include "frame/basZIRVO.h"

#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace basZIRVO {

namespace fs = std::filesystem;

namespace {

std::int16_t zähler = 0;

// "*" any run of characters, "?" one character (bytes of UTF-8 are
// compared as they are, a "?" takes one whole character).
bool PasstZuMuster(std::string_view name, std::string_view muster) {
    auto zeichenende = [](std::string_view s, std::size_t i) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
        return i;
    };
    std::size_t n = 0, m = 0, sternM = std::string_view::npos, sternN = 0;
    while (n < name.size()) {
        if (m < muster.size() && muster[m] == '*') {
            sternM = ++m;
            sternN = n;
        } else if (m < muster.size() && muster[m] == '?') {
            ++m;
            n = zeichenende(name, n);
        } else if (m < muster.size() && muster[m] == name[n]) {
            ++m;
            ++n;
        } else if (sternM != std::string_view::npos) {
            m = sternM;
            n = sternN = zeichenende(name, sternN);
        } else {
            return false;
        }
    }
    while (m < muster.size() && muster[m] == '*') ++m;
    return m == muster.size();
}

// The entries a path finds: files, and folders too when asked. A pattern
// in the last part of the path lists the matching entries of its folder.
struct Funde {
    bool Datei = false;
    bool Ordner = false;
};

Funde Suchen(std::string_view pfad) {
    Funde f;
    if (pfad.empty()) return f;
    fs::path p{std::string(pfad)};
    std::string letzter = p.filename().string();
    std::error_code ec;
    if (letzter.find_first_of("*?") == std::string::npos) {
        auto status = fs::status(p, ec);
        if (ec) return f;
        f.Datei = fs::is_regular_file(status);
        f.Ordner = fs::is_directory(status);
        return f;
    }
    fs::path ordner = p.parent_path();
    if (ordner.empty()) ordner = ".";
    fs::directory_iterator it(ordner, ec), ende;
    for (; !ec && it != ende; it.increment(ec)) {
        if (!PasstZuMuster(it->path().filename().string(), letzter)) continue;
        std::error_code ec2;
        auto status = fs::status(it->path(), ec2);
        if (ec2) continue;
        if (fs::is_regular_file(status)) f.Datei = true;
        if (fs::is_directory(status)) f.Ordner = true;
        if (f.Datei && f.Ordner) break;
    }
    return f;
}

// A message box with the critical icon under the program's title.
void Kritisch(const std::string& text) {
    Plattform::meldungen().Zeigen(text, basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
}

} // namespace

std::int16_t SanduhrZähler(std::int16_t n) {
    if (n == 1) return zähler;
    int neu;
    if (n == -1) neu = zähler + 1;
    else if (n == 0) neu = zähler - 1;
    else neu = n - 2;
    neu = std::min(neu, 32767);
    if (neu < 1) neu = 0;
    zähler = static_cast<std::int16_t>(neu);
    Plattform::umgebung().Sanduhr(zähler >= 1);
    return zähler;
}

bool DateiVorhanden(std::string_view Pfad) {
    try {
        return Suchen(Pfad).Datei;
    } catch (...) {
        return false;
    }
}

bool OrdnerVorhanden(std::string_view Pfad) {
    try {
        Funde f = Suchen(Pfad);
        return f.Ordner && !f.Datei;
    } catch (...) {
        return false;
    }
}

bool DruckerVorhanden() {
    if (!Plattform::drucker().DruckerListe().empty()) return true;
    Kritisch(DS("Es ist kein Drucker im System vorhanden.") + "\r\n" + DS("Bitte installieren Sie einen Drucker in Windows."));
    return false;
}

std::function<std::string()> EingestellterDrucker = [] { return Global::Initialisierung.DruckerName; };

bool DruckerOK() {
    if (!EingestellterDrucker) return false;
    std::string name = EingestellterDrucker();
    auto liste = Plattform::drucker().DruckerListe();
    return std::find(liste.begin(), liste.end(), name) != liste.end();
}

std::function<bool()> DruckerPrüfen;

bool DruckEingerichtet() {
    try {
        if (!DruckerVorhanden()) return false;
        bool ok = DruckerPrüfen ? DruckerPrüfen() : DruckerOK();
        if (!ok) {
            Kritisch(DS("Bitte zuerst den Druck einrichten."));
            return false;
        }
        return true;
    } catch (...) {
        return false;
    }
}

void StringArraySortieren(std::vector<std::string>& Liste, std::int32_t Von, std::int32_t Bis) {
    if (Liste.empty()) return;
    std::int64_t von = std::max<std::int64_t>(Von, 0);
    std::int64_t bis = std::min<std::int64_t>(Bis, static_cast<std::int64_t>(Liste.size()) - 1);
    if (bis <= von) return;
    // Equal texts cannot be told apart, so any correct sort gives the same
    // order; std::string compares as unsigned bytes, which in UTF-8 is the
    // order of the character codes.
    std::sort(Liste.begin() + von, Liste.begin() + bis + 1);
}

void StringArraySortierenAlle(std::vector<std::string>& Liste) {
    std::sort(Liste.begin(), Liste.end());
}

bool CtrlTasteGedrückt() { return Plattform::umgebung().StrgGedrückt(); }

bool IstVistaOderNeuer() { return true; }

} // namespace basZIRVO

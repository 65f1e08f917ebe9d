#include "components/Baustoff.h"

#include "frame/Dateien.h"
#include "frame/Plattform.h"
#include "frame/Sperrdatei.h"
#include "frame/Systemfehler.h"
#include "frame/Windows1252.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"

#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace Global {
::Baustoff Baustoff;
} // namespace Global

namespace fs = std::filesystem;

namespace {

constexpr const char* CRLF = "\r\n";

using Sperre = Sperrdatei;

// Why the lock could not be had: another copy holds it, or something
// stands in the way of the lock file; then the message names it, with its
// owner and what is wrong with it.
std::string SperrText(const Sperre& s) {
    if (s.Besetzt())
        return DS("Die Baustoff-Datenbank wird gerade von einem anderen Programm benutzt.") + CRLF +
               DS("Bitte versuchen Sie es nochmals.");
    return s.Hindernis();
}

// The folder of a file.
std::string Ordner(const std::string& datei) {
    const fs::path p(datei);
    return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}

// True when this user may make files in the folder (the saves need it for
// their temporary file).
bool OrdnerBeschreibbar(const std::string& ordner) {
    return ::faccessat(AT_FDCWD, ordner.c_str(), W_OK, AT_EACCESS) == 0;
}

// The message on a file of another version: it names the header read.
std::string FremdeVersion(const std::string& kopf) {
    constexpr std::size_t höchstens = 40;
    std::string gezeigt = Windows1252::NachUtf8(kopf.substr(0, höchstens));
    if (kopf.size() > höchstens) gezeigt += "...";
    return DSFormat("Die Datei ist von einer Version, die dieses Programm nicht kennt (Kopfzeile \"@\").", gezeigt);
}

std::string NurLesenSatz() {
    return DS("Sie ist nur zum Lesen geöffnet: Änderungen können nicht gespeichert werden.");
}

std::string ÜberholtText() {
    return DS("Der Baustoff wurde inzwischen in einer anderen Programmkopie geändert oder gelöscht.");
}

bool IstKopfzeile(std::string_view zeile) {
    constexpr std::string_view kopf = "BAUSTOFF.DBK";
    if (zeile.size() < kopf.size()) return false;
    for (std::size_t i = 0; i < kopf.size(); ++i) {
        char c = zeile[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        if (c != kopf[i]) return false;
    }
    return true;
}

// The header this program writes and reads: "BAUSTOFF.DBK|1.0" (the name in
// any case, blanks after it ignored). Another version's file is read but
// never written.
bool BekannteKopfzeile(std::string_view zeile) {
    while (!zeile.empty() && (zeile.back() == ' ' || zeile.back() == '\t')) zeile.remove_suffix(1);
    return IstKopfzeile(zeile) && zeile.substr(12) == Baustoff::Kopfzeile.substr(12);
}

// The highest id a record can have.
constexpr std::int64_t GrössteNummer = std::numeric_limits<std::int32_t>::max();

// Hands out ids that no line of the file holds: the highest id (of the file
// and mindestens) plus 1, or, once the highest is at the limit (a damaged
// line), the lowest free one.
class Nummernvergabe {
public:
    explicit Nummernvergabe(const std::vector<std::string>& zeilen, std::int64_t mindestens = 0)
        : max_(mindestens) {
        for (const std::string& z : zeilen) {
            const std::int64_t k = Baustoff::Kennung(z);
            if (k <= 0) continue;
            max_ = std::max(max_, k);
            if (k <= GrössteNummer) belegt_.push_back(k);
        }
    }
    // The next free id, or 0 when none is left.
    std::int64_t Nächste() {
        if (max_ < GrössteNummer) {
            belegt_.push_back(++max_);
            sortiert_ = false;
            return max_;
        }
        if (!sortiert_) {
            std::sort(belegt_.begin(), belegt_.end());
            belegt_.erase(std::unique(belegt_.begin(), belegt_.end()), belegt_.end());
            sortiert_ = true;
            index_ = 0;
        }
        // The ids below belegt_[i] not yet handed out, from the lowest.
        while (kandidat_ <= GrössteNummer) {
            while (index_ < belegt_.size() && belegt_[index_] < kandidat_) ++index_;
            if (index_ < belegt_.size() && belegt_[index_] == kandidat_) {
                ++kandidat_;
                continue;
            }
            return kandidat_++;
        }
        return 0;
    }

private:
    std::int64_t max_ = 0;
    std::vector<std::int64_t> belegt_;
    bool sortiert_ = false;
    std::size_t index_ = 0;
    std::int64_t kandidat_ = 1;
};

// A record line with the id replaced (the leading digits).
std::string MitNummer(const std::string& zeile, std::int64_t id) {
    std::size_t ziffern = 0;
    while (ziffern < zeile.size() && zeile[ziffern] >= '0' && zeile[ziffern] <= '9') ++ziffern;
    return std::to_string(id) + zeile.substr(ziffern);
}

// Lines that repeat an id of an earlier line (two databases joined by
// hand) get new free ids, in file order, so each record is found, shown,
// saved and deleted as itself; the next write keeps the new ids. The
// numbering depends on the file's content alone, so every copy of the
// program that reads the same file gives the same ids.
void NummernEindeutig(std::vector<std::string>& zeilen) {
    std::unordered_set<std::int64_t> gesehen;
    std::vector<std::size_t> doppelt;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::int64_t k = Baustoff::Kennung(zeilen[i]);
        if (k > 0 && !gesehen.insert(k).second) doppelt.push_back(i);
    }
    if (doppelt.empty()) return;
    Nummernvergabe vergabe(zeilen);
    for (std::size_t i : doppelt) {
        const std::int64_t neu = vergabe.Nächste();
        if (neu == 0) break; // no id left: the line keeps its own
        zeilen[i] = MitNummer(zeilen[i], neu);
    }
}

// The key of field n in a line: "|" and its letter.
std::string Feldschlüssel(int n) { return std::string("|") + Baustoff::Feldbuchstaben[static_cast<std::size_t>(n - 1)]; }

} // namespace

// --- escaping ---

std::string Baustoff::Maskieren(std::string_view wert) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string aus;
    aus.reserve(wert.size());
    for (std::size_t i = 0; i < wert.size();) {
        const char32_t z = Windows1252::NächstesZeichen(wert, i);
        auto code = Windows1252::Code(z);
        if (!code || *code == 0) continue;
        const unsigned char c = *code;
        if (c >= 32 && c <= 122) {
            aus += static_cast<char>(c);
        } else {
            aus += '~';
            aus += hex[c >> 4];
            aus += hex[c & 15];
        }
    }
    return aus;
}

std::string Baustoff::Demaskieren(std::string_view text) {
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Only "~" and two hexadecimal digits is an escape; a "~" without
        // them (a hand-edited line) stays as it stands, and so does what
        // follows it.
        if (text[i] == '~' && i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0) {
            const int code = hex(text[i + 1]) * 16 + hex(text[i + 2]);
            if (code != 0) bytes += static_cast<char>(code);
            i += 2;
            continue;
        }
        bytes += text[i];
    }
    return Windows1252::NachUtf8(bytes);
}

std::int64_t Baustoff::Kennung(std::string_view zeile) {
    std::int64_t id = 0;
    for (char c : zeile) {
        if (c < '0' || c > '9') break;
        if (id > (std::numeric_limits<std::int64_t>::max() - 9) / 10) return std::numeric_limits<std::int64_t>::max();
        id = id * 10 + (c - '0');
    }
    return id;
}

// --- fields of the current record ---

std::int64_t Baustoff::IndexNr() const { return hatAktuell_ ? Kennung(aktuell_) : 0; }

std::string Baustoff::FeldLesen(int n) const {
    if (!hatAktuell_ || n < 1 || n > 8) return {};
    const std::string schlüssel = Feldschlüssel(n);
    const std::size_t p = aktuell_.find(schlüssel);
    if (p == std::string::npos) return {};
    const std::size_t anfang = p + schlüssel.size();
    const std::size_t ende = aktuell_.find('|', anfang);
    return Demaskieren(std::string_view(aktuell_).substr(anfang, ende == std::string::npos ? ende : ende - anfang));
}

void Baustoff::FeldSchreiben(int n, const std::string& wert) {
    if (!hatAktuell_ || n < 1 || n > 8) return;
    const std::string schlüssel = Feldschlüssel(n);
    // Where the field that starts at p ends: at the next field or the line's end.
    auto feldende = [&](std::size_t p) {
        const std::size_t e = aktuell_.find('|', p + schlüssel.size());
        return e == std::string::npos ? aktuell_.size() : e;
    };
    const std::size_t p = aktuell_.find(schlüssel);
    if (p == std::string::npos) {
        if (const std::string text = Maskieren(wert); !text.empty()) aktuell_ += schlüssel + text;
        return;
    }
    // A damaged line may hold the field more than once; only the first is
    // read and shown, so the others are cut out: the field stands once, with
    // the value written.
    for (std::size_t q = aktuell_.find(schlüssel, feldende(p)); q != std::string::npos; q = aktuell_.find(schlüssel, q))
        aktuell_.erase(q, feldende(q) - q);
    const std::size_t anfang = p + schlüssel.size();
    const std::size_t ende = feldende(p);
    if (wert.empty()) {
        aktuell_.erase(p, ende - p);
        return;
    }
    const std::string text = Maskieren(wert);
    // A value the escapes cannot carry whole (a NUL byte the file holds as
    // such) keeps the text the file has for it while it is unchanged.
    if (Demaskieren(text) != wert && Demaskieren(std::string_view(aktuell_).substr(anfang, ende - anfang)) == wert)
        return;
    if (text.empty()) aktuell_.erase(p, ende - p);
    else aktuell_.replace(anfang, ende - anfang, text);
}

double Baustoff::ZahlLesen(int n) const { return basVB6NumCvt::ZahlLesenDbl(FeldLesen(n)); }

void Baustoff::ZahlSchreiben(int n, double wert) {
    FeldSchreiben(n, wert == 0 || !std::isfinite(wert) ? std::string() : basVB6NumCvt::ZahlText(wert));
}

// --- the files ---

void Baustoff::Melden(const std::string& text, Plattform::Symbol symbol) const {
    Plattform::meldungen().Zeigen(DS("Baustoff-Datenbank") + ":  " + pfad_ + CRLF + CRLF + text,
                                  basZIRVO3801::ProgrammTitel, symbol, Plattform::Knöpfe::OK);
}

bool Baustoff::VorlageKopieren() {
    // Only a path of the form ".../Name.dbk": the template is Name.dbi in
    // the program's folder.
    if (pfad_.size() < 4) return false;
    std::string ende = pfad_.substr(pfad_.size() - 4);
    for (char& c : ende)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    const std::size_t trenner = pfad_.rfind('/');
    if (ende != ".DBK" || trenner == std::string::npos) return false;
    std::string name = pfad_.substr(trenner + 1);
    name = name.substr(0, name.size() - 3) + "dbi";
    std::string ordner = Plattform::umgebung().Programmordner();
    if (ordner.empty() || ordner.back() != '/') ordner += '/';
    const std::string vorlage = ordner + name;
    std::error_code ec;
    if (!fs::is_regular_file(vorlage, ec) || fs::file_size(vorlage, ec) > grenzen_.Bytes || ec) return false;
    auto inhalt = Dateien::Lesen(vorlage);
    return inhalt && Dateien::SicherSchreiben(pfad_, *inhalt);
}

bool Baustoff::DateienPrüfen() {
    std::error_code ec;
    if (fs::exists(pfad_, ec)) return false;
    // Created under the lock, so that two copies starting at once do not
    // both make the file.
    Sperre sperre(sperrpfad_, true, pfad_);
    if (!sperre.Gehalten()) {
        Melden(SperrText(sperre));
        return true;
    }
    if (fs::exists(pfad_, ec)) return false;
    std::string grund;
    if (VorlageKopieren() || Dateien::SicherSchreiben(pfad_, std::string(Kopfzeile) + CRLF, &grund)) {
        // The lock file was made before the database file it takes its
        // rights from.
        sperre.RechteAngleichen(pfad_);
        return false;
    }
    Melden(DS("Die Datei kann nicht geschrieben werden.") + " (" + grund + ")");
    return true;
}

bool Baustoff::DateiLesen(std::vector<std::string>& zeilen, std::string& fehler, std::string* fremderKopf,
                          std::string* hinweis) const {
    zeilen.clear();
    if (fremderKopf) fremderKopf->clear();
    // A FIFO, device or folder (also behind a link) is said as what it is.
    if (const std::string art = Dateien::Artfehler(pfad_); !art.empty()) {
        fehler = DS("Die Datei kann nicht gelesen werden.") + " (" + art + ")";
        return false;
    }
    std::error_code ec;
    const std::uintmax_t grösse = fs::file_size(pfad_, ec);
    if (ec) {
        fehler = DS("Die Datei kann nicht gelesen werden.") + " (" + Systemfehler::Text(ec) + ")";
        return false;
    }
    if (grösse > grenzen_.Bytes) {
        fehler = DS("Die Datei ist zu gross für eine Baustoff-Datenbank.");
        return false;
    }
    std::string grund;
    Dateien::Nebenkopie kopie{grenzen_.Bytes, {}};
    auto inhalt = Dateien::Lesen(pfad_, &grund, &kopie);
    if (hinweis) *hinweis = kopie.Hinweis;
    if (!inhalt) {
        fehler = DS("Die Datei kann nicht gelesen werden.") + " (" + grund + ")";
        return false;
    }
    const std::string& t = *inhalt;
    std::size_t anfang = 0;
    bool erste = true;
    while (anfang < t.size()) {
        // A line ends at CR LF, LF CR, CR or LF, whichever the file's
        // writer used.
        std::size_t ende = t.find_first_of("\r\n", anfang);
        std::size_t weiter;
        if (ende == std::string::npos) {
            ende = t.size();
            weiter = ende;
        } else {
            weiter = ende + 1;
            if (weiter < t.size() && (t[weiter] == '\r' || t[weiter] == '\n') && t[weiter] != t[ende]) ++weiter;
        }
        std::string_view zeile(t.data() + anfang, ende - anfang);
        // The header is passed over (also behind the byte-order mark an
        // editor may have put before it); a first line that is no header is
        // a record like the others and is written back.
        std::string_view kopf = zeile;
        if (erste && kopf.substr(0, 3) == "\xEF\xBB\xBF") kopf.remove_prefix(3);
        if (erste && IstKopfzeile(kopf)) {
            if (!BekannteKopfzeile(kopf) && fremderKopf) *fremderKopf = std::string(kopf);
        } else {
            if (zeilen.size() >= grenzen_.Zeilen) {
                fehler = DS("Die Datei ist zu gross für eine Baustoff-Datenbank.");
                zeilen.clear();
                return false;
            }
            zeilen.emplace_back(zeile);
        }
        erste = false;
        anfang = weiter;
    }
    NummernEindeutig(zeilen);
    return true;
}

bool Baustoff::DateiSchreiben(const std::vector<std::string>& zeilen, std::string& fehler) const {
    // What the next open would refuse is not written.
    const std::string zuGross = DS("Die Datei würde damit zu gross für eine Baustoff-Datenbank.");
    if (zeilen.size() > grenzen_.Zeilen) {
        fehler = zuGross;
        return false;
    }
    std::string text(Kopfzeile);
    text += CRLF;
    for (const std::string& z : zeilen) {
        text += z;
        text += CRLF;
        if (text.size() > grenzen_.Bytes) {
            fehler = zuGross;
            return false;
        }
    }
    std::string grund;
    Dateien::Nebenkopie kopie{grenzen_.Bytes, {}};
    if (Dateien::SicherSchreiben(pfad_, text, &grund, &kopie)) return true;
    fehler = DS("Die Datei kann nicht geschrieben werden.") + " (" + grund + ")";
    return false;
}

void Baustoff::Sortieren() {
    hatAktuell_ = false;
    if (zeilen_.size() < 2) return;
    // By designation in the order of its codes in the file (Windows-1252);
    // equal designations by the text of their place in the file.
    std::vector<std::pair<std::u32string, std::size_t>> schlüssel;
    schlüssel.reserve(zeilen_.size());
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        aktuell_ = zeilen_[i];
        hatAktuell_ = true;
        schlüssel.emplace_back(Windows1252::Sortierschlüssel(Bez() + '\t' + std::to_string(i)), i);
    }
    hatAktuell_ = false;
    std::sort(schlüssel.begin(), schlüssel.end());
    std::vector<std::string> sortiert;
    sortiert.reserve(zeilen_.size());
    for (auto& [k, i] : schlüssel) sortiert.push_back(std::move(zeilen_[i]));
    zeilen_ = std::move(sortiert);
}

// --- open, close, find ---

bool Baustoff::DBOpen(const std::string& Pfad) {
    if (offen_) return true;
    if (Pfad != pfad_) gesehen_ = 0;
    pfad_ = Pfad;
    // The lock lies beside the file that is written: the one a link (or a
    // chain of links) points to, so that every copy locks the same file,
    // whichever way it reaches it.
    const std::string ziel = Dateien::LinkZiel(Pfad);
    sperrpfad_ = Pfad.empty() ? std::string() : ziel.substr(0, ziel.size() - 1) + "$";
    if (Pfad.empty() || DateienPrüfen()) return false;
    ResteEntfernen();
    std::vector<std::string> zeilen;
    std::string fehler, fremderKopf, ohneSperre, kopiehinweis;
    {
        Sperre sperre(sperrpfad_, false, pfad_);
        if (!sperre.Gehalten()) {
            if (sperre.Besetzt()) {
                Melden(SperrText(sperre));
                return false;
            }
            // A lock file this user can neither open nor make: the file is
            // read without it, for reading only. A save replaces the file by
            // a rename, or writes into it under the file's own lock after a
            // copy of the old content, so a read never sees half of one.
            ohneSperre = SperrText(sperre);
        }
        const bool gelesen = DateiLesen(zeilen, fehler, &fremderKopf, &kopiehinweis);
        // What lies beside the file under the name of a copy and was left alone.
        if (!kopiehinweis.empty()) Melden(kopiehinweis, Plattform::Symbol::Warnung);
        if (!gelesen) {
            Melden(fehler);
            return false;
        }
    }
    IdsGesehen(zeilen);
    Übernehmen(std::move(zeilen));
    offen_ = true;
    // Another version's file, or one whose mode protects it (from root as
    // well, whom the system lets replace it), is never rewritten; nor is one
    // in a folder this user may not write, or without a lock to write under.
    std::string grund;
    if (!fremderKopf.empty()) {
        grund = FremdeVersion(fremderKopf);
        nurLesenGrund_ = DS("Die Baustoff-Datenbank ist von einer anderen Version und nur zum Lesen geöffnet.");
    } else if (Dateien::Schreibgeschützt(pfad_)) {
        grund = DS("Die Datei ist schreibgeschützt.");
        nurLesenGrund_ = DS("Die Baustoff-Datenbank ist schreibgeschützt und nur zum Lesen geöffnet.");
    } else if (!OrdnerBeschreibbar(Ordner(ziel))) {
        grund = DSFormat("Der Ordner \"@\" ist schreibgeschützt.", Ordner(ziel));
        nurLesenGrund_ = DS("Der Ordner der Baustoff-Datenbank ist schreibgeschützt; sie ist nur zum Lesen geöffnet.");
    } else if (!ohneSperre.empty()) {
        grund = ohneSperre;
        nurLesenGrund_ = ohneSperre;
    }
    nurLesen_ = !grund.empty();
    if (nurLesen_) Melden(grund + CRLF + NurLesenSatz(), Plattform::Symbol::Warnung);
    return true;
}

void Baustoff::Übernehmen(std::vector<std::string> zeilen) {
    zeilen_ = std::move(zeilen);
    Sortieren();
}

void Baustoff::IdsGesehen(const std::vector<std::string>& zeilen) {
    for (const std::string& z : zeilen)
        if (const std::int64_t k = Kennung(z); k <= GrössteNummer) gesehen_ = std::max(gesehen_, k);
}

void Baustoff::ResteEntfernen() const {
    // Only under the exclusive lock, so that no other copy is just writing
    // its temporary file; only when there is something to remove, so that
    // an ordinary open never takes that lock.
    if (!Dateien::HatSchreibreste(pfad_)) return;
    Sperre sperre(sperrpfad_, true, pfad_);
    if (sperre.Gehalten()) Dateien::SchreibresteEntfernen(pfad_);
}

void Baustoff::DBClose() {
    zeilen_.clear();
    offen_ = false;
    nurLesen_ = false;
}

bool Baustoff::FindFirst() {
    if (!offen_) return false;
    if (zeilen_.empty()) {
        hatAktuell_ = false;
        return false;
    }
    position_ = 0;
    aktuell_ = gelesen_ = zeilen_[0];
    hatAktuell_ = true;
    return true;
}

bool Baustoff::FindNext() {
    if (!offen_) return false;
    if (position_ + 1 < zeilen_.size()) {
        aktuell_ = gelesen_ = zeilen_[++position_];
        hatAktuell_ = true;
        return true;
    }
    hatAktuell_ = false;
    return false;
}

bool Baustoff::Find(std::int64_t id) {
    if (!offen_) return false;
    // A line without an id (0) is never found by it.
    for (std::size_t i = 0; id > 0 && i < zeilen_.size(); ++i) {
        if (Kennung(zeilen_[i]) == id) {
            position_ = i;
            aktuell_ = gelesen_ = zeilen_[i];
            hatAktuell_ = true;
            return true;
        }
    }
    hatAktuell_ = false;
    position_ = zeilen_.size();
    return false;
}

void Baustoff::NewRecord() {
    aktuell_ = "0";
    gelesen_.clear();
    hatAktuell_ = true;
}

// --- save and delete ---

std::string Baustoff::ZumÄndernLesen(std::vector<std::string>& zeilen) {
    std::string fehler, fremderKopf;
    if (!DateiLesen(zeilen, fehler, &fremderKopf)) return fehler;
    // Another program has meanwhile written a version this one does not know.
    if (!fremderKopf.empty()) return FremdeVersion(fremderKopf);
    Dateien::SchreibresteEntfernen(pfad_);
    IdsGesehen(zeilen);
    return {};
}

std::size_t Baustoff::GeleseneZeile(const std::vector<std::string>& zeilen) const {
    // Ids are unique once read, so the first line with the id is the only one.
    const std::int64_t id = Kennung(gelesen_);
    for (std::size_t i = 0; id > 0 && i < zeilen.size(); ++i)
        if (Kennung(zeilen[i]) == id) return zeilen[i] == gelesen_ ? i : zeilen.size();
    return zeilen.size();
}

std::int64_t Baustoff::Save() {
    überholt_ = false;
    std::int64_t id = IndexNr();
    std::string werte[8];
    for (int n = 1; n <= 8; ++n) werte[n - 1] = FeldLesen(n);
    const std::string bisher = aktuell_;
    const bool hatteAktuell = hatAktuell_;
    auto fehlgeschlagen = [&](const std::string& text) {
        Melden(text + CRLF + CRLF + DS("Der Baustoff wurde nicht gespeichert."));
        aktuell_ = bisher;
        hatAktuell_ = hatteAktuell;
        return std::int64_t{-1};
    };
    if (pfad_.empty()) return fehlgeschlagen(DS("Die Datei kann nicht geschrieben werden."));
    if (nurLesen_) return fehlgeschlagen(nurLesenGrund_);

    Sperre sperre(sperrpfad_, true, pfad_);
    if (!sperre.Gehalten()) return fehlgeschlagen(SperrText(sperre));
    std::vector<std::string> zeilen;
    std::string fehler = ZumÄndernLesen(zeilen);
    if (!fehler.empty()) return fehlgeschlagen(fehler);

    std::size_t gefunden = zeilen.size();
    if (id > 0) {
        gefunden = GeleseneZeile(zeilen);
        if (gefunden == zeilen.size()) {
            // Not written over another copy's change: what was typed stays,
            // as a new record, and the memory shows the file as it is now.
            Melden(ÜberholtText() + CRLF + CRLF +
                       DS("Die Eingaben bleiben erhalten: Speichern legt sie als neuen Baustoff an."),
                   Plattform::Symbol::Warnung);
            überholt_ = true;
            Übernehmen(std::move(zeilen));
            aktuell_ = MitNummer(bisher, 0);
            gelesen_.clear();
            hatAktuell_ = true;
            return -1;
        }
        aktuell_ = zeilen[gefunden];
    } else {
        id = Nummernvergabe(zeilen, gesehen_).Nächste();
        if (id == 0) return fehlgeschlagen(DS("Die Datenbank hat keine freie Nummer mehr."));
        aktuell_ = std::to_string(id);
        zeilen.emplace_back();
    }
    hatAktuell_ = true;
    for (int n = 1; n <= 8; ++n) FeldSchreiben(n, werte[n - 1]);
    zeilen[gefunden] = aktuell_;
    if (!DateiSchreiben(zeilen, fehler)) return fehlgeschlagen(fehler);

    IdsGesehen(zeilen);
    Übernehmen(std::move(zeilen));
    return id;
}

std::int32_t Baustoff::Delete() {
    überholt_ = false;
    if (IndexNr() <= 0) return -1;
    auto fehlgeschlagen = [&](const std::string& text, Plattform::Symbol symbol = Plattform::Symbol::Fehler) {
        Melden(text + CRLF + CRLF + DS("Der Baustoff wurde nicht gelöscht."), symbol);
        return std::int32_t{-1};
    };
    if (nurLesen_) return fehlgeschlagen(nurLesenGrund_);
    Sperre sperre(sperrpfad_, true, pfad_);
    if (!sperre.Gehalten()) return fehlgeschlagen(SperrText(sperre));
    std::vector<std::string> zeilen;
    std::string fehler = ZumÄndernLesen(zeilen);
    if (!fehler.empty()) return fehlgeschlagen(fehler);
    const std::size_t i = GeleseneZeile(zeilen);
    if (i == zeilen.size()) {
        // The record shown is no longer there as it was shown: nothing is
        // deleted, and the memory shows the file as it is now.
        überholt_ = true;
        Übernehmen(std::move(zeilen));
        return fehlgeschlagen(ÜberholtText(), Plattform::Symbol::Warnung);
    }
    // The last line takes the place of the deleted one.
    if (i + 1 != zeilen.size()) zeilen[i] = std::move(zeilen.back());
    zeilen.pop_back();
    if (!DateiSchreiben(zeilen, fehler)) return fehlgeschlagen(fehler);
    Übernehmen(std::move(zeilen));
    return 0;
}

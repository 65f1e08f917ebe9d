// The copy of a file's old content that a write into the file itself puts
// beside it (see Dateien::SicherSchreiben), and how the next open or save
// puts that content back after the write was cut off. Anyone who may write
// the folder can leave a file of any name there, and can rename any file
// of the folder (also one of the file's owner) to a copy's name: who owns
// a copy proves nothing. What ties a copy to a cut-off write is the file's
// own attribute, which names the copy and its hash and which only a user
// who may write the file can set; the writer sets it before it writes and
// removes it after. Only a copy named so is ever applied, and only once:
// the attribute goes with it. Where the file system keeps no such
// attributes, a copy is never applied on its own but offered as a file of
// its own.
#include "frame/Dateien.h"
#include "frame/DateienIntern.h"

#include "frame/Systemfehler.h"
#include "frame/basZIRVODialogSprache.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <openssl/evp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace Dateien {

void (*ImDateiUnterbrechung)() = nullptr;
bool OhneNutzerattribute = false;

namespace Intern {

namespace {

constexpr std::string_view Kennung = "ZIRVO-Kopie 2";
// A header line is never longer (the name, four numbers and a hash).
constexpr std::size_t Kopfgrenze = 200;

struct Kopf {
    std::uint64_t Gerät = 0, Knoten = 0, AltLänge = 0, NeuLänge = 0;
    std::string_view Hash; // of the old and the new content, one after the other
    std::size_t Länge = 0; // of the header line, with its line end
};

// The header at the start of bytes; nothing when it is none.
std::optional<Kopf> KopfLesen(std::string_view bytes) {
    const std::size_t ende = bytes.find('\n');
    if (ende == std::string_view::npos || ende > Kopfgrenze || bytes.substr(0, Kennung.size()) != Kennung)
        return std::nullopt;
    Kopf k;
    k.Länge = ende + 1;
    const char* p = bytes.data() + Kennung.size();
    const char* const schluss = bytes.data() + ende;
    for (std::uint64_t* feld : {&k.Gerät, &k.Knoten, &k.AltLänge, &k.NeuLänge}) {
        if (p >= schluss || *p != ' ') return std::nullopt;
        const auto [weiter, fehler] = std::from_chars(p + 1, schluss, *feld);
        if (fehler != std::errc() || weiter == p + 1) return std::nullopt;
        p = weiter;
    }
    if (schluss - p != 65 || *p != ' ') return std::nullopt;
    k.Hash = std::string_view(p + 1, 64);
    return k;
}

// The groups of a user as the system lists them (its own one included).
std::vector<gid_t> Gruppen(uid_t wer) {
    std::vector<char> puffer(16384);
    passwd eintrag{}, *gefunden = nullptr;
    if (::getpwuid_r(wer, &eintrag, puffer.data(), puffer.size(), &gefunden) != 0 || !gefunden) return {};
    int anzahl = 64;
    std::vector<gid_t> gruppen(static_cast<std::size_t>(anzahl));
    if (::getgrouplist(gefunden->pw_name, gefunden->pw_gid, gruppen.data(), &anzahl) < 0) {
        gruppen.resize(static_cast<std::size_t>(anzahl));
        if (::getgrouplist(gefunden->pw_name, gefunden->pw_gid, gruppen.data(), &anzahl) < 0) anzahl = 0;
    }
    gruppen.resize(static_cast<std::size_t>(std::max(anzahl, 0)));
    return gruppen;
}

// Whether the file's content (f) is what a write of neu over alt from the
// start leaves when it is cut off: each byte the old one or the new one (or
// a zero where the file had grown and its data did not reach the disk),
// its length between the two.
bool Zwischenstand(std::string_view f, std::string_view alt, std::string_view neu) {
    if (f.size() < std::min(alt.size(), neu.size()) || f.size() > std::max(alt.size(), neu.size())) return false;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const bool wieAlt = i < alt.size() && f[i] == alt[i];
        const bool wieNeu = i < neu.size() && f[i] == neu[i];
        if (!wieAlt && !wieNeu && !(i >= alt.size() && f[i] == '\0')) return false;
    }
    return true;
}

// "Neben der Datei liegt "PATH" (Besitzer: NAME)" and what follows that
// (the path is put in as it is: it may hold an "@" of its own).
std::string Nebenan(const std::string& kopie, const std::string& besitzer, std::string_view rest = ".") {
    return DS("Neben der Datei liegt") + " \"" + kopie + "\" " + DSFormat("(Besitzer: @)", besitzer) + DS(rest);
}

// "Neben der Datei liegt ... Sie wurde weder gelesen noch verändert: WHY".
std::string Unberührt(const std::string& kopie, const std::string& besitzer, const std::string& warum) {
    return Nebenan(kopie, besitzer) + " " + DS("Sie wurde weder gelesen noch verändert:") + " " + warum;
}

// Adds a text to the message about what lay beside the file.
void anfügen(std::string* hinweis, const std::string& text) {
    if (hinweis) *hinweis += (hinweis->empty() ? "" : "\r\n\r\n") + text;
}

struct Schliesser {
    int fd = -1;
    ~Schliesser() {
        if (fd >= 0) ::close(fd);
    }
};

// The file's attribute that names its copy: 0 and its value, or ENODATA
// (none), ENOTSUP (the file system keeps no user attributes) or another
// reason. fd < 0: by the path (never through a link).
int AttributLesen(const std::string& pfad, int fd, std::string& wert) {
    if (OhneNutzerattribute) return ENOTSUP;
    char puffer[256];
    const ssize_t n = fd >= 0 ? ::fgetxattr(fd, Kopieattribut, puffer, sizeof puffer)
                              : ::lgetxattr(pfad.c_str(), Kopieattribut, puffer, sizeof puffer);
    if (n < 0) return errno == EOPNOTSUPP ? ENOTSUP : errno;
    wert.assign(puffer, static_cast<std::size_t>(n));
    return 0;
}

// The copy's name and hash in the attribute's value; nothing when it names
// no copy of the file dateiname.
std::optional<std::pair<std::string, std::string>> AttributTeilen(std::string_view wert,
                                                                  std::string_view dateiname) {
    const std::size_t blank = wert.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    const std::string_view name = wert.substr(0, blank), hash = wert.substr(blank + 1);
    if (!IstKopie(name, dateiname) || hash.size() != 64 ||
        hash.find_first_not_of("0123456789abcdef") != std::string_view::npos)
        return std::nullopt;
    return std::pair{std::string(name), std::string(hash)};
}

// A moment in local time, as strftime's format gives it; "?" when it
// cannot be.
std::string Ortszeit(std::time_t t, const char* format) {
    std::tm tm{};
    char text[64];
    if (!::localtime_r(&t, &tm) || std::strftime(text, sizeof text, format, &tm) == 0) return "?";
    return text;
}

// Day and time of a moment as messages give it ("11.12.2026, 10:15 Uhr").
std::string Zeitpunkt(std::time_t t) { return DSFormat("@ Uhr", Ortszeit(t, "%d.%m.%Y, %H:%M")); }

// "NAME (begonnen am DAY, TIME Uhr)": who began a save (the owner of its
// copy), and when, as its copy tells.
std::string Speichernder(const std::string& besitzer, const struct stat& ks) {
    return besitzer + " " + DSFormat("(begonnen am @)", Zeitpunkt(ks.st_mtime));
}

// Removes a copy (no longer the file's own copy), or empties it where the
// folder does not let it go (where neither can be done, the file no longer
// names it all the same).
void KopieWegräumen(const std::string& kopie, int kfd, bool leerbar, const struct stat& ks,
                    const std::string& ordner) {
    struct stat noch {};
    const bool dieselbe = ::lstat(kopie.c_str(), &noch) == 0 && noch.st_ino == ks.st_ino && noch.st_dev == ks.st_dev;
    const bool weg = dieselbe && Entfernbar(ordner, ks) && ::unlink(kopie.c_str()) == 0;
    if (!weg && !(leerbar && ::ftruncate(kfd, 0) == 0 && ::fsync(kfd) == 0)) return;
    OrdnerAufDisk(ordner);
}

// What a copy holds: its header, the old and the new content; nothing when
// it is no copy of the file of status ds.
struct Kopieinhalt {
    std::string Bytes;
    std::string_view Alt, Neu;
};
std::optional<Kopieinhalt> KopieTeilen(std::string bytes, const struct stat& ds, std::size_t grenze) {
    Kopieinhalt k{std::move(bytes), {}, {}};
    const auto kopf = KopfLesen(k.Bytes);
    if (!kopf || kopf->Gerät != static_cast<std::uint64_t>(ds.st_dev) ||
        kopf->Knoten != static_cast<std::uint64_t>(ds.st_ino) || kopf->AltLänge > grenze || kopf->NeuLänge > grenze ||
        k.Bytes.size() != kopf->Länge + kopf->AltLänge + kopf->NeuLänge)
        return std::nullopt;
    k.Alt = std::string_view(k.Bytes).substr(kopf->Länge, kopf->AltLänge);
    k.Neu = std::string_view(k.Bytes).substr(kopf->Länge + kopf->AltLänge);
    if (Hashwert({k.Alt, k.Neu}) != kopf->Hash) return std::nullopt;
    return k;
}

// The largest copy of a file of its kind.
off_t Kopiegrenze(std::size_t grenze) {
    return static_cast<off_t>(Kopfgrenze) + 2 * static_cast<off_t>(std::min<std::size_t>(grenze, SIZE_MAX / 4));
}

// A file of its own beside ziel with the old content of a cut-off save,
// for the engineer to open ("Haus (vor dem Speichern von anna am
// 11.12.2026 10.15).zirvo9"); one that holds it already is taken. Its path,
// or "" and the reason.
std::string Ablegen(const std::string& ziel, std::string_view alt, const std::string& wer, std::time_t wann,
                    mode_t rechte, std::string& grund) {
    namespace fs = std::filesystem;
    const fs::path p(ziel);
    const std::string zusatz = " (" + DSFormat("vor dem Speichern von @", wer) + " " +
                               DSFormat("am @", Ortszeit(wann, "%d.%m.%Y %H.%M")),
                      endung = p.extension();
    std::string stamm = p.stem().string();
    // Within the 255 bytes of a name, with room for a number and the
    // temporary file's ending.
    const std::size_t platz = 255 - 40;
    if (stamm.size() + zusatz.size() + endung.size() + 4 > platz)
        stamm.resize(Zeichenanfang(stamm, platz > zusatz.size() + endung.size() + 4
                                              ? platz - zusatz.size() - endung.size() - 4
                                              : 0));
    for (int nummer = 1; nummer <= 9; ++nummer) {
        const std::string name =
            stamm + zusatz + (nummer > 1 ? " " + std::to_string(nummer) : std::string()) + ")" + endung;
        const std::string pfad = (p.parent_path() / name).string();
        // Taken already, by an earlier look at the same copy.
        if (Vorhanden(pfad)) {
            const auto da = Lesen(pfad);
            if (da && *da == alt) return pfad;
            continue;
        }
        const std::string temp = TemporärSchreiben(Temporärmuster(pfad), alt, static_cast<int>(rechte & 0666), &grund);
        if (temp.empty()) return "";
        const bool gelinkt = ::link(temp.c_str(), pfad.c_str()) == 0;
        const int fehler = errno;
        ::unlink(temp.c_str());
        if (gelinkt) {
            OrdnerAufDisk(p.parent_path().string());
            return pfad;
        }
        if (fehler != EEXIST) {
            grund = Systemfehler::Text(fehler);
            return "";
        }
    }
    grund = DS("es liegen schon zu viele Dateien dieses Namens dort");
    return "";
}

// A file under a copy's name that the file's attribute does not name.
// Where the file system keeps such attributes it is nobody's copy (also
// one whose writer was cut off before the file named it): it is named and
// left alone. Where it keeps none (angebbar), a copy that a cut-off write
// into this very file by someone who may write it seems to have left is
// offered: its old content as a file of its own, the file unchanged.
void ÜbrigeKopie(const std::string& ziel, const std::string& kopie, bool angebbar, std::size_t grenze,
                 std::string* hinweis) {
    struct stat ks {};
    if (::lstat(kopie.c_str(), &ks) != 0 || (S_ISREG(ks.st_mode) && ks.st_size == 0)) return;
    const std::string besitzer = Besitzer(kopie);
    auto fremd = [&](const std::string& warum) {
        anfügen(hinweis, Unberührt(kopie, besitzer, warum));
    };
    if (!S_ISREG(ks.st_mode)) return fremd(DS("sie") + " " + Artsatz(ks.st_mode));
    Schliesser k{RegulärÖffnen(kopie, O_RDONLY | O_NOFOLLOW, nullptr)};
    if (k.fd < 0 || ::fstat(k.fd, &ks) != 0) return fremd(DS("sie lässt sich nicht öffnen."));
    if (ks.st_nlink != 1) return fremd(DS("sie ist zugleich unter einem anderen Namen abgelegt."));
    const std::string keine = DS("die Datei nennt sie nicht als Kopie ihres Inhalts.");
    if (!angebbar) return fremd(keine);
    // Without attributes: what its content says.
    struct stat ds {};
    std::string bytes, jetzt;
    int grund = 0;
    Schliesser datei{RegulärÖffnen(ziel, O_RDONLY | O_NOFOLLOW, nullptr)};
    const std::string liste = ZugriffslisteLesen(ziel.c_str()).value_or("");
    std::optional<Kopieinhalt> inhalt;
    if (datei.fd >= 0 && ::fstat(datei.fd, &ds) == 0 && DarfSchreiben(ks.st_uid, ds, liste) &&
        ks.st_size <= Kopiegrenze(grenze) && AllesLesen(k.fd, bytes, grund))
        inhalt = KopieTeilen(std::move(bytes), ds, grenze);
    if (!inhalt || !AllesLesen(datei.fd, jetzt, grund) || jetzt == inhalt->Alt || jetzt == inhalt->Neu ||
        !Zwischenstand(jetzt, inhalt->Alt, inhalt->Neu))
        return fremd(keine);
    std::string fehler;
    const std::string abgelegt = Ablegen(ziel, inhalt->Alt, besitzer, ks.st_mtime, ds.st_mode, fehler);
    std::string text = DSFormat("Ein Speichern dieser Datei durch @ wurde abgebrochen.", Speichernder(besitzer, ks)) +
                       " " +
                       DS("Dieses Dateisystem kann nicht belegen, dass die Kopie des bisherigen Inhalts von diesem "
                          "Speichern stammt; deshalb wurde die Datei nicht verändert.") +
                       " ";
    if (abgelegt.empty())
        text += DSFormat("Der Inhalt von vor dem Speichern liegt in \"@\"", kopie) + " " +
                DSFormat("und konnte nicht als eigene Datei abgelegt werden: @.", fehler);
    else
        text += DSFormat("Der Inhalt von vor dem Speichern liegt in \"@\"; Sie können ihn dort öffnen.", abgelegt);
    anfügen(hinweis, text);
    // Kept in a file of its own: the copy goes where it may.
    if (!abgelegt.empty() && Entfernbar(Ordner(ziel), ks)) ::unlink(kopie.c_str());
}

} // namespace

bool DarfSchreiben(uid_t wer, const struct stat& st, const std::string& liste) {
    if (wer == 0 || wer == st.st_uid) return true;
    const std::vector<gid_t> gruppen = Gruppen(wer);
    auto inGruppe = [&gruppen](std::uint32_t g) {
        return std::find(gruppen.begin(), gruppen.end(), static_cast<gid_t>(g)) != gruppen.end();
    };
    const std::vector<Eintrag> einträge = Einträge(liste);
    if (einträge.empty()) return (st.st_mode & (inGruppe(st.st_gid) ? 020 : 002)) != 0;
    std::uint16_t maske = 7, andere = 0;
    for (const Eintrag& e : einträge) {
        if (e.Art == Maske_) maske = e.Rechte;
        if (e.Art == Andere_) andere = e.Rechte;
    }
    for (const Eintrag& e : einträge)
        if (e.Art == Benutzer_ && e.Id == wer) return (e.Rechte & maske & 2) != 0;
    bool getroffen = false, schreibt = false;
    for (const Eintrag& e : einträge) {
        const bool trifft = (e.Art == Gruppe_ && inGruppe(st.st_gid)) || (e.Art == Gruppen_ && inGruppe(e.Id));
        getroffen |= trifft;
        schreibt |= trifft && (e.Rechte & maske & 2) != 0;
    }
    return getroffen ? schreibt : (andere & 2) != 0;
}

std::uint64_t Prüfwert(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

std::string Hashwert(std::initializer_list<std::string_view> teile) {
    unsigned char wert[EVP_MAX_MD_SIZE];
    unsigned int länge = 0;
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    bool ok = ctx && EVP_DigestInit_ex(ctx, EVP_sha256(), nullptr) == 1;
    for (std::string_view teil : teile) ok = ok && EVP_DigestUpdate(ctx, teil.data(), teil.size()) == 1;
    ok = ok && EVP_DigestFinal_ex(ctx, wert, &länge) == 1;
    EVP_MD_CTX_free(ctx);
    if (!ok) return {};
    std::string text;
    char ziffern[3];
    for (unsigned int i = 0; i < länge; ++i) {
        std::snprintf(ziffern, sizeof ziffern, "%02x", wert[i]);
        text += ziffern;
    }
    return text;
}

std::string Kopietext(const struct stat& datei, std::string_view alt, std::string_view neu) {
    char kopf[Kopfgrenze + 1];
    const int n = std::snprintf(kopf, sizeof kopf, "%s %llu %llu %zu %zu %s\n", Kennung.data(),
                                static_cast<unsigned long long>(datei.st_dev),
                                static_cast<unsigned long long>(datei.st_ino), alt.size(), neu.size(),
                                Hashwert({alt, neu}).c_str());
    std::string text(kopf, static_cast<std::size_t>(n));
    text.reserve(text.size() + alt.size() + neu.size());
    text.append(alt);
    text.append(neu);
    return text;
}

int KopieattributSetzen(int fd, const std::string& kopie, std::string_view text) {
    if (OhneNutzerattribute) return ENOTSUP;
    // The header holds the hash of the rest: its own hash stands for the
    // whole copy.
    const std::string wert =
        std::filesystem::path(kopie).filename().string() + " " + Hashwert({text.substr(0, text.find('\n') + 1)});
    if (::fsetxattr(fd, Kopieattribut, wert.data(), wert.size(), 0) != 0)
        return errno == EOPNOTSUPP ? ENOTSUP : errno;
    return ::fsync(fd) == 0 ? 0 : errno;
}

void KopieattributEntfernen(int fd) {
    if (!OhneNutzerattribute && ::fremovexattr(fd, Kopieattribut) == 0) ::fsync(fd);
}

bool Entfernbar(const std::string& ordner, const struct stat& st) {
    struct stat o {};
    if (::stat(ordner.c_str(), &o) != 0 || ::faccessat(AT_FDCWD, ordner.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return false;
    const uid_t ich = ::geteuid();
    return (o.st_mode & S_ISVTX) == 0 || ich == 0 || st.st_uid == ich || o.st_uid == ich;
}

Rückholung KopieZurückholen(const std::string& ziel, std::size_t grenze, std::string* fehler, std::string* hinweis) {
    std::string wert;
    const int attribut = AttributLesen(ziel, -1, wert);
    const std::string dateiname = std::filesystem::path(ziel).filename().string();
    auto genannt = attribut == 0 ? AttributTeilen(wert, dateiname) : std::nullopt;
    // The files under a copy's name that the file does not name; decided
    // before any lock is waited for.
    // (A few are named, the others counted.)
    std::size_t gesagt = 0;
    for (const std::string& k : Kopien(ziel)) {
        if (genannt && std::filesystem::path(k).filename() == genannt->first) continue;
        std::string über;
        ÜbrigeKopie(ziel, k, attribut == ENOTSUP, grenze, &über);
        if (!über.empty() && ++gesagt <= 5) anfügen(hinweis, über);
    }
    if (gesagt > 5)
        anfügen(hinweis, DSFormat("Neben der Datei liegen @ weitere solche Dateien; auch sie wurden weder gelesen "
                                  "noch verändert.",
                                  std::to_string(gesagt - 5)));
    if (!genannt) return Rückholung::Keine;

    // The file, to be written where this user may, and kept from writers
    // meanwhile.
    Schliesser datei{RegulärÖffnen(ziel, O_RDWR | O_NOFOLLOW, nullptr)};
    const bool schreibbar = datei.fd >= 0;
    if (!schreibbar) datei.fd = RegulärÖffnen(ziel, O_RDONLY | O_NOFOLLOW, nullptr);
    struct stat ds {};
    if (datei.fd < 0 || ::fstat(datei.fd, &ds) != 0) return Rückholung::Keine; // the read says why
    if (!Sperren(datei.fd, schreibbar ? LOCK_EX : LOCK_SH, ds, !schreibbar, fehler)) return Rückholung::Besetzt;
    // A write that held the lock has ended meanwhile.
    if (AttributLesen(ziel, datei.fd, wert) != 0 || !(genannt = AttributTeilen(wert, dateiname)))
        return Rückholung::Keine;
    const std::string kopie = (std::filesystem::path(Ordner(ziel)) / genannt->first).string();
    struct stat ks {};
    // Its writer ended it, or one who put it back emptied it, but not the
    // attribute.
    if (::lstat(kopie.c_str(), &ks) != 0 || (S_ISREG(ks.st_mode) && ks.st_size == 0)) {
        if (schreibbar) KopieattributEntfernen(datei.fd);
        return Rückholung::Keine;
    }
    const std::string besitzer = Besitzer(kopie);
    auto fremd = [&](const std::string& warum) {
        anfügen(hinweis, Unberührt(kopie, besitzer, warum));
        return Rückholung::Keine;
    };
    if (!S_ISREG(ks.st_mode)) return fremd(DS("sie") + " " + Artsatz(ks.st_mode));
    // The copy itself, never through a link; to be emptied where it cannot
    // be removed.
    Schliesser k{RegulärÖffnen(kopie, O_RDWR | O_NOFOLLOW, nullptr)};
    const bool leerbar = k.fd >= 0;
    std::string grund;
    if (!leerbar) k.fd = RegulärÖffnen(kopie, O_RDONLY | O_NOFOLLOW, &grund);
    if (k.fd < 0) return fremd(DSFormat("sie lässt sich nicht öffnen (@).", grund));
    if (::fstat(k.fd, &ks) != 0 || ks.st_nlink != 1)
        return fremd(DS("sie ist zugleich unter einem anderen Namen abgelegt."));
    if (ks.st_size > Kopiegrenze(grenze)) return fremd(DS("sie ist grösser als jede Kopie einer solchen Datei."));
    std::string bytes;
    int fehlernummer = 0;
    if (!AllesLesen(k.fd, bytes, fehlernummer)) return fremd(Systemfehler::Text(fehlernummer));
    const std::string keineKopie = DS("sie ist nicht die Kopie, die die Datei nennt.");
    if (Hashwert({std::string_view(bytes).substr(0, bytes.find('\n') + 1)}) != genannt->second)
        return fremd(keineKopie);
    const auto inhalt = KopieTeilen(std::move(bytes), ds, grenze);
    if (!inhalt) return fremd(keineKopie);
    std::string jetzt;
    if (!AllesLesen(datei.fd, jetzt, fehlernummer)) return fremd(Systemfehler::Text(fehlernummer));
    // Not begun, or done: nothing to put back, the copy only goes.
    const bool zurück = jetzt != inhalt->Alt && jetzt != inhalt->Neu;
    if (zurück && !Zwischenstand(jetzt, inhalt->Alt, inhalt->Neu))
        return fremd(DS("die Datei ist nicht so, wie ein abgebrochenes Speichern mit dieser Kopie sie hinterlässt."));
    auto nichtAngewandt = [&](const std::string& warum) {
        melden(fehler, Nebenan(kopie, besitzer, ", der Inhalt der Datei vor einem abgebrochenen Speichern.") + " " +
                           DS("Er wurde nicht zurückgeschrieben:") + " " + warum);
        return Rückholung::Unmöglich;
    };
    if (zurück && !schreibbar) return nichtAngewandt(DS("Sie dürfen die Datei nicht schreiben."));
    if (zurück && !AllesSchreiben(datei.fd, inhalt->Alt, fehlernummer))
        return nichtAngewandt(Systemfehler::Text(fehlernummer));
    // Applied once only: the copy goes, and the file no longer names it (an
    // attribute left by a crash in between names nothing there).
    KopieWegräumen(kopie, k.fd, leerbar, ks, Ordner(ziel));
    if (schreibbar) KopieattributEntfernen(datei.fd);
    if (!zurück) return Rückholung::Keine;
    anfügen(hinweis, DSFormat("Der Inhalt der Datei von vor einem abgebrochenen Speichern durch @ wurde "
                             "zurückgeschrieben.",
                             Speichernder(besitzer, ks)));
    return Rückholung::Erledigt;
}

} // namespace Intern
} // namespace Dateien

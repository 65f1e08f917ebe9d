// The service-pack installer on temporary folders: volumes in a fake list,
// each maybe holding the program folder with a version record, and a
// service pack beside them. Every case runs the whole start, answers
// "Ja, installieren" and compares what was found, the messages, the exit
// status and the files of the program folder afterwards.
#include "frame/Dateien.h"
#include "frame/Versionsnummer.h"
#include "installer/Datentraeger.h"
#include "installer/WindowsFileInfo.h"
#include "installer/frmZIRVOSP.h"
#include "tests/support/Fremdbenutzer.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <linux/capability.h>
#include <map>
#include <sched.h>
#include <sstream>
#include <sys/mount.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Lesen(const fs::path& p) {
    if (fs::is_directory(p)) return "<Ordner>";
    std::ifstream ein(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
}
void Schreiben(const fs::path& p, const std::string& inhalt, fs::perms rechte = fs::perms(0644)) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << inhalt;
    fs::permissions(p, rechte);
}

const std::string H = std::to_string(Versionsnummer::Haupt);
const std::string N = std::to_string(Versionsnummer::Neben);
const std::string Ordner = "ZIRVO-V" + H;

struct Volume {
    const char* Name;
    bool Wechselbar;
    std::string Satz; // the version record of the program there; "-" no program
};

enum class Störung {
    Keine,
    OrdnerStattDatei, // a folder under the name of a pack's file
    NurLesbar,        // the program folder cannot be written
    Dateigrenze,      // a write stops at the file-size limit, midway through the copies
    ErsetzenScheitert,// a rename into place fails, after the copies
    Verweise,         // links in the program folder point outside it
    Reste,            // temporary files of a killed run lie in the program folder
    Gesperrt,         // another installer holds the program folder's lock all the time
    AlteSperre,       // the lock file of a killed installer lies there, unlocked
    // The lock file cannot be opened (another user's, mode 0600), and a
    // killed run left 250 temporary files:
    FremdeSperre,         // nobody else at work
    FremdeSperreBesetzt,  // another installer holds the folder itself
    KeineSperre,          // the folder cannot be read either: no lock at all
    Umask,            // the installer runs under umask 077 in a folder of mode 0775
};

// The name of a user, else the number.
std::string Eigentümer(uid_t uid) {
    const passwd* p = ::getpwuid(uid);
    return p ? p->pw_name : std::to_string(uid);
}

// Those cases run the installation unprivileged: root opens any file.
bool FremdeSperrdatei(Störung st) {
    return st == Störung::FremdeSperre || st == Störung::FremdeSperreBesetzt || st == Störung::KeineSperre;
}

struct Fall {
    const char* Titel;
    std::vector<Volume> Volumes;
    std::string Ziel;         // --ziel below the test folder ("": search the volumes)
    Störung Stoerung = Störung::Keine;
    std::string Gefunden;     // the volume (or --ziel folder) found, "": none
    int Status;
    std::vector<std::string> Kopiert;
    std::vector<std::string> Meldung; // pieces of the last message; "<W>" stands for the test folder
};

// What "Ja, installieren" ended with.
struct Ergebnis {
    bool Beendet = false;
    int Status = -1;
    std::vector<std::string> Kopiert;
    bool Gemeldet = false;
    std::string Titel, Text;
    int Symbol = -1;
};

Ergebnis Auslesen(const frmZIRVOSP& m, const Testhilfe::Testumgebung& u) {
    Ergebnis e;
    e.Beendet = m.Beendet();
    e.Status = m.Rückgabe();
    e.Kopiert = m.Kopiert();
    if (const auto* l = u.meldungen.Letzte()) {
        e.Gemeldet = true;
        e.Titel = l->Titel;
        e.Text = l->Text;
        e.Symbol = static_cast<int>(l->Symbol);
    }
    return e;
}

// The result through a pipe from a child process, as lines: numbers, then
// each text with its length first.
std::string Verpacken(const Ergebnis& e) {
    std::string t = std::to_string(e.Beendet) + " " + std::to_string(e.Status) + " " + std::to_string(e.Gemeldet) +
                    " " + std::to_string(e.Symbol) + " " + std::to_string(e.Kopiert.size()) + "\n";
    for (const std::string* x : {&e.Titel, &e.Text}) t += std::to_string(x->size()) + "\n" + *x;
    for (const auto& k : e.Kopiert) t += std::to_string(k.size()) + "\n" + k;
    return t;
}

Ergebnis Entpacken(const std::string& t) {
    Ergebnis e;
    std::istringstream ein(t);
    int beendet = 0, gemeldet = 0;
    std::size_t anzahl = 0;
    ein >> beendet >> e.Status >> gemeldet >> e.Symbol >> anzahl;
    e.Beendet = beendet;
    e.Gemeldet = gemeldet;
    auto text = [&] {
        std::size_t n = 0;
        ein >> n;
        ein.get();
        std::string x(n, '\0');
        ein.read(x.data(), static_cast<std::streamsize>(n));
        return x;
    };
    e.Titel = text();
    e.Text = text();
    for (std::size_t i = 0; i < anzahl && ein; ++i) e.Kopiert.push_back(text());
    return e;
}

// The program folder read-only for this process, also for root: a
// read-only bind mount in a mount namespace of its own, else root without
// the capabilities that pass over permission bits (the folder is 0555),
// else the user "nobody". "" when it worked, else why not.
std::string NurLesbarMachen(const fs::path& ordner) {
    if (::geteuid() != 0) return ""; // the folder's mode 0555 does it
    if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
        ::mount(ordner.c_str(), ordner.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
        ::mount(nullptr, ordner.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0)
        return "";
    __user_cap_header_struct kopf{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct daten[2]{};
    if (::syscall(SYS_capget, &kopf, daten) == 0) {
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
            daten[cap / 32].effective &= ~(1u << (cap % 32));
            daten[cap / 32].permitted &= ~(1u << (cap % 32));
        }
        if (::syscall(SYS_capset, &kopf, daten) == 0 && ::faccessat(AT_FDCWD, ordner.c_str(), W_OK, AT_EACCESS) != 0) return "";
    }
    if (::setresgid(65534, 65534, 65534) == 0 && ::setresuid(65534, 65534, 65534) == 0 &&
        ::faccessat(AT_FDCWD, ordner.c_str(), W_OK, AT_EACCESS) != 0)
        return "";
    return "kein Weg, den Ordner für root schreibgeschützt zu machen (kein Mount-Namensraum, keine Capabilities, "
           "kein Benutzerwechsel)";
}

// An existing unprivileged user to run as when the test runs as root.
const passwd* Unprivilegiert() { return ::getpwnam("nobody"); }

// Without root's rights: as that user when running as root. "" when it
// worked (or was not needed), else why not.
std::string OhneRootRechte() {
    if (::geteuid() != 0) return "";
    const passwd* p = Unprivilegiert();
    if (p && ::setgroups(0, nullptr) == 0 && ::setresgid(p->pw_gid, p->pw_gid, p->pw_gid) == 0 &&
        ::setresuid(p->pw_uid, p->pw_uid, p->pw_uid) == 0)
        return "";
    return "kein Wechsel zum Benutzer nobody";
}

// Runs "Ja, installieren" in a child process, under the restriction of the
// case, and returns what it ended with; skipped: why it could not run.
Ergebnis ImKindInstallieren(frmZIRVOSP& m, const Testhilfe::Testumgebung& u, Störung st, const fs::path& ziel,
                            std::string& übersprungen) {
    int status = 0;
    const std::string text = Testhilfe::Kindprozess([&] {
                                 std::string grund;
                                 if (st == Störung::NurLesbar) grund = NurLesbarMachen(ziel);
                                 if (FremdeSperrdatei(st)) grund = OhneRootRechte();
                                 // Unreadable for this user, who owns it.
                                 if (grund.empty() && st == Störung::KeineSperre) fs::permissions(ziel, fs::perms(0333));
                                 if (st == Störung::Dateigrenze) {
                                     // As the programs start: the limit makes a write fail with EFBIG.
                                     Dateien::DateigrössenSignalAbschalten();
                                     rlimit grenze{64 * 1024, 64 * 1024};
                                     if (::setrlimit(RLIMIT_FSIZE, &grenze) != 0) grund = "setrlimit";
                                 }
                                 if (!grund.empty()) return "-" + grund;
                                 m.cmdInstallieren_Click();
                                 return "+" + Verpacken(Auslesen(m, u));
                             })
                                 .Ergebnis(&status)
                                 .value_or("");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "Kindprozess: Status " << status;
    if (text.empty()) return {};
    if (text[0] == '-') {
        übersprungen = text.substr(1);
        return {};
    }
    return Entpacken(text.substr(1));
}

class ZIRVOSP : public ::testing::Test {
protected:
    fs::path Wurzel = fs::temp_directory_path() / ("zirvo_test_sp_" + std::to_string(::getpid()));
    void SetUp() override { fs::remove_all(Wurzel); }
    void TearDown() override {
        std::error_code ec;
        for (auto& e : fs::recursive_directory_iterator(Wurzel, ec)) fs::permissions(e.path(), fs::perms::all, ec);
        fs::remove_all(Wurzel, ec);
    }
    // Runs one case from the start; a case that cannot run here says why.
    void Durchlaufen(const Fall& f, std::string& übersprungen);
};

const std::string passt = H + "." + N + ".0.98";
const std::vector<std::string> alle = {"Hilfe.txt", "Neu.txt", "ZIRVO3801", "ZIRVO3801.version"};
const std::string keineErsetzt = "Das Service Pack wurde nicht installiert; es wurde keine Datei ersetzt.";

void ZIRVOSP::Durchlaufen(const Fall& f, std::string& übersprungen) {
    fs::remove_all(Wurzel);
    Testhilfe::Testumgebung umgebung;

    // The service pack: the installer (also under a second name in
    // other case), files to copy, and what is never copied.
    const fs::path sp = Wurzel / "sp";
    Schreiben(sp / "ZIRVOSP", "installer", fs::perms(0755));
    Schreiben(sp / "zirvoSP", "installer");
    Schreiben(sp / "Hilfe.txt", "neue Hilfe");
    Schreiben(sp / "Neu.txt", "neu");
    Schreiben(sp / "ZIRVO3801", "neues Programm", fs::perms(0755));
    Schreiben(sp / "ZIRVO3801.version", H + "." + N + ".0.99\n");
    Schreiben(sp / ".versteckt", "x");
    Schreiben(sp / "Unterordner" / "x.txt", "x");
    fs::create_symlink("Hilfe.txt", sp / "Verweis.txt");
    // Larger than the limit of the case: its copy stops midway.
    if (f.Stoerung == Störung::Dateigrenze) Schreiben(sp / "Zz.dat", std::string(256 * 1024, 'z'));

    std::vector<Datenträger> volumes;
    for (const Volume& v : f.Volumes) {
        const fs::path w = Wurzel / v.Name;
        fs::create_directories(w);
        volumes.push_back({w.string(), v.Wechselbar});
        if (v.Satz == "-") continue;
        Schreiben(w / Ordner / "ZIRVO3801", "altes Programm");
        Schreiben(w / Ordner / "ZIRVO3801.version", v.Satz + "\n");
        Schreiben(w / Ordner / "Hilfe.txt", "alte Hilfe");
    }

    frmZIRVOSP m;
    m.Programmpfad = (sp / "ZIRVOSP").string();
    m.Ziel = f.Ziel.empty() ? "" : (Wurzel / f.Ziel).string();
    m.Laufwerke = [&] { return volumes; };
    bool gezeigt = false;
    m.Zeigen = [&] { gezeigt = true; };
    // What the run shows when it waits, and the mode of its lock file.
    std::string wartetext;
    int sperrmodus = -1;
    m.Warten = [&](std::chrono::milliseconds takt) {
        if (wartetext.empty()) {
            wartetext = m.lblInfo.Caption() + "|" + m.lblFrage.Caption();
            EXPECT_FALSE(m.cmdInstallieren.Enabled());
        }
        std::this_thread::sleep_for(takt);
    };

    const fs::path gefunden = Wurzel / f.Gefunden;
    const fs::path ziel = gefunden.filename() == Ordner ? gefunden : gefunden / Ordner;
    // The folder as it was before, to compare with when nothing may change.
    std::map<std::string, std::string> vorher;
    const fs::path aussen = Wurzel / "aussen";
    int sperre = -1;
    struct Loslassen {
        int& fd;
        ~Loslassen() {
            if (fd >= 0) ::close(fd);
        }
    } loslassen{sperre};
    switch (f.Stoerung) {
    case Störung::OrdnerStattDatei: Schreiben(ziel / "Neu.txt" / "drin", ""); break;
    case Störung::NurLesbar: fs::permissions(ziel, fs::perms(0555)); break;
    case Störung::ErsetzenScheitert:
        // Just before the renames, the old program becomes a folder.
        m.VorDemErsetzen = [&] {
            fs::remove(ziel / "ZIRVO3801");
            Schreiben(ziel / "ZIRVO3801" / "drin", "");
        };
        break;
    case Störung::Verweise:
        fs::remove(ziel / "Hilfe.txt");
        Schreiben(aussen / "Hilfe.txt", "fremde Datei");
        fs::create_directories(aussen / "Ordner");
        fs::create_symlink(aussen / "Hilfe.txt", ziel / "Hilfe.txt");
        fs::create_symlink(aussen / "Ordner", ziel / "Neu.txt");
        break;
    case Störung::Reste:
        Schreiben(ziel / ".ZIRVOSP.Hilfe.txt.aB3xY9", "Rest");
        Schreiben(ziel / ".ZIRVOSP.Neu.txt.000000", "Rest");
        Schreiben(ziel / ".Hilfe.txt.~zirvo-tmp-Q1w2E3", "Rest eines früheren Installers");
        fs::last_write_time(ziel / ".Hilfe.txt.~zirvo-tmp-Q1w2E3",
                            fs::last_write_time(ziel / ".Hilfe.txt.~zirvo-tmp-Q1w2E3") - std::chrono::minutes(2));
        // Just written: the program may be saving its file right now.
        Schreiben(ziel / ".Neu.txt.~zirvo-tmp-A1b2C3", "fremd");
        Schreiben(ziel / ".ZIRVOSP.kurz", "fremd");
        Schreiben(ziel / ".Fremd.txt.~zirvo-tmp-Q1w2E3", "fremd");
        break;
    case Störung::Gesperrt:
        // Its temporary file is its own, not a leftover.
        Schreiben(ziel / ".ZIRVOSP.Neu.txt.aB3xY9", "fremd");
        sperre = ::open((ziel / frmZIRVOSP::Sperrdatei).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_EQ(::flock(sperre, LOCK_EX), 0);
        m.Wartezeit = std::chrono::milliseconds(300);
        break;
    case Störung::AlteSperre:
        Schreiben(ziel / frmZIRVOSP::Sperrdatei, "");
        Schreiben(ziel / ".ZIRVOSP.Neu.txt.aB3xY9", "Rest");
        break;
    case Störung::FremdeSperre:
    case Störung::FremdeSperreBesetzt:
    case Störung::KeineSperre:
        // As root, the installer runs as nobody in a folder of its own, and
        // root's lock file (0600) is another user's; otherwise the lock file
        // is this user's own, of mode 0000.
        if (::geteuid() == 0) {
            const passwd* p = Unprivilegiert();
            if (!p) {
                übersprungen = "kein unprivilegierter Benutzer (nobody), unter dem der Installer laufen könnte";
                return;
            }
            ASSERT_EQ(::chown(ziel.c_str(), p->pw_uid, p->pw_gid), 0);
        }
        Schreiben(ziel / frmZIRVOSP::Sperrdatei, "", ::geteuid() == 0 ? fs::perms(0600) : fs::perms::none);
        for (int i = 0; i < 250; ++i) Schreiben(ziel / (".ZIRVOSP.Hilfe.txt.a" + std::to_string(10000 + i)), "Rest");
        if (f.Stoerung == Störung::FremdeSperreBesetzt) {
            sperre = ::open(ziel.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            ASSERT_EQ(::flock(sperre, LOCK_EX), 0);
            m.Wartezeit = std::chrono::milliseconds(300);
        }
        break;
    case Störung::Umask:
        fs::permissions(ziel, fs::perms(0775));
        m.VorDemErsetzen = [&] {
            struct stat info {};
            if (::stat((ziel / frmZIRVOSP::Sperrdatei).c_str(), &info) == 0)
                sperrmodus = static_cast<int>(info.st_mode & 07777);
        };
        break;
    default: break;
    }
    if (!f.Gefunden.empty())
        for (const auto& name : alle)
            if (fs::is_regular_file(fs::symlink_status(ziel / name))) vorher[name] = Lesen(ziel / name);

    m.Form_Load();
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(m.Caption, "Bauphysik ZIRVO 380/1 " + H + "." + N + "  -  Service Pack installieren");
    EXPECT_EQ(m.Quellordner(), m.Programmpfad.substr(0, m.Programmpfad.rfind('/') + 1));
    Ergebnis e;
    if (!f.Gefunden.empty()) {
        ASSERT_FALSE(m.Beendet());
        EXPECT_EQ(m.Zielordner(), ziel.string() + "/");
        EXPECT_EQ(m.lblInfo.Caption(), "Das Programm ZIRVO wurde auf Laufwerk '" + gefunden.string() + "' gefunden.");
        EXPECT_EQ(m.lblFrage.Caption(), "Soll das Service Pack jetzt installiert werden?");
        if (f.Stoerung == Störung::NurLesbar || f.Stoerung == Störung::Dateigrenze || FremdeSperrdatei(f.Stoerung)) {
            e = ImKindInstallieren(m, umgebung, f.Stoerung, ziel, übersprungen);
            fs::permissions(ziel, fs::perms(0755));
            if (!übersprungen.empty()) return;
        } else {
            const mode_t umask = ::umask(077);
            if (f.Stoerung != Störung::Umask) ::umask(umask);
            m.cmdInstallieren_Click();
            ::umask(umask);
            e = Auslesen(m, umgebung);
        }
    } else {
        e = Auslesen(m, umgebung);
    }
    EXPECT_TRUE(e.Beendet);
    EXPECT_EQ(e.Status, f.Status);
    EXPECT_EQ(e.Kopiert, f.Kopiert);
    ASSERT_TRUE(e.Gemeldet);
    EXPECT_EQ(e.Titel, "ZIRVOSP");
    EXPECT_EQ(e.Symbol, static_cast<int>(f.Status == 0 ? Plattform::Symbol::Information : Plattform::Symbol::Fehler));
    // It waits only for another installer, and says so (as seen here, not
    // in a child process); a lock file it makes has the folder's read bits
    // for group and others, and no write bits but its maker's.
    if (!FremdeSperrdatei(f.Stoerung)) {
        EXPECT_EQ(wartetext, f.Stoerung != Störung::Gesperrt ? "" : "In den Programmordner '" + ziel.string() +
                  "/' installiert gerade ein anderes Service Pack.|Die Installation wartet, bis es fertig ist "
                  "(höchstens 1 Sekunde).");
    }
    EXPECT_EQ(sperrmodus, f.Stoerung == Störung::Umask ? 0644 : -1);
    for (std::string stück : f.Meldung) {
        for (auto w = stück.find("<W>"); w != std::string::npos; w = stück.find("<W>"))
            stück.replace(w, 3, Wurzel.string());
        EXPECT_NE(e.Text.find(stück), std::string::npos) << stück << "\n" << e.Text;
    }

    // What was put in place holds the pack's bytes (an executable stays
    // one); the rest of the folder is as it was, and nothing else came in.
    if (f.Gefunden.empty()) return;
    for (const auto& name : alle) {
        const bool neu = std::find(f.Kopiert.begin(), f.Kopiert.end(), name) != f.Kopiert.end();
        if (neu) {
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(ziel / name))) << name;
            EXPECT_EQ(Lesen(ziel / name), Lesen(sp / name)) << name;
        } else if (f.Stoerung == Störung::ErsetzenScheitert && name == "ZIRVO3801") {
            EXPECT_TRUE(fs::exists(ziel / name / "drin")); // the folder put there stays
        } else if (vorher.count(name)) {
            EXPECT_EQ(Lesen(ziel / name), vorher[name]) << name;
        } else if (f.Stoerung != Störung::OrdnerStattDatei && f.Stoerung != Störung::ErsetzenScheitert) {
            EXPECT_FALSE(fs::exists(fs::symlink_status(ziel / name))) << name;
        }
    }
    // The version record names the new version only when every file is in place.
    EXPECT_EQ(Lesen(ziel / "ZIRVO3801.version"), f.Status == 0 ? Lesen(sp / "ZIRVO3801.version") : passt + "\n");
    const auto rechte = fs::status(ziel / "ZIRVO3801").permissions();
    EXPECT_TRUE(f.Status != 0 || (rechte & fs::perms::owner_exec) != fs::perms::none);
    for (const char* nie : {"ZIRVOSP", "zirvoSP", ".versteckt", "Unterordner", "Verweis.txt", "Zz.dat"})
        EXPECT_FALSE(fs::exists(fs::symlink_status(ziel / nie))) << nie;
    // Leftovers go under a lock, and only under one.
    int reste = 0;
    for (auto& d : fs::directory_iterator(ziel)) {
        const std::string name = d.path().filename().string();
        // What is not a leftover of a run that ended, stays.
        const bool sperreBleibt = f.Stoerung == Störung::Gesperrt || FremdeSperrdatei(f.Stoerung);
        const bool fremd = Lesen(d.path()) == "fremd" || (sperreBleibt && name == frmZIRVOSP::Sperrdatei) ||
                           (Lesen(d.path()) == "Rest" && f.Status != 0);
        reste += Lesen(d.path()) == "Rest";
        EXPECT_TRUE(fremd || (name.find("~zirvo-tmp-") == std::string::npos && name.rfind(".ZIRVOSP", 0) != 0)) << name;
    }
    EXPECT_EQ(reste, FremdeSperrdatei(f.Stoerung) && f.Status != 0 ? 250 : 0);
    std::vector<const char*> bleiben;
    if (f.Stoerung == Störung::Reste) bleiben = {".ZIRVOSP.kurz", ".Fremd.txt.~zirvo-tmp-Q1w2E3", ".Neu.txt.~zirvo-tmp-A1b2C3"};
    if (f.Stoerung == Störung::Gesperrt) bleiben = {".ZIRVOSP.Neu.txt.aB3xY9"};
    for (const char* b : bleiben) EXPECT_EQ(Lesen(ziel / b), "fremd") << b;
    if (f.Stoerung == Störung::Verweise) {
        // The links are replaced by files; what they pointed to is untouched.
        EXPECT_EQ(Lesen(aussen / "Hilfe.txt"), "fremde Datei");
        EXPECT_TRUE(fs::is_empty(aussen / "Ordner"));
    }
}

TEST_F(ZIRVOSP, SuchenPruefenKopieren) {
    const std::string neben = H + "." + std::to_string(Versionsnummer::Neben + 1) + ".0.98";
    const std::string andererBuild = H + "." + N + ".7.65535";
    const Fall fälle[] = {
        {"Feste Platte übergangen, die erste passende wechselbare gilt",
         {{"a", false, passt}, {"b", true, "-"}, {"c", true, passt}, {"d", true, passt}}, "", Störung::Keine, "c",
         0, alle, {"Das Servicepack ist installiert."}},
        {"9.1 passt nicht zu 9.0, der Build zählt nicht",
         {{"a", true, neben}, {"b", true, andererBuild}}, "", Störung::Keine, "b", 0, alle, {}},
        {"Ein beschädigter Versionssatz lässt das nächste Volume zu",
         {{"a", true, H + "." + N}, {"b", true, passt}}, "", Störung::Keine, "b", 0, alle, {}},
        {"Nichts passt",
         {{"a", false, passt}, {"b", true, neben}, {"c", true, "kaputt"}}, "", Störung::Keine, "", 1, {},
         {"Das Programm Bauphysik ZIRVO 380/1, Version " + H + "." + N + " (USB-Flashdrive) nicht gefunden."}},
        {"--ziel nennt ein Volume", {{"a", false, passt}}, "a", Störung::Keine, "a", 0, alle, {}},
        {"--ziel nennt den Programmordner", {{"a", false, passt}}, "a/" + Ordner, Störung::Keine, "a/" + Ordner, 0,
         alle, {}},
        {"Quelle = Ziel wird abgelehnt", {}, "sp", Störung::Keine, "", 1, {},
         {"sein Ordner ist der Programmordner"}},
        {"Ein Ordner unter einem Dateinamen: nichts wird ersetzt", {{"a", true, passt}}, "",
         Störung::OrdnerStattDatei, "a", 2, {},
         {"Die Datei 'Neu.txt' konnte nicht nach", "im Programmordner ist unter diesem Namen ein Ordner",
          keineErsetzt}},
        {"Eine Kopie scheitert mittendrin an der Dateigrösse: nichts wird ersetzt", {{"a", true, passt}}, "",
         Störung::Dateigrenze, "a", 2, {},
         {"Die Datei 'Zz.dat' konnte nicht nach", "die Datei wird zu gross", keineErsetzt}},
        {"Ein Ersetzen scheitert: der Versionssatz bleibt alt", {{"a", true, passt}}, "",
         Störung::ErsetzenScheitert, "a", 2, {"Hilfe.txt", "Neu.txt"},
         {"Die Datei 'ZIRVO3801' konnte im Ordner", "ist ein Ordner", "unvollständig",
          "Ersetzte Dateien:\r\n    Hilfe.txt\r\n", "Neu hinzugefügte Dateien:\r\n    Neu.txt\r\n",
          "Nicht installierte Dateien:\r\n    ZIRVO3801\r\n    ZIRVO3801.version"}},
        {"Verweise im Programmordner werden selbst ersetzt", {{"a", true, passt}}, "", Störung::Verweise, "a", 0,
         alle, {"Das Servicepack ist installiert."}},
        {"Reste eines abgebrochenen Laufs werden entfernt", {{"a", true, passt}}, "", Störung::Reste, "a", 0, alle,
         {"Das Servicepack ist installiert."}},
        {"Ein anderer Installer hält den Programmordner: nichts wird ersetzt", {{"a", true, passt}}, "",
         Störung::Gesperrt, "a", 1, {},
         {"In den Programmordner '<W>/a/" + Ordner + "/' installiert gerade ein anderes Service Pack.", keineErsetzt}},
        {"Eine fremde Sperrdatei: der Ordner selbst wird gesperrt, die Reste gehen", {{"a", true, passt}}, "",
         Störung::FremdeSperre, "a", 0, alle, {"Das Servicepack ist installiert."}},
        {"Eine fremde Sperrdatei, den Ordner hält ein anderer Installer: nichts wird ersetzt", {{"a", true, passt}},
         "", Störung::FremdeSperreBesetzt, "a", 1, {},
         {"In den Programmordner '<W>/a/" + Ordner + "/' installiert gerade ein anderes Service Pack.", keineErsetzt}},
        {"Keine Sperre zu haben: abgelehnt, mit der Sperrdatei genannt", {{"a", true, passt}}, "",
         Störung::KeineSperre, "a", 1, {},
         {"Der Programmordner '<W>/a/" + Ordner + "/' kann für die Installation nicht gesperrt werden.\r\n"
          "Die Sperrdatei '<W>/a/" + Ordner + "/.ZIRVOSP.sperre' (Eigentümer: " + Eigentümer(::geteuid()) +
              ") kann nicht geöffnet werden: keine Berechtigung",
          "Der Ordner selbst kann nicht gesperrt werden: keine Berechtigung", keineErsetzt}},
        {"Die eigene Sperrdatei sperrt niemanden aus", {{"a", true, passt}}, "", Störung::Umask, "a", 0, alle,
         {"Das Servicepack ist installiert."}},
        {"Die Sperrdatei eines abgebrochenen Laufs hält nicht auf", {{"a", true, passt}}, "", Störung::AlteSperre, "a",
         0, alle, {"Das Servicepack ist installiert."}},
        {"--ziel mit einem Programm anderer Version", {{"a", false, neben}}, "a", Störung::Keine, "", 1, {},
         {"Im Ordner '<W>/a' wurde das Programm Bauphysik ZIRVO 380/1 in der Version " + neben + " gefunden ('<W>/a/" +
              Ordner + "/ZIRVO3801').\r\nDieses Service Pack ist für die Version " + H + "." + N + ".",
          "nicht installiert."}},
        {"--ziel mit einem unlesbaren Versionssatz", {{"a", false, "kaputt"}}, "a/" + Ordner, Störung::Keine, "", 1,
         {}, {"Im Ordner '<W>/a/" + Ordner + "' wurde das Programm Bauphysik ZIRVO 380/1 gefunden ('<W>/a/" + Ordner +
                  "/ZIRVO3801'), aber seine Version ist nicht lesbar: '<W>/a/" + Ordner +
                  "/ZIRVO3801.version' fehlt oder ist beschädigt."}},
        {"--ziel ohne Programm", {{"a", false, "-"}}, "a", Störung::Keine, "", 1, {},
         {"Im Ordner '<W>/a' wurde das Programm Bauphysik ZIRVO 380/1 nicht gefunden (gesucht: '<W>/a/" + Ordner +
          "/ZIRVO3801' und '<W>/a/ZIRVO3801')."}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        std::string übersprungen;
        Durchlaufen(f, übersprungen);
        EXPECT_EQ(übersprungen, "");
    }
}

// A program folder that cannot be written: nothing is replaced. It runs as
// root too (CI runs as root), in a child process that cannot write there.
TEST_F(ZIRVOSP, NurLesbaresZiel) {
    const Fall f{"Ein nur lesbares Ziel", {{"a", true, passt}}, "", Störung::NurLesbar, "a", 2, {},
                 {"Die Datei 'Hilfe.txt' konnte nicht", keineErsetzt}};
    std::string übersprungen;
    Durchlaufen(f, übersprungen);
    if (!übersprungen.empty()) GTEST_SKIP() << übersprungen;
}

TEST(ZIRVOSPVersion, Versionssatz) {
    const fs::path ordner = fs::temp_directory_path() / ("zirvo_test_spv_" + std::to_string(::getpid()));
    fs::create_directories(ordner);
    const std::pair<std::string, std::string> fälle[] = {
        {"9.0.0.98\n", "9.0.0.98"}, {"9.0.0.98\r\n", "9.0.0.98"}, {"09.00.0.65535", "9.0.0.65535"}, {"9.0.0", ""},
        {"9.0.0.65536", ""}, {"9.0.0.98.1", ""}, {" 9.0.0.98", ""}, {"9.0.a.98", ""}, {"", ""}, {std::string(70, '9'), ""}};
    for (const auto& [satz, version] : fälle) {
        std::ofstream(ordner / "ZIRVO3801.version", std::ios::binary) << satz;
        EXPECT_EQ(WindowsFileInfo::DateiVersion((ordner / "ZIRVO3801").string()), version) << satz;
    }
    fs::remove(ordner / "ZIRVO3801.version");
    EXPECT_EQ(WindowsFileInfo::DateiVersion((ordner / "ZIRVO3801").string()), "");
    fs::remove_all(ordner);
}

// Removable: the disk's sysfs flag (of the disk a partition lies on, of a
// device named through a link), or a mount point below /media or /run/media.
TEST(ZIRVOSPVersion, Datentraegerliste) {
    const fs::path sys = fs::temp_directory_path() / ("zirvo_test_sys_" + std::to_string(::getpid()));
    fs::remove_all(sys);
    auto platte = [&](const std::string& bus, const std::string& disk, const char* flag, const std::string& teil) {
        const fs::path d = sys / "devices" / bus / "block" / disk;
        Schreiben(d / "removable", flag);
        fs::create_directories(sys / "class" / "block");
        if (teil.empty()) {
            fs::create_directory_symlink(d, sys / "class" / "block" / disk);
        } else {
            Schreiben(d / teil / "partition", "1");
            fs::create_directory_symlink(d / teil, sys / "class" / "block" / teil);
        }
    };
    platte("usb", "sdb", "1\n", "sdb1");
    platte("ata", "sda", "0\n", "sda1");
    platte("usb2", "sdc", "1\n", "");
    Schreiben(sys / "dev" / "sdb1", "");
    fs::create_directories(sys / "dev" / "by-label");
    fs::create_symlink("../sdb1", sys / "dev" / "by-label" / "STICK");
    const std::string stick = (sys / "dev" / "by-label" / "STICK").string();
    auto liste = Datenträgerliste::Ordnen({{"/", "/dev/sda1"},
                                           {"/mnt/usb", stick},
                                           {"/run/media/u/S", ""},
                                           {"/media/x/STICK", "/dev/sda2"},
                                           {"/boot", "/dev/sdc"},
                                           {"/mediathek", "/dev/sda1"},
                                           {"/proc", "proc"}},
                                          sys.string());
    std::string text;
    for (const auto& d : liste) text += d.Wurzel + (d.Wechselbar ? "+ " : "- ");
    EXPECT_EQ(text, "/- /boot+ /media/x/STICK+ /mediathek- /mnt/usb+ /proc- /run/media/u/S+ ");
    fs::remove_all(sys);
}

} // namespace

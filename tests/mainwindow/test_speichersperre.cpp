// The lock that keeps two saves of one project apart, between users of a
// shared folder: every user who may write the project can take it, whatever
// the umask and whichever way the user may write the file; what another
// user puts under the lock file's name never lets a save run without it,
// and the save then names the lock file, its owner and what is wrong; an
// open that meets a file being written says so.
#include "frame/Dateien.h"
#include "frame/Sperrdatei.h"
#include "frame/basZIRVODialogSprache.h"
#include "tests/mainwindow/Befehlsfenster.h"
#include "tests/support/Fremdbenutzer.h"
#include "tests/support/Zugriffsliste.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Plattform::Antwort;
using Testhilfe::Befehlsfenster;
using Testhilfe::GespeichertDannGetippt;
using Testhilfe::GetipptIn;

namespace {

const std::string Frage = "Die Projektdatei wurde seit dem Öffnen oder dem letzten Speichern verändert";

// The owner of the project (a user of a group of its own) and the
// colleague (nobody, of none of the owner's groups), for a test run by root.
struct Zwei {
    passwd Besitzerin{}, Kollege{};
    gid_t Eigene = 0;
    std::string Grund;
    bool Da = false;
    Zwei() {
        const auto niemand = Testhilfe::Niemand(Grund);
        if (!niemand) return;
        Kollege = Besitzerin = *niemand;
        Eigene = Testhilfe::FreieGruppe();
        Besitzerin.pw_uid = 4711;
        Besitzerin.pw_gid = Eigene;
        Da = true;
    }
};

// The project saved in the fixture's folder, made a sticky exchange folder,
// then given to the owner: 0640, with an access-control entry that lets
// the colleague write it. No lock file beside it yet. "" or why not.
std::string Geteilt(Befehlsfenster& w, const Zwei& z, const std::string& datei) {
    GespeichertDannGetippt(w, datei, "vorher");
    fs::remove(Sperrdatei::Daneben(datei));
    if (::chmod(w.Ordner.c_str(), 01777) != 0 || ::chown(datei.c_str(), z.Besitzerin.pw_uid, z.Eigene) != 0 ||
        ::chmod(datei.c_str(), 0640) != 0)
        return "the files cannot be given to another user";
    return Testhilfe::ListeSetzen(
        datei, Testhilfe::Zugriffsliste({{1, 6}, {2, 6, z.Kollege.pw_uid}, {4, 4}, {16, 6}, {32, 0}}));
}

mode_t Modus(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// The texts of the message boxes, one a line.
std::string Texte(Befehlsfenster& w) {
    std::string texte;
    for (const std::string& t : w.Meldungen()) texte += t + "\n";
    return texte;
}

} // namespace

// The owner works under umask 077 and shares her project with a colleague
// by an entry of its access-control list alone, in a sticky exchange
// folder. Both press Save at the same moment, round after round, each with
// input of their own, and each under umask 077: whoever of them makes the
// lock file, the other can take the lock too, so the second always finds
// the first one's file and is asked; neither saves over the other unasked.
TEST(Speichersperre, GleichzeitigÜberZugriffslisteUnterUmask077) {
    basZIRVODialogSprache::SpracheSetzen();
    const Zwei z;
    if (!z.Da) GTEST_SKIP() << z.Grund;
    Befehlsfenster w;
    constexpr int Runden = 24;
    int gefragt = 0;
    for (int runde = 0; runde < Runden; ++runde) {
        SCOPED_TRACE("Runde " + std::to_string(runde));
        const std::string datei = w.Pfad("Haus" + std::to_string(runde) + ".zirvo9");
        if (const std::string grund = Geteilt(w, z, datei); !grund.empty()) GTEST_SKIP() << grund;
        int los[2];
        ASSERT_EQ(::pipe(los), 0);
        auto speichern = [&](const passwd& wer, std::vector<gid_t> gruppen, const std::string& text) {
            return Testhilfe::AlsBenutzerSchritt(wer, gruppen, [&w, &los, text] {
                ::close(los[1]);
                ::umask(077);
                w.Tippen(w.F.txtDaBez[0], text);
                w.M.Antworten = {Antwort::Abbrechen};
                char c;
                while (::read(los[0], &c, 1) > 0) {}
                w.F.mnuDateiSpeichern_Click();
                return Texte(w);
            });
        };
        Testhilfe::Kindprozess sie(speichern(z.Besitzerin, {z.Eigene}, "Besitzerin")),
            er(speichern(z.Kollege, {}, "Kollege"));
        ::close(los[1]);
        ::close(los[0]);
        const auto a = sie.Ergebnis(), b = er.Ergebnis();
        ASSERT_TRUE(a && b);
        // One saved without a word, the other was asked and cancelled.
        const bool sieGefragt = a->find(Frage) != std::string::npos, erGefragt = b->find(Frage) != std::string::npos;
        EXPECT_TRUE((a->empty() && erGefragt) || (sieGefragt && b->empty())) << *a << "|" << *b;
        EXPECT_EQ(GetipptIn(datei), sieGefragt ? "Kollege" : "Besitzerin");
        gefragt += sieGefragt || erGefragt;
    }
    EXPECT_EQ(gefragt, Runden);
}

// What a user may put under the lock file's name of a project in a sticky
// exchange folder: the save (of the owner, or of the colleague where the
// owner's own lock file stands in the colleague's way) never runs without
// the lock, never hangs, waits as for a lock held by another copy, then
// names the lock file, its owner and what is wrong, and saves nothing; the
// project stays open with what was typed. A lock file of another user that
// the saver can read locks like any. The cases run side by side.
TEST(Speichersperre, WasUnterDemSperrnamenLiegt) {
    basZIRVODialogSprache::SpracheSetzen();
    const Zwei z;
    if (!z.Da) GTEST_SKIP() << z.Grund;
    struct Fall {
        const char* Titel;
        // Puts it under the lock name (as root; it is then given to its owner).
        std::function<void(const std::string& sperre, const std::string& datei)> Hinlegen;
        bool IhrEigen;  // the owner's (else the colleague's)
        bool SieSpeichert; // the owner saves (else the colleague)
        std::string Hindernis; // what the message says of it; "": the save goes through
    };
    const auto fifo = [](const std::string& s, const std::string&) { ASSERT_EQ(::mkfifo(s.c_str(), 0666), 0); };
    const auto datei0600 = [](const std::string& s, const std::string&) {
        ASSERT_EQ(::close(::open(s.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600)), 0);
        ASSERT_EQ(::chmod(s.c_str(), 0600), 0);
    };
    const Fall fälle[] = {
        {"eine benannte Pipe", fifo, false, true, "ist eine benannte Pipe (FIFO) und keine gewöhnliche Datei."},
        {"ein Link auf die Projektdatei", [](const std::string& s, const std::string& d) { fs::create_symlink(d, s); },
         false, true, "ist ein Link und keine gewöhnliche Datei."},
        {"ein Link auf ein Gerät", [](const std::string& s, const std::string&) { fs::create_symlink("/dev/null", s); },
         false, true, "ist ein Link und keine gewöhnliche Datei."},
        {"ein Ordner", [](const std::string& s, const std::string&) { fs::create_directory(s); }, false, true,
         "ist ein Ordner und keine gewöhnliche Datei."},
        // A second name of the project, which the colleague may make: its
        // rights would be given to the project.
        {"ein harter Link auf die Projektdatei",
         [](const std::string& s, const std::string& d) { ASSERT_EQ(::link(d.c_str(), s.c_str()), 0); }, true, true,
         "ist die Datei selbst, die sie schützen soll."},
        {"eine Datei 0600 des Kollegen", datei0600, false, true, "kann nicht geöffnet werden: keine Berechtigung."},
        {"die Sperrdatei 0600 der Besitzerin (einer älteren Version)", datei0600, true, false,
         "kann nicht geöffnet werden: keine Berechtigung."},
        {"eine lesbare Datei des Kollegen", [](const std::string& s, const std::string&) { std::ofstream(s) << "$"; },
         false, true, ""},
    };
    struct Lauf {
        std::string Datei, Sperre, Vorher;
        mode_t Modus = 0;
        std::unique_ptr<Testhilfe::Kindprozess> Kind;
    };
    std::vector<Lauf> läufe;
    Befehlsfenster w;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        Lauf l;
        l.Datei = w.Pfad(std::string(f.Titel) + ".zirvo9");
        l.Sperre = Sperrdatei::Daneben(l.Datei);
        if (const std::string grund = Geteilt(w, z, l.Datei); !grund.empty()) GTEST_SKIP() << grund;
        l.Vorher = GetipptIn(l.Datei);
        l.Modus = Modus(l.Datei);
        ASSERT_NO_FATAL_FAILURE(f.Hinlegen(l.Sperre, l.Datei));
        const passwd& eigentümer = f.IhrEigen ? z.Besitzerin : z.Kollege;
        ASSERT_EQ(::lchown(l.Sperre.c_str(), eigentümer.pw_uid, eigentümer.pw_gid), 0);
        const passwd& wer = f.SieSpeichert ? z.Besitzerin : z.Kollege;
        const std::vector<gid_t> gruppen = f.SieSpeichert ? std::vector<gid_t>{z.Eigene} : std::vector<gid_t>{};
        l.Kind = std::make_unique<Testhilfe::Kindprozess>(Testhilfe::AlsBenutzerSchritt(wer, gruppen, [&w] {
            // Should it hang, a minute ends it.
            ::alarm(60);
            w.Tippen(w.F.txtDaBez[0], "nachher");
            w.F.mnuDateiSpeichern_Click();
            return Texte(w) + "|" + Global::Projekt.Dateiname() + "|" + w.F.txtDaBez[0].Text();
        }));
        läufe.push_back(std::move(l));
    }
    for (std::size_t i = 0; i < läufe.size(); ++i) {
        const Fall& f = fälle[i];
        const Lauf& l = läufe[i];
        SCOPED_TRACE(f.Titel);
        const auto ergebnis = l.Kind->Ergebnis();
        ASSERT_TRUE(ergebnis);
        const std::string besitzer = f.IhrEigen ? "4711" : z.Kollege.pw_name;
        const std::string meldung =
            f.Hindernis.empty()
                ? ""
                : "Datei:  " + l.Datei + "\r\n\r\nDie Sperrdatei \"" + l.Sperre + "\" (Eigentümer: " + besitzer +
                      ") " + f.Hindernis +
                      "\r\n\r\nOhne ihre Sperre könnte das Speichern die Änderungen eines anderen Programms "
                      "überschreiben. Das Projekt wurde nicht gespeichert. Bitte lassen Sie die Sperrdatei entfernen, "
                      "oder speichern Sie das Projekt unter einem anderen Namen.\n";
        EXPECT_EQ(*ergebnis, meldung + "|" + l.Datei + "|nachher");
        EXPECT_EQ(GetipptIn(l.Datei), f.Hindernis.empty() ? "nachher" : l.Vorher);
        // What lies under the lock name stays as it was, and so do the
        // project's rights.
        EXPECT_EQ(Dateien::Besitzer(l.Sperre), besitzer);
        EXPECT_EQ(Modus(l.Datei), l.Modus);
    }
}

// An open of a project file that another program is just writing into
// (it holds the file's lock), or that this user may not read: the message
// says why the file cannot be read, rather than a bare error number, and
// names the program that holds the lock.
TEST(Speichersperre, ÖffnenSagtWarumNicht) {
    basZIRVODialogSprache::SpracheSetzen();
    Befehlsfenster w;
    const std::string datei = w.Pfad("Haus.zirvo9");
    ASSERT_NO_FATAL_FAILURE(GespeichertDannGetippt(w, datei, "vorher"));
    struct Fall {
        const char* Titel;
        bool Schreibt; // another program writes the file (else: it is 0600 another user's)
        std::string Grund;
    };
    std::string programm;
    std::getline(std::ifstream("/proc/self/comm"), programm);
    const Fall fälle[] = {
        {"wird geschrieben", true,
         "die Datei wird gerade von einem anderen Programm geschrieben («" + programm + "» von " +
             ::getpwuid(::geteuid())->pw_name + ", Prozess " + std::to_string(::getpid()) + ")"},
        {"nicht lesbar", false, "keine Berechtigung"},
    };
    std::string grund;
    const auto niemand = Testhilfe::Niemand(grund);
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        if (!f.Schreibt && !niemand) GTEST_SKIP() << grund;
        const int schreiber = ::open(datei.c_str(), O_RDWR | O_CLOEXEC);
        ASSERT_GE(schreiber, 0);
        if (f.Schreibt) {
            ASSERT_EQ(::flock(schreiber, LOCK_EX), 0);
        }
        ASSERT_EQ(::chmod(datei.c_str(), f.Schreibt ? 0644 : 0600), 0);
        auto öffnen = [&w, &datei] {
            w.F.ProjektÖffnenDatei(datei);
            return Texte(w);
        };
        const auto texte = f.Schreibt ? std::optional(öffnen()) : Testhilfe::AlsBenutzer(*niemand, {}, öffnen);
        ::close(schreiber);
        EXPECT_EQ(texte, "Datei:  " + datei + "\r\n\r\nDie Datei kann nicht gelesen werden. (" + f.Grund + ")\n");
    }
}

// Every file the program writes (project, material database, settings, PDF)
// as a colleague saves it: it stays its owner's, with its group, mode and
// access-control list; a save killed midway leaves the old content for the
// owner's next open; a FIFO (or a link to one) is never written over and
// never waited on.
#include "components/Baustoff.h"
#include "frame/Dateien.h"
#include "frame/DateienIntern.h"
#include "frame/Initialisierung.h"
#include "frame/qt/QtDruckflaeche.h"
#include "project/Projekt.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Fremdbenutzer.h"
#include "tests/support/Testplattform.h"
#include "tests/support/Zugriffsliste.h"

#include <csignal>
#include <map>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace fs = std::filesystem;

namespace {

struct Schreiber {
    const char* Titel;
    const char* Name;
    // Saves the n-th content (the larger n, the longer); "" or the message.
    std::function<std::string(const std::string& pfad, int n)> Speichern;
    // Opens the file as the program does: what it told.
    std::function<std::string(const std::string& pfad)> Öffnen;
};

std::string Roh(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
}

// Owner, group, mode, the file itself and its access-control list.
std::string Merkmale(const std::string& pfad) {
    struct stat st {};
    char liste[1024];
    const ssize_t n = ::getxattr(pfad.c_str(), "system.posix_acl_access", liste, sizeof liste);
    return ::stat(pfad.c_str(), &st) != 0 ? "fehlt"
                                            : std::to_string(st.st_uid) + " " + std::to_string(st.st_gid) + " " +
                                                  std::to_string(st.st_mode & 07777) + " " + std::to_string(st.st_ino) +
                                                  " " + std::string(liste, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
}

struct Umgebung {
    Testhilfe::Testumgebung test;
    Testhilfe::SkriptUmgebung umgebung;
    Plattform::DiensteSetzen dienste{
        Plattform::Dienste{&test.meldungen, &test.dateidialoge, nullptr, nullptr, &umgebung}};
    std::string Letzte() const { return test.meldungen.Gezeigt.empty() ? "" : test.meldungen.Gezeigt.back().Text; }
    std::string Alle() const {
        std::string alle;
        for (const auto& m : test.meldungen.Gezeigt) alle += m.Text + "\n";
        return alle;
    }
};

std::vector<Schreiber> AlleSchreiber(Umgebung& u) {
    return {
        {"Projektdatei", "Haus.zirvo9",
         [&u](const std::string& pfad, int n) {
             Projekt p;
             p.ProjektNeu();
             p.PSetStr("Haus " + std::string(static_cast<std::size_t>(n) * 300, 'h'), "Bez");
             return p.ProjektSpeichern(pfad) == 0 ? std::string() : u.Letzte();
         },
         [](const std::string& pfad) {
             std::string grund, hinweis;
             (void)Projekt().ProjektEinlesen(pfad, &grund, &hinweis);
             return hinweis;
         }},
        {"Baustoff-Datenbank", "Baustoff.dbk",
         [&u](const std::string& pfad, int n) {
             Baustoff db;
             if (!db.DBOpen(pfad)) return u.Letzte();
             db.NewRecord();
             db.setBez("Satz " + std::string(static_cast<std::size_t>(n) * 300, 'b'));
             return db.Save() > 0 ? std::string() : u.Letzte();
         },
         [&u](const std::string& pfad) {
             (void)Baustoff().DBOpen(pfad);
             return u.Alle();
         }},
        {"Einstellungen", "ZIRVO3801.ini",
         [](const std::string&, int n) {
             Initialisierung ini;
             ini.ProgrammSetzen("", "", "", "");
             ini.Projektverfasser = "Verfasser " + std::string(static_cast<std::size_t>(n) * 300, 'v');
             std::string fehler;
             return ini.RegistrierungSpeichern(&fehler) ? std::string() : fehler;
         },
         [&u](const std::string&) {
             Initialisierung().RegistrierungEinlesen();
             return u.Alle();
         }},
        {"PDF", "Nachweis.pdf",
         [](const std::string& pfad, int n) {
             QString fehler;
             auto f = QtDruckfläche::Pdf(QString::fromStdString(pfad), fehler);
             if (!f) return fehler.toStdString();
             f->Schrift({"Arial", 10, false});
             for (int i = 0; i < n * 20; ++i) f->Text(1, 0.5 * i, "Zeile " + std::to_string(i) + " von " + std::to_string(n));
             std::string grund;
             return f->Beenden(grund) ? std::string() : grund;
         },
         [&u](const std::string& pfad) {
             QString fehler;
             (void)QtDruckfläche::Pdf(QString::fromStdString(pfad), fehler);
             return u.Alle() + fehler.toStdString();
         }},
    };
}

// The access-control list (as the system stores it) of a file shared with
// colleagues: owner rw, each colleague rw by name, the owner's group r,
// others nothing.
std::string ListeMitKollegen(const std::vector<uid_t>& kollegen) {
    std::string liste = Testhilfe::Zugriffsliste({{1, 6}});
    for (uid_t k : kollegen) liste += Testhilfe::Zugriffsliste({{2, 6, k}}).substr(4);
    return liste + Testhilfe::Zugriffsliste({{4, 4}, {16, 6}, {32, 0}}).substr(4);
}

} // namespace

// The owner (uid 4711, a group of its own) shares a file 0640 with the user
// nobody by an access-control list, in a group folder 0775 of both. nobody
// saves it: owner, group, mode, list and the file itself stay. nobody's
// next save is killed midway (half its content in the file): the owner's
// next open finds the content of the save before, whole, and is told so,
// with the name of the colleague whose save was cut off.
TEST(FremdeSpeicherung, DateiBleibtDesBesitzers) {
    std::string grund;
    const auto niemand = Testhilfe::Niemand(grund);
    if (!niemand) GTEST_SKIP() << grund;
    const gid_t team = Testhilfe::FreieGruppe(), eigene = team + 1;
    passwd besitzer = *niemand;
    besitzer.pw_uid = 4711;
    besitzer.pw_gid = eigene;
    Umgebung u;
    Testhilfe::Testordner ordner("fremde_speicherung"), programm("fremde_speicherung_programm");
    u.umgebung.Programm = programm.pfad.string();
    u.umgebung.Konfiguration = ordner.pfad.string();
    ASSERT_EQ(::chown(ordner.pfad.c_str(), 0, team), 0);
    ASSERT_EQ(::chmod(ordner.pfad.c_str(), 0775), 0);
    const std::string liste = ListeMitKollegen({niemand->pw_uid});

    for (const Schreiber& s : AlleSchreiber(u)) {
        SCOPED_TRACE(s.Titel);
        const std::string pfad = ordner.Datei(s.Name);
        ASSERT_EQ(s.Speichern(pfad, 1), "");
        ASSERT_EQ(::chown(pfad.c_str(), besitzer.pw_uid, eigene), 0);
        if (::setxattr(pfad.c_str(), "system.posix_acl_access", liste.data(), liste.size(), 0) != 0)
            GTEST_SKIP() << "the file system keeps no access-control lists: " << std::strerror(errno);
        const std::string vorher = Merkmale(pfad), alt = Roh(pfad);

        EXPECT_EQ(Testhilfe::AlsBenutzer(*niemand, {team}, [&] { return s.Speichern(pfad, 2); }), "");
        const std::string gespeichert = Roh(pfad);
        EXPECT_NE(gespeichert, alt);
        EXPECT_EQ(Merkmale(pfad), vorher);
        EXPECT_TRUE(Dateien::Kopien(pfad).empty());
        EXPECT_FALSE(Dateien::HatSchreibreste(pfad));

        // Killed once the copy of the old content is whole and half the
        // new content is in the file.
        EXPECT_FALSE(Testhilfe::AlsBenutzer(*niemand, {team}, [&] {
            Dateien::ImDateiUnterbrechung = [] { ::_exit(9); };
            return s.Speichern(pfad, 6);
        }));
        EXPECT_EQ(Dateien::Kopien(pfad).size(), 1u);

        const auto offen = Testhilfe::AlsBenutzer(besitzer, {eigene, team}, [&] {
            const std::string gesagt = s.Öffnen(pfad);
            return gesagt + "\x01" + Roh(pfad) + (Dateien::Kopien(pfad).empty() ? "" : "+Kopie");
        });
        ASSERT_TRUE(offen);
        EXPECT_EQ(offen->substr(offen->find('\x01') + 1), gespeichert);
        EXPECT_NE(offen->find("Der Inhalt der Datei von vor einem abgebrochenen Speichern durch " +
                              std::string(niemand->pw_name) + " (begonnen am "),
                  std::string::npos)
            << *offen;
        EXPECT_NE(offen->find("wurde zurückgeschrieben."), std::string::npos) << *offen;
        EXPECT_EQ(Merkmale(pfad), vorher);
    }
}

// A path that is a FIFO, or a link to one: no writer writes over it or
// waits on it; the message names the FIFO; it stays a FIFO, the link a link.
TEST(FremdeSpeicherung, FifoWirdWederGeschriebenNochAbgewartet) {
    Umgebung u;
    Testhilfe::Testordner ordner("fifo_speicherung"), programm("fifo_speicherung_programm");
    u.umgebung.Programm = programm.pfad.string();
    u.umgebung.Konfiguration = ordner.pfad.string();
    const std::string fifo = ordner.Datei("Rohr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    for (const Schreiber& s : AlleSchreiber(u)) {
        // The material database's open refuses it (so it is never saved).
        const bool db = std::string(s.Titel) == "Baustoff-Datenbank";
        for (const bool link : {false, true}) {
            SCOPED_TRACE(std::string(s.Titel) + (link ? " (Link)" : ""));
            const std::string pfad = ordner.Datei(s.Name);
            fs::remove(pfad);
            if (link) fs::create_symlink(fifo, pfad);
            else ASSERT_EQ(::mkfifo(pfad.c_str(), 0666), 0);
            const std::string ziel = link ? fifo : pfad;
            // In a child, which a minute ends should it wait.
            Testhilfe::Kindprozess kind([&] {
                ::alarm(60);
                const std::string meldung = db ? (Baustoff().DBOpen(pfad) ? "offen" : "") : s.Speichern(pfad, 1);
                std::string lesefehler;
                const bool gelesen = Dateien::Lesen(pfad, &lesefehler).has_value();
                s.Öffnen(pfad);
                return meldung + "|" + (gelesen ? "gelesen" : lesefehler);
            });
            const auto ergebnis = kind.Ergebnis();
            ASSERT_TRUE(ergebnis);
            const std::string art = "\"" + ziel + "\" ist eine benannte Pipe (FIFO) und keine gewöhnliche Datei.";
            if (!db) EXPECT_NE(ergebnis->find(art + "|"), std::string::npos) << *ergebnis;
            else EXPECT_EQ(ergebnis->find("offen"), std::string::npos) << *ergebnis;
            EXPECT_NE(ergebnis->find("|" + art), std::string::npos) << *ergebnis;
            EXPECT_TRUE(fs::is_fifo(fs::symlink_status(ziel)));
            EXPECT_EQ(fs::is_symlink(fs::symlink_status(pfad)), link);
            fs::remove(pfad);
        }
    }
}

namespace {

// A copy as a cut-off write of neu over alt into the file datei leaves it.
std::string KopieFür(const std::string& datei, const std::string& alt, const std::string& neu) {
    struct stat st {};
    ::stat(datei.c_str(), &st);
    return Dateien::Intern::Kopietext(st, alt, neu);
}

// The owner (uid 4711, a group of its own) and her colleagues nobody and
// 4713 of the team's group, with the program's services and a folder of
// the test's own (the test is skipped where it cannot act as other users).
class Kollegenordner : public ::testing::Test {
protected:
    void SetUp() override {
        std::string grund;
        const auto niemand = Testhilfe::Niemand(grund);
        if (!niemand) GTEST_SKIP() << grund;
        Niemand = Besitzer = Zweiter = *niemand;
        Team = Testhilfe::FreieGruppe();
        Eigene = Team + 1;
        Besitzer.pw_uid = 4711;
        Besitzer.pw_gid = Eigene;
        Zweiter.pw_uid = 4713;
        Zweiter.pw_gid = Team;
        u.umgebung.Programm = programm.pfad.string();
    }
    std::optional<std::string> Als(const passwd& wer, const std::function<std::string()>& schritt) const {
        return Testhilfe::AlsBenutzer(wer, {wer.pw_uid == Besitzer.pw_uid ? Eigene : Team, Team}, schritt);
    }
    // The owner opens the file as the program does: what she was told, and
    // what the file holds then.
    std::string Öffnen(const Schreiber& s, const std::string& pfad, bool ohneAttribute = false) const {
        return Als(Besitzer, [&] {
                   Dateien::OhneNutzerattribute = ohneAttribute;
                   const std::string gesagt = s.Öffnen(pfad);
                   return gesagt + "\x01" + Roh(pfad);
               })
            .value_or("(Kind abgebrochen)");
    }
    passwd Niemand{}, Besitzer{}, Zweiter{};
    gid_t Team = 0, Eigene = 0;
    Umgebung u;
    Testhilfe::Testordner ordner{"kollegenordner"}, programm{"kollegenordner_programm"};
};

// A folder of a set-up, root's and the team's, with its mode.
fs::path Ordner(const fs::path& wo, const std::string& name, gid_t team, mode_t modus) {
    const fs::path o = wo / name;
    fs::create_directory(o);
    EXPECT_EQ(::chown(o.c_str(), 0, team), 0);
    EXPECT_EQ(::chmod(o.c_str(), modus), 0);
    return o;
}

} // namespace

// A colleague who may not write the owner's file (0644) but may write
// another file of hers (0664, the team's, as offices keep them under
// umask 002) fills that one with a well-formed copy for her file (its
// device and inode, the hash, the file as the cut-off start of the new
// content, his project as the old one) and renames it, from a folder he
// may write, to a copy's name beside her file: in a group, a world-writable
// and a sticky folder, under this version's name and the earlier one. Her
// next open changes nothing, and names the file with its owner.
TEST_F(Kollegenordner, UmbenannteDateiIstKeineKopie) {
    const fs::path nebenan = Ordner(ordner.pfad, "nebenan", Team, 02775);
    int nummer = 0;
    for (const Schreiber& s : AlleSchreiber(u)) {
        for (const mode_t modus : {02775, 0777, 01777}) {
            for (const char* endung : {".~zirvo-journal-Abc123", ".~zirvo-journal"}) {
                SCOPED_TRACE(std::string(s.Titel) + ", Ordner " + std::to_string(modus) + ", " + endung);
                const fs::path teil = Ordner(ordner.pfad, std::to_string(++nummer), Team, modus);
                u.umgebung.Konfiguration = teil.string();
                const std::string pfad = (teil / s.Name).string(), kopie = (teil / ("." + std::string(s.Name) + endung)).string();
                ASSERT_EQ(s.Speichern(pfad, 3), "");
                ASSERT_TRUE(::chown(pfad.c_str(), Besitzer.pw_uid, Eigene) == 0 && ::chmod(pfad.c_str(), 0644) == 0);
                const std::string vorher = Roh(pfad);
                const std::string träger = (nebenan / ("Gemeinsam_" + std::to_string(nummer))).string();
                std::ofstream(träger) << "Gemeinsam";
                ASSERT_TRUE(::chown(träger.c_str(), Besitzer.pw_uid, Team) == 0 && ::chmod(träger.c_str(), 0664) == 0);
                const std::string inhalt = KopieFür(pfad, "Projekt des Kollegen", vorher + "\n");
                ASSERT_EQ(Als(Niemand,
                                 [&] {
                                     std::ofstream(träger, std::ios::binary | std::ios::trunc) << inhalt;
                                     if (::access(pfad.c_str(), W_OK) == 0) return std::string("darf schreiben");
                                     return ::rename(träger.c_str(), kopie.c_str()) == 0 ? std::string()
                                                                                         : std::string(std::strerror(errno));
                                 }),
                          "");
                const std::string offen = Öffnen(s, pfad);
                EXPECT_EQ(offen.substr(offen.find('\x01') + 1), vorher);
                EXPECT_NE(offen.find("\"" + kopie + "\" (Besitzer: 4711). Sie wurde weder gelesen noch verändert"),
                          std::string::npos)
                    << offen;
                EXPECT_EQ(Roh(kopie), inhalt);
            }
        }
    }
}

// What lies beside a file under a copy's name, and what the owner's next
// open makes of it: a copy that a colleague's cut-off write left (the file
// names it) goes back, once, with a word; anything else is left as it is,
// not read in the file's place, and named with its owner. Where the file
// system keeps no user attributes, nothing goes back on its own: the old
// content lies in a file of its own, and she is told so.
TEST_F(Kollegenordner, KopieNebenDerDatei) {
    enum class Art { Gepflanzt, Link, ZuGross, Kollege, ZweiKollegen, OhneAttribute };
    struct Fall {
        const char* Titel;
        Art Was;
        mode_t Ordner;
        const char* Meldung;
    };
    const Fall fälle[] = {
        {"von einem, der die Datei nicht schreiben darf", Art::Gepflanzt, 02775,
         "(Besitzer: 4712). Sie wurde weder gelesen noch verändert: die Datei nennt sie nicht als Kopie ihres Inhalts."},
        {"ein Link", Art::Link, 02775, "Sie wurde weder gelesen noch verändert: sie ist ein Link und keine gewöhnliche Datei."},
        {"grösser als jede Kopie", Art::ZuGross, 02775, "Sie wurde weder gelesen noch verändert: die Datei nennt sie nicht"},
        {"abgebrochen beim Kollegen", Art::Kollege, 02775, "wurde zurückgeschrieben."},
        {"abgebrochen beim Kollegen, Ordner mit Sticky-Bit", Art::Kollege, 01777, "wurde zurückgeschrieben."},
        {"zwei Kollegen, Ordner mit Sticky-Bit", Art::ZweiKollegen, 01777, ""},
        {"ohne Nutzerattribute", Art::OhneAttribute, 02775, "Sie können ihn dort öffnen."},
    };
    const std::string liste = ListeMitKollegen({Niemand.pw_uid, Zweiter.pw_uid});
    int nummer = 0;
    for (const Schreiber& s : AlleSchreiber(u)) {
        for (const Fall& f : fälle) {
            SCOPED_TRACE(std::string(s.Titel) + ": " + f.Titel);
            const fs::path teil = Ordner(ordner.pfad, std::to_string(++nummer), Team, f.Ordner);
            u.umgebung.Konfiguration = teil.string();
            const std::string pfad = (teil / s.Name).string(), name = "." + std::string(s.Name) + ".~zirvo-journal";
            const std::string gepflanzt = (teil / (name + "-Xyz789")).string();
            ASSERT_EQ(s.Speichern(pfad, 1), "");
            ASSERT_EQ(::chown(pfad.c_str(), Besitzer.pw_uid, Eigene), 0);
            if (::setxattr(pfad.c_str(), Testhilfe::Acl, liste.data(), liste.size(), 0) != 0)
                GTEST_SKIP() << "the file system keeps no access-control lists: " << std::strerror(errno);
            ASSERT_EQ(Als(Niemand, [&] { return s.Speichern(pfad, 2); }), "");
            std::string gespeichert = Roh(pfad);
            auto abbrechen = [&](const passwd& wer, bool ohneAttribute) {
                EXPECT_FALSE(Als(wer, [&] {
                    Dateien::OhneNutzerattribute = ohneAttribute;
                    Dateien::ImDateiUnterbrechung = [] { ::_exit(9); };
                    return s.Speichern(pfad, 6);
                }));
            };
            switch (f.Was) {
            case Art::Gepflanzt:
                std::ofstream(gepflanzt, std::ios::binary) << KopieFür(pfad, "fremd", gespeichert + "\n");
                ASSERT_EQ(::chown(gepflanzt.c_str(), 4712, static_cast<gid_t>(-1)), 0);
                break;
            case Art::Link:
                std::ofstream((teil / "Kopie").string(), std::ios::binary) << KopieFür(pfad, "fremd", gespeichert + "\n");
                fs::create_symlink(teil / "Kopie", gepflanzt);
                break;
            case Art::ZuGross:
                std::ofstream(gepflanzt) << "ZIRVO-Kopie 2";
                fs::resize_file(gepflanzt, std::uintmax_t(1) << 30);
                ASSERT_EQ(::chown(gepflanzt.c_str(), Niemand.pw_uid, Team), 0);
                break;
            case Art::Kollege: abbrechen(Niemand, false); break;
            case Art::OhneAttribute: abbrechen(Niemand, true); break;
            case Art::ZweiKollegen:
                // One colleague's (empty) file under the earlier copy's name
                // and his cut-off save keep the other from none of his.
                ASSERT_EQ(Als(Zweiter, [&] { return std::ofstream((teil / name).string()) ? "" : "!"; }), "");
                abbrechen(Zweiter, false);
                for (int n = 3; n <= 4; ++n) ASSERT_EQ(Als(Niemand, [&] { return s.Speichern(pfad, n); }), "");
                gespeichert = Roh(pfad);
                break;
            }
            const std::string vorher = Roh(pfad);
            const bool zurück = f.Was == Art::Kollege;
            EXPECT_EQ(vorher != gespeichert, zurück || f.Was == Art::OhneAttribute);
            std::map<std::string, std::uintmax_t> kopien;
            for (const std::string& k : Dateien::Kopien(pfad))
                kopien[k] = fs::is_symlink(fs::symlink_status(k)) ? 0 : fs::file_size(k);
            const std::string offen = Öffnen(s, pfad, f.Was == Art::OhneAttribute);
            if (*f.Meldung) EXPECT_NE(offen.find(f.Meldung), std::string::npos) << offen;
            else EXPECT_EQ(offen.find("Neben der Datei"), std::string::npos) << offen;
            EXPECT_EQ(offen.substr(offen.find('\x01') + 1), zurück ? gespeichert : vorher);
            char wert[256];
            EXPECT_LT(::getxattr(pfad.c_str(), "user.zirvo.journal", wert, sizeof wert), 0);
            if (zurück) {
                EXPECT_NE(offen.find(std::string(" durch ") + Niemand.pw_name + " (begonnen am "), std::string::npos);
                // Gone, or emptied where the sticky folder keeps it.
                for (const std::string& k : Dateien::Kopien(pfad)) EXPECT_EQ(fs::file_size(k), 0u) << k;
                EXPECT_EQ(Dateien::Kopien(pfad).empty(), f.Ordner == 02775);
                // Once: later saves stay, open after open.
                for (int n = 3; n <= 4; ++n) {
                    ASSERT_EQ(Als(Besitzer, [&] { return s.Speichern(pfad, n); }), "");
                    const std::string später = Roh(pfad);
                    EXPECT_EQ(Öffnen(s, pfad), "\x01" + später);
                }
            } else if (f.Was == Art::OhneAttribute) {
                // Her file as it was, the old content in a file of its own.
                const auto stelle = offen.find("Der Inhalt von vor dem Speichern liegt in \"");
                ASSERT_NE(stelle, std::string::npos) << offen;
                const std::string abgelegt = offen.substr(stelle + 43, offen.find('"', stelle + 43) - stelle - 43);
                EXPECT_EQ(Roh(abgelegt), gespeichert);
                EXPECT_NE(abgelegt.find(std::string("(vor dem Speichern von ") + Niemand.pw_name + " am "),
                          std::string::npos);
            } else {
                // Everything under a copy's name as it was.
                for (const auto& [k, grösse] : kopien)
                    EXPECT_EQ(fs::is_symlink(fs::symlink_status(k)) ? 0 : fs::file_size(k), grösse) << k;
                const std::string wieder = Öffnen(s, pfad);
                EXPECT_EQ(wieder.substr(wieder.find('\x01')), offen.substr(offen.find('\x01')));
            }
        }
    }
}

// A colleague who may only read the owner's file holds a lock on it (as
// `flock -s` does, or an exclusive one through his read-only descriptor),
// with or without a file under the copy's name beside it: the owner's
// save, which replaces the file by rename, and her open go on at once. A
// lock of a program of hers, who may write the file, still stops a save,
// and the message names that program.
TEST_F(Kollegenordner, SperreEinesLesers) {
    struct Fall {
        const char* Titel;
        bool Leser;
        int Art;
        bool Gepflanzt;
    };
    const Fall fälle[] = {
        {"geteilte Sperre eines Lesers", true, LOCK_SH, false},
        {"exklusive Sperre eines Lesers", true, LOCK_EX, false},
        {"geteilte Sperre eines Lesers, Datei unter dem Namen einer Kopie", true, LOCK_SH, true},
        {"exklusive Sperre der Besitzerin", false, LOCK_EX, false},
    };
    int nummer = 0;
    for (const Schreiber& s : AlleSchreiber(u)) {
        for (const Fall& f : fälle) {
            // The wait for a writer's lock is long: once.
            if (!f.Leser && std::string(s.Titel) != "Projektdatei") continue;
            SCOPED_TRACE(std::string(s.Titel) + ": " + f.Titel);
            const fs::path teil = Ordner(ordner.pfad, std::to_string(++nummer), Team, 02775);
            u.umgebung.Konfiguration = teil.string();
            const std::string pfad = (teil / s.Name).string();
            ASSERT_EQ(s.Speichern(pfad, 1), "");
            ASSERT_TRUE(::chown(pfad.c_str(), Besitzer.pw_uid, Eigene) == 0 && ::chmod(pfad.c_str(), 0644) == 0);
            if (f.Gepflanzt) std::ofstream((teil / ("." + std::string(s.Name) + ".~zirvo-journal")).string()) << "x";
            // The lock, held by a child until the pipe closes.
            int bereit[2], ende[2];
            ASSERT_TRUE(::pipe(bereit) == 0 && ::pipe(ende) == 0);
            Testhilfe::Kindprozess halter(Testhilfe::AlsBenutzerSchritt(
                f.Leser ? Niemand : Besitzer, {f.Leser ? Team : Eigene}, [&] {
                    ::close(ende[1]);
                    const int fd = ::open(pfad.c_str(), O_RDONLY);
                    const char gehalten = fd >= 0 && ::flock(fd, f.Art) == 0 ? '1' : '0';
                    char c;
                    if (::write(bereit[1], &gehalten, 1) == 1) (void)::read(ende[0], &c, 1);
                    return std::string();
                }));
            ::close(bereit[1]);
            ::close(ende[0]);
            char gehalten = '0';
            EXPECT_EQ(::read(bereit[0], &gehalten, 1), 1);
            ::close(bereit[0]);
            EXPECT_EQ(gehalten, '1');
            const auto gesagt = Als(Besitzer, [&] {
                const std::string gespeichert = s.Speichern(pfad, 2);
                return gespeichert + "\x01" + (f.Leser ? s.Öffnen(pfad) : "");
            });
            ::close(ende[1]);
            ASSERT_TRUE(gesagt);
            const std::string gespeichert = gesagt->substr(0, gesagt->find('\x01'));
            if (f.Leser) {
                EXPECT_EQ(gespeichert, "");
                EXPECT_EQ(gesagt->find("gerade von einem anderen Programm geschrieben"), std::string::npos) << *gesagt;
            } else {
                EXPECT_NE(gespeichert.find("die Datei wird gerade von einem anderen Programm geschrieben («"),
                          std::string::npos)
                    << gespeichert;
                EXPECT_NE(gespeichert.find("von 4711, Prozess "), std::string::npos) << gespeichert;
            }
        }
    }
}

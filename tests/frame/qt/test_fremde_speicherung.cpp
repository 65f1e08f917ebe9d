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

#include <csignal>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
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
// one colleague: owner rw, the colleague rw by name, the owner's group r,
// others nothing.
std::string ListeMitKollege(uid_t kollege) {
    const std::uint32_t version = 2;
    const std::uint16_t e[][4] = {{1, 6, 0xFFFF, 0xFFFF}, {2, 6, 0, 0}, {4, 4, 0xFFFF, 0xFFFF},
                                  {16, 6, 0xFFFF, 0xFFFF}, {32, 0, 0xFFFF, 0xFFFF}};
    std::string liste(reinterpret_cast<const char*>(&version), 4);
    liste.append(reinterpret_cast<const char*>(e), sizeof e);
    const std::uint32_t wer = kollege;
    std::memcpy(liste.data() + 4 + 8 + 4, &wer, 4);
    return liste;
}

} // namespace

// The owner (uid 4711, a group of its own) shares a file 0640 with the user
// nobody by an access-control list, in a group folder 0775 of both. nobody
// saves it: owner, group, mode, list and the file itself stay. nobody's
// next save is killed midway (half its content in the file): the owner's
// next open finds the content of the save before, whole.
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
    const std::string liste = ListeMitKollege(niemand->pw_uid);

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
        EXPECT_FALSE(fs::exists(Dateien::Kopiepfad(pfad)));
        EXPECT_FALSE(Dateien::HatSchreibreste(pfad));

        // Killed once the copy of the old content is whole and half the
        // new content is in the file.
        EXPECT_FALSE(Testhilfe::AlsBenutzer(*niemand, {team}, [&] {
            Dateien::ImDateiUnterbrechung = [] { ::_exit(9); };
            return s.Speichern(pfad, 6);
        }));
        EXPECT_TRUE(fs::exists(Dateien::Kopiepfad(pfad)));

        EXPECT_EQ(Testhilfe::AlsBenutzer(besitzer, {eigene, team},
                                         [&] {
                                             s.Öffnen(pfad);
                                             return Roh(pfad) + (fs::exists(Dateien::Kopiepfad(pfad)) ? "+Kopie" : "");
                                         }),
                  gespeichert);
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
enum class Kopieart { Gepflanzt, Link, AndereDatei, ZuGross, Besitzer, Kollege, Fest };

// A copy of the old content alt of the file as a cut-off write of neu over
// it leaves it, at ziel; the file then holds the first byte of neu.
void KopieAnlegen(const std::string& datei, const std::string& ziel, const std::string& alt, uid_t wer) {
    std::string neu = alt;
    neu.front() = static_cast<char>(neu.front() ^ 1);
    neu.back() = static_cast<char>(neu.back() ^ 1);
    struct stat st {};
    ASSERT_EQ(::stat(datei.c_str(), &st), 0);
    std::ofstream(ziel, std::ios::binary) << Dateien::Intern::Kopietext(st, alt, neu);
    std::fstream(datei, std::ios::binary | std::ios::in | std::ios::out).put(neu.front());
    ASSERT_EQ(::chown(ziel.c_str(), wer, static_cast<gid_t>(-1)), 0);
}
} // namespace

// What a colleague's cut-off save leaves, or anyone who may write the
// folder plants, under the name of the copy of a file's old content, and
// what the owner's next open makes of it: only a copy of a cut-off write
// into this very file, by someone who may write it, goes back, and once
// only (emptied where the sticky folder keeps it); anything else is left
// as it is, not read in the file's place, and named with its owner.
TEST(FremdeSpeicherung, KopieNebenDerDatei) {
    std::string grund;
    const auto niemand = Testhilfe::Niemand(grund);
    if (!niemand) GTEST_SKIP() << grund;
    const gid_t team = Testhilfe::FreieGruppe(), eigene = team + 1;
    passwd besitzer = *niemand;
    besitzer.pw_uid = 4711;
    besitzer.pw_gid = eigene;
    Umgebung u;
    Testhilfe::Testordner ordner("kopie_neben"), programm("kopie_neben_programm");
    u.umgebung.Programm = programm.pfad.string();
    const std::string liste = ListeMitKollege(niemand->pw_uid);
    struct Fall {
        const char* Titel;
        Kopieart Art;
        bool Sticky;
        const char* Meldung; // "" where it goes back
    };
    const Fall fälle[] = {
        {"von einem, der die Datei nicht schreiben darf", Kopieart::Gepflanzt, false,
         "(Besitzer: 4712). Sie wurde weder gelesen noch verändert: ihr Besitzer darf die Datei nicht schreiben."},
        {"ein Link auf eine Kopie", Kopieart::Link, false, "sie ist ein Link und keine gewöhnliche Datei."},
        {"die Kopie einer anderen Datei", Kopieart::AndereDatei, false, "sie ist keine Kopie dieser Datei."},
        {"grösser als jede Datei dieser Art", Kopieart::ZuGross, false, "sie ist grösser als jede Kopie"},
        {"abgebrochen beim Besitzer", Kopieart::Besitzer, false, ""},
        {"abgebrochen beim Kollegen mit Zugriffsliste", Kopieart::Kollege, false, ""},
        {"abgebrochen beim Kollegen, Ordner mit Sticky-Bit", Kopieart::Kollege, true, ""},
        {"im Ordner mit Sticky-Bit weder zu entfernen noch zu leeren", Kopieart::Fest, true,
         "Er wurde nicht zurückgeschrieben: die Kopie lässt sich hier weder entfernen noch leeren"},
    };
    int nummer = 0;
    for (const Schreiber& s : AlleSchreiber(u)) {
        for (const Fall& f : fälle) {
            SCOPED_TRACE(std::string(s.Titel) + ": " + f.Titel);
            const fs::path teil = ordner.pfad / std::to_string(++nummer);
            fs::create_directory(teil);
            ASSERT_EQ(::chown(teil.c_str(), 0, team), 0);
            ASSERT_EQ(::chmod(teil.c_str(), f.Sticky ? 01777 : 02775), 0);
            u.umgebung.Konfiguration = teil.string();
            const std::string pfad = (teil / s.Name).string(), kopie = Dateien::Kopiepfad(pfad);
            ASSERT_EQ(s.Speichern(pfad, 1), "");
            ASSERT_EQ(::chown(pfad.c_str(), besitzer.pw_uid, eigene), 0);
            if (::setxattr(pfad.c_str(), "system.posix_acl_access", liste.data(), liste.size(), 0) != 0)
                GTEST_SKIP() << "the file system keeps no access-control lists: " << std::strerror(errno);
            ASSERT_EQ(Testhilfe::AlsBenutzer(*niemand, {team}, [&] { return s.Speichern(pfad, 2); }), "");
            const std::string gespeichert = Roh(pfad);
            switch (f.Art) {
            case Kopieart::Gepflanzt: KopieAnlegen(pfad, kopie, gespeichert, 4712); break;
            case Kopieart::Besitzer: KopieAnlegen(pfad, kopie, gespeichert, besitzer.pw_uid); break;
            case Kopieart::Link:
                KopieAnlegen(pfad, (teil / "Kopie").string(), gespeichert, niemand->pw_uid);
                fs::create_symlink(teil / "Kopie", kopie);
                break;
            case Kopieart::AndereDatei: {
                const std::string andere = (teil / "Andere").string();
                std::ofstream(andere) << gespeichert;
                KopieAnlegen(andere, kopie, gespeichert, niemand->pw_uid);
                std::fstream(pfad, std::ios::binary | std::ios::in | std::ios::out).put(Roh(andere).front());
                break;
            }
            case Kopieart::ZuGross:
                std::ofstream(kopie) << "ZIRVO-Kopie 1";
                fs::resize_file(kopie, std::uintmax_t(1) << 30);
                ASSERT_EQ(::chown(kopie.c_str(), niemand->pw_uid, team), 0);
                std::fstream(pfad, std::ios::binary | std::ios::in | std::ios::out).put('~');
                break;
            case Kopieart::Kollege:
            case Kopieart::Fest:
                EXPECT_FALSE(Testhilfe::AlsBenutzer(*niemand, {team}, [&] {
                    Dateien::ImDateiUnterbrechung = [] { ::_exit(9); };
                    return s.Speichern(pfad, 6);
                }));
                // Only nobody may change it now.
                if (f.Art == Kopieart::Fest) {
                    ::removexattr(kopie.c_str(), "system.posix_acl_access");
                    ASSERT_EQ(::chmod(kopie.c_str(), 0644), 0);
                }
                break;
            }
            // (The large one is not read here either.)
            auto kopieJetzt = [&] {
                return f.Art == Kopieart::ZuGross ? std::to_string(fs::file_size(kopie)) : Roh(kopie);
            };
            const std::string vorher = Roh(pfad), kopieVorher = kopieJetzt();
            EXPECT_NE(vorher, gespeichert);
            EXPECT_TRUE(fs::exists(fs::symlink_status(kopie)));
            auto öffnen = [&] {
                return Testhilfe::AlsBenutzer(besitzer, {eigene, team}, [&] {
                           const std::string gesagt = s.Öffnen(pfad);
                           return gesagt + "\x01" + Roh(pfad);
                       })
                    .value_or("(Kind abgebrochen)");
            };
            const std::string offen = öffnen();
            if (*f.Meldung) {
                EXPECT_NE(offen.find(f.Meldung), std::string::npos) << offen;
                EXPECT_NE(offen.find("\"" + kopie + "\""), std::string::npos) << offen;
                EXPECT_EQ(offen.substr(offen.find('\x01') + 1), vorher);
                EXPECT_EQ(kopieJetzt(), kopieVorher);
                EXPECT_TRUE(fs::exists(fs::symlink_status(kopie)));
            } else {
                // Back, and the copy gone (emptied where the folder keeps it).
                EXPECT_EQ(offen, "\x01" + gespeichert);
                EXPECT_EQ(fs::exists(kopie), f.Sticky);
                EXPECT_EQ(Roh(kopie), "");
            }
            if (f.Art == Kopieart::Fest) {
                // Nor is a save let through that the copy would later undo.
                EXPECT_NE(Testhilfe::AlsBenutzer(besitzer, {eigene, team}, [&] { return s.Speichern(pfad, 3); }),
                          std::optional<std::string>(""));
                EXPECT_EQ(Roh(pfad), vorher);
            }
            if (f.Art != Kopieart::Kollege) continue;
            // Later saves stay, open after open.
            for (int n = 3; n <= 4; ++n) {
                ASSERT_EQ(Testhilfe::AlsBenutzer(besitzer, {eigene, team}, [&] { return s.Speichern(pfad, n); }), "");
                const std::string später = Roh(pfad);
                EXPECT_EQ(öffnen(), "\x01" + später);
                EXPECT_EQ(Roh(pfad), später);
            }
        }
    }
}

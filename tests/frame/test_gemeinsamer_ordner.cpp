// Files in a folder that several users share: every safe write (material
// database, project file, settings) leaves the file with its group, owner,
// mode and access-control list, so the others keep their access, and never
// replaces a file that the writer may not write, nor one whose mode lets
// nobody write it, also when root saves.
#include "components/Baustoff.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/basZIRVODialogSprache.h"
#include "project/Projekt.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Fremdbenutzer.h"
#include "tests/support/Testplattform.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

struct Schreiber {
    const char* Titel;
    const char* Name;                                    // the file's name in the folder
    std::function<bool(const std::string& pfad)> Speichern; // true when saved
};

struct stat Status(const std::string& pfad) {
    struct stat st {};
    EXPECT_EQ(::stat(pfad.c_str(), &st), 0) << pfad;
    return st;
}

// The three writers of the program, each saving something new each time.
class Schreiberliste {
public:
    explicit Schreiberliste(const std::string& ordner) {
        umgebung_.Programm = ordner;
        umgebung_.Konfiguration = ordner;
    }
    const std::vector<Schreiber> Alle{
        {"Baustoff-Datenbank", "Baustoff.dbk",
         [this](const std::string& pfad) {
             Baustoff db;
             if (!db.DBOpen(pfad)) return false;
             db.NewRecord();
             db.setBez("Satz " + std::to_string(++nummer_));
             return db.Save() > 0;
         }},
        {"Projektdatei", "Haus.zirvo9",
         [this](const std::string& pfad) {
             Projekt p;
             p.ProjektNeu();
             p.PSetStr("Haus " + std::to_string(++nummer_), "Bez");
             return p.ProjektSpeichern(pfad) == 0;
         }},
        {"Einstellungen", "ZIRVO3801.ini",
         [this](const std::string&) {
             Initialisierung ini;
             ini.ProgrammSetzen("", "", "", "");
             ini.Projektverfasser = "Verfasser " + std::to_string(++nummer_);
             return ini.RegistrierungSpeichern();
         }},
    };

private:
    int nummer_ = 0;
    Testhilfe::Testumgebung test_;
    Testhilfe::SkriptUmgebung umgebung_;
    Plattform::DiensteSetzen dienste_{
        Plattform::Dienste{&test_.meldungen, &test_.dateidialoge, nullptr, nullptr, &umgebung_}};
};

// An access-control list as the system keeps it in the attribute: version
// 2, then per entry its kind, its rights (4 read, 2 write, 1 search) and
// the user or group it names, sorted by kind and id.
enum Eintrag : std::uint16_t { Besitzer = 0x01, Benutzer = 0x02, Gruppe = 0x04, Gruppen = 0x08, Maske = 0x10,
                               Andere = 0x20 };
struct Zugriff {
    Eintrag Art;
    std::uint16_t Rechte;
    std::uint32_t Id = 0xFFFFFFFFu;
};
std::string Zugriffsliste(std::initializer_list<Zugriff> einträge) {
    std::string liste(4, '\0');
    liste[0] = 2;
    for (const Zugriff& e : einträge) {
        char roh[8];
        std::memcpy(roh, &e.Art, 2);
        std::memcpy(roh + 2, &e.Rechte, 2);
        std::memcpy(roh + 4, &e.Id, 4);
        liste.append(roh, 8);
    }
    return liste;
}
constexpr const char* Acl = "system.posix_acl_access";
// The list a file has; "" without one.
std::string ListeVon(const std::string& pfad) {
    char puffer[1024];
    const ssize_t n = ::getxattr(pfad.c_str(), Acl, puffer, sizeof puffer);
    return n > 0 ? std::string(puffer, static_cast<std::size_t>(n)) : std::string();
}
// Gives the file the list; false and the reason when its file system keeps none.
bool ListeSetzen(const std::string& pfad, const std::string& liste, std::string& grund) {
    if (::setxattr(pfad.c_str(), Acl, liste.data(), liste.size(), 0) == 0) return true;
    grund = std::string("the file system keeps no access-control lists: ") + std::strerror(errno);
    return false;
}

} // namespace

TEST(GemeinsamerOrdner, GruppeBleibtSchreibschutzGilt) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root, to give the files another user and group";
    // A user and a group other than root's.
    const group* gruppe = nullptr;
    for (const char* name : {"staff", "users", "daemon"})
        if ((gruppe = ::getgrnam(name)) && gruppe->gr_gid != 0) break;
    const passwd* benutzer = ::getpwnam("daemon");
    if (!benutzer) benutzer = ::getpwnam("nobody");
    ASSERT_TRUE(gruppe && gruppe->gr_gid != 0 && benutzer && benutzer->pw_uid != 0);
    const gid_t gid = gruppe->gr_gid;
    const uid_t uid = benutzer->pw_uid;

    Testhilfe::Testordner ordner("gemeinsam");
    Schreiberliste schreiber(ordner.pfad.string());
    for (const Schreiber& s : schreiber.Alle) {
        SCOPED_TRACE(s.Titel);
        const std::string pfad = ordner.Datei(s.Name);
        ASSERT_TRUE(s.Speichern(pfad));

        // Another user's file, for its group to read and write.
        ASSERT_EQ(::chown(pfad.c_str(), uid, gid), 0);
        ASSERT_EQ(::chmod(pfad.c_str(), 0660), 0);
        const std::string vorher = Dateien::Lesen(pfad).value_or("");
        EXPECT_TRUE(s.Speichern(pfad));
        struct stat st = Status(pfad);
        EXPECT_NE(Dateien::Lesen(pfad).value_or(""), vorher);
        EXPECT_EQ(st.st_uid, uid);
        EXPECT_EQ(st.st_gid, gid);
        EXPECT_EQ(st.st_mode & 07777, 0660u);

        // Nobody may write it: not replaced, by root neither.
        ASSERT_EQ(::chmod(pfad.c_str(), 0444), 0);
        const std::string geschützt = Dateien::Lesen(pfad).value_or("");
        EXPECT_FALSE(s.Speichern(pfad));
        EXPECT_EQ(Dateien::Lesen(pfad).value_or(""), geschützt);
        EXPECT_EQ(Status(pfad).st_ino, st.st_ino);
        EXPECT_FALSE(Dateien::HatSchreibreste(pfad));
    }
}

// A user in the folder's group could replace every file in it: the folder
// alone lets the rename through. The file's own rights for the writer
// decide (the bits of owner, group or others, whichever apply to it, and
// the access-control list); root may write any file that some mode bit
// lets be written.
TEST(GemeinsamerOrdner, ErsetztNurWasDerSchreiberSchreibenDarf) {
    basZIRVODialogSprache::SpracheSetzen();
    std::string grund;
    const auto niemand = Testhilfe::Niemand(grund);
    if (!niemand) GTEST_SKIP() << grund;
    const uid_t kollegin = 4711;
    const gid_t team = Testhilfe::FreieGruppe();
    const gid_t fremdeGruppe = team + 1;
    const std::string nurLesen = Zugriffsliste(
        {{Besitzer, 6}, {Benutzer, 4, niemand->Uid}, {Gruppe, 6}, {Maske, 6}, {Andere, 6}});
    const std::string schreiben = Zugriffsliste(
        {{Besitzer, 6}, {Benutzer, 6, niemand->Uid}, {Gruppe, 4}, {Maske, 6}, {Andere, 0}});
    struct Fall {
        const char* Titel;
        bool AlsRoot;
        bool Eigene;       // the file is the writer's (else the colleague's)
        bool Teamgruppe;   // the file's group is the folder's (else another)
        mode_t Modus;
        std::string Liste; // its access-control list, if any
        bool Ersetzt;
    };
    const Fall fälle[] = {
        {"fremd 0644", false, false, true, 0644, "", false},
        {"fremd 0664: die Gruppe darf schreiben", false, false, true, 0664, "", true},
        {"fremd 0646: die Gruppe darf es nicht, alle anderen schon", false, false, true, 0646, "", false},
        {"fremd 0642, andere Gruppe: alle anderen dürfen schreiben", false, false, false, 0642, "", true},
        {"eigene 0644", false, true, true, 0644, "", true},
        {"eigene 0444", false, true, true, 0444, "", false},
        {"fremd 0644, root speichert", true, false, true, 0644, "", true},
        {"fremd 0666, die Liste gibt dem Schreiber nur Leserecht", false, false, true, 0666, nurLesen, false},
        {"fremd 0640, die Liste gibt dem Schreiber Schreibrecht", false, false, false, 0640, schreiben, true},
    };

    Testhilfe::Testordner ordner("fremde_datei");
    ASSERT_EQ(::chown(ordner.pfad.c_str(), 0, team), 0);
    ASSERT_EQ(::chmod(ordner.pfad.c_str(), 0775), 0);
    std::string ohneListe;
    int nummer = 0;
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.Titel);
        const std::string pfad = ordner.Datei("f" + std::to_string(++nummer) + ".txt");
        ASSERT_TRUE(Dateien::SicherSchreiben(pfad, "alt"));
        ASSERT_EQ(::chown(pfad.c_str(), f.Eigene ? niemand->Uid : kollegin, f.Teamgruppe ? team : fremdeGruppe), 0);
        ASSERT_EQ(::chmod(pfad.c_str(), f.Modus), 0);
        if (!f.Liste.empty() && !ListeSetzen(pfad, f.Liste, ohneListe)) continue;
        const struct stat vorher = Status(pfad);
        const std::string liste = ListeVon(pfad);

        // What the writer finds: write-protected or not, and the save's outcome.
        auto speichern = [&pfad] {
            std::string fehler;
            const bool ok = Dateien::SicherSchreiben(pfad, "neu", &fehler);
            return std::string(Dateien::Schreibgeschützt(pfad) ? "geschützt: " : "frei: ") + (ok ? "ok" : fehler);
        };
        const auto ergebnis = f.AlsRoot ? std::optional(speichern())
                                        : Testhilfe::AlsBenutzer(*niemand, {team}, speichern);
        ASSERT_TRUE(ergebnis);
        EXPECT_EQ(*ergebnis, f.Ersetzt ? "frei: ok" : "geschützt: die Datei ist schreibgeschützt");
        const struct stat nachher = Status(pfad);
        EXPECT_EQ(Dateien::Lesen(pfad).value_or(""), f.Ersetzt ? "neu" : "alt");
        EXPECT_EQ(nachher.st_ino == vorher.st_ino, !f.Ersetzt);
        EXPECT_EQ(nachher.st_mode & 07777, vorher.st_mode & 07777);
        EXPECT_EQ(ListeVon(pfad), liste);
        // A replaced file is the writer's, in the team's group where it was.
        EXPECT_EQ(nachher.st_uid, f.Ersetzt && !f.AlsRoot ? niemand->Uid : vorher.st_uid);
        if (f.Teamgruppe) {
            EXPECT_EQ(nachher.st_gid, team);
        }
        EXPECT_FALSE(Dateien::HatSchreibreste(pfad));
    }
    if (!ohneListe.empty()) GTEST_SKIP() << "the cases with a list were left out: " << ohneListe;
}

// Every save hands the file's access-control list on to the new file: a
// colleague named in it keeps the access it gives.
TEST(GemeinsamerOrdner, ZugriffslisteBleibt) {
    Testhilfe::Testordner ordner("zugriffsliste");
    Schreiberliste schreiber(ordner.pfad.string());
    // The mode 0640, and besides the user nobody and a group may read and write.
    const std::string liste = Zugriffsliste(
        {{Besitzer, 6}, {Benutzer, 6, 65534}, {Gruppe, 4}, {Gruppen, 6, 4711}, {Maske, 6}, {Andere, 0}});
    for (const Schreiber& s : schreiber.Alle) {
        SCOPED_TRACE(s.Titel);
        const std::string pfad = ordner.Datei(s.Name);
        ASSERT_TRUE(s.Speichern(pfad));
        EXPECT_EQ(ListeVon(pfad), "");
        std::string grund;
        if (!ListeSetzen(pfad, liste, grund)) GTEST_SKIP() << grund;
        const std::string gesetzt = ListeVon(pfad);
        ASSERT_FALSE(gesetzt.empty());
        const struct stat vorher = Status(pfad);
        EXPECT_EQ(vorher.st_mode & 07777, 0660u);   // the group's bits are the mask's
        for (int mal = 0; mal < 2; ++mal) {
            const ino_t ersetzt = Status(pfad).st_ino;
            EXPECT_TRUE(s.Speichern(pfad));
            const struct stat nachher = Status(pfad);
            EXPECT_NE(nachher.st_ino, ersetzt);
            EXPECT_EQ(ListeVon(pfad), gesetzt);
            EXPECT_EQ(nachher.st_mode & 07777, 0660u);
        }
    }
}

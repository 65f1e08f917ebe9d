#include "frame/Dateien.h"
#include "frame/Systemfehler.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/Windows1252.h"
#include "tests/support/Temppfad.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(Windows1252, HinUndZurück) {
    std::string utf8 = "Zürich €5 „Gäste“ – Œuvre";
    std::string cp = Windows1252::AusUtf8(utf8);
    EXPECT_EQ(static_cast<unsigned char>(cp[1]), 0xFC);
    EXPECT_EQ(static_cast<unsigned char>(cp[7]), 0x80);
    EXPECT_EQ(Windows1252::NachUtf8(cp), utf8);
    // Every byte survives the way through UTF-8 and back.
    std::string alle;
    for (int i = 0; i < 256; ++i) alle += static_cast<char>(i);
    EXPECT_EQ(Windows1252::AusUtf8(Windows1252::NachUtf8(alle)), alle);
    EXPECT_EQ(Windows1252::AusUtf8("漢\xFF"), "??");
    EXPECT_FALSE(Windows1252::IstUtf8("a\xC3"));
    EXPECT_TRUE(Windows1252::IstUtf8("ä\xEF\xBF\xBD"));
}

TEST(Dateien, SicheresSchreibenErsetztGanzOderGarNicht) {
    fs::path ordner = Testhilfe::Temppfad("zirvo_test_dateien");
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    std::string pfad = (ordner / "a.txt").string();
    ASSERT_TRUE(Dateien::SicherSchreiben(pfad, "eins"));
    ASSERT_TRUE(Dateien::SicherSchreiben(pfad, "zwei"));
    EXPECT_EQ(*Dateien::Lesen(pfad), "zwei");
    std::string fehler;
    EXPECT_FALSE(Dateien::SicherSchreiben((ordner / "fehlt" / "b.txt").string(), "x", &fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_FALSE(Dateien::SicherSchreiben(ordner.string(), "x"));
    EXPECT_FALSE(Dateien::Lesen((ordner / "nichts").string()).has_value());
    // No temporary files are left behind.
    int anzahl = 0;
    for (auto& e : fs::directory_iterator(ordner)) { (void)e; ++anzahl; }
    EXPECT_EQ(anzahl, 1);
    fs::remove_all(ordner);
}

// The system's reasons in German for the common cases, the system's text
// for the rest, the same for errno values and error codes.
TEST(Systemfehler, DeutscheGruende) {
    basZIRVODialogSprache::SpracheSetzen();
    const std::pair<int, const char*> fälle[] = {
        {ENOSPC, "kein Platz mehr auf dem Datenträger"},
        {EROFS, "der Datenträger ist schreibgeschützt"},
        {EACCES, "keine Berechtigung"},
        {EPERM, "keine Berechtigung"},
        {ENOENT, "Datei oder Ordner nicht gefunden"},
        {EFBIG, "die Datei wird zu gross"},
        {EISDIR, "ist ein Ordner"},
        {EMFILE, "zu viele offene Dateien"},
        {ENFILE, "zu viele offene Dateien"},
    };
    for (const auto& [nummer, text] : fälle) {
        EXPECT_EQ(Systemfehler::Text(nummer), text) << nummer;
        EXPECT_EQ(Systemfehler::Text(std::error_code(nummer, std::generic_category())), text) << nummer;
        EXPECT_EQ(Systemfehler::Text(std::error_code(nummer, std::system_category())), text) << nummer;
    }
    EXPECT_EQ(Systemfehler::Text(std::make_error_code(std::errc::no_space_on_device)),
              "kein Platz mehr auf dem Datenträger");
    // Others: the system's own text.
    EXPECT_EQ(Systemfehler::Text(EBADMSG), std::system_category().message(EBADMSG));
    EXPECT_FALSE(Systemfehler::Text(EBADMSG).empty());
    EXPECT_EQ(Systemfehler::Text(std::make_error_code(std::future_errc::no_state)),
              std::make_error_code(std::future_errc::no_state).message());

    // As a real failure reports it.
    fs::path ordner = fs::temp_directory_path() / ("zirvo_test_sf_" + std::to_string(::getpid()));
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    std::string fehler;
    EXPECT_FALSE(Dateien::SicherSchreiben((ordner / "fehlt" / "a.txt").string(), "x", &fehler));
    EXPECT_EQ(fehler, "Datei oder Ordner nicht gefunden");
    EXPECT_FALSE(Dateien::SicherSchreiben(ordner.string(), "x", &fehler));
    EXPECT_EQ(fehler, "\"" + ordner.string() + "\" ist ein Ordner und keine gewöhnliche Datei.");
    EXPECT_FALSE(Dateien::Lesen((ordner / "fehlt.txt").string(), &fehler));
    EXPECT_EQ(fehler, "Datei oder Ordner nicht gefunden");
    fs::remove_all(ordner);
}

// With the signal ignored as the programs do at start, a write past the
// file-size limit fails with the reason and leaves the old file whole and
// no temporary file; the process is not killed.
TEST(Dateien, DateigrenzeWieVolleDisk) {
    basZIRVODialogSprache::SpracheSetzen();
    fs::path ordner = fs::temp_directory_path() / ("zirvo_test_fsize_" + std::to_string(::getpid()));
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    const std::string pfad = (ordner / "a.txt").string();
    ASSERT_TRUE(Dateien::SicherSchreiben(pfad, "alt"));
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        Dateien::DateigrössenSignalAbschalten();
        rlimit grenze{4096, 4096};
        int fehler = ::setrlimit(RLIMIT_FSIZE, &grenze) == 0 ? 0 : 1;
        std::string grund;
        if (Dateien::SicherSchreiben(pfad, std::string(100000, 'x'), &grund)) fehler |= 2;
        if (grund != "die Datei wird zu gross") fehler |= 4;
        if (Dateien::Lesen(pfad).value_or("") != "alt") fehler |= 8;
        if (Dateien::HatSchreibreste(pfad)) fehler |= 16;
        ::_exit(fehler);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "beendet durch Signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    fs::remove_all(ordner);
}

// The names of the leftovers of an interrupted write, and their removal
// beside the file a link points to: only those whose writer no longer
// holds them; a user's own file that merely looks like one stays.
TEST(Dateien, Schreibreste) {
    EXPECT_TRUE(Dateien::IstSchreibrest(".a.txt.~zirvo-tmp-Ab12Z9", "a.txt"));
    for (const char* kein : {"a.txt.~zirvo-tmp-Ab12Z9", ".a.txt.~zirvo-tmp-Ab12Z", ".a.txt.~zirvo-tmp-Ab12Z90",
                             ".a.txt.~zirvo-tmp-Ab-2Z9", ".b.txt.~zirvo-tmp-Ab12Z9", ".a.txt.tmpAb12Z9",
                             ".a.txt.tmpBackup", ".a.txt.~ZIRVO-TMP-Ab12Z9"})
        EXPECT_FALSE(Dateien::IstSchreibrest(kein, "a.txt")) << kein;
    EXPECT_FALSE(Dateien::IstSchreibrest(".~zirvo-tmp-Ab12Z9", ""));

    fs::path ordner = fs::temp_directory_path() / ("zirvo_test_reste_" + std::to_string(::getpid()));
    fs::remove_all(ordner);
    const fs::path echt = ordner / "echt";
    fs::create_directories(echt);
    std::ofstream(echt / "a.txt") << "a";
    fs::create_symlink(echt / "a.txt", ordner / "link.txt");
    for (const char* name : {".a.txt.~zirvo-tmp-Ab12Z9", ".a.txt.~zirvo-tmp-XXXXXX", ".a.txt.~zirvo-tmp-Halten",
                             ".a.txt.~zirvo-tmp-Ab12Z", ".a.txt.tmpBackup", ".a.txt.tmpAb12Z9"})
        std::ofstream(echt / name) << "rest";
    fs::create_directory(echt / ".a.txt.~zirvo-tmp-QwErTy");
    // A writer at work holds its file.
    const int gehalten = ::open((echt / ".a.txt.~zirvo-tmp-Halten").c_str(), O_RDONLY);
    ASSERT_GE(gehalten, 0);
    ASSERT_EQ(::flock(gehalten, LOCK_EX), 0);
    EXPECT_TRUE(Dateien::HatSchreibreste((ordner / "link.txt").string()));
    EXPECT_EQ(Dateien::SchreibresteEntfernen((ordner / "link.txt").string()), 2);
    EXPECT_TRUE(fs::exists(echt / ".a.txt.~zirvo-tmp-Halten"));
    ::close(gehalten);
    EXPECT_EQ(Dateien::SchreibresteEntfernen((ordner / "link.txt").string(), Dateien::Restealter), 1);
    EXPECT_FALSE(Dateien::HatSchreibreste((echt / "a.txt").string()));
    for (const char* bleibt : {".a.txt.~zirvo-tmp-Ab12Z", ".a.txt.tmpBackup", ".a.txt.tmpAb12Z9", "a.txt"})
        EXPECT_TRUE(fs::exists(echt / bleibt)) << bleibt;
    EXPECT_TRUE(fs::is_directory(echt / ".a.txt.~zirvo-tmp-QwErTy"));
    fs::remove_all(ordner);
}

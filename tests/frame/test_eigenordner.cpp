// The folder of the single-instance guard where the system gives no runtime
// folder: only one of the user's own and private, so that nobody can make
// two users share one guard.
#include "frame/Eigenordner.h"
#include "tests/support/Fremdbenutzer.h"
#include "tests/support/Temppfad.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(Eigenordner, NurEinPrivaterOrdnerDesBenutzers) {
    std::string grund;
    const auto niemand = Testhilfe::Niemand(grund);
    const fs::path wurzel = Testhilfe::Temppfad("zirvo_test_eigenordner"), tmp = wurzel / "tmp";
    const std::string cache = (wurzel / "cache").string(), nummer = "zirvo-" + std::to_string(::geteuid());
    const fs::path fest = tmp / nummer;
    // What tmp/zirvo-UID is before the start (made by another user, or a
    // folder of this user's with the mode given), and where the guard goes:
    // there, into the cache, or ("") a folder tmp/zirvo-UID-XXXXXX.
    enum Art { Nichts, Ordner, Link, Datei, Fremd };
    const struct {
        Art Vorher;
        mode_t Rechte;
        bool MitCache;
        std::string Erwartet;
    } fälle[] = {
        {Nichts, 0, true, fest.string()},     {Ordner, 0755, true, fest.string()},
        {Ordner, 0777, false, fest.string()}, {Link, 0700, true, cache + "/ZIRVO"},
        {Datei, 0, false, ""},                {Fremd, 0777, true, cache + "/ZIRVO"},
        {Fremd, 0777, false, ""},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(std::to_string(fall.Vorher) + " " + std::to_string(fall.MitCache));
        // Without root no step can run as another user; the folders of the
        // wrong mode above stand in for them.
        if (fall.Vorher == Fremd && !niemand) GTEST_SKIP() << grund;
        fs::remove_all(wurzel);
        fs::create_directories(tmp);
        ::chmod(wurzel.c_str(), 0755);
        ::chmod(tmp.c_str(), 01777);
        const auto anlegen = [&] {
            return std::to_string(::mkdir(fest.c_str(), 0) + ::chmod(fest.c_str(), fall.Rechte));
        };
        if (fall.Vorher == Ordner) anlegen();
        if (fall.Vorher == Link) {
            fs::create_directory(tmp / "privat");
            ::chmod((tmp / "privat").c_str(), 0700);
            fs::create_directory_symlink(tmp / "privat", fest);
        }
        if (fall.Vorher == Datei) std::ofstream(fest) << "x";
        if (fall.Vorher == Fremd) {
            ASSERT_EQ(Testhilfe::AlsBenutzer(*niemand, {}, anlegen), "0");
        }

        const std::string ordner = Eigenordner::Ausweichordner(tmp, fall.MitCache ? cache : "");
        const std::string eindeutig = (tmp / nummer).string() + "-";
        if (fall.Erwartet.empty()) EXPECT_EQ(ordner.substr(0, eindeutig.size()), eindeutig);
        else EXPECT_EQ(ordner, fall.Erwartet);
        struct stat st {};
        ASSERT_EQ(::lstat(ordner.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_uid, ::geteuid());
        EXPECT_EQ(st.st_mode & 07777, 0700u);
        // The next start finds the same folder.
        EXPECT_EQ(Eigenordner::Ausweichordner(tmp, fall.MitCache ? cache : ""), ordner);
        // The other user's own start finds a folder of its own.
        if (fall.Vorher == Fremd) {
            EXPECT_EQ(Testhilfe::AlsBenutzer(*niemand, {}, [&] { return Eigenordner::Ausweichordner(tmp, ""); }),
                      (tmp / ("zirvo-" + std::to_string(niemand->pw_uid))).string());
        }
    }
    fs::remove_all(wurzel);
}

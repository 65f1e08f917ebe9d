// The folder of the single-instance guard where the system gives no runtime
// folder: only one of the user's own and private, so that nobody can make
// two users share one guard.
#include "frame/Eigenordner.h"
#include "tests/support/Fremdbenutzer.h"
#include "tests/support/Temppfad.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

mode_t Rechte(const fs::path& p) {
    struct stat st {};
    return ::lstat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace

TEST(Eigenordner, NurEinPrivaterOrdnerDesBenutzers) {
    std::string grund;
    const auto niemand = Testhilfe::Niemand(grund);
    const fs::path wurzel = Testhilfe::Temppfad("zirvo_test_eigenordner");
    const fs::path tmp = wurzel / "tmp", cache = wurzel / "cache";
    const std::string nummer = "zirvo-" + std::to_string(::geteuid());
    const fs::path fest = tmp / nummer;
    // What lies at tmp/zirvo-UID before the start, and where the guard goes.
    enum Ort { Fest, Cache, Eindeutig };
    struct Fall {
        const char* Titel;
        std::function<void()> Vorher;
        bool MitCache;
        Ort Erwartet;
        bool AlsNiemand; // tmp/zirvo-UID made by another user
    };
    const Fall fälle[] = {
        {"nichts da", [] {}, true, Fest, false},
        {"eigener Ordner 0755", [&] { fs::create_directory(fest), ::chmod(fest.c_str(), 0755); }, true, Fest, false},
        {"eigener Ordner 0777", [&] { fs::create_directory(fest), ::chmod(fest.c_str(), 0777); }, false, Fest, false},
        {"Link auf einen eigenen Ordner",
         [&] { fs::create_directory(tmp / "anders"), ::chmod((tmp / "anders").c_str(), 0700),
               fs::create_directory_symlink(tmp / "anders", fest); },
         true, Cache, false},
        {"eine Datei", [&] { std::ofstream(fest) << "x"; }, false, Eindeutig, false},
        {"Ordner eines anderen, mit Cache", {}, true, Cache, true},
        {"Ordner eines anderen, ohne Cache", {}, false, Eindeutig, true},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.Titel);
        // Without root the steps of another user cannot run; the folder of
        // the wrong mode above stands in for them.
        if (fall.AlsNiemand && !niemand) GTEST_SKIP() << grund;
        fs::remove_all(wurzel);
        fs::create_directories(tmp);
        ::chmod(tmp.c_str(), 01777);
        if (fall.AlsNiemand) {
            ::chmod(wurzel.c_str(), 0755);
            ASSERT_EQ(Testhilfe::AlsBenutzer(*niemand, {},
                                             [&] { return std::to_string(::mkdir(fest.c_str(), 0777) == 0 &&
                                                                         ::chmod(fest.c_str(), 0777) == 0); }),
                      "1");
        } else {
            fall.Vorher();
        }
        const std::string ordner = Eigenordner::Ausweichordner(tmp, fall.MitCache ? cache.string() : "");
        switch (fall.Erwartet) {
        case Fest: EXPECT_EQ(ordner, fest.string()); break;
        case Cache: EXPECT_EQ(ordner, (cache / "ZIRVO").string()); break;
        case Eindeutig:
            EXPECT_EQ(fs::path(ordner).parent_path(), tmp);
            EXPECT_EQ(fs::path(ordner).filename().string().substr(0, nummer.size() + 1), nummer + "-");
            break;
        }
        struct stat st {};
        ASSERT_EQ(::lstat(ordner.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_uid, ::geteuid());
        EXPECT_EQ(Rechte(ordner), 0700u);
        // The next start finds the same folder.
        EXPECT_EQ(Eigenordner::Ausweichordner(tmp, fall.MitCache ? cache.string() : ""), ordner);
        if (fall.AlsNiemand) {
            // The other user's folder stays as it is, and that user's own
            // start finds a folder of its own.
            EXPECT_EQ(Rechte(fest), 0777u);
            const auto seiner = Testhilfe::AlsBenutzer(*niemand, {}, [&] { return Eigenordner::Ausweichordner(tmp, ""); });
            ASSERT_TRUE(seiner);
            EXPECT_EQ(*seiner, (tmp / ("zirvo-" + std::to_string(niemand->pw_uid))).string());
            EXPECT_NE(*seiner, ordner);
        }
    }
    fs::remove_all(wurzel);
}

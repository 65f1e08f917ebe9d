#include "frame/Plattform.h"
#include "frame/basSendKey.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>
#include <vector>

TEST(TasteSenden, NurDieBekanntenTastentexteGenau) {
    Testhilfe::SkriptUmgebung umgebung;
    Plattform::DiensteSetzen gesetzt(Plattform::Dienste{nullptr, nullptr, nullptr, nullptr, &umgebung});
    for (const char* t : {"{F1}", "{ENTER}", "~", "{PGUP}", "{PGDN}", "{END}", "{HOME}", "{LEFT}", "{UP}", "{RIGHT}",
                          "{DOWN}"})
        basSendKey::TasteSenden(t);
    EXPECT_EQ(umgebung.Tasten, (std::vector<int>{112, 13, 13, 33, 34, 35, 36, 37, 38, 39, 40}));
    // Small letters, other keys and empty texts send nothing.
    for (const char* t : {"{enter}", "{F2}", "", "A", "{ENTER} ", "{TAB}"}) basSendKey::TasteSenden(t);
    EXPECT_EQ(umgebung.Tasten.size(), 11u);
}

#include "frame/Plattform.h"
#include "frame/basSendKey.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
class Tastenumgebung : public Plattform::Umgebung {
public:
    std::vector<int> Gesendet;
    std::string Programmordner() override { return "."; }
    std::string Konfigurationsordner() override { return "."; }
    std::time_t Jetzt() override { return 0; }
    void Sanduhr(bool) override {}
    bool StrgGedrückt() override { return false; }
    void TasteSenden(int code) override { Gesendet.push_back(code); }
};
} // namespace

TEST(TasteSenden, NurDieBekanntenTastentexteGenau) {
    Tastenumgebung umgebung;
    Plattform::DiensteSetzen gesetzt(Plattform::Dienste{nullptr, nullptr, nullptr, nullptr, &umgebung});
    for (const char* t : {"{F1}", "{ENTER}", "~", "{PGUP}", "{PGDN}", "{END}", "{HOME}", "{LEFT}", "{UP}", "{RIGHT}",
                          "{DOWN}"})
        basSendKey::TasteSenden(t);
    EXPECT_EQ(umgebung.Gesendet, (std::vector<int>{112, 13, 13, 33, 34, 35, 36, 37, 38, 39, 40}));
    // Small letters, other keys and empty texts send nothing.
    for (const char* t : {"{enter}", "{F2}", "", "A", "{ENTER} ", "{TAB}"}) basSendKey::TasteSenden(t);
    EXPECT_EQ(umgebung.Gesendet.size(), 11u);
}

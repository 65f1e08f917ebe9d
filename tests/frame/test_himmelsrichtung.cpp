#include "frame/basZIRVO_HiRi.h"

#include <gtest/gtest.h>

#include <string>

using namespace basZIRVO_HiRi;

namespace {

// Sets the north rotation for one test and restores the former one.
class Nordrichtung {
public:
    explicit Nordrichtung(std::string nord) : alt_(NordAktuell) { NordAktuell = std::move(nord); }
    ~Nordrichtung() { NordAktuell = alt_; }

private:
    std::string alt_;
};

} // namespace

TEST(Himmelsrichtung, DrehungNachOstenHinUndZurück) {
    Nordrichtung nord("NNE");
    EXPECT_TRUE(NordGedreht());
    EXPECT_EQ(HimmelsrichtungDrehen("N"), "NNE");
    EXPECT_EQ(HimmelsrichtungDrehen("S"), "SSW");
    EXPECT_EQ(HimmelsrichtungDrehen("NW"), "NNW");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("ssw"), "S");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("WNW"), "W");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("ENE"), "NE");
    // Every main name comes back from its turned name.
    for (auto name : Hauptrichtungen)
        EXPECT_EQ(HimmelsrichtungZurückdrehen(HimmelsrichtungDrehen(name)), name) << name;
}

TEST(Himmelsrichtung, DrehungNachWestenHinUndZurück) {
    Nordrichtung nord("NNW");
    EXPECT_EQ(HimmelsrichtungDrehen("N"), "NNW");
    EXPECT_EQ(HimmelsrichtungDrehen("E"), "ENE");
    EXPECT_EQ(HimmelsrichtungDrehen("SW"), "SSW");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("NNE"), "NE");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("nnw"), "N");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("WNW"), "NW");
    for (auto name : Hauptrichtungen)
        EXPECT_EQ(HimmelsrichtungZurückdrehen(HimmelsrichtungDrehen(name)), name) << name;
}

TEST(Himmelsrichtung, OhneDrehungUnverändert) {
    Nordrichtung nord("");
    EXPECT_FALSE(NordGedreht());
    EXPECT_EQ(HimmelsrichtungDrehen("N"), "N");
    EXPECT_EQ(HimmelsrichtungDrehen("SW"), "SW");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("ssw"), "ssw");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("NNE"), "NNE");
}

TEST(Himmelsrichtung, NamenAusserhalbDerTabellen) {
    Nordrichtung nord("NNE");
    // Only the exact main names turn: lower case, turned names and others stay.
    EXPECT_EQ(HimmelsrichtungDrehen("n"), "n");
    EXPECT_EQ(HimmelsrichtungDrehen("NNE"), "NNE");
    EXPECT_EQ(HimmelsrichtungDrehen(""), "");
    EXPECT_EQ(HimmelsrichtungDrehen(" N"), " N");
    // Turning back: three characters that name nothing come back in upper
    // case, any other length unchanged.
    EXPECT_EQ(HimmelsrichtungZurückdrehen("abc"), "ABC");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("NE"), "NE");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("ne"), "ne");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("nnee"), "nnee");
    EXPECT_EQ(HimmelsrichtungZurückdrehen(""), "");
    // Three characters, not three bytes: umlauts count once and are upper-cased.
    EXPECT_EQ(HimmelsrichtungZurückdrehen("süd"), "SÜD");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("südost"), "südost");
    // A stray byte is kept as it is.
    EXPECT_EQ(HimmelsrichtungZurückdrehen(std::string("a\xFF" "b")), std::string("A\xFF" "B"));
}

TEST(Himmelsrichtung, FremdeDrehungDrehtNichtUndDrehtZurückWieNNW) {
    // A north value written elsewhere: names are not turned, but turning
    // back uses the "NNW" table.
    Nordrichtung nord("NO");
    EXPECT_TRUE(NordGedreht());
    EXPECT_EQ(HimmelsrichtungDrehen("N"), "N");
    EXPECT_EQ(HimmelsrichtungDrehen("E"), "E");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("NNE"), "NE");
    EXPECT_EQ(HimmelsrichtungZurückdrehen("NNW"), "N");
}

TEST(Himmelsrichtung, IndexDerHauptrichtungen) {
    for (std::size_t i = 0; i < Hauptrichtungen.size(); ++i)
        EXPECT_EQ(HiRiIndex(Hauptrichtungen[i]), static_cast<std::int16_t>(i));
    EXPECT_EQ(HiRiIndex("W"), 6);
    // Anything else counts as north.
    EXPECT_EQ(HiRiIndex("n"), 0);
    EXPECT_EQ(HiRiIndex(""), 0);
    EXPECT_EQ(HiRiIndex("NNE"), 0);
    EXPECT_EQ(HiRiIndex("SW "), 0);
}

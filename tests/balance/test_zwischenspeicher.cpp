// Looked-up field formats and read shading entries are kept for the next
// use; whatever changes (a table of formats, the entry, the orientation,
// the comma setting) gives the new result at once.
#include "balance/Feldformat.h"
#include "balance/Verschattungsfaktor.h"
#include "frame/basVB6NumCvt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(Spaltenliste, NachschlagenFolgtJederÄnderung) {
    Spaltenliste liste;
    liste.SpalteRegistrieren("txtA", "z42b1");
    EXPECT_EQ(liste.FeldFormatLesen("txtA").Stellen, 4);
    EXPECT_EQ(liste.FeldFormatLesen("txtB").Stellen, 0);
    // Registered after a look-up: found.
    liste.SpalteRegistrieren("txtB", "z61b2");
    EXPECT_EQ(liste.FeldFormatLesen("txtB").Stellen, 6);
    // Emptied and registered anew: the new code.
    liste.Leeren();
    EXPECT_FALSE(liste.FeldFormatLesen("txtA").Zahl);
    liste.SpalteRegistrieren("txtA", "z71b3");
    EXPECT_EQ(liste.FeldFormatLesen("txtA").Stellen, 7);
    EXPECT_EQ(liste.FeldFormatLesen("txtA").Spalte, 3);

    // A copy goes its own way.
    Spaltenliste kopie = liste;
    EXPECT_EQ(kopie.FeldFormatLesen("txtA").Stellen, 7);
    kopie.SpalteRegistrieren("txtC", "z30");
    EXPECT_EQ(kopie.FeldFormatLesen("txtC").Stellen, 3);
    EXPECT_EQ(liste.FeldFormatLesen("txtC").Stellen, 0);
    kopie.Leeren();
    kopie.SpalteRegistrieren("txtA", "t--b9");
    EXPECT_FALSE(kopie.FeldFormatLesen("txtA").Zahl);
    EXPECT_EQ(liste.FeldFormatLesen("txtA").Stellen, 7);

    // More tables than are kept, the same name in each with its own code,
    // asked in turn: each answers with its own.
    std::vector<Spaltenliste> listen(7);
    for (std::size_t i = 0; i < listen.size(); ++i)
        listen[i].SpalteRegistrieren("txtX", "z" + std::to_string(i + 1) + "0");
    for (int runde = 0; runde < 2; ++runde)
        for (std::size_t i = 0; i < listen.size(); ++i)
            EXPECT_EQ(listen[i].FeldFormatLesen("txtX").Stellen, static_cast<std::int16_t>(i + 1));
}

TEST(Verschattungsfaktor, GemerkteEinträgeFolgenTextRichtungUndKomma) {
    const Verschattungsfaktor& v = Verschattungsfaktor::Instanz();
    double fS2 = 0, fS3 = 0;
    // South, overhang 10°, fins 20° and 30°: fS2 = 1 - 10/15 · 0.05 = 0.96667,
    // fS3 = (0.97 - 5/15 · 0.03) · 0.94 = 0.96 · 0.94 = 0.9024.
    EXPECT_NEAR(v.fS23_Parse("10,20,30", "S", fS2, fS3), (1 - 0.05 * 10 / 15) * 0.9024, 1e-12);
    EXPECT_NEAR(fS3, 0.9024, 1e-12);
    // North, the same entry: fS2 = 1 - 10/15 · 0.04, no fins effect.
    EXPECT_NEAR(v.fS23_Parse("10,20,30", "N", fS2, fS3), 1 - 0.04 * 10 / 15, 1e-12);
    EXPECT_NEAR(fS3, 1, 1e-12);
    // Another entry, and the first again.
    EXPECT_NEAR(v.fS23_Parse("0,20,30", "S", fS2, fS3), 0.9024, 1e-12);
    EXPECT_NEAR(fS2, 1, 1e-12);
    EXPECT_NEAR(v.fS23_Parse("10,20,30", "S", fS2, fS3), (1 - 0.05 * 10 / 15) * 0.9024, 1e-12);
    EXPECT_NEAR(fS2, 1 - 0.05 * 10 / 15, 1e-12);
    EXPECT_EQ(v.fS23_Parse("10,20,30,40", "S", fS2, fS3), 0);
    EXPECT_EQ(fS2, 0);

    // "12,5" is 12.5 -> 13° with comma input and 12° without:
    // south 0.96 - 3/10 · 0.14 = 0.918, and 0.96 - 2/10 · 0.14 = 0.932.
    const bool bisher = basVB6NumCvt::KommaEingabe;
    basVB6NumCvt::KommaEingabeSetzen(true);
    EXPECT_NEAR(v.fS1_Parse("12,5", "S"), 0.918, 1e-12);
    basVB6NumCvt::KommaEingabeSetzen(false);
    EXPECT_NEAR(v.fS1_Parse("12,5", "S"), 0.932, 1e-12);
    basVB6NumCvt::KommaEingabeSetzen(true);
    EXPECT_NEAR(v.fS1_Parse("12,5", "S"), 0.918, 1e-12);
    basVB6NumCvt::KommaEingabeSetzen(false);
    EXPECT_NEAR(v.fS1_Parse("12,5", "E"), 0.94 - 0.2 * 0.13, 1e-12);
    EXPECT_EQ(v.fS1_Parse("", "S"), 0);
    EXPECT_EQ(v.fS1_Parse("-", "S"), 1);
    basVB6NumCvt::KommaEingabeSetzen(bisher);
}

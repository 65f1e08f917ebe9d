#include "frame/Dateien.h"
#include "frame/Windows1252.h"

#include <filesystem>
#include <gtest/gtest.h>

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
    fs::path ordner = fs::temp_directory_path() / "zirvo_test_dateien";
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

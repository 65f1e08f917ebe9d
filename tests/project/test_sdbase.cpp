#include "project/Sdbase.h"

#include "frame/Windows1252.h"
#include "tests/support/Haengegrenze.h"
#include "tests/support/Temppfad.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace fs = std::filesystem;

namespace {

const std::string Leer = "{SDF}{HEAD}{~HEAD}{BODY}{~BODY}{~SDF}";

std::string Dok(const std::string& kopf, const std::string& rumpf) {
    return "{SDF}{HEAD}" + kopf + "{~HEAD}{BODY}" + rumpf + "{~BODY}{~SDF}";
}

std::int32_t Prüfen(const std::string& text) {
    Sdbase d;
    d.SDFString(text);
    return d.ReadBegin();
}

// The code of the error a writing call raises; checks number and LastError.
std::int32_t Code(Sdbase& d, const std::function<void()>& aufruf, std::string* quelle = nullptr) {
    try {
        aufruf();
    } catch (const SdbaseFehler& f) {
        EXPECT_EQ(f.Nummer, -2147221504 + d.LastError());
        if (quelle) *quelle = f.Quelle;
        return d.LastError();
    }
    return 0;
}

// All tokens of a validated document, head and body, as "kind:name=value".
std::vector<std::string> Tokens(Sdbase& d) {
    std::vector<std::string> aus;
    std::string name, wert;
    auto lesen = [&] {
        for (std::size_t n = 0; n < 10000000; ++n) {
            int art = d.NextItem(name, wert);
            if (art == 3) aus.push_back("3:" + name + "=" + wert);
            else if (art == 1 || art == 2) aus.push_back(std::to_string(art) + ":" + name);
            else {
                aus.push_back(std::to_string(art));
                return;
            }
        }
        ADD_FAILURE() << "kein Ende";
    };
    if (d.ReadHeader() == 0) lesen();
    if (d.ReadBody() == 0) lesen();
    return aus;
}

// Writes the head with items "l" and "p" and a body with the given writer.
std::string Schreiben(const std::function<void(Sdbase&)>& rumpf, bool verschlüsseln = false) {
    Sdbase d;
    d.DocumentBegin();
    d.HeadBegin();
    d.ItemStr("l", "de");
    d.ItemStr("p", "Bürohaus {Nord}");
    d.HeadEnd();
    d.BodyBegin();
    rumpf(d);
    d.BodyEnd();
    d.DocumentEnd();
    d.Complete(verschlüsseln);
    return d.SDFString();
}

std::string Rumpf(const std::function<void(Sdbase&)>& rumpf) {
    std::string t = Schreiben(rumpf);
    const std::string anfang = "{SDF}{HEAD}|lde|pB~FCrohaus ~7BNord~7D{~HEAD}{BODY}";
    EXPECT_EQ(t.substr(0, anfang.size()), anfang);
    return t.substr(anfang.size(), t.size() - anfang.size() - 13);
}

} // namespace

TEST(Sdbase, LeeresDokumentInBeidenRichtungen) {
    Sdbase w;
    w.DocumentBegin();
    w.HeadBegin();
    w.HeadEnd();
    w.BodyBegin();
    w.BodyEnd();
    w.DocumentEnd();
    w.Complete(false);
    EXPECT_EQ(w.SDFString(), Leer);
    EXPECT_EQ(Leer.size(), 37u);

    Sdbase r;
    r.SDFString(Leer);
    ASSERT_EQ(r.ReadBegin(), 0);
    std::string name = "n", wert = "w";
    EXPECT_EQ(r.NextItem(name, wert), -1); // before ReadHeader
    EXPECT_EQ(name, "n");
    EXPECT_EQ(r.ReadBody(), 14);           // the head first
    EXPECT_EQ(r.LastError(), 14);
    ASSERT_EQ(r.ReadHeader(), 0);
    EXPECT_EQ(r.ReadHeader(), 14);
    EXPECT_EQ(r.NextItem(name, wert), 0);
    EXPECT_EQ(name, "");
    ASSERT_EQ(r.ReadBody(), 0);
    EXPECT_EQ(r.NextItem(name, wert), 0);
    EXPECT_EQ(r.NextItem(name, wert), -1);
    r.ReadEnd();
    EXPECT_EQ(r.ReadBegin(), 101);        // an object reads one document
    EXPECT_EQ(Prüfen(Leer.substr(0, 36)), 1);
}

TEST(Sdbase, ItemsUndZahlenSchreiben) {
    EXPECT_EQ(Rumpf([](Sdbase& d) {
                  d.ItemStr("b", "");
                  d.ItemStr("b", "x|y");
                  d.ItemStr("Bez", "a=b");
                  d.ItemNum("x", 0);
                  d.ItemNum("x", 4E-13);
                  d.ItemNum("x", 1E-13);
                  d.ItemNum("x", -1E-13);
                  d.ItemNum("x", -2);
                  d.ItemNum("Hl_e", 0.75);
                  d.ItemNum("a", 3.25);
                  d.ItemNum("b", -0.5);
                  d.ItemNum("c", 12);
                  d.ItemNum("d", 0.30000000000000004);
                  d.ItemNum("e", 0.99999999999999989);
                  d.ItemNum("f", 123456.789);
                  d.ItemNum("g", 1e20);
                  d.ItemNum("h", 1.0 / 3.0);
                  d.ItemNum("i", 2.0000000000005e-12);
                  d.ItemNum("j", std::numeric_limits<double>::quiet_NaN());
                  d.ItemNum("k", -std::numeric_limits<double>::infinity());
                  d.ItemNum("l", 5E-13);
                  d.ItemNum("m", -0.9999999999995);
                  d.ItemNum("n", 1.0000000000004999);
                  d.ItemNum("o", 4.9E-324);
                  d.ItemNum("p", -1e300);
              }),
              "|bx~7Cy|Bez=a=b|x-2|Hl_e=0.75|a3.25|b-0.5|c12|d0.3|e1|f123456.789|g100000000000000000000"
              "|h0.333333333333|i0.000000000002|l0.000000000001|m-1|n1|p-1" + std::string(300, '0'));

    // Numbers read back by their value text.
    Sdbase r;
    r.SDFString(Dok("", "|a0.75|b-2|c0.333333333333|Lang=1.5"));
    ASSERT_EQ(r.ReadBegin(), 0);
    auto t = Tokens(r);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[1], "3:a=0.75");
    EXPECT_EQ(r.ValNum("0.75"), 0.75);
    EXPECT_EQ(r.ValNum("-2"), -2);
    EXPECT_EQ(r.ValNum(""), 0);
    EXPECT_EQ(r.ValNum("0.333333333333"), 0.333333333333);
    EXPECT_EQ(r.ValStr("a~b"), "a~b");
}

TEST(Sdbase, MaskierungInBeidenRichtungen) {
    EXPECT_EQ(Rumpf([](Sdbase& d) {
                  d.ItemStr("a", "{|}~");
                  d.ItemStr("b", "Zeile 1\nZeile 2");
                  d.ItemStr("c", "Bär €5 z{");
                  d.ItemStr("d", std::string("a\0b", 3));
                  d.ItemStr("e", std::string(1, '\0'));
                  d.ItemStr("f", "漢x");
                  d.ItemStr("g", " !zA09`");
              }),
              "|a~7B~7C~7D~7E|bZeile 1~0AZeile 2|cB~E4r ~805 z~7B|dab|f?x|g !zA09`");

    // Every code of the code page goes into a value and comes back.
    for (int code = 1; code < 256; ++code) {
        std::string zeichen;
        Windows1252::Anhängen(zeichen, Windows1252::Zeichen(static_cast<unsigned char>(code)));
        std::string rumpf = Rumpf([&](Sdbase& d) { d.ItemStr("Wert", "<" + zeichen + ">"); });
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", code);
        std::string erwartet = code >= 32 && code <= 122 ? std::string(1, static_cast<char>(code)) : "~" + std::string(hex);
        ASSERT_EQ(rumpf, "|Wert=<" + erwartet + ">") << code;
        Sdbase r;
        r.SDFString(Dok("", rumpf));
        ASSERT_EQ(r.ReadBegin(), 0) << code;
        ASSERT_EQ(Tokens(r)[1], "3:Wert=<" + zeichen + ">") << code;
    }

    // Reading: escapes undone, an item directly before the next token empty.
    Sdbase r;
    r.SDFString(Dok("|p~7Bx~7D|b|ab=1", "{Obj}|Bez=a=b|c~E4~80{~Obj}|d~7E41"));
    ASSERT_EQ(r.ReadBegin(), 0);
    EXPECT_EQ(Tokens(r), (std::vector<std::string>{"3:p={x}", "3:b=", "3:a=b=1", "0", "1:Obj", "3:Bez=a=b",
                                                   "3:c=ä€", "2:Obj", "3:d=~41", "0"}));
}

TEST(Sdbase, NamenUndReihenfolgeBeimSchreiben) {
    Sdbase d;
    std::string quelle;
    EXPECT_EQ(Code(d, [&] { d.ItemStr("a", "x"); }, &quelle), 21); // outside a section
    EXPECT_EQ(quelle, "SDF.ItemStr");
    EXPECT_EQ(Code(d, [&] { d.ItemNum("a", 1); }, &quelle), 11);
    EXPECT_EQ(quelle, "SDF.ItemNum");
    EXPECT_EQ(Code(d, [&] { d.HeadBegin(); }), 11);
    EXPECT_EQ(Code(d, [&] { d.Complete(true); }, &quelle), 11);
    EXPECT_EQ(quelle, "SDF.Complete");
    d.DocumentBegin();
    EXPECT_EQ(Code(d, [&] { d.DocumentBegin(); }), 11);
    EXPECT_EQ(Code(d, [&] { d.BodyBegin(); }), 11);
    EXPECT_EQ(Code(d, [&] { d.Object("A"); }), 21);
    d.HeadBegin();

    try {
        d.ItemStr("ab", "x");
        ADD_FAILURE();
    } catch (const SdbaseFehler& f) {
        EXPECT_EQ(f.Nummer, -2147221483);
        EXPECT_EQ(f.Quelle, "SDF.ItemStr");
        EXPECT_EQ(f.Beschreibung, "Der angegebene Code ist ungültig.");
        EXPECT_EQ(d.LastError(), 21);
    }
    for (std::string name : std::vector<std::string>{"", "A", "ab", "1b", "Ab-", "A" + std::string(30, 'b'), "Ä"})
        EXPECT_EQ(Code(d, [&] { d.ItemStr(name, "x"); }), 21) << name;
    EXPECT_EQ(Code(d, [&] { d.ItemNum("ab", 1); }), 21);
    for (std::string name : std::vector<std::string>{"Head", "sdf", "Body", "file", "OBJECT", "Script", "1A", "_A", "A-B",
                             std::string(31, 'A'), "Ä"})
        EXPECT_EQ(Code(d, [&] { d.Object(name); }), 21) << name;
    EXPECT_EQ(Code(d, [&] { d.ObjectEnd(""); }), 11); // no object open

    d.ItemStr("Ab" + std::string(28, '_'), "x");
    d.Object("A_1");
    d.Object(std::string(30, 'z'));
    d.ObjectEnd(std::string(30, 'z'));
    d.Object("");
    d.ObjectEnd("");
    d.Object("A");
    try {
        d.ObjectEnd("B");
        ADD_FAILURE();
    } catch (const SdbaseFehler& f) {
        EXPECT_EQ(f.Nummer, -2147221493);
        EXPECT_EQ(f.Quelle, "SDF.ObjectEnd");
        EXPECT_EQ(f.Beschreibung, "Diese Funktion kann an dieser Stelle nicht aufgerufen werden.");
    }
    EXPECT_EQ(Code(d, [&] { d.ObjectEnd("1"); }), 21);
    EXPECT_EQ(Code(d, [&] { d.HeadEnd(); }, &quelle), 11); // "A" and "A_1" are open
    EXPECT_EQ(quelle, "SDF.HeadEnd");
    d.ObjectEnd("");
    d.ObjectEnd("A_1");
    d.HeadEnd();
    d.BodyBegin();
    // No more than 15 objects open at once: a deeper document could not be read.
    for (int i = 0; i < 15; ++i) d.Object("T");
    EXPECT_EQ(Code(d, [&] { d.Object("T"); }), 11);
    for (int i = 0; i < 15; ++i) d.ObjectEnd("T");
    EXPECT_EQ(Code(d, [&] { d.DocumentEnd(); }), 11);
    d.BodyEnd();
    EXPECT_EQ(Code(d, [&] { d.ObjectEnd(""); }), 11);
    d.DocumentEnd();
    d.Complete(false);
    std::string t = d.SDFString();
    std::string z(30, 'z'), tief;
    for (int i = 0; i < 15; ++i) tief = "{T}" + tief + "{~T}";
    EXPECT_EQ(t, "{SDF}{HEAD}|Ab" + std::string(28, '_') + "=x{A_1}{" + z + "}{~" + z +
                     "}{}{~}{A}{~A}{~A_1}{~HEAD}{BODY}" + tief + "{~BODY}{~SDF}");
    EXPECT_EQ(Prüfen(t), 0);
}

TEST(Sdbase, VerschlüsselungNachBeispiel) {
    Sdbase w;
    w.DocumentBegin();
    w.HeadBegin();
    w.HeadEnd();
    w.BodyBegin();
    w.BodyEnd();
    w.DocumentEnd();
    w.Complete(true);
    const std::string verschlüsselt = "{SDf}#VY]Z!# VY]Z!#\\OZE!# \\OZE!# KZX!";
    EXPECT_EQ(w.SDFString(), verschlüsselt);
    w.Complete(true); // twice: the text comes back, the mark stays
    EXPECT_EQ(w.SDFString(), "{SDf}{HEAD}{~HEAD}{BODY}{~BODY}{~SDF}");

    Sdbase r;
    r.SDFString(verschlüsselt);
    ASSERT_EQ(r.ReadBegin(), 0);
    EXPECT_EQ(r.SDFString(), Leer);

    // abc becomes =<; and "~" a blank, a blank "~".
    std::string t = Schreiben([](Sdbase& d) { d.ItemStr("a", "abc ~"); }, true);
    EXPECT_NE(t.find("\"==<;~ gY# \\OZE!"), std::string::npos) << t;
    Sdbase r2;
    r2.SDFString(t);
    ASSERT_EQ(r2.ReadBegin(), 0);
    EXPECT_EQ(Tokens(r2)[3], "3:a=abc ~");
}

TEST(Sdbase, KlarUndVerschlüsseltGleicherInhalt) {
    auto rumpf = [](Sdbase& d) {
        d.Object("P");
        d.ItemStr("b", "Neubau {Haus} | Garage ~ 100%");
        d.ItemNum("a", 2);
        d.ItemStr("H_N", "NNE");
        d.Object("Bh");
        d.ItemStr("a", "Müller & Söhne AG");
        d.ObjectEnd("Bh");
        d.ObjectEnd("P");
        d.Object("Z");
        d.ItemNum("g", 20.5);
        d.Object("E");
        d.Object("Z");
        d.ItemStr("b", "EG");
        d.ItemNum("f", 150.25);
        d.ObjectEnd("Z");
        d.ObjectEnd("E");
        d.ObjectEnd("Z");
    };
    std::string klar = Schreiben(rumpf, false), verschlüsselt = Schreiben(rumpf, true);
    EXPECT_EQ(verschlüsselt.substr(0, 5), "{SDf}");
    EXPECT_EQ(verschlüsselt.substr(verschlüsselt.size() - 6), "# KZX!");
    EXPECT_NE(klar, verschlüsselt);
    Sdbase a, b;
    a.SDFString(klar);
    b.SDFString(verschlüsselt);
    ASSERT_EQ(a.ReadBegin(), 0);
    ASSERT_EQ(b.ReadBegin(), 0);
    EXPECT_EQ(b.SDFString(), klar);
    auto ta = Tokens(a);
    EXPECT_EQ(ta, Tokens(b));
    EXPECT_EQ(ta, (std::vector<std::string>{"3:l=de", "3:p=Bürohaus {Nord}", "0", "1:P",
                                            "3:b=Neubau {Haus} | Garage ~ 100%", "3:a=2", "3:H_N=NNE", "1:Bh",
                                            "3:a=Müller & Söhne AG", "2:Bh", "2:P", "1:Z", "3:g=20.5", "1:E", "1:Z",
                                            "3:b=EG", "3:f=150.25", "2:Z", "2:E", "2:Z", "0"}));
}

TEST(Sdbase, ZonenbeispielInBeidenRichtungen) {
    const std::string zone = "{Z}|a1|bWohnen|cZ|g20|m0.7|q0.1|z1{E}{Z}|bEG|f150{~Z}{~E}{A}{~A}{U}{~U}{F}{~F}{L}{~L}{G}{~G}{~Z}";
    Sdbase w;
    w.DocumentBegin();
    w.HeadBegin();
    w.HeadEnd();
    w.BodyBegin();
    w.Object("Z");
    w.ItemNum("a", 1);
    w.ItemStr("b", "Wohnen");
    w.ItemStr("c", "Z");
    w.ItemNum("g", 20);
    w.ItemStr("Gb", "");
    w.ItemNum("h", 0);
    w.ItemNum("m", 0.7);
    w.ItemNum("q", 0.1);
    w.ItemNum("z", 1);
    w.Object("E");
    w.Object("Z");
    w.ItemStr("b", "EG");
    w.ItemNum("f", 150);
    w.ItemNum("h", 0);
    w.ItemNum("a", 0);
    w.ObjectEnd("Z");
    w.ObjectEnd("E");
    for (const char* t : {"A", "U", "F", "L", "G"}) {
        w.Object(t);
        w.ObjectEnd(t);
    }
    w.ObjectEnd("Z");
    w.BodyEnd();
    w.DocumentEnd();
    w.Complete(false);
    EXPECT_EQ(w.SDFString(), Dok("", zone));

    Sdbase r;
    r.SDFString(Dok("", zone));
    ASSERT_EQ(r.ReadBegin(), 0);
    EXPECT_EQ(Tokens(r), (std::vector<std::string>{
                             "0", "1:Z", "3:a=1", "3:b=Wohnen", "3:c=Z", "3:g=20", "3:m=0.7", "3:q=0.1", "3:z=1",
                             "1:E", "1:Z", "3:b=EG", "3:f=150", "2:Z", "2:E", "1:A", "2:A", "1:U", "2:U", "1:F",
                             "2:F", "1:L", "2:L", "1:G", "2:G", "2:Z", "0"}));
}

TEST(Sdbase, PrüfungMeldetDenErstenFehler) {
    std::string tief15, tief16;
    for (int i = 0; i < 15; ++i) tief15 = "{O}" + tief15 + "{~O}";
    tief16 = "{O}" + tief15 + "{~O}";
    const std::string lang30(30, 'n'), lang31(31, 'n');
    const std::vector<std::pair<std::string, std::int32_t>> fälle = {
        {Leer, 0},
        {Dok("", tief15), 0},
        {Dok("", "{}{~}|ab=1|Lang_Name=x=y"), 0},
        {Dok("", "{A" + lang30.substr(1) + "}{~A" + lang30.substr(1) + "}"), 0},
        {Dok("|" + std::string("A") + lang30.substr(1) + "=1", ""), 0},
        {"{SDF}{HEAD}{~HEAD}{BODY}{X}|a12{~SDF}", 0},      // an object left open
        {"{SDF}{HEAD}|a1234567890123456789{~SDF}", 0},     // the head left open
        {Leer.substr(0, 36), 1},
        {Leer + "\r\n", 1},
        {Leer.substr(0, 11) + "\n" + Leer.substr(11), 1},
        {Dok("", "|b\x80"), 1},
        {Dok("", "|b\x01"), 1},
        {Dok("", std::string("|b\0", 3)), 1},
        {Dok("", "{HEAD}"), 1},
        {Dok("", "{BODY}"), 1},
        {"{SDF}{HEAD}|a1234567{BODY}{~BODY}{~SDF}", 1},
        {Dok("", tief16), 2},
        {"{SDF}|a1{HEAD}{~HEAD}{BODY}{~BODY}{~SDF}", 4},
        {"{SDF}{HEAD}{~HEAD}{X}{~X}{BODY}{~BODY}{~SDF}", 4},
        {"{SDF}{HEAD}{~HEAD}|Ab=1{BODY}{~BODY}{~SDF}", 4},
        {"{SDF}{HEAD}{~HEAD}{BODY}{~BODY}|a123{~SDF}", 4},
        {Dok("", "{A" + lang31.substr(1) + "}"), 5},
        {"{SDX}" + Leer.substr(5), 6},
        {Dok("", "{1A}"), 6},
        {Dok("", "{A-b}"), 6},
        {Dok("", "{~A}{A}"), 21},
        {Dok("", "|Ab-=1"), 6},
        {Dok("", "{Script}"), 7},
        {Dok("", "{sdf}"), 7},
        {Dok("", "|A" + lang30 + "=1"), 7},
        {Dok("", "|1A=5"), 8},
        {Dok("", "|A=5"), 8},
        {Dok("", "|_x=5"), 8},
        {Dok("", "{~HEAD}"), 11},
        {Dok("{X}", ""), 12},
        {"{SDF}{HEAD}{~BODY}{~HEAD}{BODY}{~BODY}{~SDF}", 13},
        {Dok("", "{X}"), 14},
        {Dok("", "|b~7c"), 17},
        {Dok("", "|b~7"), 17},
        {Dok("", "|b~"), 17},
        {Dok("", "|Ab=x~G1"), 17},
        {Dok("", "|b~00"), 18},
        {Dok("", "x"), 21},
        {Dok("", " "), 21},
        {Dok("", "{~X}"), 21},
        {Dok("", "{A}{~B}"), 22},
        {Dok("", "{A}{~a}"), 22},
        {Dok("", "|Ab"), 999},
        {Dok("", "|Ab{A}=1{~A}"), 999},
        {Dok("", "|=5"), 999},
    };
    for (const auto& [text, code] : fälle) EXPECT_EQ(Prüfen(text), code) << text;

    // The start mark in any letter case; the fourth character alone decides
    // whether the text is scrambled.
    EXPECT_EQ(Prüfen("{sDF}" + Leer.substr(5)), 0);
    EXPECT_EQ(Prüfen("{sdF}" + Leer.substr(5)), 0);
    std::string verschlüsselt = "{SDf}#VY]Z!# VY]Z!#\\OZE!# \\OZE!# KZX!";
    EXPECT_EQ(Prüfen(verschlüsselt), 0);
    EXPECT_EQ(Prüfen("{sdf}" + verschlüsselt.substr(5)), 0);
    EXPECT_EQ(Prüfen("{Sdf}" + verschlüsselt.substr(5)), 0);
    EXPECT_EQ(Prüfen("{SDf}" + Leer.substr(5)), 1); // plain text read as scrambled
    EXPECT_EQ(Prüfen("{SDF}" + verschlüsselt.substr(5)), 1);
    EXPECT_EQ(Prüfen("{SDF}" + std::string(32, '\x01')), 1);
    EXPECT_EQ(Prüfen("\x80SDF}" + Leer.substr(5)), 6);
}

TEST(Sdbase, OffeneAbschnitteEndenOhneToken) {
    // The closing mark is no token of a section: an open object ends with -1.
    Sdbase r;
    r.SDFString("{SDF}{HEAD}{~HEAD}{BODY}{X}|a12{~SDF}");
    ASSERT_EQ(r.ReadBegin(), 0);
    EXPECT_EQ(Tokens(r), (std::vector<std::string>{"0", "1:X", "3:a=12", "-1"}));
    std::string n, w;
    EXPECT_EQ(r.NextItem(n, w), -1);

    Sdbase k;
    k.SDFString("{SDF}{HEAD}{D}|i1234567890123456{~SDF}");
    ASSERT_EQ(k.ReadBegin(), 0);
    EXPECT_EQ(Tokens(k), (std::vector<std::string>{"1:D", "3:i=1234567890123456", "-1"}));
    EXPECT_EQ(k.LastError(), 14); // the body was not reached

    // Reading calls on an object that was never checked find nothing.
    Sdbase w2;
    w2.DocumentBegin();
    EXPECT_EQ(w2.ReadHeader(), 0);
    EXPECT_EQ(w2.NextItem(n, w), -1);
}

TEST(Sdbase, DokumentInZeilen) {
    // Scrambled: 76 characters a line, never ending in a blank (here the
    // 76th character is the scrambled "~" of an escape).
    std::string verschlüsselt = [] {
        Sdbase d;
        d.DocumentBegin();
        d.HeadBegin();
        d.ItemStr("l", "de");
        d.ItemStr("t", "EA");
        d.ItemStr("d", "20240131");
        d.HeadEnd();
        d.BodyBegin();
        d.Object("P");
        d.ItemStr("b", "Ein Haus am See, 1. Etappe");
        d.ItemStr("b", "{x}");
        d.ItemStr("Lang_Name", "Wert mit = Zeichen");
        d.ObjectEnd("P");
        d.BodyEnd();
        d.DocumentEnd();
        d.Complete(true);
        return d;
    }().FileString();
    const std::string zeilen =
        "{SDf}#VY]Z!\"2:9\"*Y]\":lnljnmkm# VY]Z!#\\OZE!#N!\"<Y50~V=)+~=1~K99r~mp~Y*=..9\"<\r\n"
        " g\\& gZ\"R=07?P=19aG9,*~15*~a~D95;690# N!# \\OZE!# KZX!\r\n";
    EXPECT_EQ(verschlüsselt, zeilen);

    // Plain: after an object's end, else after a "}" or before a "|".
    Sdbase k;
    k.SDFString("{SDF}{HEAD}|lde|tEA{~HEAD}{BODY}{P}|bErste Zeile|bZweite Zeile|bDritte Zeile|bVierte Zeile"
                "|bF~FCnfte{~P}{~BODY}{~SDF}");
    EXPECT_EQ(k.FileString(), "{SDF}{HEAD}|lde|tEA{~HEAD}\r\n"
                              "{BODY}{P}|bErste Zeile|bZweite Zeile|bDritte Zeile|bVierte Zeile\r\n"
                              "|bF~FCnfte{~P}\r\n{~BODY}\r\n{~SDF}\r\n");

    // Lines joined again: a token broken across lines, blanks at line ends.
    Sdbase z;
    z.FileString("{SDF}{HEA   \r\nD}|bx  \r\n{~HEAD}{BODY}{~BODY}{~SDF}\r\n");
    EXPECT_EQ(z.SDFString(), "{SDF}{HEAD}|bx{~HEAD}{BODY}{~BODY}{~SDF}");
    Sdbase v;
    v.FileString(zeilen);
    ASSERT_EQ(v.ReadBegin(), 0);
    EXPECT_EQ(Tokens(v)[5], "3:b=Ein Haus am See, 1. Etappe");

    // A plain document keeps the blanks of its values through its lines.
    std::string mitLeerzeichen = Schreiben([](Sdbase& d) {
        d.ItemStr("a", std::string(60, 'x') + " ");
        d.ItemStr("b", std::string(100, ' ') + "y");
        d.ItemStr("c", " ");
        d.ItemStr("Dd", std::string(80, 'z') + "  ");
        d.ItemNum("e", 1);
    });
    Sdbase p;
    p.SDFString(mitLeerzeichen);
    std::string inZeilen = p.FileString();
    EXPECT_EQ(inZeilen.find(" \r\n"), std::string::npos);
    Sdbase q;
    q.FileString(inZeilen);
    EXPECT_EQ(q.SDFString(), mitLeerzeichen);
}

TEST(Sdbase, DokumentDateien) {
    fs::path ordner = Testhilfe::Temppfad("zirvo_test_sdbase");
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    std::string pfad = (ordner / "a.sdf").string();

    Sdbase w;
    w.DocumentBegin();
    w.HeadBegin();
    w.ItemStr("p", "Überbauung \"Sonnenhof\", Etappe 2 – Nord");
    w.HeadEnd();
    w.BodyBegin();
    for (int i = 1; i <= 40; ++i) {
        w.Object("Z");
        w.ItemNum("n", i * 1.25);
        w.ItemStr("Bez", "Raum " + std::to_string(i) + " {ost}");
        w.ObjectEnd("Z");
    }
    w.BodyEnd();
    w.DocumentEnd();
    w.Complete(true);
    w.FileSave(pfad);
    std::ifstream ein(pfad, std::ios::binary);
    std::string datei((std::istreambuf_iterator<char>(ein)), {});
    EXPECT_EQ(datei, w.FileString());
    EXPECT_EQ(datei.substr(datei.size() - 2), "\r\n");

    Sdbase r;
    EXPECT_EQ(r.FileRead(pfad), 0);
    EXPECT_EQ(r.SDFString(), w.SDFString());
    ASSERT_EQ(r.ReadBegin(), 0);
    auto t = Tokens(r);
    EXPECT_EQ(t[0], "3:p=Überbauung \"Sonnenhof\", Etappe 2 – Nord");
    EXPECT_EQ(t.size(), 3u + 40u * 4u);
    EXPECT_EQ(t[2 + 39 * 4 + 2], "3:Bez=Raum 40 {ost}");

    // Lines end with CR LF or CR alone; a line feed alone stays in the text.
    {
        std::ofstream aus(pfad, std::ios::binary);
        aus << "{SDF}{HEAD}\r{~HEAD}{BODY}  \r\n{~BODY}{~SDF}";
    }
    Sdbase cr;
    EXPECT_EQ(cr.FileRead(pfad), 0);
    EXPECT_EQ(cr.ReadBegin(), 0);
    {
        std::ofstream aus(pfad, std::ios::binary);
        aus << "{SDF}{HEAD}\n{~HEAD}{BODY}{~BODY}{~SDF}";
    }
    Sdbase lf;
    EXPECT_EQ(lf.FileRead(pfad), 0);
    EXPECT_EQ(lf.ReadBegin(), 1);

    Sdbase fehlt;
    EXPECT_EQ(fehlt.FileRead((ordner / "fehlt.sdf").string()), 1);
    EXPECT_EQ(fehlt.LastError(), 1);
    EXPECT_EQ(fehlt.FileRead(ordner.string()), 1);

    // A failed write raises and leaves the old file alone.
    std::string quelle;
    EXPECT_EQ(Code(w, [&] { w.FileSave((ordner / "nicht" / "da.sdf").string()); }, &quelle), 75);
    EXPECT_EQ(quelle, "SDF.FileSave");
    EXPECT_EQ(Code(w, [&] { w.FileSave(ordner.string()); }), 75);
    fs::remove_all(ordner);
}

TEST(Sdbase, FeindlicheDokumenteBleibenBegrenzt) {
    auto start = Testhilfe::Rechenzeit();
    const std::size_t million = 1000000;
    std::string tags;
    for (std::size_t i = 0; i < million; ++i) tags += "{A}";
    EXPECT_EQ(Prüfen(Dok("", tags)), 2);
    EXPECT_EQ(Prüfen(Dok("", std::string(million, '{'))), 5);
    EXPECT_EQ(Prüfen(Dok("", std::string(million, '|'))), 999);
    EXPECT_EQ(Prüfen(Dok("", "|b" + std::string(million, '~'))), 17);
    EXPECT_EQ(Prüfen(Dok("", std::string(million, '}'))), 21);
    EXPECT_EQ(Prüfen(Dok("", std::string(million, '\xFF'))), 1);
    std::string viele;
    for (std::size_t i = 0; i < million / 10; ++i) viele += "{A}|b~7B{~A}";
    Sdbase v;
    v.SDFString(Dok("", viele));
    ASSERT_EQ(v.ReadBegin(), 0);
    EXPECT_EQ(Tokens(v).size(), 2 + 3 * million / 10);

    // Longer than the limit: refused unread, as text and as file.
    std::string zuLang = Dok("", "|b" + std::string(Sdbase::MaxLänge, 'x'));
    EXPECT_EQ(Prüfen(zuLang), Sdbase::FehlerZuLang);
    EXPECT_EQ(Prüfen(Dok("", "|b" + std::string(Sdbase::MaxLänge - 39, 'x'))), 0);
    fs::path datei = Testhilfe::Temppfad("zirvo_test_sdbase_gross", ".sdf");
    {
        std::ofstream aus(datei, std::ios::binary);
        aus << Leer;
    }
    fs::resize_file(datei, 100u * 1024u * 1024u); // a 100 MB file, sparse
    Sdbase g;
    EXPECT_EQ(g.FileRead(datei.string()), Sdbase::FehlerZuLang);
    EXPECT_EQ(g.LastError(), Sdbase::FehlerZuLang);
    fs::remove(datei);
    // Quadratic time on these would take hours; the figures are
    // SdbaseFeindlich of zirvo_bench.
    EXPECT_LT(Testhilfe::Rechenzeit() - start, Testhilfe::Hängegrenze);
}

// Damaged documents: thousands of random changes to a valid document, each
// either read to its end or refused with a numbered error.
#include "project/Sdbase.h"
#include "tests/support/Haengegrenze.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

std::string Vorlage(bool verschlüsseln) {
    Sdbase d;
    d.DocumentBegin();
    d.HeadBegin();
    d.ItemStr("l", "de");
    d.ItemStr("d", "20240131");
    d.Object("D");
    d.ItemStr("i", "Mehrfamilienhaus {Süd}");
    d.ObjectEnd("D");
    d.HeadEnd();
    d.BodyBegin();
    d.Object("P");
    d.ItemStr("b", "Zeile | eins ~ 100%");
    d.ItemNum("Hl_e", 0.75);
    d.Object("Bh");
    d.ItemStr("a", "Müller AG");
    d.ObjectEnd("Bh");
    d.ObjectEnd("P");
    for (int z = 0; z < 2; ++z) {
        d.Object("Z");
        d.ItemNum("a", 1 + z);
        d.ItemStr("b", z ? "Büro" : "Wohnen");
        d.ItemNum("g", 20.5);
        d.Object("E");
        for (int r = 0; r < 3; ++r) {
            d.Object("Z");
            d.ItemStr("b", "EG\tNord");
            d.ItemNum("f", 150.25 * (r + 1));
            d.ObjectEnd("Z");
        }
        d.ObjectEnd("E");
        d.Object("L");
        d.ObjectEnd("L");
        d.ObjectEnd("Z");
    }
    d.BodyEnd();
    d.DocumentEnd();
    d.Complete(verschlüsseln);
    return d.SDFString();
}

} // namespace

TEST(SdbaseZufall, VeränderteDokumenteWerdenGelesenOderAbgewiesen) {
    const std::set<std::int32_t> codes = {1, 2, 4, 5, 6, 7, 8, 11, 12, 13, 14, 17, 18, 21, 22, 999};
    const std::string vorlagen[2] = {Vorlage(false), Vorlage(true)};
    std::mt19937 zufall(380001);
    auto bis = [&](std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(zufall() % n); };
    const std::string tokenzeichen = "{}|~=HEADBODYSDF~0A";

    int gelesen = 0, abgewiesen = 0;
    std::set<std::int32_t> gesehen;
    auto start = Testhilfe::Rechenzeit();
    for (int runde = 0; runde < 20000; ++runde) {
        std::string t = vorlagen[runde % 2];
        const bool verschlüsselt = runde % 2 == 1;
        int änderungen = 1 + static_cast<int>(bis(3));
        for (int k = 0; k < änderungen; ++k) {
            std::size_t p = bis(t.size());
            switch (bis(6)) {
            case 0: // one byte changed, to anything
                if (!t.empty()) t[p] = static_cast<char>(bis(256));
                break;
            case 1: // one bit flipped
                if (!t.empty()) t[p] = static_cast<char>(t[p] ^ (1 << bis(8)));
                break;
            case 2: // a piece cut out, or the end cut off
                if (bis(4) == 0) t.resize(p);
                else t.erase(p, 1 + bis(20));
                break;
            case 3: { // bytes inserted: random or from the token characters
                std::string neu;
                for (std::size_t n = 1 + bis(6); n > 0; --n) {
                    char c = bis(2) ? tokenzeichen[bis(tokenzeichen.size())] : static_cast<char>(bis(256));
                    // in a scrambled text, token characters go in scrambled
                    if (verschlüsselt && p >= 5) c = static_cast<char>(158 - static_cast<unsigned char>(c));
                    neu += c;
                }
                t.insert(p, neu);
                break;
            }
            default: { // a piece duplicated elsewhere (also deeper nesting)
                std::size_t länge = 1 + bis(60);
                std::string stück = t.substr(p, länge);
                for (std::size_t n = 1 + bis(3); n > 0; --n) t.insert(bis(t.size() + 1), stück);
                break;
            }
            }
        }

        Sdbase d;
        d.SDFString(t);
        std::int32_t code = d.ReadBegin();
        gesehen.insert(code);
        if (code != 0) {
            ++abgewiesen;
            ASSERT_TRUE(codes.count(code)) << "Code " << code << " für " << t;
            ASSERT_EQ(d.LastError(), code);
            continue;
        }
        ++gelesen;
        // Read to the end: every token moves on, object ends match their starts.
        std::string name, wert;
        std::size_t schritte = 0;
        for (int abschnitt = 0; abschnitt < 2; ++abschnitt) {
            if ((abschnitt == 0 ? d.ReadHeader() : d.ReadBody()) != 0) break;
            int tiefe = 0;
            while (true) {
                ASSERT_LT(++schritte, t.size()) << t;
                int art = d.NextItem(name, wert);
                if (art == 1) {
                    ASSERT_LE(++tiefe, Sdbase::MaxTiefe) << t;
                } else if (art == 2) {
                    ASSERT_GE(--tiefe, 0) << t;
                } else if (art == 0) {
                    ASSERT_EQ(tiefe, 0) << t;
                }
                if (art == 0 || art == -1) break;
                ASSERT_TRUE(art == 1 || art == 2 || art == 3) << art;
            }
        }
    }
    auto dauer = Testhilfe::Rechenzeit() - start;
    // Both outcomes occur often, and many different errors are met.
    EXPECT_GT(gelesen, 1000);
    EXPECT_GT(abgewiesen, 10000);
    EXPECT_GE(gesehen.size(), 10u);
    // A reader that hangs; the figure is SdbaseBeschaedigtLesen of zirvo_bench.
    EXPECT_LT(dauer, Testhilfe::Hängegrenze);
}

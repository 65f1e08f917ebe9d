// The help texts: their numbers in the user's form (the help sources write
// "." and the help shows the decimal separator the program shows), and the
// menu entries they name.
#include "frame/Dateien.h"
#include "frame/Hilfeseiten.h"
#include "frame/cVB6_NumCvt.h"
#include "mainwindow/Hilfethemen.h"
#include "mainwindow/frmZIRVO3801.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

TEST(Hilfeseiten, ZahlenMitDemTrennzeichenDesBenutzers) {
    struct Fall {
        const char* quelle;
        const char* komma; // as shown with ","
    };
    const Fall fälle[] = {
        {"Vorgabe 0.75", "Vorgabe 0,75"},
        {"g &middot; 0.9 &middot; A", "g &middot; 0,9 &middot; A"},
        {"der 1.5-fache Grenzwert, um 22.5° gedreht", "der 1,5-fache Grenzwert, um 22,5° gedreht"},
        {"<i>Süd {4.5*2.6-1.2}</i>", "<i>Süd {4,5*2,6-1,2}</i>"},
        // Angle lists and whole numbers stay; so do dotted rows, a point
        // that ends a sentence and one without a digit on either side.
        {"30,20 wird 30,20,20", "30,20 wird 30,20,20"},
        {"SIA 380/1:2016, Ziffer 3.5.2 und 1.2.3.4", "SIA 380/1:2016, Ziffer 3.5.2 und 1.2.3.4"},
        {"bis 89. Dann .5 und 5. oder z.&nbsp;B. 1.", "bis 89. Dann .5 und 5. oder z.&nbsp;B. 1."},
        // Not in tags, styles, scripts or comments.
        {"<p style=\"margin:0.5em\">0.5</p>", "<p style=\"margin:0.5em\">0,5</p>"},
        {"<style>.v { width: 1.5em; }</style>2.5", "<style>.v { width: 1.5em; }</style>2,5"},
        {"<STYLE>p{a:1.5}</STYLE><script>x=2.5</script><!-- 3.5 -->4.5",
         "<STYLE>p{a:1.5}</STYLE><script>x=2.5</script><!-- 3.5 -->4,5"},
        {"<td align=\"right\">0.17</td><td>0.1</td>", "<td align=\"right\">0,17</td><td>0,1</td>"},
        {"", ""},
        {"1.", "1."},
        {"<a href=\"x1.5.html\">", "<a href=\"x1.5.html\">"},
        {"<unvollständig 1.5", "<unvollständig 1.5"},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.quelle);
        EXPECT_EQ(Hilfeseiten::ZahlenAnzeigen(f.quelle, ","), f.komma);
        EXPECT_EQ(Hilfeseiten::ZahlenAnzeigen(f.quelle, "."), f.quelle);
        // Any other separator keeps the point, as the program's numbers do.
        EXPECT_EQ(Hilfeseiten::ZahlenAnzeigen(f.quelle, ";"), f.quelle);
    }

    // Without a separator given: the user's.
    const cVB6_NumCvt vorher = cVB6_NumCvt::Instanz();
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", ",", "'", ".", "'"));
    EXPECT_EQ(Hilfeseiten::ZahlenAnzeigen("ff 0.75"), "ff 0,75");
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "en-US", ".", ",", ".", ","));
    EXPECT_EQ(Hilfeseiten::ZahlenAnzeigen("ff 0.75"), "ff 0.75");
    cVB6_NumCvt::InstanzSetzen(vorher);
}

// Every menu path that a help page or topic names ("Zone &gt; Lüftung") is
// an entry of that menu of the main window as its caption reads (without
// "&" and a closing "..."), so the help never sends the user to a command
// that is not there.
TEST(Hilfeseiten, GenannteMenüeinträgeGibtEs) {
    Testhilfe::Zonenprojekt z;
    z.F.Form_Load();
    const auto ohneZeichen = [](std::string t) {
        std::erase(t, '&');
        if (t.ends_with("...")) t.resize(t.size() - 3);
        return t;
    };
    std::map<std::string, std::vector<std::string>> menüs;
    for (const frmZIRVO3801::Menü& m : z.F.Menüleiste())
        for (const Menüeintrag* e : m.Einträge)
            if (e->Caption() != "-" && !e->Caption().empty())
                menüs[ohneZeichen(m.Kopf->Caption())].push_back(ohneZeichen(e->Caption()));

    std::vector<std::pair<std::string, std::string>> texte = Hilfethemen::Themen();
    for (const char* ordner : {"themen", "seiten"})
        for (const auto& d : std::filesystem::directory_iterator(std::filesystem::path(ZIRVO_TESTDATEN) / ".." /
                                                                 "help" / ordner)) {
            const auto text = Dateien::Lesen(d.path().string());
            ASSERT_TRUE(text) << d.path();
            texte.emplace_back(d.path().filename().string(), *text);
        }

    // An entry ends where its caption ends: no letter (nor a byte of one) follows.
    const auto endet = [](const std::string& t, std::size_t p) {
        return p >= t.size() || !(std::isalnum(static_cast<unsigned char>(t[p])) || (t[p] & 0x80));
    };
    const std::string pfeil = " &gt; ";
    int pfade = 0;
    for (const auto& [name, text] : texte)
        for (auto p = text.find(pfeil); p != std::string::npos; p = text.find(pfeil, p + 1)) {
            auto a = p;
            while (a > 0 && std::string_view(" >(\n").find(text[a - 1]) == std::string_view::npos) --a;
            const auto menü = menüs.find(text.substr(a, p - a));
            if (menü == menüs.end()) continue;
            const std::string rest = text.substr(p + pfeil.size());
            const bool gibtEs = std::any_of(menü->second.begin(), menü->second.end(), [&](const std::string& e) {
                return rest.starts_with(e) && endet(rest, e.size());
            });
            EXPECT_TRUE(gibtEs) << name << ": " << menü->first << " > " << rest.substr(0, 40);
            ++pfade;
        }
    EXPECT_GT(pfade, 20);
}

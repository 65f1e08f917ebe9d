// The numbers of the help in the user's form: the help sources write "."
// and the help shows the decimal separator the program shows.
#include "frame/Hilfeseiten.h"
#include "frame/cVB6_NumCvt.h"

#include <gtest/gtest.h>

#include <string>

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

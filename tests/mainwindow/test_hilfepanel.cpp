// The help panel: the info package's records, the link marks and their
// index, and what a caret in the panel does.
#include "frame/Dateien.h"
#include "frame/Windows1252.h"
#include "mainwindow/Infopaket.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The main window with a package of its own and a program folder of its own.
struct Panel {
    Testhilfe::Zonenprojekt z;
    Testhilfe::SkriptUmgebung desktop;
    // One folder per test process: the tests run side by side.
    fs::path ordner = fs::temp_directory_path() / ("zirvo_hilfepanel_" + std::to_string(::getpid()));
    std::optional<Plattform::DiensteSetzen> gesetzt;
    frmZIRVO3801& F = z.F;

    Panel() {
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        desktop.Programm = ordner.string();
        Plattform::Dienste d;
        d.umgebung = &desktop;
        gesetzt.emplace(d);
        F.InfoThema.clear();
        F.InfoPaket.clear();
    }
    ~Panel() {
        F.InfoThema.clear();
        F.InfoPaket.clear();
        F.InfoVerweise.clear();
        fs::remove_all(ordner);
    }
    void Paket(const std::vector<std::pair<std::string, std::string>>& themen) {
        F.InfoPaket = *Infopaket::Bauen(themen);
    }
    // A click at the caret position.
    void Klick(std::int32_t pos) {
        F.rtbInfo.setSelStart(pos);
        F.rtbInfo_SelChange();
    }
};

std::string NichtGefunden(const std::string& thema) {
    return "Info:  " + thema + "\n\nInfo nicht gefunden.";
}

} // namespace

// The records of a package, and packages damaged where the search passes:
// nothing found there, never a read beyond the end (a negative length would
// otherwise send the search backwards for ever).
TEST(Hilfepanel, ThemenImPaket) {
    const std::string paket = "A|5\nabcdeB|3\nxyz";
    struct Fall {
        std::string Paket, Thema;
        std::optional<std::string> Text;
    } fälle[] = {
        {paket, "B", "xyz"},
        {paket, "A", "abcde"},
        {paket, "b", std::nullopt},                // names compare exactly
        {paket, "C", std::nullopt},                // runs past the last record
        {"A|0\nB|2\r\nxy", "B", "xy"},             // a CR before the line feed does no harm
        {"A|5", "A", std::nullopt},                // no line feed
        {"A5\nabcde", "A", std::nullopt},          // no "|"
        {"A|9\nabcde", "A", std::nullopt},         // the length reaches beyond the end
        {"A|-4\nabcdeB|3\nxyz", "B", std::nullopt}, // a negative length
        {"A|2.5\nabcB|1\nx", "B", std::nullopt},   // no whole number
        {"", "A", std::nullopt},
    };
    for (const Fall& f : fälle) EXPECT_EQ(Infopaket::Thema(f.Paket, f.Thema), f.Text) << f.Paket << " / " << f.Thema;

    // Built from UTF-8: one byte per character of the code page, the others
    // as character references; lengths count the package's bytes.
    const auto gebaut = Infopaket::Bauen({{"Wärme", "ü¬χ"}, {"B", "x"}});
    ASSERT_TRUE(gebaut);
    EXPECT_EQ(*gebaut, Windows1252::AusUtf8("Wärme|8\nü¬&#967;B|1\nx"));
    EXPECT_EQ(Infopaket::Thema(*gebaut, Windows1252::AusUtf8("Wärme")), Windows1252::AusUtf8("ü¬&#967;"));
    std::string grund;
    EXPECT_FALSE(Infopaket::Bauen({{"A|B", "x"}}, &grund));
    EXPECT_FALSE(Infopaket::Bauen({{"", "x"}}));
    EXPECT_FALSE(Infopaket::Bauen({{"χ", "x"}}));
}

// The link marks of the shown text: the link text stays, marks and topic
// name go, from the rich text as well; the search goes on one character
// after a link text, so a second link needs a character between the two.
TEST(Hilfepanel, VerweiseIndizieren) {
    struct Fall {
        std::string Text;
        std::string Gezeigt;
        std::vector<std::tuple<int, int, std::string>> Verweise;
    } fälle[] = {
        {"See ¬Walls¬A¬ here", "See Walls here", {{4, 9, "A"}}},
        {"¬a¬X¬ ¬bc¬Yz¬!", "a bc!", {{0, 1, "X"}, {2, 4, "Yz"}}},
        {"¬a¬X¬¬b¬Y¬", "a¬b¬Y¬", {{0, 1, "X"}}},  // no character between: the second is not a link
        {"x ¬y¬ z", "x ¬y¬ z", {}},                  // fewer than three marks stay
        {"¬Wärme¬Wä¬ ¬", "Wärme ¬", {{0, 5, "Wä"}}},
        {"ohne", "ohne", {}},
    };
    for (const Fall& f : fälle) {
        const auto a = Infopaket::VerweiseIndizieren(f.Text, f.Text);
        EXPECT_EQ(a.Text, f.Gezeigt) << f.Text;
        EXPECT_EQ(a.RichText, f.Gezeigt) << f.Text;
        std::vector<std::tuple<int, int, std::string>> v;
        for (const auto& x : a.Verweise) v.emplace_back(x.Anfang, x.Ende, x.Thema);
        EXPECT_EQ(v, f.Verweise) << f.Text;
    }
    // Rich text: the same characters go from the source; tags stay. Marks
    // written as character references count as marks.
    const std::string rich = Infopaket::MarkenNormalisieren("<b>See</b> <u>&not;<i>Walls</i>&#172;A&#xAC;</u> x");
    const auto a = Infopaket::VerweiseIndizieren(rich, "See ¬Walls¬A¬ x");
    EXPECT_EQ(a.RichText, "<b>See</b> <u><i>Walls</i></u> x");
    ASSERT_EQ(a.Verweise.size(), 1u);
    EXPECT_EQ(a.Verweise[0].Thema, "A");
    // Marks the box does not show (in an attribute): the box shows plain text.
    const auto b = Infopaket::VerweiseIndizieren("<a title=\"¬\">¬x¬Y¬</a>", "x");
    EXPECT_EQ(b.RichText, "");
    EXPECT_EQ(b.Text, "x");
}

// The panel: topics from the package, the not-found text, a topic shown is
// not read again, and a caret inside a link (its ends included) opens it.
TEST(Hilfepanel, ThemaZeigenUndVerweisOeffnen) {
    Panel p;
    frmZIRVO3801& F = p.F;
    p.Paket({{"ZIRVO3801", "Start ¬Wände¬A¬"}, {"A", "See ¬Walls¬A¬ here ¬Back¬ZIRVO3801¬"}});
    F.InfoAnzeigen("");
    EXPECT_EQ(F.InfoThema, "ZIRVO3801");
    EXPECT_EQ(F.rtbInfo.Text(), "Start Wände");
    const auto stand = F.rtbInfo.Stand();
    F.InfoAnzeigen("");
    EXPECT_EQ(F.rtbInfo.Stand(), stand);

    for (int pos : {6, 11}) {
        F.InfoAnzeigen("ZIRVO3801");
        p.Klick(pos);
        EXPECT_EQ(F.InfoThema, "A") << pos;
    }
    EXPECT_EQ(F.rtbInfo.Text(), "See Walls here Back");
    for (int pos : {3, 10, 14}) {
        p.Klick(pos);
        EXPECT_EQ(F.InfoThema, "A") << pos;
    }
    for (int pos : {4, 6, 9}) {
        F.InfoThema = "x"; // shown anew
        F.InfoAnzeigen("A");
        p.Klick(pos);
        EXPECT_EQ(F.InfoThema, "A") << pos;
    }
    p.Klick(16);
    EXPECT_EQ(F.InfoThema, "ZIRVO3801");

    // Not found: the word Info, the topic, an empty line, no links, plain text.
    F.InfoAnzeigen("a");
    EXPECT_EQ(F.rtbInfo.Text(), NichtGefunden("a"));
    EXPECT_EQ(F.rtbInfo.TextRTF(), "");
    EXPECT_TRUE(F.InfoVerweise.empty());
    EXPECT_EQ(F.rtbInfo.FontName(), F.FontName);
}

// The package beside the program, else one file per topic; a package that
// exists hides the single files.
TEST(Hilfepanel, PaketOderEinzelneDateien) {
    Panel p;
    frmZIRVO3801& F = p.F;
    ASSERT_TRUE(Dateien::SicherSchreiben((p.ordner / "Q4-X.html").string(), "<p>Einzeln ü</p>"));
    ASSERT_TRUE(Dateien::SicherSchreiben((p.ordner / "Q4-Y.html").string(), Windows1252::AusUtf8("Alt ü")));
    F.InfoPaketLesen();
    EXPECT_EQ(F.InfoPaket, "");
    EXPECT_EQ(F.InfoTextLesen("X"), "<p>Einzeln ü</p>");
    EXPECT_EQ(F.InfoTextLesen("Y"), "Alt ü");
    EXPECT_EQ(F.InfoTextLesen("Z"), "");

    ASSERT_TRUE(Dateien::SicherSchreiben((p.ordner / "ZIRVO3801.pip").string(), *Infopaket::Bauen({{"Y", "Paket ü"}})));
    F.InfoPaketLesen();
    EXPECT_EQ(F.InfoTextLesen("Y"), "Paket ü");
    EXPECT_EQ(F.InfoTextLesen("X"), "");
    F.InfoAnzeigen("X");
    EXPECT_EQ(F.rtbInfo.Text(), NichtGefunden("X"));
}

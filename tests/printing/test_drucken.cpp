// The page engine on the recording surface: the grid, boxes and page
// breaks, page heads, mirrored back pages, the markup, text boxes and rules.
// The recording font is 9 pt: characters 0.18 cm wide, lines 0.36 cm high.
#include "printing/Aufzeichnungsflaeche.h"
#include "printing/Drucken.h"
#include "tests/printing/Seitenraster.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Art = Aufzeichnungsfläche::Art;

// A portrait page with the default margins (3, 1.5, 1.5, 1.5 cm): 79 x 66 cells.
struct Seite {
    Testhilfe::Testumgebung umgebung;
    Drucken d;
    Aufzeichnungsfläche* f;
    explicit Seite(bool duplex = false, bool duplexMöglich = true, double höhe = 26.7) {
        auto a = std::make_unique<Aufzeichnungsfläche>();
        a->DuplexMöglich = duplexMöglich;
        f = a.get();
        d.Auftrag(std::move(a));
        d.Duplex(duplex);
        d.Initialize("Arial", 9, 3);
        d.ScaleA4(3, 1.5, false);
        d.CharA4(16.5, höhe, 79, 66);
    }
    Testhilfe::Seitenraster r() const { return {d, *f}; }
};

TEST(Drucken, BoxenUndSeitenumbrueche) {
    struct Fall {
        const char* was;
        bool titel;
        int vorher;   // rows skipped before the box
        int zeilen;   // content rows of the box
        int seite;    // the page the box is drawn on
        int anfang;   // its top frame row
    } fälle[] = {
        {"62 rows from row 2 fit exactly", false, 2, 62, 1, 2},
        {"63 rows from row 2 go to a new page", false, 2, 63, 2, 0},
        {"the first box of a page follows the page head", true, 0, 10, 1, 2},
        {"a box taller than a page stays at the top of its page", false, 0, 70, 1, 0},
        {"a box taller than a page starts a fresh page below content", false, 5, 70, 2, 0},
        {"after a break the page head comes first", true, 40, 30, 2, 2},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        Seite s;
        s.d.PageTitle(c.titel, std::string("Nachweis:  Haus"));
        s.d.SkipRows(c.vorher);
        s.d.Box(c.zeilen, true);
        EXPECT_EQ(s.f->Seitennummer(), c.seite);
        EXPECT_EQ(s.d.Boxanfang(), c.anfang);
        EXPECT_EQ(s.d.Boxende(), c.anfang + c.zeilen + 1);
        EXPECT_EQ(s.d.Blockanfang(), c.anfang + c.zeilen + 2);
        // The frame through the middle of its first and last row, twice the
        // line width; the heading row shaded light grey.
        const auto* rahmen = s.f->Alle(Art::Rechteck).back();
        const double ch = s.d.Zellenhöhe();
        EXPECT_NEAR(rahmen->y1, (c.anfang + 0.5) * ch, 1e-9);
        EXPECT_NEAR(rahmen->y2, (c.anfang + c.zeilen + 1.5) * ch, 1e-9);
        EXPECT_NEAR(rahmen->x2, 78.5 * s.d.Zellenbreite(), 1e-9);
        EXPECT_EQ(rahmen->Breite, 6);
        const auto* grau = s.f->Alle(Art::Fläche).back();
        EXPECT_EQ(grau->Farbe, 0xF0F0F0u);
        EXPECT_NEAR(grau->y2 - grau->y1, 2 * ch, 1e-9);
        if (c.titel) {
            // The head: title at the margin, "Seite n" ending at the grid's edge.
            const auto* seite = s.r().Genau("Seite " + std::to_string(c.seite));
            ASSERT_NE(seite, nullptr);
            EXPECT_EQ(s.r().Zeile(seite->y1), 0);
            EXPECT_NEAR(seite->x2, 79 * s.d.Zellenbreite(), 1e-9);
            EXPECT_EQ(s.r().Genau("Nachweis:  Haus")->x1, 0);
        }
    }
}

TEST(Drucken, RueckseitenGespiegelt) {
    // Duplex: on back pages the grid's right edge lies 3 cm (the left
    // margin) from the right paper edge; front pages keep the left margin.
    Seite s(true);
    ASSERT_TRUE(s.d.Gespiegelt());
    const double rechts = 79 * s.d.Zellenbreite(); // 16.5 cm
    for (int seite = 2; seite <= 3; ++seite) {
        s.d.NewPage();
        const auto* m = s.f->Alle(Art::Massstab).back();
        EXPECT_EQ(m->Seite, seite);
        // Paper x of a user x is x - x1 (the whole sheet is printable here).
        const double papierLinks = 0 - m->x1, papierRechts = rechts - m->x1;
        if (seite % 2 == 0) {
            EXPECT_NEAR(papierRechts, 21 - 3, 1e-9);
            EXPECT_NEAR(papierLinks, 1.5, 1e-9);
        } else {
            EXPECT_NEAR(papierLinks, 3, 1e-9);
        }
        EXPECT_NEAR(m->x2 - m->x1, 21, 1e-9);
    }
    // A printer without duplex: no mirror, the scale stays.
    Seite einseitig(true, false);
    EXPECT_FALSE(einseitig.d.Gespiegelt());
    einseitig.d.NewPage();
    EXPECT_EQ(einseitig.f->Alle(Art::Massstab).size(), 1u);
}

TEST(Drucken, Markup) {
    struct Teil {
        std::string text;
        bool tief;
    };
    struct Fall {
        const char* text;
        std::vector<Teil> teile;
    } fälle[] = {
        {"Q÷(H,li) ok", {{"Q", false}, {"H,li", true}, {" ok", false}}},
        {"÷wabc", {{"χ", false}, {"abc", false}}},
        {"÷D ÷h ÷g ÷x", {{"Δ", false}, {" ", false}, {"θ", false}, {" ", false}, {"η", false}, {" ", false}, {"ψ", false}}},
        {"a ÷(bc", {{"a ", false}, {"÷(bc", false}}},
        {"U÷÷eff", {{"U", false}, {"eff", true}}},
        {"÷5x", {{"x", false}}},
        {"ab÷", {{"ab", false}}},
        {"÷1 ÷0", {{"☒", false}, {" ", false}, {"☐", false}}},
        {"÷(a÷w)b", {{"a÷w", true}, {"b", false}}},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.text);
        Seite s;
        s.d.Box(3, false);
        s.d.Text(1, 4, c.text);
        const auto texte = s.f->Texte();
        ASSERT_EQ(texte.size(), c.teile.size());
        const double y0 = 1 * s.d.Zellenhöhe(); // box at row 0, text row 1
        double x = 5 * s.d.Zellenbreite();
        for (std::size_t i = 0; i < texte.size(); ++i) {
            EXPECT_EQ(texte[i]->Text, c.teile[i].text);
            EXPECT_NEAR(texte[i]->x1, x, 1e-9) << "each piece follows the one before";
            // A subscript: lowered by 2/5 of a line, in 2/3 of the size.
            EXPECT_NEAR(texte[i]->y1, y0 + (c.teile[i].tief ? 0.4 * 0.36 : 0), 1e-9);
            EXPECT_NEAR(texte[i]->Schrift.Grösse, c.teile[i].tief ? 6 : 9, 1e-9);
            x = texte[i]->x2;
        }
        // A right-aligned text ends at the edge of its cells, markup or not.
        Seite r;
        r.d.Box(3, false);
        r.d.Text(1, 40, c.text, true, true, 20);
        if (!r.f->Texte().empty()) {
            EXPECT_NEAR(r.f->Texte().back()->x2, 61 * r.d.Zellenbreite(), 1e-9);
            EXPECT_TRUE(r.f->Texte().front()->Schrift.Fett);
        }
        EXPECT_FALSE(r.d.Schrift().Fett) << "bold is restored";
    }
    // Row -1 continues behind the last text.
    Seite s;
    s.d.Box(2, false);
    s.d.Text(1, 1, "Projekt:  ");
    s.d.Text(-1, 0, "Haus", true);
    EXPECT_NEAR(s.f->Texte()[1]->x1, s.f->Texte()[0]->x2, 1e-9);
    EXPECT_NEAR(s.f->Texte()[1]->y1, s.f->Texte()[0]->y1, 1e-9);
}

TEST(Drucken, TextBoxUmbruch) {
    // 10 cells of 16.5/79 cm hold 11 characters of 0.18 cm.
    struct Fall {
        const char* text;
        std::vector<std::string> zeilen;
    } fälle[] = {
        {"", {}},
        {"kurz", {"kurz"}},
        {"eins zwei drei vier", {"eins zwei", "drei vier"}},
        {"Wärmedämmverbundsystem aussen", {"Wärmedämmve", "rbundsystem", "aussen"}},
        {"Mineralwolleplatte", {"Mineralwoll", "eplatte"}},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.text);
        Seite s;
        s.d.Box(8, false);
        const int block = s.d.Blockanfang();
        EXPECT_EQ(s.d.TextBox(2, 3, 10, c.text, false), static_cast<int>(c.zeilen.size()));
        EXPECT_EQ(s.d.Blockanfang(), block);
        const auto texte = s.f->Texte();
        ASSERT_EQ(texte.size(), c.zeilen.size());
        for (std::size_t i = 0; i < texte.size(); ++i) {
            EXPECT_EQ(texte[i]->Text, c.zeilen[i]);
            EXPECT_EQ(s.r().Zeile(texte[i]->y1), 2 + static_cast<int>(i));
            EXPECT_EQ(s.r().Spalte(texte[i]->x1), 3);
            EXPECT_LE(texte[i]->x2 - texte[i]->x1, 10 * s.d.Zellenbreite() + 1e-9);
        }
    }
}

TEST(Drucken, LinienUndAbstaende) {
    Seite s;
    // Line widths are whole 1/600 inch, halves to even; thick doubles.
    s.d.Initialize("Arial", 9, 2.5);
    EXPECT_EQ(s.d.Linienbreite(), 2);
    s.d.Initialize("Arial", 9, 3.5);
    EXPECT_EQ(s.d.Linienbreite(), 4);
    s.d.Box(10, false);
    s.d.LineH(2, true);
    s.d.LineV(20, false);
    const auto linien = s.f->Alle(Art::Linie);
    ASSERT_EQ(linien.size(), 2u);
    const double cw = s.d.Zellenbreite(), ch = s.d.Zellenhöhe();
    EXPECT_EQ(linien[0]->Breite, 8);
    EXPECT_NEAR(linien[0]->y1, 2.5 * ch, 1e-9);
    EXPECT_NEAR(linien[0]->x2, 78.5 * cw, 1e-9);
    // A column rule from below the heading row to the bottom frame.
    EXPECT_NEAR(linien[1]->x1, 21.5 * cw, 1e-9);
    EXPECT_NEAR(linien[1]->y1, 2.5 * ch, 1e-9);
    EXPECT_NEAR(linien[1]->y2, 11.5 * ch, 1e-9);

    // Skipping centimetres rounds up to whole rows (cell height 0.4 cm).
    Seite z(false, true, 26.4);
    for (auto [cm, zeilen] : {std::pair{1.0, 3}, {0.8, 2}, {0.0, 0}, {0.41, 2}}) {
        const int vorher = z.d.Blockanfang();
        z.d.SkipCentimeters(cm);
        EXPECT_EQ(z.d.Blockanfang() - vorher, zeilen) << cm;
    }
}

TEST(Drucken, ZeilenNachSchrifthoehe) {
    {
        Drucken::ZeilenNachSchriftSetzen an(true);
        Seite s;
        EXPECT_EQ(s.d.Lines(), 74); // 26.7 cm / 0.36 cm
        EXPECT_EQ(s.d.Characters(), 79);
    }
    EXPECT_FALSE(Drucken::ZeilenNachSchrift) << "the switch does not outlive its printout";
    Seite s;
    EXPECT_EQ(s.d.Lines(), 66);
    // Without counts the grid follows the font: "0" wide, a line high.
    s.d.CharA4(18.1, 27.1, 0, 0);
    EXPECT_EQ(s.d.Characters(), 100);
    EXPECT_EQ(s.d.Lines(), 75);
}

} // namespace

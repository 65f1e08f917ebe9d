// The page engine on the recording surface: the grid, boxes and page
// breaks, boxes that go on over pages, page heads, mirrored back pages, the
// markup, text boxes and rules, texts cut at the right frame, a printout
// without a page.
// The recording font is 9 pt: characters 0.18 cm wide, lines 0.36 cm high.
#include "printing/Aufzeichnungsflaeche.h"
#include "printing/Drucken.h"
#include "printing/FortlaufendeBox.h"
#include "tests/printing/Seitenraster.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <map>
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
        bool über;    // it runs over the page's last row
    } fälle[] = {
        {"62 rows from row 2 fit exactly", false, 2, 62, 1, 2, false},
        {"63 rows from row 2 go to a new page", false, 2, 63, 2, 0, false},
        {"the first box of a page follows the page head", true, 0, 10, 1, 2, false},
        {"a box taller than a page stays at the top of its page", false, 0, 70, 1, 0, true},
        {"a box taller than a page starts a fresh page below content", false, 5, 70, 2, 0, true},
        {"after a break the page head comes first", true, 40, 30, 2, 2, false},
        {"64 rows fit a fresh page, not below its head", true, 0, 64, 1, 2, true},
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
        // A box run over the page is never finished as a printout.
        std::string fehler;
        EXPECT_EQ(s.d.Überlauf(), c.über);
        EXPECT_EQ(s.d.Terminate(fehler), !c.über);
        EXPECT_EQ(fehler, c.über ? "Mit diesen Druckeinstellungen reicht der Ausdruck über den unteren Seitenrand "
                                   "hinaus."
                                 : "");
    }
    // Nor is a text below the grid's last row.
    Seite s;
    s.d.Box(2, false);
    s.d.Text(65, 1, "letzte Zeile");
    EXPECT_FALSE(s.d.Überlauf());
    s.d.Text(66, 1, "darunter");
    EXPECT_TRUE(s.d.Überlauf());
}

// A box longer than the rest of its page: sections of entries "A1", "B1",
// ... drawn through FortlaufendeBox. Where a page ends, the box ends in its
// last row with the column lines closed there; on the next page, below the
// page head, its title with "(Fortsetzung)", the head of the open section
// again, and the next entries. A box that fits is drawn as Box draws it.
TEST(Drucken, FortlaufendeBox) {
    struct Teil {
        int seite, anfang, zeilen;
        bool operator==(const Teil&) const = default;
    };
    struct Fall {
        const char* was;
        int vorher;                   // rows skipped before the box (with a page title)
        std::vector<int> abschnitte;  // entries per section
        std::vector<Teil> teile;      // the parts of the box
        std::map<std::string, std::pair<int, int>> orte; // entry: page and row
        std::map<int, std::string> köpfe; // page: the section head below a continued title
    } fälle[] = {
        {"fits where it stands", 10, {5}, {{1, 10, 11}}, {{"A1", {1, 17}}, {"A5", {1, 21}}}, {}},
        {"fits on a fresh page", 40, {30}, {{2, 2, 36}}, {{"A1", {2, 9}}}, {}},
        {"goes on in the middle of a section", 40, {60}, {{1, 40, 24}, {2, 2, 48}},
         {{"A18", {1, 64}}, {"A19", {2, 9}}, {"A60", {2, 50}}}, {{2, "Abschnitt A"}}},
        {"the next section begins on the next page", 0, {51, 10}, {{1, 2, 62}, {2, 2, 16}},
         {{"A51", {1, 59}}, {"B1", {2, 9}}, {"B10", {2, 18}}}, {{2, "Abschnitt B"}}},
        {"no room for a head and a row: from the next page", 60, {80}, {{2, 2, 62}, {3, 2, 30}},
         {{"A56", {2, 64}}, {"A57", {3, 9}}, {"A80", {3, 32}}}, {{3, "Abschnitt A"}}},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        Seite s;
        Drucken& d = s.d;
        d.PageTitle(true, std::string("Nachweis:  Haus"));
        d.SkipRows(c.vorher);
        int zeilen = 1;
        for (int n : c.abschnitte) zeilen += n + 5;
        FortlaufendeBox box(d, zeilen, true, "Liste", 7);
        for (std::size_t k = 0; k < c.abschnitte.size(); ++k) {
            const std::string name(1, static_cast<char>('A' + k));
            box.Abschnitt(
                4,
                [&](int r) {
                    d.Text(r, 1, "Abschnitt " + name);
                    d.LineH(r + 1, false);
                    d.Text(r + 2, 2, "Nr");
                    d.LineX(r + 3, 0, r + 3, 76, false, false);
                },
                [&](int r, int unten) { d.LineX(r + 1, 5, unten, 5, false, false); });
            for (int i = 1; i <= c.abschnitte[k]; ++i) d.Text(box.Zeilen(), 2, name + std::to_string(i));
            box.AbschnittEnde();
        }
        box.Ende();

        const auto r = s.r();
        std::vector<Teil> teile;
        for (const auto* b : s.f->Alle(Art::Rechteck))
            teile.push_back({b->Seite, r.Zeile(b->y1 - d.Zellenhöhe() / 2), r.Zeile(b->y2 - b->y1) - 1});
        EXPECT_EQ(teile, c.teile);
        // Every entry once, inside its part; the places worked out by hand.
        int einträge = 0;
        for (const auto* t : s.f->Texte()) {
            if (t->Text.size() < 2 || t->Text[1] < '0' || t->Text[1] > '9') continue;
            ++einträge;
            EXPECT_LE(r.Zeile(t->y1), 64) << t->Text;
        }
        EXPECT_EQ(einträge, zeilen - 1 - 5 * static_cast<int>(c.abschnitte.size()));
        for (const auto& [eintrag, ort] : c.orte) {
            const auto* t = r.Genau(eintrag);
            ASSERT_NE(t, nullptr) << eintrag;
            EXPECT_EQ(std::make_pair(t->Seite, r.Zeile(t->y1)), ort) << eintrag;
        }
        // The continued parts: page head, title, and the open section's head.
        for (std::size_t i = 1; i < teile.size(); ++i) {
            const Teil& t = teile[i];
            EXPECT_NE(r.Genau("Seite " + std::to_string(t.seite)), nullptr);
            EXPECT_EQ(r.Zeilentext(t.seite, t.anfang + 1), "Liste (Fortsetzung)");
            EXPECT_EQ(r.Zeilentext(t.seite, t.anfang + 3), c.köpfe.at(t.seite));
            EXPECT_EQ(r.Zeilentext(t.seite, t.anfang + 5), "Nr");
        }
        // Every column line ends on a thick rule or on the bottom frame of its part.
        for (const auto* l : s.f->Alle(Art::Linie)) {
            if (l->x1 != l->x2) continue;
            const int ende = r.Zeile(l->y2 - d.Zellenhöhe() / 2);
            bool zu = false;
            for (const Teil& t : teile) zu = zu || (t.seite == l->Seite && ende == t.anfang + t.zeilen + 1);
            for (const auto* h : s.f->Alle(Art::Linie))
                zu = zu || (h->Seite == l->Seite && h->y1 == h->y2 && h->Breite == 6 && h->y1 == l->y2);
            EXPECT_TRUE(zu) << "column line on page " << l->Seite << " ends in row " << ende;
        }
        EXPECT_EQ(d.Blockanfang(), c.teile.back().anfang + c.teile.back().zeilen + 2);
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
    // A glyph of the markup is drawn in its set (the Greek set 161, the
    // symbol set 2), whose face the printer has whatever the print face;
    // everything else in the print face (set 0).
    constexpr int G = Plattform::ZeichensatzGriechisch, S = Plattform::ZeichensatzSymbol;
    struct Teil {
        std::string text;
        bool tief;
        int satz = Plattform::ZeichensatzNormal;
    };
    struct Fall {
        const char* text;
        std::vector<Teil> teile;
    } fälle[] = {
        {"Q÷(H,li) ok", {{"Q", false}, {"H,li", true}, {" ok", false}}},
        {"÷wabc", {{"χ", false, G}, {"abc", false}}},
        {"÷D ÷h ÷g ÷x",
         {{"Δ", false, G}, {" ", false}, {"θ", false, G}, {" ", false}, {"η", false, G}, {" ", false}, {"ψ", false, G}}},
        {"a ÷(bc", {{"a ", false}, {"÷(bc", false}}},
        {"U÷÷eff", {{"U", false}, {"eff", true}}},
        {"÷5x", {{"x", false}}},
        {"ab÷", {{"ab", false}}},
        {"÷1 ÷0", {{"☒", false, S}, {" ", false}, {"☐", false, S}}},
        {"÷(a÷w)b", {{"a÷w", true}, {"b", false}}},
        {"÷g÷(g)", {{"η", false, G}, {"g", true}}},
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
            EXPECT_EQ(texte[i]->Schrift.Zeichensatz, c.teile[i].satz) << texte[i]->Text;
            x = texte[i]->x2;
        }
        EXPECT_EQ(s.d.Schrift().Zeichensatz, Plattform::ZeichensatzNormal) << "the print face is restored";
        // A right-aligned text ends at the edge of its cells, markup or not.
        Seite r;
        r.d.Box(3, false);
        r.d.Text(1, 40, c.text, true, true, 20);
        if (!r.f->Texte().empty()) {
            EXPECT_NEAR(r.f->Texte().back()->x2, 61 * r.d.Zellenbreite(), 1e-9);
            for (const auto* t : r.f->Texte()) EXPECT_TRUE(t->Schrift.Fett) << t->Text;
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

// No text comes nearer than an eighth of a cell to the right frame (78.5
// cells from the margin, 1.57 cm right of column 70): one that would is cut
// short there with "…"; one that fits stays whole. A wrapped text cut at its last line allowed. A
// printout on which nothing was drawn does not end as a success.
TEST(Drucken, RechterRahmenUndLeererAusdruck) {
    Seite s;
    struct Fall {
        int spalte, breite; // breite > 0: right-aligned in that many cells
        const char* text;
        const char* gedruckt;
    } fälle[] = {
        {70, 0, "ABCDEFGH", "ABCDEFGH"},
        {70, 0, "ABCDEFGHIJKLMNOP", "ABCDEFG…"},
        // from 75.83 cells: "12…" (0.54 cm) would end 0.018 cm before the frame
        {74, 6, "123456", "1…"},
        {79, 0, "X", ""},
    };
    s.d.Box(4, false);
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.text);
        const std::size_t vorher = s.f->Texte().size();
        s.d.Text(1, c.spalte, c.text, false, c.breite > 0, c.breite);
        const auto texte = s.f->Texte();
        ASSERT_EQ(texte.size(), vorher + (*c.gedruckt ? 1 : 0));
        if (!*c.gedruckt) continue;
        EXPECT_EQ(texte.back()->Text, c.gedruckt);
        EXPECT_LE(texte.back()->x2, s.d.RechterRahmen() - s.d.Zellenbreite() / 8 + 1e-9);
    }
    // A text ends an eighth of a cell (0.0261 cm) before the right frame,
    // and where the frame is wider, 0.3 pt (0.0106 cm) clear of its ink: the
    // frame of line width 5 is 0.0423 cm wide.
    for (const auto& [linie, abstand] : {std::pair{3.0, 0.0261}, {5.0, 0.0318}}) {
        Seite breit;
        breit.d.Initialize("Arial", 9, linie);
        EXPECT_NEAR(breit.d.RechterRahmen() - breit.d.Textgrenze(), abstand, 1e-4) << linie;
    }
    EXPECT_EQ(s.d.Umbrechen("eins zwei drei vier fünf", 10, false, 2),
              (std::vector<std::string>{"eins zwei", "drei vier…"}));
    std::string fehler;
    EXPECT_TRUE(s.d.Terminate(fehler)) << fehler;

    Seite leer;
    leer.d.PageTitle(true, std::string("Nachweis:  Haus"));
    EXPECT_FALSE(leer.d.Terminate(fehler));
    EXPECT_EQ(fehler, "Der Ausdruck enthält keine Seite.");
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
        // A row takes a line and a subscript below it: 0.36 cm * (2/5 + 2/3).
        Drucken::ZeilenNachSchriftSetzen an(true);
        Seite s;
        EXPECT_NEAR(s.d.Zellenhöhe(), 0.384, 1e-9);
        EXPECT_EQ(s.d.Lines(), 69); // 26.7 cm / 0.384 cm
        EXPECT_EQ(s.d.Characters(), 79);
    }
    EXPECT_FALSE(Drucken::ZeilenNachSchrift) << "the switch does not outlive its printout";
    Seite s;
    EXPECT_EQ(s.d.Lines(), 66);
    // Without counts the grid follows the font: "0" wide, a line high.
    s.d.CharA4(18.1, 27.1, 0, 0);
    EXPECT_EQ(s.d.Characters(), 100);
    EXPECT_EQ(s.d.Lines(), 70);
}

} // namespace

// Every text keeps its room: the next text of its row and the lines beside,
// above and below it stay clear of it, or the printout is not finished and
// names the text.
// The recording surface's characters are 0.18 cm wide at 9 pt, a cell
// 0.209 cm.
TEST(Drucken, TexteBleibenInIhremFeld) {
    struct Fall {
        const char* was;
        std::function<void(Drucken&)> zeichnen;
        const char* fehler; // "" the printout is finished
    } fälle[] = {
        {"two texts a gap apart", [](Drucken& d) { d.Text(3, 1, "AB"); d.Text(3, 3, "CD"); }, ""},
        {"blanks at the end take no room", [](Drucken& d) { d.Text(3, 1, "AB   "); d.Text(3, 3, "CD"); }, ""},
        {"a text into the next", [](Drucken& d) { d.Text(3, 3, "D"); d.Text(3, 1, "ABC"); }, "«ABC» [..] an «D»"},
        {"chained texts are one",
         [](Drucken& d) {
             d.Text(3, 1, "AB");
             d.Text(-1, 0, " C÷(D)");
             d.Text(3, 4, "X");
         },
         "«AB CD» [..] an «X»"},
        {"a text over a column line", [](Drucken& d) { d.LineV(2, false); d.Text(3, 1, "AB"); }, "«AB» [..] an eine Linie"},
        // The line at 5.5 cells (1.149 cm) and 0.0064 cm wide; "ABCD" ends
        // at 1.138 cm, 0.0051 cm (0.146 pt) clear of its ink; "ABC" at 0.958 cm.
        {"a text nearer beside a column line than the gap",
         [](Drucken& d) { d.LineV(4, false); d.Text(3, 1, "ABCD"); }, "«ABCD» [..] an eine Linie"},
        {"a text the gap beside a column line", [](Drucken& d) { d.LineV(4, false); d.Text(3, 1, "ABC"); }, ""},
        {"a text in the row of the heading", [](Drucken& d) { d.LineV(2, false); d.Text(1, 1, "AB"); }, ""},
        {"on a white fill", [](Drucken& d) { d.LineV(2, false); d.Freistellen(); d.Text(3, 1, "AB"); }, ""},
        {"a line drawn over it after its white fill",
         [](Drucken& d) {
             d.Freistellen();
             d.Text(3, 1, "AB");
             d.LineV(2, false);
         },
         "«AB» [..] an eine Linie"},
        {"a rule through its row", [](Drucken& d) { d.Text(3, 1, "AB"); d.LineH(3, false); }, "«AB» [..] an eine Linie"},
        {"a rule in the next row", [](Drucken& d) { d.Text(3, 1, "A÷(B)"); d.LineH(4, false); }, ""},
        {"cut short at the frame", [](Drucken& d) { d.Text(3, 74, "ABCDEFGH"); }, ""},
        {"the first on the page is named",
         [](Drucken& d) {
             d.Text(4, 1, "EFG");
             d.Text(4, 3, "H");
             d.Text(3, 1, "ABC");
             d.Text(3, 3, "D");
         },
         "«EFG» [..] an «H»"},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        Seite s;
        s.f->Räumeprüfen = true;
        s.d.Box(5, false);
        c.zeichnen(s.d);
        s.d.NewPage();
        s.d.Box(1, false);
        // The job lets its surface go at its end: only a printout that
        // fits ends its document.
        bool beendet = false;
        s.f->BeimBeenden = [&beendet](const Aufzeichnungsfläche&) { beendet = true; };
        std::string fehler;
        EXPECT_EQ(s.d.Terminate(fehler), !*c.fehler);
        std::string erwartet = c.fehler;
        if (!erwartet.empty())
            erwartet = "Mit der Schrift Arial in 9 pt bleibt " +
                       erwartet.replace(erwartet.find("[..]"), 4, "nicht in seinem Feld der Ausdrucke: es reicht") + ".";
        EXPECT_EQ(fehler, erwartet);
        EXPECT_EQ(beendet, !*c.fehler);
    }
}

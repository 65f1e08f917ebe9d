#include "dialogs/frmNutzungZone.h"

#include "frame/basZIRVO3801.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Zonenname : public ::testing::Test {
protected:
    Testhilfe::Testumgebung umgebung;
    Projekt& p = Global::Projekt;

    void SetUp() override {
        p = Projekt();
        p.ProjektNeu();
        frmNutzungZone::Anzeigen = nullptr;
    }
    void TearDown() override {
        frmNutzungZone::Anzeigen = nullptr;
        p = Projekt();
    }

    // Zones with these names and codes; zone 0 is current afterwards.
    void Zonen(const std::vector<std::pair<std::string, std::string>>& zonen) {
        for (std::size_t i = 0; i < zonen.size(); ++i) {
            if (i > 0) {
                ASSERT_EQ(p.ZoneNeu(), 0);
            }
            p.ZSetStr(zonen[i].first, "Bez");
            p.ZSetStr(zonen[i].second, "Code");
        }
        p.SetNZone(0);
    }

    // Opens the dialog, types name and code and presses OK. Returns the
    // message shown, "" when none.
    std::string Eingeben(frmNutzungZone& d, const std::string& name, const std::string& code) {
        d.txtBez.setText(name);
        d.txtCode.setText(code);
        auto vorher = umgebung.meldungen.Gezeigt.size();
        d.cmdOK_Click();
        if (umgebung.meldungen.Gezeigt.size() == vorher) return {};
        const auto& m = umgebung.meldungen.Zuletzt();
        EXPECT_EQ(m.Symbol, Plattform::Symbol::Fehler);
        EXPECT_EQ(m.Titel, basZIRVO3801::ProgrammTitel);
        return m.Text;
    }

    void Öffnen(frmNutzungZone& d, std::string name, std::string code, bool ohneCode, bool neu) {
        d.Bezeichnung = std::move(name);
        d.Code = std::move(code);
        d.OhneCode = ohneCode;
        d.NeueZone = neu;
        d.Form_Load();
    }
};

const char* const MeldungName = "Bitte Bezeichnung angeben.";
const char* const MeldungCode = "Bitte Code angeben.";
const char* const MeldungAnfang = "Der Code muss mit einem Buchstaben (A..Z) beginnen.";
const char* const MeldungZeichen = "Der Code darf nur Buchstaben (A..Z) und Ziffern (0..9) enthalten.";
const char* const MeldungDoppelt = "Der Code hat bereits eine andere Zone.";

} // namespace

TEST_F(Zonenname, OeffnenFuelltDieFelder) {
    Zonen({{"Wohnen", "W"}, {"Laden", "L"}});
    p.SetNZone(1);
    frmNutzungZone d;
    Öffnen(d, "Laden", "L", false, false);
    EXPECT_TRUE(d.Geladen());
    EXPECT_EQ(d.Caption, "Thermische Zone");
    EXPECT_EQ(d.txtBez.Text(), "Laden");
    EXPECT_EQ(d.txtCode.Text(), "L");
    EXPECT_TRUE(d.txtCode.Enabled());
    EXPECT_TRUE(d.lblCode.Enabled());
    EXPECT_EQ(d.txtBez.MaxLength(), 30);
    EXPECT_EQ(d.txtCode.MaxLength(), 2);
    // Collecting the zones leaves the current zone as it was.
    EXPECT_EQ(p.GetNZone(), 1);

    // Without a code: the code box is emptied and disabled, and OK returns
    // the name alone, whatever the box held.
    frmNutzungZone e;
    Öffnen(e, "Haus", "X", true, false);
    EXPECT_EQ(e.txtCode.Text(), "");
    EXPECT_FALSE(e.txtCode.Enabled());
    EXPECT_FALSE(e.lblCode.Enabled());
    EXPECT_EQ(Eingeben(e, "Haus West  ", "1-"), "");
    EXPECT_FALSE(e.Geladen());
    EXPECT_EQ(e.Bezeichnung, "Haus West");
    EXPECT_EQ(e.Code, "");
    EXPECT_TRUE(e.OhneCode);
}

TEST_F(Zonenname, NameOhneBlankeUndNichtLeer) {
    frmNutzungZone d;
    Öffnen(d, "", "", false, true);
    // Blanks only: refused, the dialog stays with its members unchanged.
    EXPECT_EQ(Eingeben(d, "   ", "A"), MeldungName);
    EXPECT_TRUE(d.Geladen());
    EXPECT_EQ(d.Bezeichnung, "");
    EXPECT_EQ(d.Code, "");
    // The name is checked before the code.
    EXPECT_EQ(Eingeben(d, "", ""), MeldungName);
    EXPECT_EQ(Eingeben(d, "Büro 2. OG   ", "B"), "");
    EXPECT_FALSE(d.Geladen());
    EXPECT_EQ(d.Bezeichnung, "Büro 2. OG");
    EXPECT_EQ(d.Code, "B");
}

TEST_F(Zonenname, Coderegeln) {
    Zonen({{"Haus", ""}});
    struct Fall {
        const char* code;
        const char* meldung;
    };
    const Fall fälle[] = {
        {"", MeldungCode},         {"  ", MeldungCode},      {"1A", MeldungAnfang}, {"a1", MeldungAnfang},
        {"-A", MeldungAnfang},     {"Ä", MeldungAnfang},     {" A", MeldungAnfang}, {"A-", MeldungZeichen},
        {"Aa", MeldungZeichen},    {"A ", ""},               {"Z", ""},             {"A1", ""},
        {"ZZ", ""},                {"B9", ""},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.code);
        frmNutzungZone d;
        Öffnen(d, "", "", false, true);
        EXPECT_EQ(Eingeben(d, "Zone", f.code), f.meldung);
        if (*f.meldung) {
            EXPECT_TRUE(d.Geladen());
            EXPECT_EQ(d.Code, "");
        } else {
            EXPECT_FALSE(d.Geladen());
            // Trailing blanks are not part of the code.
            EXPECT_EQ(d.Code, std::string(f.code) == "A " ? "A" : f.code);
        }
    }
    // A longer code that came in with a zone is checked in all its characters.
    frmNutzungZone d;
    Öffnen(d, "Zone", "AB-", false, false);
    EXPECT_EQ(Eingeben(d, "Zone", "AB-"), MeldungZeichen);
}

TEST_F(Zonenname, CodeEindeutig) {
    Zonen({{"Wohnen", "W"}, {"Büro", "B"}, {"Laden", "l"}});

    // Renaming zone 1 (current): its own code may stay, another's not.
    p.SetNZone(1);
    {
        frmNutzungZone d;
        Öffnen(d, "Büro", "B", false, false);
        EXPECT_EQ(Eingeben(d, "Büro", "W"), MeldungDoppelt);
        EXPECT_TRUE(d.Geladen());
        EXPECT_EQ(Eingeben(d, "Büro Ost", "B"), "");
        EXPECT_EQ(d.Bezeichnung, "Büro Ost");
        EXPECT_EQ(d.Code, "B");
    }
    // A new zone: every existing code counts, the current zone's too; the
    // comparison is exact ("l" is not "L").
    {
        frmNutzungZone d;
        Öffnen(d, "", "", false, true);
        EXPECT_EQ(Eingeben(d, "Neu", "B"), MeldungDoppelt);
        EXPECT_EQ(Eingeben(d, "Neu", "W"), MeldungDoppelt);
        EXPECT_EQ(Eingeben(d, "Neu", "L"), "");
        EXPECT_EQ(d.Code, "L");
    }
    // The codes are those of the opening: a zone added later is not known.
    {
        frmNutzungZone d;
        Öffnen(d, "", "", false, true);
        ASSERT_EQ(p.ZoneNeu(), 0);
        p.ZSetStr("X", "Code");
        p.SetNZone(1);
        EXPECT_EQ(Eingeben(d, "Neu", "X"), "");
    }
    EXPECT_EQ(p.GetNZone(), 1);
}

TEST_F(Zonenname, TastenUndAbbrechen) {
    frmNutzungZone d;
    Öffnen(d, "Alt", "A", false, false);
    // Typed letters become capitals; digits and other characters stay.
    struct Fall {
        std::int16_t ein, aus;
    };
    for (auto f : {Fall{'a', 'A'}, Fall{'z', 'Z'}, Fall{'A', 'A'}, Fall{'1', '1'}, Fall{'-', '-'},
                   Fall{0xE4, 0xC4}, Fall{0xF7, 0xF7}, Fall{8, 8}}) {
        std::int16_t k = f.ein;
        d.txtCode_KeyPress(k);
        EXPECT_EQ(k, f.aus) << f.ein;
    }

    // Cancel empties both members.
    d.cmdAbbrechen_Click();
    EXPECT_FALSE(d.Geladen());
    EXPECT_EQ(d.Bezeichnung, "");
    EXPECT_EQ(d.Code, "");

    // The close box leaves them as the caller set them, and tells the view.
    int entladen = 0;
    d.BeimEntladen = [&] { ++entladen; };
    Öffnen(d, "Alt", "A", false, false);
    d.txtBez.setText("Neu");
    d.Unload();
    EXPECT_EQ(entladen, 1);
    EXPECT_EQ(d.Bezeichnung, "Alt");
    EXPECT_EQ(d.Code, "A");
    d.Unload();
    EXPECT_EQ(entladen, 1);
    d.BeimEntladen = nullptr;

    // Shown with nothing installed to show it: as the close box.
    Öffnen(d, "Alt", "A", false, false);
    d.Zeigen();
    EXPECT_FALSE(d.Geladen());
    EXPECT_EQ(d.Bezeichnung, "Alt");

    // Shown through the installed window: it finds the dialog loaded.
    frmNutzungZone::Anzeigen = [](frmNutzungZone& dlg) {
        EXPECT_TRUE(dlg.Geladen());
        EXPECT_EQ(dlg.txtBez.Text(), "Alt");
        dlg.txtBez.setText("Neu");
        dlg.txtCode.setText("N");
        dlg.cmdOK_Click();
    };
    d.Zeigen();
    EXPECT_EQ(d.Bezeichnung, "Neu");
    EXPECT_EQ(d.Code, "N");
    EXPECT_TRUE(umgebung.meldungen.Gezeigt.empty());
}

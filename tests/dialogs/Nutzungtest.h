// What the tests of the use dialog share: a new project in the program's
// test surroundings, the name dialog's answers, zones of category I, and
// the messages the dialog showed.
#pragma once

#include "dialogs/frmNutzung.h"
#include "dialogs/frmNutzungZone.h"
#include "frame/basZIRVO3801.h"
#include "project/ProjektGlobal.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Nutzungtest {

inline const char* const MeldungBez = "Bitte Bezeichnung der Zone angeben.";
inline const char* const MeldungGk = "Bitte Gebäudekategorie auswählen.";
inline const char* const MeldungRZ = "Bitte Regelungszuschlag zur Raumtemperatur (0-2[K]) angeben.";
inline const char* const MeldungC = "Bitte Wärmespeicherfähigkeit angeben (z.B. 0.08).";

class Nutzung : public ::testing::Test {
protected:
    Testhilfe::Testumgebung umgebung;
    Projekt& p = Global::Projekt;

    // What the name dialog was given and what it answers: a name and a code,
    // or nothing for Cancel.
    struct Aufruf {
        std::string Bezeichnung, Code;
        bool OhneCode, NeueZone;
    };
    std::vector<Aufruf> aufrufe;
    std::deque<std::optional<std::pair<std::string, std::string>>> antworten;

    void SetUp() override {
        p = Projekt();
        p.ProjektNeu();
        frmNutzung::SortierRichtung = 1;
        frmNutzungZone::Anzeigen = [this](frmNutzungZone& d) {
            aufrufe.push_back({d.Bezeichnung, d.Code, d.OhneCode, d.NeueZone});
            ASSERT_FALSE(antworten.empty()) << "unexpected name dialog";
            auto a = antworten.front();
            antworten.pop_front();
            if (!a) {
                d.cmdAbbrechen_Click();
                return;
            }
            d.txtBez.setText(a->first);
            d.txtCode.setText(a->second);
            d.cmdOK_Click();
            EXPECT_FALSE(d.Geladen()) << "the name dialog refused " << a->second;
        };
    }
    void TearDown() override {
        frmNutzungZone::Anzeigen = nullptr;
        frmNutzung::Anzeigen = nullptr;
        frmNutzung::SortierRichtung = 1;
        p = Projekt();
    }

    // The current zone with the standard use of category I "Wohnen MFH"
    // (20 °C, 40 m²/P, 70 W/P, 12 h/d, 28 kWh/m², 0.7, 0.7 m³/hm², 21 kWh/m²),
    // C 0.08, RZ 1.
    void ZoneWohnen(const std::string& bez, const std::string& code) {
        p.ZSetStr(bez, "Bez");
        p.ZSetStr(code, "Code");
        p.ZSetInt(1, "Gk");
        p.ZSetNum(20, "Ti");
        p.ZSetNum(40, "PFl");
        p.ZSetNum(70, "PWP");
        p.ZSetNum(12, "PPr");
        p.ZSetNum(28, "El");
        p.ZSetNum(0.7, "fe");
        p.ZSetNum(0.7, "AVE");
        p.ZSetNum(21, "WW");
        p.ZSetNum(0.08, "C");
        p.ZSetNum(1, "RZ");
    }
    // Zones of category I with these names and codes; zone 0 current.
    void Zonen(const std::vector<std::pair<std::string, std::string>>& zonen) {
        for (std::size_t i = 0; i < zonen.size(); ++i) {
            if (i > 0) {
                ASSERT_EQ(p.ZoneNeu(), 0);
            }
            ZoneWohnen(zonen[i].first, zonen[i].second);
        }
        p.SetNZone(0);
    }
    std::vector<std::string> Codes() const {
        std::vector<std::string> c;
        for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) c.push_back(p.Zone_GetStr(i, "Code"));
        return c;
    }
    std::vector<std::string> Namen() const {
        std::vector<std::string> c;
        for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) c.push_back(p.Zone_GetStr(i, "Bez"));
        return c;
    }
    void Öffnen(frmNutzung& f) {
        f.Form_Load();
        f.Form_Resize();
    }
    std::size_t Meldungen() const { return umgebung.meldungen.Gezeigt.size(); }
    // The text of the last message, checked to be an error box of the program.
    std::string LetzteMeldung() const {
        const auto* m = umgebung.meldungen.Letzte();
        if (!m) return {};
        EXPECT_EQ(m->Symbol, Plattform::Symbol::Fehler);
        EXPECT_EQ(m->Titel, basZIRVO3801::ProgrammTitel);
        EXPECT_EQ(m->Knöpfe, Plattform::Knöpfe::OK);
        return m->Text;
    }
};

} // namespace Nutzungtest

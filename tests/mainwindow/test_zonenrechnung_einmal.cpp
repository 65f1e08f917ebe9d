// Each zone computed once for a set of inputs: after any change of an
// input the figures are those of a fresh computation of the project read
// anew from its file, and a zone whose inputs did not change is not
// computed again by any of the commands that go over every zone.
#include "balance/Gebaeudehuelle.h"
#include "balance/Klimastation_MB2028.h"
#include "balance/frmQh.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Array.h"
#include "frame/basZIRVO_HiRi.h"
#include "mainwindow/frmZIRVO3801.h"
#include "printing/frmDrucken.h"
#include "project/ProjektGlobal.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Temppfad.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// The project of several zones with partitions between them, windows,
// components and thermal bridges.
const char* const Projektname = "MehrereZonen";

// What a computation leaves: the results stored in every zone and the
// monthly losses and gains of every envelope record.
using Figuren = std::map<std::string, std::string>;

Figuren FigurenLesen() {
    static const char* const Schlüssel[] = {
        "EBF",  "EBF0",  "QtA",   "QtU",  "QtF", "QgS", "QgP", "QgE", "Qv",   "Qvm",  "Qt",     "Qug",
        "Qh",   "EtaG",  "ATotA", "ATotU", "ATotF", "AUTotA", "AUTotU", "AUTotF", "AeA", "AeU", "AeF",
        "QeZ",  "QhNw",  "HgNw",  "PhNw", "PhNwGw"};
    Projekt& p = Global::Projekt;
    Figuren f;
    const std::int16_t bisher = p.GetNZone();
    for (std::int16_t z = 0; z < p.ZonenAnzahl(); ++z) {
        p.SetNZone(z);
        const std::string zone = std::to_string(z) + " ";
        for (const char* k : Schlüssel) f[zone + k] = p.ZGetStr(k);
        for (std::int16_t art = 1; art <= 3; ++art)
            for (std::int16_t zeile = 0; zeile < frmZIRVO3801::ZeilenHülle; ++zeile) {
                Monatsarray verlust{}, gewinn{};
                if (Gebäudehülle::Instanz().FürTest__QMt(z, art, zeile, verlust, gewinn))
                    f[zone + "Hülle " + std::to_string(art) + "," + std::to_string(zeile)] =
                        basZIRVO_Array::ArrayZuText1(verlust) + " | " + basZIRVO_Array::ArrayZuText1(gewinn);
            }
    }
    p.SetNZone(bisher);
    return f;
}

// Every zone loaded, computed and stored, as the check of all zones does.
void AlleZonen(frmZIRVO3801& F) { EXPECT_EQ(Testhilfe::AlleZonenBerechnen(F), std::vector<std::string>{}); }

// One change of an input; Zelle: it is typed into the tables of the
// current zone and the zone computed, else every zone is computed after it.
// Aussen: what lies outside the project file, set again after it is read.
struct Änderung {
    const char* Name;
    bool Zelle;
    std::function<void(Projekt&, frmZIRVO3801&)> Ändern;
    std::function<void()> Aussen = [] {};
};

// Another station than the project's, for the whole program only.
std::string AndereStation() {
    std::vector<std::string> namen;
    Global::Klimastation_MB2028.AlleStationsnamen(namen);
    return namen.at(namen.front() == Global::Projekt.PGetStr("KlSt") ? 1 : 0);
}

// A copy of an item with member `position` replaced by a number.
KollektionZeiger MitZahl(const KollektionZeiger& alt, std::int32_t position, double zahl) {
    auto neu = Kollektion::Neu();
    for (std::int32_t i = 1; i <= alt->Anzahl(); ++i) {
        if (i == position) neu->Hinzufügen(zahl, alt->Schlüssel(i));
        else neu->WertHinzufügen(*alt->Eintrag(i), alt->Schlüssel(i));
    }
    return neu;
}

const std::vector<Änderung>& Änderungen() {
    static const std::vector<Änderung> liste = {
        {"EBF-Zelle", true, [](Projekt&, frmZIRVO3801& F) { F.txtEBFFl[0].setText("345"); }},
        {"Zelle Aussenluft", true, [](Projekt&, frmZIRVO3801& F) { F.txtDaFl[0].setText("77.5"); }},
        {"Zelle unbeheizt", true, [](Projekt&, frmZIRVO3801& F) { F.txtDuFl[0].setText("33.5"); }},
        {"Zelle Fenster", true, [](Projekt&, frmZIRVO3801& F) { F.txtFFl[0].setText("4.4"); }},
        {"Klimastation des Projekts", false,
         [](Projekt& P, frmZIRVO3801&) {
             const std::string neu = AndereStation();
             P.PSetStr(neu, "KlSt");
             Global::Klimastation_MB2028.KlimastationEinlesen(neu);
         }},
        {"Klimastation der Rechnung", false,
         [](Projekt&, frmZIRVO3801&) { Global::Klimastation_MB2028.KlimastationEinlesen(AndereStation()); },
         [] { Global::Klimastation_MB2028.KlimastationEinlesen(AndereStation()); }},
        {"Nordrichtung", false,
         [](Projekt& P, frmZIRVO3801&) {
             P.PSetStr("NNE", "Nord");
             basZIRVO_HiRi::NordAktuell = "NNE";
         }},
        {"Bauteil", false,
         [](Projekt& P, frmZIRVO3801&) { P.PSetColl(MitZahl(P.PGetColl("B-1"), 3, 0.77), "B-1"); }},
        {"Gebäudekategorie", false, [](Projekt& P, frmZIRVO3801&) { P.ZSetInt(P.ZGetInt("Gk") == 3 ? 4 : 3, "Gk"); }},
        {"Standardwert", false, [](Projekt& P, frmZIRVO3801&) { P.ZSetNum(P.ZGetNum("Ti") + 2, "Ti"); }},
        {"Lüftungsgerät", false,
         [](Projekt& P, frmZIRVO3801&) {
             auto gerät = Kollektion::Neu();
             for (const Kollektion::Wert& w : {Kollektion::Wert(std::string("Gerät")), Kollektion::Wert(1200.0),
                                               Kollektion::Wert(2500.0), Kollektion::Wert(75.0),
                                               Kollektion::Wert(0.0)})
                 gerät->WertHinzufügen(w);
             auto geräte = Kollektion::Neu();
             geräte->Hinzufügen(KollektionZeiger(std::move(gerät)));
             P.ZSetNum(1, "ML");
             P.ZSetColl(std::move(geräte), "Lm_");
         }},
        {"Nachbarzone", false,
         [](Projekt& P, frmZIRVO3801&) {
             P.SetNZone(1);
             P.ZSetNum(P.ZGetNum("Ti") - 3, "Ti");
             P.SetNZone(0);
         }},
    };
    return liste;
}

} // namespace

TEST(Zonenrechnung, NachJederÄnderungWieFrischGelesen) {
    for (const Änderung& ä : Änderungen()) {
        SCOPED_TRACE(ä.Name);
        Testhilfe::Zonenprojekt z;
        frmZIRVO3801& F = z.F;
        Projekt& P = z.P;
        ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / (std::string(Projektname) + ".zirvo9")), "");
        ASSERT_GE(P.ZonenAnzahl(), 2);
        AlleZonen(F);
        AlleZonen(F);
        const Figuren vorher = FigurenLesen();

        P.SetNZone(0);
        F.ProjektZoneEinlesen();
        ä.Ändern(P, F);
        if (ä.Zelle) {
            EXPECT_FALSE(F.ProjektZoneBerechnen()) << Eingabefehler.Text;
            F.ProjektZoneSpeichern();
            Global::frmQh.Berechnen();
        } else {
            AlleZonen(F);
        }
        const Figuren gemerkt = FigurenLesen();
        EXPECT_NE(gemerkt, vorher) << "the change changes no figure";

        // The same project read anew from its file and computed.
        const std::filesystem::path datei = Testhilfe::Temppfad("zirvo_einmal.zirvo9");
        ASSERT_EQ(P.ProjektSpeichern(datei.string()), 0);
        ASSERT_EQ(Testhilfe::ProjektÖffnen(datei), "");
        std::filesystem::remove(datei);
        ä.Aussen();
        AlleZonen(F);
        AlleZonen(F);
        const Figuren frisch = FigurenLesen();
        for (const auto& [schlüssel, wert] : frisch) EXPECT_EQ(gemerkt.at(schlüssel), wert) << schlüssel;
        EXPECT_EQ(gemerkt.size(), frisch.size());
    }
}

// Commands that go over every zone, on a project whose zones were computed.
TEST(Zonenrechnung, UnveränderteZoneNichtNeuGerechnet) {
    struct Befehl {
        const char* Name;
        std::function<void(frmZIRVO3801&)> Ausführen;
    };
    const std::vector<Befehl> befehle = {
        {"alle Zonen laden, rechnen, ablegen", [](frmZIRVO3801& F) { AlleZonen(F); }},
        {"Vollständigkeit testen", [](frmZIRVO3801& F) { EXPECT_FALSE(F.AlleZonenPrüfen(false)); }},
        {"Heizwärmebedarf", [](frmZIRVO3801&) { Global::frmQh.Einlesen(); }},
        {"Zonenwechsel", [](frmZIRVO3801& F) {
             F.ZoneWechseln(1);
             F.ZoneWechseln(0);
         }},
        {"Systemnachweis drucken", [](frmZIRVO3801&) {
             frmDrucken dialog;
             dialog.Form_Load();
             dialog.optAusdruck_Click(0);
             dialog.cmdDrucken_Click();
         }},
    };
    for (const Befehl& b : befehle) {
        SCOPED_TRACE(b.Name);
        Testhilfe::Zonenprojekt z;
        Testhilfe::Druckumgebung druck;
        ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / (std::string(Projektname) + ".zirvo9")), "");
        AlleZonen(z.F);
        AlleZonen(z.F);
        z.P.SetNZone(0);
        z.F.ProjektZoneEinlesen();
        const std::uint64_t gerechnet = z.F.Zonenberechnungen;
        b.Ausführen(z.F);
        EXPECT_EQ(z.F.Zonenberechnungen, gerechnet);
        // A changed input is computed.
        z.P.SetNZone(0);
        z.F.ProjektZoneEinlesen();
        z.F.txtEBFFl[0].setText("345");
        EXPECT_FALSE(z.F.ProjektZoneBerechnen()) << Eingabefehler.Text;
        EXPECT_EQ(z.F.Zonenberechnungen, gerechnet + 1);
    }
}

// What a user meets on the commonest path: totals that belong to the rows
// shown, typed input that reaches the file, the status bar's notes, pasted
// text, and project files reached through links or holding too many zones.
#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "frame/Dateien.h"
#include "frame/Statusmeldung.h"
#include "frame/basVB6NumCvt.h"
#include "tests/mainwindow/Befehlsfenster.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <sys/stat.h>

using Plattform::Antwort;
using Testhilfe::Befehlsfenster;
namespace fs = std::filesystem;

namespace {

// The description in row 0 of table A of zone 0, as a file holds it.
std::string GespeicherteNordwand(const std::string& pfad) {
    Projekt p;
    if (p.ProjektEinlesen(pfad) != 0) return "(nicht lesbar)";
    KollektionZeiger a = p.ZGetColl("A_");
    if (!a || a->Anzahl() < 1 || !a->Koll(1)) return "(keine Zeile)";
    return a->Koll(1)->Text(2);
}

// Every total label of the four tables that shows a figure.
std::vector<std::string> GefüllteSummen(frmZIRVO3801& f) {
    std::vector<std::string> gefüllt;
    for (const Label* l : {&f.lblDaFl, &f.lblWaFl, &f.lblWaU, &f.lblWaQt, &f.lbllaQt, &f.lblDuFl, &f.lblDuQt,
                           &f.lblFFl, &f.lblFQt, &f.lblFQs, &f.lblFQsf})
        if (!l->Caption().empty()) gefüllt.push_back(l->Name + "=" + l->Caption());
    return gefüllt;
}

// The fixture's zone of 100 m² with a south wall and a south window, stored.
void WandUndFenster(Befehlsfenster& w) {
    w.Projektangaben();
    w.z.Zeile(TabelleA, 0, {"W", "Wand", "40", "", "0.2", "", "S"});
    w.z.Zeile(TabelleF, 0, {"F", "Fenster", "10", "", "1.0", "", "S", "", "0.5", "0.7", "-", "-"});
    w.F.ProjektZoneSpeichern();
}

} // namespace

TEST(Anzeige, SummenGehörenZuDenGezeigtenZeilen) {
    Befehlsfenster w;
    auto& f = w.F;
    WandUndFenster(w);
    f.ProjektZoneEinlesen();
    EXPECT_EQ(f.lblWaFl.Caption(), "      40.0");
    ASSERT_FALSE(GefüllteSummen(f).empty());

    // A second zone without EBF: the check stops there, and its (empty)
    // tables show no figure of the first zone.
    w.z.ZoneHinzufügen("Z2");
    EXPECT_TRUE(f.AlleZonenPrüfen(false));
    EXPECT_EQ(w.P.GetNZone(), 1);
    EXPECT_EQ(GefüllteSummen(f), std::vector<std::string>{});
    EXPECT_EQ(w.Meldungen().size(), 1u);

    // Back in the first zone its figures come back; File > New then shows
    // none of them.
    f.ZoneWechseln(0);
    EXPECT_EQ(f.lblWaFl.Caption(), "      40.0");
    w.M.Antworten.push_back(Antwort::Nein);
    f.mnuDateiNeu_Click();
    EXPECT_EQ(GefüllteSummen(f), std::vector<std::string>{});
    EXPECT_EQ(f.txtDaBez[0].Text(), "");
}

// The window table's utilised solar gains and their factor follow the
// zone's balance: after the use dialog they are what a computation from
// scratch shows; while the table's last computation stopped at an input
// error they stay empty with its totals, whichever dialog is closed.
TEST(Anzeige, GenutzteSolareGewinneNachDenDialogen) {
    Befehlsfenster w;
    auto& f = w.F;
    WandUndFenster(w);
    f.LüftungAnzeigen = [] { Global::frmLüftung.cmdSchliessen_Click(); };
    f.GewinnAnzeigen = [] { Global::frmGewinn.cmdSchliessen_Click(); };
    f.MenüsAktivieren();
    f.mnuZoneF_Click();
    const std::string vorher = f.lblFQsf.Caption();

    // Twice the outside air: larger losses, more of the gains utilised.
    frmNutzung::Anzeigen = [](frmNutzung& d) {
        d.txtAVE.setText("1.4");
        d.cmdOK_Click();
    };
    f.mnuProjektNutzung_Click();
    const std::string qs = f.lblFQs.Caption(), eta = f.lblFQsf.Caption();
    EXPECT_NE(eta, vorher);
    ASSERT_FALSE(f.ProjektZoneBerechnen());
    EXPECT_EQ(f.lblFQs.Caption(), qs);
    EXPECT_EQ(f.lblFQsf.Caption(), eta);

    w.Tippen(f.txtFg[0], "1.5");
    for (auto befehl : {&frmZIRVO3801::mnuZoneL_Click, &frmZIRVO3801::mnuZoneG_Click}) {
        (f.*befehl)();
        EXPECT_EQ(f.lblFFl.Caption(), "");
        EXPECT_EQ(f.lblFQs.Caption(), "");
        EXPECT_EQ(f.lblFQsf.Caption(), "");
    }
}

TEST(Dateibefehle, GetipptesKommtInDieDatei) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    f.MenüsAktivieren();
    f.mnuZoneA_Click();

    // Save As: a name without extension becomes a project file, another
    // extension stays as typed.
    w.D.Antworten.push_back(w.Pfad("haus"));
    f.mnuDateiSpeichernUnter_Click();
    const std::string haus = w.Pfad("haus.zirvo9");
    EXPECT_EQ(w.P.Dateiname(), haus);
    EXPECT_TRUE(fs::exists(haus));
    w.D.Antworten.push_back(w.Pfad("haus.kopie"));
    f.mnuDateiSpeichernUnter_Click();
    EXPECT_TRUE(fs::exists(w.Pfad("haus.kopie")));
    EXPECT_FALSE(fs::exists(w.Pfad("haus.kopie.zirvo9")));
    w.D.Antworten.push_back(haus);
    w.M.Antworten.push_back(Antwort::Ja); // overwrite
    f.mnuDateiSpeichernUnter_Click();
    ASSERT_EQ(w.P.Dateiname(), haus);

    // Typed into a cell and not yet stored: File > Save writes it.
    f.mnuZoneA_Click();
    w.Tippen(f.txtDaBez[0], "Nordwand");
    f.mnuDateiSpeichern_Click();
    EXPECT_EQ(GespeicherteNordwand(haus), "Nordwand");

    // The same with Yes in the save question of File > New.
    w.Tippen(f.txtDaBez[0], "Südwand");
    w.M.Antworten.push_back(Antwort::Ja);
    f.mnuDateiNeu_Click();
    EXPECT_EQ(GespeicherteNordwand(haus), "Südwand");
    EXPECT_EQ(w.M.UngeplanteFragen, 0);
}

TEST(Dateibefehle, SpeichernDurchEinenLink) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    const std::string echt = w.Pfad("echt.zirvo9");
    const std::string link = w.Pfad("link.zirvo9");
    ASSERT_EQ(w.P.ProjektSpeichern(echt), 0);
    ::chmod(echt.c_str(), 0640);
    fs::create_symlink("echt.zirvo9", link);

    // Opened through the link, changed and saved: the link stays a link,
    // the file it points to gets the content and keeps its permissions.
    ASSERT_FALSE(f.ProjektÖffnen(link));
    f.MenüsAktivieren();
    f.mnuZoneA_Click();
    w.Tippen(f.txtDaBez[0], "durch den Link");
    f.mnuDateiSpeichern_Click();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(GespeicherteNordwand(echt), "durch den Link");
    EXPECT_EQ(fs::status(echt).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // No temporary file is left beside it.
    int dateien = 0;
    for (const auto& e : fs::directory_iterator(w.Ordner)) dateien += e.path().filename().string()[0] == '.';
    EXPECT_EQ(dateien, 0);
    EXPECT_EQ(Dateien::LinkZiel(link), (w.Ordner / "echt.zirvo9").string());
}

TEST(Dateibefehle, MehrAlsAchtZonenWerdenGemeldet) {
    Befehlsfenster w;
    std::string inhalt = "{SDF}{HEAD}{~HEAD}{BODY}{P}|kOrt{~P}";
    for (int z = 1; z <= 9; ++z) inhalt += "{Z}|bZone " + std::to_string(z) + "{~Z}";
    inhalt += "{~BODY}{~SDF}";
    const std::string pfad = w.Pfad("neun.zirvo9");
    std::ofstream(pfad, std::ios::binary) << inhalt;

    EXPECT_FALSE(w.F.ProjektÖffnen(pfad));
    EXPECT_EQ(Global::Projekt.ZonenAnzahl(), 8);
    const auto meldungen = w.Meldungen();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("mehr als 8 Zonen"), std::string::npos);
    EXPECT_NE(meldungen[0].find("(1)"), std::string::npos);
    EXPECT_NE(meldungen[0].find(pfad), std::string::npos);
}

TEST(Statusleiste, MeldungenUndProjekt) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    f.MenüsAktivieren();
    f.mnuZoneA_Click();
    f.txtDaC[0].setText("W");
    f.txtDaU[0].setText("0.20");
    f.txtDaO[0].setText("S");

    // A typed text that is no number is never dropped silently.
    struct Fall {
        TextBox* zelle;
        const char* getippt;
        const char* meldung; // "" = none
    };
    const Fall fälle[] = {
        {&f.txtDaFl[0], "12.5", ""},
        {&f.txtDaFl[0], "1'000", ""},
        {&f.txtDaFl[0], "", ""},
        {&f.txtDaFl[0], "abc", "Keine Zahl: abc – Eingabe verworfen"},
        {&f.txtDaFl[0], "12.5m", "Keine Zahl: 12.5m – gelesen als 12.5"},
        {&f.txtDaU[1], "0,3 W", "Keine Zahl: 0,3 W – gelesen als 0.30"},
        {&f.txtDaBez[0], "abc", ""}, // a text column
    };
    for (const Fall& fall : fälle) {
        f.sbrStatusbarText.setCaption("");
        w.Tippen(*fall.zelle, fall.getippt);
        EXPECT_EQ(f.sbrStatusbarText.Caption(), fall.meldung) << fall.getippt;
    }

    // A check without errors says so.
    w.z.TabellenLeeren();
    f.mnuExtrasOK_Click();
    EXPECT_EQ(f.sbrStatusbarText.Caption(), "Projekt getestet: keine Fehler");

    // The right panel: the project file (or that there is none) and the zone.
    f.StatusleisteAbgleichen();
    EXPECT_EQ(f.sbrStatusbarProjekt.Caption(), "Neues Projekt (nicht gespeichert)   Zone: Haus");
    ASSERT_EQ(w.P.ProjektSpeichern(w.Pfad("a.zirvo9")), 0);
    f.StatusleisteAbgleichen();
    EXPECT_EQ(f.sbrStatusbarProjekt.Caption(), w.Pfad("a.zirvo9") + "   Zone: Haus");

    // Totals that cannot be computed are never emptied without a word: the
    // note names the row and the reason, keeps a note on typed text beside
    // it, and goes once the totals are back.
    f.mnuZoneEBF_Click();
    w.Tippen(f.txtEBFBez[0], "{10*}");
    const std::string formelfehler = "Summen nicht berechnet – Zeile 1: Formel: 10* – Fehler: Syntaxfehler";
    EXPECT_EQ(f.lblEBFTotAh.Caption(), "");
    EXPECT_EQ(f.sbrStatusbarText.Caption(), formelfehler);
    w.Tippen(f.txtEBFFl[1], "abc");
    EXPECT_EQ(f.sbrStatusbarText.Caption(), "Keine Zahl: abc – Eingabe verworfen; " + formelfehler);
    w.Tippen(f.txtEBFBez[0], "{10*2}");
    EXPECT_EQ(f.sbrStatusbarText.Caption(), "");
    EXPECT_EQ(ZahlLesen(f.lblEBFTotAh.Caption()), 20);
}

TEST(Zellregeln, EingefügterTextWieGetippt) {
    Befehlsfenster w;
    auto& f = w.F;
    // Each character passes the column's key filter; line breaks go.
    EXPECT_EQ(f.Zelle_Einfügen(f.txtDaC[0], "w x\r\n"), "W");
    EXPECT_EQ(f.Zelle_Einfügen(f.txtDaC[0], "lp"), "lp");
    EXPECT_EQ(f.Zelle_Einfügen(f.txtFC[0], "Fenster"), "FT");
    EXPECT_EQ(f.Zelle_Einfügen(f.txtDaO[0], "süd\n"), "SÜD");
    EXPECT_EQ(f.Zelle_Einfügen(f.txtDaFl[0], "12,5\tm²"), "12,5m²");
}

// The status bar's right panel names the zone whose tables are shown after
// the use dialog; with the project closed both panels are empty, even when
// the table on screen could not compute its totals without the project.
TEST(Statusleiste, ZoneDerTabellenUndOhneProjekt) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    w.P.ZSetStr("H", "Code");
    w.P.SetNZone(w.z.ZoneHinzufügen("VW"));
    w.P.ZSetStr("Verwaltung", "Bez");
    w.P.SetNZone(0);
    f.ProjektZoneEinlesen();
    f.MenüsAktivieren();
    f.mnuZoneEBF_Click();
    for (const auto& [index, zone] : {std::pair{1, "Verwaltung [VW]"}, {0, "Haus [H]"}}) {
        frmNutzung::Anzeigen = [index](frmNutzung& d) {
            d.cboZonen.setListIndex(index);
            d.cboZonen_Click();
            d.cmdOK_Click();
        };
        f.mnuProjektNutzung_Click();
        f.StatusleisteAbgleichen();
        EXPECT_EQ(f.sbrStatusbarProjekt.Caption(), std::string("Neues Projekt (nicht gespeichert)   Zone: ") + zone);
        EXPECT_EQ(f.picTitel[0].Text(), w.P.ZGetStr("Bez") + "  :  Energiebezugsfläche");
    }

    // Closed with the outside-air table on screen, whose totals need an EBF.
    f.mnuZoneA_Click();
    w.M.Antworten.push_back(Antwort::Nein);
    f.mnuDateiSchliessen_Click();
    ASSERT_FALSE(w.P.Exist());
    f.StatusleisteAbgleichen();
    EXPECT_EQ(f.sbrStatusbarProjekt.Caption(), "");
    EXPECT_EQ(f.sbrStatusbarText.Caption(), "");
}

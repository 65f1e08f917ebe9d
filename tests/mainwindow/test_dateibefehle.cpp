// The main window's File menu, the recent projects, the command gate and the
// enabled states of the menus, driven as a user drives the window.
#include "balance/Klimastation_MB2028.h"
#include "balance/frmQh.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/frmOptionen.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"
#include "frame/Dateien.h"
#include "frame/Sperrdatei.h"
#include "tests/mainwindow/Befehlsfenster.h"
#include "tests/support/Fremdbenutzer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

using Plattform::Antwort;
using Testhilfe::Befehlsfenster;
using Testhilfe::GespeichertDannGetippt;
using Testhilfe::GetipptIn;

namespace {

const std::string Frage = "Soll das aktuelle Projekt gespeichert werden?";

std::string Dateiinhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The user's project dialog: identification, name and station, then OK.
void ProjektdialogAusfüllen(frmProjekt& d) {
    d.txtID.setText("P-17");
    d.txtBez.setText("Haus am See");
    for (int i = 0; i < d.cboKlimastation.ListCount(); ++i)
        if (d.cboKlimastation.ListEntry(i) == Testhilfe::Zonenprojekt::Station) d.cboKlimastation.setListIndex(i);
    d.cboKlimastation_Click();
    d.cmdOK_Click();
}

} // namespace

TEST(Dateibefehle, NeuEingebenSpeichernSchliessenWiederÖffnen) {
    Befehlsfenster w;
    auto& f = w.F;
    Global::Projekt = Projekt();
    f.MenüsAktivieren();
    EXPECT_FALSE(f.mnuDateiSpeichern.Enabled());
    EXPECT_FALSE(f.mnuZone.Enabled());

    // File > New: no project yet, so no question; the project dialog opens.
    frmProjekt::Anzeigen = ProjektdialogAusfüllen;
    f.mnuDateiNeu_Click();
    Projekt& p = Global::Projekt;
    ASSERT_TRUE(p.Exist());
    EXPECT_EQ(p.PGetStr("Id"), "P-17");
    EXPECT_EQ(p.Dateiname(), "");
    EXPECT_EQ(f.Caption, basZIRVO3801::ProgrammTitel);
    EXPECT_TRUE(f.mnuDateiSpeichern.Enabled());
    EXPECT_TRUE(f.mnuZone.Enabled());

    // The use: a name, category I and the heat storage capacity.
    frmNutzung::Anzeigen = [](frmNutzung& d) {
        d.txtBez.setText("Wohnen");
        d.cboGebKat.setListIndex(0);
        d.cboGebKat_Click();
        d.txtRR.setText("0");
        d.txtC.setText("0.1");
        d.txtC_LostFocus();
        d.cmdOK_Click();
    };
    f.mnuProjektNutzung_Click();
    EXPECT_EQ(p.ZGetInt("Gk"), 1);

    // The floor area, then a wall: typed into the tables as shown.
    f.mnuZoneEBF_Click();
    EXPECT_EQ(f.PaneTabelle[0], TabelleEBF);
    w.Tippen(f.txtEBFFl[0], "120");
    EXPECT_EQ(p.ZGetNum("EBF"), 120);
    f.mnuZoneA_Click();
    EXPECT_EQ(f.PaneTabelle[0], TabelleA);
    EXPECT_EQ(w.Taste(f.txtDaC[0], 'w'), "W");
    w.Tippen(f.txtDaBez[0], "Wand Süd");
    w.Tippen(f.txtDaFl[0], "35,5");
    w.Tippen(f.txtDaU[0], "0.25");
    w.Tippen(f.txtDaO[0], "S");
    EXPECT_TRUE(w.Meldungen().empty());
    // The use dialog closed with OK: the tables are computed afresh for the
    // use as it stands. 35.5 m² at 0.25 W/m²K over 120 m², Zürich at 20 °C:
    // sum of (20 - Te) · days = 3869.4 Kd, 8.875 · 0.024 / 120 · 3869.4 = 6.868;
    // at 22 °C 3869.4 + 2 · 365 = 4599.4 Kd, 8.164 kWh/m².
    auto summen = [&] {
        return std::vector<std::string>{basZIRVO_Format::TextTrimmen(f.lblWaFl.Caption()),
                                        basZIRVO_Format::TextTrimmen(f.lblWaU.Caption()),
                                        basZIRVO_Format::TextTrimmen(f.lblWaQt.Caption())};
    };
    frmNutzung::Anzeigen = [](frmNutzung& d) { d.cmdOK_Click(); };
    f.mnuProjektNutzung_Click();
    EXPECT_EQ(summen(), (std::vector<std::string>{"35.5", "0.25", "6.9"}));
    frmNutzung::Anzeigen = [](frmNutzung& d) {
        d.txtTi.setText("22");
        d.cmdOK_Click();
    };
    f.mnuProjektNutzung_Click();
    EXPECT_EQ(summen(), (std::vector<std::string>{"35.5", "0.25", "8.2"}));

    // Save As: written, read back under the new name, no table shown.
    const std::string datei = w.Pfad("Haus.zirvo9");
    w.D.Antworten.push_back(datei);
    f.mnuDateiSpeichernUnter_Click();
    EXPECT_TRUE(w.Meldungen().empty());
    EXPECT_EQ(p.Dateiname(), datei);
    EXPECT_EQ(f.Caption, "Haus - " + basZIRVO3801::ProgrammTitel);
    EXPECT_EQ(f.PaneTabelle[0], 0);
    EXPECT_EQ(Global::Initialisierung.LetzteProjekte(0), datei);
    EXPECT_EQ(f.mnuDateiLetzte[0].Caption(), "&1  " + datei);
    EXPECT_TRUE(f.mnuDateiLetzte[0].Visible());
    EXPECT_FALSE(f.mnuDateiLetzte[1].Visible());
    EXPECT_TRUE(f.mnuDateiTrLP.Visible());

    // Close: the question answered No; the window is empty.
    w.M.Antworten.push_back(Antwort::Nein);
    f.mnuDateiSchliessen_Click();
    EXPECT_EQ(w.Meldungen(), std::vector<std::string>{Frage});
    EXPECT_FALSE(Global::Projekt.Exist());
    EXPECT_EQ(Global::Projekt.ZonenAnzahl(), 0);
    EXPECT_EQ(f.Caption, basZIRVO3801::ProgrammTitel);
    EXPECT_FALSE(f.mnuDateiSpeichern.Enabled());
    EXPECT_FALSE(f.mnuProjekt.Enabled());
    for (int t = 1; t <= 4; ++t) EXPECT_FALSE(f.Tabellen[static_cast<std::size_t>(t)]->getVisible());

    // The recent entry opens it again (no project: no question), ending with
    // the project dialog, which the user closes.
    bool dialog = false;
    frmProjekt::Anzeigen = [&](frmProjekt& d) {
        dialog = true;
        EXPECT_EQ(d.txtID.Text(), "P-17");
        d.cmdAbbrechen_Click();
    };
    f.mnuDateiLetzte_Click(0);
    EXPECT_TRUE(dialog);
    EXPECT_TRUE(w.Meldungen().empty());
    Projekt& q = Global::Projekt;
    ASSERT_TRUE(q.Exist());
    EXPECT_EQ(q.Dateiname(), datei);
    EXPECT_EQ(q.PGetStr("Bez"), "Haus am See");
    EXPECT_EQ(q.PGetStr("KlSt"), Testhilfe::Zonenprojekt::Station);
    EXPECT_EQ(q.ZGetStr("Bez"), "Wohnen");
    EXPECT_EQ(q.ZGetInt("Gk"), 1);
    EXPECT_EQ(q.ZGetNum("C"), 0.1);
    EXPECT_EQ(q.ZGetNum("EBF"), 120);
    f.mnuZoneA_Click();
    EXPECT_EQ(f.txtDaC[0].Text(), "W");
    EXPECT_EQ(f.txtDaBez[0].Text(), "Wand Süd");
    EXPECT_EQ(ZahlLesen(f.txtDaFl[0].Text()), 35.5);
    EXPECT_EQ(ZahlLesen(f.txtDaU[0].Text()), 0.25);
    EXPECT_EQ(f.txtDaO[0].Text(), "S");
    EXPECT_EQ(f.txtDaBez[1].Text(), "");
    EXPECT_TRUE(w.Meldungen().empty());
}

TEST(Dateibefehle, SpeichernFragen) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    f.MenüsAktivieren();

    // Cancel: the command stops, nothing saved.
    w.M.Antworten.push_back(Antwort::Abbrechen);
    f.mnuDateiNeu_Click();
    EXPECT_EQ(w.Meldungen(), std::vector<std::string>{Frage});
    EXPECT_EQ(w.P.PGetStr("Id"), "P-1");

    // Yes without a file name: the save dialog; cancelled there, nothing happens.
    w.M.Antworten.push_back(Antwort::Ja);
    f.mnuDateiSchliessen_Click();
    EXPECT_EQ(w.D.Titel.size(), 1u);
    EXPECT_TRUE(w.P.Exist());

    // Yes with a name: saved, then the new project replaces it; its dialog
    // is cancelled.
    const std::string a = w.Pfad("a.zirvo9");
    w.M.Antworten.push_back(Antwort::Ja);
    w.D.Antworten.push_back(a);
    f.mnuDateiNeu_Click();
    w.Meldungen();
    EXPECT_TRUE(std::filesystem::exists(a));
    EXPECT_TRUE(Global::Projekt.Exist());
    EXPECT_EQ(Global::Projekt.PGetStr("Id"), "");
    EXPECT_EQ(Global::Projekt.Dateiname(), "");
    EXPECT_EQ(Global::Initialisierung.LetzteProjekte(0), a);

    // Save as onto an existing file answered No writes nothing.
    Global::Projekt.PSetStr("P-2", "Id");
    const std::string vorher = Dateiinhalt(a);
    w.D.Antworten.push_back(a);
    w.M.Antworten.push_back(Antwort::Nein);
    f.mnuDateiSpeichernUnter_Click();
    EXPECT_EQ(w.Meldungen(), std::vector<std::string>{"Vorhandene Datei überschreiben?"});
    EXPECT_EQ(Dateiinhalt(a), vorher);
    EXPECT_EQ(Global::Projekt.Dateiname(), "");
    EXPECT_TRUE(Global::Projekt.Exist());

    // File > New keeps no file name: Save asks for one.
    w.D.Antworten.push_back(std::nullopt);
    const std::size_t dialoge = w.D.Titel.size();
    f.mnuDateiSpeichern_Click();
    EXPECT_EQ(w.D.Titel.size(), dialoge + 1);
    EXPECT_EQ(w.M.UngeplanteFragen, 0);
}

TEST(Dateibefehle, SdfNurUnterNeuemNamen) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    // A project file with the old extension.
    const std::string sdf = w.Pfad("Alt.SDF");
    ASSERT_EQ(w.P.ProjektSpeichern(sdf), 0);
    ASSERT_EQ(w.P.ProjektEinlesen(sdf), 0);
    f.ProjektAnzeigen();
    f.MenüsAktivieren();
    const std::string alt = Dateiinhalt(sdf);

    // Save opens Save As; a new name is written, the old file stays.
    const std::string neu = w.Pfad("Neu.zirvo9");
    w.D.Antworten.push_back(neu);
    w.P.PSetStr("P-neu", "Id");
    f.mnuDateiSpeichern_Click();
    EXPECT_EQ(w.D.Titel.size(), 1u);
    EXPECT_EQ(Global::Projekt.Dateiname(), neu);
    EXPECT_EQ(Dateiinhalt(sdf), alt);

    // The save question on such a project asks for a new name as well.
    ASSERT_EQ(Global::Projekt.ProjektEinlesen(sdf), 0);
    const std::string zweit = w.Pfad("Zweit.zirvo9");
    w.M.Antworten.push_back(Antwort::Ja);
    w.D.Antworten.push_back(zweit);
    f.mnuDateiSchliessen_Click();
    EXPECT_EQ(w.D.Titel.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(zweit));
    EXPECT_EQ(Dateiinhalt(sdf), alt);
    EXPECT_FALSE(Global::Projekt.Exist());
}

TEST(Dateibefehle, SpeichernInGeschütztenOrdner) {
    Befehlsfenster w;
    auto& f = w.F;
    const std::string datei = w.Pfad("Haus.zirvo9");
    ASSERT_NO_FATAL_FAILURE(GespeichertDannGetippt(w, datei, "noch nicht gespeichert"));

    // A folder nobody may write into (for a super-user, one of the system's).
    std::filesystem::path geschützt = w.Ordner / "geschützt";
    std::filesystem::create_directory(geschützt);
    std::filesystem::permissions(geschützt, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (access(geschützt.c_str(), W_OK) == 0) geschützt = "/proc";
    const std::string ziel = (geschützt / "Kopie.zirvo9").string();

    // Save As there: the reason is shown, the project stays open and unchanged.
    w.D.Antworten.push_back(ziel);
    f.mnuDateiSpeichernUnter_Click();
    auto texte = w.Meldungen();
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_NE(texte[0].find(ziel), std::string::npos);
    EXPECT_EQ(w.M.Zuletzt().Symbol, Plattform::Symbol::Fehler);
    EXPECT_FALSE(std::filesystem::exists(ziel));
    Projekt& p = Global::Projekt;
    EXPECT_TRUE(p.Exist());
    EXPECT_EQ(p.Dateiname(), datei);
    EXPECT_EQ(p.PGetStr("Id"), "P-1");
    EXPECT_EQ(f.PaneTabelle[0], TabelleA);
    EXPECT_EQ(f.txtDaBez[0].Text(), "noch nicht gespeichert");
    EXPECT_EQ(Global::Initialisierung.LetzteProjekte(0), datei);
    EXPECT_EQ(Global::Initialisierung.LetzteProjekteAnzahl(), 1);

    // In the save question a failed save counts as Cancel: the project is
    // not closed. (A project read from an ".sdf" file asks for the name.)
    ASSERT_EQ(p.ProjektSpeichern(w.Pfad("x.sdf")), 0);
    w.M.Antworten.push_back(Antwort::Ja);
    w.D.Antworten.push_back(ziel);
    f.mnuDateiSchliessen_Click();
    texte = w.Meldungen();
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0], Frage);
    EXPECT_NE(texte[1].find(ziel), std::string::npos);
    EXPECT_TRUE(Global::Projekt.Exist());
    EXPECT_EQ(Global::Projekt.PGetStr("Id"), "P-1");
    EXPECT_EQ(f.txtDaBez[0].Text(), "noch nicht gespeichert");
}

// A project file this user may not write is not replaced: one whose mode
// lets nobody write it (by root neither), and a colleague's 0644 file in a
// folder that the user's group may write. Save says so and asks for another
// name, again while the name chosen is such a file.
TEST(Dateibefehle, SchreibgeschützteProjektdatei) {
    std::string grund;
    const auto niemand = Testhilfe::Niemand(grund);
    for (const bool kollegin : {false, true}) {
        SCOPED_TRACE(kollegin ? "0644 einer Kollegin" : "0444");
        if (kollegin && !niemand) GTEST_SKIP() << grund;
        Befehlsfenster w;
        const std::string datei = w.Pfad("Haus.zirvo9"), kopie = w.Pfad("Kopie.zirvo9");
        ASSERT_NO_FATAL_FAILURE(GespeichertDannGetippt(w, datei, "Nachher"));
        const gid_t team = Testhilfe::FreieGruppe();
        if (kollegin) {
            ASSERT_EQ(::chown(w.Ordner.c_str(), 0, team), 0);
            ASSERT_EQ(::chmod(w.Ordner.c_str(), 0775), 0);
            ASSERT_EQ(::chown(datei.c_str(), 4711, team), 0);
        }
        std::filesystem::permissions(datei, std::filesystem::perms(kollegin ? 0644 : 0444));
        const std::string alt = Dateiinhalt(datei);
        w.D.Titel.clear();
        w.D.Antworten = {datei, kopie};
        // The messages, the number of dialogs shown and the file name afterwards.
        auto speichern = [&] {
            w.F.mnuDateiSpeichern_Click();
            std::string bericht;
            for (const auto& t : w.Meldungen()) bericht += t + "\n";
            return bericht + std::to_string(w.D.Titel.size()) + " " + Global::Projekt.Dateiname();
        };
        const std::string meldung =
            "Datei:  " + datei + "\r\n\r\nDie Datei ist schreibgeschützt. Bitte wählen Sie einen anderen Namen.\n";
        EXPECT_EQ(kollegin ? Testhilfe::AlsBenutzer(*niemand, {team}, speichern) : speichern(),
                  meldung + meldung + "2 " + kopie);
        EXPECT_EQ(Dateiinhalt(datei), alt);
        EXPECT_EQ(GetipptIn(kopie), "Nachher");
    }
}

// Two engineers on one project file: Save asks before it writes over a file
// whose content someone else has changed since this copy opened or last
// saved it: "Ja" keeps that file and saves under another name, "Nein"
// overwrites it, "Abbrechen" saves nothing. A file written anew with the
// same content, or deleted, holds no one's other work: Save asks nothing.
// Our own save is what the next one compares with.
TEST(Dateibefehle, FremdeÄnderungFragtVorDemÜberschreiben) {
    basZIRVODialogSprache::SpracheSetzen();
    using Änderung = void (*)(const std::string&);
    const Änderung kollegin = [](const std::string& datei) {
        Projekt andere;
        ASSERT_EQ(andere.ProjektEinlesen(datei), 0);
        andere.PSetStr("Von der Kollegin", "Bez");
        ASSERT_EQ(andere.ProjektSpeichern(datei), 0);
    };
    struct Fall {
        const char* Titel;
        Änderung Ändern;
        std::deque<Antwort> Antworten; // to the question, when it comes
        bool Meins;                    // afterwards our project is in the file
        bool Kopie;                    // ours saved under another name
    };
    const Fall fälle[] = {
        {"unverändert", [](const std::string&) {}, {}, true, false},
        {"gleicher Inhalt neu geschrieben",
         [](const std::string& d) { ASSERT_TRUE(Dateien::SicherSchreiben(d, Dateiinhalt(d))); }, {}, true, false},
        {"gelöscht", [](const std::string& d) { ASSERT_TRUE(std::filesystem::remove(d)); }, {}, true, false},
        {"Kollegin gespeichert, überschreiben", kollegin, {Antwort::Nein}, true, false},
        {"Kollegin gespeichert, abbrechen", kollegin, {Antwort::Abbrechen}, false, false},
        {"Kollegin gespeichert, anderer Name", kollegin, {Antwort::Ja}, false, true},
        {"am Ort verändert, gleiche Länge",
         [](const std::string& d) {
             std::string inhalt = Dateiinhalt(d);
             inhalt[inhalt.size() / 2] ^= 1;
             std::fstream(d, std::ios::in | std::ios::out | std::ios::binary) << inhalt;
         },
         {Antwort::Abbrechen}, false, false},
    };
    const auto frage = [](const std::string& datei) {
        return "Datei:  " + datei +
               "\r\n\r\nDie Projektdatei wurde seit dem Öffnen oder dem letzten Speichern verändert, vielleicht von "
               "einer anderen Person.\r\n\r\nSoll das Projekt unter einem anderen Namen gespeichert werden? Mit "
               "\"Ja\" bleibt die veränderte Datei erhalten, mit \"Nein\" wird sie überschrieben, mit \"Abbrechen\" "
               "wird nichts gespeichert.";
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.Titel);
        Befehlsfenster w;
        const std::string datei = w.Pfad("Haus.zirvo9"), kopie = w.Pfad("Kopie.zirvo9");
        ASSERT_NO_FATAL_FAILURE(GespeichertDannGetippt(w, datei, "meins"));
        ASSERT_NO_FATAL_FAILURE(fall.Ändern(datei));
        const std::string ihres = Dateiinhalt(datei);
        w.M.Antworten = fall.Antworten;
        w.D.Antworten = {kopie};
        w.F.mnuDateiSpeichern_Click();
        EXPECT_EQ(w.Meldungen(), fall.Antworten.empty() ? std::vector<std::string>{}
                                                        : std::vector<std::string>{frage(datei)});
        if (!fall.Antworten.empty()) {
            ASSERT_NE(w.M.Letzte(), nullptr);
            EXPECT_EQ(w.M.Zuletzt().Knöpfe, Plattform::Knöpfe::JaNeinAbbrechen);
            EXPECT_EQ(w.M.Zuletzt().Vorgabe, Antwort::Ja);
        }
        EXPECT_EQ(fall.Meins ? GetipptIn(datei) : Dateiinhalt(datei), fall.Meins ? "meins" : ihres);
        EXPECT_EQ(Global::Projekt.Dateiname(), fall.Kopie ? kopie : datei);
        EXPECT_EQ(GetipptIn(kopie), fall.Kopie ? "meins" : "(nicht lesbar)");
        // What this copy saved last is what the next save compares with.
        if (fall.Meins || fall.Kopie) {
            w.F.mnuDateiSpeichern_Click();
            EXPECT_TRUE(w.Meldungen().empty());
        }
    }

    // The save question on closing asks as well; cancelled there, the
    // project stays open and the colleague's file as it is.
    Befehlsfenster w;
    const std::string datei = w.Pfad("Haus.zirvo9");
    ASSERT_NO_FATAL_FAILURE(GespeichertDannGetippt(w, datei, "meins"));
    ASSERT_NO_FATAL_FAILURE(kollegin(datei));
    const std::string ihres = Dateiinhalt(datei);
    w.M.Antworten = {Antwort::Ja, Antwort::Abbrechen};
    EXPECT_TRUE(w.F.Form_QueryUnload());
    EXPECT_EQ(w.Meldungen(), (std::vector<std::string>{Frage, frage(datei)}));
    EXPECT_EQ(Dateiinhalt(datei), ihres);
}

// Two copies of the program, each with its own input, press Save on one
// project at the same moment, round after round: the second always finds
// the first one's file and is asked; none saves over the other unasked.
TEST(Dateibefehle, ZweiGleichzeitigeSpeichernFragen) {
    basZIRVODialogSprache::SpracheSetzen();
    constexpr int Runden = 40;
    const std::string frage = "Die Projektdatei wurde seit dem Öffnen oder dem letzten Speichern verändert";
    Befehlsfenster w;
    int gefragt = 0;
    for (int runde = 0; runde < Runden; ++runde) {
        SCOPED_TRACE("Runde " + std::to_string(runde));
        const std::string datei = w.Pfad("Haus" + std::to_string(runde) + ".zirvo9");
        ASSERT_NO_FATAL_FAILURE(GespeichertDannGetippt(w, datei, "vorher"));
        // Both copies start from the same file and are let go together.
        int los[2];
        ASSERT_EQ(::pipe(los), 0);
        auto kopie = [&](int nummer) {
            return [&, nummer] {
                ::close(los[1]);
                w.Tippen(w.F.txtDaBez[0], "Kopie " + std::to_string(nummer));
                w.M.Antworten = {Antwort::Abbrechen};
                char c;
                while (::read(los[0], &c, 1) > 0) {}
                w.F.mnuDateiSpeichern_Click();
                std::string texte;
                for (const std::string& t : w.Meldungen()) texte += t + "\n";
                return texte;
            };
        };
        Testhilfe::Kindprozess erste(kopie(1)), zweite(kopie(2));
        ::close(los[1]);
        ::close(los[0]);
        const auto a = erste.Ergebnis(), b = zweite.Ergebnis();
        ASSERT_TRUE(a && b);
        // One saved without a word, the other was asked and cancelled.
        const bool ersteGefragt = a->find(frage) != std::string::npos;
        EXPECT_TRUE((a->empty() && b->find(frage) != std::string::npos) || (ersteGefragt && b->empty()))
            << *a << "|" << *b;
        EXPECT_EQ(GetipptIn(datei), ersteGefragt ? "Kopie 2" : "Kopie 1");
        gefragt += ersteGefragt || b->find(frage) != std::string::npos;
    }
    EXPECT_EQ(gefragt, Runden);

    // A copy that holds the lock longer than a moment (its user still
    // answering that question): the save says so and writes nothing.
    const std::string datei = w.Pfad("Haus0.zirvo9");
    const std::string vorher = Dateiinhalt(datei);
    const int andere = ::open(Sperrdatei::Daneben(datei).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(andere, LOCK_EX), 0);
    ASSERT_NO_FATAL_FAILURE(GespeichertDannGetippt(w, w.Pfad("Neu.zirvo9"), "neu"));
    w.D.Antworten.push_back(datei);
    w.M.Antworten = {Antwort::Ja};
    w.F.mnuDateiSpeichernUnter_Click();
    const auto texte = w.Meldungen();
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[1], "Datei:  " + datei +
                            "\r\n\r\nDie Projektdatei wird gerade von einem anderen Programm gespeichert.\r\nDas "
                            "Projekt wurde nicht gespeichert. Bitte versuchen Sie es nochmals.");
    EXPECT_EQ(Dateiinhalt(datei), vorher);
    EXPECT_EQ(Global::Projekt.Dateiname(), w.Pfad("Neu.zirvo9"));
    ::close(andere);
}

TEST(Dateibefehle, UnlesbareUndFehlendeDateien) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    const std::string gut = w.Pfad("Gut.zirvo9");
    ASSERT_EQ(w.P.ProjektSpeichern(gut), 0);
    f.LetzteProjekteAnzeigen(gut);
    f.MenüsAktivieren();

    const std::string kaputt = w.Pfad("Kaputt.zirvo9");
    std::ofstream(kaputt) << "{SDF}{HEAD}kein Projekt";

    // Open: the question answered No, the broken file chosen. An error names
    // the file; the open project stays as it was, the list does not take it.
    w.M.Antworten.push_back(Antwort::Nein);
    w.D.Antworten.push_back(kaputt);
    frmProjekt::Anzeigen = [](frmProjekt& d) { d.cmdAbbrechen_Click(); };
    f.mnuDateiÖffnen_Click();
    auto texte = w.Meldungen();
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0], Frage);
    EXPECT_EQ(texte[1].rfind("Datei:  " + kaputt + "\r\n\r\nDie Datei kann nicht als Projekt gelesen werden.", 0), 0u);
    EXPECT_EQ(w.M.Zuletzt().Symbol, Plattform::Symbol::Fehler);
    EXPECT_TRUE(Global::Projekt.Exist());
    EXPECT_EQ(Global::Projekt.Dateiname(), gut);
    EXPECT_EQ(Global::Projekt.PGetStr("Id"), "P-1");
    EXPECT_EQ(Global::Initialisierung.LetzteProjekteAnzahl(), 1);
    EXPECT_TRUE(f.mnuDateiSpeichern.Enabled());

    // A recent entry whose file is gone: the message, the entry stays.
    std::filesystem::remove(gut);
    w.M.Antworten.push_back(Antwort::Nein);
    f.mnuDateiLetzte_Click(0);
    texte = w.Meldungen();
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[1], "Datei:  " + gut + "\r\n\r\nDateiname oder Pfad ungültig.");
    EXPECT_EQ(Global::Initialisierung.LetzteProjekte(0), gut);
    EXPECT_TRUE(Global::Projekt.Exist());

    // The command line names a missing file: the same message, no project.
    Global::Projekt = Projekt();
    f.ProjektEinlesenBeimProgrammstart(w.Pfad("fehlt.zirvo9"));
    texte = w.Meldungen();
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_NE(texte[0].find("Dateiname oder Pfad ungültig."), std::string::npos);
    EXPECT_FALSE(Global::Projekt.Exist());

    // An entry index outside the list does nothing.
    f.mnuDateiLetzte_Click(3);
    EXPECT_TRUE(w.Meldungen().empty());
}

TEST(Dateibefehle, LetzteProjekte) {
    Befehlsfenster w;
    auto& f = w.F;
    Global::Projekt = Projekt();
    f.LetzteProjekteAnzeigen("");
    EXPECT_FALSE(f.mnuDateiTrLP.Visible());
    for (int i = 0; i < f.mnuDateiLetzte.Anzahl(); ++i) EXPECT_FALSE(f.mnuDateiLetzte[i].Visible());

    // Two projects on disk, both in the list.
    std::vector<std::string> dateien;
    for (const char* name : {"Eins", "Zwei"}) {
        Projekt p;
        p.ProjektNeu();
        p.PSetStr(name, "Id");
        dateien.push_back(w.Pfad(std::string(name) + ".zirvo9"));
        ASSERT_EQ(p.ProjektSpeichern(dateien.back()), 0);
        f.LetzteProjekteAnzeigen(dateien.back());
    }
    EXPECT_TRUE(f.mnuDateiTrLP.Visible());
    EXPECT_EQ(f.mnuDateiLetzte[0].Caption(), "&1  " + dateien[1]);
    EXPECT_EQ(f.mnuDateiLetzte[1].Caption(), "&2  " + dateien[0]);
    EXPECT_TRUE(f.mnuDateiLetzte[1].Visible());
    EXPECT_FALSE(f.mnuDateiLetzte[2].Visible());
    EXPECT_FALSE(f.mnuDateiLetzte[3].Visible());

    // Opening the second entry moves it to the top and renumbers both.
    f.mnuDateiLetzte_Click(1);
    EXPECT_EQ(Global::Projekt.PGetStr("Id"), "Eins");
    EXPECT_EQ(f.mnuDateiLetzte[0].Caption(), "&1  " + dateien[0]);
    EXPECT_EQ(f.mnuDateiLetzte[1].Caption(), "&2  " + dateien[1]);
    EXPECT_EQ(f.Caption, "Eins - " + basZIRVO3801::ProgrammTitel);
    // Without station and category the project command stopped at the gate.
    EXPECT_EQ(w.Meldungen(), std::vector<std::string>{});
}

TEST(Dateibefehle, BeendenMitSpeicherfrage) {
    Befehlsfenster w;
    auto& f = w.F;
    w.Projektangaben();
    // The view closes the window through its close box, which asks first.
    bool offen = true;
    f.Schliessen = [&] {
        if (!f.Form_QueryUnload()) offen = false;
    };
    w.M.Antworten.push_back(Antwort::Abbrechen);
    f.mnuDateiBeenden_Click();
    EXPECT_TRUE(offen);
    w.M.Antworten.push_back(Antwort::Nein);
    f.mnuDateiBeenden_Click();
    EXPECT_FALSE(offen);
    EXPECT_EQ(w.Meldungen(), (std::vector<std::string>{Frage, Frage}));
}

TEST(Befehlsprüfung, MeldungenInDerReihenfolge) {
    Befehlsfenster w;
    auto& f = w.F;
    Projekt& p = w.P;
    const std::string alle = "PBYNEAUFLGQX";
    // Which letters pass, and the messages of those that do not.
    auto prüfen = [&](const std::string& durch, const std::string& meldung) {
        for (char c : alle) {
            const bool erwartet = durch.find(c) != std::string::npos;
            EXPECT_EQ(f.BefehlMöglich(std::string(1, c)), erwartet) << c;
            auto texte = w.Meldungen();
            if (erwartet) EXPECT_TRUE(texte.empty()) << c;
            else EXPECT_EQ(texte, std::vector<std::string>{meldung}) << c;
        }
    };

    Projekt ohne;
    std::swap(ohne, Global::Projekt);
    for (char c : alle) EXPECT_FALSE(f.BefehlMöglich(std::string(1, c)));
    EXPECT_TRUE(w.Meldungen().empty());
    std::swap(ohne, Global::Projekt);

    // The fixture's project: station and category, no identification, no area.
    prüfen("P", "Bitte Projektangaben eingeben.");
    EXPECT_EQ(w.M.Zuletzt().Titel, basZIRVO3801::ProgrammTitel);
    EXPECT_EQ(w.M.Zuletzt().Symbol, Plattform::Symbol::Fehler);
    p.PSetStr("P-1", "Id");
    // A station named but not loaded.
    Global::Klimastation_MB2028.KlimastationEinlesen("");
    prüfen("PBY", "Bitte Klimastation in den Projektangaben definieren.");
    Global::Klimastation_MB2028.KlimastationEinlesen(Testhilfe::Zonenprojekt::Station);
    p.ZSetInt(0, "Gk");
    prüfen("PBYN", "Bitte Gebäudekategorie in den Nutzungsangaben definieren.");
    p.ZSetInt(1, "Gk");
    p.ZSetNum(0, "C");
    prüfen("PBYN", "Bitte Wärmespeicherfähigkeit in den Nutzungsangaben definieren.");
    p.ZSetNum(-0.1, "C");
    prüfen("PBYNE", "Bitte Energiebezugsfläche eingeben.");
    p.ZSetNum(-5, "EBF");
    prüfen(alle, "");
    // An unknown letter is treated like a zone letter.
    p.ZSetNum(0, "EBF");
    EXPECT_FALSE(f.BefehlMöglich("Z"));
    EXPECT_EQ(w.Meldungen(), std::vector<std::string>{"Bitte Energiebezugsfläche eingeben."});
}

TEST(Menübefehle, AktivierungUndSymbolleisten) {
    Befehlsfenster w;
    auto& f = w.F;
    Projekt projekt;
    std::swap(projekt, Global::Projekt);
    f.mnuDatei_Click();
    for (Menüeintrag* m : {&f.mnuDateiSchliessen, &f.mnuDateiSpeichern, &f.mnuDateiSpeichernUnter,
                           &f.mnuDateiDrucken, &f.mnuBearb, &f.mnuProjekt, &f.mnuZone, &f.mnuNachweis,
                           &f.mnuExtrasOK, &f.mnuExtrasVerluste, &f.mnuExtrasFlächen, &f.mnuExtrasEnergien,
                           &f.mnuExtrasWärmeleistungsbedarf})
        EXPECT_FALSE(m->Enabled()) << m->Name;
    for (Menüeintrag* m : {&f.mnuDateiNeu, &f.mnuDateiÖffnen, &f.mnuDateiBeenden, &f.mnuTabellen,
                           &f.mnuExtrasOptionen, &f.mnuHilfeInfo, &f.mnuHilfeInfoZahlenformat, &f.mnuProjektAngaben,
                           &f.mnuZoneEBF})
        EXPECT_TRUE(m->Enabled()) << m->Name;
    // Windows not installed keep their entries disabled.
    EXPECT_FALSE(f.mnuZoneQh.Enabled());
    EXPECT_FALSE(f.mnuTabellenRechner.Enabled());
    EXPECT_FALSE(f.mnuNachweis3801System.Enabled());

    // The tool-bar buttons take the state of their commands' entries, the
    // menu that holds them included: no project, no Projekt or Zone button.
    for (const char* k : {"P", "N", "B", "E", "A", "U", "F", "L", "G", "Q"}) {
        ASSERT_NE(f.tbrToolbar2.Knopf(k), nullptr) << k;
        EXPECT_FALSE(f.tbrToolbar2.Knopf(k)->Enabled()) << k;
    }
    for (const char* k : {"Save", "Print", "OK"}) EXPECT_FALSE(f.tbrToolbar1.Knopf(k)->Enabled()) << k;
    for (const char* k : {"New", "Open", "T"}) EXPECT_TRUE(f.tbrToolbar1.Knopf(k)->Enabled()) << k;

    // Should a button be pressed all the same, its handler stops at the
    // gate without a message; "OK" does nothing.
    for (const char* k : {"P", "N", "B", "E", "A", "U", "F", "L", "G", "Q"}) f.tbrToolbar2_ButtonClick(k);
    f.tbrToolbar1_ButtonClick("OK");
    f.tbrToolbar1_ButtonClick("Save");
    f.tbrToolbar1_ButtonClick("Print");
    EXPECT_TRUE(w.Meldungen().empty());
    EXPECT_EQ(f.PaneTabelle[0], 0);

    // With a project and the windows installed, the entries follow.
    std::swap(projekt, Global::Projekt);
    w.Projektangaben();
    int qh = 0, rechner = 0;
    f.QhAnzeigen = [&] { ++qh; };
    f.TabellenRechnerAnzeigen = [&] { ++rechner; };
    f.MenüsAktivieren();
    EXPECT_TRUE(f.mnuZoneQh.Enabled());
    EXPECT_TRUE(f.mnuTabellenRechner.Enabled());
    EXPECT_TRUE(f.mnuDateiSchliessen.Enabled());
    for (const char* k : {"P", "N", "E", "A", "U", "F", "Q"}) EXPECT_TRUE(f.tbrToolbar2.Knopf(k)->Enabled()) << k;
    EXPECT_EQ(f.tbrToolbar2.Knopf("L")->Enabled(), f.mnuZoneL.Enabled());
    for (const char* k : {"Save", "OK"}) EXPECT_TRUE(f.tbrToolbar1.Knopf(k)->Enabled()) << k;
    f.tbrToolbar2_ButtonClick("Q");
    EXPECT_EQ(qh, 1);
    EXPECT_TRUE(Global::frmQh.Berechnet());
    f.mnuTabellenRechner_Click();
    EXPECT_EQ(rechner, 1);
    EXPECT_TRUE(w.Meldungen().empty());

    // Zone > EBF stores only the active pane's table; Extras > test both.
    f.mnuZoneA_Click();
    f.Aufteilung = 0.5;
    f.AktivePane = 1;
    f.mnuZoneU_Click();
    ASSERT_EQ(f.PaneTabelle[0], TabelleA);
    ASSERT_EQ(f.PaneTabelle[1], TabelleU);
    f.txtDaBez[0].setText("A getippt");
    f.txtDuBez[0].setText("U getippt");
    f.mnuZoneEBF_Click();
    EXPECT_EQ(w.P.ZGetColl("U_")->Koll(1)->Text(2), "U getippt");
    KollektionZeiger a = w.P.ZGetColl("A_");
    EXPECT_TRUE(!a || a->Anzahl() == 0);
}

TEST(Menübefehle, InfoboxenUndOptionen) {
    Befehlsfenster w;
    auto& f = w.F;
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Schweiz", "de-CH", ".", "'", ".", "'"));
    f.mnuHilfeInfoZahlenformat_Click();
    const std::string v = "Version  9a";
    EXPECT_EQ(w.M.Zuletzt().Text, basZIRVO3801::ProgrammTitel + "\r\n" + v +
                                      "\r\n\r\nZahlenformat\r\n - Region          \tSchweiz\r\n"
                                      " - Sprachcode\tde-CH\r\n - Format Zahlen\t123'456'789.000\r\n"
                                      " - Format Währung\t123'456'789.00\r\n");
    EXPECT_EQ(w.M.Zuletzt().Symbol, Plattform::Symbol::Information);
    f.mnuHilfeInfo_Click();
    EXPECT_EQ(w.M.Zuletzt().Text.rfind(basZIRVO3801::ProgrammTitel + "\r\n" + v + "\r\n\r\n", 0), 0u);

    // The help at its context numbers.
    Testhilfe::SkriptHilfe hilfe;
    {
        Plattform::Dienste d;
        d.hilfe = &hilfe;
        Plattform::DiensteSetzen gesetzt(d);
        f.mnuHilfeF1_Click();
        f.mnuHilfeWasIstNeu_Click();
    }
    EXPECT_EQ(hilfe.Kontexte, (std::vector<std::int32_t>{1000, 9910}));

    // Options confirmed: the bars follow the settings.
    auto alt = frmOptionen::Anzeigen;
    frmOptionen::Anzeigen = [](frmOptionen& d) { d.cmdOK_Click(); };
    f.tbrToolbar1.setVisible(true);
    f.sbrStatusbar.setVisible(true);
    Global::Initialisierung.KeineStatusleiste = true;
    f.mnuExtrasOptionen_Click();
    EXPECT_TRUE(f.tbrToolbar1.Visible());
    EXPECT_FALSE(f.sbrStatusbar.Visible());
    // Cancelled: nothing changes.
    frmOptionen::Anzeigen = [](frmOptionen& d) { d.cmdAbbrechen_Click(); };
    Global::Initialisierung.KeineSymbolleiste = true;
    f.mnuExtrasOptionen_Click();
    EXPECT_TRUE(f.tbrToolbar1.Visible());
    frmOptionen::Anzeigen = alt;
    f.sbrStatusbar.setVisible(true);
}

#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/Steuerelemente.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/frmOptionen.h"
#include "frame/frmOrdnerSuchen.h"
#include "tests/support/Testplattform.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A folder tree for browsing, and the settings folder of the test.
class Ordnerbaum : public Plattform::Umgebung {
public:
    fs::path Wurzel = fs::temp_directory_path() / ("zirvo_test_optionen_" + std::to_string(::getpid()));
    fs::path Konfiguration = Wurzel / "config" / "ZIRVO";
    Ordnerbaum() {
        fs::remove_all(Wurzel);
        for (const char* o : {"Daten/Zürich", "Daten/Bern", "Daten/.versteckt", "Daten/aarau", "Projekte"})
            fs::create_directories(Wurzel / o);
    }
    ~Ordnerbaum() override {
        std::error_code ec;
        fs::remove_all(Wurzel, ec);
    }
    std::string Programmordner() override { return (Wurzel / "bin").string(); }
    std::string Konfigurationsordner() override { return Konfiguration.string(); }
    std::time_t Jetzt() override { return 0; }
    void Sanduhr(bool) override {}
    bool StrgGedrückt() override { return false; }
};

class OptionenTest : public ::testing::Test {
protected:
    Testhilfe::Testumgebung test;
    Ordnerbaum baum;
    Plattform::DiensteSetzen gesetzt{Plattform::Dienste{nullptr, nullptr, nullptr, nullptr, &baum}};
    Initialisierung gesichert = Global::Initialisierung;
    std::function<bool(std::int16_t)> gesichertAufruf = basZIRVO3801::OptionenAufruf;

    OptionenTest() {
        Global::Initialisierung = ::Initialisierung();
        frmOptionen::Einrichten();
    }
    ~OptionenTest() override {
        Global::Initialisierung = gesichert;
        basZIRVO3801::OptionenAufruf = gesichertAufruf;
        frmOptionen::Anzeigen = nullptr;
        frmOrdnerSuchen::Anzeigen = nullptr;
    }
    std::string Pfad(const char* o) const { return (baum.Wurzel / o).string(); }
};

// What a shown options dialog looked like.
struct Bild {
    std::string proj, db;
    bool proj0, proj1, db0, db1;
    bool operator==(const Bild&) const = default;
};
Bild Ansehen(const frmOptionen& f) {
    return {f.txtOrdnerProj.Text(), f.txtOrdnerDB.Text(), f.optProj[0].Value(), f.optProj[1].Value(),
            f.optDB[0].Value(),     f.optDB[1].Value()};
}

} // namespace

TEST_F(OptionenTest, DialogZeigtUndSchreibtDieOrdner) {
    auto& ini = Global::Initialisierung;
    ini.OrdnerProjekte = ".";
    ini.OrdnerDatenbank = "/daten/baustoffe";
    std::vector<Bild> gesehen;
    frmOptionen::Anzeigen = [&](frmOptionen& f) {
        gesehen.push_back(Ansehen(f));
        EXPECT_EQ(f.Caption, "Optionen");
        EXPECT_TRUE(f.Visible);
        ASSERT_EQ(f.tabOptionen.size(), 1u);
        EXPECT_EQ(f.tabOptionen[0].Caption, "Ordner");
        EXPECT_TRUE(f.picOrdner.Visible());
        EXPECT_EQ(f.optProj[0].Caption(), "Automatisch vom System (Eigene Dateien oder Programmordner)");
        // The automatic database folder is the settings folder, and so named.
        EXPECT_EQ(f.optDB[0].Caption(), "Im Ordner der Einstellungen (" + baum.Konfiguration.string() + ")");
        // The user chooses a typed project folder and the automatic database folder.
        f.optProj[1].setValue(true);
        f.txtOrdnerProj.setText("/home/x/Projekte");
        f.optDB[0].setValue(true);
        f.cmdOK_Click();
        EXPECT_TRUE(f.Entladen);
    };
    EXPECT_TRUE(frmOptionen::Aufruf(1));
    // "." shows the automatic option with an empty box; a path shows option 1.
    ASSERT_EQ(gesehen.size(), 1u);
    EXPECT_EQ(gesehen[0], (Bild{"", "/daten/baustoffe", true, false, false, true}));
    EXPECT_EQ(ini.OrdnerProjekte, "/home/x/Projekte");
    EXPECT_EQ(ini.OrdnerDatenbank, ".");

    // Loaded anew each time: it shows what OK stored. Options are exclusive.
    frmOptionen::Anzeigen = [&](frmOptionen& f) {
        gesehen.push_back(Ansehen(f));
        f.optDB[1].setValue(true);
        EXPECT_FALSE(f.optDB[0].Value());
        f.txtOrdnerDB.setText("/anders");
        f.cmdAbbrechen_Click();
    };
    EXPECT_FALSE(frmOptionen::Aufruf(0));
    EXPECT_EQ(gesehen[1], (Bild{"/home/x/Projekte", "", false, true, true, false}));
    // Cancel writes nothing.
    EXPECT_EQ(ini.OrdnerProjekte, "/home/x/Projekte");
    EXPECT_EQ(ini.OrdnerDatenbank, ".");

    // Empty settings show the automatic options; OK with them stores ".".
    ini.OrdnerProjekte = "";
    ini.OrdnerDatenbank = "";
    frmOptionen::Anzeigen = [&](frmOptionen& f) {
        gesehen.push_back(Ansehen(f));
        f.cmdOK_Click();
    };
    EXPECT_TRUE(frmOptionen::Aufruf(1));
    EXPECT_EQ(gesehen[2], (Bild{"", "", true, false, true, false}));
    EXPECT_EQ(ini.OrdnerProjekte, ".");
    EXPECT_EQ(ini.OrdnerDatenbank, ".");

    // Option 1 with an empty box stores an empty text (not set).
    frmOptionen::Anzeigen = [&](frmOptionen& f) {
        f.optDB[1].setValue(true);
        f.cmdOK_Click();
    };
    EXPECT_TRUE(frmOptionen::Aufruf(1));
    EXPECT_EQ(ini.OrdnerDatenbank, "");

    // Without a window to show it, the dialog counts as cancelled.
    frmOptionen::Anzeigen = nullptr;
    EXPECT_FALSE(frmOptionen::Aufruf(1));
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());
}

TEST_F(OptionenTest, DurchsuchenFülltDenOrdner) {
    auto& ini = Global::Initialisierung;
    ini.OrdnerDatenbank = Pfad("Daten");
    std::vector<std::string> titel, start;
    frmOptionen::Anzeigen = [&](frmOptionen& f) {
        // Browse for the database folder: from its folder into "Zürich", OK.
        frmOrdnerSuchen::Anzeigen = [&](frmOrdnerSuchen& s) {
            titel.push_back(s.Caption);
            start.push_back(s.lblOrdner.Caption());
            int i = 0;
            while (i < s.dlbDir1.ListCount() && s.Dir1Eintrag(i) != Pfad("Daten/Zürich")) ++i;
            ASSERT_TRUE(s.dlbDir1_Öffnen(i));
            s.cmdOK_Click();
        };
        f.cmdDurchsuchen_Click(0);
        EXPECT_TRUE(f.optDB[1].Value());
        EXPECT_EQ(f.txtOrdnerDB.Text(), Pfad("Daten/Zürich"));

        // Browse for the project folder (automatic so far), then cancel
        // after browsing: the box and the options stay.
        frmOrdnerSuchen::Anzeigen = [&](frmOrdnerSuchen& s) {
            titel.push_back(s.Caption);
            s.Dir1PfadSetzen(Pfad("Projekte"));
            s.cmdAbbrechen_Click();
        };
        f.cmdDurchsuchen_Click(1);
        EXPECT_TRUE(f.optProj[0].Value());
        EXPECT_EQ(f.txtOrdnerProj.Text(), "");

        // Browsing for projects with OK selects option 1.
        frmOrdnerSuchen::Anzeigen = [&](frmOrdnerSuchen& s) {
            s.Dir1PfadSetzen(Pfad("Projekte"));
            s.cmdOK_Click();
        };
        f.cmdDurchsuchen_Click(1);
        EXPECT_TRUE(f.optProj[1].Value());
        EXPECT_FALSE(f.optProj[0].Value());
        EXPECT_EQ(f.txtOrdnerProj.Text(), Pfad("Projekte"));
        f.cmdOK_Click();
    };
    EXPECT_TRUE(frmOptionen::Aufruf(1));
    EXPECT_EQ(titel, (std::vector<std::string>{"Ordner Datenbank suchen", "Ordner Projekte suchen"}));
    EXPECT_EQ(start, (std::vector<std::string>{Pfad("Daten")}));
    EXPECT_EQ(ini.OrdnerDatenbank, Pfad("Daten/Zürich"));
    EXPECT_EQ(ini.OrdnerProjekte, Pfad("Projekte"));
}

TEST_F(OptionenTest, DatenbankOrdnerFragtEinmal) {
    auto& ini = Global::Initialisierung;
    // Fresh settings: one question that names the automatic folder; "Ja"
    // takes it, without the options dialog.
    int gezeigt = 0;
    frmOptionen::Anzeigen = [&](frmOptionen&) { ++gezeigt; };
    test.meldungen.Antworten = {Plattform::Antwort::Ja};
    std::string ordner = basZIRVO3801::DatenbankOrdner();
    EXPECT_EQ(ordner, baum.Konfiguration.string());
    EXPECT_TRUE(fs::is_directory(baum.Konfiguration));
    EXPECT_EQ(gezeigt, 0);
    ASSERT_EQ(test.meldungen.Gezeigt.size(), 1u);
    const Testhilfe::GezeigteMeldung& frage = test.meldungen.Nr(0);
    EXPECT_EQ(frage.Text, "Die Baustoff-Datenbank (Baustoff.dbk) wird im Ordner der Einstellungen angelegt:\n\n" +
                              baum.Konfiguration.string() +
                              "\n\nDiesen Ordner verwenden? Mit \"Nein\" wählen Sie in den Optionen einen anderen "
                              "Ordner.");
    EXPECT_EQ(frage.Titel, "Bauphysik ZIRVO:  Hinweis");
    EXPECT_EQ(frage.Symbol, Plattform::Symbol::Frage);
    EXPECT_EQ(frage.Knöpfe, Plattform::Knöpfe::JaNein);
    EXPECT_EQ(frage.Vorgabe, Plattform::Antwort::Ja);
    EXPECT_EQ(ini.OrdnerDatenbank, ".");
    // From then on no question.
    EXPECT_EQ(basZIRVO3801::DatenbankOrdner(), baum.Konfiguration.string());
    EXPECT_EQ(test.meldungen.Gezeigt.size(), 1u);

    // "Nein": the options dialog on the folders tab, the automatic folder
    // shown chosen; OK with it gives that folder, no second question.
    test.meldungen.Gezeigt.clear();
    ini.OrdnerDatenbank.clear();
    test.meldungen.Antworten = {Plattform::Antwort::Nein};
    frmOptionen::Anzeigen = [&](frmOptionen& f) {
        ++gezeigt;
        EXPECT_TRUE(f.picOrdner.Visible());
        EXPECT_TRUE(f.optDB[0].Value());
        EXPECT_FALSE(f.optDB[1].Value());
        f.cmdOK_Click();
    };
    EXPECT_EQ(basZIRVO3801::DatenbankOrdner(), baum.Konfiguration.string());
    EXPECT_EQ(gezeigt, 1);
    EXPECT_EQ(test.meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(ini.OrdnerDatenbank, ".");

    // A folder that was deleted: the message names it; cancelling the
    // dialog gives no folder and no second message.
    test.meldungen.Gezeigt.clear();
    ini.OrdnerDatenbank = Pfad("Gelöscht");
    frmOptionen::Anzeigen = [&](frmOptionen& f) {
        ++gezeigt;
        EXPECT_EQ(f.txtOrdnerDB.Text(), Pfad("Gelöscht"));
        f.cmdAbbrechen_Click();
    };
    EXPECT_EQ(basZIRVO3801::BaustoffDatenbankDatei(), "");
    EXPECT_EQ(gezeigt, 2);
    ASSERT_EQ(test.meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(test.meldungen.Nr(0).Text,
              "Ordner:  " + Pfad("Gelöscht") + "\nKein Zugriff auf diesen Datenbank-Ordner.");
    EXPECT_EQ(test.meldungen.Nr(0).Titel, "Bauphysik ZIRVO:  Fehler");
    EXPECT_EQ(test.meldungen.Nr(0).Symbol, Plattform::Symbol::Fehler);
    EXPECT_EQ(ini.OrdnerDatenbank, Pfad("Gelöscht"));
}

TEST_F(OptionenTest, OrdnerSuchen) {
    std::string ordner = Pfad("Daten");
    frmOrdnerSuchen::Anzeigen = [&](frmOrdnerSuchen& s) {
        EXPECT_EQ(s.Caption, "Ordner suchen");
        EXPECT_EQ(s.lblSuchenIn.Caption(), "Suchen in:");
        EXPECT_EQ(s.Dir1Pfad(), ordner);
        EXPECT_EQ(s.lblOrdner.Caption(), ordner);
        EXPECT_EQ(s.lblOrdner.ToolTipText(), ordner);
        EXPECT_EQ(s.Drive(), s.dlbDrive1.ListEntry(s.LaufwerkVon(ordner)));
        // The path from the drive down, then the visible sub-folders in order.
        const int hier = s.dlbDir1.ListIndex();
        ASSERT_GE(hier, 1);
        EXPECT_EQ(s.Dir1Eintrag(hier), ordner);
        EXPECT_EQ(s.Dir1Eintrag(hier - 1), baum.Wurzel.string());
        std::vector<std::string> unter;
        for (int i = hier + 1; i < s.dlbDir1.ListCount(); ++i) unter.push_back(s.Dir1Eintrag(i));
        EXPECT_EQ(unter, (std::vector<std::string>{Pfad("Daten/Bern"), Pfad("Daten/Zürich"), Pfad("Daten/aarau")}));
        EXPECT_EQ(s.dlbDir1.ListEntry(hier + 1), std::string(2 * static_cast<std::size_t>(hier + 1), ' ') + "Bern");

        // Up one level through the list, then into "Projekte".
        ASSERT_TRUE(s.dlbDir1_Öffnen(hier - 1));
        EXPECT_EQ(s.lblOrdner.Caption(), baum.Wurzel.string());
        EXPECT_EQ(s.lblOrdner.ToolTipText(), baum.Wurzel.string());
        EXPECT_FALSE(s.Dir1PfadSetzen(Pfad("fehlt")));
        EXPECT_FALSE(s.dlbDir1_Öffnen(-1));
        EXPECT_EQ(s.lblOrdner.Caption(), baum.Wurzel.string());
        ASSERT_TRUE(s.Dir1PfadSetzen(Pfad("Projekte") + "/"));

        // A drive that is not ready: back to the last drive, no message,
        // the folder stays.
        const int vorher = s.dlbDrive1.ListIndex();
        s.dlbDrive1.AddItem("/zirvo-laufwerk-fehlt");
        s.dlbDrive1.setListIndex(s.dlbDrive1.ListCount() - 1);
        EXPECT_EQ(s.dlbDrive1.ListIndex(), vorher);
        EXPECT_EQ(s.lblOrdner.Caption(), Pfad("Projekte"));
        // A drive that works: the folder list goes to its root.
        s.dlbDrive1.AddItem(Pfad("Daten/Bern"));
        s.dlbDrive1.setListIndex(s.dlbDrive1.ListCount() - 1);
        EXPECT_EQ(s.lblOrdner.Caption(), Pfad("Daten/Bern"));
        EXPECT_EQ(s.dlbDir1.ListCount(), 1);
        s.cmdOK_Click();
    };
    EXPECT_TRUE(frmOrdnerSuchen::Aufruf(ordner, ""));
    EXPECT_EQ(ordner, Pfad("Daten/Bern"));
    EXPECT_TRUE(test.meldungen.Gezeigt.empty());

    // A start folder that does not exist: the list stays on its drive (the
    // current folder), and cancel leaves the text alone.
    const fs::path vorher = fs::current_path();
    fs::current_path(Pfad("Projekte"));
    std::string fehlt = Pfad("fehlt/auch");
    std::string gezeigt;
    frmOrdnerSuchen::Anzeigen = [&](frmOrdnerSuchen& s) {
        gezeigt = s.lblOrdner.Caption();
        s.cmdAbbrechen_Click();
    };
    EXPECT_FALSE(frmOrdnerSuchen::Aufruf(fehlt, "Ordner Projekte"));
    EXPECT_EQ(fehlt, Pfad("fehlt/auch"));
    fs::current_path(vorher);
    EXPECT_EQ(gezeigt, Pfad("Projekte"));

    // Without a window the dialog counts as cancelled.
    frmOrdnerSuchen::Anzeigen = nullptr;
    EXPECT_FALSE(frmOrdnerSuchen::Aufruf(ordner, ""));
    EXPECT_EQ(ordner, Pfad("Daten/Bern"));

    auto laufwerke = frmOrdnerSuchen::Laufwerke();
    ASSERT_FALSE(laufwerke.empty());
    EXPECT_EQ(laufwerke[0], "/");
}

TEST(Bildschirmschrift, NurDieEntworfeneSchriftWirdErsetzt) {
    basZIRVOBildschirmschrift::DesktopSchriftSetzen("", 0);
    EXPECT_EQ(basZIRVOBildschirmschrift::BildschirmschriftName(), "Sans Serif");
    EXPECT_EQ(basZIRVOBildschirmschrift::BildschirmschriftGrösse(), 9.0f);

    basZIRVOBildschirmschrift::DesktopSchriftSetzen("Noto Sans", 10.5);
    Formular entworfen;
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(entworfen);
    EXPECT_EQ(entworfen.FontName, "Noto Sans");
    EXPECT_EQ(entworfen.FontSize, 10.5);

    Formular grösser;
    grösser.FontSize = 12;
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(grösser);
    EXPECT_EQ(grösser.FontName, "Noto Sans");
    EXPECT_EQ(grösser.FontSize, 12);

    Formular andere;
    andere.FontName = "Courier New";
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(andere);
    EXPECT_EQ(andere.FontName, "Courier New");
    EXPECT_EQ(andere.FontSize, 8.25);
    basZIRVOBildschirmschrift::DesktopSchriftSetzen("", 0);
}

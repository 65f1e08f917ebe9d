// A zone without building category has no limit to be proved against:
// every command that would compute or print its proof refuses the project
// with the message of the zone commands, naming the zone.
#include "printing/frmDrucken.h"
#include "tests/mainwindow/Befehlsfenster.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"

#include <gtest/gtest.h>

using Testhilfe::Befehlsfenster;

// MehrereZonen with the category of its second zone taken away (0, or a
// number that names none) and its ventilation natural, under the task
// "Nachweis": Extras > Vollständigkeit
// testen, Zone > Heizwärmebedarf, Datei > Drucken and the print dialog's own
// printout (the whole proof, the cover) refuse it, each naming the zone and
// the missing category; with the category back each command goes on.
TEST(Nutzungsangaben, OhneKategorieVerweigertJederBefehl) {
    enum Befehl { Testen, Heizwärmebedarf, Drucken, Druckdialog };
    const std::string kategorie = "Bitte Gebäudekategorie in den Nutzungsangaben definieren.";
    const struct {
        const char* was;
        Befehl befehl;
        std::int16_t Gk; // of the second zone; 3 = its own
        int auswahl;     // of the print dialog
        std::string meldung; // "" = the command goes on; "@" stands for the zone
    } fälle[] = {
        {"check", Testen, 0, 0, "@\n\n" + kategorie},
        {"check, category 13", Testen, 13, 0, "@\n\n" + kategorie},
        {"check, category given", Testen, 3, 0, ""},
        {"heating demand", Heizwärmebedarf, 0, 0, "@\n\n" + kategorie},
        {"heating demand, category 13", Heizwärmebedarf, 13, 0, "@\n\n" + kategorie},
        {"heating demand, category given", Heizwärmebedarf, 3, 0, ""},
        {"print command", Drucken, 0, 0,
         "Der Systemnachweis (Aufgabenstellung 'Nachweis' bei Anforderungen im Projekt) ist nicht möglich:\r\n\r\n"
         "@\r\nGrund:  " + kategorie},
        {"print command, category given", Drucken, 3, 0, ""},
        {"print dialog, whole proof", Druckdialog, 0, 0,
         "Es ist ein Fehler bei der Aufbereitung der Projektdaten aufgetreten.\r\n\r\nBitte testen Sie das Projekt "
         "mit allen Zonen.\r\n\r\n@\r\n" + kategorie},
        {"print dialog, cover", Druckdialog, 0, 1,
         "Es ist ein Fehler bei der Aufbereitung der Projektdaten aufgetreten.\r\n\r\nBitte testen Sie das Projekt "
         "mit allen Zonen.\r\n\r\n@\r\n" + kategorie},
        {"print dialog, category given", Druckdialog, 3, 1, ""},
    };
    for (const auto& c : fälle) {
        SCOPED_TRACE(c.was);
        Befehlsfenster w;
        Testhilfe::Druckumgebung druck;
        ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / "MehrereZonen.zirvo9"), "");
        Projekt& p = w.P;
        p.PSetInt(0, "ArtB");
        p.SetNZone(1);
        if (c.Gk != 3) p.ZSetInt(c.Gk, "Gk");
        p.ZSetNum(0, "ML"); // the zone's standard use but for the category
        const std::string zone = "Zone: " + p.ZGetStr("Bez") + " [" + p.ZGetStr("Code") + "]";
        // The heating demand of the zone at fault; every other command
        // starts from the first zone.
        p.SetNZone(c.befehl == Heizwärmebedarf ? 1 : 0);
        w.F.ProjektZoneEinlesen();
        bool weiter = false;
        w.F.QhAnzeigen = [&] { weiter = true; };
        w.F.DruckenAnzeigen = [&] { weiter = true; };
        w.F.MenüsAktivieren();
        w.Meldungen();
        switch (c.befehl) {
        case Testen:
            w.F.mnuExtrasOK_Click();
            weiter = w.F.sbrStatusbarText.Caption() == "Projekt getestet: keine Fehler";
            break;
        case Heizwärmebedarf: w.F.mnuZoneQh_Click(); break;
        case Drucken: w.F.mnuDateiDrucken_Click(); break;
        case Druckdialog: {
            frmDrucken dialog;
            dialog.Form_Load();
            dialog.optAusdruck_Click(c.auswahl);
            dialog.cmdDrucken_Click();
            weiter = !druck.drucker.Beendet.empty();
            break;
        }
        }
        const std::vector<std::string> meldungen = w.Meldungen();
        EXPECT_EQ(weiter, c.meldung.empty());
        if (c.meldung.empty()) {
            EXPECT_EQ(meldungen.size(), c.befehl == Druckdialog ? 1u : 0u) << meldungen.front();
            continue;
        }
        std::string soll = c.meldung;
        soll.replace(soll.find('@'), 1, zone);
        EXPECT_EQ(meldungen, std::vector<std::string>{soll});
    }
}

// The printer settings dialog: what it shows, what it stores (each value
// out of range by its default), and the test page it prints.
#include "balance/Anzeigezahl.h"
#include "frame/Dateien.h"
#include "printing/frmDruckIni.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/printing/Druckumgebung.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Plattform::Antwort;

struct Dialog {
    Testhilfe::Testumgebung umgebung;
    Testhilfe::Druckumgebung druck;
    frmDruckIni f;
    Dialog() { f.Form_Load(); }
};

TEST(frmDruckIni, BereicheUndStandardwerte) {
    // OK stores what lies in its range and fits the reports' grid (on the
    // recording surface: digits 0.02 cm per pt, lines with a subscript
    // 0.0427 cm per pt); anything else is said, and the dialog stays open
    // with nothing stored.
    struct Fall {
        const char* grösse;
        const char* linie;
        const char* rand;  // typed into all four margins
        double erwGrösse, erwLinie, erwRand;
        const char* meldung;
    } fälle[] = {
        {"6", "1", "0", 6, 1, 0, ""},
        {"8,5", "5", "2,25", 8.5, 5, 2.25, ""},
        {"", "3", "0", 0, 0, 0, "Schriftgrösse: 0 pt liegt ausserhalb des Bereichs von 6 bis 15 pt."},
        {"5,5", "3", "1", 0, 0, 0, "Schriftgrösse: 5.5 pt liegt ausserhalb des Bereichs von 6 bis 15 pt."},
        {"16", "3", "1", 0, 0, 0, "Schriftgrösse: 16 pt liegt ausserhalb des Bereichs von 6 bis 15 pt."},
        {"abc", "3", "1", 0, 0, 0, "Schriftgrösse: 0 pt liegt ausserhalb des Bereichs von 6 bis 15 pt."},
        {"9", "0", "1", 0, 0, 0, "Linienstärke: 0 liegt ausserhalb des Bereichs von 1 bis 5."},
        {"9", "3", "7", 0, 0, 0, "Linker Rand: 7 cm liegt ausserhalb des Bereichs von 0 bis 6 cm."},
        {"9", "3", "-1", 0, 0, 0, "Linker Rand: -1 cm liegt ausserhalb des Bereichs von 0 bis 6 cm."},
        // 16.5 cm over 79 columns: 0.21 cm digits take more than 88 % of
        // 0.209; left and right at most 21 - 0.21 * 79 / 0.88 = 2.15 cm, top
        // and bottom 29.7 - 66 * 0.448 = 0.13 cm
        {"10,5", "3", "2,25", 0, 0, 0,
         "Die Schrift Arial in 10.5 pt passt nicht in das Raster der Ausdrucke. Ihre Ziffern (0.21 cm) sind breiter "
         "als 88 % einer Spalte des Rasters im Hochformat: eine Spalte ist dort 0.209 cm breit (79 Spalten auf 16.5 "
         "cm), eine Ziffer darf höchstens 0.184 cm breit sein.\r\n\r\nMit diesen Seitenrändern passt Arial "
         "höchstens in 8.5 pt. Mit schmaleren Seitenrändern lässt sich Arial in 10.5 pt drucken, zum Beispiel mit "
         "links 1 cm, oben 0 cm, rechts 1 cm und unten 0 cm."},
        // no size at 6 cm, nor 15 pt with any margins: the largest size
        // without margins is 10.5 pt (29.7 / 66 = 0.45 >= 0.448), whose
        // digits need left and right at most 2.15 cm: 0.9 cm each, in
        // twentieths of 6 cm
        {"15", "5", "6", 0, 0, 0,
         "Die Schrift Arial in 15 pt passt nicht in das Raster der Ausdrucke. Ihre Ziffern (0.3 cm) sind breiter "
         "als 88 % einer Spalte des Rasters im Hochformat: eine Spalte ist dort 0.114 cm breit (79 Spalten auf 9 cm), "
         "eine Ziffer darf höchstens 0.1 cm breit sein.\r\n\r\nMit diesen Seitenrändern passt Arial in keiner "
         "Grösse ab 6 pt. Mit schmaleren Seitenrändern lässt sich Arial in 10.5 pt drucken, zum Beispiel mit links "
         "0.9 cm, oben 0 cm, rechts 0.9 cm und unten 0 cm."},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(std::string(c.grösse) + " / " + c.linie + " / " + c.rand);
        Dialog d;
        d.f.lblSchriftgrösse.setCaption(c.grösse);
        d.f.txtLinie.setText(c.linie);
        for (TextBox* t : {&d.f.txtLinks, &d.f.txtOben, &d.f.txtRechts, &d.f.txtUnten}) t->setText(c.rand);
        d.f.lblSchrift.setCaption("");
        d.f.chkOhneSz.setValue(1);
        d.f.cboDrucker.setListIndex(1);
        d.f.cmdOK_Click();
        const Initialisierung& ini = Global::Initialisierung;
        const auto* m = d.umgebung.meldungen.Letzte();
        EXPECT_EQ(m ? m->Text : "", c.meldung);
        EXPECT_EQ(d.f.Entladen, !*c.meldung);
        if (*c.meldung) {
            EXPECT_EQ(ini.DruckerName, "Laser") << "nothing stored";
            EXPECT_FLOAT_EQ(ini.DruckerSchriftgrösse, 9);
            EXPECT_EQ(d.f.lblSchriftgrösse.Caption(), c.grösse) << "the values stay as typed";
            continue;
        }
        EXPECT_EQ(ini.DruckerName, "PDF-Datei");
        EXPECT_EQ(ini.DruckerSchrift, "Arial");
        EXPECT_FLOAT_EQ(ini.DruckerSchriftgrösse, static_cast<float>(c.erwGrösse));
        EXPECT_EQ(ini.DruckerSchriftEinfach, 1);
        EXPECT_FLOAT_EQ(ini.DruckerLinie, static_cast<float>(c.erwLinie));
        for (float r : {ini.DruckerRandLinks, ini.DruckerRandOben, ini.DruckerRandRechts, ini.DruckerRandUnten})
            EXPECT_FLOAT_EQ(r, static_cast<float>(c.erwRand));
    }

    // A font chosen that does not fit is said at once; the labels show it.
    {
        Dialog d;
        d.umgebung.dateidialoge.Schrift = Plattform::Schrift{"Arial", 12};
        d.f.cmdSchriftDurchsuchen_Click();
        EXPECT_EQ(d.f.lblSchriftgrösse.Caption(), "12");
        ASSERT_NE(d.umgebung.meldungen.Letzte(), nullptr);
        EXPECT_EQ(d.umgebung.meldungen.Zuletzt().Text.substr(0, 40), "Die Schrift Arial in 12 pt passt nicht i");
    }

    // Margins of 1.9 cm fit 9 pt upright (0.88 * 17.2 / 79 = 0.1916) but not
    // the landscape energy table (0.88 * 25.9 / 128 = 0.1781): stored, with
    // a word that that table needs a smaller size.
    {
        Dialog d;
        for (TextBox* t : {&d.f.txtLinks, &d.f.txtOben, &d.f.txtRechts, &d.f.txtUnten}) t->setText("1,9");
        d.f.cmdOK_Click();
        EXPECT_TRUE(d.f.Entladen);
        EXPECT_FLOAT_EQ(Global::Initialisierung.DruckerRandLinks, 1.9f);
        ASSERT_NE(d.umgebung.meldungen.Letzte(), nullptr);
        EXPECT_EQ(d.umgebung.meldungen.Zuletzt().Text,
                  "Die Einstellungen passen für alle Ausdrucke im Hochformat; die Energietabelle im Querformat braucht "
                  "aber eine kleinere Schrift und wird so nicht gedruckt.\r\n\r\nDie Schrift Arial in 9 pt passt "
                  "nicht in das Raster der Ausdrucke. Ihre Ziffern (0.18 cm) sind breiter als 88 % einer Spalte des "
                  "Rasters im Querformat: eine Spalte ist dort 0.202 cm breit (128 Spalten auf 25.9 cm), eine Ziffer "
                  "darf höchstens 0.178 cm breit sein.\r\n\r\nMit diesen Seitenrändern passt Arial höchstens in 8.5 "
                  "pt. Mit schmaleren Seitenrändern lässt sich Arial in 9 pt drucken, zum Beispiel mit links 1.9 cm, "
                  "oben 1.7 cm, rechts 1.9 cm und unten 1.7 cm.");
    }

    // What the dialog shows; Standard; Abbrechen stores nothing.
    Dialog d;
    EXPECT_EQ(d.f.cboDrucker.List(), (std::vector<std::string>{"Laser", "PDF-Datei"}));
    EXPECT_EQ(d.f.txtOben.Text(), "1.5");
    d.f.txtLinks.setText("4");
    d.f.lblSchrift.setCaption("Courier");
    d.f.cmdStandard_Click();
    EXPECT_EQ(d.f.txtLinks.Text() + d.f.lblSchrift.Caption() + d.f.lblSchriftgrösse.Caption(), "3Arial9");
    d.f.txtLinks.setText("5");
    d.f.cmdSchliessen_Click();
    EXPECT_FLOAT_EQ(Global::Initialisierung.DruckerRandLinks, 3);
}

TEST(frmDruckIni, WerteWieGetippt) {
    // The settings keep single precision: what was typed comes back as typed
    // in the dialog opened again and in the settings file, not as the
    // digits of its nearest Single ("2.79999995231628").
    struct Fall {
        const char* grösse;
        const char* linie;
        const char* ränder[4];
        const char* datei; // the margins in the settings file
    } fälle[] = {
        {"8.5", "3", {"2.8", "1.4", "1.4", "1.4"}, "2.8,1.4,1.4,1.4"},
        {"9", "2", {"3", "0.1", "1.25", "0.7"}, "3,0.1,1.25,0.7"},
        {"7.5", "1", {"0", "5.9", "0.3", "2.15"}, "0,5.9,0.3,2.15"},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.datei);
        Testhilfe::Testordner ordner("druckini_werte");
        {
            Dialog d;
            d.druck.uhr.Konfiguration = ordner.pfad.string();
            d.f.lblSchriftgrösse.setCaption(c.grösse);
            d.f.txtLinie.setText(c.linie);
            TextBox* felder[] = {&d.f.txtLinks, &d.f.txtOben, &d.f.txtRechts, &d.f.txtUnten};
            for (int i = 0; i < 4; ++i) felder[i]->setText(c.ränder[i]);
            d.f.cmdOK_Click();
            ASSERT_TRUE(d.f.Entladen) << d.umgebung.meldungen.Zuletzt().Text;
            ASSERT_TRUE(Global::Initialisierung.RegistrierungSpeichern());
            const std::string inhalt = Dateien::Lesen(ordner.Datei("ZIRVO3801.ini")).value_or("");
            EXPECT_NE(inhalt.find("Printer Margins=" + std::string(c.datei) + "\r\n"), std::string::npos) << inhalt;
            EXPECT_NE(inhalt.find("Printer FontSize=" + std::string(c.grösse) + "\r\n"), std::string::npos)
                << inhalt;

            frmDruckIni wieder;
            wieder.Form_Load();
            EXPECT_EQ(wieder.lblSchriftgrösse.Caption(), c.grösse);
            EXPECT_EQ(wieder.txtLinie.Text(), c.linie);
            const TextBox* gezeigt[] = {&wieder.txtLinks, &wieder.txtOben, &wieder.txtRechts, &wieder.txtUnten};
            for (int i = 0; i < 4; ++i) EXPECT_EQ(gezeigt[i]->Text(), c.ränder[i]);
        }
        // Read back from the file, the same.
        Testhilfe::Druckumgebung druck;
        druck.uhr.Konfiguration = ordner.pfad.string();
        Global::Initialisierung.RegistrierungEinlesen();
        EXPECT_EQ(Anzeigezahl::Zahltext(Druckeinstellungen::Gelesen(Global::Initialisierung).Links),
                  c.ränder[0]);
    }
}

// A printer whose faces lack characters: by the name of the font (with
// " fett" for bold), those it does not draw with glyphs of its own.
struct Lückendrucker : Testhilfe::Testdrucker {
    struct Fläche : Aufzeichnungsfläche {
        const std::map<std::string, std::u32string>& lücken;
        Plattform::Druckschrift aktuell;
        explicit Fläche(const std::map<std::string, std::u32string>& l) : lücken(l) {}
        void Schrift(const Plattform::Druckschrift& s) override {
            aktuell = s;
            Aufzeichnungsfläche::Schrift(s);
        }
        char32_t FehlendesZeichen(std::u32string_view zeichen) const override {
            const auto l = lücken.find(aktuell.Name + (aktuell.Fett ? " fett" : ""));
            if (l == lücken.end()) return 0;
            for (const char32_t z : zeichen)
                if (l->second.find(z) != std::u32string::npos) return z;
            return 0;
        }
    };
    std::map<std::string, std::u32string> Lücken;
    std::unique_ptr<Plattform::Druckfläche> Messfläche(const std::string&) override {
        return std::make_unique<Fläche>(Lücken);
    }
};

TEST(frmDruckIni, SchriftOhneEigeneZeichen) {
    // A face that does not draw every letter, digit and sign of the reports
    // with its own glyphs (upright and bold) is neither stored nor printed
    // with: the message names the face and the first character it lacks.
    // The markup's Greek letters come from the printer's Greek set, with or
    // without special characters: a face without them prints.
    static constexpr const char* Fremd = ": die Ausdrucke würden damit in fremden Zeichen gedruckt. ";
    struct Fall {
        const char* schrift;
        bool einfach;
        const char* meldung; // "" stored and printed
    } fälle[] = {
        {"Ohne Griechisch", false, ""},
        {"Ohne Griechisch", true, ""},
        {"Ohne Umlaute", true, "Die Schrift Ohne Umlaute hat kein eigenes Zeichen für «ü»"},
        {"Fett ohne Hochzahl", true, "Die Schrift Fett ohne Hochzahl hat kein eigenes Zeichen für «²»"},
        {"Arial", false, ""},
    };
    const std::string andere = "Bitte wählen Sie eine andere Schrift.";
    for (const Fall& c : fälle) {
        SCOPED_TRACE(std::string(c.schrift) + (c.einfach ? ", without special characters" : ""));
        Dialog d;
        Lückendrucker drucker;
        drucker.Liste = d.druck.drucker.Liste;
        drucker.Lücken = {{"Ohne Griechisch", U"ΔθηχψΣ"}, {"Ohne Griechisch fett", U"ΔθηχψΣ"},
                          {"Ohne Umlaute", U"ü"}, {"Fett ohne Hochzahl fett", U"²³"}};
        Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, nullptr}};
        std::string erwartet;
        if (*c.meldung) erwartet = c.meldung + std::string(Fremd) + andere;

        // As a settings file edited by hand would show it: OK.
        d.f.lblSchrift.setCaption(c.schrift);
        d.f.chkOhneSz.setValue(c.einfach ? 1 : 0);
        d.f.cmdOK_Click();
        const auto* m = d.umgebung.meldungen.Letzte();
        EXPECT_EQ(m ? m->Text : "", erwartet);
        EXPECT_EQ(d.f.Entladen, erwartet.empty());
        EXPECT_EQ(Global::Initialisierung.DruckerSchrift, erwartet.empty() ? c.schrift : "Arial");

        // The printout with such settings does not begin.
        Global::Initialisierung.DruckerSchrift = c.schrift;
        Global::Initialisierung.DruckerSchriftEinfach = c.einfach ? 1 : 0;
        d.umgebung.meldungen.Gezeigt.clear();
        ZIRVO3801Drucken bericht;
        EXPECT_EQ(bericht.Initialisieren(false, false), erwartet.empty());
        m = d.umgebung.meldungen.Letzte();
        EXPECT_EQ(m ? m->Text.substr(0, erwartet.size()) : "", erwartet);
    }
}

TEST(frmDruckIni, DerDruckerDerAusdrucke) {
    // The list shows the printer the printouts use: the one of the settings;
    // with a fresh settings file the PDF printer, not the system's default;
    // a printer no longer installed gives way to the current printer.
    struct Fall {
        const char* eingestellt;
        const char* gezeigt;
    } fälle[] = {{"Laser", "Laser"}, {"", "PDF-Datei"}, {"Altgerät", "Büro"}};
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.eingestellt);
        Testhilfe::Testumgebung umgebung;
        Testhilfe::Druckumgebung druck;
        Global::Initialisierung.DruckerName = c.eingestellt;
        Global::Initialisierung.DruckerSchrift.clear();
        druck.drucker.Liste = {"Büro", "Laser", "PDF-Datei"};
        frmDruckIni f;
        f.Form_Load();
        EXPECT_EQ(f.cboDrucker.ListEntry(f.cboDrucker.ListIndex()), c.gezeigt);
        EXPECT_EQ(f.lblSchrift.Caption(), "Arial") << "an empty font takes the defaults";
    }
}

TEST(frmDruckIni, Testseite) {
    // Settings that do not fit are said before anything is asked; a word on
    // the landscape energy table comes before the question.
    static constexpr const char* frage = "Sollen die Einstellungen gespeichert und ein Testausdruck erstellt werden?";
    struct Fall {
        Antwort antwort;
        const char* drucker;
        int aufträge;
        const char* letzteMeldung;
        const char* rand = "";            // typed into all four margins
        const char* ersteMeldung = frage; // its start
        int meldungen = 0;                // shown in all, when not 0
    } fälle[] = {
        {Antwort::Nein, "Laser", 0, frage},
        {Antwort::Abbrechen, "Laser", 0, frage},
        {Antwort::Ja, "Laser", 1,
         "OK, die Testseite ist gedruckt.\r\n\r\nBitte warten Sie, bis die Testseite beim Drucker erscheint."},
        {Antwort::Ja, "PDF-Datei", 0, frage},
        {Antwort::Ja, "Laser", 0, "Die Schrift Arial in 9 pt passt nicht in das Raster der Ausdrucke. Ihre Ziffern "
         "(0.18 cm) sind breiter als 88 % einer Spalte des Rasters im Hochformat: eine Spalte ist dort 0.114 cm breit "
         "(79 Spalten auf 9 cm), eine Ziffer darf höchstens 0.1 cm breit sein.\r\n\r\nMit diesen Seitenrändern "
         "passt Arial in keiner Grösse ab 6 pt. Mit schmaleren Seitenrändern "
         "lässt sich Arial in 9 pt drucken, zum Beispiel mit links 2.4 cm, oben 2.1 cm, rechts 2.4 cm und unten "
         "2.1 cm.", // left and right at most 4.84 cm, top and bottom 29.7 - 66 * 0.384 = 4.36 cm
         "6", "Die Schrift Arial in 9 pt passt nicht", 1},
        {Antwort::Ja, "Laser", 1,
         "OK, die Testseite ist gedruckt.\r\n\r\nBitte warten Sie, bis die Testseite beim Drucker erscheint.", "1,9",
         "Die Einstellungen passen für alle Ausdrucke im Hochformat; die Energietabelle", 3},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(std::string(c.drucker) + " " + c.rand);
        Dialog d;
        d.umgebung.meldungen.Antworten = {Antwort::OK, c.antwort};
        if (!*c.rand) d.umgebung.meldungen.Antworten.erase(d.umgebung.meldungen.Antworten.begin());
        for (TextBox* t : {&d.f.txtLinks, &d.f.txtOben, &d.f.txtRechts, &d.f.txtUnten})
            if (*c.rand) t->setText(c.rand);
        d.f.txtLinie.setText("2");
        for (int i = 0; i < d.f.cboDrucker.ListCount(); ++i)
            if (d.f.cboDrucker.ListEntry(i) == c.drucker) d.f.cboDrucker.setListIndex(i);
        d.f.cmdTestseite_Click();
        const auto& meldungen = d.umgebung.meldungen;
        EXPECT_EQ(meldungen.Nr(0).Text.rfind(c.ersteMeldung, 0), 0u) << meldungen.Nr(0).Text;
        if (c.ersteMeldung == frage) {
            EXPECT_EQ(meldungen.Nr(0).Vorgabe, Antwort::Nein);
        }
        if (c.meldungen) {
            EXPECT_EQ(static_cast<int>(meldungen.Gezeigt.size()), c.meldungen);
        }
        EXPECT_EQ(meldungen.Zuletzt().Text, c.letzteMeldung);
        EXPECT_EQ(static_cast<int>(d.druck.drucker.Beendet.size()), c.aufträge);
        // Yes stores the settings first (settings that do not fit never);
        // the dialog stays open.
        const bool gespeichert = c.antwort == Antwort::Ja && std::string(c.rand) != "6";
        EXPECT_FLOAT_EQ(Global::Initialisierung.DruckerLinie, gespeichert ? 2 : 3);
        EXPECT_FALSE(d.f.Entladen);
        if (c.aufträge) {
            EXPECT_TRUE(d.druck.drucker.Job(0).Suchen("Zeichensatz mit griechischem Alphabet"));
        }
    }
}

} // namespace

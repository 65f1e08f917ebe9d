// Copies, both sides and the first printout on the recording surface: the
// PDF printer asks for one file and puts every copy into that document,
// each copy on a sheet of its own (a front page when printing on both
// sides) with its pages counted from 1; a system printer gets one job per
// copy; a PDF printed for both sides mirrors its margins on the back pages;
// fresh settings print on the PDF printer with no detour through the
// printer settings.
#include "frame/basZIRVO.h"
#include "printing/Druckeinstellungen.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDruckIni.h"
#include "printing/frmDrucken.h"
#include "printing/frmDruckenEB.h"
#include "project/ProjektGlobal.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Art = Aufzeichnungsfläche::Art;

// The pages on which a text is drawn, in order.
std::vector<int> SeitenMit(const Aufzeichnungsfläche& f, const std::string& text) {
    std::vector<int> s;
    for (const auto* a : f.Texte())
        if (a->Text == text) s.push_back(a->Seite);
    return s;
}

// The x of the user origin on a page: where the scale set last before the
// page's first drawing put it (cm from the paper's left edge).
double Ursprung(const Aufzeichnungsfläche& f, int seite) {
    double x = 0;
    for (const auto& a : f.Aufrufe) {
        if (a.Seite > seite) break;
        if (a.art == Art::Massstab) x = -a.x1;
        if (a.Seite == seite && a.art != Art::Massstab) break;
    }
    return x;
}

// The program's check whether printing is set up: the report object's.
struct DruckPrüfung {
    DruckPrüfung() {
        basZIRVO::DruckerPrüfen = [] {
            ZIRVO3801Drucken r;
            return r.DruckerOK();
        };
    }
    ~DruckPrüfung() { basZIRVO::DruckerPrüfen = nullptr; }
    DruckPrüfung(const DruckPrüfung&) = delete;
    DruckPrüfung& operator=(const DruckPrüfung&) = delete;
};

struct Druck {
    DruckPrüfung prüfung;
    Testhilfe::Zonenprojekt projekt;
    Testhilfe::Druckumgebung druck;
    Druck() {
        EXPECT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / "EinfacheZone.zirvo9"), "");
    }
    // The system proof through its dialog; the last message.
    std::string Systemnachweis(int auswahl, const char* exemplare, bool duplex) {
        return Testhilfe::SystemnachweisDrucken(projekt.umgebung, auswahl, exemplare, duplex);
    }
};

TEST(Exemplare, InEinerPdfDateiOderJeEinAuftrag) {
    struct Fall {
        const char* was;
        const char* drucker;
        int auswahl; // of the system proof dialog
        const char* exemplare;
        bool duplex;
        std::size_t aufträge, dokumente;
    } fälle[] = {
        {"three copies to the PDF printer: one file", Plattform::PdfDrucker, 0, "3", false, 1, 1},
        {"two copies on both sides", Plattform::PdfDrucker, 0, "2", true, 1, 1},
        {"two covers on both sides: each on a front page", Plattform::PdfDrucker, 1, "2", true, 1, 1},
        {"one copy", Plattform::PdfDrucker, 0, "1", false, 1, 1},
        {"three copies to a system printer: three jobs", "Laser", 0, "3", false, 3, 3},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        Druck d;
        Global::Initialisierung.DruckerName = c.drucker;
        auto& dateien = d.projekt.umgebung.dateidialoge;
        dateien.Antworten = {"/tmp/erste.pdf", "/tmp/zweite.pdf", "/tmp/dritte.pdf"};
        EXPECT_EQ(d.Systemnachweis(c.auswahl, c.exemplare, c.duplex), "OK, Ausdruck abgeschlossen.");
        const int n = std::atoi(c.exemplare);
        const bool pdf = std::string(c.drucker) == Plattform::PdfDrucker;
        EXPECT_EQ(dateien.Titel.size(), pdf ? 1u : 0u) << "the file is asked for once";
        ASSERT_EQ(d.druck.drucker.Aufträge.size(), c.aufträge);
        if (pdf) {
            EXPECT_EQ(d.druck.drucker.Aufträge[0].second, "/tmp/erste.pdf");
        }
        const auto& beendet = d.druck.drucker.Beendet;
        ASSERT_EQ(beendet.size(), c.dokumente);
        // Every copy whole: its cover first, its pages counted from 1, its
        // end box; on both sides each copy begins on a front page.
        std::vector<int> anfänge;
        std::vector<int> enden;
        for (const Aufzeichnungsfläche& f : beendet) {
            for (int a : f.Exemplaranfänge) anfänge.push_back(a);
            for (const auto* t : f.Texte())
                if (t->Text.find("Ende des Ausdrucks") != std::string::npos) enden.push_back(t->Seite);
        }
        ASSERT_EQ(static_cast<int>(anfänge.size()), n);
        if (c.auswahl == 0) {
            EXPECT_EQ(static_cast<int>(enden.size()), n);
        }
        if (!pdf) continue;
        const Aufzeichnungsfläche& f = beendet[0];
        const std::vector<int> kopf = SeitenMit(f, "Seite 2");
        for (int k = 0; k < n; ++k) {
            if (c.duplex) {
                EXPECT_EQ(anfänge[k] % 2, 1) << "copy " << k + 1 << " begins on a back page";
            }
            if (k > 0) {
                EXPECT_GT(anfänge[k], anfänge[k - 1]);
            }
            if (c.auswahl == 0) {
                ASSERT_EQ(static_cast<int>(kopf.size()), n);
                EXPECT_EQ(kopf[k], anfänge[k] + 1) << "the pages of every copy count from 1";
                EXPECT_LT(enden[k], k + 1 < n ? anfänge[k + 1] : f.Blätter() + 1);
            }
        }
        // Left margin 3 cm, right 1.5 cm: on both sides the binding margin
        // changes sides on the back pages, in every copy.
        if (c.auswahl == 0) {
            for (int s = 1; s <= f.Blätter(); ++s) {
                const bool rückseite = c.duplex && s % 2 == 0;
                EXPECT_NEAR(Ursprung(f, s), rückseite ? 1.5 : 3.0, 1e-9) << "page " << s;
            }
        }
        // Nothing between the copies but, on both sides, the empty back of
        // a copy's last sheet.
        std::vector<bool> bedruckt(static_cast<std::size_t>(f.Blätter()) + 1, false);
        for (const auto& a : f.Aufrufe)
            if (a.art != Art::Massstab) bedruckt[static_cast<std::size_t>(a.Seite)] = true;
        for (int s = 1; s <= f.Blätter(); ++s) {
            const bool leerErlaubt = c.duplex && s % 2 == 0 && std::find(anfänge.begin(), anfänge.end(), s + 1) != anfänge.end();
            if (!leerErlaubt) {
                EXPECT_TRUE(bedruckt[static_cast<std::size_t>(s)]) << "page " << s;
            }
        }
    }
}

TEST(Exemplare, EinzelbauteilnachweisInEinerPdfDatei) {
    Druck d;
    Global::Initialisierung.DruckerName = Plattform::PdfDrucker;
    auto& dateien = d.projekt.umgebung.dateidialoge;
    dateien.Antworten = {"/tmp/eb.pdf", "/tmp/eb2.pdf"};
    bool entladen = false;
    frmDruckenEB::Anzeigen = [&](frmDruckenEB& dialog) {
        dialog.optAusdruck[0].setValue(false);
        dialog.optAusdruck[1].setValue(true);
        dialog.txtExemplare.setText("2");
        dialog.chkDuplex.setValue(1);
        dialog.cmdDrucken_Click();
        entladen = dialog.Entladen;
    };
    frmDruckenEB::Aufruf();
    frmDruckenEB::Anzeigen = nullptr;
    EXPECT_TRUE(entladen);
    EXPECT_EQ(dateien.Titel.size(), 1u);
    ASSERT_EQ(d.druck.drucker.Beendet.size(), 1u);
    const Aufzeichnungsfläche& f = d.druck.drucker.Beendet[0];
    EXPECT_EQ(f.Exemplaranfänge, (std::vector<int>{1, 3})) << "the second cover on the front of sheet 2";
    EXPECT_EQ(f.Blätter(), 3);
}

TEST(ErsterDruck, PdfDruckerOhneEinrichten) {
    struct Fall {
        const char* was;
        std::vector<std::string> liste;
        std::string eingestellt;
        bool eingerichtet;
        std::string danach;
        std::string meldung;
    } fälle[] = {
        {"fresh settings, no system printer", {"PDF-Datei"}, "", true, "PDF-Datei", ""},
        {"fresh settings beside a system printer", {"Laser", "PDF-Datei"}, "", true, "PDF-Datei", ""},
        {"a system printer chosen", {"Laser", "PDF-Datei"}, "Laser", true, "Laser", ""},
        {"a system printer that is gone", {"PDF-Datei"}, "Laser", false, "Laser",
         "Bitte zuerst den Druck einrichten."},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        Druck d;
        d.druck.drucker.Liste = c.liste;
        Global::Initialisierung.DruckerName = c.eingestellt;
        EXPECT_EQ(basZIRVO::DruckEingerichtet(), c.eingerichtet);
        EXPECT_EQ(Global::Initialisierung.DruckerName, c.danach);
        const auto* m = d.projekt.umgebung.meldungen.Letzte();
        EXPECT_EQ(m ? m->Text : "", c.meldung);
        if (m) {
            EXPECT_EQ(m->Symbol, Plattform::Symbol::Fehler);
        }
    }

    // The print dialogs name the printer the first printout goes to.
    Druck d;
    Global::Initialisierung.DruckerName.clear();
    frmDrucken dialog;
    dialog.Form_Load();
    EXPECT_EQ(dialog.lblDrucker.Caption(), "PDF-Datei");
    Global::Initialisierung.DruckerName.clear();
    frmDruckenEB eb;
    eb.Form_Load();
    EXPECT_EQ(eb.lblDrucker.Caption(), "PDF-Datei");
    // And the first printout of a fresh settings file (no printer, no
    // font, every number 0) asks for the file at once and prints with the
    // default font, line width and margins.
    Initialisierung& ini = Global::Initialisierung;
    ini.DruckerName.clear();
    ini.DruckerSchrift.clear();
    ini.DruckerSchriftgrösse = ini.DruckerSchriftEinfach = ini.DruckerLinie = 0;
    ini.DruckerRandLinks = ini.DruckerRandOben = ini.DruckerRandRechts = ini.DruckerRandUnten = 0;
    d.projekt.umgebung.dateidialoge.Antworten = {"/tmp/erster.pdf"};
    EXPECT_EQ(d.Systemnachweis(1, "1", false), "OK, Ausdruck abgeschlossen.");
    ASSERT_EQ(d.druck.drucker.Aufträge.size(), 1u);
    EXPECT_EQ(d.druck.drucker.Aufträge[0], (std::pair<std::string, std::string>{"PDF-Datei", "/tmp/erster.pdf"}));
    EXPECT_EQ(ini.DruckerSchrift, "Arial");
    EXPECT_FLOAT_EQ(ini.DruckerSchriftgrösse, 9);
    EXPECT_FLOAT_EQ(ini.DruckerLinie, 3);
    EXPECT_FLOAT_EQ(ini.DruckerRandLinks, 3);
    EXPECT_FLOAT_EQ(ini.DruckerRandOben, 1.5f);
    EXPECT_FLOAT_EQ(ini.DruckerRandRechts, 1.5f);
    EXPECT_FLOAT_EQ(ini.DruckerRandUnten, 1.5f);
    ASSERT_EQ(d.druck.drucker.Beendet.size(), 1u);
    const Aufzeichnungsfläche& f = d.druck.drucker.Beendet[0];
    const auto* massstab = f.Alle(Art::Massstab).front();
    EXPECT_NEAR(massstab->x1, -3, 1e-9);
    EXPECT_NEAR(massstab->y1, -1.5, 1e-9);
    EXPECT_EQ(f.Texte().front()->Schrift.Name, "Arial");
    // Settings once made keep what they say, a named printer too.
    ini.DruckerName.clear();
    ini.DruckerRandLinks = 0;
    Druckeinstellungen::DruckerVorgabe(ini);
    EXPECT_EQ(ini.DruckerName, "PDF-Datei");
    EXPECT_FLOAT_EQ(ini.DruckerRandLinks, 0);
    ini.DruckerName = "Laser";
    ini.DruckerSchrift.clear();
    Druckeinstellungen::DruckerVorgabe(ini);
    EXPECT_EQ(ini.DruckerName, "Laser");
    EXPECT_EQ(ini.DruckerSchrift, "");
}

} // namespace

// A printer without a duplex unit: both print dialogs close the box
// "Beidseitiger Druck" and say why in its tool tip; the printout goes out on
// one side and the setting stays for a printer that has one (choosing such
// a printer in the set-up opens the box again, checked as set). Every job
// bears the document's name: the PDF the name of its file, a job for a
// system printer the project's name.
TEST(Exemplare, DruckerOhneDuplexEinheitUndAuftragsname) {
    Druck d;
    d.druck.drucker.Einseitig = {"Laser"};
    Initialisierung& ini = Global::Initialisierung;
    ini.DruckerDuplex = true;
    const std::string grund = "Der Drucker hat keine Duplex-Einheit: er druckt nur einseitig.";
    frmDrucken dialog;
    dialog.Form_Load();
    frmDruckenEB eb;
    eb.Form_Load();
    for (const CheckBox* k : {&dialog.chkDuplex, &eb.chkDuplex}) {
        EXPECT_FALSE(k->Enabled());
        EXPECT_EQ(k->Value(), 0);
        EXPECT_EQ(k->ToolTipText(), grund);
    }
    dialog.optAusdruck_Click(1);
    dialog.cmdDrucken_Click();
    EXPECT_EQ(d.projekt.umgebung.meldungen.Zuletzt().Text, "OK, Ausdruck abgeschlossen.");
    EXPECT_TRUE(ini.DruckerDuplex) << "the setting stays";
    ASSERT_EQ(d.druck.drucker.Beendet.size(), 1u);
    EXPECT_EQ(d.druck.drucker.Beendet[0].Duplex, 1);
    EXPECT_EQ(d.druck.drucker.Beendet[0].Name, Global::Projekt.Projektname());

    frmDrucken zweiter;
    zweiter.Form_Load();
    frmDruckIni::Anzeigen = [](frmDruckIni& f) {
        f.cboDrucker.setListIndex(1);
        f.cmdOK_Click();
    };
    zweiter.cmdEinrichten_Click();
    frmDruckIni::Anzeigen = nullptr;
    EXPECT_EQ(ini.DruckerName, Plattform::PdfDrucker);
    EXPECT_TRUE(zweiter.chkDuplex.Enabled());
    EXPECT_EQ(zweiter.chkDuplex.Value(), 1);
    EXPECT_EQ(zweiter.chkDuplex.ToolTipText(), "");
    frmDruckenEB eb2;
    eb2.Form_Load();
    EXPECT_TRUE(eb2.chkDuplex.Enabled());
    d.projekt.umgebung.dateidialoge.Antworten = {"/tmp/Nachweis Mai.pdf"};
    zweiter.optAusdruck_Click(1);
    zweiter.cmdDrucken_Click();
    ASSERT_EQ(d.druck.drucker.Beendet.size(), 2u);
    EXPECT_EQ(d.druck.drucker.Beendet[1].Duplex, 2);
    EXPECT_EQ(d.druck.drucker.Beendet[1].Name, "Nachweis Mai");
}

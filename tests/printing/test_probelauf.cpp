// A printout whose dry run passed draws the pages of the dry run on its job
// and lays none out again: its job measures no text. What it prints is what
// the printout prints that lays its pages out on the job (as it does where
// the measuring surface is another printer's), call by call: the system
// proof and its parts, the single-component proof, the energy table and a
// component sheet, in copies, on both sides, on the PDF printer and on a
// system printer, and where the job breaks off at a text.
#include "components/Bauteile.h"
#include "mainwindow/frmZIRVO3801.h"
#include "printing/Druckauftraege.h"
#include "printing/frmDruckenEB.h"
#include "project/ProjektGlobal.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A printer whose jobs count the texts measured on them (laying out a page
// measures its texts) and may break off at a text. Its measuring surface is
// of the printer named, or with andereMessung of another printer, on which
// a dry run lays out no page of the job.
class Zähldrucker : public Testhilfe::Testdrucker {
public:
    bool AndereMessung = false;
    std::string AbbruchBei;
    std::size_t Messungen = 0;

    std::unique_ptr<Plattform::Druckfläche> Messfläche(const std::string& drucker) override {
        return Testdrucker::Messfläche(AndereMessung ? "Anderer Drucker" : drucker);
    }
    std::unique_ptr<Plattform::Druckfläche> Auftrag(const std::string& drucker, const std::string& ziel,
                                                    std::string&) override {
        struct Fläche : Aufzeichnungsfläche {
            Zähldrucker* zähler = nullptr;
            bool zeichnet = false; // the surface measures what it records
            double Textbreite(std::string_view t) const override {
                if (!zeichnet) ++zähler->Messungen;
                return Aufzeichnungsfläche::Textbreite(t);
            }
            void Text(double x, double y, std::string_view t) override {
                if (t == zähler->AbbruchBei) throw std::runtime_error("Druckfehler");
                zeichnet = true;
                Aufzeichnungsfläche::Text(x, y, t);
                zeichnet = false;
            }
        };
        Aufträge.emplace_back(drucker, ziel);
        auto f = std::make_unique<Fläche>();
        f->zähler = this;
        f->Drucker.Name = drucker;
        f->BeimBeenden = [this](const Aufzeichnungsfläche& a) {
            Beendet.push_back(a);
            Beendet.back().BeimBeenden = nullptr;
        };
        return f;
    }
};

enum class Bericht { Systemnachweis, Einzelbauteilnachweis, Energietabelle, Bauteilblatt };

// One printout as the user starts it; the last message ("" none).
std::string Drucken(Testhilfe::Testumgebung& umgebung, Bericht bericht, int auswahl, const char* exemplare,
                    bool duplex) {
    switch (bericht) {
    case Bericht::Systemnachweis: return Testhilfe::SystemnachweisDrucken(umgebung, auswahl, exemplare, duplex);
    case Bericht::Einzelbauteilnachweis: {
        frmDruckenEB dialog;
        dialog.Form_Load();
        dialog.optAusdruck[0].setValue(auswahl == 0);
        dialog.optAusdruck[1].setValue(auswahl == 1);
        dialog.txtExemplare.setText(exemplare);
        dialog.chkDuplex.setValue(duplex ? 1 : 0);
        dialog.cmdDrucken_Click();
        break;
    }
    case Bericht::Energietabelle: {
        frmZIRVO3801& F = Global::frmZIRVO3801;
        F.ProjektZoneEinlesen();
        F.ProjektZoneBerechnen();
        F.ProjektZoneSpeichern();
        Druckaufträge::Energien();
        break;
    }
    case Bericht::Bauteilblatt:
        Druckaufträge::Element(Elementart::Bauteil, Elemente::Nummern(Global::Projekt, Elementart::Bauteil).front());
        break;
    }
    const auto* m = umgebung.meldungen.Letzte();
    return m ? m->Text : "";
}

// Two documents alike: every call with its page, place, text, font, width
// and colour, the sheets and where each copy begins.
void Gleich(const Aufzeichnungsfläche& a, const Aufzeichnungsfläche& b) {
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.Duplex, b.Duplex);
    EXPECT_EQ(a.Quer, b.Quer);
    EXPECT_EQ(a.Blätter(), b.Blätter());
    EXPECT_EQ(a.Exemplaranfänge, b.Exemplaranfänge);
    ASSERT_EQ(a.Aufrufe.size(), b.Aufrufe.size());
    for (std::size_t i = 0; i < a.Aufrufe.size(); ++i) {
        const auto &x = a.Aufrufe[i], &y = b.Aufrufe[i];
        const bool gleich = x.art == y.art && x.Seite == y.Seite && x.x1 == y.x1 && x.y1 == y.y1 && x.x2 == y.x2 &&
                            x.y2 == y.y2 && x.Text == y.Text && x.Schrift == y.Schrift && x.Breite == y.Breite &&
                            x.Farbe == y.Farbe;
        if (!gleich) {
            ADD_FAILURE() << "call " << i << " differs: " << static_cast<int>(x.art) << " \"" << x.Text << "\" on page "
                          << x.Seite << " at " << x.x1 << ", " << x.y1 << " in " << x.Schrift.Name << " "
                          << x.Schrift.Grösse << (x.Schrift.Fett ? " bold" : "") << "; " << static_cast<int>(y.art)
                          << " \"" << y.Text << "\" on page " << y.Seite << " at " << y.x1 << ", " << y.y1 << " in "
                          << y.Schrift.Name << " " << y.Schrift.Grösse << (y.Schrift.Fett ? " bold" : "");
            return;
        }
    }
}

TEST(Probelauf, SeitenDesProbelaufsAufDemAuftrag) {
    using B = Bericht;
    const char* const ok = "OK, Ausdruck abgeschlossen.";
    const struct Fall {
        const char* was;
        const char* projekt;
        Bericht bericht;
        int auswahl; // of the print dialog
        const char* exemplare;
        bool duplex;
        const char* drucker;
        const char* abbruchBei; // the job breaks off at this text
        const char* meldung;    // the start of the last message
        std::size_t dokumente;
    } fälle[] = {
        {"whole proof, 2 copies on both sides", "MehrereZonen", B::Systemnachweis, 0, "2", true, "PDF-Datei", "", ok, 1},
        {"whole proof, 2 jobs", "MehrereZonen", B::Systemnachweis, 0, "2", false, "Laser", "", ok, 2},
        {"3 covers on both sides", "EinfacheZone", B::Systemnachweis, 1, "3", true, "PDF-Datei", "", ok, 1},
        {"cover with summary", "AlleZeilenarten", B::Systemnachweis, 2, "1", true, "Laser", "", ok, 1},
        {"protocol with components", "AlleZeilenarten", B::Systemnachweis, 5, "2", true, "PDF-Datei", "", ok, 1},
        {"component sheets", "MehrereZonen", B::Systemnachweis, 6, "1", false, "Laser", "", ok, 1},
        {"one zone", "MehrereZonen", B::Systemnachweis, 7, "2", true, "PDF-Datei", "", ok, 1},
        {"breaks off in a section", "MehrereZonen", B::Systemnachweis, 0, "2", true, "PDF-Datei", "Einzelbauteile",
         "Der Ausdruck ist fehlgeschlagen und wurde abgebrochen.\r\n\r\nFehlerhafter Teil: Zusammenfassung, "
         "Einzelbauteile",
         0},
        {"single-component proof, 2 copies on both sides", "EinzelbauteileGrenzwerte", B::Einzelbauteilnachweis, 0,
         "2", true, "PDF-Datei", "", ok, 1},
        {"its cover, 2 jobs", "EinzelbauteileGrenzwerte", B::Einzelbauteilnachweis, 1, "2", false, "Laser", "", ok,
         2},
        {"it breaks off", "EinzelbauteileGrenzwerte", B::Einzelbauteilnachweis, 0, "1", false, "Laser",
         "Zusammenfassung", "Fehler beim Ausdruck: Einzelbauteilnachweis", 0},
        {"energy table", "MehrereZonen", B::Energietabelle, 0, "1", false, "PDF-Datei", "", "", 1},
        {"energy table breaks off", "MehrereZonen", B::Energietabelle, 0, "1", false, "Laser", "Heizwärmebedarf",
         "Fehler beim Ausdruck.", 0},
        {"component sheet", "AlleZeilenarten", B::Bauteilblatt, 0, "1", false, "Laser", "", "", 1},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        // Laid out on the job (a measuring surface of another printer), then
        // drawn from the dry run.
        std::vector<Aufzeichnungsfläche> gelegt;
        for (const bool andereMessung : {true, false}) {
            SCOPED_TRACE(andereMessung ? "laid out on the job" : "drawn from the dry run");
            Testhilfe::Zonenprojekt projekt;
            Testhilfe::Druckumgebung druck;
            ASSERT_EQ(Testhilfe::ProjektÖffnen(Testhilfe::Projektordner() / (std::string(c.projekt) + ".zirvo9")), "");
            Zähldrucker drucker;
            drucker.Liste = druck.drucker.Liste;
            drucker.AndereMessung = andereMessung;
            drucker.AbbruchBei = c.abbruchBei;
            const Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, nullptr}};
            Global::Initialisierung.DruckerName = c.drucker;
            projekt.umgebung.dateidialoge.Antworten = {"/tmp/probelauf.pdf"};

            const std::string meldung = Drucken(projekt.umgebung, c.bericht, c.auswahl, c.exemplare, c.duplex);
            EXPECT_EQ(meldung.rfind(c.meldung, 0), 0u) << meldung;
            ASSERT_EQ(drucker.Beendet.size(), c.dokumente);
            if (andereMessung) {
                EXPECT_GT(drucker.Messungen, 0u) << "the job lays its pages out";
                gelegt = drucker.Beendet;
                continue;
            }
            EXPECT_EQ(drucker.Messungen, 0u) << "a page of the dry run laid out again";
            for (std::size_t i = 0; i < gelegt.size(); ++i) {
                SCOPED_TRACE("document " + std::to_string(i + 1));
                Gleich(gelegt[i], drucker.Beendet[i]);
            }
        }
    }
}

} // namespace

// The system proof of the project at the program's maxima printed at the
// default margins in faces other than Arial (monospaced, serif and
// proportional ones that the install script brings) and in several sizes:
// each setting either prints a legible proof or is refused, in the set-up
// dialog and at the start of the printout, with a message naming the text
// that does not fit, and no file is written.
#include "balance/Anzeigezahl.h"
#include "frame/qt/Druckschriften.h"
#include "frame/qt/QtDruckflaeche.h"
#include "frame/qt/QtPlattform.h"
#include "frame/qt/Schriftdialog.h"
#include "frame/qt/Schriftzeichen.h"
#include "frame/Initialisierung.h"
#include "printing/Druckraster.h"
#include "printing/frmDruckIni.h"
#include "printing/frmDrucken.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Grenzprojekte.h"
#include "tests/support/qt/Lesbarkeit.h"
#include "tests/support/qt/Pdfdruck.h"
#include "tests/support/qt/Pdftext.h"
#include "tests/support/qt/Widgethilfe.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <regex>
#include <set>

namespace {

using namespace Testhilfe::Pdf;

// The ways out a refusal names, as settings: the largest size for the
// margins, rows by font height, narrower margins (with their size).
struct Vorschlag {
    Druckeinstellungen::Werte w;
    bool zeilenNachSchrift;
    std::string was;
};
std::vector<Vorschlag> Vorschläge(const std::string& meldung, const Druckeinstellungen::Werte& w, bool zeilen) {
    static const std::regex grösse(R"(passt .+? höchstens in ([0-9.]+) pt\.)"),
        zeilenwahl(R"(Mit «Anzahl Druckzeilen gemäss Druckerschrift» .+? lässt sich .+? in ([0-9.]+) pt drucken)"),
        ränder(R"(Mit schmaleren Seitenrändern lässt sich .+? in ([0-9.]+) pt drucken, zum Beispiel mit )"
               R"(links ([0-9.]+) cm, oben ([0-9.]+) cm, rechts ([0-9.]+) cm und unten ([0-9.]+) cm)");
    std::vector<Vorschlag> v;
    std::smatch m;
    if (std::regex_search(meldung, m, grösse)) {
        Vorschlag x{w, zeilen, m[0]};
        x.w.Grösse = std::stod(m[1]);
        v.push_back(x);
    }
    if (std::regex_search(meldung, m, zeilenwahl)) v.push_back({w, true, m[0]});
    if (std::regex_search(meldung, m, ränder)) {
        Vorschlag x{w, zeilen, m[0]};
        x.w.Grösse = std::stod(m[1]);
        x.w.Links = std::stod(m[2]), x.w.Oben = std::stod(m[3]);
        x.w.Rechts = std::stod(m[4]), x.w.Unten = std::stod(m[5]);
        v.push_back(x);
    }
    return v;
}

TEST(PdfSchriftarten, LesbarOderAbgelehnt) {
    // The first dot line of the signatures on the cover.
    static constexpr const char* Punkte = "«..............................»";
    static constexpr const char* Einheit = "«[kWh/m²]» nicht in seinem Feld der Ausdrucke: es reicht an eine Linie";
    static constexpr const char* Zusammenfassung = "Das betrifft die Zusammenfassung des Systemnachweises.";
    struct Fall {
        const char* schrift;
        double grösse;
        bool zeilenNachSchrift;
        const char* ablehnung; // "" it prints; else the start of the refusal
        const char* text;      // the text it names as not fitting ("" none)
        bool dialog;           // the set-up dialog refuses it already
        const char* dialogtext = ""; // what the dialog's refusal or note names
        double ränder[4] = {3, 1.5, 1.5, 1.5};
    } fälle[] = {
        // Monospaced faces: the cover's dot lines of the signatures run into
        // each other; narrower margins print them in a smaller size.
        {"DejaVu Sans Mono", 6, false, "Mit der Schrift DejaVu Sans Mono in 6 pt bleibt", Punkte, true},
        {"DejaVu Sans Mono", 8, false, "Mit der Schrift DejaVu Sans Mono in 8 pt bleibt", Punkte, true},
        {"Liberation Mono", 7, false, "Mit der Schrift Liberation Mono in 7 pt bleibt", Punkte, true},
        {"Liberation Mono", 8, false, "Mit der Schrift Liberation Mono in 8 pt bleibt", Punkte, true},
        // A serif face: legible where it fits the grid; by font height at
        // 10 pt the unit heads of the energy balance would stand on their rules.
        {"Liberation Serif", 8, false, "", "", false},
        {"Liberation Serif", 9, false, "", "", false},
        {"Liberation Serif", 10, false, "Die Schrift Liberation Serif in 10 pt passt nicht", "", true},
        {"Liberation Serif", 10, true, "Mit der Schrift Liberation Serif in 10 pt bleibt", Einheit, true},
        // Settings whose fonts fit the grid and whose cover and test page
        // keep their texts, but not the summary's unit heads: the dialog
        // lays the summary out and says so.
        {"Liberation Serif", 10, false, "Mit der Schrift Liberation Serif in 10 pt bleibt", Einheit, true,
         Zusammenfassung, {3, 1, 1.5, 1}},
        {"FreeSerif", 10, false, "Mit der Schrift FreeSerif in 10 pt bleibt", Einheit, true, Zusammenfassung},
        {"FreeSerif", 10, false, "Mit der Schrift FreeSerif in 10 pt bleibt", Einheit, true, Zusammenfassung,
         {2, 2, 2, 2}},
        {"Caladea", 9, false, "Mit der Schrift Caladea in 9 pt bleibt", Einheit, true, Zusammenfassung},
        // Proportional faces: legible at every size their digits fit.
        {"DejaVu Sans", 6, false, "", "", false},
        {"DejaVu Sans", 7, false, "", "", false},
        {"DejaVu Sans", 8, false, "Die Schrift DejaVu Sans in 8 pt passt nicht", "", true},
        {"DejaVu Serif", 7, false, "", "", false},
        {"DejaVu Sans Condensed", 8, false, "", "", false},
        // Lines too high for the rows: rows by font height print them.
        {"Arial", 11, false, "Die Schrift Arial in 11 pt passt nicht", "", true, "", {0, 0, 0, 0}},
        // Labels that fill their rows, brackets that reach the top and foot
        // of a line, between column lines and on their white fills; stored
        // with a word on the landscape energy table, which it leaves out.
        {"FreeSans", 11, false, "", "", false, "die Energietabelle im Querformat braucht aber eine kleinere Schrift",
         {0, 0, 0, 0}},
        // The settings of a fresh install.
        {"Arial", 9, false, "", "", false},
    };
    Testhilfe::Pdfdruck d("pdf_schriftarten", 1767225600 + 10 * 3600);
    AufzeichnenderDrucker drucker;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &d.umgebung}};
    Testhilfe::MaximalprojektAnlegen(d.z);
    auto& meldungen = d.z.umgebung.meldungen;
    const auto letzte = [&] { return meldungen.Letzte() ? meldungen.Letzte()->Text : std::string(); };
    Initialisierung& ini = Global::Initialisierung;
    int nr = 0;
    std::set<std::string> gedruckt;
    // The set-up dialog with the settings w, chosen through "Durchsuchen":
    // what it says, and whether OK stores them.
    const auto einrichten = [&](const Druckeinstellungen::Werte& w, std::string& meldung) {
        ini.DruckerSchrift = "Arial";
        ini.DruckerSchriftgrösse = 9;
        meldungen.Gezeigt.clear();
        frmDruckIni dialog;
        dialog.Form_Load();
        TextBox* ränder[] = {&dialog.txtLinks, &dialog.txtOben, &dialog.txtRechts, &dialog.txtUnten};
        const double werte[] = {w.Links, w.Oben, w.Rechts, w.Unten};
        for (int i = 0; i < 4; ++i) ränder[i]->setText(Anzeigezahl::Zahltext(werte[i]));
        d.z.umgebung.dateidialoge.Schrift = Plattform::Schrift{w.Schrift, w.Grösse};
        dialog.cmdSchriftDurchsuchen_Click();
        meldung = letzte();
        dialog.cmdOK_Click();
        EXPECT_EQ(ini.DruckerSchrift, dialog.Entladen ? w.Schrift : "Arial");
        return dialog.Entladen;
    };
    // The system proof printed with the settings w: "" and a legible PDF,
    // or the refusal (no file asked for, none written, no "OK").
    const auto drucken = [&](const Druckeinstellungen::Werte& w, bool zeilenNachSchrift) {
        Testhilfe::Druckumgebung::Einstellungen(Plattform::PdfDrucker);
        ini.DruckerSchrift = w.Schrift;
        ini.DruckerSchriftgrösse = static_cast<float>(w.Grösse);
        ini.DruckerRandLinks = static_cast<float>(w.Links), ini.DruckerRandOben = static_cast<float>(w.Oben);
        ini.DruckerRandRechts = static_cast<float>(w.Rechts), ini.DruckerRandUnten = static_cast<float>(w.Unten);
        const std::string pdf = d.Ziel("Schrift" + std::to_string(++nr) + ".pdf");
        meldungen.Gezeigt.clear();
        frmDrucken druck;
        druck.Form_Load();
        druck.optAusdruck_Click(0);
        druck.chkADGD.setValue(zeilenNachSchrift ? 1 : 0);
        druck.cmdDrucken_Click();
        if (letzte() != "OK, Ausdruck abgeschlossen.") {
            EXPECT_EQ(d.z.umgebung.dateidialoge.Antworten.size(), 1u);
            d.z.umgebung.dateidialoge.Antworten.clear();
            EXPECT_FALSE(std::filesystem::exists(pdf));
            return letzte();
        }
        const Druckraster::Raster r = Druckraster::Seite(Druckeinstellungen::Gelesen(ini), false, 21, 29.7);
        EXPECT_EQ(Mängel(pdf, Wörter(pdf), drucker.Striche, r), std::vector<std::string>{});
        return std::string();
    };
    for (const Fall& c : fälle) {
        const Druckeinstellungen::Werte w{c.schrift,    c.grösse,    false,       3,
                                          c.ränder[0], c.ränder[1], c.ränder[2], c.ränder[3]};
        const std::string was = std::string(c.schrift) + " " + Anzeigezahl::Zahltext(c.grösse) + " pt, margins " +
                                Anzeigezahl::Zahltext(w.Links) + "/" + Anzeigezahl::Zahltext(w.Oben) + "/" +
                                Anzeigezahl::Zahltext(w.Rechts) + "/" + Anzeigezahl::Zahltext(w.Unten) +
                                (c.zeilenNachSchrift ? ", by font height" : "");
        SCOPED_TRACE(was);
        if (std::string(c.schrift) != "Arial" &&
            QFontInfo(QtDruckfläche::Druckfont({c.schrift, c.grösse, false})).family().toStdString() != c.schrift) {
            // The sanitizer pass limits fontconfig to DejaVu, as on a bare
            // system; everywhere else the install script brings every face.
            ASSERT_NE(std::getenv("FONTCONFIG_FILE"), nullptr) << "the test needs the faces of scripts/install-deps.sh";
            std::cout << "[ SKIPPED  ] " << was << ": not a face of this fontconfig\n";
            continue;
        }
        std::string dialogmeldung;
        EXPECT_EQ(einrichten(w, dialogmeldung), !c.dialog) << dialogmeldung;
        EXPECT_EQ(!dialogmeldung.empty(), c.dialog || *c.dialogtext) << dialogmeldung;
        if (c.dialog && *c.text && !c.zeilenNachSchrift) {
            EXPECT_NE(dialogmeldung.find(c.text), std::string::npos) << dialogmeldung;
        }
        EXPECT_NE(dialogmeldung.find(c.dialogtext), std::string::npos) << dialogmeldung;
        const std::string meldung = drucken(w, c.zeilenNachSchrift);
        EXPECT_EQ(meldung.rfind(c.ablehnung, 0), 0u) << meldung;
        if (!*c.ablehnung) continue;
        EXPECT_NE(meldung.find(c.text), std::string::npos) << meldung;
        // What each refusal names prints the proof legibly; what the dialog
        // names, it stores.
        const auto vorschläge = Vorschläge(meldung, w, c.zeilenNachSchrift);
        EXPECT_FALSE(vorschläge.empty()) << meldung;
        // Each setting printed once (several refusals name the same).
        const auto vorschlagDrucken = [&](const Vorschlag& v) {
            const std::string schlüssel = v.w.Schrift + " " + Anzeigezahl::Zahltext(v.w.Grösse) + " " +
                                          Anzeigezahl::Zahltext(v.w.Links) + "/" + Anzeigezahl::Zahltext(v.w.Oben) +
                                          "/" + Anzeigezahl::Zahltext(v.w.Rechts) + "/" +
                                          Anzeigezahl::Zahltext(v.w.Unten) + (v.zeilenNachSchrift ? " rows" : "");
            if (!gedruckt.insert(schlüssel).second) return;
            EXPECT_EQ(drucken(v.w, v.zeilenNachSchrift), "");
        };
        for (const Vorschlag& v : vorschläge) {
            SCOPED_TRACE("printout: " + v.was);
            vorschlagDrucken(v);
        }
        for (const Vorschlag& v : Vorschläge(dialogmeldung, w, false)) {
            SCOPED_TRACE("set-up dialog: " + v.was);
            EXPECT_EQ(v.zeilenNachSchrift, false) << "the dialog stores no rows by font height";
            std::string rest;
            EXPECT_TRUE(einrichten(v.w, rest)) << rest;
            vorschlagDrucken(v);
        }
    }
}

// Two words overprint where their ink meets, not where their boxes do: a
// word's box is as high as its face's tallest letter and lowest foot (a
// face with tall boxes, as many a face the desktop brings, overlaps the
// next row's boxes far from any ink). Two lines of letters without
// ascenders and descenders set closer than their boxes are legible; set
// on each other they are not.
TEST(PdfSchriftarten, UeberdruckNachTinte) {
    struct Fall {
        const char* was;
        double abstand; // pt from the first line's foot to the second's
        bool überdruckt;
    } fälle[] = {
        {"lines closer than their boxes, their ink apart", 14, false},
        {"the second line's letters on the first's", 5, true},
    };
    Testhilfe::Testordner ordner("pdf_tinte");
    const Druckraster::Raster r{0, 0, 0, 0, 21, 29.7, 79, 66};
    for (const Fall& c : fälle) {
        SCOPED_TRACE(c.was);
        const std::string pdf = ordner.Datei("Tinte.pdf");
        {
            QPdfWriter w(QString::fromStdString(pdf));
            w.setResolution(1200);
            QPainter p(&w);
            QFont f(QtDruckschriften::Familie);
            f.setPixelSize(20 * 1200 / 72); // 20 pt
            p.setFont(f);
            const double px = 1200.0 / 72;
            p.drawText(QPointF(100 * px, 100 * px), "ausmerzen");
            p.drawText(QPointF(100 * px, (100 + c.abstand) * px), "novemarnas");
        }
        const std::vector<Wort> wörter = Wörter(pdf);
        ASSERT_EQ(wörter.size(), 2u);
        ASSERT_TRUE(Schneiden(wörter[0].yMin, wörter[0].yMax, wörter[1].yMin, wörter[1].yMax)) << "the boxes overlap";
        const std::vector<std::string> m = Mängel(pdf, wörter, {}, r);
        EXPECT_EQ(!m.empty() && m.front().rfind("overprinted", 0) == 0, c.überdruckt) << (m.empty() ? "" : m.front());
    }
}

// Whether the system has the family (by its name, whatever the foundry);
// where it has not, only the sanitizer pass (fontconfig limited to DejaVu)
// may go without it.
bool Vorhanden(const QString& familie) {
    for (const QString& f : QFontDatabase::families())
        if (QtSchriftzeichen::OhneGiesserei(f) == familie) return true;
    EXPECT_NE(std::getenv("FONTCONFIG_FILE"), nullptr) << "the test needs the faces of scripts/install-deps.sh";
    return false;
}

// A face that does not draw the reports' letters with glyphs of its own:
// a symbol face (Greek letters and signs at the places of Latin ones) or
// dingbats. It is not offered at "Durchsuchen" (typed, the dialog refuses
// it), not stored at OK and not printed with (a settings file edited by
// hand): each names the face and the first character it lacks, and no
// file is written.
TEST(PdfSchriftarten, OhneEigeneZeichenAbgelehnt) {
    struct Fall {
        const char* schrift;
        bool einfach;
        const char* zeichen; // the first it lacks; "" it prints
    } fälle[] = {
        {"Standard Symbols PS", false, "A"},
        {"Standard Symbols PS", true, "A"},
        {"D050000L", true, "A"},
        {"Caladea", false, ""}, // Greek letters come from the printer's Greek set
        {"DejaVu Sans", false, ""},
    };
    Testhilfe::Pdfdruck d("pdf_fremde_zeichen", 1767225600 + 10 * 3600);
    Testhilfe::MaximalprojektAnlegen(d.z);
    auto& meldungen = d.z.umgebung.meldungen;
    const auto letzte = [&] { return meldungen.Letzte() ? meldungen.Letzte()->Text : std::string(); };
    Initialisierung& ini = Global::Initialisierung;
    for (const Fall& c : fälle) {
        SCOPED_TRACE(std::string(c.schrift) + (c.einfach ? ", without special characters" : ""));
        if (!Vorhanden(c.schrift)) continue;
        const std::string abgelehnt = "Die Schrift " + std::string(c.schrift) + " hat kein eigenes Zeichen für «" +
                                      c.zeichen + "»: die Ausdrucke würden damit in fremden Zeichen gedruckt.";
        Testhilfe::Druckumgebung::Einstellungen(Plattform::PdfDrucker);
        ini.DruckerSchriftEinfach = c.einfach ? 1 : 0;
        ini.DruckerSchriftgrösse = 7; // a size DejaVu Sans prints in

        // "Durchsuchen": the list has it only where it prints; typed, it is
        // taken there alone, and refused naming what it lacks.
        frmDruckIni dialog;
        dialog.Form_Load();
        {
            QtPlattform::QtDateidialoge dialoge;
            Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, &dialoge, nullptr, nullptr, nullptr}};
            meldungen.Gezeigt.clear();
            Testhilfe::Modal([&] { dialog.cmdSchriftDurchsuchen_Click(); },
                             [&](QDialog& fenster) {
                                 auto* f = qobject_cast<Schriftdialog*>(&fenster);
                                 ASSERT_NE(f, nullptr);
                                 EXPECT_EQ(f->Familien().contains(c.schrift), !*c.zeichen);
                                 Testhilfe::Kind<QComboBox>(*f, "cboSchrift")->setEditText(c.schrift);
                                 f->accept();
                                 EXPECT_EQ(f->isVisible(), !!*c.zeichen) << "refused, the dialog stays open";
                             });
            if (*c.zeichen) {
                EXPECT_EQ(letzte().rfind(abgelehnt, 0), 0u) << letzte();
                EXPECT_EQ(dialog.lblSchrift.Caption(), "Arial");
            } else {
                EXPECT_EQ(dialog.lblSchrift.Caption(), c.schrift);
            }
        }

        // OK with the face named (as a settings file edited by hand shows it).
        meldungen.Gezeigt.clear();
        dialog.lblSchrift.setCaption(c.schrift);
        dialog.cmdOK_Click();
        EXPECT_EQ(dialog.Entladen, !*c.zeichen) << letzte();
        if (!*c.zeichen) continue;
        EXPECT_EQ(letzte().rfind(abgelehnt, 0), 0u) << letzte();
        EXPECT_EQ(ini.DruckerSchrift, "Arial");

        // The system proof with such settings: refused before a file is
        // asked for, never "OK".
        ini.DruckerSchrift = c.schrift;
        const std::string pdf = d.Ziel("Fremd.pdf");
        meldungen.Gezeigt.clear();
        frmDrucken druck;
        druck.Form_Load();
        druck.optAusdruck_Click(0);
        druck.cmdDrucken_Click();
        EXPECT_EQ(letzte().rfind(abgelehnt, 0), 0u) << letzte();
        EXPECT_EQ(d.z.umgebung.dateidialoge.Antworten.size(), 1u) << "no file asked for";
        d.z.umgebung.dateidialoge.Antworten.clear();
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
}

} // namespace

// Real PDFs of the program's own printer read back with pdftotext: printed
// words keep their letters whatever the face (no ligature for "ff", "fi",
// "fl", also in DejaVu Sans, which has them), copies go into one file, a
// PDF for both sides has its binding margin mirrored on the back pages, and
// a PDF that cannot be written whole (a file-size limit) leaves the old
// file as it was and says why. And that "Arial" prints in the face the
// program carries, with Arial's widths, which the report layouts are made
// for, whatever fontconfig has (the sanitizer pass has DejaVu alone).
#include "components/Baustoff.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "frame/qt/Druckschriften.h"
#include "frame/qt/QtDruckflaeche.h"
#include "frame/qt/QtPlattform.h"
#include "frame/qt/Schriftdialog.h"
#include "printing/Druckauftraege.h"
#include "printing/Zeichensaetze.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDruckIni.h"
#include "printing/frmDrucken.h"
#include "project/ProjektGlobal.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Goldenprojekt.h"
#include "tests/support/Zonenprojekt.h"
#include "tests/support/qt/Pdfdruck.h"
#include "tests/support/qt/Pdftext.h"
#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QFile>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QProcess>
#include <QRawFont>

#include <gtest/gtest.h>
#include <sys/file.h>
#include <fcntl.h>

#include <csignal>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <filesystem>
#include <map>
#include <regex>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;
using namespace Testhilfe::Pdf;

// The example project opened, the print settings of a fresh install on the
// PDF printer in the face given, at 10 o'clock.
struct PdfDruck : Testhilfe::Pdfdruck {
    explicit PdfDruck(const std::string& schrift = "Arial") : Pdfdruck("pdfschrift", 1767225600 + 10 * 3600) {
        Global::Initialisierung.DruckerSchrift = schrift;
        // DejaVu Sans, wider than Arial (its bold digits 0.70 em), fits the
        // grid of the default margins up to 7 pt.
        if (schrift != "Arial") Global::Initialisierung.DruckerSchriftgrösse = 7;
        const fs::path beispiel = fs::path(ZIRVO_TESTDATEN) / ".." / "examples" / "Beispiel.zirvo9";
        EXPECT_EQ(Testhilfe::ProjektÖffnen(beispiel), "");
    }

    // The system proof through its dialog; the last message.
    std::string Systemnachweis(int auswahl, const char* exemplare = "1", bool duplex = false) {
        return Testhilfe::SystemnachweisDrucken(z.umgebung, auswahl, exemplare, duplex);
    }
    std::size_t Dateien() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(ordner.pfad), fs::directory_iterator{}));
    }
};

// The characters U+FB00 to U+FB06 (ff, fi, fl, ffi, ffl, long st, st) in a text.
std::vector<std::string> Ligaturen(const std::string& text) {
    std::vector<std::string> gefunden;
    for (std::size_t p = 0; (p = text.find("\xEF\xAC", p)) != std::string::npos; p += 3) {
        const unsigned char c = static_cast<unsigned char>(p + 2 < text.size() ? text[p + 2] : 0);
        if (c >= 0x80 && c <= 0x86) gefunden.push_back(text.substr(p > 20 ? p - 20 : 0, 40));
    }
    return gefunden;
}

// The faces a PDF embeds, as pdffonts names them (without a subset's prefix).
std::vector<std::string> Schriften(const std::string& pdf) {
    QProcess p;
    p.start("pdffonts", {QString::fromStdString(pdf)});
    p.waitForFinished(30000);
    std::vector<std::string> namen;
    const QStringList zeilen = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
    for (qsizetype i = 2; i < zeilen.size(); ++i) {
        const QString name = zeilen[i].section(' ', 0, 0, QString::SectionSkipEmpty);
        if (!name.isEmpty()) namen.push_back(name.section('+', -1).toStdString());
    }
    return namen;
}

bool Enthält(const std::vector<std::string>& liste, const std::string& s) {
    return std::find(liste.begin(), liste.end(), s) != liste.end();
}

// The least x (pt) of any word on each page, as pdftotext -bbox gives it.
std::vector<double> LinkerRand(const std::string& pdf) {
    QProcess p;
    p.start("pdftotext", {"-bbox", QString::fromStdString(pdf), "-"});
    p.waitForFinished(30000);
    const std::string html = p.readAllStandardOutput().toStdString();
    std::vector<double> ränder;
    const std::regex wort(R"re(<word xMin="([0-9.]+)")re");
    std::size_t a = html.find("<page ");
    while (a != std::string::npos) {
        const std::size_t e = html.find("<page ", a + 1);
        const std::string s = html.substr(a, e == std::string::npos ? std::string::npos : e - a);
        double x = 1e9;
        for (std::sregex_iterator i(s.begin(), s.end(), wort), ende; i != ende; ++i) x = std::min(x, std::stod((*i)[1]));
        ränder.push_back(x);
        a = e;
    }
    return ränder;
}

// DejaVu Sans shapes "ff", "fi" and "fl" into ligatures where it may; the
// printout must not: every word is found as it was written. "Arial" prints
// in the carried Liberation Sans (regular and bold), a face chosen from the
// system in that face.
TEST(PdfSchrift, KeineLigaturenAuchMitDejaVu) {
    for (const std::string schrift : {"DejaVu Sans", "Arial"}) {
        SCOPED_TRACE(schrift);
        PdfDruck d(schrift);
        if (schrift == "DejaVu Sans") {
            EXPECT_EQ(QtDruckfläche::Druckfont({schrift, 9, false}).styleStrategy() & QFont::PreferNoShaping,
                      QFont::PreferNoShaping);
            ASSERT_EQ(QFontInfo(QtDruckfläche::Druckfont({schrift, 9, false})).family(), "DejaVu Sans")
                << "the test needs DejaVu Sans (Debian: fonts-dejavu-core)";
        }
        const std::string nachweis = d.Ziel("Systemnachweis.pdf");
        ASSERT_EQ(d.Systemnachweis(0), "OK, Ausdruck abgeschlossen.");
        const std::string text = Text(nachweis);
        EXPECT_EQ(Ligaturen(text), std::vector<std::string>{});
        const std::vector<std::string> schriften = Schriften(nachweis);
        if (schrift == "Arial") {
            for (const char* gesucht : {"LiberationSans", "LiberationSans-Bold"})
                EXPECT_TRUE(Enthält(schriften, gesucht)) << gesucht;
        } else {
            EXPECT_TRUE(Enthält(schriften, "DejaVuSans"));
        }
        for (const char* wort : {"Energiebezugsfläche", "Lüftungseffektivität", "spezifiziertes", "Identifikation",
                                 "Hüllfläche", "flächengewichteter", "spezifischen"})
            EXPECT_NE(text.find(wort), std::string::npos) << wort;

        // The material list: "Baustoffe" in every page head.
        Baustoff db;
        const std::string datei = d.ordner.Datei("Baustoff.dbk");
        fs::copy_file(fs::path(ZIRVO_TESTDATEN) / ".." / "components" / "Baustoff.dbi", datei,
                      fs::copy_options::overwrite_existing);
        ASSERT_TRUE(db.DBOpen(datei));
        const std::string liste = d.Ziel("Baustoffe.pdf");
        ASSERT_TRUE(Druckaufträge::Baustoffliste(db));
        db.DBClose();
        const std::string baustoffe = Text(liste);
        EXPECT_EQ(Ligaturen(baustoffe), std::vector<std::string>{});
        const auto seiten = Seiten(baustoffe);
        ASSERT_GE(seiten.size(), 2u);
        for (const std::string& s : seiten) EXPECT_NE(s.find("Liste der Baustoffe"), std::string::npos) << s;
        EXPECT_NE(baustoffe.find("Kalkputz"), std::string::npos);
    }
}

// Two copies on both sides: one file asked for, the copies one after the
// other, each from a front page with its pages counted from 1; the back
// pages with the binding margin (3 cm) on the right, so their text begins
// 1.5 cm from the left edge instead of 3 cm.
TEST(PdfSchrift, ExemplareUndBeidseitigerDruck) {
    PdfDruck d("DejaVu Sans");
    const std::string einfach = d.Ziel("einfach.pdf");
    ASSERT_EQ(d.Systemnachweis(0), "OK, Ausdruck abgeschlossen.");
    const std::size_t seitenJeExemplar = Seiten(Text(einfach)).size();
    ASSERT_GE(seitenJeExemplar, 4u);

    const std::string ziel = d.Ziel("zwei.pdf");
    d.z.umgebung.dateidialoge.Antworten.push_back(d.ordner.Datei("zweite Frage.pdf"));
    ASSERT_EQ(d.Systemnachweis(0, "2", true), "OK, Ausdruck abgeschlossen.");
    EXPECT_EQ(d.z.umgebung.dateidialoge.Antworten.size(), 1u) << "the file is asked for once";
    EXPECT_FALSE(fs::exists(d.ordner.Datei("zweite Frage.pdf")));
    const std::string text = Text(ziel);
    const auto seiten = Seiten(text);
    // A copy with an odd number of pages leaves the back of its last sheet empty.
    const std::size_t blätter = seitenJeExemplar + seitenJeExemplar % 2;
    ASSERT_EQ(seiten.size(), blätter + seitenJeExemplar) << text;
    for (const std::size_t anfang : {std::size_t{0}, blätter}) {
        EXPECT_NE(seiten[anfang].find("Ausgedruckt am:"), std::string::npos) << "a cover begins every copy";
        for (std::size_t s = 1; s < seitenJeExemplar; ++s) {
            const std::string kopf = seiten[anfang + s].substr(0, seiten[anfang + s].find('\n'));
            EXPECT_TRUE(std::regex_search(kopf, std::regex("Seite " + std::to_string(s + 1) + "$"))) << kopf;
        }
    }
    const std::vector<double> rand = LinkerRand(ziel);
    ASSERT_EQ(rand.size(), seiten.size());
    const double cm = 72 / 2.54;
    for (std::size_t s = 0; s < rand.size(); ++s) {
        // The covers have no page head at the margin itself; the back of a
        // copy's last sheet stays empty.
        if (seiten[s].find("Ausgedruckt am:") != std::string::npos) continue;
        if (seiten[s].find_first_not_of(" \n") == std::string::npos) continue;
        const bool rückseite = s % 2 == 1;
        EXPECT_NEAR(rand[s], (rückseite ? 1.5 : 3.0) * cm, 0.5) << "page " << s + 1;
    }

    // On one side only every page keeps the binding margin on the left.
    d.z.umgebung.dateidialoge.Antworten.clear();
    const std::string eine = d.Ziel("eine Seite.pdf");
    ASSERT_EQ(d.Systemnachweis(0, "1", false), "OK, Ausdruck abgeschlossen.");
    const std::vector<double> links = LinkerRand(eine);
    ASSERT_EQ(links.size(), seitenJeExemplar);
    for (std::size_t s = 1; s < links.size(); ++s) EXPECT_NEAR(links[s], 3.0 * cm, 0.5) << "page " << s + 1;
}

// A limit on the size of the files the process writes; SIGXFSZ ignored, so
// a write past it fails with EFBIG instead of ending the program.
class Dateigrenze {
public:
    explicit Dateigrenze(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &alt_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit neu = alt_;
        neu.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Dateigrenze() {
        setrlimit(RLIMIT_FSIZE, &alt_);
        std::signal(SIGXFSZ, signal_);
    }
    Dateigrenze(const Dateigrenze&) = delete;
    Dateigrenze& operator=(const Dateigrenze&) = delete;

private:
    rlimit alt_{};
    void (*signal_)(int) = nullptr;
};

TEST(PdfSchrift, DateigrenzeLaesstDieAlteDatei) {
    PdfDruck d;
    const std::string probe = d.Ziel("probe.pdf");
    ASSERT_EQ(d.Systemnachweis(1), "OK, Ausdruck abgeschlossen.");
    const auto grösse = fs::file_size(probe);
    fs::remove(probe);
    ASSERT_GT(grösse, 4096u);

    const std::string ziel = d.ordner.Datei("Nachweis.pdf");
    ASSERT_TRUE(Dateien::SicherSchreiben(ziel, "die alte Datei"));
    for (const char* auswahl : {"cover", "whole proof, two copies"}) {
        SCOPED_TRACE(auswahl);
        d.z.umgebung.dateidialoge.Antworten.push_back(ziel);
        d.z.umgebung.meldungen.Gezeigt.clear();
        std::string meldung;
        {
            Dateigrenze grenze(grösse / 2);
            meldung = std::string(auswahl) == "cover" ? d.Systemnachweis(1) : d.Systemnachweis(0, "2");
        }
        EXPECT_EQ(Dateien::Lesen(ziel).value_or(""), "die alte Datei");
        EXPECT_EQ(d.Dateien(), 1u) << "no temporary file is left";
        EXPECT_EQ(meldung.rfind("Der Ausdruck konnte nicht abgeschlossen werden.\r\n"
                                "Die PDF-Datei konnte nicht geschrieben werden: " + ziel + "\r\n", 0), 0u)
            << meldung;
        EXPECT_GT(meldung.size(), std::string("Der Ausdruck konnte nicht abgeschlossen werden.\r\n"
                                              "Die PDF-Datei konnte nicht geschrieben werden: " + ziel + "\r\n").size())
            << "the reason is given";
        for (const auto& m : d.z.umgebung.meldungen.Gezeigt) EXPECT_NE(m.Text, "OK, Ausdruck abgeschlossen.");
        ASSERT_FALSE(d.z.umgebung.meldungen.Gezeigt.empty());
        EXPECT_EQ(d.z.umgebung.meldungen.Zuletzt().Symbol, Plattform::Symbol::Fehler);
    }
    // Without the limit the same printout takes the old file's place.
    d.z.umgebung.dateidialoge.Antworten.push_back(ziel);
    ASSERT_EQ(d.Systemnachweis(1), "OK, Ausdruck abgeschlossen.");
    EXPECT_EQ(Dateien::Lesen(ziel).value_or("").substr(0, 5), "%PDF-");
    EXPECT_EQ(d.Dateien(), 1u);

    // A folder that cannot take the file: said at once, with the place.
    const std::string fehlt = d.ordner.Datei("fehlt/x.pdf");
    d.z.umgebung.dateidialoge.Antworten.push_back(fehlt);
    EXPECT_NE(d.Systemnachweis(1), "OK, Ausdruck abgeschlossen.");
    const std::string m = d.z.umgebung.meldungen.Zuletzt().Text;
    EXPECT_EQ(m.rfind("Die PDF-Datei konnte nicht geschrieben werden: " + fehlt +
                          "\r\n",
                      0),
              0u)
        << m;
}

// A printout killed while it wrote its PDF left its temporary file beside
// the target; the next printout to that folder removes such files: exactly
// "." NAME ".pdf.~zirvo-tmp-" and six letters or digits, plain files only, none
// that its writer still holds (another copy of the program may be printing
// it).
TEST(PdfSchrift, ResteAbgebrochenerAusdruckeWerdenEntfernt) {
    PdfDruck d;
    const fs::path ordner = d.ordner.pfad;
    const auto vorZweiMinuten = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    enum Art { Datei, Ordner, Link };
    struct Fall {
        const char* name;
        Art art;
        bool frei; // no writer holds it
        bool bleibt;
    };
    const Fall fälle[] = {
        {".Nachweis.pdf.~zirvo-tmp-Ab12Z9", Datei, true, false},
        {".Nachweis vom Mai.PDF.~zirvo-tmp-zzzzzz", Datei, true, false},
        {".Nachweis.pdf.~zirvo-tmp-Ab12Z", Datei, true, true},   // five letters
        {".Nachweis.pdf.~zirvo-tmp-Ab1-Z9", Datei, true, true},  // not mkstemp's letters
        {"Nachweis.pdf.~zirvo-tmp-Ab12Z9", Datei, true, true},   // not hidden
        {".Nachweis.txt.~zirvo-tmp-Ab12Z9", Datei, true, true},  // not a PDF
        {".pdf.~zirvo-tmp-Ab12Z9", Datei, true, true},           // no name
        {".jung.pdf.~zirvo-tmp-Ab12Z9", Datei, false, true},     // being written now
        {".Ordner.pdf.~zirvo-tmp-Ab12Z9", Ordner, true, true},
        {".Link.pdf.~zirvo-tmp-Ab12Z9", Link, true, true},
    };
    int gehalten = -1;
    std::ofstream(ordner / "Ziel des Links") << "fremd";
    fs::last_write_time(ordner / "Ziel des Links", vorZweiMinuten);
    for (const Fall& f : fälle) {
        const fs::path pfad = ordner / f.name;
        if (f.art == Datei) std::ofstream(pfad) << "%PDF-1.4 halb";
        if (f.art == Ordner) fs::create_directory(pfad);
        if (f.art == Link) fs::create_symlink(ordner / "Ziel des Links", pfad);
        if (f.art != Link) fs::last_write_time(pfad, vorZweiMinuten);
        if (!f.frei) {
            gehalten = ::open(pfad.c_str(), O_RDONLY);
            ASSERT_EQ(::flock(gehalten, LOCK_EX), 0);
        }
    }
    d.Ziel("Titelblatt.pdf");
    ASSERT_EQ(d.Systemnachweis(1), "OK, Ausdruck abgeschlossen.");
    for (const Fall& f : fälle) EXPECT_EQ(fs::exists(fs::symlink_status(ordner / f.name)), f.bleibt) << f.name;
    EXPECT_TRUE(fs::exists(ordner / "Ziel des Links"));
    ::close(gehalten);
    EXPECT_TRUE(fs::exists(ordner / "Titelblatt.pdf"));
}

// The report layouts are made for Arial's widths: "Arial" prints in the
// face the program carries, which has them, whatever fonts the system has.
// Widths of single characters in units of 1/2048 em.
TEST(Druckschrift, ArialHatArialsBreiten) {
    QFont f = QtDruckfläche::Druckfont({"Arial", 9, false});
    EXPECT_EQ(QFontInfo(f).family(), QtDruckschriften::Familie);
    f.setPixelSize(2048);
    f.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF m(f);
    const std::map<char32_t, double> arial = {
        {U' ', 569},  {U'0', 1139}, {U'1', 1139}, {U'a', 1139}, {U'c', 1024}, {U'e', 1139}, {U'f', 569},
        {U'i', 455},  {U'l', 455},  {U'm', 1706}, {U'r', 682},  {U's', 1024}, {U't', 569},  {U'w', 1479},
        {U'A', 1366}, {U'E', 1366}, {U'W', 1933}, {U'ä', 1139}, {U'[', 569},  {U'/', 569},
    };
    for (const auto& [zeichen, breite] : arial) {
        const QString z = QString::fromUcs4(&zeichen, 1);
        EXPECT_NEAR(m.horizontalAdvance(z), breite, 2)
            << "'" << z.toStdString() << "' in " << QFontInfo(f).family().toStdString();
    }
}

// The Greek letters and the boxes of the markup, and the tables of the
// test page, come from the faces the program carries for their sets,
// whatever the print face (one with Greek letters of its own, one
// without, one the desktop may stand in for): the same glyphs and widths on
// every machine. Each draws every character of its set itself, upright and
// bold, and is the carried file, not a face of the system of that name.
TEST(Druckschrift, ZeichensätzeAusMitgebrachtenSchriften) {
    struct Satz {
        int satz;
        const char* familie;
        const char* dateien[2]; // upright, bold
    } sätze[] = {
        {Zeichensätze::Griechisch, "Liberation Sans", {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}},
        {Zeichensätze::Symbol, "DejaVu Sans", {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}},
    };
    const auto kopf = [](const QRawFont& f) { return f.fontTable("head"); };
    std::unique_ptr<QtDruckfläche> f = QtDruckfläche::Messung();
    for (const char* druckschrift : {"Arial", "FreeSerif", "Caladea", "Noto Serif"}) {
        for (const Satz& c : sätze) {
            std::u32string zeichen;
            for (int code = 32; code < 256; ++code)
                if (const char32_t z = Zeichensätze::Zeichen(c.satz, code)) zeichen += z;
            for (const bool fett : {false, true}) {
                SCOPED_TRACE(std::string(druckschrift) + ", set " + std::to_string(c.satz) + (fett ? ", bold" : ""));
                const Plattform::Druckschrift schrift{druckschrift, 9, fett, c.satz};
                f->Schrift(schrift);
                EXPECT_EQ(f->GefundeneSchrift(), c.familie);
                EXPECT_EQ(static_cast<std::uint32_t>(f->FehlendesZeichen(zeichen)), 0u) << "the first it lacks";
                QFile datei(QStringLiteral(":/zirvo/schriften/") + c.dateien[fett]);
                ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
                EXPECT_EQ(kopf(QRawFont::fromFont(QtDruckfläche::Druckfont(schrift))), kopf(QRawFont(datei.readAll(), 12)))
                    << "the carried face";
            }
        }
    }
}

// A printout (the system proof, the test page) in a face with Greek
// letters of its own, one without and one the carried faces stand in for
// embeds that face and the carried ones, Liberation Sans for the Greek
// letters and DejaVu Sans for the boxes, and no face of the system beside
// them (pdffonts).
TEST(PdfSchrift, GriechischUndKästchenAusMitgebrachtenSchriften) {
    for (const std::string schrift : {"Arial", "FreeSerif", "Caladea"}) {
        SCOPED_TRACE(schrift);
        if (schrift != "Arial" && QFontInfo(QtDruckfläche::Druckfont({schrift, 9, false})).family().toStdString() != schrift) {
            ASSERT_NE(std::getenv("FONTCONFIG_FILE"), nullptr) << "the test needs the faces of scripts/install-deps.sh";
            continue;
        }
        PdfDruck d(schrift);
        const std::string nachweis = d.Ziel("Systemnachweis.pdf");
        ASSERT_EQ(d.Systemnachweis(0), "OK, Ausdruck abgeschlossen.");
        const std::string testseite = d.Ziel("Testseite.pdf");
        ZIRVO3801Drucken b;
        ASSERT_TRUE(b.Initialisieren(false, false));
        b.TestseiteDrucken();
        ASSERT_TRUE(b.Beenden());
        // The face's PostScript names begin with its family, blanks left out.
        std::string eigen = schrift == "Arial" ? "LiberationSans" : schrift;
        eigen.erase(std::remove(eigen.begin(), eigen.end(), ' '), eigen.end());
        for (const std::string& pdf : {nachweis, testseite}) {
            const std::vector<std::string> schriften = Schriften(pdf);
            for (const std::string& name : schriften)
                EXPECT_TRUE(name.rfind(eigen, 0) == 0 || name == "LiberationSans" || name == "LiberationSans-Bold" ||
                            name == "DejaVuSans" || name == "DejaVuSans-Bold")
                    << fs::path(pdf).filename() << " embeds " << name;
            EXPECT_TRUE(Enthält(schriften, "LiberationSans")) << fs::path(pdf).filename() << ": the Greek letters";
            EXPECT_TRUE(Enthält(schriften, "DejaVuSans")) << fs::path(pdf).filename() << ": the boxes";
        }
    }
}

} // namespace

namespace {

// Druck einrichten > Durchsuchen through the font dialog, answered as the
// user: the family shown when it opens, the one chosen (none: OK at once),
// the size typed (none: as it opened).
QString SchriftDurchsuchen(frmDruckIni& dialog, const char* wählen, const char* grösse = nullptr) {
    QString geöffnet;
    Testhilfe::Modal([&] { dialog.cmdSchriftDurchsuchen_Click(); },
                     [&](QDialog& d) {
                         auto* f = qobject_cast<Schriftdialog*>(&d);
                         ASSERT_NE(f, nullptr);
                         geöffnet = f->currentFont().family();
                         if (wählen) {
                             QFont neu(wählen);
                             neu.setPointSizeF(f->currentFont().pointSizeF());
                             f->setCurrentFont(neu);
                         }
                         if (grösse) f->GrössentextSetzen(grösse);
                         f->accept();
                     });
    return geöffnet;
}

} // namespace

// The font dialog lists faces, and "Arial" is the carried Liberation Sans:
// it opens on the face the print font prints with, and OK with nothing
// changed keeps the stored name (no "Sans Serif" for "Arial"); another face
// chosen is stored under its own name. A size the fit messages name can be
// typed with a decimal point or comma.
TEST(Druckschrift, SchriftdialogOhneÄnderungBehältDenNamen) {
    struct Fall {
        const char* gespeichert;
        const char* gewählt; // nullptr: OK at once
        const char* geöffnet;
        const char* danach;
        const char* getippt = nullptr; // the size typed
        const char* grösse = "8";      // the size label afterwards
    } fälle[] = {
        {"Arial", nullptr, QtDruckschriften::Familie, "Arial"},
        {"ARIAL", nullptr, QtDruckschriften::Familie, "ARIAL"},
        {"DejaVu Sans", nullptr, "DejaVu Sans", "DejaVu Sans"},
        {"Arial", "DejaVu Sans", QtDruckschriften::Familie, "DejaVu Sans"},
        {"Arial", nullptr, QtDruckschriften::Familie, "Arial", "8,5", "8.5"},
        {"Arial", nullptr, QtDruckschriften::Familie, "Arial", "10.5", "10.5"},
    };
    for (const Fall& c : fälle) {
        SCOPED_TRACE(std::string(c.gespeichert) + " > " + (c.gewählt ? c.gewählt : "OK"));
        Testhilfe::Testumgebung umgebung;
        Testhilfe::Druckumgebung druck;
        QtPlattform::QtDateidialoge dialoge;
        Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, &dialoge, nullptr, nullptr, nullptr}};
        Global::Initialisierung.DruckerSchrift = c.gespeichert;
        Global::Initialisierung.DruckerSchriftgrösse = 8;
        frmDruckIni dialog;
        dialog.Form_Load();
        EXPECT_EQ(SchriftDurchsuchen(dialog, c.gewählt, c.getippt).toStdString(), c.geöffnet);
        EXPECT_EQ(dialog.lblSchrift.Caption(), c.danach);
        EXPECT_EQ(dialog.lblSchriftgrösse.Caption(), c.grösse);
        dialog.cmdOK_Click();
        EXPECT_EQ(Global::Initialisierung.DruckerSchrift, c.danach);
    }
}

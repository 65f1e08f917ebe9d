// A PDF printout, the material database and the installer's version record
// where the path names no file (a FIFO, a link to one or to a device, a
// folder): each message says what the path is, in the one wording the
// readers and writers share, under a heading that says what failed.
#include "components/Baustoff.h"
#include "installer/frmZIRVOSP.h"
#include "printing/ZIRVO3801Drucken.h"
#include "tests/support/qt/Pdfdruck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(KeineDatei, MeldungSagtWasDerPfadIst) {
    Testhilfe::Pdfdruck d("keine_datei");
    const std::string fifo = d.ordner.Datei("Rohr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    const std::string programm = d.ordner.Datei("installiert");
    fs::create_directories(programm);
    std::ofstream(programm + "/ZIRVO3801") << "Programm";

    struct Art {
        const char* Titel;
        void (*Anlegen)(const std::string& pfad, const std::string& fifo);
        // What the messages say, "<P>" for the path (<F> the FIFO).
        const char* Satz;
    };
    const Art arten[] = {
        {"FIFO", [](const std::string& p, const std::string&) { ASSERT_EQ(::mkfifo(p.c_str(), 0666), 0); },
         "\"<P>\" ist eine benannte Pipe (FIFO) und keine gewöhnliche Datei."},
        {"Link auf eine FIFO", [](const std::string& p, const std::string& f) { fs::create_symlink(f, p); },
         "\"<F>\" ist eine benannte Pipe (FIFO) und keine gewöhnliche Datei."},
        {"Link auf ein Gerät", [](const std::string& p, const std::string&) { fs::create_symlink("/dev/null", p); },
         "\"/dev/null\" ist ein Gerät und keine gewöhnliche Datei."},
        {"Ordner", [](const std::string& p, const std::string&) { fs::create_directory(p); },
         "\"<P>\" ist ein Ordner und keine gewöhnliche Datei."},
    };
    struct Leser {
        const char* Titel;
        std::string Pfad;
        std::function<void()> Versuchen; // leaves its message
        // The message, "<S>" for the sentence above, "<L>" where a link
        // is named as one.
        std::string Meldung;
    };
    const std::string satz = programm + "/ZIRVO3801.version";
    const Leser leser[] = {
        {"PDF", d.ordner.Datei("Bericht.pdf"),
         [&] {
             d.Ziel("Bericht.pdf");
             ZIRVO3801Drucken r;
             EXPECT_FALSE(r.Initialisieren(false, false));
         },
         "Die PDF-Datei konnte nicht geschrieben werden: <P>\r\n<S>"},
        {"Baustoff-Datenbank", d.ordner.Datei("Baustoff.dbk"),
         [&] { EXPECT_FALSE(Baustoff().DBOpen(d.ordner.Datei("Baustoff.dbk"))); },
         "Baustoff-Datenbank:  <P>\r\n\r\nDie Datei kann nicht gelesen werden. (<S>)"},
        {"Versionssatz", satz,
         [&] {
             frmZIRVOSP m;
             m.Programmpfad = d.ordner.Datei("ZIRVOSP");
             m.Ziel = programm;
             m.Laufwerke = [] { return std::vector<Datenträger>{}; };
             m.Zeigen = [] {};
             m.Form_Load();
         },
         "Im Ordner '" + programm + "' wurde das Programm Bauphysik ZIRVO 380/1 gefunden ('" + programm +
             "/ZIRVO3801'), aber seine Version ist nicht lesbar: <L><S>\r\n\r\nDas Service Pack wurde nicht "
             "installiert."},
    };
    const auto ersetzt = [](std::string text, const std::string& was, const std::string& durch) {
        for (std::size_t i; (i = text.find(was)) != std::string::npos;) text.replace(i, was.size(), durch);
        return text;
    };
    for (const Leser& l : leser) {
        for (const Art& a : arten) {
            SCOPED_TRACE(std::string(l.Titel) + ", " + a.Titel);
            fs::remove(l.Pfad);
            ASSERT_NO_FATAL_FAILURE(a.Anlegen(l.Pfad, fifo));
            d.z.umgebung.meldungen.Gezeigt.clear();
            l.Versuchen();
            const bool link = fs::is_symlink(fs::symlink_status(l.Pfad));
            const std::string meldung =
                ersetzt(ersetzt(ersetzt(l.Meldung, "<L>", link ? "'" + l.Pfad + "' ist ein Link: " : ""), "<S>", a.Satz),
                        "<F>", fifo);
            EXPECT_EQ(d.z.umgebung.meldungen.Zuletzt().Text, ersetzt(meldung, "<P>", l.Pfad));
            fs::remove(l.Pfad);
        }
    }
}

// The printer side of a report test: the printers "Laser" (the system's
// default) and "PDF-Datei" of the test printer, a fixed clock, and the print
// settings of a fresh install (Laser, Arial 9, line 3, margins 3 / 1.5 /
// 1.5 / 1.5 cm), numbers shown with "." as decimal separator; the former
// settings come back afterwards.
#pragma once

#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/cVB6_NumCvt.h"
#include "printing/ZIRVO3801Drucken.h"
#include "printing/frmDrucken.h"
#include "tests/printing/Seitenraster.h"
#include "tests/support/Testdrucker.h"
#include "tests/support/Testplattform.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace Testhilfe {

// The system proof printed through its dialog as the user chooses it: the
// part, the copies, both sides; the text of the last message (or "").
inline std::string SystemnachweisDrucken(const Testumgebung& umgebung, int auswahl, const char* exemplare,
                                         bool duplex) {
    frmDrucken dialog;
    dialog.Form_Load();
    dialog.optAusdruck_Click(auswahl);
    dialog.txtExemplare.setText(exemplare);
    dialog.chkDuplex.setValue(duplex ? 1 : 0);
    dialog.cmdDrucken_Click();
    const auto* m = umgebung.meldungen.Letzte();
    return m ? m->Text : "";
}

class Druckumgebung {
public:
    Testdrucker drucker;
    SkriptUmgebung uhr;

    Druckumgebung() : alt_(Global::Initialisierung), trenner_(cVB6_NumCvt::Instanz()) {
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "de-CH", ".", "'", ".", "'"));
        drucker.Liste = {"Laser", Plattform::PdfDrucker};
        uhr.Uhr = 1767225600 + 13 * 3600 + 5 * 60; // 1.1.2026, early afternoon
        Einstellungen("Laser");
    }
    // The settings of a fresh install on that printer.
    static void Einstellungen(const std::string& drucker) {
        Initialisierung& ini = Global::Initialisierung;
        ini.DruckerName = drucker;
        ini.DruckerSchrift = "Arial";
        ini.DruckerSchriftgrösse = 9;
        ini.DruckerSchriftEinfach = 0;
        ini.DruckerLinie = 3;
        ini.DruckerRandLinks = 3;
        ini.DruckerRandOben = ini.DruckerRandRechts = ini.DruckerRandUnten = 1.5f;
    }
    ~Druckumgebung() {
        Global::Initialisierung = alt_;
        cVB6_NumCvt::InstanzSetzen(trenner_);
    }
    Druckumgebung(const Druckumgebung&) = delete;
    Druckumgebung& operator=(const Druckumgebung&) = delete;

    // The recording surface of a report's open job.
    static Aufzeichnungsfläche& Fläche(ZIRVO3801Drucken& r) {
        return *static_cast<Aufzeichnungsfläche*>(r.Seiten().Fläche());
    }
    static Seitenraster Raster(ZIRVO3801Drucken& r) { return {r.Seiten(), Fläche(r)}; }
    // The clock's time as the head lines print it: "dd.mm.yy  hh:mm".
    std::string Kopfzeit() const {
        std::tm tm{};
        localtime_r(&uhr.Uhr, &tm);
        char t[32];
        std::snprintf(t, sizeof t, "%02d.%02d.%02d  %02d:%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100,
                      tm.tm_hour, tm.tm_min);
        return t;
    }

private:
    Initialisierung alt_;
    cVB6_NumCvt trenner_;
    Plattform::DiensteSetzen gesetzt_{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &uhr}};
};

} // namespace Testhilfe

// Printing on the program's own printer "PDF-Datei" in a test: the global
// project of a Zonenprojekt, the print settings of a fresh install on the
// PDF printer, a fixed clock, and every PDF file asked for answered with a
// file of a test folder. The former settings come back afterwards.
#pragma once

#include "frame/Initialisierung.h"
#include "frame/qt/QtPlattform.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/printing/Druckumgebung.h"
#include "tests/support/Zonenprojekt.h"

#include <ctime>
#include <string>

namespace Testhilfe {

struct Pdfdruck {
    Zonenprojekt z;
    Testordner ordner;
    QtPlattform::QtDrucker drucker;
    SkriptUmgebung umgebung;
    Plattform::DiensteSetzen dienste{Plattform::Dienste{nullptr, nullptr, &drucker, nullptr, &umgebung}};
    Initialisierung alt = Global::Initialisierung;

    explicit Pdfdruck(const char* ordnername, std::time_t uhr = 1767225600) : ordner(ordnername) {
        umgebung.Uhr = uhr;
        umgebung.Programm = ordner.Datei("programm");
        Druckumgebung::Einstellungen(Plattform::PdfDrucker);
    }
    ~Pdfdruck() { Global::Initialisierung = alt; }
    Pdfdruck(const Pdfdruck&) = delete;
    Pdfdruck& operator=(const Pdfdruck&) = delete;

    // The path of the file the next printout writes.
    std::string Ziel(const std::string& name) {
        const std::string pfad = ordner.Datei(name);
        z.umgebung.dateidialoge.Antworten.push_back(pfad);
        return pfad;
    }
};

} // namespace Testhilfe

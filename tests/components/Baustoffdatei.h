// What the tests of the material database file share: a fresh folder with
// the database file and its lock file beside it, the message and file
// dialog answers, and short ways to read, write and fill the file.
#pragma once

#include "components/Baustoff.h"
#include "frame/Dateien.h"
#include "frame/Initialisierung.h"
#include "tests/components/Komponentenhilfe.h"
#include "tests/support/Testplattform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace Baustofftest {

using Testhilfe::Testordner;

inline std::string Lesen(const std::string& pfad) { return Dateien::Lesen(pfad).value_or("<fehlt>"); }
inline void Schreiben(const std::string& pfad, const std::string& text) { std::ofstream(pfad, std::ios::binary) << text; }

// The designations in the object's order.
inline std::vector<std::string> Liste(Baustoff& db) {
    std::vector<std::string> l;
    for (bool ok = db.FindFirst(); ok; ok = db.FindNext()) l.push_back(db.Bez());
    return l;
}

inline std::int64_t Neu(Baustoff& db, const std::string& bez) {
    db.NewRecord();
    db.setBez(bez);
    return db.Save();
}

// The database folder of the settings, for the material window, put back
// afterwards.
struct DatenbankOrdner {
    std::string bisher = Global::Initialisierung.OrdnerDatenbank;
    explicit DatenbankOrdner(const std::string& ordner) { Global::Initialisierung.OrdnerDatenbank = ordner; }
    ~DatenbankOrdner() { Global::Initialisierung.OrdnerDatenbank = bisher; }
};

class BaustoffDatei : public ::testing::Test {
protected:
    Testhilfe::Testumgebung test;
    Testhilfe::SkriptUmgebung umgebung;
    Plattform::DiensteSetzen dienste{
        Plattform::Dienste{&test.meldungen, &test.dateidialoge, nullptr, nullptr, &umgebung}};
    Testordner ordner{"baustoff"};
    std::string pfad = ordner.Datei("Baustoff.dbk");
    std::string sperre = ordner.Datei("Baustoff.db$");
    void SetUp() override { umgebung.Programm = ordner.Datei("programm"); }
};

} // namespace Baustofftest

// A printer fake for tests: the printers named in Liste (the first is the
// system's default); a print job on one of them draws on a recording
// surface, whose record the fake keeps when the job ends. Texts are
// measured on a recording surface too.
#pragma once

#include "frame/Plattform.h"
#include "printing/Aufzeichnungsflaeche.h"
#include "tests/support/Aufgezeichnet.h"

#include <algorithm>
#include <string>
#include <vector>

namespace Testhilfe {

class Testdrucker : public Plattform::Drucker {
public:
    std::vector<std::string> Liste;
    // Jobs asked for: printer and target file.
    std::vector<std::pair<std::string, std::string>> Aufträge;
    // The surfaces of the jobs that ended, in order; job i (from 0) of
    // them, the test failing without it.
    std::vector<Aufzeichnungsfläche> Beendet;
    const Aufzeichnungsfläche& Job(std::size_t i, std::source_location ort = std::source_location::current()) const {
        return Aufgezeichnet(Beendet, i, "print job ended", ort);
    }
    // Not empty: every job fails to start with this reason.
    std::string Auftragsfehler;
    // Printers without a duplex unit.
    std::vector<std::string> Einseitig;

    std::vector<std::string> DruckerListe() override { return Liste; }
    std::string StandardDrucker() override { return Liste.empty() ? "" : Liste.front(); }
    bool Beidseitig(const std::string& drucker) override {
        return std::find(Einseitig.begin(), Einseitig.end(), drucker) == Einseitig.end();
    }
    // A surface with the metrics of the printer's jobs, named as the printer.
    std::unique_ptr<Plattform::Druckfläche> Messfläche(const std::string& drucker) override {
        auto f = std::make_unique<Aufzeichnungsfläche>();
        f->Drucker.Name = drucker;
        return f;
    }
    std::unique_ptr<Plattform::Druckfläche> Auftrag(const std::string& drucker, const std::string& ziel,
                                                    std::string& fehler) override {
        Aufträge.emplace_back(drucker, ziel);
        if (!Auftragsfehler.empty()) {
            fehler = Auftragsfehler;
            return nullptr;
        }
        auto f = std::make_unique<Aufzeichnungsfläche>();
        f->Drucker.Name = drucker;
        f->BeimBeenden = [this](const Aufzeichnungsfläche& a) {
            Beendet.push_back(a);
            Beendet.back().BeimBeenden = nullptr;
        };
        return f;
    }
};

} // namespace Testhilfe

// Fakes of the platform services for tests: message boxes answered from a
// script and recorded, file dialogs answered from a script.
#pragma once

#include "frame/Plattform.h"
#include "frame/Steuerelemente.h"
#include "tests/support/Aufgezeichnet.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace Testhilfe {

struct GezeigteMeldung {
    std::string Text;
    std::string Titel;
    Plattform::Symbol Symbol;
    Plattform::Knöpfe Knöpfe;
    Plattform::Antwort Vorgabe;
};

// Answers message boxes in the order scripted; with the script used up,
// answers OK, Cancel or No and records that it had to.
class SkriptMeldungen : public Plattform::Meldungen {
public:
    std::vector<GezeigteMeldung> Gezeigt;
    std::deque<Plattform::Antwort> Antworten;
    int UngeplanteFragen = 0;

    Plattform::Antwort Zeigen(const std::string& text, const std::string& titel, Plattform::Symbol symbol,
                              Plattform::Knöpfe knöpfe, Plattform::Antwort vorgabe) override {
        Gezeigt.push_back({text, titel, symbol, knöpfe, vorgabe});
        if (!Antworten.empty()) {
            auto a = Antworten.front();
            Antworten.pop_front();
            return a;
        }
        if (knöpfe == Plattform::Knöpfe::OK) return Plattform::Antwort::OK;
        ++UngeplanteFragen;
        return knöpfe == Plattform::Knöpfe::JaNein ? Plattform::Antwort::Nein : Plattform::Antwort::Abbrechen;
    }
    const GezeigteMeldung* Letzte() const { return Gezeigt.empty() ? nullptr : &Gezeigt.back(); }
    // The box shown last, and box i (from 0): without it the test fails
    // with "no message box shown" (or how many were).
    const GezeigteMeldung& Zuletzt(std::source_location ort = std::source_location::current()) const {
        return ZuletztAufgezeichnet(Gezeigt, "message box shown", ort);
    }
    const GezeigteMeldung& Nr(std::size_t i, std::source_location ort = std::source_location::current()) const {
        return Aufgezeichnet(Gezeigt, i, "message box shown", ort);
    }
};

// Records, with every message box, the background colour one control has
// while the box is open.
class FarbMeldungen : public SkriptMeldungen {
public:
    const Steuerelement* Beobachtet = nullptr;
    std::vector<Farbe> Farben;
    Plattform::Antwort Zeigen(const std::string& text, const std::string& titel, Plattform::Symbol symbol,
                              Plattform::Knöpfe knöpfe, Plattform::Antwort vorgabe) override {
        Farben.push_back(Beobachtet ? Beobachtet->BackColor() : 0);
        return SkriptMeldungen::Zeigen(text, titel, symbol, knöpfe, vorgabe);
    }
};

class SkriptDateidialoge : public Plattform::Dateidialoge {
public:
    std::deque<std::optional<std::string>> Antworten;
    std::vector<std::string> Titel;

    std::optional<std::string> nächste(const std::string& titel) {
        Titel.push_back(titel);
        if (Antworten.empty()) return std::nullopt;
        auto a = Antworten.front();
        Antworten.pop_front();
        return a;
    }
    std::optional<std::string> Öffnen(const std::string& titel, const std::string&, const std::string&) override {
        return nächste(titel);
    }
    std::optional<std::string> Speichern(const std::string& titel, const std::string&, const std::string&,
                                         const std::string&) override {
        return nächste(titel);
    }
    std::optional<std::string> OrdnerWählen(const std::string& titel, const std::string&) override {
        return nächste(titel);
    }
    // The font the font dialog answers with; nothing: it is cancelled.
    std::optional<Plattform::Schrift> Schrift;
    std::optional<Plattform::Schrift> SchriftWählen(const Plattform::Schrift&) override { return Schrift; }
};

// A desktop for tests: fixed folders and clock, a Ctrl key the test holds
// down or lets go; it records the busy pointer and the keys sent.
class SkriptUmgebung : public Plattform::Umgebung {
public:
    std::string Programm = ".";
    std::string Konfiguration = ".";
    std::time_t Uhr = 0;
    bool Strg = false;
    std::vector<bool> Sanduhren;
    std::vector<int> Tasten;

    std::string Programmordner() override { return Programm; }
    std::string Konfigurationsordner() override { return Konfiguration; }
    std::time_t Jetzt() override { return Uhr; }
    void Sanduhr(bool an) override { Sanduhren.push_back(an); }
    bool StrgGedrückt() override { return Strg; }
    void TasteSenden(int code) override { Tasten.push_back(code); }
};

// The help: records the context numbers it is asked to open; a rich text
// is shown as written.
class SkriptHilfe : public Plattform::Hilfe {
public:
    std::vector<std::int32_t> Kontexte;
    void Zeigen(std::int32_t kontext) override { Kontexte.push_back(kontext); }
    std::string Klartext(const std::string& richText) override { return richText; }
};

// Installs the scripted fakes for one test and switches the texts on.
class Testumgebung {
public:
    SkriptMeldungen meldungen;
    SkriptDateidialoge dateidialoge;
    Testumgebung();

private:
    Plattform::DiensteSetzen gesetzt_;
};

} // namespace Testhilfe

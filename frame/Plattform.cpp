#include "frame/Plattform.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace Plattform {
namespace {

class StilleMeldungen : public Meldungen {
public:
    Antwort Zeigen(const std::string& text, const std::string& titel, Symbol, Knöpfe knöpfe, Antwort) override {
        std::cerr << titel << ": " << text << '\n';
        switch (knöpfe) {
        case Knöpfe::OK: return Antwort::OK;
        case Knöpfe::JaNein: return Antwort::Nein;
        default: return Antwort::Abbrechen;
        }
    }
};

class KeineDateidialoge : public Dateidialoge {
public:
    std::optional<std::string> Öffnen(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> Speichern(const std::string&, const std::string&, const std::string&,
                                         const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> OrdnerWählen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<Schrift> SchriftWählen(const Schrift&) override { return std::nullopt; }
};

class KeinDrucker : public Drucker {
public:
    std::vector<std::string> DruckerListe() override { return {}; }
    std::string StandardDrucker() override { return {}; }
    std::unique_ptr<Druckfläche> Auftrag(const std::string&, const std::string&, std::string& fehler) override {
        fehler = "kein Drucker";
        return nullptr;
    }
};

class KeinNetz : public Http {
public:
    HttpAntwort Holen(const HttpAnfrage&) override {
        HttpAntwort a;
        a.Fehlertext = "kein Netz";
        return a;
    }
};

class StandardUmgebung : public Umgebung {
public:
    std::string Programmordner() override {
        std::error_code ec;
        auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (ec) return ".";
        return p.parent_path().string();
    }
    std::string Konfigurationsordner() override { return StandardKonfigurationsordner(); }
    std::time_t Jetzt() override { return std::time(nullptr); }
    void Sanduhr(bool) override {}
    bool StrgGedrückt() override { return false; }
};

class KeineHilfe : public Hilfe {
public:
    void Zeigen(std::int32_t) override {}
    std::string Klartext(const std::string& richText) override { return richText; }
};

Dienste& dienste() {
    static Dienste d;
    return d;
}

template <class T, class Standard> T& oder(T* gesetzt) {
    static Standard standard;
    return gesetzt ? *gesetzt : standard;
}

} // namespace

Dienste& Aktuell() { return dienste(); }
Meldungen& meldungen() { return oder<Meldungen, StilleMeldungen>(dienste().meldungen); }
Dateidialoge& dateidialoge() { return oder<Dateidialoge, KeineDateidialoge>(dienste().dateidialoge); }
Drucker& drucker() { return oder<Drucker, KeinDrucker>(dienste().drucker); }
Http& http() { return oder<Http, KeinNetz>(dienste().http); }
Umgebung& umgebung() { return oder<Umgebung, StandardUmgebung>(dienste().umgebung); }
Hilfe& hilfe() { return oder<Hilfe, KeineHilfe>(dienste().hilfe); }

DiensteSetzen::DiensteSetzen(const Dienste& neu) : alt_(dienste()) {
    Dienste& d = dienste();
    if (neu.meldungen) d.meldungen = neu.meldungen;
    if (neu.dateidialoge) d.dateidialoge = neu.dateidialoge;
    if (neu.drucker) d.drucker = neu.drucker;
    if (neu.http) d.http = neu.http;
    if (neu.umgebung) d.umgebung = neu.umgebung;
    if (neu.hilfe) d.hilfe = neu.hilfe;
}

DiensteSetzen::~DiensteSetzen() { dienste() = alt_; }

std::string StandardKonfigurationsordner() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path basis;
    if (xdg && *xdg) {
        basis = xdg;
    } else {
        const char* home = std::getenv("HOME");
        basis = std::filesystem::path(home && *home ? home : ".") / ".config";
    }
    return (basis / "ZIRVO").string();
}

} // namespace Plattform

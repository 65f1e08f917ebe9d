#include "frame/Plattform.h"

#include "frame/basZIRVODialogSprache.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace Plattform {

std::optional<double> SchriftgrösseLesen(std::string_view text, const Schrift& bereich, std::string& fehler) {
    const std::size_t a = text.find_first_not_of(' '), e = text.find_last_not_of(' ');
    std::string zahl(a == std::string_view::npos ? std::string_view() : text.substr(a, e - a + 1));
    // Digits, and at most one decimal separator between digits.
    const std::size_t trenner = zahl.find_first_of(".,");
    bool gut = !zahl.empty() && zahl.size() <= 8 && trenner != 0 && trenner + 1 != zahl.size();
    for (std::size_t i = 0; gut && i < zahl.size(); ++i)
        gut = (zahl[i] >= '0' && zahl[i] <= '9') || i == trenner;
    double wert = 0;
    if (gut) {
        if (trenner != std::string::npos) zahl[trenner] = '.';
        gut = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert).ec == std::errc();
    }
    const auto text_ = [](double x) {
        char b[32];
        return std::string(b, std::to_chars(b, b + sizeof b, x).ptr);
    };
    if (!gut) {
        fehler = DSFormat("Schriftgrösse: «@» ist keine Zahl (zum Beispiel 9, 9.5 oder 9,5).", text);
        return std::nullopt;
    }
    // Without a range of the caller's, what a font can have.
    const double von = bereich.GrösseBis > 0 ? bereich.GrösseVon : 1, bis = bereich.GrösseBis > 0 ? bereich.GrösseBis : 999;
    if (wert < von || wert > bis) {
        fehler = DSFormat2(DSFormat2("@: @ liegt ausserhalb des Bereichs von @ bis @.", DS("Schriftgrösse"),
                                     text_(wert) + " pt"),
                           text_(von), text_(bis) + " pt");
        return std::nullopt;
    }
    fehler.clear();
    return wert;
}

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

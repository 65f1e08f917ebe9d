#include "frame/Initialisierung.h"

#include "frame/Dateien.h"
#include "frame/Plattform.h"
#include "frame/Systemfehler.h"
#include "frame/Windows1252.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVO_Format.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string_view>

namespace fs = std::filesystem;

namespace Global {
::Initialisierung Initialisierung;
} // namespace Global

namespace {

constexpr const char* IniName = "ZIRVO3801.ini";
// A settings file holds a few dozen short lines. Anything far larger is not
// one; a line beyond this length is ignored, a file beyond that size is
// treated as missing.
constexpr std::size_t MaxZeilenlänge = 64 * 1024;
constexpr std::size_t MaxDateigrösse = 1024 * 1024;
constexpr std::int16_t StandardMax = 4;

// ---- lines of the file ---------------------------------------------------


bool GleichOhneGrossKlein(std::string_view a, std::string_view b);

// The file's text (UTF-8) split into lines. The file is written with CR LF;
// a file edited with plain LF line ends reads the same.
std::vector<std::string> ZeilenTeilen(std::string_view text) {
    std::vector<std::string> zeilen;
    if (text.empty()) return zeilen;
    std::size_t pos = 0;
    while (true) {
        std::size_t lf = text.find('\n', pos);
        std::string_view z = text.substr(pos, lf == std::string_view::npos ? std::string_view::npos : lf - pos);
        if (!z.empty() && z.back() == '\r') z.remove_suffix(1);
        zeilen.emplace_back(z);
        if (lf == std::string_view::npos) break;
        pos = lf + 1;
    }
    return zeilen;
}

std::string ZeilenVerbinden(const std::vector<std::string>& zeilen) {
    std::string text;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += zeilen[i];
    }
    return text;
}

// A line that holds control characters (other than tab) or is overlong is
// not a setting: binary garbage must not become a path or a printer name.
bool Lesbar(std::string_view zeile) {
    if (zeile.size() > MaxZeilenlänge) return false;
    for (char c : zeile) {
        auto u = static_cast<unsigned char>(c);
        if (u < 32 && u != '\t') return false;
    }
    return true;
}

// The trimmed key of a line, or nothing when the line has no "=".
std::optional<std::string> Schlüssel(std::string_view zeile) {
    std::size_t gleich = zeile.find('=');
    if (gleich == std::string_view::npos) return std::nullopt;
    return basZIRVO_Format::TextTrimmen(zeile.substr(0, gleich));
}

// The value of the first readable line whose key equals schlüssel exactly.
std::optional<std::string> WertSuchen(const std::vector<std::string>& zeilen, std::string_view schlüssel) {
    for (const auto& z : zeilen) {
        if (!Lesbar(z)) continue;
        auto k = Schlüssel(z);
        if (k && *k == schlüssel) return basZIRVO_Format::TextTrimmen(std::string_view(z).substr(z.find('=') + 1));
    }
    return std::nullopt;
}

// Sets one key: the first line whose key equals it ignoring letter case is
// replaced, else the line is appended. A line break (or any other control
// character) in the value becomes a blank, so the setting stays one line.
void WertSetzen(std::vector<std::string>& zeilen, std::string_view schlüssel, std::string_view wert) {
    std::string zeile(schlüssel);
    zeile += '=';
    for (char c : wert) {
        auto u = static_cast<unsigned char>(c);
        zeile += (u < 32 && u != '\t') ? ' ' : c;
    }
    for (auto& z : zeilen) {
        auto k = Schlüssel(z);
        if (k && GleichOhneGrossKlein(*k, schlüssel)) {
            z = std::move(zeile);
            return;
        }
    }
    zeilen.push_back(std::move(zeile));
}

void SchlüsselEntfernen(std::vector<std::string>& zeilen, std::string_view schlüssel) {
    std::erase_if(zeilen, [&](const std::string& z) {
        auto k = Schlüssel(z);
        return k && GleichOhneGrossKlein(*k, schlüssel);
    });
}

// ---- letter case ---------------------------------------------------------

// Small letter of a character of the Windows-1252 repertoire; others stay.
char32_t Klein(char32_t z) {
    if (z >= U'A' && z <= U'Z') return z + 32;
    if (z >= 0xC0 && z <= 0xDE && z != 0xD7) return z + 32;
    switch (z) {
    case 0x152: return 0x153; // Œ
    case 0x160: return 0x161; // Š
    case 0x17D: return 0x17E; // Ž
    case 0x178: return 0xFF;  // Ÿ
    default: return z;
    }
}

bool GleichOhneGrossKlein(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (Klein(Windows1252::NächstesZeichen(a, i)) != Klein(Windows1252::NächstesZeichen(b, j))) return false;
    }
    return i == a.size() && j == b.size();
}

// True when the file's code page holds every character of the text.
bool Darstellbar(std::string_view text) {
    if (!Windows1252::IstUtf8(text)) return false;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!Windows1252::Code(Windows1252::NächstesZeichen(text, i))) return false;
    }
    return true;
}

// ---- numbers -------------------------------------------------------------

// Rounds to the nearest whole number, a half to the even neighbour; nothing
// when the result lies outside the 32-bit range.
std::optional<std::int32_t> Ganzzahl32(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    double r = std::floor(x);
    double rest = x - r;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<float> Einfach(double x) {
    if (!std::isfinite(x) || std::fabs(x) > FLT_MAX) return std::nullopt;
    float f = static_cast<float>(x);
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

std::vector<std::string> Teilen(std::string_view text, char trenner) {
    std::vector<std::string> teile;
    std::size_t pos = 0;
    while (true) {
        std::size_t t = text.find(trenner, pos);
        teile.emplace_back(text.substr(pos, t == std::string_view::npos ? std::string_view::npos : t - pos));
        if (t == std::string_view::npos) break;
        pos = t + 1;
    }
    return teile;
}

std::string Zahltext(double x) { return basVB6NumCvt::ZahlText(x); }
// A Single setting as it was typed ("2.8", not "2.79999995231628").
std::string Einfachtext(float x) { return basVB6NumCvt::ZahlText(basVB6NumCvt::EinfachWert(x)); }
std::string Flagtext(bool b) { return b ? "1" : "0"; }

// ---- the file ------------------------------------------------------------

std::string Pfad(const std::string& ordner, const std::string& name) {
    return (fs::path(ordner) / name).string();
}

// The file's lines, or nothing when it is missing or cannot be a settings
// file. zeigen: the open at start, which tells of a file that lay beside
// it under the name of a copy and was left alone.
std::optional<std::vector<std::string>> DateiLesen(const std::string& pfad, bool zeigen = false) {
    std::error_code ec;
    if (!fs::is_regular_file(pfad, ec)) return std::nullopt;
    auto grösse = fs::file_size(pfad, ec);
    if (ec || grösse > MaxDateigrösse) return std::nullopt;
    Dateien::Nebenkopie kopie{MaxDateigrösse, {}};
    auto bytes = Dateien::Lesen(pfad, nullptr, &kopie);
    // What lay beside the file under the name of a copy and was left alone.
    if (zeigen && !kopie.Hinweis.empty())
        Plattform::meldungen().Zeigen(DS("Datei") + ":  " + pfad + "\r\n\r\n" + kopie.Hinweis,
                                      basZIRVOFehler::Titel(DS("Hinweis")), Plattform::Symbol::Warnung,
                                      Plattform::Knöpfe::OK);
    if (!bytes || bytes->size() > MaxDateigrösse) return std::nullopt;
    return ZeilenTeilen(Windows1252::NachUtf8(*bytes));
}

bool DateiSchreiben(const std::string& pfad, const std::vector<std::string>& zeilen, std::string* fehler) {
    fs::path ordner = fs::path(pfad).parent_path();
    std::error_code ec;
    if (!ordner.empty() && !fs::is_directory(ordner, ec)) {
        fs::create_directories(ordner, ec);
        if (ec) {
            if (fehler) *fehler = ordner.string() + ": " + Systemfehler::Text(ec);
            return false;
        }
    }
    std::string grund;
    Dateien::Nebenkopie kopie{MaxDateigrösse, {}};
    if (!Dateien::SicherSchreiben(pfad, Windows1252::AusUtf8(ZeilenVerbinden(zeilen)), &grund, &kopie)) {
        if (fehler) *fehler = pfad + ": " + grund;
        return false;
    }
    return true;
}

std::string EinstellungsOrdner() { return fs::path(basZIRVOIni::IniDateiname()).parent_path().string(); }

} // namespace

// ---- Initialisierung -----------------------------------------------------

bool Initialisierung::ProgrammSetzen(const std::string&, const std::string&, const std::string&,
                                     const std::string&) {
    LetzteProjekteMax(StandardMax);
    return false;
}

void Initialisierung::RegistrierungEinlesen() {
    // What a save killed midway left beside the file.
    Dateien::SchreibresteEntfernen(basZIRVOIni::IniDateiname(), Dateien::Restealter);
    const auto zeilen = DateiLesen(basZIRVOIni::IniDateiname(), true).value_or(std::vector<std::string>{});
    auto text = [&](const char* k) { return WertSuchen(zeilen, k).value_or(""); };

    // Placement: whole numbers of twips, also those beyond the 16-bit range
    // that a wide window gives. An item that is no such number spoils the
    // whole key, which then counts as absent (the default place).
    std::int32_t fenster[4] = {0, 0, 0, 0};
    bool maximiert = false;
    if (auto w = WertSuchen(zeilen, "Window Position")) {
        auto teile = Teilen(*w, ',');
        teile.resize(std::max<std::size_t>(teile.size(), 5));
        bool gut = true;
        for (int i = 0; i < 4 && gut; ++i) {
            auto z = Ganzzahl32(ZahlLesen(teile[i]));
            if (z) fenster[i] = *z;
            else gut = false;
        }
        if (gut) maximiert = ZahlLesen(teile[4]) != 0;
        else fenster[0] = fenster[1] = fenster[2] = fenster[3] = 0;
    }
    // No window reaches beyond 32767 pixels on any desktop: a place beyond
    // that (a damaged file) is brought to that edge, a size to 0 up to it,
    // so every sum the placement makes stays in range.
    WinLeft = std::clamp(fenster[0], -GrössteFensterlage, GrössteFensterlage);
    WinTop = std::clamp(fenster[1], -GrössteFensterlage, GrössteFensterlage);
    WinWidth = std::clamp(fenster[2], 0, GrössteFensterlage);
    WinHeight = std::clamp(fenster[3], 0, GrössteFensterlage);
    WinMax = maximiert;

    // The help panel's width: a whole number of twips, anything else is unset.
    const double hilfe = ZahlLesen(text("Help Width"));
    HilfeBreite = hilfe >= 1 && hilfe <= 1e6 ? static_cast<std::int32_t>(hilfe) : 0;

    KeineSymbolleiste = false;
    KeineStatusleiste = false;
    KeinHilfeAssistent = false;

    // Recent projects: File1 .. File<max>, gaps close.
    for (int i = 1; i <= static_cast<int>(letzteProjekte_.size()); ++i) {
        std::string pfad = text(("File" + std::to_string(i)).c_str());
        if (pfad.empty()) continue;
        if (letzteProjekteAnzahl_ >= static_cast<std::int16_t>(letzteProjekte_.size())) break;
        letzteProjekte_[static_cast<std::size_t>(letzteProjekteAnzahl_++)] = pfad;
    }

    OrdnerDatenbank = text("Folder Database");
    OrdnerProjekte = text("Folder Projects");
    DruckerName = text("Printer");
    DruckerSchrift = text("Printer Font");

    auto einfach = [&](const char* k) -> float {
        auto w = WertSuchen(zeilen, k);
        if (!w) return 0;
        return Einfach(ZahlLesen(*w)).value_or(0);
    };
    DruckerSchriftgrösse = einfach("Printer FontSize");
    DruckerSchriftEinfach = einfach("Printer FontSimple");
    DruckerLinie = einfach("Printer LineWidth");

    float rand[4] = {0, 0, 0, 0};
    if (auto w = WertSuchen(zeilen, "Printer Margins")) {
        auto teile = Teilen(*w, ',');
        teile.resize(std::max<std::size_t>(teile.size(), 4));
        bool gut = true;
        for (int i = 0; i < 4 && gut; ++i) {
            auto z = Einfach(ZahlLesen(teile[i]));
            if (z) rand[i] = *z;
            else gut = false;
        }
        if (!gut) rand[0] = rand[1] = rand[2] = rand[3] = 0;
    }
    DruckerRandLinks = rand[0];
    DruckerRandOben = rand[1];
    DruckerRandRechts = rand[2];
    DruckerRandUnten = rand[3];

    DruckerDuplex = ZahlLesen(text("Printer Duplex")) != 0;
    DruckerDateiname = ZahlLesen(text("Printer Filename")) != 0;
    Projektverfasser = text("Author Project");
    Nachweisverfasser = text("Author Proof");
}

bool Initialisierung::RegistrierungSpeichern(std::string* fehler) const {
    const std::string pfad = basZIRVOIni::IniDateiname();
    std::vector<std::string> zeilen = DateiLesen(pfad).value_or(std::vector<std::string>{});

    WertSetzen(zeilen, "Window Position",
               Zahltext(WinLeft) + "," + Zahltext(WinTop) + "," + Zahltext(WinWidth) + "," +
                   Zahltext(WinHeight) + "," + Flagtext(WinMax));
    if (HilfeBreite > 0) WertSetzen(zeilen, "Help Width", Zahltext(HilfeBreite));

    // A path the file's code page cannot hold is left out rather than
    // stored with replacement characters, which would name another file.
    // Keys of list places that hold nothing now are removed, so that an
    // older line cannot come back as a second copy of a moved entry.
    const int max = static_cast<int>(letzteProjekte_.size());
    std::vector<bool> geschrieben(static_cast<std::size_t>(max) + 1, false);
    for (int i = 0; i < letzteProjekteAnzahl_ && i < max; ++i) {
        const std::string& p = letzteProjekte_[static_cast<std::size_t>(i)];
        if (p.empty() || !Darstellbar(p)) continue;
        WertSetzen(zeilen, "File" + std::to_string(i + 1), p);
        geschrieben[static_cast<std::size_t>(i) + 1] = true;
    }
    for (int n = 1; n <= max; ++n) {
        if (!geschrieben[static_cast<std::size_t>(n)]) SchlüsselEntfernen(zeilen, "File" + std::to_string(n));
    }

    auto ordner = [](const std::string& o) { return Darstellbar(o) ? o : std::string(); };
    WertSetzen(zeilen, "Folder Database", ordner(OrdnerDatenbank));
    WertSetzen(zeilen, "Folder Projects", ordner(OrdnerProjekte));
    WertSetzen(zeilen, "Printer", DruckerName);
    WertSetzen(zeilen, "Printer Font", DruckerSchrift);
    WertSetzen(zeilen, "Printer FontSize", Einfachtext(DruckerSchriftgrösse));
    WertSetzen(zeilen, "Printer FontSimple", Einfachtext(DruckerSchriftEinfach));
    WertSetzen(zeilen, "Printer LineWidth", Einfachtext(DruckerLinie));
    WertSetzen(zeilen, "Printer Margins",
               Einfachtext(DruckerRandLinks) + "," + Einfachtext(DruckerRandOben) + "," + Einfachtext(DruckerRandRechts) +
                   "," + Einfachtext(DruckerRandUnten));
    WertSetzen(zeilen, "Printer Duplex", Flagtext(DruckerDuplex));
    WertSetzen(zeilen, "Printer Filename", Flagtext(DruckerDateiname));
    WertSetzen(zeilen, "Author Project", Projektverfasser);
    WertSetzen(zeilen, "Author Proof", Nachweisverfasser);

    return DateiSchreiben(pfad, zeilen, fehler);
}

std::string Initialisierung::LetzteProjekte(std::int16_t Index) const {
    if (Index < 0 || Index >= static_cast<std::int16_t>(letzteProjekte_.size())) return {};
    return letzteProjekte_[static_cast<std::size_t>(Index)];
}

std::int16_t Initialisierung::LetzteProjekteAnzahl() const { return letzteProjekteAnzahl_; }

std::int16_t Initialisierung::LetzteProjekteMax() const {
    return static_cast<std::int16_t>(letzteProjekte_.size());
}

void Initialisierung::LetzteProjekteMax(std::int16_t MaxProjekte) {
    if (MaxProjekte < 1 || MaxProjekte > 10) MaxProjekte = StandardMax;
    letzteProjekte_.resize(static_cast<std::size_t>(MaxProjekte));
    if (letzteProjekteAnzahl_ > MaxProjekte) letzteProjekteAnzahl_ = MaxProjekte;
}

void Initialisierung::LetzteProjekteDatei(const std::string& Dateiname) {
    // Without a list (no maximum set yet) there is nowhere to put it.
    if (Dateiname.empty() || letzteProjekte_.empty()) return;
    const std::size_t max = letzteProjekte_.size();
    std::size_t p = 0;
    while (p < max && !GleichOhneGrossKlein(letzteProjekte_[p], Dateiname)) ++p;
    // Found: entries above it move down one place. Not found: all move
    // down and the last one drops out.
    std::size_t von = p < max ? p : max - 1;
    for (std::size_t i = von; i > 0; --i) letzteProjekte_[i] = letzteProjekte_[i - 1];
    // Also when it was on top already in other letter case: the entry names
    // exactly the file just used (letter case counts in Linux file names).
    letzteProjekte_[0] = Dateiname;
    std::size_t letzter = 0;
    for (std::size_t i = 0; i < max; ++i)
        if (!letzteProjekte_[i].empty()) letzter = i;
    letzteProjekteAnzahl_ = static_cast<std::int16_t>(letzter + 1);
}

// ---- basZIRVOIni ---------------------------------------------------------

namespace basZIRVOIni {

std::string IniDateiname() {
    auto& umgebung = Plattform::umgebung();
    std::string beiProgramm = Pfad(umgebung.Programmordner(), IniName);
    std::error_code ec;
    if (fs::is_regular_file(beiProgramm, ec)) return beiProgramm;
    return Pfad(umgebung.Konfigurationsordner(), IniName);
}

std::string IniLesen(const std::string& Schlüssel) {
    auto zeilen = DateiLesen(IniDateiname());
    if (!zeilen) return {};
    return WertSuchen(*zeilen, Schlüssel).value_or("");
}

bool IniSchreiben(const std::string& Schlüssel, const std::string& Wert, std::string* fehler) {
    const std::string pfad = IniDateiname();
    std::vector<std::string> zeilen = DateiLesen(pfad).value_or(std::vector<std::string>{});
    WertSetzen(zeilen, Schlüssel, Wert);
    return DateiSchreiben(pfad, zeilen, fehler);
}

} // namespace basZIRVOIni

// ---- database folder -----------------------------------------------------

namespace basZIRVO3801 {

std::function<bool(std::int16_t)> OptionenAufruf;

std::string AutomatischerDatenbankOrdner() { return EinstellungsOrdner(); }

std::string DatenbankOrdner() {
    for (int durchgang = 1;; ++durchgang) {
        const std::string ordner = Global::Initialisierung.OrdnerDatenbank;
        std::error_code ec;
        if (ordner == ".") {
            // The automatic place: beside the settings file, created on
            // first use so that the database can be made there.
            std::string o = AutomatischerDatenbankOrdner();
            fs::create_directories(o, ec);
            return o;
        }
        if (basZIRVO::OrdnerVorhanden(ordner)) return ordner;
        if (durchgang > 1) return {};

        auto& meldungen = Plattform::meldungen();
        if (ordner.empty()) {
            // Not chosen yet: the program says where it would keep the
            // database and offers that place; "No" opens the options.
            const std::string text = DS("Die Baustoff-Datenbank (Baustoff.dbk) wird im Ordner der Einstellungen "
                                        "angelegt:") +
                                     "\n\n" + AutomatischerDatenbankOrdner() + "\n\n" +
                                     DS("Diesen Ordner verwenden? Mit \"Nein\" wählen Sie in den Optionen einen "
                                        "anderen Ordner.");
            if (meldungen.Zeigen(text, basZIRVOFehler::Titel(DS("Hinweis")), Plattform::Symbol::Frage,
                                 Plattform::Knöpfe::JaNein, Plattform::Antwort::Ja) == Plattform::Antwort::Ja) {
                Global::Initialisierung.OrdnerDatenbank = ".";
                continue;
            }
        } else {
            meldungen.Zeigen(DS("Ordner") + ":  " + ordner + "\n" + DS("Kein Zugriff auf diesen Datenbank-Ordner."),
                             basZIRVOFehler::Titel(DS("Fehler")), Plattform::Symbol::Fehler, Plattform::Knöpfe::OK);
        }
        if (OptionenAufruf) OptionenAufruf(1);
    }
}

std::string BaustoffDatenbankDatei() {
    std::string ordner = DatenbankOrdner();
    if (ordner.empty()) return {};
    if (ordner.back() != '/') ordner += '/';
    return ordner + "Baustoff.dbk";
}

} // namespace basZIRVO3801

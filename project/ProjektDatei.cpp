// The project file: one scrambled tagged text document holding the project
// data with its address blocks, every zone with its use values, envelope
// tables, ventilation and internal gains, the catalogue of components,
// windows and thermal bridges, and the single-component proof data.
// Computed values (the zone's EBF, monthly balances) are not stored.
#include "project/Projekt.h"

#include "frame/Dateien.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "project/Sdbase.h"

#include <cmath>
#include <ctime>
#include <filesystem>

namespace {

// Cells of the row records, as pairs of item letter and kind ("T" text,
// "N" number), in the order of the row's cells.
constexpr std::string_view ZellenEBF = "bTfNhNaN";
constexpr std::string_view ZellenA = "cTbTfNnNuNhToT";
constexpr std::string_view ZellenU = "cTbTfNnNuNhToTxNyNtT";
constexpr std::string_view ZellenF = "cTbTfNnNuNhToTwNgNrNxTyT";
constexpr std::string_view ZellenLüftung = "bTlNzNwN";    // first unit only
constexpr std::string_view ZellenGewinn = "bTlNzNfN";
constexpr std::string_view ZellenBauteil = "bTkTuNgNiNaN";
constexpr std::string_view ZellenSchicht = "bTdNrNlNwNuT";
constexpr std::string_view ZellenFenster = "bTkTuNzNgNrNvTwNxTyN";
constexpr std::string_view ZellenWärmebrücke = "bTkTuNzNdT";
constexpr std::string_view ZellenEBBauteil = "cTbTnNuNtNgNeN";   // the 8th cell is a result
constexpr std::string_view ZellenEBWärmebrücke = "cTbTpNgN";     // the 5th cell is a result

std::size_t Zellenzahl(std::string_view zellen) { return zellen.size() / 2; }

// Use values of a zone with their item letter; the remark (key + "_B") is
// written under the letter in upper case followed by "b".
struct Nutzungswert {
    char Buchstabe;
    std::string_view Schlüssel;
};
constexpr Nutzungswert Nutzungswerte[] = {
    {'g', "Ti"}, {'h', "PFl"}, {'i', "PWP"}, {'j', "PPr"}, {'k', "El"},   {'l', "fe"},
    {'m', "AVE"}, {'n', "WW"}, {'q', "C"},   {'z', "RZ"},  {'v', "VTHB"}, {'w', "VTHF"},
};

// The nearest whole number, halves to the even one (record and item numbers).
double GanzeZahl(double x) {
    if (!std::isfinite(x)) return 0;
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(r, 2.0) != 0) r -= (x > 0 ? 1 : -1);
    return r;
}

bool NurLeerzeichen(std::string_view t) { return t.find_first_not_of(' ') == std::string_view::npos; }

// Lines of an address block and of the building-project description keep
// their places: every line up to the last non-empty one is written, a line
// that is empty or holds only blanks with one blank more (an empty line as a
// single blank), and the reader takes one blank off a line of blanks. Such a
// file opens as before in other installations (a blank line shows blank);
// empty lines at the end write nothing, as they always did.
std::string ZeileSchreibform(std::string_view zeile) {
    std::string t(zeile);
    if (NurLeerzeichen(t)) t += ' ';
    return t;
}
std::string ZeileLeseform(std::string_view wert) {
    std::string t(wert);
    if (!t.empty() && NurLeerzeichen(t)) t.pop_back();
    return t;
}

// Resets the document pointer of the project on every way out.
class DokumentHalter {
public:
    DokumentHalter(Sdbase*& ziel, Sdbase& dok) : ziel_(ziel) { ziel_ = &dok; }
    ~DokumentHalter() { ziel_ = nullptr; }
    DokumentHalter(const DokumentHalter&) = delete;
    DokumentHalter& operator=(const DokumentHalter&) = delete;

private:
    Sdbase*& ziel_;
};

// Code for a document that ends inside a section or an object.
constexpr std::int32_t FehlerUnvollständig = 14;
// Code for a failure outside the document's checks (out of memory and the like).
constexpr std::int32_t FehlerUnerwartet = 99;

} // namespace

// ================================================================ writing

void Projekt::Object(std::string_view Name) { dokument_->Object(Name); }
void Projekt::ObjectEnd(std::string_view Name) { dokument_->ObjectEnd(Name); }
void Projekt::ItemStr(std::string_view Name, std::string_view Wert) { dokument_->ItemStr(Name, Wert); }
void Projekt::ItemNum(std::string_view Name, double Wert) { dokument_->ItemNum(Name, Wert); }

std::string Projekt::DatumText() {
    std::time_t jetzt = Plattform::umgebung().Jetzt();
    std::tm t{};
    localtime_r(&jetzt, &t);
    auto zweistellig = [](int z) {
        return std::string{static_cast<char>('0' + z / 10 % 10), static_cast<char>('0' + z % 10)};
    };
    int jahr = (t.tm_year + 1900) % 10000;
    return zweistellig(jahr / 100) + zweistellig(jahr % 100) + zweistellig(t.tm_mon + 1) + zweistellig(t.tm_mday);
}

void Projekt::ZeileSchreiben(const KollektionZeiger& Zeile, std::string_view Zellen) {
    for (std::size_t k = 0; k < Zellenzahl(Zellen); ++k) {
        std::string name(1, Zellen[2 * k]);
        auto pos = static_cast<std::int32_t>(k + 1);
        if (Zellen[2 * k + 1] == 'T') ItemStr(name, Zeile ? Zeile->Text(pos) : std::string());
        else ItemNum(name, Zeile ? Zeile->Zahl(pos) : 0.0);
    }
}

void Projekt::ZeilenSchreiben(const KollektionZeiger& Tabelle, std::string_view Zellen) {
    if (!Tabelle) return;
    for (std::int32_t r = 1; r <= Tabelle->Anzahl(); ++r) {
        Object("Z");
        ZeileSchreiben(Tabelle->Koll(r), Zellen);
        ObjectEnd("Z");
    }
}

void Projekt::AdresseObjektSchreiben(std::string_view Name, const KollektionZeiger& Adresse) {
    if (!Adresse) return;
    Object(Name);
    std::int32_t letzte = 0;   // last non-empty address line among lines 1 to 4
    for (std::int32_t i = 1; i <= 4; ++i)
        if (!Adresse->Text(i).empty()) letzte = i;
    for (std::int32_t i = 1; i <= letzte; ++i) ItemStr("a", ZeileSchreibform(Adresse->Text(i)));
    ItemStr("s", Adresse->Text(5));
    ItemStr("t", Adresse->Text(6));
    ItemStr("f", Adresse->Text(7));
    ItemStr("e", Adresse->Text(8));
    ObjectEnd(Name);
}

void Projekt::ProjektObjektSchreiben() {
    Object("P");
    if (KollektionZeiger bv = PGetColl("Bv")) {
        std::int32_t letzte = 0;
        for (std::int32_t i = 1; i <= bv->Anzahl(); ++i)
            if (!bv->Text(i).empty()) letzte = i;
        for (std::int32_t i = 1; i <= letzte; ++i) ItemStr("b", ZeileSchreibform(bv->Text(i)));
    }
    AdresseObjektSchreiben("Bh", PGetColl("Bh"));
    AdresseObjektSchreiben("Pv", PGetColl("Pv"));
    AdresseObjektSchreiben("Nv", PGetColl("Nv"));
    ItemNum("a", PGetNum("BvArt"));
    ItemNum("x", PGetNum("ArtB"));
    ItemNum("n", PGetNum("NwAnf"));
    ItemStr("v", PGetStr("NwKt"));
    ItemStr("g", PGetStr("GS"));
    ItemNum("h", PGetNum("MueM"));
    ItemStr("q", PGetStr("Kanton"));
    ItemStr("k", PGetStr("KlSt"));
    ItemNum("t", PGetNum("JMT"));
    ItemStr("H_N", PGetStr("Nord"));
    ItemNum("Hl_e", PGetNum("HL_EtaV"));
    ItemStr("Hl_e_b", PGetStr("HL_EtaV_Bem"));
    ItemNum("Hl_f", PGetNum("HL_fV"));
    ItemStr("Hl_f_b", PGetStr("HL_fV_Bem"));
    ObjectEnd("P");
}

void Projekt::ZoneObjektSchreiben() {
    Object("Z");
    ItemNum("a", ZGetNum("Gk"));
    ItemStr("b", ZGetStr("Bez"));
    ItemStr("c", ZGetStr("Code"));
    for (const auto& w : Nutzungswerte) {
        ItemNum(std::string(1, w.Buchstabe), ZGetNum(w.Schlüssel));
        std::string bemerkung{static_cast<char>(w.Buchstabe - 'a' + 'A'), 'b'};
        ItemStr(bemerkung, ZGetStr(std::string(w.Schlüssel) + "_B"));
    }
    const std::pair<std::string_view, std::pair<std::string_view, std::string_view>> tabellen[] = {
        {"E", {"Ah_", ZellenEBF}}, {"A", {"A_", ZellenA}}, {"U", {"U_", ZellenU}}, {"F", {"F_", ZellenF}}};
    for (const auto& [name, tabelle] : tabellen) {
        Object(name);
        ZeilenSchreiben(ZGetColl(tabelle.first), tabelle.second);
        ObjectEnd(name);
    }

    Object("L");
    double ml = ZGetNum("ML");
    ItemNum("m", ml);
    if (ml == 2) ItemNum("a", ZGetNum("MLAnteil"));
    KollektionZeiger geräte = ZGetColl("Lm_");
    if (geräte && geräte->Anzahl() > 0) ZeileSchreiben(geräte->Koll(1), ZellenLüftung);
    ItemNum("x", ZGetNum("LmAVw"));
    ItemNum("y", ZGetNum("LmAVa"));
    ItemStr("d", ZGetStr("LmBem"));
    ObjectEnd("L");

    Object("G");
    ZeilenSchreiben(ZGetColl("GE_"), ZellenGewinn);
    ItemStr("d", ZGetStr("GEBem"));
    ObjectEnd("G");

    ObjectEnd("Z");
}

void Projekt::BauteileSchreiben() {
    Object("B");
    const std::pair<std::string_view, std::string_view> arten[] = {
        {"B", ZellenBauteil}, {"F", ZellenFenster}, {"W", ZellenWärmebrücke}};
    for (const auto& [art, zellen] : arten) {
        for (int n = 1; n <= 99; ++n) {
            KollektionZeiger element = PGetColl(std::string(art) + "-" + std::to_string(n));
            if (!element) continue;
            Object(art);
            ItemNum("n", n);
            ZeileSchreiben(element, zellen);
            if (art == "B") ZeilenSchreiben(CollGetColl(element, "Z"), ZellenSchicht);
            ItemStr("Cgr", CollGetStr(element, "CodeGr"));
            ObjectEnd(art);
        }
    }
    ObjectEnd("B");
}

void Projekt::EBSpeichern() {
    double ebf = PGetNum("EB-EBF");
    double f = PGetNum("EB-F");
    double jmt = PGetNum("EB-JMT");
    double anf = GanzeZahl(PGetNum("EB-Anf"));
    double wbn = GanzeZahl(PGetNum("EB-WBN"));
    KollektionZeiger bauteile = PGetColl("EBBt");
    KollektionZeiger brücken = PGetColl("EBWb");
    if (ebf == 0 && f == 0 && jmt == 0 && anf == 0 && !bauteile && !brücken) return;
    Object("EB");
    ItemNum("e", ebf);
    ItemNum("f", f);
    ItemNum("t", jmt);
    ItemNum("n", anf);
    ItemNum("w", wbn);
    if (bauteile)
        for (std::int32_t r = 1; r <= bauteile->Anzahl(); ++r) {
            Object("B");
            ZeileSchreiben(bauteile->Koll(r), ZellenEBBauteil);
            ObjectEnd("B");
        }
    if (brücken)
        for (std::int32_t r = 1; r <= brücken->Anzahl(); ++r) {
            Object("W");
            ZeileSchreiben(brücken->Koll(r), ZellenEBWärmebrücke);
            ObjectEnd("W");
        }
    ObjectEnd("EB");
}

std::string Projekt::DokumentText(std::size_t* ersetzt) {
    Sdbase dok;
    DokumentHalter halter(dokument_, dok);
    const std::int16_t bisherigeZone = GetNZone();
    struct ZoneZurück {
        Projekt& p;
        std::int16_t zone;
        ~ZoneZurück() { p.SetNZone(zone); }
    } zurück{*this, bisherigeZone};

    dok.DocumentBegin();
    dok.HeadBegin();
    ItemStr("l", "de");
    ItemStr("t", "EA");
    ItemStr("d", DatumText());
    ItemStr("p", PGetStr("DrL"));
    Object("S");
    ItemStr("n", basZIRVO3801::Herstellerbezeichnung);
    ItemStr("p", basZIRVO3801::ProgrammTitel + ", " + basZIRVO3801::ProgrammVersion +
                     basZIRVO3801::ProgrammVersionBuchstabe);
    ObjectEnd("S");
    Object("D");
    ItemStr("i", PGetStr("Id"));
    ItemStr("b", PGetStr("Bez"));
    ItemStr("n", PGetStr("AktNr"));
    ItemStr("s", PGetStr("Stand"));
    ObjectEnd("D");
    dok.HeadEnd();

    dok.BodyBegin();
    ProjektObjektSchreiben();
    for (std::int16_t i = 0; i < ZonenAnzahl(); ++i) {
        SetNZone(i);
        ZoneObjektSchreiben();
    }
    SetNZone(bisherigeZone);
    BauteileSchreiben();
    EBSpeichern();
    dok.BodyEnd();
    dok.DocumentEnd();
    dok.Complete(true);
    if (ersetzt) *ersetzt = dok.ErsetzteZeichen();
    return dok.SDFString();
}

bool Projekt::ProjektdateiSchreiben(const std::string& Pfad, const std::string& Text) {
    std::string fehler;
    bool ok = false;
    if (Pfad.empty()) fehler = DS("Dateiname oder Pfad ungültig.");
    else {
        Dateien::Nebenkopie kopie{Sdbase::MaxLänge, {}};
        ok = Dateien::SicherSchreiben(Pfad, Text, &fehler, &kopie);
    }
    if (!ok) {
        std::string meldung = Pfad.empty() ? fehler : DS("Datei") + ":  " + Pfad + "\r\n\r\n" + fehler;
        Plattform::meldungen().Zeigen(meldung, basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler,
                                      Plattform::Knöpfe::OK);
    }
    return ok;
}

std::int32_t Projekt::ProjektSpeichern(const std::string& Dateiname) {
    const std::string ziel = Dateiname.empty() ? dateiname_ : Dateiname;
    std::string text;
    std::size_t ersetzt = 0;
    try {
        text = DokumentText(&ersetzt);
    } catch (const SdbaseFehler& f) {
        Plattform::meldungen().Zeigen(f.Beschreibung, basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler,
                                      Plattform::Knöpfe::OK);
        return -1;
    } catch (const std::exception& f) {
        Plattform::meldungen().Zeigen(f.what(), basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler,
                                      Plattform::Knöpfe::OK);
        return -1;
    }
    if (!ProjektdateiSchreiben(ziel, text)) return -1;
    dateiname_ = ziel;
    dateistand_ = Dateien::Stand(text);
    // The file holds only the characters of its code page: say so rather
    // than let a text change unnoticed.
    if (ersetzt > 0)
        Plattform::meldungen().Zeigen(
            DSFormat(("Das Projekt wurde gespeichert. @ Zeichen lassen sich in der Projektdatei nicht "
                        "darstellen und wurden durch \"?\" ersetzt (zum Beispiel Zeichen wie ≤, → oder "
                        "griechische Buchstaben)."),
                     std::to_string(ersetzt)),
            basZIRVO3801::ProgrammTitel, Plattform::Symbol::Warnung, Plattform::Knöpfe::OK);
    return 0;
}

bool Projekt::DateiFremdGeändert() const {
    if (dateiname_.empty() || !dateistand_ || !Dateien::Vorhanden(dateiname_)) return false;
    // Only the content counts: a file written anew with the same bytes (or
    // merely touched) holds nobody's work that a save would lose. A file
    // that can no longer be read may hold anything.
    Dateien::Nebenkopie kopie{Sdbase::MaxLänge, {}};
    const auto inhalt = Dateien::Lesen(dateiname_, nullptr, &kopie);
    return !inhalt || Dateien::Stand(*inhalt) != *dateistand_;
}

// ================================================================ reading

std::int32_t Projekt::ProjektdateiLesen(const std::string& Pfad, std::string& Text, std::string* grund,
                                        std::string* hinweis) {
    if (!Dateien::Vorhanden(Pfad)) return 1;
    // What a save killed midway left beside the file.
    Dateien::SchreibresteEntfernen(Pfad, Dateien::Restealter);
    std::error_code ec;
    auto grösse = std::filesystem::file_size(Pfad, ec);
    if (!ec && grösse > Sdbase::MaxLänge) return Sdbase::FehlerZuLang;
    Dateien::Nebenkopie kopie{Sdbase::MaxLänge, {}};
    auto inhalt = Dateien::Lesen(Pfad, grund, &kopie);
    if (hinweis) *hinweis = kopie.Hinweis;
    if (!inhalt) return 2;
    if (inhalt->size() > Sdbase::MaxLänge) return Sdbase::FehlerZuLang;
    Text = std::move(*inhalt);
    return 0;
}

std::int16_t Projekt::Nächstes(std::string& Name, std::string& Wert) {
    if (leseende_) return -1;
    // Every token advances the read position by at least two characters: a
    // document of n characters holds fewer than n tokens.
    if (++tokenzahl_ > tokengrenze_) {
        lesefehler_ = FehlerUnvollständig;
        leseende_ = true;
        return -1;
    }
    std::int16_t art = dokument_->NextItem(Name, Wert);
    if (dokument_->LastError() != 0) {
        lesefehler_ = dokument_->LastError();
        leseende_ = true;
        return -1;
    }
    if (art == -1) {
        // A section or an object left open before the end of the document.
        lesefehler_ = FehlerUnvollständig;
        leseende_ = true;
    }
    return art;
}

void Projekt::ObjektÜberspringen() {
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 1) ObjektÜberspringen();
        else if (art != 3) return;
        if (leseende_) return;
    }
}

bool Projekt::KopfLesen() {
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 3) {
            if (name == "p") PSetStr(dokument_->ValStr(wert), "DrL");
        } else if (art == 1) {
            if (name == "D") DokumentLesen();
            else ObjektÜberspringen();
        } else {
            return art == 0;
        }
        if (leseende_) return false;
    }
}

void Projekt::DokumentLesen() {
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 3) {
            if (name == "i") PSetStr(dokument_->ValStr(wert), "Id");
            else if (name == "b") PSetStr(dokument_->ValStr(wert), "Bez");
            else if (name == "n") PSetStr(dokument_->ValStr(wert), "AktNr");
            else if (name == "s") PSetStr(dokument_->ValStr(wert), "Stand");
        } else if (art == 1) {
            ObjektÜberspringen();
        } else {
            return;
        }
        if (leseende_) return;
    }
}

bool Projekt::InhaltLesen() {
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 1) {
            if (name == "P") {
                ProjektObjektLesen();
            } else if (name == "Z") {
                // A project holds at most 8 zones: further zone objects are
                // skipped and the rest of the file is still read.
                if (ZoneNeu() == 0) {
                    ZoneObjektLesen();
                } else {
                    ObjektÜberspringen();
                    ++übergangeneZonen_;
                }
            } else if (name == "B") {
                BauteileObjektLesen();
            } else if (name == "EB") {
                EBObjektLesen();
            } else {
                ObjektÜberspringen();
            }
        } else if (art != 3) {
            SetNZone(0);
            return art == 0;
        }
        if (leseende_) return false;
    }
}

void Projekt::ProjektObjektLesen() {
    auto bv = Kollektion::Neu();
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 3) {
            std::string t = dokument_->ValStr(wert);
            if (name == "b") bv->Hinzufügen(ZeileLeseform(t));
            else if (name == "a") PSetNum(dokument_->ValNum(wert), "BvArt");
            else if (name == "x") PSetNum(dokument_->ValNum(wert), "ArtB");
            else if (name == "n") PSetNum(dokument_->ValNum(wert), "NwAnf");
            else if (name == "v") PSetStr(t, "NwKt");
            else if (name == "g") PSetStr(t, "GS");
            else if (name == "h") PSetNum(dokument_->ValNum(wert), "MueM");
            else if (name == "q") PSetStr(t, "Kanton");
            else if (name == "k") PSetStr(t, "KlSt");
            else if (name == "t") PSetNum(dokument_->ValNum(wert), "JMT");
            else if (name == "H_N") PSetStr(t, "Nord");
            else if (name == "Hl_e") PSetNum(dokument_->ValNum(wert), "HL_EtaV");
            else if (name == "Hl_e_b") PSetStr(t, "HL_EtaV_Bem");
            else if (name == "Hl_f") PSetNum(dokument_->ValNum(wert), "HL_fV");
            else if (name == "Hl_f_b") PSetStr(t, "HL_fV_Bem");
        } else if (art == 1) {
            if (name == "Bh" || name == "Pv" || name == "Nv") BeteiligteLesen(name);
            else ObjektÜberspringen();
        } else {
            if (!leseende_) PSetColl(bv, "Bv");
            return;
        }
        if (leseende_) return;
    }
}

void Projekt::BeteiligteLesen(const std::string& Name) {
    std::array<std::string, 8> texte;
    int zeilen = 0;
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 3) {
            std::string t = dokument_->ValStr(wert);
            if (name == "a") {
                if (zeilen < 4) texte[static_cast<std::size_t>(zeilen++)] = ZeileLeseform(t);
            } else if (name == "s") texte[4] = t;
            else if (name == "t") texte[5] = t;
            else if (name == "f") texte[6] = t;
            else if (name == "e") texte[7] = t;
        } else if (art == 1) {
            ObjektÜberspringen();
        } else {
            if (leseende_) return;
            auto block = Kollektion::Neu();
            for (auto& t : texte) block->Hinzufügen(std::move(t));
            PSetColl(block, Name);
            return;
        }
        if (leseende_) return;
    }
}

void Projekt::ZoneObjektLesen() {
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 3) {
            std::string t = dokument_->ValStr(wert);
            if (name == "a") {
                ZSetNum(dokument_->ValNum(wert), "Gk");
            } else if (name == "b") {
                ZSetStr(t, "Bez");
            } else if (name == "c") {
                ZSetStr(t, "Code");
            } else if (name == "r") {
                // Older files: the control surcharge as a factor.
                double r = dokument_->ValNum(wert);
                if (r == 1.0) ZSetNum(0, "RZ");
                else if (r == 0.9) ZSetNum(1, "RZ");
                else if (r == 0.8) ZSetNum(2, "RZ");
            } else if (name == "Rb") {
                auto a = t.find_first_not_of(' ');
                if (a != std::string::npos) ZSetStr(t, "RZ_B");
            } else {
                for (const auto& w : Nutzungswerte) {
                    if (name.size() == 1 && name[0] == w.Buchstabe) {
                        ZSetNum(dokument_->ValNum(wert), w.Schlüssel);
                        break;
                    }
                    if (name.size() == 2 && name[1] == 'b' && name[0] == w.Buchstabe - 'a' + 'A') {
                        ZSetStr(t, std::string(w.Schlüssel) + "_B");
                        break;
                    }
                }
            }
        } else if (art == 1) {
            if (name == "E") TabelleLesen("Ah_", ZellenEBF);
            else if (name == "A") TabelleLesen("A_", ZellenA);
            else if (name == "U") TabelleLesen("U_", ZellenU);
            else if (name == "F") TabelleLesen("F_", ZellenF);
            else if (name == "L") LüftungLesen();
            else if (name == "G") GewinnLesen();
            else ObjektÜberspringen();
        } else {
            return;
        }
        if (leseende_) return;
    }
}


// Reads the items of the object being read into the cells named by Zellen
// (later items of one name win), up to the end of the object. Items and
// objects that are no cells go to sonst(art, name, wert), which returns
// false for an object it did not take (that object is then skipped).
// False when reading ended inside the object.
template <class Sonst>
bool Projekt::ZellenLesen(std::string_view Zellen, std::vector<Kollektion::Wert>& Werte, Sonst&& sonst) {
    const std::size_t anzahl = Zellenzahl(Zellen);
    Werte.assign(anzahl, Kollektion::Wert());
    for (std::size_t k = 0; k < anzahl; ++k)
        if (Zellen[2 * k + 1] == 'N') Werte[k] = 0.0;
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 3) {
            bool zelle = false;
            if (name.size() == 1)
                for (std::size_t k = 0; k < anzahl; ++k)
                    if (Zellen[2 * k] == name[0]) {
                        if (Zellen[2 * k + 1] == 'T') Werte[k] = dokument_->ValStr(wert);
                        else Werte[k] = dokument_->ValNum(wert);
                        zelle = true;
                        break;
                    }
            if (!zelle) sonst(art, name, wert);
        } else if (art == 1) {
            if (!sonst(art, name, wert)) ObjektÜberspringen();
        } else {
            return !leseende_;
        }
        if (leseende_) return false;
    }
}

KollektionZeiger Projekt::ZeileLesen(std::string_view Zellen) {
    std::vector<Kollektion::Wert> werte;
    if (!ZellenLesen(Zellen, werte, [](std::int16_t, const std::string&, const std::string&) { return false; }))
        return nullptr;
    auto zeile = Kollektion::Neu();
    zeile->Reservieren(static_cast<std::int32_t>(werte.size()));
    for (auto& w : werte) zeile->WertHinzufügen(std::move(w));
    return zeile;
}

void Projekt::TabelleLesen(std::string_view Schlüssel, std::string_view Zellen) {
    auto tabelle = Kollektion::Neu();
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 1) {
            if (name == "Z") {
                if (KollektionZeiger zeile = ZeileLesen(Zellen)) tabelle->Hinzufügen(zeile);
            } else {
                ObjektÜberspringen();
            }
        } else if (art != 3) {
            if (!leseende_) ZSetColl(tabelle, Schlüssel);
            return;
        }
        if (leseende_) return;
    }
}

void Projekt::LüftungLesen() {
    std::vector<Kollektion::Wert> werte;
    bool ganz = ZellenLesen(ZellenLüftung, werte, [this](std::int16_t art, const std::string& name,
                                                          const std::string& wert) {
        if (art != 3) return false;
        if (name == "m") ZSetNum(dokument_->ValNum(wert), "ML");
        else if (name == "a") ZSetNum(dokument_->ValNum(wert), "MLAnteil");
        else if (name == "x") ZSetNum(dokument_->ValNum(wert), "LmAVw");
        else if (name == "y") ZSetNum(dokument_->ValNum(wert), "LmAVa");
        else if (name == "d") ZSetStr(dokument_->ValStr(wert), "LmBem");
        return true;
    });
    if (!ganz) return;
    auto zeile = Kollektion::Neu();
    zeile->Reservieren(static_cast<std::int32_t>(werte.size()));
    for (auto& w : werte) zeile->WertHinzufügen(std::move(w));
    auto geräte = Kollektion::Neu();
    geräte->Hinzufügen(KollektionZeiger(zeile));
    ZSetColl(geräte, "Lm_");
}

void Projekt::GewinnLesen() {
    auto verbraucher = Kollektion::Neu();
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 3) {
            if (name == "d") ZSetStr(dokument_->ValStr(wert), "GEBem");
        } else if (art == 1) {
            if (name == "Z") {
                if (KollektionZeiger zeile = ZeileLesen(ZellenGewinn)) verbraucher->Hinzufügen(zeile);
            } else {
                ObjektÜberspringen();
            }
        } else {
            if (!leseende_ && verbraucher->Anzahl() > 0) ZSetColl(verbraucher, "GE_");
            return;
        }
        if (leseende_) return;
    }
}

void Projekt::BauteileObjektLesen() {
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 1) {
            if (name == "B" || name == "F" || name == "W") ElementLesen(name);
            else ObjektÜberspringen();
        } else if (art != 3) {
            return;
        }
        if (leseende_) return;
    }
}

void Projekt::ElementLesen(const std::string& Art) {
    const std::string_view zellen = Art == "B" ? ZellenBauteil : Art == "F" ? ZellenFenster : ZellenWärmebrücke;
    double nummer = 0;
    std::string codeGr;
    auto schichten = Kollektion::Neu();
    std::vector<Kollektion::Wert> werte;
    bool ganz = ZellenLesen(zellen, werte, [&](std::int16_t art, const std::string& name, const std::string& wert) {
        if (art == 3) {
            if (name == "n") nummer = GanzeZahl(dokument_->ValNum(wert));
            else if (name == "Cgr") codeGr = dokument_->ValStr(wert);
            return true;
        }
        if (Art == "B" && name == "Z") {
            if (KollektionZeiger schicht = ZeileLesen(ZellenSchicht)) schichten->Hinzufügen(schicht);
            return true;
        }
        return false;
    });
    if (!ganz || nummer < 1 || nummer > 99) return;
    auto element = Kollektion::Neu();
    element->Reservieren(static_cast<std::int32_t>(werte.size()) + 2);
    for (auto& w : werte) element->WertHinzufügen(std::move(w));
    if (Art == "B") element->Hinzufügen(KollektionZeiger(schichten), "Z");
    element->Hinzufügen(std::move(codeGr), "CodeGr");
    PSetColl(element, Art + "-" + std::to_string(static_cast<int>(nummer)));
}

void Projekt::EBObjektLesen() {
    std::shared_ptr<Kollektion> bauteile, brücken;
    std::string name, wert;
    for (;;) {
        std::int16_t art = Nächstes(name, wert);
        if (art == 3) {
            if (name == "e") PSetNum(dokument_->ValNum(wert), "EB-EBF");
            else if (name == "f") PSetNum(dokument_->ValNum(wert), "EB-F");
            else if (name == "t") PSetNum(dokument_->ValNum(wert), "EB-JMT");
            else if (name == "n") PSetNum(dokument_->ValNum(wert), "EB-Anf");
            else if (name == "w") PSetNum(dokument_->ValNum(wert), "EB-WBN");
        } else if (art == 1) {
            if (name == "B") {
                std::vector<Kollektion::Wert> werte;
                if (ZellenLesen(ZellenEBBauteil, werte,
                                [](std::int16_t, const std::string&, const std::string&) { return false; })) {
                    werte[2] = GanzeZahl(std::get<double>(werte[2]));   // the item number
                    auto zeile = Kollektion::Neu();
                    zeile->Reservieren(static_cast<std::int32_t>(werte.size()));
    for (auto& w : werte) zeile->WertHinzufügen(std::move(w));
                    if (!bauteile) bauteile = Kollektion::Neu();
                    bauteile->Hinzufügen(KollektionZeiger(zeile));
                }
            } else if (name == "W") {
                if (KollektionZeiger zeile = ZeileLesen(ZellenEBWärmebrücke)) {
                    if (!brücken) brücken = Kollektion::Neu();
                    brücken->Hinzufügen(zeile);
                }
            } else {
                ObjektÜberspringen();
            }
        } else {
            if (leseende_) return;
            if (bauteile) PSetColl(bauteile, "EBBt");
            if (brücken) PSetColl(brücken, "EBWb");
            return;
        }
        if (leseende_) return;
    }
}

std::int32_t Projekt::TextLesen(const std::string& Text) {
    Sdbase dok;
    DokumentHalter halter(dokument_, dok);
    leseende_ = false;
    lesefehler_ = 0;
    tokenzahl_ = 0;
    tokengrenze_ = Text.size();
    dok.SDFString(Text);
    if (std::int32_t code = dok.ReadBegin(); code != 0) return code;
    if (std::int32_t code = dok.ReadHeader(); code != 0) return code;
    bool kopf = KopfLesen();
    if (!kopf) return lesefehler_ != 0 ? lesefehler_ : FehlerUnvollständig;
    if (std::int32_t code = dok.ReadBody(); code != 0) return code;
    bool inhalt = InhaltLesen();
    dok.ReadEnd();
    if (!inhalt) return lesefehler_ != 0 ? lesefehler_ : FehlerUnvollständig;
    return 0;
}

std::int32_t Projekt::ProjektEinlesen(const std::string& Dateiname, std::string* grund, std::string* hinweis) {
    if (hinweis) hinweis->clear();
    try {
        std::string text;
        if (std::int32_t code = ProjektdateiLesen(Dateiname, text, grund, hinweis); code != 0) return code;
        Projekt neu;
        if (std::int32_t code = neu.TextLesen(text); code != 0) return code;
        neu.dateiname_ = Dateiname;
        neu.dateistand_ = Dateien::Stand(text);
        neu.exist_ = true;
        // The heating-month flags belong to the last computation, not to the file.
        neu.monatOK_ = monatOK_;
        neu.leseende_ = false;
        *this = std::move(neu);
        return 0;
    } catch (const std::exception&) {
        return FehlerUnerwartet;
    }
}

// The project file: one scrambled tagged text document holding the project
// data with its address blocks, every zone with its use values, envelope
// tables, ventilation and internal gains, the catalogue of components,
// windows and thermal bridges, and the single-component proof data.
// Computed values (the zone's EBF, monthly balances) are not stored.
// This part writes it; reading is in ProjektDateiLesen.cpp.
#include "project/Projekt.h"

#include "frame/Dateien.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "project/ProjektDateiteile.h"
#include "project/Sdbase.h"

#include <ctime>

using namespace ProjektDateiteile;

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

// Reading the project file (its form is described in ProjektDatei.cpp): the
// file itself, the token reader, the head and every object of the body.
#include "project/Projekt.h"

#include "frame/Dateien.h"
#include "project/ProjektDateiteile.h"
#include "project/Sdbase.h"

#include <array>
#include <filesystem>

namespace {

// Code for a document that ends inside a section or an object.
constexpr std::int32_t FehlerUnvollständig = 14;
// Code for a failure outside the document's checks (out of memory and the like).
constexpr std::int32_t FehlerUnerwartet = 99;

} // namespace

using namespace ProjektDateiteile;

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

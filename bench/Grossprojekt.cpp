#include "bench/Grossprojekt.h"

#include "balance/Gebaeudekategorie.h"
#include "balance/Klimastation_MB2028.h"
#include "components/Bauteile.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"
#include "project/ProjektGlobal.h"

#include <string>

namespace {

std::shared_ptr<Kollektion> Zeile(std::initializer_list<Kollektion::Wert> werte) {
    auto z = Kollektion::Neu();
    for (const auto& w : werte) z->WertHinzufügen(w);
    return z;
}

void Element(Projekt& p, const std::string& schlüssel, std::initializer_list<Kollektion::Wert> werte) {
    auto e = Zeile(werte);
    e->Hinzufügen("", "CodeGr");
    p.PSetColl(e, schlüssel);
}

} // namespace

void Standardnutzung(Projekt& p, std::int16_t Gk) {
    const Gebäudekategorie& k = Global::Gebäudekategorie;
    p.ZSetInt(Gk, "Gk");
    p.ZSetNum(k.Innentemperatur(Gk), "Ti");
    p.ZSetNum(k.Personenfläche(Gk), "PFl");
    p.ZSetNum(k.Wärmeabgabe(Gk), "PWP");
    p.ZSetNum(k.Präsenzzeit(Gk), "PPr");
    p.ZSetNum(k.Elektroverbrauch(Gk), "El");
    p.ZSetNum(k.ElektroReduktion(Gk), "fe");
    p.ZSetNum(k.AussenluftVolumenstrom(Gk), "AVE");
    p.ZSetNum(k.Warmwasser(Gk), "WW");
    p.ZSetNum(0.1, "C");
    p.ZSetNum(0, "ML");
}

void GrossesProjektÖffnen(int bauteile) {
    basZIRVODialogSprache::SpracheSetzen();
    basVB6NumCvt::KommaEingabeSetzen(true);
    Projekt& p = Global::Projekt;
    p = Projekt();
    p.ProjektNeu();
    p.PSetStr("Zürich -MeteoSchweiz", "KlSt");
    Global::Klimastation_MB2028.KlimastationEinlesen("Zürich -MeteoSchweiz");

    for (int n = 1; n <= bauteile; ++n) {
        ::Bauteil b;
        b.Bez = "Bauteil " + std::to_string(n);
        b.U = 0.15 + 0.02 * (n % 5 + 1);
        b.Rsi = 0.13;
        b.Rse = 0.04;
        b.Schichten = {{"Innenputz", 1.5, 1400, 0.7, 0, "0"},
                       {"Backstein", 15, 1100, 0.44, 0, "1"},
                       {"Mineralwolle", 16.0 + n % 5, 30, 0.035, 0, "2"},
                       {"Aussenputz", 2, 1600, 0.87, 0, "0"}};
        b.Speichern(p, n);
    }
    for (int n = 1; n <= 5; ++n) {
        Element(p, "F-" + std::to_string(n),
                {"Fenster " + std::to_string(n), "", 0.9 + 0.1 * n, 0.0, 0.5, 0.75, "", 0.0, "", 0.0});
        Element(p, "W-" + std::to_string(n), {"Wärmebrücke " + std::to_string(n), "", 0.05 * n, 0.0});
    }

    static const char* richtungen[] = {"S", "SW", "W", "NW", "N", "NE", "E", "SE"};
    for (int z = 0; z < 8; ++z) {
        if (z > 0) p.ZoneNeu();
        Standardnutzung(p, static_cast<std::int16_t>(z % 4 + 1));
        p.ZSetStr("Zone " + std::to_string(z + 1), "Bez");
        p.ZSetStr(std::string(1, static_cast<char>('A' + z)), "Code");

        auto ebf = Kollektion::Neu();
        for (int r = 0; r < 30; ++r)
            ebf->Hinzufügen(Zeile({"Geschoss " + std::to_string(r), 50.5 + r, 2.75, 0.0}));
        p.ZSetColl(ebf, "Ah_");

        auto a = Kollektion::Neu(), u = Kollektion::Neu(), f = Kollektion::Neu();
        for (int r = 0; r < 50; ++r) {
            const double fl = 12.5 + r * 0.5;
            const std::string o = richtungen[r % 8];
            switch (r % 5) {
            // Every component in use: roofs and walls take them in turn.
            case 0: a->Hinzufügen(Zeile({"D", "Dach " + std::to_string(r), fl, 1.0 + (2 * (r / 5)) % bauteile, 0.0, "", ""})); break;
            case 1: a->Hinzufügen(Zeile({"W", "Wand " + std::to_string(r), fl, 1.0 + (2 * (r / 5) + 1) % bauteile, 0.0, "", o})); break;
            case 2: a->Hinzufügen(Zeile({"B", "Boden " + std::to_string(r), fl, 0.0, 0.3, "", ""})); break;
            case 3: a->Hinzufügen(Zeile({"l", "Anschluss " + std::to_string(r), fl, 1.0, 0.0, "", ""})); break;
            default: a->Hinzufügen(Zeile({"p", "Befestigung " + std::to_string(r), 4.0, 0.0, 0.2, "", ""})); break;
            }
            switch (r % 3) {
            case 0: u->Hinzufügen(Zeile({"B", "Boden Erdreich", fl, 3.0, 0.0, "", "", "", 0.5, ""})); break;
            case 1: u->Hinzufügen(Zeile({"W", "Wand Keller", fl, 4.0, 0.0, "", "N", 0.8, "", ""})); break;
            default: u->Hinzufügen(Zeile({"W", "Wand Treppenhaus", fl, 0.0, 0.35, "", "E", "", "", "12"})); break;
            }
            switch (r % 4) {
            case 0:
            case 1:
                f->Hinzufügen(Zeile({"F", "Fenster " + std::to_string(r), 1.5 + 0.1 * r, 1.0 + r % 3, 0.0, "", o, 0.0,
                                     0.0, 0.0, "15", "10,20,30"}));
                break;
            case 2:
                f->Hinzufügen(Zeile({"T", "Tür " + std::to_string(r), 2.2, 0.0, 1.5, "", o, 0.0, 0.0, 0.0, "-", "-"}));
                break;
            default:
                f->Hinzufügen(Zeile({"l", "Leibung " + std::to_string(r), 4.8, 2.0, 0.0, "", "", 0.0, 0.0, 0.0, "", ""}));
                break;
            }
        }
        p.ZSetColl(a, "A_");
        p.ZSetColl(u, "U_");
        p.ZSetColl(f, "F_");
    }
    p.SetNZone(0);
}


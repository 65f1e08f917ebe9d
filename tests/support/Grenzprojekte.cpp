#include "tests/support/Grenzprojekte.h"

#include "components/Bauteile.h"
#include "mainwindow/frmZIRVO3801.h"
#include "tests/support/Projektbeschreibung.h"
#include "tests/support/Zonenprojekt.h"

#include <algorithm>
#include <cstdio>

namespace Testhilfe {

namespace {

const char* const Richtungen[] = {"S", "SW", "W", "NW", "N", "NE", "E", "SE"};

// A key of letters and two numbers: "AW312".
std::string Schlüssel(const char* art, int a, int b) {
    char s[24];
    std::snprintf(s, sizeof s, "%s%d%02d", art, a, b);
    return s;
}

// The keys of the entries, each once, in the order first used.
struct Schlüsselliste {
    std::vector<std::string> liste;
    const std::string& operator()(const std::string& s) {
        if (std::find(liste.begin(), liste.end(), s) == liste.end()) liste.push_back(s);
        return s;
    }
    // Item n of a kind ("B", "F", "W") used by a row: its number.
    double Element(const char* art, int n) {
        (*this)(Schlüssel(art, 0, n));
        return n;
    }
};

// Items whose designations begin with their keys ("B007", "F012", "W003").
void Elemente(Projekt& p, int bauteile, int fenster, int brücken, int schichten) {
    for (int n = 1; n <= bauteile; ++n) {
        ::Bauteil b;
        b.Bez = Schlüssel("B", 0, n) + " Aussenwand Typ " + std::to_string(n);
        b.Kom = "Kommentar zum Bauteil " + std::to_string(n);
        b.U = 0.15 + 0.01 * (n % 10);
        b.Rsi = 0.13;
        b.Rse = 0.04;
        for (int k = 0; k < schichten; ++k)
            b.Schichten.push_back({"Schicht " + std::to_string(k + 1), 1.0 + k, 1000.0, k % 3 == 0 ? 0.035 : 0.8, 0,
                                   std::to_string(k % 3)});
        b.CodeGr = n % 2 ? "A" : "";
        b.Speichern(p, n);
    }
    for (int n = 1; n <= fenster; ++n) {
        ::Fenster f;
        f.Bez = Schlüssel("F", 0, n) + " Fenster Holz-Metall " + std::to_string(n);
        f.U = 0.9 + 0.02 * n;
        f.g = 0.5;
        f.FF = 0.7;
        f.Speichern(p, n);
    }
    for (int n = 1; n <= brücken; ++n) {
        ::Wärmebrücke w;
        w.Bez = Schlüssel("W", 0, n) + (n <= brücken / 2 ? " Balkonplatte " : " Befestigung ") + std::to_string(n);
        w.Psi = 0.05 * (n % 5 + 1);
        w.Speichern(p, n);
    }
}

KollektionZeiger Tabelle(std::vector<KollektionZeiger> zeilen) {
    auto t = Kollektion::Neu();
    for (auto& z : zeilen) t->Hinzufügen(std::move(z));
    return t;
}

std::string Lang(const std::string& key, const std::string& bez, bool lang) {
    return key + " " + bez +
           (lang ? " über dem Laubengang mit hinterlüfteter Fassade aus Faserzementplatten, Wärmedämmung "
                   "Mineralwolle 200 mm zwischen Holzständern, innen Gipsfaserplatten"
                 : "");
}

} // namespace

std::vector<std::string> MaximalprojektAnlegen(Zonenprojekt& z) {
    Projekt& p = z.P;
    Schlüsselliste keys;
    p.PSetStr("Überbauung an der Grenze", "Bez");
    p.PSetStr("2026-99", "Id");
    Elemente(p, 40, 20, 20, ::Bauteil::MaxSchichten);
    for (int zone = 0; zone < 8; ++zone) {
        if (zone > 0) p.SetNZone(z.ZoneHinzufügen(std::string(1, static_cast<char>('A' + zone))));
        else p.ZSetStr("A", "Code");
        p.ZSetStr("Zone " + std::to_string(zone + 1) + " Wohnen und Gewerbe", "Bez");

        std::vector<KollektionZeiger> ebf;
        for (int r = 0; r < frmZIRVO3801::ZeilenEBF; ++r)
            ebf.push_back(Zeile({Lang("Geschoss", std::to_string(r), r == 0), 50.5 + r, 2.75, 0.0}));
        p.ZSetColl(Tabelle(std::move(ebf)), "Ah_");

        std::vector<KollektionZeiger> a, u, f;
        for (int r = 0; r < frmZIRVO3801::ZeilenHülle; ++r) {
            const double fl = 12.5 + r * 0.5;
            const std::string o = Richtungen[r % 8];
            switch (r % 5) {
            case 0:
                a.push_back(Zeile({"D", "Dach", fl, keys.Element("B", 1 + (zone * 10 + r / 5) % 40), 0.0, "", ""}));
                break;
            case 1:
                a.push_back(
                    Zeile({"W", Lang(keys(Schlüssel("AW", zone, r)), "Wand", r % 3 == 1), fl, 0.0, 0.25, "", o}));
                break;
            case 2:
                a.push_back(Zeile({"B", keys(Schlüssel("AB", 0, r)) + " Boden über aussen", fl, 0.0, 0.3, "", ""}));
                break;
            case 3:
                a.push_back(Zeile({"l", "Anschluss", fl, keys.Element("W", 1 + (zone + r / 5) % 10), 0.0, "", ""}));
                break;
            default:
                a.push_back(Zeile({"p", "Anker", 4.0, keys.Element("W", 11 + (zone + r / 5) % 10), 0.0, "", ""}));
                break;
            }
            switch (r % 3) {
            case 0:
                u.push_back(Zeile({"B", "Boden Erdreich", fl, keys.Element("B", 1 + (zone * 17 + r / 3) % 40), 0.0, "",
                                   "", "", 0.5, ""}));
                break;
            case 1:
                u.push_back(Zeile(
                    {"W", keys(Schlüssel("UW", zone, r)) + " Wand gegen Keller", fl, 0.0, 0.4, "", "N", 0.8, "", ""}));
                break;
            default:
                u.push_back(Zeile({"W", keys(Schlüssel("UT", 0, r % 6)) + " Wand Treppenhaus", fl, 0.0, 0.35, "", "E",
                                   "", "", "12"}));
                break;
            }
            switch (r % 4) {
            case 0:
            case 1:
                f.push_back(Zeile({"F", "Fenster", 1.5 + 0.1 * r, keys.Element("F", 1 + (zone * 25 + r) % 20), 0.0, "",
                                   o, 0.0, 0.0, 0.0, "15", r % 8 == 0 ? "+45.125, +37.875, +60.625" : "30,15,45"}));
                break;
            case 2:
                f.push_back(Zeile({"T", Lang(keys(Schlüssel("FT", zone, r)), "Tür", r % 8 == 2), 2.2, 0.0, 1.5, "", o,
                                   0.0, 0.0, 0.0, "-", "-"}));
                break;
            default:
                f.push_back(Zeile({"l", "Leibung", 4.8, keys.Element("W", 1 + (zone + r / 4) % 10), 0.0, "", "", 0.0,
                                   0.0, 0.0, "", ""}));
                break;
            }
        }
        p.ZSetColl(Tabelle(std::move(a)), "A_");
        p.ZSetColl(Tabelle(std::move(u)), "U_");
        p.ZSetColl(Tabelle(std::move(f)), "F_");

        std::vector<KollektionZeiger> verbraucher;
        for (int k = 1; k <= 6; ++k)
            verbraucher.push_back(Zeile({"Verbraucher " + std::to_string(k), 500.0, 2000.0, 0.8}));
        p.ZSetColl(Tabelle(std::move(verbraucher)), "GE_");
        p.ZSetStr(Lang("Bemerkung", "zu den Verbrauchern", true), "GEBem");
        // Zones 2 and 3 mechanically ventilated, in part and whole, with a
        // long remark.
        if (zone == 1 || zone == 2) {
            p.ZSetNum(zone == 1 ? 2 : 1, "ML");
            p.ZSetNum(50, "MLAnteil");
            p.ZSetColl(Tabelle({Zeile({"Lüftungsgerät mit Wärmerückgewinnung", 400.0, 6000.0, 80.0, 0.0})}), "Lm_");
            p.ZSetStr(Lang("Bemerkung", "zur Lüftung", true), "LmBem");
        }
    }
    p.SetNZone(0);
    return keys.liste;
}

std::vector<std::string> EinzelbauteilprojektAnlegen(Zonenprojekt& z, int n) {
    Projekt& p = z.P;
    Schlüsselliste keys;
    // A tenth are bridges; the others components and windows by turns, with
    // and without item.
    const int brücken = n / 10, je = n / 4 + 1;
    p.PSetStr("Wohnhaus mit vielen Bauteilen", "Bez");
    Elemente(p, je, je, je, 3);
    p.ZSetColl(Tabelle({Zeile({"Wohnen", 240.0, 2.7, 0.0})}), "Ah_");
    std::vector<KollektionZeiger> a, f;
    for (int i = 0; i < n - brücken; ++i) {
        const int nr = 1 + i / 4;
        const double fl = 10.0 + i;
        const std::string o = Richtungen[i % 8];
        switch (i % 4) {
        case 0: a.push_back(Zeile({"W", "Wand", fl, keys.Element("B", nr), 0.0, "", o})); break;
        case 1:
            a.push_back(Zeile({"W", keys(Schlüssel("EW", 0, i)) + " Wand ohne Bauteil", fl, 0.0, 0.3, "", o}));
            break;
        case 2:
            f.push_back(
                Zeile({"F", "Fenster", 2.0, keys.Element("F", nr), 0.0, "", o, 0.0, 0.0, 0.0, "15", "30,15,45"}));
            break;
        default:
            f.push_back(
                Zeile({"T", keys(Schlüssel("ET", 0, i)) + " Tür", 2.2, 0.0, 1.5, "", o, 0.0, 0.0, 0.0, "-", "-"}));
            break;
        }
    }
    for (int k = 0; k < brücken; ++k) {
        if (k % 2 == 0) a.push_back(Zeile({"l", "Anschluss", 5.0 + k, keys.Element("W", 1 + k / 2), 0.0, "", ""}));
        else a.push_back(Zeile({"p", keys(Schlüssel("EP", 0, k)) + " Anker", 4.0, 0.0, 0.2, "", ""}));
    }
    p.ZSetColl(Tabelle(std::move(a)), "A_");
    p.ZSetColl(Tabelle(std::move(f)), "F_");
    return keys.liste;
}

} // namespace Testhilfe

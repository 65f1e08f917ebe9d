// The result block of the single-component proof on the cover: the
// requirement, the station, the energy reference area, the number of rows of
// each kind in the proof and whether all of them meet their values.
#include "printing/ZIRVO3801Drucken.h"

#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOSymbole.h"
#include "project/ProjektGlobal.h"

#include <cctype>
#include <cmath>

void ZIRVO3801Drucken::EBNachweisErgebnis(int r, bool& failed) {
    const Projekt& p = Global::Projekt;
    const int BvArt = p.PGetInt("BvArt");
    failed = BvArt < 0 || BvArt > 3;
    if (failed) return;
    Drucken& d = drucken_;
    d.Text(r, 1, DS("Einzelbauteilnachweis"), true);
    d.LineX(r + 1, 0, r + 1, 65, true, false);
    std::string anforderung = p.PGetStr("NwKt").empty() ? "SIA 380/1:2016" : p.PGetStr("NwKt");
    if (p.PGetInt("EB-Anf") == 1) anforderung += ", " + DS("Zielwert");
    d.Text(r + 3, 1, DS("Anforderung gemäss:"));
    d.Text(r + 3, 22, anforderung, true);
    d.Text(r + 4, 1, DS("Kanton:"));
    d.Text(r + 4, 22, p.PGetStr("Kanton"), true);
    d.Text(r + 5, 1, DS("Klimastation:"));
    d.Text(r + 5, 22, KlimastationText(p.PGetStr("KlSt")), true);

    // Rows without a code (empty places in the grids) are judged and
    // counted by no one.
    const auto code = [](const Kollektion& z) {
        std::string c = z.Text(1);
        c.erase(0, c.find_first_not_of(' '));
        return c;
    };
    int flächig = 0, linear = 0, punktuell = 0;
    bool alleErfüllt = true;
    if (const KollektionZeiger bauteile = p.PGetColl("EBBt"))
        for (int i = 1; i <= bauteile->Anzahl(); ++i)
            if (const KollektionZeiger z = bauteile->Koll(i); z && !code(*z).empty()) {
                ++flächig;
                if (z->Zahl(4) > z->Zahl(8)) alleErfüllt = false;
            }
    if (const KollektionZeiger brücken = p.PGetColl("EBWb"))
        for (int i = 1; i <= brücken->Anzahl(); ++i)
            if (const KollektionZeiger z = brücken->Koll(i); z && !code(*z).empty()) {
                if (z->Zahl(4) > z->Zahl(5)) alleErfüllt = false;
                if (std::toupper(static_cast<unsigned char>(code(*z)[0])) == 'P') ++punktuell;
                else ++linear;
            }

    d.Text(r + 7, 1, DS("Energiebezugsfläche") + "  (" + DS("EBF") + ")");
    d.Text(r + 7, 32, "A÷(E)");
    d.Text(r + 7, 36, DruckZahl(p.PGetNum("EB-EBF"), 1, true), true, true, 7);
    d.Text(r + 7, 44, einheiten_[E_m2]);
    d.Text(r + 9, 1, DS("Anzahl Einzelbauteile im Nachweis"));
    const struct {
        int zeile;
        const char* art;
        int anzahl;
    } zählungen[] = {{9, "Flächige Bauteile", flächig},
                     {10, "Längenbezogene Wärmebrücken", linear},
                     {11, "Punktbezogene Wärmebrücken", punktuell}};
    for (const auto& z : zählungen) {
        d.Text(r + z.zeile, 32, DS(z.art) + ":");
        d.Text(r + z.zeile, 58, DruckZahl(z.anzahl, 0, true), true, true, 2);
    }
    const auto marke = [](bool an) {
        return an ? basZIRVOSymbole::SymbolAngekreuzt : basZIRVOSymbole::SymbolNichtAngekreuzt;
    };
    d.Text(r + 13, 1, DS("Alle Einzelbauteile erfüllen Anforderungen") + ":", true);
    d.Text(r + 13, 40, marke(alleErfüllt) + "  " + DS("ja"), true);
    d.Text(r + 13, 48, marke(!alleErfüllt) + "  " + DS("nein"), true);
}

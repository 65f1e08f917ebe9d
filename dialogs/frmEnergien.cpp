#include "dialogs/frmEnergien.h"

#include "balance/Anzeigezahl.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Array.h"
#include "project/ProjektGlobal.h"

#include <new>

std::function<void(frmEnergien&)> frmEnergien::Anzeigen;
std::function<void()> frmEnergien::Drucken;

void frmEnergien::Aufruf() {
    frmEnergien fenster;
    fenster.Form_Load();
    if (Anzeigen) Anzeigen(fenster);
}

void frmEnergien::Form_Load() {
    basZIRVO3801::FormularIconSetzen(*this);
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    const Projekt& P = Global::Projekt;
    std::string titel = P.Projektname();
    if (P.ZonenAnzahl() >= 2) titel += " [" + P.ZGetStr("Bez") + "]";
    Caption = titel + " - " + DS("Energien");
    mnuAnsicht.setCaption(DS("&Ansicht"));
    mnuDrucken.setCaption(DS("&Drucken"));
    mnuTr1.setCaption("-");
    mnuSchliessen.setCaption(DS("Schliessen"));
    mnuDrucken.setEnabled(static_cast<bool>(Drucken));
    geladen_ = true;

    Genau = false;
    basZIRVO::SanduhrZähler(-1);
    TabelleFüllen();
    basZIRVO::SanduhrZähler(0);
}

void frmEnergien::TabelleFüllen() {
    lvwEnergien.Clear();
    lvwEnergien.SpalteHinzufügen(DS("Energie"), 2500, false);
    lvwEnergien.SpalteHinzufügen(DS("Jahr"), 750, true);
    for (const std::string& monat : basZIRVO3801::MonatsnamenInitialisieren())
        lvwEnergien.SpalteHinzufügen(DS(monat), 680, true);

    try {
        const Projekt& P = Global::Projekt;
        Monatstabelle QtA{}, QtU{}, QtF{};
        P.ZGetArr2(QtA, "QtA");
        P.ZGetArr2(QtU, "QtU");
        P.ZGetArr2(QtF, "QtF");
        Monatsarray Qv{}, Qvm{}, Qt{}, Qug{}, QgS{}, QgP{}, QgE{}, EtaG{}, Qh{};
        P.ZGetArr1(Qv, "Qv");
        P.ZGetArr1(Qvm, "Qvm");
        P.ZGetArr1(Qt, "Qt");
        P.ZGetArr1(Qug, "Qug");
        P.ZGetArr1(QgS, "QgS");
        P.ZGetArr1(QgP, "QgP");
        P.ZGetArr1(QgE, "QgE");
        P.ZGetArr1(EtaG, "EtaG");
        P.ZGetArr1(Qh, "Qh");

        Monatsarray Lüftung{};
        for (std::size_t m = 0; m < 13; ++m) Lüftung[m] = Qv[m] + Qvm[m];
        for (std::size_t m = 0; m < 12; ++m) Heizmonat[m] = Qt[m] > 0;

        // A column of a part-monthly table, or the sum of two.
        auto spalte = [](const Monatstabelle& t, std::size_t c, std::size_t c2 = 6) {
            Monatsarray a{};
            for (std::size_t m = 0; m < 13; ++m) a[m] = t[m][c] + (c2 < 6 ? t[m][c2] : 0.0);
            return a;
        };
        const std::string teil = "- ";
        auto leer = [this] { ZeileHinzufügen("", nullptr, false, false); };
        auto zeile = [this](const std::string& text, const Monatsarray& werte, bool fett, bool alle) {
            ZeileHinzufügen(text, &werte, fett, alle);
        };

        // Against outside air and against unheated rooms: roof, wall, floor, bridges.
        for (const auto& [titel, t] : {std::pair{"Gegen Aussenluft", &QtA}, std::pair{"Gegen Unbeheizt/Erdreich", &QtU}}) {
            zeile(DS(titel), spalte(*t, 5), true, false);
            zeile(teil + DS("Dach"), spalte(*t, 0), false, false);
            zeile(teil + DS("Wand"), spalte(*t, 1), false, false);
            zeile(teil + DS("Boden"), spalte(*t, 2), false, false);
            zeile(teil + DS("Wärmebrücke"), spalte(*t, 3, 4), false, false);
            leer();
        }
        zeile(DS("Fenster/Türen"), spalte(QtF, 5), true, false);
        zeile(teil + DS("Fenster"), spalte(QtF, 0), false, false);
        zeile(teil + DS("Türe"), spalte(QtF, 1), false, false);
        zeile(teil + DS("Wärmebrücke"), spalte(QtF, 2, 3), false, false);
        leer();
        Monatsarray Transmission{};
        for (std::size_t m = 0; m < 13; ++m) Transmission[m] = QtA[m][5] + QtU[m][5] + QtF[m][5];
        zeile(DS("Transmissionswärmeverlust"), Transmission, false, false);
        leer();
        zeile(DS("Lüftung"), Lüftung, true, false);
        zeile(teil + DS("Lüftung natürlich"), Qv, false, false);
        zeile(teil + DS("Lüftung mechanisch"), Qvm, false, false);
        leer();
        zeile(DS("Gesamtwärmeverlust"), Qt, false, false);
        leer();
        zeile(DS("Wärmeeinträge"), Qug, true, true);
        ZeileHinzufügen(teil + DS("Ausnutzungsgrad"), &EtaG, true, true, true);
        zeile(teil + DS("Sonne"), QgS, false, true);
        zeile(teil + DS("Personen"), QgP, false, true);
        zeile(teil + DS("Elektrizität"), QgE, false, true);
        leer();
        zeile(DS("Heizwärmebedarf"), Qh, true, true);
    } catch (const std::bad_alloc&) {
        // The rows so far stay; the window stays open.
        Plattform::meldungen().Zeigen(DS("Fehler") + " 7", basZIRVO3801::ProgrammTitel, Plattform::Symbol::Fehler,
                                      Plattform::Knöpfe::OK);
    }
}

void frmEnergien::ZeileHinzufügen(const std::string& Bezeichnung, const std::array<double, 13>* Werte, bool Fett,
                                  bool AlleMonate, bool EtaG) {
    ListView::Zeile z;
    z.Texte.push_back(Bezeichnung);
    z.Bold = Fett;
    if (Werte) {
        const int dezimalen = EtaG ? (Genau ? 6 : 3) : (Genau ? 5 : 2);
        const auto text = [dezimalen](double x) { return Anzeigezahl::Festkomma(x, dezimalen); };
        z.Texte.push_back(text((*Werte)[12]));
        for (std::size_t m = 0; m < 12; ++m) {
            const double x = (*Werte)[m];
            if (x == 0 && !Fett) {
                z.Texte.emplace_back();
            } else if (!AlleMonate && !Heizmonat[m]) {
                z.Texte.push_back("(" + text(x) + ")");
            } else {
                z.Texte.push_back(text(x));
            }
        }
    }
    lvwEnergien.ZeileHinzufügen(std::move(z));
}

void frmEnergien::mnuSchliessen_Click() {
    if (basZIRVO::CtrlTasteGedrückt()) {
        Genau = true;
        basZIRVO::SanduhrZähler(-1);
        TabelleFüllen();
        basZIRVO::SanduhrZähler(0);
        return;
    }
    geladen_ = false;
    Visible = false;
    if (Schliessen) Schliessen();
}

void frmEnergien::mnuDrucken_Click() {
    if (!Drucken) return;
    if (!basZIRVO::DruckEingerichtet()) return;
    basZIRVO::SanduhrZähler(-1);
    Drucken();
    basZIRVO::SanduhrZähler(0);
}

// Compute and check: before a result window or a proof opens, the zone (or
// every zone) is computed; a faulty input is shown in its cell, which is
// brought into view, focused and tinted while its message is open.
#include "mainwindow/frmZIRVO3801.h"

#include "balance/basZIRVONorm.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "project/ProjektGlobal.h"

bool frmZIRVO3801::EingabeÜbernehmen() {
    const bool fehler0 = TabelleSpeichern(PaneTabelle[0]);
    const bool fehler1 = TabelleSpeichern(PaneTabelle[1]);
    return fehler0 || fehler1;
}

bool frmZIRVO3801::ZoneBerechnenPrüfen() {
    if (!ProjektZoneBerechnen()) return false;
    FehlerAnzeigen();
    return true;
}

void frmZIRVO3801::FehlerAnzeigen() {
    FehlerAnzeigeFehlgeschlagen = false;
    const std::int16_t t = Eingabefehler.Tabelle;
    // A field of the ventilation or gains dialog is named by its message;
    // the main window neither focuses nor tints it.
    Steuerelement* element = t >= TabelleEBF && t <= TabelleF ? Eingabefehler.Steuerelement : nullptr;

    // The table that holds the faulty cell into view (ventilation and gains
    // have no table here). Every step runs, whatever the one before did.
    try {
        PaneSpeichern();
        if (t >= TabelleEBF && t <= TabelleF) {
            TabelleAnzeigen(t);
            if (PaneTabelle[AktivePane] != t) FehlerAnzeigeFehlgeschlagen = true;
        } else {
            // The tables stay where they are, but the check may have loaded
            // another zone into them: their titles name it.
            TitelAlleZeichnen();
        }
    } catch (...) {
        FehlerAnzeigeFehlgeschlagen = true;
    }

    // The cell takes the focus through its grid, which scrolls it into view.
    Farbe farbe = 0;
    bool getönt = false;
    if (element) {
        try {
            bool fokus = false;
            auto* zelle = dynamic_cast<TextBox*>(element);
            for (auto& tabelle : Tabellen) {
                if (!zelle || !tabelle || !tabelle->IsMember(*zelle)) continue;
                tabelle->TabSetTextBox(*zelle);
                tabelle->TabSetFocus();
                fokus = tabelle->Fokuszelle() == zelle;
                break;
            }
            if (!fokus) FehlerAnzeigeFehlgeschlagen = true;
        } catch (...) {
            FehlerAnzeigeFehlgeschlagen = true;
        }
        farbe = element->BackColor();
        element->setBackColor(FarbeFehler);
        getönt = true;
    }

    // Where to look: the zone, and the table and row of a cell (a message
    // that names its row keeps it).
    std::string ort = Zonenangabe();
    if (element && element->Index >= 0 && t >= TabelleEBF && t <= TabelleF) {
        std::string tabelle = Tabellen[static_cast<std::size_t>(t)] ? Tabellen[static_cast<std::size_t>(t)]->Titel : "";
        const std::string zeile = basZIRVOFehler::Zeilenangabe(element->Index);
        if (!Eingabefehler.Text.starts_with(zeile)) tabelle += ", " + zeile.substr(0, zeile.size() - 2);
        ort += (ort.empty() ? "" : "\n") + DS("Tabelle") + ": " + tabelle;
    }
    basZIRVOFehler::FehlerMelden(ort);

    if (getönt) element->setBackColor(farbe);
}

std::string frmZIRVO3801::Zonenangabe() {
    return basZIRVO3801::Zonenangabe(Global::Projekt, Global::Projekt.GetNZone());
}

bool frmZIRVO3801::AlleZonenPrüfen(bool Verluste) {
    Projekt& p = Global::Projekt;
    const std::int16_t bisher = p.GetNZone();

    // The first faulty zone stays current and shown with its error; the
    // zones after it are neither computed nor stored.
    for (std::int16_t i = 0; i < p.ZonenAnzahl(); ++i) {
        p.SetNZone(i);
        ProjektZoneEinlesen();
        if (ZoneBerechnenPrüfen()) return true;
        ProjektZoneSpeichern();
    }

    if (Verluste && BauteilverlusteTabelle) BauteilverlusteTabelle();

    p.SetNZone(bisher);
    ProjektZoneEinlesen();

    std::string code;
    std::int16_t zeile = 0;
    bool gefunden = false;
    TrennbauteileSammeln(code, zeile, gefunden);
    if (!gefunden) return false;

    // The zone of the row without counterpart becomes current and is shown.
    std::int16_t zone = -1;
    for (std::int16_t j = 0; j < p.ZonenAnzahl(); ++j) {
        p.SetNZone(j);
        ProjektZoneEinlesen();
        if (p.ZGetStr("Code") == code) {
            zone = j;
            break;
        }
    }
    if (zone < 0) {
        p.SetNZone(bisher);
        ProjektZoneEinlesen();
        zone = bisher;
    }

    Eingabefehler.Beginnen(zone, TabelleU);
    // A row beyond the grid has no cell to point at.
    TextBox* zelle = txtDuTin.Enthält(zeile) ? &txtDuTin[zeile] : nullptr;
    Eingabefehler.Setzen(DS("Keine entsprechende Eingabezeile in der Nachbarzone gefunden."), zelle);
    FehlerAnzeigen();
    return true;
}

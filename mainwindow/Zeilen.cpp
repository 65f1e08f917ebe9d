// Rows of the envelope tables: inserting and deleting a row at the active
// cell, and the monthly losses of one row as the last computation of the
// zone left them.
#include "mainwindow/frmZIRVO3801.h"

#include "balance/Gebaeudehuelle.h"
#include "frame/Plattform.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVO_Format.h"
#include "project/ProjektGlobal.h"

#include <algorithm>
#include <vector>

namespace {

constexpr const char* CRLF = "\r\n";

// The records hold kWh (the zone's energies per m² times its area); the
// display is in GJ.
constexpr double GJjekWh = 3.6 / 1000;

using Zellenspalten = std::vector<Steuerelementfeld<TextBox>*>;

// The cell columns of table t, in the order the rows are shifted.
Zellenspalten Spalten(frmZIRVO3801& f, std::int16_t t) {
    switch (t) {
    case TabelleEBF: return {&f.txtEBFBez, &f.txtEBFFl, &f.txtEBFhG, &f.txtEBFAh};
    case TabelleA: return {&f.txtDaC, &f.txtDaBez, &f.txtDaFl, &f.txtDaBt, &f.txtDaU, &f.txtDaH, &f.txtDaO};
    case TabelleU:
        return {&f.txtDuC, &f.txtDuBez, &f.txtDuFl, &f.txtDuBt, &f.txtDuU,
                &f.txtDuH, &f.txtDuO,   &f.txtDuBu, &f.txtDuBG, &f.txtDuTin};
    case TabelleF:
        return {&f.txtFC, &f.txtFBez, &f.txtFFl, &f.txtFBt,  &f.txtFU,   &f.txtFg,
                &f.txtFH, &f.txtFO,   &f.txtFOn, &f.txtFFF, &f.txtFFS1, &f.txtFFS23};
    default: return {};
    }
}

// Rows r .. R-2 move down by one; row r is emptied.
void ZeileEinfügen(int r, int R, const Zellenspalten& zellen) {
    for (int k = R - 1; k > r; --k)
        for (auto* spalte : zellen) (*spalte)[k].setText((*spalte)[k - 1].Text());
    for (auto* spalte : zellen) (*spalte)[r].setText(std::string());
}

// Rows r+1 .. R-1 move up by one; the last row is emptied.
void ZeileLöschen(int r, int R, const Zellenspalten& zellen) {
    for (int k = r; k < R - 1; ++k)
        for (auto* spalte : zellen) (*spalte)[k].setText((*spalte)[k + 1].Text());
    for (auto* spalte : zellen) (*spalte)[R - 1].setText(std::string());
}

// The text without blanks at both ends.

// A number with two decimals, the user's decimal sign, no grouping.
std::string ZweiStellen(double x) {
    std::string text = basZIRVO_Format::ZahlFormatieren(x, 15, 2);
    std::size_t a = text.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : text.substr(a);
}

} // namespace

void frmZIRVO3801::ZeileEinfügenLöschen(bool Löschen) {
    // Only a cell of an envelope table: anything else has the focus, nothing happens.
    auto* zelle = dynamic_cast<TextBox*>(ActiveControl);
    if (!zelle || zelle->Index < 0) return;
    const int r = zelle->Index;

    for (std::int16_t t = TabelleEBF; t <= TabelleF; ++t) {
        std::int16_t erste = 0, sichtbar = 0, zeilen = 0;
        TabelleEigenschaften(t, erste, sichtbar, zeilen);
        const Zellenspalten spalten = Spalten(*this, t);
        const int R = std::min<int>(zeilen, spalten.front()->Anzahl());
        if (r >= R) continue;
        const bool gehört = std::any_of(spalten.begin(), spalten.end(),
                                        [&](Steuerelementfeld<TextBox>* s) { return &(*s)[r] == zelle; });
        if (!gehört) continue;

        if (Löschen) {
            ZeileLöschen(r, R, spalten);
        } else {
            // Text in the last row would be pushed out of the table.
            for (auto* s : spalten)
                if (!basZIRVO_Format::TextRechtsTrimmen((*s)[R - 1].Text()).empty()) return;
            ZeileEinfügen(r, R, spalten);
        }
        return;
    }
}

void frmZIRVO3801::ZeilenEnergienAnzeigen(std::int16_t Art, const std::string& Titel, std::int16_t Zeile,
                                          const std::string& Bez, const std::string& Fl) {
    Projekt& p = Global::Projekt;
    const std::int16_t z = p.GetNZone();

    std::string text = DS("Energien in den Monaten pro Zeile:") + CRLF;
    text += CRLF;
    text += p.ZGetStr("Code") + "  [" + std::to_string(z) + "]  " + p.ZGetStr("Bez") + CRLF;
    text += Titel + DS(", Zeile ") + std::to_string(Zeile + 1) + CRLF;
    text += CRLF;
    text += Bez + "      " + Fl + " [m2]";
    text += CRLF;

    // The record holds the losses and, for windows, the solar gains as the
    // computation left them: the gains are already the utilised ones (the
    // computation multiplied them by the month's utilisation factor) and are
    // shown as stored.
    Monatsarray verlust{}, gewinn{};
    if (Gebäudehülle::Instanz().FürTest__QMt(z, Art, Zeile, verlust, gewinn)) {
        double summeVerlust = 0, summeGewinn = 0;
        for (int m = 0; m < 12; ++m) {
            const std::size_t i = static_cast<std::size_t>(m);
            text += std::to_string(m + 1) + "\t" + ZweiStellen(verlust[i] * GJjekWh) + " GJ";
            summeVerlust += verlust[i] * GJjekWh;
            if (Art == 3) {
                text += "\t" + ZweiStellen(gewinn[i] * GJjekWh) + " GJ";
                summeGewinn += gewinn[i] * GJjekWh;
            }
            text += CRLF;
        }
        text += CRLF;
        text += DS("Jahr") + "\t" + ZweiStellen(summeVerlust) + " GJ";
        if (Art == 3) text += "\t" + ZweiStellen(summeGewinn) + " GJ";
    }

    Plattform::meldungen().Zeigen(text, basZIRVO3801::ProgrammTitel, Plattform::Symbol::Keins,
                                  Plattform::Knöpfe::OK);
}

void frmZIRVO3801::txtDaC_DblClick(int Index) {
    if (!basZIRVO::CtrlTasteGedrückt() || !txtDaC.Enthält(Index)) return;
    ZeilenEnergienAnzeigen(1, DS("Gegen Aussen"), static_cast<std::int16_t>(Index),
                           basZIRVO_Format::TextRechtsTrimmen(txtDaBez[Index].Text()),
                           basZIRVO_Format::TextTrimmen(txtDaFl[Index].Text()));
}

void frmZIRVO3801::txtDuC_DblClick(int Index) {
    if (!basZIRVO::CtrlTasteGedrückt() || !txtDuC.Enthält(Index)) return;
    ZeilenEnergienAnzeigen(2, DS("Gegen Unbeheizt"), static_cast<std::int16_t>(Index),
                           basZIRVO_Format::TextRechtsTrimmen(txtDuBez[Index].Text()),
                           basZIRVO_Format::TextTrimmen(txtDuFl[Index].Text()));
}

void frmZIRVO3801::txtFC_DblClick(int Index) {
    if (!basZIRVO::CtrlTasteGedrückt() || !txtFC.Enthält(Index)) return;
    ZeilenEnergienAnzeigen(3, DS("Fenster"), static_cast<std::int16_t>(Index),
                           basZIRVO_Format::TextRechtsTrimmen(txtFBez[Index].Text()),
                           basZIRVO_Format::TextTrimmen(txtFFl[Index].Text()));
}

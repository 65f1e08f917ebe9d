// The main window's model: the four envelope tables of the current zone
// (cells and total labels as control states), how they are loaded from and
// stored into the zone, and the balance of the zone computed from them.
//
// The tables are the working copy of the current zone: callers load a zone
// into them (ProjektZoneEinlesen), compute it (ProjektZoneBerechnen) and
// store it back (ProjektZoneSpeichern). The Qt window shows these states.
#pragma once

#include "balance/Feldformat.h"
#include "frame/EingabeTabelle.h"
#include "frame/Steuerelemente.h"
#include "project/Kollektion.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Numbers of the four envelope tables.
enum Tabellentyp : std::int16_t {
    KeineTabelle = 0,
    TabelleEBF = 1,   // energy reference area, zone value "Ah_"
    TabelleA = 2,     // envelope against outside air, "A_"
    TabelleU = 3,     // against unheated rooms, earth and neighbour zones, "U_"
    TabelleF = 4,     // windows and doors, "F_"
};

class frmZIRVO3801 : public Formular {
public:
    static constexpr int ZeilenEBF = 30;   // rows of the EBF table
    static constexpr int ZeilenHülle = 50; // rows of the tables A, U and F

    frmZIRVO3801();

    // The four input grids by table number (element 0 stays empty).
    std::array<std::unique_ptr<EingabeTabelle>, 5> Tabellen;
    // Gives each grid its table number, its title (through DS) and its row
    // count; the constructor runs it, the start runs it again once the texts
    // are on. Cells, labels and scroll bars are registered by the window.
    void TabellenAnlegen();

    // --- EBF table (rows 0..29) ---
    Steuerelementfeld<TextBox> txtEBFBez{"txtEBFBez", ZeilenEBF};
    Steuerelementfeld<TextBox> txtEBFFl{"txtEBFFl", ZeilenEBF};
    Steuerelementfeld<TextBox> txtEBFhG{"txtEBFhG", ZeilenEBF};
    Steuerelementfeld<TextBox> txtEBFAh{"txtEBFAh", ZeilenEBF};
    Label lblEBFTotAh0{"lblEBFTotAh0"};
    Label lblEBFTotAh{"lblEBFTotAh"};

    // --- table A, against outside air (rows 0..49) ---
    Steuerelementfeld<TextBox> txtDaC{"txtDaC", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDaBez{"txtDaBez", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDaFl{"txtDaFl", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDaBt{"txtDaBt", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDaU{"txtDaU", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDaH{"txtDaH", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDaO{"txtDaO", ZeilenHülle};
    Label lblDaFl{"lblDaFl"}, lblDaU{"lblDaU"}, lblDaQt{"lblDaQt"};
    Label lblWaFl{"lblWaFl"}, lblWaU{"lblWaU"}, lblWaQt{"lblWaQt"};
    Label lblBaFl{"lblBaFl"}, lblBaU{"lblBaU"}, lblBaQt{"lblBaQt"};
    Label lbllaFl{"lbllaFl"}, lbllaU{"lbllaU"}, lbllaQt{"lbllaQt"};
    Label lblpaFl{"lblpaFl"}, lblpaU{"lblpaU"}, lblpaQt{"lblpaQt"};

    // --- table U, against unheated rooms, earth and neighbour zones (rows 0..49) ---
    Steuerelementfeld<TextBox> txtDuC{"txtDuC", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDuBez{"txtDuBez", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDuFl{"txtDuFl", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDuBt{"txtDuBt", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDuU{"txtDuU", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDuH{"txtDuH", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDuO{"txtDuO", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDuBu{"txtDuBu", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDuBG{"txtDuBG", ZeilenHülle};
    Steuerelementfeld<TextBox> txtDuTin{"txtDuTin", ZeilenHülle};
    Label lblDuFl{"lblDuFl"}, lblDuU{"lblDuU"}, lblDuQt{"lblDuQt"};
    Label lblWuFl{"lblWuFl"}, lblWuU{"lblWuU"}, lblWuQt{"lblWuQt"};
    Label lblBuFl{"lblBuFl"}, lblBuU{"lblBuU"}, lblBuQt{"lblBuQt"};
    Label lblluFl{"lblluFl"}, lblluU{"lblluU"}, lblluQt{"lblluQt"};
    Label lblpuFl{"lblpuFl"}, lblpuU{"lblpuU"}, lblpuQt{"lblpuQt"};

    // --- table F, windows and doors (rows 0..49) ---
    Steuerelementfeld<TextBox> txtFC{"txtFC", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFBez{"txtFBez", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFFl{"txtFFl", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFBt{"txtFBt", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFU{"txtFU", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFH{"txtFH", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFO{"txtFO", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFOn{"txtFOn", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFg{"txtFg", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFFF{"txtFFF", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFFS1{"txtFFS1", ZeilenHülle};
    Steuerelementfeld<TextBox> txtFFS23{"txtFFS23", ZeilenHülle};
    Label lblFFl{"lblFFl"}, lblFU{"lblFU"}, lblFQt{"lblFQt"};
    Label lblTFl{"lblTFl"}, lblTU{"lblTU"}, lblTQt{"lblTQt"};
    Label lbllfFl{"lbllfFl"}, lbllfU{"lbllfU"}, lbllfQt{"lbllfQt"};
    Label lblpfFl{"lblpfFl"}, lblpfU{"lblpfU"}, lblpfQt{"lblpfQt"};
    Label lblFQs{"lblFQs"}, lblFQsf{"lblFQsf"};

    // --- field formats ---
    // The codes of every cell array and total label of the four tables,
    // looked up by control name; the constructor fills them.
    Spaltenliste Feldformate;
    void FeldformateSetzen();
    // A name not in the list is a text field in column 0 without recompute.
    Feldformat FeldformatLesen(std::string_view name) const;

    // Writes a value into a cell by the cell's format: a number cell shows
    // the number formatted ("" for 0), a text cell the text without trailing blanks.
    void TextFeldSetzen(TextBox& zelle, std::string_view wert);
    void TextFeldSetzen(TextBox& zelle, double wert);
    // The same for a total label, which shows 0 as a number.
    void LabelSetzen(Label& label, std::string_view wert);
    void LabelSetzen(Label& label, double wert);

    // True when the text is a number as a user types it: blanks around it,
    // an optional sign, digits with at most one decimal point or comma.
    // Anything else in a neighbour-temperature cell is a zone code.
    static bool IstZahltext(std::string_view text);

    // --- tables and the zone ---
    // First visible row, visible rows and row count of table t; an unknown
    // table reports 0 rows and leaves the first two untouched.
    void TabelleEigenschaften(std::int16_t t, std::int16_t& ersteZeile, std::int16_t& sichtbareZeilen,
                              std::int16_t& zeilen) const;
    // Loads table t (1..4) from the current zone's row table into the cells,
    // refreshes the orientation tool tips and computes the table (its
    // failure is not looked at). Other numbers do nothing. Always False.
    bool TabelleEinlesen(std::int16_t t);
    // Stores table t into the current zone: rows 0 up to the last non-empty
    // one, texts right-trimmed and numbers as read; rows the zone holds
    // beyond the grid are kept unchanged behind the grid's rows. Always False.
    bool TabelleSpeichern(std::int16_t t);
    // Computes table t (1..4); True when a row is faulty. Others: False.
    bool TabelleBerechnen(std::int16_t t);
    // The four tables of the current zone, then ventilation and gains.
    void ProjektZoneEinlesen();
    void ProjektZoneSpeichern();

    // --- look-ups of project items and comparisons of rows ---
    // The item "B-", "F-" or "W-" and the number: True with its values (a
    // window's g and FF only when within 0..1); False, nothing changed, when
    // the project has no such item.
    bool BauteilHolen(std::int16_t nummer, double& U, std::string& bezeichnung) const;
    bool FensterHolen(std::int16_t nummer, double& U, double& g, double& FF, std::string& bezeichnung) const;
    bool WärmebrückeHolen(std::int16_t nummer, double& Psi, std::string& bezeichnung) const;
    // Whether two partition rows face each other: roof and floor, walls of
    // opposite main directions, bridges of the same kind. Codes are single
    // letters of "DWBlp"; anything else faces nothing.
    static bool LageGegenüber(std::string_view codeA, std::string_view orientierungA, std::string_view codeB,
                              std::string_view orientierungB);
    static bool ZahlGleich(double a, double b);
    // Equal item numbers, or both without number and equal values.
    static bool WertOderKennungGleich(std::int16_t nummerA, double wertA, std::int16_t nummerB, double wertB);
    // Gathers the stored U rows of all zones that name a neighbour zone and
    // pairs each with its mirror row; found: the zone code and row of the
    // first row without a mirror. Every zone is loaded into the tables in
    // turn, and the current zone is loaded again at the end.
    void TrennbauteileSammeln(std::string& code, std::int16_t& zeile, bool& gefunden);

    // --- the balance of the current zone ---
    // True when the zone could not be computed; the error is in Eingabefehler.
    bool ProjektZoneBerechnen();
    // True when a partition row to a neighbour zone has no mirror row there.
    bool ProjektZoneTrennbauteileTesten();
    bool BerechnenEBF();
    bool BerechnenQtA();
    bool BerechnenQtU();
    bool BerechnenQtF();

    // Neighbour-zone look-ups of the transmission step; both leave the
    // current zone as it was. NachbarzoneTemperatur: False with the room
    // temperature (corrected or "Ti") of the first other zone with the code,
    // True when there is none. NachbarzeileVorlauftemperatur: VT is the
    // neighbour's flow temperature of component heating when its mirror row
    // of the partition is heated, else 0; True only with fewer than two
    // zones or when a stored row cannot be read.
    bool NachbarzoneTemperatur(const std::string& Code, double& T, bool korrigiert);
    bool NachbarzeileVorlauftemperatur(const std::string& Nachbarcode, const std::string& C, double Fl,
                                       std::int16_t Bt, double U, const std::string& O, const std::string& Eigencode,
                                       double& VT);
    // Sum of "EBF" over all zones, each loaded into the tables in turn.
    double EBFAlleZonen();

private:
    struct Spalte;
    struct Tabellenbeschreibung;
    static const Tabellenbeschreibung* Beschreibung(std::int16_t t);
    Steuerelementfeld<TextBox>& Feld(const Spalte& spalte);
    void ZelleSetzen(TextBox& zelle, const Kollektion::Wert* wert);
    bool ZeileLeer(const Tabellenbeschreibung& b, int zeile);
    void TabelleLaden(std::int16_t t);
    void TabelleAblegen(std::int16_t t);
    void OrientierungTooltipSetzen(TextBox& zelle);
};

namespace Global {
extern ::frmZIRVO3801 frmZIRVO3801;
// Set by the print run while it loads a zone: the loaders of the tables A, U
// and F then count the items their rows use (basZIRVO3801::BauteiltypTabelleWert).
extern bool ElementeZählen;
} // namespace Global

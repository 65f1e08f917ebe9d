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
#include "frame/RichTextBox.h"
#include "frame/Steuerelemente.h"
#include "frame/basZIRVO_Array.h"
#include "mainwindow/Infopaket.h"
#include "project/Kollektion.h"
#include "project/Projekt.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
    // When a table on screen cannot be computed, its totals are empty and
    // the status bar says why; the note goes once the totals are back.
    bool TabelleBerechnen(std::int16_t t);
    // Empties the total labels of table t. Every computation of a table
    // starts with it, so a label never shows a figure of other rows (another
    // zone, a former project) when the computation stops at an input error.
    void SummenLeeren(std::int16_t t);
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
    // --- component pick list at the number cells of the tables A, U and F ---
    // The button beside the focused number cell (hidden while no number cell
    // of a row with a suitable code has the focus) and the list it opens
    // (hidden while closed); the list's item data are the item numbers.
    CommandButton cmdDaBt{"cmdDaBt"};
    ListBox lstDaBt{"lstDaBt"};
    std::vector<int> lstDaBtItemData;
    // 1 components, 2 windows, 3 thermal bridges; the cells of the row the
    // button belongs to (null: none; g and FF only for windows).
    std::int16_t BtListeArt = 0;
    TextBox* BtZelle = nullptr;
    TextBox* BtZelleWert = nullptr;
    TextBox* BtZelleG = nullptr;
    TextBox* BtZelleFF = nullptr;
    TextBox* BtZelleBez = nullptr;
    void BtKnopfBauteil(TextBox& Nummer, TextBox& U, TextBox& Bez);
    void BtKnopfFenster(TextBox& Nummer, TextBox& U, TextBox& g, TextBox& FF, TextBox& Bez);
    void BtKnopfWärmebrücke(TextBox& Nummer, TextBox& Psi, TextBox& Bez);
    void BtKnopfVerbergen();
    void BtListeÖffnen();
    void cmdDaBt_MouseDown();
    // A pick: the item's number, value(s) and (into an empty description)
    // designation go into the row.
    void lstDaBt_DblClick();
    // Enter picks, Escape closes without a pick.
    void lstDaBt_KeyUp(std::int16_t KeyCode);
    void lstDaBt_LostFocus();
    // The number cells' events: the button by the row's code, Alt+Down, hiding.
    void BtZelle_GotFocus(TextBox& Zelle);
    void BtZelle_LostFocus(TextBox& Zelle);
    void BtZelle_KeyDown(TextBox& Zelle, std::int16_t& KeyCode, std::int16_t Shift);

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
    // first row without a mirror. Only the stored rows are read: the tables
    // keep what they show, and the current zone stays current.
    void TrennbauteileSammeln(std::string& code, std::int16_t& zeile, bool& gefunden);

    // --- the balance of the current zone ---
    // True when the zone could not be computed; the error is in Eingabefehler.
    // A zone whose inputs are those of its last successful computation is
    // not computed again: that computation's figures are given back (see
    // Zonenrechnung below).
    bool ProjektZoneBerechnen();
    // How often a zone was really computed (a memo hit not counted); read by tests.
    std::uint64_t Zonenberechnungen = 0;
    // Forgets every kept computation: the next one of each zone computes.
    void ZonenrechnungenVergessen();
    // True when a partition row to a neighbour zone has no mirror row there.
    bool ProjektZoneTrennbauteileTesten();
    bool BerechnenEBF();
    bool BerechnenQtA();
    bool BerechnenQtU();
    bool BerechnenQtF();
    // The window table's utilised solar gains and their utilisation factor
    // depend on the whole zone (its losses, ventilation and internal gains),
    // so they are the zone computation's: ProjektZoneBerechnen shows them
    // when it succeeds and empties them when it fails, the window table's
    // own step only empties them. After inputs changed outside a zone
    // computation (a table recomputed or loaded, a dialog closed) this
    // computes the zone anew for them; the pending input error stays as it
    // was. While they cannot be computed the status bar says why.
    void GenutzteSolareGewinneAnzeigen();

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

    // --- commands (K) ---
    // Menu entries acted on by the commands (captions are set by the window;
    // the recent-project entries get theirs from LetzteProjekteAnzeigen).
    Menüeintrag mnuDatei{"mnuDatei"};
    Menüeintrag mnuDateiNeu{"mnuDateiNeu"};
    Menüeintrag mnuDateiÖffnen{"mnuDateiÖffnen"};
    Menüeintrag mnuDateiSchliessen{"mnuDateiSchliessen"};
    Menüeintrag mnuDateiSpeichern{"mnuDateiSpeichern"};
    Menüeintrag mnuDateiSpeichernUnter{"mnuDateiSpeichernUnter"};
    Menüeintrag mnuDateiDrucken{"mnuDateiDrucken"};
    Menüeintrag mnuDateiDruckEinrichten{"mnuDateiDruckEinrichten"};
    Menüeintrag mnuDateiTrLP{"mnuDateiTrLP"};
    // The recent projects: elements 0 .. LetzteProjekteMax - 1 are in use.
    Steuerelementfeld<Menüeintrag> mnuDateiLetzte{"mnuDateiLetzte", 10};
    Menüeintrag mnuDateiBeenden{"mnuDateiBeenden"};
    Menüeintrag mnuBearb{"mnuBearb"};
    Menüeintrag mnuBearbZeileEinfügen{"mnuBearbZeileEinfügen"};
    Menüeintrag mnuBearbZeileLöschen{"mnuBearbZeileLöschen"};
    Menüeintrag mnuProjekt{"mnuProjekt"};
    Menüeintrag mnuProjektAngaben{"mnuProjektAngaben"};
    Menüeintrag mnuProjektNutzung{"mnuProjektNutzung"};
    Menüeintrag mnuProjektBauteile{"mnuProjektBauteile"};
    Menüeintrag mnuZone{"mnuZone"};
    Menüeintrag mnuZoneEBF{"mnuZoneEBF"};
    Menüeintrag mnuZoneA{"mnuZoneA"};
    Menüeintrag mnuZoneU{"mnuZoneU"};
    Menüeintrag mnuZoneF{"mnuZoneF"};
    Menüeintrag mnuZoneL{"mnuZoneL"};
    Menüeintrag mnuZoneG{"mnuZoneG"};
    Menüeintrag mnuZoneQh{"mnuZoneQh"};
    Menüeintrag mnuNachweis{"mnuNachweis"};
    Menüeintrag mnuNachweis3801System{"mnuNachweis3801System"};
    Menüeintrag mnuNachweis3801EB{"mnuNachweis3801EB"};
    Menüeintrag mnuTabellen{"mnuTabellen"};
    Menüeintrag mnuTabellenBaustoffe{"mnuTabellenBaustoffe"};
    Menüeintrag mnuTabellenStandardnutzung{"mnuTabellenStandardnutzung"};
    Menüeintrag mnuTabellenRechenwerte{"mnuTabellenRechenwerte"};
    Menüeintrag mnuTabellenRechner{"mnuTabellenRechner"};
    Menüeintrag mnuExtras{"mnuExtras"};
    Menüeintrag mnuExtrasOK{"mnuExtrasOK"};
    Menüeintrag mnuExtrasFlächen{"mnuExtrasFlächen"};
    Menüeintrag mnuExtrasVerluste{"mnuExtrasVerluste"};
    Menüeintrag mnuExtrasEnergien{"mnuExtrasEnergien"};
    Menüeintrag mnuExtrasWärmeleistungsbedarf{"mnuExtrasWärmeleistungsbedarf"};
    Menüeintrag mnuExtrasOptionen{"mnuExtrasOptionen"};
    Menüeintrag mnuHilfe{"mnuHilfe"};
    Menüeintrag mnuHilfeF1{"mnuHilfeF1"};
    Menüeintrag mnuHilfeWasIstNeu{"mnuHilfeWasIstNeu"};
    Menüeintrag mnuHilfeInfoZahlenformat{"mnuHilfeInfoZahlenformat"};
    Menüeintrag mnuHilfeInfo{"mnuHilfeInfo"};

    // How the window shows the other windows. The view installs them; a
    // command whose window is not installed does nothing, and MenüsAktivieren
    // keeps its entry disabled.
    std::function<void()> LüftungAnzeigen;              // Global::frmLüftung, modal
    std::function<void()> GewinnAnzeigen;               // Global::frmGewinn, modal
    std::function<void()> QhAnzeigen;                   // Global::frmQh, modal
    std::function<void()> WärmeleistungsbedarfAnzeigen; // Global::frmWärmeleistungsbedarf, modal
    std::function<void()> TabellenRechnerAnzeigen;      // the factor calculator, modeless
    std::function<void()> BauteileAnzeigen;             // component editor, modeless
    std::function<void()> Nachweis3801Anzeigen;        // system proof, modal
    std::function<void()> NachweisEBAnzeigen;          // single-component proof, modeless
    std::function<void()> NachweisEBEinlesen;          // loads the single-component proof data
    std::function<void()> NachweisEBSpeichern;         // stores it before the project is saved
    std::function<void()> BaustoffeAnzeigen;           // material database, modal
    std::function<void()> DruckenAnzeigen;             // print dialog, modal
    std::function<void()> DruckIniAnzeigen;            // printer settings, modal
    std::function<void()> FlächenAnzeigen;             // area report, modal
    std::function<void()> BauteilverlusteTabelle;      // builds the component-loss table
    std::function<void()> BauteilVerlusteAnzeigen;     // component losses, modal
    std::function<void()> EnergienAnzeigen;            // monthly energy table, modal
    // Closes the main window the way its close box does.
    std::function<void()> Schliessen;
    // The control that has the focus in the window, null when none (the
    // cells' focus events keep it; the view sets it for other controls).
    Steuerelement* ActiveControl = nullptr;

    // File menu. A failed read or save is reported and changes nothing else.
    void mnuDatei_Click();
    void mnuDateiNeu_Click();
    void mnuDateiÖffnen_Click();
    void mnuDateiSchliessen_Click();
    void mnuDateiSpeichern_Click();
    void mnuDateiSpeichernUnter_Click();
    void mnuDateiDrucken_Click();
    void mnuDateiDruckEinrichten_Click();
    void mnuDateiLetzte_Click(int Index);
    void mnuDateiBeenden_Click();
    // Opens the project file named on the command line.
    void ProjektEinlesenBeimProgrammstart(const std::string& Datei);
    // Asks whether to save the open project: True when the calling command
    // must stop (Cancel, a table that could not be stored, a failed save).
    bool ProjektSpeichernFragen();
    // The open-file and save-file dialogs: the chosen path, "" for none.
    std::string ÖffnenDialog();
    std::string SpeichernUnterDialog();
    // Reads a project file and shows it; True (after a message naming the
    // file) when it could not be read: the open project then stays as it was.
    bool ProjektÖffnen(const std::string& Pfad);
    // Shows the open project: caption, climate station, north, the zone's tables.
    bool ProjektAnzeigen();
    // Writes the project ("" = under its file name); True when it failed
    // (the reason has been shown): file name and recent list unchanged.
    bool ProjektDateiSpeichern(const std::string& Pfad);
    // File > Close: a new empty project and an empty window.
    void AnzeigeZurücksetzen();
    // Opens a project by path (recent entry, command line); a missing file is reported.
    void ProjektÖffnenDatei(const std::string& Pfad);
    // Puts a path ("" = none) at the top of the recent list and rebuilds its entries.
    void LetzteProjekteAnzeigen(const std::string& Pfad);

    // The command gate: True when the data the command (a letter) needs
    // exist; otherwise the first missing input is named in a message.
    bool BefehlMöglich(std::string_view Buchstabe);

    // Enables the entries that need an open project.
    void MenüsAktivieren();
    void mnuBearbZeileEinfügen_Click();
    void mnuBearbZeileLöschen_Click();
    void mnuProjektAngaben_Click();
    void mnuProjektNutzung_Click();
    void mnuProjektBauteile_Click();
    void mnuZoneEBF_Click();
    void mnuZoneA_Click();
    void mnuZoneU_Click();
    void mnuZoneF_Click();
    void mnuZoneL_Click();
    void mnuZoneG_Click();
    void mnuZoneQh_Click();
    void mnuNachweis3801System_Click();
    void mnuNachweis3801EB_Click();
    void mnuTabellenBaustoffe_Click();
    void mnuTabellenStandardnutzung_Click();
    void mnuTabellenRechenwerte_Click();
    void mnuTabellenRechner_Click();
    void mnuExtrasOK_Click();
    void mnuExtrasVerluste_Click();
    void mnuExtrasFlächen_Click();
    void mnuExtrasEnergien_Click();
    void mnuExtrasWärmeleistungsbedarf_Click();
    void mnuExtrasOptionen_Click();
    void mnuHilfeF1_Click();
    void mnuHilfeWasIstNeu_Click();
    void mnuHilfeInfoZahlenformat_Click();
    void mnuHilfeInfo_Click();
    // Tool bar buttons and button menus by their keys.
    void tbrToolbar1_ButtonClick(std::string_view Key);
    void tbrToolbar1_ButtonMenuClick(std::string_view Key);
    void tbrToolbar2_ButtonClick(std::string_view Key);
    // Opens the help at the page of the help context number.
    void HilfeTasteSenden(std::int32_t Kontext);

    // --- the help panel ---
    // The info package as read at start (its bytes, Windows-1252; "" when
    // there is none), the topic shown ("" at start) and its links.
    std::string InfoPaket;
    std::string InfoThema;
    std::vector<InfoVerweis> InfoVerweise;
    // Shows a topic in the panel ("" = the topic named after the program);
    // the topic shown already is not read again. A topic that cannot be
    // found shows "Info nicht gefunden.".
    void InfoAnzeigen(std::string Thema);
    // Reads the info package beside the program (the program's name and
    // ".pip"), once at start.
    void InfoPaketLesen();
    // The rich text of a topic (UTF-8): from the package when there is one,
    // else from the single topic file "Q4-" topic ".html" beside the
    // program; "" when it cannot be found or read.
    std::string InfoTextLesen(const std::string& Thema) const;
    // The caret moved in the panel: a caret inside a link opens its topic.
    void rtbInfo_SelChange();

    // Stores the tables of both panes into the current zone; True on error.
    bool EingabeÜbernehmen();
    // Set while the last error display failed in one of its steps; the
    // cells' focus handlers then do nothing.
    bool FehlerAnzeigeFehlgeschlagen = false;
    // Computes the current zone; True (the error shown) when it failed.
    bool ZoneBerechnenPrüfen();
    // Shows the pending input error: its table in the active pane, its cell
    // focused and tinted while the message is open. The message names where
    // to look: the zone (of several), the table and the row of the cell.
    void FehlerAnzeigen();
    // "Zone: name [code]" of the current zone when the project has several,
    // else "": the first line of a message about the zone.
    static std::string Zonenangabe();
    // Computes and stores every zone, then checks the partitions between
    // zones; True when an error was found and shown.
    bool AlleZonenPrüfen(bool Verluste);

    // Row insert and delete in the table of the active cell.
    void ZeileEinfügenLöschen(bool Löschen);
    // Shows the monthly losses (and window gains) of one row's envelope
    // record of the current zone: kind 1 outside air, 2 unheated, 3 windows.
    void ZeilenEnergienAnzeigen(std::int16_t Art, const std::string& Titel, std::int16_t Zeile,
                                const std::string& Bez, const std::string& Fl);

    // Events of the envelope cells: the view hands every event of a cell to
    // these; they run the rules of the cell's column around the common
    // handlers (ZelleGotFocus, ZelleKeyDown, ZelleLostFocus). KeyAscii 0
    // discards the typed character.
    void Zelle_GotFocus(TextBox& Zelle);
    void Zelle_KeyDown(TextBox& Zelle, std::int16_t& KeyCode, std::int16_t Shift);
    void Zelle_KeyPress(TextBox& Zelle, std::int16_t& KeyAscii);
    void Zelle_LostFocus(TextBox& Zelle);
    void Zelle_DblClick(TextBox& Zelle);
    // Text pasted into a cell passes the column's key filter character by
    // character, as if typed; returns what goes into the cell. Line breaks
    // and other control characters are dropped.
    std::string Zelle_Einfügen(TextBox& Zelle, std::string_view Text);
    // The columns with rules of their own (Index = row).
    void txtDaC_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtDuC_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtFC_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtDaC_LostFocus(int Index);
    void txtDuC_LostFocus(int Index);
    void txtDaO_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtDuO_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtFO_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtDaO_LostFocus(int Index);
    void txtDuO_LostFocus(int Index);
    void txtFO_LostFocus(int Index);
    void txtDuTin_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtFFF_GotFocus(int Index);
    void txtFFS1_GotFocus(int Index);
    void txtFFS1_LostFocus(int Index);
    void txtFFS23_LostFocus(int Index);
    // With Ctrl held down: the row's monthly losses.
    void txtDaC_DblClick(int Index);
    void txtDuC_DblClick(int Index);
    void txtFC_DblClick(int Index);
    // The grids' scroll bars (Scroll runs Change): the grid that owns the
    // bar scrolls to it.
    void PaneScrollen(const vb6CCVScrollBar& Bar);
    void sbrEBFVScroll_Change();
    void sbrEBFVScroll_Scroll();
    void sbrDaVScroll_Change();
    void sbrDaVScroll_Scroll();
    void sbrDuVScroll_Change();
    void sbrDuVScroll_Scroll();
    void sbrFVScroll_Change();
    void sbrFVScroll_Scroll();

    // --- window: menus, bars, panes (W) ---
    // The window's regions as control states. Lengths are twips in the
    // window's inner area (below the menu bar); the view tells the model
    // what it measured (inner size, bar and title-strip heights, the tables'
    // design width, the screen) and places its widgets where the states say.

    // Separators of the menus (caption "-").
    Menüeintrag mnuDateiTr1{"mnuDateiTr1"}, mnuDateiTr2{"mnuDateiTr2"}, mnuDateiTr3{"mnuDateiTr3"};
    Menüeintrag mnuZoneTr1{"mnuZoneTr1"}, mnuZoneTr2{"mnuZoneTr2"}, mnuZoneTr3{"mnuZoneTr3"};
    Menüeintrag mnuTabellenTr1{"mnuTabellenTr1"}, mnuTabellenTr2{"mnuTabellenTr2"};
    Menüeintrag mnuExtrasTr1{"mnuExtrasTr1"}, mnuExtrasTr2{"mnuExtrasTr2"}, mnuExtrasTr3{"mnuExtrasTr3"};
    Menüeintrag mnuHilfeTr1{"mnuHilfeTr1"}, mnuHilfeTr2{"mnuHilfeTr2"};
    // The menu bar: each menu heading with its entries in menu order.
    struct Menü {
        Menüeintrag* Kopf;
        std::vector<Menüeintrag*> Einträge;
    };
    std::vector<Menü> Menüleiste();

    // A tool-bar button: key, caption, tool tip, enabled and visible, its
    // style and the entries of its drop-down menu (each entry's Tag is its key).
    class Symbolknopf : public CommandButton {
    public:
        static constexpr std::int16_t tbrDefault = 0, tbrSeparator = 3, tbrDropdown = 5;
        Symbolknopf(std::string key, std::int16_t style);
        const std::string Key;
        std::int16_t Style() const { return style_; }
        void setStyle(std::int16_t v) { setze(style_, v); }
        const std::vector<std::unique_ptr<Menüeintrag>>& ButtonMenus() const { return menüs_; }
        Menüeintrag& ButtonMenuHinzufügen(std::string key, std::string text);
        void ButtonMenusLeeren();

    private:
        std::int16_t style_;
        std::vector<std::unique_ptr<Menüeintrag>> menüs_;
    };
    // A tool bar: its place and its buttons in order.
    class Symbolleiste : public PictureBox {
    public:
        using PictureBox::PictureBox;
        std::vector<std::unique_ptr<Symbolknopf>> Buttons;
        // The first button with the key, or null.
        Symbolknopf* Knopf(std::string_view key) const;
    };
    Symbolleiste tbrToolbar1{"tbrToolbar1"}, tbrToolbar2{"tbrToolbar2"};
    PictureBox sbrStatusbar{"sbrStatusbar"};
    Label sbrStatusbarText{"sbrStatusbarText"}; // the status bar's text panel: the last note
    // The status bar's right panel: the project file and the current zone.
    Label sbrStatusbarProjekt{"sbrStatusbarProjekt"};
    // Brings the right panel up to date with the open project.
    void StatusleisteAbgleichen();
    // Help panel at the right edge and its dividing strip (90 wide).
    PictureBox picHilfe{"picHilfe"}, picTrHilfe{"picTrHilfe"};
    // The panel's width: the one the user dragged the strip to (kept in the
    // settings), else a fifth of the window, bounded so that the panes and
    // the panel both stay usable.
    static constexpr std::int32_t MinHilfebreite = 1500, MinPanebreite = 4500;
    std::int32_t HilfeBreite() const;
    // Dragging the strip; x: the pointer in the window's inner area (twips).
    bool HilfeZiehen = false;
    void picTrHilfe_MouseDown();
    void picTrHilfe_MouseMove(double x);
    void picTrHilfe_MouseUp(double x);
    RichTextBox rtbInfo{"rtbInfo"};
    // Hidden until the start's version check has a notice; placed by lblNeuereVersionLage.
    Label lblNeuereVersionVorhanden{"lblNeuereVersionVorhanden"};
    std::int32_t lblNeuereVersionLage[4] = {40, 40, 400, 400}; // left, top, width, height

    // A pane's title strip: its place, the text shown and whether it is the
    // active pane's strip.
    class Titelstreifen : public PictureBox {
    public:
        using PictureBox::PictureBox;
        const std::string& Text() const { return text_; }
        void setText(std::string v) { setze(text_, std::move(v)); }
        bool Aktiv() const { return aktiv_; }
        void setAktiv(bool v) { setze(aktiv_, v); }

    private:
        std::string text_;
        bool aktiv_ = false;
    };
    Steuerelementfeld<Titelstreifen> picTitel{"picTitel", 2};
    // The boxes of the four tables, their scroll bars and the splitter bar.
    PictureBox picEBF{"picEBF"}, picDa{"picDa"}, picDu{"picDu"}, picF{"picF"};
    vb6CCVScrollBar sbrEBFVScroll{"sbrEBFVScroll"}, sbrDaVScroll{"sbrDaVScroll"}, sbrDuVScroll{"sbrDuVScroll"},
        sbrFVScroll{"sbrFVScroll"};
    PictureBox picTrennZeiger{"picTrennZeiger"};
    // The bar below the panes when they are narrower than the tables (its
    // height is the view's), and how far the tables are scrolled to the left.
    PictureBox hsbPanes{"hsbPanes"};
    std::int32_t PaneVersatz = 0;
    std::int32_t PaneVersatzMax() const { return std::max<std::int32_t>(0, GezeigteBreite() - PaneFläche[2]); }
    // Design width of each table by its number (0: Tabellenbreite), and the
    // widest of the tables shown in the panes.
    std::array<std::int32_t, 5> Tabellenbreiten{};
    std::int32_t GezeigteBreite() const;
    // The user moved the bar (clamped by the next layout).
    void hsbPanes_Change(std::int32_t Wert);
    // Caption labels. EBF: the four column captions. A and U: 0-2 the heads
    // of the totals block (area, U, loss), 3-7 the element types, then one
    // caption per column. F: 0-2 heads, 3-6 the element types, 7-8 the
    // utilised solar gains and their factor, then one caption per column.
    Steuerelementfeld<Label> lblEBF{"lblEBF", 4};
    Steuerelementfeld<Label> lblDa{"lblDa", 15};
    Steuerelementfeld<Label> lblDu{"lblDu", 18};
    Steuerelementfeld<Label> lblF{"lblF", 21};
    Label lblEBFTot{"lblEBFTot"};

    // The window on the desktop (outer place and size, state 0 normal,
    // 1 minimised, 2 maximised), its inner size and the screen's size; the
    // view keeps them current. FensterAnwenden asks the view to put the
    // window where these say and to write back where it really is.
    std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::int16_t WindowState = 0;
    std::int32_t ScaleWidth = 0, ScaleHeight = 0;
    std::int32_t ScreenWidth = 0, ScreenHeight = 0;
    std::function<void()> FensterAnwenden;
    // Gives a control the focus (the view's widget for it).
    std::function<void(Steuerelement&)> FokusSetzen;
    std::int32_t HelpContextID = 1000;
    // Design width of the table boxes (the widest of the four).
    std::int32_t Tabellenbreite = 0;

    // Pane state: the active pane (0 lower, 1 upper), the upper pane's share
    // of the pane area (0 = one pane), the table in each pane (0 none), the
    // pane area and the panes' rectangles of the last layout, the drag start.
    std::int16_t AktivePane = 0;
    double Aufteilung = 0;
    std::array<std::int16_t, 2> PaneTabelle{};
    std::array<std::int32_t, 4> PaneFläche{}; // left, top, width, height
    std::array<std::int32_t, 2> PaneLinks{}, PaneOben{}, PaneBreite{}, PaneHöhe{};
    std::int32_t ZiehStart = 0;
    // True from a press on the lower title strip to its release: a drag.
    bool Ziehen = false;

    // Start and end of the window.
    void Form_Load();
    void Form_Resize();
    void Form_Click();
    // True when the window must stay open (the save question was cancelled).
    bool Form_QueryUnload();
    void Form_Unload();
    // Restores (True) the saved placement with its repairs, then stores the
    // placement of a window in the normal state, and whether it is maximised.
    void Fensterposition(bool wiederherstellen);
    void PaneRechteckeBerechnen();
    void TitelAlleZeichnen();
    void TitelZeichnen(std::int16_t i);
    void HilfeKontextSetzen(std::int16_t t);
    void ZonenListeAktualisieren();
    // The version notice of the start: caption, place, shown.
    void NeuereVersionAnzeigen(const std::string& text);
    // Switches to the zone chosen in the zone button's menu (entry 1 = zone 0).
    void tbrToolbar2_ButtonMenuClick(std::int16_t Index);
    // Enables the zone button's entries, all but the current zone's.
    void tbrToolbar2_ButtonDropDown();
    // Each tool-bar button is enabled while the menu entry of the same
    // command can be chosen (the entry and its menu enabled).
    void SymbolleistenAbgleichen();

    // The grids: built once at start; the active pane's table computed or stored.
    void TabelleInitialisieren();
    bool PaneBerechnen();
    bool PaneSpeichern();
    // The table number of a grid position 1..4 holding table t, 0 when none.
    std::int16_t TabelleIndex(std::int16_t t) const;
    // The box of table t, or null.
    PictureBox* TabellenBox(std::int16_t t);
    // Shows table t in the active pane (0: stores the active pane's table).
    bool TabelleAnzeigen(std::int16_t t);
    // Makes zone i current, storing the two shown tables first.
    bool ZoneWechseln(std::int16_t i);

    // Panes and splitter. Closing the upper pane stores its table first and
    // makes the lower pane the active one.
    void PanesAnzeigen();
    void PaneAktivieren(const PictureBox& box);
    void picEBF_Click();
    void picDa_Click();
    void picDu_Click();
    void picF_Click();
    // y: the pointer's height in the strip (twips).
    void picTitel_MouseDown(std::int16_t Index, double y);
    void picTitel_MouseMove(std::int16_t Index, double y);
    void picTitel_MouseUp(std::int16_t Index, double y);
    void picTitel_DblClick(std::int16_t Index);

    // Common handlers of every envelope cell: focus in, focus out (formats
    // the text, recomputes where the format asks), key down (navigation).
    void ZelleGotFocus(TextBox& zelle);
    void ZelleLostFocus(TextBox& zelle);
    std::int16_t ZelleKeyDown(TextBox& zelle, std::int16_t& KeyCode, std::int16_t& Shift);
    // The typed character in upper case (letters only).
    static void TasteGross(std::int16_t& KeyAscii);
    // What a cell of that format shows for a text or a number: a number too
    // wide for the format is shown whole, without padding (never as "#").
    static std::string Zellanzeige(const Feldformat& f, std::string_view text);
    static std::string Zellanzeige(const Feldformat& f, double wert);
    // The same for a total label, which shows 0 as a number.
    static std::string Labelanzeige(const Feldformat& f, double wert);

private:
    struct Spalte;
    struct Tabellenbeschreibung;
    static const Tabellenbeschreibung* Beschreibung(std::int16_t t);
    Steuerelementfeld<TextBox>& Feld(const Spalte& spalte);
    // The field format of each column of a table, in column order.
    std::vector<Feldformat> Spaltenformate(const Tabellenbeschreibung& b);
    void ZelleSetzen(TextBox& zelle, const Feldformat& format, const Kollektion::Wert* wert);
    bool ZeileLeer(const Tabellenbeschreibung& b, const std::vector<Feldformat>& formate, int zeile);
    // Loads the cells of table t; with berechnen, computes the table as well.
    void TabelleLaden(std::int16_t t, bool berechnen = true);
    // Every cell of the four tables and every total label the computation
    // writes (lblFQs and lblFQsf included), in a fixed order.
    void ZellenSammeln(std::vector<TextBox*>& zellen, std::vector<Label*>& summen);

    // The memo of the zone computation. Per zone index it keeps what the
    // last successful computation read (the marks of every stored value it
    // can read: the project values, every zone's inputs, the zone's own
    // results; the climate station and the other program-wide settings it
    // reads; the text of every cell of the four tables) and what it left in
    // the window and the envelope records. A computation whose inputs are
    // those kept gives the kept figures back. Only a computation that left
    // the stored values as it found them is kept, so what is given back is
    // what computing again would give.
    struct Zonenrechnung;
    struct Rechenstand;
    std::shared_ptr<Zonenrechnung> zonenrechnung_;
    Zonenrechnung& ZonenrechnungHolen();
    // True, and the kept figures are back, when the current zone's inputs
    // are those of its kept computation. Laden: called by the loading of
    // the zone, whose record of input errors it then leaves as a load does.
    bool ZonenrechnungÜbernehmen(bool laden);
    // Keeps the computation just done (or forgets the zone's one on failure).
    void ZonenrechnungMerken(Rechenstand vorher, bool fehler);
    // The computation's inputs as they stand now, without the cells and the
    // zone's own values; Rechenbeginn: with them, before a computation.
    Rechenstand RechenstandLesen() const;
    Rechenstand Rechenbeginn();
    // The load's computation of the four tables, when the zone computation
    // follows it. Of the zone's stored values the tables' steps read its
    // inputs, the area their first step stores and the heating months their
    // year totals are summed over; the rest they read are the cells, items,
    // other zones and settings. While all of these are as the load's
    // computation found them, every table computed without an error and
    // what it stored is still stored, computing the tables again gives
    // exactly what they show: the zone computation takes them as they are.
    struct Tabellenvorlauf {
        std::int16_t zone = -1;
        std::uint64_t eingabestand = 0;  // the zone's input mark before the tables
        std::uint64_t eintragsstand = 0; // the envelope records' entries before them
        std::uint64_t hüllenstand = 0;   // the zone's records after them
        bool fehlerfrei = false;
        // The heating months of the last three tables' year totals (all the same).
        bool heizmonateGleich = false;
        std::array<bool, 12> heizmonate{};
        Projekt::Schreibprotokoll geschrieben; // what the tables stored
    };
    // Computes the tables as the load does, noting what the zone
    // computation needs to take them as they are.
    void TabellenVorausBerechnen(Tabellenvorlauf& vorlauf);
    // True when the zone computation can take them: the inputs are those
    // of vorher (the cells included) and everything else above holds.
    bool TabellenvorlaufGilt(const Rechenstand& vorher, const Tabellenvorlauf& vorlauf);
    // Computes the current zone (counted) and keeps the computation as one
    // that started from vorher; vorlauf: the load's tables computed from it.
    bool ZoneBerechnenAb(Rechenstand vorher, const Tabellenvorlauf* vorlauf = nullptr);
    // The inputs are those kept (the cells apart).
    bool ZoneUnverändert(const Rechenstand& gemerkt) const;
    // The cells hold the texts kept.
    bool ZellenUnverändert(const Rechenstand& gemerkt) const;
    void TabelleAblegen(std::int16_t t);
    void OrientierungTooltipSetzen(TextBox& zelle);
    // The status note on the last computation of each table ("" when none).
    std::array<std::string, 5> summenhinweise_;
    void SummenHinweisen(std::int16_t t, bool fehler);
    // Set while the zone is computed or its tables are loaded: the tables'
    // steps then leave the utilised solar gains to the end of that work.
    bool zoneBerechnen_ = false, zoneLaden_ = false;
    bool ZoneSchritteBerechnen(const Tabellenvorlauf* vorlauf);
    // The utilised solar gains from the zone's results, or empty with the
    // reason in the status bar.
    void GenutzteSolareGewinneSetzen(bool fehler);
    std::string solarhinweis_;
};

namespace Global {
extern ::frmZIRVO3801 frmZIRVO3801;
// Set by the print run while it loads a zone: the loaders of the tables A, U
// and F then count the items their rows use (basZIRVO3801::BauteiltypTabelleWert).
extern bool ElementeZählen;
} // namespace Global

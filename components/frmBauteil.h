// The component editor ("Bauteile"): one page each for the project's opaque
// components with their material layers, its windows and its thermal
// bridges. A drop-down list on each page selects the item number 1 to 99;
// the fields show that item. The main window opens it modeless beside
// itself, so the user works in both windows.
//
// The item shown is written into the project whenever the editor loses the
// activation, switches item or page, prints or closes, and whenever the
// main window saves the project (ElementSpeichern), so the main window's
// pick list, the calculations and the saved file always see what was typed.
// Copy and delete change only the fields; the project follows at the next
// store. A component's U-value is computed from its surface resistances and
// layers when a field that carries the recompute mark is left; layers are
// filled from the material database (the editor's own Baustoff object) by a
// pop-up list, by category, or by typing a short designation.
#pragma once

#include "balance/Feldformat.h"
#include "components/Baustoff.h"
#include "components/Bauteile.h"
#include "frame/Steuerelemente.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class frmBauteil : public Formular {
public:
    static constexpr int Schichtzeilen = Bauteil::MaxSchichten;
    // Keys of the three tabs, in page order.
    static constexpr std::array<std::string_view, 3> TabSchlüssel = {"B", "F", "W"};

    frmBauteil();

    // --- tab strip and pages ---
    // The tabs' captions in List, the selected tab in ListIndex.
    ListBox tabBauteil{"tabBauteil"};
    Label picBauteil{"picBauteil"};
    Label picFenster{"picFenster"};
    Label picWb{"picWb"};
    std::int32_t HelpContextID = 0;

    // --- component page ---
    ComboBox cboBauteilListe{"cboBauteilListe"};
    CommandButton cmdBtSuchen{"cmdBtSuchen"};
    TextBox txtBBez{"txtBBez"};
    TextBox txtBKom{"txtBKom"};
    TextBox txtBU{"txtBU"};
    TextBox txtBUg{"txtBUg"}; // hidden: the second U-value
    TextBox txtBCodeGr{"txtBCodeGr"};
    TextBox txtBAi{"txtBAi"};
    TextBox txtBAa{"txtBAa"};
    // The layer grid, rows 0 (inside) to 14 (outside).
    Steuerelementfeld<TextBox> txtBtBez{"txtBtBez", Schichtzeilen};
    Steuerelementfeld<TextBox> txtBtDi{"txtBtDi", Schichtzeilen};
    Steuerelementfeld<TextBox> txtBtRo{"txtBtRo", Schichtzeilen};
    Steuerelementfeld<TextBox> txtBtLa{"txtBtLa", Schichtzeilen};
    Steuerelementfeld<TextBox> txtBtR{"txtBtR", Schichtzeilen};
    Steuerelementfeld<TextBox> txtBtUe{"txtBtUe", Schichtzeilen};

    // --- window page ---
    ComboBox cboFensterListe{"cboFensterListe"};
    CommandButton cmdFeSuchen{"cmdFeSuchen"};
    TextBox txtFBez{"txtFBez"};
    TextBox txtFKom{"txtFKom"};
    TextBox txtFU{"txtFU"};
    TextBox txtFUg{"txtFUg"}; // hidden: the second U-value
    TextBox txtFCodeGr{"txtFCodeGr"};
    TextBox txtFg{"txtFg"};
    TextBox txtFF{"txtFF"};
    TextBox txtFRahmen{"txtFRahmen"};
    TextBox txtFRUf{"txtFRUf"};
    TextBox txtFGlas{"txtFGlas"};
    TextBox txtFGUg{"txtFGUg"};

    // --- thermal-bridge page ---
    ComboBox cboWbListe{"cboWbListe"};
    CommandButton cmdWbSuchen{"cmdWbSuchen"};
    TextBox txtWBez{"txtWBez"};
    TextBox txtWKom{"txtWKom"};
    TextBox txtWText1{"txtWText1"};
    TextBox txtWPsi{"txtWPsi"};
    TextBox txtWCodeGr{"txtWCodeGr"};

    // --- menus ---
    Menüeintrag mnuBauteil{"mnuBauteil"};
    Menüeintrag mnuBauteilKopieren{"mnuBauteilKopieren"};
    Menüeintrag mnuBauteilLöschen{"mnuBauteilLöschen"};
    Menüeintrag mnuBauteilDrucken{"mnuBauteilDrucken"};
    Menüeintrag mnuBauteilSchliessen{"mnuBauteilSchliessen"};
    Menüeintrag mnuBearbeiten{"mnuBearbeiten"};
    Menüeintrag mnuBearbZeileEinfügen{"mnuBearbZeileEinfügen"};
    Menüeintrag mnuBearbZeileLöschen{"mnuBearbZeileLöschen"};
    // The category menu of the material list: entry 0 "- " (all), 1..26 the letters.
    Menüeintrag mnuBKat{"mnuBKat"};
    Steuerelementfeld<Menüeintrag> mnuBKatAZ{"mnuBKatAZ", 27};

    // --- material pick ---
    Label picBstListe{"picBstListe"}; // the pop-up panel
    ListBox lstBstListe{"lstBstListe"};
    std::vector<std::int64_t> lstBstListeItemData; // record id of each entry
    Label lblKat{"lblKat"};
    CommandButton cmdBstListe{"cmdBstListe"};

    // --- window state ---
    // 0 components, 1 windows, 2 thermal bridges.
    std::int16_t Seitenart = 0;
    // The item number shown on each page, 0 = none yet.
    std::array<int, 3> Nummer{};
    // The control that has the focus (the view reports every focus change of
    // a field), null when none.
    Steuerelement* ActiveControl = nullptr;
    // The view's hooks: give a control the focus (and select its whole text),
    // and close the real window once the model has unloaded.
    std::function<void(Steuerelement&, bool alles)> FokusSetzen;
    std::function<void()> Schliessen;

    // --- items (storing and loading) ---
    void ElementSpeichern();
    void EingabeAbschliessen();
    // Shows an item on the current page: quelle, or (null) the item of the
    // current number in the project.
    void ElementLaden(const KollektionZeiger& quelle = nullptr);
    void BauteilSpeichern();
    void FensterSpeichern();
    void WärmebrückeSpeichern();
    void BauteilLaden(const KollektionZeiger& quelle = nullptr);
    void FensterLaden(const KollektionZeiger& quelle = nullptr);
    void WärmebrückeLaden(const KollektionZeiger& quelle = nullptr);

    // --- the window ---
    void Form_Load();
    void Form_Activate();
    void Form_Deactivate();
    // Stores the item shown; the window then closes (Form_Unload).
    void Form_QueryUnload();
    void Form_Unload();
    void tabBauteil_Click();
    void cboBauteilListe_Click();
    void cboFensterListe_Click();
    void cboWbListe_Click();
    void cmdBtSuchen_Click();
    void cmdFeSuchen_Click();
    void cmdWbSuchen_Click();
    void mnuBauteilKopieren_Click();
    void mnuBauteilLöschen_Click();
    void mnuBauteilDrucken_Click();
    void mnuBauteilSchliessen_Click();
    void mnuBearbZeileEinfügen_Click();
    void mnuBearbZeileLöschen_Click();
    void ElementAusListeKopieren();
    void ElementLöschen();
    bool SeiteIstLeer() const;
    void SeiteLeeren();
    bool Geladen() const { return geladen_; }
    // The project was replaced (new, opened, read back after Save As): the
    // editor shows the items of the new project under its numbers, storing
    // nothing. (File > Close closes the editor.)
    void ProjektGewechselt();

    // --- fields (formats, shared handlers) ---
    void p_ETF_Initialisieren();
    // Decodes the format of the named control; the column, 0 for an unknown name.
    std::int16_t p_ETF(std::string_view name, bool& istZahl, bool& berechnen, std::int16_t& stellen,
                       std::int16_t& dezimalen) const;
    void TextFeldSetzen(TextBox& feld, std::string_view wert);
    void TextFeldSetzen(TextBox& feld, double wert);
    // The events of every field of the three pages; the view hands them on.
    // Each runs what the field's column or name asks for. KeyCode or
    // KeyAscii 0: the key was taken. (A change of a designation field
    // updates its selector entry by itself, whoever made it.)
    void Feld_GotFocus(TextBox& feld);
    void Feld_LostFocus(TextBox& feld);
    void Feld_KeyDown(TextBox& feld, std::int16_t& KeyCode, std::int16_t Shift);
    void Feld_KeyPress(TextBox& feld, std::int16_t& KeyAscii);
    // Range check of g and F'F: False (message, field emptied, focus kept)
    // when the value lies outside 0..1.
    bool txtFg_Validate();
    bool txtFF_Validate();

    // --- layer grid and U-value ---
    void UWertBerechnen();
    void SchichtZeileEinfügenLöschen(bool Löschen);
    bool SchichtTasteAuswerten(std::int16_t& KeyCode, std::int16_t Shift, int Zeile, int Spalte);
    // The six cells of a grid column (0 Baustoff .. 5 Überwachung).
    Steuerelementfeld<TextBox>& Schichtspalte(int spalte);
    // Layers of a loaded item beyond the 15 grid rows: not shown, but kept
    // with the item, counted in its U-value and moved up by a row delete.
    const std::vector<Schicht>& WeitereSchichten() const { return weitereSchichten_; }

    // --- material pick ---
    struct Materialeintrag {
        std::string Bez;
        std::int64_t IndexNr = 0;
        std::string Kat;
        std::string KBez;
    };
    // 0 not loaded, 1 loaded, 2 loading failed.
    std::int16_t BaustoffStatus = 0;
    std::vector<Materialeintrag> Materialindex;
    std::string Kategoriefilter;
    // Row of the "Baustoff" cell that last had the focus (-1: none).
    int Materialzeile = -1;
    void BaustoffeLaden();
    void BaustofflisteFüllen();
    void ListenknopfZeigen(int zeile);
    void ListenknopfVerbergen();
    void BaustofflisteZeigen();
    void BaustoffInZeile(int zeile);
    bool BaustoffKurzbezeichnungSuchen(const std::string& text);
    void cmdBstListe_MouseDown();
    void mnuBKatAZ_Click(int Index);
    void lstBstListe_DblClick();
    void lstBstListe_KeyUp(std::int16_t KeyCode);
    void lstBstListe_LostFocus();
    Baustoff& Materialdatenbank() { return baustoff_; }

    // Prints the data sheet of an item from the project; until the print
    // engine installs it, the print entry stays disabled.
    static std::function<void(Elementart, int nummer)> Drucken;

private:
    bool geladen_ = false;
    bool aktiviert_ = false;
    Baustoff baustoff_;
    Spaltenliste feldformate_;
    std::vector<Schicht> weitereSchichten_;

    Elementart Art() const { return static_cast<Elementart>(Seitenart); }
    ComboBox& Auswahlliste(std::int16_t art);
    TextBox& Bezeichnungsfeld(std::int16_t art);
    void Elementwechsel(std::int16_t art);
    void AuswahllisteFüllen(std::int16_t art);
    void AuswahleintragSetzen(std::int16_t art);
    void SeiteZeigen(std::int16_t art);
    std::vector<TextBox*> Seitenfelder(std::int16_t art);
    Feldformat Format(std::string_view name) const;
    void Fokus(Steuerelement& s, bool alles = false);
    int LetzteBenutzteZeile() const;
    // Shows a layer in grid row r, each value by its cell's format.
    void SchichtZeigen(int r, const Schicht& s);
};

namespace Global {
extern ::frmBauteil frmBauteil;
} // namespace Global

// The single-component proof ("Nachweis Einzelbauteile SIA 380/1"): the
// engineer lists opaque components, windows, doors and thermal bridges by
// their code of the standard's single-component table and sees, row by row,
// the tabulated limit or target value, the value corrected for the room
// temperature and whether the U-value (psi, chi) meets it. U-values, g and
// designations come from the project's items when a row names one by number.
//
// The window lives for the whole run: the start loads it hidden and builds
// its two grids; the main window hands it every project it shows (Einlesen)
// and opens it modeless from the Nachweis menu. Its rows and settings belong
// to the project ("EB-EBF", "EB-Anf", "EB-WBN", the row lists "EBBt" and
// "EBWb"): the window stores them when it is closed or prints, and before
// every save of the project while it is open (VorDemSpeichern).
#pragma once

#include "balance/Feldformat.h"
#include "frame/EingabeTabelle.h"
#include "frame/ListView.h"
#include "frame/Steuerelemente.h"
#include "frame/vb6CCVScrollBar.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class frmNachweisEB : public Formular {
public:
    static constexpr int ZeilenBt = 30; // rows of the component grid
    static constexpr int ZeilenWb = 20; // rows of the thermal-bridge grid

    // --- the tab strip and its pages: "A" Allgemein, "B" Bauteile und
    // Fenster, "W" Wärmebrücken, "G" Grenz- und Zielwerte ---
    TabStrip tabNachweis{"tabNachweis"};
    PictureBox picAllgemein{"picAllgemein"}, picBauteile{"picBauteile"}, picWb{"picWb"},
        picGrenzwerte{"picGrenzwerte"};

    // --- page "A" ---
    Label Frame2{"Frame2"}, Frame1{"Frame1"};
    Label Label11{"Label11"}, Label1{"Label1"}, Label3{"Label3"}, Label6{"Label6"}, Label8{"Label8"};
    TextBox txtEBF{"txtEBF"};
    CheckBox chkWBN{"chkWBN"};
    Steuerelementfeld<OptionButton> optAnf{"optAnf", 2};
    Label lblKlimastation{"lblKlimastation"}, lblJMT{"lblJMT"};

    // --- page "B": components, windows and doors (rows 0..29) ---
    Steuerelementfeld<TextBox> txtBtC{"txtBtC", ZeilenBt};
    Steuerelementfeld<TextBox> txtBtBez{"txtBtBez", ZeilenBt};
    Steuerelementfeld<TextBox> txtBtNr{"txtBtNr", ZeilenBt};
    Steuerelementfeld<TextBox> txtBtU{"txtBtU", ZeilenBt};
    Steuerelementfeld<TextBox> txtBtG{"txtBtG", ZeilenBt};
    Steuerelementfeld<TextBox> txtBtTi{"txtBtTi", ZeilenBt};
    Steuerelementfeld<TextBox> txtBtGrTab{"txtBtGrTab", ZeilenBt};
    Steuerelementfeld<TextBox> txtBtGrEff{"txtBtGrEff", ZeilenBt};
    Steuerelementfeld<TextBox> txtBtGrErf{"txtBtGrErf", ZeilenBt};
    // Captions: 0 the grid's title, then per column its name and unit lines.
    Steuerelementfeld<Label> lblBt{"lblBt", 15};
    vb6CCVScrollBar sbrBtVScroll{"sbrBtVScroll"};
    // Under the grid: how a code asks for the values of a conversion or for
    // the limit without thermal-bridge proof (the code list inserts neither).
    Label lblCodeHinweis{"lblCodeHinweis"};

    // --- page "W": thermal bridges (rows 0..19) ---
    Steuerelementfeld<TextBox> txtWbC{"txtWbC", ZeilenWb};
    Steuerelementfeld<TextBox> txtWbBez{"txtWbBez", ZeilenWb};
    Steuerelementfeld<TextBox> txtWbNr{"txtWbNr", ZeilenWb};
    Steuerelementfeld<TextBox> txtWbPsi{"txtWbPsi", ZeilenWb};
    Steuerelementfeld<TextBox> txtWbGr{"txtWbGr", ZeilenWb};
    Steuerelementfeld<TextBox> txtWbErf{"txtWbErf", ZeilenWb};
    Steuerelementfeld<Label> lblWb{"lblWb", 9};
    vb6CCVScrollBar sbrWbVScroll{"sbrWbVScroll"};

    // --- page "G": the standard's limit and target values ---
    ListView lvwGrenzwerte{"lvwGrenzwerte"};
    OptionButton optGrNeubau{"optGrNeubau"}, optGrUmbau{"optGrUmbau"}, optGrOhneWb{"optGrOhneWb"};
    CommandButton cmdGrZiSortierung{"cmdGrZiSortierung"};

    // --- below the pages ---
    CommandButton cmdDrucken{"cmdDrucken"}, cmdSchliessen{"cmdSchliessen"};
    // The code picker beside the focused code or number cell, and its list.
    CommandButton cmdCode{"cmdCode"};
    ListBox lstCode{"lstCode"};

    // The grids by table number: 1 components, 2 thermal bridges.
    std::array<std::unique_ptr<EingabeTabelle>, 3> Tabellen;
    // The grid of the page shown last: 0 page "A", 1 "B", 2 "W" (page "G"
    // keeps it).
    std::int16_t AktuelleTabelle = 0;
    // Set while an error has been shown; the cells' focus events do nothing
    // until a key is pressed in a cell.
    bool FehlerAngezeigt = false;
    // Help topic of the page shown.
    std::int32_t HelpContextID = 6110;
    // The control that has the focus (the view keeps it current; the cells'
    // focus-out handlers look at it).
    const Steuerelement* ActiveControl = nullptr;

    frmNachweisEB();

    // --- public members ---
    // Loads the proof of the current project and runs the rules (errors are
    // not shown).
    void Einlesen();
    // Stores the window's proof into the project; Fehlgeschlagen is False.
    void Speichern(bool& Fehlgeschlagen);
    // Builds both grids; the start calls it once after loading the window.
    void TabelleInitialisieren();
    // Before the project is saved: while the window is open its rows are
    // stored into the project (closed, it stored them when it closed).
    void VorDemSpeichern();

    // --- the rules: True when a row is faulty (the error is in Eingabefehler) ---
    bool BauteileNachweisen();
    bool WärmebrückenNachweisen();

    // --- window events ---
    void Form_Load();
    // Loads the window (once) and builds its grids when nothing did yet.
    void Laden();
    bool Geladen() const { return geladen_; }
    void Form_Activate();
    // True: the unload is cancelled (the close box, UnloadMode 0, stores the
    // proof and hides the window). Any other unload goes ahead.
    bool Form_QueryUnload(std::int16_t UnloadMode);
    void txtEBF_Validate();
    void optAnf_Click(int Index);
    void chkWBN_Click();
    void tabNachweis_Click();
    void cmdDrucken_Click();
    void cmdSchliessen_Click();

    // Events of every grid cell (the cell that raised it).
    void Zelle_GotFocus(TextBox& Zelle);
    void Zelle_KeyDown(TextBox& Zelle, std::int16_t& KeyCode, std::int16_t Shift);
    void Zelle_KeyPress(TextBox& Zelle, std::int16_t& KeyAscii);
    void Zelle_LostFocus(TextBox& Zelle);

    // The code picker.
    enum Wählmodus : std::int16_t {
        KeinModus = 0, ModusBauteilCode = 1, ModusBauteil = 2, ModusFenster = 3, ModusWbCode = 4,
        ModusWärmebrücke = 5
    };
    Wählmodus Modus() const { return modus_; }
    TextBox* Zielzelle() const { return ziel_; }
    // Lines and width (pixels) of the list in the current mode.
    int CodeListeZeilen() const;
    int CodeListeBreite() const;
    // Item data of the list's entries (table index, item number, -1).
    const std::vector<int>& lstCodeItemData() const { return itemData_; }
    void cmdCode_MouseDown();
    void lstCode_DblClick();
    void lstCode_KeyUp(std::int16_t KeyCode);
    void lstCode_LostFocus();

    // The limit and target value list.
    std::int16_t Grenzwertgruppe() const { return gruppe_; }
    bool GrenzwertSortierung() const { return sortierung_; }
    void optGrNeubau_Click();
    void optGrUmbau_Click();
    void optGrOhneWb_Click();
    void cmdGrZiSortierung_Click();
    void GrenzwertListeFüllen();

    // --- passes ---
    // Kind 1 components, 2 thermal bridges; True when a row is faulty.
    bool TeilPrüfen(std::int16_t Art);
    // The grid of the page shown; a fault is shown. True on a fault.
    bool TabellePrüfen();
    // Both grids; a fault brings its page to the front and is shown.
    bool NachweisPrüfen();

    // --- cells ---
    Feldformat FeldformatLesen(std::string_view Name) const;
    // A value into a cell by the cell's format: a number cell shows the
    // number formatted ("" for 0), a text cell the text right-trimmed.
    void ZelleSetzen(TextBox& Zelle, double Wert);
    void ZelleSetzen(TextBox& Zelle, std::string_view Wert);
    // Rows of grid 1 or 2; 0 before the grids are built.
    std::int16_t Zeilenzahl(std::int16_t Tabelle) const;

    // --- what the view installs ---
    // Shows the window modeless, owned by the main window.
    static std::function<void(frmNachweisEB&)> Anzeigen;
    // Gives a control the focus.
    std::function<void(Steuerelement&)> FokusSetzen;
    // The print dialog of the single-component proof; without it the print
    // button stays disabled.
    std::function<void()> DruckenAnzeigen;

private:
    bool geladen_ = false;
    Spaltenliste feldformate_;
    Wählmodus modus_ = KeinModus;
    TextBox* ziel_ = nullptr;
    std::vector<int> itemData_;
    std::int16_t gruppe_ = 0;
    bool sortierung_ = false;

    // The project items, as the rules read them; nothing when the project
    // has no item with that number (numbers outside 1..99 included).
    struct Bauteilwerte {
        double U = 0;
        std::string Bez;
    };
    struct Fensterwerte {
        double U = 0, g = 0, FF = 0;
        std::string Bez;
    };
    struct Wärmebrückenwerte {
        double Psi = 0;
        std::string Bez;
    };
    static std::optional<Bauteilwerte> BauteilHolen(int nr);
    static std::optional<Fensterwerte> FensterHolen(int nr);
    static std::optional<Wärmebrückenwerte> WärmebrückeHolen(int nr);

    void BauteileEinlesen();
    void WärmebrückenEinlesen();
    void BauteileSpeichern();
    void WärmebrückenSpeichern();
    // The designation of a row whose code now names the other kind of item
    // (window or door against opaque component) under the same number: one
    // that is the name of the item named before was filled from it and
    // becomes the new item's name; one the engineer typed stays.
    void BezeichnungNachArtwechsel(int Zeile, bool Fenster, int nr, const std::string& NeueBez);
    bool BauteilZeileLeer(int Zeile) const;
    bool WärmebrückeZeileLeer(int Zeile) const;
    void FeldformateSetzen();
    void BeschriftungenSetzen();
    void FehlerAnzeigen();
    void EintragÜbernehmen();
    void CodeListeFüllen();
    void ZelleFokussieren(TextBox& Zelle);
    // Grid 1 or 2, null for any other number or before the grids are built.
    EingabeTabelle* Tabelle(std::int16_t k) const;
    // The grid 1 or 2 a cell belongs to, 0 for none.
    std::int16_t TabelleVon(const TextBox& Zelle) const;
};

namespace Global {
extern ::frmNachweisEB frmNachweisEB;
} // namespace Global

// The project data window model ("Projektangaben"): identification, the
// building project and its address, the three parties' address blocks, the
// kind of construction, the task and the requirement, the climate station
// with a read-only view of its data, and the rotation of north.
//
// The window reads the project when it is loaded and writes back only when
// the user confirms with OK; Cancel and the close box discard everything.
// It checks no field; the one check it runs is the standard-use check when
// the user switches the task back to "Nachweis".
//
// The task shown is always the project's own: loading the window never runs
// the standard-use check and never changes the task or anything else, so OK
// on an untouched window stores what the project held. A climate station
// stored in the project but unknown to the program is kept with its annual
// mean temperature unless the user picks another station.
#pragma once

#include "frame/Steuerelemente.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class Projekt;

class frmProjekt : public Formular {
public:
    // The window works on the given project (the program's open project by default).
    explicit frmProjekt(Projekt& projekt);
    frmProjekt();

    // --- tab strip and its five pages ---
    // The tabs' captions in List, the selected tab in ListIndex.
    ListBox tabProjekt{"tabProjekt"};
    // The page panels; the one in front is visible, the others hidden.
    Label picProjekt{"picProjekt"};
    Label picAdressen{"picAdressen"};
    Label picAnforderung{"picAnforderung"};
    Label picKlima{"picKlima"};
    Label picHimm{"picHimm"};
    // Help context number of the page in front.
    std::int32_t HelpContextID = 0;
    // The keys of the tabs, in tab order.
    static constexpr std::array<std::string_view, 5> TabSchlüssel = {"P", "A", "V", "K", "H"};

    // --- page "Projekt" ---
    TextBox txtID{"txtID"};
    TextBox txtBez{"txtBez"};
    TextBox txtAktenNr{"txtAktenNr"};
    TextBox txtStand{"txtStand"};
    Steuerelementfeld<TextBox> txtBV{"txtBV", 5};
    // 0 "Neubau", 1 "Anbau (Neubau)", 2 "Umbau", 3 "Umnutzung (Umbau)"
    Steuerelementfeld<OptionButton> optArt{"optArt", 4};
    TextBox txtGebSt{"txtGebSt"};
    TextBox txtMueM{"txtMueM"};
    TextBox txtKanton{"txtKanton"};

    // --- page "Adressen" (boxes 0..3 address lines, 4..7 Sachbearbeiter, Telefon, Fax, E-Mail) ---
    Steuerelementfeld<TextBox> txtBH{"txtBH", 8};
    Steuerelementfeld<TextBox> txtPV{"txtPV", 8};
    Steuerelementfeld<TextBox> txtNV{"txtNV", 8};

    // --- page "Anforderungen" ---
    // 0 "&Nachweis", 1 "&Optimierung", 2 "&Messwertvergleich"
    Steuerelementfeld<OptionButton> optArtB{"optArtB", 3};
    Label fraNachweis{"fraNachweis"};
    // 0 "Grenzwert", 1 "Zielwert"
    Steuerelementfeld<OptionButton> optNwGrZi{"optNwGrZi", 2};
    // 0 the standard's requirement, 1 a cantonal regulation (with cboKanton)
    Steuerelementfeld<OptionButton> optAnf{"optAnf", 2};
    ComboBox cboKanton{"cboKanton"};

    // --- page "Klimadaten" ---
    ComboBox cboKlimastation{"cboKlimastation"};
    TextBox txtKlH{"txtKlH"};
    TextBox txtKlT{"txtKlT"};
    Steuerelementfeld<TextBox> txtAT{"txtAT", 12};
    Label lblATJahr{"lblATJahr"};
    // Rows of 12 months: 0..11 "H", 12..23 "E", 24..35 "S", 36..47 "W", 48..59 "N".
    Steuerelementfeld<TextBox> txtGS{"txtGS", 60};
    ComboBox cboBeZw{"cboBeZw"};

    // --- page "Himmelsrichtung" ---
    OptionButton optNord{"optNord"};
    OptionButton optNordNNE{"optNordNNE"};
    OptionButton optNordNNW{"optNordNNW"};

    CommandButton cmdOK{"cmdOK"};
    CommandButton cmdAbbrechen{"cmdAbbrechen"};

    // --- events ---
    // Fills the lists and shows the project's values.
    void Form_Load();
    // Brings the page "Projekt" to the front.
    void Form_Resize();
    // Stores the values when the user confirmed with OK, then closes.
    void Form_Unload();
    void cmdOK_Click();
    void cmdAbbrechen_Click();
    void tabProjekt_Click();
    void cboKlimastation_Click();
    void optArt_Click(int Index);
    void optArtB_Click(int Index);
    void optAnf_Click(int Index);
    // Ctrl+S (19) keeps the block as the author's address in the settings,
    // Ctrl+L (12) writes the kept address into the block; both keys become 0.
    void txtPV_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtNV_KeyPress(int Index, std::int16_t& KeyAscii);

    // True when the window was last closed with OK.
    bool Bestätigt() const { return bestätigt_; }
    // True between Form_Load and the closing of the window.
    bool Geladen() const { return geladen_; }
    // The view's hook that closes the real window once the model is unloaded.
    std::function<void()> Schliessen;

    // Loads a new dialog on the program's open project and shows it
    // modally: what the main window's project-data command opens. True when
    // the user left it with OK (the project then holds the new values).
    static bool Aufruf();
    // Shows the loaded dialog modally (installed by the window code, or by a
    // test that plays the user). While none is installed the dialog counts
    // as cancelled.
    static std::function<void(frmProjekt&)> Anzeigen;

    // The eight boxes of an address block as one text: each box without
    // trailing blanks, joined by the character 127 ("" unless there are 8 boxes).
    static std::string AdresseLesen(const Steuerelementfeld<TextBox>& Boxen);
    // One such text into the eight boxes; missing parts empty the boxes.
    static void AdresseSchreiben(Steuerelementfeld<TextBox>& Boxen, const std::string& Text);

private:
    Projekt& projekt_;
    // Set by OK, cleared by Cancel and after storing.
    bool akzeptiert_ = false;
    bool bestätigt_ = false;
    bool geladen_ = false;
    // The last task other than "Nachweis" that was shown or chosen; taken
    // from the project whenever the window loads.
    int letzteAufgabe_ = 0;
    // True while the project's values are being shown.
    bool anzeigen_ = false;
    // A station of the project that the program does not know, kept as it
    // was until the user picks a station.
    bool stationBehalten_ = false;
    std::string behalteneStation_;
    double behalteneJMT_ = 0;

    void Zurücksetzen();
    void KlimastationenFüllen();
    void ProjektdatenAnzeigen();
    void ProjektdatenSpeichern();
    void AnforderungenFreigeben();
    void SeiteNachVorne(Label& seite, std::int32_t hilfe);
    void AdresseTaste(Steuerelementfeld<TextBox>& Boxen, std::string& Ablage, std::int16_t& KeyAscii);
};

// The dialog "Nutzung": the thermal zones of the open project and the use
// of each zone.
//
// Page "Nutzung" shows the current zone: its name (or, with several zones,
// the choice of the zone), its building category, the eight standard-use
// values with the category's standard beside each, four further calculation
// values, and a remark for every value. A standard-use value equal to the
// category's standard shows as an empty box; an empty box, or one reading
// 0, stores the standard. Page "Zonen" lists the zones and creates,
// renames, deletes and reorders them; these operations act on the project
// at once.
//
// The shown values are checked and stored into the zone when the user
// leaves that zone, leaves the page "Nutzung" or confirms with OK; a failed
// check keeps the user where he is and names the field. Cancel closes
// without storing the shown zone; what earlier zone changes and zone
// operations wrote stays in the project. After closing, the project's
// current zone is the zone shown last; the main window then reloads its
// zone selector and the current zone.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class frmNutzung : public Formular {
public:
    // One tab of the tab strip.
    struct Registerkarte {
        std::string Key;
        std::string Caption;
        std::int32_t HelpContextID;
    };

    frmNutzung();

    // --- tab strip: "Nutzung" (key "N") and "Zonen" (key "Z") ---
    std::vector<Registerkarte> tabNutzung;
    int tabNutzungAuswahl = 0;           // index of the selected tab
    Steuerelement picNutzung{"picNutzung"};
    Steuerelement picZonen{"picZonen"};
    std::int32_t HelpContextID = 0;

    // --- page "Nutzung" ---
    // The name box with one zone; the zone choice in its place with more.
    TextBox txtBez{"txtBez"};
    ComboBox cboZonen{"cboZonen"};
    ComboBox cboGebKat{"cboGebKat"};

    // Standard-use values: input, remark, the category's standard.
    TextBox txtTi{"txtTi"};
    TextBox txtTiBem{"txtTiBem"};
    Label lblTi{"lblTi"};
    TextBox txtPFl{"txtPFl"};
    TextBox txtPFlBem{"txtPFlBem"};
    Label lblPersFl{"lblPersFl"};
    TextBox txtPWP{"txtPWP"};
    TextBox txtPWPBem{"txtPWPBem"};
    Label lblWPers{"lblWPers"};
    TextBox txtPPr{"txtPPr"};
    TextBox txtPPrBem{"txtPPrBem"};
    Label lblPZeit{"lblPZeit"};
    TextBox txtEl{"txtEl"};
    TextBox txtElBem{"txtElBem"};
    Label lblEl{"lblEl"};
    TextBox txtfe{"txtfe"};
    TextBox txtfeBem{"txtfeBem"};
    Label lblElRed{"lblElRed"};
    TextBox txtAVE{"txtAVE"};
    TextBox txtAVEBem{"txtAVEBem"};
    Label lblLuft{"lblLuft"};
    TextBox txtWW{"txtWW"};
    TextBox txtWWBem{"txtWWBem"};
    Label lblWW{"lblWW"};

    // Calculation values: input and remark.
    TextBox txtC{"txtC"};
    TextBox txtCBem{"txtCBem"};
    TextBox txtRR{"txtRR"};
    TextBox txtRRBem{"txtRRBem"};
    TextBox txtVTHB{"txtVTHB"};
    TextBox txtVTHBBem{"txtVTHBBem"};
    TextBox txtVTHF{"txtVTHF"};
    TextBox txtVTHFBem{"txtVTHFBem"};

    // --- page "Zonen" ---
    ListBox lstZonen{"lstZonen"};
    CommandButton cmdZoneNeu{"cmdZoneNeu"};
    CommandButton cmdZoneUmbenennen{"cmdZoneUmbenennen"};
    CommandButton cmdZoneLöschen{"cmdZoneLöschen"};
    CommandButton cmdSortieren{"cmdSortieren"};

    CommandButton cmdOK{"cmdOK"};
    CommandButton cmdAbbrechen{"cmdAbbrechen"};

    // The item data of the lists: the zone index of each zone entry, the
    // category number 1..12 of each category entry.
    std::vector<std::int16_t> cboZonenItemData;
    std::vector<std::int16_t> lstZonenItemData;
    std::vector<std::int16_t> cboGebKatItemData;

    // --- events ---
    void Form_Load();
    // Shows the page "Nutzung".
    void Form_Resize();
    // Does nothing: the close box closes as Cancel does.
    void Form_QueryUnload(std::int16_t& Cancel, std::int16_t UnloadMode);
    void cmdOK_Click();
    void cmdAbbrechen_Click();
    // Leaving the page "Nutzung" checks and stores the shown zone; Cancel
    // becomes True when that fails.
    void tabNutzung_BeforeClick(std::int16_t& Cancel);
    // Shows the selected page and refreshes the zone lists.
    void tabNutzung_Click();
    // What a click on tab Index does: BeforeClick, then, unless cancelled,
    // the tab becomes the selected one and Click runs.
    void RegisterkarteWählen(int Index);
    void cboZonen_Click();
    void cboGebKat_Click();
    void cmdZoneNeu_Click();
    void cmdZoneUmbenennen_Click();
    void cmdZoneLöschen_Click();
    void cmdSortieren_Click();
    void txtC_GotFocus();
    void txtVTHB_GotFocus();
    void txtTi_LostFocus();
    void txtPFl_LostFocus();
    void txtPWP_LostFocus();
    void txtPPr_LostFocus();
    void txtEl_LostFocus();
    void txtfe_LostFocus();
    void txtAVE_LostFocus();
    void txtWW_LostFocus();
    void txtC_LostFocus();
    void txtRR_LostFocus();
    void txtVTHB_LostFocus();
    void txtVTHF_LostFocus();

    // Closes the dialog without storing (the close box, Cancel).
    void Unload();
    // True from Form_Load to the closing.
    bool Geladen() const { return geladen_; }
    // Told when the dialog closes (the view closes then).
    std::function<void()> BeimEntladen;

    // The control the dialog last gave the focus (nullptr: none), and the
    // view's hook that moves the real focus there; a control that cannot
    // take the focus is skipped.
    Steuerelement* Fokus = nullptr;
    std::function<void(Steuerelement&)> FokusSetzen;

    // The direction of the reordering button, +1 (down the list) or -1; it
    // turns at the ends of the list and is kept between openings.
    static std::int16_t SortierRichtung;

    // Loads a new dialog and shows it modally: what the main window's use
    // command opens.
    static void Aufruf();
    // Shows the loaded dialog modally (installed by the window code, or by
    // a test that plays the user). While none is installed the dialog
    // counts as cancelled.
    static std::function<void(frmNutzung&)> Anzeigen;

private:
    bool geladen_ = false;
    bool laden_ = false;   // set while Form_Load runs: a zone choice then checks nothing
    bool sperre_ = false;  // set while the zone choice is put back: its click does nothing
    // The message and the control of the last failed check.
    std::string meldung_;
    Steuerelement* fehlerElement_ = nullptr;

    void GebäudekategorienFüllen();
    void ZonenlisteFüllen();
    void ZonenwerteAnzeigen();
    void StandardwertAnzeigen(TextBox& Box, TextBox& BoxBem, const char* Schlüssel, double Standard,
                              int Nachkommastellen);
    void WertAnzeigen(TextBox& Box, TextBox& BoxBem, const char* Schlüssel, int Nachkommastellen);
    bool ZonenwertePrüfen();
    bool ZonenwerteSpeichern();
    void StandardwertSpeichern(const TextBox& Box, const TextBox& BoxBem, const char* Schlüssel, double Standard);
    void WertSpeichern(const TextBox& Box, const TextBox& BoxBem, const char* Schlüssel);
    void FeldFormatieren(TextBox& Box, int Nachkommastellen);

    void SeiteZeigen(int Index);
    void cboZonenWählen(int Index);
    void Fokussieren(Steuerelement& Element);
    void Fehlermeldung(const std::string& Text);
};

// The material database window ("Baustoffe"): browse, create, change,
// delete and print the records of the material database through the
// program's Baustoff object. The main window opens it modally from Tabellen >
// Baustoffe and the tool bar; it opens the database when it loads and closes
// it when it unloads, and does not appear when the database cannot be opened.
//
// Nothing is stored until Save. A save that fails (the database is locked
// by another program copy, the file cannot be written) keeps what was typed
// in the window, so the user can save again. Save and Delete act on the
// record shown: when another program copy has changed or deleted it
// meanwhile, they say so and change nothing; what was typed stays, in a
// new entry that Save stores as a new record, and the list shows the
// database as it is now.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Baustoff;

class frmBaustoff : public Formular {
public:
    // The window works on the given database object (the program's by default).
    explicit frmBaustoff(Baustoff& datenbank);
    frmBaustoff();

    // One entry per record in the database's order; ItemData holds each
    // entry's record id (0 for a new, unsaved entry).
    ComboBox cboBaustoff{"cboBaustoff"};
    std::vector<std::int64_t> ItemData;

    TextBox txtBez{"txtBez"};
    TextBox txtKBez{"txtKBez"};
    TextBox txtKat{"txtKat"};
    TextBox txtRho{"txtRho"};
    TextBox txtDicke{"txtDicke"};
    TextBox txtLambda{"txtLambda"};
    TextBox txtR{"txtR"};
    TextBox txtUe{"txtUe"};

    CommandButton cmdNeu{"cmdNeu"};
    CommandButton cmdSpeichern{"cmdSpeichern"};
    CommandButton cmdLöschen{"cmdLöschen"};
    CommandButton cmdSchliessen{"cmdSchliessen"};
    Menüeintrag mnuBearbeiten{"mnuBearbeiten"};
    Menüeintrag mnuBearbeitenNeu{"mnuBearbeitenNeu"};
    Menüeintrag mnuBearbeitenSpeichern{"mnuBearbeitenSpeichern"};
    Menüeintrag mnuBearbeitenLöschen{"mnuBearbeitenLöschen"};
    Menüeintrag mnuBearbeitenDrucken{"mnuBearbeitenDrucken"};
    Menüeintrag mnuBearbeitenSchliessen{"mnuBearbeitenSchliessen"};

    // The id of the record shown, 0 while a new entry is being filled in.
    std::int64_t AusgewählteId = 0;

    // Opens the database and fills the list; not loaded when the database
    // cannot be opened (the window then does not appear).
    void Form_Load();
    // Closes the database; unsaved edits are dropped.
    void Form_Unload();
    void cboBaustoff_Click();
    // Only "0", "1", "2" or nothing can stand in the monitoring field.
    void txtUe_Change();
    void cmdNeu_Click();
    void cmdSpeichern_Click();
    void cmdLöschen_Click();
    void cmdSchliessen_Click();
    void mnuBearbeitenNeu_Click();
    void mnuBearbeitenSpeichern_Click();
    void mnuBearbeitenLöschen_Click();
    void mnuBearbeitenDrucken_Click();
    void mnuBearbeitenSchliessen_Click();

    bool Geladen() const { return geladen_; }
    // The view's hooks: close the real window once the model is unloaded,
    // and give a control the focus.
    std::function<void()> Schliessen;
    std::function<void(Steuerelement&)> FokusSetzen;

    // Loads a window on the program's database and, when it loaded, shows it
    // modally; unloads it afterwards. What the main window's command opens.
    static void Aufruf();
    // Shows the loaded window modally (the window code installs it).
    static std::function<void(frmBaustoff&)> Anzeigen;
    // Prints the material list of the open database; False when printing
    // could not start, fehler when the printout failed. Until the print
    // engine installs it, the print entry stays disabled.
    static std::function<bool(Baustoff&, bool& fehler)> Drucken;

    // A number as the window shows it: the user's decimal separator, no
    // grouping, no fixed decimals; 0 as an empty field.
    static std::string ZahlAnzeige(double wert);

private:
    Baustoff& db_;
    bool geladen_ = false;

    void ListeFüllen();
    // Selects the entry of the id and shows it; false (nothing selected)
    // when there is none.
    bool EintragWählen(std::int64_t id);
    // Adds an unsaved entry at the end of the list and selects it.
    void NeuerEintrag();
};

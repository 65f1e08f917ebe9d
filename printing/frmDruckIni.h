// The printer settings dialog "Druck einrichten": the printer, the report
// font and its size, printing without special characters, the line width
// and the four page margins, kept in the settings object (and so in the
// settings file). OK and "Testseite" store the values only when each lies
// in its range, the font fits the reports' grid with these margins in
// portrait (Druckraster) and every fixed text of the reports keeps its room
// (the cover's fixed parts, the test page and the system proof of the
// reference projects laid out on the printer's measuring surface,
// ZIRVO3801Drucken::Einrichtungsprobe); else a message says what is wrong,
// in which report, and what prints instead (the largest size for these
// margins, narrower margins for the size chosen, each passing the same
// checks), and the dialog stays open with the values as typed; "Testseite"
// says it before it asks anything. A setting that fits portrait but not the
// landscape energy table is stored with a word that that table needs a
// smaller size (its printout refuses at its start). "Durchsuchen" offers,
// and OK stores, only faces that draw the reports' characters with glyphs
// of their own (Druckzeichen; the Greek letters and the boxes of the
// markup come from the faces the program carries); a font chosen is
// checked at once. "Testseite" stores the values and prints the test page.
// Opened modally from File > Druck einrichten and from the print dialogs
// (Aufruf).
#pragma once

#include "frame/Steuerelemente.h"
#include "printing/Druckeinstellungen.h"

#include <functional>
#include <string>

class frmDruckIni : public Formular {
public:
    frmDruckIni();

    Label Frame1{"Frame1"};                    // "Drucker"
    ComboBox cboDrucker{"cboDrucker"};
    Label Frame3{"Frame3"};                    // "Schrift"
    Label Label8{"Label8"};
    Label lblSchrift{"lblSchrift"};
    Label Label9{"Label9"};
    Label lblSchriftgrösse{"lblSchriftgrösse"};
    CommandButton cmdSchriftDurchsuchen{"cmdSchriftDurchsuchen"};
    CheckBox chkOhneSz{"chkOhneSz"};
    Label Frame4{"Frame4"};                    // "Linien"
    Label Label12{"Label12"};
    TextBox txtLinie{"txtLinie"};
    Label Frame5{"Frame5"};                    // "Seitenränder (cm)"
    Label Label2{"Label2"};
    TextBox txtLinks{"txtLinks"};
    Label Label3{"Label3"};
    TextBox txtOben{"txtOben"};
    Label Label4{"Label4"};
    TextBox txtRechts{"txtRechts"};
    Label Label5{"Label5"};
    TextBox txtUnten{"txtUnten"};
    CommandButton cmdStandard{"cmdStandard"};
    CommandButton cmdOK{"cmdOK"};
    CommandButton cmdSchliessen{"cmdSchliessen"};
    CommandButton cmdTestseite{"cmdTestseite"};

    // True once the dialog has been unloaded; told to the view then.
    bool Entladen = false;
    std::function<void()> BeimEntladen;

    void Form_Load();
    // The settings into the controls.
    void EinstellungenAnzeigen();
    // The controls into the settings, each out of range by its default.
    void EinstellungenSpeichern();
    // Whether the controls can be stored: True, or False after a message
    // saying why not.
    bool EinstellungenPrüfen();
    void cmdStandard_Click();
    void cmdSchriftDurchsuchen_Click();
    void cmdOK_Click();
    void cmdSchliessen_Click();
    void cmdTestseite_Click();

    // Loads a new dialog and shows it modally.
    static void Aufruf();
    // Shows the loaded dialog modally (set by the window code, or by a test
    // that plays the user). While none is set nothing is shown.
    static std::function<void(frmDruckIni&)> Anzeigen;

private:
    void Unload();
    // Where the font fits portrait but not the landscape energy table: a
    // message saying that that table then needs a smaller size.
    void Querformathinweis();
    // The printer chosen in the list ("" for none), and the values as the
    // controls hold them, unchecked.
    std::string GewählterDrucker() const;
    Druckeinstellungen::Werte Eingaben() const;
};

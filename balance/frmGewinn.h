// The internal-gains window model: the heat gains of the current zone from
// persons (QgP) and from electricity (QgE: the zone's standard use plus up
// to six extra consumers), and the utilised gains Qug = (solar + persons +
// electricity) × utilisation factor, per m² of energy reference area. It
// shows the solar gains QgS that the window computation stored.
//
// One object serves as the hidden computing object of the zone balance
// (Einlesen, Berechnen), as the zone's load and store for the main window
// (Einlesen, Speichern) and as the dialog of the Zone menu. Its fields keep
// their values between calls until the dialog is closed.
//
// The fields always belong to one zone: when a zone cannot be loaded (no
// energy reference area, no climate station) the fields are emptied and the
// form holds no zone; it then neither computes nor stores anything, so no
// other zone's consumers ever reach this zone. Likewise the fields are
// stored only into the zone they were loaded from.
#pragma once

#include "balance/Zeilenraster.h"
#include "balance/Zonendialog.h"
#include "frame/Steuerelemente.h"

#include <cstdint>
#include <functional>

class frmGewinn : public Formular, public Zeilenraster, public Zonendialog {
public:
    // The consumer grid has six rows.
    static constexpr int Verbraucherzeilen = 6;

    frmGewinn();

    // --- solar gains ---
    Label Frame4{"Frame4"};
    Label lblQgS{"lblQgS"};

    // --- persons ---
    Label Frame3{"Frame3"};
    Label lblPWP{"lblPWP"};
    Label lblPFl{"lblPFl"};
    Label lblPPr{"lblPPr"};
    Label lblQgP{"lblQgP"};

    // --- electricity ---
    Label fraE{"fraE"};
    Label lblEl{"lblEl"};
    Label lblfe{"lblfe"};
    Label lblQgE{"lblQgE"};
    Steuerelement picEz{"picEz"}; // the box of the consumer grid
    Steuerelementfeld<TextBox> txtBez{"txtBez", Verbraucherzeilen};
    Steuerelementfeld<TextBox> txtW{"txtW", Verbraucherzeilen};
    Steuerelementfeld<TextBox> txtha{"txtha", Verbraucherzeilen};
    Steuerelementfeld<TextBox> txtfe{"txtfe", Verbraucherzeilen};
    Steuerelementfeld<TextBox> txtWg{"txtWg", Verbraucherzeilen};
    TextBox txtEBem{"txtEBem"};

    // --- utilised gains ---
    Label lblQug{"lblQug"};
    Label lblEtaG{"lblEtaG"};

    CommandButton cmdSchliessen{"cmdSchliessen"};

    // --- public members; each gives True on failure ---
    // Loads the current zone into the fields and computes it. True, with the
    // message in Eingabefehler (table 6, no control), when the zone has no
    // energy reference area or no climate station is loaded; the fields are
    // then empty and the form holds no zone.
    bool Einlesen();
    // Stores the fields into the current zone. True, storing nothing, when
    // the fields do not hold the current zone (a failed or missing load).
    bool Speichern();
    // Computes and stores QgP, QgE and Qug of the loaded zone. True,
    // computing and storing nothing, when a value it reads lies outside its
    // physical range (a negative area per person, output or electricity
    // use, a presence beyond 0..24 h/d, a reduction factor beyond 0..1, a
    // negative heat-storage capacity, a consumer's negative power or
    // hours beyond 0..8760 h/a): the message in Eingabefehler (table 6)
    // names the dialog, the row and the field, and the record holds the
    // field that shows the value. While the dialog is shown, its results
    // are then empty and the status bar says why.
    bool Berechnen();

    // --- events ---
    void Form_Load();
    void Form_Activate();
    // Closes the dialog (the close box does the same): Form_QueryUnload,
    // then the form is unloaded and its fields are emptied.
    void cmdSchliessen_Click();
    // Stores the fields; never refuses.
    void Form_QueryUnload(std::int16_t& Cancel, std::int16_t UnloadMode);

    void txtBez_GotFocus(int Index);
    void txtW_GotFocus(int Index);
    void txtha_GotFocus(int Index);
    void txtfe_GotFocus(int Index);
    // Key codes are those of the key-down event (13 Enter, 9 Tab, 37..40
    // arrows); Shift is the shift state (1 = Shift alone). A handled key
    // becomes 0.
    void txtBez_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift);
    void txtW_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift);
    void txtha_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift);
    void txtfe_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift);
    // Enter (13) becomes 0; other keys pass.
    void txtBez_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtW_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtha_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtfe_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtBez_LostFocus(int Index);
    void txtW_LostFocus(int Index);
    void txtha_LostFocus(int Index);
    void txtfe_LostFocus(int Index);

    // Shows the loaded form modally (the Zone menu, after Einlesen). The
    // window code installs it; while none is installed nothing is shown.
    static std::function<void(frmGewinn&)> Anzeigen;

private:
    double PFl_ = 0, PWP_ = 0, PPr_ = 0, El_ = 0, fe_ = 0, QgS12_ = 0;

    void Laden();
    void Entladen();
    void FelderLeeren() override;
    void SpaltenFestlegen();
    void ZeilenErzeugen();
    bool GewinnEinlesen();
    bool GewinnSpeichern();
    // False, or True with nothing computed when an input lies outside its range.
    bool GewinnBerechnen();
    // The first input outside its range becomes the pending input error.
    bool EingabenAusserhalb();
    void PersonenwärmeBerechnen();
    void ElektrizitätBerechnen();
    void GewinnNutzbarBerechnen();
    // Leaving a cell that recomputes computes the zone.
    void RasterBerechnen() override { GewinnBerechnen(); }
};

namespace Global {
extern ::frmGewinn frmGewinn;
} // namespace Global

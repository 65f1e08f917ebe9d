// The ventilation window model: the ventilation inputs of the current zone
// and its two monthly ventilation losses, Qv (outside air entering through
// the envelope) and Qvm (mechanical ventilation units), per m² of energy
// reference area. It also shows and keeps the project's two heat-load
// values of a mechanical ventilation ("HL_EtaV", "HL_fV").
//
// One object serves as the hidden computing object of the zone balance
// (Einlesen, Berechnen), as the zone's load and store for the main window
// (Einlesen, Speichern) and as the dialog of the Zone menu. Its fields keep
// their values between calls until the dialog is closed.
//
// The fields always belong to one zone: when a zone cannot be loaded (no
// energy reference area, no climate station) the fields are emptied and the
// form holds no zone; it then neither computes nor stores anything, so no
// other zone's inputs ever reach this zone. Likewise the fields are stored
// only into the zone they were loaded from.
#pragma once

#include "balance/Zeilenraster.h"
#include "balance/Zonendialog.h"
#include "frame/Steuerelemente.h"

#include <array>
#include <cstdint>
#include <functional>

class frmLüftung : public Formular, public Zeilenraster, public Zonendialog {
public:
    // The unit grid has one row.
    static constexpr int Gerätezeilen = 1;

    frmLüftung();

    // --- natural ventilation ---
    Label fraNL{"fraNL"};
    Label lblEBF0{"lblEBF0"};
    Label lblAVEnL{"lblAVEnL"};
    Label lblEBF0nL{"lblEBF0nL"};
    Label lblLwv{"lblLwv"};

    // --- mechanical ventilation ---
    Label fraML{"fraML"};
    Steuerelementfeld<OptionButton> optML{"optML", 3}; // 0 none, 1 whole EBF, 2 share of the EBF
    TextBox txtAnteilML{"txtAnteilML"};
    Label fraML2{"fraML2"};
    Steuerelementfeld<TextBox> txtBez{"txtBez", Gerätezeilen};
    Steuerelementfeld<TextBox> txtLSt{"txtLSt", Gerätezeilen};
    Steuerelementfeld<TextBox> txtha{"txtha", Gerätezeilen};
    Steuerelementfeld<TextBox> txtWRG{"txtWRG", Gerätezeilen};
    Steuerelementfeld<TextBox> txtQ{"txtQ", Gerätezeilen};
    TextBox txtAVEMLwB{"txtAVEMLwB"};
    TextBox txtAVEMLaB{"txtAVEMLaB"};
    TextBox txtMLBem{"txtMLBem"};
    Label lblQv{"lblQv"};

    // --- heat load with mechanical ventilation (project values) ---
    Label fraHL{"fraHL"};
    TextBox txtEtaV{"txtEtaV"};
    TextBox txtEtaVBem{"txtEtaVBem"};
    TextBox txtfV{"txtfV"};
    TextBox txtfVBem{"txtfVBem"};
    Label lblQth{"lblQth"};

    CommandButton cmdSchliessen{"cmdSchliessen"};

    // --- public members; each gives True on failure ---
    // Loads the current zone into the fields and computes it. True, with the
    // message in Eingabefehler (table 5, no control), when the zone has no
    // energy reference area or no climate station is loaded; the fields are
    // then empty and the form holds no zone.
    bool Einlesen();
    // Stores the fields into the current zone. True, storing nothing, when
    // the fields do not hold the current zone (a failed or missing load).
    bool Speichern();
    // Computes and stores Qv and Qvm of the loaded zone. True, computing and
    // storing nothing, when a value it reads lies outside its physical
    // range (a negative air flow or air rate, operating hours beyond
    // 0..8760 h/a, a heat recovery beyond 0..100 %, a negative ventilation
    // effectiveness, a heat-load recovery efficiency below 0 or from 1 on)
    // or a unit has an air flow and no operating time:
    // the message in Eingabefehler (table 5) names the dialog and the
    // field, and the record holds the field. While the dialog is shown,
    // its results are then empty and the status bar says why. Likewise
    // True when the mechanically ventilated part gets no outside air.
    bool Berechnen();

    // --- events ---
    void Form_Load();
    void Form_Activate();
    // Closes the dialog (the close box does the same): Form_QueryUnload,
    // then the form is unloaded and its fields are emptied.
    void cmdSchliessen_Click();
    // Stores the fields and the project's heat-load values; never refuses.
    void Form_QueryUnload(std::int16_t& Cancel, std::int16_t UnloadMode);
    void optML_Click(int Index);
    void txtAnteilML_LostFocus();
    void txtAVEMLwB_LostFocus();
    void txtAVEMLaB_LostFocus();
    void txtEtaV_Change();
    void txtfV_Change();

    void txtBez_GotFocus(int Index);
    void txtLSt_GotFocus(int Index);
    void txtha_GotFocus(int Index);
    void txtWRG_GotFocus(int Index);
    void txtQ_GotFocus(int Index);
    // Key codes are those of the key-down event (13 Enter, 9 Tab, 37..40
    // arrows); Shift is the shift state (1 = Shift alone). A handled key
    // becomes 0.
    void txtBez_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift);
    void txtLSt_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift);
    void txtha_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift);
    void txtWRG_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift);
    void txtQ_KeyDown(int Index, std::int16_t& KeyCode, std::int16_t Shift);
    // Enter (13) becomes 0; other keys pass.
    void txtBez_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtLSt_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtha_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtWRG_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtQ_KeyPress(int Index, std::int16_t& KeyAscii);
    void txtBez_LostFocus(int Index);
    void txtLSt_LostFocus(int Index);
    void txtha_LostFocus(int Index);
    void txtWRG_LostFocus(int Index);
    void txtQ_LostFocus(int Index);

    // Shows the loaded form modally (the Zone menu, after Einlesen). The
    // window code installs it; while none is installed nothing is shown.
    static std::function<void(frmLüftung&)> Anzeigen;

private:
    double Ti_ = 0, AVE_ = 0, h_ = 0;
    std::array<double, 12> Te_{};

    void Laden();
    void Entladen();
    void FelderLeeren() override;
    void SpaltenFestlegen();
    bool LüftungEinlesen();
    bool LüftungSpeichern();
    bool LüftungBerechnen();
    // The selected mode (0 none, 1 whole EBF, 2 share), -1 when none is.
    int Modus() const;
    // The mechanically ventilated share of EBF0 by the mode and the share
    // typed (an invalid share counts as all of it).
    double Anteil(int modus) const;
    // The outside air of unit row i and of the envelope of the
    // mechanically ventilated part (share s), after heat recovery and
    // averaged over the year [m³/h]: what its loss is computed from.
    double Aussenluft(int i, double s) const;
    // A mechanical ventilation whose part gets no outside air by that
    // formula would lose nothing by ventilation: an input error of the
    // zone computation at the input that takes the air away. While the
    // dialog is being filled in it is no error yet; it then shows the
    // losses of what is typed so far.
    bool OhneAussenluft();
    // The first input outside its range becomes the pending input error.
    bool EingabenAusserhalb(int modus);
    // A heat-load value: while the dialog is shown the one typed, else the
    // project's own (the field shows it rounded).
    double Heizlastwert(const TextBox& feld, const char* schlüssel) const;
    void HeizlastLuftstromAnzeigen();
    void GeräteWärmebedarfLöschen();
    // No result of before stays on view: the losses and each unit's demand.
    void ErgebnisseLeeren();
    // Leaving a cell that recomputes computes the zone.
    void RasterBerechnen() override { LüftungBerechnen(); }
};

namespace Global {
extern ::frmLüftung frmLüftung;
} // namespace Global

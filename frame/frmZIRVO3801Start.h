// The start window: shown while the main window and the single-component
// proof window are built, with the program's title, its version and a
// counter that the table builders advance as a sign of progress.
#pragma once

#include "frame/Steuerelemente.h"

class frmZIRVO3801Start : public Formular {
public:
    Steuerelement Image1{"Image1"};         // the program's picture
    Label lblProg{"lblProg"};               // program title
    Label lblVer{"lblVer"};                 // "Version  9a"
    Label lblStartZähler{"lblStartZähler"}; // progress count, empty at first
    Label lblHersteller{"lblHersteller"};   // the maker

    // Screen font, title, version line and maker.
    void Form_Load();

    // Loads the window (Form_Load) and marks it shown.
    void Laden();
    // Hides the window and brings its texts back to their first state, so
    // that a later load starts afresh.
    void Entladen();
};

namespace Global {
// The program's one start window.
extern ::frmZIRVO3801Start frmZIRVO3801Start;
} // namespace Global

namespace basZIRVO3801 {

// Adds 1 to the number in the start window's counter label (an empty or
// non-numeric caption counts as 0); the window shows it at once.
void ZahlLabelAktualisieren();

} // namespace basZIRVO3801

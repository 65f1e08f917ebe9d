#include "frame/frmZIRVO3801Start.h"

#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVOBildschirmschrift.h"
#include "frame/basZIRVODialogSprache.h"

namespace Global {
::frmZIRVO3801Start frmZIRVO3801Start;
} // namespace Global

void frmZIRVO3801Start::Form_Load() {
    basZIRVOBildschirmschrift::BildschirmschriftSetzen(*this);
    Caption = basZIRVO3801::ProgrammTitel;
    lblProg.setCaption(basZIRVO3801::ProgrammTitel);
    lblVer.setCaption(DS("Version") + "  " + basZIRVO3801::ProgrammVersion + basZIRVO3801::ProgrammVersionBuchstabe);
    lblHersteller.setCaption(DS(basZIRVO3801::Herstellerbezeichnung));
}

void frmZIRVO3801Start::Laden() {
    Form_Load();
    Visible = true;
}

void frmZIRVO3801Start::Entladen() {
    Visible = false;
    lblStartZähler.setCaption("");
}

namespace basZIRVO3801 {

void ZahlLabelAktualisieren() {
    Label& zähler = Global::frmZIRVO3801Start.lblStartZähler;
    zähler.setCaption(basVB6NumCvt::ZahlText(basVB6NumCvt::Scannen(zähler.Caption()) + 1));
}

} // namespace basZIRVO3801

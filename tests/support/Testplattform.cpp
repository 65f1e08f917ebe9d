#include "tests/support/Testplattform.h"

#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVODialogSprache.h"

namespace Testhilfe {

Testumgebung::Testumgebung() : gesetzt_(Plattform::Dienste{&meldungen, &dateidialoge, nullptr, nullptr, nullptr}) {
    basZIRVODialogSprache::SpracheSetzen();
    basVB6NumCvt::KommaEingabeSetzen(true);
}

} // namespace Testhilfe

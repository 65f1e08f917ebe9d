#include "tests/support/Stationszone.h"

#include "balance/Klimastation_MB2028.h"
#include "frame/basVB6NumCvt.h"
#include "project/ProjektGlobal.h"

namespace Testhilfe {

Stationszone::Stationszone() : zahlen_(cVB6_NumCvt::Instanz()) {
    cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt("Test", "xx-XX", ".", "'", ".", "'"));
    Global::Projekt = Projekt();
    Global::Projekt.ProjektNeu();
    Global::Klimastation_MB2028.KlimastationEinlesen("Basel -Binningen");
}

Stationszone::~Stationszone() {
    Global::Projekt = Projekt();
    Global::Klimastation_MB2028.KlimastationEinlesen("");
    cVB6_NumCvt::InstanzSetzen(zahlen_);
}

Monatsarray Gespeichert(std::string_view schlüssel) {
    Monatsarray a{};
    Global::Projekt.ZGetArr1(a, schlüssel);
    return a;
}

double Zahl(const TextBox& t) { return ZahlLesen(t.Text()); }

} // namespace Testhilfe

#include "tests/support/Grundzustand.h"

#include "balance/Einzelbauteil.h"
#include "balance/Gebaeudehuelle.h"
#include "balance/Gebaeudekategorie.h"
#include "balance/Klimastation_MB2028.h"
#include "balance/Reduktionsfaktor.h"
#include "balance/Verschattungsfaktor.h"
#include "balance/frmGewinn.h"
#include "balance/frmLueftung.h"
#include "balance/frmQh.h"
#include "balance/frmWaermeleistungsbedarf.h"
#include "components/Baustoff.h"
#include "components/frmBaustoff.h"
#include "components/frmBauteil.h"
#include "components/frmBauteilListe.h"
#include "dialogs/frmBauteilVerluste.h"
#include "dialogs/frmEnergien.h"
#include "dialogs/frmFlaechen.h"
#include "dialogs/frmNutzung.h"
#include "dialogs/frmNutzungZone.h"
#include "dialogs/frmProjekt.h"
#include "frame/Initialisierung.h"
#include "frame/Plattform.h"
#include "frame/Programmstart.h"
#include "frame/Statusmeldung.h"
#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVO.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/basZIRVOFehler.h"
#include "frame/basZIRVOSymbole.h"
#include "frame/basZIRVOVersion.h"
#include "frame/basZIRVO_HiRi.h"
#include "frame/cVB6_NumCvt.h"
#include "frame/frmOptionen.h"
#include "frame/frmOrdnerSuchen.h"
#include "frame/frmZIRVO3801Start.h"
#include "mainwindow/frmZIRVO3801.h"
#include "printing/frmDruckIni.h"
#include "printing/frmDrucken.h"
#include "printing/frmDruckenEB.h"
#include "project/ProjektGlobal.h"
#include "proofs/frmNachweis3801.h"
#include "proofs/frmNachweisEB.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

namespace Testhilfe {

namespace {

// An object made anew where it stands: assigned a fresh one where the type
// allows, else ended and made again in place (window models hold control
// states that cannot be copied). Its address stays, so every reference to
// it stays good.
template <class T> void Neu(T& objekt) {
    if constexpr (std::is_move_assignable_v<T>) {
        objekt = T();
    } else {
        std::destroy_at(&objekt);
        std::construct_at(&objekt);
    }
}

// The values, texts and hooks as the program began, kept once before the
// first test and put back before every test.
class Anfangswerte {
public:
    Anfangswerte() {
        merken(basZIRVODialogSprache::Sprachflag);
        merken(basVB6NumCvt::KommaEingabe);
        merken(basZIRVOFehler::Eingabefehler);
        merken(basZIRVO_HiRi::NordAktuell);
        merken(basZIRVOSymbole::SymbolAngekreuzt);
        merken(basZIRVOSymbole::SymbolNichtAngekreuzt);
        merken(basZIRVOSymbole::SymbolDelta);
        merken(basZIRVOSymbole::SymbolTheta);
        merken(basZIRVOSymbole::SymbolEta);
        merken(basZIRVOSymbole::SymbolChi);
        merken(basZIRVOSymbole::SymbolPsi);
        merken(basZIRVO3801::Programmname);
        merken(basZIRVO3801::Hilfedatei);
        merken(basZIRVO3801::OptionenAufruf);
        merken(basZIRVOVersion::VersionsOrdnerUrl);
        merken(basZIRVO::EingestellterDrucker);
        merken(basZIRVO::DruckerPrüfen);
        merken(Statusmeldung::Anzeigen);
        merken(Auslegungsfall);
        merken(Auslegungstemperatur);
        merken(Auslegungsluftvolumenstrom);
        merken(Global::ElementeZählen);
        // The windows' show and print hooks, set by the Qt views.
        merken(frmOptionen::Anzeigen);
        merken(frmOrdnerSuchen::Anzeigen);
        merken(frmWärmeleistungsbedarf::Anzeigen);
        merken(frmGewinn::Anzeigen);
        merken(frmQh::Anzeigen);
        merken(frmLüftung::Anzeigen);
        merken(frmProjekt::Anzeigen);
        merken(frmNutzungZone::Anzeigen);
        merken(frmBauteilVerluste::Anzeigen);
        merken(frmNutzung::Anzeigen);
        merken(frmFlächen::Anzeigen);
        merken(frmEnergien::Anzeigen);
        merken(frmEnergien::Drucken);
        merken(frmBauteil::Drucken);
        merken(frmBauteilListe::Anzeigen);
        merken(frmBaustoff::Anzeigen);
        merken(frmBaustoff::Drucken);
        merken(frmNachweis3801::Anzeigen);
        merken(frmNachweisEB::Anzeigen);
        merken(frmDruckIni::Anzeigen);
        merken(frmDruckenEB::Anzeigen);
        merken(frmDrucken::Anzeigen);
    }

    void Zurücksetzen() const {
        for (const auto& z : zurück_) z();
        cVB6_NumCvt::InstanzSetzen(zahlen_);
    }

private:
    std::vector<std::function<void()>> zurück_;
    cVB6_NumCvt zahlen_ = cVB6_NumCvt::Instanz();

    template <class T> void merken(T& wert) {
        zurück_.push_back([&wert, anfang = wert] { wert = anfang; });
    }
};

std::optional<Anfangswerte>& Anfang() {
    static std::optional<Anfangswerte> anfang;
    return anfang;
}

bool GleicheDienste(const Plattform::Dienste& a, const Plattform::Dienste& b) {
    return a.meldungen == b.meldungen && a.dateidialoge == b.dateidialoge && a.drucker == b.drucker &&
           a.http == b.http && a.umgebung == b.umgebung && a.hilfe == b.hilfe;
}

class Grundzustandswächter : public ::testing::EmptyTestEventListener {
    void OnTestProgramStart(const ::testing::UnitTest&) override {
        cVB6_NumCvt::InstanzSetzen(cVB6_NumCvt()); // as the setting above gives it
        if (!Anfang()) Anfang().emplace();
        dienste_ = Plattform::Aktuell();
    }
    void OnTestStart(const ::testing::TestInfo&) override { GrundzustandHerstellen(); }
    void OnTestEnd(const ::testing::TestInfo&) override {
        if (!GleicheDienste(Plattform::Aktuell(), dienste_)) {
            ADD_FAILURE() << "Der Test hat Plattformdienste eingesetzt gelassen.";
            Plattform::Aktuell() = dienste_;
        }
        // And leaves the program as it found it.
        GrundzustandHerstellen();
    }

    Plattform::Dienste dienste_;
};

// Installed when the test program is loaded, before main runs the tests.
const bool eingerichtet = [] {
    // The tests expect the numbers of the portable regional setting ("."
    // without grouping), whatever the setting of the shell that starts them
    // (none at all gives ","); the tests of the regional settings set their
    // own variables.
    setenv("LC_ALL", "C.UTF-8", 1);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Grundzustandswächter);
    return true;
}();

} // namespace

void GrundzustandHerstellen() {
    if (!Anfang()) Anfang().emplace();
    // Plain values first: the window models below are made with the texts
    // switched as at the start.
    Anfang()->Zurücksetzen();

    Neu(Global::Projekt);
    Neu(Global::Initialisierung);
    Neu(Global::Klimastation_MB2028);
    Neu(Global::Einzelbauteil);
    Neu(Global::Baustoff);
    Neu(Gebäudehülle::Instanz());
    Neu(Verschattungsfaktor::Instanz());
    Neu(Reduktionsfaktor::Instanz());

    Neu(Global::frmZIRVO3801Start);
    Neu(Global::frmZIRVO3801);
    Neu(Global::frmLüftung);
    Neu(Global::frmGewinn);
    Neu(Global::frmQh);
    Neu(Global::frmWärmeleistungsbedarf);
    Neu(Global::frmNutzungZone);
    Neu(Global::frmBauteil);
    Neu(Global::frmBauteilListe);
    Neu(Global::frmNachweis3801);
    Neu(Global::frmNachweisEB);
}

} // namespace Testhilfe

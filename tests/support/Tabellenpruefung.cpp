#include "tests/support/Tabellenpruefung.h"

#include "frame/basVB6NumCvt.h"
#include "frame/basZIRVOFehler.h"

#include <gtest/gtest.h>

namespace Testhilfe {

double Zahl(const Label& l) { return ZahlLesen(l.Caption()); }

std::string getrimmt(const std::string& s) {
    std::size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

void erwarteFehler(const std::string& text, std::int16_t tabelle, const TextBox* zelle) {
    EXPECT_EQ(Eingabefehler.Art, basZIRVOFehler::ArtFehler);
    EXPECT_EQ(Eingabefehler.Text, text);
    EXPECT_EQ(Eingabefehler.Tabelle, tabelle);
    EXPECT_EQ(Eingabefehler.Steuerelement, zelle);
    if (zelle && Eingabefehler.Steuerelement) {
        EXPECT_EQ(Eingabefehler.Steuerelement->Name, zelle->Name);
        EXPECT_EQ(Eingabefehler.Steuerelement->Index, zelle->Index);
    }
}

} // namespace Testhilfe

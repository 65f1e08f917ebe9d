// Test fixture of the dialogs that compute one zone: the global project new
// with one empty zone and the station "Basel -Binningen" current; numbers
// are shown with "." as decimal separator, message boxes are scripted and
// the texts are on (Testhilfe::Testumgebung). The destructor empties the
// project and the station and gives the number settings back.
#pragma once

#include "frame/Steuerelemente.h"
#include "frame/basZIRVO_Array.h"
#include "frame/cVB6_NumCvt.h"
#include "tests/support/Testplattform.h"

#include <string_view>

namespace Testhilfe {

class Stationszone {
public:
    Testumgebung test;

    Stationszone();
    ~Stationszone();
    Stationszone(const Stationszone&) = delete;
    Stationszone& operator=(const Stationszone&) = delete;

private:
    cVB6_NumCvt zahlen_;
};

// The monthly values the current zone holds under the key.
Monatsarray Gespeichert(std::string_view schlüssel);

// The number a text box shows.
double Zahl(const TextBox& t);

} // namespace Testhilfe

// Every test starts from the program's state at start: before and after
// each test the program-wide objects (the project, the settings, the
// window models, the caches of the computation), the show and print hooks
// of the windows and the number format are brought back to what they were
// when the test program began; after each test the platform services must
// be those it found, else the test fails (a fake left installed would
// dangle).
//
// Both test programs hold this through tests/support; nothing to call.
#pragma once

namespace Testhilfe {

// Brings every program-wide object back to its first state. The test
// programs call it before each test; a test may call it itself.
void GrundzustandHerstellen();

} // namespace Testhilfe

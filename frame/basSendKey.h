// Sending one key press to the window that has the focus, as if typed.
#pragma once

#include <string_view>

namespace basSendKey {

// The virtual key of a key text ("{F1}", "{ENTER}" or "~", "{PGUP}",
// "{PGDN}", "{END}", "{HOME}", "{LEFT}", "{UP}", "{RIGHT}", "{DOWN}";
// exact, letter case counts); 0 for any other text.
int Tastencode(std::string_view Taste);

// Sends the key of the text; any other text sends nothing.
void TasteSenden(std::string_view Taste);

} // namespace basSendKey

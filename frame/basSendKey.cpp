#include "frame/basSendKey.h"

#include "frame/Plattform.h"

#include <array>
#include <utility>

namespace basSendKey {

int Tastencode(std::string_view Taste) {
    static constexpr std::array<std::pair<std::string_view, int>, 11> tasten{{
        {"{F1}", 112},
        {"{ENTER}", 13},
        {"~", 13},
        {"{PGUP}", 33},
        {"{PGDN}", 34},
        {"{END}", 35},
        {"{HOME}", 36},
        {"{LEFT}", 37},
        {"{UP}", 38},
        {"{RIGHT}", 39},
        {"{DOWN}", 40},
    }};
    for (const auto& [text, code] : tasten)
        if (text == Taste) return code;
    return 0;
}

void TasteSenden(std::string_view Taste) {
    if (int code = Tastencode(Taste); code != 0) Plattform::umgebung().TasteSenden(code);
}

} // namespace basSendKey

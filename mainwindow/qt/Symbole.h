// Pictures of the second tool bar's buttons: the desktop's icon theme where
// it has a fitting one, else a small picture of our own drawn here.
#pragma once

#include <QIcon>

#include <string_view>

namespace Symbole {

// The picture of the button with the key ("P", "N", "B", "E", "A", "U",
// "F", "L", "G", "Q"); an empty icon for any other key.
QIcon Zonenleiste(std::string_view key);

} // namespace Symbole

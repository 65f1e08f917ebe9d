// The one open project of the program.
#pragma once

#include "project/Projekt.h"

namespace Global {
// File > Close puts a new, empty project in its place.
extern ::Projekt Projekt;
} // namespace Global

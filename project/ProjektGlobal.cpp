#include "project/ProjektGlobal.h"

namespace Global {
::Projekt Projekt;
} // namespace Global

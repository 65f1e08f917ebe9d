// The large project the benchmarks work on: 8 zones, each with 30 EBF rows
// and 50 rows of roofs, walls, floors and thermal bridges to outside air, 50
// rows to unheated rooms and earth, 50 rows of windows, doors and bridges;
// `bauteile` components with four layers each (roofs and walls use them all
// in turn), 5 windows and 5 thermal bridges, all used by number. The global
// project becomes it, with zone 0 current and its climate station loaded.
#pragma once

void GrossesProjektÖffnen(int bauteile = 5);

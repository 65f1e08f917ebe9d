// The golden projects in tests/projects: opening one as the main window does
// and computing every zone as the check of all zones does.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

class frmZIRVO3801;

namespace Testhilfe {

// The folder of the golden projects.
std::filesystem::path Projektordner();

// Opens the project as the main window does: the project, its climate
// station and its north rotation. An empty text when it worked, else why not.
std::string ProjektÖffnen(const std::filesystem::path& datei);

// Computes and stores every zone (load into the tables, compute, store), then
// its heating-demand result; zone 0 is current afterwards. Returns the
// faults met (a zone that fails to compute, with its message and cell).
std::vector<std::string> AlleZonenBerechnen(frmZIRVO3801& F);

// The single values of the zones in an expected file (lines "ZONECODE KEY -
// VALUE"), the zones in the order they first appear.
struct Zonenwerte {
    std::string Code;
    std::map<std::string, double> Werte;
};
std::vector<Zonenwerte> Einzelwerte(const std::string& erwartet);

} // namespace Testhilfe

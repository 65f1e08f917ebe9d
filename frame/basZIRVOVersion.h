// The notice of a newer version, read from the maker's server at start.
#pragma once

#include <string>

namespace basZIRVOVersion {

inline const std::string Versionsdatei = "ZIRVOVersionAktuell.txt";

// The folder on the maker's server that holds the version file (set at start
// from the build setting); empty: no check is made.
extern std::string VersionsOrdnerUrl;

// The notice for a version file's text, compared with the program's own
// version and letter; "" when there is nothing to report.
std::string VersionAuswerten(const std::string& text, const std::string& programmVersion,
                             const std::string& programmBuchstabe, const std::string& supportAdresse);

// Reads the version file and returns the notice, or "" (also on any failure
// and when no server is configured).
std::string NeuereVersionPrüfen();

} // namespace basZIRVOVersion

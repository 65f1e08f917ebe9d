// Checks of the main window's tables after a computation: numbers of total
// labels, trimmed cell texts, and the failure left in the input-error record.
#pragma once

#include "frame/Steuerelemente.h"

#include <cstdint>
#include <string>

namespace Testhilfe {

// The number a label shows.
double Zahl(const Label& l);

// The text without leading and trailing blanks.
std::string getrimmt(const std::string& s);

// The failure left in the input-error record: message, table and cell
// (nullptr: none).
void erwarteFehler(const std::string& text, std::int16_t tabelle, const TextBox* zelle);

} // namespace Testhilfe

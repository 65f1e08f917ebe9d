// Helpers of the project file tests: collections written out briefly,
// texts of numbers as exact as they are stored, and the lines in which two
// written-out projects differ.
#pragma once

#include "project/Kollektion.h"

#include <initializer_list>
#include <string>

namespace Testhilfe {

// The shortest text that reads back as the same number ("." as decimal
// point, whatever the locale).
std::string Zahltext(double x);

// The lines in which two texts differ, each as "- line of a" and
// "+ line of b"; empty when they agree.
std::string Unterschiede(const std::string& a, const std::string& b);

// A collection of the values, in this order and without keys.
KollektionZeiger Zeile(std::initializer_list<Kollektion::Wert> werte);

} // namespace Testhilfe

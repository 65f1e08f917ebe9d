// Reading what a fake recorded (the message boxes shown, the print jobs
// that ended): a test that reads an entry the fake never recorded fails at
// its own line, saying what is missing, and reads on in an empty entry
// instead of past the end of the record.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <source_location>
#include <string>
#include <vector>

namespace Testhilfe {

// Entry i (from 0) of the record; was names an entry as it was recorded
// ("message box shown").
template <class T>
const T& Aufgezeichnet(const std::vector<T>& liste, std::size_t i, const std::string& was,
                       std::source_location ort = std::source_location::current()) {
    if (i < liste.size()) return liste[i];
    if (liste.empty())
        ADD_FAILURE_AT(ort.file_name(), static_cast<int>(ort.line())) << "no " << was;
    else
        ADD_FAILURE_AT(ort.file_name(), static_cast<int>(ort.line()))
            << "only " << liste.size() << " " << was << ", not number " << i + 1;
    static const T leer{};
    return leer;
}

// The last entry of the record.
template <class T>
const T& ZuletztAufgezeichnet(const std::vector<T>& liste, const std::string& was,
                              std::source_location ort = std::source_location::current()) {
    return Aufgezeichnet(liste, liste.empty() ? 0 : liste.size() - 1, was, ort);
}

} // namespace Testhilfe

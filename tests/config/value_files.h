#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/config_error.h"

namespace orvant::testing {

// The kind of the file error `read` ends in; a failure of the test when it ends in none.
template <typename Read>
FileErrorKind fileErrorOf(Read read) {
    try {
        read();
    } catch (const FileError& e) {
        return e.kind;
    }
    ADD_FAILURE() << "no FileError";
    return FileErrorKind::NotFound;
}

// Builds a value file: one line "label=value" per value, each ended by `lineEnd`.
inline std::string valueFile(const std::vector<std::string>& values,
                             const std::string& lineEnd = "\r\n",
                             const std::string& labelPrefix = "Value ") {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += labelPrefix + std::to_string(i + 1) + " =" + values[i] + lineEnd;
    return text;
}

// The 35 values of a typical ORV.CFG, in file order (value n at index n - 1).
inline std::vector<std::string> typicalConfigValues() {
    return {"51.5", "-0.1", "20", "0", "0", "keps.tle", "/station", "378", "NO",  "no", "NO", "2",
            "2",    "0",    "0",  "2", "2", "0",        "0",        "0",   "123", "2",  "50", "20",
            "0",    "0",    "0",  "0", "0", "0",        "0",        "0",   "NO",  "2",  "0"};
}

// The 26 values of a typical satellite file (AO-7, mode B), in file order.
inline std::vector<std::string> typicalSatelliteValues() {
    return {"07530", "432.150", "145.950", "lsb",  "usb",  "578.1", "0",        "10", "NO",
            "50",    "0",       "0",       "0",    "1",    "0",     "145.9775", "2",  "2",
            "1",     "1",       "57600",   "4800", "9600", "19200", "0",        "0"};
}

}  // namespace orvant::testing

#pragma once

#include <string>

#include "platform/file_system.h"

namespace orvant::testing {

// Value `number` (1-based) of a value file (ORV.CFG or a satellite file) replaced by `value`.
// Values are found as the program reads them: each starts after the next "=" and runs to the
// next carriage return; labels, line feeds and lines without "=" lie between them. Throws
// std::out_of_range when the file holds fewer values.
std::string withValue(const std::string& fileText, int number, const std::string& value);

// A sample station of examples/ (`example`: "station" or "receiver"; ORV.CFG, the satellite
// files and KEPS.TLE) copied into `files` under `folder`, which becomes the current directory,
// as if the program had been started there.
void loadSampleStation(MemoryFileSystem& files, const std::string& folder = "/station",
                       const std::string& example = "station");

// Rewrites value `number` of the file at `path` in `files`.
void setValue(MemoryFileSystem& files, const std::string& path, int number,
              const std::string& value);

}  // namespace orvant::testing

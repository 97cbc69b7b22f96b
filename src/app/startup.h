#pragma once

#include <string>

namespace orvant {

struct Station;

// The main window's load event: start-up, then the polling loop, for the rest of the process.
// Returns only by the `ProgramEnd` signal, or when a start-up error that no dialog covers
// leaves the window idle until the operator presses Exit.
void runStation(Station& station, const std::string& arguments);

}  // namespace orvant

#pragma once

namespace orvant {

struct Station;

// The polling loop. It runs pass after pass until the program ends (by the `ProgramEnd` signal)
// or until it leaves to load another satellite: one picked from the file list, or a new one
// reported by the tracking program. It returns then, with the satellite name set, for start-up
// to load that satellite and come back.
void runPollingLoop(Station& station);

// One pass of the loop; returns false when the loop is to be left for another satellite.
bool loopPass(Station& station);

}  // namespace orvant

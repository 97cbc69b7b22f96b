#pragma once

namespace orvant {

struct Station;
struct TrackingState;

// How a pass of the polling loop ends.
enum class PassOutcome {
    Continue,          // the loop goes on
    FilePicked,        // the operator picked another file from the list: start-up shows the
                       // list again and takes the picked file
    TrackerSatellite,  // the tracking program reports a new satellite, now in `satName`
};

// The polling loop. It runs pass after pass until the program ends (by the `ProgramEnd` signal)
// or until it leaves to load another satellite; it returns why, for start-up to load that
// satellite and come back.
PassOutcome runPollingLoop(Station& station);

// One pass of the loop.
PassOutcome loopPass(Station& station);

// Under WISP a pass does nothing beyond the poll until WISP's first poll has come: until then no
// satellite is known, whatever its elevation still says.
bool awaitingWispPoll(const TrackingState& track);

}  // namespace orvant

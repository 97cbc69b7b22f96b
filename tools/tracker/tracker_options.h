#pragma once

#include <string>
#include <vector>

#include "tracker/live_sky.h"
#include "tracker/tracker.h"
#include "tracker/tracker_texts.h"

namespace orvant::tracker {

// The command line of orvant-tracker.
struct TrackerOptions {
    bool help = false;
    Program program;
    std::string folder;  // empty: the default conversation folder
    // Live texts.
    std::string elementsFile;
    std::string satellite;  // catalog number or name
    Observer observer;
    bool stationGiven = false;
    bool flipAdvised = false;
    WispRadio radio;
    // Replayed texts.
    std::string replayFile;
    int tuneEchoes = 1;
    Faults faults;
    bool verbose = false;
};

struct TrackerOptionsResult {
    TrackerOptions options;
    std::string error;  // empty when the command line was understood
};

TrackerOptionsResult parseTrackerOptions(const std::vector<std::string>& args);

std::string trackerUsage();

}  // namespace orvant::tracker

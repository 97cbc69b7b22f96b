#pragma once

#include <string>
#include <vector>

#include "tracker/live_sky.h"
#include "tracker/tracker.h"
#include "tracker/tracker_texts.h"

namespace orvant::tracker {

// Texts served in turn, the last one repeated; `texts` must not be empty.
TextSource replayTexts(std::vector<std::string> texts);

// Texts computed at each request's time for the satellite `name` in `sky`, in the layout of the
// program `programWord` ("nova", "wintrak", "winorbit" or "wisp").
TextSource liveTexts(const std::string& programWord, const std::string& name, LiveSky sky,
                     bool flipAdvised, WispRadio radio);

}  // namespace orvant::tracker

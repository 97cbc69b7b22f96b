#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/local_time.h"

namespace orvant {

class FileSystem;

// What `orvant --passes[=HOURS] [--format=csv] [NAME...]` asks for.
struct PassTableRequest {
    double hours = 24;
    bool csv = false;
    std::vector<std::string> names;  // none: every satellite file of the program directory
};

// Prints the passes over the station from `now` (the program's clock, local time) for the hours
// asked, one line a pass sorted by rise time, read from the station files of the current folder
// of `files` (ORV.CFG, the satellite files of its program directory, the element file) and by
// the orbit model it chooses: rise time and azimuth, time and elevation of the highest point, set
// time and azimuth and the length, in local time; or the same as CSV. A satellite without an
// orbit (KWIP, PARK) is left out unless named. Touches neither the card, nor the radios, nor the
// hand-off entry. A satellite it cannot list is said on `err` and the others are listed.
// Returns the exit status: 0, or 1 when ORV.CFG cannot be read or a satellite not listed.
int printPassTable(const PassTableRequest& request, const LocalDateTime& now, FileSystem& files,
                   std::ostream& out, std::ostream& err);

}  // namespace orvant

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/local_time.h"

namespace orvant {

// The program's own options (words starting with "--"); the remaining words form the station's
// command line.
struct Options {
    bool help = false;
    bool version = false;
    bool headless = false;
    bool sim = false;
    std::optional<LocalDateTime> clock;           // run on a virtual clock from this local time
    std::optional<LocalDateTime> realClockStart;  // run at real speed from this local time
    std::optional<double> untilSeconds;           // press Exit after this much program time
    std::string eventsFile;
    std::string settingsFile;
    std::string traceFile;
    std::string portDevice;  // explicit parallel-port device, e.g. /dev/parport0
    std::string ddeFolder;   // where tracking programs' servers are found; empty: the default
    int ddeTimeoutMs = 5000;
    std::string rotctldAddress;         // where rotator clients are served; empty: not served
    std::string rigctldAddress;         // where radio clients are served; empty: not served
    std::optional<double> passesHours;  // print the pass table of this many hours, and end
    bool csv = false;                   // the pass table as CSV
    std::string commandLine;
};

inline const std::string kDefaultRotctldAddress = "127.0.0.1:4533";
inline const std::string kDefaultRigctldAddress = "127.0.0.1:4532";

struct OptionsResult {
    Options options;
    std::string error;  // empty when the options were understood
};

OptionsResult parseOptions(const std::vector<std::string>& args);

// What `--help` prints: the words, the options, the events file and the exit statuses.
std::string usageText();

// Reads "YYYY-MM-DDTHH:MM:SS".
std::optional<LocalDateTime> parseClock(const std::string& text);

}  // namespace orvant

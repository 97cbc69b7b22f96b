#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "controller/pc/rotctld_rotator.h"
#include "platform/local_time.h"

namespace orvant {

// What the program is asked to do. Only `RunStation` runs a station, and only it opens the
// settings file that holds the hand-off between instances: every other request answers and ends
// first, so asking for it never ends or disturbs a station that is running.
enum class Request { RunStation, Help, Version };

// The program's own options (words starting with "--"); the remaining words form the station's
// command line.
struct Options {
    Request request = Request::RunStation;
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
    std::string rotctldAddress;  // where rotator clients are served; empty: not served
    std::string rigctldAddress;  // where radio clients are served; empty: not served
    // The card of the PC's own: the serial device of each CAT channel (--cat1, --cat2; empty:
    // none) and the rotator's daemon (--rotator). Any of them puts that card behind the port.
    std::array<std::string, 2> catDevices;
    std::optional<pc::RotctldAddress> rotator;
    std::optional<double> passesHours;  // print the pass table of this many hours, and end
    bool csv = false;                   // the pass table as CSV
    std::string commandLine;
};

inline const std::string kDefaultRotctldAddress = "127.0.0.1:4533";
inline const std::string kDefaultRigctldAddress = "127.0.0.1:4532";

// Whether the options ask for the card of the PC's own.
bool pcCardAsked(const Options& o);

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

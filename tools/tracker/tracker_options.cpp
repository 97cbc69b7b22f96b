#include "tracker/tracker_options.h"

#include <charconv>
#include <optional>
#include <sstream>

namespace orvant::tracker {

namespace {

template <typename Number>
std::optional<Number> number(const std::string& text) {
    Number value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> count(const std::string& text) {
    const auto n = number<int>(text);
    return n && *n >= 0 ? n : std::nullopt;
}

// "LAT,LON[,HEIGHT]" in degrees (east positive) and metres.
bool parseStation(const std::string& text, Observer& o) {
    std::vector<double> values;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');) {
        const auto v = number<double>(part);
        if (!v) return false;
        values.push_back(*v);
    }
    if (values.size() < 2 || values.size() > 3) return false;
    o.latitudeDeg = values[0];
    o.longitudeDeg = values[1];
    o.heightM = values.size() == 3 ? values[2] : 0;
    return true;
}

// Options that take a count; false when `name` is none of them.
bool countOption(const std::string& name, const std::string& value, TrackerOptions& o,
                 std::string& error) {
    std::optional<int> echoes;
    std::optional<int>* target = name == "--stall-after"         ? &o.faults.stallAfter
                                 : name == "--close-mid-request" ? &o.faults.closeMidRequestAfter
                                 : name == "--exit-after"        ? &o.faults.exitAfter
                                 : name == "--tune-echoes"       ? &echoes
                                                                 : nullptr;
    if (!target) return false;
    *target = count(value);
    if (!*target) error = name + " wants a count, not " + value;
    if (echoes) o.tuneEchoes = *echoes;
    return true;
}

// Options written NAME=VALUE; false when `name` is none of them.
bool valueOption(const std::string& name, const std::string& value, TrackerOptions& o,
                 std::string& error) {
    if (name == "--as") {
        const auto p = programNamed(value);
        if (p)
            o.program = *p;
        else
            error = "--as wants nova, wintrak, winorbit or wisp, not " + value;
    } else if (name == "--dde-dir") {
        o.folder = value;
    } else if (name == "--elements") {
        o.elementsFile = value;
    } else if (name == "--catalog" || name == "--satellite") {
        o.satellite = value;
    } else if (name == "--station") {
        o.stationGiven = parseStation(value, o.observer);
        if (!o.stationGiven) error = "--station wants LAT,LON[,HEIGHT], not " + value;
    } else if (name == "--utc-offset") {
        const auto hours = number<double>(value);
        if (hours)
            o.observer.utcOffsetHours = *hours;
        else
            error = "--utc-offset wants hours, not " + value;
    } else if (name == "--uplink" || name == "--downlink") {
        const auto hz = number<double>(value);
        if (!hz) error = name + " wants hertz, not " + value;
        (name == "--uplink" ? o.radio.uplinkHz : o.radio.downlinkHz) = hz.value_or(0);
    } else if (name == "--replay") {
        o.replayFile = value;
    } else {
        return countOption(name, value, o, error);
    }
    return true;
}

bool flagOption(const std::string& arg, TrackerOptions& o) {
    if (arg == "--help")
        o.help = true;
    else if (arg == "--flip")
        o.flipAdvised = true;
    else if (arg == "--verbose")
        o.verbose = true;
    else if (arg == "--stall")
        o.faults.stallAfter = 0;
    else if (arg == "--close-mid-request")
        o.faults.closeMidRequestAfter = 0;
    else
        return false;
    return true;
}

// What the options leave undecided: a program, and one complete source of texts.
std::string missing(const TrackerOptions& o) {
    if (o.program.word.empty()) return "--as is needed";
    const bool live = !o.elementsFile.empty() || !o.satellite.empty() || o.stationGiven;
    if (live == !o.replayFile.empty())
        return "either --replay or --elements, --catalog and --station are needed";
    if (live && (o.elementsFile.empty() || o.satellite.empty() || !o.stationGiven))
        return "live texts need --elements, --catalog (or --satellite) and --station";
    if (live && o.program.word == "wisp" && (o.radio.uplinkHz <= 0 || o.radio.downlinkHz <= 0))
        return "wisp needs --uplink and --downlink";
    return "";
}

}  // namespace

TrackerOptionsResult parseTrackerOptions(const std::vector<std::string>& args) {
    TrackerOptionsResult r;
    for (const std::string& arg : args) {
        const std::size_t equals = arg.find('=');
        const bool known =
            equals == std::string::npos
                ? flagOption(arg, r.options)
                : valueOption(arg.substr(0, equals), arg.substr(equals + 1), r.options, r.error);
        if (!known) r.error = "unknown option " + arg;
        if (!r.error.empty()) return r;
    }
    if (!r.options.help) r.error = missing(r.options);
    return r;
}

std::string trackerUsage() {
    return "usage: orvant-tracker --as=nova|wintrak|winorbit|wisp [OPTION]...\n"
           "\n"
           "Stands in for a tracking program: serves its conversation in the folder where\n"
           "orvant looks for it, with texts in that program's layout.\n"
           "\n"
           "Live texts, computed for the local time each request carries:\n"
           "  --elements=FILE       two-line element file\n"
           "  --catalog=N           the satellite by catalog number (or --satellite=NAME)\n"
           "  --station=LAT,LON[,HEIGHT]  degrees north and east, metres\n"
           "  --utc-offset=HOURS    hours to subtract from the asking program's clock for UTC\n"
           "  --flip                NOVA advises flip mode\n"
           "  --uplink=HZ --downlink=HZ  WISP's nominal frequencies (sent Doppler-corrected)\n"
           "Replayed texts:\n"
           "  --replay=FILE         one text a line, served in turn, the last one repeated\n"
           "Other options:\n"
           "  --dde-dir=DIR         the conversation folder (default $XDG_RUNTIME_DIR/orvant-dde)\n"
           "  --tune-echoes=N       NOVA answers \"TUNE ON\" N times after that poke (default 1)\n"
           "  --stall               never answer a request (--stall-after=N: after N answers)\n"
           "  --close-mid-request[=N]  hang up on each request after N answers (default 0)\n"
           "  --exit-after=N        stop after N answers\n"
           "  --verbose             one line per message on standard error\n"
           "  --help                this text\n"
           "\n"
           "Exit status: 0 stopped (SIGTERM, SIGINT or --exit-after), 1 the name is already\n"
           "served or cannot be served, 2 wrong options or files.\n";
}

}  // namespace orvant::tracker

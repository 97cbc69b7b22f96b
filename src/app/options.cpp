#include "app/options.h"

#include <charconv>
#include <cstdio>

namespace orvant {

namespace {

bool valueOf(const std::string& arg, const std::string& name, std::string& value) {
    const std::string prefix = name + "=";
    if (arg.rfind(prefix, 0) != 0) return false;
    value = arg.substr(prefix.size());
    return true;
}

std::optional<double> parseSeconds(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// The hours of a pass table: more than none, at most a leap year.
std::optional<double> parseHours(const std::string& text) {
    constexpr double kMostHours = 366 * 24;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !(value > 0) || value > kMostHours)
        return std::nullopt;
    return value;
}

std::optional<int> parsePositiveInt(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value <= 0) return std::nullopt;
    return value;
}

bool validDate(const LocalDateTime& t) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= kDays[t.month - 1] &&
           t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
           t.second < 60;
}

// "rotctld" or "rotctld:HOST:PORT".
std::optional<pc::RotctldAddress> parseRotator(const std::string& text) {
    const std::string prefix = "rotctld";
    if (text == prefix) return pc::RotctldAddress{};
    if (text.rfind(prefix + ":", 0) != 0) return std::nullopt;
    const std::string where = text.substr(prefix.size() + 1);
    const std::size_t colon = where.rfind(':');
    if (colon == std::string::npos || colon == 0) return std::nullopt;
    const std::optional<int> port = parsePositiveInt(where.substr(colon + 1));
    if (!port || *port > 65535) return std::nullopt;
    return pc::RotctldAddress{where.substr(0, colon), *port};
}

// The host and port of an "ADDR:PORT" address; the port is 0 when there is none.
std::pair<std::string, int> hostAndPort(const std::string& address) {
    const std::size_t colon = address.rfind(':');
    if (colon == std::string::npos) return {address, 0};
    return {address.substr(0, colon), parsePositiveInt(address.substr(colon + 1)).value_or(0)};
}

// Whether `host` names this machine: a loopback or wildcard address, or the address the
// program's own server listens on.
bool thisMachine(const std::string& host, const std::string& serverHost) {
    return host == serverHost || host == "localhost" || host == "ip6-localhost" || host == "::1" ||
           host == "::" || host == "0.0.0.0" || host.rfind("127.", 0) == 0;
}

// The rotator's daemon and the program's own rotator server both on one port of this machine:
// the program would talk to itself (or find the port taken).
std::string rotctldClash(const Options& o) {
    if (!o.rotator || o.rotctldAddress.empty()) return "";
    const auto [serverHost, serverPort] = hostAndPort(o.rotctldAddress);
    if (serverPort != o.rotator->port || !thisMachine(o.rotator->host, serverHost)) return "";
    const int other = serverPort < 65535 ? serverPort + 1 : serverPort - 1;
    return "--rotctld and --rotator=rotctld both use port " + std::to_string(serverPort) +
           " of this machine: give --rotctld another port, for example --rotctld=" + serverHost +
           ":" + std::to_string(other);
}

// Options that cannot go together.
std::string conflictOf(const Options& o) {
    if (pcCardAsked(o) && o.sim)
        return "--sim simulates the controller card; it does not go with --cat1, --cat2 or "
               "--rotator";
    if (pcCardAsked(o) && !o.portDevice.empty())
        return "--port names the controller card's parallel port; it does not go with --cat1, "
               "--cat2 or --rotator";
    return rotctldClash(o);
}

}  // namespace

bool pcCardAsked(const Options& o) {
    return !o.catDevices[0].empty() || !o.catDevices[1].empty() || o.rotator.has_value();
}

std::optional<LocalDateTime> parseClock(const std::string& text) {
    LocalDateTime t;
    char sep = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d%n", &t.year, &t.month, &t.day, &sep,
                    &t.hour, &t.minute, &t.second, &consumed) != 7 ||
        sep != 'T' || consumed != static_cast<int>(text.size()) || !validDate(t))
        return std::nullopt;
    return t;
}

OptionsResult parseOptions(const std::vector<std::string>& args) {
    OptionsResult result;
    Options& o = result.options;
    std::string words;
    for (const std::string& arg : args) {
        std::string value;
        if (arg.rfind("--", 0) != 0) {
            words += (words.empty() ? "" : " ") + arg;
        } else if (arg == "--help") {
            o.request = Request::Help;
        } else if (arg == "--version") {
            if (o.request != Request::Help) o.request = Request::Version;
        } else if (arg == "--headless") {
            o.headless = true;
        } else if (arg == "--sim") {
            o.sim = true;
        } else if (valueOf(arg, "--clock", value)) {
            o.clock = parseClock(value);
            if (!o.clock) result.error = "--clock wants YYYY-MM-DDTHH:MM:SS, not " + value;
        } else if (valueOf(arg, "--real-clock", value)) {
            o.realClockStart = parseClock(value);
            if (!o.realClockStart)
                result.error = "--real-clock wants YYYY-MM-DDTHH:MM:SS, not " + value;
        } else if (valueOf(arg, "--until", value)) {
            o.untilSeconds = parseSeconds(value);
            if (!o.untilSeconds) result.error = "--until wants a number of seconds, not " + value;
        } else if (valueOf(arg, "--events", value)) {
            o.eventsFile = value;
        } else if (valueOf(arg, "--settings", value)) {
            o.settingsFile = value;
        } else if (valueOf(arg, "--trace", value)) {
            o.traceFile = value;
        } else if (valueOf(arg, "--port", value)) {
            o.portDevice = value;
        } else if (arg == "--rotctld") {
            o.rotctldAddress = kDefaultRotctldAddress;
        } else if (valueOf(arg, "--rotctld", value)) {
            o.rotctldAddress = value;
        } else if (arg == "--rigctld") {
            o.rigctldAddress = kDefaultRigctldAddress;
        } else if (valueOf(arg, "--rigctld", value)) {
            o.rigctldAddress = value;
        } else if (valueOf(arg, "--cat1", value)) {
            o.catDevices[0] = value;
        } else if (valueOf(arg, "--cat2", value)) {
            o.catDevices[1] = value;
        } else if (valueOf(arg, "--rotator", value)) {
            o.rotator = parseRotator(value);
            if (!o.rotator)
                result.error = "--rotator wants rotctld or rotctld:HOST:PORT, not " + value;
        } else if (arg == "--passes") {
            o.passesHours = 24;
        } else if (valueOf(arg, "--passes", value)) {
            o.passesHours = parseHours(value);
            if (!o.passesHours)
                result.error = "--passes wants a number of hours up to 8784, not " + value;
        } else if (valueOf(arg, "--format", value)) {
            o.csv = value == "csv";
            if (value != "csv" && value != "table")
                result.error = "--format wants csv or table, not " + value;
        } else if (valueOf(arg, "--dde-dir", value)) {
            o.ddeFolder = value;
        } else if (valueOf(arg, "--dde-timeout", value)) {
            const auto ms = parsePositiveInt(value);
            if (ms)
                o.ddeTimeoutMs = *ms;
            else
                result.error = "--dde-timeout wants a number of milliseconds, not " + value;
        } else {
            result.error = "unknown option " + arg;
        }
    }
    o.commandLine = words;
    if (result.error.empty()) result.error = conflictOf(o);
    return result;
}

std::string usageText() {
    return "usage: orvant [OPTION]... [SATELLITE | MODE] [DEMO]\n"
           "       orvant --passes[=HOURS] [--format=csv] [OPTION]... [SATELLITE]...\n"
           "\n"
           "Tracks a satellite with the station's rotator and radios, from the station files of\n"
           "the current folder. The words name the satellite file (without .SAT) or the tracking\n"
           "program to follow; a closing DEMO runs the demonstration.\n"
           "\n"
           "Options:\n"
           "  --headless          no window: status lines on the output, message boxes on the\n"
           "                      error stream (also the run when no desktop is present)\n"
           "  --sim               the simulated controller card and radios instead of the port\n"
           "  --clock=YYYY-MM-DDTHH:MM:SS\n"
           "                      run on a virtual clock from this local time\n"
           "  --real-clock=YYYY-MM-DDTHH:MM:SS\n"
           "                      run at real speed on a clock set to this local time\n"
           "  --until=SECONDS     press Exit after this much program time\n"
           "  --events=FILE       operator input from FILE, one event a line:\n"
           "                        SECONDS click|dblclick CONTROL\n"
           "                        SECONDS keys CONTROL TEXT   (\\r Enter, \\b Backspace)\n"
           "                        SECONDS set CONTROL VALUE\n"
           "                        SECONDS select CONTROL ENTRY\n"
           "                      input that comes while its control is hidden or\n"
           "                      disabled is refused (exit status 2); a control of\n"
           "                      another window is named after it (Form3.Command1)\n"
           "  --settings=FILE     the settings store (the hand-off entry) in FILE; a\n"
           "                      station started on it ends the one running there\n"
           "  --trace=FILE        write the trace of the run to FILE\n"
           "  --port=DEVICE       the parallel-port device, e.g. /dev/parport0\n"
           "  --dde-dir=DIR       the folder where tracking programs serve their\n"
           "                      conversations (default $XDG_RUNTIME_DIR/orvant-dde)\n"
           "  --dde-timeout=MS    how long a tracking program may take to answer\n"
           "                      (default 5000)\n"
           "  --rotctld[=ADDR:PORT]\n"
           "                      serve rotator clients (gpredict, rotctl) on this\n"
           "                      address (default 127.0.0.1:4533); their positions\n"
           "                      take the place of the orbit model\n"
           "  --rigctld[=ADDR:PORT]\n"
           "                      serve radio clients (gpredict, rigctl) on this\n"
           "                      address (default 127.0.0.1:4532); the frequencies\n"
           "                      they set go to the satellite's radios\n"
           "  --cat1=DEVICE, --cat2=DEVICE\n"
           "                      the serial device (e.g. /dev/ttyUSB0) of the\n"
           "                      radios on the card's CAT channel 1 or 2: the\n"
           "                      PC does the controller card's work itself\n"
           "  --rotator=rotctld[:HOST:PORT]\n"
           "                      the rotator through Hamlib's rotctld (default\n"
           "                      localhost:4533), with the PC doing the card's work\n"
           "  --passes[=HOURS]    print the passes of the named satellites (all with an\n"
           "                      orbit when none is named) from the program's clock on\n"
           "                      for HOURS (default 24), and end; the card, the radios\n"
           "                      and a running station are left alone\n"
           "  --format=csv        the pass table as CSV (default: table)\n"
           "  --help              this text\n"
           "  --version           the program's version\n"
           "\n"
           "Exit status: 0 ended by the operator, by parking or by a newer instance, 1 ended by a\n"
           "fatal error or for want of station files, 2 wrong options, events file, conversation\n"
           "folder, settings file or CAT device, 3 internal error.\n";
}

}  // namespace orvant

#include "links/net_commands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace orvant {

namespace {

using Words = std::vector<std::string>;

// What one command gives: its result code, the values it reports and the station's part.
struct Outcome {
    int code = rprt::kOk;
    std::vector<std::string> values;
    NetRequest request;
    bool silent = false;  // no reply at all
};

template <typename Facts>
struct Command {
    char letter;  // 0: served by its long name only
    const char* name;
    std::size_t arguments;
    std::vector<const char*> labels;  // one per value, for the extended form
    Outcome (*run)(const Words& args, const Facts& facts);
};

Words wordsOf(const std::string& text) {
    std::istringstream in(text);
    Words words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// A number as clients write it ("180", "45.000000"); nothing for anything else.
bool numberOf(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && stop == end && std::isfinite(value);
}

std::string fixed(double value, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

Outcome failed(int code) {
    return {code, {}, {}};
}

NetRequest requestOf(NetRequestKind kind) {
    NetRequest request;
    request.kind = kind;
    return request;
}

Outcome asks(NetRequest request) {
    return {rprt::kOk, {}, std::move(request)};
}

Outcome tells(std::vector<std::string> values) {
    return {rprt::kOk, std::move(values), {}};
}

template <typename Facts>
const Command<Facts>* findCommand(const std::vector<Command<Facts>>& table,
                                  const std::string& word) {
    for (const Command<Facts>& command : table) {
        const bool byName = word.size() > 1 && word[0] == '\\' && word.substr(1) == command.name;
        const bool byLetter = word.size() == 1 && command.letter != 0 && word[0] == command.letter;
        if (byName || byLetter) return &command;
    }
    return nullptr;
}

std::string reportLine(int code) {
    return "RPRT " + std::to_string(code) + "\n";
}

// The plain form: values one a line, or "RPRT n" for a command that reports none or failed.
std::string plainReply(const Outcome& outcome) {
    if (outcome.code != rprt::kOk || outcome.values.empty()) return reportLine(outcome.code);
    std::string reply;
    for (const std::string& value : outcome.values) reply += value + "\n";
    return reply;
}

// The extended form: "name: arguments", each value under its label, then "RPRT n".
template <typename Facts>
std::string extendedReply(const Command<Facts>& command, const Words& args,
                          const Outcome& outcome) {
    std::string reply = std::string(command.name) + ":";
    for (const std::string& arg : args) reply += " " + arg;
    reply += "\n";
    for (std::size_t i = 0; outcome.code == rprt::kOk && i < outcome.values.size(); ++i) {
        const char* label = i < command.labels.size() ? command.labels[i] : "";
        reply += *label ? std::string(label) + ": " + outcome.values[i] + "\n"
                        : outcome.values[i] + "\n";
    }
    return reply + reportLine(outcome.code);
}

template <typename Facts>
NetAnswer answerLine(const std::vector<Command<Facts>>& table, const std::string& line,
                     const Facts& facts) {
    if (line.size() > kMaxNetLine) return {tooLongReply(), {}};
    const bool extended = !line.empty() && line[0] == '+';
    Words words = wordsOf(extended ? line.substr(1) : line);
    if (words.empty()) return {reportLine(rprt::kInvalid), {}};
    const Command<Facts>* command = findCommand(table, words[0]);
    if (!command) return {reportLine(rprt::kNotImplemented), {}};
    const Words args(words.begin() + 1, words.end());
    const Outcome outcome =
        args.size() == command->arguments ? command->run(args, facts) : failed(rprt::kInvalid);
    const std::string reply = outcome.silent ? ""
                              : extended     ? extendedReply(*command, args, outcome)
                                             : plainReply(outcome);
    return {reply, outcome.code == rprt::kOk ? outcome.request : NetRequest{}};
}

// ----- The rotator -----

std::string rotatorState(const RotatorFacts& f) {
    return "1\n1\nmin_az=" + fixed(f.minAzimuth, 6) + "\nmax_az=" + fixed(f.maxAzimuth, 6) +
           "\nmin_el=0.000000\nmax_el=180.000000\nsouth_zero=0\nrot_type=AzEl\ndone";
}

Outcome pointAt(const Words& args, const RotatorFacts& f) {
    double az = 0, el = 0;
    if (!numberOf(args[0], az) || !numberOf(args[1], el) || az < f.minAzimuth ||
        az > f.maxAzimuth || el < 0 || el > 180)
        return failed(rprt::kInvalid);
    return asks({NetRequestKind::Point, az, el, {}});
}

const std::vector<Command<RotatorFacts>> kRotatorCommands = {
    {'P', "set_pos", 2, {}, pointAt},
    {'p',
     "get_pos",
     0,
     {"Azimuth", "Elevation"},
     [](const Words&, const RotatorFacts& f) {
         return tells({fixed(f.azimuth, 2), fixed(f.elevation, 2)});
     }},
    {'S',
     "stop",
     0,
     {},
     [](const Words&, const RotatorFacts&) { return asks(requestOf(NetRequestKind::Stop)); }},
    {'K',
     "park",
     0,
     {},
     [](const Words&, const RotatorFacts&) { return asks(requestOf(NetRequestKind::Park)); }},
    {'_',
     "get_info",
     0,
     {"Info"},
     [](const Words&, const RotatorFacts&) { return tells({"ORVANT rotator"}); }},
    {0,
     "dump_state",
     0,
     {},
     [](const Words&, const RotatorFacts& f) { return tells({rotatorState(f)}); }},
    // A rotator client that quits is let go without a word.
    {'q',
     "quit",
     0,
     {},
     [](const Words&, const RotatorFacts&) {
         return Outcome{rprt::kOk, {}, requestOf(NetRequestKind::Close), true};
     }},
};

// ----- The radio -----

std::string bandLines(const HzRanges& ranges) {
    std::string bands;
    for (const auto& [low, high] : ranges)
        bands += fixed(low, 6) + " " + fixed(high, 6) + " 0x1ff -1 -1 0x3 0x1\n";
    return bands + "0 0 0 0 0 0 0\n";
}

// The radio's capabilities as a client reads them at connection: the downlink radio's bands to
// receive, the uplink radio's to send, in all modes.
std::string radioState(const RadioFacts& f) {
    return "1\n1\n0\n" + bandLines(f.downlinkRangesHz) + bandLines(f.uplinkRangesHz) +
           "0x1ff 1\n0 0\n0x1ff 15000\n0 0\n0\n0\n0\n0\n0 \n0 \n"
           "0x0\n0x0\n0x0\n0x0\n0x0\n0x0\n"
           "vfo_ops=0x0\nptt_type=0x0\ntargetable_vfo=0x0\nhas_set_vfo=1\nhas_get_vfo=1\n"
           "has_set_freq=1\nhas_get_freq=1\ntimeout=0\ndone";
}

bool inSomeRange(const HzRanges& ranges, double hz) {
    for (const auto& [low, high] : ranges)
        if (hz >= low && hz <= high) return true;
    return false;
}

Outcome tune(const Words& args, const HzRanges& ranges, NetRequestKind kind) {
    double hz = 0;
    if (!numberOf(args[0], hz) || !inSomeRange(ranges, hz)) return failed(rprt::kInvalid);
    return asks({kind, hz, 0, {}});
}

// A mode for the link of the client's VFO, which that link's radio must take.
Outcome setMode(const Words& args, const RadioFacts& f) {
    const bool uplink = isUplinkVfo(f.vfo);
    const ModeNames& taken = uplink ? f.uplinkModes : f.downlinkModes;
    double passband = 0;
    if (std::find(taken.begin(), taken.end(), args[0]) == taken.end() ||
        !numberOf(args[1], passband) || passband < 0)
        return failed(rprt::kInvalid);
    return asks(
        {uplink ? NetRequestKind::SetUplinkMode : NetRequestKind::SetDownlinkMode, 0, 0, args[0]});
}

// The VFO names Hamlib's clients send.
bool knownVfo(const std::string& name) {
    for (const char* known : {"VFOA", "VFOB", "VFOC", "currVFO", "VFO", "MEM", "Main", "Sub",
                              "MainA", "MainB", "SubA", "SubB", "TX", "RX"})
        if (name == known) return true;
    return false;
}

Outcome selectVfo(const Words& args, const RadioFacts&) {
    if (!knownVfo(args[0])) return failed(rprt::kInvalid);
    return asks({NetRequestKind::SelectVfo, 0, 0, args[0]});
}

// A frequency a client reads, and its wish for a fresh read of that link's dial.
Outcome hertz(double hz, NetRequestKind read) {
    return {rprt::kOk, {fixed(hz, 0)}, requestOf(read)};
}

Outcome accepted(const Words&, const RadioFacts&) {
    return {};
}

const std::vector<Command<RadioFacts>> kRadioCommands = {
    {'F',
     "set_freq",
     1,
     {},
     [](const Words& a, const RadioFacts& f) {
         return isUplinkVfo(f.vfo) ? tune(a, f.uplinkRangesHz, NetRequestKind::SetUplink)
                                   : tune(a, f.downlinkRangesHz, NetRequestKind::SetDownlink);
     }},
    {'f',
     "get_freq",
     0,
     {"Frequency"},
     [](const Words&, const RadioFacts& f) {
         return isUplinkVfo(f.vfo) ? hertz(f.uplinkHz, NetRequestKind::ReadUplink)
                                   : hertz(f.downlinkHz, NetRequestKind::ReadDownlink);
     }},
    {'I',
     "set_split_freq",
     1,
     {},
     [](const Words& a, const RadioFacts& f) {
         return tune(a, f.uplinkRangesHz, NetRequestKind::SetUplink);
     }},
    {'i',
     "get_split_freq",
     0,
     {"TX Frequency"},
     [](const Words&, const RadioFacts& f) {
         return hertz(f.uplinkHz, NetRequestKind::ReadUplink);
     }},
    {'M', "set_mode", 2, {}, setMode},
    {'m',
     "get_mode",
     0,
     {"Mode", "Passband"},
     [](const Words&, const RadioFacts& f) {
         return tells({isUplinkVfo(f.vfo) ? f.uplinkMode : f.downlinkMode, "15000"});
     }},
    {'V', "set_vfo", 1, {}, selectVfo},
    {'v', "get_vfo", 0, {"VFO"}, [](const Words&, const RadioFacts& f) { return tells({f.vfo}); }},
    {'S', "set_split_vfo", 2, {}, accepted},
    {'s',
     "get_split_vfo",
     0,
     {"Split", "TX VFO"},
     [](const Words&, const RadioFacts&) {
         return tells({"1", "VFOB"});
     }},
    {'T', "set_ptt", 1, {}, accepted},
    {'t', "get_ptt", 0, {"PTT"}, [](const Words&, const RadioFacts&) { return tells({"0"}); }},
    {0, "chk_vfo", 0, {"ChkVFO"}, [](const Words&, const RadioFacts&) { return tells({"0"}); }},
    {0,
     "get_powerstat",
     0,
     {"Power Status"},
     [](const Words&, const RadioFacts&) { return tells({"1"}); }},
    {0,
     "get_lock_mode",
     0,
     {"Locked"},
     [](const Words&, const RadioFacts&) { return tells({"0"}); }},
    {'_',
     "get_info",
     0,
     {"Info"},
     [](const Words&, const RadioFacts&) { return tells({"ORVANT radios"}); }},
    {0,
     "dump_state",
     0,
     {},
     [](const Words&, const RadioFacts& f) { return tells({radioState(f)}); }},
    {'q',
     "quit",
     0,
     {},
     [](const Words&, const RadioFacts&) { return asks(requestOf(NetRequestKind::Close)); }},
};

}  // namespace

bool isUplinkVfo(const std::string& name) {
    return name == "VFOB" || name == "Sub" || name == "SubA" || name == "SubB" || name == "TX";
}

NetAnswer answerRotatorLine(const std::string& line, const RotatorFacts& facts) {
    return answerLine(kRotatorCommands, line, facts);
}

NetAnswer answerRadioLine(const std::string& line, const RadioFacts& facts) {
    return answerLine(kRadioCommands, line, facts);
}

std::string tooLongReply() {
    return reportLine(rprt::kInvalid);
}

}  // namespace orvant

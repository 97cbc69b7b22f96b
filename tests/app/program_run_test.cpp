// Runs of the orvant program itself on copies of the sample station: start-up and its fatal
// dialogs, the command-line forms, line ends, the instance hand-off, Exit, and a real pass.

#include "support/program_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <future>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/fatal_dialogs.h"
#include "platform/trace.h"
#include "support/station_harness.h"

namespace orvant {
namespace {

namespace fs = std::filesystem;
using testing::ProgramRun;
using testing::readText;
using testing::TempDir;

const std::string kVersion = "Ver 2.2.14";
const std::string kDate = "April. 2002";
const std::string kHandoffLine = "ORVANT\tStartup\tLeft\tORVANT";
// AO-7 is in view over the sample station from about 04:26 to 04:49 local time.
const std::string kDuringPass = "2018-01-21T04:30:00";
// FO-29's shutdown message (one IC-910 serves both links), as it stands in frame slots 2..9.
const std::vector<int> kIc910Shutdown = {254, 254, 96, 224, 26, 7, 0, 253};

// What a run leaves behind: its trace and its status lines.

struct TraceEvent {
    std::int64_t t = 0;
    std::string ev;
    std::string line;
};

std::string fieldText(const std::string& line, const std::string& key) {
    const std::string tag = "\"" + key + "\":";
    const std::size_t at = line.find(tag);
    if (at == std::string::npos) return {};
    const std::size_t from = at + tag.size();
    const std::size_t end =
        line[from] == '"' ? line.find('"', from + 1) + 1 : line.find_first_of(",}", from);
    return line.substr(from, end - from);
}

// The trace's events, or only those of kind `only`.
std::vector<TraceEvent> eventsOf(const std::string& trace, const std::string& only = "") {
    std::vector<TraceEvent> events;
    std::istringstream lines(trace);
    std::string line;
    while (std::getline(lines, line)) {
        std::string ev = fieldText(line, "ev");
        ev = ev.substr(1, ev.size() - 2);
        if (only.empty() || ev == only)
            events.push_back({std::stoll(fieldText(line, "t")), ev, line});
    }
    return events;
}

// The reason of the run's one "end" event; what the program said instead when there is none.
std::string endReason(const ProgramRun& run) {
    const std::vector<TraceEvent> ends = eventsOf(run.trace, "end");
    if (ends.size() != 1) return "no end: " + run.err;
    const std::string reason = fieldText(ends[0].line, "reason");
    return reason.substr(1, reason.size() - 2);
}

// A frame as it was sent; slot(n) is frame slot n (1..66).
struct Frame {
    std::int64_t t = 0;
    std::vector<int> slots;
    int slot(int n) const { return slots.at(static_cast<std::size_t>(n - 1)); }
    int azTarget() const { return 256 * slot(45) + slot(46); }
    int elTarget() const { return 256 * slot(47) + slot(48); }
    bool carries(const std::vector<int>& message) const {
        return std::equal(message.begin(), message.end(), slots.begin() + 1);
    }
};

std::vector<Frame> framesOf(const ProgramRun& run) {
    std::vector<Frame> frames;
    for (const TraceEvent& e : eventsOf(run.trace, "frame")) {
        const std::size_t open = e.line.find("\"slots\":[");
        if (open == std::string::npos) continue;  // the card was busy: nothing sent
        Frame frame{e.t, {}};
        std::istringstream values(e.line.substr(open + 9));
        int value = 0;
        char separator = 0;
        while (values >> value) {
            frame.slots.push_back(value);
            if (!(values >> separator) || separator != ',') break;
        }
        frames.push_back(frame);
    }
    return frames;
}

struct StatusLine {
    std::string time;
    std::string sat;
    double satAz = 0, satEl = 0, rotAz = 0, rotEl = 0;
    std::string up, dn, state;
};

std::vector<StatusLine> statusLinesOf(const ProgramRun& run) {
    static const std::regex kLine(
        R"((\S+) sat (\S*) az (-?\d+) el (-?\d+) rot az ([\d.]+) el ([\d.]+) up (\S+) dn (\S+) (\w+))");
    std::vector<StatusLine> lines;
    std::istringstream out(run.out);
    std::string line;
    std::smatch m;
    while (std::getline(out, line)) {
        if (!std::regex_match(line, m, kLine)) throw std::runtime_error("status line: " + line);
        lines.push_back({m[1], m[2], std::stod(m[3]), std::stod(m[4]), std::stod(m[5]),
                         std::stod(m[6]), m[7], m[8], m[9]});
    }
    return lines;
}

std::set<std::string> satellitesShown(const ProgramRun& run) {
    std::set<std::string> names;
    for (const StatusLine& s : statusLinesOf(run)) names.insert(s.sat);
    return names;
}

// A copy of the sample station in a folder of its own, and runs of the program there.

enum class Card { Simulated, MissingDevice };

struct RunOptions {
    std::string clock = kDuringPass;  // empty: the real clock
    std::string until = "2";
    std::vector<std::string> extra = {};  // more options, e.g. --events
    Card card = Card::Simulated;
};

class StationCopy {
  public:
    explicit StationCopy(const std::string& name) : dir_(name) {
        fs::copy(fs::path(ORVANT_EXAMPLES_DIR) / "station", dir_.path(),
                 fs::copy_options::recursive);
    }

    fs::path path(const std::string& name) const { return dir_.path() / name; }
    std::string settings() const { return readText(path("settings")); }
    void write(const std::string& name, const std::string& bytes) const { dir_.write(name, bytes); }
    void remove(const std::string& name) const { fs::remove(path(name)); }

    // Gives the line of `file` that starts with `label` a new value (its text after the first
    // "=" up to the line end).
    void setValue(const std::string& file, const std::string& label,
                  const std::string& value) const {
        std::string text = readText(path(file));
        const std::size_t line = text.find("\n" + label);
        if (line == std::string::npos) throw std::logic_error(file + " has no line " + label);
        const std::size_t from = text.find('=', line) + 1;
        text.replace(from, text.find_first_of("\r\n", from) - from, value);
        write(file, text);
    }

    // Every station file with bare line feeds instead of carriage return + line feed.
    void useBareLineFeeds() const {
        for (const fs::directory_entry& e : fs::directory_iterator(dir_.path())) {
            std::string text = readText(e.path());
            std::erase(text, '\r');
            write(e.path().filename().string(), text);
        }
    }

    ProgramRun run(const std::vector<std::string>& words, const RunOptions& o = {}) const {
        return testing::runProgram(dir_.path(), arguments(words, o, "trace.jsonl"));
    }

    std::vector<std::string> arguments(const std::vector<std::string>& words, const RunOptions& o,
                                       const std::string& trace) const {
        std::vector<std::string> args{"--headless", "--settings=" + path("settings").string(),
                                      "--trace=" + path(trace).string()};
        if (o.card == Card::Simulated)
            args.push_back("--sim");
        else
            args.push_back("--port=/nonexistent/parport");  // never a real port
        if (!o.clock.empty()) args.push_back("--clock=" + o.clock);
        args.push_back("--until=" + o.until);
        args.insert(args.end(), o.extra.begin(), o.extra.end());
        args.insert(args.end(), words.begin(), words.end());
        return args;
    }

    // Options for a run in which the operator picks `file` from the file list after a second.
    RunOptions picking(const std::string& file) const {
        write("events", "1 select File1 " + file + "\n");
        return {.extra = {"--events=" + path("events").string()}};
    }

  private:
    TempDir dir_;
};

// A satellite file with too few values to read.
const std::string kBrokenSatelliteFile = "01 Catalog number =07530\r\n02 Uplink =145.9\r\n";

// Fatal dialogs at start-up: the dialog, the end, and nothing sent after it.

struct FatalCase {
    std::string name;
    std::function<void(const StationCopy&)> damage;
    std::vector<std::string> words;
    std::function<std::string()> expectedText;
    Card card = Card::Simulated;
    std::string reason = "fatal";
};

void PrintTo(const FatalCase& c, std::ostream* out) {
    *out << c.name;
}

std::string badKepsFor(const std::string& satellite) {
    testing::StationHarness h;
    h.station.app.satName = satellite;
    return badKepsText(h.station);
}

std::string noDriverIn(const std::string& programDirectory) {
    testing::StationHarness h;
    h.station.cfg.programDirectory = programDirectory;
    return noDriverText(h.station);
}

using Damage = std::function<void(const StationCopy&)>;
Damage drop(std::vector<std::string> files) {
    return [=](const StationCopy& s) {
        for (const std::string& f : files) s.remove(f);
    };
}
Damage set(std::string file, std::string label, std::string value) {
    return [=](const StationCopy& s) { s.setValue(file, label, value); };
}
// Cuts `file` short at the first or last place `at` stands.
Damage cut(std::string file, std::string at, bool last) {
    return [=](const StationCopy& s) {
        const std::string text = readText(s.path(file));
        s.write(file, text.substr(0, last ? text.rfind(at) : text.find(at)));
    };
}

class FatalDialogRun : public ::testing::TestWithParam<FatalCase> {};

TEST_P(FatalDialogRun, ShowsItsDialogAndEndsWithoutShutdown) {
    const FatalCase& c = GetParam();
    const StationCopy station("fatal-" + c.name);
    c.damage(station);
    const ProgramRun run = station.run(c.words, {.card = c.card});

    EXPECT_EQ(run.exitCode, 1) << run.err;
    const std::vector<TraceEvent> events = eventsOf(run.trace);
    ASSERT_GE(events.size(), 2u) << run.err;
    // The dialog is the last thing before the end: no shutdown frame follows it.
    const TraceEvent& dialog = events[events.size() - 2];
    EXPECT_EQ(dialog.ev, "msgbox");
    EXPECT_EQ(fieldText(dialog.line, "text"), jsonString(c.expectedText()));
    EXPECT_EQ(eventsOf(run.trace, "msgbox").size(), 1u);
    EXPECT_EQ(endReason(run), c.reason);
    EXPECT_TRUE(eventsOf(run.trace, "cat").empty());
    EXPECT_EQ(station.settings().find("ORVANT"), std::string::npos);  // no hand-off entry
}

// clang-format off
const FatalCase kFatalCases[] = {
    {"ConfigurationFileMissing", drop({"ORV.CFG"}), {"AO-7"},
     [] { return noCfgFileText(kVersion, kDate, ""); }},
    {"ConfigurationFileLastValueUnended", cut("ORV.CFG", "\r\n", true), {"AO-7"},
     [] { return badCfgFileText(kVersion, kDate); }},
    {"RotatorTypeSeven", set("ORV.CFG", "22 ", "7"), {"AO-7"},
     [] { return badCfgFileText(kVersion, kDate); }},
    {"IntegerBeyond16Bits", set("ORV.CFG", "23 ", "40000"), {"AO-7"},
     [] { return badCfgFileText(kVersion, kDate); }},
    {"ProgramDirectoryMissing", set("ORV.CFG", "07 ", "Nowhere"), {"AO-7"},
     [] { return wrongDirText(kVersion, kDate, "NOWHERE"); }},
    {"SatelliteFileMissing", drop({}), {"AO-8"},
     [] { return noSatFileText(kVersion, kDate, "."); }},
    {"SatelliteFileWith25Values", cut("AO-7.SAT", "26 Reserved", false), {"AO-7"},
     [] { return badSatFileText(kVersion, kDate); }},
    {"CatalogNumberNotInElementFile", set("AO-7.SAT", "01 ", "99999"), {"AO-7"},
     [] { return badKepsFor("AO-7"); }},
    {"ElementFileMissing", drop({"KEPS.TLE"}), {"AO-7"},
     [] { return badKepsFor("AO-7"); }},
    {"ElementFileFolderMissing", set("ORV.CFG", "06 ", "NOFOLDER/KEPS.TLE"), {"AO-7"},
     [] { return wrongDirText(kVersion, kDate, "."); }},
    {"EccentricityAboveOne",
     [](const StationCopy& s) {
         std::string text = readText(s.path("KEPS.TLE"));
         const std::size_t line2 = text.find("2 07530 ");
         text.replace(line2 + 26, 7, "99E+01 ");  // reads as .99E+01, an eccentricity of 9.9
         s.write("KEPS.TLE", text);
     },
     {"AO-7"}, [] { return badKepsFor("AO-7"); }},
    {"NoPrinterPortDriver", drop({}), {"AO-7"}, [] { return noDriverIn("."); },
     Card::MissingDevice},
    // A folder without satellite files ends at the empty file list.
    {"NoSatelliteFiles",
     drop({"AO-7.SAT", "AO-27.SAT", "FO-29.SAT", "ISS.SAT", "KWIP.SAT", "PARK.SAT"}), {},
     [] { return noFilesText(kVersion, kDate); }, Card::Simulated, "nofiles"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(StartUp, FatalDialogRun, ::testing::ValuesIn(kFatalCases),
                         [](const auto& info) { return info.param.name; });

// Command-line forms.

bool anyTargetSent(const std::vector<Frame>& frames) {
    return std::any_of(frames.begin(), frames.end(),
                       [](const Frame& f) { return f.azTarget() > 0 && f.elTarget() > 0; });
}

void expectPlainExit(const ProgramRun& run) {
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(endReason(run), "exit");
    EXPECT_TRUE(eventsOf(run.trace, "msgbox").empty()) << run.err;
}

TEST(ProgramRunCommandLine, TwoWordsOrNoneShowTheFileListAndWaitForThePick) {
    const StationCopy station("two-words");
    const ProgramRun waiting = station.run({"AO-7", "X"});
    expectPlainExit(waiting);  // Exit pressed while the list waits
    for (const StatusLine& line : statusLinesOf(waiting)) {
        EXPECT_EQ(line.sat, "");
        EXPECT_EQ(line.state, "waiting");
    }
    EXPECT_EQ(framesOf(waiting).size(), 2u);  // only the card's wake-up frames

    const ProgramRun picked = station.run({"AO-7", "X"}, station.picking("AO-7.SAT"));
    expectPlainExit(picked);
    const std::vector<StatusLine> lines = statusLinesOf(picked);
    ASSERT_GE(lines.size(), 2u);  // the shutdown's messages may take the run into another second
    EXPECT_EQ(lines[0].sat, "");  // still waiting at the first second
    EXPECT_EQ(lines[0].state, "waiting");
    EXPECT_EQ(lines[1].sat, "AO-7");
    EXPECT_EQ(lines[1].state, "tracking");
    // The uplink shown is the Doppler-corrected one: off the base, by less than 10 kHz at 70 cm.
    EXPECT_NE(lines[1].up, "432.150001");
    EXPECT_NEAR(std::stod(lines[1].up), 432.15, 0.010);
    EXPECT_TRUE(anyTargetSent(framesOf(picked)));

    const ProgramRun none = station.run({}, station.picking("FO-29.SAT"));
    expectPlainExit(none);
    EXPECT_EQ(satellitesShown(none), (std::set<std::string>{"", "FO-29"}));
}

TEST(ProgramRunCommandLine, ANameWithABlankReadsTheFileWithADash) {
    // "OSCAR 10" is two words on the command line, so the list is shown; its entry
    // "OSCAR 10.SAT" then names the satellite OSCAR-10, whose file is OSCAR-10.SAT.
    const StationCopy station("blank-name");
    station.write("OSCAR-10.SAT", readText(station.path("AO-7.SAT")));
    station.write("OSCAR 10.SAT", kBrokenSatelliteFile);
    const ProgramRun run = station.run({"OSCAR 10"}, station.picking("OSCAR 10.SAT"));
    expectPlainExit(run);
    EXPECT_EQ(satellitesShown(run), (std::set<std::string>{"", "OSCAR-10"}));
    EXPECT_TRUE(anyTargetSent(framesOf(run)));
}

TEST(ProgramRunCommandLine, ParkAndKwipNeverOpenTheElementFile) {
    const StationCopy station("park-kwip");
    station.remove("KEPS.TLE");

    const ProgramRun kwip = station.run({"KWIP"});
    expectPlainExit(kwip);
    EXPECT_EQ(satellitesShown(kwip), std::set<std::string>{"KWIP"});

    // PARK parks the antennas at its forced azimuth, 180 degrees (count 409 on the 450-degree
    // rotator), in the 30 seconds the rotator needs to get there.
    const ProgramRun park = station.run({"PARK"}, {.until = "40"});
    expectPlainExit(park);
    const std::vector<Frame> frames = framesOf(park);
    EXPECT_TRUE(std::any_of(frames.begin(), frames.end(),
                            [](const Frame& f) { return f.azTarget() == 409; }));
    const std::vector<StatusLine> lines = statusLinesOf(park);
    ASSERT_FALSE(lines.empty());
    EXPECT_NEAR(lines.back().rotAz, 180, 3);
    EXPECT_NEAR(lines.back().rotEl, 0, 1);
}

TEST(ProgramRunCommandLine, WispWithFullDdeControlReadsNoSatelliteFile) {
    const StationCopy station("wisp");
    station.setValue("ORV.CFG", "32 ", "1");
    station.remove("KEPS.TLE");
    station.write("WISP.SAT", kBrokenSatelliteFile);
    station.write("DEFAULT.SAT", kBrokenSatelliteFile);
    const ProgramRun run = station.run({"WISP"});
    expectPlainExit(run);
    const std::vector<StatusLine> lines = statusLinesOf(run);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().sat, "DEFAULT");
    EXPECT_EQ(lines.back().up, "145.000001");  // the built-in values of DEFAULT
    EXPECT_EQ(lines.back().dn, "435.000001");
}

// The azimuth, in degrees, that a target count stands for on a 360-degree rotator whose count 0
// is south (rotator type 0).
double southOriginAzimuth(int counts) {
    return std::fmod(counts * 360.0 / 1023.0 + 180.0, 360.0);
}

TEST(ProgramRunCommandLine, ALowerCaseNameIsUpperCasedAndDemoForcesRotatorTypeZero) {
    const StationCopy station("demo");
    const ProgramRun plain = station.run({"ao-7"});
    expectPlainExit(plain);
    EXPECT_EQ(satellitesShown(plain), std::set<std::string>{"AO-7"});
    EXPECT_TRUE(anyTargetSent(framesOf(plain)));
    EXPECT_EQ(framesOf(plain).back().slot(49), 4);  // 2 degrees on the station's 450-degree type

    const ProgramRun demo = station.run({"AO-7", "DEMO"});
    expectPlainExit(demo);
    EXPECT_EQ(satellitesShown(demo), std::set<std::string>{"AO-7"});
    const std::vector<Frame> frames = framesOf(demo);
    ASSERT_TRUE(anyTargetSent(frames));
    EXPECT_EQ(frames.back().slot(49), 5);  // 2 degrees on a 360-degree type
    const double satAz = statusLinesOf(demo).back().satAz;
    EXPECT_NEAR(southOriginAzimuth(frames.back().azTarget()), satAz, 2);

    // "DEMO" alone names no satellite: the list is shown, and the demonstration still holds.
    const ProgramRun alone = station.run({"DEMO"}, station.picking("AO-7.SAT"));
    expectPlainExit(alone);
    EXPECT_EQ(satellitesShown(alone), (std::set<std::string>{"", "AO-7"}));
    EXPECT_EQ(framesOf(alone).back().slot(49), 5);
}

// Line ends.

TEST(ProgramRunFiles, BareLineFeedsLoadLikeCarriageReturnsAndLineFeeds) {
    const StationCopy crlf("crlf");
    const StationCopy lf("lf");
    lf.useBareLineFeeds();
    ASSERT_EQ(readText(lf.path("ORV.CFG")).find('\r'), std::string::npos);

    const ProgramRun a = crlf.run({"AO-7"}, {.until = "60"});
    const ProgramRun b = lf.run({"AO-7"}, {.until = "60"});
    expectPlainExit(a);
    expectPlainExit(b);
    EXPECT_TRUE(anyTargetSent(framesOf(a)));
    EXPECT_EQ(a.trace, b.trace);
    EXPECT_EQ(a.out, b.out);
}

// The instance hand-off.

bool waitForHandoffEntry(const StationCopy& station, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (station.settings().find(kHandoffLine) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

bool anyFrameCarries(const ProgramRun& run, const std::vector<int>& message) {
    const std::vector<Frame> frames = framesOf(run);
    return std::any_of(frames.begin(), frames.end(),
                       [&](const Frame& f) { return f.carries(message); });
}

std::future<ProgramRun> startRun(const StationCopy& station, std::vector<std::string> args) {
    return std::async(std::launch::async,
                      [&station, args] { return testing::runProgram(station.path(""), args, 60); });
}

TEST(ProgramRunHandoff, ANewInstanceEndsTheRunningOneWithoutShutdown) {
    // FO-29's shutdown puts its IC-910 message into the frame, so a shutdown would show. Both
    // run on the real clock, so the newer one's start-up keeps the entry away as long as its
    // first exchanges take (on a virtual clock only milliseconds).
    const StationCopy station("handoff");
    auto older = startRun(
        station, station.arguments({"FO-29"}, RunOptions{.clock = "", .until = "30"}, "a.jsonl"));
    ASSERT_TRUE(waitForHandoffEntry(station, std::chrono::seconds(20)));  // A is in its loop

    auto newer = startRun(
        station, station.arguments({"FO-29"}, RunOptions{.clock = "", .until = "10"}, "b.jsonl"));
    // A ends at its next look at the entry: while B still runs, long before its own Exit (B
    // runs for seconds, beyond its radio set-up, so that a slow machine cannot blur the two).
    ASSERT_EQ(older.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_EQ(newer.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    const ProgramRun a = older.get();
    const ProgramRun b = newer.get();

    EXPECT_EQ(a.exitCode, 0) << a.err;
    EXPECT_EQ(endReason(a), "handoff");
    EXPECT_FALSE(anyFrameCarries(a, kIc910Shutdown));

    expectPlainExit(b);
    EXPECT_TRUE(anyFrameCarries(b, kIc910Shutdown));  // B's own Exit shuts down in full
    EXPECT_EQ(station.settings().find("ORVANT"), std::string::npos);
}

// Exit.

TEST(ProgramRunExit, ExitShutsDownAndLeavesNoHandoffEntry) {
    const StationCopy station("exit");
    // One IC-910 for both links: its one message, then `starter` releases the drives.
    const ProgramRun fo29 = station.run({"FO-29"}, {.until = "5"});
    expectPlainExit(fo29);
    EXPECT_TRUE(fs::exists(station.path("settings")));  // the file was used; the entry is gone
    EXPECT_EQ(station.settings().find("ORVANT"), std::string::npos);
    const std::vector<Frame> all = framesOf(fo29);
    const auto shutdown = std::find_if(all.begin(), all.end(),
                                       [](const Frame& f) { return f.carries(kIc910Shutdown); });
    ASSERT_EQ(all.end() - shutdown, 2);  // the message after Exit, then the release
    EXPECT_GE(shutdown->t, 5000);
    EXPECT_GE(shutdown[1].t - shutdown[0].t, 50);  // the pause after the message
    EXPECT_EQ(shutdown[1].slot(63), 0);
    EXPECT_EQ(shutdown[1].slot(64), 0);

    // A TS-2000: out of satellite mode, then back to VFO A, then the frame that releases the
    // drives, and nothing after them.
    const ProgramRun ao27 = station.run({"AO-27"}, {.until = "5"});
    expectPlainExit(ao27);
    const std::string sa = "SA0000000;";
    const std::string fr = "FR0;FA00016000000;";
    const std::vector<Frame> frames = framesOf(ao27);
    const auto reset = std::find_if(frames.begin(), frames.end(), [&](const Frame& f) {
        return f.carries(std::vector<int>(sa.begin(), sa.end()));
    });
    ASSERT_EQ(frames.end() - reset, 3);
    EXPECT_TRUE(reset[1].carries(std::vector<int>(fr.begin(), fr.end())));
    EXPECT_EQ(reset[2].slot(63), 0);

    // AO-7's one FT-847 for both links: the radio set-up gave it the five-byte shutdown family,
    // so its three closing commands go out once, then the frame that releases the drives.
    const ProgramRun ao7 = station.run({"AO-7"}, {.until = "5"});
    expectPlainExit(ao7);
    const std::vector<Frame> frames7 = framesOf(ao7);
    const auto last = std::find_if(frames7.begin(), frames7.end(), [](const Frame& f) {
        return f.carries({0, 0, 0, 0, 0x8E});
    });
    ASSERT_EQ(frames7.end() - last, 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(last[i].carries({0, 0, 0, 0, std::vector{0x8E, 0x88, 0x80}[i]})) << i;
    EXPECT_EQ(last[3].slot(63), 0);
    EXPECT_EQ(last[3].slot(64), 0);
}

// With --sim the satellite's TS-2000 sits on the card's channel 1: it takes the satellite-mode
// set-up and answers both read-backs with its dials, so neither read-back beeps.
TEST(ProgramRunSimRadios, TheSatellitesTs2000TakesItsSetUpAndAnswersItsReadBacks) {
    const StationCopy station("sim-radios");
    station.write("events", "2 dblclick lbl_down_read\n3 dblclick lbl_Up_read\n");
    const ProgramRun run = station.run(
        {"AO-27"}, {.until = "4", .extra = {"--events=" + station.path("events").string()}});
    expectPlainExit(run);
    std::vector<std::string> texts;
    for (const TraceEvent& e : eventsOf(run.trace, "cat")) {
        EXPECT_EQ(fieldText(e.line, "channel"), "1");
        std::string text;
        std::istringstream bytes(e.line.substr(e.line.find("\"bytes\":[") + 9));
        for (int b = 0; bytes >> b;) {
            text += static_cast<char>(b);
            if (bytes.peek() == ',') bytes.ignore();
        }
        texts.push_back(text);
    }
    // The satellite-mode set-up, then Doppler-corrected sends, the two read-back queries among
    // them, and the reset at Exit.
    ASSERT_GE(texts.size(), 7u);
    EXPECT_EQ(
        std::vector<std::string>(texts.begin(), texts.begin() + 3),
        (std::vector<std::string>{"DC11;RX0;AI0;RC;SA1011000;FT1;MD4;",
                                  "DC11;RX0;AI0;RC;SA1011000;FR0;MD4;", "FR0;FA00029200000;"}));
    EXPECT_EQ(std::vector<std::string>(texts.end() - 2, texts.end()),
              (std::vector<std::string>{"SA0000000;", "FR0;FA00016000000;"}));
    const std::regex send("(FT1;FB|FR0;FA)[0-9]{11};");
    int queries = 0;
    for (auto t = texts.begin() + 3; t != texts.end() - 2; ++t) {
        if (*t == "FR0;FA;" || *t == "FT1;FB;")
            ++queries;
        else
            EXPECT_TRUE(std::regex_match(*t, send)) << *t;
    }
    EXPECT_EQ(queries, 2);
    EXPECT_TRUE(eventsOf(run.trace, "beep").empty());
}

// A real pass of AO-7 on the sample station.

TEST(ProgramRunSamplePass, TheRotatorFollowsAO7AndParksAfterThePass) {
    const StationCopy station("sample-pass");
    // From 04:44, well into the pass, to 04:50, after it has set.
    const ProgramRun run =
        station.run({"AO-7"}, RunOptions{.clock = "2018-01-21T04:44:00", .until = "360"});
    expectPlainExit(run);

    const std::vector<Frame> frames = framesOf(run);
    std::set<int> elevationTargets;
    for (const Frame& f : frames) elevationTargets.insert(f.elTarget());
    EXPECT_GE(elevationTargets.size(), 5u);  // the antennas are stepped down as it sinks

    const std::vector<StatusLine> lines = statusLinesOf(run);
    ASSERT_GE(lines.size(), 350u);
    // The rotator starts at its stops, far from the satellite, and turns in program time.
    EXPECT_LT(lines.front().rotAz, 10);
    EXPECT_GT(lines.front().satAz, 200);
    int tracked = 0;
    for (std::size_t i = 60; i < lines.size(); ++i) {
        const StatusLine& s = lines[i];
        if (s.state != "tracking") continue;
        ++tracked;
        EXPECT_NEAR(s.rotAz, s.satAz, 4) << s.time;
        EXPECT_NEAR(s.rotEl, s.satEl, 4) << s.time;
    }
    EXPECT_GT(tracked, 100);
    EXPECT_EQ(lines.back().state, "parked");
    EXPECT_NEAR(lines.back().rotEl, 0, 1);
    EXPECT_NEAR(lines.back().rotAz, lines.back().satAz, 5);  // no park azimuth: it stays
}

TEST(ProgramRunSamplePass, EndAfterParkingEndsTheProgramOnceParked) {
    const StationCopy station("end-after-parking");
    station.setValue("ORV.CFG", "20 ", "1");
    const ProgramRun run =
        station.run({"AO-7"}, RunOptions{.clock = "2018-01-21T04:47:00", .until = "300"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(endReason(run), "parked");
    const std::vector<StatusLine> lines = statusLinesOf(run);
    ASSERT_FALSE(lines.empty());
    EXPECT_LT(lines.size(), 200u);  // ended by itself soon after the set at about 04:48:30
}

// Wrong options.

TEST(ProgramRunOptions, WrongOptionsExitWith2AndLeaveARunningInstanceAlone) {
    const StationCopy station("options");
    station.write("settings", kHandoffLine + "\n");  // as if an instance were running
    station.write("events", "1 click cmd_Bye\n2 click cmd_Nowhere\n");
    const std::string trace = "--trace=" + station.path("trace.jsonl").string();
    const std::string settings = "--settings=" + station.path("settings").string();
    struct Wrong {
        std::vector<std::string> args;
        std::string message;
    };
    const Wrong cases[] = {
        {{"--headless", "--sim", "--bogus", "AO-7"}, "unknown option --bogus"},
        {{"--headless", "--sim", "--clock=2018-13-01T00:00:00", "AO-7"}, "--clock"},
        {{"--headless", "--sim", "--events=" + station.path("none").string(), "AO-7"},
         station.path("none").string()},
        {{"--headless", "--sim", "--events=" + station.path("events").string(), "AO-7"},
         "line 2: no control named cmd_Nowhere"},
    };
    for (const Wrong& w : cases) {
        std::vector<std::string> args = w.args;
        args.insert(args.begin(), {trace, settings});
        const ProgramRun run = testing::runProgram(station.path(""), args);
        EXPECT_EQ(run.exitCode, 2) << w.message;
        EXPECT_NE(run.err.find(w.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_TRUE(eventsOf(run.trace).empty()) << w.message;
        EXPECT_EQ(station.settings(), kHandoffLine + "\n") << w.message;
    }
}

TEST(ProgramRunOptions, HelpAndVersionAnswerWithoutStartingTheStation) {
    const StationCopy station("help");
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"--help", {"usage: orvant", "--headless", "SECONDS keys CONTROL TEXT", "Exit status"}},
        {"--version", {"orvant 2.2.14"}},
    };
    for (const auto& [option, expected] : cases) {
        const ProgramRun run = testing::runProgram(station.path(""), {option});
        EXPECT_EQ(run.exitCode, 0) << option;
        for (const std::string& text : expected)
            EXPECT_NE(run.out.find(text), std::string::npos) << option << ": " << text;
    }
}

}  // namespace
}  // namespace orvant

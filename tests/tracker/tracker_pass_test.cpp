#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "support/program_run.h"
#include "tracker/conversation_server.h"
#include "tracker/element_catalog.h"
#include "tracker/text_sources.h"
#include "tracker/tracker.h"

namespace orvant::tracker {
namespace {

using testing::StatusLine;

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A tracking program computing AO-7 live over the sample station, serving in a thread.
struct LiveTracker {
    explicit LiveTracker(const std::string& word)
        : program(*programNamed(word)),
          server(dir.path().string(), program.service, program.topic),
          tracker(program, ao7Texts(word), {}, 1, nullptr) {
        if (pipe(stopPipe) != 0) throw std::runtime_error("no pipe");
        thread = std::thread([this] {
            server.serve([this](const wire::Message& m) { return tracker.respond(m); },
                         stopPipe[0]);
        });
    }
    ~LiveTracker() {
        close(stopPipe[1]);
        thread.join();
        close(stopPipe[0]);
    }
    static TextSource ao7Texts(const std::string& word) {
        const auto ao7 = findSatellite(readWhole(ORVANT_EXAMPLES_DIR "/station/KEPS.TLE"), "7530");
        const Observer london{51.5, -0.1, 20, 0};
        return liveTexts(word, ao7->name, LiveSky(ao7->elements, london), false,
                         {432150000, 145950000});
    }

    testing::TempDir dir{"live-tracker"};
    Program program;
    ConversationServer server;
    Tracker tracker;
    int stopPipe[2] = {-1, -1};
    std::thread thread;
};

class TrackerPass : public ::testing::TestWithParam<std::string> {};

// The program follows AO-7's pass (in view 04:26 to 04:49) as each tracking program reports it:
// it loads AO-7's file when the program names it, points the antennas after the satellite,
// tunes the radios and parks once the program reports the satellite down.
TEST_P(TrackerPass, FollowsTheSatelliteItReportsAndParksAfterIt) {
    const std::string word = GetParam();
    LiveTracker tracking(word);
    const testing::StationCopy station("tracker-pass-" + word);
    const testing::ProgramRun run =
        station.run({word == "nova"      ? "NOVA"
                     : word == "wisp"    ? "WISP"
                     : word == "wintrak" ? "WINTRAK"
                                         : "WINORBIT"},
                    {.clock = "2018-01-21T04:20:00",
                     .until = "2100",
                     .extra = {"--dde-dir=" + tracking.dir.path().string()}});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    int followed = 0;
    bool tracked = false;
    for (const StatusLine& line : testing::statusLinesOf(run)) {
        if (line.state != "tracking") continue;
        tracked = true;
        EXPECT_EQ(line.sat, "AO-7") << line.time;
        EXPECT_NE(line.dn, "435.000001") << line.time;  // AO-7's downlink, not the default
        const double azOff = std::abs(std::remainder(line.rotAz - line.satAz, 360.0));
        if (azOff <= 5 && std::abs(line.rotEl - line.satEl) <= 5) ++followed;
    }
    ASSERT_TRUE(tracked);
    EXPECT_GT(followed, 18 * 60) << "the antennas followed for less than 18 minutes";
    EXPECT_EQ(testing::statusLinesOf(run).back().state, "parked");
    EXPECT_GT(testing::eventsOf(run.trace, "dde").size(), 1000u);
}

INSTANTIATE_TEST_SUITE_P(FourPrograms, TrackerPass,
                         ::testing::Values("nova", "wintrak", "winorbit", "wisp"));

}  // namespace
}  // namespace orvant::tracker

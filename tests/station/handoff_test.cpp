#include "station/handoff.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "station/program_end.h"
#include "station/station.h"
#include "support/blocked_settings.h"
#include "support/pass_station.h"
#include "support/program_run.h"
#include "support/shared_timeline.h"

// Instances on one settings file, the way separate processes share it: each with a store of its
// own that looks at the file at most every 250 ms of its clock, as the program's store does.

namespace orvant {
namespace {

using testing::PassStation;
using testing::StationHarness;

constexpr auto kRecheck = std::chrono::milliseconds(250);
constexpr LocalDateTime kAo7InView{2018, 1, 21, 4, 29, 0, 0};  // AO-7 is up from 04:26 to 04:49

// A settings file in a fresh folder of its own, and its hand-off entries as any instance reads
// them now.
struct SharedFile {
    explicit SharedFile(const std::string& name)
        : folder("handoff-" + name), path((folder.path() / "settings").string()) {}
    std::string left() const {
        return FileSettingsStore(path).get("ORVANT", "Startup", "Left", "");
    }
    std::string newest() const {
        return FileSettingsStore(path).get("ORVANT", "Startup", "Instance", "");
    }
    testing::TempDir folder;
    std::string path;
};

// A program's store on a clock of the test's (milliseconds since the epoch of steady_clock).
FileSettingsStore storeOn(const std::string& path, const std::function<std::int64_t()>& ms) {
    return FileSettingsStore(path, kRecheck, [ms] {
        return std::chrono::steady_clock::time_point(std::chrono::milliseconds(ms()));
    });
}

// The older instance runs its loop and has read the file; then the newer one acts, and the older
// one, told to Exit, releases the hand-off. Its store has not looked at the file since: the
// release must decide on the file as it is, and remove only what is still its own.
struct ReleaseScene {
    const char* name;
    std::function<void(Station& newer)> newer;
    std::string left;    // the "Left" entry afterwards
    std::string newest;  // the instance number afterwards
};

class HandoffRelease : public ::testing::TestWithParam<ReleaseScene> {};

TEST_P(HandoffRelease, LeavesTheNewerInstancesEntries) {
    const ReleaseScene& scene = GetParam();
    const SharedFile file(scene.name);
    VirtualHost host(kAo7InView);
    FileSettingsStore olderStore = storeOn(file.path, [&] { return host.elapsedMs(); });
    FileSettingsStore newerStore(file.path);
    StationHarness older(host, olderStore);
    StationHarness newer(host, newerStore);
    takeOverHandoff(older.station);
    older.station.app.loopRunning = true;
    make_regist(older.station);
    checkHandoff(older.station);
    scene.newer(newer.station);
    releaseHandoff(older.station);
    EXPECT_EQ(file.left(), scene.left);
    EXPECT_EQ(file.newest(), scene.newest);
}

const ReleaseScene kReleaseScenes[] = {
    {"NoNewerInstance", [](Station&) {}, "", ""},
    // Each start takes the number after the last one: the older instance took 1.
    {"NewerInItsStartUp", [](Station& s) { takeOverHandoff(s); }, "", "2"},
    {"NewerInItsLoop",
     [](Station& s) {
         takeOverHandoff(s);
         make_regist(s);
     },
     "ORVANT", "2"},
};

INSTANTIATE_TEST_SUITE_P(Scenes, HandoffRelease, ::testing::ValuesIn(kReleaseScenes),
                         [](const auto& info) { return std::string(info.param.name); });

// One instance of the program on a timeline shared with another, on the sample station.
struct Instance {
    Instance(testing::SharedTimeline& timeline, std::int64_t startMs, const std::string& path)
        : host(timeline.addProgram(startMs)),
          settings(storeOn(path, [&timeline] { return timeline.nowMs(); })),
          pass(host, settings) {}
    std::function<void()> running(const std::string& commandLine) {
        return [this, commandLine] { end = pass.run(commandLine); };
    }
    Host& host;
    FileSettingsStore settings;
    PassStation pass;
    std::optional<EndReason> end;
};

// The older instance is told to Exit (its shutdown sends the FT-847's closing messages, which
// take a while) just as the newer one starts, at every offset from 0 to 1.5 s: the newer one
// keeps running and keeps its entries; the older one ends by its Exit or by the hand-off.
TEST(HandoffTwoInstances, AnOlderInstancesExitNeverEndsANewerOne) {
    constexpr std::int64_t kOlderExitMs = 10000;
    constexpr std::int64_t kNewerLooksMs = 4000;  // well into its loop
    for (std::int64_t offset = 0; offset <= 1500; offset += 10) {
        SCOPED_TRACE("the newer instance starts " + std::to_string(offset) + " ms after the Exit");
        const SharedFile file("two");
        testing::SharedTimeline timeline(kAo7InView);
        Instance older(timeline, 0, file.path);
        Instance newer(timeline, kOlderExitMs + offset, file.path);
        older.pass.exitAt(kOlderExitMs);
        std::string left, newest;
        bool newerInItsLoop = false;
        newer.pass.display.declare("test_look");
        newer.pass.display.on("test_look", ControlEvent::Click, [&] {
            newerInItsLoop = newer.pass.station.app.loopRunning;
            left = file.left();
            newest = file.newest();
        });
        newer.pass.inputAt(kNewerLooksMs, InputKind::Click, "test_look");
        newer.pass.exitAt(kNewerLooksMs);
        timeline.run({older.running("AO-7"), newer.running("AO-7")});
        ASSERT_TRUE(older.end == EndReason::Exit || older.end == EndReason::Handoff);
        ASSERT_EQ(newer.end, EndReason::Exit);
        EXPECT_TRUE(newerInItsLoop);
        EXPECT_EQ(left, "ORVANT");
        EXPECT_EQ(newest, newer.pass.station.app.instanceNumber);
    }
}

// Writes that fail once the station runs (the lock and temporary files the store writes through
// are blocked) do not end it: the operator is told once, the station goes on, and a newer
// instance that can write the file again still takes over from it.
TEST(HandoffStoreFailing, AnInstanceWhoseWritesFailGoesOnAndStillSeesANewerOne) {
    const SharedFile file("failing");
    VirtualHost host(kAo7InView);
    FileSettingsStore store = storeOn(file.path, [&] { return host.elapsedMs(); });
    PassStation p(host, store);
    FileSettingsStore newerStore(file.path);
    StationHarness newer(host, newerStore);
    const testing::BlockedSettings blocked(file.path);
    constexpr std::int64_t kBlockMs = 1, kUnblockMs = 5000, kNewerMs = 8000;
    std::int64_t newerMs = -1;
    const auto actAt = [&](std::int64_t ms, const std::string& name, std::function<void()> act) {
        p.display.declare(name);
        p.display.on(name, ControlEvent::Click, std::move(act));
        p.inputAt(ms, InputKind::Click, name);
    };
    actAt(kBlockMs, "test_block", [&] { blocked.block(); });
    actAt(kUnblockMs, "test_unblock", [&] { blocked.unblock(); });
    actAt(kNewerMs, "test_newer", [&] {
        ASSERT_TRUE(p.station.app.loopRunning);
        takeOverHandoff(newer.station);
        newerMs = host.elapsedMs();
    });
    p.exitAt(60000);
    ASSERT_EQ(p.run("AO-7"), EndReason::Handoff);
    ASSERT_GE(newerMs, kNewerMs);
    EXPECT_LE(host.elapsedMs(), newerMs + kRecheck.count() + 150);  // its next look, a pass later
    ASSERT_EQ(p.alerts.notes.size(), 1u);
    EXPECT_NE(p.alerts.notes[0].find("cannot write " + file.path), std::string::npos);
}

}  // namespace
}  // namespace orvant

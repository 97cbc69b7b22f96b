#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controller/frame_layout.h"
#include "platform/line_server.h"
#include "station/station.h"
#include "support/pass_station.h"
#include "support/program_run.h"
#include "tracking/net_source.h"

// Fault drills: the sample station tracking a real pass on the simulated card in program time,
// with one fault provoked part-way. Each drill says what the operator sees and checks it; every
// drill also checks that the run ends where it should (no hang, no crash) and that no target sent
// to the card lay beyond the rotators' travel.

namespace orvant {
namespace {

using testing::PassStation;

constexpr LocalDateTime kAo7InView{2018, 1, 21, 4, 29, 0, 0};  // AO-7 is up from 04:26 to 04:49
constexpr std::int64_t kFaultMs = 60000;
constexpr std::int64_t kExitMs = 240000;
constexpr int kTopCount = 1023;

const std::string kWispText = "SNAO-7 AZ17.7 EL15.2 UP432141825 UMLSB DN145952761 DMUSB MA145 ";

// What a drill saw of the run, besides the station itself afterwards: the frames the card had
// taken when the fault came.
using Seen = int;

struct Step {
    std::int64_t ms;
    std::function<void(PassStation&)> act;
};

struct Drill {
    const char* name;
    const char* operatorSees;
    std::string commandLine;
    std::vector<Step> steps;  // the fault, and what the operator or the world does after it
    EndReason end;
    std::function<void(PassStation&, const Seen&)> check;
};

// Tracking went on after the fault: the card took new targets, and the last exchange was good.
void trackingWentOn(PassStation& p, const Seen& seen) {
    EXPECT_GT(p.card.framesTaken(), seen + 5);
    EXPECT_TRUE(p.display["wht_check"].visible && !p.display["red_check"].visible);
}

void answerWisp(PassStation& p, ConversationStatus status) {
    p.conversations.answer("GSC", "Tracking", {{status, kWispText}});
}

void click(PassStation& p, const char* control) {
    p.pump.post({p.host.elapsedMs(), InputKind::Click, control, {}});
}

const std::vector<Drill>& drills() {
    static const std::vector<Drill> all = {
        {"CardBusyForManyExchanges",
         "the check mark turns red and the card's fault message comes twice while the card is "
         "busy; tracking resumes by itself when it answers again",
         "AO-7",
         {{kFaultMs, [](PassStation& p) { p.card.reportBusyFor(200000); }}},
         EndReason::Exit,
         [](PassStation& p, const Seen& seen) {
             EXPECT_EQ(p.alerts.boxes.size(), 2u);
             trackingWentOn(p, seen);
         }},
        {"CardSilentInTheMiddleOfATransfer",
         "the check mark turns red and stays so until the operator resets the card",
         "AO-7",
         {{kFaultMs, [](PassStation& p) { p.card.fallSilentInFrameAfter(10); }},
          {kFaultMs + 30000, [](PassStation& p) { click(p, "lbl_reset"); }}},
         EndReason::Exit,
         [](PassStation& p, const Seen& seen) {
             EXPECT_EQ(p.card.resets(), 1);
             trackingWentOn(p, seen);
         }},
        {"BadCheckNibbleFor30Replies",
         "the four causes twice, then Demo Mode, and the rotator keeps following the satellite",
         "AO-7",
         {{kFaultMs, [](PassStation& p) { p.card.sendBadChecks(30); }}},
         EndReason::Exit,
         [](PassStation& p, const Seen& seen) {
             EXPECT_EQ(p.alerts.boxes.size(), 2u);
             EXPECT_EQ(p.display["lbl_satpos"].caption, "Demo Mode");
             trackingWentOn(p, seen);
         }},
        {"TrackingProgramTimesOutAndComesBack",
         "no dialog while WISP is silent; its positions are followed again when it answers",
         "WISP",
         {{0, [](PassStation& p) { answerWisp(p, ConversationStatus::Ok); }},
          {kFaultMs, [](PassStation& p) { answerWisp(p, ConversationStatus::TimedOut); }},
          {kFaultMs + 20000, [](PassStation& p) { answerWisp(p, ConversationStatus::Ok); }}},
         EndReason::Exit,
         [](PassStation& p, const Seen& seen) {
             EXPECT_TRUE(p.alerts.boxes.empty());
             EXPECT_EQ(p.station.track.trackerStatus.substr(0, 2), "SN");
             trackingWentOn(p, seen);
         }},
        {"TrackingProgramDiesMidPass",
         "WISP's failure dialog, then the antennas park, the radios are reset and the program ends",
         "WISP",
         {{0, [](PassStation& p) { answerWisp(p, ConversationStatus::Ok); }},
          {kFaultMs, [](PassStation& p) { answerWisp(p, ConversationStatus::Refused); }}},
         EndReason::Fatal,
         [](PassStation& p, const Seen&) {
             EXPECT_EQ(p.alerts.boxes.size(), 1u);
             EXPECT_EQ(p.settings.get("ORVANT", "Startup", "Left", ""), "");
         }},
        {"SatelliteFileRemovedWhileTheLoopWantsIt",
         "the missing file's dialog; the station shuts down cleanly",
         "",
         {{500,
           [](PassStation& p) {
               p.pump.post({p.host.elapsedMs(), InputKind::Select, "File1", "AO-7.SAT"});
           }},
          {kFaultMs,
           [](PassStation& p) {
               p.files.removeFile(std::string(PassStation::kFolder) + "/FO-29.SAT");
               p.pump.post({p.host.elapsedMs(), InputKind::Select, "File1", "FO-29.SAT"});
           }}},
         EndReason::Fatal,
         [](PassStation& p, const Seen&) {
             ASSERT_EQ(p.alerts.boxes.size(), 1u);
             EXPECT_NE(p.alerts.boxes[0].find("cannot find an xxx.SAT file"), std::string::npos);
         }},
    };
    return all;
}

void PrintTo(const Drill& drill, std::ostream* os) {
    *os << drill.name;
}

// Every target the card was sent lies within the rotators' travel.
void targetsWithinTravel(const std::string& trace) {
    for (const testing::TraceEvent& e : testing::eventsOf(trace, "frame")) {
        const std::vector<int> slots = testing::numbersIn(e.line, "slots");
        if (slots.size() < frame::kElTargetLow) continue;  // a busy or abandoned exchange
        const auto at = [&](int slot) { return slots[static_cast<std::size_t>(slot - 1)]; };
        ASSERT_LE(256 * at(frame::kAzTargetHigh) + at(frame::kAzTargetLow), kTopCount) << e.line;
        ASSERT_LE(256 * at(frame::kElTargetHigh) + at(frame::kElTargetLow), kTopCount) << e.line;
    }
}

class FaultDrill : public ::testing::TestWithParam<Drill> {};

TEST_P(FaultDrill, EndsAsItShouldAndTheOperatorSeesIt) {
    const Drill& d = GetParam();
    SCOPED_TRACE(d.operatorSees);
    PassStation p(kAo7InView);
    Seen seen = -1;
    std::size_t next = 0;
    const auto takeDueSteps = [&] {
        for (; next < d.steps.size() && d.steps[next].ms <= p.host.elapsedMs(); ++next) {
            if (d.steps[next].ms == kFaultMs) seen = p.card.framesTaken();
            d.steps[next].act(p);
        }
    };
    takeDueSteps();
    p.observeEvery(1000, takeDueSteps);
    p.exitAt(kExitMs);
    ASSERT_EQ(p.run(d.commandLine), d.end);
    d.check(p, seen);
    targetsWithinTravel(p.traceText.str());
}

INSTANTIATE_TEST_SUITE_P(Drills, FaultDrill, ::testing::ValuesIn(drills()),
                         [](const auto& info) { return std::string(info.param.name); });

// A rotator client that sends positions and then vanishes mid-pass: once no client has been
// connected for the hang-up time the antennas park as at the end of a pass; the program goes on
// waiting for clients.
TEST(FaultDrills, RotctldClientVanishesMidPass) {
    PassStation p(kAo7InView);
    FakeLineServer server{"127.0.0.1:4533", 256};
    p.platform.rotatorServer = &server;
    const int client = server.connect();
    std::int64_t parkedFromMs = -1;
    p.observeEvery(1000, [&] {
        const std::int64_t now = p.host.elapsedMs();
        if (now < kFaultMs) server.type(client, "P 20.0 25.0\n");
        if (now == kFaultMs) server.hangUp(client);
        if (parkedFromMs < 0 && p.station.track.parkingDue) parkedFromMs = now;
    });
    p.exitAt(kExitMs);
    ASSERT_EQ(p.run("AO-7"), EndReason::Exit);
    EXPECT_GE(parkedFromMs, kFaultMs + kNetHangUpMs);
    EXPECT_LE(parkedFromMs, kFaultMs + kNetHangUpMs + 2000);
    targetsWithinTravel(p.traceText.str());
}

// A settings file that cannot be written at start-up (a plain file stands where its folder should
// be): the station is never started, since no later instance could take it over. The operator is
// told why and how to go on; the card gets nothing.
TEST(FaultDrills, SettingsFileUnwritableAtStartUp) {
    testing::StationCopy station("drill_settings");
    station.write("blocker", "a file, not a folder");
    const std::string path = station.path("blocker/settings").string();
    const testing::ProgramRun run =
        station.run({"AO-7"}, {.until = "20", .extra = {"--settings=" + path}});
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find("cannot write " + path), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--settings=FILE"), std::string::npos) << run.err;
    EXPECT_EQ(testing::endReason(run), "refused");
    EXPECT_TRUE(testing::framesOf(run).empty());
}

}  // namespace
}  // namespace orvant

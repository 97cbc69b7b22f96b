#include "tracking/main_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/fatal_dialogs.h"
#include "controller/frame_layout.h"
#include "frontend/headless_frontend.h"
#include "station/handoff.h"
#include "station/station.h"
#include "support/pass_station.h"

// The polling loop on the sample station (AO-7 over London, January 2018; ORV.CFG as shipped
// unless a test changes a value), started by the program's own start-up. Most tests stop
// start-up just before the loop's first pass and make the passes themselves.

namespace orvant {
namespace {

using testing::PassStation;

constexpr LocalDateTime kBeforeAos{2018, 1, 21, 4, 20, 0, 0};  // AO-7 rises at 04:26
constexpr LocalDateTime kInView{2018, 1, 21, 4, 35, 0, 0};     // about 50 degrees up
constexpr LocalDateTime kLate{2018, 1, 21, 4, 44, 0, 0};       // about 15 degrees up
constexpr LocalDateTime kBeforeLos{2018, 1, 21, 4, 47, 0, 0};  // AO-7 sets at 04:49

// Makes passes until `ms` of program time have gone by; false when the loop left.
bool passFor(PassStation& p, std::int64_t ms) {
    const std::int64_t until = p.host.elapsedMs() + ms;
    while (p.host.elapsedMs() < until)
        if (loopPass(p.station) != PassOutcome::Continue) return false;
    return true;
}

int sentAzimuthTarget(const PassStation& p) {
    const SentBytes& frame = p.card.lastFrame();
    return 256 * frame[frame::kAzTargetHigh] + frame[frame::kAzTargetLow];
}

// Every `spacing`-th pass up to `passes`, counted from 1.
std::vector<int> everyNth(int spacing, int passes) {
    std::vector<int> n;
    for (int pass = spacing; pass <= passes; pass += spacing) n.push_back(pass);
    return n;
}

// The tracking-program poll (ORV.CFG value 24) comes every value + 50 passes and paints the
// counter label red on the poll pass while the satellite is in view.
TEST(TrackerPoll, ComesEverySpacingPlusFiftyPasses) {
    struct Case {
        const char* spacing;
        int passes;
        bool beeps;
    };
    for (const Case c : {Case{"2", 54, false}, Case{"101", 151, true}}) {
        SCOPED_TRACE(::testing::Message() << "value " << c.spacing);
        PassStation p(kBeforeAos);
        p.setConfig(24, c.spacing);
        ASSERT_TRUE(p.startUpToTheLoop("WINORBIT"));
        // WinOrbit reports the satellite at the horizon, in view: each poll brings no new name.
        const std::string atHorizon = "AO-7|10|0|x|0|5";
        p.conversations.answer("WinOrbit", "TrackingInfo", {{ConversationStatus::Ok, atHorizon}});
        p.station.track.trackerStatus = atHorizon + "|";
        std::vector<int> polls;
        const int passes = 3 * c.passes + 10;
        for (int pass = 1; pass <= passes; ++pass) {
            ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
            const bool polled = p.station.track.ddePollCounter == 0;
            if (polled) polls.push_back(pass);
            const Control& counter = p.display["lbl_dde_cntr"];
            ASSERT_EQ(counter.backColor, polled ? bgr::kRed : bgr::kGreen) << "pass " << pass;
            ASSERT_EQ(counter.caption, "");
        }
        EXPECT_EQ(polls, everyNth(c.passes, passes));
        EXPECT_EQ(p.alerts.beeps, c.beeps ? 3 : 0);
        EXPECT_EQ(p.station.track.ddeMode, 0);
    }
}

// The poll comes within a second of the last one however long the card's exchanges of the
// passes between take: here WinOrbit moves the satellite further than the update steps at every
// poll, so each poll is followed by the drive's sends.
TEST(TrackerPoll, ComesWithinASecondWhateverTheExchangesBetweenTake) {
    PassStation p(kBeforeAos);
    ASSERT_TRUE(p.startUpToTheLoop("WINORBIT"));
    std::vector<ConversationReply> moving;
    for (int k = 0; k < 10; ++k)
        moving.push_back({ConversationStatus::Ok, "AO-7|" + std::to_string(100 + 9 * k) + "|" +
                                                      std::to_string(20 + 6 * k) + "|x|-3|77"});
    p.conversations.answer("WinOrbit", "TrackingInfo", moving);
    TrackingState& t = p.station.track;
    t.satNamePrev = t.satNameShown = "AO-7";  // the satellite WinOrbit names is loaded
    t.satChangeHandled = 1;
    std::vector<std::int64_t> pollMs;
    while (pollMs.size() < moving.size()) {
        ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
        if (t.ddePollCounter == 0) pollMs.push_back(t.ddePollMs);
    }
    EXPECT_GT(p.card.framesTaken(), 2 * 10) << "the drive sent after every poll";
    for (std::size_t i = 1; i < pollMs.size(); ++i)
        EXPECT_LE(pollMs[i] - pollMs[i - 1], 1000) << "poll " << i + 1;
}

TEST(LoopUnderWisp, NothingBeyondThePollRunsBeforeTheFirstPoll) {
    PassStation p(kInView);
    ASSERT_TRUE(p.startUpToTheLoop("WISP"));
    p.conversations.answer(
        "GSC", "Tracking",
        {{ConversationStatus::Ok, "--AO-7 AZ1 EL2 UP145900000 UMUSB DN435100000 DMLSB MA128 "}});
    const TrackingState& t = p.station.track;
    const int frames = p.card.framesTaken();
    constexpr int kFirstPoll = 20 + 50;  // ORV.CFG value 24 is 20
    for (int pass = 1; pass < kFirstPoll; ++pass) {
        ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
        ASSERT_EQ(t.ddePollCounter, pass);
    }
    const std::string status = StatusLines().next(p.station);
    EXPECT_EQ(status.substr(status.rfind(' ') + 1), "waiting") << "no satellite is known yet";
    EXPECT_EQ(p.card.framesTaken(), frames) << "no idle poll and no radio start";
    EXPECT_EQ(t.idlePollCounter, 0);
    EXPECT_EQ(t.satInView, 0);
    EXPECT_FALSE(p.station.rot.commandsPrimed) << "the drive stage ran";
    EXPECT_EQ(t.ddeMode, 1);

    // The first poll, and the rest of its pass.
    ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
    EXPECT_EQ(t.ddeMode, 0);
    EXPECT_EQ(t.satInView, 1) << "WISP reported nothing below the horizon";
    EXPECT_TRUE(p.station.rot.commandsPrimed);
    EXPECT_EQ(p.card.framesTaken(), frames + 2) << "the radios start between two frames";
}

// "KWIP" is fixed-frequency mode: no orbit, no forced parking, no satellite change from the
// tracking program, no visibility stage (unless the operator entered a bearing by hand).
TEST(LoopForKwip, SkipsOrbitForcedParkingSatelliteChangeAndVisibility) {
    PassStation p(kInView);
    p.setSatelliteValue("KWIP.SAT", 11, "90");  // a forced park azimuth, never to be used
    ASSERT_TRUE(p.startUpToTheLoop("KWIP"));
    TrackingState& t = p.station.track;
    ASSERT_EQ(t.satParkAzimuth, 90);
    const std::string phase = p.display["lbl_ma256"].caption;
    // A tracking program reports another satellite, below the horizon.
    t.trackerKind = 1;
    t.trackerStatus = "SN NO";
    t.satNameShown = "AO-7";
    t.satInView = 1;
    t.satAzimuth = 77;
    t.satElevation = 12;
    for (int pass = 0; pass < 20; ++pass)
        ASSERT_EQ(loopPass(p.station), PassOutcome::Continue)
            << "left the loop for the reported satellite";
    EXPECT_EQ(t.parkedDone, 0);
    EXPECT_NE(p.display["lbl_Base"].caption, "Parked Frequency");
    EXPECT_EQ(t.satInView, 1);
    EXPECT_EQ(t.satAzimuth, 77);
    EXPECT_EQ(t.satElevation, 12);
    EXPECT_EQ(p.display["lbl_ma256"].caption, phase);

    t.manualPointing = 1;  // a bearing typed in brings the visibility stage back
    ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
    EXPECT_EQ(t.satInView, 0);
    EXPECT_EQ(t.satElevation, -1);
}

// "PARK" has no orbit; its satellite file's park azimuth parks the antennas on the first pass,
// and nothing drives them away afterwards.
TEST(LoopForPark, ParksOnTheFirstPassAndTheAntennasStayParked) {
    PassStation p(kInView);
    ASSERT_TRUE(p.startUpToTheLoop("PARK"));
    const TrackingState& t = p.station.track;
    ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
    EXPECT_EQ(t.parkedDone, 1);
    EXPECT_FALSE(t.parkingDue);
    // PARK.SAT parks at 180 degrees: 409 counts of the sample station's type-2 rotator; parking
    // is complete within 5 counts.
    const int parkedAt = p.card.azimuthCounts();
    EXPECT_NEAR(parkedAt, 409, 5);
    EXPECT_EQ(p.card.elevationCounts(), 0);

    ASSERT_TRUE(passFor(p, 60000));
    EXPECT_EQ(p.card.azimuthCounts(), parkedAt);
    EXPECT_EQ(p.card.elevationCounts(), 0);
    EXPECT_EQ(sentAzimuthTarget(p), 409);
    EXPECT_EQ(p.card.lastFrame()[frame::kDrive], 0);
    EXPECT_EQ(t.satInView, 0);
    EXPECT_TRUE(p.display["lbl_parked"].visible);
}

TEST(LoopVisibility, ANoReportPutsTheSatelliteJustBelowTheMinimumElevation) {
    PassStation p(kInView);
    p.setConfig(18, "5");
    ASSERT_TRUE(p.startUpToTheLoop("AO-7"));
    ASSERT_EQ(p.station.cfg.minElevation, 5);
    TrackingState& t = p.station.track;
    // WinOrbit reports the visibility; until its first poll the position comes from the
    // program's own orbit model.
    t.trackerKind = 3;
    t.trackerStatus = "OK IN";
    ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
    EXPECT_GT(t.satElevation, 40);
    EXPECT_EQ(t.satInView, 1);

    t.trackerStatus = "OK NO";
    ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
    EXPECT_EQ(t.satElevation, 4);
    EXPECT_EQ(p.station.rot.elCommandDeg, 4) << "the targets are formed from the forced value";
    EXPECT_EQ(t.satInView, 0);
    EXPECT_TRUE(p.display["lbl_wisp_mask"].visible);
}

// AO-7's FT-847 serves both links; its reset ends with this message.
const std::vector<std::uint8_t> kFt847ResetEnd = {0, 0, 0, 0, 0x80};

int radioResets(const sim::SimControllerCard& card) {
    const auto& relayed = card.relayed();
    return static_cast<int>(std::count_if(relayed.begin(), relayed.end(),
                                          [](const auto& r) { return r.bytes == kFt847ResetEnd; }));
}

// Parking from the loop: the end of a pass (the first pass below the horizon, or below a negative
// minimum elevation, after one above it), the operator's forced parking, and the end of a test
// tracking (`ch_Test`), which ends the pass the loop tracked. Parking starts once, resets the
// radios once, completes, and the antennas stay parked for the rest of the run.
TEST(LoopParking, StartsOnceResetsTheRadiosOnceAndStaysParked) {
    struct Input {
        std::int64_t ms;
        InputKind kind;
        const char* control;
        const char* text;
    };
    struct Case {
        const char* name;
        LocalDateTime start;
        const char* minElevation;
        std::vector<Input> inputs;
        double startsAt;  // the satellite's elevation when parking starts
    };
    const Input tick{30000, InputKind::Set, "ch_Test", "1"};  // once the antennas are up
    const Case cases[] = {
        {"PassEnds", kBeforeLos, "0", {}, -1},
        {"PassEndsBelowANegativeMinimum", kBeforeLos, "-3", {}, -4},
        {"OperatorDuringThePass", kLate, "0", {{30000, InputKind::Click, "lbl_track", ""}}, 15},
        {"OperatorClicksAgainWhileParking",
         kLate,
         "0",
         {{30000, InputKind::Click, "lbl_track", ""}, {33000, InputKind::Click, "lbl_track", ""}},
         15},
        {"TestTickedDuringThePass", kInView, "0", {tick}, 60},
        {"TestUntickedBelowTheHorizon",
         kBeforeAos,
         "0",
         {tick, {60000, InputKind::Set, "ch_Test", "0"}},
         -14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PassStation p(c.start);
        p.setConfig(18, c.minElevation);
        ASSERT_TRUE(p.startUpToTheLoop("AO-7"));
        for (const Input& i : c.inputs) p.post(i.ms, i.kind, i.control, i.text);
        const TrackingState& t = p.station.track;
        const int resets = radioResets(p.card);
        int starts = 0;
        bool due = t.parkingDue;
        std::int64_t parkedMs = -1;
        StatusLines status;
        // Five minutes: before AO-7 rises at 04:26, or past its set at 04:49.
        while (p.host.elapsedMs() < 5 * 60 * 1000) {
            ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
            const std::string line = status.next(p.station);
            if (t.parkingDue && !due) {
                ++starts;
                EXPECT_EQ(t.satElevation, c.startsAt);
            }
            due = t.parkingDue;
            if (starts > 0 && !due && parkedMs < 0) parkedMs = p.host.elapsedMs();
            if (parkedMs >= 0) {
                ASSERT_LT(p.card.elevationCounts(), p.station.cfg.parkElToleranceCounts)
                    << "moved after parking at " << p.host.elapsedMs() << " ms";
                ASSERT_TRUE(line.ends_with(" parked")) << line;
            }
        }
        EXPECT_EQ(starts, 1);
        EXPECT_GE(parkedMs, 0) << "parking never completed";
        EXPECT_FALSE(t.parkingDue);
        EXPECT_EQ(radioResets(p.card) - resets, 1);
        EXPECT_TRUE(p.display["lbl_parked"].visible);
    }
}

// A bearing typed in during a pass on the orbit model is sent, and the model takes over again
// with its own next send, once it has moved an update step (ORV.CFG values 16 and 17, 2 degrees).
// A 360-degree rotator with its end stop north (type 1), whose window offers manual entry.
TEST(LoopManualEntry, TheTypedBearingIsSentAndTheOrbitModelTakesOverAgain) {
    constexpr double kAzScale = 360.0 / 1023;
    PassStation p(kLate);
    p.setConfig(22, "1");
    ASSERT_TRUE(p.startUpToTheLoop("AO-7"));
    ASSERT_TRUE(passFor(p, 2000));
    const int modelTarget = sentAzimuthTarget(p);
    p.post(0, InputKind::DblClick, "lbl_hf");
    p.post(100, InputKind::Click, "txt_aztxt");
    p.post(300, InputKind::Keys, "txt_aztxt", "100\r");
    ASSERT_TRUE(passFor(p, 2000));
    EXPECT_EQ(sentAzimuthTarget(p), 284);  // 100 / (360 / 1023) = 284.2 counts
    EXPECT_LT(p.card.azimuthCounts(), modelTarget - 20) << "the antennas turn toward it";
    ASSERT_TRUE(passFor(p, 60000));
    EXPECT_NE(p.station.track.satAzimuth, 100);
    EXPECT_NEAR(sentAzimuthTarget(p), p.station.track.satAzimuth / kAzScale, 2 / kAzScale);
}

// While no other exchange reads the rotator, the loop reads it itself at least every 2 s, so the
// bearings shown (and a manual entry that keeps them) follow the antennas.
TEST(PositionRefresh, TheRotatorIsReadAtLeastEveryTwoSeconds) {
    struct Case {
        const char* name;
        LocalDateTime start;
        const char* updateStep;  // ORV.CFG values 16 and 17
        std::int64_t settleMs;
    };
    for (const Case c : {Case{"in view with a still target", kInView, "90", 70000},
                         Case{"after parking", kBeforeLos, "2", 7 * 60 * 1000}}) {
        SCOPED_TRACE(c.name);
        PassStation p(c.start);
        p.setConfig(16, c.updateStep);
        p.setConfig(17, c.updateStep);
        ASSERT_TRUE(p.startUpToTheLoop("AO-7"));
        ASSERT_TRUE(passFor(p, c.settleMs));
        ASSERT_FALSE(p.station.track.parkingDue);
        std::int64_t lastRead = p.host.elapsedMs();
        const std::int64_t end = lastRead + 20000;
        std::int64_t longestGap = 0;
        int replies = p.card.repliesGiven();
        while (p.host.elapsedMs() < end) {
            ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
            if (p.card.repliesGiven() == replies) continue;
            replies = p.card.repliesGiven();
            longestGap = std::max(longestGap, p.host.elapsedMs() - lastRead);
            lastRead = p.host.elapsedMs();
        }
        longestGap = std::max(longestGap, p.host.elapsedMs() - lastRead);
        EXPECT_LE(longestGap, 2000 + 40);  // noticed within a pass (one waits up to 40 ms)
        EXPECT_EQ(p.station.link.azCounts, p.card.azimuthCounts());
        EXPECT_EQ(p.station.link.elCounts, p.card.elevationCounts());
    }
}

// The idle controller poll (ORV.CFG value 23): one exchange every so many passes while no
// satellite is in view, the counter label red on that pass and blue on the others. A spacing
// below 1 polls on every pass.
TEST(IdlePoll, ExchangesWithTheControllerEverySpacingPasses) {
    struct Case {
        const char* spacing;
        int passes;
        bool beeps;
    };
    for (const Case c :
         {Case{"50", 50, false}, Case{"51", 51, true}, Case{"0", 1, false}, Case{"-7", 1, false}}) {
        SCOPED_TRACE(::testing::Message() << "value " << c.spacing);
        PassStation p(kBeforeAos);
        p.setConfig(23, c.spacing);
        p.setConfig(9, "YES");  // the radios take no frequencies, so that only polls are counted
        ASSERT_TRUE(p.startUpToTheLoop("AO-7"));
        constexpr int kPasses = 160;
        std::vector<int> polls;
        for (int pass = 1; pass <= kPasses; ++pass) {
            const int frames = p.card.framesTaken();
            ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
            const int taken = p.card.framesTaken() - frames;
            ASSERT_LE(taken, 1) << "pass " << pass;
            if (taken == 1) polls.push_back(pass);
            ASSERT_EQ(p.display["lbl_dde_cntr"].backColor, taken == 1 ? bgr::kRed : bgr::kBlue)
                << "pass " << pass;
        }
        EXPECT_EQ(polls, everyNth(c.passes, kPasses));
        EXPECT_EQ(p.alerts.beeps, c.beeps ? static_cast<int>(polls.size()) : 0);
    }
}

TEST(LoopHold, WaitsAtTheEndOfThePassUntilResetOrSlewValueDoubleClick) {
    PassStation p(kBeforeAos);
    ASSERT_TRUE(p.startUpToTheLoop("AO-7"));
    TrackingState& t = p.station.track;
    const int resets = p.card.resets();
    struct Release {
        std::int64_t afterMs;
        InputKind kind;
        const char* control;
    };
    for (const Release r : {Release{5000, InputKind::Click, "lbl_reset"},
                            Release{3000, InputKind::DblClick, "lbl_Valaz"}}) {
        SCOPED_TRACE(r.control);
        t.loopHold = 1;  // as a radio read-back in step mode leaves it
        const std::int64_t start = p.host.elapsedMs();
        p.post(r.afterMs, r.kind, r.control);
        ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
        EXPECT_GE(p.host.elapsedMs() - start, r.afterMs);
        EXPECT_LT(p.host.elapsedMs() - start, r.afterMs + 200);
        EXPECT_EQ(t.loopHold, 0);
    }
    EXPECT_EQ(p.card.resets(), resets + 1);
}

// A newer instance starting up takes the hand-off over: this one ends at its next check wherever
// it waits (start-up included), sending nothing more; the newer instance drives the hardware now.
TEST(Handoff, ANewerInstanceEndsThisOneInAnyWait) {
    struct Case {
        const char* name;
        const char* commandLine;
        std::int64_t newerStartsMs;
    };
    for (const Case c :
         {Case{"in the polling loop", "AO-7", 60000}, Case{"waiting in the file list", "", 5000},
          Case{"in a start-up pause", "AO-7", 50}}) {
        SCOPED_TRACE(c.name);
        PassStation p(kInView);
        Station newer(p.platform, p.pump, p.display);  // shares the settings store
        int framesAtHandoff = -1;
        std::size_t relayedAtHandoff = 0;
        std::int64_t handoffMs = -1;
        p.display.declare("test_newer_instance");
        p.display.on("test_newer_instance", ControlEvent::Click, [&] {
            takeOverHandoff(newer);
            framesAtHandoff = p.card.framesTaken();
            relayedAtHandoff = p.card.relayed().size();
            handoffMs = p.host.elapsedMs();
        });
        p.inputAt(c.newerStartsMs, InputKind::Click, "test_newer_instance");
        p.exitAt(120000);
        ASSERT_EQ(p.run(c.commandLine), EndReason::Handoff);
        ASSERT_GE(handoffMs, c.newerStartsMs);
        EXPECT_EQ(p.host.elapsedMs(), handoffMs);
        EXPECT_EQ(p.card.framesTaken(), framesAtHandoff);
        EXPECT_EQ(p.card.relayed().size(), relayedAtHandoff);
    }
}

// Runs of frames that carry both drive inhibits: start-up holds the rotators while it sets up the
// radios of every satellite it loads.
int satelliteLoads(const std::string& trace) {
    int loads = 0;
    bool held = false;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t at = line.find("\"slots\":[");
        if (at == std::string::npos) continue;
        std::istringstream slots(line.substr(at + 9));
        std::vector<int> values;
        for (int value = 0; slots >> value; slots.ignore()) values.push_back(value);
        const bool bothHeld = values.size() >= frame::kElInhibit &&
                              values[frame::kAzInhibit - 1] == 1 &&
                              values[frame::kElInhibit - 1] == 1;
        loads += bothHeld && !held;
        held = bothHeld;
    }
    return loads;
}

TEST(LoopFileList, OnlyADifferentFileLoadsAnotherSatellite) {
    PassStation p(kBeforeAos);
    p.inputAt(500, InputKind::Select, "File1", "AO-7.SAT");
    p.inputAt(10000, InputKind::Select, "File1", "AO-7.SAT");  // the satellite already loaded
    p.inputAt(20000, InputKind::Select, "File1", "FO-29.SAT");
    p.exitAt(30000);
    std::vector<std::string> names;
    p.observeEvery(1000, [&] { names.push_back(p.station.track.satFileName); });
    ASSERT_EQ(p.run(""), EndReason::Exit);
    ASSERT_EQ(names.size(), 30u);
    EXPECT_EQ(names[15], "AO-7");
    EXPECT_EQ(names[28], "FO-29");
    EXPECT_EQ(satelliteLoads(p.traceText.str()), 2);
    EXPECT_EQ(p.station.sat.catalogNumber, "24278");
}

// A satellite picked in the loop whose catalog number the element file lacks: its dialog, then
// the full shutdown (FO-29's IC-910 taken out of satellite mode), and no hand-off entry left.
TEST(LoopFileList, ASatelliteMissingFromTheElementFileShutsDownAfterItsDialog) {
    PassStation p(kBeforeAos);
    p.setSatelliteValue("FO-29.SAT", 1, "99999");
    p.inputAt(500, InputKind::Select, "File1", "AO-7.SAT");
    p.inputAt(10000, InputKind::Select, "File1", "FO-29.SAT");
    p.exitAt(20000);
    ASSERT_EQ(p.run(""), EndReason::Fatal);
    EXPECT_EQ(p.alerts.boxes, std::vector<std::string>{badKepsText(p.station)});
    ASSERT_FALSE(p.card.relayed().empty());
    EXPECT_EQ(p.card.relayed().back().bytes,
              (std::vector<std::uint8_t>{0xFE, 0xFE, 0x60, 0xE0, 0x1A, 0x07, 0x00, 0xFD}));
    EXPECT_EQ(p.settings.get("ORVANT", "Startup", "Left", ""), "");
}

// A virtual clock that counts how often the date and time are asked for.
class CountingClock : public VirtualHost {
  public:
    using VirtualHost::VirtualHost;
    LocalDateTime localTime() override {
        ++reads;
        return VirtualHost::localTime();
    }
    int reads = 0;
};

TEST(LoopClock, EachPassTakesDateAndTimeFromOneReading) {
    CountingClock clock(kInView);
    MemorySettingsStore settings;
    PassStation p(clock, settings);
    ASSERT_TRUE(p.startUpToTheLoop("AO-7"));
    for (int pass = 0; pass < 200; ++pass) {
        const int reads = clock.reads;
        ASSERT_EQ(loopPass(p.station), PassOutcome::Continue);
        ASSERT_EQ(clock.reads - reads, 1) << "pass " << pass;
    }
}

}  // namespace
}  // namespace orvant

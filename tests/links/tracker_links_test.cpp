#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "controller/frame_layout.h"
#include "links/tracker_hooks.h"
#include "station/handoff.h"
#include "station/program_end.h"
#include "station/tracker_kinds.h"
#include "support/sim_station.h"

// The four tracking-program links polled on their own, with their servers scripted.

namespace orvant {
namespace {

using testing::SimStation;

struct Conversation {
    const char* service;
    const char* topic;
};

Conversation conversationOf(std::int16_t kind) {
    switch (kind) {
        case tracker::kWisp:
            return {"GSC", "Tracking"};
        case tracker::kNova:
            return {"NFW32", "NFW_DATA"};
        case tracker::kWinOrbit:
            return {"WinOrbit", "TrackingInfo"};
        default:
            return {"WinTrak Pro", "DDEForm"};
    }
}

// A station under a tracking program, with what a previous poll left.
struct LinkStation : SimStation {
    explicit LinkStation(std::int16_t kind, std::int16_t fullControl = 1) {
        TrackingState& t = station.track;
        t.trackerKind = kind;
        t.fullDdeControl = fullControl;
        t.trackerStatus = "before";
        t.satName = t.satNameShown = t.satNamePrev = "OLD";
        t.satAzimuth = 7;
        t.satElevation = 8;
        t.rangeRate = 0.5;
        t.ma256 = 9;
        display.setCaption("lbl_ma256", "9");
    }
    void serve(std::vector<ConversationReply> replies) {
        const Conversation c = conversationOf(station.track.trackerKind);
        conversations.answer(c.service, c.topic, std::move(replies));
    }
    void poll(const std::string& text) {
        serve({{ConversationStatus::Ok, text}});
        pollTrackingProgram(station);
    }
};

// What a poll leaves; a poll that brings no data leaves the values of `LinkStation`.
struct Left {
    std::string shown = "OLD";
    double az = 7;
    double el = 8;
    int ma = 9;
    double rr = 0.5;
    std::string status = "before";
};

struct ReadingCase {
    const char* name;
    std::int16_t kind;
    std::string text;
    Left left;
    std::int16_t fullControl = 1;
    ConversationStatus reply = ConversationStatus::Ok;
};

const std::string kAo7 = " AO-7 AZ:123.9 EL:45.2 RR:-3.1 MA:77 Flip:No";
const std::string kWisp = "SNAO-7 AZ123.4 EL45.6 UP145900000 UMUSB DN435100000 DMLSB MA128 ";
const std::string kWispNoValues = "SNAO-7 AZ--- EL--- UP--- UMUSB DN--- DMLSB MA--- ";
const std::string kWispBelowZero = "SNAO-7 AZ1 EL2 UP145900000 UMUSB DN435100000 DMLSB MA-1 ";

// A good NOVA poll of AO-7 at azimuth 1, elevation 2 and phase `ma`, read as phase `expected`.
ReadingCase novaPhase(const char* name, const std::string& ma, int expected) {
    const std::string text = "AO-7 AZ:1 EL:2 RR:0 MA:" + ma + " Flip:No";
    return {name, tracker::kNova, text, {"AO-7", 1, 2, expected, 0, "SN" + text}};
}

// A good WinTrak poll of AO-27 at azimuth 200, read as elevation `el` and phase `ma`.
ReadingCase winTrak(const char* name, const std::string& text, double el, int ma) {
    return {name, tracker::kWinTrak, text, {"AO-27", 200, el, ma, 0.5, "SN" + text + "|"}};
}

std::vector<ReadingCase> readingCases() {
    using enum ConversationStatus;
    const std::int16_t nova = tracker::kNova, wintrak = tracker::kWinTrak,
                       winorbit = tracker::kWinOrbit, wisp = tracker::kWisp;
    // clang-format off
    return {
        {"Nova", nova, kAo7, {"AO-7", 123, 45, 77, -3.1, "SN" + kAo7}},
        {"NovaDecimalComma", nova, " AO-7 AZ:123,9 EL:45,2 RR:-3,1 MA:77 Flip:No",
         {"AO-7", 123, 45, 77, -3.1, "SN" + kAo7}},
        novaPhase("NovaPhaseHalfDown", "76.5", 76),
        novaPhase("NovaPhaseHalfUp", "77.5", 78),
        // Phases fold into the circle 0..255, clear of the below-horizon mark 300.
        novaPhase("NovaPhaseTopOfTheCircle", "255.4", 255),
        novaPhase("NovaPhaseHalfRoundsOntoTheFold", "255.5", 0),
        {"NovaMarkersInTheName", nova, "KAZ-DELFI AZ:10 EL:20 RR:1 MA:3 Flip:No",
         {"KAZ-DELFI", 10, 20, 3, 1, "SNKAZ-DELFI AZ:10 EL:20 RR:1 MA:3 Flip:No"}},
        {"NovaNegativeAzimuthFloors", nova, "X AZ:-0.5 EL:3 RR:0 MA:0 Flip:No",
         {"X", -1, 3, 0, 0, "SNX AZ:-0.5 EL:3 RR:0 MA:0 Flip:No"}},
        {"NovaElevationUnderOneDegree", nova, "AO-7 AZ:1 EL:0.4 RR:0 MA:7 Flip:No", {}},
        {"NovaTuneEcho", nova, "TUNE ON", {}},
        {"NovaWithoutRangeRate", nova, "AO-7 AZ:1 EL:20 MA:7 Flip:No", {}},
        {"NovaAzimuthNotANumber", nova, "AO-7 AZ:--- EL:20 RR:0 MA:7 Flip:No", {}},
        {"NovaShortText", nova, "AO-7 AZ:12", {}},
        {"NovaRangeRateBeyondLight", nova, "AO-7 AZ:1 EL:20 RR:-3e5 MA:7 Flip:No", {}},
        {"NovaTimedOut", nova, kAo7, {}, 1, TimedOut},
        {"NovaAnsweredBadly", nova, kAo7, {}, 1, Unusable},
        winTrak("WinTrak", "AO-27|12.5|200.9|-0.0000123|90", 12, 64),
        winTrak("WinTrakHalfOrbit", "AO-27|12.5|200.9|0|180", 12, 128),
        winTrak("WinTrakFullCircleIsPhaseZero", "AO-27|12.5|200.9|0|359.6", 12, 0),
        {"WinTrakElevationZero", wintrak, "AO-27|0|200.9|0|90", {}},
        winTrak("WinTrakElevationJustUp", "AO-27|0.1|200.9|0|90", 0, 64),
        {"WinTrakDopplerFactorOfOne", wintrak, "AO-27|12.5|200.9|1|90", {}},
        {"WinOrbit", winorbit, "AO-7|123.75|30.5|x|-2.5|200",
         {"AO-7", 123.75, 30.5, 200, -2.5, "SNAO-7|123.75|30.5|x|-2.5|200|"}},
        {"WinOrbitPhaseBeyondTheCircle", winorbit, "AO-7|123.75|30.5|x|-2.5|300",
         {"AO-7", 123.75, 30.5, 44, -2.5, "SNAO-7|123.75|30.5|x|-2.5|300|"}},
        {"WinOrbitFiveFields", winorbit, "AO-7|123.75|30.5|x|-2.5", {}},
        {"WinOrbitTimedOut", winorbit, "AO-7|123.75|30.5|x|-2.5|200", {}, 1, TimedOut},
        {"Wisp", wisp, "  " + kWisp, {"AO-7", 123, 45, 128, 0.5, kWisp + "|"}},
        {"WispPhaseBelowZero", wisp, kWispBelowZero,
         {"AO-7", 1, 2, 255, 0.5, kWispBelowZero + "|"}},
        {"WispBelowHorizon", wisp, "  SN NO ", {"DEFAULT", 7, 8, 300, 0.5, "SN NO |"}},
        {"WispWithoutFullControl", wisp, kWisp, {"AO-7", 7, 8, 9, 0.5, kWisp + "|"}, 0},
        {"WispWithoutFullControlUnusedValuesNoNumbers", wisp, kWispNoValues,
         {"AO-7", 7, 8, 9, 0.5, kWispNoValues + "|"}, 0},
        {"WispValuesNoNumbers", wisp, kWispNoValues, {}},
        {"WispUplinkNotANumber", wisp, "SNAO-7 AZ1 EL2 UP14x5 UMUSB DN435100000 DMLSB MA128 ", {}},
        {"WispUplinkBelowZero", wisp, "SNAO-7 AZ1 EL2 UP-1 UMUSB DN435100000 DMLSB MA128 ", {}},
        {"WispDownlinkBeyondEveryDial", wisp,
         "SNAO-7 AZ1 EL2 UP145900000 UMUSB DN1e300 DMLSB MA128 ", {}},
    };
    // clang-format on
}

class TrackerReadings : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(TrackerReadings, TextGivesState) {
    const ReadingCase& c = GetParam();
    LinkStation s(c.kind, c.fullControl);
    s.serve({{c.reply, c.text}});
    pollTrackingProgram(s.station);
    const TrackingState& t = s.station.track;
    EXPECT_EQ(t.satNameShown, c.left.shown);
    EXPECT_EQ(t.satAzimuth, c.left.az);
    EXPECT_EQ(t.satElevation, c.left.el);
    EXPECT_EQ(t.ma256, c.left.ma);
    EXPECT_DOUBLE_EQ(t.rangeRate, c.left.rr);
    EXPECT_EQ(t.trackerStatus, c.left.status);
    // The label shows the phase of a good poll and keeps it while the satellite is down.
    const bool good = t.trackerStatus != c.left.status || c.left.ma != 9;
    EXPECT_EQ(s.display["lbl_ma256"].caption,
              good && c.left.ma != 300 ? std::to_string(c.left.ma) : "9");
    EXPECT_TRUE(s.alerts.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Links, TrackerReadings, ::testing::ValuesIn(readingCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// What a good poll brings beyond the position: WinTrak's Doppler factor, NOVA's flip advice,
// WISP's base frequencies and its name as the satellite file to load, each link's caption.
TEST(TrackerReadings, GoodPollsBringTheirProgramsExtras) {
    LinkStation wintrak(tracker::kWinTrak, 0);
    wintrak.poll("AO-27|12.5|200.9|-0.0000123|90");
    EXPECT_DOUBLE_EQ(wintrak.station.freq.wintrakDoppler, -0.0000123);
    EXPECT_EQ(wintrak.station.track.fullDdeControl, 1);
    EXPECT_EQ(wintrak.display["lbl_satpos"].caption, "WinTrak Bearing");

    LinkStation nova(tracker::kNova);
    nova.poll("AO-7 AZ:1 EL:20 RR:0 MA:7 Flip:Ye ");
    EXPECT_EQ(nova.station.app.flipChoice, "Ye");
    EXPECT_EQ(nova.display["lbl_satpos"].caption, "NOVA Position.");

    LinkStation wisp(tracker::kWisp);
    wisp.poll(kWisp);
    EXPECT_DOUBLE_EQ(wisp.station.sat.uplinkMHz, 145.9);
    EXPECT_DOUBLE_EQ(wisp.station.sat.downlinkMHz, 435.1);
    EXPECT_EQ(wisp.station.app.satName, "AO-7");
    EXPECT_EQ(wisp.display["lbl_Base"].caption, "Doppler Corrected Freq");
    EXPECT_EQ(wisp.display["lbl_satpos"].caption, "WISP Position.");
    EXPECT_EQ(wisp.display["lbl_DDEGet"].caption, kWisp + "|");
}

// The first poll that sees the satellite down marks the parking and the "DEFAULT" names; the
// following ones leave parking alone until a poll has seen it up again.
TEST(BelowHorizon, IsHandledOncePerPass) {
    LinkStation s(tracker::kWinOrbit);
    TrackingState& t = s.station.track;
    const std::string down = "AO-7|10|-7|x|0|5", up = "AO-7|10|20|x|0|5";
    s.poll(up);
    EXPECT_FALSE(t.parkingDue);
    s.poll(down);
    EXPECT_TRUE(t.parkingDue);
    EXPECT_EQ(t.closeDone, 0);
    EXPECT_EQ(t.trackerStatus, "'  NO");
    EXPECT_EQ(t.satNamePrev, "DEFAULT");
    t.parkingDue = false;  // the antennas are parked
    t.satNamePrev = "AO-7";
    s.poll(down);
    EXPECT_FALSE(t.parkingDue);
    EXPECT_EQ(t.satNamePrev, "AO-7");
    s.poll(up);
    s.poll(down);
    EXPECT_TRUE(t.parkingDue) << "a new pass";
}

// At the minimum elevation (5 degrees) a tracking program's satellite is below the horizon: the
// antennas are marked for parking. WinTrak compares its elevation as read, NOVA the elevation's
// integer part; just above the minimum the satellite is up.
TEST(BelowHorizon, AtTheMinimumElevationAndNotJustAboveIt) {
    struct Case {
        std::int16_t kind;
        const char* text;
        bool below;
    };
    const Case cases[] = {
        {tracker::kWinTrak, "AO-27|5|200|0|90", true},
        {tracker::kWinTrak, "AO-27|5.4|200|0|90", false},
        {tracker::kNova, "AO-27 AZ:200 EL:5.9 RR:0 MA:64 Flip:No ", true},
        {tracker::kNova, "AO-27 AZ:200 EL:6 RR:0 MA:64 Flip:No ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        LinkStation s(c.kind);
        s.station.cfg.minElevation = 5;
        s.poll(c.text);
        const TrackingState& t = s.station.track;
        EXPECT_EQ(t.trackerStatus == "'  NO", c.below) << t.trackerStatus;
        EXPECT_EQ(t.trackerStatus.starts_with("SN"), !c.below);
        EXPECT_EQ(t.parkingDue, c.below);
    }
}

// NOVA waits at the horizon (or overhead, flipped) while the satellite rises toward the minimum
// elevation (here 5 degrees, from 6 below the horizon); never while it sets or while parking is
// due.
TEST(NovaPrePositioning, DrivesOnlyWhileRisingAndNotParking) {
    struct Case {
        const char* name;
        std::vector<int> elevations;
        const char* flip;
        std::int16_t flipAllowed;
        bool parkingDue;
        std::optional<int> elTarget;  // sent by the last poll
    };
    const Case cases[] = {
        {"Rising", {-3}, "No", 0, false, 0},
        {"AtTheLowest", {-6}, "No", 0, false, 0},
        {"AtTheMinimum", {5}, "No", 0, false, 0},
        {"JustAboveTheMinimum", {6}, "No", 0, false, std::nullopt},
        {"RisingFlipped", {-3}, "Ye", 1, false, 1023},
        {"FlipNotAllowed", {-3}, "Ye", 0, false, 0},
        {"TooLow", {-7}, "No", 0, false, std::nullopt},
        {"Setting", {-2, -3}, "No", 0, false, std::nullopt},
        {"ParkingDue", {-3}, "No", 0, true, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkStation s(tracker::kNova);
        s.station.cfg.minElevation = 5;
        s.station.cfg.flipAllowed = c.flipAllowed;
        s.station.track.parkingDue = c.parkingDue;
        int frames = 0;
        for (int el : c.elevations) {
            frames = s.card.framesTaken();
            s.poll("AO-7 AZ:1 EL:" + std::to_string(el) + " RR:0 MA:7 Flip:" + c.flip + " ");
        }
        EXPECT_EQ(s.card.framesTaken() - frames, c.elTarget ? 1 : 0);
        if (!c.elTarget) continue;
        const SentBytes& f = s.card.lastFrame();
        EXPECT_EQ(f[frame::kDrive], 1);
        EXPECT_EQ(256 * f[frame::kElTargetHigh] + f[frame::kElTargetLow], *c.elTarget);
        EXPECT_EQ(s.station.track.trackerStatus, "'  NO");
    }
}

// A program that cannot be reached: its message, the radios' shutdown (except after the start-up
// poke), and the end of the program.
TEST(LinkFailure, ShowsTheProgramsMessageAndEnds) {
    const std::string sig = "     KELDAN           Ver 2.2.14             April. 2002";
    const std::string novaLines =
        "            The NOVA program called NFW32.EXE\r\n"
        "                   is not running or installed.\r\n";
    auto others = [&](const std::string& program) {
        return program + "\r\n               is not running or installed.\r\n\r\n\r\n\r\n" + sig;
    };
    struct Case {
        const char* name;
        std::int16_t kind;
        void (*handler)(Station&);
        std::string message;
        std::int16_t closeDone;
    };
    const Case cases[] = {
        {"Nova", tracker::kNova, lbl_Nova_dde_Click,
         novaLines + "\r\n" + std::string(38, ' ') +
             "OR\r\n       the Orvant interface has not been selected.\r\n\r\n" + sig,
         1},
        {"NovaPoke", tracker::kNova, send_dde_Click, novaLines, 0},
        {"WinTrak", tracker::kWinTrak, lbl_wintrak_dde_Click,
         others("The program called WinTrakPro.EXE"), 1},
        {"WinOrbit", tracker::kWinOrbit, lbl_orbitdde_Click,
         others("The program called WinOrbit.EXE"), 1},
        {"Wisp", tracker::kWisp, lbl_DDEGet_DblClick,
         others("The QUENTAR WISP program called GSC.EXE"), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkStation s(c.kind);
        s.station.app.loopRunning = true;  // the shutdown runs in full
        make_regist(s.station);
        try {
            c.handler(s.station);
            ADD_FAILURE() << "the program went on";
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.reason, EndReason::Fatal);
        }
        EXPECT_EQ(s.alerts.boxes, std::vector<std::string>{c.message});
        EXPECT_EQ(s.station.track.closeDone, c.closeDone);
    }
}

// The operator's phase-automation switch: a double-click (which comes after a click) switches it
// on, a click off.
TEST(PhaseSwitch, ClickSwitchesOffDoubleClickOn) {
    struct Case {
        std::vector<InputKind> inputs;
        bool on;
        std::uint32_t back, text;
    };
    using enum InputKind;
    for (const Case& c : {Case{{Click, DblClick}, true, bgr::kGrey, bgr::kDarkBlue},
                          Case{{DblClick, Click}, false, bgr::kRed, bgr::kYellow}}) {
        SimStation s;
        for (InputKind input : c.inputs) s.display.deliver({0, input, "lbl_ma256", {}});
        EXPECT_EQ(s.station.sat.phaseAutomation, c.on);
        EXPECT_EQ(s.display["lbl_ma256"].backColor, c.back);
        EXPECT_EQ(s.display["lbl_ma256"].foreColor, c.text);
        EXPECT_EQ(s.display["lbl_ma256"].tooltip,
                  "Double click to enable P3D automation. Click to disable");
    }
}

}  // namespace
}  // namespace orvant

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "controller/frame_layout.h"
#include "frontend/headless_frontend.h"
#include "station/station.h"
#include "support/pass_station.h"

// Whole passes of AO-7 over the sample station near London (January 2018), replayed in program
// time: start-up, the polling loop and the simulated card's motors run together, and the test
// watches the card from outside every few seconds.

namespace orvant {
namespace {

using testing::PassStation;

constexpr std::int64_t kSampleMs = 2000;
constexpr double kFullTravelMs = sim::SimControllerCard::kDefaultFullTravelMs;
constexpr int kTopCount = 1023;

// Where the antennas point, from the counts the card holds, by the travel of each rotator type:
// the bearing at count 0 and the degrees across the whole count range. An elevation beyond the
// zenith looks the other way (flip mode).
struct Pointing {
    double azimuth = 0, elevation = 0;
};

double mechanicalAzimuth(int rotatorType, int azCounts) {
    static constexpr double kBearingAtZero[] = {180, 0, 0, 135, 90, 315};
    const double span = rotatorType <= 1 ? 360 : 450;
    return std::fmod(kBearingAtZero[rotatorType] + azCounts * span / kTopCount, 360);
}

double mechanicalElevation(int elCounts) {
    return elCounts * 180.0 / kTopCount;
}

Pointing pointingOf(int rotatorType, int azCounts, int elCounts) {
    const double az = mechanicalAzimuth(rotatorType, azCounts);
    const double el = mechanicalElevation(elCounts);
    if (el <= 90) return {az, el};
    return {std::fmod(az + 180, 360), 180 - el};
}

// The degrees between two bearings the short way round.
double bearingError(double a, double b) {
    const double d = std::fabs(std::fmod(a - b, 360));
    return std::min(d, 360 - d);
}

// What the test sees every few seconds of program time.
struct Sample {
    std::int64_t ms = 0;
    double satAzimuth = 0, satElevation = 0;
    int azCounts = 0, elCounts = 0;
    int azTarget = 0, elTarget = 0, drive = 0;  // of the last frame the card took
    int frames = 0;
    bool parkingDue = false;
    bool readCurrent = false;  // the station's last reading of the counts is where they stand
    Pointing shown;            // the rotator's bearings on the headless status line
};

// The station's last reading of the counts is where the rotator stands, within a degree.
bool readCurrent(const LinkState& read, sim::SimControllerCard& card) {
    constexpr int kWithin = 2;
    return std::abs(read.azCounts - card.azimuthCounts()) <= kWithin &&
           std::abs(read.elCounts - card.elevationCounts()) <= kWithin;
}

Pointing statusLineBearings(const Station& station) {
    const std::string line = StatusLines().next(station);
    std::istringstream fields(line.substr(line.find(" rot az ") + 8));
    Pointing shown;
    std::string el;
    fields >> shown.azimuth >> el >> shown.elevation;
    return shown;
}

void recordSamples(PassStation& p, std::vector<Sample>& samples) {
    p.observeEvery(kSampleMs, [&p, &samples] {
        if (!p.station.app.loopRunning) return;  // no position yet while the radios are set up
        const SentBytes& frame = p.card.lastFrame();
        samples.push_back({p.host.elapsedMs(), p.station.track.satAzimuth,
                           p.station.track.satElevation, p.card.azimuthCounts(),
                           p.card.elevationCounts(),
                           256 * frame[frame::kAzTargetHigh] + frame[frame::kAzTargetLow],
                           256 * frame[frame::kElTargetHigh] + frame[frame::kElTargetLow],
                           frame[frame::kDrive], p.card.framesTaken(), p.station.track.parkingDue,
                           readCurrent(p.station.link, p.card), statusLineBearings(p.station)});
    });
}

// The samples of the pass: from the first with the satellite in view (AOS) to the first after it
// with the satellite below the horizon (LOS). The sample station's minimum elevation is 0.
struct PassWindow {
    std::size_t aos = 0, los = 0;
};

PassWindow passWindow(const std::vector<Sample>& samples) {
    PassWindow w{samples.size(), samples.size()};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (w.aos == samples.size() && samples[i].satElevation >= 0) w.aos = i;
        if (w.aos < i && samples[i].satElevation < 0) {
            w.los = i;
            break;
        }
    }
    return w;
}

// A target change far larger than the satellite moves between two samples starts a long move of
// the rotator (the first target after AOS, the turn-round of a 360-degree rotator at its end
// stop); the card needs its travel time for it, and the pointing is not checked meanwhile.
constexpr int kLongMoveCounts = 40;
constexpr std::int64_t kSettleMs = 4000;

struct LongMoves {
    int count = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> excused;  // program-time intervals
};

LongMoves longMoves(const std::vector<Sample>& samples, const PassWindow& w, int Sample::*target,
                    int Sample::*position) {
    LongMoves moves;
    for (std::size_t i = w.aos; i < w.los; ++i) {
        const Sample& before = samples[i - 1];
        if (std::abs(samples[i].*target - before.*target) <= kLongMoveCounts) continue;
        ++moves.count;
        const double travelMs =
            std::abs(samples[i].*target - before.*position) * kFullTravelMs / kTopCount;
        moves.excused.emplace_back(before.ms,
                                   before.ms + static_cast<std::int64_t>(travelMs) + kSettleMs);
    }
    return moves;
}

bool excused(const LongMoves& moves, std::int64_t ms) {
    return std::any_of(moves.excused.begin(), moves.excused.end(),
                       [ms](const auto& span) { return ms >= span.first && ms <= span.second; });
}

// How far the antennas may trail the satellite while tracking. The position comes in whole
// degrees and a new target goes out as soon as it has moved by the update step of ORV.CFG (2
// degrees), so the target trails by at most 1 degree; the card stops within its tolerance (2
// degrees in azimuth, 5 counts in elevation); and one degree more covers the satellite's motion
// during a send and the count resolution.
constexpr double kAzimuthAllowance = 1 + 2 + 1;
constexpr double kElevationAllowance = 1 + 5 * 180.0 / kTopCount + 1;
// How far the bearings the status line prints may differ from the rotator's own, while the
// station's reading is current to a degree: they are whole degrees, and the readback may be one
// pass old.
constexpr double kShownAllowance = 1 + 1 + 1;

// A pass of AO-7: the program starts a few minutes before it and the operator exits at `exitMs`
// of program time, well after it.
struct PassTimes {
    LocalDateTime start;
    std::int64_t exitMs;
    const char* catalogNumber = nullptr;  // another element set for AO-7's file to follow
};

struct PassCase {
    const char* name;
    PassTimes times;
    int rotatorType;
    bool flip;
    int parkAzimuth;         // ORV.CFG value 19
    int parkAt90;            // ORV.CFG value 30
    int turnRounds;          // long azimuth moves expected after the one that follows AOS
    double parkedElevation;  // where the elevation motor parks, mechanical degrees
};

// The pass of 00:42 to 00:53 stays below about 3 degrees; the pass of 02:33 to 02:54 peaks at
// about 30 degrees; the pass of 04:26 to 04:49 at about 77 degrees, and it crosses north on its
// way from the north-east to the south-west.
constexpr PassTimes kGrazingPass{{2018, 1, 21, 0, 40, 0, 0}, 16 * 60 * 1000};
constexpr PassTimes kLowPass{{2018, 1, 21, 2, 30, 0, 0}, (27 * 60 + 30) * 1000};
constexpr PassTimes kOverheadPass{{2018, 1, 21, 4, 23, 0, 0}, (28 * 60 + 30) * 1000};
// SO-50's pass of 2018 January 20, 07:47 to 08:00, rises in the west-south-west, peaks at about 32
// degrees in the north-west and crosses north clockwise on its way to the north-east.
constexpr PassTimes kNorthernPass{{2018, 1, 20, 7, 44, 0, 0}, 19 * 60 * 1000, "27607"};

class WholePass : public ::testing::TestWithParam<PassCase> {
  protected:
    WholePass() : p(GetParam().times.start) {
        const PassCase& c = GetParam();
        p.setConfig(19, std::to_string(c.parkAzimuth));
        p.setConfig(22, std::to_string(c.rotatorType));
        p.setConfig(30, std::to_string(c.parkAt90));
        if (c.times.catalogNumber != nullptr)
            p.setSatelliteValue("AO-7.SAT", 1, c.times.catalogNumber);
        if (c.flip) {
            p.setConfig(33, "YES");
            // The operator answers the flip question before the satellite rises.
            p.inputAt(1000, InputKind::DblClick, "lbl_SatBearings");
        }
        p.exitAt(c.times.exitMs);
        recordSamples(p, samples);
    }

    PassStation p;
    std::vector<Sample> samples;
};

TEST_P(WholePass, WaitsTracksTheSatelliteThenParks) {
    const PassCase& c = GetParam();
    ASSERT_EQ(p.run("AO-7"), EndReason::Exit);
    ASSERT_EQ(p.station.cfg.rotatorType, c.rotatorType);
    EXPECT_EQ(p.station.app.flipChoice == "Ye", c.flip);
    const PassWindow w = passWindow(samples);
    ASSERT_GT(w.aos, 60u) << "the satellite rose too early: no waiting time";
    ASSERT_LT(w.los + 30, samples.size()) << "no time after the pass was seen";

    // Waiting: the card is polled, but no target and no drive command reach it.
    for (std::size_t i = 0; i < w.aos; ++i) {
        const Sample& s = samples[i];
        ASSERT_EQ(std::vector<int>({s.azTarget, s.elTarget, s.drive, s.azCounts, s.elCounts}),
                  std::vector<int>(5, 0))
            << "at " << s.ms << " ms";
    }
    EXPECT_GT(samples[w.aos - 1].frames, samples[0].frames + 10) << "no idle polls";

    // Tracking: after the long moves, the antennas follow the satellite; and whenever the station
    // has read the rotator where it stands, the status line prints the rotator's own bearings (in
    // flip mode the reciprocal of the antennas' azimuth, and the elevation over the top).
    const LongMoves azMoves = longMoves(samples, w, &Sample::azTarget, &Sample::azCounts);
    const LongMoves elMoves = longMoves(samples, w, &Sample::elTarget, &Sample::elCounts);
    EXPECT_EQ(azMoves.count, 1 + c.turnRounds);
    EXPECT_EQ(elMoves.count, c.flip ? 1 : 0);
    std::size_t checked = 0, shownChecked = 0;
    for (std::size_t i = w.aos; i < w.los; ++i) {
        const Sample& s = samples[i];
        const Pointing at = pointingOf(c.rotatorType, s.azCounts, s.elCounts);
        if (!excused(azMoves, s.ms)) {
            ++checked;
            EXPECT_LE(bearingError(at.azimuth, s.satAzimuth), kAzimuthAllowance)
                << "at " << s.ms << " ms: antennas " << at.azimuth << ", satellite "
                << s.satAzimuth;
        }
        if (!excused(elMoves, s.ms)) {
            EXPECT_LE(std::fabs(at.elevation - s.satElevation), kElevationAllowance)
                << "at " << s.ms << " ms: antennas " << at.elevation << ", satellite "
                << s.satElevation;
        }
        if (s.readCurrent && !excused(azMoves, s.ms) && !excused(elMoves, s.ms)) {
            ++shownChecked;
            ASSERT_LE(bearingError(s.shown.azimuth, mechanicalAzimuth(c.rotatorType, s.azCounts)),
                      kShownAllowance)
                << "at " << s.ms << " ms";
            ASSERT_NEAR(s.shown.elevation, mechanicalElevation(s.elCounts), kShownAllowance)
                << "at " << s.ms << " ms";
        }
    }
    EXPECT_GT(checked, (w.los - w.aos) * 2 / 3) << "the long moves took most of the pass";
    EXPECT_GT(shownChecked, 20u) << "the station hardly read the rotator where it stood";

    // After LOS: parking drives to the park position, completes, and the antennas stay there.
    const auto parked =
        std::find_if(samples.begin() + static_cast<std::ptrdiff_t>(w.los), samples.end(),
                     [](const Sample& s) { return !s.parkingDue && s.drive == 0; });
    ASSERT_NE(parked, samples.end()) << "parking never completed";
    EXPECT_LE(parked->ms - samples[w.los].ms, static_cast<std::int64_t>(kFullTravelMs) + kSettleMs);
    for (auto s = parked; s != samples.end(); ++s) {
        EXPECT_EQ(s->azCounts, parked->azCounts) << "moved after parking at " << s->ms << " ms";
        EXPECT_EQ(s->elCounts, parked->elCounts) << "moved after parking at " << s->ms << " ms";
    }
    if (c.parkAzimuth != 0) {
        EXPECT_LE(bearingError(mechanicalAzimuth(c.rotatorType, parked->azCounts), c.parkAzimuth),
                  3);
    }
    EXPECT_NEAR(mechanicalElevation(parked->elCounts), c.parkedElevation, 2);
    EXPECT_TRUE(p.display["lbl_parked"].visible);
    EXPECT_FALSE(p.display["lbl_parking"].visible);
}

INSTANTIATE_TEST_SUITE_P(
    SamplePasses, WholePass,
    ::testing::Values(
        // Type 1 turns 360 degrees with its stop at north: the overhead pass makes it turn round.
        PassCase{"LowPassStopAtNorth", kLowPass, 1, false, 90, 0, 0, 0},
        PassCase{"OverheadPassStopAtNorth", kOverheadPass, 1, false, 300, 1, 1, 90},
        // Type 3 turns 450 degrees centred on north: both passes without a turn-round.
        PassCase{"LowPassCentredOnNorth", kLowPass, 3, false, 270, 1, 0, 90},
        PassCase{"OverheadPassCentredOnNorth", kOverheadPass, 3, false, 45, 0, 0, 0},
        // Type 2 turns 450 degrees from north: crossing north clockwise goes on into the overlap.
        PassCase{"NorthernPassFromNorth", kNorthernPass, 2, false, 0, 0, 0, 0},
        // Type 5 turns 450 degrees centred on south; the satellite barely clears the horizon.
        PassCase{"GrazingPassCentredOnSouth", kGrazingPass, 5, false, 200, 0, 0, 0},
        // Flip mode follows the overhead pass over the zenith on the reciprocal bearing, so the
        // stop at north is never reached; the elevation parks over the top.
        PassCase{"OverheadPassFlippedStopAtNorth", kOverheadPass, 1, true, 120, 0, 0, 178},
        // Type 0 turns 360 degrees with its stop at south, which the overhead pass never crosses.
        PassCase{"OverheadPassStopAtSouth", kOverheadPass, 0, false, 90, 0, 0, 0}),
    [](const ::testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

// A satellite file with a forced park azimuth parks the antennas on the loop's first pass; with
// end-after-parking set the program then ends by itself.
class ForcedParkingRun : public ::testing::TestWithParam<int> {};

// Before the antennas move, forced parking sets up PARK's radios (an IC-910 pair) and tunes them.
constexpr std::int64_t kRadioSetUpMs = 2000;

TEST_P(ForcedParkingRun, ParksAtTheSatellitesAzimuthAndEndsTheProgram) {
    const int rotatorType = GetParam();
    PassStation p(kOverheadPass.start);
    p.setConfig(20, "1");
    p.setConfig(22, std::to_string(rotatorType));
    p.exitAt(10 * 60 * 1000);  // not reached
    ASSERT_EQ(p.run("PARK"), EndReason::Parked);
    ASSERT_EQ(p.station.cfg.rotatorType, rotatorType);
    EXPECT_LE(p.host.elapsedMs(),
              static_cast<std::int64_t>(kFullTravelMs) + kSettleMs + kRadioSetUpMs);
    EXPECT_EQ(p.station.track.parkedDone, 1);
    // PARK.SAT parks facing south, at the horizon.
    EXPECT_LE(bearingError(mechanicalAzimuth(rotatorType, p.card.azimuthCounts()), 180), 3);
    EXPECT_LT(mechanicalElevation(p.card.elevationCounts()), 2);
    EXPECT_FALSE(p.card.azimuthMoving());
    EXPECT_EQ(p.card.resets(), 2) << "the controller is reset when parked and before the end";
    EXPECT_EQ(p.display["lbl_Base"].caption, "Parked Frequency");
}

INSTANTIATE_TEST_SUITE_P(EveryRotatorType, ForcedParkingRun, ::testing::Range(0, 6),
                         [](const auto& info) {
                             return "RotatorType" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace orvant

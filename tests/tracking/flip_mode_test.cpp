#include "tracking/flip_mode.h"

#include <gtest/gtest.h>

#include "rotator_station.h"
#include "station/tracker_kinds.h"
#include "tracking/pointing.h"
#include "tracking/readback.h"

namespace orvant {
namespace {

struct FlipMode : testing::RotatorTest {
    FlipMode() { s.setFlipMode(); }

    // The reciprocal readback of a rotator type for a commanded bearing and a read count.
    void readback(std::int16_t type, double commandDeg, std::int16_t azCounts) {
        s.setRotatorType(type);
        rot.azCommandDeg = commandDeg;
        s.station.link.azCounts = azCounts;
        flip_g5500(s.station);
    }
    // The reciprocal readback's command counts, and the bearing shown and the command
    // degrees when given.
    void expect(std::int16_t type, double commandDeg, std::int16_t azCounts, int counts,
                const char* shown = nullptr, double deg = -1) {
        SCOPED_TRACE(::testing::Message() << "type " << type << " at " << commandDeg << " deg, "
                                          << azCounts << " counts");
        readback(type, commandDeg, azCounts);
        EXPECT_EQ(rot.azCommandCounts, counts);
        if (shown != nullptr) {
            EXPECT_EQ(s.display["lbl_Azfed"].caption, shown);
        }
        if (deg >= 0) {
            EXPECT_EQ(rot.azCommandDeg, deg);
        }
    }
};

TEST_F(FlipMode, OverheadPassTurnsToTheReciprocalBearingAndMirrorsTheElevation) {
    pass(100, 30);
    EXPECT_EQ(s.sentTarget(47), 853);     // 1023 - Int(30 / scale)
    EXPECT_EQ(rot.azCommandCounts, 795);  // Int(280 / scale)
    EXPECT_EQ(rot.azCommandDeg, 100);     // the display and the update step keep the bearing
    EXPECT_EQ(s.display["lbl_SatBearings"].caption,
              "Flip Mode....Antennas point to reciprocal bearings");
    pass(100, 30);
    EXPECT_EQ(s.sentTarget(45), 795);
    EXPECT_EQ(track.satInView, 1);
}

TEST_F(FlipMode, MirroredElevationTargets) {
    s.station.cfg.minElevation = 10;
    pass(0, 5);
    EXPECT_EQ(s.card.framesTaken(), 0) << "below the minimum elevation nothing is sent";
    s.station.cfg.minElevation = -5;
    pass(0, -2);  // a negative elevation sends the top count
    EXPECT_EQ(s.slot(47), 3);
    EXPECT_EQ(s.slot(48), 255);
    s.display["hs_elevation"].value = -20;
    pass(0, 5);  // -15 degrees: Int(-85.25) = -86 mirrors to 1109, limited when sent
    EXPECT_EQ(rot.elCommandCounts, 1109);
    EXPECT_EQ(s.sentTarget(47), 1023);
}

TEST_F(FlipMode, TheFlipQuestion) {
    lbl_SatBearings_Click(s.station);
    EXPECT_FALSE(flipModeOn(s.station));
    EXPECT_EQ(s.display["lbl_SatBearings"].caption, "Flipping Off");
    EXPECT_EQ(s.display["lbl_SatBearings"].foreColor, 0x800000u);
    for (std::int16_t kind : {tracker::kWisp, tracker::kNova}) {
        track.trackerKind = kind;
        s.operatorDoes(InputKind::DblClick, "lbl_SatBearings");
        EXPECT_FALSE(flipModeOn(s.station));
    }
    track.trackerKind = tracker::kWinOrbit;
    s.operatorDoes(InputKind::DblClick, "lbl_SatBearings");
    EXPECT_TRUE(flipModeOn(s.station));
    EXPECT_EQ(s.display["lbl_SatBearings"].caption, "Flipping On");
    EXPECT_EQ(s.display["lbl_SatBearings"].foreColor, 0xFFFF80u);
}

TEST_F(FlipMode, ElevationGaugeShowsTheDistanceFromTheZenith) {
    s.station.link.elCounts = 700;
    readback(1, 0, 0);
    EXPECT_EQ(s.display["vs_vertical"].value, -188);
    refreshPointingDisplay(s.station);  // the loop's display leaves it in flip mode
    EXPECT_EQ(s.display["vs_vertical"].value, -188);
}

TEST_F(FlipMode, Type0StopAtSouth) {
    expect(0, 100, 300, 284, "285");  // Int(795.7 - 511.5); Int(105.6) + 180
    EXPECT_EQ(s.display["hs_hf"].value, 809);
    expect(0, 300, 300, 852);  // Int(341 + 511.5)
}

TEST_F(FlipMode, Type1SwitchesToTheSouthCentredScaleOnce) {
    s.display.setCaption("lbl_hf180", "S");
    readback(1, 100, 300);
    EXPECT_EQ(s.display["lbl_Azfed"].caption, "105");
    EXPECT_EQ(s.display["lbl_hf180"].caption, "180");
    EXPECT_EQ(rot.flipScaleShown, 1);
    EXPECT_EQ(s.display["hs_hf"].value, 213);  // |Int(298.4 - 511.27)|
    s.display.setCaption("lbl_hf180", "S");
    expect(1, 200, 300, 56);  // Int(20 / scale)
    EXPECT_EQ(s.display["lbl_hf180"].caption, "S");
    EXPECT_EQ(s.display["hs_hf"].value, 809);  // Int(298.4 + 511.27)
}

TEST_F(FlipMode, Type2HoldsAt355InTheOverlap) {
    expect(2, 100, 850, 807, "355", 355);
    expect(2, 100, 300, 637, "131");  // nearest(636.5)
    EXPECT_EQ(s.display["hs_default"].value, 300);
}

TEST_F(FlipMode, Type3HoldsShortOfBothEnds) {
    expect(3, 100, 950, 909, nullptr, 175);
    expect(3, 100, 50, 106, "156", 182);
    expect(3, 100, 500, 330, "355", 100);  // nearest(636.5 - 306.9)
    EXPECT_EQ(s.display["hs_450"].value, 738);
}

TEST_F(FlipMode, Type4KeepsTheOwnBearingAtTheCounterClockwiseEnd) {
    s.display.setCaption("lbl_Azfed", "unchanged");
    expect(4, 120, 100, 68, "unchanged");
    EXPECT_EQ(s.display["hs_south"].value, 887);
    expect(4, 120, 500, 478, "310");  // nearest(1296 - 818.4)
}

TEST_F(FlipMode, DueSouthTurnsToNorth) {
    expect(1, 180, 300, 1022);  // Int(360 / scale): north is the clockwise stop
    expect(2, 180, 300, 818);   // nearest(818.4): north on the first turn
    expect(5, 180, 500, 921);   // Int(818.4 + 102.6)
}

TEST_F(FlipMode, Type5HoldsTheTargetAtBothEnds) {
    rot.azCommandCounts = 77;
    expect(5, 100, 900, 77, nullptr, 358);
    expect(5, 100, 50, 77, nullptr, 3);
    expect(5, 100, 500, 739, "174");
    EXPECT_EQ(s.display["hs_5"].value, 329);
}

}  // namespace
}  // namespace orvant

#include "tracking/readback.h"

#include <gtest/gtest.h>

#include "rotator_station.h"

namespace orvant {
namespace {

using testing::RotatorStation;

// Runs the readback of the configured rotator type for a commanded bearing and a read count.
struct Readback : ::testing::Test {
    RotatorStation s;

    std::int16_t countsFor(std::int16_t type, double commandDeg, std::int16_t azCounts) {
        s.setRotatorType(type);
        s.station.rot.azCommandDeg = commandDeg;
        s.station.link.azCounts = azCounts;
        readbackStage(s.station);
        return s.station.rot.azCommandCounts;
    }
    std::string shown() const { return s.display["lbl_Azfed"].caption; }
    int gauge(const char* name) const { return s.display[name].value; }
};

TEST_F(Readback, Type1StopAtNorth) {
    EXPECT_EQ(countsFor(1, 90, 0), 256);  // 255.75
    EXPECT_EQ(shown(), "0");
    EXPECT_EQ(countsFor(1, 0, 1023), 0);
    EXPECT_EQ(shown(), "360");
    EXPECT_EQ(gauge("hs_hf"), 1023);
    EXPECT_EQ(countsFor(1, 359, 512), 1020);  // 1020.14
    EXPECT_EQ(shown(), "180");                // nearest(180.18)
    EXPECT_EQ(gauge("hs_hf"), 511);           // 180 / scale is 511.4999... in double precision
}

TEST_F(Readback, Type0StopAtSouth) {
    EXPECT_EQ(countsFor(0, 0, 0), 512);
    EXPECT_EQ(shown(), "180");
    EXPECT_EQ(gauge("hs_hf"), 0);           // nearest(180 / scale) - 511
    EXPECT_EQ(countsFor(0, 181, 600), 2);   // 514.3 becomes 514, less 512
    EXPECT_EQ(shown(), "31");               // |nearest(211.1) - 180|
    EXPECT_EQ(gauge("hs_hf"), 600);         // nearest(88.09) + 512
    EXPECT_EQ(countsFor(0, 90, 512), 768);  // nearest(255.75) + 512
    EXPECT_EQ(shown(), "360");              // due north, count 512
}

TEST_F(Readback, Type2Overlap) {
    EXPECT_EQ(countsFor(2, 45, 850), 921);  // 102.3 + 818.4
    EXPECT_EQ(shown(), "45");               // nearest(921 * scale - 360)
    EXPECT_EQ(gauge("hs_default"), 850);
    EXPECT_EQ(countsFor(2, 45, 700), 102);
    EXPECT_EQ(shown(), "307");               // Int(307.9)
    EXPECT_EQ(countsFor(2, 100, 900), 227);  // beyond 90: no second turn
}

TEST_F(Readback, Type3CentredOnNorth) {
    EXPECT_EQ(countsFor(3, 0, 500), countsFor(3, 1, 500));  // 0 is treated as 1
    EXPECT_EQ(s.station.rot.azCommandDeg, 1);
    EXPECT_EQ(countsFor(3, 200, 900), 966);  // Int(454.7 + 512), clockwise end
    EXPECT_EQ(shown(), "171");               // nearest((900 - 102) * scale - 180) = nearest(171.0)
    EXPECT_EQ(countsFor(3, 270, 500), 307);  // 613.8 - 306.9
    EXPECT_EQ(shown(), "355");               // nearest(500 * scale + 135) = nearest(354.9)
    EXPECT_EQ(countsFor(3, 150, 100), 34);   // counter-clockwise end: nearest(341.0 - 306.9)
    EXPECT_EQ(countsFor(3, 90, 600), 716);   // nearest(204.6 + 511.5)
    EXPECT_EQ(shown(), "39");                // nearest(263.9) - 225
    EXPECT_EQ(gauge("hs_450"), 600);
}

TEST_F(Readback, Type4FromEast) {
    EXPECT_EQ(countsFor(4, 0, 300), 614);  // treated as 360: 818.4 - 204.6 = 613.8
    EXPECT_EQ(s.station.rot.azCommandDeg, 360);
    EXPECT_EQ(countsFor(4, 120, 100), 68);   // counter-clockwise end: nearest(272.8 - 204.6)
    EXPECT_EQ(shown(), "134");               // nearest(44.0 + 90)
    EXPECT_EQ(countsFor(4, 120, 700), 887);  // nearest(272.8 + 613.8)
    EXPECT_EQ(shown(), "38");                // nearest(307.9 - 270)
    EXPECT_EQ(gauge("hs_south"), 700);
}

TEST_F(Readback, Type5CentredOnSouth) {
    EXPECT_EQ(countsFor(5, 360, 500), 102);  // treated as 0
    EXPECT_EQ(s.station.rot.azCommandDeg, 0);
    EXPECT_EQ(shown(), "175");              // Int((500 - 102) * scale) = Int(175.07)
    EXPECT_EQ(countsFor(5, 30, 900), 989);  // clockwise end: nearest(68.2 + 920.7)
    EXPECT_EQ(shown(), "10");               // |Int(-9.1)|
    EXPECT_EQ(countsFor(5, 330, 50), 32);   // counter-clockwise end: nearest(750.2 - 718)
    EXPECT_EQ(shown(), "337");              // Int(21.99) - 44 + 360
    EXPECT_EQ(countsFor(5, 315, 50), -2);   // nearest(716.1 - 718): limited when sent
    EXPECT_EQ(gauge("hs_5"), 50);
}

TEST_F(Readback, CountsBeyondTheTravelLeaveTypes3And5Untouched) {
    for (std::int16_t type : {3, 5}) {
        s.station.rot.azCommandCounts = 77;
        s.display.setCaption("lbl_Azfed", "12");
        EXPECT_EQ(countsFor(type, 100, 1100), 77);
        EXPECT_EQ(shown(), "12");
    }
}

TEST_F(Readback, FlipModeReplacesTheReadbackOfTheType) {
    s.setFlipMode();
    countsFor(1, 100, 0);
    EXPECT_EQ(s.display["lbl_SatBearings"].caption,
              "Flip Mode....Antennas point to reciprocal bearings");
    EXPECT_EQ(s.station.rot.azCommandCounts, 795);  // Int(280 / scale)
}

TEST(AzimuthGauge, OnePerRotatorType) {
    EXPECT_EQ(azimuthGauge(0), "hs_hf");
    EXPECT_EQ(azimuthGauge(1), "hs_hf");
    EXPECT_EQ(azimuthGauge(2), "hs_default");
    EXPECT_EQ(azimuthGauge(3), "hs_450");
    EXPECT_EQ(azimuthGauge(4), "hs_south");
    EXPECT_EQ(azimuthGauge(5), "hs_5");
}

}  // namespace
}  // namespace orvant

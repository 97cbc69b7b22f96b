#include "tracking/readback.h"

#include <gtest/gtest.h>

#include "rotator_station.h"

namespace orvant {
namespace {

using testing::RotatorStation;

// Runs the readback of a rotator type for a commanded bearing and a read count.
struct Readback : ::testing::Test {
    RotatorStation s;

    std::int16_t countsFor(std::int16_t type, double commandDeg, std::int16_t azCounts) {
        s.setRotatorType(type);
        s.station.rot.azCommandDeg = commandDeg;
        s.station.link.azCounts = azCounts;
        readbackStage(s.station);
        return s.station.rot.azCommandCounts;
    }
    // The command counts and the bearing shown for one readback.
    void expect(std::int16_t type, double commandDeg, std::int16_t azCounts, int counts,
                const char* shown) {
        SCOPED_TRACE(::testing::Message() << "type " << type << " at " << commandDeg << " deg, "
                                          << azCounts << " counts");
        EXPECT_EQ(countsFor(type, commandDeg, azCounts), counts);
        EXPECT_EQ(s.display["lbl_Azfed"].caption, shown);
    }
    int gauge(const char* name) const { return s.display[name].value; }
};

TEST_F(Readback, Type1StopAtNorth) {
    expect(1, 90, 0, 256, "0");  // 255.75
    expect(1, 0, 1023, 0, "360");
    EXPECT_EQ(gauge("hs_hf"), 1023);
    expect(1, 359, 512, 1020, "180");  // 1020.14; nearest(180.18)
    EXPECT_EQ(gauge("hs_hf"), 511);    // 180 / scale is 511.4999... in double precision
}

TEST_F(Readback, Type0StopAtSouth) {
    expect(0, 0, 0, 512, "180");
    EXPECT_EQ(gauge("hs_hf"), 0);             // nearest(180 / scale) - 511
    expect(0, 181, 600, 2, "31");             // 514.3 becomes 514, less 512; |nearest(211.1) - 180|
    EXPECT_EQ(gauge("hs_hf"), 600);           // nearest(88.09) + 512
    expect(0, 90, 512, 768, "360");           // nearest(255.75) + 512; due north, count 512
    EXPECT_EQ(countsFor(0, 180, 512), 1023);  // due south is the clockwise end: 511 + 512
}

TEST_F(Readback, Type2Overlap) {
    expect(2, 45, 850, 921, "45");  // 102.3 + 818.4; nearest(921 * scale - 360)
    EXPECT_EQ(gauge("hs_default"), 850);
    expect(2, 45, 700, 102, "307");          // Int(307.9)
    EXPECT_EQ(countsFor(2, 100, 900), 227);  // beyond 90: no second turn
    // Near north on the first turn (count 800 is 352 degrees), a bearing just past north is
    // reached clockwise through the overlap, never by a swing back round.
    for (std::int16_t azCounts : {800, 816, 817}) EXPECT_EQ(countsFor(2, 1, azCounts), 821);
    EXPECT_EQ(countsFor(2, 1, 799), 2);
}

TEST_F(Readback, Type3CentredOnNorth) {
    EXPECT_EQ(countsFor(3, 0, 500), countsFor(3, 1, 500));  // 0 is treated as 1
    EXPECT_EQ(s.station.rot.azCommandDeg, 1);
    expect(3, 200, 900, 966, "171");        // Int(454.7 + 512), clockwise end; nearest(171.0)
    expect(3, 270, 500, 307, "355");        // 613.8 - 306.9; nearest(500 * scale + 135)
    EXPECT_EQ(countsFor(3, 150, 100), 34);  // counter-clockwise end: nearest(341.0 - 306.9)
    expect(3, 90, 600, 716, "39");          // nearest(204.6 + 511.5); nearest(263.9) - 225
    EXPECT_EQ(gauge("hs_450"), 600);
}

TEST_F(Readback, Type4FromEast) {
    EXPECT_EQ(countsFor(4, 0, 300), 614);  // treated as 360: 818.4 - 204.6 = 613.8
    EXPECT_EQ(s.station.rot.azCommandDeg, 360);
    expect(4, 120, 100, 68, "134");  // counter-clockwise end: nearest(272.8 - 204.6); 44.0 + 90
    expect(4, 120, 700, 887, "38");  // nearest(272.8 + 613.8); nearest(307.9 - 270)
    EXPECT_EQ(gauge("hs_south"), 700);
}

TEST_F(Readback, Type5CentredOnSouth) {
    expect(5, 360, 500, 102, "175");  // treated as 0; Int((500 - 102) * scale) = Int(175.07)
    EXPECT_EQ(s.station.rot.azCommandDeg, 0);
    expect(5, 30, 900, 989, "10");  // clockwise end: nearest(68.2 + 920.7); |Int(-9.1)|
    expect(5, 330, 50, 32, "337");  // counter-clockwise end: nearest(750.2 - 718); 21.99 - 44 + 360
    EXPECT_EQ(countsFor(5, 315, 50), -2);  // nearest(716.1 - 718): limited when sent
    EXPECT_EQ(gauge("hs_5"), 50);
    EXPECT_EQ(countsFor(5, 101, 500), 332);  // nearest(229.6 + 102)
}

TEST_F(Readback, CountsBeyondTheTravelLeaveTypes3And5Untouched) {
    for (std::int16_t type : {3, 5}) {
        s.station.rot.azCommandCounts = 77;
        s.display.setCaption("lbl_Azfed", "12");
        expect(type, 100, 1100, 77, "12");
    }
}

}  // namespace
}  // namespace orvant

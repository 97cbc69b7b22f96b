#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "frequency_station.h"
#include "frontend/headless_frontend.h"
#include "radio/frequency_text.h"
#include "station/tracker_kinds.h"

namespace orvant {
namespace {

using testing::FrequencyStation;

// The link as the sample satellite has it unless a case says otherwise.
struct DopplerCase {
    std::string name;
    double upMHz = 145.900001, downMHz = 435.000001, rangeRate = 0, upConverter = 0,
           downConverter = 0, offset = 0, uplinkKHz = 0;
    std::int16_t tracker = 0;
    double wintrakFactor = 0;
    std::string up, down;
};

struct DopplerAndTexts : ::testing::TestWithParam<DopplerCase> {};

TEST_P(DopplerAndTexts, SendsTheCorrectedFrequencies) {
    const DopplerCase& c = GetParam();
    FrequencyStation h(c.upMHz, c.downMHz);
    Station& s = h.station;
    h.converters(c.upConverter, c.downConverter);
    s.sat.offsetMHz = c.offset;
    s.sat.uplinkOffsetKHz = c.uplinkKHz;
    s.track.rangeRate = c.rangeRate;
    s.track.trackerKind = s.track.fullDdeControl = c.tracker;  // WISP: with full DDE control
    s.freq.wintrakDoppler = c.wintrakFactor;
    h.pass();
    EXPECT_EQ(h.sentUp(), c.up);
    EXPECT_EQ(h.sentDown(), c.down);
}

// A range rate that shifts 435 MHz by -1234.2 Hz, which is floored to -1235.
const double kReceding = 1234.2 / 435.000001 * 299792.458e-6;

// The uplink shift has the downlink's sign and is subtracted: 2433 Hz at 145.9 MHz.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Stage, DopplerAndTexts, ::testing::Values(
    DopplerCase{.name = "Approaching", .rangeRate = -5, .up = "145897567", .down = "435007255"},
    DopplerCase{.name = "RecedingIsFloored", .rangeRate = kReceding, .up = "145900414",
                .down = "434998765"},
    DopplerCase{.name = "HzPartTruncated", .upMHz = 435.000001, .downMHz = 435.123456,
                .up = "435000000", .down = "435123455"},
    // The converter mirrors once: 28 MHz less the shift.
    DopplerCase{.name = "InvertingConverter", .rangeRate = -5, .downConverter = 463,
                .up = "145897567", .down = "27992745"},
    DopplerCase{.name = "ConvertersAndPadding", .downMHz = 145.500001, .upConverter = 116,
                .downConverter = 135, .up = "29900000", .down = "10500000"},
    DopplerCase{.name = "UplinkOffset", .downMHz = 435.850001, .offset = -581.8, .uplinkKHz = 1.5,
                .up = "145901500", .down = "435850000"},
    DopplerCase{.name = "WinTrakFactor", .rangeRate = -5, .tracker = tracker::kWinTrak,
                .wintrakFactor = 1e-5, .up = "145898541", .down = "435004350"},
    DopplerCase{.name = "WispCorrectsTheBases", .rangeRate = -5, .tracker = tracker::kWisp,
                .up = "145900000", .down = "435000000"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// Shifts in whole Hz, floored (435 MHz at -5.671 km/s: 435e6 x 5.671 / 299792.458 = 8228.6 Hz),
// and none where the rate or the factor gives no number, or a shift of the dial limit (1e11 Hz)
// or more that no radio could take.
TEST(DopplerShift, WholeHertzAndNoneWhereNoDialCouldTakeIt) {
    EXPECT_EQ(rangeRateShiftHz(435, -5.671), 8228);
    EXPECT_EQ(factorShiftHz(1000, 100 - 0x1p-10), 99999023437);
    EXPECT_EQ(factorShiftHz(1000, -100 + 0x1p-10), -99999023438);
    EXPECT_EQ(factorShiftHz(1000, 100), 0);
    EXPECT_EQ(factorShiftHz(1000, -100), 0);
    for (double rate : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e98})
        EXPECT_EQ(rangeRateShiftHz(435, rate), 0) << rate;
}

TEST(FrequencyReadouts, ShowTheBasesAndTheCorrectedFrequencies) {
    FrequencyStation h;
    h.station.track.rangeRate = -5;
    StatusLines status;
    EXPECT_NE(status.next(h.station).find(" up 145.900001 dn 435.000001 "), std::string::npos);
    h.pass();
    h.pass();
    EXPECT_NE(status.next(h.station).find(" up 145.897568 dn 435.007256 "), std::string::npos);
    Display& d = h.display;
    EXPECT_EQ(d["lbl_DnFreq"].caption + d["lbl_DnDop"].caption, "435.000001435.007256");
    EXPECT_EQ(d["lbl_DnText"].caption + d["lbl_DnVal"].caption, "Doppler Hz.7255");
    EXPECT_EQ(d["lbl_UpVal"].caption, "2433");
}

// The gate sends once the downlink's Hz part has moved more than the threshold since the last
// trip, even by crossing a whole MHz; a slider or a click on the gate sends at once.
TEST(CounterGate, SendsOnTheThresholdTheSliderAndTheClick) {
    FrequencyStation h;
    double& down = h.station.sat.downlinkMHz;
    const Control& gate = h.display["Llb_gate"];
    h.pass();
    down += 0.000040;
    h.pass();  // the first two passes of the run send
    EXPECT_EQ(h.sentDown(), "435000040");
    down += 0.000050;
    h.pass();
    EXPECT_EQ(gate.caption + " " + h.sentDown(), "50 435000040");
    down += 0.000001;
    h.pass();
    EXPECT_EQ(gate.caption + h.sentDown(), "435000091");
    EXPECT_EQ(gate.backColor, bgr::kRed);
    h.display["hs_DnFine"].value = 2;  // 20 Hz at the step of 10 Hz
    h.pass();
    EXPECT_EQ(h.sentDown(), "435000111");
    EXPECT_EQ(gate.backColor, bgr::kGreen);
    h.pass();
    EXPECT_EQ(gate.caption, "20");  // still counted from the last trip
    EXPECT_EQ(h.display["lbl_DnText"].caption + h.display["lbl_DnVal"].caption, "Khz0.02");
    h.input(InputKind::Click, "Llb_gate");
    h.pass();
    h.pass();
    EXPECT_EQ(gate.caption, "0");
    down = 435.999971;
    h.pass();
    down = 435.999991;
    h.pass();
    EXPECT_EQ(h.sentDown(), "436000010");
}

TEST(Freeze, SendsOnceThenHoldsTheLoopUntilRestored) {
    FrequencyStation h;
    Station& s = h.station;
    s.track.rangeRate = -5;
    h.pass();
    h.pass();
    h.input(InputKind::DblClick, "lbl_DopCor");
    EXPECT_EQ(h.display["lbl_DopCor"].caption + h.display["lbl_UpText"].caption,
              "Click to RESTOREDoppler");
    EXPECT_EQ(h.display["lbl_DnText"].foreColor, bgr::kYellow);
    s.sat.downlinkMHz = 435.100001;
    h.post(700, InputKind::Click, "lbl_DopCor");
    frequencyStage(s);
    EXPECT_EQ(h.host.elapsedMs(), 700);
    EXPECT_EQ(h.sentDown(), "435107256");  // the last send before the freeze
    EXPECT_EQ(h.display["lbl_DnVal"].caption, "7256");
    EXPECT_EQ(h.display["lbl_DopCor"].caption + h.display["lbl_DnText"].caption,
              "Doppler Corrected Freq's.Khz");
    EXPECT_EQ(h.display["lbl_DopCor"].foreColor, bgr::kDarkBlue);
}

TEST(ParkedFrequencies, AreTheBasesThroughTheirConverters) {
    FrequencyStation h(432.150001, 145.950001);
    h.converters(463, 116);
    tuneParkedFrequencies(h.station);
    EXPECT_EQ(h.sentUp() + " " + h.sentDown(), "30850000 29950000");
}

}  // namespace
}  // namespace orvant

#include <gtest/gtest.h>

#include <string>

#include "frequency_station.h"
#include "radio/frequency_text.h"
#include "tracking/tracker_kinds.h"
#include "ui/headless_frontend.h"

namespace orvant {
namespace {

using testing::FrequencyStation;

constexpr double kSpeedOfLight = 299792.458;

struct DopplerCase {
    std::string name;
    double upMHz, downMHz;
    double rangeRate;
    double upConverter, downConverter;
    double transponderOffset, uplinkOffsetKHz;
    std::int16_t tracker;
    std::int16_t fullDde;
    double wintrakFactor;
    std::string up, down;
    std::int64_t downShift;
};

struct DopplerAndTexts : ::testing::TestWithParam<DopplerCase> {};

TEST_P(DopplerAndTexts, SendsTheCorrectedFrequencies) {
    const DopplerCase& c = GetParam();
    FrequencyStation h;
    Station& s = h.station;
    s.sat.uplinkMHz = c.upMHz;
    s.sat.downlinkMHz = c.downMHz;
    h.converters(c.upConverter, c.downConverter);
    s.sat.offsetMHz = c.transponderOffset;
    s.sat.uplinkOffsetKHz = c.uplinkOffsetKHz;
    s.track.rangeRate = c.rangeRate;
    s.track.trackerKind = c.tracker;
    s.track.fullDdeControl = c.fullDde;
    s.freq.wintrakDoppler = c.wintrakFactor;
    h.pass();
    EXPECT_EQ(s.freq.downlinkShiftHz, c.downShift);
    EXPECT_EQ(h.sentUp(), c.up);
    EXPECT_EQ(h.sentDown(), c.down);
}

// A range rate that makes the downlink shift at 435 MHz -1234.2 Hz.
const double kReceding = 1234.2 / 435.000001 * kSpeedOfLight * 1e-6;

INSTANTIATE_TEST_SUITE_P(
    Stage, DopplerAndTexts,
    ::testing::Values(
        // The uplink shift has the downlink's sign and is subtracted: 2433 Hz at 145.9 MHz.
        DopplerCase{"Approaching", 145.900001, 435.000001, -5, 0, 0, 0, 0, 0, 0, 0, "145897567",
                    "435007255", 7255},
        DopplerCase{"RecedingShiftIsFloored", 145.900001, 435.000001, kReceding, 0, 0, 0, 0, 0, 0,
                    0, "145900414", "434998765", -1235},
        DopplerCase{"HzPartTruncated", 435.000001, 435.123456, 0, 0, 0, 0, 0, 0, 0, 0, "435000000",
                    "435123455", 0},
        // The converter mirrors once; the receiver must hear 28 MHz less the shift.
        DopplerCase{"InvertingConverterMirrorsOnce", 145.900001, 435.000001, -5, 0, 463, 0, 0, 0, 0,
                    0, "145897567", "27992745", 7255},
        DopplerCase{"TenAndAHalfMHzIsPadded", 145.900001, 145.500001, 0, 116, 135, 0, 0, 0, 0, 0,
                    "29900000", "10500000", 0},
        DopplerCase{"UplinkOffsetOnATransponder", 145.900001, 435.850001, 0, 0, 0, -581.8, 1.5, 0,
                    0, 0, "145901500", "435850000", 0},
        DopplerCase{"WinTrakFactor", 145.900001, 435.000001, -5, 0, 0, 0, 0, tracker::kWinTrak, 0,
                    1e-5, "145898541", "435004350", 4350},
        DopplerCase{"WispDeliversCorrectedBases", 145.900001, 435.000001, -5, 0, 0, 0, 0,
                    tracker::kWisp, 1, 0, "145900000", "435000000", 0}),
    [](const auto& info) { return info.param.name; });

TEST(FrequencyReadouts, ShowBasesAndCorrectedFrequenciesOnTheWindowAndTheStatusLine) {
    FrequencyStation h;
    h.station.sat.uplinkMHz = 145.900001;
    h.station.sat.downlinkMHz = 435.000001;
    h.station.track.rangeRate = -5;
    StatusLines status;
    EXPECT_NE(status.next(h.station).find(" up 145.900001 dn 435.000001 "), std::string::npos);
    h.pass();
    EXPECT_EQ(h.shown("lbl_DnFreq").caption, "435.000001");
    EXPECT_EQ(h.shown("lbl_UpFreq").caption, "145.900001");
    EXPECT_EQ(h.shown("lbl_DnDop").caption, "435.007256");
    EXPECT_EQ(h.shown("lbl_UpDop").caption, "145.897568");
    EXPECT_NE(status.next(h.station).find(" up 145.897568 dn 435.007256 "), std::string::npos);
    h.pass();
    EXPECT_EQ(h.shown("lbl_DnText").caption, "Doppler Hz.");
    EXPECT_EQ(h.shown("lbl_DnVal").caption, "7255");
    EXPECT_EQ(h.shown("lbl_UpVal").caption, "2433");
}

// The gate sends when the downlink's Hz part has moved more than the threshold since the last
// trip; a slider or a click on the gate sends at once.
TEST(CounterGate, SendsOnTheThresholdTheSliderAndTheClick) {
    FrequencyStation h;
    Station& s = h.station;
    double& down = s.sat.downlinkMHz;
    down = 435.000001;
    h.pass();
    down += 0.000040;
    h.pass();  // the first two passes of the run send
    EXPECT_EQ(h.sentDown(), "435000040");
    down += 0.000050;
    h.pass();
    EXPECT_EQ(h.shown("Llb_gate").caption, "50");  // not more than the threshold
    EXPECT_EQ(h.sentDown(), "435000040");
    down += 0.000001;
    h.pass();
    EXPECT_EQ(h.sentDown(), "435000091");
    EXPECT_EQ(h.shown("Llb_gate").backColor, bgr::kRed);
    EXPECT_EQ(h.shown("Llb_gate").caption, "");

    s.display["hs_DnFine"].value = 2;  // 20 Hz at the step of 10 Hz
    h.pass();
    EXPECT_EQ(h.sentDown(), "435000111");
    EXPECT_EQ(h.shown("Llb_gate").backColor, bgr::kGreen);
    EXPECT_TRUE(h.shown("ResetDown").visible);
    h.pass();
    EXPECT_EQ(h.shown("Llb_gate").caption, "20");  // still counted from the last trip
    EXPECT_EQ(h.shown("lbl_DnText").caption, "Khz");
    EXPECT_EQ(h.shown("lbl_DnVal").caption, "0.02");

    h.input(InputKind::Click, "Llb_gate");
    h.pass();
    h.pass();
    EXPECT_EQ(h.shown("Llb_gate").caption, "0");

    down = 435.999971;
    h.pass();
    down = 435.999991;
    h.pass();  // 20 Hz on, but the Hz part jumps by 999,979
    EXPECT_EQ(h.sentDown(), "436000010");
}

TEST(Freeze, SendsOnceThenHoldsTheLoopUntilRestored) {
    FrequencyStation h;
    Station& s = h.station;
    s.track.rangeRate = -5;
    s.sat.downlinkMHz = 435.000001;
    h.pass();
    h.pass();
    h.input(InputKind::DblClick, "lbl_DopCor");
    EXPECT_EQ(h.shown("lbl_DopCor").caption, "Click to RESTORE");
    EXPECT_EQ(h.shown("lbl_UpText").caption, "Doppler");
    EXPECT_EQ(h.shown("lbl_DnText").foreColor, bgr::kYellow);
    s.sat.downlinkMHz = 435.100001;
    h.input(InputKind::Click, "lbl_DopCor", 700);
    frequencyStage(s);
    EXPECT_EQ(h.sentDown(), "435107256");  // the last send before the freeze
    EXPECT_EQ(h.host.elapsedMs(), 700);
    EXPECT_EQ(h.shown("lbl_DnVal").caption, "7256");
    EXPECT_EQ(h.shown("lbl_DopCor").caption, "Doppler Corrected Freq's.");
    EXPECT_EQ(h.shown("lbl_DnText").caption, "Khz");
    EXPECT_EQ(h.shown("lbl_DopCor").foreColor, bgr::kDarkBlue);
}

TEST(FixedFrequencyMode, SendsTheTypedBoxesAndNothingWhileABoxHoldsNoNumber) {
    FrequencyStation h;
    Station& s = h.station;
    s.track.satFileName = "KWIP";
    s.track.rangeRate = -5;  // no Doppler on fixed frequencies
    s.display.setCaption("txt_rad_left", "145.9");
    s.display.setCaption("txt_rad_right", "435.07");
    h.pass();
    EXPECT_EQ(h.sentUp(), "145900000");
    EXPECT_EQ(h.sentDown(), "435070000");
    s.display.setCaption("txt_rad_right", "435,08");
    s.track.freqChanged = 1;
    h.pass();
    EXPECT_EQ(h.sentDown(), "435070000");
    EXPECT_EQ(s.track.freqChanged, 1);  // sent once the box holds a number again
}

TEST(ParkedFrequencies, AreTheBasesThroughTheirConverters) {
    FrequencyStation h;
    h.station.sat.uplinkMHz = 432.150001;
    h.station.sat.downlinkMHz = 145.950001;
    h.converters(463, 116);
    tuneParkedFrequencies(h.station);
    EXPECT_EQ(h.sentUp(), "30850000");
    EXPECT_EQ(h.sentDown(), "29950000");
}

}  // namespace
}  // namespace orvant

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "frequency_station.h"
#include "radio/frequency_text.h"

namespace orvant {
namespace {

using testing::FrequencyStation;

struct ReadCase {
    std::string name;
    std::int16_t side;  // 1 uplink, 2 downlink
    std::string satellite;
    double transponderOffset;
    double upMHz, downMHz;
    double upConverter, downConverter;
    int upSlider, downSlider;
    double uplinkOffsetKHz;
};

std::int64_t hz(const std::string& digits) {
    return std::stoll(digits);
}

std::int64_t hzOf(double guardedMHz) {
    return hz(frequencyDigits(guardedMHz).text);
}

// A pass tunes the radios; the operator then turns the dial 1 kHz up and reads it back. The next
// pass must send exactly the dial read, whatever the link's converter, slider and offsets.
struct ReadBack : ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadBack, RecentresTheBasesOnTheDial) {
    const ReadCase& c = GetParam();
    FrequencyStation h;
    Station& s = h.station;
    s.track.satFileName = c.satellite;
    s.sat.uplinkMHz = c.upMHz;
    s.sat.downlinkMHz = c.downMHz;
    h.converters(c.upConverter, c.downConverter);
    s.sat.offsetMHz = c.transponderOffset;
    s.sat.uplinkOffsetKHz = c.uplinkOffsetKHz;
    s.track.rangeRate = -5;
    s.display["hs_UpFine"].value = c.upSlider;
    s.display["hs_DnFine"].value = c.downSlider;
    h.pass();
    const std::string& sent = c.side == 2 ? h.sentDown() : h.sentUp();
    const std::int64_t dialHz = hz(sent) + 1000;

    s.radio.readFreq = static_cast<double>(dialHz) * 1e-6 + kGuardMHz;
    s.radio.readSide = c.side;
    adjust_read(s);
    EXPECT_EQ(s.track.freqChanged, 1);
    h.pass();
    EXPECT_EQ(hz(sent), dialHz);
    EXPECT_EQ(h.alerts.beeps, 0);
    if (c.side == 1 || c.transponderOffset == 0) return;
    // On a linear transponder the uplink base follows the downlink's.
    const std::int64_t offsetHz = std::llround(c.transponderOffset * 1e6);
    const std::int64_t downHz = hzOf(s.sat.downlinkMHz);
    EXPECT_EQ(hzOf(s.sat.uplinkMHz),
              c.satellite == "AO-40" ? downHz - offsetHz : std::llabs(downHz + offsetHz));
}

constexpr double kUp = 145.950001, kDown = 435.850001;  // a mode-J transponder
constexpr double kOffset = -581.8;
constexpr double kAo40Up = 435.500001, kAo40Down = 2401.200001, kAo40Offset = 1965.7;

INSTANTIATE_TEST_SUITE_P(
    EveryRow, ReadBack,
    ::testing::Values(
        ReadCase{"Down", 2, "FM", 0, kUp, kDown, 0, 0, 0, 3, 0},
        ReadCase{"DownConverter", 2, "FM", 0, kUp, kDown, 0, 407, 0, 0, 0},
        ReadCase{"DownInvertingConverter", 2, "FM", 0, kUp, kDown, 0, 463, 0, -2, 0},
        ReadCase{"Ao40Down", 2, "AO-40", kAo40Offset, kAo40Up, kAo40Down, 0, 0, 0, 0, 0},
        ReadCase{"Ao40DownConverter", 2, "AO-40", kAo40Offset, kAo40Up, kAo40Down, 0, 2256, 0, 4,
                 0},
        ReadCase{"Ao40DownInvertingConverter", 2, "AO-40", kAo40Offset, kAo40Up, kAo40Down, 0, 2546,
                 0, 0, 0},
        ReadCase{"TransponderDown", 2, "FO-29", kOffset, kUp, kDown, 0, 0, 0, -4, 2},
        ReadCase{"TransponderDownConverter", 2, "FO-29", kOffset, kUp, kDown, 0, 407, 0, 0, 2},
        ReadCase{"TransponderDownInvertingConverter", 2, "FO-29", kOffset, kUp, kDown, 0, 463, 0, 3,
                 2},
        ReadCase{"Up", 1, "FM", 0, kUp, kDown, 0, 0, 5, 0, 0},
        ReadCase{"UpConverterWithUplinkOffset", 1, "FO-29", kOffset, kUp, kDown, 116, 0, 5, 0, 2},
        ReadCase{"UpInvertingConverterWithUplinkOffset", 1, "FO-29", kOffset, kUp, kDown, 174, 0,
                 -5, 0, 2}),
    [](const auto& info) { return info.param.name; });

TEST(ReadBackRefused, NothingReadAWrongBandOrNoSideChangesNothing) {
    struct Case {
        const char* name;
        double readFreq;
        std::int16_t side;
    };
    for (const Case c : {Case{"nothing read", 0, 2}, Case{"3 MHz off", 438.85, 2},
                         Case{"another band", 435.85, 1}, Case{"no side", 435.85, 0}}) {
        SCOPED_TRACE(c.name);
        FrequencyStation h;
        Station& s = h.station;
        s.sat.uplinkMHz = kUp;
        s.sat.downlinkMHz = kDown;
        h.pass();
        s.radio.readFreq = c.readFreq;
        s.radio.readSide = c.side;
        adjust_read(s);
        EXPECT_EQ(h.alerts.beeps, 2);
        EXPECT_EQ(s.sat.uplinkMHz, kUp);
        EXPECT_EQ(s.sat.downlinkMHz, kDown);
        EXPECT_EQ(s.track.freqChanged, 0);
    }
}

}  // namespace
}  // namespace orvant

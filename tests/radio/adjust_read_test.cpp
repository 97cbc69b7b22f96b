#include "radio/adjust_read.h"

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
    double offset;      // transponder offset; AO-40's is positive
    double upConverter, downConverter;
    int slider;  // of the link read
};

std::int64_t hz(double guardedMHz) {
    return std::stoll(frequencyDigits(guardedMHz).text);
}

// A pass tunes the radios; the operator turns the dial 1 kHz up and reads it back. The next pass
// must send exactly the dial read, whatever the link's converter, trim and uplink offset.
struct ReadBackRecentring : ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadBackRecentring, RecentresTheBasesOnTheDial) {
    const ReadCase& c = GetParam();
    const bool ao40 = c.offset > 0;
    FrequencyStation h(ao40 ? 435.500001 : 145.950001, ao40 ? 2401.200001 : 435.850001);
    Station& s = h.station;
    s.track.satFileName = ao40 ? "AO-40" : "FO-29";
    h.converters(c.upConverter, c.downConverter);
    s.sat.offsetMHz = c.offset;
    s.sat.uplinkOffsetKHz = 2;
    s.track.rangeRate = -5;
    s.display[c.side == 1 ? "hs_UpFine" : "hs_DnFine"].value = c.slider;
    h.pass();
    const std::string& sent = c.side == 1 ? h.sentUp() : h.sentDown();
    const std::int64_t dialHz = std::stoll(sent) + 1000;
    s.radio.readFreq = static_cast<double>(dialHz) * 1e-6 + kGuardMHz;
    s.radio.readSide = c.side;
    adjust_read(s);
    h.pass();
    EXPECT_EQ(std::stoll(sent), dialHz);
    if (c.side == 1 || c.offset == 0) return;
    // On a linear transponder the uplink base follows the downlink's.
    const std::int64_t offsetHz = std::llround(c.offset * 1e6);
    const std::int64_t downHz = hz(s.sat.downlinkMHz);
    EXPECT_EQ(hz(s.sat.uplinkMHz), ao40 ? downHz - offsetHz : std::llabs(downHz + offsetHz));
}

constexpr double kFo29 = -581.8, kAo40 = 1965.7;

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryRow, ReadBackRecentring, ::testing::Values(
    ReadCase{"Down", 2, 0, 0, 0, 3}, ReadCase{"DownConverter", 2, 0, 0, 407, 0},
    ReadCase{"DownInverting", 2, 0, 0, 463, -2}, ReadCase{"Ao40Down", 2, kAo40, 0, 0, 0},
    ReadCase{"Ao40DownConverter", 2, kAo40, 0, 2256, 4},
    ReadCase{"Ao40DownInverting", 2, kAo40, 0, 2546, 0},
    ReadCase{"TransponderDown", 2, kFo29, 0, 0, -4},
    ReadCase{"TransponderDownConverter", 2, kFo29, 0, 407, 0},
    ReadCase{"TransponderDownInverting", 2, kFo29, 0, 463, 3}, ReadCase{"Up", 1, 0, 0, 0, 5},
    ReadCase{"TransponderUpConverter", 1, kFo29, 116, 0, 5},
    ReadCase{"TransponderUpInverting", 1, kFo29, 174, 0, -5}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(ReadBackRefused, NothingReadAnotherBandOrNoSideChangesNothing) {
    for (const auto& [readFreq, side] :
         {std::pair{0.0, 2}, std::pair{438.85, 2}, std::pair{435.85, 1}, std::pair{435.85, 0}}) {
        FrequencyStation h;
        h.pass();
        h.station.radio.readFreq = readFreq;
        h.station.radio.readSide = static_cast<std::int16_t>(side);
        adjust_read(h.station);
        EXPECT_EQ(h.alerts.beeps, 2) << readFreq;
        EXPECT_EQ(h.station.sat.downlinkMHz, 435.000001);
        EXPECT_EQ(h.station.sat.uplinkMHz, 145.900001);
        EXPECT_EQ(h.station.track.freqChanged, 0);
    }
}

}  // namespace
}  // namespace orvant

#include "radio/adjust_read.h"

#include <cmath>

#include "config/text_rules.h"
#include "radio/frequency_stage.h"
#include "radio/frequency_switches.h"
#include "radio/frequency_text.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr double kMHzPerHz = 1e-6;
constexpr double kHzPerKHz = 1000;
constexpr double kPlausibleMHz = 2;  // how far, in whole MHz, a dial may lie from the link shown

// A read-back is taken only when it lies near the frequency shown for that link; anything else
// (nothing read, a reply from the wrong band) leaves every frequency as it was.
bool plausible(const Station& s, double read, int readSide) {
    if (!(read > 0) || !std::isfinite(read)) return false;
    const double shown = readSide == 2 ? correctedDownlinkMHz(s) : correctedUplinkMHz(s);
    return std::abs(std::floor(shown) - std::floor(read)) <= kPlausibleMHz;
}

// The frequency at the satellite's side of a converter, from the dial behind it: a converter
// below the satellite's band adds its oscillator back, one above it mirrors the dial once more.
double satelliteSide(double dialMHz, double converterMHz, int sense) {
    return sense < 0 ? throughConverter(dialMHz, converterMHz) : dialMHz + converterMHz;
}

// A downlink dial: the new downlink base is the dial at the satellite less the shift and the
// operator's trim; on a linear transponder the uplink follows it, except while the downlink is on
// the beacon, which lies outside the passband the uplink is translated from.
void recentreOnDownlink(Station& s) {
    SatelliteRecord& sat = s.sat;
    const double shift = static_cast<double>(s.freq.downlinkShiftHz) * kMHzPerHz;
    sat.downlinkMHz = satelliteSide(s.radio.readFreq, sat.downConverterMHz, sat.downlinkInversion) -
                      shift - sliderOffsetMHz(s, "hs_DnFine");
    if (sat.offsetMHz == 0 || beaconTuned(s)) return;
    if (left(s.track.satFileName, 5) == "AO-40")
        sat.uplinkMHz = sat.downlinkMHz - sat.offsetMHz;
    else
        sat.uplinkMHz = throughConverter(sat.downlinkMHz, -sat.offsetMHz);
}

// An uplink dial: the operator's uplink offset and trim come off, the shift the station sent
// against goes back on.
void recentreOnUplink(Station& s) {
    SatelliteRecord& sat = s.sat;
    double dial = s.radio.readFreq;
    if (sat.offsetMHz != 0) dial -= sat.uplinkOffsetKHz * kHzPerKHz * kMHzPerHz;
    const double shift = static_cast<double>(s.freq.uplinkShiftHz) * kMHzPerHz;
    sat.uplinkMHz = satelliteSide(dial, sat.upConverterMHz, sat.uplinkInversion) + shift -
                    sliderOffsetMHz(s, "hs_UpFine");
}

void refuse(Station& s) {
    s.platform.alerts.beep();
    s.platform.alerts.beep();
}

}  // namespace

void adjust_read(Station& station) {
    const std::int16_t side = station.radio.readSide;
    if ((side != 1 && side != 2) || !plausible(station, station.radio.readFreq, side))
        return refuse(station);
    if (side == 2)
        recentreOnDownlink(station);
    else
        recentreOnUplink(station);
    station.track.freqChanged = 1;
}

bool dialNearLink(const Station& station, int side, std::int64_t hz) {
    return plausible(station, static_cast<double>(hz) * kMHzPerHz + kGuardMHz, side + 1);
}

}  // namespace orvant

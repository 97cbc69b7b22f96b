#include "radio/read_back.h"

#include "config/satellite_record.h"
#include "radio/adjust_read.h"
#include "station/station.h"

namespace orvant {

namespace {

// In step mode the loop stops after each read-back until the operator resets the system.
void holdInStepMode(Station& station) {
    if (station.track.stepMode) station.track.loopHold = 1;
}

}  // namespace

void acceptReadback(Station& station, int side, std::int64_t hz) {
    DialWatch& watch = station.radio.dialWatch;
    if (watch.reading) {
        watch.dialHz = hz;
        return;
    }
    recentreOnDial(station, side, hz);
    holdInStepMode(station);
}

void refuseReadback(Station& station) {
    if (station.radio.dialWatch.reading) return;
    station.platform.alerts.beep();
    holdInStepMode(station);
}

void recentreOnDial(Station& station, int side, std::int64_t hz) {
    RadioState& radio = station.radio;
    radio.readFreq = static_cast<double>(hz) / 1e6 + kGuardMHz;
    radio.readSide = static_cast<std::int16_t>(side + 1);
    adjust_read(station);
    radio.readSide = 0;
    radio.readFreq = 0;
    station.track.freqChanged = 1;
}

void readbackBrokeDown() {
    throw RadioReadbackBroken{};
}

}  // namespace orvant

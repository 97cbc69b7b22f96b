#include "radio/read_back.h"

#include "config/satellite_record.h"
#include "radio/adjust_read.h"
#include "station/station.h"

namespace orvant {

void acceptReadback(Station& station, int side, std::int64_t hz) {
    RadioState& radio = station.radio;
    radio.readFreq = static_cast<double>(hz) / 1e6 + kGuardMHz;
    radio.readSide = static_cast<std::int16_t>(side + 1);
    adjust_read(station);
    radio.readSide = 0;
    radio.readFreq = 0;
    station.track.freqChanged = 1;
}

void refuseReadback(Station& station) {
    station.platform.alerts.beep();
}

void readbackBrokeDown() {
    throw RadioReadbackBroken{};
}

}  // namespace orvant

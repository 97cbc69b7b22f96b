#include "radio/read_back.h"

#include "radio/adjust_read.h"
#include "station/station.h"

namespace orvant {

namespace {

// Every dial value the program takes in carries the same 0.000001 MHz as the file frequencies,
// so that its conversion back to whole Hz never comes out 1 Hz low.
constexpr double kEntryNudgeMHz = 0.000001;

}  // namespace

void acceptReadback(Station& station, int side, std::int64_t hz) {
    RadioState& radio = station.radio;
    radio.readFreq = static_cast<double>(hz) / 1e6 + kEntryNudgeMHz;
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

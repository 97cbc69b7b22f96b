#pragma once

#include <string>

#include "radio/radio_hooks.h"
#include "support/station_harness.h"

namespace orvant::testing {

// A station whose satellite record is set by the test (bases as the satellite file leaves them,
// with the 1 Hz guard), tracked without a tracking program, so that every pass runs the stage.
struct FrequencyStation : StationHarness {
    FrequencyStation() {
        station.sat.gateThresholdHz = 50;
        station.track.satFileName = "TEST";
    }

    // Converters as the satellite file sets them: the sense follows from the base.
    void converters(double upMHz, double downMHz) {
        SatelliteRecord& sat = station.sat;
        sat.upConverterMHz = upMHz;
        sat.downConverterMHz = downMHz;
        sat.uplinkInversion = upMHz != 0 && sat.uplinkMHz < upMHz ? -1 : 1;
        sat.downlinkInversion = downMHz != 0 && sat.downlinkMHz < downMHz ? -1 : 1;
    }

    void pass() {
        frequencyStage(station);
        showFrequencies(station);
    }

    // Operator input, handled at once (or, for a wait, as program time goes by).
    void input(InputKind kind, const std::string& control, std::int64_t afterMs = 0) {
        post(afterMs, kind, control);
        if (afterMs == 0) pump.pumpOnce();
    }

    const std::string& sentUp() const { return station.radio.uplinkFreqText; }
    const std::string& sentDown() const { return station.radio.downlinkFreqText; }
    const Control& shown(const std::string& name) const { return display[name]; }
};

}  // namespace orvant::testing

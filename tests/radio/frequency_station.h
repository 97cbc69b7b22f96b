#pragma once

#include <string>

#include "radio/frequency_stage.h"
#include "support/station_harness.h"

namespace orvant::testing {

// A station tracked without a tracking program, in the middle of a pass of the orbit model, so
// that every pass runs the frequency stage and follows the Doppler shift; the test sets the
// satellite record (bases with the 1 Hz guard, as the satellite file leaves them).
struct FrequencyStation : StationHarness {
    FrequencyStation(double upMHz = 145.900001, double downMHz = 435.000001) {
        station.sat.uplinkMHz = upMHz;
        station.sat.downlinkMHz = downMHz;
        station.sat.gateThresholdHz = 50;
        station.track.radiosStarted = 1;
    }
    // Converters as the satellite file sets them: the sense follows from the base.
    void converters(double upMHz, double downMHz) {
        SatelliteRecord& sat = station.sat;
        sat.upConverterMHz = upMHz;
        sat.downConverterMHz = downMHz;
        sat.uplinkInversion = sat.uplinkMHz < upMHz ? -1 : 1;
        sat.downlinkInversion = sat.downlinkMHz < downMHz ? -1 : 1;
    }
    void pass() {
        frequencyStage(station);
        showFrequencies(station);
    }
    // Operator input, handled at once.
    void input(InputKind kind, const std::string& control) {
        post(0, kind, control);
        pump.pumpOnce();
    }
    const std::string& sentUp() const { return station.radio.uplinkFreqText; }
    const std::string& sentDown() const { return station.radio.downlinkFreqText; }
};

}  // namespace orvant::testing

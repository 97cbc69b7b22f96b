#pragma once

#include <cstdint>
#include <string>

namespace orvant {

// The frequency state of the station: Doppler shifts, the counter gate, the operator's freeze and
// beacon, and the working values the frequency stage keeps from pass to pass. The base
// frequencies, offsets and converter senses are the satellite record's.
struct FrequencyState {
    // Doppler factor delivered by WinTrak: the shift divided by the carrier frequency.
    double wintrakDoppler = 0;
    std::int64_t uplinkShiftHz = 0;
    std::int64_t downlinkShiftHz = 0;

    bool gateTripped =
        false;                // the downlink moved more than the gate threshold since the last send
    bool freezeFlag = false;  // frequency transactions frozen by the operator

    // The beacon: the downlink base it replaced, and the satellite file it was tuned for.
    bool beaconOn = false;
    double savedDownlinkBase = 0;
    std::string beaconSatellite;

    // Working values of the last pass, in MHz (with the 1 Hz guard of every held frequency).
    double workingUplinkMHz = 0;
    double workingDownlinkMHz = 0;
    double uplinkSliderMHz = 0;
    double downlinkSliderMHz = 0;
    int previousUpSlider = 0;
    int previousDnSlider = 0;
    // The texts of the last pass (Hz as digits) and the sub-MHz part of its downlink.
    std::string uplinkText;
    std::string downlinkText;
    std::int64_t downlinkHzPart = 0;
    std::int64_t lastSentDownlinkHz = 0;
    // Counts the first two passes of the stage since the radios were last set up, which always
    // send.
    std::int16_t startPasses = 0;
};

}  // namespace orvant

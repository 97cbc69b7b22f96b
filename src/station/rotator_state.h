#pragma once

#include <cstdint>

namespace orvant {

// State of the rotator: readback, pointing and drive, flip mode, parking, manual entry and
// calibration. Flip mode itself is held by the operator's flip choice (`AppState::flipChoice`)
// and the flip-allowed value of ORV.CFG (`StationConfig::flipAllowed`), which the flip labels
// change.
struct RotatorState {
    // Pointing: the commanded bearings, their targets in controller counts and the last sent.
    double azCommandDeg = 0;
    std::int16_t azCommandCounts = 0;
    double elCommandDeg = 0;
    std::int16_t elCommandCounts = 0;
    double lastAzSentDeg = 0;
    double lastElSentDeg = 0;
    std::int16_t azSlider = 0;  // `hs_Azimuth` as read on the last pass
    std::int16_t elSlider = 0;  // `hs_elevation` as read on the last pass
    bool commandsPrimed = false;
    // The elevation the targets were formed from on the last pass: the satellite's own, or its
    // mirror while test tracking (`ch_Test`) is ticked.
    double targetElevation = 0;

    // Flip mode.
    std::int16_t flipScaleShown = 0;  // the south-centred scale has been put up (type 1)

    // Parking.
    std::int16_t parkPollCounter = 0;
    std::int16_t parkAzCounts = 0;
    std::int16_t parkElCounts = 0;
    std::int16_t parkElSend = 0;

    // Manual entry and calibration.
    std::int16_t enterPressed = 0;
    // A bearing typed in holds against the orbit model until the model's own position has moved
    // an update step from where it stood on the first pass after the entry.
    struct TypedBearing {
        bool held = false;
        double azimuthDeg = 0;
        double elevationDeg = 0;
        bool modelNoted = false;
        double modelAzimuthDeg = 0;
        double modelElevationDeg = 0;
    } typedBearing;
    std::int16_t calibrating = 0;
    std::int16_t savedIdlePollPasses = 0;
};

}  // namespace orvant

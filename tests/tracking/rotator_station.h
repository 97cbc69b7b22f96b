#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "station/handoff.h"
#include "support/sim_station.h"
#include "tracking/pointing.h"
#include "tracking/readback.h"
#include "tracking/rotator_controls.h"

namespace orvant::testing {

// A station with the simulated card, the rotator's controls declared and bound, and the rotator
// configured as start-up leaves it: scales, tolerances in frame slots 49 and 50, parking
// elevation tolerance in counts, both first sends forced. The window's other controls that the
// rotator shows and hides are declared plainly.
struct RotatorStation : SimStation {
    explicit RotatorStation(std::int16_t rotatorType = 1) {
        declareRotatorControls(display);
        for (const char* name :
             {"Llb_gate", "lbl_DopCor", "txt_rad_left", "txt_rad_right", "txt_736_freq", "File1",
              "lbl_DnDop", "lbl_UpDop", "lbl_Downlinkmain", "lbl_Uplinlkmain", "hs_DnFine",
              "hs_UpFine", "lbl_Base"})
            display.declare(name);
        bindRotatorHandlers(station);
        setRotatorType(rotatorType);
        StationConfig& cfg = station.cfg;
        cfg.elScale = 180.0 / 1023.0;
        slot(50) = static_cast<std::int16_t>(std::floor(2 / cfg.elScale / 2));  // 5
        cfg.parkElToleranceCounts = 2 / cfg.elScale;                            // 11.37
        cfg.minElevation = 0;
        station.track.forceElSend = 1;  // start-up forces the first sends
        station.track.forceAzSend = 1;
        make_regist(station);  // the running instance holds the hand-off
    }

    void setRotatorType(std::int16_t type) {
        StationConfig& cfg = station.cfg;
        cfg.rotatorType = type;
        cfg.azScale = type <= 1 ? 360.0 / 1023.0 : 450.0 / 1023.0;
        slot(49) = static_cast<std::int16_t>(std::floor(2 / cfg.azScale));
    }

    // Makes the axes stand still whatever they are told (a motor far too slow to move).
    void freezeAxes() {
        card.setAzimuthTravelMs(1e12);
        card.setElevationTravelMs(1e12);
    }

    // The target the card was last sent for an axis, from the high and low byte slots.
    int sentTarget(int highSlot) const {
        return 256 * card.lastFrame()[highSlot] + card.lastFrame()[highSlot + 1];
    }

    // The operator's input, handled at once.
    void operatorDoes(InputKind kind, const std::string& control, const std::string& text = {}) {
        post(0, kind, control, text);
        pump.pumpOnce();
    }

    void setFlipMode() {
        station.app.flipChoice = "Ye";
        station.cfg.flipAllowed = 1;
    }
};

// A test on a RotatorStation, with the tracking and rotator state at hand.
struct RotatorTest : ::testing::Test {
    RotatorStation s;
    TrackingState& track = s.station.track;
    RotatorState& rot = s.station.rot;

    // One pass of the drive as the loop runs it: elevation stage, azimuth stage, readback.
    void pass(double azimuth, double elevation) {
        track.satAzimuth = azimuth;
        track.satElevation = elevation;
        elevationStage(s.station);
        azimuthStage(s.station);
        readbackStage(s.station);
    }
};

}  // namespace orvant::testing

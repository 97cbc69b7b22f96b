#include "controller/rotator_inhibits.h"

#include "controller/frame_layout.h"
#include "controller/link.h"
#include "station/station.h"

namespace orvant {

namespace {

bool axisMayMove(const Station& station, const char* enableBox) {
    return station.display[enableBox].value != 0 && station.rot.calibrating == 0;
}

std::int16_t inhibitFlag(bool mayMove) {
    return mayMove ? 0 : 1;
}

}  // namespace

void inhibitRotators(Station& station) {
    station.link.controllerFrame[frame::kAzInhibit] = 1;
    station.link.controllerFrame[frame::kElInhibit] = 1;
}

void releaseAzimuthInhibit(Station& station) {
    station.link.controllerFrame[frame::kAzInhibit] = inhibitFlag(axisMayMove(station, "ch_RotAz"));
}

void releaseElevationInhibit(Station& station) {
    station.link.controllerFrame[frame::kElInhibit] = inhibitFlag(axisMayMove(station, "ch_RotEl"));
}

void releaseInhibits(Station& station) {
    releaseAzimuthInhibit(station);
    releaseElevationInhibit(station);
}

bool azimuthInhibited(const Station& station) {
    return station.link.controllerFrame[frame::kAzInhibit] != 0;
}

bool elevationInhibited(const Station& station) {
    return station.link.controllerFrame[frame::kElInhibit] != 0;
}

}  // namespace orvant

#include "tracking/pointing.h"

#include <cmath>

#include "config/text_rules.h"
#include "controller/frame_layout.h"
#include "controller/link.h"
#include "controller/timerx.h"
#include "station/station.h"
#include "tracking/flip_mode.h"
#include "tracking/rotator_display.h"
#include "tracking/target_counts.h"

namespace orvant {

namespace {

constexpr std::int64_t kAfterSendMs = 100;

// The elevation command for pointing at `elevation`: the fixed offset and the slew slider added,
// limited to the maximum elevation.
void commandElevation(Station& station, double elevation) {
    RotatorState& rot = station.rot;
    const StationConfig& cfg = station.cfg;
    rot.elSlider = static_cast<std::int16_t>(station.display["hs_elevation"].value);
    rot.elCommandDeg = elevation + cfg.elOffsetDeg + rot.elSlider;
    const bool aboveLimit = cfg.maxElevation > 0 && rot.elCommandDeg > cfg.maxElevation;
    rot.elCommandCounts =
        floorCount((aboveLimit ? cfg.maxElevation : rot.elCommandDeg) / cfg.elScale);
    station.display.setCaption("lbl_CompEle", numberText(rot.elCommandDeg));
    station.display.setCaption("lbl_Valel", numberText(rot.elSlider + cfg.elOffsetDeg));
    if (rot.elSlider != 0) station.display.show("ResetEl");
}

void formElevationTarget(Station& station) {
    // Test tracking mirrors a copy: the satellite's own elevation stays as the orbit model or the
    // tracking program last gave it, so a value refreshed only by polls never flips back and forth.
    // The end of a pass is told from this target elevation.
    station.rot.targetElevation = trackedElevation(station);
    commandElevation(station, station.rot.targetElevation);
}

void primeOnFirstPass(Station& station) {
    RotatorState& rot = station.rot;
    if (rot.commandsPrimed) return;
    rot.lastAzSentDeg = rot.azCommandDeg;
    rot.lastElSentDeg = rot.elCommandDeg;
    station.track.forceAzSend = 1;
    rot.commandsPrimed = true;
}

void sendDriveCommand(Station& station) {
    station.link.controllerFrame[frame::kDrive] = 1;
    laptop(station);
    timerx(station, kAfterSendMs);
}

void sendElevationIfMoved(Station& station, std::int16_t belowHorizonCount) {
    RotatorState& rot = station.rot;
    TrackingState& track = station.track;
    auto& slots = station.link.controllerFrame;
    const bool moved = std::fabs(rot.elCommandDeg - rot.lastElSentDeg) >= station.cfg.elUpdateStep;
    if (!moved && track.forceElSend != 1) return;
    // A negative target is not sent: the card keeps the one it has.
    if (rot.elCommandCounts >= 0) placeTarget(slots, frame::kElTargetHigh, rot.elCommandCounts);
    track.forceElSend = 0;
    rot.lastElSentDeg = rot.elCommandDeg;
    if (rot.targetElevation < 0) placeTarget(slots, frame::kElTargetHigh, belowHorizonCount);
    sendDriveCommand(station);
}

void sendAzimuthIfMoved(Station& station) {
    RotatorState& rot = station.rot;
    TrackingState& track = station.track;
    const bool moved = std::fabs(rot.azCommandDeg - rot.lastAzSentDeg) >= station.cfg.azUpdateStep;
    if (!moved && track.forceAzSend != 1) return;
    placeTarget(station.link.controllerFrame, frame::kAzTargetHigh, rot.azCommandCounts);
    track.forceAzSend = 0;
    rot.lastAzSentDeg = rot.azCommandDeg;
    station.display.show("lbl_point");
    station.display.hide("lbl_parked");
    station.display.hide("lbl_parking");
    sendDriveCommand(station);
}

// A rotator client's waiting position is sent while the satellite is below the horizon and no
// parking runs or holds the antennas: the position moved by its update step, as in view.
bool waitingPositionDue(const Station& station) {
    const TrackingState& track = station.track;
    return track.waitingPosition && !track.parkingDue && !track.operatorParking;
}

void driveToWaitingPosition(Station& station) {
    commandElevation(station, station.track.waitingPosition->elevation);
    sendElevationIfMoved(station, 0);
    sendAzimuthIfMoved(station);
}

}  // namespace

double trackedElevation(const Station& station) {
    const double satElevation = station.track.satElevation;
    return station.display["ch_Test"].value != 0 ? -satElevation : satElevation;
}

bool targetInView(const Station& station) {
    return station.rot.targetElevation >= station.cfg.minElevation;
}

void driveInView(Station& station, std::int16_t belowHorizonCount) {
    TrackingState& track = station.track;
    track.ddeMode = 0;
    track.satInView = 1;
    if (!track.operatorParking) {
        track.parkingDue = false;
        sendElevationIfMoved(station, belowHorizonCount);
        sendAzimuthIfMoved(station);
    }
    // A satellite file with a forced park azimuth parks once per load: its passes must not
    // re-arm forced parking, or the antennas would swing between the park position and the
    // satellite on every pass.
    if (track.satParkAzimuth == 0) track.parkedDone = 0;
}

void elevationStage(Station& station) {
    formElevationTarget(station);
    primeOnFirstPass(station);
    if (flipModeOn(station)) {
        flipper(station);
        return;
    }
    if (targetInView(station))
        driveInView(station, 0);
    else if (waitingPositionDue(station))
        driveToWaitingPosition(station);
}

void azimuthStage(Station& station) {
    RotatorState& rot = station.rot;
    const double offset = station.cfg.azOffsetDeg;
    rot.azSlider = static_cast<std::int16_t>(station.display["hs_Azimuth"].value);
    if (rot.azSlider != 0) station.display.show("ResetAz");
    const double x = station.track.satAzimuth + rot.azSlider + offset;
    rot.azCommandDeg = x < 0 ? x + 360 : x > 360 ? x - 360 : x;
    station.display.setCaption("lbl_Valaz", numberText(rot.azSlider + offset));
}

void refreshPointingDisplay(Station& station) {
    station.display.setCaption("lbl_compAz", numberText(station.rot.azCommandDeg));
    showDriveIndicator(station);
    if (flipModeOn(station)) return;
    Control& gauge = station.display["vs_vertical"];
    gauge.max = -512;
    if (station.link.elCounts <= 512) gauge.value = station.link.elCounts - 512;
}

}  // namespace orvant

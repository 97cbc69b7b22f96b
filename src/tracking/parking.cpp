#include "tracking/parking.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "controller/controller_functions.h"
#include "controller/frame_layout.h"
#include "controller/link.h"
#include "controller/rotator_inhibits.h"
#include "controller/timerx.h"
#include "links/tracker_hooks.h"
#include "radio/frequency_stage.h"
#include "radio/radio_init.h"
#include "shutdown/shutdown.h"
#include "station/handoff.h"
#include "station/program_end.h"
#include "station/station.h"
#include "station/waits.h"
#include "tracking/flip_mode.h"
#include "tracking/manual_entry.h"
#include "tracking/readback.h"
#include "tracking/rotator_display.h"
#include "tracking/target_counts.h"

namespace orvant {

namespace {

constexpr std::int16_t kPollEveryCalls = 5;
constexpr int kAzParkedWithin = 5;  // counts, at least
constexpr int kElParkedWithin = 1;  // counts, at least
constexpr std::int64_t kPerkedPauseMs = 100;

void pollTrackerNowAndThen(Station& station) {
    RotatorState& rot = station.rot;
    if (++rot.parkPollCounter < kPollEveryCalls) return;
    rot.parkPollCounter = 0;
    if (station.track.trackerKind != 0) pollTrackingProgram(station);
}

void formParkElevation(Station& station) {
    RotatorState& rot = station.rot;
    const double elScale = station.cfg.elScale;
    const bool at90 = station.cfg.parkAt90 != 0;
    const bool flip = flipModeOn(station);
    rot.parkElCounts = 0;
    if (at90) rot.parkElCounts = floorCount(90 / elScale);
    if (flip) rot.parkElCounts = floorCount(178 / elScale);
    rot.parkElSend = at90 && flip ? floorCount(90 / elScale) : rot.parkElCounts;
}

// The card stops each axis within its tolerance counts of the target (slots 49 and 50), so an
// axis counts as parked within that tolerance; and an axis the card is told to keep still has
// nowhere to go, so it counts as parked as it stands.
bool azimuthParked(const Station& station) {
    const auto& slots = station.link.controllerFrame;
    const int within = std::max<int>(kAzParkedWithin, slots[frame::kAzTolerance]);
    return azimuthInhibited(station) ||
           std::abs(station.link.azCounts - station.rot.parkAzCounts) <= within;
}

bool elevationParked(const Station& station) {
    if (elevationInhibited(station)) return true;
    const RotatorState& rot = station.rot;
    const int elCounts = station.link.elCounts;
    const auto& slots = station.link.controllerFrame;
    const int within = std::max<int>(kElParkedWithin, slots[frame::kElTolerance]);
    const bool settled = std::abs(elCounts - rot.parkElSend) <= within;
    // Parking at the horizon is also settled below the parking elevation tolerance.
    if (rot.parkElSend == 0) return settled || elCounts < station.cfg.parkElToleranceCounts;
    return settled;
}

void showParking(Station& station) {
    setGauge(station.display, azimuthGauge(station.cfg.rotatorType), station.link.azCounts);
    station.display.show("lbl_parking");
    station.display.hide("lbl_parked");
    station.display.hide("lbl_point");
}

void showParked(Station& station) {
    station.display.hide("lbl_parking");
    station.display.hide("lbl_point");
    station.display.show("lbl_parked");
}

void exchangeWithDrive(Station& station, std::int16_t drive) {
    station.link.controllerFrame[frame::kDrive] = drive;
    laptop(station);
}

// The card stops both axes where parking left them: the next target goes out whatever its
// update step, the last one sent being no longer where the antennas head (a rotator client's
// waiting position sent while parking ran).
void completeParking(Station& station) {
    TrackingState& track = station.track;
    track.parkingDue = false;
    track.closeDone = 0;
    track.forceAzSend = 1;
    track.forceElSend = 1;
    exchangeWithDrive(station, 0);
}

void parkWithAzimuth(Station& station) {
    auto& slots = station.link.controllerFrame;
    placeTarget(slots, frame::kAzTargetHigh, station.rot.parkAzCounts);
    exchangeWithDrive(station, 1);
    lapin(station);
    if (azimuthParked(station)) exchangeWithDrive(station, 2);
    if (slots[frame::kDrive] != 2 || !elevationParked(station)) return;
    completeParking(station);
    lbl_reset_Click(station);
    showParked(station);
}

void parkElevationOnly(Station& station) {
    lbl_hf_Click(station);
    exchangeWithDrive(station, 2);
    lapin(station);
    if (!elevationParked(station)) return;
    completeParking(station);
    showParked(station);
}

void showParkedFrequencyView(Station& station) {
    Display& d = station.display;
    d.show("File1");
    d.show("lbl_mask1");
    for (const char* name :
         {"txt_aztxt", "txt_eltxt", "txt_rad_left", "txt_736_freq", "txt_rad_right", "lbl_DopCor",
          "lbl_mask", "lbl_DnDop", "lbl_UpDop", "lbl_Downlinkmain", "lbl_Uplinlkmain", "lbl_compAz",
          "lbl_CompEle", "lbl_SatBearings", "hs_DnFine", "hs_UpFine"})
        d.hide(name);
    d.setCaption("lbl_Base", "Parked Frequency");
}

}  // namespace

std::int16_t parkAzimuthDeg(const Station& station) {
    // A satellite without a park azimuth of its own parks where ORV.CFG says.
    const std::int16_t forced = station.track.satParkAzimuth;
    return forced != 0 ? forced : station.cfg.parkAzimuth;
}

std::int16_t parkAzimuthCounts(std::int16_t rotatorType, double parkAzimuth, double azScale,
                               std::int16_t previous) {
    const double p = parkAzimuth;
    double counts = 0;
    switch (rotatorType) {
        case 0:  // count 0 is south; due south parks at the clockwise stop
            counts = p > 180 ? p / azScale - 512 : p / azScale + 512;
            break;
        case 1:
        case 2:
            counts = p / azScale;
            break;
        case 3:
        case 4: {
            const double southEnd = rotatorType == 3 ? 103 : 206;
            if (p > 0 && p < 180) {
                counts = (p + 180) / azScale + southEnd;
            } else if (p >= 180) {
                counts = (p - 180) / azScale + southEnd;
            } else {
                return previous;
            }
            break;
        }
        case 5:
            counts = std::floor(p / azScale) + 102;
            break;
        default:
            return previous;
    }
    return withinTravel(floorCount(counts));
}

void park_them(Station& station) {
    checkHandoff(station);
    TrackingState& track = station.track;
    if (!track.parkingDue) return;
    if (track.closeDone == 0) closeAll(station);
    pollTrackerNowAndThen(station);
    const std::int16_t parkAzimuth = parkAzimuthDeg(station);
    RotatorState& rot = station.rot;
    if (parkAzimuth != 0)
        rot.parkAzCounts = parkAzimuthCounts(station.cfg.rotatorType, parkAzimuth,
                                             station.cfg.azScale, rot.parkAzCounts);
    formParkElevation(station);
    placeTarget(station.link.controllerFrame, frame::kElTargetHigh, rot.parkElSend);
    showParking(station);
    if (parkAzimuth != 0) {
        parkWithAzimuth(station);
    } else {
        parkElevationOnly(station);
    }
}

void perked(Station& station) {
    checkHandoff(station);
    TrackingState& track = station.track;
    if (track.parkedDone == 1) return;
    track.parkingDue = true;
    showParkedFrequencyView(station);
    radioinit(station);
    tuneParkedFrequencies(station);
    closeAll(station);
    do {
        park_them(station);
        showDriveIndicator(station);
        pumpMessages(station);
        laptop(station);
        timerx(station, kPerkedPauseMs);
        lapin(station);
        timerx(station, kPerkedPauseMs);
    } while (track.parkingDue);
    lapin(station);
    track.parkedDone = 1;
    if (station.cfg.endAfterPark == 1) {
        lbl_reset_Click(station);
        endProgram(EndReason::Parked);
    }
}

void lbl_track_Click(Station& station) {
    TrackingState& track = station.track;
    // A click while parking runs starts no second parking: the radios were reset for it already.
    if (!track.parkingDue) track.closeDone = 0;
    track.parkingDue = true;
    track.operatorParking = true;
}

}  // namespace orvant

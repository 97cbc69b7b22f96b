#include "tracking/main_loop.h"

#include <algorithm>

#include "config/satellite_file.h"
#include "config/text_rules.h"
#include "controller/controller_functions.h"
#include "controller/link.h"
#include "controller/rotator_inhibits.h"
#include "links/tracker_hooks.h"
#include "radio/frequency_stage.h"
#include "radio/radio_start.h"
#include "station/handoff.h"
#include "station/station.h"
#include "station/tracker_kinds.h"
#include "station/waits.h"
#include "tracking/dial_watch.h"
#include "tracking/manual_entry.h"
#include "tracking/net_source.h"
#include "tracking/orbit_model.h"
#include "tracking/parking.h"
#include "tracking/pointing.h"
#include "tracking/position_refresh.h"
#include "tracking/readback.h"
#include "ui/time_date.h"

namespace orvant {

namespace {

bool trackerSaysBelowHorizon(const TrackingState& t) {
    return mid(t.trackerStatus, 4, 2) == "NO";
}

// The loop makes about 25 passes a second: a pass that finds no input due waits for it up to
// 40 ms instead of spinning, so the loop holds no processor core; every wake-up costs far more
// than the pass itself. The poll spacings stay counted in passes. Under a tracking program each
// pass waits its share of what is left of the second since the last poll, so that the poll comes
// within that second however long the card's exchanges of the passes between took. Rotator
// clients have no program to poll: their passes keep an even share of the second.
std::int64_t passWaitMs(Station& s) {
    constexpr std::int64_t kPassWaitMs = 40;
    constexpr std::int64_t kPollPeriodMs = 1000;
    const TrackingState& t = s.track;
    if (t.trackerKind == tracker::kNone) return kPassWaitMs;
    const auto pollPasses = static_cast<std::int64_t>(s.cfg.ddePollSpacing) + 50;
    if (t.trackerKind == tracker::kNet)
        return std::clamp<std::int64_t>(kPollPeriodMs / pollPasses, 1, kPassWaitMs);
    const std::int64_t passesLeft = std::max<std::int64_t>(1, pollPasses - t.ddePollCounter);
    const std::int64_t msLeft = t.ddePollMs + kPollPeriodMs - s.platform.host.elapsedMs();
    return std::clamp<std::int64_t>(msLeft / passesLeft, 0, kPassWaitMs);
}

// Step 1: pump the window's messages once.
void pumpOnce(Station& s) {
    s.pump.waitForEvent(passWaitMs(s));
    pumpMessages(s);
}

// Step 3: the tracking-program poll, every (spacing + 50) passes.
void pollTrackingProgramWhenDue(Station& s) {
    TrackingState& t = s.track;
    if (t.trackerKind == 0) return;
    ++t.ddePollCounter;
    Control& counter = s.display["lbl_dde_cntr"];
    if (t.ddePollCounter >= s.cfg.ddePollSpacing + 50) {
        t.ddePollMs = s.platform.host.elapsedMs();
        pollTrackingProgram(s);
        t.freqChanged = 1;
        t.ddePollCounter = 0;
        t.ddeMode = 0;
        if (s.cfg.ddePollBeep) s.platform.alerts.beep();
    }
    counter.backColor = t.ddePollCounter == 0 && t.satInView == 1 ? bgr::kRed : bgr::kGreen;
    counter.caption.clear();
}

// Step 5: the operator picked another file from the list while the loop ran.
bool otherFilePicked(Station& s) {
    if (s.track.satSource != 3) return false;
    const std::string picked = toUpper(s.display["lbl_sat_name"].caption);
    return !picked.empty() && picked != toUpper(s.track.satNamePrev) &&
           picked != toUpper(s.app.satName) + ".SAT";
}

void leaveForPickedFile(Station& s) {
    TrackingState& t = s.track;
    t.parkingDue = true;
    t.ddeMode = 0;
    t.forceElSend = 1;
    t.forceAzSend = 1;
    t.freqChanged = 1;
    t.satNamePrev = t.satNameShown;
}

void restartForTrackerSatellite(Station& s) {
    TrackingState& t = s.track;
    t.parkingDue = true;
    t.satChangeHandled = 1;
    t.forceElSend = 1;
    t.forceAzSend = 1;
    t.satNamePrev = t.satNameShown;
    t.freqChanged = 1;
    t.ddeMode = 0;
    s.app.satName = t.satNameShown;
}

// Names that load the same satellite file are the same satellite.
bool sameSatellite(const std::string& a, const std::string& b) {
    return satelliteFileName(toUpper(a)) == satelliteFileName(toUpper(b));
}

// Step 6: forced parking and the tracking program's new satellite. Returns false to restart.
bool checkSatelliteChange(Station& s) {
    TrackingState& t = s.track;
    if (t.satFileName == "KWIP") return true;
    if (t.satParkAzimuth != 0 && t.parkedDone != 1) perked(s);
    if (t.trackerKind != 0 && !sameSatellite(t.satNamePrev, t.satNameShown)) t.satChangeHandled = 0;
    if (left(t.trackerStatus, 2) == "SN" && t.satChangeHandled == 0) {
        restartForTrackerSatellite(s);
        return false;
    }
    return true;
}

// Step 8: the internal orbit model, for satellites that have an element set.
void propagateOrbit(Station& s, const LocalDateTime& now) {
    showOrbitModel(s);
    const std::string& name = s.track.satFileName;
    if (name == "KWIP" || name == "PARK" || s.track.fullDdeControl == 1) return;
    orbitStep(s, now);
    holdTypedBearing(s);
}

void showBelowHorizon(Station& s) {
    Display& d = s.display;
    TrackingState& t = s.track;
    d.show("lbl_wisp_mask");
    d.show("lbl_wisp_mask1");
    d.hide("hs_UpFine");
    d.hide("hs_DnFine");
    for (const char* name : {"lbl_DnDop", "lbl_UpDop", "Llb_gate"}) {
        d.enable(name, false);
        d.hide(name);
    }
    d.hide("lbl_UpVal");
    d.hide("lbl_DnVal");
    d.show("lbl_track");
    t.satInView = 0;
    if (s.cfg.endAfterPark == 1 && t.satWasVisible == 1) perked(s);
    t.satElevation = s.cfg.minElevation - 1;
    if (t.parkingDue) park_them(s);
    d.hide("lbl_mask3");
    t.radiosStarted = 0;
    t.satWasVisible = 0;
}

void startRadiosForPass(Station& s) {
    Display& d = s.display;
    startRadiosWithRotatorsHeld(s);
    d.enable("Llb_gate");
    d.show("Llb_gate");
    for (const char* name : {"lbl_track", "lbl_Testtrak", "ch_Test"}) d.hide(name);
    d.show("lbl_UpVal");
    d.show("lbl_DnVal");
    for (const char* name : {"lbl_DnDop", "lbl_UpDop"}) {
        d.enable(name);
        d.show(name);
    }
    d.hide("lbl_wisp_mask");
    d.hide("lbl_wisp_mask1");
    d.show("hs_UpFine");
    d.show("hs_DnFine");
    s.track.radiosStarted = 1;
}

void showInView(Station& s) {
    TrackingState& t = s.track;
    t.satInView = 1;
    t.satWasVisible = 1;
    if (t.radiosStarted == 0) startRadiosForPass(s);
    if (t.fullDdeControl != 1) return;
    if (t.trackerKind == 1) {
        s.display.show("lbl_mask3");
        s.display.hide("hs_UpFine");
        s.display.hide("hs_DnFine");
    } else if (t.trackerKind == 2) {
        Control& track = s.display["lbl_track"];
        track.visible = true;
        track.caption = std::string(30, ' ') + "Full DDE Control";
        track.backColor = bgr::kRed;
    }
}

// On the orbit model a pass starts when the satellite comes in view (at or above the minimum
// elevation): the radios are set up for it with the rotators held, as under a tracking program,
// so that every pass finds them as the first did, whatever the reset after the last one left.
// Radios set up and not tuned since (start-up in the middle of a pass) need no second set-up.
// The pass lasts until its end is detected.
void startOwnPassInView(Station& s) {
    TrackingState& t = s.track;
    if (t.radiosStarted == 1 || trackedElevation(s) < s.cfg.minElevation) return;
    const bool freshlySetUp = s.radio.setUp && s.freq.startPasses == 0;
    if (!freshlySetUp) startRadiosWithRotatorsHeld(s);
    t.radiosStarted = 1;
}

// Step 9: in view or below the horizon, as the tracking program reports it; on the orbit model,
// the start of a pass.
void visibilityStage(Station& s) {
    const TrackingState& t = s.track;
    if (t.satFileName == "KWIP" && t.manualPointing != 1) return;
    if (t.trackerKind == 0) {
        if (t.satFileName != "KWIP") startOwnPassInView(s);
        return;
    }
    if (trackerSaysBelowHorizon(t))
        showBelowHorizon(s);
    else
        showInView(s);
}

// Whether the radios are tuned on this pass. Only radios that hold a set-up are: after the reset
// that ends a pass they stay as it left them until the next pass sets them up again. On the
// orbit model they are tuned while a pass is underway, and once between a set-up and the pass
// (the bases, for the radios set up at start); under a tracking program while it reports the
// satellite in view. Fixed-frequency mode has no passes: its radios are always tuned.
bool tuningDue(const Station& s) {
    const TrackingState& t = s.track;
    if (t.satFileName == "KWIP")
        return t.manualPointing != 1 || t.trackerKind == 0 ||
               t.satElevation >= s.cfg.minElevation || t.satInView == 1;
    if (!s.radio.setUp) return false;
    if (t.trackerKind == 0) return t.radiosStarted == 1 || s.freq.startPasses == 0;
    return t.satElevation >= s.cfg.minElevation || t.satInView == 1;
}

// Step 10: Doppler correction and the radio frequencies. The dials the radio clients read are
// read only while the station tunes them, and before a send puts a turned dial back.
void runFrequencyStage(Station& s) {
    if (!tuningDue(s)) return;
    watchDials(s);
    frequencyStage(s);
}

// Step 12: the idle controller poll while no satellite is tracked.
void idleControllerPoll(Station& s) {
    TrackingState& t = s.track;
    if (t.satInView == 1 && t.satSource != 3) return;
    Control& counter = s.display["lbl_dde_cntr"];
    ++t.idlePollCounter;
    if (t.idlePollCounter >= s.cfg.idlePollPasses) {
        laptop(s);
        lapin(s);
        t.idlePollCounter = 0;
        t.freqChanged = 1;
        if (s.cfg.idlePollBeep) s.platform.alerts.beep();
        counter.backColor = bgr::kRed;
    } else {
        counter.backColor = bgr::kBlue;
    }
}

// With end-after-parking set, a pass followed by the program's own orbit model ends the program
// once the antennas are parked, as one reported below the horizon by a tracking program does.
void endAfterOwnPass(Station& s) {
    if (s.cfg.endAfterPark == 1 && s.track.trackerKind == 0) perked(s);
}

// The end of a pass starts parking, unless the operator forced parking during it, or a tracking
// program (or a network client) reporting the satellite below the horizon started it already:
// the antennas are parked, or on their way with the radios reset once.
void endPass(Station& s) {
    TrackingState& t = s.track;
    t.wasAboveZero = 0;
    t.radiosStarted = 0;  // the next pass sets the radios up again
    if (!t.operatorParking && t.losHandled == 0) {
        t.parkingDue = true;
        t.closeDone = 0;
    }
    endAfterOwnPass(s);
}

// Step 16: the end of a pass is the first pass below the horizon after one at or above it. It
// watches the elevation the targets were formed from, so that ending a test tracking ends the
// pass it tracked, and ticking it during a pass ends that pass. With a negative minimum elevation
// the satellite still counts as in view below 0 degrees, so the pass ends only when it drops below
// that minimum; otherwise the in-view stage would cancel the parking at once and the antennas
// would never be parked. The operator's forced parking ends with the pass once the antennas are
// parked.
void detectEndOfPass(Station& s) {
    TrackingState& t = s.track;
    const double horizon = std::min(0.0, s.cfg.minElevation);
    if (s.rot.targetElevation >= horizon) {
        t.wasAboveZero = 1;
        return;
    }
    if (t.wasAboveZero == 1) endPass(s);
    if (!t.parkingDue) t.operatorParking = false;
}

// Step 17: the display refresh.
void refreshDisplay(Station& s) {
    showFrequencies(s);
    refreshPointingDisplay(s);
}

// Step 18: the hold, ended by double-clicking the azimuth slew value (or a reset).
void holdWhileAsked(Station& s) {
    waitUntil(s, [&] { return s.track.loopHold != 1; });
    s.track.loopHold = 0;
}

}  // namespace

PassOutcome loopPass(Station& s) {
    TrackingState& t = s.track;
    pumpOnce(s);  // steps 1 and 2: messages and the hand-off
    serveNetClients(s);
    pollTrackingProgramWhenDue(s);
    if (awaitingWispPoll(t)) return PassOutcome::Continue;
    if (otherFilePicked(s)) {
        leaveForPickedFile(s);
        return PassOutcome::FilePicked;
    }
    if (!checkSatelliteChange(s)) return PassOutcome::TrackerSatellite;
    const LocalDateTime now = s.platform.host.localTime();  // one clock reading per pass
    showTimeAndDate(s, now);
    propagateOrbit(s, now);
    visibilityStage(s);
    runFrequencyStage(s);
    elevationStage(s);  // in flip mode `flipper` makes the sends
    azimuthStage(s);
    idleControllerPoll(s);
    refreshStalePosition(s);
    readbackStage(s);
    // Parking resets the radios once: whoever makes parking due clears closeDone.
    if (t.parkingDue) park_them(s);
    if (s.link.extPortValue != s.link.extPortApplied) switch_(s, s.link.extPortValue);
    detectEndOfPass(s);
    refreshDisplay(s);
    if (t.loopHold == 1) holdWhileAsked(s);
    checkHandoff(s);
    return PassOutcome::Continue;
}

bool awaitingWispPoll(const TrackingState& t) {
    return t.ddeMode == 1 && t.trackerKind == 1;
}

PassOutcome runPollingLoop(Station& s) {
    for (;;) {
        const PassOutcome outcome = loopPass(s);
        if (outcome != PassOutcome::Continue) return outcome;
    }
}

}  // namespace orvant

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvant {

// The polling loop's state: what the loop reads and writes on every pass.
struct TrackingState {
    std::int16_t trackerKind = 0;  // 0 none, 1 WISP, 2 NOVA, 3 WinOrbit, 4 WinTrak, 5 rotctld
    std::int16_t ddeMode = 0;
    std::int16_t fullDdeControl = 0;
    std::string trackerStatus;
    std::string satNameShown;
    std::string satNamePrev;
    std::string satFileName;
    std::int16_t satSource = 0;  // 3 = picked from the file list
    double satAzimuth = 0;       // whole degrees
    double satElevation = 0;     // whole degrees, negative below the horizon
    double rangeRate = 0;        // km/s, positive when receding
    std::int16_t ma256 = 0;  // orbit phase in 256ths; 300 while a tracking program reports it down
    std::string orbitFault;  // why the orbit model has no position now; empty while it has one

    // What the tracking program's link keeps between polls.
    std::string satName;           // the satellite the tracking program names
    std::int16_t losHandled = 0;   // 1 once this pass's going below the horizon was handled
    std::int16_t tuneReplies = 0;  // NOVA's consecutive echoes of the start-up "TUNE ON"
    std::optional<double> trackerPrevElevation;  // NOVA's elevation at its previous poll

    // The rotator clients (--rotctld): the program time of the last line any of them sent, and
    // the last moment one was connected.
    std::int64_t netHeardMs = 0;
    std::int64_t netConnectedMs = 0;
    // Where a client points the antennas while the satellite is below the horizon (gpredict's
    // next rise at elevation 0); none during a pass.
    struct Bearing {
        double azimuth = 0;
        double elevation = 0;
    };
    std::optional<Bearing> waitingPosition;
    // The clients' positions and parking requests (none: park), answered at once and carried
    // out by the loop, in order, where a tracking program's poll enters it.
    std::vector<std::optional<Bearing>> rotatorRequests;

    std::int16_t satParkAzimuth = 0;
    std::int16_t parkedDone = 0;
    bool parkingDue = false;
    // The operator forced parking (`lbl_track`): it holds until the antennas are parked and the
    // pass it was asked in has ended, so no in-view pass sends the satellite's targets meanwhile.
    bool operatorParking = false;
    std::int16_t closeDone = 0;
    std::int16_t satWasVisible = 0;
    std::int16_t manualPointing = 0;
    std::int16_t freqChanged = 0;
    std::int16_t loopHold = 0;
    // Set by the local-time box and never cleared: every radio read-back then holds the loop.
    bool stepMode = false;
    std::int16_t forceElSend = 0;
    std::int16_t forceAzSend = 0;

    // Values that live only in the loop.
    std::int16_t ddePollCounter = 0;
    std::int64_t ddePollMs = 0;  // program time of the loop's last tracking-program poll
    std::int16_t satInView = 0;
    std::int16_t radiosStarted = 0;
    std::int16_t idlePollCounter = 0;
    std::int16_t wasAboveZero = 0;
    std::int16_t satChangeHandled = 0;
};

}  // namespace orvant

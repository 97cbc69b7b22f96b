#pragma once

#include <cstdint>

namespace orvant {

struct Station;

// Pointing and drive: the stages of a loop pass that form the rotator targets and send them.

// Forms the elevation target from the satellite's elevation (mirrored while `ch_Test` is ticked),
// the fixed offset, the slew slider and the maximum elevation; primes the last-sent bearings on
// the first pass; and, while the satellite is in view, sends the elevation and azimuth targets
// that have moved by their update step (`flipper` does the sends in flip mode).
void elevationStage(Station& station);

// Forms the commanded azimuth from the satellite's azimuth, the slew slider and the fixed
// offset, within 0..360. The readback stage then turns it into counts for the next pass's send.
void azimuthStage(Station& station);

// The elevation the targets are formed from: the satellite's, mirrored while `ch_Test` is ticked.
double trackedElevation(const Station& station);

// True when the elevation the targets were formed from is at or above the minimum elevation.
bool targetInView(const Station& station);

// The sends of an in-view pass, shared by the normal drive and flip mode: marks the satellite in
// view, sends each target that has moved by its update step (the elevation target becomes
// `belowHorizonCount` while the elevation is negative) and clears the parked mark.
void driveInView(Station& station, std::int16_t belowHorizonCount);

// The end-of-pass display of the pointing: commanded azimuth, drive indicator and, outside flip
// mode, the vertical elevation gauge.
void refreshPointingDisplay(Station& station);

}  // namespace orvant

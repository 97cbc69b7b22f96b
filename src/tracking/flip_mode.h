#pragma once

namespace orvant {

struct Station;

// Flip mode: the azimuth turns to the reciprocal bearing and the elevation passes the zenith, so
// an overhead pass is followed without a half-turn of the azimuth rotator.

// On exactly when the operator's flip choice is "Ye" and flipping is allowed.
bool flipModeOn(const Station& station);

// The drive of an in-view pass in flip mode: the elevation target mirrored about the zenith
// (count 1023 while the elevation is negative) and the reciprocal azimuth target.
void flipper(Station& station);

// The readback in flip mode: the azimuth target for the reciprocal bearing in counts of the
// rotator type, with the fixed bearings that hold a 450-degree rotator short of its stops.
void flip_g5500(Station& station);

// The flip question: a double-click turns flip mode on (not under NOVA or WISP), a click off.
void lbl_SatBearings_DblClick(Station& station);
void lbl_SatBearings_Click(Station& station);

}  // namespace orvant

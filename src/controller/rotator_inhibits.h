#pragma once

namespace orvant {

struct Station;

// The rotator drive inhibits (frame slots 63 azimuth, 64 elevation). Only the frame is changed;
// the value goes to the card with the next exchange.

// Inhibits both axes (before the radio set-up, and while calibrating).
void inhibitRotators(Station& station);

// Releases the inhibits, except that an axis whose enable box (`ch_RotAz`, `ch_RotEl`) is
// unticked stays inhibited, and both stay inhibited while the calibration view is open: a rotator
// the operator has disabled, or is adjusting by hand, must never move under program control.
void releaseInhibits(Station& station);

// The same for one axis (its enable box was clicked).
void releaseAzimuthInhibit(Station& station);
void releaseElevationInhibit(Station& station);

// True while the card is told to keep the axis still.
bool azimuthInhibited(const Station& station);
bool elevationInhibited(const Station& station);

}  // namespace orvant

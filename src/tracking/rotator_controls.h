#pragma once

namespace orvant {

class Display;
struct Station;

// The rotator's part of the main window: readback gauges and labels, slew sliders, enable and
// test check boxes, drive indicator, pointing and parking labels, flip question, manual entry,
// calibration view and the 360-degree compass scale.
void declareRotatorControls(Display& display);

// Binds the rotator controls' events to their handlers. An operator's click on a check box
// toggles it and then applies its new state; a value set on it (a Change) is applied as set.
void bindRotatorHandlers(Station& station);

}  // namespace orvant

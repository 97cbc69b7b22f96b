#pragma once

#include <string>

namespace orvant {

class Display;
struct Station;

// Sets a gauge (slider) to a position, kept within the gauge's own range.
void setGauge(Display& display, const std::string& gauge, double position);

// Shows the read-back azimuth of the rotator in `lbl_Azfed`.
void showReadAzimuth(Station& station, double degrees);

// The drive indicator: `motor_red` while the drive command (slot 62) is not 0, else
// `motor_black`.
void showDriveIndicator(Station& station);

}  // namespace orvant

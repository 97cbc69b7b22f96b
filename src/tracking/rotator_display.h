#pragma once

#include <string>

namespace orvant {

class Display;
struct Station;

// A number as the window shows it: shortest decimal form in the C locale ("180", "12.5", "-3").
std::string numberText(double value);

// Sets a gauge (slider) to a position, kept within the gauge's own range.
void setGauge(Display& display, const std::string& gauge, double position);

// Shows the read-back azimuth of the rotator in `lbl_Azfed`.
void showReadAzimuth(Station& station, double degrees);

// The drive indicator: `motor_red` while the drive command (slot 62) is not 0, else
// `motor_black`.
void showDriveIndicator(Station& station);

}  // namespace orvant

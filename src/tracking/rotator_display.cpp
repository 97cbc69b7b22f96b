#include "tracking/rotator_display.h"

#include <algorithm>
#include <cmath>

#include "config/text_rules.h"
#include "controller/frame_layout.h"
#include "station/station.h"
#include "tracking/target_counts.h"

namespace orvant {

void setGauge(Display& display, const std::string& gauge, double position) {
    Control& control = display[gauge];
    const int lo = std::min(control.min, control.max);
    const int hi = std::max(control.min, control.max);
    const double whole = std::isnan(position) ? 0 : std::round(position);
    control.value =
        static_cast<int>(std::clamp(whole, static_cast<double>(lo), static_cast<double>(hi)));
}

void showReadAzimuth(Station& station, double degrees) {
    station.display.setCaption("lbl_Azfed", numberText(degrees));
}

void showDriveIndicator(Station& station) {
    const bool driving = station.link.controllerFrame[frame::kDrive] != 0;
    station.display.show("motor_red", driving);
    station.display.show("motor_black", !driving);
}

}  // namespace orvant

#include "radio/radio_controls.h"

#include "app/station.h"
#include "radio/radio_drivers.h"

namespace orvant {

namespace {

constexpr std::uint32_t kReadingColour = 0xFFFF00;

Control withTooltip(std::string tooltip) {
    Control control;
    control.tooltip = std::move(tooltip);
    return control;
}

void readBack(Station& station, int side, const char* label) {
    station.display[label].backColor = kReadingColour;
    const RadioType* type = radioTypeAt(station.sat, side);
    const RadioDrivers* drivers = type ? driversOf(type->driver) : nullptr;
    if (drivers && type->position(side).readback)
        (side == 0 ? drivers->readUplink : drivers->readDownlink)(station, *type);
    station.display[label].backColor = bgr::kGrey;
}

}  // namespace

void declareRadioControls(Display& display) {
    display.declare("lbl_radio_up");
    display.declare("lbl_radio_dn");
    display.declare("lbl_Up_read",
                    withTooltip("Double click this to read the Uplink frequency into ORVANT."));
    display.declare(
        "lbl_down_read",
        withTooltip("Double click this button to read the Downlink frequency into ORVANT."));
}

void bindRadioHandlers(Station& station) {
    station.display.on(
        "lbl_Up_read", ControlEvent::DblClick, [&station] { lbl_Up_read_DblClick(station); }, true);
    station.display.on(
        "lbl_down_read", ControlEvent::DblClick, [&station] { lbl_down_read_DblClick(station); },
        true);
}

void lbl_Up_read_DblClick(Station& station) {
    readBack(station, 0, "lbl_Up_read");
}

void lbl_down_read_DblClick(Station& station) {
    readBack(station, 1, "lbl_down_read");
}

}  // namespace orvant

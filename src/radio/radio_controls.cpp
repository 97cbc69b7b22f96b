#include "radio/radio_controls.h"

#include "radio/radio_drivers.h"
#include "radio/read_back.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr std::uint32_t kReadingColour = 0xFFFF00;

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
    display.declare(
        "lbl_Up_read",
        labelControl({}, "Double click this to read the Uplink frequency into ORVANT."));
    display.declare(
        "lbl_down_read",
        labelControl({}, "Double click this button to read the Downlink frequency into ORVANT."));
    // The prompt of the FT-736R's typed read-back.
    display.declare("lbl_736_freq_left", labelControl({}, {}, false));
}

void bindRadioHandlers(Station& station, void (*readbackBroken)(Station&)) {
    const auto bind = [&station, readbackBroken](const char* name, void (*handler)(Station&)) {
        station.display.on(
            name, ControlEvent::DblClick,
            [&station, handler, readbackBroken] {
                try {
                    handler(station);
                } catch (const RadioReadbackBroken&) {
                    readbackBroken(station);
                }
            },
            true);
    };
    bind("lbl_Up_read", lbl_Up_read_DblClick);
    bind("lbl_down_read", lbl_down_read_DblClick);
}

void lbl_Up_read_DblClick(Station& station) {
    readBack(station, 0, "lbl_Up_read");
}

void lbl_down_read_DblClick(Station& station) {
    readBack(station, 1, "lbl_down_read");
}

}  // namespace orvant

#include "radio/fixed_frequency_entry.h"

#include "radio/frequency_text.h"
#include "station/station.h"
#include "station/waits.h"

namespace orvant {

namespace {

// Waits for Return in an entry box until the box holds a frequency.
double enteredFrequency(Station& station, const char* box) {
    for (;;) {
        station.display.setCaption(box, "");
        waitUntil(station, [&station] { return station.rot.enterPressed == 1; });
        station.rot.enterPressed = 0;
        if (const auto mhz = typedFrequency(station.display[box].caption)) return *mhz;
        bad_entry(station);
    }
}

void enterBase(Station& station, const char* box, double& baseMHz) {
    baseMHz = enteredFrequency(station, box);
    station.track.freqChanged = 1;
}

}  // namespace

void radleft(Station& station) {
    enterBase(station, "txt_rad_left", station.sat.uplinkMHz);
}

void radright(Station& station) {
    enterBase(station, "txt_rad_right", station.sat.downlinkMHz);
}

void bad_entry(Station& station) {
    const AppState& app = station.app;
    station.platform.alerts.messageBox(
        "   A number must be entered in the form 123.123456\r\n\r\n"
        "     KELDAN           " +
        app.versionText + "          " + app.versionDate);
}

}  // namespace orvant

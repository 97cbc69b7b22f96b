#include "ui/main_window.h"

#include "app/startup_controls.h"
#include "app/station.h"
#include "config/satellite_file.h"
#include "controller/controller_controls.h"
#include "radio/frequency_controls.h"
#include "tracking/rotator_controls.h"

namespace orvant {

void buildMainWindow(Station& station) {
    Display& display = station.display;
    declareStartupControls(display);
    declareSatelliteControls(display);
    declareControllerControls(display);
    declareRotatorControls(display);
    declareFrequencyControls(display);
    // The file list shows the satellite files of the folder the program was started in.
    display["File1"].items = station.platform.files.listFiles(".sat");
    bindStartupHandlers(station);
    bindControllerHandlers(station);
    bindRotatorHandlers(station);
    bindFrequencyHandlers(station);
    station.pump.setDispatcher(
        [&display](const InputEvent& input) { return display.deliver(input); });
}

}  // namespace orvant

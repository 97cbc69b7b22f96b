#include "app/main_window.h"

#include "app/satellite_loading.h"
#include "app/startup_controls.h"
#include "controller/controller_controls.h"
#include "shutdown/shutdown.h"
#include "station/station.h"
#include "tracking/rotator_controls.h"

namespace orvant {

void buildMainWindow(Station& station) {
    Display& display = station.display;
    declareStartupControls(display);
    declareSatelliteControls(display);
    declareControllerControls(display);
    declareRotatorControls(display);
    // The file list shows the satellite files of the folder the program was started in.
    display["File1"].items = station.platform.files.listFiles(".sat");
    bindStartupHandlers(station);
    bindControllerHandlers(station);
    bindExitButton(station);
    bindRotatorHandlers(station);
    station.pump.setDispatcher(
        [&display](const InputEvent& input) { return display.deliver(input); });
}

}  // namespace orvant

#include "app/main_window.h"

#include "app/fatal_dialogs.h"
#include "app/satellite_loading.h"
#include "app/startup_controls.h"
#include "controller/controller_controls.h"
#include "links/tracker_hooks.h"
#include "radio/frequency_controls.h"
#include "radio/radio_controls.h"
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
    declareRadioControls(display);
    declareFrequencyControls(display);
    declareLinkControls(display);
    // The file list shows the satellite files of the folder the program was started in.
    display["File1"].items = station.platform.files.listFiles(".sat");
    bindStartupHandlers(station);
    bindControllerHandlers(station);
    bindExitButton(station);
    bindRotatorHandlers(station);
    bindRadioHandlers(station, Bad_Radio);
    bindFrequencyHandlers(station);
    bindLinkHandlers(station);
    station.pump.setDispatcher(
        [&display](const InputEvent& input) { return display.deliver(input); });
}

}  // namespace orvant

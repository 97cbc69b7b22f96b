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
#include "tracking/net_source.h"
#include "tracking/orbit_model.h"
#include "tracking/rotator_controls.h"
#include "ui/about_box.h"
#include "ui/compass_scales.h"
#include "ui/config_editor.h"
#include "ui/time_date.h"

namespace orvant {

void buildMainWindow(Station& station) {
    Display& display = station.display;
    declareStartupControls(display);
    declareSatelliteControls(display);
    declareControllerControls(display);
    declareRotatorControls(display);
    declareRadioControls(display);
    declareFrequencyControls(display);
    declareCompassScaleControls(display);
    declareTimeDateControls(display);
    declareConfigEditorControls(display);
    declareAboutControls(display);
    declareLinkControls(display);
    declareNetSourceControl(station);
    declareOrbitModelControl(display);
    // The file list shows the satellite files of the folder the program was started in.
    display["File1"].items = station.platform.files.listFiles(".sat");
    bindStartupHandlers(station);
    bindControllerHandlers(station);
    bindExitButton(station);
    bindRotatorHandlers(station);
    bindRadioHandlers(station, Bad_Radio);
    bindFrequencyHandlers(station);
    bindCompassScaleHandlers(station);
    bindTimeDateHandlers(station);
    bindConfigEditorHandlers(station);
    bindAboutHandlers(station);
    bindLinkHandlers(station);
    station.pump.setDispatcher(
        [&display](const InputEvent& input) { return display.deliver(input); });
}

}  // namespace orvant

#pragma once

#include "config/satellite_record.h"
#include "config/station_config.h"
#include "display/display.h"
#include "platform/message_pump.h"
#include "platform/platform.h"
#include "station/app_state.h"
#include "station/frequency_state.h"
#include "station/link_state.h"
#include "station/orbit_state.h"
#include "station/radio_state.h"
#include "station/rotator_state.h"
#include "station/tracking_state.h"

namespace orvant {

// The station: the one record of program state that the main window owns for the life of the
// process, with the platform it runs on and the display it drives. Every routine of the station
// logic takes it as its first argument.
struct Station {
    Station(Platform& p, MessagePump& mp, Display& d) : platform(p), pump(mp), display(d) {}

    Platform& platform;
    MessagePump& pump;
    Display& display;
    PortIO* port = nullptr;  // the printer-port driver, once opened at start-up

    AppState app;
    StationConfig cfg;
    SatelliteRecord sat;
    LinkState link;
    TrackingState track;
    RotatorState rot;
    OrbitState orbit;
    RadioState radio;
    FrequencyState freq;
};

}  // namespace orvant

#pragma once

#include <sstream>
#include <string>

#include "app/main_window.h"
#include "display/display.h"
#include "platform/alerts.h"
#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/message_pump.h"
#include "platform/program_launcher.h"
#include "platform/settings_store.h"
#include "platform/trace.h"
#include "station/station.h"

namespace orvant::testing {

// A whole station, with every control of the main window, on the virtual platform: virtual clock
// (starting at `start`), settings in memory, alerts and launched programs recorded, files in
// memory, a trace into a string, and no port until a test attaches one (`portToOpen`).
struct StationHarness {
    explicit StationHarness(LocalDateTime start = {2018, 1, 20, 12, 0, 0, 0})
        : host(start),
          trace(traceText, [this] { return host.elapsedMs(); }),
          platform{host,
                   settings,
                   alerts,
                   launcher,
                   files,
                   trace,
                   conversations,
                   [this](std::uint16_t) { return portToOpen; }},
          pump(host),
          station(platform, pump, display) {
        buildMainWindow(station);
    }

    // Queues operator input `afterMs` milliseconds of program time from now.
    void post(std::int64_t afterMs, InputKind kind, const std::string& control,
              const std::string& text = {}) {
        pump.post({host.elapsedMs() + afterMs, kind, control, text});
    }

    VirtualHost host;
    MemorySettingsStore settings;
    RecordingAlerts alerts;
    RecordingLauncher launcher;
    MemoryFileSystem files;
    std::ostringstream traceText;
    Trace trace;
    ScriptedConversations conversations;
    PortIO* portToOpen = nullptr;
    Platform platform;
    MessagePump pump;
    Display display;
    Station station;
};

}  // namespace orvant::testing

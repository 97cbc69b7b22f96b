#pragma once

#include <cstdint>
#include <functional>

#include "platform/alerts.h"
#include "platform/conversations.h"
#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/line_server.h"
#include "platform/port_failure.h"
#include "platform/port_io.h"
#include "platform/program_launcher.h"
#include "platform/settings_store.h"
#include "platform/trace.h"

namespace orvant {

// Everything the station logic needs from outside, gathered in one place. The station logic
// reaches the clock, files, ports, settings, alerts, other programs and their servers only
// through these.
struct Platform {
    Host& host;
    SettingsStore& settings;
    Alerts& alerts;
    ProgramLauncher& launcher;
    FileSystem& files;
    Trace& trace;
    Conversations& conversations;
    // Opens the printer-port driver for the given base address; nullptr when no driver can be
    // opened. The port stays owned by whoever supplies it.
    std::function<PortIO*(std::uint16_t baseAddress)> openPort;
    // What `openPort` tried when it found no port, and why each try failed (empty: not known).
    std::function<PortTries()> portTries = [] { return PortTries{}; };
    // The rotator clients' server (--rotctld); nullptr when none was asked for.
    LineServer* rotatorServer = nullptr;
    // The radio clients' server (--rigctld); nullptr when none was asked for.
    LineServer* radioServer = nullptr;
};

}  // namespace orvant

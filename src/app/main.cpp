#include <chrono>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/event_script.h"
#include "app/main_window.h"
#include "app/options.h"
#include "app/pass_table.h"
#include "app/startup.h"
#include "controller/pc/pc_card.h"
#include "controller/port_choice.h"
#include "display/display.h"
#include "frontend/headless_frontend.h"
#include "frontend/qt/window_frontend.h"
#include "links/net_commands.h"
#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/message_pump.h"
#include "platform/program_launcher.h"
#include "platform/rendezvous.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/socket_conversations.h"
#include "platform/stop_signals.h"
#include "platform/tcp_line_server.h"
#include "platform/trace.h"
#include "platform/tracing_alerts.h"
#include "platform/tracing_conversations.h"
#include "radio/cat_framing.h"
#include "radio/sim/satellite_radios.h"
#include "station/program_end.h"
#include "station/station.h"
#include "ui/about_box.h"

namespace {

using namespace orvant;

std::unique_ptr<Host> makeHost(const Options& o) {
    if (o.clock) return std::make_unique<VirtualHost>(*o.clock);
    if (o.realClockStart) return std::make_unique<RealHost>(*o.realClockStart);
    return std::make_unique<RealHost>();
}

bool readFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    bytes = text.str();
    return true;
}

void reportRefusal(const Options& o, const InputEvent& e, const Display& display) {
    std::cerr << "orvant: " << o.eventsFile << ": line " << e.scriptLine << ": "
              << refusalOf(e, display) << "\n";
}

// Scripted input that comes when its control is hidden or disabled is refused: the operator
// could not have given it. The run goes on; `refused` makes it end with status 2.
void refuseUnreachableScriptInput(const Options& o, Display& display, bool& refused) {
    display.onUnreachableInput([&o, &display, &refused](const InputEvent& e) {
        if (e.scriptLine == 0) return;
        reportRefusal(o, e, display);
        refused = true;
    });
}

// Queues the scripted operator input, and the Exit press of --until. A script that names a
// control the window does not have is refused: its input would silently do nothing.
bool queueOperatorInput(const Options& o, MessagePump& pump, const Display& display) {
    if (!o.eventsFile.empty()) {
        std::string text;
        if (!readFile(o.eventsFile, text)) {
            std::cerr << "orvant: cannot read the events file " << o.eventsFile << "\n";
            return false;
        }
        const EventScript script = parseEventScript(text);
        if (!script.error.empty()) {
            std::cerr << "orvant: " << o.eventsFile << ": " << script.error << "\n";
            return false;
        }
        for (const InputEvent& e : script.events) {
            if (display.has(e.control)) continue;
            reportRefusal(o, e, display);
            return false;
        }
        for (const InputEvent& e : script.events) pump.post(e);
    }
    if (o.untilSeconds)
        pump.post(
            {static_cast<std::int64_t>(*o.untilSeconds * 1000), InputKind::Click, "cmd_Bye", ""});
    return true;
}

int exitCode(EndReason reason) {
    if (reason == EndReason::Refused) return 2;
    return reason == EndReason::Fatal || reason == EndReason::NoFiles ? 1 : 0;
}

std::string handoffNote(const std::string& settingsPath) {
    return "a newer instance of ORVANT, started on the settings file " + settingsPath +
           ", has taken over the station; this one ends and leaves the controller card to it";
}

// Opens the server of clients asked for on `address` (none when it is empty). False, said on the
// error stream, when it cannot listen there.
bool openNetServer(const char* name, const std::string& address,
                   std::unique_ptr<TcpLineServer>& server) {
    if (address.empty()) return true;
    std::string problem;
    server = TcpLineServer::open(address, kMaxNetLine, problem);
    if (!server) std::cerr << "orvant: " << name << ": " << problem << "\n";
    return server != nullptr;
}

// Opens the serial devices of the card of the PC's own. False, said on the error stream, when one
// is missing or not a serial port.
bool wirePcCard(const Options& o, pc::PcCardWiring& wiring) {
    for (std::size_t i = 0; i < o.catDevices.size(); ++i) {
        const std::string& device = o.catDevices[i];
        if (device.empty()) continue;
        std::string problem;
        std::unique_ptr<SerialLine> line = SerialLine::open(device, problem);
        if (!line) {
            std::cerr << "orvant: --cat" << i + 1 << "=" << device << ": " << problem << "\n";
            return false;
        }
        wiring.channels[i] = std::make_unique<pc::CatChannel>(device, std::move(line));
    }
    wiring.rotator = o.rotator;
    return true;
}

// Puts the card of the PC's own behind the port: its devices, the station's rotator type and the
// loaded satellite's radios; what goes wrong with it is said on the error stream and traced.
void usePcCard(PortChoice& ports, pc::PcCardWiring wiring, const Station& station,
               const pc::ChannelFramings& framings, Trace& trace) {
    auto parts = std::make_shared<pc::PcCardWiring>(std::move(wiring));
    ports.useCard([parts, &station, &framings, &trace](std::uint16_t base) {
        return std::make_unique<pc::PcCard>(base, std::move(*parts), station.cfg, framings,
                                            [&trace](const std::string& what) {
                                                std::cerr << "orvant: card: " << what << "\n";
                                                trace.event("card", {{"fault", what}});
                                            });
    });
}

int runStationProgram(const Options& o, WindowFrontend* frontend, Host& host) {
    // Tracking programs' servers are trusted only in a folder nobody else can write.
    const std::string ddeFolder = o.ddeFolder.empty() ? rendezvous::defaultFolder() : o.ddeFolder;
    const std::string folderProblem = rendezvous::prepareFolder(ddeFolder);
    if (!folderProblem.empty()) {
        std::cerr << "orvant: " << folderProblem << "\n";
        return 2;
    }
    std::unique_ptr<TcpLineServer> rotctld, rigctld;
    if (!openNetServer("rotctld", o.rotctldAddress, rotctld) ||
        !openNetServer("rigctld", o.rigctldAddress, rigctld))
        return 2;
    pc::PcCardWiring pcWiring;
    if (pcCardAsked(o) && !wirePcCard(o, pcWiring)) return 2;
    Host& pumpHost = frontend ? frontend->host() : host;
    std::ofstream traceFile;
    if (!o.traceFile.empty()) {
        traceFile.open(o.traceFile, std::ios::trunc);
        if (!traceFile) {
            std::cerr << "orvant: cannot write the trace file " << o.traceFile << "\n";
            return 2;
        }
    }
    Trace trace =
        o.traceFile.empty() ? Trace() : Trace(traceFile, [&] { return host.elapsedMs(); });
    // The hand-off entry is asked for on every loop pass; looking at the file every 250 ms sees a
    // newer instance within a quarter of a second, and spares most passes a look at the disk.
    const std::string settingsPath =
        o.settingsFile.empty() ? FileSettingsStore::defaultPath() : o.settingsFile;
    FileSettingsStore settings(settingsPath, std::chrono::milliseconds(250));
    StreamAlerts streamAlerts(std::cerr);
    TracingAlerts alerts(frontend ? frontend->alerts() : streamAlerts, trace);
    ProcessLauncher launcher;
    DiskFileSystem files;
    PortChoice ports(host, o.sim, o.portDevice);
    SocketConversations sockets(ddeFolder, std::chrono::milliseconds(o.ddeTimeoutMs), host);
    TracingConversations conversations(sockets, trace);
    Platform platform{
        pumpHost, settings, alerts,        launcher,
        files,    trace,    conversations, [&](std::uint16_t base) { return ports.open(base); }};
    platform.portTries = [&ports] { return ports.tries(); };
    platform.rotatorServer = rotctld.get();
    platform.radioServer = rigctld.get();
    MessagePump pump(pumpHost);
    Display display;
    Station station(platform, pump, display);
    const auto simulatedRadios = simulateSatelliteRadios(ports, station.sat);
    const SatelliteCatFramings catFramings(station.sat);
    if (pcCardAsked(o)) usePcCard(ports, std::move(pcWiring), station, catFramings, trace);
    buildMainWindow(station);
    if (!queueOperatorInput(o, pump, display)) return 2;
    bool scriptRefused = false;
    refuseUnreachableScriptInput(o, display, scriptRefused);
    if (frontend) frontend->open(station);
    StatusLines status;
    catchStopSignals();
    bool stopPressed = false;
    pump.setTicker(1000, [&] {
        std::cout << status.next(station) << std::endl;
        // A stop signal presses Exit, wherever the program waits.
        if (stopSignalled() && !std::exchange(stopPressed, true))
            pump.post({pump.now(), InputKind::Click, "cmd_Bye", ""});
    });

    EndReason reason = EndReason::Exit;
    try {
        runStation(station, o.commandLine);
    } catch (const ProgramEnd& end) {
        reason = end.reason;
    } catch (const std::exception& fault) {
        // A fault in the program itself: say so plainly rather than vanish.
        std::cerr << "orvant: internal error: " << fault.what() << "\n";
        trace.event("end", {{"reason", std::string("internal")}});
        return 3;
    }
    trace.event("end", {{"reason", endReasonName(reason)}});
    if (reason == EndReason::Handoff) {
        // The newer instance drives the card now: let go of the port before the note shows.
        ports.release();
        alerts.note(handoffNote(settingsPath));
        if (frontend) frontend->waitForNotes();
    }
    return scriptRefused ? 2 : exitCode(reason);
}

int runPassTable(const Options& o, const LocalDateTime& now) {
    PassTableRequest request{.hours = *o.passesHours, .csv = o.csv, .names = {}};
    std::istringstream words(o.commandLine);
    for (std::string name; words >> name;) request.names.push_back(name);
    DiskFileSystem files;
    return printPassTable(request, now, files, std::cout, std::cerr);
}

// A window needs a desktop to show it on (or a toolkit platform named outright).
bool desktopPresent() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const OptionsResult parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "orvant: " << parsed.error << "\n";
        return 2;
    }
    const Options& o = parsed.options;
    switch (o.request) {
        case Request::Help:
            std::cout << usageText();
            return 0;
        case Request::Version:
            std::cout << "orvant " << ORVANT_VERSION << "\n";
            return 0;
        case Request::RunStation:
            break;
    }
    std::unique_ptr<Host> host = makeHost(o);
    // The pass table reads the station files and ends: no card, no radios, no hand-off entry.
    if (o.passesHours) return runPassTable(o, host->localTime());
    if (o.headless || !desktopPresent()) return runStationProgram(o, nullptr, *host);
    WindowFrontend frontend(kApplicationTitle, *host, !o.clock);
    return runStationProgram(o, &frontend, *host);
}

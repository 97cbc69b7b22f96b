// orvant-tracker: stands in for NOVA, WinTrak Pro, WinOrbit or WISP, serving that program's
// conversation to orvant with live or replayed texts.

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "platform/rendezvous.h"
#include "tracker/conversation_server.h"
#include "tracker/element_catalog.h"
#include "tracker/text_sources.h"
#include "tracker/tracker.h"
#include "tracker/tracker_options.h"

namespace {

using namespace orvant;
using namespace orvant::tracker;

int stopWriteFd = -1;

void requestStop(int) {
    const char byte = 0;
    [[maybe_unused]] const auto written = write(stopWriteFd, &byte, 1);
}

// A pipe that becomes readable on SIGTERM or SIGINT, so serving ends and the socket file goes.
int stopOnSignals() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
    stopWriteFd = fds[1];
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    return fds[0];
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::invalid_argument("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TextSource replaySource(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(readFile(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (lines.empty()) throw std::invalid_argument(path + " holds no text");
    return replayTexts(std::move(lines));
}

TextSource liveSource(const TrackerOptions& o) {
    const auto satellite = findSatellite(readFile(o.elementsFile), o.satellite);
    if (!satellite)
        throw std::invalid_argument("no usable element set for " + o.satellite + " in " +
                                    o.elementsFile);
    return liveTexts(o.program.word, satellite->name, LiveSky(satellite->elements, o.observer),
                     o.flipAdvised, o.radio);
}

int run(const TrackerOptions& o) {
    TextSource source;
    try {
        source = o.replayFile.empty() ? liveSource(o) : replaySource(o.replayFile);
    } catch (const std::invalid_argument& e) {
        std::cerr << "orvant-tracker: " << e.what() << "\n";
        return 2;
    }
    const std::string folder = o.folder.empty() ? rendezvous::defaultFolder() : o.folder;
    const std::string problem = rendezvous::prepareFolder(folder);
    if (!problem.empty()) {
        std::cerr << "orvant-tracker: " << problem << "\n";
        return 2;
    }
    try {
        const int stopFd = stopOnSignals();
        ConversationServer server(folder, o.program.service, o.program.topic);
        Tracker tracker(o.program, source, o.faults, o.tuneEchoes,
                        o.verbose ? &std::cerr : nullptr);
        if (o.verbose) std::cerr << "orvant-tracker: serving " << server.path() << std::endl;
        server.serve([&](const wire::Message& m) { return tracker.respond(m); }, stopFd);
    } catch (const std::runtime_error& e) {
        std::cerr << "orvant-tracker: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const TrackerOptionsResult parsed =
        parseTrackerOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.options.help) {
        std::cout << trackerUsage();
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "orvant-tracker: " << parsed.error << "\n"
                  << "try --help\n";
        return 2;
    }
    return run(parsed.options);
}

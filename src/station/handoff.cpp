#include "station/handoff.h"

#include <charconv>
#include <limits>
#include <string>

#include "station/program_end.h"
#include "station/station.h"

namespace orvant {

namespace {
constexpr const char* kApp = "ORVANT";
constexpr const char* kSection = "Startup";
constexpr const char* kKey = "Left";
constexpr const char* kValue = "ORVANT";
constexpr const char* kInstanceKey = "Instance";

std::string readNewestInstance(Station& station) {
    return station.platform.settings.get(kApp, kSection, kInstanceKey, "");
}

// The number of an instance as the store holds it; 0 when there is none, or none that a next
// number can follow.
long long instanceNumberOf(const std::string& text) {
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    const bool whole = error == std::errc{} && end == text.data() + text.size();
    return whole && number >= 0 && number < std::numeric_limits<long long>::max() ? number : 0;
}
}  // namespace

void make_regist(Station& station) {
    station.platform.settings.save(kApp, kSection, kKey, kValue);
}

void get_regist(Station& station) {
    station.app.handoffValue = station.platform.settings.get(kApp, kSection, kKey, "");
    station.app.newestInstance = readNewestInstance(station);
}

void kill_regist(Station& station) {
    station.platform.settings.deleteApplication(kApp);
}

void takeOverHandoff(Station& station) {
    const long long previous = instanceNumberOf(readNewestInstance(station));
    make_regist(station);
    kill_regist(station);
    station.app.instanceNumber = std::to_string(previous + 1);
    station.platform.settings.save(kApp, kSection, kInstanceKey, station.app.instanceNumber);
    station.app.newestInstance = station.app.instanceNumber;
}

bool newerInstanceStarted(const Station& station) {
    const AppState& app = station.app;
    return !app.instanceNumber.empty() && app.newestInstance != app.instanceNumber;
}

bool handoffHeld(const Station& station) {
    return station.app.handoffValue == kValue && !newerInstanceStarted(station);
}

void checkHandoff(Station& station) {
    get_regist(station);
    if (newerInstanceStarted(station) || (station.app.loopRunning && !handoffHeld(station)))
        endProgram(EndReason::Handoff);
}

void releaseHandoff(Station& station) {
    get_regist(station);
    if (newerInstanceStarted(station)) return;
    make_regist(station);
    kill_regist(station);
}

}  // namespace orvant

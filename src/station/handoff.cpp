#include "station/handoff.h"

#include <string>

#include "config/text_rules.h"
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
    const auto previous = static_cast<long long>(leadingNumber(readNewestInstance(station)));
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

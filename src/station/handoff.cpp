#include "station/handoff.h"

#include "station/program_end.h"
#include "station/station.h"

namespace orvant {

namespace {
constexpr const char* kApp = "ORVANT";
constexpr const char* kSection = "Startup";
constexpr const char* kKey = "Left";
constexpr const char* kValue = "ORVANT";
}  // namespace

void make_regist(Station& station) {
    station.platform.settings.save(kApp, kSection, kKey, kValue);
}

void get_regist(Station& station) {
    station.app.handoffValue = station.platform.settings.get(kApp, kSection, kKey, "");
}

void kill_regist(Station& station) {
    station.platform.settings.deleteApplication(kApp);
}

bool handoffHeld(const Station& station) {
    return station.app.handoffValue == kValue;
}

void checkHandoff(Station& station) {
    get_regist(station);
    if (station.app.loopRunning && !handoffHeld(station)) endProgram(EndReason::Handoff);
}

}  // namespace orvant

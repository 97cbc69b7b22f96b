#include "station/handoff.h"

#include <charconv>
#include <limits>
#include <string>
#include <utility>

#include "station/program_end.h"
#include "station/station.h"

namespace orvant {

namespace {
constexpr const char* kApp = "ORVANT";
constexpr const char* kSection = "Startup";
constexpr const char* kKey = "Left";
constexpr const char* kValue = "ORVANT";
constexpr const char* kInstanceKey = "Instance";

// The number of an instance as the store holds it; 0 when there is none, or none that a next
// number can follow.
long long instanceNumberOf(const std::string& text) {
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    const bool whole = error == std::errc{} && end == text.data() + text.size();
    return whole && number >= 0 && number < std::numeric_limits<long long>::max() ? number : 0;
}

std::string newestOf(const SettingsStore::Entries& entries) {
    const auto it = entries.find({kSection, kInstanceKey});
    return it == entries.end() ? std::string() : it->second;
}

// Tells the operator of a change the store could not keep, once until one succeeds again.
void noteStoreOutcome(Station& station, const std::string& failure) {
    AppState& app = station.app;
    if (failure.empty()) {
        app.settingsFailing = false;
        return;
    }
    station.platform.trace.event("settings", {{"error", failure}});
    if (std::exchange(app.settingsFailing, true)) return;
    station.platform.alerts.note(failure +
                                 "; the station goes on, and a newer instance that can write the "
                                 "file still takes over from this one");
}

[[noreturn]] void refuseToRun(Station& station, const std::string& failure) {
    station.platform.trace.event("settings", {{"error", failure}});
    station.platform.alerts.messageBox(
        "The station does not start: " + failure +
        ".\r\nThe settings file holds the hand-off between instances. Without this instance's "
        "entry in it, another instance could drive the controller card at the same time as "
        "this one, and neither would know.\r\nMake the file and its folder writable, or name "
        "another file with --settings=FILE.");
    endProgram(EndReason::Refused);
}
}  // namespace

void make_regist(Station& station) {
    const std::string failure = station.platform.settings.save(kApp, kSection, kKey, kValue);
    station.app.handoffUnwritten = !failure.empty();
    noteStoreOutcome(station, failure);
}

void get_regist(Station& station) {
    SettingsStore& settings = station.platform.settings;
    station.app.handoffValue = settings.get(kApp, kSection, kKey, "");
    station.app.newestInstance = settings.get(kApp, kSection, kInstanceKey, "");
}

void takeOverHandoff(Station& station) {
    AppState& app = station.app;
    const std::string failure =
        station.platform.settings.change(kApp, [&app](SettingsStore::Entries& entries) {
            const long long previous = instanceNumberOf(newestOf(entries));
            // The entry goes with the whole application part, so that an instance already
            // running ends; then this instance's number is the newest.
            entries.clear();
            app.instanceNumber = std::to_string(previous + 1);
            entries[{kSection, kInstanceKey}] = app.instanceNumber;
        });
    if (!failure.empty()) refuseToRun(station, failure);
    app.newestInstance = app.instanceNumber;
}

bool newerInstanceStarted(const Station& station) {
    const AppState& app = station.app;
    return !app.instanceNumber.empty() && app.newestInstance != app.instanceNumber;
}

bool handoffHeld(const Station& station) {
    const AppState& app = station.app;
    return (app.handoffValue == kValue || app.handoffUnwritten) && !newerInstanceStarted(station);
}

void checkHandoff(Station& station) {
    get_regist(station);
    if (newerInstanceStarted(station) || (station.app.loopRunning && !handoffHeld(station)))
        endProgram(EndReason::Handoff);
}

void releaseHandoff(Station& station) {
    const std::string& own = station.app.instanceNumber;
    noteStoreOutcome(
        station, station.platform.settings.change(kApp, [&own](SettingsStore::Entries& entries) {
            if (newestOf(entries) == own) entries.clear();
        }));
}

}  // namespace orvant

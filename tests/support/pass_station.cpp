#include "support/pass_station.h"

#include "app/startup.h"
#include "station/station.h"
#include "support/station_files.h"

namespace orvant::testing {

namespace {

// A control of the test's own: its click stops the program at the first pump of the polling
// loop. It counts as starting an exchange, so it is never delivered inside one.
constexpr const char* kLoopMark = "test_loop_reached";

struct LoopReached {};

}  // namespace

PassStation::PassStation(LocalDateTime start, const std::string& example)
    : StationHarness(start), card(host, kPortBase) {
    loadFiles(example);
}

PassStation::PassStation(Host& otherHost, SettingsStore& otherSettings)
    : StationHarness(otherHost, otherSettings), card(host, kPortBase) {
    loadFiles("station");
}

void PassStation::loadFiles(const std::string& example) {
    portToOpen = &card;
    loadSampleStation(files, kFolder, example);
    // The window lists the satellite files of the folder it was started in.
    display["File1"].items = files.listFiles(".sat");
}

void PassStation::setConfig(int number, const std::string& value) {
    setValue(files, std::string(kFolder) + "/ORV.CFG", number, value);
}

void PassStation::setSatelliteValue(const std::string& file, int number, const std::string& value) {
    setValue(files, std::string(kFolder) + "/" + file, number, value);
}

void PassStation::inputAt(std::int64_t ms, InputKind kind, const std::string& control,
                          const std::string& text) {
    pump.post({ms, kind, control, text});
}

void PassStation::observeEvery(std::int64_t periodMs, std::function<void()> observe) {
    pump.setTicker(periodMs, std::move(observe));
}

std::optional<EndReason> PassStation::run(const std::string& commandLine) {
    try {
        runStation(station, commandLine);
    } catch (const ProgramEnd& end) {
        return end.reason;
    }
    return std::nullopt;
}

bool PassStation::startUpToTheLoop(const std::string& commandLine) {
    return testing::startUpToTheLoop(station, commandLine);
}

bool startUpToTheLoop(Station& station, const std::string& commandLine) {
    Display& display = station.display;
    MessagePump& pump = station.pump;
    display.declare(kLoopMark);
    display.on(
        kLoopMark, ControlEvent::Click,
        [&station, &pump] {
            if (!station.app.loopRunning) {
                // Start-up is still pumping: ask again a moment later.
                pump.post({pump.now() + 1, InputKind::Click, kLoopMark, {}});
                return;
            }
            throw LoopReached{};
        },
        true);
    pump.post({pump.now(), InputKind::Click, kLoopMark, {}});
    try {
        runStation(station, commandLine);
    } catch (const LoopReached&) {
        return true;
    } catch (const ProgramEnd&) {
    }
    return false;
}

}  // namespace orvant::testing

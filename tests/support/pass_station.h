#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "controller/sim/sim_card.h"
#include "station/program_end.h"
#include "support/station_harness.h"

namespace orvant::testing {

// The whole program on the virtual platform: a sample station's files in memory (started in
// their folder), the simulated controller card on the printer port, the main window, and the
// program time that start-up, the polling loop and the card's motors share.
struct PassStation : StationHarness {
    static constexpr std::uint16_t kPortBase = 0x378;
    static constexpr const char* kFolder = "/station";

    // The station of examples/`example` ("station", or "receiver").
    explicit PassStation(LocalDateTime start, const std::string& example = "station");
    // The sample station on another host and settings store (the local time is the host's).
    PassStation(Host& otherHost, SettingsStore& otherSettings);

    // Rewrites value `number` of ORV.CFG, or of a satellite file ("AO-7.SAT").
    void setConfig(int number, const std::string& value);
    void setSatelliteValue(const std::string& file, int number, const std::string& value);

    // Operator input `ms` of program time after the start.
    void inputAt(std::int64_t ms, InputKind kind, const std::string& control,
                 const std::string& text = {});
    void exitAt(std::int64_t ms) { inputAt(ms, InputKind::Click, "cmd_Bye"); }
    // Calls `observe` every `periodMs` of program time while the program runs.
    void observeEvery(std::int64_t periodMs, std::function<void()> observe);

    // Runs the program with `commandLine` until it ends and tells why it ended; nullopt when
    // start-up returned without ending the program.
    std::optional<EndReason> run(const std::string& commandLine);

    // Runs start-up with `commandLine` and stops it just before the polling loop's first pass,
    // so that a test can make the passes itself (`loopPass`). False when the loop was never
    // reached.
    bool startUpToTheLoop(const std::string& commandLine);

    sim::SimControllerCard card;

  private:
    void loadFiles(const std::string& example);
};

// Runs start-up of `station` (whose window is built) with `commandLine` and stops it just before
// the polling loop's first pass. False when the loop was never reached.
bool startUpToTheLoop(Station& station, const std::string& commandLine);

}  // namespace orvant::testing

// The polling loop against the simulated card, on the sample station near London with AO-7
// (January 2018): how many passes the loop makes per host second on the virtual clock, waiting
// for the satellite and tracking it; and how much processor time the program takes per minute
// of tracking on the real clock.
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/startup.h"
#include "controller/sim/sim_card.h"
#include "platform/alerts.h"
#include "platform/file_system.h"
#include "platform/program_launcher.h"
#include "platform/settings_store.h"
#include "station/program_end.h"
#include "station/station.h"
#include "tracking/main_loop.h"

namespace {

using namespace orvant;

constexpr std::uint16_t kBase = 0x378;
constexpr LocalDateTime kWaiting{2018, 1, 21, 4, 0, 0, 0};    // AO-7 rises at 04:26
constexpr LocalDateTime kTracking{2018, 1, 21, 4, 30, 0, 0};  // and sets at 04:49
// Program time by which start-up (with the radios' set-up) has reached the polling loop.
constexpr std::int64_t kStartUpMs = 20000;

std::string valueFile(const std::vector<std::string>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += "Value " + std::to_string(i + 1) + " =" + values[i] + "\r\n";
    return text;
}

// The values of the sample station's ORV.CFG and AO-7.SAT (examples/station).
const std::vector<std::string> kConfigValues = {
    "51.5", "-0.1", "20", "0", "0", "KEPS.TLE", ".", "378", "NO",  "NO", "NO", "2",
    "2",    "0",    "0",  "2", "2", "0",        "0", "0",   "123", "2",  "50", "20",
    "0",    "0",    "0",  "0", "0", "0",        "0", "0",   "NO",  "2",  "0"};
const std::vector<std::string> kAo7Values = {
    "07530", "432.150", "145.950", "LSB",   "USB",  "578.100", "0",        "10", "NO",
    "50",    "0",       "0",       "0",     "1",    "0",       "145.9775", "2",  "2",
    "1",     "1",       "57600",   "57600", "4800", "4800",    "0",        "0"};
const char* const kAo7Elements =
    "OSCAR 7 (AO-7)\r\n"
    "1 07530U 74089B   18020.92882759 -.00000031  00000-0  83259-4 0  9990\r\n"
    "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916\r\n";

// The settings file of the hand-off, as the program keeps it: looked at every 2 ms at most.
class SettingsFile {
  public:
    SettingsFile()
        : path_(std::filesystem::temp_directory_path() /
                ("orvant-loop-bench-" + std::to_string(::getpid()))),
          store_(path_.string(), std::chrono::milliseconds(2)) {}
    ~SettingsFile() { std::filesystem::remove(path_); }
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;
    SettingsStore& store() { return store_; }

  private:
    std::filesystem::path path_;
    FileSettingsStore store_;
};

// The whole program with the simulated card, on the given host.
struct BenchStation {
    explicit BenchStation(Host& host)
        : card(host, kBase),
          platform{host,
                   settings.store(),
                   alerts,
                   launcher,
                   files,
                   trace,
                   conversations,
                   [this](std::uint16_t) -> PortIO* { return &card; }},
          pump(host),
          station(platform, pump, display) {
        files.addFile("/station/ORV.CFG", valueFile(kConfigValues));
        files.addFile("/station/AO-7.SAT", valueFile(kAo7Values));
        files.addFile("/station/KEPS.TLE", kAo7Elements);
        files.changeDirectory("/station");
        buildMainWindow(station);
    }

    // Runs the program for AO-7 until it ends (Exit at `exitMs` of program time).
    void runUntilExit(std::int64_t exitMs) {
        pump.post({exitMs, InputKind::Click, "cmd_Bye", {}});
        try {
            runStation(station, "AO-7");
        } catch (const ProgramEnd&) {
        }
    }

    // Runs start-up for AO-7 and leaves the program in its polling loop, stopped by a click
    // `ms` of program time after the start (the click waits for any exchange to end).
    bool enterLoop(std::int64_t ms) {
        struct Stopped {};
        display.declare("bench_stop");
        display.on(
            "bench_stop", ControlEvent::Click, [] { throw Stopped{}; }, true);
        pump.post({ms, InputKind::Click, "bench_stop", {}});
        try {
            runStation(station, "AO-7");
        } catch (const Stopped&) {
        }
        return station.app.loopRunning;
    }

    sim::SimControllerCard card;
    SettingsFile settings;
    RecordingAlerts alerts;
    RecordingLauncher launcher;
    MemoryFileSystem files;
    Trace trace;
    ScriptedConversations conversations;
    Platform platform;
    MessagePump pump;
    Display display;
    Station station;
};

// Passes per host second on the virtual clock, and the program time they cover.
void loopPasses(benchmark::State& state, const LocalDateTime& start) {
    VirtualHost host(start);
    BenchStation bench(host);
    if (!bench.enterLoop(kStartUpMs)) {
        state.SkipWithError("the polling loop was not reached");
        return;
    }
    const std::int64_t programStart = host.elapsedMs();
    for (auto _ : state) benchmark::DoNotOptimize(loopPass(bench.station));
    state.SetItemsProcessed(state.iterations());
    state.counters["program_s_per_s"] = benchmark::Counter(
        static_cast<double>(host.elapsedMs() - programStart) / 1000, benchmark::Counter::kIsRate);
    state.counters["frames"] = bench.card.framesTaken();
}

void BM_LoopPassesWaiting(benchmark::State& state) {
    loopPasses(state, kWaiting);
}
// 20000 passes cover about 15 minutes of program time (a pass waits 40 ms, each idle poll pauses
// 100 ms more): all before AOS.
BENCHMARK(BM_LoopPassesWaiting)->Iterations(20000)->Unit(benchmark::kMicrosecond);

void BM_LoopPassesTracking(benchmark::State& state) {
    loopPasses(state, kTracking);
}
// 20000 passes cover about 14 minutes of program time: all within the pass.
BENCHMARK(BM_LoopPassesTracking)->Iterations(20000)->Unit(benchmark::kMicrosecond);

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Processor time of the program tracking AO-7 on the real clock for a few seconds: per minute of
// tracking, and as a share of one core.
void BM_TrackingCpuOnRealClock(benchmark::State& state) {
    const auto runMs = state.range(0);
    for (auto _ : state) {
        RealHost host(kTracking);
        BenchStation bench(host);
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = processCpuSeconds();
        bench.runUntilExit(runMs);
        const double cpu = processCpuSeconds() - cpuStart;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        state.counters["cpu_s_per_min"] = cpu / wall * 60;
        state.counters["cpu_percent"] = cpu / wall * 100;
        state.counters["frames"] = bench.card.framesTaken();
    }
}
BENCHMARK(BM_TrackingCpuOnRealClock)
    ->Arg(6000)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

}  // namespace

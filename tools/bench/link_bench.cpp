// Host processor time of controller exchanges against the simulated card on the virtual clock:
// the nibble transfers and their bookkeeping, without any real waiting.
#include <benchmark/benchmark.h>

#include "app/station.h"
#include "controller/controller_controls.h"
#include "controller/link.h"
#include "controller/sim/sim_card.h"
#include "platform/alerts.h"
#include "platform/file_system.h"
#include "platform/program_launcher.h"
#include "platform/settings_store.h"

namespace {

using namespace orvant;

constexpr std::uint16_t kBase = 0x378;

struct BenchStation {
    BenchStation()
        : host({2018, 1, 20, 12, 0, 0, 0}),
          platform{host,
                   settings,
                   alerts,
                   launcher,
                   files,
                   trace,
                   [](std::uint16_t) -> PortIO* { return nullptr; }},
          pump(host),
          station(platform, pump, display),
          card(host, kBase) {
        station.cfg.portData = kBase;
        station.cfg.portStatus = kBase + 1;
        station.cfg.portControl = kBase + 2;
        station.port = &card;
        declareControllerControls(display);
        auto& slots = station.link.controllerFrame;
        for (int i = 1; i <= 44; ++i) slots[i] = 240;
        slots[1] = 3;
        slots[61] = 10;
        slots[65] = 5;
    }
    VirtualHost host;
    MemorySettingsStore settings;
    RecordingAlerts alerts;
    RecordingLauncher launcher;
    MemoryFileSystem files;
    Trace trace;
    Platform platform;
    MessagePump pump;
    Display display;
    Station station;
    sim::SimControllerCard card;
};

void BM_LaptopExchange(benchmark::State& state) {
    BenchStation bench;
    for (auto _ : state) laptop(bench.station);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LaptopExchange);

void BM_LapinRead(benchmark::State& state) {
    BenchStation bench;
    for (auto _ : state) lapin(bench.station);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LapinRead);

}  // namespace

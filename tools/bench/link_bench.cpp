// Host processor time of controller exchanges against the simulated card on the virtual clock:
// the nibble transfers and their bookkeeping, without any real waiting.
#include <benchmark/benchmark.h>

#include "controller/link.h"
#include "controller/sim/sim_card.h"
#include "support/station_harness.h"

namespace {

using namespace orvant;

constexpr std::uint16_t kBase = 0x378;

// A station on the virtual platform wired to the simulated card, its frame filled as start-up
// leaves it.
struct BenchStation {
    BenchStation() : card(harness.host, kBase) {
        station.cfg.portData = kBase;
        station.cfg.portStatus = kBase + 1;
        station.cfg.portControl = kBase + 2;
        station.port = &card;
        auto& slots = station.link.controllerFrame;
        for (int i = 1; i <= 44; ++i) slots[i] = 240;
        slots[1] = 3;
        slots[61] = 10;
        slots[65] = 5;
    }
    testing::StationHarness harness;
    Station& station = harness.station;
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

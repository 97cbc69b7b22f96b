#include <benchmark/benchmark.h>

#include <numbers>

#include "support/iss_elements.h"
#include "support/station_harness.h"
#include "tracking/orbit_model.h"

namespace orvant {
namespace {

// A station in London tracking the ISS on its element set of 2018 January 20.
struct IssStation {
    IssStation() {
        station.cfg.latitudeRad = 51.5 * std::numbers::pi / 180;
        station.cfg.longitudeRad = -0.1 * std::numbers::pi / 180;
        station.sat.elements = testing::issElements2018();
        orbitSetup(station);
    }

    testing::StationHarness harness{{2018, 1, 21, 0, 0, 0, 0}};
    Station& station = harness.station;
};

// One propagation as the polling loop runs it on every pass, a second further on each time.
void BM_OrbitStep(benchmark::State& state) {
    IssStation iss;
    LocalDateTime now{2018, 1, 21, 0, 0, 0, 0};
    for (auto _ : state) {
        now.second = (now.second + 1) % 60;
        orbitStep(iss.station, now);
        benchmark::DoNotOptimize(iss.station.track);
    }
}
BENCHMARK(BM_OrbitStep);

}  // namespace
}  // namespace orvant

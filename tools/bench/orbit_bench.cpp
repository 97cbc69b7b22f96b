#include <benchmark/benchmark.h>

#include <numbers>

#include "config/two_line_set.h"
#include "support/iss_elements.h"
#include "support/station_harness.h"
#include "tracking/orbit_model.h"

namespace orvant {
namespace {

// A station in London tracking a satellite by one of the orbit models.
struct TrackingStation {
    TrackingStation(OrbitModelKind model, const ElementSet& elements, const LocalDateTime& start)
        : harness(start) {
        station.cfg.latitudeRad = 51.5 * std::numbers::pi / 180;
        station.cfg.longitudeRad = -0.1 * std::numbers::pi / 180;
        station.cfg.orbitModel = model;
        station.sat.elements = elements;
        orbitSetup(station);
    }

    testing::StationHarness harness;
    Station& station = harness.station;
};

// One propagation as the polling loop runs it on every pass, a second further on each time.
void propagateEverySecond(benchmark::State& state, TrackingStation& s, LocalDateTime now) {
    for (auto _ : state) {
        now.second = (now.second + 1) % 60;
        orbitStep(s.station, now);
        benchmark::DoNotOptimize(s.station.track);
    }
}

// The ISS on its element set of 2018 January 20, by the station's own model and by SGP4.
void BM_OrbitStep(benchmark::State& state) {
    const LocalDateTime start{2018, 1, 21, 0, 0, 0, 0};
    TrackingStation iss(OrbitModelKind::Own, testing::issElements2018(), start);
    propagateEverySecond(state, iss, start);
}
BENCHMARK(BM_OrbitStep);

void BM_OrbitStepSgp4(benchmark::State& state) {
    const LocalDateTime start{2018, 1, 21, 0, 0, 0, 0};
    TrackingStation iss(OrbitModelKind::Sgp4, testing::issElements2018(), start);
    propagateEverySecond(state, iss, start);
}
BENCHMARK(BM_OrbitStepSgp4);

// A twelve-hour resonant orbit (MOLNIYA 2-14) a month after its epoch: SGP4 integrates its
// resonance from the epoch, in half-day steps, on every propagation.
void BM_OrbitStepSgp4ResonantAMonthOn(benchmark::State& state) {
    const LocalDateTime start{2006, 7, 25, 8, 0, 0, 0};
    TrackingStation molniya(
        OrbitModelKind::Sgp4,
        twoLineElements("1 08195U 75081A   06176.33215444  .00000099  00000-0  11873-3 0   813",
                        "2 08195  64.1586 279.0717 6877146 264.7651  20.2257  2.00491383225656"),
        start);
    propagateEverySecond(state, molniya, start);
}
BENCHMARK(BM_OrbitStepSgp4ResonantAMonthOn);

}  // namespace
}  // namespace orvant

// Exchanges with the card of the PC's own against real peers: a radio on the far end of a
// pseudo-terminal and Hamlib's dummy rotator behind rotctld. The exchange's cost is the time the
// serial line and the daemon take (wall), and the program's own processor time around them.
#include <benchmark/benchmark.h>

#include "controller/cat_message.h"
#include "controller/link.h"
#include "controller/pc/pc_card.h"
#include "radio/cat_framing.h"
#include "support/pty_radio.h"
#include "support/rotctld_daemon.h"
#include "support/station_harness.h"

namespace {

using namespace orvant;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kBase = 0x378;

// The sample station's card of the PC's own: the FT-847 on CAT channel 1 at 57600 baud, a
// rotator of type 2 behind rotctld, the frame as start-up leaves it.
struct PcCardBench {
    PcCardBench() {
        std::string problem;
        pc::PcCardWiring wiring;
        wiring.channels[0] = std::make_unique<pc::CatChannel>(
            radio.device(), SerialLine::open(radio.device(), problem));
        wiring.rotator = rotctld.address();
        Station& s = harness.station;
        s.cfg.rotatorType = 2;
        s.cfg.azScale = 450.0 / 1023;
        s.cfg.portData = kBase;
        s.cfg.portStatus = kBase + 1;
        s.cfg.portControl = kBase + 2;
        s.sat.uplinkRadioType = 2;
        s.sat.uplinkCh1 = {1, 27};
        s.link.radio1SendCode = 57;
        auto& slots = s.link.controllerFrame;
        for (int i = 1; i <= 44; ++i) slots[i] = 240;
        slots[1] = 3;
        slots[61] = 10;
        slots[65] = 5;
        card = std::make_unique<pc::PcCard>(kBase, std::move(wiring), s.cfg, framings,
                                            [](const std::string&) {});
        s.port = card.get();
    }
    testing::RotctldDaemon rotctld;
    testing::PtyRadio radio{5, [](const Bytes&) { return Bytes{}; }};
    testing::StationHarness harness;
    SatelliteCatFramings framings{harness.station.sat};
    std::unique_ptr<pc::PcCard> card;
};

// A frequency to the radio: the message on the serial line, then the reply with "p".
void BM_PcCardCatExchange(benchmark::State& state) {
    PcCardBench bench;
    for (auto _ : state) sendCatBytes(bench.harness.station, 1, {0x43, 0x51, 0x23, 0x45, 0x21});
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PcCardCatExchange)->UseRealTime();

// A new target for the rotator: "P" to rotctld, then the reply with "p".
void BM_PcCardPointExchange(benchmark::State& state) {
    PcCardBench bench;
    auto& slots = bench.harness.station.link.controllerFrame;
    slots[62] = 1;
    int target = 0;
    for (auto _ : state) {
        slots[46] = static_cast<std::int16_t>(++target % 2 == 0 ? 40 : 41);
        laptop(bench.harness.station);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PcCardPointExchange)->UseRealTime();

}  // namespace

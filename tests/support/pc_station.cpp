#include "support/pc_station.h"

#include <stdexcept>

namespace orvant::testing {

PcPassStation::PcPassStation(LocalDateTime start, const PtyRadio& radio,
                             const RotctldDaemon& rotctld)
    : PassStation(start) {
    std::string problem;
    std::unique_ptr<SerialLine> line = SerialLine::open(radio.device(), problem);
    if (!line) throw std::runtime_error(radio.device() + ": " + problem);
    pc::PcCardWiring wiring;
    wiring.channels[0] = std::make_unique<pc::CatChannel>(radio.device(), std::move(line));
    wiring.rotator = rotctld.address();
    pcCard =
        std::make_unique<pc::PcCard>(kPortBase, std::move(wiring), station.cfg, framings,
                                     [this](const std::string& what) { faults.push_back(what); });
    card.setHandshakeReads(0);  // it never sees a status read
    tee = std::make_unique<TeePort>(*pcCard, card);
    portToOpen = tee.get();
}

}  // namespace orvant::testing

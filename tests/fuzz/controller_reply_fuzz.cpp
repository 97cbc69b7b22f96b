// The controller card's side of the printer-port link: whatever the status lines show, an
// exchange ends, the reply holds nibbles, the positions decoded are counts of 0..1023 and the
// white check mark shows only for a reply whose check nibble was good.
#include <cstdint>
#include <string>

#include "controller/frame_layout.h"
#include "controller/link.h"
#include "controller/port_protocol.h"
#include "fuzz_check.h"
#include "support/station_harness.h"

namespace orvant::fuzz {
namespace {

constexpr std::uint16_t kBase = 0x378;

// A card whose status register shows the fuzzer's bytes in turn. When they run out the card
// either falls silent (nothing ready again, so every wait runs to its limit) or goes on answering
// nibbles of 0 at once, as the first byte says; its data register shows the auxiliary line as the
// first byte has it.
class ScriptedCard : public PortIO {
  public:
    void play(Input& in) {
        in_ = &in;
        const std::uint8_t mode = in.byte();
        aux_ = mode & port::kAuxLine;
        afterwards_ = mode & 0x40 ? 0 : port::kReady;
    }
    std::uint8_t read(std::uint16_t address) override {
        if (address != kBase + 1) return aux_;
        return in_->empty() ? afterwards_ : in_->byte();
    }
    void write(std::uint16_t, std::uint8_t) override {}

  private:
    Input* in_ = nullptr;
    std::uint8_t aux_ = 0;
    std::uint8_t afterwards_ = 0;
};

// One station serves every input (building one per input would take most of the run); each
// exchange starts from a fresh link with the frame start-up leaves.
struct CardStation : testing::StationHarness {
    CardStation() {
        station.cfg.portData = kBase;
        station.cfg.portStatus = kBase + 1;
        station.cfg.portControl = kBase + 2;
        station.port = &card;
    }
    Station& fresh(Input& in) {
        card.play(in);
        traceText.str("");
        station.link = LinkState{};
        auto& slots = station.link.controllerFrame;
        slots.fill(0);
        for (int i = 2; i <= 44; ++i) slots[i] = 240;
        slots[1] = 3;
        slots[61] = 10;
        slots[65] = 5;
        return station;
    }
    ScriptedCard card;
};

void requireReplyDecoded(const Station& s) {
    const LinkState& link = s.link;
    for (int i = 1; i <= reply::kNibbles; ++i)
        require(link.replyNibbles[i] >= 0 && link.replyNibbles[i] <= 15);
    require(link.azCounts >= 0 && link.azCounts <= reply::kMaxCount);
    require(link.elCounts >= 0 && link.elCounts <= reply::kMaxCount);
    // A failed check re-sends, and the mark stays red whatever the re-send's read brought.
    const bool white = s.display["wht_check"].visible;
    require(white != s.display["red_check"].visible);
    require(!white || link.replyNibbles[reply::kCheckNibble] == reply::kCheckGood);
}

}  // namespace
}  // namespace orvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvant;
    fuzz::Input in(data, size);
    static fuzz::CardStation h;
    Station& station = h.fresh(in);
    if (in.byte() & 1)
        laptop(station);
    else
        lapin(station);
    fuzz::requireReplyDecoded(station);
    return 0;
}

// The controller card's side of the printer-port link: whatever the status lines show, an
// exchange ends, the reply holds nibbles, the positions decoded are counts of 0..1023 and the
// white check mark shows only for a reply whose check nibble was good.
#include <cstdint>
#include <string>

#include "controller/frame_layout.h"
#include "controller/link.h"
#include "fuzz_check.h"
#include "support/station_harness.h"

namespace orvant::fuzz {
namespace {

constexpr std::uint16_t kBase = 0x378;

// A card whose status register shows the fuzzer's bytes in turn, then nothing ready; its data
// register shows the auxiliary line as the first byte has it.
class ScriptedCard : public PortIO {
  public:
    ScriptedCard(Input& in) : in_(in), aux_(in.byte() & 0x20) {}
    std::uint8_t read(std::uint16_t address) override {
        return address == kBase + 1 ? in_.byte() : aux_;
    }
    void write(std::uint16_t, std::uint8_t) override {}

  private:
    Input& in_;
    std::uint8_t aux_;
};

struct CardStation : testing::StationHarness {
    explicit CardStation(PortIO& card) {
        station.cfg.portData = kBase;
        station.cfg.portStatus = kBase + 1;
        station.cfg.portControl = kBase + 2;
        station.port = &card;
    }
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
    fuzz::ScriptedCard card(in);
    fuzz::CardStation h(card);
    if (in.byte() & 1)
        laptop(h.station);
    else
        lapin(h.station);
    fuzz::requireReplyDecoded(h.station);
    return 0;
}

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "controller/card_port.h"
#include "controller/frame_layout.h"
#include "controller/sim/rotator_axis.h"
#include "controller/sim/sim_radio.h"
#include "platform/host.h"

namespace orvant::sim {

// One CAT message as the card relayed it.
struct CatRelay {
    int channel = 0;                  // serial channel 1 or 2
    std::vector<std::uint8_t> bytes;  // the message, without the end byte
    bool capture = false;             // the radio's answer was kept for the reply
    std::uint8_t timingFirst = 0;     // serial timing pair of the channel (frame slots 52, 53)
    std::uint8_t timingSecond = 0;
};

// The controller card, simulated behind the printer port it sits on (the port side is
// `CardPort`'s), with two rotator axes that turn in program time and two serial channels for
// radios.
//
// A CAT message runs from frame slot 2 up to the first end byte 240 (through slot 44 when there is
// none). It goes out on each channel whose send flag (57 channel 1, 59 channel 2) or capture flag
// (56, 58) is set; with a capture flag the radio's answer is kept and returned in every reply until
// the next capture. Held in reset the motors stop; a restarted card has forgotten the last frame.
class SimControllerCard : public CardPort {
  public:
    static constexpr double kDefaultFullTravelMs = 60000;
    // Whether the card keeps a record of every CAT message it relays (`relayed`). Tests read it;
    // the program never does, and a record kept through a night of radio traffic would only grow.
    enum class RelayRecord { Kept, None };

    SimControllerCard(Host& host, std::uint16_t baseAddress,
                      RelayRecord record = RelayRecord::Kept);

    // Set-up.
    void setPositions(int azimuthCounts, int elevationCounts);
    void setAzimuthTravelMs(double fullTravelMs) { azimuth_.setFullTravelMs(fullTravelMs); }
    void setElevationTravelMs(double fullTravelMs) { elevation_.setFullTravelMs(fullTravelMs); }
    // Attaches a radio to serial channel 1 or 2 (nullptr detaches).
    void attachRadio(int channel, SimRadio* radio);

    // Faults, for tests.
    void reportBusyFor(int statusReads) { injectedBusyReads_ = statusReads; }
    // In the next frame (or reply), the card stops answering after this many nibbles and stays
    // silent until it is reset.
    void fallSilentInFrameAfter(int nibbles) { silenceInFrameAfter_ = nibbles; }
    void fallSilentInReplyAfter(int nibbles) { silenceInReplyAfter_ = nibbles; }
    // The next `replies` replies carry a bad check nibble (7).
    void sendBadChecks(int replies) { badCheckReplies_ = replies; }

    // What the card holds now.
    int azimuthCounts();
    int elevationCounts();
    bool azimuthMoving();
    bool elevationMoving();
    std::uint8_t externalOutputs() const { return outputs_; }
    // Every CAT message relayed so far; always empty without a relay record.
    const std::vector<CatRelay>& relayed() const { return relayed_; }

  protected:
    void takeFrame(const SentBytes& frame) override;
    CardReply replyNow() override;
    void holdInReset() override;
    void restart() override;
    void nibbleMoved(Transfer transfer, int nibblesSoFar) override;
    bool busyNow() override;

  private:
    void relayCat(const SentBytes& frame);
    void advanceTime();

    Host& host_;
    int injectedBusyReads_ = 0;
    int silenceInFrameAfter_ = -1;
    int silenceInReplyAfter_ = -1;
    int badCheckReplies_ = 0;

    RotatorAxis azimuth_{kDefaultFullTravelMs};
    RotatorAxis elevation_{kDefaultFullTravelMs};
    std::int64_t lastMs_ = 0;
    std::uint8_t outputs_ = 0;
    std::array<SimRadio*, 3> radios_{};
    std::vector<std::uint8_t> answer_;
    RelayRecord record_;
    std::vector<CatRelay> relayed_;
};

}  // namespace orvant::sim

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "controller/frame_layout.h"
#include "controller/sim/rotator_axis.h"
#include "controller/sim/sim_radio.h"
#include "platform/host.h"
#include "platform/port_io.h"

namespace orvant::sim {

// One CAT message as the card relayed it.
struct CatRelay {
    int channel = 0;                  // serial channel 1 or 2
    std::vector<std::uint8_t> bytes;  // the message, without the end byte
    bool capture = false;             // the radio's answer was kept for the reply
    std::uint8_t timingFirst = 0;     // serial timing pair of the channel (frame slots 52, 53)
    std::uint8_t timingSecond = 0;
};

// The controller card, simulated behind the printer port it sits on: the card's firmware as the
// PC sees it through the data (base), status (base + 1) and control (base + 2) registers, with
// two rotator axes that turn in program time and two serial channels for radios.
//
// The card takes a frame of 132 nibbles after the send marker (one nibble per strobe, BUSY while
// it takes it) and acts on it when the end-of-frame line rises; it answers a read request with 150
// nibbles (the radio answer in reply bytes 1..47, the check nibble 96 = 8, the azimuth count in
// nibbles 131..133 and the elevation count in 135..137), offering the next nibble each time the PC
// releases the strobe. INIT pulled low holds the card in reset; INIT high again restarts it.
//
// A CAT message runs from frame slot 2 up to the first end byte 240 (through slot 44 when there is
// none). It goes out on each channel whose send flag (57 channel 1, 59 channel 2) or capture flag
// (56, 58) is set; with a capture flag the radio's answer is kept and returned in every reply until
// the next capture.
class SimControllerCard : public PortIO {
  public:
    static constexpr double kDefaultFullTravelMs = 60000;
    // Whether the card keeps a record of every CAT message it relays (`relayed`). Tests read it;
    // the program never does, and a record kept through a night of radio traffic would only grow.
    enum class RelayRecord { Kept, None };

    SimControllerCard(Host& host, std::uint16_t baseAddress,
                      RelayRecord record = RelayRecord::Kept);

    std::uint8_t read(std::uint16_t address) override;
    void write(std::uint16_t address, std::uint8_t value) override;

    // Set-up.
    void setPositions(int azimuthCounts, int elevationCounts);
    void setAzimuthTravelMs(double fullTravelMs) { azimuth_.setFullTravelMs(fullTravelMs); }
    void setElevationTravelMs(double fullTravelMs) { elevation_.setFullTravelMs(fullTravelMs); }
    // Status reads for which the card stays busy after each nibble it takes or offers.
    void setHandshakeReads(int reads) { handshakeReads_ = reads; }
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
    const SentBytes& lastFrame() const { return frame_; }
    int framesTaken() const { return framesTaken_; }
    int repliesGiven() const { return repliesGiven_; }
    int resets() const { return resets_; }
    bool silent() const { return silent_; }
    // Every CAT message relayed so far; always empty without a relay record.
    const std::vector<CatRelay>& relayed() const { return relayed_; }

  private:
    enum class Mode { Idle, TakingFrame, GivingReply };

    std::uint8_t statusLines();
    void dataWritten(std::uint8_t value);
    void controlWritten(std::uint8_t value);
    bool ready() const;
    void beginFrame();
    void beginReply();
    void strobeAsserted();
    void strobeReleased();
    void nibbleMoved(int& silenceAfter);
    void endOfFrame();
    void acceptFrame();
    void relayCat();
    void buildReply();
    void enterReset();
    void restart();
    void advanceTime();

    Host& host_;
    std::uint16_t base_;
    std::uint8_t data_ = 0;
    std::uint8_t control_ = 0x04;
    Mode mode_ = Mode::Idle;
    bool inReset_ = false;
    bool silent_ = false;
    int transferNibbles_ = 0;
    std::array<std::uint8_t, 2 * frame::kLastSent + 1> taken_{};
    std::array<std::uint8_t, reply::kNibbles + 2> reply_{};
    int handshakeReads_ = 1;
    int busyReads_ = 0;
    int injectedBusyReads_ = 0;
    int silenceInFrameAfter_ = -1;
    int silenceInReplyAfter_ = -1;
    int badCheckReplies_ = 0;

    RotatorAxis azimuth_{kDefaultFullTravelMs};
    RotatorAxis elevation_{kDefaultFullTravelMs};
    std::int64_t lastMs_ = 0;
    std::uint8_t outputs_ = 0;
    SentBytes frame_{};
    std::array<SimRadio*, 3> radios_{};
    std::vector<std::uint8_t> answer_;
    RelayRecord record_;
    std::vector<CatRelay> relayed_;
    int framesTaken_ = 0;
    int repliesGiven_ = 0;
    int resets_ = 0;
};

}  // namespace orvant::sim

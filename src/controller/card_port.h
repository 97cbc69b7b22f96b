#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "controller/frame_layout.h"
#include "platform/port_io.h"

namespace orvant {

// What a card answers to a read request.
struct CardReply {
    std::vector<std::uint8_t> answer;  // the radio answer, from reply byte 1 (at most 47 bytes)
    int azimuthCounts = 0;
    int elevationCounts = 0;
    bool checkGood = true;  // false puts a bad check nibble (7) in the reply
};

// The controller card's side of the printer-port link, as the PC sees it through the data
// (base), status (base + 1) and control (base + 2) registers. Every card that stands behind the
// port (the simulated one, the PC's own) speaks it the same way and differs only in the work it
// does with a frame and what it reads for a reply.
//
// The card takes a frame of 132 nibbles after the send marker (one nibble per strobe, BUSY while
// it takes it) and acts on it when the end-of-frame line rises; it answers a read request with 150
// nibbles (the radio answer in reply bytes 1..47, the check nibble 96 = 8, the azimuth count in
// nibbles 131..133 and the elevation count in 135..137), offering the next nibble each time the PC
// releases the strobe. INIT pulled low holds the card in reset; INIT high again restarts it. A
// card that has fallen silent answers nothing (BUSY stays up) until it is restarted.
class CardPort : public PortIO {
  public:
    explicit CardPort(std::uint16_t baseAddress) : base_(baseAddress) {}

    std::uint8_t read(std::uint16_t address) final;
    void write(std::uint16_t address, std::uint8_t value) final;

    // Status reads for which the card stays busy after each nibble it takes or offers.
    void setHandshakeReads(int reads) { handshakeReads_ = reads; }

    const SentBytes& lastFrame() const { return frame_; }
    int framesTaken() const { return framesTaken_; }
    int repliesGiven() const { return repliesGiven_; }
    int resets() const { return resets_; }
    bool silent() const { return silent_; }

  protected:
    enum class Transfer { Frame, Reply };

    // The card's work: a whole frame taken; the reply to a read request; INIT pulled low (held
    // in reset); INIT high again (restarted, no longer silent).
    virtual void takeFrame(const SentBytes& frame) = 0;
    virtual CardReply replyNow() = 0;
    virtual void holdInReset() = 0;
    virtual void restart() = 0;
    // Every nibble moved in either direction (and 0 at the start of a transfer).
    virtual void nibbleMoved(Transfer /*transfer*/, int /*nibblesSoFar*/) {}
    // Status reads for which the card shows busy on top of the handshake.
    virtual bool busyNow() { return false; }

    // The card stops answering until it is restarted.
    void fallSilent() { silent_ = true; }

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
    void endOfFrame();
    void fillReply(const CardReply& reply);

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
    SentBytes frame_{};
    int framesTaken_ = 0;
    int repliesGiven_ = 0;
    int resets_ = 0;
};

// What a frame asks of a card, read the way the card reads it.

// One CAT channel's part: the message goes out on it (send or capture flag); with the capture
// flag the radio's answer is kept for the reply.
struct CatRelayRequest {
    int channel = 0;
    bool capture = false;
};
// Channels 1 and 2 in that order, those whose send (57, 59) or capture (56, 58) flag is set.
std::vector<CatRelayRequest> catRelaysOf(const SentBytes& frame);

// One rotator axis's part: the target and tolerance in counts, and whether its motor may run
// (the drive command, slot 62, is not 0 and the axis's inhibit is 0).
struct AxisCommand {
    int target = 0;
    int tolerance = 0;
    bool driveOn = false;
};
AxisCommand azimuthCommandOf(const SentBytes& frame);
AxisCommand elevationCommandOf(const SentBytes& frame);

// The serial timing pair of the channel used in this exchange (slots 52, 53).
struct SentTiming {
    std::uint8_t first = 0;
    std::uint8_t second = 0;
};
SentTiming channelTimingOf(const SentBytes& frame);

}  // namespace orvant

#include "controller/card_port.h"

#include <algorithm>

#include "controller/port_protocol.h"

namespace orvant {

namespace {

constexpr std::uint8_t kUnusedStatusLines = 0x07;  // read high on a port with nothing on them
constexpr std::uint8_t kBadCheck = 7;

int targetOf(const SentBytes& frame, int highSlot, int lowSlot) {
    return 256 * frame[highSlot] + frame[lowSlot];
}

AxisCommand axisCommandOf(const SentBytes& frame, int highSlot, int toleranceSlot,
                          int inhibitSlot) {
    return {targetOf(frame, highSlot, highSlot + 1), frame[toleranceSlot],
            frame[frame::kDrive] != 0 && frame[inhibitSlot] == 0};
}

}  // namespace

std::uint8_t CardPort::read(std::uint16_t address) {
    if (address == base_) return data_;
    if (address == base_ + 1) return statusLines();
    if (address == base_ + 2) return control_;
    return 0xFF;
}

void CardPort::write(std::uint16_t address, std::uint8_t value) {
    if (address == base_) dataWritten(value);
    if (address == base_ + 2) controlWritten(value);
}

bool CardPort::ready() const {
    return !inReset_ && !silent_ && busyReads_ == 0;
}

std::uint8_t CardPort::statusLines() {
    if (inReset_ || silent_ || busyNow()) return kUnusedStatusLines;
    if (busyReads_ > 0) {
        --busyReads_;
        return kUnusedStatusLines;
    }
    std::uint8_t status = port::kReady | kUnusedStatusLines;
    if (mode_ == Mode::GivingReply && transferNibbles_ < reply::kNibbles)
        status |= port::statusLinesFor(reply_[transferNibbles_ + 1]);
    return status;
}

void CardPort::dataWritten(std::uint8_t value) {
    data_ = value;
    if (inReset_) return;
    switch (value & port::kMarkerBits) {
        case port::kSendMarker:
            beginFrame();
            break;
        case port::kReadMarker:
            beginReply();
            break;
        default:
            break;
    }
}

void CardPort::controlWritten(std::uint8_t value) {
    const std::uint8_t was = control_;
    control_ = value;
    if (!(value & port::kInitBit)) {
        if (!inReset_) {
            inReset_ = true;
            mode_ = Mode::Idle;
            holdInReset();
        }
        return;
    }
    if (inReset_) {
        inReset_ = false;
        silent_ = false;
        busyReads_ = 0;
        ++resets_;
        restart();
        return;
    }
    const bool strobeWas = was & port::kStrobeBit;
    const bool strobeNow = value & port::kStrobeBit;
    if (!strobeWas && strobeNow) strobeAsserted();
    if (strobeWas && !strobeNow) strobeReleased();
    if ((value & port::kSelectInBit) && !(was & port::kSelectInBit)) endOfFrame();
}

void CardPort::beginFrame() {
    mode_ = Mode::TakingFrame;
    transferNibbles_ = 0;
    nibbleMoved(Transfer::Frame, 0);
}

void CardPort::beginReply() {
    if (silent_) return;
    const CardReply reply = replyNow();
    if (silent_) return;  // the card failed while it gathered its reply
    fillReply(reply);
    ++repliesGiven_;
    mode_ = Mode::GivingReply;
    transferNibbles_ = 0;
    nibbleMoved(Transfer::Reply, 0);
}

// The card takes the nibble on the data lines when the PC asserts the strobe.
void CardPort::strobeAsserted() {
    if (mode_ != Mode::TakingFrame || !ready()) return;
    if (transferNibbles_ >= 2 * frame::kLastSent) return;
    taken_[++transferNibbles_] = static_cast<std::uint8_t>(port::nibbleOnDataLines(data_));
    busyReads_ = handshakeReads_;
    nibbleMoved(Transfer::Frame, transferNibbles_);
}

// The PC releases the strobe once it has sampled the offered nibble: the card offers the next.
void CardPort::strobeReleased() {
    if (mode_ != Mode::GivingReply || !ready()) return;
    if (transferNibbles_ >= reply::kNibbles) return;
    ++transferNibbles_;
    nibbleMoved(Transfer::Reply, transferNibbles_);
    if (transferNibbles_ == reply::kNibbles)
        mode_ = Mode::Idle;  // the reply is complete: ready for whatever comes next
    else
        busyReads_ = handshakeReads_;
}

void CardPort::endOfFrame() {
    const bool whole = mode_ == Mode::TakingFrame && transferNibbles_ == 2 * frame::kLastSent;
    mode_ = Mode::Idle;
    if (!whole || silent_) return;
    for (int slot = frame::kFirstSent; slot <= frame::kLastSent; ++slot)
        frame_[slot] = static_cast<std::uint8_t>(16 * taken_[2 * slot - 1] + taken_[2 * slot]);
    ++framesTaken_;
    takeFrame(frame_);
}

void CardPort::fillReply(const CardReply& reply) {
    reply_.fill(0);
    const int answerBytes =
        std::min<int>(static_cast<int>(reply.answer.size()), reply::kAnswerBytes);
    for (int k = 1; k <= answerBytes; ++k) {
        reply_[2 * k] = reply.answer[k - 1] >> 4;
        reply_[2 * k + 1] = reply.answer[k - 1] & 0x0F;
    }
    reply_[reply::kCheckNibble] = reply.checkGood ? reply::kCheckGood : kBadCheck;
    for (const auto& [first, counts] : {std::pair{reply::kAzFirstNibble, reply.azimuthCounts},
                                        std::pair{reply::kElFirstNibble, reply.elevationCounts}}) {
        reply_[first] = static_cast<std::uint8_t>((counts >> 8) & 0x0F);
        reply_[first + 1] = static_cast<std::uint8_t>((counts >> 4) & 0x0F);
        reply_[first + 2] = static_cast<std::uint8_t>(counts & 0x0F);
    }
}

std::vector<CatRelayRequest> catRelaysOf(const SentBytes& frame) {
    std::vector<CatRelayRequest> relays;
    for (int channel = 1; channel <= 2; ++channel) {
        const bool send = frame[channel == 1 ? frame::kSendCh1 : frame::kSendCh2] != 0;
        const bool capture = frame[channel == 1 ? frame::kCaptureCh1 : frame::kCaptureCh2] != 0;
        if (send || capture) relays.push_back({channel, capture});
    }
    return relays;
}

AxisCommand azimuthCommandOf(const SentBytes& frame) {
    return axisCommandOf(frame, frame::kAzTargetHigh, frame::kAzTolerance, frame::kAzInhibit);
}

AxisCommand elevationCommandOf(const SentBytes& frame) {
    return axisCommandOf(frame, frame::kElTargetHigh, frame::kElTolerance, frame::kElInhibit);
}

SentTiming channelTimingOf(const SentBytes& frame) {
    return {frame[frame::kTimingFirst], frame[frame::kTimingFirst + 1]};
}

}  // namespace orvant

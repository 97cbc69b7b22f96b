#include "controller/sim/sim_card.h"

#include <algorithm>

#include "controller/port_protocol.h"

namespace orvant::sim {

namespace {

constexpr std::uint8_t kUnusedStatusLines = 0x07;  // read high on a port with nothing on them
constexpr std::uint8_t kBadCheck = 7;

int targetOf(const SentBytes& frame, int highSlot, int lowSlot) {
    return 256 * frame[highSlot] + frame[lowSlot];
}

}  // namespace

SimControllerCard::SimControllerCard(Host& host, std::uint16_t baseAddress, RelayRecord record)
    : host_(host), base_(baseAddress), lastMs_(host.elapsedMs()), record_(record) {}

std::uint8_t SimControllerCard::read(std::uint16_t address) {
    if (address == base_) return data_;
    if (address == base_ + 1) return statusLines();
    if (address == base_ + 2) return control_;
    return 0xFF;
}

void SimControllerCard::write(std::uint16_t address, std::uint8_t value) {
    if (address == base_) dataWritten(value);
    if (address == base_ + 2) controlWritten(value);
}

void SimControllerCard::setPositions(int azimuthCounts, int elevationCounts) {
    advanceTime();
    azimuth_.setPosition(azimuthCounts);
    elevation_.setPosition(elevationCounts);
}

void SimControllerCard::attachRadio(int channel, SimRadio* radio) {
    if (channel == 1 || channel == 2) radios_[channel] = radio;
}

int SimControllerCard::azimuthCounts() {
    advanceTime();
    return azimuth_.counts();
}

int SimControllerCard::elevationCounts() {
    advanceTime();
    return elevation_.counts();
}

bool SimControllerCard::azimuthMoving() {
    advanceTime();
    return azimuth_.moving();
}

bool SimControllerCard::elevationMoving() {
    advanceTime();
    return elevation_.moving();
}

bool SimControllerCard::ready() const {
    return !inReset_ && !silent_ && busyReads_ == 0;
}

std::uint8_t SimControllerCard::statusLines() {
    if (inReset_ || silent_) return kUnusedStatusLines;
    if (injectedBusyReads_ > 0) {
        --injectedBusyReads_;
        return kUnusedStatusLines;
    }
    if (busyReads_ > 0) {
        --busyReads_;
        return kUnusedStatusLines;
    }
    std::uint8_t status = port::kReady | kUnusedStatusLines;
    if (mode_ == Mode::GivingReply && transferNibbles_ < reply::kNibbles)
        status |= port::statusLinesFor(reply_[transferNibbles_ + 1]);
    return status;
}

void SimControllerCard::dataWritten(std::uint8_t value) {
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

void SimControllerCard::controlWritten(std::uint8_t value) {
    const std::uint8_t was = control_;
    control_ = value;
    if (!(value & port::kInitBit)) {
        if (!inReset_) enterReset();
        return;
    }
    if (inReset_) {
        restart();
        return;
    }
    const bool strobeWas = was & port::kStrobeBit;
    const bool strobeNow = value & port::kStrobeBit;
    if (!strobeWas && strobeNow) strobeAsserted();
    if (strobeWas && !strobeNow) strobeReleased();
    if ((value & port::kSelectInBit) && !(was & port::kSelectInBit)) endOfFrame();
}

void SimControllerCard::beginFrame() {
    mode_ = Mode::TakingFrame;
    transferNibbles_ = 0;
    if (silenceInFrameAfter_ == 0) nibbleMoved(silenceInFrameAfter_);
}

void SimControllerCard::beginReply() {
    advanceTime();
    buildReply();
    ++repliesGiven_;
    mode_ = Mode::GivingReply;
    transferNibbles_ = 0;
    if (silenceInReplyAfter_ == 0) nibbleMoved(silenceInReplyAfter_);
}

// The card takes the nibble on the data lines when the PC asserts the strobe.
void SimControllerCard::strobeAsserted() {
    if (mode_ != Mode::TakingFrame || !ready()) return;
    if (transferNibbles_ >= 2 * frame::kLastSent) return;
    taken_[++transferNibbles_] = static_cast<std::uint8_t>(port::nibbleOnDataLines(data_));
    busyReads_ = handshakeReads_;
    nibbleMoved(silenceInFrameAfter_);
}

// The PC releases the strobe once it has sampled the offered nibble: the card offers the next.
void SimControllerCard::strobeReleased() {
    if (mode_ != Mode::GivingReply || !ready()) return;
    if (transferNibbles_ >= reply::kNibbles) return;
    ++transferNibbles_;
    nibbleMoved(silenceInReplyAfter_);
    if (transferNibbles_ == reply::kNibbles)
        mode_ = Mode::Idle;  // the reply is complete: ready for whatever comes next
    else
        busyReads_ = handshakeReads_;
}

void SimControllerCard::nibbleMoved(int& silenceAfter) {
    if (silenceAfter >= 0 && transferNibbles_ >= silenceAfter) {
        silent_ = true;
        silenceAfter = -1;
    }
}

void SimControllerCard::endOfFrame() {
    if (mode_ == Mode::TakingFrame && transferNibbles_ == 2 * frame::kLastSent) acceptFrame();
    mode_ = Mode::Idle;
}

void SimControllerCard::acceptFrame() {
    advanceTime();
    for (int slot = frame::kFirstSent; slot <= frame::kLastSent; ++slot)
        frame_[slot] = static_cast<std::uint8_t>(16 * taken_[2 * slot - 1] + taken_[2 * slot]);
    ++framesTaken_;
    const bool driveOn = frame_[frame::kDrive] != 0;
    azimuth_.command(targetOf(frame_, frame::kAzTargetHigh, frame::kAzTargetLow),
                     frame_[frame::kAzTolerance], driveOn && frame_[frame::kAzInhibit] == 0);
    elevation_.command(targetOf(frame_, frame::kElTargetHigh, frame::kElTargetLow),
                       frame_[frame::kElTolerance], driveOn && frame_[frame::kElInhibit] == 0);
    outputs_ = frame_[frame::kExtPort];
    relayCat();
}

void SimControllerCard::relayCat() {
    const std::vector<std::uint8_t> message = catMessageOf(frame_);
    for (int channel = 1; channel <= 2; ++channel) {
        const bool send = frame_[channel == 1 ? frame::kSendCh1 : frame::kSendCh2] != 0;
        const bool capture = frame_[channel == 1 ? frame::kCaptureCh1 : frame::kCaptureCh2] != 0;
        if (!send && !capture) continue;
        if (capture) answer_.clear();
        if (message.empty()) continue;
        if (record_ == RelayRecord::Kept)
            relayed_.push_back({channel, message, capture, frame_[frame::kTimingFirst],
                                frame_[frame::kTimingFirst + 1]});
        if (!radios_[channel]) continue;
        const std::vector<std::uint8_t> answer = radios_[channel]->receive(message);
        if (capture) answer_ = answer;
    }
}

void SimControllerCard::buildReply() {
    reply_.fill(0);
    const int answerBytes = std::min<int>(static_cast<int>(answer_.size()), reply::kAnswerBytes);
    for (int k = 1; k <= answerBytes; ++k) {
        reply_[2 * k] = answer_[k - 1] >> 4;
        reply_[2 * k + 1] = answer_[k - 1] & 0x0F;
    }
    if (badCheckReplies_ > 0) {
        --badCheckReplies_;
        reply_[reply::kCheckNibble] = kBadCheck;
    } else {
        reply_[reply::kCheckNibble] = reply::kCheckGood;
    }
    for (const auto& [first, counts] : {std::pair{reply::kAzFirstNibble, azimuth_.counts()},
                                        std::pair{reply::kElFirstNibble, elevation_.counts()}}) {
        reply_[first] = static_cast<std::uint8_t>((counts >> 8) & 0x0F);
        reply_[first + 1] = static_cast<std::uint8_t>((counts >> 4) & 0x0F);
        reply_[first + 2] = static_cast<std::uint8_t>(counts & 0x0F);
    }
}

// Held in reset the motors stop and the card answers nothing.
void SimControllerCard::enterReset() {
    advanceTime();
    inReset_ = true;
    mode_ = Mode::Idle;
    azimuth_.command(azimuth_.target(), 0, false);
    elevation_.command(elevation_.target(), 0, false);
}

// A restarted card has forgotten the last frame: motors off, outputs off, no radio answer held.
void SimControllerCard::restart() {
    inReset_ = false;
    silent_ = false;
    busyReads_ = 0;
    outputs_ = 0;
    answer_.clear();
    ++resets_;
}

void SimControllerCard::advanceTime() {
    const std::int64_t now = host_.elapsedMs();
    const auto ms = static_cast<double>(now - lastMs_);
    lastMs_ = now;
    azimuth_.advance(ms);
    elevation_.advance(ms);
}

}  // namespace orvant::sim

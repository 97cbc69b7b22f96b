#include "controller/sim/sim_card.h"

namespace orvant::sim {

SimControllerCard::SimControllerCard(Host& host, std::uint16_t baseAddress, RelayRecord record)
    : CardPort(baseAddress), host_(host), lastMs_(host.elapsedMs()), record_(record) {}

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

bool SimControllerCard::busyNow() {
    if (injectedBusyReads_ == 0) return false;
    --injectedBusyReads_;
    return true;
}

void SimControllerCard::nibbleMoved(Transfer transfer, int nibblesSoFar) {
    int& silenceAfter = transfer == Transfer::Frame ? silenceInFrameAfter_ : silenceInReplyAfter_;
    if (silenceAfter >= 0 && nibblesSoFar >= silenceAfter) {
        fallSilent();
        silenceAfter = -1;
    }
}

void SimControllerCard::takeFrame(const SentBytes& frame) {
    advanceTime();
    const AxisCommand az = azimuthCommandOf(frame);
    const AxisCommand el = elevationCommandOf(frame);
    azimuth_.command(az.target, az.tolerance, az.driveOn);
    elevation_.command(el.target, el.tolerance, el.driveOn);
    outputs_ = frame[frame::kExtPort];
    relayCat(frame);
}

void SimControllerCard::relayCat(const SentBytes& frame) {
    const std::vector<std::uint8_t> message = catMessageOf(frame);
    const SentTiming timing = channelTimingOf(frame);
    for (const CatRelayRequest& relay : catRelaysOf(frame)) {
        if (relay.capture) answer_.clear();
        if (message.empty()) continue;
        if (record_ == RelayRecord::Kept)
            relayed_.push_back(
                {relay.channel, message, relay.capture, timing.first, timing.second});
        SimRadio* radio = radios_[relay.channel];
        if (!radio) continue;
        const std::vector<std::uint8_t> answer = radio->receive(message);
        if (relay.capture) answer_ = answer;
    }
}

CardReply SimControllerCard::replyNow() {
    advanceTime();
    const bool checkGood = badCheckReplies_ == 0;
    if (!checkGood) --badCheckReplies_;
    return {answer_, azimuth_.counts(), elevation_.counts(), checkGood};
}

// Held in reset the motors stop and the card answers nothing.
void SimControllerCard::holdInReset() {
    advanceTime();
    azimuth_.command(azimuth_.target(), 0, false);
    elevation_.command(elevation_.target(), 0, false);
}

// A restarted card has forgotten the last frame: motors off, outputs off, no radio answer held.
void SimControllerCard::restart() {
    outputs_ = 0;
    answer_.clear();
}

void SimControllerCard::advanceTime() {
    const std::int64_t now = host_.elapsedMs();
    const auto ms = static_cast<double>(now - lastMs_);
    lastMs_ = now;
    azimuth_.advance(ms);
    elevation_.advance(ms);
}

}  // namespace orvant::sim

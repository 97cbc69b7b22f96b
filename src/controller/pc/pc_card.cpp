#include "controller/pc/pc_card.h"

#include <utility>

#include "config/serial_timing.h"

namespace orvant::pc {

namespace {

// Every satellite file starts its timing pairs at this speed.
constexpr int kDefaultBaud = 4800;

}  // namespace

PcCard::PcCard(std::uint16_t baseAddress, PcCardWiring wiring, const StationConfig& cfg,
               const ChannelFramings& framings, FaultReport report)
    : CardPort(baseAddress),
      channels_(std::move(wiring.channels)),
      cfg_(cfg),
      framings_(framings),
      report_(std::move(report)) {
    if (!wiring.rotator) return;
    rotator_.emplace(*wiring.rotator);
    std::string problem;
    if (!rotator_->connect(problem)) fail(problem);
}

void PcCard::takeFrame(const SentBytes& frame) {
    driveRotator(frame);
    if (!silent()) relayCat(frame);
}

void PcCard::driveRotator(const SentBytes& frame) {
    if (!rotator_) return;
    const AxisCommand az = azimuthCommandOf(frame);
    const AxisCommand el = elevationCommandOf(frame);
    if (!az.driveOn && !el.driveOn) {
        stopRotator();
        return;
    }
    const Bearings here = bearingsOfCounts(cfg_, position_);
    const Bearings target = bearingsOfCounts(cfg_, {az.target, el.target});
    const Bearings aim{az.driveOn ? target.azimuth : here.azimuth,
                       el.driveOn ? target.elevation : here.elevation};
    const std::string command = pointCommand(aim);
    if (command == lastPoint_) return;
    std::string problem;
    if (!rotator_->point(aim, problem)) return fail(problem);
    lastPoint_ = command;
}

bool PcCard::motorsRunning() const {
    return rotator_ && rotator_->connected() && !lastPoint_.empty();
}

void PcCard::stopRotator() {
    if (!motorsRunning()) return;
    lastPoint_.clear();
    std::string problem;
    if (!rotator_->stop(problem)) fail(problem);
}

void PcCard::relayCat(const SentBytes& frame) {
    const std::vector<std::uint8_t> message = catMessageOf(frame);
    const SentTiming timing = channelTimingOf(frame);
    const int baud = baudOfTimingPair(timing.first, timing.second).value_or(kDefaultBaud);
    for (const CatRelayRequest& relay : catRelaysOf(frame)) {
        if (relay.capture) answer_.clear();
        if (message.empty()) continue;
        CatChannel* channel = channels_[relay.channel - 1].get();
        if (!channel) {
            reportUnwired(relay.channel);
            continue;
        }
        std::vector<std::uint8_t> answer;
        std::string problem;
        if (!channel->relay(message, relay.capture, baud, framings_.framingOf(relay.channel),
                            answer, problem))
            return fail(problem);
        if (relay.capture) answer_ = std::move(answer);
    }
}

CardReply PcCard::replyNow() {
    if (rotator_) {
        std::string problem;
        const std::optional<Bearings> bearings = rotator_->position(problem);
        if (!bearings) {
            fail(problem);
            return {};
        }
        position_ = countsOfBearings(cfg_, *bearings);
    }
    return {answer_, position_.azimuth, position_.elevation, true};
}

void PcCard::holdInReset() {
    stopRotator();
}

// A restarted card has forgotten the last frame and opens again what had gone away.
void PcCard::restart() {
    answer_.clear();
    lastPoint_.clear();
    std::string problem;
    for (const auto& channel : channels_)
        if (channel && !channel->reopen(problem)) return fail(problem);
    if (rotator_ && !rotator_->connected() && !rotator_->connect(problem)) fail(problem);
}

// The card falls silent; the rotator, if it can still be reached, stops where it stands.
void PcCard::fail(const std::string& why) {
    std::string stopped;
    if (motorsRunning()) {
        lastPoint_.clear();
        std::string problem;
        stopped = rotator_->stop(problem) ? "; the rotator was stopped" : "; " + problem;
    }
    fallSilent();
    report_(why + stopped + "; the card is silent until it is reset");
}

void PcCard::reportUnwired(int channel) {
    if (std::exchange(unwiredReported_[channel - 1], true)) return;
    report_("CAT channel " + std::to_string(channel) + " has no serial device (--cat" +
            std::to_string(channel) + "=DEVICE): its messages go nowhere");
}

}  // namespace orvant::pc

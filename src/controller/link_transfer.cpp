#include "controller/link_transfer.h"

#include "controller/port_protocol.h"

namespace orvant {

namespace {

// Pauses standing in for the firmware's time to notice a marker byte.
constexpr int kSendMarkerHoldUs = 30;
constexpr int kReadMarkerHoldUs = 150;

bool awaitHandshake(PortLines& lines) {
    for (int poll = 0; poll < kHandshakePollLimit; ++poll)
        if (port::isReady(lines.readStatus())) return true;
    return false;
}

// One nibble out: the data lines written three times (settling), strobe, wait for the card.
bool offerNibble(PortLines& lines, std::uint8_t aux, int nibble) {
    const auto out = static_cast<std::uint8_t>(port::kTransfer | aux | port::dataLinesFor(nibble));
    for (int i = 0; i < 3; ++i) lines.writeData(out);
    lines.writeControl(port::kControlStrobe);
    if (!awaitHandshake(lines)) return false;
    lines.writeControl(port::kControlIdle);
    return true;
}

// One nibble in: three status reads (settling), keep the last; strobe; the sample counts only
// when the card showed ready, else it is taken again with the strobe still asserted.
std::optional<std::int16_t> takeNibble(PortLines& lines) {
    for (int round = 0; round < kHandshakePollLimit; ++round) {
        lines.readStatus();
        lines.readStatus();
        const std::uint8_t status = lines.readStatus();
        lines.writeControl(port::kControlStrobe);
        if (port::isReady(status)) {
            lines.writeControl(port::kControlIdle);
            return static_cast<std::int16_t>(port::nibbleOnStatus(status));
        }
    }
    return std::nullopt;
}

}  // namespace

SendResult sendFrame(PortLines& lines, std::uint8_t aux, const SentBytes& bytes) {
    if (!port::isReady(lines.readStatus())) {
        lines.writeControl(port::kControlIdle);
        return {SendOutcome::Busy, 0};
    }
    lines.writeData(port::kSendMarker | aux);
    lines.holdLines(kSendMarkerHoldUs);
    lines.writeData(port::kTransfer | aux);
    SendResult result{SendOutcome::Sent, 0};
    for (int slot = frame::kFirstSent; slot <= frame::kLastSent; ++slot) {
        for (const int nibble : {bytes[slot] >> 4, bytes[slot] & 0x0F}) {
            if (!offerNibble(lines, aux, nibble)) {
                lines.writeControl(port::kControlIdle);
                return {SendOutcome::Abandoned, result.nibblesSent};
            }
            ++result.nibblesSent;
        }
    }
    return result;
}

bool awaitReadyForRead(PortLines& lines, std::int16_t& readyPollCount) {
    // The budget restarts with every read. Shared across reads, it ran out now and then on a
    // healthy card, and that read was given up on after a poll or two of its own.
    readyPollCount = 0;
    for (;;) {
        lines.writeControl(port::kControlIdle);
        const std::uint8_t status = lines.readStatus();
        if (++readyPollCount > kReadyPollBudget) {
            readyPollCount = 0;
            return false;
        }
        if (port::isReady(status)) return true;
    }
}

std::optional<ReplyNibbles> readReply(PortLines& lines, std::uint8_t aux) {
    lines.writeData(port::kReadMarker | aux);
    lines.holdLines(kReadMarkerHoldUs);
    lines.writeData(port::kTransfer | aux);
    ReplyNibbles nibbles{};
    for (int i = 1; i <= reply::kNibbles; ++i) {
        const std::optional<std::int16_t> nibble = takeNibble(lines);
        if (!nibble) {
            lines.writeControl(port::kControlIdle);
            return std::nullopt;
        }
        nibbles[i] = *nibble;
    }
    return nibbles;
}

}  // namespace orvant

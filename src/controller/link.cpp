#include "controller/link.h"

#include <cmath>
#include <string>
#include <vector>

#include "controller/cat_flags.h"
#include "controller/controller_functions.h"
#include "controller/exchange_scope.h"
#include "controller/frame_layout.h"
#include "controller/link_dumps.h"
#include "controller/link_transfer.h"
#include "controller/port_protocol.h"
#include "controller/timerx.h"
#include "station/handoff.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr std::int64_t kAfterSendPauseMs = 100;
constexpr std::int64_t kAfterFailedCheckPauseMs = 50;
// Re-sends after a failed check nest (the re-send's own read may fail and re-send again); a
// controller that stays silent would otherwise nest them without end.
constexpr std::int16_t kMaxRetryNesting = 2;
constexpr std::int16_t kBadReadLimit = 10;
constexpr std::int16_t kBadReadLimitAfterCatcontrol = 8;

void traceFrame(Station& station, const SendResult& result, const SentBytes& bytes) {
    Trace& trace = station.platform.trace;
    switch (result.outcome) {
        case SendOutcome::Busy:
            trace.event("frame", {{"busy", true}});
            return;
        case SendOutcome::Abandoned:
            trace.event("frame", {{"abandoned", true},
                                  {"nibbles", static_cast<std::int64_t>(result.nibblesSent)}});
            return;
        case SendOutcome::Sent: {
            std::vector<int> slots(bytes.begin() + frame::kFirstSent, bytes.end());
            trace.event("frame", {{"slots", slots}});
            return;
        }
    }
}

// The card relays the frame's CAT message on every channel that carries a send or capture flag
// (a capture request carries the radio's query).
void traceCatRelay(Station& station, const SentBytes& bytes, const CatRoute& send,
                   const CatRoute& capture) {
    std::vector<int> message;
    for (const std::uint8_t b : catMessageOf(bytes)) message.push_back(b);
    for (const CatRoute* route : {&send, &capture}) {
        if (route->channel == 0) continue;
        if (route == &capture && capture.channel == send.channel) continue;
        station.platform.trace.event("cat", {{"radio", static_cast<std::int64_t>(route->radio)},
                                             {"channel", static_cast<std::int64_t>(route->channel)},
                                             {"bytes", message}});
    }
}

class RetryNesting {
  public:
    explicit RetryNesting(std::int16_t& depth) : depth_(depth) { ++depth_; }
    ~RetryNesting() { --depth_; }
    RetryNesting(const RetryNesting&) = delete;
    RetryNesting& operator=(const RetryNesting&) = delete;

  private:
    std::int16_t& depth_;
};

void showCheckMark(Station& station, bool good) {
    station.display.show("wht_check", good);
    station.display.show("red_check", !good);
}

// A failed check: one re-send (bounded in depth), the pause, the red mark and the failure count.
void handleFailedCheck(Station& station) {
    LinkState& link = station.link;
    if (link.retryNesting < kMaxRetryNesting) {
        const RetryNesting nesting(link.retryNesting);
        laptop(station);
    }
    timerx(station, kAfterFailedCheckPauseMs);
    showCheckMark(station, false);
    if (inDemonstrationMode(station)) return;
    link.badReadLimit = link.catcontrolUsed ? kBadReadLimitAfterCatcontrol : kBadReadLimit;
    if (++link.badReadCount > link.badReadLimit) {
        link.badReadCount = 0;
        bad_ads(station);
    }
}

void checkReply(Station& station) {
    if (station.link.replyNibbles[reply::kCheckNibble] == reply::kCheckGood) {
        showCheckMark(station, true);
        station.link.badReadCount = 0;
        return;
    }
    handleFailedCheck(station);
}

void decodePositions(Station& station) {
    LinkState& link = station.link;
    link.azCounts = countAt(link.replyNibbles, reply::kAzFirstNibble);
    link.elCounts = countAt(link.replyNibbles, reply::kElFirstNibble);
    const auto degrees = static_cast<int>(std::floor(station.cfg.elScale * link.elCounts));
    station.display.setCaption("lbl_Elfed", std::to_string(degrees));
}

void storeReply(LinkState& link, const ReplyNibbles& fresh) {
    for (int i = 1; i <= reply::kNibbles; ++i) link.replyNibbles[i] = fresh[i];
}

// A read given up on brought nothing: the previous reply's radio answer and check must not pass
// for this read's, so everything before the position nibbles is cleared. The check then fails
// (re-send, red mark, failure count) and a radio read-back finds no answer. The position nibbles
// stay: the positions remain the last ones read.
void forgetReply(LinkState& link) {
    for (int i = 1; i < reply::kAzFirstNibble; ++i) link.replyNibbles[i] = 0;
}

}  // namespace

void laptop(Station& station) {
    checkHandoff(station);
    const ExchangeScope exchange(station.display);
    LinkState& link = station.link;

    clearCatFlags(station);
    link.controllerFrame[frame::kProtocolValue] = frame::kProtocolValueSent;
    CatRoute send;
    CatRoute capture;
    if (link.catSendPending == 1) {
        timerx(station, link.catDelayMs);
        send = placeCatFlag(station, CatRequest::Send);
    }
    if (link.catReadPending == 1) {
        timerx(station, link.catDelayMs);
        capture = placeCatFlag(station, CatRequest::Capture);
    }

    PortLines lines(station);
    const auto aux = static_cast<std::uint8_t>(lines.readData() & port::kAuxLine);
    const SentBytes bytes = sentBytesOf(link.controllerFrame);
    const SendResult result = sendFrame(lines, aux, bytes);
    traceFrame(station, result, bytes);
    station.display.setCaption("Text1", sentFrameText(link.controllerFrame));
    lines.writeData(port::kTransfer | aux);
    lines.writeControl(port::kControlEndOfFrame);
    if (result.outcome == SendOutcome::Sent) traceCatRelay(station, bytes, send, capture);

    clearCatFlags(station);
    if (lines.needsPauseAfterFrame()) timerx(station, kAfterSendPauseMs);
    lapin(station);
    link.catSendPending = 0;
    link.catRadio = 0;
    link.catReadPending = 0;
}

void lapin(Station& station) {
    checkHandoff(station);
    const ExchangeScope exchange(station.display);
    LinkState& link = station.link;

    PortLines lines(station);
    const auto aux = static_cast<std::uint8_t>(lines.readData() & port::kAuxLine);
    std::optional<ReplyNibbles> fresh;
    if (awaitReadyForRead(lines, link.readyPollCount)) fresh = readReply(lines, aux);
    if (fresh)
        storeReply(link, *fresh);
    else
        forgetReply(link);
    station.display.setCaption("Text2", replyText(link.replyNibbles));
    checkReply(station);
    decodePositions(station);
    link.lastReadMs = station.platform.host.elapsedMs();
}

}  // namespace orvant

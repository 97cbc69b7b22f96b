#include "tracking/dial_watch.h"

#include <cstdlib>
#include <string>

#include "radio/adjust_read.h"
#include "radio/radio_drivers.h"
#include "radio/read_back.h"
#include "station/station.h"

namespace orvant {

namespace {

// Reads are at least a second apart. The station sends its frequencies again now and then (a
// tracking program's poll, the idle poll), which puts a turned dial back: a read waits up to
// another second for a pass about to send, so that it sees the dial just before that.
constexpr std::int64_t kWatchSpacingMs = 1000;
constexpr std::int64_t kLongestWaitMs = 2000;

// The drivers of a link whose radio reads its dial back by itself; nullptr for any other.
const RadioDrivers* selfReadingDrivers(const Station& s, int side) {
    const RadioType* type = radioTypeAt(s.sat, side);
    if (!type || !type->position(side).readback) return nullptr;
    const RadioDrivers* drivers = driversOf(type->driver);
    return drivers && !drivers->typedReadback ? drivers : nullptr;
}

bool inhibited(const Station& s, int side) {
    return side == 0 ? s.radio.txInhibit : s.radio.rxInhibit;
}

bool due(const Station& s, int side) {
    const DialWatch& w = s.radio.dialWatch;
    if (!w.asked[side] || w.givenUp[side] || inhibited(s, side)) return false;
    const auto last = w.lastReadMs[side];
    if (!last) return true;
    const std::int64_t since = s.platform.host.elapsedMs() - *last;
    return since >= kLongestWaitMs || (since >= kWatchSpacingMs && s.track.freqChanged == 1);
}

void traceWatch(Station& s, int side, const std::string& outcome, std::int64_t hz = 0) {
    s.platform.trace.event("dial", {{"link", std::string(side == 0 ? "uplink" : "downlink")},
                                    {"outcome", outcome},
                                    {"hz", hz}});
}

// The dial as the read-back found it; nothing when it was refused. A breakdown gives the link up.
std::optional<std::int64_t> readDial(Station& s, int side, const RadioDrivers& drivers) {
    DialWatch& w = s.radio.dialWatch;
    const RadioType& type = *radioTypeAt(s.sat, side);
    w.reading = true;
    w.dialHz.reset();
    try {
        (side == 0 ? drivers.readUplink : drivers.readDownlink)(s, type);
    } catch (const RadioReadbackBroken&) {
        w.givenUp[side] = true;
        w.dialHz.reset();
    }
    w.reading = false;
    return w.dialHz;
}

// Where the station last put the link's dial, in Hz; nothing before its first send.
std::optional<std::int64_t> lastSentHz(const Station& s, int side) {
    const std::string& text = side == 0 ? s.radio.uplinkFreqText : s.radio.downlinkFreqText;
    if (text.empty()) return std::nullopt;
    return std::atoll(text.c_str());
}

void judgeDial(Station& s, int side, std::int64_t dialHz, int stepHz) {
    const auto sent = lastSentHz(s, side);
    if (!sent || std::llabs(dialHz - *sent) <= s.sat.gateThresholdHz + stepHz)
        return traceWatch(s, side, "held", dialHz);
    if (!dialNearLink(s, side, dialHz)) return traceWatch(s, side, "far", dialHz);
    recentreOnDial(s, side, dialHz);
    traceWatch(s, side, "turned", dialHz);
}

// Whether the link's dial was read.
bool watchLink(Station& s, int side) {
    const RadioDrivers* drivers = selfReadingDrivers(s, side);
    if (!drivers || !due(s, side)) return false;
    DialWatch& w = s.radio.dialWatch;
    w.asked[side] = false;
    w.lastReadMs[side] = s.platform.host.elapsedMs();
    const auto dial = readDial(s, side, *drivers);
    if (dial)
        judgeDial(s, side, *dial, drivers->stepHz);
    else
        traceWatch(s, side, w.givenUp[side] ? "broke down" : "refused");
    return true;
}

}  // namespace

void watchDials(Station& s) {
    const LineServer* server = s.platform.radioServer;
    if (!server || server->clientCount() == 0 || s.link.diagnostic) return;
    // One read a pass: a read takes a few hundred milliseconds of the card, and a pass that also
    // sends the frequencies already takes about as long; the other link waits for the next pass.
    if (!watchLink(s, 1)) watchLink(s, 0);
}

}  // namespace orvant

#include "tracking/net_radio.h"

#include <cmath>
#include <cstdlib>

#include "radio/frequency_text.h"
#include "radio/tuning_range.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr double kHzPerMHz = 1e6;

double hertzOf(double guardedMHz) {
    return std::round((guardedMHz - kGuardMHz) * kHzPerMHz);
}

double guardedMHzOf(double hz) {
    return hz / kHzPerMHz + kGuardMHz;
}

RadioFacts radioFacts(const Station& s) {
    const std::string& mode = s.radio.clientMode.empty() ? s.sat.downlinkMode : s.radio.clientMode;
    return {hertzOf(s.sat.downlinkMHz), hertzOf(s.sat.uplinkMHz), mode,
            linkTuningRangesHz(s.sat, 1), linkTuningRangesHz(s.sat, 0)};
}

// The counter gate watches the downlink only. An uplink that a client moves by more than the
// gate's threshold from what the uplink radio has is sent on the next pass, so that a client
// retuning the uplink alone is not left waiting for the downlink to drift.
void sendWhenUplinkMoves(Station& s, double guardedMHz) {
    const std::string text =
        frequencyDigits(throughConverter(guardedMHz, s.sat.upConverterMHz)).text;
    const double sent = s.radio.uplinkFreqText.empty() ? 0 : std::stod(s.radio.uplinkFreqText);
    if (std::abs(std::stod(text) - sent) > s.sat.gateThresholdHz) s.track.freqChanged = 1;
}

}  // namespace

NetAnswer answerRadioClient(const Station& station, const std::string& line) {
    return answerRadioLine(line, radioFacts(station));
}

void carryOutRadioRequest(Station& s, const NetRequest& request) {
    switch (request.kind) {
        case NetRequestKind::SetDownlink:
            s.sat.downlinkMHz = guardedMHzOf(request.first);
            return;
        case NetRequestKind::SetUplink:
            sendWhenUplinkMoves(s, guardedMHzOf(request.first));
            s.sat.uplinkMHz = guardedMHzOf(request.first);
            return;
        case NetRequestKind::SetMode:
            s.radio.clientMode = request.mode;
            return;
        default:
            return;
    }
}

}  // namespace orvant

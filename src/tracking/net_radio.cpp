#include "tracking/net_radio.h"

#include <cmath>
#include <cstdlib>

#include "links/net_modes.h"
#include "radio/frequency_stage.h"
#include "radio/frequency_text.h"
#include "radio/link_modes.h"
#include "radio/radio_start.h"
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

RadioFacts radioFacts(const Station& s, int client) {
    const auto vfo = s.radio.clientUplinkVfo.find(client);
    return {hertzOf(s.sat.downlinkMHz),
            hertzOf(s.sat.uplinkMHz),
            linkTuningRangesHz(s.sat, 1),
            linkTuningRangesHz(s.sat, 0),
            vfo == s.radio.clientUplinkVfo.end() ? "VFOA" : vfo->second,
            clientModeOfLink(s.sat, 1),
            clientModeOfLink(s.sat, 0),
            clientModesOfLink(s.sat, 1),
            clientModesOfLink(s.sat, 0)};
}

// A mode the link's radio takes becomes the mode its set-up sends.
void setMode(Station& s, int side, const std::string& clientMode) {
    const std::string text = linkModeText(s.sat, side, clientMode);
    if (text.empty() || text == linkMode(s.sat, side)) return;
    setLinkMode(s.sat, side, text);
    s.radio.clientModeSet = true;
}

// Only the clients on an uplink VFO are remembered; a client that leaves forgets its choice.
void selectVfo(Station& s, int client, const std::string& name) {
    if (isUplinkVfo(name))
        s.radio.clientUplinkVfo[client] = name;
    else
        s.radio.clientUplinkVfo.erase(client);
}

// What the uplink radio gets for an uplink at the satellite, as the frequency stage forms it.
double uplinkRadioHz(const Station& s, double guardedMHz) {
    return std::stod(frequencyDigits(uplinkRadioMHz(s.sat, guardedMHz)).text);
}

}  // namespace

NetAnswer answerRadioClient(const Station& station, int client, const std::string& line) {
    return answerRadioLine(line, radioFacts(station, client));
}

void carryOutRadioRequest(Station& s, int client, const NetRequest& request) {
    switch (request.kind) {
        case NetRequestKind::SetDownlink:
            s.sat.downlinkMHz = guardedMHzOf(request.first);
            s.radio.clientFrequencies = true;
            return;
        case NetRequestKind::SetUplink:
            s.sat.uplinkMHz = guardedMHzOf(request.first);
            s.radio.clientUplinkSet = true;
            s.radio.clientFrequencies = true;
            return;
        case NetRequestKind::SetUplinkMode:
            return setMode(s, 0, request.mode);
        case NetRequestKind::SetDownlinkMode:
            return setMode(s, 1, request.mode);
        case NetRequestKind::ReadUplink:
            s.radio.dialWatch.asked[0] = true;
            return;
        case NetRequestKind::ReadDownlink:
            s.radio.dialWatch.asked[1] = true;
            return;
        case NetRequestKind::SelectVfo:
            return selectVfo(s, client, request.mode);
        case NetRequestKind::Close:
            return selectVfo(s, client, {});
        default:
            return;
    }
}

void sendWhenClientsUplinkMoved(Station& s) {
    if (!s.radio.clientUplinkSet) return;
    s.radio.clientUplinkSet = false;
    const std::string& sent = s.radio.uplinkFreqText;
    const double sentHz = sent.empty() ? 0 : std::stod(sent);
    if (std::abs(uplinkRadioHz(s, s.sat.uplinkMHz) - sentHz) > s.sat.gateThresholdHz)
        s.track.freqChanged = 1;
}

void setUpWhenClientsModeChanged(Station& s) {
    if (!s.radio.clientModeSet) return;
    s.radio.clientModeSet = false;
    // Reset radios stay as the reset left them: the next pass's set-up brings the mode.
    if (!s.radio.setUp) return;
    startRadiosWithRotatorsHeld(s);
    s.track.freqChanged = 1;
}

}  // namespace orvant

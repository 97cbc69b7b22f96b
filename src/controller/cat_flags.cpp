#include "controller/cat_flags.h"

#include "controller/frame_layout.h"
#include "station/station.h"

namespace orvant {

namespace {

// The channel code of the radio for this request; only the slots of that request kind count.
int channelFor(const LinkState& link, std::int16_t radio, CatRequest request) {
    const bool uplink = radio == 1;
    const std::int16_t code = request == CatRequest::Send
                                  ? (uplink ? link.radio1SendCode : link.radio2SendCode)
                                  : (uplink ? link.radio1ReadCode : link.radio2ReadCode);
    const bool sendSlot = code == frame::kSendCh1 || code == frame::kSendCh2;
    const bool captureSlot = code == frame::kCaptureCh1 || code == frame::kCaptureCh2;
    if (request == CatRequest::Send ? !sendSlot : !captureSlot) return 0;
    return catChannelOfSlot(code);
}

TimingPair timingFor(const SatelliteRecord& sat, std::int16_t radio, int channel) {
    if (radio == 1) return channel == 1 ? sat.uplinkCh1 : sat.uplinkCh2;
    return channel == 1 ? sat.downlinkCh1 : sat.downlinkCh2;
}

int flagSlot(int channel, CatRequest request) {
    if (request == CatRequest::Send) return channel == 1 ? frame::kSendCh1 : frame::kSendCh2;
    return channel == 1 ? frame::kCaptureCh1 : frame::kCaptureCh2;
}

}  // namespace

CatRoute placeCatFlag(Station& station, CatRequest request) {
    const std::int16_t radio = station.link.catRadio;
    if (radio != 1 && radio != 2) return {};
    const int channel = channelFor(station.link, radio, request);
    if (channel == 0) return {};

    auto& slots = station.link.controllerFrame;
    const TimingPair own = timingFor(station.sat, radio, channel);
    slots[frame::kTimingFirst] = own.high;
    slots[frame::kTimingFirst + 1] = own.low;
    if (channel == 2) {
        slots[frame::kTimingDownCh2] = station.sat.downlinkCh2.high;
        slots[frame::kTimingDownCh2 + 1] = station.sat.downlinkCh2.low;
    }
    slots[flagSlot(channel, request)] = 1;
    return {radio, channel};
}

void clearCatFlags(Station& station) {
    for (int slot = frame::kCaptureCh1; slot <= frame::kSendCh2; ++slot)
        station.link.controllerFrame[slot] = 0;
}

}  // namespace orvant

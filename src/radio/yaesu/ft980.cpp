#include "radio/yaesu/ft980.h"

#include "controller/cat_message.h"
#include "controller/frame_layout.h"
#include "controller/timerx.h"
#include "radio/radio_drivers.h"
#include "radio/yaesu/five_byte.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr std::int16_t kFt980ProtocolValue = 11;
constexpr std::int16_t kSetUp = 0x0B;
constexpr std::int16_t kSetUpDelayMs = 50;
constexpr std::int64_t kPauseMs = 50;

}  // namespace

void init980(Station& station, const RadioType&) {
    std::int16_t& protocol = station.link.controllerFrame[frame::kProtocolValue];
    const std::int16_t radio = servedRadio(station);
    protocol = kFt980ProtocolValue;
    sendCatBytes(station, radio, yaesu::block(yaesu::kCatOn));
    timerx(station, kPauseMs);
    sendCatBytes(station, radio, yaesu::block(kSetUp), 1, kSetUpDelayMs);
    timerx(station, kPauseMs);
    protocol = frame::kProtocolValueSent;
}

}  // namespace orvant

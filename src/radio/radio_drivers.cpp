#include "radio/radio_drivers.h"

#include "radio/aor/ar5000.h"
#include "radio/icom/icom.h"
#include "radio/icom/icom_receivers.h"
#include "radio/kenwood/kenwood.h"
#include "radio/kenwood/ts2000.h"
#include "radio/yaesu/ft100.h"
#include "radio/yaesu/ft736_dial.h"
#include "radio/yaesu/ft980.h"
#include "radio/yaesu/yaesu.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr RadioDrivers kKenwood{init_kenwood, Kenwood, readback_kenwood_tx, readback_kenwood_rx};
constexpr RadioDrivers kTs2000{init_ts2000, Ken_2000, readback_ts2000_tx, readback_TS2000_rx};
constexpr RadioDrivers kIcom{init_icom, Icom, readback_icom_tx, readback_icom_rx};
constexpr RadioDrivers kIcomR8500{init8500, R8500, readback_icom_tx, readback_icom_rx};
constexpr RadioDrivers kIcomR7000{Init_R7000, Icom, readback_icom_tx, readback_icom_rx};
constexpr RadioDrivers kIcomR9000{init_R9000, Icom, readback_icom_tx, readback_icom_rx};
// The five-byte Yaesu commands carry 10 Hz steps, the FT-100's 1.25 Hz ones.
constexpr int kFiveByteStepHz = 10;
constexpr int kFt100StepHz = 2;

constexpr RadioDrivers kFt736{init736,         ft736,           readback_736_tx,
                              readback_736_rx, kFiveByteStepHz, true};
constexpr RadioDrivers kFt847{
    init847, FT847, [](Station& s, const RadioType& t) { readback_847(s, t, 0); },
    [](Station& s, const RadioType& t) { readback_847(s, t, 1); }, kFiveByteStepHz};
constexpr RadioDrivers kFt757{init_757, FT757, nullptr, nullptr, kFiveByteStepHz};
constexpr RadioDrivers kFt980{init980, nullptr, nullptr, nullptr};
constexpr RadioDrivers kFt100{init_ft100,
                              [](Station& s, const RadioType& t) {
                                  s.radio.catSide == 0 ? ft_100_tx(s, t) : ft_100_rx(s, t);
                              },
                              readback_ft100_tx, readback_ft100_rx, kFt100StepHz};
constexpr RadioDrivers kAr5000{init_ar5000, ar5000, readback_ar5000, readback_ar5000};

}  // namespace

const RadioDrivers* driversOf(RadioDriver driver) {
    switch (driver) {
        case RadioDriver::Kenwood:
            return &kKenwood;
        case RadioDriver::Ts2000:
            return &kTs2000;
        case RadioDriver::Icom:
            return &kIcom;
        case RadioDriver::IcomR8500:
            return &kIcomR8500;
        case RadioDriver::IcomR7000:
            return &kIcomR7000;
        case RadioDriver::IcomR9000:
            return &kIcomR9000;
        case RadioDriver::Ft736:
            return &kFt736;
        case RadioDriver::Ft847:
            return &kFt847;
        case RadioDriver::Ft757:
            return &kFt757;
        case RadioDriver::Ft980:
            return &kFt980;
        case RadioDriver::Ft100:
            return &kFt100;
        case RadioDriver::Ar5000:
            return &kAr5000;
        case RadioDriver::None:
            return nullptr;
    }
    return nullptr;
}

std::int16_t servedRadio(const Station& station) {
    return station.radio.catSide == 0 ? 1 : 2;
}

bool servedLinkInhibited(const Station& station) {
    return station.radio.catSide == 0 ? station.radio.txInhibit : station.radio.rxInhibit;
}

const std::string& servedMode(const Station& station) {
    return station.radio.catSide == 0 ? station.sat.uplinkMode : station.sat.downlinkMode;
}

}  // namespace orvant

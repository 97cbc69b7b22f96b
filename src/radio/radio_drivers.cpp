#include "radio/radio_drivers.h"

#include "radio/icom/icom.h"
#include "radio/icom/icom_receivers.h"
#include "radio/kenwood/kenwood.h"
#include "radio/kenwood/ts2000.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr RadioDrivers kKenwood{init_kenwood, Kenwood, readback_kenwood_tx, readback_kenwood_rx};
constexpr RadioDrivers kTs2000{init_ts2000, Ken_2000, readback_ts2000_tx, readback_TS2000_rx};
constexpr RadioDrivers kIcom{init_icom, Icom, readback_icom_tx, readback_icom_rx};
constexpr RadioDrivers kIcomR8500{init8500, R8500, readback_icom_tx, readback_icom_rx};
constexpr RadioDrivers kIcomR7000{Init_R7000, Icom, readback_icom_tx, readback_icom_rx};
constexpr RadioDrivers kIcomR9000{init_R9000, Icom, readback_icom_tx, readback_icom_rx};

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
        default:
            return nullptr;
    }
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

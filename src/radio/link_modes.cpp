#include "radio/link_modes.h"

#include "config/satellite_record.h"
#include "radio/aor/aor_line.h"
#include "radio/icom/icom_modes.h"
#include "radio/kenwood/text_command.h"
#include "radio/radio_types.h"
#include "radio/yaesu/yaesu.h"
#include "radio/yaesu/yaesu_modes.h"

namespace orvant {

namespace {

RadioDriver driverAt(const SatelliteRecord& sat, int side) {
    const RadioType* type = radioTypeAt(sat, side);
    return type ? type->driver : RadioDriver::None;
}

}  // namespace

bool linkTakesMode(const SatelliteRecord& sat, int side, std::string_view text) {
    const RadioDriver driver = driverAt(sat, side);
    switch (driver) {
        case RadioDriver::Kenwood:
        case RadioDriver::Ts2000:
            return kenwood::takesMode(text);
        case RadioDriver::Icom:
        case RadioDriver::IcomR8500:
        case RadioDriver::IcomR7000:
        case RadioDriver::IcomR9000:
            return icom::takesMode(driver, text);
        case RadioDriver::Ar5000:
            return aor::listTakesMode(sat.downlinkMode, text);
        default: {
            const yaesu::ModeTable* table = setUpModes(driver, side, sameRadioBothPositions(sat));
            return table && yaesu::takesMode(*table, text);
        }
    }
}

std::string linkMode(const SatelliteRecord& sat, int side) {
    if (driverAt(sat, side) == RadioDriver::Ar5000)
        return std::string(aor::modeOfList(sat.downlinkMode));
    return side == 0 ? sat.uplinkMode : sat.downlinkMode;
}

void setLinkMode(SatelliteRecord& sat, int side, std::string_view text) {
    std::string& mode = side == 0 ? sat.uplinkMode : sat.downlinkMode;
    mode = driverAt(sat, side) == RadioDriver::Ar5000 ? aor::listWithMode(mode, text)
                                                      : std::string(text);
}

}  // namespace orvant

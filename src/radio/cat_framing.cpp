#include "radio/cat_framing.h"

#include <algorithm>

namespace orvant {

LineFraming catFramingOf(RadioDriver driver) {
    switch (driver) {
        case RadioDriver::Kenwood:
        case RadioDriver::Ft736:
        case RadioDriver::Ft847:
        case RadioDriver::Ft757:
        case RadioDriver::Ft980:
        case RadioDriver::Ft100:
            return {2};
        default:
            return {1};
    }
}

LineFraming SatelliteCatFramings::framingOf(int channel) const {
    LineFraming framing;
    for (int side = 0; side <= 1; ++side) {
        const RadioType* type = radioTypeAt(sat_, side);
        if (type && catChannelAt(sat_, side) == channel)
            framing.stopBits = std::max(framing.stopBits, catFramingOf(type->driver).stopBits);
    }
    return framing;
}

}  // namespace orvant

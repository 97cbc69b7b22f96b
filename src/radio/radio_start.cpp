#include "radio/radio_start.h"

#include "controller/link.h"
#include "controller/rotator_inhibits.h"
#include "radio/radio_init.h"
#include "station/station.h"

namespace orvant {

void startRadiosWithRotatorsHeld(Station& station) {
    inhibitRotators(station);
    laptop(station);
    radioinit(station);
    releaseInhibits(station);
    laptop(station);
}

}  // namespace orvant

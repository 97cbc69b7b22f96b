#include "tracking/position_refresh.h"

#include "controller/link.h"
#include "station/station.h"

namespace orvant {

void refreshStalePosition(Station& station) {
    if (station.platform.host.elapsedMs() - station.link.lastReadMs >= kPositionMaxAgeMs)
        lapin(station);
}

}  // namespace orvant

#include "tracker/live_sky.h"

#include <numbers>

#include "config/station_config.h"
#include "tracking/orbit_model.h"
#include "tracking/orbit_propagation.h"

namespace orvant::tracker {

LiveSky::LiveSky(const ElementSet& elements, const Observer& observer)
    : utcOffsetHours_(observer.utcOffsetHours) {
    constexpr double kRadiansPerDegree = std::numbers::pi / 180;
    StationConfig cfg;
    cfg.latitudeRad = observer.latitudeDeg * kRadiansPerDegree;
    cfg.longitudeRad = observer.longitudeDeg * kRadiansPerDegree;
    cfg.heightKm = observer.heightM / 1000;
    orbitSetup(orbit_, cfg, elements);
}

SkyView LiveSky::at(const LocalDateTime& local) const {
    const CalendarDate date{local.year, local.month, local.day};
    const SatelliteFix fix =
        propagate(orbit_, daysSinceEpoch(orbit_, date, local, utcOffsetHours_));
    const LookAngles look = lookAngles(orbit_, fix);
    return {look.azimuthDeg, look.elevationDeg, look.rangeRate,
            fix.meanAnomaly * 128 / std::numbers::pi};
}

}  // namespace orvant::tracker

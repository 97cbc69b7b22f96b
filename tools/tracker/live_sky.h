#pragma once

#include "config/satellite_record.h"
#include "platform/local_time.h"
#include "station/orbit_state.h"

namespace orvant::tracker {

// Where the tracking program's station stands.
struct Observer {
    double latitudeDeg = 0;
    double longitudeDeg = 0;  // east positive
    double heightM = 0;
    double utcOffsetHours = 0;  // subtracted from the local clock's hour to give UTC
};

// The satellite as a tracking program sees it, unrounded.
struct SkyView {
    double azimuthDeg = 0;
    double elevationDeg = 0;
    double rangeRate = 0;  // km/s, positive when the satellite recedes
    double phase256 = 0;   // orbit phase in 256ths of a revolution, 0 <= phase < 256
};

// The satellite of one element set over one station, by the project's orbit model, at any
// local time.
class LiveSky {
  public:
    LiveSky(const ElementSet& elements, const Observer& observer);
    SkyView at(const LocalDateTime& local) const;

  private:
    OrbitState orbit_;
    double utcOffsetHours_;
};

}  // namespace orvant::tracker

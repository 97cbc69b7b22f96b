#pragma once

#include "orbit/vec3.h"

namespace orvant {

// How a satellite looks from a place on the ground.
struct TopocentricLook {
    double azimuthDeg = 0;  // 0 up to 360, from north through east
    double elevationDeg = 0;
    double rangeKm = 0;
    double rangeRateKmS = 0;  // positive while the satellite recedes
};

// A place on the WGS-84 ellipsoid, seeing satellites whose positions are given in the frame of the
// element sets (TEME). The earth turns under that frame with the Greenwich mean sidereal angle;
// the pole's wander (a few metres) is left out.
class GroundSite {
  public:
    GroundSite() : GroundSite(0, 0, 0) {}
    // Geodetic latitude and longitude (east positive) in radians, height in km.
    GroundSite(double latitudeRad, double longitudeRad, double heightKm);

    // The satellite at `positionKm` moving at `velocityKmS` (TEME), `days` after 1950 January 0,
    // 0h UT.
    TopocentricLook look(const Vec3& positionKm, const Vec3& velocityKmS, double days) const;

    const Vec3& positionKm() const { return position_; }  // earth-fixed

  private:
    Vec3 position_;
    Vec3 up_, east_, north_;
};

}  // namespace orvant

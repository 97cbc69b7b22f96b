#include "orbit/ground_site.h"

#include <cmath>
#include <numbers>

#include "orbit/sidereal_time.h"

namespace orvant {

namespace {

// WGS-84: equatorial radius (km) and flattening.
constexpr double kEquatorKm = 6378.137;
constexpr double kFlattening = 1 / 298.257223563;
// The earth's turn against the stars, radians per second.
constexpr double kEarthRate = 7.292115146706979e-5;
constexpr double kDeg = 180 / std::numbers::pi;

// A vector of the frame of the element sets in the earth-fixed frame at sidereal angle `theta`.
Vec3 earthFixed(const Vec3& v, double cosTheta, double sinTheta) {
    return {v.x * cosTheta + v.y * sinTheta, -v.x * sinTheta + v.y * cosTheta, v.z};
}

}  // namespace

GroundSite::GroundSite(double latitudeRad, double longitudeRad, double heightKm) {
    const double sinLat = std::sin(latitudeRad);
    const double cosLat = std::cos(latitudeRad);
    const double sinLon = std::sin(longitudeRad);
    const double cosLon = std::cos(longitudeRad);
    const double eSq = kFlattening * (2 - kFlattening);
    const double N = kEquatorKm / std::sqrt(1 - eSq * sinLat * sinLat);  // prime vertical radius
    position_ = {(N + heightKm) * cosLat * cosLon, (N + heightKm) * cosLat * sinLon,
                 (N * (1 - eSq) + heightKm) * sinLat};
    up_ = {cosLat * cosLon, cosLat * sinLon, sinLat};
    east_ = {-sinLon, cosLon, 0};
    north_ = {-sinLat * cosLon, -sinLat * sinLon, cosLat};
}

TopocentricLook GroundSite::look(const Vec3& positionKm, const Vec3& velocityKmS,
                                 double days) const {
    const double theta = greenwichSiderealAngle(days);
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const Vec3 r = earthFixed(positionKm, c, s);
    // The velocity over the turning earth: less the frame's own turn at the satellite.
    const Vec3 v = earthFixed(velocityKmS, c, s) + Vec3{kEarthRate * r.y, -kEarthRate * r.x, 0};
    const Vec3 range = r - position_;
    TopocentricLook look;
    look.rangeKm = length(range);
    const double east = dot(range, east_);
    const double north = dot(range, north_);
    const double up = dot(range, up_);
    const double azimuth = std::atan2(east, north) * kDeg;
    look.azimuthDeg = azimuth < 0 ? azimuth + 360 : azimuth;
    look.elevationDeg = std::atan2(up, std::hypot(east, north)) * kDeg;
    look.rangeRateKmS = dot(range, v) / look.rangeKm;
    return look;
}

}  // namespace orvant

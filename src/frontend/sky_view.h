#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/local_time.h"

namespace orvant {

struct OrbitState;
struct Station;

// The sky as the operator looks at it in the sky view: a disc with north up and east to the
// right, the horizon at the rim and the zenith in the middle. A point is given in units of the
// disc's radius.
struct SkyPoint {
    double x = 0;  // east
    double y = 0;  // north
    bool operator==(const SkyPoint&) const = default;
};
SkyPoint skyPoint(double azimuthDeg, double elevationDeg);

// A bearing in the sky: azimuth 0..360, elevation 0..90.
struct SkyBearing {
    double azimuthDeg = 0;
    double elevationDeg = 0;
};
// Where antennas at these bearings look: an elevation past 90 (flip mode) looks over the top, at
// the opposite azimuth.
SkyBearing lookDirection(double azimuthDeg, double elevationDeg);

// The satellite's pass at `days` from 2000 January 0, 0h UTC, as the orbit model that points sees
// it, sampled every `stepDays`: the pass under way, or else the next one to rise within
// `searchDays`. Empty when none rises.
std::vector<SkyBearing> passTrack(const OrbitState& orbit, double days,
                                  double stepDays = 30.0 / 86400, double searchDays = 0.25);

// What the sky view draws.
struct SkyPicture {
    std::vector<SkyPoint> track;
    std::optional<SkyPoint> satellite;  // while above the horizon
    std::optional<SkyPoint> antennas;   // from the rotator's read-back, as the window shows it
    std::string state;                  // "Flip mode", "Parking" or empty
    bool operator==(const SkyPicture&) const = default;
};

// Builds the picture of a station; the pass track is sampled again only once a minute, when
// another satellite is tracked or when the orbit model takes other elements (its set-up may come
// after the first picture), since the orbit model's pass changes slowly.
class SkyView {
  public:
    const SkyPicture& picture(const Station& station, const LocalDateTime& now);

  private:
    void sampleTrack(const Station& station, const LocalDateTime& now);

    SkyPicture picture_;
    std::string trackedName_;
    long long trackMinute_ = -1;
    double trackedEpochDays_ = -1;
    double trackedMeanMotion_ = -1;
};

}  // namespace orvant

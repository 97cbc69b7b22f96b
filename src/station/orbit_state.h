#pragma once

#include <optional>

#include "config/station_config.h"
#include "orbit/ground_site.h"
#include "orbit/sgp4.h"
#include "orbit/vec3.h"

namespace orvant {

// State of the orbit model: what the set-up prepares once per satellite from the station's
// position and the element set, and every propagation reads. The earth-fixed frame has x toward
// longitude 0 in the equator and z toward the north pole.
struct OrbitState {
    // The station.
    Vec3 U;   // up, unit vector
    Vec3 E;   // east, unit vector
    Vec3 N;   // north, unit vector
    Vec3 O;   // position, km
    Vec3 VO;  // velocity carried by the earth's rotation, km/s (z is 0)

    // The element set, converted.
    int epochDayNumber = 0;    // whole days from 2000 January 0 to the epoch's day
    double epochFraction = 0;  // fraction of that day at the epoch
    double decayRate = 0;      // radians per day squared
    double inclination = 0;    // radians
    double raan = 0;           // radians
    double eccentricity = 0;
    double argPerigee = 0;   // radians
    double meanAnomaly = 0;  // radians, at the epoch
    double meanMotion = 0;   // radians per day

    // Orbit constants.
    double N0 = 0;  // mean motion, radians per second
    double A0 = 0;  // semi-major axis, km
    double B0 = 0;  // semi-minor axis, km
    double SI = 0;  // sine of the inclination
    double CI = 0;  // cosine of the inclination
    double PC = 0;  // oblateness factor, radians per day
    double QD = 0;  // node drift, radians per day
    double WD = 0;  // perigee drift, radians per day
    double DC = 0;  // decay factor, per day

    // Rotation rates.
    double WW = 0;  // the earth's motion round the sun, radians per day
    double WE = 0;  // the earth's rotation relative to the stars, radians per day
    double W0 = 0;  // the same in radians per second

    // The epoch.
    double TEG = 0;   // days from 2000 January 0 to the epoch instant
    double GHAE = 0;  // Greenwich hour angle at the epoch, radians

    // The model that points (ORV.CFG value 25). SGP4 is set up beside the station's own model
    // from the same element set, and sees the satellite from the station on the WGS-84 earth.
    OrbitModelKind model = OrbitModelKind::Own;
    std::optional<Sgp4> sgp4;
    GroundSite site;
};

}  // namespace orvant

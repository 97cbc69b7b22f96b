#!/usr/bin/python3
"""How a satellite looks from a ground station, computed apart from the program: python3-sgp4
gives the position and velocity in the frame of the element sets (TEME), this script turns them
to the station's azimuth, elevation and range rate.

Input on standard input: line 1 and line 2 of the element set; the station's geodetic latitude
and longitude (degrees, east positive) and height (km); then one instant a line, in days from
2000 January 0, 0h UTC. Output: one line an instant, "azimuth elevation range_rate" in degrees,
degrees and km/s, or "fault CODE" where the model places the satellite nowhere."""

import math
import sys

from sgp4.api import WGS72, Satrec

JD_2000_JAN_0 = 2451543.5
EARTH_RATE = 7.292115146706979e-5  # rad/s
WGS84_A = 6378.137
WGS84_F = 1 / 298.257223563


def sidereal_angle(jd):
    """Greenwich mean sidereal angle (1982 IAU expression), radians."""
    t = (jd - 2451545.0) / 36525
    seconds = (67310.54841 + (876600 * 3600 + 8640184.812866) * t
               + 0.093104 * t * t - 6.2e-6 * t ** 3)
    return math.fmod(math.radians(seconds / 240), 2 * math.pi)


def site_vectors(lat, lon, height):
    e2 = WGS84_F * (2 - WGS84_F)
    n = WGS84_A / math.sqrt(1 - e2 * math.sin(lat) ** 2)
    pos = ((n + height) * math.cos(lat) * math.cos(lon),
           (n + height) * math.cos(lat) * math.sin(lon),
           (n * (1 - e2) + height) * math.sin(lat))
    east = (-math.sin(lon), math.cos(lon), 0.0)
    north = (-math.sin(lat) * math.cos(lon), -math.sin(lat) * math.sin(lon), math.cos(lat))
    up = (math.cos(lat) * math.cos(lon), math.cos(lat) * math.sin(lon), math.sin(lat))
    return pos, east, north, up


def dot(a, b):
    return sum(x * y for x, y in zip(a, b))


def main():
    lines = sys.stdin.read().splitlines()
    sat = Satrec.twoline2rv(lines[0], lines[1], WGS72)
    lat, lon, height = (float(x) for x in lines[2].split())
    site, east, north, up = site_vectors(math.radians(lat), math.radians(lon), height)
    for text in lines[3:]:
        days = float(text)
        whole = math.floor(days)
        error, r, v = sat.sgp4(JD_2000_JAN_0 + whole, days - whole)
        if error:
            print("fault", error)
            continue
        theta = sidereal_angle(JD_2000_JAN_0 + days)
        c, s = math.cos(theta), math.sin(theta)
        # Earth-fixed: turn by the sidereal angle; the velocity less the frame's own turn.
        rf = (c * r[0] + s * r[1], -s * r[0] + c * r[1], r[2])
        vf = (c * v[0] + s * v[1] + EARTH_RATE * rf[1],
              -s * v[0] + c * v[1] - EARTH_RATE * rf[0], v[2])
        rho = tuple(a - b for a, b in zip(rf, site))
        distance = math.sqrt(dot(rho, rho))
        e, n, u = dot(rho, east), dot(rho, north), dot(rho, up)
        azimuth = math.degrees(math.atan2(e, n)) % 360
        elevation = math.degrees(math.asin(u / distance))
        print(f"{azimuth:.9f} {elevation:.9f} {dot(rho, vf) / distance:.12f}")


main()

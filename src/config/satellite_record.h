#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvant {

// Every frequency the station holds in MHz lies 1 Hz above the true one: the guard. A value such
// as 435.07 is held in binary as 435.0699999...; with the guard on top, dropping the fraction
// of a hertz can never lose a whole one. The text handed to a radio takes the guard off again.
constexpr double kGuardMHz = 0.000001;

// No radio's dial reaches this frequency: the widest frequency field, eleven digits of hertz,
// ends below it.
constexpr double kDialLimitMHz = 100000;

// One serial timing pair sent to the controller card for a radio link.
struct TimingPair {
    std::int16_t high = 0;
    std::int16_t low = 0;
};

// A Keplerian element set as read from the two-line element file (or built in for "DEFAULT"),
// in the units of the file; the orbit set-up converts them.
struct ElementSet {
    double epochYear = 2000;  // two-digit year + 2000
    double epochDay = 55;     // day of year with fraction
    double decayRate = 0;     // first derivative of the mean motion, revolutions per day squared
    double inclination = 28;  // degrees
    double raan = 0;          // degrees, right ascension of the ascending node
    double eccentricity = 0.001;
    double argPerigee = 333;    // degrees
    double meanAnomaly = 27;    // degrees
    double meanMotion = 15;     // revolutions per day
    double epochOrbit = 33938;  // revolution number at epoch
    double bstar = 0;           // SGP4's drag term, per earth radius
    // The epoch's year itself, for SGP4: the two digits 57..99 of a two-line set are 1957..1999.
    double epochYearFull = 2000;
};

// The satellite record: the 26 values of a satellite file after conversion.
struct SatelliteRecord {
    std::array<std::string, 41> raw{};  // slots 1..26 hold values 1..26

    std::string catalogNumber;           // 1, upper text
    double uplinkMHz = 144.000001;       // 2 (+0.000001 at load)
    double downlinkMHz = 435.000001;     // 3 (+0.000001 at load)
    std::string uplinkMode;              // 4, as shown (swapped LSB/USB when inverted)
    std::string downlinkMode;            // 5
    double offsetMHz = 0;                // 6
    double uplinkOffsetKHz = 0;          // 7
    double fineStepHz = 10;              // 8
    std::int16_t gateThresholdHz = 0;    // 10
    std::int16_t parkAzimuth = 0;        // 11, forced park azimuth
    double downConverterMHz = 0;         // 12
    double upConverterMHz = 0;           // 13
    std::int16_t extPortWord = 0;        // 14
    std::int16_t extPortWord2 = 0;       // 15
    double beaconMHz = 0;                // 16 (+0.000001 at conversion)
    std::int16_t uplinkRadioType = 0;    // 17
    std::int16_t downlinkRadioType = 0;  // 18
    std::int16_t uplinkCatPort = 1;      // 19, 2 = channel 2
    std::int16_t downlinkCatPort = 1;    // 20
    // 21..24: timing pairs of the uplink radio on channel 1, the downlink radio on channel 1,
    // the uplink radio on channel 2 and the downlink radio on channel 2.
    TimingPair uplinkCh1{2, 125};
    TimingPair downlinkCh1{2, 125};
    TimingPair uplinkCh2{2, 125};
    TimingPair downlinkCh2{2, 125};
    int uplinkInversion = 1;       // -1 when the uplink converter inverts the sideband
    int downlinkInversion = 1;     // -1 when the downlink converter inverts the sideband
    bool phaseAutomation = false;  // 9 ("YES" sets it)

    std::string path;  // the file read, for the configuration editor
    ElementSet elements;
};

}  // namespace orvant

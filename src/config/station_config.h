#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvant {

// The orbit model that points the antennas: the station's own (the default), or SGP4/SDP4, the
// model the element sets are fitted to.
enum class OrbitModelKind : std::int16_t { Own = 0, Sgp4 = 1 };

// The station configuration: the 35 values of ORV.CFG after conversion and load-time
// correction. Field comments give the value number in the file.
struct StationConfig {
    // Raw value texts: slots 2..36 hold values 1..35 (slot = value number + 1).
    std::array<std::string, 61> raw{};

    double latitudeRad = 0;            // 1, degrees converted to radians
    double longitudeRad = 0;           // 2, east positive, radians
    double heightKm = 0;               // 3, metres converted to kilometres
    double timeOffsetHours = 0;        // 4, subtracted from the clock's hour to give UTC
    double dateFormatSwitch = 0;       // 5, 1 = exchange day and month when the day is below 13
    std::string kepsPath;              // 6, upper text
    std::string programDirectory;      // 7, upper text
    std::string portText;              // 8, hexadecimal base address
    bool radioInhibitAtStart = false;  // 9
    bool azimuthDisabled = false;      // 10
    bool elevationDisabled = false;    // 11
    std::int16_t azToleranceDeg = 2;   // 12, at least 2
    std::int16_t elToleranceDeg = 2;   // 13, at least 2
    double azOffsetDeg = 0;            // 14, above 180 becomes 0
    double elOffsetDeg = 0;            // 15, above 45 becomes 0
    std::int16_t azUpdateStep = 1;     // 16, 0 becomes 1
    std::int16_t elUpdateStep = 1;     // 17, 0 becomes 1
    double minElevation = 0;           // 18
    std::int16_t parkAzimuth = 0;      // 19, 0 = no azimuth parking
    std::int16_t endAfterPark = 0;     // 20
    std::string memoryChannel;         // 21, text
    std::int16_t rotatorType = 0;      // 22, 0..5
    std::int16_t idlePollPasses = 1;   // 23, at least 1
    bool idlePollBeep = false;         // 23 ends in the digit 1
    std::string ddePollText;           // 24, text
    double ddePollSpacing = 4;         // 24 as a number, at least 4
    bool ddePollBeep = false;          // 24 ends in "1"
    OrbitModelKind orbitModel = OrbitModelKind::Own;  // 25, 0 own, 1 SGP4
    std::int16_t parkAt90 = 0;                        // 30, positive becomes 90
    double maxElevation = 0;                          // 31, 0 = no limit
    std::int16_t fullDdeControl = 0;                  // 32
    std::int16_t flipAllowed = 0;                     // 33, 1 for "YES"
    double parkElToleranceDeg = 2;                    // 34, 0 becomes 2
    double parkElToleranceCounts = 0;                 // 34 in counts, unrounded

    // Derived at load.
    std::uint16_t portData = 0;
    std::uint16_t portStatus = 0;
    std::uint16_t portControl = 0;
    double azScale = 360.0 / 1023.0;  // degrees per count
    double elScale = 180.0 / 1023.0;
    std::int16_t azToleranceCounts = 0;
    std::int16_t elToleranceCounts = 0;
};

}  // namespace orvant

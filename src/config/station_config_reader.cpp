#include "config/station_config_reader.h"

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "config/config_error.h"
#include "config/memory_channel.h"
#include "config/text_rules.h"
#include "config/value_file.h"

namespace orvant {

namespace {

constexpr std::size_t kConfigValues = 35;
constexpr double kDegreesToRadians = std::numbers::pi / 180.0;
constexpr double kCountsPerReadback = 1023.0;
// Every time zone lies within 14 hours of UTC (from -12 to +14); an offset beyond that is a slip
// that would put every orbit computation a day or more out.
constexpr double kMaxTimeOffsetHours = 14;

// The raw text of value `number` (1..35).
const std::string& value(const StationConfig& cfg, int number) {
    return cfg.raw[static_cast<std::size_t>(number + 1)];
}

std::int16_t atLeast(std::int16_t value, std::int16_t minimum) {
    return value < minimum ? minimum : value;
}

// Int of a tolerance in counts, for a frame slot, which carries the low 8 bits of its value:
// Corrupt for more counts than that, which would reach the controller card cut.
std::int16_t slotCounts(double counts) {
    constexpr double kSlotValues = 256;
    const double whole = std::floor(counts);
    if (!(whole >= 0 && whole < kSlotValues)) throw FileError{FileErrorKind::Corrupt};
    return static_cast<std::int16_t>(whole);
}

// An offset outside 0..limit degrees is taken as no offset at all.
double offsetWithin(double degrees, double limit) {
    return degrees < 0 || degrees > limit ? 0 : degrees;
}

void readStationPosition(StationConfig& cfg) {
    cfg.latitudeRad = numberValue(value(cfg, 1)) * kDegreesToRadians;
    cfg.longitudeRad = numberValue(value(cfg, 2)) * kDegreesToRadians;
    cfg.heightKm = numberValue(value(cfg, 3)) / 1000.0;
    cfg.timeOffsetHours = numberValue(value(cfg, 4));
    if (std::abs(cfg.timeOffsetHours) > kMaxTimeOffsetHours)
        throw FileError{FileErrorKind::Corrupt};
    cfg.dateFormatSwitch = numberValue(value(cfg, 5));
}

void readPlaces(StationConfig& cfg) {
    cfg.kepsPath = toUpper(value(cfg, 6));
    cfg.programDirectory = toUpper(value(cfg, 7));
    cfg.portText = value(cfg, 8);
    // The data, status and control registers must all be 16-bit port addresses.
    const double address = leadingNumber("&H" + cfg.portText);
    if (address + 2 > 0xFFFF) throw FileError{FileErrorKind::Corrupt};
    cfg.portData = static_cast<std::uint16_t>(address);
    cfg.portStatus = static_cast<std::uint16_t>(cfg.portData + 1);
    cfg.portControl = static_cast<std::uint16_t>(cfg.portData + 2);
}

void readSwitches(StationConfig& cfg) {
    cfg.radioInhibitAtStart = yesFlag(value(cfg, 9));
    cfg.azimuthDisabled = yesFlag(value(cfg, 10));
    cfg.elevationDisabled = yesFlag(value(cfg, 11));
    cfg.memoryChannel = value(cfg, 21);
    if (!civMemoryChannel(cfg.memoryChannel)) throw FileError{FileErrorKind::Corrupt};
    cfg.fullDdeControl = integerValue(value(cfg, 32));
    cfg.flipAllowed = yesFlag(value(cfg, 33)) ? 1 : 0;
    // Reserved once, so files written before it leave 0 there: the station's own model.
    const std::int16_t model = integerValue(value(cfg, 25));
    if (model != 0 && model != 1) throw FileError{FileErrorKind::Corrupt};
    cfg.orbitModel = static_cast<OrbitModelKind>(model);
}

// Rotator type and the azimuth scale it implies; the demonstration run has no real rotator.
void readRotator(StationConfig& cfg, bool demo) {
    const std::int16_t type = integerValue(value(cfg, 22));
    cfg.rotatorType = demo ? 0 : type;
    if (cfg.rotatorType < 0 || cfg.rotatorType > 5) throw FileError{FileErrorKind::Corrupt};
    cfg.azScale = (cfg.rotatorType <= 1 ? 360.0 : 450.0) / kCountsPerReadback;
    cfg.elScale = 180.0 / kCountsPerReadback;
}

void readPointing(StationConfig& cfg) {
    cfg.azToleranceDeg = atLeast(integerValue(value(cfg, 12)), 2);
    cfg.elToleranceDeg = atLeast(integerValue(value(cfg, 13)), 2);
    cfg.azToleranceCounts = slotCounts(cfg.azToleranceDeg / cfg.azScale);
    cfg.elToleranceCounts = slotCounts(cfg.elToleranceDeg / cfg.elScale / 2);
    cfg.azOffsetDeg = offsetWithin(numberValue(value(cfg, 14)), 180);
    cfg.elOffsetDeg = offsetWithin(numberValue(value(cfg, 15)), 45);
    const std::int16_t azStep = integerValue(value(cfg, 16));
    const std::int16_t elStep = integerValue(value(cfg, 17));
    cfg.azUpdateStep = azStep == 0 ? 1 : azStep;
    cfg.elUpdateStep = elStep == 0 ? 1 : elStep;
    cfg.minElevation = numberValue(value(cfg, 18));
    cfg.maxElevation = numberValue(value(cfg, 31));
}

void readPolling(StationConfig& cfg) {
    const std::int16_t idle = integerValue(value(cfg, 23));
    cfg.idlePollBeep = std::abs(idle % 10) == 1;
    // The loop polls when its pass counter reaches this value; below 1 it never would.
    cfg.idlePollPasses = atLeast(idle, 1);
    cfg.ddePollText = value(cfg, 24);
    cfg.ddePollBeep = right(cfg.ddePollText, 1) == "1";
    const double ddeSpacing = numberValue(cfg.ddePollText);
    cfg.ddePollSpacing = ddeSpacing < 4 ? 4 : ddeSpacing;
}

void readParking(StationConfig& cfg) {
    cfg.parkAzimuth = integerValue(value(cfg, 19));
    cfg.endAfterPark = integerValue(value(cfg, 20));
    const std::int16_t at90 = integerValue(value(cfg, 30));
    cfg.parkAt90 = at90 > 0 ? 90 : at90;
    const double elTolerance = numberValue(value(cfg, 34));
    cfg.parkElToleranceDeg = elTolerance == 0 ? 2 : elTolerance;
    cfg.parkElToleranceCounts = cfg.parkElToleranceDeg / cfg.elScale;
}

}  // namespace

StationConfig parseStationConfig(const std::string& text, bool demo) {
    const std::vector<std::string> values = readValues(text, kConfigValues);
    StationConfig cfg;
    for (std::size_t i = 0; i < values.size(); ++i) cfg.raw[i + 2] = values[i];
    readStationPosition(cfg);
    readPlaces(cfg);
    readSwitches(cfg);
    readRotator(cfg, demo);
    readPointing(cfg);
    readPolling(cfg);
    readParking(cfg);
    return cfg;
}

}  // namespace orvant

#include "config/satellite_file.h"

#include <string>
#include <vector>

#include "config/config_error.h"
#include "config/serial_timing.h"
#include "config/text_rules.h"
#include "config/value_file.h"

namespace orvant {

namespace {

constexpr std::size_t kSatelliteValues = 26;

// The raw text of value `number` (1..26).
const std::string& value(const SatelliteRecord& sat, int number) {
    return sat.raw[static_cast<std::size_t>(number)];
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

void convertValues(SatelliteRecord& sat) {
    sat.catalogNumber = toUpper(value(sat, 1));
    sat.uplinkMHz = frequencyValue(value(sat, 2));
    sat.downlinkMHz = frequencyValue(value(sat, 3));
    sat.uplinkMode = toUpper(value(sat, 4));
    sat.downlinkMode = toUpper(value(sat, 5));
    sat.offsetMHz = frequencyValue(value(sat, 6));
    sat.uplinkOffsetKHz = numberValue(value(sat, 7));
    sat.fineStepHz = numberValue(value(sat, 8));
    if (toUpper(value(sat, 9)) == "YES") sat.phaseAutomation = true;
    sat.gateThresholdHz = integerValue(value(sat, 10));
    sat.parkAzimuth = integerValue(value(sat, 11));
    sat.downConverterMHz = frequencyValue(value(sat, 12));
    sat.upConverterMHz = frequencyValue(value(sat, 13));
    sat.extPortWord = integerValue(value(sat, 14));
    sat.extPortWord2 = integerValue(value(sat, 15));
    sat.beaconMHz = frequencyValue(value(sat, 16)) + kGuardMHz;
    sat.uplinkRadioType = integerValue(value(sat, 17));
    sat.downlinkRadioType = integerValue(value(sat, 18));
    sat.uplinkCatPort = integerValue(value(sat, 19));
    sat.downlinkCatPort = integerValue(value(sat, 20));
}

// The controller card's serial timing for a speed in baud; other speeds leave `pair` alone.
void applySerialSpeed(TimingPair& pair, double baud) {
    if (const auto known = timingPairOfBaud(baud)) pair = *known;
}

void applySerialSpeeds(SatelliteRecord& sat) {
    applySerialSpeed(sat.uplinkCh1, numberValue(value(sat, 21)));
    applySerialSpeed(sat.downlinkCh1, numberValue(value(sat, 22)));
    applySerialSpeed(sat.uplinkCh2, numberValue(value(sat, 23)));
    applySerialSpeed(sat.downlinkCh2, numberValue(value(sat, 24)));
}

std::string swappedSideband(const std::string& mode) {
    if (mode == "LSB") return "USB";
    if (mode == "USB") return "LSB";
    return mode;
}

// A converter whose local oscillator lies above the satellite frequency inverts the sideband:
// the radio then works the opposite sideband and the tuning runs the other way.
void applyConverterSense(double baseMHz, double converterMHz, std::string& mode, int& inversion) {
    const bool inverted = converterMHz != 0 && baseMHz < converterMHz;
    inversion = inverted ? -1 : 1;
    if (inverted) mode = swappedSideband(mode);
}

}  // namespace

std::string satelliteFileName(std::string name) {
    for (char& c : name)
        if (c == ' ' || c == '/') c = '-';
    return name;
}

SatelliteRecord parseSatelliteFile(const std::string& text, const std::string& name,
                                   SatelliteRecord sat) {
    const std::vector<std::string> values = readValues(text, kSatelliteValues);
    for (std::size_t i = 0; i < values.size(); ++i) sat.raw[i + 1] = values[i];
    convertValues(sat);
    // A transponder offset on AO-40 fixes the uplink from the downlink.
    if (startsWith(name, "AO-40")) sat.uplinkMHz = sat.downlinkMHz - sat.offsetMHz;
    applySerialSpeeds(sat);
    applyConverterSense(sat.uplinkMHz, sat.upConverterMHz, sat.uplinkMode, sat.uplinkInversion);
    applyConverterSense(sat.downlinkMHz, sat.downConverterMHz, sat.downlinkMode,
                        sat.downlinkInversion);
    sat.uplinkMHz += kGuardMHz;
    sat.downlinkMHz += kGuardMHz;
    return sat;
}

void useBuiltInSatellite(SatelliteRecord& sat) {
    ElementSet& e = sat.elements;
    e.epochYear = 2000;
    e.epochDay = 55;
    e.inclination = 28;
    e.eccentricity = 0.001;
    e.argPerigee = 333;
    e.meanAnomaly = 27;
    e.meanMotion = 15;
    e.epochOrbit = 33938;
    e.decayRate = 0;
    e.bstar = 0;
    e.epochYearFull = 2000;

    sat.uplinkMHz = 145.000001;
    sat.downlinkMHz = 435.000001;
    sat.uplinkMode = "FM";
    sat.downlinkMode = "FM";
    sat.offsetMHz = 0;
    sat.uplinkOffsetKHz = 0;
    sat.fineStepHz = 10;
    sat.gateThresholdHz = 50;
    sat.downConverterMHz = 0;
    sat.upConverterMHz = 0;
    sat.extPortWord = 0;
    sat.extPortWord2 = 0;
    sat.beaconMHz = 0;
    sat.uplinkCatPort = 1;
    sat.downlinkCatPort = 1;
    sat.uplinkCh1 = sat.downlinkCh1 = sat.uplinkCh2 = sat.downlinkCh2 = TimingPair{2, 125};
    // Without converters neither link is inverted.
    sat.uplinkInversion = 1;
    sat.downlinkInversion = 1;
}

}  // namespace orvant

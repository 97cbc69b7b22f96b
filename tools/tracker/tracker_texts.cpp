#include "tracker/tracker_texts.h"

#include <cmath>
#include <cstdio>

namespace orvant::tracker {

namespace {

constexpr double kLightKmPerS = 299792.458;

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The phase as a whole number of 256ths; a phase that rounds up to a full turn is 0.
std::string wholePhase(double phase256) {
    const long whole = std::lround(phase256) % 256;
    return std::to_string(whole);
}

std::string wholeHz(double hz) {
    return fixed(std::nearbyint(hz), 0);
}

}  // namespace

std::string novaText(const std::string& name, const SkyView& v, bool flipAdvised) {
    return name + " AZ:" + fixed(v.azimuthDeg, 1) + " EL:" + fixed(v.elevationDeg, 1) +
           " RR:" + fixed(v.rangeRate, 3) + " MA:" + wholePhase(v.phase256) +
           " Flip:" + (flipAdvised ? "Yes" : "No");
}

std::string winTrakText(const std::string& name, const SkyView& v) {
    const double dopplerFactor = -v.rangeRate / kLightKmPerS;
    const double phaseDeg = std::fmod(v.phase256 * 360 / 256, 360);
    return name + "|" + fixed(v.elevationDeg, 1) + "|" + fixed(v.azimuthDeg, 1) + "|" +
           fixed(dopplerFactor, 10) + "|" + fixed(phaseDeg, 1);
}

std::string winOrbitText(const std::string& name, const SkyView& v) {
    return name + "|" + fixed(v.azimuthDeg, 1) + "|" + fixed(v.elevationDeg, 1) + "|0|" +
           fixed(v.rangeRate, 3) + "|" + wholePhase(v.phase256);
}

std::string wispText(const std::string& name, const SkyView& v, const WispRadio& radio) {
    if (v.elevationDeg < 0) return "'  NO " + name;
    // What the satellite must receive and what reaches the station, with a receding satellite
    // (positive range rate) lowering both on the way.
    const double shift = v.rangeRate / kLightKmPerS;
    return "SN" + name + " AZ" + fixed(v.azimuthDeg, 1) + " EL" + fixed(v.elevationDeg, 1) + " UP" +
           wholeHz(radio.uplinkHz * (1 + shift)) + " UMLSB DN" +
           wholeHz(radio.downlinkHz * (1 - shift)) + " DMUSB MA" + wholePhase(v.phase256) + " ";
}

}  // namespace orvant::tracker

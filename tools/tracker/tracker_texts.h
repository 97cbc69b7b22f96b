#pragma once

#include <string>

#include "tracker/live_sky.h"

// The texts the four tracking programs serve, in their own layouts and roundings.
namespace orvant::tracker {

// The radio side that WISP reports with full control: nominal frequencies in hertz, which the
// text carries corrected for the Doppler shift.
struct WispRadio {
    double uplinkHz = 0;
    double downlinkHz = 0;
};

// "AO-7 AZ:123.9 EL:45.2 RR:-3.123 MA:77 Flip:No"
std::string novaText(const std::string& name, const SkyView& v, bool flipAdvised);

// "AO-7|45.2|123.9|0.0000104170|108.3" (name, elevation, azimuth, Doppler factor, phase in
// degrees); the Doppler factor is the shift divided by the carrier frequency.
std::string winTrakText(const std::string& name, const SkyView& v);

// "AO-7|123.9|45.2|0|-3.123|77" (name, azimuth, elevation, unused, range rate, phase 0..255)
std::string winOrbitText(const std::string& name, const SkyView& v);

// Up: "SNAO-7 AZ123.9 EL45.2 UP432150912 UMLSB DN145949088 DMUSB MA77 " (the closing blank
// separates the phase from the end). Below the horizon: "'  NO AO-7".
std::string wispText(const std::string& name, const SkyView& v, const WispRadio& radio);

}  // namespace orvant::tracker

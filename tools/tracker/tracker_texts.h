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

// "AO-7 AZ:17.7 EL:15.2 RR:-5.671 MA:145 Flip:No"
std::string novaText(const std::string& name, const SkyView& v, bool flipAdvised);

// "AO-7|15.2|17.7|0.0000189179|203.2" (name, elevation, azimuth, Doppler factor, phase in
// degrees); the Doppler factor is the shift divided by the carrier frequency.
std::string winTrakText(const std::string& name, const SkyView& v);

// "AO-7|17.7|15.2|0|-5.671|145" (name, azimuth, elevation, unused, range rate, phase 0..255)
std::string winOrbitText(const std::string& name, const SkyView& v);

// Up: "SNAO-7 AZ17.7 EL15.2 UP432141825 UMLSB DN145952761 DMUSB MA145 " (the closing blank
// separates the phase from the end). Below the horizon: "'  NO AO-7".
std::string wispText(const std::string& name, const SkyView& v, const WispRadio& radio);

}  // namespace orvant::tracker

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvant {

// What one text of a tracking program tells, as the link stores it.
struct TrackerReading {
    std::string name;        // blanks trimmed
    double horizonTest = 0;  // the elevation the program's visibility test compares
    double satAzimuth = 0;
    double satElevation = 0;
    std::int16_t ma256 = 0;
    std::optional<double> rangeRate;       // km/s (NOVA, WinOrbit)
    std::optional<double> wintrakDoppler;  // shift over carrier (WinTrak)
    std::optional<std::string> flip;       // NOVA's flip advice, "Ye" or "No"
    std::optional<double> uplinkMHz;       // WISP
    std::optional<double> downlinkMHz;     // WISP
};

// Readers of the tracking programs' texts, after their commas have become full stops. Each
// gives nothing for a text that brings no data: a marker or field missing, a value that is not a
// number, a name that is empty, too long or holds control characters, a range rate or Doppler
// factor that not even light reaches, or a text beyond `kMaxTrackerText` characters. Markers are
// looked for after the satellite's name (from the right), so a name holding one ("KAZ-1",
// "DELFI-C3") reads like any other. Every phase comes in whole 256ths folded into 0..255.
constexpr std::size_t kMaxTrackerText = 512;
constexpr std::size_t kMaxSatelliteName = 32;

// NOVA: "name AZ:a EL:e RR:r MA:m Flip:Ye", each value followed by one separator.
std::optional<TrackerReading> readNovaText(const std::string& text);
// WinTrak Pro: "name|elevation|azimuth|Doppler factor|phase in degrees|", "|" closing each field.
std::optional<TrackerReading> readWinTrakText(const std::string& text);
// WinOrbit: "name|azimuth|elevation|-|range rate|phase 0..255|".
std::optional<TrackerReading> readWinOrbitText(const std::string& text);
// WISP: two characters, the name, then "AZ", "EL", "UP", "UM", "DN", "DM", "MA" each followed by
// its value and one separator, and the closing "|". Frequencies are in hertz; one below 0 or
// beyond every radio's dial (`kDialLimitMHz`) is no number.
std::optional<TrackerReading> readWispText(const std::string& text);
// The satellite's name from a WISP text whose markers are all there, whatever its values: all a
// poll without full DDE control uses.
std::optional<std::string> readWispName(const std::string& text);

}  // namespace orvant

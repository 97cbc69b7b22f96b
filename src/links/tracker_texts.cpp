#include "links/tracker_texts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "config/text_rules.h"
#include "radio/frequency_text.h"

namespace orvant {

namespace {

// A value of a tracking program's text: blanks removed, the rest one decimal number in the C
// locale; anything else is no number.
std::optional<double> numberIn(std::string text) {
    std::erase(text, ' ');
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) return {};
    return value;
}

// The phase in whole 256ths (halves to the even neighbour), folded into the circle 0..255 as the
// orbit model's is: 256 is 0 and 300 is 44, so no reading passes for the below-horizon mark 300.
std::int16_t nearestPhase(double value) {
    const double whole = std::fmod(roundHalfEven(value), 256);
    return static_cast<std::int16_t>(std::fmod(whole + 256, 256));
}

bool plausibleBearing(double azimuth, double elevation) {
    return std::abs(azimuth) <= 360 && std::abs(elevation) <= 90;
}

// A range rate (km/s) or a Doppler factor that not even light reaches is no number: the shift
// it would give is more than the carrier itself.
std::optional<double> physicalRate(const std::optional<double>& rate, double lightSpeed) {
    if (!rate || !(std::abs(*rate) < lightSpeed)) return std::nullopt;
    return rate;
}

// A frequency in hertz that some radio's dial can show.
std::optional<double> dialMHz(const std::optional<double>& hz) {
    if (!hz || *hz < 0 || !(*hz / 1e6 < kDialLimitMHz)) return std::nullopt;
    return *hz / 1e6;
}

std::optional<std::string> satelliteName(const std::string& text) {
    std::string name = trim(text);
    const bool control = std::any_of(name.begin(), name.end(),
                                     [](unsigned char c) { return c < 0x20 || c == 0x7F; });
    if (name.empty() || name.size() > kMaxSatelliteName || control) return {};
    return name;
}

// Positions of `markers` in `text`, each the last one before the next marker's position (the
// last marker before `end`); nothing when one is missing.
std::optional<std::vector<std::size_t>> markersBefore(const std::string& text,
                                                      const std::vector<std::string>& markers,
                                                      std::size_t end) {
    std::vector<std::size_t> found(markers.size());
    for (std::size_t i = markers.size(); i-- > 0;) {
        if (end < markers[i].size()) return {};
        end = text.rfind(markers[i], end - markers[i].size());
        if (end == std::string::npos) return {};
        found[i] = end;
    }
    return found;
}

// The text from `start` up to the separator just before `next`; nothing when that is empty.
std::optional<std::string> valueBetween(const std::string& text, std::size_t start,
                                        std::size_t next) {
    if (next < start + 2) return {};
    return text.substr(start, next - 1 - start);
}

std::optional<double> numberBetween(const std::string& text, std::size_t start, std::size_t next) {
    const auto value = valueBetween(text, start, next);
    return value ? numberIn(*value) : std::nullopt;
}

// Field n (1-based) of a text whose fields each end in "|".
std::optional<std::string> field(const std::string& text, int n) {
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) {
        start = text.find('|', start);
        if (start == std::string::npos) return {};
        ++start;
    }
    const std::size_t end = text.find('|', start);
    if (end == std::string::npos) return {};
    return text.substr(start, end - start);
}

std::optional<double> numberField(const std::string& text, int n) {
    const auto value = field(text, n);
    return value ? numberIn(*value) : std::nullopt;
}

bool tooLong(const std::string& text) {
    return text.size() > kMaxTrackerText;
}

// The phase in whole degrees, then in whole 256ths of the orbit: a full circle is phase 0.
std::int16_t phaseFromDegrees(double degrees) {
    return nearestPhase(std::floor(roundHalfEven(degrees) / 360 * 256));
}

// Where WinTrak and WinOrbit put their values among the "|" fields (the name is field 1).
struct FieldLayout {
    int azimuth, elevation, rate, phase;
    bool rateIsDopplerFactor;  // else the range rate
    bool wholeDegrees;         // bearings stored as their integer parts
    std::int16_t (*phaseOf)(double value);
};

constexpr FieldLayout kWinTrakFields{3, 2, 4, 5, true, true, phaseFromDegrees};
constexpr FieldLayout kWinOrbitFields{2, 3, 5, 6, false, false, nearestPhase};

std::optional<TrackerReading> readFields(const std::string& text, const FieldLayout& layout) {
    if (tooLong(text)) return {};
    const auto field1 = field(text, 1);
    const auto name = field1 ? satelliteName(*field1) : std::nullopt;
    const auto az = numberField(text, layout.azimuth);
    const auto el = numberField(text, layout.elevation);
    const auto rate = physicalRate(numberField(text, layout.rate),
                                   layout.rateIsDopplerFactor ? 1 : kSpeedOfLightKmS);
    const auto phase = numberField(text, layout.phase);
    if (!name || !az || !el || !rate || !phase || !plausibleBearing(*az, *el)) return {};
    TrackerReading r;
    r.name = *name;
    r.horizonTest = *el;
    r.satAzimuth = layout.wholeDegrees ? std::floor(*az) : *az;
    r.satElevation = layout.wholeDegrees ? std::floor(*el) : *el;
    (layout.rateIsDopplerFactor ? r.wintrakDoppler : r.rangeRate) = *rate;
    r.ma256 = layout.phaseOf(*phase);
    return r;
}

// Where a WISP text's markers and closing "|" stand, and the name before them.
struct WispLayout {
    std::vector<std::size_t> markers;  // "AZ", "EL", "UP", "UM", "DN", "DM", "MA"
    std::size_t close = 0;
    std::string name;
};

std::optional<WispLayout> wispLayout(const std::string& text) {
    const std::size_t close = text.rfind('|');
    if (tooLong(text) || close == std::string::npos) return {};
    const auto at = markersBefore(text, {"AZ", "EL", "UP", "UM", "DN", "DM", "MA"}, close);
    if (!at) return {};
    const auto value = valueBetween(text, 2, (*at)[0]);
    const auto name = value ? satelliteName(*value) : std::nullopt;
    if (!name) return {};
    return WispLayout{*at, close, *name};
}

}  // namespace

std::optional<TrackerReading> readNovaText(const std::string& text) {
    if (text.size() < 11 || tooLong(text)) return {};
    const std::size_t flip = text.rfind("Flip:");
    if (flip == std::string::npos) return {};
    const auto at = markersBefore(text, {"AZ", "EL", "RR", "MA"}, flip);
    if (!at) return {};
    const auto& m = *at;
    const auto name = satelliteName(text.substr(0, m[0]));
    const auto az = numberBetween(text, m[0] + 3, m[1]);
    const auto el = numberBetween(text, m[1] + 3, m[2]);
    const auto rr = physicalRate(numberBetween(text, m[2] + 3, m[3]), kSpeedOfLightKmS);
    const auto ma = numberBetween(text, m[3] + 3, flip);
    if (!name || !az || !el || !rr || !ma || !plausibleBearing(*az, *el)) return {};
    TrackerReading r;
    r.name = *name;
    r.satAzimuth = std::floor(*az);
    r.satElevation = std::floor(*el);
    r.horizonTest = r.satElevation;
    r.rangeRate = *rr;
    r.ma256 = nearestPhase(*ma);
    r.flip = trim(text.substr(flip + 5, 2));
    return r;
}

std::optional<TrackerReading> readWinTrakText(const std::string& text) {
    return readFields(text, kWinTrakFields);
}

std::optional<TrackerReading> readWinOrbitText(const std::string& text) {
    return readFields(text, kWinOrbitFields);
}

std::optional<std::string> readWispName(const std::string& text) {
    const auto layout = wispLayout(text);
    if (!layout) return {};
    return layout->name;
}

std::optional<TrackerReading> readWispText(const std::string& text) {
    const auto layout = wispLayout(text);
    if (!layout) return {};
    const std::vector<std::size_t>& m = layout->markers;
    const auto az = numberBetween(text, m[0] + 2, m[1]);
    const auto el = numberBetween(text, m[1] + 2, m[2]);
    const auto upMHz = dialMHz(numberBetween(text, m[2] + 2, m[3]));
    const auto downMHz = dialMHz(numberBetween(text, m[4] + 2, m[5]));
    const auto ma = numberBetween(text, m[6] + 2, layout->close);
    if (!az || !el || !upMHz || !downMHz || !ma || !plausibleBearing(*az, *el)) return {};
    TrackerReading r;
    r.name = layout->name;
    r.satAzimuth = std::floor(*az);
    r.satElevation = std::floor(*el);
    r.horizonTest = r.satElevation;
    r.uplinkMHz = upMHz;
    r.downlinkMHz = downMHz;
    r.ma256 = nearestPhase(*ma);
    return r;
}

}  // namespace orvant

#include "controller/pc/rotator_bearings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace orvant::pc {

namespace {

constexpr double kTopCount = 1023;
constexpr double kTurn = 360;

// The azimuth of count 0, in the run of bearings the travel covers.
double travelStart(std::int16_t rotatorType) {
    switch (rotatorType) {
        case 0:
            return -180;
        case 3:
            return -225;
        case 4:
            return -270;
        case 5:
            return -45;
        default:
            return 0;
    }
}

int countOf(double units) {
    return static_cast<int>(std::clamp(std::nearbyint(units), 0.0, kTopCount));
}

std::optional<double> plainNumber(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

Bearings bearingsOfCounts(const StationConfig& cfg, PositionCounts counts) {
    return {travelStart(cfg.rotatorType) + counts.azimuth * cfg.azScale,
            counts.elevation * cfg.elScale};
}

PositionCounts countsOfBearings(const StationConfig& cfg, Bearings bearings) {
    const double start = travelStart(cfg.rotatorType);
    const double end = start + kTopCount * cfg.azScale;
    double azimuth = bearings.azimuth;
    // Every travel spans a turn or more, so a turn on from short of the start, or back from past
    // the end, never overshoots the other end.
    if (azimuth < start) azimuth += kTurn;
    if (azimuth > end) azimuth -= kTurn;
    return {countOf((azimuth - start) / cfg.azScale), countOf(bearings.elevation / cfg.elScale)};
}

std::string pointCommand(Bearings bearings) {
    char text[64];
    std::snprintf(text, sizeof text, "P %.2f %.2f", bearings.azimuth, bearings.elevation);
    return text;
}

std::optional<Bearings> parsePosition(const std::string& azimuthLine,
                                      const std::string& elevationLine) {
    const std::optional<double> azimuth = plainNumber(azimuthLine);
    const std::optional<double> elevation = plainNumber(elevationLine);
    if (!azimuth || !elevation) return std::nullopt;
    return Bearings{*azimuth, *elevation};
}

}  // namespace orvant::pc

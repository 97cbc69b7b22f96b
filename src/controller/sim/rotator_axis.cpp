#include "controller/sim/rotator_axis.h"

#include <algorithm>
#include <cmath>

namespace orvant::sim {

namespace {
constexpr double kFullScale = 1023.0;
// Steps summed over many short intervals fall short of the exact travel by rounding alone.
constexpr double kArrivalSlack = 1e-6;
}  // namespace

RotatorAxis::RotatorAxis(double fullTravelMs) {
    setFullTravelMs(fullTravelMs);
}

void RotatorAxis::setPosition(double counts) {
    position_ = std::clamp(counts, 0.0, kFullScale);
}

void RotatorAxis::setFullTravelMs(double ms) {
    countsPerMs_ = kFullScale / std::max(ms, 1.0);
}

void RotatorAxis::command(int target, int tolerance, bool driveOn) {
    target_ = std::clamp(target, 0, static_cast<int>(kFullScale));
    tolerance_ = std::max(tolerance, 0);
    driveOn_ = driveOn;
    if (!driveOn_) moving_ = false;
    startIfNeeded();
}

void RotatorAxis::startIfNeeded() {
    if (driveOn_ && !moving_ && std::abs(target_ - position_) > tolerance_) moving_ = true;
}

void RotatorAxis::advance(double ms) {
    startIfNeeded();
    if (!moving_ || ms <= 0) return;
    const double step = countsPerMs_ * ms;
    const double error = target_ - position_;
    if (std::abs(error) <= step + kArrivalSlack) {
        position_ = target_;
        moving_ = false;
    } else {
        position_ += error > 0 ? step : -step;
    }
}

int RotatorAxis::counts() const {
    return static_cast<int>(std::lround(position_));
}

}  // namespace orvant::sim

#pragma once

namespace orvant::sim {

// One rotator axis of the simulated card: a motor that turns the position (in counts, 0..1023)
// toward the target at a fixed speed. An axis at rest starts when the target lies more than the
// tolerance away and then runs until it reaches the target, so it always stops within the
// tolerance and never hunts around it.
class RotatorAxis {
  public:
    // `fullTravelMs`: time to turn across the whole range, count 0 to 1023.
    explicit RotatorAxis(double fullTravelMs);

    void setPosition(double counts);
    void setFullTravelMs(double ms);
    // A new command: target and tolerance in counts, and whether the motor may run.
    void command(int target, int tolerance, bool driveOn);
    // Lets `ms` milliseconds pass.
    void advance(double ms);

    int counts() const;
    bool moving() const { return moving_; }
    int target() const { return target_; }

  private:
    void startIfNeeded();

    double position_ = 0;
    double countsPerMs_ = 0;
    int target_ = 0;
    int tolerance_ = 0;
    bool driveOn_ = false;
    bool moving_ = false;
};

}  // namespace orvant::sim

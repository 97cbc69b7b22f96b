#pragma once

#include <ostream>
#include <string>

#include "platform/alerts.h"

namespace orvant {

struct Station;

// A message box's text as it goes to the error stream, after "[message] ", without the CRs.
void writeMessage(std::ostream& out, const std::string& text);
// A note as it goes to the error stream: one line starting "orvant: ".
void writeNote(std::ostream& out, const std::string& text);

// Alerts without a window: each message box is written to the error stream and acknowledged with
// OK at once; a beep is a bell character there, and a note a line starting "orvant: ".
class StreamAlerts : public Alerts {
  public:
    explicit StreamAlerts(std::ostream& out) : out_(out) {}
    void messageBox(const std::string& text) override;
    void beep() override;
    void note(const std::string& text) override;

  private:
    std::ostream& out_;
};

// The station's state in one line a second: time, satellite bearing, rotator bearing (as the
// window shows it, whole degrees), uplink and downlink frequencies and whether it is waiting,
// tracking, parking or parked ("parked" once a pass has been tracked and the antennas show as
// parked); then, while SGP4 points or a model has no position, " orbit " and the model ("sgp4",
// "own (no number)"); then, while the program serves network clients, " | " and their servers.
class StatusLines {
  public:
    std::string next(const Station& station);

  private:
    bool trackedSinceStart_ = false;
};

}  // namespace orvant

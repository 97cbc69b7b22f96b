#pragma once

#include <string>
#include <vector>

namespace orvant {

// Operator alerts: the OK-only message box (with the application's own title) and the beep.
class Alerts {
  public:
    virtual ~Alerts() = default;
    // Shows the text and returns when the operator has pressed OK.
    virtual void messageBox(const std::string& text) = 0;
    virtual void beep() = 0;
};

// Records alerts instead of showing them; every box is acknowledged at once.
class RecordingAlerts : public Alerts {
  public:
    void messageBox(const std::string& text) override { boxes.push_back(text); }
    void beep() override { ++beeps; }
    std::vector<std::string> boxes;
    int beeps = 0;
};

}  // namespace orvant

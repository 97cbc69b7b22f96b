#pragma once

#include <string>
#include <vector>

namespace orvant {

// Operator alerts: the OK-only message box (with the application's own title), the beep, and
// notes.
class Alerts {
  public:
    virtual ~Alerts() = default;
    // Shows the text and returns when the operator has pressed OK.
    virtual void messageBox(const std::string& text) = 0;
    virtual void beep() = 0;
    // Tells the operator something that needs no answer, on the error stream (and in the window,
    // when there is one), and returns at once: the station never waits for a note to be read.
    virtual void note(const std::string& text) = 0;
};

// Records alerts instead of showing them; every box is acknowledged at once.
class RecordingAlerts : public Alerts {
  public:
    void messageBox(const std::string& text) override { boxes.push_back(text); }
    void beep() override { ++beeps; }
    void note(const std::string& text) override { notes.push_back(text); }
    std::vector<std::string> boxes;
    int beeps = 0;
    std::vector<std::string> notes;
};

}  // namespace orvant

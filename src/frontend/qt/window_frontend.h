#pragma once

#include <memory>
#include <string>

#include "platform/alerts.h"
#include "platform/host.h"

namespace orvant {

struct Station;

// Everything the program needs to show its window: the toolkit's application, the host that lets
// the toolkit run on every pump pass, the desktop's alerts, and the window once the station has
// declared its controls.
class WindowFrontend {
  public:
    WindowFrontend(const std::string& title, Host& inner, bool realClock);
    ~WindowFrontend();
    WindowFrontend(const WindowFrontend&) = delete;
    WindowFrontend& operator=(const WindowFrontend&) = delete;

    Host& host();
    Alerts& alerts();
    // Keeps the window up until every note the alerts showed has closed (each closes itself).
    void waitForNotes();
    // Builds the window on the station's declared controls, with the sky view; it shows itself
    // when the model shows "Form1".
    void open(Station& station);

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace orvant

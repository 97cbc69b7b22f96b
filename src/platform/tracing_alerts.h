#pragma once

#include "platform/alerts.h"
#include "platform/trace.h"

namespace orvant {

// Passes alerts on to the operator's alerts and records each in the trace ("msgbox" with the
// text exactly as shown, "beep", "note" with its text).
class TracingAlerts : public Alerts {
  public:
    TracingAlerts(Alerts& inner, Trace& trace) : inner_(inner), trace_(trace) {}
    void messageBox(const std::string& text) override {
        trace_.event("msgbox", {{"text", text}});
        inner_.messageBox(text);
    }
    void beep() override {
        trace_.event("beep");
        inner_.beep();
    }
    void note(const std::string& text) override {
        trace_.event("note", {{"text", text}});
        inner_.note(text);
    }

  private:
    Alerts& inner_;
    Trace& trace_;
};

}  // namespace orvant

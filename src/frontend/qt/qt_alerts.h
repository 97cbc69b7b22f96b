#pragma once

#include <string>

#include "platform/alerts.h"

namespace orvant {

// Alerts as the desktop shows them: a message box with the application's title and an OK
// button, and the desktop's beep.
class QtAlerts : public Alerts {
  public:
    explicit QtAlerts(std::string title) : title_(std::move(title)) {}
    void messageBox(const std::string& text) override;
    void beep() override;

  private:
    std::string title_;
};

}  // namespace orvant

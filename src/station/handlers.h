#pragma once

#include <string>

#include "display/display.h"

namespace orvant {

struct Station;

// Connects an event of a control to a routine of the station logic. `startsExchange` marks a
// handler that talks to the controller card: while an exchange runs, its input waits.
void bindHandler(Station& station, const std::string& name, ControlEvent event,
                 void (*handler)(Station&), bool startsExchange = false);

}  // namespace orvant

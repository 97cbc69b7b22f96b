#pragma once

#include <string>
#include <vector>

#include "display/display.h"
#include "platform/message_pump.h"

namespace orvant {

// Operator input read from a script, one event per line:
//   SECONDS click|dblclick CONTROL
//   SECONDS keys CONTROL TEXT      (\r is Enter, \b is Backspace, \\ is a backslash)
//   SECONDS set CONTROL VALUE      (slider or check box)
//   SECONDS select CONTROL ENTRY   (an entry of a list, by its text)
// Blank lines and lines starting with "#" are skipped. Each event keeps its line number.
struct EventScript {
    std::vector<InputEvent> events;
    std::string error;  // "line N: ..." when the script could not be read
};

EventScript parseEventScript(const std::string& text);

// Why the window cannot take `event` at this moment ("no control named X", "X is hidden",
// "X is disabled"); empty when it can.
std::string refusalOf(const InputEvent& event, const Display& display);

}  // namespace orvant

#pragma once

#include <string>

namespace orvant {

// Why the program ended. `Refused`: the station was never started, because this instance could
// not take part in the hand-off.
enum class EndReason { Exit, Handoff, Fatal, Parked, NoFiles, Refused };

std::string endReasonName(EndReason reason);

// The one signal that ends the program. It is thrown from wherever the program decides to end
// (deep inside an exchange, a wait or a handler) and unwinds to the top of the program, which
// reports the end. Operator input is always delivered by the program's own message pump, never
// from inside the window toolkit's dispatch, so this never crosses the toolkit.
struct ProgramEnd {
    EndReason reason;
};

[[noreturn]] inline void endProgram(EndReason reason) {
    throw ProgramEnd{reason};
}

}  // namespace orvant

#pragma once

#include "station/program_end.h"

namespace orvant {

struct Station;

// Puts the radios back into a plain state and releases the card; ends the program at once when
// the hand-off has been lost (the entry is gone, or a newer instance has started).
void closeAll(Station& station);
// The shutdown of a program that ends for `reason`. Before the polling loop has started there is
// no hand-off entry yet, so `closeAll` stops at its first step; the program then ends for
// `reason` (not as if a newer instance had taken over, unless one has).
void closeAllBeforeEnd(Station& station, EndReason reason);
// The end after a fatal dialog: the shutdown of `closeAllBeforeEnd`; when it ran in full, the
// hand-off entry is removed as Exit removes it. The program ends as fatal.
[[noreturn]] void shutDownAfterFatalDialog(Station& station);
// The Exit button: full shutdown, then the program ends. The hand-off entry is removed unless a
// newer instance owns it.
void cmd_Bye_Click(Station& station);
// Connects the Exit button `cmd_Bye` to its handler. Its shutdown talks to the card, so a click
// during a running exchange waits until the exchange has ended.
void bindExitButton(Station& station);

}  // namespace orvant

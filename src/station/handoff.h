#pragma once

namespace orvant {

struct Station;

// The instance hand-off through the per-user settings store: application "ORVANT", section
// "Startup", key "Left", value "ORVANT". A newer instance deletes the entry; the running one
// sees it gone and ends at once.
void make_regist(Station& station);
void get_regist(Station& station);
void kill_regist(Station& station);

// True while the hand-off value read last is this program's own.
bool handoffHeld(const Station& station);
// Reads the hand-off value; once the polling loop runs, a lost hand-off ends the program at once.
void checkHandoff(Station& station);

}  // namespace orvant

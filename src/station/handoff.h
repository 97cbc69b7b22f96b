#pragma once

namespace orvant {

struct Station;

// The instance hand-off through the per-user settings store: application "ORVANT", section
// "Startup", key "Left", value "ORVANT". A newer instance deletes the entry; the running one
// sees it gone and ends at once.
//
// Beside it, key "Instance" of the same section numbers the instances in the order they started:
// each start-up takes the number after the last one and writes it there. An instance whose number
// is no longer the one written has been followed by a newer one. That holds from start-up on,
// before this instance has written its "Left" entry (in the file list or any other wait), and
// keeps an older instance from ever deleting a newer one's entry. Only the Exit button removes
// the number with the entry; after any other end it stays, and the next start takes the one
// after it.
void make_regist(Station& station);
void get_regist(Station& station);
void kill_regist(Station& station);

// Start-up's hand-off: deletes the entry, so that an instance already running ends, and writes
// this instance's number as the newest.
void takeOverHandoff(Station& station);
// True when the values read last show that a newer instance started after this one.
bool newerInstanceStarted(const Station& station);
// True while the hand-off value read last is this program's own and no newer instance started.
bool handoffHeld(const Station& station);
// Reads the hand-off values and ends the program at once when a newer instance has started, or,
// once the polling loop runs, when the entry is gone.
void checkHandoff(Station& station);
// The Exit button's last step: deletes the hand-off entry, unless a newer instance owns it now.
void releaseHandoff(Station& station);

}  // namespace orvant

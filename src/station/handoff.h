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
// keeps an older instance from ever deleting a newer one's entry: the entries are this
// instance's own only while the number written is its own, and that is decided on the store as
// it is at the moment of deleting. Only the Exit button removes the number with the entry; after
// any other end it stays, and the next start takes the one after it.
//
// A change that the store cannot keep (the settings file cannot be written) is told to the
// operator once, until a change succeeds again, and traced; the station goes on and still reads
// the store, so a newer instance that could write it still takes over.
void make_regist(Station& station);
void get_regist(Station& station);

// Start-up's hand-off: deletes the entry, so that an instance already running ends, and writes
// this instance's number as the newest. An instance that cannot write that number could never be
// taken over, nor tell that it has been: it tells the operator why and ends (`Refused`).
void takeOverHandoff(Station& station);
// True when the values read last show that a newer instance started after this one.
bool newerInstanceStarted(const Station& station);
// True while the hand-off value read last is this program's own (or the store could not keep
// it) and no newer instance started.
bool handoffHeld(const Station& station);
// Reads the hand-off values and ends the program at once when a newer instance has started, or,
// once the polling loop runs, when the entry is gone.
void checkHandoff(Station& station);
// The Exit button's last step: deletes the hand-off entries if they are still this instance's
// own; a newer instance's are left as they are.
void releaseHandoff(Station& station);

}  // namespace orvant

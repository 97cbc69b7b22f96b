#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orvant {

struct Station;

// Waits that run the message pump. Every one of them also checks the instance hand-off, so an
// instance held in a long wait still ends when a newer one takes over.

// Pumps the window's messages once and checks the hand-off.
void pumpMessages(Station& station);
// Pumps messages until `done` is true; between pumps waits at most `idleMs` for input.
void waitUntil(Station& station, const std::function<bool()>& done, std::int64_t idleMs = 50);
// Makes the Enter key in an entry box end the entry that waits for it (`enterPressed`).
void watchEnterKey(Station& station, const std::string& box);

}  // namespace orvant

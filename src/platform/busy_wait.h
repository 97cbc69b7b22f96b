#pragma once

#include <chrono>

namespace orvant {

// Spins for about `microseconds` without giving up the processor: far shorter than any sleep the
// system can offer, as the controller's marker bytes need.
inline void busyWaitMicroseconds(int microseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(microseconds);
    while (std::chrono::steady_clock::now() < until) {
    }
}

}  // namespace orvant

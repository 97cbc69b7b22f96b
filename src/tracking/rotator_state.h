#pragma once

#include <cstdint>

namespace orvant {

// State of the rotator: readback, pointing and drive, flip mode, parking, manual entry.
struct RotatorState {};

}  // namespace orvant

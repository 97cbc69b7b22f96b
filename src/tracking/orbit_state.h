#pragma once

namespace orvant {

// State of the orbit model: station vectors, orbit constants and epoch.
struct OrbitState {};

}  // namespace orvant

#include "links/tracker_hooks.h"

#include "app/station.h"

namespace orvant {

void pollTrackingProgram(Station&) {}

}  // namespace orvant

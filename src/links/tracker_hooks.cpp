#include "links/tracker_hooks.h"

#include "station/station.h"

namespace orvant {

void send_dde_Click(Station&) {}

void lbl_Nova_dde_Click(Station&) {}

void pollTrackingProgram(Station&) {}

}  // namespace orvant

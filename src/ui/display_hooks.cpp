#include "ui/display_hooks.h"

#include "station/station.h"

namespace orvant {

void sc_5k_Click(Station&) {}

void showTimeAndDate(Station&, const LocalDateTime&) {}

}  // namespace orvant

#include "radio/radio_hooks.h"

#include "app/station.h"

namespace orvant {

void radioinit(Station&) {}

void catcontrol(Station&) {}

}  // namespace orvant

#include "radio/radio_hooks.h"

#include "station/station.h"

namespace orvant {

void radioinit(Station&) {}

void tuneParkedFrequencies(Station&) {}

void frequencyStage(Station&) {}

void inhibitRadiosAtStart(Station&) {}

void showFrequencies(Station&) {}

void catcontrol(Station&) {}

void adjust_read(Station&) {}

}  // namespace orvant

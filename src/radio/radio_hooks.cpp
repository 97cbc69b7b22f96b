#include "radio/radio_hooks.h"

#include "station/station.h"

namespace orvant {

void tuneParkedFrequencies(Station&) {}

void frequencyStage(Station&) {}

void inhibitRadiosAtStart(Station&) {}

void showFrequencies(Station&) {}

void adjust_read(Station&) {}

}  // namespace orvant

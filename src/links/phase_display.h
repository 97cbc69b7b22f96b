#pragma once

#include <cstdint>

namespace orvant {

class Display;
struct Station;

// The orbit phase in 256ths while a tracking program reports the satellite below the horizon.
constexpr std::int16_t kPhaseBelowHorizon = 300;

// Shows `ma256` in `lbl_ma256`; every source of the phase calls it when it has a new value.
void showPhase(Station& station);

// The operator's phase-automation switch on `lbl_ma256` (`SatelliteRecord::phaseAutomation`):
// a click switches it off, a double-click on. The label's colours show the switch.
void lbl_ma256_Click(Station& station);
void lbl_ma256_DblClick(Station& station);
void showPhaseSwitch(Station& station);

void declarePhaseControls(Display& display);
void bindPhaseHandlers(Station& station);

}  // namespace orvant

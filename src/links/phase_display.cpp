#include "links/phase_display.h"

#include <string>

#include "station/handlers.h"
#include "station/station.h"

namespace orvant {

void showPhase(Station& station) {
    station.display.setCaption("lbl_ma256", std::to_string(station.track.ma256));
}

void showPhaseSwitch(Station& station) {
    Control& label = station.display["lbl_ma256"];
    const bool on = station.sat.phaseAutomation;
    label.backColor = on ? bgr::kGrey : bgr::kRed;
    label.foreColor = on ? bgr::kDarkBlue : bgr::kYellow;
}

void lbl_ma256_Click(Station& station) {
    station.sat.phaseAutomation = false;
    showPhaseSwitch(station);
}

void lbl_ma256_DblClick(Station& station) {
    station.sat.phaseAutomation = true;
    showPhaseSwitch(station);
}

void declarePhaseControls(Display& display) {
    display.declare("lbl_p3d_auto", labelControl(" Orbit Phase   MA256"));
    Control phase = labelControl({}, "Double click to enable P3D automation. Click to disable");
    phase.backColor = bgr::kRed;
    phase.foreColor = bgr::kYellow;
    display.declare("lbl_ma256", phase);
}

void bindPhaseHandlers(Station& station) {
    bindHandler(station, "lbl_ma256", ControlEvent::Click, lbl_ma256_Click);
    bindHandler(station, "lbl_ma256", ControlEvent::DblClick, lbl_ma256_DblClick);
}

}  // namespace orvant

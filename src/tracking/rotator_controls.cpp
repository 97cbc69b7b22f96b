#include "tracking/rotator_controls.h"

#include <string>

#include "station/handlers.h"
#include "station/station.h"
#include "station/waits.h"
#include "tracking/calibration.h"
#include "tracking/compass_relabel.h"
#include "tracking/drive_controls.h"
#include "tracking/flip_mode.h"
#include "tracking/manual_entry.h"
#include "tracking/parking.h"

namespace orvant {

namespace {

Control label(std::string caption, std::string tooltip = {}) {
    return labelControl(std::move(caption), std::move(tooltip));
}

Control hidden(std::string caption = {}) {
    return labelControl(std::move(caption), {}, false);
}

Control slider(int min, int max, bool visible = true) {
    Control c;
    c.min = min;
    c.max = max;
    c.visible = visible;
    return c;
}

Control checkBox(int value, std::string tooltip = {}) {
    Control c;
    c.value = value;
    c.tooltip = std::move(tooltip);
    return c;
}

void declareReadback(Display& d) {
    d.declare("hf_frame");
    d.declare("hs_hf", slider(0, 1023));
    for (const char* frame : {"frame_default", "frame_450", "frame_south", "Frame_5"})
        d.declare(frame, hidden());
    for (const char* gauge : {"hs_default", "hs_450", "hs_south", "hs_5"})
        d.declare(gauge, slider(0, 1023, false));
    d.declare("vs_vertical", slider(0, -512));
    d.declare("lbl_Azfed", label("", "The Azimuth position of the rotator"));
    d.declare("lbl_Elfed", label("", "The Elevation angle of the rotator"));
}

void declareDrive(Display& d) {
    d.declare("hs_Azimuth", slider(-45, 45));
    d.declare("hs_elevation", slider(-25, 25));
    d.declare("ResetAz", hidden());
    d.declare("ResetEl", hidden());
    d.declare("lbl_Slewbox", label("Antenna Slewing "));
    d.declare("lbl_Left", label("Left"));
    d.declare("lbl_Right", label("Right"));
    d.declare("lbl_Up", label("Up"));
    d.declare("lbl_Down", label("Dn"));
    d.declare("lbl_Valaz", label("",
                                 "Positive or Negative slew applied to AZIM via the slider "
                                 "plus the data entered into ORV.CFG."));
    d.declare("lbl_Valel", label("",
                                 "Positive or Negative slew applied to ELEV via slider plus "
                                 "the data entered into ORV.CFG."));
    d.declare("ch_RotAz", checkBox(1,
                                   "Click this box to disable azimuth rotation. Click again "
                                   "to enable"));
    d.declare("ch_RotEl", checkBox(1));
    d.declare("lbl_az_el", label("Enable Azimuth Rotator"));
    d.declare("Lbl_elx", label("Enable Elevation Rotator "));
    d.declare("ch_Test", checkBox(0));
    d.declare("lbl_Testtrak", hidden("Satellite is  above      the  horizon"));
    Control computed = label("", "The satellite's computed Elevation");
    computed.backColor = bgr::kWhite;
    computed.foreColor = 0x000080;
    d.declare("lbl_CompEle", computed);
    d.declare("lbl_compAz");
    d.declare("motor_red", hidden());
    d.declare("motor_black");
}

void declarePointingAndParking(Display& d) {
    d.declare("lbl_point", hidden("The Antennas are pointed at "));
    d.declare("lbl_parking", hidden("The Antennas are parking"));
    d.declare("lbl_parked", label("The Antennas are parked at"));
    d.declare("lbl_track",
              label("   Tracking Test                        Forced Parking",
                    "Click the white box to artificially push the satellite above the horizon. "
                    "Click the large box to force a  parking event."));
    d.declare("lbl_SatBearings",
              label("Flip Mode", "Double Click for manual flipping..Click to restore again"));
}

void declareManualEntryAndCalibration(Display& d) {
    d.declare("lbl_hf", label("Manual Entry", "Double click to enter Manual Entry mode."));
    d.declare("txt_aztxt");
    d.declare("txt_eltxt");
    d.declare("lbl_mask");
    d.declare("lbl_mask1", hidden());
    d.declare("lbl_calib", label("Calibrate."));
    d.declare("calcmd", hidden("Restore"));
    d.declare("lbl_calaz", hidden());
    d.declare("lbl_calel", hidden());
    d.declare("Text3", hidden(calibrationInstructions()));
    const std::string scaleTip =
        "Double click this box to change to cardinal compass point scale. Click again to "
        "restore.";
    for (const std::string& name : kCompassScaleLabels)
        d.declare(name, label("", name == "lbl_hf180" || name == "lbl_hf360" ? scaleTip : ""));
}

// An operator's click on a check box toggles it before its handler runs.
void bindCheckBox(Station& station, const std::string& box, void (*apply)(Station&)) {
    Display& d = station.display;
    d.on(box, ControlEvent::Click, [&station, box, apply] {
        Control& c = station.display[box];
        c.value = c.value != 0 ? 0 : 1;
        apply(station);
    });
    d.on(box, ControlEvent::Change, [&station, apply] { apply(station); });
}

}  // namespace

void declareRotatorControls(Display& display) {
    declareReadback(display);
    declareDrive(display);
    declarePointingAndParking(display);
    declareManualEntryAndCalibration(display);
}

void bindRotatorHandlers(Station& station) {
    using E = ControlEvent;
    bindHandler(station, "ResetAz", E::Click, ResetAz_Click);
    bindHandler(station, "ResetEl", E::Click, ResetEl_Click);
    bindCheckBox(station, "ch_RotAz", ch_RotAz_Click);
    bindCheckBox(station, "ch_RotEl", ch_RotEl_Click);
    bindCheckBox(station, "ch_Test", ch_Test_Click);
    bindHandler(station, "motor_red", E::DblClick, motor_red_DblClick);
    bindHandler(station, "lbl_Valaz", E::DblClick, lbl_Valaz_DblClick);
    bindHandler(station, "lbl_track", E::Click, lbl_track_Click);
    bindHandler(station, "lbl_SatBearings", E::Click, lbl_SatBearings_Click);
    bindHandler(station, "lbl_SatBearings", E::DblClick, lbl_SatBearings_DblClick);
    bindHandler(station, "lbl_hf", E::Click, lbl_hf_Click);
    bindHandler(station, "lbl_hf", E::DblClick, lbl_hf_DblClick);
    bindHandler(station, "txt_aztxt", E::Click, txt_aztxt_Click);
    bindHandler(station, "txt_eltxt", E::Click, txt_eltxt_Click);
    watchEnterKey(station, "txt_aztxt");
    watchEnterKey(station, "txt_eltxt");
    bindHandler(station, "lbl_calib", E::DblClick, lbl_calib_DblClick, true);
    bindHandler(station, "calcmd", E::Click, calcmd_Click);
    for (const char* scaleEnd : {"lbl_hf180", "lbl_hf360"}) {
        bindHandler(station, scaleEnd, E::Click, lbl_hf180_Click);
        bindHandler(station, scaleEnd, E::DblClick, lbl_hf180_DblClick);
    }
}

}  // namespace orvant

#include "tracking/calibration.h"

#include "controller/frame_layout.h"
#include "controller/link.h"
#include "controller/rotator_inhibits.h"
#include "station/station.h"
#include "station/waits.h"
#include "tracking/target_counts.h"

namespace orvant {

namespace {

constexpr std::int16_t kCalibrationIdlePollPasses = 220;

void showCalibrationView(Station& station, bool open) {
    Display& d = station.display;
    d.show("lbl_Azfed", !open);
    d.show("lbl_Elfed", !open);
    for (const char* name : {"lbl_calaz", "lbl_calel", "Text3", "calcmd"}) d.show(name, open);
}

void showCounts(Station& station) {
    station.display.setCaption("lbl_calaz", std::to_string(station.link.azCounts));
    station.display.setCaption("lbl_calel", std::to_string(station.link.elCounts));
}

}  // namespace

std::string calibrationInstructions() {
    std::string text;
    for (const char* line :
         {"Using the manual switches move ", "the antennas to their maximum ", "travel.",
          "The direction is that which makes ", "the green numbers increase in value.",
          "Adjust the voltage controls on the ", "rotator controller box so that the ",
          "black  boxes  toggle between 1022 ", "and 1023.", "Click the RESTORE button to end. ",
          "return. ", "return ", "to the main program."}) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

void lbl_calib_DblClick(Station& station) {
    RotatorState& rot = station.rot;
    // A second double-click while the view is open must not save the calibration's own poll
    // spacing over the operator's.
    if (rot.calibrating == 1) return;
    rot.savedIdlePollPasses = station.cfg.idlePollPasses;
    rot.calibrating = 1;
    station.cfg.idlePollPasses = kCalibrationIdlePollPasses;
    station.link.controllerFrame[frame::kDrive] = 0;
    inhibitRotators(station);
    laptop(station);
    station.display.setCaption("lbl_parking", "Antenna Calibration");
    station.display.setCaption("lbl_parked", "Antenna Calibration");
    showCalibrationView(station, true);
    waitUntil(station, [&station] {
        if (station.rot.calibrating == 0) return true;
        lapin(station);
        showCounts(station);
        return false;
    });
}

void calcmd_Click(Station& station) {
    RotatorState& rot = station.rot;
    if (rot.calibrating == 0) return;
    station.cfg.idlePollPasses = rot.savedIdlePollPasses;
    rot.calibrating = 0;
    station.link.controllerFrame[frame::kDrive] = 0;
    releaseInhibits(station);
    station.display.setCaption("lbl_parking", "The Antennas are parking");
    station.display.setCaption("lbl_parked", "Antennas are parked at");
    showCalibrationView(station, false);
}

}  // namespace orvant

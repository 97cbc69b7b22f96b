#include "tracking/drive_controls.h"

#include "controller/frame_layout.h"
#include "controller/rotator_inhibits.h"
#include "station/station.h"
#include "tracking/target_counts.h"

namespace orvant {

namespace {

constexpr std::uint32_t kDarkRed = 0x000080;

bool ticked(const Station& station, const char* box) {
    return station.display[box].value != 0;
}

}  // namespace

void ResetAz_Click(Station& station) {
    station.display.hide("ResetAz");
    station.display["hs_Azimuth"].value = 0;
}

void ResetEl_Click(Station& station) {
    station.display["hs_elevation"].value = 0;
    station.display.hide("ResetEl");
}

void ch_RotAz_Click(Station& station) {
    Display& d = station.display;
    const bool on = ticked(station, "ch_RotAz");
    d.show("lbl_Azfed", on);
    if (on) {
        d.hide("lbl_point");
        d.hide("lbl_parking");
        d.hide("lbl_parked");
    }
    releaseAzimuthInhibit(station);
}

void ch_RotEl_Click(Station& station) {
    station.display.show("lbl_Elfed", ticked(station, "ch_RotEl"));
    releaseElevationInhibit(station);
}

void ch_Test_Click(Station& station) {
    Display& d = station.display;
    Control& computed = d["lbl_CompEle"];
    const bool on = ticked(station, "ch_Test");
    if (on) {
        station.track.freqChanged = 1;
        station.track.forceAzSend = 1;
        station.track.forceElSend = 1;
        computed.backColor = bgr::kRed;
        computed.foreColor = bgr::kYellow;
    } else {
        computed.backColor = bgr::kWhite;
        computed.foreColor = kDarkRed;
    }
    d.show("lbl_Testtrak", on);
    d.show("lbl_track", !on);
}

void motor_red_DblClick(Station& station) {
    station.link.controllerFrame[frame::kDrive] = 0;
}

void lbl_Valaz_DblClick(Station& station) {
    station.track.loopHold = 0;
}

}  // namespace orvant

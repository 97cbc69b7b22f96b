#include "radio/full_doppler_tuning.h"

#include "radio/frequency_switches.h"
#include "radio/radio_types.h"
#include "radio/yaesu/ft736_dial.h"
#include "station/station.h"

namespace orvant {

namespace {

// Controls that give way to the full-Doppler prompt while the operator tunes the dial.
constexpr const char* kTuningHides[] = {"hs_DnFine", "lbl_DnText", "lbl_DnVal", "lbl_Up_read",
                                        "lbl_down_read"};

void readDownlinkDial(Station& station) {
    station.display.fire("lbl_down_read", ControlEvent::DblClick);
}

// The FT-100 keeps its receiver inhibited after the dial was read.
bool ft100Fitted(const SatelliteRecord& sat) {
    for (const int side : {0, 1}) {
        const RadioType* type = radioTypeAt(sat, side);
        if (type && type->driver == RadioDriver::Ft100) return true;
    }
    return false;
}

}  // namespace

void lbl_fdt_DblClick(Station& station) {
    Display& d = station.display;
    d.setCaption("lbl_fdt", "RESTORE");
    d["lbl_fdt"].backColor = bgr::kYellow;
    d.show("lbl_get_dnfreq");
    d.hide("lbl_voice");
    Lbl_inhibit_rx_DblClick(station);
    lbl_inhibit_tx_DblClick(station);
    for (const char* name : kTuningHides) d.hide(name);
    d.hide("ResetDown");
    d.show("lbl_UpText");
    d.show("lbl_UpVal");
    // The FT-736R's dial is typed in at once.
    if (holdsFt736(station, 1)) {
        d.hide("lbl_get_dnfreq");
        dial_736(station);
    }
}

void lbl_get_dnfreq_DblClick(Station& station) {
    if (station.sat.offsetMHz == 0) return;
    Display& d = station.display;
    d["hs_DnFine"].value = 0;
    readDownlinkDial(station);
    station.track.freqChanged = 1;
    if (!ft100Fitted(station.sat)) Lbl_inhibit_rx_Click(station);
    lbl_inhibit_tx_Click(station);
    d.hide("lbl_get_dnfreq");
    d.show("lbl_voice");
    d.show("hs_DnFine");  // the slider that trims the voice
    d["lbl_fdt"].backColor = bgr::kGrey;
}

void lbl_fdt_Click(Station& station) {
    Display& d = station.display;
    d.setCaption("lbl_fdt", "Full Doppler Tuning");
    Lbl_inhibit_rx_Click(station);
    lbl_inhibit_tx_Click(station);
    d.hide("lbl_get_dnfreq");
    d.hide("lbl_voice");
    d["lbl_fdt"].backColor = bgr::kGrey;
    for (const char* name : kTuningHides) d.show(name);
}

void lbl_fdt_read_DblClick(Station& station) {
    readDownlinkDial(station);
}

}  // namespace orvant

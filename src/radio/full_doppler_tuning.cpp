#include "radio/full_doppler_tuning.h"

#include "radio/frequency_switches.h"
#include "station/station.h"

namespace orvant {

namespace {

// The FT-100 (radio type code 23) keeps its receiver inhibited after the dial was read.
constexpr std::int16_t kFt100 = 23;

// Controls that give way to the full-Doppler prompt while the operator tunes the dial.
constexpr const char* kTuningHides[] = {"hs_DnFine", "lbl_DnText", "lbl_DnVal", "lbl_Up_read",
                                        "lbl_down_read"};

void readDownlinkDial(Station& station) {
    station.display.fire("lbl_down_read", ControlEvent::DblClick);
}

bool ft100Fitted(const SatelliteRecord& sat) {
    return sat.uplinkRadioType == kFt100 || sat.downlinkRadioType == kFt100;
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

#include "radio/frequency_switches.h"

#include "radio/frequency_text.h"
#include "radio/yaesu/ft736_dial.h"
#include "station/station.h"

namespace orvant {

namespace {

void colourFreezeLabels(Display& d, std::uint32_t foreColor) {
    for (const char* name : {"lbl_DopCor", "lbl_DnText", "lbl_UpText"})
        d[name].foreColor = foreColor;
}

// Satellite files without a beacon give 0, which the guard makes 1 Hz.
bool satelliteHasBeacon(const Station& s) {
    return s.sat.beaconMHz - kGuardMHz > kGuardMHz / 2;
}

// An FT-736R leaves CAT control once every link it serves is inhibited, so that its dial is the
// operator's, and is set up again as soon as one of them is released; a radio that still tunes a
// link stays under CAT control.
void switchInhibit(Station& s, bool& flag, bool inhibited) {
    const bool wasOut[] = {ft736OutOfCat(s, 0), ft736OutOfCat(s, 1)};
    flag = inhibited;
    for (const int side : {0, 1}) {
        const bool out = ft736OutOfCat(s, side);
        if (out && !wasOut[side]) yaesu_exit(s, side);
        if (!out && wasOut[side]) resume736(s, side);
    }
}

void inhibit(Station& s, const char* label, bool& flag) {
    s.display[label].backColor = bgr::kRed;
    s.display[label].foreColor = bgr::kYellow;
    switchInhibit(s, flag, true);
}

void release(Station& s, const char* label, bool& flag) {
    s.display[label].backColor = bgr::kGrey;
    s.display[label].foreColor = bgr::kDarkBlue;
    s.track.freqChanged = 1;
    switchInhibit(s, flag, false);
}

void resetSlider(Station& s, const char* slider, const char* resetLabel) {
    s.display[slider].value = 0;
    s.display.hide(resetLabel);
}

}  // namespace

// The beacon counts as tuned only for the satellite it was tuned for: another satellite's file
// brings its own downlink.
bool beaconTuned(const Station& station) {
    return station.freq.beaconOn && station.freq.beaconSatellite == station.sat.path;
}

void lbl_DopCor_DblClick(Station& station) {
    station.freq.freezeFlag = true;
    station.track.freqChanged = 1;
    Display& d = station.display;
    d.setCaption("lbl_DopCor", "Click to RESTORE");
    d.setCaption("lbl_DnText", "Doppler");
    d.setCaption("lbl_UpText", "Doppler");
    colourFreezeLabels(d, bgr::kYellow);
}

void lbl_DopCor_Click(Station& station) {
    station.freq.freezeFlag = false;
    Display& d = station.display;
    d.setCaption("lbl_DopCor", "Doppler Corrected Freq's.");
    d.setCaption("lbl_DnText", "Khz");
    d.setCaption("lbl_UpText", "Khz");
    colourFreezeLabels(d, bgr::kDarkBlue);
}

void lbl_beacon_DblClick(Station& station) {
    if (!satelliteHasBeacon(station) || beaconTuned(station)) return;
    FrequencyState& f = station.freq;
    f.savedDownlinkBase = station.sat.downlinkMHz;
    f.beaconOn = true;
    f.beaconSatellite = station.sat.path;
    station.sat.downlinkMHz = station.sat.beaconMHz;
    station.display["lbl_beacon"].foreColor = bgr::kRed;
}

void lbl_beacon_Click(Station& station) {
    if (!satelliteHasBeacon(station)) return;
    if (beaconTuned(station)) station.sat.downlinkMHz = station.freq.savedDownlinkBase;
    station.freq.beaconOn = false;
    station.display["lbl_beacon"].foreColor = bgr::kDarkBlue;
}

void Lbl_inhibit_rx_DblClick(Station& station) {
    inhibit(station, "Lbl_inhibit_rx", station.radio.rxInhibit);
}

void Lbl_inhibit_rx_Click(Station& station) {
    release(station, "Lbl_inhibit_rx", station.radio.rxInhibit);
}

void lbl_inhibit_tx_DblClick(Station& station) {
    inhibit(station, "lbl_inhibit_tx", station.radio.txInhibit);
}

void lbl_inhibit_tx_Click(Station& station) {
    release(station, "lbl_inhibit_tx", station.radio.txInhibit);
}

void inhibitRadiosAtStart(Station& station) {
    Lbl_inhibit_rx_DblClick(station);
    lbl_inhibit_tx_DblClick(station);
}

void lbl_fine_mult_Click(Station& station) {
    station.sat.fineStepHz *= 10;
}

void lbl_fine_div_Click(Station& station) {
    station.sat.fineStepHz /= 10;
}

void ResetUP_Click(Station& station) {
    resetSlider(station, "hs_UpFine", "ResetUP");
}

void ResetDown_Click(Station& station) {
    resetSlider(station, "hs_DnFine", "ResetDown");
}

void Llb_gate_Click(Station& station) {
    station.track.freqChanged = 1;
    station.freq.gateTripped = true;
}

}  // namespace orvant

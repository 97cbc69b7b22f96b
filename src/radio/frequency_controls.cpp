#include "radio/frequency_controls.h"

#include <string>

#include "radio/fixed_frequency_entry.h"
#include "radio/frequency_switches.h"
#include "radio/full_doppler_tuning.h"
#include "station/handlers.h"
#include "station/station.h"
#include "station/waits.h"

namespace orvant {

namespace {

// The frequency area's labels are written in dark blue.
Control label(std::string caption, std::string tooltip = {}, bool visible = true) {
    Control c = labelControl(std::move(caption), std::move(tooltip), visible);
    c.foreColor = bgr::kDarkBlue;
    return c;
}

void declareReadouts(Display& d) {
    for (const char* name : {"lbl_DnFreq", "lbl_UpFreq"}) d.declare(name);
    for (const char* name : {"lbl_DnText", "lbl_UpText"}) d.declare(name, label("Khz"));
    d.declare("lbl_FreqFine", label("10", "Slider step in Hz."));
    d.declare("lbl_fine_mult", label("x10"));
    d.declare("lbl_fine_div", label("/10"));
    d.declare("ResetUP", label("", {}, false));
    d.declare("ResetDown", label("", {}, false));
    Control& freeze = d["lbl_DopCor"];
    freeze.caption = "Doppler Corrected Freq's.";
    freeze.tooltip = "Double Click to freeze frequency transactions";
    freeze.foreColor = bgr::kDarkBlue;
    d["Llb_gate"].tooltip = "Doppler frequency shift counter gate. Click to reset";
}

void declareInhibitsAndTuning(Display& d) {
    d.declare("Lbl_inhibit_rx", label("Inhibit Rx Doppler"));
    d.declare("lbl_inhibit_tx", label("Inhibit Tx Doppler"));
    d.declare("lbl_get_dnfreq",
              label("Tune Dial to the QSO Frequency and Double Click this box", {}, false));
    d.declare("lbl_voice", label("Use the slider to adjust voice quality.", {}, false));
    d.declare("lbl_fdt_read");
    // The FT-736R's typed uplink dial; its Return ends an entry as any entry box's does.
    d.declare("txt_uplink", label("", {}, false));
}

}  // namespace

void declareFrequencyControls(Display& display) {
    declareReadouts(display);
    declareInhibitsAndTuning(display);
}

void bindFrequencyHandlers(Station& station) {
    using E = ControlEvent;
    bindHandler(station, "lbl_DopCor", E::DblClick, lbl_DopCor_DblClick);
    bindHandler(station, "lbl_DopCor", E::Click, lbl_DopCor_Click);
    bindHandler(station, "lbl_beacon", E::DblClick, lbl_beacon_DblClick);
    bindHandler(station, "lbl_beacon", E::Click, lbl_beacon_Click);
    bindHandler(station, "Lbl_inhibit_rx", E::DblClick, Lbl_inhibit_rx_DblClick);
    bindHandler(station, "Lbl_inhibit_rx", E::Click, Lbl_inhibit_rx_Click);
    bindHandler(station, "lbl_inhibit_tx", E::DblClick, lbl_inhibit_tx_DblClick);
    bindHandler(station, "lbl_inhibit_tx", E::Click, lbl_inhibit_tx_Click);
    bindHandler(station, "lbl_fine_mult", E::Click, lbl_fine_mult_Click);
    bindHandler(station, "lbl_fine_div", E::Click, lbl_fine_div_Click);
    bindHandler(station, "ResetUP", E::Click, ResetUP_Click);
    bindHandler(station, "ResetDown", E::Click, ResetDown_Click);
    bindHandler(station, "Llb_gate", E::Click, Llb_gate_Click);
    bindHandler(station, "lbl_fdt", E::DblClick, lbl_fdt_DblClick);
    bindHandler(station, "lbl_fdt", E::Click, lbl_fdt_Click);
    bindHandler(station, "lbl_get_dnfreq", E::DblClick, lbl_get_dnfreq_DblClick);
    bindHandler(station, "lbl_fdt_read", E::DblClick, lbl_fdt_read_DblClick);
    bindHandler(station, "txt_rad_left", E::Click, radleft);
    bindHandler(station, "txt_rad_right", E::Click, radright);
    for (const char* box : {"txt_rad_left", "txt_rad_right", "txt_736_freq", "txt_uplink"})
        watchEnterKey(station, box);
}

}  // namespace orvant

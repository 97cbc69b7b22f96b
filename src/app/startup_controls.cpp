#include "app/startup_controls.h"

#include "app/file_list.h"
#include "station/station.h"

namespace orvant {

namespace {

Control hidden() {
    return labelControl({}, {}, false);
}

}  // namespace

void declareStartupControls(Display& d) {
    d.declare("Form1", hidden());
    d.declare("File1", hidden());
    for (const char* panel : {"hf_frame", "frame_default", "frame_450", "frame_south", "Frame_5"})
        d.declare(panel, hidden());
    // Status and mask labels of the tracking-program modes.
    for (const char* name : {"lbl_wisp_mask", "lbl_wisp_mask1", "lbl_mask", "lbl_mask1",
                             "lbl_mask3", "lbl_simplex", "lbl_satell", "lbl_parked"})
        d.declare(name, hidden());
    for (const char* name : {"lbl_Base", "lbl_sat_name", "lbl_SatBearings", "lbl_dde_cntr",
                             "lbl_compAz", "lbl_CompEle"})
        d.declare(name);
    // Frequency readouts and fine tuning, driven by the radios.
    for (const char* name : {"lbl_DopCor", "lbl_DnDop", "lbl_UpDop", "lbl_Downlinkmain",
                             "lbl_Uplinlkmain", "lbl_UpVal", "lbl_DnVal", "Llb_gate", "hs_UpFine",
                             "hs_DnFine", "txt_rad_left", "txt_rad_right"})
        d.declare(name);
    // The FT-736R's frequency entry box, shown only while the operator types that radio's
    // frequency in; forced parking hides it with the other entry boxes.
    d.declare("txt_736_freq", hidden());
    d.declare("lbl_track", hidden());
    d.declare("lbl_Testtrak", hidden());
}

void bindStartupHandlers(Station& s) {
    s.display.on("File1", ControlEvent::Click, [&s] { File1_Click(s); });
}

}  // namespace orvant

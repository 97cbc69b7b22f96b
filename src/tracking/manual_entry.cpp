#include "tracking/manual_entry.h"

#include <cmath>

#include "config/text_rules.h"
#include "controller/frame_layout.h"
#include "station/station.h"
#include "station/tracker_kinds.h"
#include "station/waits.h"
#include "tracking/target_counts.h"

namespace orvant {

namespace {

void showEntryBoxes(Station& station, bool visible) {
    for (const char* name :
         {"txt_aztxt", "txt_eltxt", "txt_rad_right", "txt_rad_left", "lbl_mask", "lbl_mask1"})
        station.display.show(name, visible);
    station.display.show("Llb_gate", !visible);
    station.display.show("ch_Test", !visible);
}

double shownNumber(const Station& station, const char* label) {
    return leadingNumber(station.display[label].caption);
}

// The wait of an entry: the window runs (the loop stands still) until Enter is pressed. An empty
// box takes the read-back position of the axis, written back into the box.
double typedValue(Station& station, const char* box, const char* readBack) {
    station.display.setCaption(box, "");
    waitUntil(station, [&station] { return station.rot.enterPressed == 1; });
    station.rot.enterPressed = 0;
    if (station.display[box].caption.empty())
        station.display.setCaption(box, station.display[readBack].caption);
    return leadingNumber(station.display[box].caption);
}

void beginEntry(Station& station) {
    station.link.controllerFrame[frame::kDrive] = 1;
    station.track.satElevation = shownNumber(station, "lbl_Elfed");
}

// The bearing now held, the typed axis and the other one's present position, is the one to send.
void endEntry(Station& station) {
    station.track.manualPointing = 1;
    station.rot.typedBearing = {.held = true,
                                .azimuthDeg = station.track.satAzimuth,
                                .elevationDeg = station.track.satElevation};
}

}  // namespace

void lbl_hf_DblClick(Station& station) {
    if (underWispOrNova(station.track)) return;
    station.display.setCaption("lbl_SatBearings", "Enter bearings and press return");
    station.display.setCaption("lbl_DopCor", "");
    showEntryBoxes(station, true);
}

void lbl_hf_Click(Station& station) {
    if (underWispOrNova(station.track)) return;
    station.display.setCaption("lbl_SatBearings", "Flipping Off");
    station.display.setCaption("lbl_DopCor", "Doppler Corrected Freq's.");
    showEntryBoxes(station, false);
}

void txt_aztxt_Click(Station& station) {
    beginEntry(station);
    station.track.satAzimuth = shownNumber(station, "lbl_Azfed");
    station.track.satAzimuth = typedValue(station, "txt_aztxt", "lbl_Azfed");
    endEntry(station);
}

void txt_eltxt_Click(Station& station) {
    beginEntry(station);
    station.track.satElevation = typedValue(station, "txt_eltxt", "lbl_Elfed");
    endEntry(station);
}

void holdTypedBearing(Station& station) {
    RotatorState::TypedBearing& typed = station.rot.typedBearing;
    TrackingState& track = station.track;
    if (!typed.held) return;
    if (!typed.modelNoted) {
        typed.modelNoted = true;
        typed.modelAzimuthDeg = track.satAzimuth;
        typed.modelElevationDeg = track.satElevation;
    } else if (std::fabs(track.satAzimuth - typed.modelAzimuthDeg) >= station.cfg.azUpdateStep ||
               std::fabs(track.satElevation - typed.modelElevationDeg) >=
                   station.cfg.elUpdateStep) {
        typed = {};
        return;
    }
    track.satAzimuth = typed.azimuthDeg;
    track.satElevation = typed.elevationDeg;
}

}  // namespace orvant

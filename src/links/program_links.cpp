#include "config/text_rules.h"
#include "links/link_messages.h"
#include "links/phase_display.h"
#include "links/tracker_hooks.h"
#include "links/tracker_poll.h"
#include "station/handlers.h"
#include "station/station.h"
#include "station/tracker_kinds.h"

namespace orvant {

namespace {

// Each field of WinTrak's and WinOrbit's texts ends in "|"; the link closes the last one.
std::string fieldsClosed(const std::string& reply) {
    return reply + "|";
}

std::string wispClosed(const std::string& reply) {
    return trim(reply + "|");
}

const TrackerLink kWinTrak{"lbl_wintrak_dde", "WinTrak Pro", "DDEForm",       "All",
                           "WinTrak Bearing", fieldsClosed,  readWinTrakText, winTrakFailureText};
const TrackerLink kWinOrbit{"lbl_orbitdde",   "WinOrbit",         "TrackingInfo",
                            "MultiInfo",      "WinOrbit Bearing", fieldsClosed,
                            readWinOrbitText, winOrbitFailureText};
const TrackerLink kWisp{"lbl_DDEGet",     "GSC",      "Tracking",   "General",
                        "WISP Position.", wispClosed, readWispText, wispFailureText};

// WISP names the satellite: also the satellite file to load.
void takeWispName(Station& s, const std::string& status, const std::string& name) {
    s.track.trackerStatus = status;
    s.track.satName = name;
    s.app.satName = name;
}

// WISP judges visibility itself and names the satellite file to load. Under full DDE control it
// also supplies the position and the base frequencies, which must then be numbers; otherwise the
// orbit model does, and only the name counts.
void pollWisp(Station& s, const std::string& status) {
    TrackingState& t = s.track;
    if (saysBelowHorizon(status)) {
        t.trackerStatus = status;
        handleBelowHorizon(s);
        return;
    }
    if (t.fullDdeControl == 0) {
        const std::optional<std::string> name = readWispName(status);
        if (!name) return;
        takeWispName(s, status, *name);
        handleUp(s);
        t.satNameShown = t.satName;
        return;
    }
    const std::optional<TrackerReading> reading = readWispText(status);
    if (!reading) return;
    takeWispName(s, status, reading->name);
    s.display.setCaption("lbl_Base", "Doppler Corrected Freq");
    storeGoodPoll(s, kWisp, *reading);
}

}  // namespace

void lbl_wintrak_dde_Click(Station& s) {
    if (const auto status = fetchStatus(s, kWinTrak)) judgeAndStore(s, kWinTrak, *status);
}

void lbl_orbitdde_Click(Station& s) {
    if (const auto status = fetchStatus(s, kWinOrbit)) judgeAndStore(s, kWinOrbit, *status);
}

void lbl_DDEGet_DblClick(Station& s) {
    if (const auto status = fetchStatus(s, kWisp)) pollWisp(s, *status);
}

void pollTrackingProgram(Station& s) {
    switch (s.track.trackerKind) {
        case tracker::kWisp:
            return lbl_DDEGet_DblClick(s);
        case tracker::kNova:
            return lbl_Nova_dde_Click(s);
        case tracker::kWinOrbit:
            return lbl_orbitdde_Click(s);
        case tracker::kWinTrak:
            return lbl_wintrak_dde_Click(s);
        default:
            return;
    }
}

void declareLinkControls(Display& display) {
    for (const char* name :
         {"lbl_DDEGet", "lbl_Nova_dde", "lbl_orbitdde", "lbl_wintrak_dde", "send_dde"})
        display.declare(name, labelControl({}, {}, false));
    declarePhaseControls(display);
}

// Every poll may talk to the card: NOVA's pre-positioning, and the shutdown of a failed poll.
void bindLinkHandlers(Station& station) {
    bindHandler(station, "lbl_DDEGet", ControlEvent::DblClick, lbl_DDEGet_DblClick, true);
    bindHandler(station, "lbl_Nova_dde", ControlEvent::Click, lbl_Nova_dde_Click, true);
    bindHandler(station, "lbl_orbitdde", ControlEvent::Click, lbl_orbitdde_Click, true);
    bindHandler(station, "lbl_wintrak_dde", ControlEvent::Click, lbl_wintrak_dde_Click, true);
    bindHandler(station, "send_dde", ControlEvent::Click, send_dde_Click, true);
    bindPhaseHandlers(station);
}

}  // namespace orvant

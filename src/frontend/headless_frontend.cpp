#include "frontend/headless_frontend.h"

#include <cstdio>

#include "config/text_rules.h"
#include "radio/frequency_stage.h"
#include "station/station.h"
#include "tracking/main_loop.h"
#include "tracking/net_source.h"
#include "tracking/orbit_model.h"
#include "tracking/pointing.h"

namespace orvant {

void writeMessage(std::ostream& out, const std::string& text) {
    std::string shown;
    for (char c : text)
        if (c != '\r') shown += c;
    out << "[message] " << shown << "\n";
    out.flush();
}

void writeNote(std::ostream& out, const std::string& text) {
    out << "orvant: " << text << std::endl;
}

void StreamAlerts::messageBox(const std::string& text) {
    writeMessage(out_, text);
    out_ << "[message] OK\n";
    out_.flush();
}

void StreamAlerts::beep() {
    out_ << '\a';
    out_.flush();
}

void StreamAlerts::note(const std::string& text) {
    writeNote(out_, text);
}

namespace {

// Nothing is tracked before the polling loop runs (while start-up or the file list waits), nor
// under WISP before its first poll. The antennas track while the targets are formed in view (the
// satellite's elevation, or its mirror while test tracking is ticked), unless the operator forced
// parking: then they stay parked until the pass has ended.
bool tracking(const Station& s) {
    return s.app.loopRunning && !awaitingWispPoll(s.track) && !s.track.operatorParking &&
           targetInView(s);
}

// The rotator's bearing as the window shows it: the readback turns the counts into degrees for
// each rotator type, and in flip mode.
std::string shownBearing(const Station& s, const char* label) {
    return fixed(leadingNumber(s.display[label].caption) + 0.0, 0);
}

std::string clockText(const LocalDateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}

// The orbit model that points, where it is not the station's own, or where it has no position:
// the line stays as it always was on the default model.
std::string pointingModel(const Station& s) {
    const std::string model = orbitModelText(s);
    const bool named = s.cfg.orbitModel != OrbitModelKind::Own || !s.track.orbitFault.empty();
    return model.empty() || !named ? "" : " orbit " + model;
}

// The servers of network clients, when the program serves any.
std::string servedClients(const Station& s) {
    const std::string served = netSourceText(s);
    return served.empty() ? "" : " | " + served;
}

}  // namespace

std::string StatusLines::next(const Station& s) {
    std::string state = "waiting";
    if (s.track.parkingDue) {
        state = "parking";
    } else if (tracking(s)) {
        state = "tracking";
        trackedSinceStart_ = true;
    } else if (trackedSinceStart_ && s.display["lbl_parked"].visible) {
        state = "parked";
    }
    return clockText(s.platform.host.localTime()) + " sat " + s.track.satFileName + " az " +
           fixed(s.track.satAzimuth + 0.0, 0) + " el " + fixed(s.track.satElevation + 0.0, 0) +
           " rot az " + shownBearing(s, "lbl_Azfed") + " el " + shownBearing(s, "lbl_Elfed") +
           " up " + fixed(correctedUplinkMHz(s), 6) + " dn " + fixed(correctedDownlinkMHz(s), 6) +
           " " + state + pointingModel(s) + servedClients(s);
}

}  // namespace orvant

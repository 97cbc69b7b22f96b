#include "links/tracker_poll.h"

#include <algorithm>

#include "config/text_rules.h"
#include "links/phase_display.h"
#include "shutdown/shutdown.h"
#include "station/station.h"

namespace orvant {

bool saysBelowHorizon(const std::string& status) {
    return mid(status, 4, 2) == "NO";
}

std::optional<std::string> fetchStatus(Station& station, const TrackerLink& link) {
    const ConversationReply reply =
        station.platform.conversations.request(link.service, link.topic, link.item);
    if (reply.status == ConversationStatus::Refused) failLink(station, link);
    if (reply.status != ConversationStatus::Ok) return {};  // timed out, or answered badly
    std::string status = link.normalise(reply.text);
    station.display.setCaption(link.control, status);
    std::replace(status.begin(), status.end(), ',', '.');
    return status;
}

void failLink(Station& station, const TrackerLink& link) {
    station.platform.alerts.messageBox(link.failureText(station));
    shutDownAfterFatalDialog(station);
}

void handleBelowHorizon(Station& station) {
    TrackingState& t = station.track;
    t.ma256 = kPhaseBelowHorizon;
    if (t.losHandled != 0) return;
    if (!t.parkingDue) {
        t.parkingDue = true;
        t.closeDone = 0;
    }
    t.losHandled = 1;
    t.satNameShown = "DEFAULT";
    t.satNamePrev = "DEFAULT";
}

void handleUp(Station& station) {
    TrackingState& t = station.track;
    t.losHandled = 0;
    if (!t.operatorParking) t.parkingDue = false;
}

void storeGoodPoll(Station& station, const TrackerLink& link, const TrackerReading& reading) {
    TrackingState& t = station.track;
    handleUp(station);
    t.satAzimuth = reading.satAzimuth;
    t.satElevation = reading.satElevation;
    if (reading.rangeRate) t.rangeRate = *reading.rangeRate;
    if (reading.wintrakDoppler) station.freq.wintrakDoppler = *reading.wintrakDoppler;
    if (reading.uplinkMHz) station.sat.uplinkMHz = *reading.uplinkMHz;
    if (reading.downlinkMHz) station.sat.downlinkMHz = *reading.downlinkMHz;
    t.ma256 = reading.ma256;
    showPhase(station);
    station.display.setCaption("lbl_satpos", link.positionCaption);
    t.satNameShown = t.satName;
}

void judgeAndStore(Station& station, const TrackerLink& link, const std::string& status) {
    const std::optional<TrackerReading> reading = link.read(status);
    // No data, or an elevation of exactly 0 (NOVA's below one degree): nothing changes, the
    // status included, which the loop would otherwise read as a satellite in view.
    if (!reading || reading->horizonTest == 0) return;
    TrackingState& t = station.track;
    t.trackerStatus = status;
    t.fullDdeControl = 1;
    t.satName = reading->name;
    if (reading->flip) station.app.flipChoice = *reading->flip;
    if (link.nearHorizon) link.nearHorizon(station, *reading);
    if (reading->horizonTest <= station.cfg.minElevation) t.trackerStatus = kBelowHorizonStatus;
    if (saysBelowHorizon(t.trackerStatus)) {
        handleBelowHorizon(station);
        return;
    }
    storeGoodPoll(station, link, *reading);
    t.trackerStatus = "SN" + t.trackerStatus;
}

}  // namespace orvant

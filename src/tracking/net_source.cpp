#include "tracking/net_source.h"

#include "config/text_rules.h"
#include "links/net_commands.h"
#include "links/tracker_poll.h"
#include "station/station.h"
#include "station/tracker_kinds.h"
#include "tracking/parking.h"

namespace orvant {

namespace {

const TrackerLink kRotctld{"", "", "", "", "rotctld Position", nullptr, nullptr, nullptr};

RotatorFacts rotatorFacts(const Station& s) {
    const bool wide = s.cfg.rotatorType >= 2;  // the 450-degree types
    return {leadingNumber(s.display["lbl_Azfed"].caption),
            leadingNumber(s.display["lbl_Elfed"].caption), 0, wide ? 450.0 : 360.0};
}

// A position from a client: the satellite is in view at it, or below the horizon under the
// minimum elevation, as a tracking program's position would be judged.
void takePosition(Station& s, double azimuth, double elevation) {
    TrackingState& t = s.track;
    t.netPositionMs = s.platform.host.elapsedMs();
    t.fullDdeControl = 1;
    // The satellite stays the one loaded from the command line: no other file is loaded.
    t.satName = s.app.satName;
    t.satNamePrev = s.app.satName;
    t.satChangeHandled = 1;
    if (elevation < s.cfg.minElevation) {
        t.trackerStatus = kBelowHorizonStatus;
        handleBelowHorizon(s);
        return;
    }
    TrackerReading reading;
    reading.satAzimuth = azimuth;
    reading.satElevation = elevation;
    reading.ma256 = t.ma256;
    storeGoodPoll(s, kRotctld, reading);
    t.trackerStatus = "SN";
}

void carryOut(Station& s, LineServer& server, int client, const NetRequest& request) {
    switch (request.kind) {
        case NetRequestKind::Point:
            return takePosition(s, request.first, request.second);
        case NetRequestKind::Park:
            return lbl_track_Click(s);
        case NetRequestKind::Close:
            return server.drop(client);
        default:
            return;  // a stop holds the last target
    }
}

void answer(Station& s, LineServer& server, const ClientLine& line) {
    const NetAnswer reply = line.tooLong ? NetAnswer{tooLongReply(), {}}
                                         : answerRotatorLine(line.text, rotatorFacts(s));
    s.platform.trace.event("net", {{"server", std::string("rotctld")},
                                   {"client", static_cast<std::int64_t>(line.client)},
                                   {"line", line.text},
                                   {"reply", reply.reply}});
    server.send(line.client, reply.reply);
    carryOut(s, server, line.client, reply.request);
}

// No position for longer than the loss time: the end of the pass, parking follows.
void watchPositionAge(Station& s) {
    TrackingState& t = s.track;
    if (left(t.trackerStatus, 2) != "SN") return;
    if (s.platform.host.elapsedMs() - t.netPositionMs <= kNetPositionLossMs) return;
    t.trackerStatus = kBelowHorizonStatus;
    handleBelowHorizon(s);
}

}  // namespace

void serveNetClients(Station& s) {
    LineServer* server = s.platform.rotatorServer;
    if (!server) return;
    for (const ClientLine& line : server->poll()) answer(s, *server, line);
    watchPositionAge(s);
}

}  // namespace orvant

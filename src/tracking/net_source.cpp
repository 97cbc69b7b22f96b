#include "tracking/net_source.h"

#include "config/text_rules.h"
#include "links/net_commands.h"
#include "links/tracker_poll.h"
#include "station/station.h"
#include "station/tracker_kinds.h"
#include "tracking/net_radio.h"
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

NetAnswer answerRotatorClient(const Station& s, int, const std::string& line) {
    return answerRotatorLine(line, rotatorFacts(s));
}

void carryOutRotatorRequest(Station& s, int, const NetRequest& request) {
    if (request.kind == NetRequestKind::Point) takePosition(s, request.first, request.second);
    if (request.kind == NetRequestKind::Park) lbl_track_Click(s);
    // A stop holds the last target.
}

// One of the two servers: its name, where the platform keeps it, and its side of the protocol.
struct NetService {
    const char* name;
    LineServer* Platform::*server;
    NetAnswer (*answer)(const Station& station, int client, const std::string& line);
    void (*carryOut)(Station& station, int client, const NetRequest& request);
};

const NetService kNetServices[] = {
    {"rotctld", &Platform::rotatorServer, answerRotatorClient, carryOutRotatorRequest},
    {"rigctld", &Platform::radioServer, answerRadioClient, carryOutRadioRequest},
};

void answer(Station& s, const NetService& service, LineServer& server, const ClientLine& line) {
    const NetAnswer reply =
        line.tooLong ? NetAnswer{tooLongReply(), {}} : service.answer(s, line.client, line.text);
    s.platform.trace.event("net", {{"server", std::string(service.name)},
                                   {"client", static_cast<std::int64_t>(line.client)},
                                   {"line", line.text},
                                   {"reply", reply.reply}});
    if (!reply.reply.empty()) server.send(line.client, reply.reply);
    if (reply.request.kind == NetRequestKind::Close) server.drop(line.client);
    service.carryOut(s, line.client, reply.request);
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

void declareNetSourceControl(Station& s) {
    if (!netSourceText(s).empty()) s.display.declare(kNetSourceLabel, labelControl({}));
}

void serveNetClients(Station& s) {
    for (const NetService& service : kNetServices) {
        LineServer* server = s.platform.*service.server;
        if (!server) continue;
        for (const ClientLine& line : server->poll()) answer(s, service, *server, line);
    }
    if (s.platform.rotatorServer) watchPositionAge(s);
    sendWhenClientsUplinkMoved(s);
    setUpWhenClientsModeChanged(s);
    if (s.display.has(kNetSourceLabel)) s.display.setCaption(kNetSourceLabel, netSourceText(s));
}

std::string netSourceText(const Station& s) {
    std::string text;
    for (const NetService& service : kNetServices) {
        const LineServer* server = s.platform.*service.server;
        if (!server) continue;
        const int clients = server->clientCount();
        text += (text.empty() ? "" : "; ") + std::string(service.name) + " " + server->address() +
                ", " + std::to_string(clients) + (clients == 1 ? " client" : " clients");
    }
    return text;
}

}  // namespace orvant

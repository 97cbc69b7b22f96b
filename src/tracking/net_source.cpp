#include "tracking/net_source.h"

#include <algorithm>
#include <vector>

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

// A position at or below the minimum elevation is the satellite below the horizon, by the
// tracking programs' rule: the antennas wait there for the next pass (gpredict points at the
// next rise with elevation 0), and a pass underway ends.
void takeWaitingPosition(Station& s, double azimuth, double elevation) {
    TrackingState& t = s.track;
    const bool passUnderway = left(t.trackerStatus, 2) == "SN";
    t.trackerStatus = kBelowHorizonStatus;
    t.satAzimuth = azimuth;
    t.waitingPosition = TrackingState::Bearing{azimuth, elevation};
    if (passUnderway) handleBelowHorizon(s);
}

// A position from a client: the satellite is in view above the minimum elevation, as a tracking
// program's position would be judged.
void takePosition(Station& s, double azimuth, double elevation) {
    TrackingState& t = s.track;
    t.fullDdeControl = 1;
    // The satellite stays the one loaded from the command line: no other file is loaded.
    t.satName = s.app.satName;
    t.satNamePrev = s.app.satName;
    t.satChangeHandled = 1;
    if (elevation <= s.cfg.minElevation) return takeWaitingPosition(s, azimuth, elevation);
    t.waitingPosition.reset();
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

// A position or a parking request waits for the loop: entering in the middle of a pass, it
// would meet stages that have already judged the pass by the position before. A stop holds the
// last target.
void noteRotatorRequest(Station& s, int, const NetRequest& request) {
    auto& requests = s.track.rotatorRequests;
    if (request.kind == NetRequestKind::Point)
        requests.push_back(TrackingState::Bearing{request.first, request.second});
    if (request.kind == NetRequestKind::Park) requests.push_back(std::nullopt);
}

void carryOutRotatorRequests(Station& s) {
    std::vector<std::optional<TrackingState::Bearing>> requests;
    requests.swap(s.track.rotatorRequests);
    for (const auto& request : requests) {
        if (request) {
            takePosition(s, request->azimuth, request->elevation);
        } else {
            s.track.waitingPosition.reset();  // parked, the antennas stay parked
            lbl_track_Click(s);
        }
    }
}

// One of the two servers: its name, where the platform keeps it, and its side of the protocol.
struct NetService {
    const char* name;
    LineServer* Platform::*server;
    NetAnswer (*answer)(const Station& station, int client, const std::string& line);
    void (*carryOut)(Station& station, int client, const NetRequest& request);
};

const NetService kNetServices[] = {
    {"rotctld", &Platform::rotatorServer, answerRotatorClient, noteRotatorRequest},
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

// When the rotator clients were last heard (any line) and last connected.
void noteRotatorClients(Station& s, const LineServer& server, bool heard) {
    TrackingState& t = s.track;
    const std::int64_t now = s.platform.host.elapsedMs();
    if (heard) t.netHeardMs = now;
    if (server.clientCount() > 0) t.netConnectedMs = now;
}

// A client that still talks (any line, a read of the bearings included) has not lost the
// satellite. The pass ends when no client has said anything for the silence time, or when no
// client has been connected for the hang-up time: Hamlib's one-shot clients connect anew for
// every command, so a moment without a connection is not yet the end.
void endPassWhenClientsLost(Station& s) {
    TrackingState& t = s.track;
    if (left(t.trackerStatus, 2) != "SN") return;
    const std::int64_t now = s.platform.host.elapsedMs();
    const bool silent = now - t.netHeardMs > kNetSilenceMs;
    const bool hungUp = now - std::max(t.netHeardMs, t.netConnectedMs) > kNetHangUpMs;
    if (!silent && !hungUp) return;
    t.trackerStatus = kBelowHorizonStatus;
    handleBelowHorizon(s);
}

}  // namespace

void declareNetSourceControl(Station& s) {
    if (!netSourceText(s).empty()) s.display.declare(kNetSourceLabel, labelControl({}));
}

void answerNetClients(Station& s) {
    bool rotatorHeard = false;
    for (const NetService& service : kNetServices) {
        LineServer* server = s.platform.*service.server;
        if (!server) continue;
        const std::vector<ClientLine> lines = server->poll();
        for (const ClientLine& line : lines) answer(s, service, *server, line);
        if (server == s.platform.rotatorServer) rotatorHeard = !lines.empty();
    }
    if (s.platform.rotatorServer) noteRotatorClients(s, *s.platform.rotatorServer, rotatorHeard);
}

void answerNetClientsInWaits(Station& s) {
    if (!s.platform.rotatorServer && !s.platform.radioServer) return;
    s.pump.setPoller(kNetAnswerWithinMs, [&s] { answerNetClients(s); });
}

void serveNetClients(Station& s) {
    answerNetClients(s);
    if (s.platform.rotatorServer) {
        carryOutRotatorRequests(s);
        endPassWhenClientsLost(s);
    }
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

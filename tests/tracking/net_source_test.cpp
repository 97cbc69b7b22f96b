#include "tracking/net_source.h"

#include <gtest/gtest.h>

#include <string>

#include "links/tracker_hooks.h"
#include "station/tracker_kinds.h"
#include "support/sim_station.h"

// The rotator clients' requests as the loop carries them out, on the in-memory line server.

namespace orvant {
namespace {

struct NetStation : testing::SimStation {
    NetStation() {
        platform.rotatorServer = &server;
        declareLinkControls(display);
        for (const char* name : {"lbl_Azfed", "lbl_Elfed", "lbl_satpos"})
            display.declare(name, labelControl({}, {}, false));
        station.cfg.minElevation = 5;
        station.app.satName = "AO-7";
        TrackingState& t = station.track;
        t.trackerKind = tracker::kNet;
        t.trackerStatus = "'  NO";
        t.satAzimuth = 7;
        t.satElevation = 8;
        client = server.connect();
    }
    std::string say(const std::string& line) {
        server.sent[client].clear();
        server.type(client, line + "\n");
        serveNetClients(station);
        return server.sent[client];
    }
    FakeLineServer server{"127.0.0.1:4533", 256};
    int client = 0;
};

TEST(NetSource, RefusedLinesChangeNothing) {
    for (const char* line : {"P 500 45", "P 180 nan", "P 180", "Z 1 2"}) {
        NetStation n;
        EXPECT_TRUE(n.say(line).starts_with("RPRT -")) << line;
        EXPECT_EQ(n.station.track.satAzimuth, 7) << line;
        EXPECT_EQ(n.station.track.trackerStatus, "'  NO") << line;
        EXPECT_FALSE(n.station.track.parkingDue) << line;
    }
}

TEST(NetSource, APositionTracksUntilTheClientFallsSilent) {
    NetStation n;
    const TrackingState& t = n.station.track;
    EXPECT_EQ(n.say("P 180 45"), "RPRT 0\n");
    EXPECT_EQ(t.trackerStatus, "SN");
    EXPECT_EQ(t.satAzimuth, 180);
    EXPECT_EQ(t.satElevation, 45);
    EXPECT_EQ(t.satNameShown, "AO-7");
    n.host.waitUntil(kNetPositionLossMs);
    serveNetClients(n.station);
    EXPECT_EQ(t.trackerStatus, "SN");
    n.host.waitUntil(kNetPositionLossMs + 1);
    serveNetClients(n.station);
    EXPECT_EQ(t.trackerStatus, "'  NO");
    EXPECT_TRUE(t.parkingDue);
    EXPECT_FALSE(t.operatorParking);
}

TEST(NetSource, ParkForcesParkingAndQuitDropsTheClient) {
    NetStation n;
    EXPECT_EQ(n.say("K"), "RPRT 0\n");
    EXPECT_TRUE(n.station.track.parkingDue);
    EXPECT_TRUE(n.station.track.operatorParking);
    n.say("q");
    EXPECT_EQ(n.server.clientCount(), 0);
}

}  // namespace
}  // namespace orvant

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
        platform.radioServer = &radioServer;
        SatelliteRecord& sat = station.sat;
        sat.uplinkRadioType = 2;  // an FT-847 for both links
        sat.downlinkRadioType = 2;
        sat.upConverterMHz = 116;  // a 28 MHz radio behind a 144 MHz converter
        sat.gateThresholdHz = 50;
        sat.uplinkMHz = 145.9 + kGuardMHz;
        sat.downlinkMHz = 435.1 + kGuardMHz;
        sat.downlinkMode = "USB";
        declareLinkControls(display);
        for (const char* name : {"lbl_Azfed", "lbl_Elfed", "lbl_satpos", kNetSourceLabel})
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
    std::string say(const std::string& line) { return sayTo(server, client, line); }
    std::string sayToRadios(const std::string& line) {
        return sayTo(radioServer, radioClient, line);
    }
    std::string sayTo(FakeLineServer& to, int from, const std::string& line) {
        to.sent[from].clear();
        to.type(from, line + "\n");
        serveNetClients(station);
        return to.sent[from];
    }
    std::string netSource() {
        serveNetClients(station);
        return station.display[kNetSourceLabel].caption;
    }
    FakeLineServer server{"127.0.0.1:4533", 256};
    FakeLineServer radioServer{"127.0.0.1:4532", 256};
    int client = 0;
    int radioClient = radioServer.connect();
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
    EXPECT_EQ(n.netSource(), "rotctld 127.0.0.1:4533, 1 client; rigctld 127.0.0.1:4532, 1 client");
    EXPECT_EQ(n.say("q"), "");  // a rotator client is let go without a word
    EXPECT_EQ(n.sayToRadios("q"), "RPRT 0\n");
    EXPECT_EQ(n.netSource(),
              "rotctld 127.0.0.1:4533, 0 clients; rigctld 127.0.0.1:4532, 0 clients");
}

// A radio client's frequencies become the bases, which it reads back; the uplink alone asks a
// send once it moves by more than the gate from what the uplink radio has.
TEST(NetSource, RadioClientsSetTheFrequenciesTheyReadBack) {
    struct Case {
        const char* line;
        const char* reply;
        double downlinkMHz, uplinkMHz;
        std::int16_t sendAsked;
    };
    const Case cases[] = {
        {"F 145950123", "RPRT 0\n", 145.950123, 145.9, 0},
        {"I 145900000", "RPRT 0\n", 435.1, 145.9, 0},  // 40 Hz from the uplink radio's dial
        {"I 145900091", "RPRT 0\n", 435.1, 145.900091, 1},
        {"I 100000000", "RPRT 0\n", 435.1, 100, 1},  // below the converter: mirrored
        {"f", "435100000\n", 435.1, 145.9, 0},
        {"+i", "get_split_freq:\nTX Frequency: 145900000\nRPRT 0\n", 435.1, 145.9, 0},
        {"m", "USB\n15000\n", 435.1, 145.9, 0},
        {"M CW 0", "RPRT 0\n", 435.1, 145.9, 1},  // the radios set up again in it
        // The top of what the FT-847's field carries, nine digits of Hz (four BCD bytes of 10 Hz
        // steps): 999999999 Hz at the radio, 1115999999 Hz through the 116 MHz converter.
        {"F 999999999", "RPRT 0\n", 999.999999, 145.9, 0},
        {"I 1115999999", "RPRT 0\n", 435.1, 1115.999999, 1},
        // Refused, changing nothing.
        {"F 1000000000", "RPRT -1\n", 435.1, 145.9, 0},  // more than the FT-847 takes
        {"I 1116000000", "RPRT -1\n", 435.1, 145.9, 0},
        {"F -5", "RPRT -1\n", 435.1, 145.9, 0},
        {"I abc", "RPRT -1\n", 435.1, 145.9, 0},
        {"F", "RPRT -1\n", 435.1, 145.9, 0},
        {"Y 1", "RPRT -4\n", 435.1, 145.9, 0},
        {"M XYZ 0", "RPRT -1\n", 435.1, 145.9, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        NetStation n;
        n.station.radio.uplinkFreqText = "29900040";  // 145.90004 MHz through the converter
        EXPECT_EQ(n.sayToRadios(c.line), c.reply);
        EXPECT_DOUBLE_EQ(n.station.sat.downlinkMHz, c.downlinkMHz + kGuardMHz);
        EXPECT_DOUBLE_EQ(n.station.sat.uplinkMHz, c.uplinkMHz + kGuardMHz);
        EXPECT_EQ(n.station.track.freqChanged, c.sendAsked);
    }
    NetStation n;
    n.sayToRadios("M FM 0");
    EXPECT_EQ(n.sayToRadios("m"), "FM\n15000\n");

    // A duplex client alternates between its VFOs: on the transmitting one, F and f work the
    // uplink. The choice is that client's own.
    const int other = n.radioServer.connect();
    EXPECT_EQ(n.sayToRadios("V Sub"), "RPRT 0\n");
    EXPECT_EQ(n.sayToRadios("F 145900091"), "RPRT 0\n");
    EXPECT_DOUBLE_EQ(n.station.sat.uplinkMHz, 145.900091 + kGuardMHz);
    EXPECT_EQ(n.sayTo(n.radioServer, other, "f"), "435100000\n");
    EXPECT_EQ(n.sayToRadios("V Main"), "RPRT 0\n");
    EXPECT_EQ(n.sayToRadios("f"), "435100000\n");
}

// The rotator clients are offered the configured rotator's travel: 360 degrees for types 0 and 1,
// 450 for the 450-degree types from 2 on.
TEST(NetSource, ClientsGetTheRotatorsTravel) {
    struct Case {
        std::int16_t rotatorType;
        const char* maxAz;  // as \dump_state gives it
        const char* atTheEnd;
        double end;
        const char* pastIt;
    };
    for (const Case& c : {Case{1, "max_az=360.000000", "P 360 45", 360, "P 361 45"},
                          Case{2, "max_az=450.000000", "P 450 45", 450, "P 451 45"}}) {
        SCOPED_TRACE(c.rotatorType);
        NetStation n;
        n.station.cfg.rotatorType = c.rotatorType;
        EXPECT_NE(n.say("\\dump_state").find(c.maxAz), std::string::npos);
        EXPECT_EQ(n.say(c.pastIt), "RPRT -1\n");
        EXPECT_EQ(n.station.track.satAzimuth, 7);
        EXPECT_EQ(n.say(c.atTheEnd), "RPRT 0\n");
        EXPECT_EQ(n.station.track.satAzimuth, c.end);
    }
}

}  // namespace
}  // namespace orvant

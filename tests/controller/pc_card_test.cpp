// The card of the PC's own, part by part; a CAT channel talks to a radio on the far end of a
// pseudo-terminal pair.

#include "controller/pc/pc_card.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "controller/cat_message.h"
#include "controller/link.h"
#include "radio/cat_framing.h"
#include "support/pty_radio.h"
#include "support/rotctld_daemon.h"
#include "support/station_harness.h"

namespace orvant::pc {
namespace {

using testing::PtyRadio;
using Bytes = std::vector<std::uint8_t>;

// The degrees per count of each rotator type: 360/1023 for types 0 and 1, 450/1023 for the rest.
StationConfig rotatorOfType(std::int16_t type) {
    StationConfig cfg;
    cfg.rotatorType = type;
    cfg.azScale = (type <= 1 ? 360.0 : 450.0) / 1023;
    cfg.elScale = 180.0 / 1023;
    return cfg;
}

// Where count 0 and count 1023 point, from the rotator type table (azimuth at count 0, at count
// 1023), in the travel's one run of bearings from the counter-clockwise stop.
TEST(RotatorBearings, EachTypesStopsPointWhereTheTypeTableSays) {
    struct Row {
        std::int16_t type;
        double atCount0, atCount1023;
    };
    for (const Row& row : {Row{0, -180, 180}, Row{1, 0, 360}, Row{2, 0, 450}, Row{3, -225, 225},
                           Row{4, -270, 180}, Row{5, -45, 405}}) {
        SCOPED_TRACE(row.type);
        const StationConfig cfg = rotatorOfType(row.type);
        EXPECT_NEAR(bearingsOfCounts(cfg, {0, 0}).azimuth, row.atCount0, 1e-9);
        EXPECT_NEAR(bearingsOfCounts(cfg, {1023, 1023}).azimuth, row.atCount1023, 1e-9);
        EXPECT_NEAR(bearingsOfCounts(cfg, {1023, 1023}).elevation, 180, 1e-9);
        EXPECT_EQ(countsOfBearings(cfg, {row.atCount0, 0}).azimuth, 0);
        EXPECT_EQ(countsOfBearings(cfg, {row.atCount1023, 0}).azimuth, 1023);
    }
}

// A position read back, at the stops and just past them.
TEST(RotatorBearings, ReadBackPositionsBecomeCountsOfTheTravel) {
    struct Row {
        const char* what;
        std::int16_t type;
        Bearings read;
        PositionCounts counts;
    };
    const Row rows[] = {
        {"90 degrees on type 1 is count 255.75", 1, {90, 15}, {256, 85}},
        {"the clockwise stop", 1, {360, 0}, {1023, 0}},
        {"half a degree past it, a turn back", 1, {360.5, 0}, {1, 0}},
        {"half a degree short of north, a turn on", 1, {-0.5, 0}, {1022, 0}},
        {"450 on type 2", 2, {450, 0}, {1023, 0}},
        {"450.5 on type 2 is 90.5", 2, {450.5, 0}, {206, 0}},
        {"-10 on type 2 is 350", 2, {-10, 0}, {796, 0}},
        {"-181 on type 0 is 179", 0, {-181, 0}, {1020, 0}},
        {"181 on type 0 is -179", 0, {181, 0}, {3, 0}},
        {"beyond a turn past the stop: the stop", 2, {1000, 0}, {1023, 0}},
        {"beyond a turn short of the stop: the stop", 2, {-400, 0}, {0, 0}},
        {"elevation at the top", 2, {0, 180}, {0, 1023}},
        {"elevation past the top", 2, {0, 181}, {0, 1023}},
        {"elevation below the horizon", 2, {0, -1}, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const PositionCounts counts = countsOfBearings(rotatorOfType(row.type), row.read);
        EXPECT_EQ(counts.azimuth, row.counts.azimuth);
        EXPECT_EQ(counts.elevation, row.counts.elevation);
    }
}

TEST(RotctldText, PointCommandAndPositionAnswer) {
    EXPECT_EQ(pointCommand({225.219, 45}), "P 225.22 45.00");
    EXPECT_EQ(pointCommand({-12.5, 0}), "P -12.50 0.00");
    struct Row {
        const char* azimuth;
        const char* elevation;
        bool read;
    };
    for (const Row& row : {Row{"18.06", "15.00", true}, Row{"-180.000000", "0", true},
                           Row{"RPRT -1", "", false}, Row{"", "5", false}, Row{"12", "nan", false},
                           Row{"1e400", "1", false}, Row{"10.5 ", "1", false}}) {
        SCOPED_TRACE(std::string(row.azimuth) + "|" + row.elevation);
        EXPECT_EQ(parsePosition(row.azimuth, row.elevation).has_value(), row.read);
    }
    const std::optional<Bearings> read = parsePosition("18.06", "-0.5");
    ASSERT_TRUE(read);
    EXPECT_DOUBLE_EQ(read->azimuth, 18.06);
    EXPECT_DOUBLE_EQ(read->elevation, -0.5);
}

// Waits (a second at most) until the radio has heard `count` bytes.
Bytes heardOnce(PtyRadio& radio, std::size_t count) {
    for (int i = 0; i < 200 && radio.heard().size() < count; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return radio.heard();
}

std::unique_ptr<CatChannel> channelTo(const PtyRadio& radio) {
    std::string problem;
    std::unique_ptr<SerialLine> line = SerialLine::open(radio.device(), problem);
    EXPECT_NE(line, nullptr) << problem;
    return std::make_unique<CatChannel>(radio.device(), std::move(line));
}

TEST(CatChannelOnAPty, TheRadiosAnswerComesBackWithoutTheBusEcho) {
    const Bytes icomQuery = {0xFE, 0xFE, 0x60, 0xE0, 0x03, 0xFD};
    const Bytes icomAnswer = {0xFE, 0xFE, 0xE0, 0x60, 0x03, 0x00, 0x00, 0x90, 0x45, 0x01, 0xFD};
    const Bytes kenwoodQuery = {'F', 'A', ';'};
    const Bytes kenwoodAnswer = {'F', 'A', '0', '0', '1', '4', '5',
                                 '9', '0', '0', '0', '0', '0', ';'};
    Bytes echoAndAnswer = icomQuery;
    echoAndAnswer.insert(echoAndAnswer.end(), icomAnswer.begin(), icomAnswer.end());
    const Bytes sixty(60, 0x33);
    struct Row {
        const char* what;
        Bytes query, lineBrings, answer;
    };
    const Row rows[] = {
        {"CI-V: the echo, then the answer", icomQuery, echoAndAnswer, icomAnswer},
        {"Kenwood: the answer alone", kenwoodQuery, kenwoodAnswer, kenwoodAnswer},
        {"an answer that starts as the query does is no echo",
         icomQuery,
         {0xFE, 0xFE, 0x60, 0xE0, 0x03, 0xFC},
         {0xFE, 0xFE, 0x60, 0xE0, 0x03, 0xFC}},
        {"more than a reply holds: its first 47 bytes", kenwoodQuery, sixty, Bytes(47, 0x33)},
        {"a radio that never answers: nothing", kenwoodQuery, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        PtyRadio radio(row.query.size(), [&row](const Bytes&) { return row.lineBrings; });
        const std::unique_ptr<CatChannel> channel = channelTo(radio);
        Bytes answer = {0x55};
        std::string problem;
        ASSERT_TRUE(channel->relay(row.query, true, 9600, {1}, answer, problem)) << problem;
        EXPECT_EQ(answer, row.answer);
        EXPECT_EQ(radio.heard(), row.query);
    }
}

TEST(CatChannelOnAPty, AnUnpluggedDeviceFailsTheRelayUntilItCanBeOpenedAgain) {
    PtyRadio radio(5, [](const Bytes&) { return Bytes{}; });
    const std::unique_ptr<CatChannel> channel = channelTo(radio);
    radio.unplug();
    Bytes answer;
    std::string problem;
    EXPECT_FALSE(channel->relay({0, 0, 0, 0, 0x13}, true, 4800, {2}, answer, problem));
    EXPECT_EQ(problem, radio.device() + ": the device went away");
    EXPECT_FALSE(channel->relay({0, 0, 0, 0, 0x13}, false, 4800, {2}, answer, problem));
    EXPECT_FALSE(channel->reopen(problem));
}

// The card of the PC's own on the printer-port link, CAT channel `channel` on a pseudo-terminal
// and the rotator behind `rotator` (none without), the frame prepared as start-up leaves it, the
// station's rotator of type 2.
struct PcCardOnAPty {
    explicit PcCardOnAPty(int channel, std::optional<RotctldAddress> rotator = {}) {
        PcCardWiring wiring;
        wiring.channels[channel - 1] = channelTo(radio);
        wiring.rotator = rotator;
        station.cfg = rotatorOfType(2);
        card =
            std::make_unique<PcCard>(kBase, std::move(wiring), station.cfg, framings,
                                     [this](const std::string& what) { faults.push_back(what); });
        station.port = card.get();
        station.cfg.portData = kBase;
        station.cfg.portStatus = kBase + 1;
        station.cfg.portControl = kBase + 2;
        auto& slots = station.link.controllerFrame;
        for (int i = 1; i <= 44; ++i) slots[i] = 240;
        slots[1] = 3;
        slots[61] = 10;
        slots[65] = 5;
    }
    static constexpr std::uint16_t kBase = 0x378;
    testing::StationHarness harness;
    Station& station = harness.station;
    PtyRadio radio{5, [](const Bytes&) { return Bytes{}; }};
    SatelliteCatFramings framings{station.sat};
    std::vector<std::string> faults;
    std::unique_ptr<PcCard> card;
};

// The uplink radio's message goes out at the speed the satellite file gives for its position and
// channel (the timing pair the frame carries), in its family's framing.
TEST(PcCardCatLine, SpeedFromTheFramesTimingPairAndFramingFromTheRadiosFamily) {
    struct Row {
        const char* what;
        int channel;
        TimingPair pair;
        std::int16_t radioType;
        int baud;
        int stopBits;
    };
    const Row rows[] = {
        {"1200 baud, FT-847", 1, {6, 250}, 2, 1200, 2},
        {"4800 baud, TS-790", 1, {2, 125}, 4, 4800, 2},
        {"9600 baud, TS-2000", 2, {1, 189}, 26, 9600, 1},
        {"19200 baud, IC-910", 1, {1, 91}, 27, 19200, 1},
        {"38400 baud, FT-100", 2, {1, 43}, 23, 38400, 2},
        {"57600 baud, IC-821", 1, {1, 27}, 15, 57600, 1},
        {"a pair of no speed: the file's default, 4800", 1, {1, 190}, 15, 4800, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        PcCardOnAPty pc(row.channel);
        SatelliteRecord& sat = pc.station.sat;
        sat.uplinkRadioType = row.radioType;
        sat.uplinkCatPort = static_cast<std::int16_t>(row.channel);
        (row.channel == 1 ? sat.uplinkCh1 : sat.uplinkCh2) = row.pair;
        pc.station.link.radio1SendCode = row.channel == 1 ? 57 : 59;
        sendCatBytes(pc.station, 1, {0x43, 0x51, 0x23, 0x45, 0x21});
        EXPECT_EQ(heardOnce(pc.radio, 5), (Bytes{0x43, 0x51, 0x23, 0x45, 0x21}));
        const PtyRadio::Settings line = pc.radio.settings();
        EXPECT_EQ(line.baud, row.baud);
        EXPECT_EQ(line.stopBits, row.stopBits);
        EXPECT_EQ(line.dataBits, 8);
        EXPECT_FALSE(line.parity);
        EXPECT_TRUE(pc.faults.empty());
    }
}

// Two radios of different framing on one channel: two stop bits, which a radio that wants one
// takes; a radio on the other channel does not count.
TEST(PcCardCatLine, RadiosSharingAChannelGetTheLongerFraming) {
    SatelliteRecord sat;
    const SatelliteCatFramings framings(sat);
    sat.uplinkRadioType = 27;   // IC-910: one stop bit
    sat.downlinkRadioType = 2;  // FT-847: two
    sat.uplinkCatPort = 1;
    sat.downlinkCatPort = 1;
    EXPECT_EQ(framings.framingOf(1).stopBits, 2);
    sat.downlinkCatPort = 2;
    EXPECT_EQ(framings.framingOf(1).stopBits, 1);
    EXPECT_EQ(framings.framingOf(2).stopBits, 2);
}

// The card does a frame's work while it takes it: the link's pause after a frame (100 ms, for
// the controller card) is not taken; the pause a radio needs before its message (100 ms for the
// drivers' sends) is.
TEST(PcCardCatLine, TheLinkTakesNoPauseOfTheControllerCards) {
    PcCardOnAPty pc(1);
    pc.station.link.radio1SendCode = 57;
    VirtualHost& clock = pc.harness.virtualHost;
    const std::int64_t start = clock.elapsedMs();
    laptop(pc.station);
    EXPECT_EQ(clock.elapsedMs(), start);
    sendCatBytes(pc.station, 1, {1, 2, 3, 4, 5});
    EXPECT_EQ(clock.elapsedMs(), start + 100);
}

TEST(PcCardCatLine, AChannelWithoutADeviceIsSaidOnceAndTheCardGoesOn) {
    PcCardOnAPty pc(1);
    pc.station.link.radio2SendCode = 59;
    sendCatBytes(pc.station, 2, {1, 2, 3, 4, 5});
    sendCatBytes(pc.station, 2, {1, 2, 3, 4, 5});
    ASSERT_EQ(pc.faults.size(), 1u);
    EXPECT_EQ(pc.faults[0],
              "CAT channel 2 has no serial device (--cat2=DEVICE): its messages go nowhere");
    EXPECT_FALSE(pc.card->silent());
    EXPECT_TRUE(pc.station.display["wht_check"].visible);
}

TEST(RotctldRotatorOnTheDummy, ItsCommandsAndWhatTheDaemonRefuses) {
    testing::RotctldDaemon rotctld;
    RotctldRotator rotator(rotctld.address());
    const std::string at = "rotctld at " + rotctld.address().text();
    std::string problem;
    ASSERT_TRUE(rotator.connect(problem)) << problem;
    EXPECT_TRUE(rotator.point({10, 5}, problem)) << problem;
    EXPECT_TRUE(rotator.stop(problem)) << problem;
    const std::optional<Bearings> stopped = rotator.position(problem);
    ASSERT_TRUE(stopped) << problem;
    EXPECT_LE(stopped->azimuth, 10);
    // The dummy takes elevations up to 90 only: an error report fails the command and drops the
    // connection.
    EXPECT_FALSE(rotator.point({10, 100}, problem));
    EXPECT_EQ(problem, at + ", \"P 10.00 100.00\": answered RPRT -1");
    EXPECT_FALSE(rotator.connected());
    EXPECT_FALSE(rotator.position(problem));
    EXPECT_EQ(problem, at + ", \"p\": not connected");
    // A daemon that stops answering fails the command after a second.
    ASSERT_TRUE(rotator.connect(problem)) << problem;
    rotctld.pause();
    EXPECT_FALSE(rotator.position(problem));
    EXPECT_EQ(problem, at + ", \"p\": no answer");
    rotctld.resume();
    rotctld.kill();
    EXPECT_FALSE(rotator.connect(problem));
    EXPECT_EQ(problem, at + ": Connection refused");
}

// How the frame's drive command and inhibits move the dummy rotator, a moment after the frame.
TEST(PcCardRotator, DriveAndInhibitsBecomePointAndStop) {
    struct Row {
        const char* what;
        std::int16_t drive, azInhibit, elInhibit;
        bool azMoves, elMoves;
    };
    const Row rows[] = {
        {"drive on: both axes turn", 1, 0, 0, true, true},
        {"parking's drive 2 turns them too", 2, 0, 0, true, true},
        {"azimuth inhibited: it stays", 1, 1, 0, false, true},
        {"elevation inhibited: it stays", 1, 0, 1, true, false},
        {"drive off: nothing turns", 0, 0, 0, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::RotctldDaemon rotctld;
        PcCardOnAPty pc(1, rotctld.address());
        auto& slots = pc.station.link.controllerFrame;
        slots[45] = 1;  // azimuth count 256 (112.6 degrees), elevation count 256 (45 degrees)
        slots[47] = 1;
        slots[62] = row.drive;
        slots[63] = row.azInhibit;
        slots[64] = row.elInhibit;
        laptop(pc.station);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        const std::optional<Bearings> at = rotctld.position();
        ASSERT_TRUE(at);
        EXPECT_EQ(at->azimuth > 0, row.azMoves) << at->azimuth;
        EXPECT_EQ(at->elevation > 0, row.elMoves) << at->elevation;
        EXPECT_TRUE(pc.faults.empty());
    }
}

// The drive switched off stops the rotator where it stands, and so does a card held in reset
// (Exit leaves it so).
TEST(PcCardRotator, DriveOffAndResetStopTheRotator) {
    for (const bool reset : {false, true}) {
        SCOPED_TRACE(reset ? "held in reset" : "drive off");
        testing::RotctldDaemon rotctld;
        PcCardOnAPty pc(1, rotctld.address());
        auto& slots = pc.station.link.controllerFrame;
        slots[45] = 1;
        slots[62] = 1;
        laptop(pc.station);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (reset) {
            pc.card->write(PcCardOnAPty::kBase + 2, 0x01);
        } else {
            slots[62] = 0;
            laptop(pc.station);
        }
        const std::optional<Bearings> first = rotctld.position();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const std::optional<Bearings> second = rotctld.position();
        ASSERT_TRUE(first && second);
        EXPECT_GT(first->azimuth, 0);
        EXPECT_EQ(first->azimuth, second->azimuth);
    }
}

}  // namespace
}  // namespace orvant::pc

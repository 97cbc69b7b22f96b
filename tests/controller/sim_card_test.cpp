#include "controller/sim/sim_card.h"

#include <gtest/gtest.h>

#include "controller/controller_functions.h"
#include "controller/link.h"
#include "controller/port_choice.h"
#include "support/sim_station.h"

namespace orvant {
namespace {

using testing::RecordingRadio;
using testing::SimStation;

void setTargets(SimStation& s, int az, int el) {
    s.slot(45) = static_cast<std::int16_t>(az / 256);
    s.slot(46) = static_cast<std::int16_t>(az % 256);
    s.slot(47) = static_cast<std::int16_t>(el / 256);
    s.slot(48) = static_cast<std::int16_t>(el % 256);
}

void driveTo(SimStation& s, int az, int el) {
    setTargets(s, az, el);
    s.slot(49) = 5;
    s.slot(50) = 5;
    s.slot(62) = 1;
    laptop(s.station);
}

void letTimePass(SimStation& s, std::int64_t ms) {
    s.host.waitUntil(s.host.elapsedMs() + ms);
}

// One exchange carrying the CAT message in the frame for `radio`, its answer captured or not.
void exchangeCat(SimStation& s, std::int16_t radio, bool capture) {
    s.station.link.catRadio = radio;
    (capture ? s.station.link.catReadPending : s.station.link.catSendPending) = 1;
    s.station.link.catDelayMs = 100;
    laptop(s.station);
}

TEST(SimCardRotator, AxesTurnTowardTheirTargetsInProgramTime) {
    SimStation s;
    s.card.setPositions(0, 0);
    driveTo(s, 1023, 1023);  // 100 ms pass in the exchange
    letTimePass(s, 29900);
    EXPECT_NEAR(s.card.azimuthCounts(), 512, 1);  // half the travel in half the minute
    EXPECT_NEAR(s.card.elevationCounts(), 512, 1);
    EXPECT_TRUE(s.card.azimuthMoving());

    letTimePass(s, 30000);
    lapin(s.station);
    EXPECT_EQ(s.station.link.azCounts, 1023);
    EXPECT_EQ(s.station.link.elCounts, 1023);
    EXPECT_FALSE(s.card.azimuthMoving());
    EXPECT_FALSE(s.card.elevationMoving());
}

TEST(SimCardRotator, TravelSpeedIsSettablePerAxis) {
    SimStation s;
    s.card.setPositions(1023, 0);
    s.card.setAzimuthTravelMs(10000);
    s.card.setElevationTravelMs(120000);
    driveTo(s, 0, 1023);
    letTimePass(s, 9900);
    EXPECT_EQ(s.card.azimuthCounts(), 0);
    EXPECT_NEAR(s.card.elevationCounts(), 85, 1);
}

TEST(SimCardRotator, AnAxisStartsOnlyBeyondItsToleranceAndThenStopsOnTheTarget) {
    SimStation s;
    s.card.setPositions(500, 300);
    driveTo(s, 505, 306);  // azimuth within 5 counts, elevation 6 away
    letTimePass(s, 5000);
    EXPECT_EQ(s.card.azimuthCounts(), 500);
    EXPECT_EQ(s.card.elevationCounts(), 306);
    EXPECT_FALSE(s.card.elevationMoving());
}

TEST(SimCardRotator, InhibitsAndTheDriveCommandHoldTheMotors) {
    SimStation s;
    s.card.setPositions(100, 100);
    s.slot(63) = 1;  // azimuth off
    driveTo(s, 900, 900);
    letTimePass(s, 10000);
    EXPECT_EQ(s.card.azimuthCounts(), 100);
    EXPECT_GT(s.card.elevationCounts(), 200);

    s.slot(62) = 0;  // drive off: elevation stops where it is
    laptop(s.station);
    const int stopped = s.card.elevationCounts();
    letTimePass(s, 10000);
    EXPECT_EQ(s.card.elevationCounts(), stopped);
}

TEST(SimCardRotator, TheLastTargetIsHeldUntilANewOneArrives) {
    SimStation s;
    s.card.setPositions(0, 0);
    driveTo(s, 600, 0);
    setTargets(s, 0, 0);  // changed in the PC's frame but not sent
    letTimePass(s, 60000);
    EXPECT_EQ(s.card.azimuthCounts(), 600);
}

TEST(SimCardReset, AResetStopsTheMotorsAndClearsTheOutputs) {
    SimStation s;
    s.card.setPositions(0, 0);
    s.slot(51) = 3;
    driveTo(s, 1000, 0);
    EXPECT_EQ(s.card.externalOutputs(), 3);
    letTimePass(s, 5000);
    lbl_reset_Click(s.station);
    const int stopped = s.card.azimuthCounts();
    letTimePass(s, 5000);
    EXPECT_EQ(s.card.azimuthCounts(), stopped);
    EXPECT_EQ(s.card.externalOutputs(), 0);
    EXPECT_EQ(s.card.resets(), 1);

    laptop(s.station);  // the next frame sets it going again
    letTimePass(s, 5000);
    EXPECT_GT(s.card.azimuthCounts(), stopped);
}

TEST(SimCardRelay, AMessageEndsAtTheFirstEndByteOrAtSlot44) {
    SimStation s;
    RecordingRadio radio;
    s.card.attachRadio(2, &radio);
    s.station.link.radio2SendCode = 59;
    s.slot(2) = 0xFE;
    s.slot(3) = 0x00;
    s.slot(4) = 240;
    s.slot(5) = 0x11;
    exchangeCat(s, 2, false);
    for (int slot = 2; slot <= 44; ++slot) s.slot(slot) = 'A';
    exchangeCat(s, 2, false);
    ASSERT_EQ(radio.received.size(), 2u);
    EXPECT_EQ(radio.received[0], (std::vector<std::uint8_t>{0xFE, 0x00}));
    EXPECT_EQ(radio.received[1], std::vector<std::uint8_t>(43, 'A'));
    EXPECT_EQ(s.card.relayed()[1].channel, 2);
    EXPECT_FALSE(s.card.relayed()[1].capture);
}

TEST(SimCardRelay, ACapturedAnswerStaysUntilTheNextCaptureAndIsCutBeforeTheCheckByte) {
    SimStation s;
    RecordingRadio radio;
    s.card.attachRadio(1, &radio);
    s.station.link.radio1ReadCode = 56;
    radio.answer.assign(60, 0x77);
    s.slot(2) = 0x10;
    s.slot(3) = 240;
    exchangeCat(s, 1, true);
    EXPECT_EQ(replyByte(s.station.link.replyNibbles, 47), 0x77);
    EXPECT_EQ(s.station.link.replyNibbles[96], 8);
    EXPECT_TRUE(s.display["wht_check"].visible);

    laptop(s.station);  // no capture: the answer is still there
    EXPECT_EQ(replyByte(s.station.link.replyNibbles, 1), 0x77);

    radio.answer.clear();  // a radio that does not answer
    exchangeCat(s, 1, true);
    EXPECT_EQ(replyByte(s.station.link.replyNibbles, 1), 0);
    EXPECT_EQ(radio.received.size(), 2u);
}

// The card the program opens under --sim relays every message to its radio but keeps no record of
// them: through a night of clients tuning the radios, a record would only grow.
TEST(SimCardRelay, TheProgramsCardRelaysEveryMessageAndKeepsNoRecord) {
    SimStation s;
    PortChoice ports(s.host, true, "");
    RecordingRadio radio;
    ports.attachSimRadios(nullptr, &radio);
    s.station.port = ports.open(SimStation::kBase);
    const auto& card = dynamic_cast<const sim::SimControllerCard&>(*s.station.port);
    s.station.link.radio2SendCode = 59;
    s.slot(3) = 240;
    constexpr int kMessages = 500;
    for (int i = 0; i < kMessages; ++i) {
        s.slot(2) = i % 200;
        exchangeCat(s, 2, false);
    }
    EXPECT_EQ(radio.received.size(), static_cast<std::size_t>(kMessages));
    EXPECT_TRUE(card.relayed().empty());
}

}  // namespace
}  // namespace orvant

#include "controller/link.h"

#include <gtest/gtest.h>

#include "controller/port_protocol.h"
#include "support/sim_station.h"

namespace orvant {
namespace {

using testing::SimStation;

TEST(LinkExchange, FrameReachesTheCardAndThePositionsComeBack) {
    SimStation s;
    s.card.setPositions(700, 256);
    s.slot(2) = 0x12;
    s.slot(51) = 6;
    laptop(s.station);

    ASSERT_EQ(s.card.framesTaken(), 1);
    EXPECT_EQ(s.card.lastFrame(), sentBytesOf(s.station.link.controllerFrame));
    EXPECT_EQ(s.card.externalOutputs(), 6);
    EXPECT_EQ(s.station.link.azCounts, 700);
    EXPECT_EQ(s.station.link.elCounts, 256);
    EXPECT_EQ(s.display["lbl_Elfed"].caption, "45");  // Int(256 * 180 / 1023) = Int(45.04)
    EXPECT_TRUE(s.display["wht_check"].visible);
    EXPECT_FALSE(s.display["red_check"].visible);
    EXPECT_EQ(s.station.link.replyNibbles[96], 8);
}

TEST(LinkExchange, LapinAloneReadsWithoutSendingAFrame) {
    SimStation s;
    s.card.setPositions(100, 1023);
    lapin(s.station);
    EXPECT_EQ(s.card.framesTaken(), 0);
    EXPECT_EQ(s.card.repliesGiven(), 1);
    EXPECT_EQ(s.station.link.azCounts, 100);
    EXPECT_EQ(s.station.link.elCounts, 1023);
    EXPECT_EQ(s.display["lbl_Elfed"].caption, "180");
}

}  // namespace
}  // namespace orvant

#include "tracking/pointing.h"

#include <gtest/gtest.h>

#include "rotator_station.h"
#include "tracking/readback.h"
#include "tracking/target_counts.h"

namespace orvant {
namespace {

struct Pointing : testing::RotatorTest {
    int frames() const { return s.card.framesTaken(); }
};

TEST_F(Pointing, ElevationTargetInCountsWithItsBytesLimitedByTheMaximum) {
    track.forceElSend = 1;
    pass(0, 89);
    EXPECT_EQ(s.slot(47), 1);  // Int(89 / (180/1023)) = 505 = 1 * 256 + 249
    EXPECT_EQ(s.slot(48), 249);
    EXPECT_EQ(s.sentTarget(47), 505);
    EXPECT_EQ(s.slot(62), 1);
    s.station.cfg.maxElevation = 60;
    track.forceElSend = 1;
    pass(0, 75);
    EXPECT_EQ(s.sentTarget(47), 341);  // Int(60 / scale)
    EXPECT_EQ(s.display["lbl_CompEle"].caption, "75");
}

TEST_F(Pointing, OffsetAndSlewAddToTheElevation) {
    s.station.cfg.elOffsetDeg = 2.5;
    s.display["hs_elevation"].value = 3;
    pass(0, 10);
    EXPECT_EQ(rot.elCommandDeg, 15.5);
    EXPECT_EQ(s.display["lbl_CompEle"].caption, "15.5");
    EXPECT_EQ(s.display["lbl_Valel"].caption, "5.5");
    EXPECT_TRUE(s.display["ResetEl"].visible);
}

TEST_F(Pointing, AzimuthWrapsIntoZeroTo360) {
    s.station.cfg.azOffsetDeg = 20;
    pass(350, -10);
    EXPECT_EQ(rot.azCommandDeg, 10);
    pass(340, -10);
    EXPECT_EQ(rot.azCommandDeg, 360);  // 360 itself stays
    s.station.cfg.azOffsetDeg = 0;
    s.display["hs_Azimuth"].value = -20;
    pass(10, -10);
    EXPECT_EQ(rot.azCommandDeg, 350);
    EXPECT_EQ(s.display["lbl_Valaz"].caption, "-20");
    EXPECT_TRUE(s.display["ResetAz"].visible);
}

TEST_F(Pointing, NothingIsSentBelowTheMinimumElevation) {
    s.station.cfg.minElevation = 5;
    track.forceElSend = 1;
    pass(100, 4);
    EXPECT_EQ(frames(), 0);
    EXPECT_EQ(track.satInView, 0);
}

TEST_F(Pointing, FirstInViewPassSendsBothTargetsAndMarksTheSatelliteInView) {
    track.parkingDue = true;
    track.ddeMode = 1;
    track.forceElSend = 0;
    track.forceAzSend = 0;
    pass(90, 20);  // primes the last-sent bearings and forces the azimuth send only
    EXPECT_EQ(frames(), 1);
    EXPECT_EQ(s.sentTarget(45), 0);  // the target formed before this pass
    EXPECT_EQ(s.sentTarget(47), 0);
    pass(90, 20);  // the azimuth target formed on the first pass goes out
    EXPECT_EQ(frames(), 2);
    EXPECT_EQ(s.sentTarget(45), 256);
    track.forceElSend = 1;
    pass(90, 20);
    EXPECT_EQ(frames(), 3);
    EXPECT_EQ(s.sentTarget(47), 113);  // Int(20 / scale)
    EXPECT_FALSE(track.parkingDue);
    EXPECT_EQ(track.ddeMode, 0);
    EXPECT_EQ(track.satInView, 1);
    EXPECT_TRUE(s.display["lbl_point"].visible);
    EXPECT_FALSE(s.display["lbl_parked"].visible);
}

TEST_F(Pointing, TargetsAreSentOnlyWhenMovedByTheUpdateStep) {
    s.station.cfg.elUpdateStep = 2;
    s.station.cfg.azUpdateStep = 5;
    pass(100, 10);
    pass(100, 10);
    const int settled = frames();
    pass(100, 11);
    EXPECT_EQ(frames(), settled);  // 1 degree: below the step
    pass(100, 12);
    EXPECT_EQ(frames(), settled + 1);
    EXPECT_EQ(rot.lastElSentDeg, 12);
    s.display["hs_Azimuth"].value = 4;  // a slew below the azimuth step is not sent
    pass(100, 12);
    pass(100, 12);
    EXPECT_EQ(frames(), settled + 1);
    s.display["hs_Azimuth"].value = 5;
    pass(100, 12);
    pass(100, 12);
    EXPECT_EQ(frames(), settled + 2);
    EXPECT_EQ(rot.lastAzSentDeg, 105);
}

TEST_F(Pointing, NegativeElevationSendsZeroAndANegativeTargetIsNotSent) {
    s.station.cfg.minElevation = -5;
    s.slot(47) = 1;
    s.slot(48) = 10;
    track.forceElSend = 1;
    pass(0, -3);
    EXPECT_EQ(s.sentTarget(47), 0);
    s.slot(47) = 1;
    s.slot(48) = 10;
    s.display["hs_elevation"].value = -5;
    track.forceElSend = 1;
    pass(0, 2);  // commanded -3 degrees: the card keeps the target it has
    EXPECT_EQ(s.sentTarget(47), 266);
}

TEST_F(Pointing, TargetsAreLimitedToTheTravel) {
    s.setRotatorType(5);
    rot.commandsPrimed = true;
    rot.azCommandDeg = 315;
    s.station.link.azCounts = 50;
    readbackStage(s.station);  // counter-clockwise end: nearest(716.1 - 718) = -2
    track.forceAzSend = 1;
    track.satAzimuth = 315;
    track.satElevation = 10;
    elevationStage(s.station);
    EXPECT_EQ(s.slot(45), 0);
    EXPECT_EQ(s.slot(46), 0);
    rot.azCommandCounts = 5000;  // a typed bearing far outside the travel
    track.forceAzSend = 1;
    elevationStage(s.station);
    EXPECT_EQ(s.sentTarget(45), 1023);
}

TEST_F(Pointing, TestTrackingMirrorsACopyOfTheElevation) {
    s.station.cfg.minElevation = 10;
    s.display["ch_Test"].value = 1;
    pass(0, -15);
    pass(0, -15);
    EXPECT_EQ(track.satElevation, -15);  // a polled position keeps its sign between polls
    EXPECT_EQ(rot.targetElevation, 15);
    EXPECT_EQ(track.satInView, 1);
    EXPECT_EQ(s.sentTarget(47), 85);  // Int(15 / scale)
}

TEST_F(Pointing, InViewPassesClearTheParkedMarkExceptForAForcedParkSatellite) {
    track.parkedDone = 1;
    pass(0, 10);
    EXPECT_EQ(track.parkedDone, 0);
    track.satParkAzimuth = 200;
    track.parkedDone = 1;
    pass(0, 10);
    EXPECT_EQ(track.parkedDone, 1);
}

TEST_F(Pointing, DisplayShowsTheDriveAndTheElevationGauge) {
    s.station.link.elCounts = 300;
    rot.azCommandDeg = 123;
    s.slot(62) = 1;
    refreshPointingDisplay(s.station);
    EXPECT_EQ(s.display["lbl_compAz"].caption, "123");
    EXPECT_TRUE(s.display["motor_red"].visible);
    EXPECT_FALSE(s.display["motor_black"].visible);
    EXPECT_EQ(s.display["vs_vertical"].max, -512);
    EXPECT_EQ(s.display["vs_vertical"].value, -212);
    s.slot(62) = 0;
    s.station.link.elCounts = 600;  // above the zenith the gauge stays where it was
    refreshPointingDisplay(s.station);
    EXPECT_FALSE(s.display["motor_red"].visible);
    EXPECT_TRUE(s.display["motor_black"].visible);
    EXPECT_EQ(s.display["vs_vertical"].value, -212);
}

TEST(TargetCounts, SaturateAndLimit) {
    EXPECT_EQ(nearestCount(2.5), 2);
    EXPECT_EQ(nearestCount(3.5), 4);
    EXPECT_EQ(floorCount(-0.5), -1);
    EXPECT_EQ(nearestCount(1e12), 32767);
    EXPECT_EQ(floorCount(-1e12), -32768);
    EXPECT_EQ(nearestCount(std::nan("")), 0);
    std::array<std::int16_t, 101> frame{};
    placeTarget(frame, 45, 614);
    EXPECT_EQ(frame[45], 2);
    EXPECT_EQ(frame[46], 102);
}

}  // namespace
}  // namespace orvant

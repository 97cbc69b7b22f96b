#include "tracking/parking.h"

#include <gtest/gtest.h>

#include "rotator_station.h"

namespace orvant {
namespace {

using testing::RotatorStation;

TEST(ParkAzimuthCounts, PerRotatorType) {
    const double s360 = 360.0 / 1023.0;
    const double s450 = 450.0 / 1023.0;
    EXPECT_EQ(parkAzimuthCounts(1, 90, s360, 0), 255);   // Int(255.75)
    EXPECT_EQ(parkAzimuthCounts(0, 90, s360, 0), 767);   // Int(255.75 + 512)
    EXPECT_EQ(parkAzimuthCounts(0, 270, s360, 0), 255);  // Int(767.25 - 512)
    EXPECT_EQ(parkAzimuthCounts(3, 270, s450, 0), 307);  // Int(204.6 + 103)
    EXPECT_EQ(parkAzimuthCounts(3, 90, s450, 0), 716);   // Int(613.8 + 103)
    EXPECT_EQ(parkAzimuthCounts(4, 270, s450, 0), 410);  // Int(204.6 + 206)
    EXPECT_EQ(parkAzimuthCounts(5, 90, s450, 0), 306);   // Int(204.6) + 102
    // Bearings without a formula of their own:
    EXPECT_EQ(parkAzimuthCounts(2, 90, s450, 0), 204);    // counted from north like its readback
    EXPECT_EQ(parkAzimuthCounts(0, 180, s360, 0), 1023);  // due south: the clockwise stop
    EXPECT_EQ(parkAzimuthCounts(3, 180, s450, 0), 103);
    EXPECT_EQ(parkAzimuthCounts(4, 180, s450, 0), 206);
    EXPECT_EQ(parkAzimuthCounts(3, -10, s450, 42), 42);   // no bearing: the previous count
    EXPECT_EQ(parkAzimuthCounts(1, 400, s360, 0), 1023);  // limited to the travel
}

// Parking against a card whose motors do not move, so that each test sets the positions.
struct Parking : testing::RotatorTest {
    Parking() {
        s.freezeAxes();
        track.parkingDue = true;
        track.closeDone = 1;  // the radios are already shut down
    }
    void parkFrom(int azCounts, int elCounts) {
        s.card.setPositions(azCounts, elCounts);
        park_them(s.station);
    }
};

TEST_F(Parking, AzimuthWithinFiveCountsLetsTheElevationSettle) {
    s.station.cfg.parkAzimuth = 90;  // count 255
    s.slot(49) = 0;
    parkFrom(261, 500);
    EXPECT_EQ(s.slot(62), 1);
    EXPECT_EQ(s.sentTarget(45), 255);
    EXPECT_TRUE(s.display["lbl_parking"].visible);
    parkFrom(260, 500);
    EXPECT_EQ(s.slot(62), 2);
    EXPECT_EQ(s.display["hs_hf"].value, 261);  // the gauge shows the count read before
    EXPECT_TRUE(track.parkingDue);             // the elevation is still up
    s.slot(49) = 8;                            // the azimuth tolerance widens the parked window
    parkFrom(263, 500);
    EXPECT_EQ(s.slot(62), 2);
}

// At the horizon the elevation counts as parked within the parking elevation tolerance (ORV.CFG
// value 34) or within the card's own tolerance (slot 50), whichever is wider: the card may stop
// anywhere inside its own.
TEST_F(Parking, CompletesAtTheHorizonWithinEitherTolerance) {
    struct Case {
        double parkingToleranceDeg;
        std::int16_t cardTolerance;
        int stillUp, parked;
    };
    for (const Case c : {Case{2, 5, 12, 11}, Case{0.5, 11, 12, 5}}) {
        SCOPED_TRACE(c.parkingToleranceDeg);
        track.parkingDue = true;
        track.closeDone = 1;
        s.station.cfg.parkAzimuth = 90;
        s.station.cfg.parkElToleranceCounts = c.parkingToleranceDeg / s.station.cfg.elScale;
        s.slot(50) = c.cardTolerance;
        parkFrom(255, c.stillUp);
        EXPECT_TRUE(track.parkingDue);
        const int resets = s.card.resets();
        parkFrom(255, c.parked);
        EXPECT_FALSE(track.parkingDue);
        EXPECT_EQ(track.closeDone, 0);
        EXPECT_EQ(s.slot(62), 0);
        EXPECT_EQ(s.card.lastFrame()[62], 0);
        EXPECT_EQ(s.card.resets(), resets + 1);  // the controller is reset
        EXPECT_FALSE(s.display["lbl_parking"].visible);
        EXPECT_TRUE(s.display["lbl_parked"].visible);
        EXPECT_EQ(s.sentTarget(47), 0);
    }
}

TEST_F(Parking, At90DegreesTheElevationMaySettleWithinItsTolerance) {
    s.station.cfg.parkAzimuth = 90;
    s.station.cfg.parkAt90 = 90;  // count 511
    s.slot(50) = 5;
    parkFrom(255, 505);
    EXPECT_TRUE(track.parkingDue);
    EXPECT_EQ(s.sentTarget(47), 511);
    parkFrom(255, 506);
    EXPECT_FALSE(track.parkingDue);
    track.parkingDue = true;
    s.slot(50) = 0;  // without a tolerance one count either side
    parkFrom(255, 509);
    EXPECT_TRUE(track.parkingDue);
    parkFrom(255, 512);
    EXPECT_FALSE(track.parkingDue);
    track.parkingDue = true;
    s.station.cfg.parkAzimuth = 0;
    s.slot(50) = 5;
    parkFrom(700, 3);  // below the parking tolerance, but far from the zenith
    EXPECT_TRUE(track.parkingDue);
    EXPECT_EQ(s.slot(62), 2);
    EXPECT_EQ(s.sentTarget(47), 511);
    parkFrom(700, 508);
    EXPECT_FALSE(track.parkingDue);
}

TEST_F(Parking, WithoutAParkAzimuthOnlyTheElevationIsDriven) {
    s.display.show("txt_aztxt");
    parkFrom(700, 11);
    EXPECT_FALSE(track.parkingDue);
    EXPECT_FALSE(s.display["txt_aztxt"].visible);  // manual entry is left
    EXPECT_EQ(s.card.lastFrame()[62], 0);
    EXPECT_TRUE(s.display["lbl_parked"].visible);
}

TEST_F(Parking, FlipModeParksTheElevationOverTheTop) {
    s.setFlipMode();
    parkFrom(700, 500);
    EXPECT_EQ(s.sentTarget(47), 1011);  // Int(178 / scale)
    EXPECT_TRUE(track.parkingDue);
    s.station.cfg.parkAt90 = 90;
    parkFrom(700, 515);
    EXPECT_EQ(s.sentTarget(47), 511);  // with park-at-90 the zenith is sent
    EXPECT_FALSE(track.parkingDue);
}

TEST_F(Parking, AnAxisKeptStillCountsAsParked) {
    s.station.cfg.parkAzimuth = 90;
    s.slot(63) = 1;
    s.slot(64) = 1;
    parkFrom(700, 300);
    EXPECT_FALSE(track.parkingDue);
}

TEST_F(Parking, ShutsTheRadiosDownFirstAndDoesNothingWhenNotDue) {
    track.closeDone = 0;
    s.station.cfg.parkAzimuth = 90;
    parkFrom(700, 300);
    EXPECT_EQ(track.closeDone, 1);  // the shutdown ran
    const int frames = s.card.framesTaken();
    track.parkingDue = false;
    park_them(s.station);
    EXPECT_EQ(s.card.framesTaken(), frames);
}

TEST_F(Parking, TheOperatorCanForceParking) {
    track.parkingDue = false;
    s.operatorDoes(InputKind::Click, "lbl_track");
    EXPECT_TRUE(track.parkingDue);
    EXPECT_EQ(track.closeDone, 0);
}

// Parking with motors that take 4 s over the whole travel, from well away from the park position.
struct ParkingDrive : ::testing::Test {
    RotatorStation s;
    ParkingDrive() {
        s.card.setAzimuthTravelMs(4000);
        s.card.setElevationTravelMs(4000);
        s.card.setPositions(900, 600);
    }
};

TEST_F(ParkingDrive, AnAxisDisabledByTheOperatorStaysWhereItIs) {
    s.station.cfg.parkAzimuth = 90;
    s.operatorDoes(InputKind::Click, "ch_RotAz");
    s.station.track.parkingDue = true;
    s.station.track.closeDone = 1;
    for (int calls = 0; calls < 200 && s.station.track.parkingDue; ++calls) park_them(s.station);
    EXPECT_FALSE(s.station.track.parkingDue);
    EXPECT_EQ(s.card.azimuthCounts(), 900);
    EXPECT_LT(s.card.elevationCounts(), 12);
}

TEST_F(ParkingDrive, ForcedParkingParksAtTheSatelliteFilesAzimuthOncePerLoad) {
    s.station.cfg.parkAzimuth = 270;
    s.station.track.satParkAzimuth = 90;
    perked(s.station);
    EXPECT_EQ(s.station.track.parkedDone, 1);
    EXPECT_FALSE(s.station.track.parkingDue);
    EXPECT_NEAR(s.card.azimuthCounts(), 255, 5);
    EXPECT_EQ(s.display["lbl_Base"].caption, "Parked Frequency");
    EXPECT_TRUE(s.display["File1"].visible);
    EXPECT_FALSE(s.display["lbl_SatBearings"].visible);
    const int frames = s.card.framesTaken();
    perked(s.station);  // runs once per load
    EXPECT_EQ(s.card.framesTaken(), frames);
}

TEST_F(ParkingDrive, ForcedParkingKeepsTheConfiguredAzimuthWhenTheSatelliteFileHasNone) {
    s.station.cfg.parkAzimuth = 270;
    perked(s.station);
    EXPECT_EQ(parkAzimuthDeg(s.station), 270);
    EXPECT_NEAR(s.card.azimuthCounts(), 767, 5);
}

TEST_F(ParkingDrive, ForcedParkingStaysResponsiveWhileParking) {
    s.station.track.satParkAzimuth = 90;
    s.post(500, InputKind::DblClick, "motor_red");  // the operator stops the drive once
    perked(s.station);
    EXPECT_FALSE(s.pump.hasPendingInput());  // the click was handled while parking
    EXPECT_EQ(s.station.track.parkedDone, 1);
    EXPECT_NEAR(s.card.azimuthCounts(), 255, 5);
}

}  // namespace
}  // namespace orvant

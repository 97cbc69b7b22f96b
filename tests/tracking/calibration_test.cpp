#include "tracking/calibration.h"

#include <gtest/gtest.h>

#include "rotator_station.h"

namespace orvant {
namespace {

using testing::RotatorStation;

// What the calibration view showed while it was open, seen by a periodic observer.
struct CalibrationView : ::testing::Test {
    RotatorStation s;
    std::string azShown;
    std::string elShown;
    std::int16_t idlePassesWhileOpen = 0;
    std::uint8_t driveSent = 99;
    std::uint8_t azInhibitSent = 99;
    std::uint8_t elInhibitSent = 99;
    bool viewShown = false;

    CalibrationView() {
        s.station.cfg.idlePollPasses = 7;
        s.card.setPositions(1022, 1023);
        s.pump.setTicker(200, [this] {
            if (s.station.rot.calibrating == 0) return;
            azShown = s.display["lbl_calaz"].caption;
            elShown = s.display["lbl_calel"].caption;
            idlePassesWhileOpen = s.station.cfg.idlePollPasses;
            driveSent = s.card.lastFrame()[62];
            azInhibitSent = s.card.lastFrame()[63];
            elInhibitSent = s.card.lastFrame()[64];
            viewShown = s.display["calcmd"].visible && s.display["Text3"].visible &&
                        s.display["lbl_calaz"].visible && !s.display["lbl_Azfed"].visible &&
                        s.display["lbl_parking"].caption == "Antenna Calibration";
        });
    }
    void calibrate(std::int64_t restoreAfterMs) {
        s.slot(62) = 1;
        s.post(0, InputKind::DblClick, "lbl_calib");
        s.post(restoreAfterMs, InputKind::Click, "calcmd");
        s.pump.pumpOnce();
    }
};

TEST_F(CalibrationView, HoldsBothRotatorsAndShowsTheRawCounts) {
    calibrate(1000);
    EXPECT_EQ(azShown, "1022");
    EXPECT_EQ(elShown, "1023");
    EXPECT_EQ(idlePassesWhileOpen, 220);
    EXPECT_EQ(driveSent, 0);
    EXPECT_EQ(azInhibitSent, 1);
    EXPECT_EQ(elInhibitSent, 1);
    EXPECT_TRUE(viewShown);
    EXPECT_GE(s.host.elapsedMs(), 1000);  // the view stayed open until Restore
    EXPECT_EQ(s.station.rot.calibrating, 0);
    EXPECT_EQ(s.station.cfg.idlePollPasses, 7);
    EXPECT_EQ(s.slot(62), 0);
    EXPECT_EQ(s.slot(63), 0);
    EXPECT_EQ(s.slot(64), 0);
    EXPECT_TRUE(s.display["lbl_Azfed"].visible);
    EXPECT_FALSE(s.display["calcmd"].visible);
    EXPECT_FALSE(s.display["Text3"].visible);
    EXPECT_EQ(s.display["lbl_parked"].caption, "Antennas are parked at");
    EXPECT_EQ(s.display["lbl_parking"].caption, "The Antennas are parking");
}

TEST_F(CalibrationView, ClosingKeepsADisabledRotatorStill) {
    s.operatorDoes(InputKind::Click, "ch_RotEl");
    calibrate(500);
    EXPECT_EQ(s.slot(63), 0);
    EXPECT_EQ(s.slot(64), 1);
}

TEST_F(CalibrationView, ASecondOpeningKeepsTheOperatorsPollSpacing) {
    s.post(0, InputKind::DblClick, "lbl_calib");
    s.post(100, InputKind::DblClick, "lbl_calib");
    s.post(300, InputKind::Click, "calcmd");
    s.pump.pumpOnce();
    EXPECT_EQ(s.station.cfg.idlePollPasses, 7);
    calcmd_Click(s.station);  // a stray Restore with the view closed changes nothing
    EXPECT_EQ(s.station.cfg.idlePollPasses, 7);
}

}  // namespace
}  // namespace orvant

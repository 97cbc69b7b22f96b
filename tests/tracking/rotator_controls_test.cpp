#include "tracking/rotator_controls.h"

#include <gtest/gtest.h>

#include "controller/controller_functions.h"
#include "controller/rotator_inhibits.h"
#include "rotator_station.h"
#include "tracking/compass_relabel.h"
#include "tracking/rotator_display.h"

namespace orvant {
namespace {

using testing::RotatorStation;

struct RotatorControls : ::testing::Test {
    RotatorStation s;
};

TEST_F(RotatorControls, EnableBoxesSwitchTheInhibits) {
    s.operatorDoes(InputKind::Click, "ch_RotAz");
    EXPECT_EQ(s.display["ch_RotAz"].value, 0);
    EXPECT_EQ(s.slot(63), 1);
    EXPECT_FALSE(s.display["lbl_Azfed"].visible);
    s.display.show("lbl_parked");
    s.operatorDoes(InputKind::Click, "ch_RotAz");
    EXPECT_EQ(s.slot(63), 0);
    EXPECT_TRUE(s.display["lbl_Azfed"].visible);
    EXPECT_FALSE(s.display["lbl_parked"].visible);
    s.operatorDoes(InputKind::Set, "ch_RotEl", "0");
    EXPECT_EQ(s.slot(64), 1);
    EXPECT_FALSE(s.display["lbl_Elfed"].visible);
}

TEST_F(RotatorControls, ReleasingTheInhibitsHonoursTheEnableBoxes) {
    inhibitRotators(s.station);
    releaseInhibits(s.station);
    EXPECT_EQ(s.slot(63), 0);
    EXPECT_EQ(s.slot(64), 0);
    s.operatorDoes(InputKind::Click, "ch_RotAz");
    inhibitRotators(s.station);
    releaseInhibits(s.station);
    EXPECT_EQ(s.slot(63), 1);
    EXPECT_EQ(s.slot(64), 0);
    s.station.rot.calibrating = 1;
    releaseInhibits(s.station);
    EXPECT_EQ(s.slot(64), 1);
    s.operatorDoes(InputKind::Click, "ch_RotAz");  // ticking it again while calibrating
    EXPECT_EQ(s.slot(63), 1);
}

TEST_F(RotatorControls, TestTracking) {
    s.operatorDoes(InputKind::Click, "ch_Test");
    EXPECT_EQ(s.station.track.freqChanged, 1);
    EXPECT_EQ(s.station.track.forceAzSend, 1);
    EXPECT_EQ(s.station.track.forceElSend, 1);
    EXPECT_EQ(s.display["lbl_CompEle"].backColor, bgr::kRed);
    EXPECT_EQ(s.display["lbl_CompEle"].foreColor, bgr::kYellow);
    EXPECT_TRUE(s.display["lbl_Testtrak"].visible);
    EXPECT_FALSE(s.display["lbl_track"].visible);
    s.operatorDoes(InputKind::Click, "ch_Test");
    EXPECT_EQ(s.display["lbl_CompEle"].backColor, bgr::kWhite);
    EXPECT_EQ(s.display["lbl_CompEle"].foreColor, 0x000080u);
    EXPECT_FALSE(s.display["lbl_Testtrak"].visible);
    EXPECT_TRUE(s.display["lbl_track"].visible);
}

TEST_F(RotatorControls, SlewResetsAndDriveStop) {
    s.display["hs_Azimuth"].value = 12;
    s.display.show("ResetAz");
    s.operatorDoes(InputKind::Click, "ResetAz");
    EXPECT_EQ(s.display["hs_Azimuth"].value, 0);
    EXPECT_FALSE(s.display["ResetAz"].visible);
    s.display["hs_elevation"].value = -3;
    s.display.show("ResetEl");
    s.operatorDoes(InputKind::Click, "ResetEl");
    EXPECT_EQ(s.display["hs_elevation"].value, 0);
    EXPECT_FALSE(s.display["ResetEl"].visible);
    s.slot(62) = 1;
    showDriveIndicator(s.station);  // the red lamp shows while the drive runs
    s.operatorDoes(InputKind::DblClick, "motor_red");
    EXPECT_EQ(s.slot(62), 0);
}

std::vector<std::string> scale(const RotatorStation& s) {
    std::vector<std::string> captions;
    for (const std::string& name : kCompassScaleLabels) captions.push_back(s.display[name].caption);
    return captions;
}

TEST_F(RotatorControls, CompassScaleStopAtNorthAndAtSouth) {
    s.operatorDoes(InputKind::Click, "lbl_hf360");
    EXPECT_EQ(scale(s),
              (std::vector<std::string>{"0", "22", "45", "67", "90", "112", "135", "157", "180",
                                        "202", "225", "247", "270", "292", "315", "337", "360"}));
    s.operatorDoes(InputKind::DblClick, "lbl_hf180");
    EXPECT_EQ(scale(s),
              (std::vector<std::string>{"N", "NNE", "NE", "ENE", "EAST", "ESE", "SE", "SSE", "S",
                                        "SSW", "SW", "WSW", "WEST", "WNW", "NW", "NNW", "N"}));
    s.setRotatorType(0);
    s.operatorDoes(InputKind::Click, "lbl_hf180");
    EXPECT_EQ(scale(s), (std::vector<std::string>{"180", "202", "225", "247", "270", "292", "315",
                                                  "337", "360", "22", "45", "67", "90", "112",
                                                  "135", "157", "180"}));
    s.operatorDoes(InputKind::DblClick, "lbl_hf360");
    EXPECT_EQ(scale(s),
              (std::vector<std::string>{"S", "SSW", "SW", "WSW", "WEST", "WNW", "NW", "NNW", "N",
                                        "NNE", "NE", "ENE", "EAST", "ESE", "SE", "SSE", "S"}));
}

}  // namespace
}  // namespace orvant

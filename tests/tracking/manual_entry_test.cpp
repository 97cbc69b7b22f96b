#include "tracking/manual_entry.h"

#include <gtest/gtest.h>

#include "rotator_station.h"
#include "station/tracker_kinds.h"
#include "tracking/pointing.h"
#include "tracking/readback.h"

namespace orvant {
namespace {

struct ManualEntry : testing::RotatorTest {
    ManualEntry() {
        s.display.setCaption("lbl_Azfed", "123");
        s.display.setCaption("lbl_Elfed", "34");
    }
    // The operator clicks an entry box and, later, types into it.
    void enter(const std::string& box, const std::string& keys) {
        s.post(0, InputKind::Click, box);
        s.post(300, InputKind::Keys, box, keys);
        s.pump.pumpOnce();
    }
};

TEST_F(ManualEntry, TypedBearingsBecomeTheSatellitesAndAreHeld) {
    track.satElevation = -20;
    enter("txt_aztxt", "245\r");
    EXPECT_EQ(track.satAzimuth, 245);
    EXPECT_EQ(track.satElevation, 34);  // the present elevation is held
    EXPECT_EQ(track.manualPointing, 1);
    EXPECT_EQ(s.slot(62), 1);
    EXPECT_EQ(s.station.rot.enterPressed, 0);
    EXPECT_EQ(s.host.elapsedMs(), 300);  // the entry waited for the operator
    enter("txt_eltxt", "5\b45\r");
    EXPECT_EQ(track.satElevation, 45);
    EXPECT_EQ(track.satAzimuth, 245);  // held until the model overwrites it
}

TEST_F(ManualEntry, EnterInAnEmptyBoxKeepsThePresentPosition) {
    s.display.setCaption("txt_aztxt", "old");
    enter("txt_aztxt", "\r");
    EXPECT_EQ(track.satAzimuth, 123);
    EXPECT_EQ(s.display["txt_aztxt"].caption, "123");
    enter("txt_eltxt", "\r");
    EXPECT_EQ(track.satElevation, 34);
    EXPECT_EQ(s.display["txt_eltxt"].caption, "34");
}

TEST_F(ManualEntry, TheAntennasGoToATypedBearingWithinTheirTravel) {
    s.card.setAzimuthTravelMs(2000);
    s.card.setElevationTravelMs(2000);
    enter("txt_aztxt", "1000\r");  // not range-checked: 640 degrees after one wrap
    enter("txt_eltxt", "30\r");
    for (int i = 0; i < 3; ++i) pass(track.satAzimuth, track.satElevation);
    EXPECT_EQ(s.station.rot.azCommandCounts, 1819);
    EXPECT_EQ(s.sentTarget(45), 1023);
    EXPECT_EQ(s.sentTarget(47), 170);
}

// After each orbit step the typed bearing (245, 34) replaces the model's position until the model
// has moved an update step (ORV.CFG values 16 and 17, here 2 degrees) from where it stood on the
// first pass after the entry.
TEST_F(ManualEntry, ATypedBearingHoldsUntilTheOrbitModelMovesAnUpdateStep) {
    struct Case {
        const char* name;
        double azMove, elMove;
        bool held;
    };
    const Case cases[] = {
        {"StillModel", 0, 0, true},          {"AzimuthOneDegree", 1, 0, true},
        {"AzimuthAStep", 2, 0, false},       {"AzimuthAStepBack", -2, 0, false},
        {"ElevationOneDegree", 0, -1, true}, {"ElevationAStep", 0, -2, false},
    };
    s.station.cfg.azUpdateStep = 2;
    s.station.cfg.elUpdateStep = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        enter("txt_aztxt", "245\r");
        const auto modelStep = [&](double az, double el) {
            track.satAzimuth = az;
            track.satElevation = el;
            holdTypedBearing(s.station);
        };
        modelStep(300, 20);  // the first pass after the entry notes where the model stands
        EXPECT_EQ(track.satAzimuth, 245);
        EXPECT_EQ(track.satElevation, 34);
        modelStep(300 + c.azMove, 20 + c.elMove);
        EXPECT_EQ(track.satAzimuth, c.held ? 245 : 300 + c.azMove);
        EXPECT_EQ(track.satElevation, c.held ? 34 : 20 + c.elMove);
    }
}

TEST_F(ManualEntry, EntryModeShowsAndHidesTheBoxes) {
    for (const bool entering : {true, false}) {
        SCOPED_TRACE(entering ? "entering" : "leaving");
        s.operatorDoes(entering ? InputKind::DblClick : InputKind::Click, "lbl_hf");
        for (const char* name :
             {"txt_aztxt", "txt_eltxt", "txt_rad_left", "txt_rad_right", "lbl_mask", "lbl_mask1"})
            EXPECT_EQ(s.display[name].visible, entering) << name;
        EXPECT_EQ(s.display["Llb_gate"].visible, !entering);
        EXPECT_EQ(s.display["ch_Test"].visible, !entering);
        EXPECT_EQ(s.display["lbl_SatBearings"].caption,
                  entering ? "Enter bearings and press return" : "Flipping Off");
        EXPECT_EQ(s.display["lbl_DopCor"].caption, entering ? "" : "Doppler Corrected Freq's.");
    }
}

TEST_F(ManualEntry, NothingHappensUnderNovaOrWisp) {
    for (std::int16_t kind : {tracker::kWisp, tracker::kNova}) {
        track.trackerKind = kind;
        s.display.hide("txt_aztxt");
        s.display.setCaption("lbl_SatBearings", "Flip Mode?");
        lbl_hf_DblClick(s.station);
        EXPECT_FALSE(s.display["txt_aztxt"].visible);
        lbl_hf_Click(s.station);
        EXPECT_EQ(s.display["lbl_SatBearings"].caption, "Flip Mode?");
    }
}

}  // namespace
}  // namespace orvant

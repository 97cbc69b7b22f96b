#include "controller/controller_functions.h"

#include <gtest/gtest.h>

#include "controller/link.h"
#include "station/waits.h"
#include "support/sim_station.h"

namespace orvant {
namespace {

using testing::SimStation;

bool lampOn(const SimStation& s, int output) {
    const std::string prefix = "img_Ecp" + std::to_string(output);
    EXPECT_NE(s.display[prefix + "Red"].visible, s.display[prefix + "Black"].visible)
        << "exactly one lamp of output " << output << " shows";
    return s.display[prefix + "Red"].visible;
}

void applyExtPort(SimStation& s) {
    switch_(s.station, s.station.link.extPortValue);
}

// The operator's input on `control`, taken at once.
void input(SimStation& s, InputKind kind, const char* control) {
    s.post(0, kind, control);
    pumpMessages(s.station);
}

TEST(ExternalPort, TheLampsShowBitsZeroAndOneAndTheFrameCarriesEveryBit) {
    for (const std::int16_t value : {2, 6}) {  // bit 2 of 6 has no lamp but is still sent
        SCOPED_TRACE(value);
        SimStation s;
        s.station.link.extPortValue = value;
        applyExtPort(s);
        EXPECT_TRUE(lampOn(s, 1));
        EXPECT_FALSE(lampOn(s, 0));
        EXPECT_EQ(s.slot(51), value);
        EXPECT_EQ(s.station.link.extPortApplied, value);
        EXPECT_EQ(s.card.framesTaken(), 0);  // no exchange of its own
        laptop(s.station);
        EXPECT_EQ(s.card.externalOutputs(), value);
    }
}

TEST(ExternalPort, ADoubleClickTogglesTheOutputItsLampShowsAndASingleClickDoesNot) {
    SimStation s;
    s.station.link.extPortValue = 2;
    applyExtPort(s);
    input(s, InputKind::Click, "img_Ecp0Black");
    EXPECT_EQ(s.station.link.extPortValue, 2);
    input(s, InputKind::DblClick, "img_Ecp0Black");
    EXPECT_EQ(s.station.link.extPortValue, 3);
    EXPECT_FALSE(lampOn(s, 0));  // the lamps follow on the next pass
    applyExtPort(s);
    EXPECT_TRUE(lampOn(s, 0));
    EXPECT_TRUE(lampOn(s, 1));
    input(s, InputKind::Click, "img_Ecp0Red");
    EXPECT_TRUE(lampOn(s, 0));  // a single click shows the lamp clicked
    EXPECT_EQ(s.station.link.extPortValue, 3);

    input(s, InputKind::DblClick, "img_Ecp1Red");
    applyExtPort(s);
    EXPECT_EQ(s.station.link.extPortValue, 1);
    EXPECT_FALSE(lampOn(s, 1));

    input(s, InputKind::DblClick, "img_Ecp0Red");
    EXPECT_EQ(s.station.link.extPortValue, 0);
    input(s, InputKind::DblClick, "img_Ecp1Black");
    EXPECT_EQ(s.station.link.extPortValue, 2);
}

TEST(TrafficWindows, TheLabelShowsBothWindowsAndAWindowClickedHides) {
    SimStation s;
    EXPECT_FALSE(s.display["Text1"].visible);
    input(s, InputKind::Click, "lbl_extcontrolport");
    EXPECT_TRUE(s.display["Text1"].visible);
    EXPECT_TRUE(s.display["Text2"].visible);
    input(s, InputKind::Click, "Text2");
    EXPECT_TRUE(s.display["Text1"].visible);
    EXPECT_FALSE(s.display["Text2"].visible);
    input(s, InputKind::Click, "Text1");
    EXPECT_FALSE(s.display["Text1"].visible);
    EXPECT_EQ(s.display["lbl_extcontrolport"].caption, "Ext Control Port");
    EXPECT_EQ(s.display["lbl_extcontrolport"].tooltip,
              "Double click the LED indicators above to change thier operational state.");
}

TEST(TrafficWindows, TheReadbackDumpShowsTheReplyBytes) {
    SimStation s;
    auto& nibbles = s.station.link.replyNibbles;
    nibbles[2] = 0x4;
    nibbles[3] = 0x6;  // byte 1 = 46
    nibbles[128] = 0xA;
    nibbles[129] = 0xB;  // byte 64 = AB
    dump(s.station);
    std::string bytes = "46 ";
    for (int k = 2; k <= 63; ++k) bytes += "00 ";
    bytes += "AB ";
    EXPECT_TRUE(s.display["Text4"].visible);
    EXPECT_EQ(s.display["Text4"].caption, std::string(18, ' ') + "Readback Dump" + bytes);
    input(s, InputKind::Click, "Text4");
    EXPECT_FALSE(s.display["Text4"].visible);
}

TEST(ControllerReset, ThePulseRestartsTheCardAndReleasesPauseHoldAndDiagnostics) {
    SimStation s;
    s.station.track.loopHold = 1;
    s.station.link.diagnostic = true;
    s.station.link.delayElapsed = false;
    s.port.accesses.clear();
    input(s, InputKind::Click, "lbl_reset");
    EXPECT_EQ(s.port.writesTo(SimStation::kBase + 2), (std::vector<std::uint8_t>{0x01, 0x04}));
    EXPECT_EQ(s.port.accesses.size(), 2u);
    EXPECT_EQ(s.card.resets(), 1);
    EXPECT_TRUE(s.station.link.delayElapsed);
    EXPECT_EQ(s.station.track.loopHold, 0);
    EXPECT_FALSE(s.station.link.diagnostic);
    EXPECT_EQ(s.display["lbl_reset"].caption, "Reset System");
    EXPECT_EQ(s.display["lbl_reset"].tooltip, "Click to reset the external microcontroller.");

    lbl_reset_Click(s.station);  // it never sets the hold
    EXPECT_EQ(s.station.track.loopHold, 0);
}

TEST(ParkingStart, StarterReleasesTheInhibitsSendsAndLeavesTheDriveCommandForTheNextFrame) {
    SimStation s;
    s.slot(63) = 1;
    s.slot(64) = 1;
    s.slot(62) = 0;
    starter(s.station);
    EXPECT_EQ(s.card.framesTaken(), 1);
    EXPECT_EQ(s.card.lastFrame()[63], 0);
    EXPECT_EQ(s.card.lastFrame()[64], 0);
    EXPECT_EQ(s.card.lastFrame()[62], 0);
    EXPECT_EQ(s.slot(62), 1);
    EXPECT_TRUE(s.station.track.parkingDue);
}

}  // namespace
}  // namespace orvant

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "frequency_station.h"
#include "radio/adjust_read.h"
#include "radio/frequency_switches.h"
#include "radio/frequency_text.h"

namespace orvant {
namespace {

using testing::FrequencyStation;

TEST(Beacon, TunesTheFilesBeaconOnceAndRestoresTheDownlink) {
    constexpr double kBeacon = 435.795001;
    // As loaded: a beacon, a file's 0 (the guard alone), and DEFAULT's 0.
    for (const double beacon : {kBeacon, kGuardMHz, 0.0}) {
        FrequencyStation h;
        Station& s = h.station;
        s.sat.beaconMHz = beacon;
        h.display.show("lbl_beacon");  // as for a satellite with a transponder
        h.input(InputKind::DblClick, "lbl_beacon");
        h.input(InputKind::DblClick, "lbl_beacon");  // while tuned there: ignored
        const bool tuned = beacon == kBeacon;
        EXPECT_EQ(s.sat.downlinkMHz, tuned ? kBeacon : 435.000001) << beacon;
        EXPECT_EQ(h.display["lbl_beacon"].foreColor, tuned ? bgr::kRed : bgr::kDarkBlue);
        h.input(InputKind::Click, "lbl_beacon");
        EXPECT_EQ(s.sat.downlinkMHz, 435.000001);
        EXPECT_EQ(h.display["lbl_beacon"].foreColor, bgr::kDarkBlue);
    }
}

// A mode-J transponder with its beacon below the passband. A dial read on the beacon re-centres
// the beacon only: the uplink stays in the passband, and leaving the beacon sends both links as
// they were before it.
TEST(Beacon, ReadBackOnTheBeaconLeavesTheUplinkAndLeavingRestoresBothLinks) {
    FrequencyStation h(145.950001, 435.850001);
    Station& s = h.station;
    s.sat.offsetMHz = -581.8;
    s.sat.beaconMHz = 435.795001;
    h.display.show("lbl_beacon");
    h.pass();
    h.input(InputKind::DblClick, "lbl_beacon");
    h.pass();
    EXPECT_EQ(h.sentUp() + " " + h.sentDown(), "145950000 435795000");
    s.radio.readFreq = 435.796 + kGuardMHz;  // the beacon heard 1 kHz higher
    s.radio.readSide = 2;
    adjust_read(s);
    h.pass();
    EXPECT_EQ(h.sentUp() + " " + h.sentDown(), "145950000 435796000");
    h.input(InputKind::Click, "lbl_beacon");
    h.pass();
    EXPECT_EQ(h.sentUp() + " " + h.sentDown(), "145950000 435850000");
}

TEST(Inhibits, DoubleClickInhibitsAndClickSendsAgain) {
    FrequencyStation h;
    RadioState& radio = h.station.radio;
    for (const auto& [label, flag] :
         {std::pair{"Lbl_inhibit_rx", &radio.rxInhibit}, {"lbl_inhibit_tx", &radio.txInhibit}}) {
        const Control& shown = h.display[label];
        h.input(InputKind::DblClick, label);
        EXPECT_TRUE(*flag) << label;
        EXPECT_EQ(std::pair(shown.backColor, shown.foreColor), std::pair(bgr::kRed, bgr::kYellow));
        h.station.track.freqChanged = 0;
        h.input(InputKind::Click, label);
        EXPECT_FALSE(*flag);
        EXPECT_EQ(std::pair(shown.backColor, shown.foreColor),
                  std::pair(bgr::kGrey, bgr::kDarkBlue));
        EXPECT_EQ(h.station.track.freqChanged, 1);
    }
    inhibitRadiosAtStart(h.station);
    EXPECT_TRUE(radio.rxInhibit && radio.txInhibit);
}

TEST(FineTuning, StepGoesByTensWithoutLimitsAndResetPutsTheSliderBack) {
    FrequencyStation h;
    h.input(InputKind::Click, "lbl_fine_div");
    h.input(InputKind::Click, "lbl_fine_div");
    h.display["hs_UpFine"].value = 25;  // 2.5 Hz: the fraction is dropped
    h.pass();
    EXPECT_EQ(h.display["lbl_FreqFine"].caption + " " + h.sentUp(), "0.1 145900002");
    h.input(InputKind::Click, "lbl_fine_mult");
    h.pass();
    EXPECT_EQ(h.display["lbl_FreqFine"].caption + " " + h.sentUp(), "1 145900025");
    EXPECT_TRUE(h.display["ResetUP"].visible);
    h.input(InputKind::Click, "ResetUP");
    EXPECT_EQ(h.display["hs_UpFine"].value, 0);
    EXPECT_FALSE(h.display["ResetUP"].visible);
}

// Full Doppler tuning on a mode-J transponder. The downlink read-back is the radio framework's;
// here it reports a dial 2 kHz above the frequency sent.
TEST(FullDopplerTuning, ReadsTheTunedDialAndLetsTheUplinkFollow) {
    FrequencyStation h(145.950001, 435.850001);
    Station& s = h.station;
    Display& d = h.display;
    d["hs_DnFine"].value = 7;
    d.show("lbl_fdt");  // as the window shows it for a satellite with a transponder
    h.pass();
    d.on("lbl_down_read", ControlEvent::DblClick, [&s] {
        s.radio.readFreq = std::stod(s.radio.downlinkFreqText) * 1e-6 + 0.002 + kGuardMHz;
        s.radio.readSide = 2;
        adjust_read(s);
    });
    h.input(InputKind::DblClick, "lbl_fdt");
    EXPECT_EQ(d["lbl_fdt"].caption, "RESTORE");
    EXPECT_TRUE(s.radio.rxInhibit && s.radio.txInhibit && d["lbl_get_dnfreq"].visible);
    EXPECT_FALSE(d["hs_DnFine"].visible || d["lbl_down_read"].visible);
    h.input(InputKind::DblClick, "lbl_get_dnfreq");  // no transponder: nothing to follow
    EXPECT_TRUE(s.radio.rxInhibit && d["lbl_get_dnfreq"].visible);

    s.sat.offsetMHz = -581.8;
    h.input(InputKind::DblClick, "lbl_get_dnfreq");
    EXPECT_FALSE(s.radio.rxInhibit || s.radio.txInhibit || d["lbl_get_dnfreq"].visible);
    EXPECT_TRUE(d["lbl_voice"].visible && d["hs_DnFine"].visible);
    EXPECT_EQ(d["hs_DnFine"].value, 0);
    h.pass();
    EXPECT_EQ(h.sentDown(), "435852070");  // the dial read, the slider back at 0
    EXPECT_EQ(h.sentUp(), "145947930");    // the inverting transponder's uplink follows

    h.input(InputKind::Click, "lbl_fdt");
    EXPECT_EQ(d["lbl_fdt"].caption, "Full Doppler Tuning");
    EXPECT_FALSE(d["lbl_voice"].visible);
    EXPECT_TRUE(d["lbl_down_read"].visible && d["lbl_DnVal"].visible);
}

// A refused entry (no number, or one beyond every radio's dial) is asked again with nothing sent
// in between; the number typed in the end is sent to the hertz. In fixed-frequency mode a box
// without a number is never sent.
TEST(FixedFrequencyEntry, RefusesAnythingButANumberAndSendsTheTypedFrequency) {
    FrequencyStation h;
    Station& s = h.station;
    s.track.satFileName = "KWIP";
    s.track.freqChanged = 1;
    s.display.setCaption("txt_rad_left", "145.9");
    s.display.setCaption("txt_rad_right", "435,9");
    h.pass();
    EXPECT_EQ(h.sentDown(), "");
    EXPECT_EQ(s.track.freqChanged, 1);  // sent as soon as the box holds a number
    h.post(0, InputKind::Click, "txt_rad_right");
    int afterMs = 0;
    for (const char* keys : {"\r", "43x.1\r", "435E80\r", "435.07\r"})
        h.post(afterMs += 100, InputKind::Keys, "txt_rad_right", keys);
    h.pump.pumpOnce();
    const std::string refusal =
        "   A number must be entered in the form 123.123456\r\n\r\n     KELDAN           "
        "Ver 2.2.14          April. 2002";
    EXPECT_EQ(h.alerts.boxes, std::vector<std::string>(3, refusal));
    EXPECT_EQ(h.sentDown(), "");
    EXPECT_EQ(s.sat.downlinkMHz, 435.07 + kGuardMHz);
    h.pass();
    EXPECT_EQ(h.sentUp() + " " + h.sentDown(), "145900000 435070000");
}

}  // namespace
}  // namespace orvant

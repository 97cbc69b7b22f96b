#include <gtest/gtest.h>

#include <string>

#include "frequency_station.h"
#include "radio/frequency_text.h"

namespace orvant {
namespace {

using testing::FrequencyStation;

constexpr double kDown = 435.850001;
constexpr double kBeacon = 435.795001;

TEST(Beacon, TunesTheFilesBeaconOnceAndRestoresTheDownlink) {
    struct Case {
        const char* name;
        double beaconMHz;  // as loaded
        double tuned;
    };
    for (const Case c : {Case{"file names a beacon", kBeacon, kBeacon},
                         Case{"file beacon 0", kGuardMHz, kDown}, Case{"no file", 0, kDown}}) {
        SCOPED_TRACE(c.name);
        FrequencyStation h;
        Station& s = h.station;
        s.sat.downlinkMHz = kDown;
        s.sat.beaconMHz = c.beaconMHz;
        h.input(InputKind::DblClick, "lbl_beacon");
        h.input(InputKind::DblClick, "lbl_beacon");  // while tuned there: ignored
        EXPECT_EQ(s.sat.downlinkMHz, c.tuned);
        EXPECT_EQ(h.shown("lbl_beacon").foreColor, c.tuned == kBeacon ? bgr::kRed : bgr::kDarkBlue);
        h.input(InputKind::Click, "lbl_beacon");
        EXPECT_EQ(s.sat.downlinkMHz, kDown);
        EXPECT_EQ(h.shown("lbl_beacon").foreColor, bgr::kDarkBlue);
    }
}

struct InhibitCase {
    std::string name;
    std::string label;
    bool RadioState::*flag;
};

struct Inhibit : ::testing::TestWithParam<InhibitCase> {};

TEST_P(Inhibit, DoubleClickInhibitsAndClickSendsAgain) {
    const InhibitCase& c = GetParam();
    FrequencyStation h;
    Station& s = h.station;
    h.input(InputKind::DblClick, c.label);
    EXPECT_TRUE(s.radio.*c.flag);
    EXPECT_EQ(h.shown(c.label).backColor, bgr::kRed);
    EXPECT_EQ(h.shown(c.label).foreColor, bgr::kYellow);
    h.input(InputKind::Click, c.label);
    EXPECT_FALSE(s.radio.*c.flag);
    EXPECT_EQ(h.shown(c.label).backColor, bgr::kGrey);
    EXPECT_EQ(h.shown(c.label).foreColor, bgr::kDarkBlue);
    EXPECT_EQ(s.track.freqChanged, 1);
    inhibitRadiosAtStart(s);
    EXPECT_TRUE(s.radio.*c.flag);
}

INSTANTIATE_TEST_SUITE_P(
    BothLinks, Inhibit,
    ::testing::Values(InhibitCase{"Rx", "Lbl_inhibit_rx", &RadioState::rxInhibit},
                      InhibitCase{"Tx", "lbl_inhibit_tx", &RadioState::txInhibit}),
    [](const auto& info) { return info.param.name; });

TEST(FineTuning, StepGoesByTensWithoutLimitsAndResetPutsTheSliderBack) {
    FrequencyStation h;
    Station& s = h.station;
    s.sat.uplinkMHz = 145.900001;
    s.sat.downlinkMHz = kDown;
    h.input(InputKind::Click, "lbl_fine_div");
    h.input(InputKind::Click, "lbl_fine_div");
    s.display["hs_UpFine"].value = 25;  // 2.5 Hz: the fraction is dropped
    h.pass();
    EXPECT_EQ(h.shown("lbl_FreqFine").caption, "0.1");
    EXPECT_EQ(h.sentUp(), "145900002");
    h.input(InputKind::Click, "lbl_fine_mult");
    h.pass();
    EXPECT_EQ(h.shown("lbl_FreqFine").caption, "1");
    EXPECT_EQ(h.sentUp(), "145900025");
    EXPECT_TRUE(h.shown("ResetUP").visible);
    h.input(InputKind::Click, "ResetUP");
    EXPECT_EQ(h.shown("hs_UpFine").value, 0);
    EXPECT_FALSE(h.shown("ResetUP").visible);
}

// Full Doppler tuning on a mode-J transponder. The downlink read-back is the radio framework's;
// here it reports a dial 2 kHz above the frequency sent.
TEST(FullDopplerTuning, ReadsTheTunedDialAndLetsTheUplinkFollow) {
    FrequencyStation h;
    Station& s = h.station;
    s.sat.uplinkMHz = 145.950001;
    s.sat.downlinkMHz = kDown;
    s.sat.offsetMHz = -581.8;
    s.display["hs_DnFine"].value = 7;
    h.pass();
    h.display.on("lbl_down_read", ControlEvent::DblClick, [&s] {
        s.radio.readFreq = std::stod(s.radio.downlinkFreqText) * 1e-6 + 0.002 + kGuardMHz;
        s.radio.readSide = 2;
        adjust_read(s);
    });

    h.input(InputKind::DblClick, "lbl_fdt");
    EXPECT_EQ(h.shown("lbl_fdt").caption, "RESTORE");
    EXPECT_EQ(h.shown("lbl_fdt").backColor, bgr::kYellow);
    EXPECT_TRUE(s.radio.rxInhibit && s.radio.txInhibit);
    EXPECT_TRUE(h.shown("lbl_get_dnfreq").visible);
    for (const char* name : {"hs_DnFine", "lbl_DnVal", "lbl_down_read", "lbl_Up_read"})
        EXPECT_FALSE(h.shown(name).visible) << name;

    h.input(InputKind::DblClick, "lbl_get_dnfreq");
    EXPECT_FALSE(s.radio.rxInhibit || s.radio.txInhibit);
    EXPECT_EQ(h.shown("hs_DnFine").value, 0);
    EXPECT_TRUE(h.shown("lbl_voice").visible && h.shown("hs_DnFine").visible);
    EXPECT_FALSE(h.shown("lbl_get_dnfreq").visible);
    EXPECT_EQ(h.shown("lbl_fdt").backColor, bgr::kGrey);
    h.pass();
    EXPECT_EQ(h.sentDown(), "435852070");  // the dial read, the slider back at 0
    EXPECT_EQ(h.sentUp(), "145947930");    // the inverting transponder's uplink follows

    h.input(InputKind::Click, "lbl_fdt");
    EXPECT_EQ(h.shown("lbl_fdt").caption, "Full Doppler Tuning");
    EXPECT_FALSE(h.shown("lbl_voice").visible);
    EXPECT_TRUE(h.shown("lbl_down_read").visible && h.shown("lbl_DnVal").visible);
}

TEST(FullDopplerTuning, ReadsNothingWithoutATransponder) {
    FrequencyStation h;
    h.display.on("lbl_down_read", ControlEvent::DblClick, [] { FAIL() << "read without offset"; });
    h.input(InputKind::DblClick, "lbl_fdt");
    h.input(InputKind::DblClick, "lbl_get_dnfreq");
    EXPECT_TRUE(h.station.radio.rxInhibit);
    EXPECT_TRUE(h.shown("lbl_get_dnfreq").visible);
}

// A refused entry is asked again with nothing sent in between; the number typed in the end is
// sent to the hertz.
TEST(FixedFrequencyEntry, RefusesAnythingButANumberAndSendsTheTypedFrequency) {
    FrequencyStation h;
    Station& s = h.station;
    s.track.satFileName = "KWIP";
    s.display.setCaption("txt_rad_left", "145.9");
    s.display.setCaption("txt_rad_right", "435.9");
    h.pass();
    h.post(0, InputKind::Click, "txt_rad_right");
    h.post(100, InputKind::Keys, "txt_rad_right", "\r");
    h.post(200, InputKind::Keys, "txt_rad_right", "43x.1\r");
    h.post(300, InputKind::Keys, "txt_rad_right", "435.07\r");
    h.pump.pumpOnce();
    const std::string refusal =
        "   A number must be entered in the form 123.123456\r\n\r\n     KELDAN           "
        "Ver 2.2.14          April. 2002";
    EXPECT_EQ(h.alerts.boxes, std::vector<std::string>(2, refusal));
    EXPECT_EQ(h.host.elapsedMs(), 300);
    EXPECT_EQ(h.sentDown(), "435900000");  // nothing sent while the entry waited
    EXPECT_EQ(s.sat.downlinkMHz, 435.07 + kGuardMHz);
    h.pass();
    EXPECT_EQ(h.sentDown(), "435070000");
    EXPECT_EQ(h.sentUp(), "145900000");
}

}  // namespace
}  // namespace orvant

#include "app/startup.h"

#include <cmath>
#include <optional>

#include "app/command_line.h"
#include "app/file_list.h"
#include "app/satellite_loading.h"
#include "app/startup_errors.h"
#include "config/config_error.h"
#include "config/element_file.h"
#include "config/station_config_reader.h"
#include "config/text_rules.h"
#include "controller/controller_functions.h"
#include "controller/link.h"
#include "controller/rotator_inhibits.h"
#include "controller/timerx.h"
#include "links/phase_display.h"
#include "links/tracker_hooks.h"
#include "links/tracker_poll.h"
#include "radio/frequency_switches.h"
#include "radio/frequency_text.h"
#include "radio/radio_start.h"
#include "station/handoff.h"
#include "station/program_end.h"
#include "station/station.h"
#include "station/tracker_kinds.h"
#include "station/waits.h"
#include "tracking/compass_relabel.h"
#include "tracking/drive_controls.h"
#include "tracking/main_loop.h"
#include "tracking/manual_entry.h"
#include "tracking/orbit_model.h"
#include "tracking/readback.h"
#include "ui/compass_scales.h"

namespace orvant {

namespace {

constexpr std::int16_t kFrameFill = 240;

void showInitialDisplay(Display& d) {
    d.hide("lbl_mask1");
    for (const char* name :
         {"txt_aztxt", "txt_eltxt", "lbl_DopCor", "lbl_mask", "lbl_DnDop", "lbl_UpDop",
          "lbl_Downlinkmain", "lbl_Uplinlkmain", "lbl_compAz", "lbl_CompEle", "lbl_SatBearings",
          "lbl_dde_cntr", "red_check", "hs_DnFine", "hs_UpFine"})
        d.show(name);
    d.setCaption("lbl_Base", "Frequency at Satellite");
}

void setInitialFrequencies(Station& s) {
    s.sat.uplinkMHz = 144.000001;
    s.sat.downlinkMHz = 435.000001;
    s.sat.fineStepHz = 10;
    s.sat.phaseAutomation = false;
    showPhaseSwitch(s);
    s.display.setCaption("lbl_sat_name", "");
    s.display.hide("File1");
}

void fillControllerFrame(LinkState& link) {
    for (int i = 1; i <= 44; ++i) link.controllerFrame[i] = kFrameFill;
    for (int i = 45; i <= 71; ++i) link.controllerFrame[i] = 0;
    link.controllerFrame[1] = 3;
    link.controllerFrame[65] = 5;
    link.controllerFrame[61] = 10;
}

// Steps 5 and 6: hand-off, command line, controller frame and the configuration file.
void readCommandLineAndConfiguration(Station& s, const std::string& arguments) {
    takeOverHandoff(s);
    const CommandLine line = parseCommandLine(arguments);
    s.app.commandLine = line.text;
    s.app.demo = line.demo;
    s.app.modeWord = line.modeWord;
    s.app.satName = line.satName;
    if (line.satName.empty()) s.app.selectedFileName = line.modeWord;
    lbl_hf_Click(s);
    s.app.wispMode = false;
    s.display["hs_hf"].value = 127;
    s.display.hide("lbl_simplex");
    fillControllerFrame(s.link);
    s.app.stage = Stage::ConfigFile;
    s.app.startFolder = s.platform.files.currentDirectory();
    s.cfg = parseStationConfig(readStationFile(s.platform.files, "ORV.CFG"), s.app.demo);
}

// Step 8: the printer port probe and the first two frames.
void wakeController(Station& s) {
    s.app.stage = Stage::PortDriver;
    s.port = s.platform.openPort(s.cfg.portData);
    if (s.port == nullptr) throw PortDriverMissing{};
    const bool auxHigh = (s.port->read(s.cfg.portData) & 0x20) != 0;
    s.link.portMode = auxHigh ? 1 : 0;
    s.port->write(s.cfg.portData, auxHigh ? 0xE0 : 0xC0);
    laptop(s);
    laptop(s);
}

// Only the frame and the azimuth gauge of the configured rotator type show.
void showRotatorPanel(Station& s) {
    static constexpr const char* kFrames[] = {"hf_frame",  "hf_frame",    "frame_default",
                                              "frame_450", "frame_south", "Frame_5"};
    Display& d = s.display;
    for (std::int16_t type = 0; type <= 5; ++type) {
        d.hide(kFrames[type]);
        d.hide(azimuthGauge(type));
    }
    const std::int16_t configured = s.cfg.rotatorType;
    for (const std::string& name : {std::string(kFrames[configured]), azimuthGauge(configured)}) {
        d.show(name);
        d.enable(name);
    }
    if (configured > 1) d.hide("lbl_hf");
}

// Steps 9 and 10: the load-time settings that show on the window and reach the frame.
void applyConfiguration(Station& s) {
    showRotatorPanel(s);
    // As a click on `nthx`, `sc_4k` and `sc_5k`: those scales start numeric.
    for (int rotatorType : {3, 4, 5}) showScaleNumbers(s, rotatorType);
    s.link.controllerFrame[49] = s.cfg.azToleranceCounts;
    s.link.controllerFrame[50] = s.cfg.elToleranceCounts;
    s.track.fullDdeControl = s.cfg.fullDdeControl;
    if (s.cfg.radioInhibitAtStart) inhibitRadiosAtStart(s);
    // Setting a check box runs its click handler, as the operator's click would.
    Display& d = s.display;
    d["ch_RotAz"].value = s.cfg.azimuthDisabled ? 0 : 1;
    ch_RotAz_Click(s);
    d["ch_RotEl"].value = s.cfg.elevationDisabled ? 0 : 1;
    ch_RotEl_Click(s);
    if (s.cfg.azimuthDisabled && s.cfg.elevationDisabled)
        for (const char* name : {"ch_RotAz", "ch_RotEl", "lbl_az_el", "Lbl_elx"})
            d.enable(name, false);
}

std::string waitingCaption(const std::string& text) {
    return std::string(570, ' ') + text;
}

void enableTrackerReadouts(Display& d) {
    for (const char* name : {"ch_Test", "lbl_beacon"}) {
        d.enable(name);
        d.show(name);
    }
    for (const char* name : {"lbl_Up_read", "lbl_down_read", "lbl_fdt", "lbl_DnDop", "lbl_UpDop"})
        d.enable(name);
    d.show("hs_UpFine");
    d.show("hs_DnFine");
}

void startUnderWisp(Station& s) {
    Display& d = s.display;
    d.show("lbl_wisp_mask");
    d.enable("ch_Test", false);
    d.hide("ch_Test");
    for (const char* name :
         {"lbl_beacon", "lbl_Up_read", "lbl_down_read", "lbl_fdt", "lbl_DnDop", "lbl_UpDop"})
        d.enable(name);
    d.show("hs_UpFine");
    d.show("hs_DnFine");
    d.hide("File1");
    d.enable("File1", false);
    d.setCaption("lbl_track", std::string(30, ' ') + "Forced Parking");
    s.track.trackerKind = 1;
    s.app.wispMode = true;
    s.track.ddeMode = 1;
    d.setCaption("lbl_wisp_mask", waitingCaption("Under WISP control. Waiting for next satellite"));
    if (s.track.fullDdeControl != 1) return;
    d.show("lbl_mask3");
    for (const char* name :
         {"lbl_beacon", "lbl_Up_read", "lbl_down_read", "lbl_fdt", "lbl_DnDop", "lbl_UpDop"}) {
        d.enable(name, false);
        d.hide(name);
    }
    d.hide("hs_UpFine");
    d.hide("hs_DnFine");
    d.setCaption("lbl_wisp_mask", waitingCaption("Under full DDE control by WISP. Waiting for the "
                                                 "next satellite"));
}

void startUnderNova(Station& s) {
    Display& d = s.display;
    s.track.fullDdeControl = 1;
    d.show("lbl_wisp_mask");
    enableTrackerReadouts(d);
    s.track.trackerKind = 2;
    s.app.novaMode = true;
    s.track.ddeMode = 1;
    d.setCaption("lbl_track", std::string(60, ' ') + "Forced Parking");
    d.enable("ch_Test", false);
    d.hide("ch_Test");
    d.setCaption("lbl_wisp_mask",
                 waitingCaption("Under DDE control by NOVA. Waiting for the next satellite"));
    send_dde_Click(s);
    do {
        timerx(s, 200);
        lbl_Nova_dde_Click(s);
    } while (s.track.tuneReplies > 0);  // NOVA still echoes the poke
}

void startUnderWinOrbitOrWinTrak(Station& s, std::int16_t kind, const std::string& caption) {
    s.track.fullDdeControl = 0;
    s.display.show("lbl_wisp_mask");
    enableTrackerReadouts(s.display);
    s.track.trackerKind = kind;
    s.track.ddeMode = 1;
    s.display.setCaption("lbl_wisp_mask", waitingCaption(caption));
}

// Step 12: the mode word picks the tracking program, or names the satellite.
void applyModeWord(Station& s) {
    static constexpr const char* kCaptions[] = {"Wisp", "Nova", "WinOrbit", "WinTrak"};
    const std::string& word = s.app.modeWord;
    int kind = 0;
    // Under a tracking program no satellite is in view until the program has named one: no
    // targets, no frequencies (the status means nothing without a tracking program).
    s.track.trackerStatus = kBelowHorizonStatus;
    if (word == "WISP") {
        startUnderWisp(s);
        kind = 1;
    } else if (word == "NOVA") {
        startUnderNova(s);
        kind = 2;
    } else if (word == "WINORBIT") {
        startUnderWinOrbitOrWinTrak(s, 3, "Under WinOrbit control. Waiting for next satellite");
        kind = 3;
    } else if (word == "WINTRAK") {
        startUnderWinOrbitOrWinTrak(s, 4, "Under WinTrak control. Waiting for next satellite");
        kind = 4;
    }
    if (kind == 0) {
        s.app.satName = word;
        return;
    }
    s.display.setCaption("lbl_satell", kCaptions[kind - 1]);
    s.app.satName = "DEFAULT";
    s.track.satNameShown = "DEFAULT";
    s.track.satNamePrev = "DEFAULT";
}

// Rotator clients over the network take the place of the orbit model: no satellite is in view
// until a client sends a position at or above the minimum elevation.
void followNetClients(Station& s) {
    s.track.trackerKind = tracker::kNet;
    s.track.fullDdeControl = 1;
    s.track.trackerStatus = kBelowHorizonStatus;
}

// The integer part of a quotient of satellite-file values, a 16-bit integer. A quotient beyond
// that range means a corrupted satellite file: an offset of exactly -1 MHz divides by zero, an
// uplink of 0 (0.000001 MHz once read) gives over a hundred million.
int wholeQuotient(double dividend, double divisor) {
    const std::optional<std::int16_t> whole = toInt16(std::trunc(dividend / divisor));
    if (!whole) throw FileError{FileErrorKind::Corrupt};
    return *whole;
}

// Step 22: the sign of the frequency offset from the band relation of the two base frequencies.
// It works on the satellite file's values, so a value it cannot form is that file's fault.
void decideOffsetSign(Station& s) {
    SatelliteRecord& sat = s.sat;
    s.app.stage = Stage::SatelliteFile;
    int a = wholeQuotient(sat.downlinkMHz, sat.uplinkMHz) + 2;
    if (a > 2) a = 10;
    const int b = wholeQuotient(sat.downlinkMHz, sat.offsetMHz + 1) + 3;
    const int c = wholeQuotient(sat.uplinkMHz, sat.offsetMHz + 1) + 4;
    if ((a == 2 && c == 4) || (a == 10 && b >= 3)) sat.offsetMHz = -sat.offsetMHz;
}

// Steps 18 to 21: the element set and the orbit set-up, for satellites that have an orbit.
void prepareOrbit(Station& s) {
    const std::string name = s.app.satName;
    if (name == "KWIP") return;
    if (name == "PARK") {
        // No orbit, so no position: the satellite stays below the horizon, and the drive stage
        // never sends the antennas away from where its forced parking leaves them (to 0 degrees,
        // or to the last bearing of the satellite tracked before).
        s.track.satElevation = s.cfg.minElevation - 1;
        return;
    }
    if (name == "DEFAULT") {
        Default(s);
    } else {
        s.app.stage = Stage::ElementFile;
        s.sat.elements =
            findElementSet(readStationFile(s.platform.files, s.cfg.kepsPath), s.sat.catalogNumber);
    }
    orbitSetup(s);
}

// Steps 14 to 27: everything that depends on the satellite, then the loop's first position.
void loadSatellite(Station& s) {
    GetSatCfg(s, s.app.satName);
    showPhaseSwitch(s);
    s.app.stage = Stage::SatelliteRead;
    s.track.satFileName = toUpper(s.app.satName);
    startRadiosWithRotatorsHeld(s);
    s.app.satName = toUpper(s.app.satName);
    prepareOrbit(s);
    if (left(s.app.satName, 5) != "AO-40" && s.sat.offsetMHz != 0) decideOffsetSign(s);
    lbl_hf180_Click(s);
    s.display["hs_UpFine"].value = 0;
    s.display["hs_DnFine"].value = 0;
    s.track.freqChanged = 1;
    s.track.forceElSend = 1;
    s.track.forceAzSend = 1;
    s.track.parkedDone = 0;
    s.rot.typedBearing = {};  // a bearing typed for the last satellite
    s.link.controllerFrame[51] = s.link.extPortValue;
    s.link.extPortApplied = s.link.extPortValue;
    switch_(s, s.link.extPortValue);
    s.track.freqChanged = 1;
    s.display.show("lbl_parked");
    if (s.app.satName == "KWIP") {
        s.display.setCaption("txt_rad_left", entryText(s.sat.uplinkMHz));
        s.display.setCaption("txt_rad_right", entryText(s.sat.downlinkMHz));
        s.display.hide("hs_UpFine");
        s.display.hide("hs_DnFine");
        lbl_hf_DblClick(s);
    }
    s.link.catRadio = 0;
    s.link.catSendPending = 0;
    s.link.catReadPending = 0;
    s.track.parkingDue = false;
    s.track.operatorParking = false;
    s.track.parkedDone = 0;
    s.track.closeDone = 0;
    s.display.setCaption("lbl_SatBearings", "Flip Mode?");
    lapin(s);
    readbackStage(s);  // flip_g5500 in flip mode, else the readback of the rotator type
}

void enterLoop(Station& s) {
    s.display.show("Form1");
    timerx(s, 100);
    s.app.loopRunning = true;
    make_regist(s);
}

void runLoadEvent(Station& s, const std::string& arguments) {
    readCommandLineAndConfiguration(s, arguments);
    if (!s.platform.files.changeDirectory(s.cfg.programDirectory))
        throw FileError{FileErrorKind::PathNotFound};
    s.app.programFolder = s.platform.files.currentDirectory();
    s.cfg.elScale = 180.0 / 1023.0;
    wakeController(s);
    applyConfiguration(s);
    if (s.app.satName.empty()) {
        pickSatelliteFromList(s);
    } else {
        applyModeWord(s);
    }
    if (s.platform.rotatorServer) followNetClients(s);
    for (;;) {
        loadSatellite(s);
        enterLoop(s);
        if (runPollingLoop(s) == PassOutcome::FilePicked) pickSatelliteFromListAgain(s);
    }
}

}  // namespace

void runStation(Station& station, const std::string& arguments) {
    station.display.show("Form1");
    showInitialDisplay(station.display);
    setInitialFrequencies(station);
    try {
        runLoadEvent(station, arguments);
    } catch (const FileError& error) {
        reportStartupError(station, error.kind);
    } catch (const PortDriverMissing&) {
        reportMissingDriver(station);
    }
}

}  // namespace orvant

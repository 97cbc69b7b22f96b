#include "app/satellite_loading.h"

#include <gtest/gtest.h>

#include <tuple>

#include "config/config_error.h"
#include "config/value_files.h"
#include "support/station_harness.h"

namespace orvant {
namespace {

using testing::typicalSatelliteValues;
using testing::valueFile;

// The link values of a loaded record: frequencies, modes, fine step, gate and beacon.
struct Links {
    double upMHz, downMHz;
    const char *upMode, *downMode;
    double fineStepHz;
    int gateThresholdHz;
    double beaconMHz;
};
void expectLinks(const SatelliteRecord& sat, const Links& want) {
    EXPECT_DOUBLE_EQ(sat.uplinkMHz, want.upMHz);
    EXPECT_DOUBLE_EQ(sat.downlinkMHz, want.downMHz);
    EXPECT_EQ(sat.uplinkMode, want.upMode);
    EXPECT_EQ(sat.downlinkMode, want.downMode);
    EXPECT_DOUBLE_EQ(sat.fineStepHz, want.fineStepHz);
    EXPECT_EQ(sat.gateThresholdHz, want.gateThresholdHz);
    EXPECT_DOUBLE_EQ(sat.beaconMHz, want.beaconMHz);
}

// The typical satellite values with the given values (numbered from 1) replaced.
std::vector<std::string> typicalWith(const std::vector<std::pair<int, std::string>>& changes) {
    std::vector<std::string> values = typicalSatelliteValues();
    for (const auto& [number, text] : changes) values[static_cast<std::size_t>(number - 1)] = text;
    return values;
}

class SatelliteFile : public ::testing::Test {
  protected:
    SatelliteFile() {
        declareSatelliteControls(h.display);
        h.station.app.programFolder = "/STATION";
    }
    void addSatellite(const std::string& fileName, const std::vector<std::string>& values) {
        h.files.addFile("/station/" + fileName, valueFile(values));
    }
    // Loads `name` and returns the name as the loader left it.
    std::string load(std::string name) {
        GetSatCfg(h.station, name);
        return name;
    }
    // Loads AO-7 from a file holding the typical values with value `number` set to `text`.
    const SatelliteRecord& loadWith(int number, const std::string& text) {
        addSatellite("AO-7.SAT", typicalWith({{number, text}}));
        load("AO-7");
        return h.station.sat;
    }
    FileErrorKind failureLoading(const std::string& name) {
        try {
            load(name);
        } catch (const FileError& e) {
            return e.kind;
        }
        ADD_FAILURE() << "no FileError";
        return FileErrorKind::NotFound;
    }
    const Control& control(const std::string& name) { return h.display[name]; }
    void expectVisible(std::initializer_list<const char*> names, bool visible) {
        for (const char* name : names) EXPECT_EQ(control(name).visible, visible) << name;
    }
    void expectModeLabels(const char* up, const char* down, std::uint32_t backColor) {
        EXPECT_EQ(control("lbl_UpMode").caption, up);
        EXPECT_EQ(control("lbl_DnMode").caption, down);
        EXPECT_EQ(control("lbl_UpMode").backColor, backColor);
        EXPECT_EQ(control("lbl_DnMode").backColor, backColor);
    }

    testing::StationHarness h;
};

TEST_F(SatelliteFile, ConvertsEveryValueOfATypicalFile) {
    addSatellite("AO-7.SAT", typicalSatelliteValues());
    load("AO-7");
    const SatelliteRecord& sat = h.station.sat;
    EXPECT_EQ(h.station.app.stage, Stage::SatelliteFile);
    EXPECT_EQ(sat.path, "/STATION/AO-7.SAT");
    EXPECT_EQ(sat.catalogNumber, "07530");
    expectLinks(sat, {432.150001, 145.950001, "LSB", "USB", 10, 50, 145.977501});
    EXPECT_DOUBLE_EQ(sat.offsetMHz, 578.1);
    EXPECT_DOUBLE_EQ(sat.uplinkOffsetKHz, 0);
    EXPECT_FALSE(sat.phaseAutomation);
    EXPECT_EQ(std::tuple(sat.parkAzimuth, sat.extPortWord, sat.extPortWord2), std::tuple(0, 1, 0));
    EXPECT_EQ(std::tuple(sat.uplinkRadioType, sat.downlinkRadioType, sat.uplinkCatPort,
                         sat.downlinkCatPort, sat.uplinkInversion, sat.downlinkInversion),
              std::tuple(2, 2, 1, 1, 1, 1));
    EXPECT_EQ(sat.raw[1], "07530");
    EXPECT_EQ(h.station.link.extPortValue, 1);
    EXPECT_EQ(h.station.track.satParkAzimuth, 0);
    EXPECT_EQ(control("lbl_sat_name").caption, "AO-7.SAT");
    expectModeLabels("LSB", "USB", bgr::kGrey);
    expectVisible({"lbl_beacon", "lbl_fdt"}, true);
    expectVisible({"lbl_upconvertor", "lbl_dnconvel1"}, false);
}

TEST_F(SatelliteFile, NamesAreUpperCasedAndBlanksAndSlashesBecomeDashes) {
    addSatellite("OSCAR-10.SAT", typicalSatelliteValues());
    EXPECT_EQ(load("oscar 10"), "OSCAR-10");
    EXPECT_EQ(h.station.sat.path, "/STATION/OSCAR-10.SAT");
    EXPECT_EQ(control("lbl_sat_name").caption, "OSCAR-10.SAT");

    addSatellite("rs-12-13.sat", typicalSatelliteValues());
    EXPECT_EQ(load("RS-12/13"), "RS-12-13");
    EXPECT_EQ(h.station.sat.catalogNumber, "07530");
    // A blank inside the name is no surrounding blank: it becomes part of the file name.
    EXPECT_EQ(failureLoading("OSCAR-10 "), FileErrorKind::NotFound);
    EXPECT_EQ(h.station.sat.path, "/STATION/OSCAR-10-.SAT");
}

TEST_F(SatelliteFile, DefaultInAnyCaseOpensNoFileLoadsTheBuiltInValuesAndGreysTheLabels) {
    SatelliteRecord& sat = h.station.sat;
    sat.catalogNumber = "25544";
    sat.phaseAutomation = true;
    sat.parkAzimuth = 90;
    sat.uplinkRadioType = 26;
    sat.downlinkRadioType = 27;
    sat.elements.raan = 32.9776;
    sat.uplinkCh2 = {6, 250};
    sat.uplinkInversion = -1;
    sat.beaconMHz = 435.795001;
    h.station.link.extPortValue = 3;
    const char* const labels[] = {"lbl_UpMode", "lbl_DnMode", "lbl_radio_up", "lbl_radio_dn"};
    for (const char* label : labels) h.display[label].backColor = bgr::kYellow;
    EXPECT_EQ(load("Default"), "DEFAULT");  // no file exists at all
    EXPECT_EQ(h.station.app.stage, Stage::None);
    expectLinks(sat, {145.000001, 435.000001, "FM", "FM", 10, 50, 0});
    EXPECT_EQ(std::tuple(sat.uplinkCh2.high, sat.uplinkCh2.low), std::tuple(2, 125));
    EXPECT_EQ(sat.uplinkInversion, 1);
    EXPECT_EQ(h.station.link.extPortValue, 0);
    const ElementSet& e = sat.elements;
    EXPECT_EQ(std::tuple(e.epochYear, e.epochDay, e.inclination, e.eccentricity, e.argPerigee,
                         e.meanAnomaly, e.meanMotion, e.epochOrbit, e.decayRate),
              std::tuple(2000.0, 55.0, 28.0, 0.001, 333.0, 27.0, 15.0, 33938.0, 0.0));
    // Kept from before.
    EXPECT_EQ(sat.catalogNumber, "25544");
    EXPECT_TRUE(sat.phaseAutomation);
    EXPECT_EQ(std::tuple(sat.parkAzimuth, sat.uplinkRadioType, sat.downlinkRadioType),
              std::tuple(90, 26, 27));
    EXPECT_DOUBLE_EQ(e.raan, 32.9776);
    for (const char* label : labels) EXPECT_EQ(control(label).backColor, bgr::kGrey) << label;
}

TEST_F(SatelliteFile, ConvertersBelowOrEqualToTheSatelliteFrequencyDoNotInvert) {
    // Uplink, downlink, their modes, downlink and uplink converter.
    addSatellite(
        "AO-40.SAT",
        typicalWith(
            {{2, "145.9"}, {3, "2401"}, {4, "LSB"}, {5, "USB"}, {12, "2256"}, {13, "116"}}));
    load("AO-40");
    const SatelliteRecord& sat = h.station.sat;
    EXPECT_EQ(std::tuple(sat.uplinkInversion, sat.downlinkInversion), std::tuple(1, 1));
    expectModeLabels("LSB", "USB", bgr::kGrey);
    expectVisible({"lbl_upconvertor", "lbl_dnconvel1"}, true);
    EXPECT_EQ(control("lbl_upconvertor").caption, "Up Conversion.");
    EXPECT_EQ(control("lbl_dnconvel1").caption, "Dn Conversion.");
    // Equal frequencies do not invert, even though the loaded base gains a millionth of a MHz.
    EXPECT_EQ(loadWith(13, "432.15").uplinkInversion, 1);
    EXPECT_DOUBLE_EQ(sat.uplinkMHz, 432.150001);
}

TEST_F(SatelliteFile, AConverterAboveTheSatelliteFrequencyInvertsTheSideband) {
    // Uplink LSB through a 1296 MHz converter, downlink USB through a 150 MHz converter.
    std::vector<std::string> values =
        typicalWith({{2, "1269.5"}, {3, "145.95"}, {12, "150"}, {13, "1296"}});
    addSatellite("INV.SAT", values);
    load("INV");
    const SatelliteRecord& sat = h.station.sat;
    EXPECT_EQ(std::tuple(sat.uplinkInversion, sat.downlinkInversion), std::tuple(-1, -1));
    EXPECT_EQ(std::tuple(sat.uplinkMode, sat.downlinkMode), std::tuple("USB", "LSB"));
    expectModeLabels("USB", "LSB", bgr::kLightRed);
    EXPECT_EQ(control("lbl_upconvertor").caption, "Up Conversion USB");
    EXPECT_EQ(control("lbl_dnconvel1").caption, "Dn Conversion LSB");

    // Other modes stay as they are; a converter of 0 never inverts; the next load starts grey.
    values[3] = "CW";
    values[11] = "0";
    addSatellite("INV.SAT", values);
    load("INV");
    EXPECT_EQ(sat.uplinkInversion, -1);
    EXPECT_EQ(sat.uplinkMode, "CW");
    EXPECT_EQ(control("lbl_upconvertor").caption, "Up Conversion CW");
    EXPECT_EQ(sat.downlinkInversion, 1);
    EXPECT_EQ(sat.downlinkMode, "USB");
    EXPECT_FALSE(control("lbl_dnconvel1").visible);
    EXPECT_EQ(control("lbl_DnMode").backColor, bgr::kGrey);
}

TEST_F(SatelliteFile, SerialSpeedsSetTheTimingPairOfTheirOwnLinkOrLeaveItAlone) {
    h.station.sat.uplinkCh1 = {7, 77};
    const SatelliteRecord& sat = loadWith(21, "2400");
    EXPECT_EQ(std::tuple(sat.uplinkCh1.high, sat.uplinkCh1.low), std::tuple(7, 77));
    EXPECT_EQ(loadWith(21, "1200").uplinkCh1.high, 6);
    EXPECT_EQ(sat.uplinkCh1.low, 250);
    EXPECT_EQ(loadWith(22, "38400 baud").downlinkCh1.low, 43);
    EXPECT_EQ(sat.uplinkCh2.low, 189);   // 9600
    EXPECT_EQ(sat.downlinkCh2.low, 91);  // 19200
    EXPECT_EQ(loadWith(23, "57600").uplinkCh2.low, 27);
    EXPECT_EQ(loadWith(24, "4800").downlinkCh2.low, 125);
}

TEST_F(SatelliteFile, TwentyFiveValuesArePastTheEndAndThirtyReadTheFirstTwentySix) {
    std::vector<std::string> values = typicalSatelliteValues();
    values.pop_back();
    addSatellite("SHORT.SAT", values);
    EXPECT_EQ(failureLoading("short"), FileErrorKind::PastEnd);

    values = typicalWith({{26, "26th"}});
    for (int i = 27; i <= 30; ++i) values.push_back("extra" + std::to_string(i));
    addSatellite("LONG.SAT", values);
    load("LONG");
    EXPECT_EQ(h.station.sat.raw[26], "26th");
    EXPECT_EQ(h.station.sat.raw[27], "");
}

TEST_F(SatelliteFile, MissingFilesFoldersAndOversizedNumbersAreReportedAndChangeNothing) {
    addSatellite("AO-7.SAT", typicalSatelliteValues());
    EXPECT_EQ(failureLoading("AO-27"), FileErrorKind::NotFound);
    EXPECT_EQ(h.station.app.stage, Stage::SatelliteFile);
    EXPECT_EQ(control("lbl_sat_name").caption, "AO-27.SAT");

    h.station.sat.catalogNumber = "before";
    // Integers beyond sixteen bits, numbers beyond the floating range, and frequencies beyond
    // every radio's dial.
    const std::pair<int, const char*> corrupt[] = {
        {10, "32768"}, {11, "32768"}, {14, "32768"}, {15, "32768"}, {17, "32768"},
        {18, "32768"}, {19, "32768"}, {20, "32768"}, {10, "1e400"}, {2, "1e400"},
        {6, "-1e400"}, {16, "1e400"}, {21, "1e400"}, {2, "1e300"},  {3, "100000"},
        {6, "-1e300"}, {12, "1e300"}, {13, "1e300"}, {16, "1e300"}};
    for (const auto& [number, text] : corrupt) {
        addSatellite("BAD.SAT", typicalWith({{number, text}}));
        EXPECT_EQ(failureLoading("BAD"), FileErrorKind::Corrupt) << number << " = " << text;
    }
    EXPECT_EQ(h.station.sat.catalogNumber, "before");

    h.station.app.programFolder = "/ELSEWHERE";
    EXPECT_EQ(failureLoading("AO-7"), FileErrorKind::PathNotFound);
}

TEST_F(SatelliteFile, TheTransponderOffsetShowsItsControlsAndFixesTheUplinkOfAo40) {
    loadWith(6, "0");
    expectVisible({"lbl_beacon", "lbl_fdt"}, false);

    // Uplink (replaced), downlink, offset.
    addSatellite("AO-40-U.SAT", typicalWith({{2, "435.5"}, {3, "2401.2"}, {6, "1965.7"}}));
    load("ao-40 u");
    EXPECT_DOUBLE_EQ(h.station.sat.uplinkMHz, 2401.2 - 1965.7 + 0.000001);
    EXPECT_DOUBLE_EQ(h.station.sat.downlinkMHz, 2401.200001);
    EXPECT_TRUE(control("lbl_beacon").visible);
    // Other satellites keep the uplink as written (its sign is settled later by start-up).
    EXPECT_DOUBLE_EQ(loadWith(6, "-578.1").uplinkMHz, 432.150001);
    EXPECT_DOUBLE_EQ(h.station.sat.offsetMHz, -578.1);
}

TEST_F(SatelliteFile, PhaseAutomationOnlySwitchesOnAndParkAndPortWordReachTheLoop) {
    EXPECT_TRUE(loadWith(9, "yes").phaseAutomation);
    EXPECT_TRUE(loadWith(9, "NO").phaseAutomation);  // never switched off by the file
    loadWith(11, "180");
    EXPECT_EQ(h.station.track.satParkAzimuth, 180);
    loadWith(14, "3");
    EXPECT_EQ(h.station.link.extPortValue, 3);
    EXPECT_EQ(h.station.track.satParkAzimuth, 0);
}

}  // namespace
}  // namespace orvant

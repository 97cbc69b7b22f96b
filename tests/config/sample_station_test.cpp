#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <set>
#include <sstream>

#include "app/satellite_loading.h"
#include "config/config_error.h"
#include "config/element_file.h"
#include "config/station_config_reader.h"
#include "config/text_rules.h"
#include "support/station_harness.h"

namespace orvant {
namespace {

const std::string kStationDir = ORVANT_EXAMPLES_DIR "/station";
// A station whose satellite file pairs an Icom uplink with the AR5000 receiver.
const std::string kReceiverDir = ORVANT_EXAMPLES_DIR "/receiver";

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The sample station as the program sees it: its own files on disk, started in its folder.
class SampleStation : public ::testing::Test {
  protected:
    SampleStation()
        : platform{h.host, h.settings, h.alerts,        h.launcher,
                   disk,   h.trace,    h.conversations, h.platform.openPort},
          station(platform, h.pump, h.display) {
        declareSatelliteControls(h.display);
    }
    void startInTheStationFolder(const std::string& folder = kStationDir) {
        ASSERT_TRUE(disk.changeDirectory(folder));
        station.cfg = parseStationConfig(readStationFile(disk, "ORV.CFG"), false);
        ASSERT_TRUE(disk.changeDirectory(station.cfg.programDirectory));
        station.app.programFolder = disk.currentDirectory();
    }

    void readElementSet() {
        station.sat.elements =
            findElementSet(readStationFile(disk, station.cfg.kepsPath), station.sat.catalogNumber);
    }

    testing::StationHarness h;
    DiskFileSystem disk;
    Platform platform;
    Station station;
};

TEST_F(SampleStation, StationFilesKeepTheirCrLfLineEnds) {
    for (const std::string& folder : {kStationDir, kReceiverDir})
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string bytes = fileBytes(entry.path().string());
            ASSERT_FALSE(bytes.empty()) << entry.path();
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                if (bytes[i] == '\n') {
                    ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << entry.path();
                }
            }
        }
}

TEST_F(SampleStation, EverySatelliteFileLoadsAndFindsItsElementSet) {
    startInTheStationFolder();
    std::set<std::string> loaded;
    std::set<std::int16_t> radioTypes;
    for (const std::string& file : disk.listFiles(".sat")) {
        std::string name = left(file, static_cast<int>(file.size()) - 4);
        GetSatCfg(station, name);
        loaded.insert(name);
        radioTypes.insert(station.sat.uplinkRadioType);
        radioTypes.insert(station.sat.downlinkRadioType);
        if (name == "KWIP" || name == "PARK") continue;
        readElementSet();
        EXPECT_GT(station.sat.elements.meanMotion, 0) << name;
    }
    EXPECT_EQ(loaded, (std::set<std::string>{"AO-27", "AO-7", "FO-29", "ISS", "KWIP", "PARK"}));
    // A Kenwood (TS-2000), an Icom (IC-910) and a Yaesu (FT-847) radio.
    EXPECT_EQ(radioTypes, (std::set<std::int16_t>{2, 26, 27}));
}

TEST_F(SampleStation, TheReceiverStationPairsAnIcomUplinkWithTheAr5000) {
    startInTheStationFolder(kReceiverDir);
    std::string name = "SO-50";
    GetSatCfg(station, name);
    EXPECT_EQ(station.sat.uplinkRadioType, 15);  // IC-821
    EXPECT_EQ(station.sat.downlinkRadioType, 35);
    EXPECT_EQ(station.sat.downlinkMode, "AU0,AT0,VA,MD0");  // the receiver's set-up commands
    readElementSet();
    EXPECT_GT(station.sat.elements.meanMotion, 0);
}

TEST_F(SampleStation, ConfigurationAndSatelliteFilesDescribeAStationNearLondon) {
    startInTheStationFolder();
    const StationConfig& cfg = station.cfg;
    EXPECT_DOUBLE_EQ(cfg.latitudeRad, 51.5 * std::numbers::pi / 180);
    EXPECT_DOUBLE_EQ(cfg.longitudeRad, -0.1 * std::numbers::pi / 180);
    EXPECT_EQ(cfg.kepsPath, "KEPS.TLE");
    EXPECT_EQ(cfg.programDirectory, ".");
    EXPECT_EQ(cfg.portData, 0x378);
    EXPECT_EQ(cfg.rotatorType, 2);
    EXPECT_EQ(cfg.parkAzimuth, 0);
    EXPECT_EQ(cfg.memoryChannel, "123");
    EXPECT_EQ(cfg.raw[36], "0");  // value 35 read: all 35 are there

    std::string name = "iss";
    GetSatCfg(station, name);
    EXPECT_EQ(station.sat.catalogNumber, "25544");
    EXPECT_DOUBLE_EQ(station.sat.uplinkMHz, 145.990001);
    EXPECT_DOUBLE_EQ(station.sat.downlinkMHz, 437.800001);
    EXPECT_EQ(station.sat.downlinkCatPort, 2);
    readElementSet();
    EXPECT_DOUBLE_EQ(station.sat.elements.inclination, 51.6424);
    name = "PARK";
    GetSatCfg(station, name);
    EXPECT_EQ(station.track.satParkAzimuth, 180);
}

TEST_F(SampleStation, EveryElementSetOfTheKeplerianFileIsFoundByItsCatalogNumber) {
    startInTheStationFolder();
    std::istringstream keps(fileBytes(kStationDir + "/KEPS.TLE"));
    int sets = 0;
    for (std::string line; std::getline(keps, line);) {
        if (left(line, 2) != "1 ") continue;
        station.sat.catalogNumber = mid(line, 3, 5);
        station.sat.elements = ElementSet{};
        readElementSet();
        EXPECT_DOUBLE_EQ(station.sat.elements.epochYear, 2018) << line;
        EXPECT_GT(station.sat.elements.meanMotion, 11) << line;
        EXPECT_GT(station.sat.elements.inclination, 0) << line;
        ++sets;
    }
    EXPECT_EQ(sets, 20);
}

}  // namespace
}  // namespace orvant

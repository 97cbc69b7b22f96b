#include "config/station_config_reader.h"

#include <gtest/gtest.h>

#include <numbers>

#include "config/config_error.h"
#include "config/value_files.h"
#include "support/station_harness.h"

namespace orvant {
namespace {

using testing::typicalConfigValues;
using testing::valueFile;

constexpr double kAzScale450 = 450.0 / 1023.0;
constexpr double kAzScale360 = 360.0 / 1023.0;
constexpr double kElScale = 180.0 / 1023.0;

class StationConfigReader : public ::testing::Test {
  protected:
    // Loads ORV.CFG built from the typical values with value `number` replaced by `text`.
    const StationConfig& loadWith(int number, const std::string& text) {
        std::vector<std::string> values = typicalConfigValues();
        values[static_cast<std::size_t>(number - 1)] = text;
        return load(valueFile(values));
    }
    const StationConfig& load(const std::string& bytes) {
        h.files.addFile("/ORV.CFG", bytes);
        readStationConfig(h.station);
        return h.station.cfg;
    }
    FileErrorKind failureLoading(const std::string& bytes) {
        try {
            load(bytes);
        } catch (const FileError& e) {
            return e.kind;
        }
        ADD_FAILURE() << "no FileError";
        return FileErrorKind::NotFound;
    }
    FileErrorKind failureWith(int number, const std::string& text) {
        std::vector<std::string> values = typicalConfigValues();
        values[static_cast<std::size_t>(number - 1)] = text;
        return failureLoading(valueFile(values));
    }

    testing::StationHarness h;
};

TEST_F(StationConfigReader, ConvertsEveryValueOfATypicalFile) {
    const StationConfig& cfg = load(valueFile(typicalConfigValues()));
    EXPECT_DOUBLE_EQ(cfg.latitudeRad, 51.5 * std::numbers::pi / 180);
    EXPECT_DOUBLE_EQ(cfg.longitudeRad, -0.1 * std::numbers::pi / 180);
    EXPECT_DOUBLE_EQ(cfg.heightKm, 0.02);
    EXPECT_EQ(cfg.kepsPath, "KEPS.TLE");
    EXPECT_EQ(cfg.programDirectory, "/STATION");
    EXPECT_EQ(cfg.portData, 0x378);
    EXPECT_EQ(cfg.portStatus, 0x379);
    EXPECT_EQ(cfg.portControl, 0x37A);
    EXPECT_FALSE(cfg.radioInhibitAtStart);
    EXPECT_FALSE(cfg.azimuthDisabled);
    EXPECT_FALSE(cfg.elevationDisabled);
    EXPECT_EQ(cfg.rotatorType, 2);
    EXPECT_DOUBLE_EQ(cfg.azScale, kAzScale450);
    EXPECT_DOUBLE_EQ(cfg.elScale, kElScale);
    EXPECT_EQ(cfg.azToleranceDeg, 2);
    EXPECT_EQ(cfg.azToleranceCounts, 4);  // Int(2 / (450/1023)) = Int(4.55)
    EXPECT_EQ(cfg.elToleranceCounts, 5);  // Int(2 / (180/1023) / 2) = Int(5.68)
    EXPECT_EQ(cfg.azUpdateStep, 2);
    EXPECT_EQ(cfg.elUpdateStep, 2);
    EXPECT_EQ(cfg.memoryChannel, "123");
    EXPECT_EQ(cfg.idlePollPasses, 50);
    EXPECT_FALSE(cfg.idlePollBeep);
    EXPECT_EQ(cfg.ddePollText, "20");
    EXPECT_DOUBLE_EQ(cfg.ddePollSpacing, 20);
    EXPECT_FALSE(cfg.ddePollBeep);
    EXPECT_EQ(cfg.flipAllowed, 0);
    EXPECT_DOUBLE_EQ(cfg.parkElToleranceDeg, 2);
    EXPECT_DOUBLE_EQ(cfg.parkElToleranceCounts, 2 / kElScale);
    // Raw texts sit in slots 2..36; the other slots stay empty.
    EXPECT_EQ(cfg.raw[2], "51.5");
    EXPECT_EQ(cfg.raw[8], "/station");
    EXPECT_EQ(cfg.raw[36], "0");
    EXPECT_EQ(cfg.raw[1], "");
    EXPECT_EQ(cfg.raw[37], "");
}

TEST_F(StationConfigReader, ReadsNumbersFromTheirLeadingDigitsAndTextAsWritten) {
    EXPECT_DOUBLE_EQ(loadWith(1, " 51.5 deg N").latitudeRad, 51.5 * std::numbers::pi / 180);
    EXPECT_DOUBLE_EQ(loadWith(4, "-2.5").timeOffsetHours, -2.5);
    EXPECT_DOUBLE_EQ(loadWith(5, "1").dateFormatSwitch, 1);
    EXPECT_DOUBLE_EQ(loadWith(18, "north").minElevation, 0);
    EXPECT_DOUBLE_EQ(loadWith(31, "80").maxElevation, 80);
    EXPECT_EQ(loadWith(32, "1").fullDdeControl, 1);
    EXPECT_EQ(loadWith(20, "1").endAfterPark, 1);
    EXPECT_EQ(loadWith(19, "270").parkAzimuth, 270);
}

TEST_F(StationConfigReader, LabelsDoNotMatterOnlyTheOrderOfTheValues) {
    const StationConfig usual = load(valueFile(typicalConfigValues()));
    const StationConfig relabelled =
        load(valueFile(typicalConfigValues(), "\r\n", "Something else entirely no. "));
    EXPECT_EQ(relabelled.raw, usual.raw);
    EXPECT_EQ(relabelled.portData, usual.portData);
}

TEST_F(StationConfigReader, ALabelFollowedByEqualsSignsKeepsEverythingAfterTheFirst) {
    const std::vector<std::string> values = typicalConfigValues();
    const std::string text = valueFile({values.begin(), values.begin() + 20}) + "A=B=C\r\n" +
                             valueFile({values.begin() + 21, values.end()});
    EXPECT_EQ(load(text).memoryChannel, "B=C");
}

TEST_F(StationConfigReader, CommentLinesWithoutEqualsAreSkippedWithEqualsTheyShiftTheRest) {
    std::vector<std::string> values = typicalConfigValues();
    values[20] = "2";  // once shifted, the memory channel is read as the rotator type
    const std::string head = valueFile({values.begin(), values.begin() + 7});
    std::vector<std::string> tail(values.begin() + 7, values.end());
    const StationConfig& skipped = load(head + "\r\n; the port follows\r\n" + valueFile(tail));
    EXPECT_EQ(skipped.portData, 0x378);
    EXPECT_EQ(skipped.rotatorType, 2);

    tail.pop_back();  // keep 35 values in all: the comment becomes value 8
    const StationConfig& shifted = load(head + "note=port below\r\n" + valueFile(tail));
    EXPECT_EQ(shifted.portText, "port below");
    EXPECT_EQ(shifted.raw[10], "378");  // the port text is now read as value 9
    EXPECT_FALSE(shifted.radioInhibitAtStart);
}

TEST_F(StationConfigReader, FilesWithBareLineFeedsReadLikeCrLfFiles) {
    const StationConfig crlf = load(valueFile(typicalConfigValues(), "\r\n"));
    EXPECT_EQ(load(valueFile(typicalConfigValues(), "\n")).raw, crlf.raw);
}

TEST_F(StationConfigReader, ShortFilesAndAnUnendedLastValueArePastTheEnd) {
    std::vector<std::string> values = typicalConfigValues();
    const std::string full = valueFile(values);
    EXPECT_EQ(failureLoading(full.substr(0, full.size() - 2)), FileErrorKind::PastEnd);
    values.pop_back();
    EXPECT_EQ(failureLoading(valueFile(values)), FileErrorKind::PastEnd);
    EXPECT_EQ(load(full + "extra=1\r\ntrailing text").raw[36], "0");
}

TEST_F(StationConfigReader, AMissingFileIsReportedAndLeavesTheConfigurationAlone) {
    h.station.cfg.memoryChannel = "before";
    h.files.addFile("/README.TXT", "no configuration here");
    try {
        readStationConfig(h.station);
        FAIL() << "no FileError";
    } catch (const FileError& e) {
        EXPECT_EQ(e.kind, FileErrorKind::NotFound);
    }
    EXPECT_EQ(failureWith(22, "6"), FileErrorKind::Corrupt);
    EXPECT_EQ(h.station.cfg.memoryChannel, "before");
}

TEST_F(StationConfigReader, TheFileIsFoundInTheCurrentDirectoryWhateverItsCase) {
    h.files.addFile("/start/orv.cfg", valueFile(typicalConfigValues()));
    ASSERT_TRUE(h.files.changeDirectory("/start"));
    readStationConfig(h.station);
    EXPECT_EQ(h.station.cfg.rotatorType, 2);
    EXPECT_EQ(h.files.currentDirectory(), "/start");
}

TEST_F(StationConfigReader, TolerancesBelowTwoDegreesBecomeTwo) {
    for (const char* small : {"0", "1", "-7"}) {
        EXPECT_EQ(loadWith(12, small).azToleranceDeg, 2) << small;
        EXPECT_EQ(loadWith(13, small).elToleranceDeg, 2) << small;
    }
    const StationConfig& wide = loadWith(12, "10");
    EXPECT_EQ(wide.azToleranceDeg, 10);
    EXPECT_EQ(wide.azToleranceCounts, 22);                // Int(10 / (450/1023)) = Int(22.7)
    EXPECT_EQ(loadWith(13, "10").elToleranceCounts, 28);  // Int(10 / (180/1023) / 2) = Int(28.4)
}

TEST_F(StationConfigReader, AzimuthToleranceCountsFollowTheRotatorsScale) {
    EXPECT_EQ(loadWith(22, "1").azToleranceCounts, 5);  // Int(2 / (360/1023)) = Int(5.68)
}

TEST_F(StationConfigReader, OffsetsOutsideTheirRangeBecomeZero) {
    EXPECT_DOUBLE_EQ(loadWith(14, "181").azOffsetDeg, 0);
    EXPECT_DOUBLE_EQ(loadWith(14, "180").azOffsetDeg, 180);
    EXPECT_DOUBLE_EQ(loadWith(14, "12.5").azOffsetDeg, 12.5);
    EXPECT_DOUBLE_EQ(loadWith(14, "-5").azOffsetDeg, 0);
    EXPECT_DOUBLE_EQ(loadWith(15, "46").elOffsetDeg, 0);
    EXPECT_DOUBLE_EQ(loadWith(15, "45").elOffsetDeg, 45);
    EXPECT_DOUBLE_EQ(loadWith(15, "-1").elOffsetDeg, 0);
}

TEST_F(StationConfigReader, UpdateStepsOfZeroBecomeOne) {
    EXPECT_EQ(loadWith(16, "0").azUpdateStep, 1);
    EXPECT_EQ(loadWith(17, "0").elUpdateStep, 1);
    EXPECT_EQ(loadWith(16, "5").azUpdateStep, 5);
}

TEST_F(StationConfigReader, ParkingValuesAreCorrectedAtLoad) {
    EXPECT_EQ(loadWith(30, "5").parkAt90, 90);
    EXPECT_EQ(loadWith(30, "0").parkAt90, 0);
    const StationConfig& tolerance = loadWith(34, "0");
    EXPECT_DOUBLE_EQ(tolerance.parkElToleranceDeg, 2);
    EXPECT_DOUBLE_EQ(tolerance.parkElToleranceCounts, 2 / kElScale);  // kept unrounded
    EXPECT_DOUBLE_EQ(loadWith(34, "3.5").parkElToleranceCounts, 3.5 / kElScale);
}

TEST_F(StationConfigReader, PortTextIsAHexadecimalAddress) {
    const StationConfig& cfg = loadWith(8, "3BC");
    EXPECT_EQ(cfg.portData, 956);
    EXPECT_EQ(cfg.portStatus, 957);
    EXPECT_EQ(cfg.portControl, 958);
    EXPECT_EQ(loadWith(8, "278").portData, 0x278);
    EXPECT_EQ(loadWith(8, "fffd").portControl, 0xFFFF);
    EXPECT_EQ(failureWith(8, "FFFE"), FileErrorKind::Corrupt);
    EXPECT_EQ(failureWith(8, "12345"), FileErrorKind::Corrupt);
}

TEST_F(StationConfigReader, YesSwitchesLandInTheirOwnFields) {
    EXPECT_TRUE(loadWith(9, "yes").radioInhibitAtStart);
    EXPECT_TRUE(loadWith(10, "YES").azimuthDisabled);
    EXPECT_TRUE(loadWith(11, "Yes").elevationDisabled);
    EXPECT_EQ(loadWith(33, "YES").flipAllowed, 1);
}

TEST_F(StationConfigReader, RotatorTypeSelectsTheAzimuthScale) {
    EXPECT_DOUBLE_EQ(loadWith(22, "0").azScale, kAzScale360);
    EXPECT_DOUBLE_EQ(loadWith(22, "1").azScale, kAzScale360);
    for (const char* type : {"2", "3", "4", "5"})
        EXPECT_DOUBLE_EQ(loadWith(22, type).azScale, kAzScale450) << type;
    for (const char* type : {"6", "-1", "99"})
        EXPECT_EQ(failureWith(22, type), FileErrorKind::Corrupt) << type;
}

TEST_F(StationConfigReader, DemonstrationForcesRotatorTypeZeroWhateverTheFileSays) {
    h.station.app.demo = true;
    const StationConfig& cfg = loadWith(22, "3");
    EXPECT_EQ(cfg.rotatorType, 0);
    EXPECT_DOUBLE_EQ(cfg.azScale, kAzScale360);
    EXPECT_EQ(loadWith(22, "9").rotatorType, 0);
}

TEST_F(StationConfigReader, IntegerValuesBeyondSixteenBitsAreCorrupt) {
    EXPECT_EQ(failureWith(12, "40000"), FileErrorKind::Corrupt);
    EXPECT_EQ(failureWith(19, "-32769"), FileErrorKind::Corrupt);
    EXPECT_EQ(failureWith(23, "99999"), FileErrorKind::Corrupt);
    EXPECT_EQ(failureWith(30, "1E6"), FileErrorKind::Corrupt);
    // A tolerance that fits but whose count would not.
    EXPECT_EQ(failureWith(12, "20000"), FileErrorKind::Corrupt);
    EXPECT_EQ(loadWith(16, "-32768").azUpdateStep, -32768);
}

TEST_F(StationConfigReader, IdlePollSpacingGivesItsBeepAndNeverStopsThePoll) {
    const StationConfig& beeping = loadWith(23, "51");
    EXPECT_EQ(beeping.idlePollPasses, 51);
    EXPECT_TRUE(beeping.idlePollBeep);
    EXPECT_TRUE(loadWith(23, "1").idlePollBeep);
    EXPECT_FALSE(loadWith(23, "10").idlePollBeep);
    const StationConfig& zero = loadWith(23, "0");
    EXPECT_EQ(zero.idlePollPasses, 1);
    EXPECT_FALSE(zero.idlePollBeep);
    EXPECT_EQ(loadWith(23, "-20").idlePollPasses, 1);
}

TEST_F(StationConfigReader, TrackerPollSpacingIsAtLeastFourAndBeepsOnATrailingOne) {
    EXPECT_DOUBLE_EQ(loadWith(24, "2").ddePollSpacing, 4);
    const StationConfig& cfg = loadWith(24, "101");
    EXPECT_DOUBLE_EQ(cfg.ddePollSpacing, 101);
    EXPECT_TRUE(cfg.ddePollBeep);
    EXPECT_FALSE(loadWith(24, "21 ").ddePollBeep);
    EXPECT_DOUBLE_EQ(loadWith(24, "none").ddePollSpacing, 4);
}

}  // namespace
}  // namespace orvant

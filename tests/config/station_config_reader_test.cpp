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

constexpr double kAz450 = 450.0 / 1023.0;
constexpr double kAz360 = 360.0 / 1023.0;

class StationConfigReader : public ::testing::Test {
  protected:
    // ORV.CFG built from the typical values with value `number` replaced by `text`.
    static std::string typicalWith(int number, const std::string& text) {
        std::vector<std::string> values = typicalConfigValues();
        values[static_cast<std::size_t>(number - 1)] = text;
        return valueFile(values);
    }
    const StationConfig& loadWith(int number, const std::string& text) {
        return load(typicalWith(number, text));
    }
    const StationConfig& load(const std::string& bytes) {
        h.files.addFile("/ORV.CFG", bytes);
        return read();
    }
    const StationConfig& read() {
        h.station.cfg = parseStationConfig(readStationFile(h.files, "ORV.CFG"), h.station.app.demo);
        return h.station.cfg;
    }
    FileErrorKind failureReading() {
        return testing::fileErrorOf([&] { read(); });
    }
    FileErrorKind failureLoading(const std::string& bytes) {
        h.files.addFile("/ORV.CFG", bytes);
        return failureReading();
    }

    testing::StationHarness h;
};

TEST_F(StationConfigReader, TextsOfATypicalFileAreKeptAndRawTextsSitInSlots2To36) {
    const StationConfig& cfg = load(valueFile(typicalConfigValues()));
    EXPECT_EQ(cfg.kepsPath, "KEPS.TLE");
    EXPECT_EQ(cfg.programDirectory, "/STATION");
    EXPECT_EQ(cfg.memoryChannel, "123");
    EXPECT_EQ(cfg.ddePollText, "20");
    EXPECT_EQ(cfg.raw[2], "51.5");
    EXPECT_EQ(cfg.raw[8], "/station");
    EXPECT_EQ(cfg.raw[36], "0");
    EXPECT_EQ(cfg.raw[1], "");
    EXPECT_EQ(cfg.raw[37], "");
}

// Value `number` of the typical file set to each of several texts (the typical text first, where
// it is listed), and what one field then holds.
struct FieldCases {
    int number;
    const char* fieldName;
    double (*field)(const StationConfig&);
    std::vector<std::pair<const char*, double>> textAndExpected;
};
#define FIELD(name) #name, [](const StationConfig& c) { return static_cast<double>(c.name); }

constexpr double kRad = std::numbers::pi / 180;

const FieldCases kFieldCases[] = {
    {1, FIELD(latitudeRad), {{"51.5", 51.5 * kRad}, {" 51.5 deg N", 51.5 * kRad}}},
    {2, FIELD(longitudeRad), {{"-0.1", -0.1 * kRad}}},
    {3, FIELD(heightKm), {{"20", 0.02}}},
    // Every time zone lies within 14 hours of UTC (Kiribati +14, Baker Island -12).
    {4, FIELD(timeOffsetHours), {{"0", 0}, {"-2.5", -2.5}, {"14", 14}, {"-14", -14}}},
    {5, FIELD(dateFormatSwitch), {{"0", 0}, {"1", 1}}},
    // A hexadecimal address; status and control follow it.
    {8, FIELD(portData), {{"378", 0x378}, {"3BC", 956}, {"278", 0x278}}},
    {8, FIELD(portStatus), {{"378", 0x379}, {"3BC", 957}}},
    {8, FIELD(portControl), {{"378", 0x37A}, {"3BC", 958}, {"fffd", 0xFFFF}}},
    {9, FIELD(radioInhibitAtStart), {{"NO", 0}, {"yes", 1}}},
    {10, FIELD(azimuthDisabled), {{"no", 0}, {"YES", 1}}},
    {11, FIELD(elevationDisabled), {{"NO", 0}, {"Yes", 1}}},
    {12, FIELD(azToleranceDeg), {{"2", 2}, {"0", 2}, {"1", 2}, {"-7", 2}, {"10", 10}}},
    // Int(2 / (450/1023)) = Int(4.55), Int(10 / (450/1023)) = Int(22.7); the most counts a frame
    // slot carries, 255: Int(112 / (450/1023)) = Int(254.6); 113 degrees are refused below.
    {12, FIELD(azToleranceCounts), {{"2", 4}, {"10", 22}, {"112", 254}}},
    {13, FIELD(elToleranceDeg), {{"2", 2}, {"0", 2}, {"1", 2}, {"-7", 2}}},
    // Int(2 / (180/1023) / 2) = Int(5.68), Int(10 / (180/1023) / 2) = Int(28.4), and at most
    // Int(90 / (180/1023) / 2) = Int(255.75); 91 degrees are refused below.
    {13, FIELD(elToleranceCounts), {{"2", 5}, {"10", 28}, {"90", 255}}},
    {14, FIELD(azOffsetDeg), {{"181", 0}, {"180", 180}, {"12.5", 12.5}, {"-5", 0}}},
    {15, FIELD(elOffsetDeg), {{"46", 0}, {"45", 45}, {"-1", 0}}},
    {16, FIELD(azUpdateStep), {{"2", 2}, {"0", 1}, {"5", 5}, {"-32768", -32768}}},
    {17, FIELD(elUpdateStep), {{"2", 2}, {"0", 1}}},
    {18, FIELD(minElevation), {{"north", 0}}},
    {19, FIELD(parkAzimuth), {{"270", 270}}},
    {20, FIELD(endAfterPark), {{"1", 1}}},
    {22, FIELD(rotatorType), {{"2", 2}}},
    {22, FIELD(elScale), {{"2", 180.0 / 1023}}},
    {22, FIELD(azToleranceCounts), {{"1", 5}}},  // Int(2 / (360/1023)) = Int(5.68)
    {22,
     FIELD(azScale),
     {{"0", kAz360}, {"1", kAz360}, {"2", kAz450}, {"3", kAz450}, {"4", kAz450}, {"5", kAz450}}},
    // At least one pass, so the poll never stops; a beep when it ends in the digit 1.
    {23, FIELD(idlePollPasses), {{"50", 50}, {"51", 51}, {"0", 1}, {"-20", 1}}},
    {23, FIELD(idlePollBeep), {{"50", 0}, {"51", 1}, {"1", 1}, {"10", 0}, {"0", 0}}},
    // At least four; a beep on a trailing "1".
    {24, FIELD(ddePollSpacing), {{"20", 20}, {"2", 4}, {"101", 101}, {"none", 4}}},
    {24, FIELD(ddePollBeep), {{"20", 0}, {"101", 1}, {"21 ", 0}}},
    {30, FIELD(parkAt90), {{"5", 90}, {"0", 0}}},
    {31, FIELD(maxElevation), {{"80", 80}}},
    {32, FIELD(fullDdeControl), {{"1", 1}}},
    // The orbit model: 0 (or a file that leaves the value empty) the station's own, 1 SGP4.
    {25, FIELD(orbitModel), {{"0", 0}, {"1", 1}, {"", 0}, {"Reserved", 0}}},
    {33, FIELD(flipAllowed), {{"NO", 0}, {"YES", 1}}},
    {34, FIELD(parkElToleranceDeg), {{"2", 2}, {"0", 2}}},
    // Kept unrounded: 2 and 3.5 degrees at 180/1023 degrees per count.
    {34,
     FIELD(parkElToleranceCounts),
     {{"2", 2 * 1023.0 / 180}, {"3.5", 3.5 * 1023.0 / 180}, {"0", 2 * 1023.0 / 180}}},
};

TEST_F(StationConfigReader, EachValueIsReadAndCorrectedIntoItsField) {
    for (const FieldCases& c : kFieldCases) {
        for (const auto& [text, expected] : c.textAndExpected) {
            SCOPED_TRACE(::testing::Message()
                         << "value " << c.number << " = \"" << text << "\" -> " << c.fieldName);
            EXPECT_DOUBLE_EQ(c.field(loadWith(c.number, text)), expected);
        }
    }
}

TEST_F(StationConfigReader, CorruptValuesAreReportedAndLeaveTheConfigurationAlone) {
    h.station.cfg.memoryChannel = "before";
    // A port beyond FFFD, rotator types outside 0..5, integers beyond sixteen bits, tolerances
    // whose counts a frame slot cannot carry (over 255), numbers beyond the floating range in
    // integer and number fields, memory channels that the one byte of the recall cannot
    // carry: beyond 255, not whole, below 0 (9E9 and -1 in the last three characters), or a byte
    // that ends or disturbs the message (F0, FC, FD, FE), orbit models other than 0 and 1, and time
    // offsets a quarter of an hour beyond the widest time zone, either way, and a day and more.
    const std::pair<int, const char*> corrupt[] = {
        {8, "FFFE"},    {8, "12345"},  {22, "6"},    {22, "-1"},    {22, "99"},     {12, "40000"},
        {19, "-32769"}, {23, "99999"}, {30, "1E6"},  {12, "20000"}, {12, "113"},    {13, "91"},
        {13, "100"},    {22, "1e400"}, {1, "1e400"}, {14, "1e400"}, {18, "-1D999"}, {34, "1e400"},
        {21, "256"},    {21, "300"},   {21, "1.5"},  {21, "N 9E9"}, {21, "-1"},     {21, "240"},
        {21, "252"},    {21, "253"},   {21, "254"},  {25, "2"},     {25, "-1"},     {4, "14.25"},
        {4, "-14.25"},  {4, "30"}};
    for (const auto& [number, text] : corrupt)
        EXPECT_EQ(failureLoading(typicalWith(number, text)), FileErrorKind::Corrupt)
            << number << " = " << text;
    EXPECT_EQ(h.station.cfg.memoryChannel, "before");
}

// The memory channels next to those refused above: the highest byte, the neighbours of the
// bytes that end a message, the last three characters of a longer text, and a text that is no
// number (channel 0).
TEST_F(StationConfigReader, MemoryChannelsTheRecallCarriesAreTaken) {
    for (const char* text : {"255", "251", "239", "241", "0", "1234", "none"})
        EXPECT_EQ(loadWith(21, text).memoryChannel, text);
}

TEST_F(StationConfigReader, ThirtyFiveValuesAreReadFromCrLfOrBareLineFeedFiles) {
    std::vector<std::string> values = typicalConfigValues();
    const std::string full = valueFile(values);
    const StationConfig crlf = load(full);
    EXPECT_EQ(load(valueFile(values, "\n")).raw, crlf.raw);
    EXPECT_EQ(load(full + "extra=1\r\ntrailing text").raw[36], "0");
    EXPECT_EQ(failureLoading(full.substr(0, full.size() - 2)), FileErrorKind::PastEnd);
    values.pop_back();
    EXPECT_EQ(failureLoading(valueFile(values)), FileErrorKind::PastEnd);
}

TEST_F(StationConfigReader, TheFileIsFoundInTheCurrentDirectoryWhateverItsCase) {
    h.station.cfg.memoryChannel = "before";
    EXPECT_EQ(failureReading(), FileErrorKind::NotFound);
    EXPECT_EQ(h.station.cfg.memoryChannel, "before");
    h.files.addFile("/start/orv.cfg", valueFile(typicalConfigValues()));
    ASSERT_TRUE(h.files.changeDirectory("/start"));
    EXPECT_EQ(read().rotatorType, 2);
    EXPECT_EQ(h.files.currentDirectory(), "/start");
}

TEST_F(StationConfigReader, DemonstrationForcesRotatorTypeZeroWhateverTheFileSays) {
    h.station.app.demo = true;
    const StationConfig& cfg = loadWith(22, "3");
    EXPECT_EQ(cfg.rotatorType, 0);
    EXPECT_DOUBLE_EQ(cfg.azScale, kAz360);
    EXPECT_EQ(loadWith(22, "9").rotatorType, 0);
}

}  // namespace
}  // namespace orvant

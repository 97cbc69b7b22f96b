#include "app/pass_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <vector>

#include "platform/file_system.h"
#include "support/program_run.h"

namespace orvant {
namespace {

namespace fs = std::filesystem;

// AO-7's pass over the sample station on 2018-01-21 by SGP4, as python3-sgp4 and the look-angle
// oracle script find it second by second (UTC): in view from 04:26:05 (azimuth 18.84) to 04:48:20
// (out of view again, azimuth 209.64), 77.91 degrees high at 04:37:15.
const std::string kAo7Row =
    "AO-7,2018-01-21T05:26:05,18.8,2018-01-21T05:37:15,77.9,2018-01-21T05:48:20,209.6,1335";

// The sample station in memory, its clock an hour ahead of UTC and on SGP4.
class PassTable : public ::testing::Test {
  protected:
    PassTable() {
        for (const auto& e : fs::directory_iterator(fs::path(ORVANT_EXAMPLES_DIR) / "station"))
            files.addFile("/station/" + e.path().filename().string(), testing::readText(e.path()));
        setValue("04", "1");
        setValue("25", "1");
        files.changeDirectory("/station");
    }
    void setValue(const std::string& label, const std::string& value) {
        std::string text = files.readFile("/station/ORV.CFG").bytes;
        const std::size_t from = text.find('=', text.find("\n" + label)) + 1;
        text.replace(from, text.find_first_of("\r\n", from) - from, value);
        files.addFile("/station/ORV.CFG", text);
    }
    int print(PassTableRequest request, const LocalDateTime& now = {2018, 1, 21, 5, 0, 0, 0}) {
        out.str("");
        err.str("");
        return printPassTable(request, now, files, out, err);
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> all;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) all.push_back(line);
        return all;
    }

    MemoryFileSystem files;
    std::ostringstream out, err;
};

TEST_F(PassTable, ListsThePassesInLocalTimeAsCsv) {
    ASSERT_EQ(print({.hours = 1, .csv = true, .names = {"ao-7"}}), 0) << err.str();
    EXPECT_EQ(lines(), (std::vector<std::string>{
                           "satellite,rise,rise_azimuth,top,top_elevation,set,set_azimuth,"
                           "duration_s",
                           kAo7Row}));
}

TEST_F(PassTable, ATableOfEverySatelliteWithAnOrbitSortedByRise) {
    ASSERT_EQ(print({.hours = 24, .csv = false, .names = {}}), 0) << err.str();
    const std::vector<std::string> all = lines();
    ASSERT_GT(all.size(), 20u);
    EXPECT_EQ(all[0],
              "Passes from 2018-01-21 05:00:00 for 24 hours, local time; in view at 0 degrees "
              "and above; orbit model sgp4");
    std::set<std::string> names;
    for (std::size_t i = 2; i < all.size(); ++i) names.insert(all[i].substr(0, all[i].find(' ')));
    for (std::size_t i = 3; i < all.size(); ++i)
        EXPECT_LE(all[i - 1].substr(13, 19), all[i].substr(13, 19)) << all[i];
    EXPECT_EQ(names, (std::set<std::string>{"AO-27", "AO-7", "FO-29", "ISS"}));
    EXPECT_NE(out.str().find("AO-7         2018-01-21 05:26:05  18.8  05:37:15 77.9  05:48:20 "
                             "209.6   0:22:15"),
              std::string::npos)
        << out.str();
}

TEST_F(PassTable, ASatelliteItCannotListIsSaidAndTheOthersListed) {
    struct Case {
        std::vector<std::string> names;
        std::string said;
    };
    for (const Case& c : {Case{{"KWIP", "AO-7"}, "orvant: KWIP: no orbit\n"},
                          Case{{"ZZ", "AO-7"}, "orvant: ZZ: ZZ.SAT: file not found\n"}}) {
        EXPECT_EQ(print({.hours = 1, .csv = true, .names = c.names}), 1);
        EXPECT_EQ(err.str(), c.said);
        EXPECT_EQ(lines().back(), kAo7Row);
    }
    files.addFile("/station/KEPS.TLE", "");
    EXPECT_EQ(print({.hours = 1, .csv = true, .names = {"AO-7"}}), 1);
    EXPECT_EQ(err.str(), "orvant: AO-7: KEPS.TLE: catalog number 07530 not found\n");
    files.removeFile("/station/ORV.CFG");
    EXPECT_EQ(print({.hours = 1, .csv = true, .names = {"AO-7"}}), 1);
    EXPECT_EQ(err.str(), "orvant: ORV.CFG: file not found\n");
}

// The table runs beside a working station: without the card, and leaving the hand-off entry of
// the station at work as it was.
TEST(PassTableRun, TouchesNeitherTheCardNorTheHandOff) {
    const testing::StationCopy station("pass-table");
    station.write("settings", "ORVANT\tStartup\tLeft\tORVANT\n");
    const testing::ProgramRun run = testing::runProgram(
        station.path(""),
        {"--passes=1", "--format=csv", "--clock=2018-01-21T04:00:00", "--port=/nonexistent/parport",
         "--settings=" + station.path("settings").string(), "AO-7"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 10), "satellite,");
    EXPECT_NE(run.out.find("AO-7,2018-01-21T04:26"), std::string::npos) << run.out;
    EXPECT_EQ(station.settings(), "ORVANT\tStartup\tLeft\tORVANT\n");
}

}  // namespace
}  // namespace orvant

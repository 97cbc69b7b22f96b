// Start-up of the whole program on the sample station, stopped at the polling loop: what the
// window shows for the configured rotator, where the satellite files are found, and the sign of
// the transponder offset.

#include "app/startup.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/fatal_dialogs.h"
#include "support/pass_station.h"
#include "support/station_files.h"

namespace orvant {
namespace {

using testing::PassStation;

constexpr LocalDateTime kDuringPass{2018, 1, 21, 4, 35, 0, 0};

TEST(StartUp, ShowsOnlyTheFrameAndGaugeOfTheConfiguredRotatorType) {
    const char* const panels[][2] = {{"hf_frame", "hs_hf"},           {"hf_frame", "hs_hf"},
                                     {"frame_default", "hs_default"}, {"frame_450", "hs_450"},
                                     {"frame_south", "hs_south"},     {"Frame_5", "hs_5"}};
    for (int type = 0; type <= 5; ++type) {
        SCOPED_TRACE(::testing::Message() << "rotator type " << type);
        PassStation p(kDuringPass);
        p.setConfig(22, std::to_string(type));
        ASSERT_TRUE(p.startUpToTheLoop("AO-7"));
        const std::set<std::string> configured{panels[type][0], panels[type][1]};
        for (int other = 1; other <= 5; ++other)  // types 0 and 1 share theirs
            for (const char* name : panels[other])
                EXPECT_EQ(p.display[name].visible, configured.count(name) == 1) << name;
    }
}

TEST(StartUp, ARelativeProgramDirectoryIsFoundFromTheStartDirectory) {
    PassStation p(kDuringPass);
    testing::loadSampleStation(p.files, "/station/sub");
    ASSERT_TRUE(p.files.changeDirectory("/station"));
    p.setConfig(7, "sub");
    ASSERT_TRUE(p.startUpToTheLoop("AO-7"));
    EXPECT_EQ(p.station.sat.path, "/station/sub/AO-7.SAT");
}

// The offset changes sign when the downlink lies below the uplink and the uplink below the
// offset (AO-7's inverting transponder); a quotient that no integer can hold (an offset of
// exactly -1 MHz, an uplink of 0) is a corrupted satellite file.
TEST(StartUp, TheOffsetSignComesFromTheBandsOrTheFileIsCorrupted) {
    struct Case {
        int number;
        const char* value;
        bool corrupted;
        double offsetMHz;
    };
    const Case cases[] = {{6, "578.1", false, -578.1}, {6, "-1", true, 0}, {2, "0", true, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "value " << c.number << " = " << c.value);
        PassStation p(kDuringPass);
        p.setSatelliteValue("AO-7.SAT", c.number, c.value);
        EXPECT_EQ(p.startUpToTheLoop("AO-7"), !c.corrupted);
        if (c.corrupted) {
            EXPECT_EQ(p.alerts.boxes, std::vector<std::string>{badSatFileText(
                                          p.station.app.versionText, p.station.app.versionDate)});
        } else {
            EXPECT_DOUBLE_EQ(p.station.sat.offsetMHz, c.offsetMHz);
        }
    }
}

}  // namespace
}  // namespace orvant

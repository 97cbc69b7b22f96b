#include "ui/compass_scales.h"

#include <gtest/gtest.h>

#include "support/station_harness.h"

namespace orvant {
namespace {

struct ScaleRow {
    const char* switchLabel;
    const char* label;
    const char* number;
    const char* point;
};

// Rows at each family's left end, its due-north positions and its odd names.
// clang-format off
constexpr ScaleRow kRows[] = {
    {"SWz", "Nzz", "0", "N"},         {"SWz", "Northrz", "360", "N"},
    {"SWz", "SWz", "225", "SW"},      {"SWz", "Eastrz", "90", "E"},
    {"nthx", "SEXX", "135", "SE"},    {"nthx", "nthx", "0", "N"},
    {"nthx", "SSWX", "202", "SSW"},   {"nthx", "swr", "225", "SW"},
    {"sc_4k", "sc_4a", "90", "E"},    {"sc_4k", "SC_4p", "67", "ENE"},
    {"sc_4k", "sc_4m", "360", "N"},   {"sc_4k", "sc_4u", "180", "S"},
    {"sc_5k", "sc_5a", "315", "NW"},  {"sc_5k", "sc_5c", "360", "N"},
    {"sc_5k", "sc_5d", "22", "NNE"},  {"sc_5k", "sc_5s", "360", "N"},
};
// clang-format on

struct CompassScales : ::testing::Test {
    // The operator's click, or double-click (which the window delivers after one click).
    void click(const std::string& name) { deliver(InputKind::Click, name); }
    void doubleClick(const std::string& name) {
        click(name);
        deliver(InputKind::DblClick, name);
    }
    void deliver(InputKind kind, const std::string& name) {
        s.display.deliver({0, kind, name, {}});
    }
    std::string caption(const char* name) { return s.display[name].caption; }
    testing::StationHarness s;
};

// The scales show numbers from the start.
TEST_F(CompassScales, DoubleClickShowsCompassPointsAndClickShowsNumbers) {
    for (const ScaleRow& row : kRows) {
        EXPECT_EQ(caption(row.label), row.number) << row.label;
        doubleClick(row.switchLabel);
        EXPECT_EQ(caption(row.label), row.point) << row.label;
        click(row.switchLabel);
        EXPECT_EQ(caption(row.label), row.number) << row.label;
    }
}

TEST_F(CompassScales, ASwitchRelabelsOnlyItsOwnFamily) {
    for (const char* family : {"SWz", "nthx", "sc_4k", "sc_5k"}) doubleClick(family);
    click("sc_4k");
    EXPECT_EQ(caption("sc_4a"), "90");
    for (const char* other : {"Nzz", "SEXX", "sc_5a"})
        EXPECT_EQ(caption(other).find_first_of("0123456789"), std::string::npos) << other;
}

}  // namespace
}  // namespace orvant

// The station's look at a satellite by SGP4 (azimuth, elevation, range rate) against a
// computation apart from the program: python3-sgp4 for the orbit and a script of its own for the
// station's frame (look_angles_oracle.py beside this file), over whole passes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "config/two_line_set.h"
#include "support/program_run.h"
#include "tracking/orbit_model.h"
#include "tracking/pass_search.h"

namespace orvant {
namespace {

// The sample station near London.
constexpr double kLatitude = 51.5, kLongitude = -0.1, kHeightKm = 0.020;

struct Scene {
    const char* name;
    std::string elementFile;
    std::string catalog;       // as line 1 writes it
    LocalDateTime searchFrom;  // UTC
    int stepSeconds;
};

const Scene kScenes[] = {
    {"Iss", ORVANT_EXAMPLES_DIR "/station/KEPS.TLE", "25544", {2018, 1, 21, 0, 0, 0, 0}, 10},
    {"Ao7", ORVANT_EXAMPLES_DIR "/station/KEPS.TLE", "07530", {2018, 1, 21, 0, 0, 0, 0}, 10},
    // MOLNIYA 2-14 of the verification set: twelve-hour resonance, eccentricity 0.69.
    {"Molniya",
     "/usr/lib/python3/dist-packages/sgp4/SGP4-VER.TLE",
     "08195",
     {2006, 6, 25, 8, 0, 0, 0},
     60},
};

// Line 1 and line 2 of the set whose line 1 names `catalog`.
std::vector<std::string> twoLinesOf(const std::string& file, const std::string& catalog) {
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("1 " + catalog)) continue;
        std::string line2;
        std::getline(in, line2);
        auto cut = [](const std::string& l) { return l.substr(0, l.find_last_not_of("\r") + 1); };
        return {cut(line), cut(line2).substr(0, 69)};
    }
    return {};
}

// The oracle's lines, one per instant (days from 2000 January 0, 0h UTC).
std::vector<std::string> oracleLooks(const std::vector<std::string>& lines,
                                     const std::vector<double>& days) {
    testing::TempDir dir("look-angles");
    std::ostringstream input;
    input.precision(17);
    input << lines[0] << "\n"
          << lines[1] << "\n"
          << kLatitude << " " << kLongitude << " " << kHeightKm << "\n";
    for (double d : days) input << d << "\n";
    dir.write("input", input.str());
    const std::string command = "/usr/bin/python3 " ORVANT_TESTS_DIR
                                "/tracking/look_angles_oracle.py < " +
                                (dir.path() / "input").string();
    std::vector<std::string> out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buf[256];
    while (std::fgets(buf, sizeof buf, pipe)) out.emplace_back(buf);
    pclose(pipe);
    return out;
}

double angleBetween(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360);
    return std::min(d, 360 - d);
}

class LookAngles : public ::testing::TestWithParam<Scene> {};

TEST_P(LookAngles, AgreeWithAnIndependentComputationOverAWholePass) {
    const Scene& scene = GetParam();
    const std::vector<std::string> lines = twoLinesOf(scene.elementFile, scene.catalog);
    ASSERT_EQ(lines.size(), 2u) << scene.elementFile;
    StationConfig cfg;
    cfg.latitudeRad = kLatitude * std::numbers::pi / 180;
    cfg.longitudeRad = kLongitude * std::numbers::pi / 180;
    cfg.heightKm = kHeightKm;
    cfg.orbitModel = OrbitModelKind::Sgp4;
    OrbitState orbit;
    orbitSetup(orbit, cfg, twoLineElements(lines[0], lines[1]));

    // The first whole pass that climbs to 20 degrees and stays clear of the zenith, where the
    // azimuth turns too fast to compare.
    const UtcSecond from = std::llround(utcDays(scene.searchFrom, 0) * 86400);
    std::optional<Pass> pass;
    for (const Pass& p : findPasses(orbit, 0, from, from + 2 * 86400))
        if (!pass && p.rise && p.set && p.topElevationDeg >= 20 && p.topElevationDeg < 80) pass = p;
    ASSERT_TRUE(pass);
    std::vector<double> days;
    for (UtcSecond s = *pass->rise; s <= *pass->set; s += scene.stepSeconds)
        days.push_back(static_cast<double>(s) / 86400);

    const std::vector<std::string> oracle = oracleLooks(lines, days);
    ASSERT_EQ(oracle.size(), days.size()) << "python3-sgp4 did not run";
    for (std::size_t i = 0; i < days.size(); ++i) {
        const SkyFix fix = skyFixAt(orbit, days[i]);
        double azimuth = 0, elevation = 0, rangeRate = 0;
        std::istringstream(oracle[i]) >> azimuth >> elevation >> rangeRate;
        ASSERT_TRUE(fix.fault.empty()) << fix.fault;
        EXPECT_LT(angleBetween(fix.azimuthDeg, azimuth), 0.01) << i;
        EXPECT_LT(std::fabs(fix.elevationDeg - elevation), 0.01) << i;
        EXPECT_LT(std::fabs(fix.rangeRate - rangeRate) * 1000, 1) << i << ": m/s";
    }
}

INSTANTIATE_TEST_SUITE_P(Sgp4, LookAngles, ::testing::ValuesIn(kScenes),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace orvant

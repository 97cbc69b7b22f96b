// SGP4 against the verification set that python3-sgp4 ships, read at run time: SGP4-VER.TLE (each
// line 2 followed by the start, stop and step of its run, in minutes from the epoch) and
// tcppver.out (the model authors' positions and velocities for every time of every run).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "config/two_line_set.h"
#include "station/orbit_state.h"
#include "tracking/orbit_model.h"

namespace orvant {
namespace {

const std::string kFolder = "/usr/lib/python3/dist-packages/sgp4/";

// The runs that end in a fault: the first time of the run (0 for the set-up) at which the model
// reports it instead of a position. python3-sgp4, run as a black box on the same sets, reports
// the same faults at the same times; tcppver.out lists no time from there on.
struct ErrorCase {
    std::string catalog;
    double minutes;
    Sgp4Fault fault;
};
const ErrorCase kErrorCases[] = {
    {"22312", 494.2028672, Sgp4Fault::MeanEccentricity},
    {"28350", 1560, Sgp4Fault::MeanEccentricity},
    {"28872", 55, Sgp4Fault::Decayed},
    {"29141", 440, Sgp4Fault::Decayed},
    {"33333", 25, Sgp4Fault::SemiLatusRectum},
    {"33334", 0, Sgp4Fault::PerturbedEccentricity},
    {"20413", 1844345, Sgp4Fault::Decayed},
};

struct Listed {
    double minutes;
    Vec3 positionKm, velocityKmS;
};

struct SetRun {
    std::string catalog;
    OrbitState orbit;
    std::vector<double> grid;  // 0, start (unless 0), start + step, ... up to stop
    std::vector<Listed> listed;
    const Sgp4& model() const { return *orbit.sgp4; }
};

std::vector<std::string> linesOf(const std::string& file) {
    std::ifstream in(kFolder + file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<SetRun> runsOfTheElementSets() {
    std::vector<SetRun> runs;
    std::string line1;
    for (const std::string& line : linesOf("SGP4-VER.TLE")) {
        if (line.starts_with("1 ")) line1 = line;
        if (!line.starts_with("2 ")) continue;
        SetRun run;
        run.catalog = std::to_string(std::stol(line.substr(2, 5)));
        orbitSetup(run.orbit, StationConfig{}, twoLineElements(line1, line.substr(0, 69)));
        double start = 0, stop = 0, step = 0;
        std::istringstream(line.substr(69)) >> start >> stop >> step;
        run.grid.push_back(0);
        if (start != 0) run.grid.push_back(start);
        for (double t = start; t < stop;) {
            t = std::min(t + step, stop);
            run.grid.push_back(t);
        }
        runs.push_back(std::move(run));
    }
    return runs;
}

// The runs with the times tcppver.out lists for them; its runs come in the order of the sets.
std::vector<SetRun> verificationRuns() {
    std::vector<SetRun> runs = runsOfTheElementSets();
    std::size_t run = 0;
    for (const std::string& line : linesOf("tcppver.out")) {
        std::istringstream in(line);
        if (line.find("xx") != std::string::npos) {
            std::string catalog;
            in >> catalog;
            EXPECT_EQ(catalog, runs.at(run++).catalog);
            continue;
        }
        Listed l{};
        in >> l.minutes >> l.positionKm.x >> l.positionKm.y >> l.positionKm.z >> l.velocityKmS.x >>
            l.velocityKmS.y >> l.velocityKmS.z;
        runs.at(run - 1).listed.push_back(l);
    }
    EXPECT_EQ(run, runs.size());
    return runs;
}

const ErrorCase* errorCaseOf(const SetRun& run) {
    for (const ErrorCase& e : kErrorCases)
        if (e.catalog == run.catalog &&
            (e.minutes == 0 || (e.minutes >= run.grid[1] && e.minutes <= run.grid.back())))
            return &e;
    return nullptr;
}

class Sgp4Verification : public ::testing::Test {
  protected:
    void SetUp() override {
        runs = verificationRuns();
        ASSERT_EQ(runs.size(), 33u)
            << "SGP4-VER.TLE or tcppver.out not read from " << kFolder << " (python3-sgp4)";
    }
    std::vector<SetRun> runs;
};

TEST_F(Sgp4Verification, EveryListedTimeWithinAMetreAndAMillimetrePerSecond) {
    int compared = 0;
    for (const SetRun& run : runs) {
        const ErrorCase* error = errorCaseOf(run);
        if (error && error->minutes == 0) continue;  // its listed line is the run before's
        for (const Listed& l : run.listed) {
            const Sgp4State s = run.model().at(l.minutes);
            ASSERT_EQ(s.fault, Sgp4Fault::None) << run.catalog << " at " << l.minutes;
            EXPECT_LT(length(s.positionKm - l.positionKm) * 1000, 1)
                << run.catalog << " at " << l.minutes << " min: metres";
            EXPECT_LT(length(s.velocityKmS - l.velocityKmS) * 1e6, 1)
                << run.catalog << " at " << l.minutes << " min: mm/s";
            ++compared;
        }
    }
    EXPECT_EQ(compared, 667 - 1);  // every line of tcppver.out but the stale one
}

TEST_F(Sgp4Verification, EachErrorCaseIsReportedAtItsTimeAndNoOtherTimeFails) {
    for (const SetRun& run : runs) {
        const ErrorCase* error = errorCaseOf(run);
        // The listed times are the run's first times; the first one not listed is the fault's.
        const std::size_t listed = error && error->minutes == 0 ? 0 : run.listed.size();
        for (std::size_t i = 0; i < listed; ++i)
            EXPECT_NEAR(run.listed[i].minutes, run.grid[i], 1e-6) << run.catalog;
        if (!error) {
            EXPECT_EQ(listed, run.grid.size()) << run.catalog;
            continue;
        }
        ASSERT_LT(listed, run.grid.size()) << run.catalog;
        EXPECT_NEAR(run.grid[listed], error->minutes, 1e-6) << run.catalog;
        EXPECT_EQ(run.model().at(run.grid[listed]).fault, error->fault) << run.catalog;
    }
}

}  // namespace
}  // namespace orvant

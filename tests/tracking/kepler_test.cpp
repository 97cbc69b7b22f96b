#include "tracking/kepler.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvant {
namespace {

double keplerResidual(const KeplerSolution& s, double M, double e) {
    return s.eccentricAnomaly - e * std::sin(s.eccentricAnomaly) - M;
}

TEST(Kepler, CircularOrbitEndsAfterTheFirstStep) {
    const KeplerSolution s = solveKepler(1.2, 0);
    EXPECT_EQ(s.iterations, 1);
    EXPECT_TRUE(s.converged);
    EXPECT_DOUBLE_EQ(s.eccentricAnomaly, 1.2);
    EXPECT_DOUBLE_EQ(s.C, std::cos(1.2));
    EXPECT_DOUBLE_EQ(s.S, std::sin(1.2));
    EXPECT_DOUBLE_EQ(s.DNOM, 1);
}

TEST(Kepler, KeepsTheTermsOfTheLastStepBeforeItsCorrection) {
    // e = 0.5, M = 1, worked step by step from EA = M:
    //   1: C = cos 1 = 0.5403023058681398, DNOM = 0.72984884706593, D = -0.57646935265480,
    //      EA = 1.576469352654799
    //   2: EA = 1.5002082686066445 (D = 0.0762610840481545)
    //   3: EA = 1.4987017206526596 (D = 0.0015065479539849)
    //   4: C = cos 1.4987017206526596 = 0.07203216882928219, S = 0.9974023093284624,
    //      DNOM = 0.9639839155853589, D = 5.871e-07 < 0.00001, EA = 1.4987011335179377
    const KeplerSolution s = solveKepler(1, 0.5);
    EXPECT_EQ(s.iterations, 4);
    EXPECT_NEAR(s.eccentricAnomaly, 1.4987011335179377, 1e-13);
    EXPECT_NEAR(s.C, 0.07203216882928219, 1e-13);
    EXPECT_NEAR(s.S, 0.9974023093284624, 1e-13);
    EXPECT_NEAR(s.DNOM, 0.9639839155853589, 1e-13);
    EXPECT_NEAR(keplerResidual(s, 1, 0.5), 0, 1e-12);
}

TEST(Kepler, SettlesInFewStepsForEveryPracticalEccentricity) {
    for (double e : {0.0001, 0.01, 0.3, 0.74, 0.8, 0.95}) {
        for (double M : {0.0, 0.001, 0.5, 3.0, 3.14159, 4.0, 6.28}) {
            const KeplerSolution s = solveKepler(M, e);
            EXPECT_TRUE(s.converged) << "e " << e << " M " << M;
            EXPECT_LE(s.iterations, 10) << "e " << e << " M " << M;
            EXPECT_NEAR(keplerResidual(s, M, e), 0, 1e-9) << "e " << e << " M " << M;
        }
    }
}

TEST(Kepler, VeryEccentricOrbitsNearPerigeeStillSettle) {
    // Started at EA = M these take 72 steps (e = 0.99), and run off to an infinite anomaly after
    // 39777 steps (e = 0.9999), which would leave the bearing undefined. Restarted from pi they
    // settle in 7 and 9 steps.
    struct Case {
        double e;
        double M;
    };
    for (const Case c : {Case{0.99, 0.09816544649734507}, Case{0.9999, 488 * 1e-5}}) {
        const KeplerSolution s = solveKepler(c.M, c.e);
        EXPECT_TRUE(s.converged) << "e " << c.e;
        EXPECT_LE(s.iterations, 10) << "e " << c.e;
        EXPECT_TRUE(std::isfinite(s.eccentricAnomaly)) << "e " << c.e;
        EXPECT_NEAR(keplerResidual(s, c.M, c.e), 0, 1e-12) << "e " << c.e;
    }
}

}  // namespace
}  // namespace orvant

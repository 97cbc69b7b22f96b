#include "tracking/orbit_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "config/config_error.h"
#include "config/two_line_set.h"
#include "frontend/headless_frontend.h"
#include "support/iss_elements.h"
#include "support/station_harness.h"
#include "tracking/orbit_propagation.h"

namespace orvant {
namespace {

using std::numbers::pi;

TEST(ConvDay, CountsDaysFromJanuaryZeroOf2000) {
    struct Case {
        int year, month, day, expected;
    };
    // 2018-01-21: Y = 2017, M = 13: Int(736709.25 - 730134) + Int(428.4) + 21 - 428 = 6596.
    // 30.6 x (M + 1) is whole for February (459), April (153) and September (306); its floor
    // must not drop a day through the rounding of 30.6. A day of the year may pass the month's end.
    constexpr int k2018 = 6575;  // 2018 January 0
    for (const Case c :
         {Case{2000, 1, 0, 0}, Case{2000, 1, 1, 1}, Case{2000, 3, 1, 61}, Case{1999, 12, 31, 0},
          Case{2018, 1, 21, 6596}, Case{2000, 12, 31, 366}, Case{2001, 1, 1, 367},
          Case{2018, 1, 0, k2018}, Case{2018, 2, 1, k2018 + 31 + 1},
          Case{2018, 4, 1, k2018 + 31 + 28 + 31 + 1}, Case{2018, 9, 1, k2018 + 243 + 1},
          Case{2018, 1, 60, ConvDay(2018, 3, 1)}, Case{2018, 1, 365, ConvDay(2018, 12, 31)},
          Case{2020, 1, 366, ConvDay(2020, 12, 31)}})
        EXPECT_EQ(ConvDay(c.year, c.month, c.day), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    // Leap years add the twenty-ninth of February.
    EXPECT_EQ(ConvDay(2004, 3, 1) - ConvDay(2004, 2, 28), 2);
    EXPECT_EQ(ConvDay(2018, 3, 1) - ConvDay(2018, 2, 28), 1);
    EXPECT_EQ(ConvDay(2019, 1, 0) - ConvDay(2018, 1, 0), 365);
    EXPECT_EQ(ConvDay(2021, 1, 0) - ConvDay(2020, 1, 0), 366);
}

TEST(Arctan, CoversTheFullCircleInAllFourQuadrantsAndOnTheAxes) {
    struct Case {
        double y, x, expected;
    };
    for (const Case c :
         {Case{1, 1, pi / 4}, Case{1, -1, 3 * pi / 4}, Case{-1, -1, 5 * pi / 4},
          Case{-1, 1, 7 * pi / 4}, Case{-1e-9, 1, 2 * pi - 1e-9}, Case{0, 1, 0}, Case{1, 0, pi / 2},
          Case{0, -1, pi}, Case{-1, 0, 3 * pi / 2}, Case{0, 0, pi / 2}})
        EXPECT_DOUBLE_EQ(arctan(c.y, c.x), c.expected) << c.y << ", " << c.x;
}

TEST(Elevation, ZenithAndRoundingPastItGiveNinetyDegrees) {
    EXPECT_EQ(elevationDegrees(1), 90);
    EXPECT_EQ(elevationDegrees(1 + 1e-15), 90);
    EXPECT_EQ(elevationDegrees(-1 - 1e-15), -90);
    EXPECT_EQ(elevationDegrees(0), 0);
    EXPECT_NEAR(elevationDegrees(0.5), 30, 1e-7);
}

TEST(OrbitPhase, CountsTwoHundredFiftySixthsOfARevolution) {
    EXPECT_EQ(orbitPhase256(0), 0);
    EXPECT_EQ(orbitPhase256(pi), 128);
    EXPECT_EQ(orbitPhase256(pi / 2 - 1e-9), 63);
    EXPECT_EQ(orbitPhase256(2 * pi - 1e-9), 255);
    // A reduction that rounds onto the ends of the revolution stays within 0..255.
    EXPECT_EQ(orbitPhase256(2 * pi), 0);
    EXPECT_EQ(orbitPhase256(-1e-12), 255);
    // An anomaly no reduction brought back still gives its phase: 1e8 radians is 79/256.
    EXPECT_EQ(orbitPhase256(1e8), 79);
}

// The ISS element set of 2018 January 20 (epoch 18020.89808844) at a station at 51.5 N, 0.1 W,
// 45 m above sea level, whose clock runs one hour ahead of UTC.
struct IssOverLondon : ::testing::Test {
    IssOverLondon() {
        station.cfg.latitudeRad = 51.5 * pi / 180;
        station.cfg.longitudeRad = -0.1 * pi / 180;
        station.cfg.heightKm = 0.045;
        station.cfg.timeOffsetHours = 1;
        station.sat.elements = testing::issElements2018();
        orbitSetup(station);
    }

    testing::StationHarness harness;
    Station& station = harness.station;
    const OrbitState& orbit = station.orbit;
};

// Worked from the formulas by hand (double precision, in python):
//   LA = 51.5 pi / 180 = 0.8988445647770796; RP = RE (1 - FL) = 6356.755288157528 km;
//   D = sqrt(XX CL^2 + ZZ SL^2); Rx = XX/D + 0.045 = 6391.301002698448, Rz = 6348.515474385456
//   O = (3978.6723614642424, -6.9441003075460594, 4968.399994157829) km
//   W0 = (2 pi + 2 pi / 365.242197) / 86400; VO = (0.0005063718394984, 0.2901293980800651) km/s
//   epochDayNumber = ConvDay(2018, 1, 0) + 20 = 6595, epochFraction = 0.89808844
//   N0 = 15.5419008 x 2 pi / 86400 = 0.0011302389207430864 rad/s
//   A0 = (398600 / N0^2)^(1/3) = 6782.642483291046 km, B0 = A0 sqrt(1 - e^2) = 6782.642032471982
//   PC = 1.5 J2 (RE A0 / B0^2)^2 x meanMotion = 0.1402315314230877 rad/day
//   QD = -PC cos i = -0.08702315650880234, WD = PC (5 cos^2 i - 1) / 2 = 0.06489363074700263
//   DC = -2 x 0.00002078 / 15.5419008 / 3 = -8.913538640867746e-07
//   TEG = 6595 - 0 + 0.89808844 = 6595.89808844
//   GHAE = 0.017453292 x 98.9821 + TEG x WE = 41558.44537901501 rad
TEST_F(IssOverLondon, SetUpPreparesStationAndOrbitConstants) {
    EXPECT_NEAR(orbit.O.x, 3978.6723614642424, 1e-8);
    EXPECT_NEAR(orbit.O.y, -6.9441003075460594, 1e-8);
    EXPECT_NEAR(orbit.O.z, 4968.399994157829, 1e-8);
    EXPECT_NEAR(orbit.VO.x, 0.0005063718394983602, 1e-15);
    EXPECT_NEAR(orbit.VO.y, 0.2901293980800651, 1e-13);
    EXPECT_EQ(orbit.VO.z, 0);

    EXPECT_EQ(orbit.epochDayNumber, 6595);
    EXPECT_NEAR(orbit.epochFraction, 0.89808844, 1e-12);
    EXPECT_NEAR(orbit.N0, 0.0011302389207430864, 1e-18);
    EXPECT_NEAR(orbit.A0, 6782.642483291046, 1e-8);
    EXPECT_NEAR(orbit.B0, 6782.642032471982, 1e-8);
    EXPECT_NEAR(orbit.PC, 0.1402315314230877, 1e-14);
    EXPECT_NEAR(orbit.QD, -0.08702315650880234, 1e-14);
    EXPECT_NEAR(orbit.WD, 0.06489363074700263, 1e-14);
    EXPECT_NEAR(orbit.DC, -8.913538640867746e-07, 1e-19);
    EXPECT_NEAR(orbit.TEG, 6595.89808844, 1e-9);
    EXPECT_NEAR(orbit.GHAE, 41558.44537901501, 1e-8);
}

// One pass at local 2018-01-21 00:09:05 (UTC 23:09:05 the day before), worked by hand:
//   DN = ConvDay(2018, 1, 21) = 6596; TN = (0 - 1 + 9/60 + 5/3600) / 24 = -0.0353587962962963
//   T = DN + TN - TEG = 0.06655276370383945 days
//   DT = DC T / 2 = -2.9661031546535664e-08; KD = 1 + 4 DT; KDP = 1 - 7 DT
//   M = 0.6899844832944 + 97.65264275220267 x T x (1 - 3 DT) = 7.189038319743065; DR = 1;
//   M = 7.189038319743065 - 2 pi = 0.9058530125634787
//   Kepler from EA = M: 2 steps, EA = 0.9061399997258448
//   A = A0 KD = 6782.641678570355, B = 6782.641227751345
//   GHAA = GHAE + WE T = 41558.86468725537
//   earth-fixed S = (4291.011345704804, 47.353860886867324, 5250.57318227537) km
//   earth-fixed V = (-1.2444630596650832, 7.5059139008775695, 0.9521804668424765) km/s
//   |R| = 424.41208484056256 km; u = 0.978311768942095, e = 0.12922113799724574,
//   n = -0.1618887897418636
//   rangeRate = 0.6400140499479193 km/s
//   azimuth = DEG arctan(e, n) = 141.40280701201067; elevation = DEG atan(u / sqrt(1 - u^2))
//   = 78.0453254058368; ma256 = Int(M x 128 / pi) = 36
TEST_F(IssOverLondon, OnePassWorkedByHand) {
    const LocalDateTime clock{2018, 1, 21, 0, 9, 5, 0};
    const double T = daysSinceEpoch(orbit, programDate(clock, 0), clock, 1);
    EXPECT_NEAR(T, 0.06655276370383945, 1e-11);

    const SatelliteFix fix = propagate(orbit, T);
    EXPECT_NEAR(fix.meanAnomaly, 0.9058530125634787, 1e-9);
    EXPECT_EQ(fix.kepler.iterations, 2);
    EXPECT_NEAR(fix.kepler.eccentricAnomaly, 0.9061399997258448, 1e-9);
    EXPECT_NEAR(fix.position.x, 4291.011345704804, 1e-5);
    EXPECT_NEAR(fix.position.y, 47.353860886867324, 1e-5);
    EXPECT_NEAR(fix.position.z, 5250.57318227537, 1e-5);
    EXPECT_NEAR(fix.velocity.x, -1.2444630596650832, 1e-8);
    EXPECT_NEAR(fix.velocity.y, 7.5059139008775695, 1e-8);
    EXPECT_NEAR(fix.velocity.z, 0.9521804668424765, 1e-8);

    const LookAngles look = lookAngles(orbit, fix);
    EXPECT_NEAR(look.azimuthDeg, 141.40280701201067, 1e-6);
    EXPECT_NEAR(look.elevationDeg, 78.0453254058368, 1e-6);
    EXPECT_NEAR(look.rangeRate, 0.6400140499479193, 1e-8);

    orbitStep(station, clock);
    EXPECT_EQ(station.track.satAzimuth, 141);
    EXPECT_EQ(station.track.satElevation, 78);
    EXPECT_NEAR(station.track.rangeRate, 0.6400140499479193, 1e-8);
    EXPECT_EQ(station.track.ma256, 36);
}

// With the clock before the epoch T is negative and the model runs backwards. Worked by hand for
// local 2018-01-20 15:00:00 at UTC (offset 0) and sea level: T = -0.27308843999981036,
// M = 39.5332 RAD + MM T (1 - 3 DT) reduced with DR = -5 to 5.43811288528865 (ma256 221);
// azimuth 143.7799, elevation -35.0156, rangeRate -2.84062 km/s.
TEST_F(IssOverLondon, ClockBeforeTheEpochPropagatesBackwards) {
    station.cfg.heightKm = 0;
    station.cfg.timeOffsetHours = 0;
    orbitSetup(station);
    orbitStep(station, {2018, 1, 20, 15, 0, 0, 0});
    EXPECT_EQ(station.track.satAzimuth, 144);
    EXPECT_EQ(station.track.satElevation, -35);
    EXPECT_NEAR(station.track.rangeRate, -2.8406175655539156, 1e-7);
    EXPECT_EQ(station.track.ma256, 221);
}

// The same instant read two ways gives the same fix: local 00:09:05 one hour ahead of UTC is
// 23:09:05 the day before at UTC. The date-format switch only changes how the date box shows the
// date: on 5 January the orbit is computed for 5 January either way.
TEST_F(IssOverLondon, TimeOffsetAndDateFormatSwitchReadTheSameInstant) {
    const auto expectSameFix = [this](const LocalDateTime& a, const LocalDateTime& b,
                                      auto changeReading) {
        orbitStep(station, a);
        const TrackingState first = station.track;
        changeReading();
        orbitStep(station, b);
        EXPECT_EQ(station.track.satAzimuth, first.satAzimuth);
        EXPECT_EQ(station.track.satElevation, first.satElevation);
        EXPECT_NEAR(station.track.rangeRate, first.rangeRate, 1e-9);
        EXPECT_EQ(station.track.ma256, first.ma256);
    };
    expectSameFix({2018, 1, 21, 0, 9, 5, 0}, {2018, 1, 20, 23, 9, 5, 0},
                  [this] { station.cfg.timeOffsetHours = 0; });
    expectSameFix({2018, 1, 5, 6, 30, 0, 0}, {2018, 1, 5, 6, 30, 0, 0},
                  [this] { station.cfg.dateFormatSwitch = 1; });
}

// Element sets a model cannot place at the moment of the scene: AO-7 with a decay term of
// 9.9E+299 (the station's own model overflows) or 9.9E+99 (it puts the satellite 1e101 km away),
// and the MINOTAUR R/B of the SGP4 verification set an hour after its epoch, when SGP4 has it
// inside the earth (python3-sgp4 reports the same).
struct Unplaceable {
    const char* name;
    OrbitModelKind model;
    ElementSet elements;
    LocalDateTime clock;  // UTC
    std::string fault;
};

void PrintTo(const Unplaceable& u, std::ostream* os) {
    *os << u.name;
}

const Unplaceable kUnplaceable[] = {
    {"OwnModelOverflows",
     OrbitModelKind::Own,
     twoLineElements("1 07530U 74089B   18020.92882759  9.9E+299  00000-0  83259-4 0  9990",
                     "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916"),
     {2018, 1, 21, 4, 30, 0, 0},
     "no number"},
    {"OwnModelBeyondAnyOrbit",
     OrbitModelKind::Own,
     twoLineElements("1 07530U 74089B   18020.92882759  9.9E+099  00000-0  83259-4 0  9990",
                     "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916"),
     {2018, 1, 21, 4, 30, 0, 0},
     "beyond any orbit"},
    {"Sgp4Decayed",
     OrbitModelKind::Sgp4,
     twoLineElements("1 28872U 05037B   05333.02012661  .25992681  00000-0  24476-3 0  1534",
                     "2 28872  96.4736 157.9986 0303955 244.0492 110.6523 16.46015938 10708"),
     {2005, 11, 29, 1, 29, 27, 0},
     "decayed"},
};

class NoPosition : public ::testing::TestWithParam<Unplaceable> {
  protected:
    NoPosition() : harness(GetParam().clock) {
        station.cfg.orbitModel = GetParam().model;
        station.sat.elements = GetParam().elements;
        station.track.satFileName = "AO-7";
    }
    testing::StationHarness harness;
    Station& station = harness.station;
};

TEST_P(NoPosition, TheSetUpRefusesTheElementSetAsCorrupt) {
    try {
        orbitSetup(station);
        ADD_FAILURE() << "taken";
    } catch (const FileError& e) {
        EXPECT_EQ(e.kind, FileErrorKind::Corrupt);
        EXPECT_EQ(e.detail, GetParam().fault);
    }
}

// Met during a run, the satellite is below the horizon with no Doppler shift, and the status line
// says why and shows numbers only.
TEST_P(NoPosition, DuringARunTheSatelliteIsBelowTheHorizonAndNoNumberIsNaN) {
    orbitSetup(station.orbit, station.cfg, station.sat.elements);
    station.track.satAzimuth = 123;
    orbitStep(station, GetParam().clock);
    EXPECT_EQ(station.track.satElevation, station.cfg.minElevation - 1);
    EXPECT_EQ(station.track.satAzimuth, 123);
    EXPECT_EQ(station.track.rangeRate, 0);
    const std::string status = StatusLines().next(station);
    EXPECT_EQ(status.find("nan"), std::string::npos) << status;
    EXPECT_TRUE(status.ends_with(" (" + GetParam().fault + ")")) << status;
}

INSTANTIATE_TEST_SUITE_P(BothModels, NoPosition, ::testing::ValuesIn(kUnplaceable),
                         [](const auto& info) { return info.param.name; });

// The window names the model that points; nothing points for a satellite without an orbit or
// under a tracking program's full control. The status line names SGP4, and a model without a
// position, and stays as it always was on the station's own model.
TEST(OrbitModelShown, NamesTheModelThatPointsAndWhyItHasNoPosition) {
    struct Case {
        OrbitModelKind model;
        std::string satellite;
        std::int16_t fullDdeControl;
        std::string fault, shown;
        bool onStatusLine;
    };
    for (const Case& c :
         {Case{OrbitModelKind::Own, "AO-7", 0, "", "own", false},
          Case{OrbitModelKind::Own, "AO-7", 0, "no number", "own (no number)", true},
          Case{OrbitModelKind::Sgp4, "AO-7", 0, "", "sgp4", true},
          Case{OrbitModelKind::Sgp4, "AO-7", 0, "decayed", "sgp4 (decayed)", true},
          Case{OrbitModelKind::Sgp4, "AO-7", 1, "", "", false},
          Case{OrbitModelKind::Own, "KWIP", 0, "", "", false},
          Case{OrbitModelKind::Sgp4, "PARK", 0, "", "", false}}) {
        testing::StationHarness harness;
        Station& s = harness.station;
        s.cfg.orbitModel = c.model;
        s.track.satFileName = c.satellite;
        s.track.fullDdeControl = c.fullDdeControl;
        s.track.orbitFault = c.fault;
        showOrbitModel(s);
        EXPECT_EQ(s.display["lbl_orbit"].caption, c.shown) << c.satellite << " " << c.shown;
        const std::string status = StatusLines().next(s);
        EXPECT_EQ(status.ends_with(" orbit " + c.shown), c.onStatusLine) << status;
        EXPECT_EQ(status.find(" orbit ") != std::string::npos, c.onStatusLine) << status;
    }
}

}  // namespace
}  // namespace orvant

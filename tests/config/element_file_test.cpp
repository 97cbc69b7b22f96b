#include "config/element_file.h"

#include <gtest/gtest.h>

#include "config/config_error.h"
#include "support/station_harness.h"

namespace orvant {
namespace {

// Real element sets of January 2018, as published (CR LF line ends, name lines).
const std::string kAo7Name = "OSCAR 7 (AO-7)";
const std::string kAo7Line1 =
    "1 07530U 74089B   18020.92882759 -.00000031  00000-0  83259-4 0  9990";
const std::string kAo7Line2 =
    "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916";
const std::string kFo29 =
    "JAS-2 (FO-29)\r\n"
    "1 24278U 96046B   18020.85842795 -.00000002  00000-0  31335-4 0  9999\r\n"
    "2 24278  98.5306 239.7962 0351150 133.0233 230.0898 13.53080693 58061\r\n";
const std::string kIss =
    "ISS (ZARYA)\r\n"
    "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992\r\n"
    "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614\r\n";

std::string ao7(const std::string& lineEnd = "\r\n") {
    return kAo7Name + lineEnd + kAo7Line1 + lineEnd + kAo7Line2 + lineEnd;
}

class ElementFile : public ::testing::Test {
  protected:
    ElementFile() { h.station.cfg.kepsPath = "/STATION/KEPS.TLE"; }
    // Reads the element file the configuration names and looks up the satellite's set.
    void readElementSet() {
        h.station.sat.elements = findElementSet(readStationFile(h.files, h.station.cfg.kepsPath),
                                                h.station.sat.catalogNumber);
    }
    void lookFor(const std::string& catalogNumber, const std::string& file) {
        h.files.addFile("/station/keps.tle", file);
        h.station.sat.catalogNumber = catalogNumber;
    }
    const ElementSet& find(const std::string& catalogNumber, const std::string& file) {
        lookFor(catalogNumber, file);
        readElementSet();
        return h.station.sat.elements;
    }
    FileErrorKind failureFinding(const std::string& catalogNumber, const std::string& file) {
        lookFor(catalogNumber, file);
        return failure();
    }
    FileErrorKind failure() {
        try {
            readElementSet();
        } catch (const FileError& e) {
            return e.kind;
        }
        ADD_FAILURE() << "no FileError";
        return FileErrorKind::NotFound;
    }
    // Line 2 of AO-7 with characters `first`.. replaced by `text`.
    static std::string ao7Line2With(int first, const std::string& text) {
        std::string line = kAo7Line2;
        line.replace(static_cast<std::size_t>(first - 1), text.size(), text);
        return line;
    }

    testing::StationHarness h;
};

TEST_F(ElementFile, ReadsEveryFieldOfTheAo7Set) {
    const ElementSet& e = find("07530", kFo29 + ao7() + kIss);
    EXPECT_DOUBLE_EQ(e.epochYear, 2018);
    EXPECT_DOUBLE_EQ(e.epochDay, 20.92882759);
    EXPECT_DOUBLE_EQ(e.decayRate, -0.00000031);
    EXPECT_DOUBLE_EQ(e.inclination, 101.6660);
    EXPECT_DOUBLE_EQ(e.raan, 350.5859);
    EXPECT_DOUBLE_EQ(e.eccentricity, 0.0011799);
    EXPECT_DOUBLE_EQ(e.argPerigee, 260.7489);  // all three digits of the degrees
    EXPECT_DOUBLE_EQ(e.meanAnomaly, 115.8236);
    EXPECT_DOUBLE_EQ(e.meanMotion, 12.53630761);
    EXPECT_DOUBLE_EQ(e.epochOrbit, 97591);
}

TEST_F(ElementFile, ReadsSetsWithBlanksInsideTheirColumns) {
    const ElementSet& fo29 = find("24278", ao7() + kFo29 + kIss);
    EXPECT_DOUBLE_EQ(fo29.eccentricity, 0.0351150);
    EXPECT_DOUBLE_EQ(fo29.argPerigee, 133.0233);
    EXPECT_DOUBLE_EQ(fo29.meanMotion, 13.53080693);
    EXPECT_DOUBLE_EQ(fo29.epochOrbit, 5806);
    const ElementSet& iss = find("25544", ao7() + kFo29 + kIss);
    EXPECT_DOUBLE_EQ(iss.decayRate, 0.00002078);
    EXPECT_DOUBLE_EQ(iss.inclination, 51.6424);
    EXPECT_DOUBLE_EQ(iss.raan, 32.9776);
    EXPECT_DOUBLE_EQ(iss.argPerigee, 28.7227);
    EXPECT_DOUBLE_EQ(iss.epochOrbit, 9561);
}

TEST_F(ElementFile, LineFeedAndCarriageReturnFilesReadTheSame) {
    for (const char* lineEnd : {"\n", "\r"}) {
        const ElementSet& e = find("07530", kFo29 + ao7(lineEnd));
        EXPECT_DOUBLE_EQ(e.argPerigee, 260.7489) << lineEnd[0];
        EXPECT_DOUBLE_EQ(e.epochOrbit, 97591) << lineEnd[0];
    }
    // The last line may lack its line end.
    EXPECT_DOUBLE_EQ(find("07530", kAo7Line1 + "\r\n" + kAo7Line2).meanMotion, 12.53630761);
}

TEST_F(ElementFile, TheCatalogNumberIsMatchedAsWritten) {
    EXPECT_EQ(failureFinding("7530", ao7()), FileErrorKind::PastEnd);
    // Older files pad the number with a blank instead of a zero.
    std::string padded = kAo7Line1;
    padded[2] = ' ';
    EXPECT_DOUBLE_EQ(find("7530", padded + "\r\n" + kAo7Line2 + "\r\n").inclination, 101.6660);
}

TEST_F(ElementFile, TheFileIsFoundRelativeToTheCurrentDirectoryAndMissingOnesAreReported) {
    h.files.addFile("/station/AO-7.SAT", "");
    h.station.sat.catalogNumber = "07530";
    EXPECT_EQ(failure(), FileErrorKind::NotFound);
    h.station.cfg.kepsPath = "/NOWHERE/KEPS.TLE";
    EXPECT_EQ(failure(), FileErrorKind::PathNotFound);
    h.station.cfg.kepsPath = "";
    EXPECT_EQ(failure(), FileErrorKind::NotFound);
    h.station.cfg.kepsPath = "/STATION/.";
    EXPECT_EQ(failure(), FileErrorKind::NotFound);

    ASSERT_TRUE(h.files.changeDirectory("/station"));
    h.station.cfg.kepsPath = "KEPS.TLE";
    EXPECT_DOUBLE_EQ(find("07530", ao7()).meanAnomaly, 115.8236);
}

TEST_F(ElementFile, AMissingSetIsPastTheEndAndOneTheOrbitModelCannotServeIsCorrupt) {
    h.station.sat.elements.inclination = 1;
    EXPECT_EQ(failureFinding("99999", kFo29 + ao7() + kIss), FileErrorKind::PastEnd);
    EXPECT_EQ(failureFinding("07530", ""), FileErrorKind::PastEnd);
    const std::string head = kAo7Name + "\r\n" + kAo7Line1 + "\r\n";
    const std::string corrupt[] = {
        head,                                                   // no line 2
        head + kIss,                                            // not a line 2
        head + kAo7Line2.substr(0, 60) + "\r\n",                // line 2 cut short
        kAo7Line1.substr(0, 40) + "\r\n" + kAo7Line2 + "\r\n",  // line 1 cut short
        head + ao7Line2With(53, " 0.00000000") + "\r\n",        // no mean motion
        head + ao7Line2With(53, "-1.00000000") + "\r\n",        // negative mean motion
        head + ao7Line2With(27, "99E+01 ") + "\r\n",            // eccentricity .99E+01 = 9.9
        head + ao7Line2With(53, "12.5E999999") + "\r\n",        // mean motion beyond any number
        head + ao7Line2With(53, "2.0856e+269") + "\r\n",        // an orbit inside the earth
        // an epoch on day 9020 of its year
        kAo7Line1.substr(0, 20) + "9020.9288275" + kAo7Line1.substr(32) + "\r\n" + kAo7Line2,
    };
    for (const std::string& file : corrupt)
        EXPECT_EQ(failureFinding("07530", file), FileErrorKind::Corrupt) << file;
    EXPECT_DOUBLE_EQ(h.station.sat.elements.inclination, 1);  // nothing changed
    // A line 2 without its revolution number still serves the model.
    EXPECT_DOUBLE_EQ(find("07530", head + kAo7Line2.substr(0, 63)).epochOrbit, 0);
}

}  // namespace
}  // namespace orvant

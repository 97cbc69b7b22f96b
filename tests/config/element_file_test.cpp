#include "config/element_file.h"

#include <gtest/gtest.h>

#include "config/config_error.h"
#include "config/value_files.h"
#include "support/program_run.h"
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
        return testing::fileErrorOf([&] { readElementSet(); });
    }
    // The set is read, or refused as `refusal`.
    void expectRead(bool taken, FileErrorKind refusal, const std::string& row) {
        if (taken)
            EXPECT_NO_THROW(readElementSet()) << row;
        else
            EXPECT_EQ(failure(), refusal) << row;
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
    EXPECT_DOUBLE_EQ(e.bstar, 0.83259e-4);
    EXPECT_DOUBLE_EQ(e.epochYearFull, 2018);
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

// AO-7's set with its catalog number written `written` on both lines.
std::string ao7WrittenAs(const std::string& written) {
    std::string line1 = kAo7Line1, line2 = kAo7Line2;
    line1.replace(2, 5, written);
    line2.replace(2, 5, written);
    return line1 + "\r\n" + line2 + "\r\n";
}

TEST_F(ElementFile, AnAlpha5CatalogNumberIsFoundAsWrittenOrAsTheNumberItStandsFor) {
    struct Case {
        std::string wanted, written;
        bool found;
    };
    for (const Case& c : {Case{"A0000", "A0000", true}, Case{"100000", "A0000", true},
                          Case{"099999", "A0000", false}, Case{"339999", "Z9999", true},
                          Case{"340000", "Z9999", false}, Case{"180000", "J0000", true},
                          Case{"180000", "I0000", false}, Case{"I0000", "I0000", true},
                          Case{"99999", "99999", true}}) {
        lookFor(c.wanted, kIss + ao7WrittenAs(c.written));
        expectRead(c.found, FileErrorKind::PastEnd, c.wanted + " in " + c.written);
    }
}

TEST_F(ElementFile, TheYearOfTheCenturyIsRead) {
    // Two-digit years from 57 on are of the 1900s, for SGP4; the station's own model takes 20xx.
    for (const auto& [digits, year] : {std::pair{"56", 2056}, std::pair{"57", 1957}}) {
        const std::string line1 = kAo7Line1.substr(0, 18) + digits + kAo7Line1.substr(20);
        const ElementSet& y = find("07530", line1 + "\r\n" + kAo7Line2);
        EXPECT_DOUBLE_EQ(y.epochYearFull, year) << digits;
        EXPECT_DOUBLE_EQ(y.epochYear, 2000 + std::stoi(digits)) << digits;
    }
}

// Mean motions at and just past the bounds the models take, and the corrupt set a fuzzer found.
TEST_F(ElementFile, TheMeanMotionMustLieWithinItsBounds) {
    const std::string head = kAo7Line1 + "\r\n";
    struct Case {
        std::string field;  // columns 53..63
        bool taken;
    };
    for (const Case& c :
         {Case{" 0.01000000", true}, Case{" 0.00999999", false}, Case{"100.0000000", true},
          Case{"100.0000001", false}, Case{"1.82D-259  ", false}}) {
        lookFor("07530", head + ao7Line2With(53, c.field));
        expectRead(c.taken, FileErrorKind::Corrupt, c.field);
    }
}

// Vanguard 1 as the OMM samples of python3-sgp4 give it, and as JSON with the same values; its
// two-line twin is what python3-sgp4 exports from the CSV sample.
const std::string kVanguardTwin =
    "1 00005U 58002B   20287.20333880 -.00000016  00000-0 -22483-4 0  9998\n"
    "2 00005  34.2443 225.5254 1845686 162.2516 205.2356 10.84869164218149\n";
const std::string kVanguardJson =
    R"([{"OBJECT_NAME":"VANGUARD 1","OBJECT_ID":"1958-002B","EPOCH":"2020-10-13T04:52:48.472320",)"
    R"("MEAN_MOTION":10.84869164,"ECCENTRICITY":0.1845686,"INCLINATION":34.2443,)"
    R"("RA_OF_ASC_NODE":225.5254,"ARG_OF_PERICENTER":162.2516,"MEAN_ANOMALY":205.2356,)"
    R"("EPHEMERIS_TYPE":0,"CLASSIFICATION_TYPE":"U","NORAD_CAT_ID":5,"ELEMENT_SET_NO":999,)"
    R"("REV_AT_EPOCH":21814,"BSTAR":-2.2483e-5,"MEAN_MOTION_DOT":-1.6e-7,"MEAN_MOTION_DDOT":0}])";

std::string sgp4Sample(const std::string& name) {
    return testing::readText("/usr/lib/python3/dist-packages/sgp4/" + name);
}

TEST_F(ElementFile, OmmRecordsInCsvXmlAndJsonReadAsTheirTwoLineTwin) {
    const ElementSet twin = find("00005", kVanguardTwin);
    for (const std::string& text :
         {sgp4Sample("sample_omm.csv"), sgp4Sample("sample_omm.xml"), kVanguardJson}) {
        ASSERT_FALSE(text.empty()) << "python3-sgp4's samples not found";
        const ElementSet& e = find("00005", text);
        EXPECT_NEAR(e.epochDay, twin.epochDay, 1e-9);
        using E = ElementSet;
        for (double E::*field : {&E::epochYear, &E::epochYearFull, &E::decayRate, &E::inclination,
                                 &E::raan, &E::eccentricity, &E::argPerigee, &E::meanAnomaly,
                                 &E::meanMotion, &E::epochOrbit, &E::bstar})
            EXPECT_DOUBLE_EQ(e.*field, twin.*field) << text.substr(0, 20);
    }
}

TEST_F(ElementFile, AnOmmRecordItCannotUseIsCorruptAndSaysWhy) {
    const std::string heading =
        "NORAD_CAT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,"
        "RA_OF_ASC_NODE,ARG_OF_PERICENTER,MEAN_ANOMALY\n";
    const std::string values = ",12.5,0.001,101.6,350.5,260.7,115.8\n";
    struct Case {
        std::string text, said;
    };
    for (const Case& c : {
             Case{heading + "7530,2018-01-20T22:17:30" + values, ""},
             Case{heading + "7530,2018-02-30T00:00:00" + values, "EPOCH is not a date and time"},
             Case{heading + "7530,2018-020T22:17:30.5Z" + values, ""},
             Case{heading + "7530,2018-367T00:00:00" + values, "EPOCH is not a date and time"},
             Case{heading + "7530,2018-01-20T22:17:30,12.5x" + values.substr(5),
                  "MEAN_MOTION is not a number: 12.5x"},
             Case{"NORAD_CAT_ID,EPOCH\n7530,2018-01-20T22:17:30\n", "MEAN_MOTION is missing"},
             Case{heading + "7530,2018-01-20T22:17:30,12.5\n", "line 2 has 3 fields"},
             Case{heading + "\"7530,2018-01-20T22:17:30" + values, "a quote is not closed"},
             Case{"<ndm><omm><NORAD_CAT_ID>7530</NORAD_CAT_ID>", "<omm> is not closed"},
             Case{"<ndm></ndm>", "the XML holds no <omm> element"},
             Case{R"([{"NORAD_CAT_ID":7530,}])", "the JSON wants a member name at byte 23"},
             Case{R"({"NORAD_CAT_ID":7530} x)", "the JSON wants the end of the text"},
             Case{
                 R"({"NORAD_CAT_ID":7530,"A":)" + std::string(40, '[') + std::string(40, ']') + "}",
                 "the JSON wants less nesting"},
         }) {
        lookFor("07530", c.text);
        if (c.said.empty()) {
            EXPECT_DOUBLE_EQ(findElementSet(c.text, "07530").meanMotion, 12.5) << c.text;
            continue;
        }
        try {
            readElementSet();
            ADD_FAILURE() << "taken: " << c.text;
        } catch (const FileError& e) {
            EXPECT_EQ(e.kind, FileErrorKind::Corrupt) << c.text;
            EXPECT_EQ(e.detail.substr(0, c.said.size()), c.said) << c.text;
        }
    }
    EXPECT_EQ(failureFinding("07531", heading + "7530,2018-01-20T22:17:30" + values),
              FileErrorKind::PastEnd);
}

}  // namespace
}  // namespace orvant

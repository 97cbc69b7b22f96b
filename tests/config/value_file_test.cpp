#include "config/value_file.h"

#include <gtest/gtest.h>

#include "config/config_error.h"

namespace orvant {
namespace {

using Values = std::vector<std::string>;

FileErrorKind failureOf(const std::string& bytes, std::size_t count) {
    try {
        readValues(bytes, count);
    } catch (const FileError& e) {
        return e.kind;
    }
    ADD_FAILURE() << "no FileError";
    return FileErrorKind::NotFound;
}

TEST(ValueFile, ValuesFollowTheEqualsSignAndLabelsAreIgnored) {
    EXPECT_EQ(readValues("Latitude =51.5\r\nLongitude = -0.1 \r\n", 2), (Values{"51.5", " -0.1 "}));
    EXPECT_EQ(readValues("x=51.5\r\nanything at all=-0.1\r\n", 2), (Values{"51.5", "-0.1"}));
    EXPECT_EQ(readValues("=1\r\n=\r\n=3\r\n", 3), (Values{"1", "", "3"}));
}

TEST(ValueFile, AValueKeepsEverythingAfterItsFirstEqualsSign) {
    EXPECT_EQ(readValues("A=B=C\r\n", 1), (Values{"B=C"}));
}

TEST(ValueFile, LinesWithoutEqualsAreSkippedButCommentsWithEqualsShiftTheValues) {
    EXPECT_EQ(readValues("one=1\r\n\r\nA comment\r\ntwo=2\r\n", 2), (Values{"1", "2"}));
    EXPECT_EQ(readValues("one=1\r\nnote: a=b\r\ntwo=2\r\n", 2), (Values{"1", "b"}));
}

TEST(ValueFile, CrLfBareLfAndMixedLineEndsReadAlike) {
    const Values expected{"1", "two words", "", "4"};
    EXPECT_EQ(readValues("a=1\r\nb=two words\r\nc=\r\nd=4\r\n", 4), expected);
    EXPECT_EQ(readValues("a=1\nb=two words\nc=\nd=4\n", 4), expected);
    EXPECT_EQ(readValues("a=1\r\nb=two words\nc=\r\n\nd=4\n", 4), expected);
    EXPECT_EQ(readValues("a=1\rb=two words\rc=\rd=4\r", 4), expected);
}

TEST(ValueFile, TooFewValuesOrAnUnendedLastValueIsPastTheEnd) {
    EXPECT_EQ(failureOf("a=1\r\nb=2\r\n", 3), FileErrorKind::PastEnd);
    EXPECT_EQ(failureOf("a=1\r\nb=2", 2), FileErrorKind::PastEnd);
    EXPECT_EQ(failureOf("a=1\r\nno more values\r\n", 2), FileErrorKind::PastEnd);
    EXPECT_EQ(failureOf("", 1), FileErrorKind::PastEnd);
}

TEST(ValueFile, TextAfterTheLastWantedValueIsNeverRead) {
    EXPECT_EQ(readValues("a=1\r\nb=2\r\nc=3\r\nd=unended", 2), (Values{"1", "2"}));
    EXPECT_EQ(readValues("a=1\r\ngarbage without a line end", 1), (Values{"1"}));
}

TEST(ValueFile, IntegerFieldsRoundHalvesToEvenAndRejectValuesBeyondSixteenBits) {
    EXPECT_EQ(integerValue(" 2.5"), 2);
    EXPECT_EQ(integerValue("3.5 deg"), 4);
    EXPECT_EQ(integerValue("x"), 0);
    EXPECT_EQ(integerValue("-32768"), -32768);
    EXPECT_EQ(integerValue("32767.4"), 32767);
    for (const char* text : {"32767.5", "40000", "-32769", "1E9"}) {
        try {
            integerValue(text);
            ADD_FAILURE() << text << " accepted";
        } catch (const FileError& e) {
            EXPECT_EQ(e.kind, FileErrorKind::Corrupt) << text;
        }
    }
}

TEST(ValueFile, YesSwitchesCompareTheWholeUpperCasedText) {
    EXPECT_TRUE(yesFlag("YES"));
    EXPECT_TRUE(yesFlag("yes"));
    EXPECT_FALSE(yesFlag("YES "));
    EXPECT_FALSE(yesFlag("Y"));
    EXPECT_FALSE(yesFlag("NO"));
    EXPECT_FALSE(yesFlag(""));
}

}  // namespace
}  // namespace orvant

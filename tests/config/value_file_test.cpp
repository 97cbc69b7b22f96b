#include "config/value_file.h"

#include <gtest/gtest.h>

#include "config/config_error.h"
#include "config/value_files.h"

namespace orvant {
namespace {

using testing::fileErrorOf;
using Values = std::vector<std::string>;

TEST(ValueFile, ValuesFollowTheFirstEqualsSignOfEachLineThatHasOne) {
    const struct {
        const char* bytes;
        std::size_t count;
        Values expected;
    } cases[] = {
        // Labels are ignored; the value keeps its blanks and everything after the first '='.
        {"Latitude =51.5\r\nLongitude = -0.1 \r\n", 2, {"51.5", " -0.1 "}},
        {"x=51.5\r\nanything at all=-0.1\r\n", 2, {"51.5", "-0.1"}},
        {"=1\r\n=\r\n=3\r\n", 3, {"1", "", "3"}},
        {"A=B=C\r\n", 1, {"B=C"}},
        // Lines without '=' are skipped, but a comment holding one shifts the values.
        {"one=1\r\n\r\nA comment\r\ntwo=2\r\n", 2, {"1", "2"}},
        {"one=1\r\nnote: a=b\r\ntwo=2\r\n", 2, {"1", "b"}},
        // CR LF, bare LF, bare CR and mixed line ends read alike.
        {"a=1\r\nb=two words\r\nc=\r\nd=4\r\n", 4, {"1", "two words", "", "4"}},
        {"a=1\nb=two words\nc=\nd=4\n", 4, {"1", "two words", "", "4"}},
        {"a=1\r\nb=two words\nc=\r\n\nd=4\n", 4, {"1", "two words", "", "4"}},
        {"a=1\rb=two words\rc=\rd=4\r", 4, {"1", "two words", "", "4"}},
        // Text after the last wanted value is never read.
        {"a=1\r\nb=2\r\nc=3\r\nd=unended", 2, {"1", "2"}},
        {"a=1\r\ngarbage without a line end", 1, {"1"}},
    };
    for (const auto& c : cases) EXPECT_EQ(readValues(c.bytes, c.count), c.expected) << c.bytes;
}

TEST(ValueFile, TooFewValuesOrAnUnendedLastValueIsPastTheEnd) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"a=1\r\nb=2\r\n", 3}, {"a=1\r\nb=2", 2}, {"a=1\r\nno more values\r\n", 2}, {"", 1}};
    for (const auto& [bytes, count] : cases)
        EXPECT_EQ(fileErrorOf([&] { readValues(bytes, count); }), FileErrorKind::PastEnd) << bytes;
}

TEST(ValueFile, IntegerFieldsRoundHalvesToEvenAndRejectValuesBeyondSixteenBits) {
    EXPECT_EQ(integerValue(" 2.5"), 2);
    EXPECT_EQ(integerValue("3.5 deg"), 4);
    EXPECT_EQ(integerValue("x"), 0);
    EXPECT_EQ(integerValue("-32768"), -32768);
    EXPECT_EQ(integerValue("32767.4"), 32767);
    for (const char* text : {"32767.5", "40000", "-32769", "1E9"})
        EXPECT_EQ(fileErrorOf([&] { integerValue(text); }), FileErrorKind::Corrupt) << text;
}

TEST(ValueFile, YesSwitchesCompareTheWholeUpperCasedText) {
    EXPECT_TRUE(yesFlag("YES"));
    EXPECT_TRUE(yesFlag("yes"));
    for (const char* text : {"YES ", "Y", "NO", ""}) EXPECT_FALSE(yesFlag(text)) << text;
}

}  // namespace
}  // namespace orvant

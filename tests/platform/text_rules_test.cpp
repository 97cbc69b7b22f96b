#include "config/text_rules.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace orvant {
namespace {

TEST(TextRules, SubstringsPastTheEndAreEmptyAndHexShowsNegativesInFourDigits) {
    EXPECT_EQ(mid("ABC", 2, 5), "BC");
    EXPECT_EQ(mid("ABC", 4, 2), "");
    EXPECT_EQ(mid("ABC", 10), "");
    EXPECT_EQ(left("AB", 5), "AB");
    EXPECT_EQ(right("123", 2), "23");
    EXPECT_EQ(right("3", 2), "3");
    EXPECT_EQ(hex16(0x1A5), "1A5");
    EXPECT_EQ(hex16(-1), "FFFF");
    EXPECT_EQ(hex16(3), "3");
}

TEST(TextRules, LeadingNumberReadsLikeTheOriginalRuntime) {
    // Beyond the floating range: an infinity of its sign; below it: 0.
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {" 145.9 MHz", 145.9}, {"1 2 3", 123}, {"-33.5x", -33.5}, {"abc", 0}, {"", 0},
        {".5", 0.5}, {"1E3", 1000}, {"&H3BC", 956},
        {"1e400", HUGE_VAL}, {"-1D400", -HUGE_VAL}, {"1e-400", 0}};
    // clang-format on
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(leadingNumber(text), value) << text;
}

TEST(TextRules, NumbersIgnoreTheUsersLocale) {
    const char* before = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = before ? before : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C");
    EXPECT_DOUBLE_EQ(leadingNumber("145.9"), 145.9);
    EXPECT_EQ(fixed(145.9, 6), "145.900000");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TextRules, IntegerConversionRoundsHalvesToEvenAndRejectsOverflow) {
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5).has_value());
    EXPECT_FALSE(toInt16(-40000).has_value());
}

}  // namespace
}  // namespace orvant

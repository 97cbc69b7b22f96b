#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "radio/kenwood/text_command.h"

namespace orvant {
namespace {

TEST(KenwoodText, FrequencyCommandsPadTheFieldAndRefuseWhatIsNotAFrequency) {
    struct Case {
        char vfo;
        std::string hz;
        std::optional<std::string> command;
    };
    // clang-format off
    for (const Case& c : std::vector<Case>{
             {'A', "145900000", "FA00145900000;"}, {'A', "1296000000", "FA01296000000;"},
             {'B', "29200000", "FB00029200000;"}, {'A', "12345678901", "FA12345678901;"},
             {'A', "", std::nullopt}, {'A', "43512345x", std::nullopt},
             {'A', "-43512345", std::nullopt}, {'A', "123456789012", std::nullopt}})
        // clang-format on
        EXPECT_EQ(kenwood::frequencyCommand(c.vfo, c.hz), c.command) << c.hz;
}

TEST(KenwoodText, ModeCommandsFollowTheModeTextAndDefaultToFm) {
    // clang-format off
    for (const auto& [mode, command] : std::vector<std::pair<std::string, std::string>>{
             {"LSB", "MD1;"}, {"USB", "MD2;"}, {"CW", "MD3;"}, {"CWN", "MD7;"}, {"AM", "MD5;"},
             {"FM", "MD4;"}, {"PKT", "MD4;"}, {"", "MD4;"}}) {
        // clang-format on
        EXPECT_EQ(kenwood::modeCommand(mode), command) << mode;
        EXPECT_EQ(kenwood::modeOfDigit(command[2]), mode == "PKT" || mode.empty() ? "FM" : mode);
    }
}

struct DecodeCase {
    std::string name;
    std::vector<std::uint8_t> reply;
    char vfo;
    bool framed;
    std::optional<std::int64_t> hz;
};

std::vector<std::uint8_t> bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

class KenwoodAnswer : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(KenwoodAnswer, IsTakenOnlyWhenWhollyWellFormed) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(kenwood::framedAnswer(c.reply), c.framed);
    EXPECT_EQ(kenwood::decodeFrequencyAnswer(c.reply, c.vfo), c.hz);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Replies, KenwoodAnswer, ::testing::Values(
    DecodeCase{"VfoA", bytes("FA00145123456;"), 'A', true, 145123456},
    DecodeCase{"VfoBOfTheSatelliteUplink", bytes("FB00435123456;junk"), 'B', true, 435123456},
    DecodeCase{"TenDigitsOfGigahertz", bytes("FA01296000000;"), 'A', true, 1296000000},
    DecodeCase{"AnswerOfTheOtherVfo", bytes("FB00145123456;"), 'A', true, std::nullopt},
    DecodeCase{"WrongHeader", bytes("IF00145123456;"), 'A', true, std::nullopt},
    DecodeCase{"ByteF0AmongTheDigits", bytes("FA0014512\xF0" "456;"), 'A', true, std::nullopt},
    DecodeCase{"ColonAmongTheDigits", bytes("FA0014512:456;"), 'A', true, std::nullopt},
    DecodeCase{"FirstDigitNotZero", bytes("FA10145123456;"), 'A', false, std::nullopt},
    DecodeCase{"NoClosingSemicolon", bytes("FA001451234567"), 'A', false, std::nullopt},
    DecodeCase{"SilentRadio", std::vector<std::uint8_t>(47, 0), 'A', false, std::nullopt},
    DecodeCase{"CannotRead", bytes("?;"), 'A', false, std::nullopt}),
    [](const auto& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace orvant

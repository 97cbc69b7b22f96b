#include "app/command_line.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(CommandLine, NamesTheSatelliteTheModeWordAndDemonstration) {
    struct Case {
        const char* line;
        const char* satName;
        const char* modeWord;
        bool demo;
    };
    // clang-format off
    const Case cases[] = {
        {"  ao-40 ", "AO-40", "AO-40", false},  // one word is both, in upper case
        {"AO-40 X", "", "AO-40", false},        // two words name no satellite: the file list
        {"ao-7 demo", "AO-7", "AO-7", true},    // a closing DEMO leaves the name
        {"NOVA DEMO", "NOVA", "NOVA", true},
        {"DEMO", "", "", true},
        {"DEMO AO-7", "", "", false},           // the text from the first DEMO on is not DEMO
        {"DEMOSAT-1", "", "", false},           // begins with DEMO: treated as empty
        {"AO-7 DEMOX", "", "AO-7", false},      // DEMO inside a word is not the word
        {"TESTDEMO", "TESTDEMO", "TESTDEMO", false},  // a DEMO glued to a name is the name's
        {"AO-7DEMO", "AO-7DEMO", "AO-7DEMO", false},
        {"", "", "", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const CommandLine line = parseCommandLine(c.line);
        EXPECT_EQ(line.satName, c.satName);
        EXPECT_EQ(line.modeWord, c.modeWord);
        EXPECT_EQ(line.demo, c.demo);
    }
    EXPECT_EQ(parseCommandLine("  ao-40 ").text, "AO-40");
}

}  // namespace
}  // namespace orvant

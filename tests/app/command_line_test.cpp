#include "app/command_line.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(CommandLine, OneWordIsBothSatelliteNameAndModeWordInUpperCase) {
    const CommandLine line = parseCommandLine("  ao-40 ");
    EXPECT_EQ(line.text, "AO-40");
    EXPECT_EQ(line.satName, "AO-40");
    EXPECT_EQ(line.modeWord, "AO-40");
    EXPECT_FALSE(line.demo);
}

TEST(CommandLine, TwoWordsNameNoSatelliteSoTheFileListIsShown) {
    const CommandLine line = parseCommandLine("AO-40 X");
    EXPECT_EQ(line.satName, "");
    EXPECT_EQ(line.modeWord, "AO-40");
}

TEST(CommandLine, ClosingDemoWordSetsDemonstrationAndLeavesTheName) {
    const CommandLine line = parseCommandLine("ao-7 demo");
    EXPECT_TRUE(line.demo);
    EXPECT_EQ(line.satName, "AO-7");
    const CommandLine nova = parseCommandLine("NOVA DEMO");
    EXPECT_TRUE(nova.demo);
    EXPECT_EQ(nova.modeWord, "NOVA");
}

TEST(CommandLine, DemoAloneOrFirstEmptiesTheText) {
    EXPECT_TRUE(parseCommandLine("DEMO").demo);
    EXPECT_EQ(parseCommandLine("DEMO").satName, "");
    const CommandLine first = parseCommandLine("DEMO AO-7");
    EXPECT_FALSE(first.demo);  // the text from the first DEMO on is not exactly DEMO
    EXPECT_EQ(first.satName, "");
    EXPECT_EQ(first.modeWord, "");
}

TEST(CommandLine, DemoInsideAWordIsNotTheDemoWord) {
    const CommandLine line = parseCommandLine("DEMOSAT-1");
    EXPECT_FALSE(line.demo);
    EXPECT_EQ(line.satName, "");  // begins with DEMO: treated as empty
    EXPECT_FALSE(parseCommandLine("AO-7 DEMOX").demo);
}

TEST(CommandLine, EmptyLineNamesNothing) {
    const CommandLine line = parseCommandLine("");
    EXPECT_EQ(line.satName, "");
    EXPECT_EQ(line.modeWord, "");
}

}  // namespace
}  // namespace orvant

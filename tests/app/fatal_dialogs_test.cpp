#include "app/fatal_dialogs.h"

#include <gtest/gtest.h>

#include "support/station_harness.h"

namespace orvant {
namespace {

const std::string kVer = "Ver 2.2.14";
const std::string kDate = "April. 2002";

std::string lines(std::initializer_list<std::string> parts) {
    std::string out;
    for (const std::string& p : parts) out += "\r\n" + p;
    return out.substr(2);
}

TEST(FatalDialogs, ConfigurationFileTexts) {
    EXPECT_EQ(noCfgFileText(kVer, kDate, "/ORV"),
              lines({"                   ORVANT cannot find the file ORV.CFG", "",
                     "Please check you have the file in the same directory where ORVANT",
                     " is installed. Else reinstall the program from the distribution CD", "", "",
                     "              KELDAN         Ver 2.2.14            April. 2002"}));
    EXPECT_EQ(badCfgFileText(kVer, kDate),
              lines({"        The ORV.CFG file is corrupted or missing parameters", "",
                     "     Please check the file against the version in the manual", "",
                     "       else reinstall the program from the distribution CD", "",
                     "                KELDAN         Ver 2.2.14            April. 2002"}));
    EXPECT_EQ(wrongDirText(kVer, kDate, "C:\\ORVANT"),
              lines({"The ORV.CFG file suggests that the program or a file should be in",
                     "                              C:\\ORVANT directory.", "",
                     "CHECK the ORV.CFG file directory section for correct entry",
                     "as to where the files required are to be found. OR transfer all the files",
                     "                           to the C:\\ORVANT directory.", "",
                     "                KELDAN         Ver 2.2.14            April. 2002"}));
}

TEST(FatalDialogs, SatelliteFileTexts) {
    EXPECT_EQ(
        noSatFileText(kVer, kDate, "/st"),
        lines({"          ORVANT cannot find an xxx.SAT file in /st", "",
               "              Have you made a SAT file for the satellite you are calling?", "",
               "Please check you have entered an argument after ORVANT on the command",
               "  line, or have you NOT modified the properties of the ORVANT start-up icon.", "",
               "", "        Refer to the Installation and Getting Started sections of the manual.",
               "", "                KELDAN         Ver 2.2.14            April. 2002"}));
    EXPECT_EQ(badSatFileText(kVer, kDate),
              lines({"   The SAT file for the satellite is corrupted or missing parameters", "",
                     "          Please check the file against the version in the manual", "",
                     "       else reinstall the program from the distribution diskette", "",
                     "                KELDAN         Ver 2.2.14            April. 2002"}));
    EXPECT_EQ(noFilesText(kVer, kDate),
              lines({"   There are NO individual [satellite].SAT files present",
                     "in the directory where ORVANT.EXE was installed", "",
                     "There MUST BE a seperate xxx.SAT file for EVERY",
                     "satellite you wish to track. Duplicate the sample file",
                     "in the distribution package and edit each file with",
                     "your choice of setup parameters.", "",
                     "         KELDAN           Ver 2.2.14          April. 2002"}));
}

TEST(FatalDialogs, ElementFileAndDriverTextsReadTheStation) {
    testing::StationHarness h;
    h.station.app.satName = "AO-7";
    h.station.cfg.programDirectory = "C:\\ORVANT";
    EXPECT_EQ(badKepsText(h.station),
              lines({"AO-7's catalog number does not exist in the keplerian element",
                     "set, (KEPS)  OR it has been incorrectly entered", "",
                     "Also ensure that the location of the (KEPS) is correctly",
                     "stated in the Orv.Cfg file. ", "",
                     "                KELDAN         Ver 2.2.14            April. 2002"}));
    EXPECT_EQ(noDriverText(h.station),
              lines({"The printer port driver program PORT95NT.EXE has not been installed. ", "",
                     "The program may be found in C:\\ORVANT\\drivers.", "",
                     "Click on the filename and answer in the affirmative all",
                     "all the questions asked by the program as it installs.", "",
                     "                     KELDAN           Ver 2.2.14          April. 2002"}));
}

}  // namespace
}  // namespace orvant

#include <gtest/gtest.h>

#include "platform/program_launcher.h"
#include "support/station_harness.h"
#include "ui/about_box.h"
#include "ui/config_editor.h"

namespace orvant {
namespace {

using Started = std::vector<std::string>;

Started startedWords(const RecordingLauncher& launcher) {
    Started words;
    for (const auto& request : launcher.started) {
        words.push_back(request.program);
        words.insert(words.end(), request.args.begin(), request.args.end());
    }
    return words;
}

struct UtilityWindows : ::testing::Test {
    UtilityWindows() {
        s.files.addFile("/home/op/orv.cfg", "");
        s.files.addFile("/orv files/ao 7.sat", "");
        s.station.app.startFolder = "/home/op";
        s.station.cfg.programDirectory = "C:\\ORV";
        s.station.app.satName = "AO 7";
        s.station.sat.path = "/ORV FILES/AO 7.SAT";
        s.display.deliver({0, InputKind::DblClick, "lbl_help", {}});
    }
    void click(const std::string& name) { s.display.deliver({0, InputKind::Click, name, {}}); }
    testing::StationHarness s;
};

TEST_F(UtilityWindows, ConfigureOpensTheFilesReadInTheEditorEachAsOneArgument) {
    ASSERT_TRUE(s.display["Form3"].visible);
    click("Form3.txt_maincfg");
    click("Form3.txt_satcfg");
    EXPECT_EQ(startedWords(s.launcher),
              (Started{"editor", "/home/op/orv.cfg", "editor", "/orv files/ao 7.sat"}));
    const std::string trace = s.traceText.str();
    EXPECT_NE(trace.find(R"("command":"notepad.exe C:\\ORV\\ORV.CFG")"), std::string::npos)
        << trace;
    EXPECT_NE(trace.find(R"("command":"notepad.exe /ORV FILES/AO 7.SAT")"), std::string::npos)
        << trace;
    click("Form3.Command1");
    EXPECT_FALSE(s.display["Form3"].visible);
}

TEST_F(UtilityWindows, TheBuiltInSatelliteHasNoFileToEdit) {
    s.station.app.satName = "DEFAULT";
    click("Form3.txt_satcfg");
    EXPECT_TRUE(s.launcher.started.empty());
}

TEST_F(UtilityWindows, AboutShowsTheVersionAndStartsTheFirstSystemInformationToolInstalled) {
    click("lbl_about");
    ASSERT_TRUE(s.display["frmAbout1"].visible);
    EXPECT_EQ(s.display["frmAbout1"].caption, "About ORVANT");
    EXPECT_EQ(s.display["frmAbout1.lblVersion"].caption, "Version 2.2.14 Beta");
    s.launcher.missing = {"hardinfo2"};
    click("frmAbout1.cmdSysInfo");
    EXPECT_EQ(startedWords(s.launcher), Started{"hardinfo"});
    EXPECT_TRUE(s.alerts.boxes.empty());
    s.launcher.missing = {"hardinfo2", "hardinfo", "kinfocenter"};
    click("frmAbout1.cmdSysInfo");
    EXPECT_EQ(s.alerts.boxes, Started{"System Information Is Unavailable At This Time"});
    click("frmAbout1.cmdOK");
    EXPECT_FALSE(s.display["frmAbout1"].visible);
}

TEST(EditorCommand, VisualThenEditorThenTheDesktopsChoice) {
    EXPECT_EQ(editorCommand(nullptr, nullptr), Started{"xdg-open"});
    EXPECT_EQ(editorCommand("", " "), Started{"xdg-open"});
    EXPECT_EQ(editorCommand("", "vi"), Started{"vi"});
    EXPECT_EQ(editorCommand("code -w", "vi"), (Started{"code", "-w"}));
}

}  // namespace
}  // namespace orvant

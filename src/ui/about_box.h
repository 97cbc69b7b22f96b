#pragma once

#include <string>

namespace orvant {

class Display;
struct Station;

// The application's title: message boxes and the About window carry it.
inline constexpr char kApplicationTitle[] = "ORVANT";

// The About window `frmAbout1`, with a way to the system information tool.

// "Version " with the program's major, minor and revision numbers and " Beta".
std::string versionLine();

void declareAboutControls(Display& display);
void bindAboutHandlers(Station& station);

void lbl_about_Click(Station& station);
void frmAbout1_cmdOK_Click(Station& station);
// Starts the first system information tool installed; without one, says so.
void frmAbout1_cmdSysInfo_Click(Station& station);

}  // namespace orvant

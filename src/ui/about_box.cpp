#include "ui/about_box.h"

#include "station/handlers.h"
#include "station/station.h"

namespace orvant {

namespace {

// System information tools of the desktops, the most thorough first.
constexpr const char* kSystemInformationTools[] = {"hardinfo2", "hardinfo", "kinfocenter"};

}  // namespace

std::string versionLine() {
    return std::string("Version ") + ORVANT_VERSION + " Beta";
}

void declareAboutControls(Display& d) {
    d.declare("lbl_about", labelControl("About"));
    d.declare("frmAbout1", labelControl(std::string("About ") + kApplicationTitle, {}, false));
    d.declare("frmAbout1.lblTitle", labelControl(kApplicationTitle));
    d.declare("frmAbout1.lblVersion", labelControl(versionLine()));
    d.declare("frmAbout1.lblDescription",
              labelControl("Satellite station controller: points the antenna rotator at the "
                           "satellite, keeps the radios on Doppler-corrected frequencies and "
                           "parks the antennas after the pass."));
    d.declare("frmAbout1.cmdOK", labelControl("OK"));
    d.declare("frmAbout1.cmdSysInfo", labelControl("System Info..."));
}

void bindAboutHandlers(Station& station) {
    bindHandler(station, "lbl_about", ControlEvent::Click, lbl_about_Click);
    bindHandler(station, "frmAbout1.cmdOK", ControlEvent::Click, frmAbout1_cmdOK_Click);
    bindHandler(station, "frmAbout1.cmdSysInfo", ControlEvent::Click, frmAbout1_cmdSysInfo_Click);
}

void lbl_about_Click(Station& station) {
    station.display.show("frmAbout1");
}

void frmAbout1_cmdOK_Click(Station& station) {
    station.display.hide("frmAbout1");
}

void frmAbout1_cmdSysInfo_Click(Station& station) {
    for (const char* tool : kSystemInformationTools)
        if (station.platform.launcher.start(tool, {})) return;
    station.platform.alerts.messageBox("System Information Is Unavailable At This Time");
}

}  // namespace orvant

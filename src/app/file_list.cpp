#include "app/file_list.h"

#include "app/fatal_dialogs.h"
#include "config/text_rules.h"
#include "station/program_end.h"
#include "station/station.h"
#include "station/waits.h"

namespace orvant {

void File1_Click(Station& s) {
    Control& list = s.display["File1"];
    s.track.satSource = 3;
    s.display.setCaption("lbl_sat_name", "");
    if (list.items.empty()) {
        s.platform.alerts.messageBox(noFilesText(s.app.versionText, s.app.versionDate));
        endProgram(EndReason::NoFiles);
    }
    const bool picked = list.selected >= 0 && list.selected < static_cast<int>(list.items.size());
    s.app.selectedFileName = picked ? list.items[static_cast<std::size_t>(list.selected)] : "";
    s.display.setCaption("lbl_sat_name", s.app.selectedFileName);
}

namespace {

// The picked file becomes the satellite: its name without ".SAT", in upper case.
void takePickedFile(Station& s) {
    Display& d = s.display;
    const std::string& caption = d["lbl_sat_name"].caption;
    const std::string name =
        caption.size() >= 4 ? left(caption, static_cast<int>(caption.size()) - 4) : caption;
    s.app.satName = toUpper(name);
    const std::string file = toUpper(caption);
    if (file == "KWIP.SAT" || file == "PARK.SAT") d.hide("File1");
    s.track.fullDdeControl = 0;
}

void showFileList(Station& s) {
    s.app.fileListFlag = true;
    s.display.show("Form1");
    s.display.show("File1");
}

}  // namespace

void pickSatelliteFromList(Station& s) {
    Display& d = s.display;
    showFileList(s);
    waitUntil(s, [&] {
        File1_Click(s);
        d.hide("lbl_satell");
        d.hide("lbl_sat_name");
        return !d["lbl_sat_name"].caption.empty();
    });
    takePickedFile(s);
}

void pickSatelliteFromListAgain(Station& s) {
    showFileList(s);
    waitUntil(s, [&] { return !s.display["lbl_sat_name"].caption.empty(); });
    takePickedFile(s);
}

}  // namespace orvant

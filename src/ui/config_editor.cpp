#include "ui/config_editor.h"

#include "station/handlers.h"
#include "station/station.h"

namespace orvant {

namespace {

// The editor's command line as the program has always described it, kept in the trace beside
// the file actually opened.
constexpr char kEditorWord[] = "notepad.exe ";

// Opens `path` (found without regard to letter case) in the editor, as one argument.
void edit(Station& station, const std::string& described, const std::string& path) {
    const std::string found = station.platform.files.locate(path);
    const std::string file = found.empty() ? path : found;
    station.platform.trace.event("editor", {{"command", kEditorWord + described}, {"file", file}});
    station.platform.launcher.startEditor(file);
}

}  // namespace

void declareConfigEditorControls(Display& d) {
    d.declare("lbl_help", labelControl("Configure", "On line editing of config files"));
    d.declare("Form3", labelControl("ORVANT ADDITIONAL COMMANDS  AND INFORMATION", {}, false));
    d.declare("Form3.txt_maincfg", labelControl("  Edit\nORV.CFG"));
    d.declare("Form3.txt_satcfg", labelControl("Edit Current\nSatellite File"));
    d.declare("Form3.Command1", labelControl("OK"));
    d.declare("Form3.lbl_advice",
              labelControl("                               Click the OK button to return to the "
                           "main program\n\nThe files open in the editor named by VISUAL or "
                           "EDITOR, else in the desktop's choice for text files: set one of them "
                           "once before first use."));
}

void bindConfigEditorHandlers(Station& station) {
    bindHandler(station, "lbl_help", ControlEvent::DblClick, lbl_help_DblClick);
    bindHandler(station, "Form3.txt_maincfg", ControlEvent::Click, Form3_txt_maincfg_Click);
    bindHandler(station, "Form3.txt_satcfg", ControlEvent::Click, Form3_txt_satcfg_Click);
    bindHandler(station, "Form3.Command1", ControlEvent::Click, Form3_Command1_Click);
}

void lbl_help_DblClick(Station& station) {
    station.display.show("Form3");
}

void Form3_txt_maincfg_Click(Station& station) {
    edit(station, station.cfg.programDirectory + "\\ORV.CFG", station.app.startFolder + "/ORV.CFG");
}

void Form3_txt_satcfg_Click(Station& station) {
    if (station.app.satName == "DEFAULT" || station.sat.path.empty()) return;
    edit(station, station.sat.path, station.sat.path);
}

void Form3_Command1_Click(Station& station) {
    station.display.hide("Form3");
}

}  // namespace orvant

#include "controller/controller_functions.h"

#include <string>

#include "controller/frame_layout.h"
#include "controller/link.h"
#include "controller/link_dumps.h"
#include "controller/port_lines.h"
#include "controller/port_protocol.h"
#include "controller/rotator_inhibits.h"
#include "station/station.h"

namespace orvant {

namespace {

constexpr std::int16_t kDemonstrationModeCount = 2;

// Shows the red (on) or the black (off) lamp of one external output.
void showLamp(Display& display, int output, bool on) {
    const std::string prefix = "img_Ecp" + std::to_string(output);
    display.show(prefix + "Red", on);
    display.show(prefix + "Black", !on);
}

void changeExtPortValue(Station& station, int delta) {
    station.link.extPortValue = static_cast<std::int16_t>(station.link.extPortValue + delta);
}

std::string fourCausesText(const Station& station) {
    const char* const lines[] = {
        "     There are 4 possible causes for this fault.",
        "",
        "1: No power being supplied to the Orvant card.",
        "2: No cable or incorrect cable connected to the printer port.",
        "3: Printer port incorrectly configured in the ORV.CFG file.",
        "4: Program lockup. Remove power from the Orvant card.",
        "    Wait a few seconds then re apply power to the unit.",
        "",
        "   Please refer to page 4 of the manual and the section",
        "                     on the printer port. ",
        "",
        "The symbol to the right of the UTC box MUST turn WHITE",
        "                     for the program to work",
        "",
    };
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text + "          KELDAN           " + station.app.versionText + std::string(10, ' ') +
           station.app.versionDate;
}

}  // namespace

void lbl_reset_Click(Station& station) {
    PortLines lines(station);
    lines.writeControl(port::kControlResetPulse);
    lines.writeControl(port::kControlIdle);
    station.link.delayElapsed = true;
    station.track.loopHold = 0;
    station.link.diagnostic = false;
}

void switch_(Station& station, std::int16_t value) {
    if (value & 2)
        img_Ecp1Red_Click(station);
    else
        img_Ecp1Black_Click(station);
    if (value & 1)
        img_Ecp0Red_Click(station);
    else
        img_Ecp0Black_Click(station);
    station.link.controllerFrame[frame::kExtPort] = station.link.extPortValue;
    station.link.extPortApplied = station.link.extPortValue;
}

void img_Ecp0Black_Click(Station& station) {
    showLamp(station.display, 0, false);
}
void img_Ecp0Red_Click(Station& station) {
    showLamp(station.display, 0, true);
}
void img_Ecp1Black_Click(Station& station) {
    showLamp(station.display, 1, false);
}
void img_Ecp1Red_Click(Station& station) {
    showLamp(station.display, 1, true);
}

void img_Ecp0Black_DblClick(Station& station) {
    changeExtPortValue(station, 1);
}
void img_Ecp0Red_DblClick(Station& station) {
    changeExtPortValue(station, -1);
}
void img_Ecp1Black_DblClick(Station& station) {
    changeExtPortValue(station, 2);
}
void img_Ecp1Red_DblClick(Station& station) {
    changeExtPortValue(station, -2);
}

void lbl_extcontrolport_Click(Station& station) {
    station.display.show("Text1");
    station.display.show("Text2");
}

void Text1_Click(Station& station) {
    station.display.hide("Text1");
}
void Text2_Click(Station& station) {
    station.display.hide("Text2");
}
void Text4_Click(Station& station) {
    station.display.hide("Text4");
}

void dump(Station& station) {
    station.display.show("Text4");
    station.display.setCaption("Text4", readbackDumpText(station.link.replyNibbles));
}

void bad_ads(Station& station) {
    station.platform.alerts.messageBox(fourCausesText(station));
    ++station.link.badAdsCount;
    if (station.link.badAdsCount == kDemonstrationModeCount) {
        station.display.show("img_blk_crc");
        station.display.setCaption("lbl_satpos", "Demo Mode");
    }
}

bool inDemonstrationMode(const Station& station) {
    return station.link.badAdsCount >= kDemonstrationModeCount;
}

void starter(Station& station) {
    releaseInhibits(station);  // an axis the operator disabled stays inhibited
    laptop(station);
    station.track.parkingDue = true;
    station.link.controllerFrame[frame::kDrive] = 1;
}

}  // namespace orvant

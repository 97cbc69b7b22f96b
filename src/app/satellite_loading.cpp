#include "app/satellite_loading.h"

#include <string>

#include "config/config_error.h"
#include "config/satellite_file.h"
#include "config/text_rules.h"
#include "station/station.h"

namespace orvant {

namespace {

// One link of the station: its converter and mode, and the labels that show them.
struct LinkSide {
    double converterMHz;
    const std::string& mode;
    int inversion;
    const char* modeLabel;
    const char* converterLabel;
    const char* converterCaption;  // "Up Conversion" or "Dn Conversion"
};

// An inverting converter shows the sideband the radio works, on a light red mode label.
void showConverter(Display& display, const LinkSide& side) {
    display.show(side.converterLabel, side.converterMHz != 0);
    display.setCaption(side.converterLabel, std::string(side.converterCaption) + ".");
    if (side.inversion == -1) {
        display[side.modeLabel].backColor = bgr::kLightRed;
        display.setCaption(side.converterLabel,
                           std::string(side.converterCaption) + " " + side.mode);
    }
    display.setCaption(side.modeLabel, side.mode);
}

void showConverters(Display& display, const SatelliteRecord& sat) {
    showConverter(display, {sat.upConverterMHz, sat.uplinkMode, sat.uplinkInversion, "lbl_UpMode",
                            "lbl_upconvertor", "Up Conversion"});
    showConverter(display, {sat.downConverterMHz, sat.downlinkMode, sat.downlinkInversion,
                            "lbl_DnMode", "lbl_dnconvel1", "Dn Conversion"});
}

void showTransponderControls(Display& display, const SatelliteRecord& sat) {
    const bool transponder = sat.offsetMHz != 0;
    display.show("lbl_beacon", transponder);
    display.show("lbl_fdt", transponder);
}

void greyModeLabels(Display& display) {
    for (const char* name : {"lbl_UpMode", "lbl_DnMode", "lbl_radio_dn", "lbl_radio_up"})
        display[name].backColor = bgr::kGrey;
}

// What the rest of the program takes from the satellite record.
void handOver(Station& station) {
    station.track.satParkAzimuth = station.sat.parkAzimuth;
    station.link.extPortValue = station.sat.extPortWord;
}

}  // namespace

void GetSatCfg(Station& station, std::string& name) {
    Display& display = station.display;
    greyModeLabels(display);
    name = toUpper(name);
    if (name == "DEFAULT") {
        Default(station);
        return;
    }
    station.app.stage = Stage::SatelliteFile;
    name = satelliteFileName(name);
    display.setCaption("lbl_sat_name", name + ".SAT");
    const std::string path = station.app.programFolder + "/" + name + ".SAT";
    station.sat.path = path;
    station.sat =
        parseSatelliteFile(readStationFile(station.platform.files, path), name, station.sat);
    showTransponderControls(display, station.sat);
    showConverters(display, station.sat);
    handOver(station);
}

void Default(Station& station) {
    useBuiltInSatellite(station.sat);
    station.link.extPortValue = station.sat.extPortWord;
}

void declareSatelliteControls(Display& display) {
    display.declare("lbl_sat_name", {});
    display.declare("lbl_UpMode", {});
    display.declare("lbl_DnMode", {});
    Control converter;
    converter.visible = false;
    converter.caption = "Up Conversion.";
    display.declare("lbl_upconvertor", converter);
    converter.caption = "Dn Conversion.";
    display.declare("lbl_dnconvel1", converter);
    Control beacon;
    beacon.visible = false;
    beacon.foreColor = bgr::kDarkBlue;
    beacon.tooltip = "Double Click to invoke Beacon. Click to restore frequency";
    display.declare("lbl_beacon", beacon);
    Control fdt;
    fdt.visible = false;
    fdt.caption = "Full Doppler Tuning";
    display.declare("lbl_fdt", fdt);
}

}  // namespace orvant

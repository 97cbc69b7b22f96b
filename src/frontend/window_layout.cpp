#include "frontend/window_layout.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "tracking/compass_relabel.h"
#include "ui/compass_scales.h"

namespace orvant {

namespace {

enum Group { Satellite, Bearings, Radios, TrackingProgram, Controller, More };

// Name beginnings by group, the first match wins; names that match none go to "More".
const std::vector<std::pair<std::string_view, Group>> kRules{
    {"lbl_sat_name", Satellite},
    {"lbl_Base", Satellite},
    {"lbl_timebox", Satellite},
    {"lbl_UTC", Satellite},
    {"lbl_datebox", Satellite},
    {"lbl_help", Satellite},
    {"lbl_about", Satellite},
    {"cmd_Bye", Satellite},
    {"File1", Satellite},
    {"lbl_upconvertor", Radios},
    {"lbl_dnconv", Radios},
    {"lbl_SatBearings", Bearings},
    {"lbl_compAz", Bearings},
    {"lbl_CompEle", Bearings},
    {"lbl_Azfed", Bearings},
    {"lbl_Elfed", Bearings},
    {"hs_Azimuth", Bearings},
    {"hs_elevation", Bearings},
    {"hs_hf", Bearings},
    {"hs_default", Bearings},
    {"hs_450", Bearings},
    {"hs_south", Bearings},
    {"hs_5", Bearings},
    {"vs_", Bearings},
    {"hf_frame", Bearings},
    {"frame_", Bearings},
    {"Frame_", Bearings},
    {"ch_Rot", Bearings},
    {"ch_Test", Bearings},
    {"lbl_az_el", Bearings},
    {"Lbl_elx", Bearings},
    {"txt_aztxt", Bearings},
    {"txt_eltxt", Bearings},
    {"lbl_Val", Bearings},
    {"lbl_Slewbox", Bearings},
    {"lbl_cal", Bearings},
    {"calcmd", Bearings},
    {"Text3", Bearings},
    {"lbl_hf", Bearings},
    {"lbl_track", Bearings},
    {"lbl_Testtrak", Bearings},
    {"lbl_park", Bearings},
    {"lbl_point", Bearings},
    {"motor_", Bearings},
    {"ResetAz", Bearings},
    {"ResetEl", Bearings},
    {"lbl_Up", Radios},
    {"lbl_Dn", Radios},
    {"lbl_Down", Radios},
    {"lbl_DopCor", Radios},
    {"hs_UpFine", Radios},
    {"hs_DnFine", Radios},
    {"txt_rad_", Radios},
    {"txt_736", Radios},
    {"lbl_736", Radios},
    {"txt_uplink", Radios},
    {"lbl_beacon", Radios},
    {"Lbl_inhibit", Radios},
    {"lbl_inhibit", Radios},
    {"lbl_radio", Radios},
    {"ResetUP", Radios},
    {"ResetDown", Radios},
    {"lbl_fine", Radios},
    {"lbl_FreqFine", Radios},
    {"lbl_fdt", Radios},
    {"lbl_get_dnfreq", Radios},
    {"lbl_voice", Radios},
    {"Llb_gate", Radios},
    {"lbl_Left", Radios},
    {"lbl_Right", Radios},
    {"lbl_down_read", Radios},
    {"lbl_simplex", Radios},
    {"lbl_satell", TrackingProgram},
    {"lbl_wisp", TrackingProgram},
    {"lbl_mask", TrackingProgram},
    {"lbl_dde", TrackingProgram},
    {"lbl_ma256", TrackingProgram},
    {"lbl_satpos", TrackingProgram},
    {"lbl_reset", Controller},
    {"lbl_extcontrolport", Controller},
    {"img_", Controller},
    {"Text", Controller},
};

bool startsWith(std::string_view name, std::string_view prefix) {
    return name.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view name, std::string_view suffix) {
    return name.size() >= suffix.size() && name.substr(name.size() - suffix.size()) == suffix;
}

// The panel of a compass-scale label: its rotator type's scale (the 450-degree types) or the
// 360-degree scale of types 0 and 1.
std::string scalePanelOf(std::string_view name) {
    for (const CompassScale& scale : kCompassScales)
        if (std::find(scale.labels.begin(), scale.labels.end(), name) != scale.labels.end())
            return scale.panel;
    if (std::find(kCompassScaleLabels.begin(), kCompassScaleLabels.end(), name) !=
        kCompassScaleLabels.end())
        return "hf_frame";
    return {};
}

Group groupOf(std::string_view name) {
    if (endsWith(name, "_check")) return Controller;
    for (const auto& [prefix, group] : kRules)
        if (startsWith(name, prefix)) return group;
    return More;
}

}  // namespace

Placement placementOf(std::string_view name) {
    const std::size_t dot = name.find('.');
    if (dot != std::string_view::npos) return {std::string(name.substr(0, dot)), {}, {}};
    std::string panel = scalePanelOf(name);
    if (!panel.empty()) return {"Form1", {}, std::move(panel)};
    return {"Form1", std::string(kWindowGroups[groupOf(name)]), {}};
}

std::vector<std::string> panelLabels(std::string_view panel) {
    for (const CompassScale& scale : kCompassScales)
        if (panel == scale.panel) return {scale.labels.begin(), scale.labels.end()};
    if (panel == "hf_frame") return {kCompassScaleLabels.begin(), kCompassScaleLabels.end()};
    return {};
}

}  // namespace orvant

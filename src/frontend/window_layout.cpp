#include "frontend/window_layout.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "tracking/compass_relabel.h"
#include "ui/compass_scales.h"

namespace orvant {

namespace {

enum Group { Satellite, Bearings, Radios, TrackingProgram, Controller, More };

// One line of the layout. A name ending in '*' stands for every name that begins with it. Within
// a group the controls sit in the order of these lines, three to a row; `startsRow` begins a new
// row, `title` is the window's own title over a readout, `besideOf` the control whose cell this
// one shares.
struct Rule {
    std::string_view name;
    Group group;
    bool startsRow = false;
    std::string_view title = {};
    std::string_view besideOf = {};
    bool wholeRow = false;
};

constexpr bool kRow = true;

// The first line that matches a name places it; names that match none go to "More".
const std::vector<Rule> kRules{
    {"lbl_sat_name", Satellite, kRow, "Satellite"},
    {"lbl_Base", Satellite},
    {"lbl_orbit", Satellite, false, "Orbit model"},
    {"lbl_timebox", Satellite, kRow, "Local time"},
    {"lbl_UTC", Satellite, false, "UTC"},
    {"lbl_datebox", Satellite, false, "Date"},
    {"cmd_Bye", Satellite, kRow},
    {"lbl_help", Satellite},
    {"lbl_about", Satellite},
    {"File1", Satellite},
    {"lbl_SatBearings", Bearings, kRow, {}, {}, true},
    {"lbl_compAz", Bearings, kRow, "Target azimuth"},
    {"lbl_CompEle", Bearings, false, "Satellite elevation"},
    {"lbl_Azfed", Bearings, kRow, "Antenna azimuth"},
    {"lbl_Elfed", Bearings, false, "Antenna elevation"},
    {"motor_black", Bearings, false, "Drive"},
    {"motor_red", Bearings, false, {}, "motor_black"},
    {"ch_RotAz", Bearings, kRow},
    {"lbl_az_el", Bearings, false, {}, "ch_RotAz"},
    {"ch_RotEl", Bearings},
    {"Lbl_elx", Bearings, false, {}, "ch_RotEl"},
    {"ch_Test", Bearings, kRow, {}, {}, true},
    {"lbl_track", Bearings, false, {}, "ch_Test"},
    {"lbl_Testtrak", Bearings, false, {}, "ch_Test"},
    {"lbl_point", Bearings, kRow},
    {"lbl_park*", Bearings},
    {"hf_frame", Bearings},
    {"frame_*", Bearings},
    {"Frame_*", Bearings},
    {"hs_hf", Bearings},
    {"hs_default", Bearings},
    {"hs_450*", Bearings},
    {"hs_south*", Bearings},
    {"hs_5*", Bearings},
    {"vs_*", Bearings},
    {"lbl_Slewbox", Bearings, kRow},
    {"lbl_Valaz", Bearings, false, "Azimuth slew"},
    {"lbl_Valel", Bearings, false, "Elevation slew"},
    {"lbl_Left", Bearings, kRow},
    {"lbl_Right", Bearings},
    {"hs_Azimuth", Bearings},
    {"ResetAz", Bearings},
    {"lbl_Up", Bearings, kRow},
    {"lbl_Down", Bearings},
    {"hs_elevation", Bearings},
    {"ResetEl", Bearings},
    {"lbl_hf", Bearings, kRow},
    {"txt_aztxt", Bearings, false, "Azimuth"},
    {"txt_eltxt", Bearings, false, "Elevation"},
    {"lbl_calib", Bearings, kRow},
    {"calcmd", Bearings},
    {"lbl_calaz", Bearings, false, "Azimuth"},
    {"lbl_calel", Bearings, false, "Elevation"},
    {"Text3", Bearings},
    {"lbl_radio_up", Radios, kRow, "Uplink radio"},
    {"lbl_radio_dn", Radios, false, "Downlink radio"},
    {"lbl_UpMode", Radios, kRow, "Mode"},
    {"lbl_DnMode", Radios, false, "Mode"},
    {"lbl_Uplinlkmain", Radios, kRow},
    {"lbl_Downlinkmain", Radios},
    {"lbl_UpDop", Radios, kRow, "Frequency MHz"},
    {"lbl_DnDop", Radios, false, "Frequency MHz"},
    {"lbl_UpText", Radios, kRow},
    {"lbl_UpVal", Radios, false, {}, "lbl_UpText"},
    {"lbl_DnText", Radios},
    {"lbl_DnVal", Radios, false, {}, "lbl_DnText"},
    {"hs_UpFine", Radios, kRow},
    {"hs_DnFine", Radios},
    {"ResetUP", Radios, kRow},
    {"ResetDown", Radios},
    {"lbl_Up_read", Radios, kRow, "Radio reads"},
    {"lbl_down_read", Radios, false, "Radio reads"},
    {"lbl_fine_div", Radios, kRow},
    {"lbl_FreqFine", Radios, false, "Slider step Hz"},
    {"lbl_fine_mult", Radios},
    {"Lbl_inhibit_rx", Radios, kRow},
    {"lbl_inhibit_tx", Radios},
    {"Llb_gate", Radios},
    {"lbl_DopCor", Radios, kRow},
    {"lbl_fdt*", Radios},
    {"lbl_beacon", Radios},
    {"lbl_get_dnfreq", Radios},
    {"lbl_voice", Radios},
    {"lbl_simplex", Radios},
    {"lbl_upconvertor", Radios, kRow},
    {"lbl_dnconv*", Radios},
    {"txt_rad_*", Radios, kRow},
    {"txt_736*", Radios},
    {"lbl_736*", Radios},
    {"txt_uplink", Radios},
    {"lbl_radio*", Radios},
    {"lbl_Up*", Radios},
    {"lbl_Dn*", Radios},
    {"lbl_Down*", Radios},
    {"lbl_satell*", TrackingProgram, kRow},
    {"lbl_wisp*", TrackingProgram},
    {"lbl_mask*", TrackingProgram},
    {"lbl_dde*", TrackingProgram, false, "Polls"},
    {"lbl_p3d*", TrackingProgram, kRow},
    {"lbl_ma256", TrackingProgram, false, "Orbit phase"},
    {"lbl_satpos", TrackingProgram},
    {"lbl_net_source", TrackingProgram, kRow, "Network clients", {}, true},
    {"lbl_reset", Controller, kRow},
    {"lbl_extcontrolport", Controller},
    {"img_Ecp0Black", Controller, kRow, "Output 0"},
    {"img_Ecp0Red", Controller, false, {}, "img_Ecp0Black"},
    {"img_Ecp1Black", Controller, false, "Output 1"},
    {"img_Ecp1Red", Controller, false, {}, "img_Ecp1Black"},
    {"img_*", Controller, kRow},
    {"Text*", Controller, kRow},
};

bool matches(std::string_view name, std::string_view pattern) {
    if (pattern.ends_with('*')) return name.starts_with(pattern.substr(0, pattern.size() - 1));
    return name == pattern;
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

const Rule* ruleOf(std::string_view name) {
    for (const Rule& rule : kRules)
        if (matches(name, rule.name)) return &rule;
    return nullptr;
}

Placement mainWindowPlacement(std::string_view name) {
    Placement where;
    const Rule* rule = ruleOf(name);
    const bool check = name.ends_with("_check");  // the controller's check marks
    if (!rule || check) {
        where.group = kWindowGroups[check ? Controller : More];
        where.order = static_cast<int>(kRules.size());
        return where;
    }
    where.group = kWindowGroups[rule->group];
    where.order = static_cast<int>(rule - kRules.data());
    where.startsRow = rule->startsRow;
    where.title = rule->title;
    where.besideOf = rule->besideOf;
    where.wholeRow = rule->wholeRow;
    return where;
}

}  // namespace

Placement placementOf(std::string_view name) {
    const std::size_t dot = name.find('.');
    if (dot != std::string_view::npos) return {.window = std::string(name.substr(0, dot))};
    std::string panel = scalePanelOf(name);
    if (!panel.empty()) return {.panel = std::move(panel)};
    return mainWindowPlacement(name);
}

std::vector<std::string> panelLabels(std::string_view panel) {
    for (const CompassScale& scale : kCompassScales)
        if (panel == scale.panel) return {scale.labels.begin(), scale.labels.end()};
    if (panel == "hf_frame") return {kCompassScaleLabels.begin(), kCompassScaleLabels.end()};
    return {};
}

}  // namespace orvant

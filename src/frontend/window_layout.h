#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

// Where the window shows each control, so an operator reads it at a glance: the main window's
// controls in groups laid out like an instrument panel (satellite and time, bearings, radios,
// tracking program, controller), the compass-scale labels inside their rotator type's panel, and
// the controls of the other windows ("Form3.Command1") in their own window.
struct Placement {
    std::string window = "Form1";
    std::string group = {};  // the main window's group; empty inside a panel or another window
    std::string panel = {};  // the panel the control sits in, if any
    int order = 0;      // position within the group: lower first
    bool startsRow = false;
    bool wholeRow = false;  // takes its group's whole width
    // The window's own small title over a readout whose caption is a bare value ("Azimuth").
    std::string title = {};
    // The control whose cell this one shares, on its right: the caption label of a check box.
    std::string besideOf = {};
};

inline constexpr std::array<std::string_view, 6> kWindowGroups{
    "Satellite, time and date", "Bearings",   "Uplink and downlink",
    "Tracking program",         "Controller", "More"};

Placement placementOf(std::string_view name);

// The labels of a compass-scale panel, left to right.
std::vector<std::string> panelLabels(std::string_view panel);

}  // namespace orvant

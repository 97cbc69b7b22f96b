#pragma once

#include <cstdint>
#include <string_view>

namespace orvant {

// The kind of widget that shows a control, read from the control's name the way the window's
// designer named them ("cmd_" buttons, "hs_" sliders, "txt_" entry boxes and so on). A control
// of another window ("Form3.Command1") is read by its own name after the window's.
enum class WidgetKind {
    Window,
    Panel,
    Button,
    CheckBox,
    Entry,
    HSlider,
    VSlider,
    List,
    Lamp,
    Label
};

WidgetKind widgetKindOf(std::string_view name);

// The model keeps colours blue-green-red; the toolkit wants red-green-blue.
constexpr std::uint32_t rgbFromBgr(std::uint32_t bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

}  // namespace orvant

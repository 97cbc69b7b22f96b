#include "frontend/qt/widget_kinds.h"

#include <array>
#include <utility>

namespace orvant {

namespace {

bool startsWith(std::string_view name, std::string_view prefix) {
    return name.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view name, std::string_view suffix) {
    return name.size() >= suffix.size() && name.substr(name.size() - suffix.size()) == suffix;
}

// Name prefixes, most specific first.
// The configuration window's two buttons carry the names of entry boxes.
constexpr std::array<std::string_view, 2> kButtonsNamedAsEntries{"txt_maincfg", "txt_satcfg"};

constexpr std::array<std::pair<std::string_view, WidgetKind>, 19> kPrefixes{{
    {"Form", WidgetKind::Window},    {"hf_frame", WidgetKind::Panel},
    {"frame_", WidgetKind::Panel},   {"Frame_", WidgetKind::Panel},
    {"frm", WidgetKind::Window},     {"cmd", WidgetKind::Button},
    {"Command", WidgetKind::Button}, {"Reset", WidgetKind::Button},
    {"calcmd", WidgetKind::Button},  {"send_", WidgetKind::Button},
    {"ch_", WidgetKind::CheckBox},   {"Check", WidgetKind::CheckBox},
    {"txt", WidgetKind::Entry},      {"Text", WidgetKind::Entry},
    {"hs_", WidgetKind::HSlider},    {"vs_", WidgetKind::VSlider},
    {"File", WidgetKind::List},      {"img_", WidgetKind::Lamp},
    {"motor_", WidgetKind::Lamp},
}};

}  // namespace

WidgetKind widgetKindOf(std::string_view name) {
    name = name.substr(name.find('.') + 1);  // the whole name when it has no window's
    for (std::string_view button : kButtonsNamedAsEntries)
        if (name == button) return WidgetKind::Button;
    for (const auto& [prefix, kind] : kPrefixes)
        if (startsWith(name, prefix)) return kind;
    if (endsWith(name, "_check")) return WidgetKind::Lamp;
    return WidgetKind::Label;
}

}  // namespace orvant

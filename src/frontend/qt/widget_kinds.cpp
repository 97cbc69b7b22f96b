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
constexpr std::array<std::pair<std::string_view, WidgetKind>, 16> kPrefixes{{
    {"Form", WidgetKind::Window},
    {"frm", WidgetKind::Window},
    {"cmd", WidgetKind::Button},
    {"Command", WidgetKind::Button},
    {"Reset", WidgetKind::Button},
    {"calcmd", WidgetKind::Button},
    {"send_", WidgetKind::Button},
    {"ch_", WidgetKind::CheckBox},
    {"Check", WidgetKind::CheckBox},
    {"txt", WidgetKind::Entry},
    {"Text", WidgetKind::Entry},
    {"hs_", WidgetKind::HSlider},
    {"vs_", WidgetKind::VSlider},
    {"File", WidgetKind::List},
    {"img_", WidgetKind::Lamp},
    {"motor_", WidgetKind::Lamp},
}};

}  // namespace

WidgetKind widgetKindOf(std::string_view name) {
    for (const auto& [prefix, kind] : kPrefixes)
        if (startsWith(name, prefix)) return kind;
    if (endsWith(name, "_check")) return WidgetKind::Lamp;
    return WidgetKind::Label;
}

}  // namespace orvant

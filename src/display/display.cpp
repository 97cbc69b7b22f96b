#include "display/display.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "config/text_rules.h"

namespace orvant {

namespace {

// The value an operator sets on a slider or check box: the whole part of the number given, held
// within the range of a setting.
int settingOf(const std::string& text) {
    const double whole = std::trunc(leadingNumber(text));
    return static_cast<int>(std::clamp(whole, static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

}  // namespace

Control labelControl(std::string caption, std::string tooltip, bool visible) {
    Control c;
    c.caption = std::move(caption);
    c.tooltip = std::move(tooltip);
    c.visible = visible;
    return c;
}

Control& Display::declare(const std::string& name, Control initial) {
    return controls_.insert_or_assign(name, std::move(initial)).first->second;
}

std::vector<std::string> Display::names() const {
    std::vector<std::string> all;
    all.reserve(controls_.size());
    for (const auto& entry : controls_) all.push_back(entry.first);
    std::sort(all.begin(), all.end());
    return all;
}

Control& Display::operator[](std::string_view name) {
    const auto it = controls_.find(name);
    if (it == controls_.end()) throw std::logic_error("undeclared control " + std::string(name));
    return it->second;
}

const Control& Display::operator[](std::string_view name) const {
    const auto it = controls_.find(name);
    if (it == controls_.end()) throw std::logic_error("undeclared control " + std::string(name));
    return it->second;
}

void Display::on(const std::string& name, ControlEvent event, Handler handler,
                 bool startsExchange) {
    (void)(*this)[name];
    handlers_[{name, event}] = {std::move(handler), startsExchange};
}

void Display::onKey(const std::string& name, KeyHandler handler, bool startsExchange) {
    (void)(*this)[name];
    keyHandlers_[name] = {std::move(handler), startsExchange};
}

const Display::Binding* Display::binding(const std::string& name, ControlEvent event) const {
    const auto it = handlers_.find({name, event});
    return it == handlers_.end() ? nullptr : &it->second;
}

void Display::fire(const std::string& name, ControlEvent event) {
    if (const Binding* b = binding(name, event)) {
        const Handler handler = b->handler;  // the handler may rebind controls
        handler();
    }
}

bool Display::mustWait(const InputEvent& input) const {
    if (!exchangeActive_) return false;
    switch (input.kind) {
        case InputKind::Click:
        case InputKind::Select:
            return binding(input.control, ControlEvent::Click) &&
                   binding(input.control, ControlEvent::Click)->startsExchange;
        case InputKind::DblClick:
            return binding(input.control, ControlEvent::DblClick) &&
                   binding(input.control, ControlEvent::DblClick)->startsExchange;
        case InputKind::Set:
            return binding(input.control, ControlEvent::Change) &&
                   binding(input.control, ControlEvent::Change)->startsExchange;
        case InputKind::Keys: {
            const auto it = keyHandlers_.find(input.control);
            return it != keyHandlers_.end() && it->second.startsExchange;
        }
    }
    return false;
}

bool Display::takesInput(std::string_view name) const {
    const auto it = controls_.find(name);
    if (it == controls_.end() || !it->second.visible || !it->second.enabled) return false;
    // A control of another window ("Form3.Command1") is reached only while that window shows.
    const std::size_t dot = name.find('.');
    return dot == std::string_view::npos || takesInput(name.substr(0, dot));
}

bool Display::deliver(const InputEvent& input) {
    if (!takesInput(input.control)) {
        if (unreachableInput_) unreachableInput_(input);
        return true;
    }
    if (mustWait(input)) return false;
    Control& control = (*this)[input.control];
    switch (input.kind) {
        case InputKind::Click:
            fire(input.control, ControlEvent::Click);
            break;
        case InputKind::DblClick:
            fire(input.control, ControlEvent::DblClick);
            break;
        case InputKind::Set:
            control.value = settingOf(input.text);
            fire(input.control, ControlEvent::Change);
            break;
        case InputKind::Select:
            for (std::size_t i = 0; i < control.items.size(); ++i)
                if (control.items[i] == input.text) control.selected = static_cast<int>(i);
            fire(input.control, ControlEvent::Click);
            break;
        case InputKind::Keys:
            for (char c : input.text) {
                if (c != '\r' && c != '\b') (*this)[input.control].caption += c;
                if (c == '\b' && !(*this)[input.control].caption.empty())
                    (*this)[input.control].caption.pop_back();
                const auto it = keyHandlers_.find(input.control);
                if (it != keyHandlers_.end()) {
                    const KeyHandler handler = it->second.handler;
                    handler(static_cast<unsigned char>(c));
                }
            }
            break;
    }
    return true;
}

}  // namespace orvant

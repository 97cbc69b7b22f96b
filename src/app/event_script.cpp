#include "app/event_script.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace orvant {

namespace {

std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 'r' ? '\r' : next == 'b' ? '\b' : next == 'n' ? '\n' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool kindOf(const std::string& word, InputKind& kind) {
    if (word == "click")
        kind = InputKind::Click;
    else if (word == "dblclick")
        kind = InputKind::DblClick;
    else if (word == "keys")
        kind = InputKind::Keys;
    else if (word == "set")
        kind = InputKind::Set;
    else if (word == "select")
        kind = InputKind::Select;
    else
        return false;
    return true;
}

// Reads one line into `event`; returns an error text, empty when the line is good.
std::string parseLine(const std::string& line, InputEvent& event) {
    std::istringstream words(line);
    std::string seconds, kindWord;
    words >> seconds >> kindWord >> event.control;
    double at = 0;
    const auto [end, ec] = std::from_chars(seconds.data(), seconds.data() + seconds.size(), at);
    if (ec != std::errc{} || end != seconds.data() + seconds.size() || at < 0)
        return "a time in seconds must come first";
    if (!kindOf(kindWord, event.kind)) return "unknown event '" + kindWord + "'";
    if (event.control.empty()) return "a control name is missing";
    event.dueMs = std::llround(at * 1000);
    std::string rest;
    std::getline(words, rest);
    if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
    const bool wantsText = event.kind == InputKind::Keys || event.kind == InputKind::Set ||
                           event.kind == InputKind::Select;
    if (wantsText && rest.empty()) return "'" + kindWord + "' needs a value";
    event.text = unescape(rest);
    return {};
}

}  // namespace

EventScript parseEventScript(const std::string& text) {
    EventScript script;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        InputEvent event;
        const std::string error = parseLine(line.substr(first), event);
        if (!error.empty()) {
            script.error = "line " + std::to_string(number) + ": " + error;
            return script;
        }
        event.scriptLine = number;
        script.events.push_back(event);
    }
    return script;
}

std::string refusalOf(const InputEvent& event, const Display& display) {
    if (!display.has(event.control)) return "no control named " + event.control;
    if (!display[event.control].visible) return event.control + " is hidden";
    if (!display[event.control].enabled) return event.control + " is disabled";
    return {};
}

}  // namespace orvant

#include "platform/conversation_wire.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace orvant::wire {

namespace {

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// Splits off the word before the next blank; the rest follows that blank.
std::string_view takeWord(std::string_view& line) {
    const std::size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    line = blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
    return word;
}

// What opens every line: one of two verbs and the sequence number.
struct Head {
    bool firstVerb = false;
    std::uint64_t seq = 0;
};

std::optional<Head> takeHead(std::string_view& line, std::string_view first,
                             std::string_view second) {
    const std::string_view verb = takeWord(line);
    const std::string_view number = takeWord(line);
    Head head{verb == first, 0};
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), head.seq);
    if ((verb != first && verb != second) || number.empty() || ec != std::errc{} ||
        end != number.data() + number.size())
        return std::nullopt;
    return head;
}

}  // namespace

bool isText(std::string_view text) {
    return std::none_of(text.begin(), text.end(), isControl);
}

std::string stampText(const LocalDateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.millisecond);
    return text;
}

std::optional<LocalDateTime> parseStamp(std::string_view text) {
    if (text.size() != 23) return std::nullopt;
    const std::string s(text);
    LocalDateTime t;
    int consumed = 0;
    if (std::sscanf(s.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d.%3d%n", &t.year, &t.month, &t.day, &t.hour,
                    &t.minute, &t.second, &t.millisecond, &consumed) != 7 ||
        consumed != 23)
        return std::nullopt;
    return t;
}

std::string messageLine(const Message& m) {
    std::string line = (m.poke ? "POKE " : "REQUEST ") + std::to_string(m.seq) + " " +
                       stampText(m.stamp) + " " + m.item;
    if (m.poke) line += "\t" + m.text;
    return line + "\n";
}

std::optional<Message> parseMessage(std::string_view line) {
    const auto head = takeHead(line, "POKE", "REQUEST");
    const auto stamp = parseStamp(takeWord(line));
    if (!head || !stamp) return std::nullopt;
    Message m{head->firstVerb, head->seq, *stamp, "", ""};
    const std::size_t tab = line.find('\t');
    if (m.poke != (tab != std::string_view::npos)) return std::nullopt;
    m.item = std::string(line.substr(0, tab));
    if (m.poke) m.text = std::string(line.substr(tab + 1));
    if (m.item.empty() || !isText(m.item) || !isText(m.text)) return std::nullopt;
    return m;
}

std::string answerLine(const Answer& a) {
    return (a.ok ? "OK " : "ERR ") + std::to_string(a.seq) + " " + a.text + "\n";
}

std::optional<Answer> parseAnswer(std::string_view line) {
    const auto head = takeHead(line, "OK", "ERR");
    if (!head || !isText(line)) return std::nullopt;
    return Answer{head->firstVerb, head->seq, std::string(line)};
}

std::optional<std::string> LineBuffer::nextLine() {
    const std::size_t end = pending_.find('\n');
    if (end == std::string::npos || end > kMaxLine) return std::nullopt;
    std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    return line;
}

bool LineBuffer::overflowed() const {
    const std::size_t end = pending_.find('\n');
    return end == std::string::npos ? pending_.size() > kMaxLine : end > kMaxLine;
}

}  // namespace orvant::wire

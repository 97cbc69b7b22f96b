// The lines of a conversation with a tracking program's server, as they arrive on a stream in
// pieces of any size. Lines come out whole and bounded; a message or answer read is text, and
// written again it reads back the same.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "platform/conversation_wire.h"

namespace orvant::fuzz {
namespace {

bool operator==(const LocalDateTime& a, const LocalDateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second && a.millisecond == b.millisecond;
}

// A line written by the wire functions: one line, its line end last.
std::string lineOf(const std::string& written) {
    require(!written.empty() && written.back() == '\n');
    require(written.find('\n') == written.size() - 1);
    return written.substr(0, written.size() - 1);
}

void checkMessage(const std::string& line) {
    const auto m = wire::parseMessage(line);
    if (!m) return;
    require(!m->item.empty() && wire::isText(m->item) && wire::isText(m->text));
    require(m->poke || m->text.empty());
    const auto again = wire::parseMessage(lineOf(wire::messageLine(*m)));
    require(again && again->poke == m->poke && again->seq == m->seq && again->stamp == m->stamp &&
            again->item == m->item && again->text == m->text);
}

void checkAnswer(const std::string& line) {
    const auto a = wire::parseAnswer(line);
    if (!a) return;
    require(wire::isText(a->text));
    const auto again = wire::parseAnswer(lineOf(wire::answerLine(*a)));
    require(again && again->ok == a->ok && again->seq == a->seq && again->text == a->text);
}

}  // namespace
}  // namespace orvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvant;
    fuzz::Input in(data, size);
    const std::size_t piece = in.byte() % 64 + 1;
    const std::string stream = in.rest();
    wire::LineBuffer buffer;
    std::string taken;
    for (std::size_t at = 0; at < stream.size() && !buffer.overflowed(); at += piece) {
        buffer.append(std::string_view(stream).substr(at, piece));
        while (const auto line = buffer.nextLine()) {
            fuzz::require(line->find('\n') == std::string::npos && line->size() <= wire::kMaxLine);
            taken += *line + "\n";
            fuzz::checkMessage(*line);
            fuzz::checkAnswer(*line);
        }
    }
    // The lines handed out are the stream's first lines, in order and unchanged.
    fuzz::require(stream.compare(0, taken.size(), taken) == 0);
    return 0;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/local_time.h"

// The messages of a conversation with a tracking program's server, one line each (see the
// README, "Tracking-program conversations"):
//   REQUEST <seq> <stamp> <item>
//   POKE <seq> <stamp> <item><TAB><text>
// answered by
//   OK <seq> <text>
//   ERR <seq> <reason>
// The stamp is the asking program's local time, YYYY-MM-DDTHH:MM:SS.mmm. Items and texts are
// text: no control bytes (0x00-0x1F, 0x7F); a line ends with LF and holds at most kMaxLine bytes.
namespace orvant::wire {

constexpr std::size_t kMaxLine = 4096;

// Text as a conversation carries it: free of control bytes.
bool isText(std::string_view text);

std::string stampText(const LocalDateTime& t);
std::optional<LocalDateTime> parseStamp(std::string_view text);

// What a client asks.
struct Message {
    bool poke = false;
    std::uint64_t seq = 0;
    LocalDateTime stamp;
    std::string item;
    std::string text;  // pokes only
};
std::string messageLine(const Message& m);
std::optional<Message> parseMessage(std::string_view line);

// What a server answers.
struct Answer {
    bool ok = false;
    std::uint64_t seq = 0;
    std::string text;  // the item's text, or the reason of a refusal
};
std::string answerLine(const Answer& a);
std::optional<Answer> parseAnswer(std::string_view line);

// Bytes as they arrive on a stream, handed out line by line (without the LF). A line longer than
// kMaxLine marks the stream as broken.
class LineBuffer {
  public:
    void append(std::string_view bytes) { pending_.append(bytes); }
    std::optional<std::string> nextLine();
    bool overflowed() const;
    void clear() { pending_.clear(); }

  private:
    std::string pending_;
};

}  // namespace orvant::wire

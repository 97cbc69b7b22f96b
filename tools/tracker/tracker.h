#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "platform/local_time.h"
#include "tracker/conversation_server.h"

namespace orvant::tracker {

// The tracking programs a tracker can stand in for, with the conversation each serves.
struct Program {
    std::string word;  // as --as names it
    std::string service;
    std::string topic;
    std::string item;
};
std::optional<Program> programNamed(const std::string& word);

// Faults to provoke in the program that asks; each counts requests from the first.
struct Faults {
    std::optional<int> stallAfter{};            // answers this many requests, then none
    std::optional<int> closeMidRequestAfter{};  // answers this many, then hangs up on each
    std::optional<int> exitAfter{};             // answers this many, then stops serving
};

// The text the tracker serves for a request stamped with the asking program's local time.
using TextSource = std::function<std::string(const LocalDateTime&)>;

// Answers one program's conversation: requests of its item with the texts of `source`, pokes
// with OK. NOVA echoes "TUNE ON" to the `tuneEchoes` requests that follow a "TUNE ON" poke, as
// the real program does while it tunes. With a log, each message is written there as a line.
class Tracker {
  public:
    Tracker(Program program, TextSource source, Faults faults, int tuneEchoes, std::ostream* log)
        : program_(std::move(program)),
          source_(std::move(source)),
          faults_(faults),
          tuneEchoes_(tuneEchoes),
          log_(log) {}
    ServerReply respond(const wire::Message& m);

  private:
    ServerReply answerRequest(const wire::Message& m);
    ServerReply answerPoke(const wire::Message& m);
    void note(const wire::Message& m, const std::string& outcome);

    Program program_;
    TextSource source_;
    Faults faults_;
    int tuneEchoes_;
    std::ostream* log_;
    int requests_ = 0;
    int echoesDue_ = 0;
};

}  // namespace orvant::tracker

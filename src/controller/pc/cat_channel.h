#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/serial_line.h"

namespace orvant::pc {

// One of the card's two CAT channels, on a serial device of the PC. A message goes out at the
// speed and framing of the radio it is for; when the radio's answer is wanted, the channel waits
// for it: up to `kAnswerWaitMs` after the message has left for the first byte, then until the
// line has been quiet for `kQuietMs` (or for three characters, when that is longer), and never
// for more than one reply's worth of bytes. On a one-wire bus (Icom's CI-V) the line first
// brings back the message itself; that echo is not part of the answer.
class CatChannel {
  public:
    static constexpr int kAnswerWaitMs = 300;
    static constexpr int kQuietMs = 30;

    CatChannel(std::string device, std::unique_ptr<SerialLine> line)
        : device_(std::move(device)), line_(std::move(line)) {}

    // Sends `message`; with `answerWanted`, `answer` gets the radio's answer (empty when none
    // came in time). False, with `problem` set, when the device has gone away; the channel then
    // stays closed until `reopen`.
    bool relay(const std::vector<std::uint8_t>& message, bool answerWanted, int baud,
               LineFraming framing, std::vector<std::uint8_t>& answer, std::string& problem);
    // Opens the device again when it was closed; false when it still cannot be opened.
    bool reopen(std::string& problem);

  private:
    bool collectAnswer(const std::vector<std::uint8_t>& message, std::vector<std::uint8_t>& answer,
                       std::string& problem);
    bool failed(const std::string& why, std::string& problem);

    std::string device_;
    std::unique_ptr<SerialLine> line_;
};

}  // namespace orvant::pc

#include "controller/pc/cat_channel.h"

#include <algorithm>
#include <chrono>

#include "controller/frame_layout.h"

namespace orvant::pc {

namespace {

using Clock = std::chrono::steady_clock;

// How many bytes at the front of `received` are the line's echo of `message`: all of them while
// they are the message's first bytes, the message's length once it has come whole, else none.
std::size_t echoLength(const std::vector<std::uint8_t>& message,
                       const std::vector<std::uint8_t>& received) {
    const std::size_t compared = std::min(message.size(), received.size());
    if (!std::equal(received.begin(), received.begin() + static_cast<std::ptrdiff_t>(compared),
                    message.begin()))
        return 0;
    return compared;
}

}  // namespace

bool CatChannel::failed(const std::string& why, std::string& problem) {
    problem = device_ + ": " + why;
    line_.reset();
    return false;
}

bool CatChannel::relay(const std::vector<std::uint8_t>& message, bool answerWanted, int baud,
                       LineFraming framing, std::vector<std::uint8_t>& answer,
                       std::string& problem) {
    answer.clear();
    std::string why = "closed since it went away";
    if (!line_) return failed(why, problem);
    if (!line_->discardInput(why) || !line_->configure(baud, framing, why))
        return failed(why, problem);
    const Clock::time_point sendDeadline =
        Clock::now() + line_->lineTime(message.size()) + std::chrono::milliseconds(kAnswerWaitMs);
    if (!line_->send(message, sendDeadline, why)) return failed(why, problem);
    return !answerWanted || collectAnswer(message, answer, problem);
}

bool CatChannel::collectAnswer(const std::vector<std::uint8_t>& message,
                               std::vector<std::uint8_t>& answer, std::string& problem) {
    const Clock::time_point firstByteBy =
        Clock::now() + line_->lineTime(message.size()) + std::chrono::milliseconds(kAnswerWaitMs);
    const auto quiet =
        std::max<Clock::duration>(std::chrono::milliseconds(kQuietMs), line_->lineTime(3));
    std::vector<std::uint8_t> received;
    Clock::time_point lastByte = Clock::now();
    for (;;) {
        const std::size_t echo = echoLength(message, received);
        answer.assign(received.begin() + static_cast<std::ptrdiff_t>(echo), received.end());
        if (answer.size() >= static_cast<std::size_t>(reply::kAnswerBytes)) {
            answer.resize(reply::kAnswerBytes);
            return true;
        }
        const Clock::time_point until = answer.empty() ? firstByteBy : lastByte + quiet;
        std::string why;
        switch (line_->receive(received, until, why)) {
            case SerialLine::Received::Bytes:
                lastByte = Clock::now();
                continue;
            case SerialLine::Received::Quiet:
                return true;
            case SerialLine::Received::Gone:
                answer.clear();
                return failed(why, problem);
        }
    }
}

bool CatChannel::reopen(std::string& problem) {
    if (line_) return true;
    std::string why;
    line_ = SerialLine::open(device_, why);
    if (!line_) problem = device_ + ": " + why;
    return line_ != nullptr;
}

}  // namespace orvant::pc

#include "controller/pc/rotctld_rotator.h"

#include <chrono>

namespace orvant::pc {

namespace {

const std::string kDone = "RPRT 0";

TcpLineClient::Deadline answerDeadline() {
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(RotctldRotator::kAnswerMs);
}

bool isReport(const std::string& line) {
    return line.rfind("RPRT", 0) == 0;
}

}  // namespace

bool RotctldRotator::connect(std::string& problem) {
    connection_ = TcpLineClient::connect(address_.host, address_.port, answerDeadline(), problem);
    if (!connection_) problem = "rotctld at " + address_.text() + ": " + problem;
    return connected();
}

std::optional<std::vector<std::string>> RotctldRotator::ask(const std::string& command,
                                                            std::size_t lines,
                                                            std::string& problem) {
    std::vector<std::string> answer;
    std::string why = "not connected";
    const TcpLineClient::Deadline deadline = answerDeadline();
    if (connection_ && connection_->sendLine(command, deadline, why)) {
        while (answer.size() < lines) {
            const std::optional<std::string> line = connection_->readLine(deadline, why);
            if (!line) break;
            if (isReport(*line) && *line != kDone) {
                why = "answered " + *line;
                break;
            }
            answer.push_back(*line);
        }
    }
    if (answer.size() == lines) return answer;
    dropConnection(command, why, problem);
    return std::nullopt;
}

void RotctldRotator::dropConnection(const std::string& command, const std::string& why,
                                    std::string& problem) {
    problem = "rotctld at " + address_.text() + ", \"" + command + "\": " + why;
    connection_.reset();
}

bool RotctldRotator::commandDone(const std::string& command, std::string& problem) {
    const auto answer = ask(command, 1, problem);
    if (!answer) return false;
    if (answer->front() == kDone) return true;
    dropConnection(command, "answered " + answer->front(), problem);
    return false;
}

bool RotctldRotator::point(Bearings bearings, std::string& problem) {
    return commandDone(pointCommand(bearings), problem);
}

bool RotctldRotator::stop(std::string& problem) {
    return commandDone("S", problem);
}

std::optional<Bearings> RotctldRotator::position(std::string& problem) {
    const auto answer = ask("p", 2, problem);
    if (!answer) return std::nullopt;
    const std::optional<Bearings> bearings = parsePosition((*answer)[0], (*answer)[1]);
    if (!bearings)
        dropConnection("p", "answered \"" + (*answer)[0] + "\", \"" + (*answer)[1] + "\"", problem);
    return bearings;
}

}  // namespace orvant::pc

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controller/pc/rotator_bearings.h"
#include "platform/tcp_line_client.h"

namespace orvant::pc {

// Where Hamlib's rotctld serves the rotator.
struct RotctldAddress {
    std::string host = "localhost";
    int port = 4533;
    std::string text() const { return host + ":" + std::to_string(port); }
};

// The rotator behind Hamlib's rotctld, spoken to with the daemon's own commands over one
// connection: "P az el" points it, "S" stops it, "p" answers where it stands. Each answer must
// come within a second. A daemon that refuses the connection, closes it, answers late or answers
// a command with an error ("RPRT -n") fails that command; the connection is then dropped, and
// only `connect` makes a new one.
class RotctldRotator {
  public:
    static constexpr int kAnswerMs = 1000;

    explicit RotctldRotator(RotctldAddress address) : address_(std::move(address)) {}

    bool connected() const { return connection_ != nullptr; }
    bool connect(std::string& problem);
    bool point(Bearings bearings, std::string& problem);
    bool stop(std::string& problem);
    std::optional<Bearings> position(std::string& problem);

  private:
    // Sends `command` and reads its answer of `lines` lines; nullopt, with the connection
    // dropped, when the daemon fails it (an error report in their place, a closed connection,
    // no whole answer in time).
    std::optional<std::vector<std::string>> ask(const std::string& command, std::size_t lines,
                                                std::string& problem);
    // A command that expects "RPRT 0".
    bool commandDone(const std::string& command, std::string& problem);
    void dropConnection(const std::string& command, const std::string& why, std::string& problem);

    RotctldAddress address_;
    std::unique_ptr<TcpLineClient> connection_;
};

}  // namespace orvant::pc

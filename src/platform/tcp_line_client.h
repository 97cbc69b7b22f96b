#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace orvant {

// One connection to a server that answers in text lines (Hamlib's rotctld). Every wait has a
// deadline, so a server that stops answering never holds the program.
class TcpLineClient {
  public:
    using Deadline = std::chrono::steady_clock::time_point;

    // Connects to `host` (a name or an address) at `port`; nullptr with `problem` set when no
    // server there takes the connection before the deadline.
    static std::unique_ptr<TcpLineClient> connect(const std::string& host, int port,
                                                  Deadline deadline, std::string& problem);
    ~TcpLineClient();
    TcpLineClient(const TcpLineClient&) = delete;
    TcpLineClient& operator=(const TcpLineClient&) = delete;

    // Sends `line` and a line feed.
    bool sendLine(const std::string& line, Deadline deadline, std::string& problem);
    // The next line the server sent, without its line feed; nullopt when the server closed the
    // connection or sent no whole line before the deadline.
    std::optional<std::string> readLine(Deadline deadline, std::string& problem);

  private:
    explicit TcpLineClient(int fd) : fd_(fd) {}

    int fd_;
    std::string pending_;  // received bytes not yet taken as a line
};

}  // namespace orvant

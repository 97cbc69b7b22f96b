#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/line_server.h"

namespace orvant {

// A line server on a TCP address, every socket non-blocking. Each poll accepts the clients
// waiting, reads at most `kReadPerPoll` bytes of each and sends what each one's outbox holds; a
// client whose outbox grows past `kMaxOutbox` (it sends and never reads) is dropped.
class TcpLineServer : public LineServer {
  public:
    static constexpr std::size_t kReadPerPoll = 1024;
    static constexpr std::size_t kMaxOutbox = 65536;

    // Listens on "ADDR:PORT"; nullptr with `error` set when the address is not one or the port
    // cannot be had (taken, or not ours to open).
    static std::unique_ptr<TcpLineServer> open(const std::string& address, std::size_t maxLine,
                                               std::string& error);
    ~TcpLineServer() override;
    TcpLineServer(const TcpLineServer&) = delete;
    TcpLineServer& operator=(const TcpLineServer&) = delete;

    std::vector<ClientLine> poll() override;
    void send(int client, const std::string& text) override;
    void drop(int client) override;
    int clientCount() const override { return static_cast<int>(clients_.size()); }
    std::string address() const override { return address_; }

  private:
    struct Client {
        LineSplitter splitter;
        std::string outbox;
    };
    TcpLineServer(int listener, std::string address, std::size_t maxLine)
        : listener_(listener), address_(std::move(address)), maxLine_(maxLine) {}
    void acceptWaiting();
    // Reads what one client sent; false when it hung up or its connection broke.
    bool readFrom(int fd, Client& client, std::vector<ClientLine>& lines);
    // Sends what it can of the outbox; false when the connection broke.
    bool flush(int fd, Client& client);

    int listener_;
    std::string address_;
    std::size_t maxLine_;
    std::map<int, Client> clients_;  // by socket
};

}  // namespace orvant

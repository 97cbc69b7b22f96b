#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace orvant {

// One line a client sent, its line end removed. A line longer than the limit arrives once, cut
// to the limit and marked, and the rest of it up to its line end is dropped.
struct ClientLine {
    int client = 0;
    std::string text;
    bool tooLong = false;
};

// Cuts one client's bytes into lines ("\n" or "\r\n" ends a line).
class LineSplitter {
  public:
    explicit LineSplitter(std::size_t maxLine) : maxLine_(maxLine) {}
    void feed(int client, const std::string& bytes, std::vector<ClientLine>& lines);

  private:
    std::size_t maxLine_;
    std::string partial_;
    bool skipping_ = false;  // inside a line already refused as too long
};

// A server of line-by-line clients on one listening address, polled by the loop. Nothing here
// ever waits: `poll` takes the clients that have come and the bytes that have arrived, at most a
// bounded amount per client and call, so a client that floods or vanishes mid-line never holds
// the loop.
class LineServer {
  public:
    virtual ~LineServer() = default;
    // The complete lines that arrived since the last poll, in order per client.
    virtual std::vector<ClientLine> poll() = 0;
    virtual void send(int client, const std::string& text) = 0;
    // Ends a client's connection.
    virtual void drop(int client) = 0;
    virtual int clientCount() const = 0;
    // Where the server listens, "127.0.0.1:4533".
    virtual std::string address() const = 0;
};

// A line server in memory, for tests: clients connect, type and hang up by the test's hand.
class FakeLineServer : public LineServer {
  public:
    FakeLineServer(std::string address, std::size_t maxLine)
        : address_(std::move(address)), maxLine_(maxLine) {}
    int connect() {
        clients_.emplace(next_, LineSplitter(maxLine_));
        return next_++;
    }
    void type(int client, const std::string& bytes) { typed_.push_back({client, bytes, false}); }
    void hangUp(int client) { clients_.erase(client); }

    std::vector<ClientLine> poll() override {
        std::vector<ClientLine> lines;
        for (const ClientLine& typed : typed_) {
            const auto found = clients_.find(typed.client);
            if (found != clients_.end()) found->second.feed(typed.client, typed.text, lines);
        }
        typed_.clear();
        return lines;
    }
    void send(int client, const std::string& text) override { sent[client] += text; }
    void drop(int client) override { clients_.erase(client); }
    int clientCount() const override { return static_cast<int>(clients_.size()); }
    std::string address() const override { return address_; }

    std::map<int, std::string> sent;  // everything sent to each client

  private:
    std::string address_;
    std::size_t maxLine_;
    int next_ = 1;
    std::map<int, LineSplitter> clients_;
    std::vector<ClientLine> typed_;
};

}  // namespace orvant

#include "tracker/conversation_server.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <list>
#include <stdexcept>
#include <vector>

#include "platform/rendezvous.h"
#include "platform/unix_socket.h"

namespace orvant::tracker {

namespace {

// Answers are small and the client reads them at once; a client that does not is dropped.
constexpr std::chrono::seconds kSendPatience{2};

struct Client {
    int fd = -1;
    wire::LineBuffer received;
};

int listeningSocket(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        throw std::runtime_error("the socket path " + path + " is too long");
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 8) != 0) {
        const std::string reason = std::strerror(errno);
        if (fd >= 0) close(fd);
        throw std::runtime_error("cannot serve at " + path + ": " + reason);
    }
    return fd;
}

// A socket file that no server answers at is a leftover and goes; a live one is refused.
void claimName(const std::string& path) {
    const int live = unix_socket::connectTo(path);
    if (live >= 0) {
        close(live);
        throw std::runtime_error(path + " is already served by a running server");
    }
    unlink(path.c_str());
}

bool send(int fd, const wire::Answer& answer) {
    return unix_socket::sendAll(fd, wire::answerLine(answer),
                                std::chrono::steady_clock::now() + kSendPatience);
}

// Handles the complete lines a client sent; false when its connection is to close. Sets `stop`
// when a reply asks the server to stop.
bool handleLines(Client& c, const Responder& respond, bool& stop) {
    while (const auto line = c.received.nextLine()) {
        const auto message = wire::parseMessage(*line);
        if (!message) {
            send(c.fd, {false, 0, "not a message"});
            return false;
        }
        const ServerReply reply = respond(*message);
        stop = stop || reply.thenStop;
        using Kind = ServerReply::Kind;
        if (reply.kind == Kind::HangUp) return false;
        if (reply.kind == Kind::Ignore) continue;
        if (!send(c.fd, {reply.kind == Kind::Answer, message->seq, reply.text})) return false;
        if (stop) return true;
    }
    return !c.received.overflowed();
}

// Reads what a client sent and answers it; false when its connection is to close.
bool serveClient(Client& c, const Responder& respond, bool& stop) {
    std::string bytes;
    const auto got = unix_socket::receiveSome(c.fd, bytes, std::chrono::steady_clock::now());
    if (got == unix_socket::Received::TimedOut) return true;  // woken without bytes after all
    if (got == unix_socket::Received::Closed) return false;
    c.received.append(bytes);
    return handleLines(c, respond, stop);
}

}  // namespace

ConversationServer::ConversationServer(const std::string& folder, const std::string& service,
                                       const std::string& topic)
    : path_(rendezvous::socketPath(folder, service, topic)) {
    claimName(path_);
    listenFd_ = listeningSocket(path_);
}

ConversationServer::~ConversationServer() {
    close(listenFd_);
    unlink(path_.c_str());
}

void ConversationServer::serve(const Responder& respond, int stopFd) {
    std::list<Client> clients;
    bool stop = false;
    while (!stop) {
        std::vector<pollfd> watched{{stopFd, POLLIN, 0}, {listenFd_, POLLIN, 0}};
        for (const Client& c : clients) watched.push_back({c.fd, POLLIN, 0});
        if (poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (watched[0].revents) break;
        if (watched[1].revents & POLLIN) {
            const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd >= 0) clients.push_back({fd, {}});
        }
        std::size_t index = 2;
        for (auto c = clients.begin(); c != clients.end() && index < watched.size(); ++index) {
            if (!watched[index].revents || serveClient(*c, respond, stop)) {
                ++c;
                continue;
            }
            close(c->fd);
            c = clients.erase(c);
        }
    }
    for (const Client& c : clients) close(c.fd);
}

}  // namespace orvant::tracker

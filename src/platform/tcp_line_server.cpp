#include "platform/tcp_line_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace orvant {

namespace {

bool parseAddress(const std::string& text, sockaddr_in& where) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) return false;
    const std::string host = text.substr(0, colon);
    const std::string port = text.substr(colon + 1);
    int number = 0;
    const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), number);
    if (ec != std::errc{} || end != port.data() + port.size() || number < 1 || number > 65535)
        return false;
    where = {};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(number));
    return inet_pton(AF_INET, host.c_str(), &where.sin_addr) == 1;
}

bool makeNonBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL, 0);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

bool wouldBlock() {
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

}  // namespace

std::unique_ptr<TcpLineServer> TcpLineServer::open(const std::string& address, std::size_t maxLine,
                                                   std::string& error) {
    sockaddr_in where{};
    if (!parseAddress(address, where)) {
        error = address + " is not an address and port (ADDR:PORT)";
        return nullptr;
    }
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    if (fd < 0 || setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        bind(fd, reinterpret_cast<const sockaddr*>(&where), sizeof where) != 0 ||
        listen(fd, 8) != 0 || !makeNonBlocking(fd)) {
        error = "cannot listen on " + address + ": " + std::strerror(errno);
        if (fd >= 0) close(fd);
        return nullptr;
    }
    return std::unique_ptr<TcpLineServer>(new TcpLineServer(fd, address, maxLine));
}

TcpLineServer::~TcpLineServer() {
    for (const auto& [fd, client] : clients_) close(fd);
    close(listener_);
}

void TcpLineServer::acceptWaiting() {
    for (;;) {
        const int fd = accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        clients_.emplace(fd, Client{LineSplitter(maxLine_), {}});
    }
}

bool TcpLineServer::readFrom(int fd, Client& client, std::vector<ClientLine>& lines) {
    char bytes[kReadPerPoll];
    const ssize_t got = recv(fd, bytes, sizeof bytes, 0);
    if (got == 0) return false;
    if (got < 0) return wouldBlock();
    client.splitter.feed(fd, std::string(bytes, static_cast<std::size_t>(got)), lines);
    return true;
}

bool TcpLineServer::flush(int fd, Client& client) {
    while (!client.outbox.empty()) {
        const ssize_t sent = ::send(fd, client.outbox.data(), client.outbox.size(), MSG_NOSIGNAL);
        if (sent < 0) return wouldBlock() && client.outbox.size() <= kMaxOutbox;
        client.outbox.erase(0, static_cast<std::size_t>(sent));
    }
    return true;
}

std::vector<ClientLine> TcpLineServer::poll() {
    acceptWaiting();
    std::vector<ClientLine> lines;
    for (auto it = clients_.begin(); it != clients_.end();) {
        if (readFrom(it->first, it->second, lines) && flush(it->first, it->second)) {
            ++it;
            continue;
        }
        close(it->first);
        it = clients_.erase(it);
    }
    return lines;
}

void TcpLineServer::send(int client, const std::string& text) {
    const auto found = clients_.find(client);
    if (found == clients_.end()) return;
    found->second.outbox += text;
    if (!flush(client, found->second)) drop(client);
}

void TcpLineServer::drop(int client) {
    if (clients_.erase(client) != 0) close(client);
}

}  // namespace orvant

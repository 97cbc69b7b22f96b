#include "platform/tcp_line_client.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/unix_socket.h"

namespace orvant {

namespace {

constexpr std::size_t kMaxLine = 4096;

// A non-blocking connection to one resolved address, or -1 with `problem` set.
int connectTo(const addrinfo& address, TcpLineClient::Deadline deadline, std::string& problem) {
    const int fd = socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        problem = std::strerror(errno);
        return -1;
    }
    if (connect(fd, address.ai_addr, address.ai_addrlen) == 0) return fd;
    if (errno == EINPROGRESS) {
        pollfd p{fd, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        if (poll(&p, 1, unix_socket::remainingMs(deadline)) <= 0) {
            problem = "no answer";
            close(fd);
            return -1;
        }
        if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0) return fd;
        errno = error;
    }
    problem = std::strerror(errno);
    close(fd);
    return -1;
}

}  // namespace

std::unique_ptr<TcpLineClient> TcpLineClient::connect(const std::string& host, int port,
                                                      Deadline deadline, std::string& problem) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int error = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (error != 0) {
        problem = gai_strerror(error);
        return nullptr;
    }
    int fd = -1;
    for (const addrinfo* a = found; a && fd < 0; a = a->ai_next)
        fd = connectTo(*a, deadline, problem);
    freeaddrinfo(found);
    if (fd < 0) return nullptr;
    return std::unique_ptr<TcpLineClient>(new TcpLineClient(fd));
}

TcpLineClient::~TcpLineClient() {
    close(fd_);
}

bool TcpLineClient::sendLine(const std::string& line, Deadline deadline, std::string& problem) {
    if (unix_socket::sendAll(fd_, line + "\n", deadline)) return true;
    problem = "the connection broke";
    return false;
}

std::optional<std::string> TcpLineClient::readLine(Deadline deadline, std::string& problem) {
    for (;;) {
        const std::size_t end = pending_.find('\n');
        if (end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        if (pending_.size() > kMaxLine) {
            problem = "an answer line longer than " + std::to_string(kMaxLine) + " bytes";
            return std::nullopt;
        }
        switch (unix_socket::receiveSome(fd_, pending_, deadline)) {
            case unix_socket::Received::Bytes:
                continue;
            case unix_socket::Received::Closed:
                problem = "the connection closed";
                return std::nullopt;
            case unix_socket::Received::TimedOut:
                problem = "no answer";
                return std::nullopt;
        }
    }
}

}  // namespace orvant

#include "support/rotctld_daemon.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace orvant::testing {

namespace {

sockaddr_in loopback(int port) {
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, "127.0.0.1", &where.sin_addr);
    return where;
}

// A port no server holds now.
int freePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where = loopback(0);
    socklen_t size = sizeof where;
    bind(fd, reinterpret_cast<sockaddr*>(&where), size);
    getsockname(fd, reinterpret_cast<sockaddr*>(&where), &size);
    close(fd);
    return ntohs(where.sin_port);
}

// A connection to the daemon, or -1.
int connectTo(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in where = loopback(port);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&where), sizeof where) == 0) return fd;
    close(fd);
    return -1;
}

}  // namespace

RotctldDaemon::RotctldDaemon() : port_(freePort()) {
    start();
}

RotctldDaemon::~RotctldDaemon() {
    kill();
}

void RotctldDaemon::start() {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> words{
        "rotctld", "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port_)};
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    const int spawned = posix_spawnp(&pid_, "rotctld", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("rotctld (libhamlib-utils) cannot be started");
    for (int tries = 0; tries < 400; ++tries) {
        const int fd = connectTo(port_);
        if (fd >= 0) {
            close(fd);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    throw std::runtime_error("rotctld takes no connections");
}

void RotctldDaemon::kill() {
    if (pid_ < 0) return;
    ::kill(pid_, SIGCONT);
    ::kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

// The signal is taken when the daemon next runs: only waiting for it to stop makes sure it
// answers nothing more.
void RotctldDaemon::pause() {
    ::kill(pid_, SIGSTOP);
    waitpid(pid_, nullptr, WUNTRACED);
}

void RotctldDaemon::resume() {
    ::kill(pid_, SIGCONT);
}

std::optional<pc::Bearings> RotctldDaemon::position() const {
    const int fd = connectTo(port_);
    if (fd < 0) return std::nullopt;
    std::string answer;
    if (send(fd, "p\n", 2, MSG_NOSIGNAL) == 2) {
        char bytes[128];
        ssize_t n = 0;
        while (std::count(answer.begin(), answer.end(), '\n') < 2 &&
               (n = recv(fd, bytes, sizeof bytes, 0)) > 0)
            answer.append(bytes, static_cast<std::size_t>(n));
    }
    close(fd);
    pc::Bearings b;
    if (std::sscanf(answer.c_str(), "%lf %lf", &b.azimuth, &b.elevation) != 2) return std::nullopt;
    return b;
}

}  // namespace orvant::testing

#include "support/pty_radio.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>
#include <utility>

namespace orvant::testing {

PtyRadio::PtyRadio(std::size_t messageBytes, Answer answer)
    : messageBytes_(messageBytes), answer_(std::move(answer)) {
    termios raw{};
    cfmakeraw(&raw);
    char name[256];
    if (openpty(&far_, &near_, name, &raw, nullptr) != 0)
        throw std::runtime_error("no pseudo-terminal to be had");
    device_ = name;
    thread_ = std::thread([this] { serve(); });
}

PtyRadio::~PtyRadio() {
    unplug();
    close(near_);
}

void PtyRadio::unplug() {
    if (far_ < 0) return;
    stop_ = true;
    thread_.join();
    close(far_);
    far_ = -1;
}

PtyRadio::Settings PtyRadio::settings() const {
    termios t{};
    tcgetattr(near_, &t);
    Settings s;
    for (const auto& [baud, code] : {std::pair<int, speed_t>{1200, B1200},
                                     {2400, B2400},
                                     {4800, B4800},
                                     {9600, B9600},
                                     {19200, B19200},
                                     {38400, B38400},
                                     {57600, B57600}})
        if (cfgetospeed(&t) == code) s.baud = baud;
    s.dataBits = (t.c_cflag & CSIZE) == CS8 ? 8 : (t.c_cflag & CSIZE) == CS7 ? 7 : 0;
    s.stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
    s.parity = (t.c_cflag & PARENB) != 0;
    return s;
}

std::vector<std::uint8_t> PtyRadio::heard() {
    const std::lock_guard lock(mutex_);
    return heard_;
}

void PtyRadio::serve() {
    std::vector<std::uint8_t> pending;
    while (!stop_) {
        pollfd p{far_, POLLIN, 0};
        if (poll(&p, 1, 10) <= 0 || !(p.revents & POLLIN)) continue;
        std::uint8_t bytes[256];
        const ssize_t n = read(far_, bytes, sizeof bytes);
        if (n <= 0) continue;
        {
            const std::lock_guard lock(mutex_);
            heard_.insert(heard_.end(), bytes, bytes + n);
        }
        pending.insert(pending.end(), bytes, bytes + n);
        while (pending.size() >= messageBytes_) {
            const std::vector<std::uint8_t> message(pending.begin(),
                                                    pending.begin() + messageBytes_);
            pending.erase(pending.begin(), pending.begin() + messageBytes_);
            const std::vector<std::uint8_t> reply = answer_(message);
            if (answering_ && !reply.empty()) (void)!write(far_, reply.data(), reply.size());
        }
    }
}

}  // namespace orvant::testing

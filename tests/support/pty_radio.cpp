#include "support/pty_radio.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>

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

#include "platform/serial_line.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/unix_socket.h"

namespace orvant {

namespace {

struct Speed {
    int baud;
    speed_t code;
};

constexpr Speed kSpeeds[] = {{1200, B1200},   {2400, B2400},   {4800, B4800},   {9600, B9600},
                             {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}};

bool speedCode(int baud, speed_t& code) {
    for (const Speed& speed : kSpeeds)
        if (speed.baud == baud) {
            code = speed.code;
            return true;
        }
    return false;
}

std::string systemReason() {
    return std::strerror(errno);
}

std::string openProblem(int error) {
    if (error == ENOENT || error == ENODEV || error == ENXIO) return "no such device";
    return std::strerror(error);
}

bool hungUp(short events) {
    return (events & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

// The device's answer to a look without waiting: false when it has gone away.
bool stillThere(int fd) {
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, 0) >= 0 && !hungUp(p.revents);
}

void makeRaw(termios& t) {
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS | PARENB);
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
}

}  // namespace

std::unique_ptr<SerialLine> SerialLine::open(const std::string& device, std::string& problem) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = openProblem(errno);
        return nullptr;
    }
    termios t{};
    if (!isatty(fd) || tcgetattr(fd, &t) != 0) {
        close(fd);
        problem = "not a serial port";
        return nullptr;
    }
    makeRaw(t);
    if (tcsetattr(fd, TCSANOW, &t) != 0) {
        problem = systemReason();
        close(fd);
        return nullptr;
    }
    ioctl(fd, TIOCEXCL);  // a second program on the same radio would garble both
    return std::unique_ptr<SerialLine>(new SerialLine(fd));
}

SerialLine::~SerialLine() {
    close(fd_);
}

bool SerialLine::configure(int baud, LineFraming framing, std::string& problem) {
    if (baud == baud_ && framing == framing_) return true;
    speed_t code = 0;
    if (!speedCode(baud, code)) {
        problem = std::to_string(baud) + " baud is not a speed the line takes";
        return false;
    }
    termios t{};
    if (tcgetattr(fd_, &t) != 0) {
        problem = systemReason();
        return false;
    }
    makeRaw(t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB);
    t.c_cflag |= CS8 | (framing.stopBits == 2 ? CSTOPB : 0);
    if (cfsetispeed(&t, code) != 0 || cfsetospeed(&t, code) != 0 ||
        tcsetattr(fd_, TCSANOW, &t) != 0) {
        problem = systemReason();
        return false;
    }
    baud_ = baud;
    framing_ = framing;
    return true;
}

bool SerialLine::discardInput(std::string& problem) {
    if (!stillThere(fd_) || tcflush(fd_, TCIFLUSH) != 0) {
        problem = "the device went away";
        return false;
    }
    return true;
}

bool SerialLine::send(const std::vector<std::uint8_t>& bytes, Deadline deadline,
                      std::string& problem) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = write(fd_, bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            problem = "the device went away (" + systemReason() + ")";
            return false;
        }
        pollfd p{fd_, POLLOUT, 0};
        if (poll(&p, 1, unix_socket::remainingMs(deadline)) <= 0) {
            problem = "the device takes no bytes";
            return false;
        }
        if (hungUp(p.revents)) {
            problem = "the device went away";
            return false;
        }
    }
    return true;
}

// A raw line that has nothing to give reads as 0 bytes, as a line that has hung up does: only
// poll() tells them apart.
SerialLine::Received SerialLine::receive(std::vector<std::uint8_t>& into, Deadline deadline,
                                         std::string& problem) {
    std::uint8_t buffer[256];
    for (;;) {
        pollfd p{fd_, POLLIN, 0};
        const int ready = poll(&p, 1, unix_socket::remainingMs(deadline));
        if (ready == 0) return Received::Quiet;
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || hungUp(p.revents)) {
            problem = "the device went away";
            return Received::Gone;
        }
        const ssize_t n = read(fd_, buffer, sizeof buffer);
        if (n > 0) {
            into.insert(into.end(), buffer, buffer + n);
            return Received::Bytes;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            problem = "the device went away (" + systemReason() + ")";
            return Received::Gone;
        }
    }
}

std::chrono::microseconds SerialLine::lineTime(std::size_t characters) const {
    // A start bit, eight data bits and the stop bits a character.
    const int bits = 1 + 8 + framing_.stopBits;
    const int baud = baud_ > 0 ? baud_ : 1200;
    return std::chrono::microseconds(static_cast<std::int64_t>(characters) * bits * 1000000 / baud);
}

}  // namespace orvant

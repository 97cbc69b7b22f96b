#include "platform/direct_port.h"

#include <cerrno>

#include "platform/busy_wait.h"
#include "platform/port_failure.h"

#if (defined(__x86_64__) || defined(__i386__)) && __has_include(<sys/io.h>)
#include <sys/io.h>
#define ORVANT_HAS_PORT_IO 1
#else
#define ORVANT_HAS_PORT_IO 0
#endif

namespace orvant {

#if ORVANT_HAS_PORT_IO

namespace {
constexpr unsigned long kRegisters = 3;  // data, status, control
}

std::unique_ptr<DirectPort> DirectPort::open(std::uint16_t base, std::string* why) {
    std::string reason;
    if (static_cast<unsigned long>(base) + kRegisters > 0x10000)
        reason = "its three registers would run past the last port address";
    else if (::ioperm(base, kRegisters, 1) != 0)
        reason = errno == EPERM ? "permission denied: it needs root (or the raw I/O capability)"
                                : deviceFailure({}, errno, {});
    else
        return std::unique_ptr<DirectPort>(new DirectPort(base));
    if (why) *why = reason;
    return nullptr;
}

std::uint8_t DirectPort::read(std::uint16_t address) {
    return isRegister(address) ? ::inb(address) : 0xFF;
}

void DirectPort::write(std::uint16_t address, std::uint8_t value) {
    if (isRegister(address)) ::outb(value, address);
}

#else

std::unique_ptr<DirectPort> DirectPort::open(std::uint16_t, std::string* why) {
    if (why) *why = "not possible on this processor";
    return nullptr;
}

std::uint8_t DirectPort::read(std::uint16_t) {
    return 0xFF;
}

void DirectPort::write(std::uint16_t, std::uint8_t) {}

#endif

void DirectPort::holdLines(int microseconds) {
    busyWaitMicroseconds(microseconds);
}

}  // namespace orvant

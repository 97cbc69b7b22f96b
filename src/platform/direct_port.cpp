#include "platform/direct_port.h"

#include "platform/busy_wait.h"

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

std::unique_ptr<DirectPort> DirectPort::open(std::uint16_t base) {
    if (static_cast<unsigned long>(base) + kRegisters > 0x10000) return nullptr;
    if (::ioperm(base, kRegisters, 1) != 0) return nullptr;
    return std::unique_ptr<DirectPort>(new DirectPort(base));
}

std::uint8_t DirectPort::read(std::uint16_t address) {
    return isRegister(address) ? ::inb(address) : 0xFF;
}

void DirectPort::write(std::uint16_t address, std::uint8_t value) {
    if (isRegister(address)) ::outb(value, address);
}

#else

std::unique_ptr<DirectPort> DirectPort::open(std::uint16_t) {
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

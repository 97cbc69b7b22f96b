#include "platform/ppdev_port.h"

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/busy_wait.h"
#include "platform/port_failure.h"

namespace orvant {

namespace {

std::nullptr_t failed(const std::string& device, std::string* why) {
    const int error = errno;
    if (why) *why = deviceFailure(device, error, deviceAccessOf(device));
    return nullptr;
}

}  // namespace

std::unique_ptr<PpdevPort> PpdevPort::open(const std::string& device, std::uint16_t base,
                                           std::string* why) {
    const int fd = ::open(device.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return failed(device, why);
    if (::ioctl(fd, PPCLAIM) != 0) {
        failed(device, why);
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<PpdevPort>(new PpdevPort(fd, base));
}

PpdevPort::~PpdevPort() {
    ::ioctl(fd_, PPRELEASE);
    ::close(fd_);
}

std::uint8_t PpdevPort::read(std::uint16_t address) {
    unsigned char value = 0xFF;
    if (address == base_) ::ioctl(fd_, PPRDATA, &value);
    if (address == base_ + 1) ::ioctl(fd_, PPRSTATUS, &value);
    if (address == base_ + 2) ::ioctl(fd_, PPRCONTROL, &value);
    return value;
}

void PpdevPort::write(std::uint16_t address, std::uint8_t value) {
    unsigned char byte = value;
    if (address == base_) ::ioctl(fd_, PPWDATA, &byte);
    if (address == base_ + 2) ::ioctl(fd_, PPWCONTROL, &byte);
}

void PpdevPort::holdLines(int microseconds) {
    busyWaitMicroseconds(microseconds);
}

}  // namespace orvant

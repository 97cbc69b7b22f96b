#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/port_io.h"

namespace orvant {

// A printer port reached through the Linux parallel-port device (ppdev). The port is claimed for
// the life of the object. Register addresses are the port's: base (data), base + 1 (status),
// base + 2 (control); other addresses read 0xFF and ignore writes.
class PpdevPort : public PortIO {
  public:
    // nullptr when the device cannot be opened or claimed; then `why` (when given) says why.
    static std::unique_ptr<PpdevPort> open(const std::string& device, std::uint16_t base,
                                           std::string* why = nullptr);
    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    std::uint8_t read(std::uint16_t address) override;
    void write(std::uint16_t address, std::uint8_t value) override;
    void holdLines(int microseconds) override;

  private:
    PpdevPort(int fd, std::uint16_t base) : fd_(fd), base_(base) {}
    int fd_;
    std::uint16_t base_;
};

}  // namespace orvant

#pragma once

#include <cstdint>

#include "platform/port_io.h"

namespace orvant {

struct Station;

// The data, status and control registers of the configured printer port, as the PC side of the
// controller link uses them.
class PortLines {
  public:
    // The port must have been opened (start-up does this before the first exchange).
    explicit PortLines(Station& station);

    std::uint8_t readData() { return io_.read(data_); }
    void writeData(std::uint8_t value) { io_.write(data_, value); }
    std::uint8_t readStatus() { return io_.read(status_); }
    void writeControl(std::uint8_t value) { io_.write(control_, value); }
    void holdLines(int microseconds) { io_.holdLines(microseconds); }
    bool needsPauseAfterFrame() const { return io_.needsPauseAfterFrame(); }

  private:
    PortIO& io_;
    std::uint16_t data_;
    std::uint16_t status_;
    std::uint16_t control_;
};

}  // namespace orvant

#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/port_io.h"

namespace orvant {

// Where the kernel lists its parallel ports and where their devices live.
struct ParportPaths {
    std::string procRoot = "/proc/sys/dev/parport";  // one folder per port, with "base-addr"
    std::string deviceRoot = "/dev";
};

// The parallel-port device (e.g. "/dev/parport0") whose base address, as the kernel lists it,
// is `base`; empty when no listed port has it.
std::string findParportDevice(std::uint16_t base, const ParportPaths& paths = {});

// Opens the printer port at `base` for the controller link:
// - with `devicePath` given, that parallel-port device and nothing else;
// - otherwise the parallel-port device listed with that base address, else direct port I/O at
//   that address (x86 only; needs the right to access ports, normally root).
// Returns nullptr when nothing can be opened.
std::unique_ptr<PortIO> openPrinterPort(std::uint16_t base, const std::string& devicePath = {},
                                        const ParportPaths& paths = {});

}  // namespace orvant

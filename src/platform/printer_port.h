#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/port_failure.h"
#include "platform/port_io.h"

namespace orvant {

// Where the kernel lists its parallel ports and where their devices live.
struct ParportPaths {
    std::string procRoot = "/proc/sys/dev/parport";  // one folder per port, with "base-addr"
    std::string deviceRoot = "/dev";
    std::string ioports = "/proc/ioports";  // the I/O port ranges and who holds them
};

// Whether direct port I/O may be used at `base`: at the standard printer-port bases 278, 378
// and 3BC, or where `ioports`, the text of the kernel's I/O port list, shows a parallel port
// holding the three registers from that base.
bool directAccessAllowed(std::uint16_t base, const std::string& ioports);

// The parallel-port device (e.g. "/dev/parport0") whose base address, as the kernel lists it,
// is `base`; empty when no listed port has it.
std::string findParportDevice(std::uint16_t base, const ParportPaths& paths = {});

// Opens the printer port at `base` for the controller link:
// - with `devicePath` given, that parallel-port device and nothing else;
// - otherwise the parallel-port device listed with that base address, else direct port I/O at
//   that address where `directAccessAllowed` permits it (x86 only; needs the right to access
//   ports, normally root).
// Returns nullptr when nothing can be opened; then `tries` (when given) holds each way that was
// tried and why it failed.
std::unique_ptr<PortIO> openPrinterPort(std::uint16_t base, const std::string& devicePath = {},
                                        const ParportPaths& paths = {}, PortTries* tries = nullptr);

}  // namespace orvant

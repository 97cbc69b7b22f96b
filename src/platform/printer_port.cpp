#include "platform/printer_port.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/direct_port.h"
#include "platform/ppdev_port.h"

namespace orvant {

namespace {

// The first number of a "base-addr" file (decimal; the second, when present, is the ECR base).
bool listedBase(const std::filesystem::path& file, unsigned long& base) {
    std::ifstream in(file);
    return static_cast<bool>(in >> base);
}

// A port address as ORV.CFG writes it: hexadecimal, upper case, no prefix.
std::string hexAddress(std::uint16_t address) {
    std::ostringstream text;
    text << std::uppercase << std::hex << address;
    return text.str();
}

// The whole text of a kernel list; empty when it cannot be read.
std::string readText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string findParportDevice(std::uint16_t base, const ParportPaths& paths) {
    namespace fs = std::filesystem;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(paths.procRoot, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("parport", 0) != 0) continue;
        unsigned long listed = 0;
        if (listedBase(entry.path() / "base-addr", listed) && listed == base)
            return paths.deviceRoot + "/" + name;
    }
    return {};
}

namespace {

constexpr std::uint16_t kStandardBases[] = {0x278, 0x378, 0x3BC};
constexpr unsigned long kRegisters = 3;  // data, status, control

// Whether a line of the kernel's I/O port list ("  0378-037a : parport0") gives a parallel port
// the three registers from `base`.
bool listsParportAt(const std::string& line, std::uint16_t base) {
    std::istringstream fields(line);
    unsigned long first = 0, last = 0;
    char dash = 0, colon = 0;
    std::string owner;
    fields >> std::hex >> first >> dash >> last >> colon >> owner;
    return fields && dash == '-' && colon == ':' && owner.rfind("parport", 0) == 0 &&
           first == base && last + 1 >= first + kRegisters;
}

}  // namespace

bool directAccessAllowed(std::uint16_t base, const std::string& ioports) {
    for (std::uint16_t standard : kStandardBases)
        if (base == standard) return true;
    std::istringstream lines(ioports);
    for (std::string line; std::getline(lines, line);)
        if (listsParportAt(line, base)) return true;
    return false;
}

std::unique_ptr<PortIO> openPrinterPort(std::uint16_t base, const std::string& devicePath,
                                        const ParportPaths& paths, PortTries* tries) {
    std::string why;
    const auto tried = [&](std::string what) {
        if (tries) tries->push_back({std::move(what), why});
        return nullptr;
    };
    if (!devicePath.empty()) {
        if (std::unique_ptr<PortIO> port = PpdevPort::open(devicePath, base, &why)) return port;
        return tried("the parallel-port device " + devicePath);
    }
    const std::string at = "base address " + hexAddress(base);
    const std::string listed = findParportDevice(base, paths);
    if (listed.empty()) {
        why = "the kernel lists none there";
        tried("a parallel-port device at " + at);
    } else if (std::unique_ptr<PortIO> port = PpdevPort::open(listed, base, &why)) {
        return port;
    } else {
        tried("the parallel-port device " + listed + ", the kernel's port at " + at);
    }
    // Direct port I/O writes wherever the base points: only where a printer port is known to be.
    if (!directAccessAllowed(base, readText(paths.ioports))) {
        why = "no printer port is known there, so it was not tried";
        return tried("direct port access at " + at);
    }
    if (std::unique_ptr<PortIO> port = DirectPort::open(base, &why)) return port;
    return tried("direct port access at " + at);
}

}  // namespace orvant

#include "platform/printer_port.h"

#include <filesystem>
#include <fstream>

#include "platform/direct_port.h"
#include "platform/ppdev_port.h"

namespace orvant {

namespace {

// The first number of a "base-addr" file (decimal; the second, when present, is the ECR base).
bool listedBase(const std::filesystem::path& file, unsigned long& base) {
    std::ifstream in(file);
    return static_cast<bool>(in >> base);
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

std::unique_ptr<PortIO> openPrinterPort(std::uint16_t base, const std::string& devicePath,
                                        const ParportPaths& paths) {
    if (!devicePath.empty()) return PpdevPort::open(devicePath, base);
    const std::string listed = findParportDevice(base, paths);
    if (!listed.empty()) {
        if (std::unique_ptr<PortIO> port = PpdevPort::open(listed, base)) return port;
    }
    return DirectPort::open(base);
}

}  // namespace orvant

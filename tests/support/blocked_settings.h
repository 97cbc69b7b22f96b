#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace orvant::testing {

// Folders put where the store writes a settings file through (its lock file and this process's
// temporary file): while they stand there, no change to the file can be written, even by root,
// and the file itself can still be read.
class BlockedSettings {
  public:
    explicit BlockedSettings(const std::string& path)
        : blockers_{path + ".lock", path + ".tmp" + std::to_string(::getpid())} {}
    void block() const {
        for (const std::filesystem::path& blocker : blockers_) {
            std::filesystem::remove(blocker);
            std::filesystem::create_directory(blocker);
        }
    }
    void unblock() const {
        for (const std::filesystem::path& blocker : blockers_) std::filesystem::remove(blocker);
    }

  private:
    std::vector<std::filesystem::path> blockers_;
};

}  // namespace orvant::testing

#include "platform/settings_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvant {

void MemorySettingsStore::save(const std::string& app, const std::string& section,
                               const std::string& key, const std::string& value) {
    entries_[{app, section, key}] = value;
}

std::string MemorySettingsStore::get(const std::string& app, const std::string& section,
                                     const std::string& key, const std::string& fallback) {
    const auto it = entries_.find({app, section, key});
    return it == entries_.end() ? fallback : it->second;
}

void MemorySettingsStore::deleteApplication(const std::string& app) {
    std::erase_if(entries_, [&](const auto& e) { return std::get<0>(e.first) == app; });
}

FileSettingsStore::FileSettingsStore(std::string path, std::chrono::microseconds recheckInterval,
                                     WriteFailure onWriteFailure)
    : path_(std::move(path)),
      recheckInterval_(recheckInterval),
      onWriteFailure_(std::move(onWriteFailure)) {}

std::string FileSettingsStore::defaultPath() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::string(xdg) + "/orvant/settings";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/orvant/settings";
    return ".orvant-settings";
}

const FileSettingsStore::Entries& FileSettingsStore::load(Freshness freshness) {
    if (holding_) return held_;
    const auto now = std::chrono::steady_clock::now();
    if (freshness == Freshness::Recent && cachedSize_ >= 0 && now - lastCheck_ < recheckInterval_)
        return cache_;
    lastCheck_ = now;
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0) {
        cache_.clear();
        cachedStamp_ = cachedSize_ = -1;
        return cache_;
    }
    const long long stamp = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL +
                            st.st_mtim.tv_nsec + static_cast<long long>(st.st_ino);
    if (stamp == cachedStamp_ && st.st_size == cachedSize_) return cache_;
    cache_.clear();
    std::ifstream in(path_);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string app, section, key, value;
        if (std::getline(fields, app, '\t') && std::getline(fields, section, '\t') &&
            std::getline(fields, key, '\t')) {
            std::getline(fields, value);
            cache_[{app, section, key}] = value;
        }
    }
    cachedStamp_ = stamp;
    cachedSize_ = st.st_size;
    return cache_;
}

std::string FileSettingsStore::write(const Entries& entries) {
    const std::filesystem::path target(path_);
    const std::string temp = path_ + ".tmp" + std::to_string(::getpid());
    std::error_code error;
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
    if (!error) {
        std::ofstream out(temp, std::ios::trunc);
        for (const auto& [k, v] : entries)
            out << std::get<0>(k) << '\t' << std::get<1>(k) << '\t' << std::get<2>(k) << '\t' << v
                << '\n';
        out.close();
        if (!out) error = std::error_code(errno ? errno : EIO, std::generic_category());
    }
    if (!error) std::filesystem::rename(temp, target, error);
    if (!error) return {};
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return "cannot write " + path_ + ": " + error.message();
}

void FileSettingsStore::store(const Entries& entries) {
    const std::string why = write(entries);
    cachedStamp_ = cachedSize_ = -1;
    if (why.empty()) {
        holding_ = false;
        return;
    }
    if (!holding_ && onWriteFailure_) onWriteFailure_(why);
    held_ = entries;
    holding_ = true;
}

void FileSettingsStore::save(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) {
    Entries entries = load(Freshness::Now);
    entries[{app, section, key}] = value;
    store(entries);
}

std::string FileSettingsStore::get(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& fallback) {
    const Entries& entries = load(Freshness::Recent);
    const auto it = entries.find(std::tie(app, section, key));
    return it == entries.end() ? fallback : it->second;
}

void FileSettingsStore::deleteApplication(const std::string& app) {
    Entries entries = load(Freshness::Now);
    std::erase_if(entries, [&](const auto& e) { return std::get<0>(e.first) == app; });
    store(entries);
}

}  // namespace orvant

#include "platform/settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvant {

std::string SettingsStore::save(const std::string& app, const std::string& section,
                                const std::string& key, const std::string& value) {
    return change(app, [&](Entries& entries) { entries[{section, key}] = value; });
}

std::string SettingsStore::deleteApplication(const std::string& app) {
    return change(app, [](Entries& entries) { entries.clear(); });
}

std::string MemorySettingsStore::get(const std::string& app, const std::string& section,
                                     const std::string& key, const std::string& fallback) {
    const auto found = apps_.find(app);
    if (found == apps_.end()) return fallback;
    const auto it = found->second.find({section, key});
    return it == found->second.end() ? fallback : it->second;
}

std::string MemorySettingsStore::change(const std::string& app,
                                        const std::function<void(Entries&)>& edit) {
    edit(apps_[app]);
    if (apps_[app].empty()) apps_.erase(app);
    return {};
}

namespace {

// Holds the advisory lock of a settings file for its lifetime: changes of every instance take it
// in turn, so none is built on a reading that another instance's change has made old.
class ChangeLock {
  public:
    explicit ChangeLock(const std::string& path)
        : fd_(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        int result = -1;
        if (fd_ >= 0) do
                result = ::flock(fd_, LOCK_EX);
            while (result != 0 && errno == EINTR);
        if (result != 0) error_ = std::error_code(errno, std::generic_category());
    }
    ~ChangeLock() {
        if (fd_ >= 0) ::close(fd_);  // which releases the lock
    }
    ChangeLock(const ChangeLock&) = delete;
    ChangeLock& operator=(const ChangeLock&) = delete;

    // Why the lock could not be taken; no error when it is held.
    std::error_code error() const { return error_; }

  private:
    int fd_;
    std::error_code error_;
};

}  // namespace

FileSettingsStore::FileSettingsStore(std::string path, std::chrono::microseconds recheckInterval,
                                     Clock clock)
    : path_(std::move(path)), recheckInterval_(recheckInterval), clock_(std::move(clock)) {}

std::string FileSettingsStore::defaultPath() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::string(xdg) + "/orvant/settings";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/orvant/settings";
    return ".orvant-settings";
}

const FileSettingsStore::AllEntries& FileSettingsStore::load(Freshness freshness) {
    const auto now = clock_();
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

std::string FileSettingsStore::write(const AllEntries& entries) {
    const std::string temp = path_ + ".tmp" + std::to_string(::getpid());
    std::error_code error;
    {
        std::ofstream out(temp, std::ios::trunc);
        for (const auto& [k, v] : entries)
            out << std::get<0>(k) << '\t' << std::get<1>(k) << '\t' << std::get<2>(k) << '\t' << v
                << '\n';
        out.close();
        if (!out) error = std::error_code(errno ? errno : EIO, std::generic_category());
    }
    if (!error) std::filesystem::rename(temp, path_, error);
    if (!error) return {};
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return "cannot write " + path_ + ": " + error.message();
}

std::string FileSettingsStore::get(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& fallback) {
    const AllEntries& entries = load(Freshness::Recent);
    const auto it = entries.find(std::tie(app, section, key));
    return it == entries.end() ? fallback : it->second;
}

std::string FileSettingsStore::change(const std::string& app,
                                      const std::function<void(Entries&)>& edit) {
    const std::filesystem::path target(path_);
    std::error_code error;
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
    if (error) return "cannot write " + path_ + ": " + error.message();
    const ChangeLock lock(path_);
    if (lock.error()) return "cannot write " + path_ + ": " + lock.error().message();
    AllEntries all = load(Freshness::Now);
    Entries own;
    for (auto it = all.begin(); it != all.end();) {
        const auto& [name, section, key] = it->first;
        if (name != app) {
            ++it;
            continue;
        }
        own[{section, key}] = it->second;
        it = all.erase(it);
    }
    edit(own);
    for (const auto& [where, value] : own) all[{app, where.first, where.second}] = value;
    const std::string why = write(all);
    cachedStamp_ = cachedSize_ = -1;  // the next read looks at the file again
    return why;
}

}  // namespace orvant

#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <tuple>

namespace orvant {

// Per-user persistent key/value store, keyed by application, section and key.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual void save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) = 0;
    virtual std::string get(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& fallback) = 0;
    // Removes every entry of one application.
    virtual void deleteApplication(const std::string& app) = 0;
};

// Store held in memory, for tests.
class MemorySettingsStore : public SettingsStore {
  public:
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;
    std::string get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) override;
    void deleteApplication(const std::string& app) override;

  private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> entries_;
};

// Store kept in one text file (one "app<TAB>section<TAB>key<TAB>value" line per entry), shared by
// every instance of the program. Each change rewrites the file through a temporary file and a
// rename, so another instance never reads half a file; reads are re-done only when the file's
// modification time or size changed.
//
// A file that cannot be written (its folder missing and not creatable, no room, no permission)
// never stops the program: the entries are kept in memory and used instead of the file until a
// later change can be written again, and `onWriteFailure` hears of the first failure of each such
// spell. Only the hand-off to other instances is lost meanwhile.
class FileSettingsStore : public SettingsStore {
  public:
    using WriteFailure = std::function<void(const std::string& why)>;

    // With a recheck interval, the file is looked at no more often than that (in real time): the
    // program asks for the hand-off entry on every loop pass, and a newer instance's change is
    // still seen within the interval.
    explicit FileSettingsStore(std::string path, std::chrono::microseconds recheckInterval = {},
                               WriteFailure onWriteFailure = {});
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;
    std::string get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) override;
    void deleteApplication(const std::string& app) override;

    // The default file: $XDG_CONFIG_HOME/orvant/settings, else ~/.config/orvant/settings.
    static std::string defaultPath();

  private:
    // Ordered with std::less<> so that a read finds its entry without copying the names.
    using Entries =
        std::map<std::tuple<std::string, std::string, std::string>, std::string, std::less<>>;
    // Changes always start from the file as it is now (never from an older reading, which could
    // bring back an entry another instance deleted); reads may use a reading within the recheck
    // interval.
    enum class Freshness { Now, Recent };
    const Entries& load(Freshness freshness);
    void store(const Entries& entries);
    // Writes the entries through a temporary file; the reason when that failed, else empty.
    std::string write(const Entries& entries);

    std::string path_;
    Entries cache_;
    std::chrono::microseconds recheckInterval_;
    std::chrono::steady_clock::time_point lastCheck_{};
    long long cachedStamp_ = -1;
    long long cachedSize_ = -1;
    WriteFailure onWriteFailure_;
    bool holding_ = false;  // the file could not be written: `held_` stands for it
    Entries held_;
};

}  // namespace orvant

#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace orvant {

// Per-user persistent key/value store, keyed by application, section and key.
class SettingsStore {
  public:
    // The entries of one application, by section and key.
    using Entries = std::map<std::pair<std::string, std::string>, std::string>;

    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& fallback) = 0;
    // Changes one application's entries in one step: `edit` gets them as they are now (another
    // instance's latest change included, never an older reading) and no other change comes
    // between that reading and the writing. Returns why the change could not be stored (it is
    // then lost: nothing stands in for the store), or an empty text when it was.
    [[nodiscard]] virtual std::string change(const std::string& app,
                                             const std::function<void(Entries&)>& edit) = 0;

    [[nodiscard]] std::string save(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& value);
    // Removes every entry of one application.
    [[nodiscard]] std::string deleteApplication(const std::string& app);
};

// Store held in memory, for tests.
class MemorySettingsStore : public SettingsStore {
  public:
    std::string get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) override;
    std::string change(const std::string& app, const std::function<void(Entries&)>& edit) override;

  private:
    std::map<std::string, Entries> apps_;
};

// Store kept in one text file (one "app<TAB>section<TAB>key<TAB>value" line per entry), shared by
// every instance of the program. A change holds a lock (an advisory lock on the file named
// after it with ".lock" added) from its reading to its writing, and writes through a temporary
// file and a rename, so another instance never reads half a file and two changes never lose one
// another. Reads take no lock and are re-done only when the file's modification time or size
// changed.
//
// A change that cannot be written (the folder missing and not creatable, no room, no
// permission) is lost and says why; reads still come from the file, so a change that another
// instance could write is seen.
class FileSettingsStore : public SettingsStore {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // With a recheck interval, reads look at the file no more often than that, by `clock` (the
    // PC's steady clock unless another is given): the program asks for the hand-off entry on
    // every loop pass, and a newer instance's change is still seen within the interval.
    explicit FileSettingsStore(std::string path, std::chrono::microseconds recheckInterval = {},
                               Clock clock = std::chrono::steady_clock::now);
    std::string get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) override;
    std::string change(const std::string& app, const std::function<void(Entries&)>& edit) override;

    // The default file: $XDG_CONFIG_HOME/orvant/settings, else ~/.config/orvant/settings.
    static std::string defaultPath();

  private:
    // Ordered with std::less<> so that a read finds its entry without copying the names.
    using AllEntries =
        std::map<std::tuple<std::string, std::string, std::string>, std::string, std::less<>>;
    // The file as it is now, or (for reads) as read within the recheck interval.
    enum class Freshness { Now, Recent };
    const AllEntries& load(Freshness freshness);
    // Writes the entries through a temporary file; the reason when that failed, else empty.
    std::string write(const AllEntries& entries);

    std::string path_;
    AllEntries cache_;
    std::chrono::microseconds recheckInterval_;
    Clock clock_;
    std::chrono::steady_clock::time_point lastCheck_{};
    long long cachedStamp_ = -1;
    long long cachedSize_ = -1;
};

}  // namespace orvant

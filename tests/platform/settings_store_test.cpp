#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/blocked_settings.h"
#include "support/program_run.h"

namespace orvant {
namespace {

// A settings file in a fresh folder of its own.
struct ScratchFile {
    explicit ScratchFile(const std::string& name)
        : folder("settings-" + name), path((folder.path() / "s").string()) {}
    testing::TempDir folder;
    std::string path;
};

TEST(FileSettingsStore, TwoStoresOnOneFileSeeEachOthersChanges) {
    const ScratchFile file("settings_shared");
    FileSettingsStore first(file.path);
    FileSettingsStore second(file.path);
    EXPECT_EQ(first.get("ORVANT", "Startup", "Left", "none"), "none");
    EXPECT_EQ(second.save("ORVANT", "Startup", "Left", "ORVANT"), "");
    EXPECT_EQ(second.save("OTHER", "S", "K", "V"), "");
    EXPECT_EQ(first.get("ORVANT", "Startup", "Left", ""), "ORVANT");
    EXPECT_EQ(first.deleteApplication("ORVANT"), "");
    EXPECT_EQ(second.get("ORVANT", "Startup", "Left", ""), "");
    EXPECT_EQ(second.get("OTHER", "S", "K", ""), "V");
}

TEST(FileSettingsStore, WithARecheckIntervalTheFileIsLookedAtOnlyThatOften) {
    const ScratchFile file("settings_recheck");
    std::chrono::steady_clock::time_point now{};
    FileSettingsStore reader(file.path, std::chrono::milliseconds(250), [&] { return now; });
    FileSettingsStore writer(file.path);
    EXPECT_EQ(writer.save("ORVANT", "Startup", "Left", "ORVANT"), "");
    EXPECT_EQ(reader.get("ORVANT", "Startup", "Left", ""), "ORVANT");
    EXPECT_EQ(writer.deleteApplication("ORVANT"), "");
    now += std::chrono::milliseconds(249);
    EXPECT_EQ(reader.get("ORVANT", "Startup", "Left", ""), "ORVANT");  // not looked at again yet
    now += std::chrono::milliseconds(1);
    EXPECT_EQ(reader.get("ORVANT", "Startup", "Left", "gone"), "gone");
}

// Two instances changing one file at the same moment: each change reads what the other wrote, so
// none is lost.
TEST(FileSettingsStore, ChangesAtTheSameMomentNeverLoseOneAnother) {
    const ScratchFile file("settings_lock");
    constexpr int kChangesEach = 100;
    const auto count = [&] {
        FileSettingsStore store(file.path);
        for (int i = 0; i < kChangesEach; ++i)
            ASSERT_EQ(store.change("ORVANT",
                                   [](SettingsStore::Entries& e) {
                                       std::string& n = e[{"Startup", "Count"}];
                                       n = std::to_string(n.empty() ? 1 : std::stoi(n) + 1);
                                   }),
                      "");
    };
    std::thread first(count);
    std::thread second(count);
    first.join();
    second.join();
    EXPECT_EQ(FileSettingsStore(file.path).get("ORVANT", "Startup", "Count", ""),
              std::to_string(2 * kChangesEach));
}

TEST(MemorySettingsStore, DeletesOnlyTheNamedApplication) {
    MemorySettingsStore store;
    EXPECT_EQ(store.save("ORVANT", "Startup", "Left", "ORVANT"), "");
    EXPECT_EQ(store.save("OTHER", "S", "K", "V"), "");
    EXPECT_EQ(store.deleteApplication("ORVANT"), "");
    EXPECT_EQ(store.get("ORVANT", "Startup", "Left", "gone"), "gone");
    EXPECT_EQ(store.get("OTHER", "S", "K", ""), "V");
}

// A change that cannot be written (folders stand where the store's lock and temporary files would
// go) says why and is lost: nothing in memory stands in for the file. Reads still come from the
// file, so another instance's change is seen once it can be written.
TEST(FileSettingsStore, AChangeThatCannotBeWrittenIsLostAndTheFileIsStillRead) {
    const ScratchFile file("settings_blocked");
    FileSettingsStore store(file.path);
    EXPECT_EQ(store.save("ORVANT", "Startup", "Instance", "1"), "");
    const testing::BlockedSettings blocked(file.path);
    blocked.block();

    const std::string why = store.save("ORVANT", "Startup", "Left", "ORVANT");
    EXPECT_NE(why.find("cannot write " + file.path), std::string::npos) << why;
    EXPECT_EQ(store.get("ORVANT", "Startup", "Left", "none"), "none");
    EXPECT_EQ(store.get("ORVANT", "Startup", "Instance", ""), "1");

    blocked.unblock();
    EXPECT_EQ(FileSettingsStore(file.path).save("ORVANT", "Startup", "Instance", "2"), "");
    EXPECT_EQ(store.get("ORVANT", "Startup", "Instance", ""), "2");
}

}  // namespace
}  // namespace orvant

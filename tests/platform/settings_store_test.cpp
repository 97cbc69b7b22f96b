#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orvant {
namespace {

TEST(FileSettingsStore, TwoStoresOnOneFileSeeEachOthersChanges) {
    const auto path = std::filesystem::temp_directory_path() / "orvant_settings_test" / "s";
    std::filesystem::remove_all(path.parent_path());
    FileSettingsStore first(path.string());
    FileSettingsStore second(path.string());
    EXPECT_EQ(first.get("ORVANT", "Startup", "Left", "none"), "none");
    second.save("ORVANT", "Startup", "Left", "ORVANT");
    second.save("OTHER", "S", "K", "V");
    EXPECT_EQ(first.get("ORVANT", "Startup", "Left", ""), "ORVANT");
    first.deleteApplication("ORVANT");
    EXPECT_EQ(second.get("ORVANT", "Startup", "Left", ""), "");
    EXPECT_EQ(second.get("OTHER", "S", "K", ""), "V");
    std::filesystem::remove_all(path.parent_path());
}

TEST(FileSettingsStore, WithARecheckIntervalTheFileIsLookedAtOnlyThatOften) {
    const auto path = std::filesystem::temp_directory_path() / "orvant_settings_recheck" / "s";
    std::filesystem::remove_all(path.parent_path());
    FileSettingsStore reader(path.string(), std::chrono::hours(1));
    FileSettingsStore writer(path.string());
    writer.save("ORVANT", "Startup", "Left", "ORVANT");
    EXPECT_EQ(reader.get("ORVANT", "Startup", "Left", ""), "ORVANT");
    writer.deleteApplication("ORVANT");
    EXPECT_EQ(reader.get("ORVANT", "Startup", "Left", ""), "ORVANT");  // not looked at again yet
    // A change starts from the file as it is now, so the deleted entry does not come back.
    reader.save("OTHER", "S", "K", "V");
    EXPECT_EQ(reader.get("ORVANT", "Startup", "Left", "gone"), "gone");
    EXPECT_EQ(writer.get("ORVANT", "Startup", "Left", "gone"), "gone");
    std::filesystem::remove_all(path.parent_path());
}

TEST(MemorySettingsStore, DeletesOnlyTheNamedApplication) {
    MemorySettingsStore store;
    store.save("ORVANT", "Startup", "Left", "ORVANT");
    store.save("OTHER", "S", "K", "V");
    store.deleteApplication("ORVANT");
    EXPECT_EQ(store.get("ORVANT", "Startup", "Left", "gone"), "gone");
    EXPECT_EQ(store.get("OTHER", "S", "K", ""), "V");
}

// A settings file whose folder cannot be made (a plain file stands in its way) never throws: the
// entries live on in memory for this instance, and the failure is told once per spell.
TEST(FileSettingsStore, AFileThatCannotBeWrittenKeepsTheEntriesInMemoryAndSaysSoOnce) {
    const auto blocker = std::filesystem::temp_directory_path() / "orvant_settings_blocker";
    std::filesystem::remove_all(blocker);
    { std::ofstream(blocker) << "a file, not a folder"; }
    std::vector<std::string> told;
    FileSettingsStore store((blocker / "s").string(), {},
                            [&](const std::string& why) { told.push_back(why); });
    store.save("ORVANT", "Startup", "Left", "ORVANT");
    store.save("ORVANT", "Startup", "Instance", "7");
    EXPECT_EQ(store.get("ORVANT", "Startup", "Instance", ""), "7");
    store.deleteApplication("ORVANT");
    EXPECT_EQ(store.get("ORVANT", "Startup", "Left", "gone"), "gone");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find((blocker / "s").string()), std::string::npos);
    std::filesystem::remove_all(blocker);
}

}  // namespace
}  // namespace orvant

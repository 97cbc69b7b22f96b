#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace
}  // namespace orvant

#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace orvant {
namespace {

TEST(MemoryFileSystem, FindsNamesWithoutRegardToCaseFolderByFolderButNeverGuesses) {
    MemoryFileSystem files;
    EXPECT_EQ(files.readFile("ORV.CFG").status, FileStatus::NotFound);
    files.addFile("/station/Sats/ao-7.sat", "a");
    files.addFile("/station/ORV.CFG", "cfg");
    ASSERT_TRUE(files.changeDirectory("/STATION"));
    EXPECT_EQ(files.readFile("orv.cfg").bytes, "cfg");
    EXPECT_EQ(files.readFile("SATS/AO-7.SAT").bytes, "a");
    EXPECT_EQ(files.readFile("SATS\\AO-7.SAT").bytes, "a");
    // The exact name wins; an ambiguous name is not guessed.
    files.addFile("/d/Keps.txt", "mixed");
    files.addFile("/d/KEPS.TXT", "upper");
    files.addFile("/d/keps.TXT", "lower");
    EXPECT_EQ(files.readFile("/d/KEPS.TXT").bytes, "upper");
    EXPECT_EQ(files.readFile("/d/kEpS.tXt").status, FileStatus::NotFound);
}

TEST(MemoryFileSystem, TellsAMissingFileFromAMissingFolderAndAFolderOrNoNameIsNoFile) {
    MemoryFileSystem files;
    files.addFile("/d/a.sat", "");
    EXPECT_EQ(files.readFile("/d/b.sat").status, FileStatus::NotFound);
    EXPECT_EQ(files.readFile("/nowhere/b.sat").status, FileStatus::PathNotFound);
    EXPECT_EQ(files.readFile("").status, FileStatus::NotFound);
    EXPECT_EQ(files.readFile("/d/..").status, FileStatus::NotFound);
    EXPECT_FALSE(files.changeDirectory("/nowhere"));
    EXPECT_EQ(files.currentDirectory(), "/");
}

TEST(DiskFileSystem, ListsSatelliteFilesOfTheCurrentFolderAnyCase) {
    const auto dir = std::filesystem::temp_directory_path() / "orvant_fs_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "Sub");
    for (const char* name : {"b.SAT", "A.sat", "orv.cfg", "c.sat.bak"})
        std::ofstream(dir / name) << "x";
    DiskFileSystem files;
    ASSERT_TRUE(files.changeDirectory(dir.string()));
    EXPECT_EQ(files.listFiles(".sat"), (std::vector<std::string>{"A.sat", "b.SAT"}));
    EXPECT_EQ(files.readFile("ORV.CFG").bytes, "x");
    EXPECT_EQ(files.readFile("").status, FileStatus::NotFound);
    EXPECT_EQ(files.readFile("Sub").status, FileStatus::NotFound);
    EXPECT_TRUE(files.changeDirectory("sub"));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace orvant

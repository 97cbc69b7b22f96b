#include "platform/printer_port.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

namespace orvant {
namespace {

namespace fs = std::filesystem;

// A kernel parallel-port listing in a folder of its own.
class FakeParportTree : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() /
            ("orvant-parport-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "proc" / "default");
        fs::create_directories(root_ / "dev");
        paths_.procRoot = (root_ / "proc").string();
        paths_.deviceRoot = (root_ / "dev").string();
        paths_.ioports = (root_ / "ioports").string();  // lists no port
    }
    void TearDown() override { fs::remove_all(root_); }

    void listPort(const std::string& name, const std::string& baseAddr) {
        fs::create_directories(root_ / "proc" / name);
        std::ofstream(root_ / "proc" / name / "base-addr") << baseAddr;
    }

    fs::path root_;
    ParportPaths paths_;
};

TEST_F(FakeParportTree, TheDeviceIsFoundByItsDecimalBaseAddressInAReadableListing) {
    listPort("parport0", "888\t1912\n");
    listPort("parport1", "49152\t49160\n");  // a PCI card above 0x8000
    listPort("parport2", "none");
    EXPECT_EQ(findParportDevice(0x378, paths_), paths_.deviceRoot + "/parport0");
    EXPECT_EQ(findParportDevice(0xC000, paths_), paths_.deviceRoot + "/parport1");
    EXPECT_EQ(findParportDevice(0x278, paths_), "");
    paths_.procRoot = (root_ / "absent").string();
    EXPECT_EQ(findParportDevice(0x378, paths_), "");
}

// When no port opens, each way that was tried is told with the reason it failed.
TEST_F(FakeParportTree, NothingOpensAndEachTryIsToldWithItsReason) {
    std::ofstream(root_ / "dev" / "file") << "x";
    listPort("parport0", "49152\t49160\n");  // a PCI card at C000, its device missing
    const std::string dev = paths_.deviceRoot;
    const struct {
        std::uint16_t base;
        std::string device;
        PortTries tries;
    } cases[] = {
        {0x378,
         dev + "/missing",
         {{"the parallel-port device " + dev + "/missing", "no such device"}}},
        {0x378,
         dev + "/file",
         {{"the parallel-port device " + dev + "/file", "it is no parallel-port device"}}},
        {0x3F0,
         "",
         {{"a parallel-port device at base address 3F0", "the kernel lists none there"},
          {"direct port access at base address 3F0",
           "no printer port is known there, so it was not tried"}}},
        {0xC000,
         "",
         {{"the parallel-port device " + dev + "/parport0, the kernel's port at base address C000",
           "no such device"},
          {"direct port access at base address C000",
           "no printer port is known there, so it was not tried"}}},
    };
    for (const auto& c : cases) {
        PortTries tries;
        EXPECT_EQ(openPrinterPort(c.base, c.device, paths_, &tries), nullptr);
        ASSERT_EQ(tries.size(), c.tries.size()) << c.device;
        for (std::size_t i = 0; i < tries.size(); ++i) {
            EXPECT_EQ(tries[i].what, c.tries[i].what);
            EXPECT_EQ(tries[i].why, c.tries[i].why);
        }
    }
}

// Direct port I/O writes wherever the base points, so it is used only at the standard printer
// port bases or where the kernel lists a parallel port with the three registers from that base.
TEST(DirectPortAccess, OnlyAtAStandardBaseOrAParallelPortTheKernelLists) {
    const std::string ioports =
        "0000-0cf7 : PCI Bus 0000:00\n"
        "  03f8-03ff : serial\n"
        "d000-dfff : PCI Bus 0000:02\n"
        "  d010-d017 : parport1\n"
        "  d020-d021 : parport2\n"
        "  e000-e01f : 0000:00:1f.3\n";
    const std::tuple<std::uint16_t, std::string, bool> cases[] = {
        {0x278, "", true},        {0x378, "", true},       {0x3BC, "", true},
        {0xD010, ioports, true},  {0xD010, "", false},     {0xD012, ioports, false},
        {0xD020, ioports, false}, {0x3F8, ioports, false}, {0xE000, ioports, false},
        {0xFFFD, ioports, false}};
    for (const auto& [base, listing, allowed] : cases)
        EXPECT_EQ(directAccessAllowed(base, listing), allowed) << std::hex << base;
}

}  // namespace
}  // namespace orvant

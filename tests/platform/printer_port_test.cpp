#include "platform/printer_port.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

TEST_F(FakeParportTree, AGivenDeviceThatIsNoParallelPortOpensNothing) {
    const fs::path notAPort = root_ / "dev" / "parport0";
    std::ofstream(notAPort) << "x";
    EXPECT_EQ(openPrinterPort(0x378, notAPort.string(), paths_), nullptr);
    EXPECT_EQ(openPrinterPort(0x378, (root_ / "dev" / "missing").string(), paths_), nullptr);
}

}  // namespace
}  // namespace orvant

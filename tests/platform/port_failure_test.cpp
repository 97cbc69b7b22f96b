#include "platform/port_failure.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace orvant {
namespace {

struct FailureCase {
    const char* name;
    int error;
    DeviceAccess access;
    std::string why;
};

class DeviceFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DeviceFailure, SaysWhyInTheOperatorsWords) {
    const FailureCase& c = GetParam();
    EXPECT_EQ(deviceFailure("/dev/parport0", c.error, c.access), c.why);
}

const FailureCase kFailures[] = {
    {"Missing", ENOENT, {}, "no such device"},
    {"NoPortBehindIt", ENXIO, {}, "no such device (the kernel has no parallel port behind it)"},
    {"NoParallelPort", ENOTTY, {}, "it is no parallel-port device"},
    {"UserNotInTheGroup",
     EACCES,
     {"lp", "alice", false},
     "permission denied: /dev/parport0 belongs to group lp, and user alice is not in it "
     "(sudo adduser alice lp, then log in again)"},
    {"UserInTheGroup",
     EACCES,
     {"lp", "alice", true},
     "permission denied, although user alice is in group lp, which owns it"},
    {"OwnerUnknown", EACCES, {"", "alice", false}, "permission denied"},
    {"Busy", EBUSY, {}, "Device or resource busy"},
};

INSTANTIATE_TEST_SUITE_P(Errors, DeviceFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvant

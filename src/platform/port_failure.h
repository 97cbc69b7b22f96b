#pragma once

#include <string>
#include <vector>

namespace orvant {

// One way of reaching the controller card's port that was tried and failed, in the operator's
// words: `what` ("the parallel-port device /dev/parport0") and `why` ("no such device").
struct PortTry {
    std::string what;
    std::string why;
};
using PortTries = std::vector<PortTry>;

// Whom a device's permissions concern: the group that owns it and the user running the program.
struct DeviceAccess {
    std::string group;
    std::string user;
    bool userInGroup = false;
};

// The device's owning group and this program's user, as the system knows them now.
DeviceAccess deviceAccessOf(const std::string& device);

// Why opening `device` failed with the system error `error`: ENOENT "no such device", EACCES
// "permission denied: /dev/parport0 belongs to group lp, and user alice is not in it (...)", and
// so on; a device that is no parallel port (ENOTTY on claiming it) says so, and a system without
// the call (ENOSYS) too.
std::string deviceFailure(const std::string& device, int error, const DeviceAccess& access);

}  // namespace orvant

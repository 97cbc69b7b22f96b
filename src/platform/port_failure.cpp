#include "platform/port_failure.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

namespace orvant {

namespace {

bool processHasGroup(gid_t group) {
    if (::getegid() == group) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[static_cast<std::size_t>(i)] == group) return true;
    return false;
}

}  // namespace

DeviceAccess deviceAccessOf(const std::string& device) {
    DeviceAccess access;
    const passwd* user = ::getpwuid(::geteuid());
    access.user = user ? user->pw_name : std::to_string(::geteuid());
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0) return access;
    const group* owner = ::getgrgid(st.st_gid);
    access.group = owner ? owner->gr_name : std::to_string(st.st_gid);
    access.userInGroup = processHasGroup(st.st_gid);
    return access;
}

std::string deviceFailure(const std::string& device, int error, const DeviceAccess& access) {
    switch (error) {
        case ENOENT:
            return "no such device";
        case ENXIO:
        case ENODEV:
            return "no such device (the kernel has no parallel port behind it)";
        case ENOTTY:
            return "it is no parallel-port device";
        case ENOSYS:
            return "this system offers no such access";
        case EACCES:
        case EPERM:
            if (access.group.empty()) return "permission denied";
            if (access.userInGroup)
                return "permission denied, although user " + access.user + " is in group " +
                       access.group + ", which owns it";
            return "permission denied: " + device + " belongs to group " + access.group +
                   ", and user " + access.user + " is not in it (sudo adduser " + access.user +
                   " " + access.group + ", then log in again)";
        default:
            return std::generic_category().message(error);
    }
}

}  // namespace orvant

#include "platform/rendezvous.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orvant::rendezvous {

namespace {

bool plainByte(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

std::string octalMode(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

}  // namespace

std::string defaultFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return std::string(runtime) + "/orvant-dde";
    return "/tmp/orvant-dde-" + std::to_string(geteuid());
}

std::string prepareFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return "cannot create the conversation folder " + folder + ": " + std::strerror(errno);
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0)
        return "cannot read the conversation folder " + folder + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode)) return "the conversation folder " + folder + " is not a folder";
    if (info.st_uid != geteuid())
        return "the conversation folder " + folder + " belongs to another user";
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        return "the conversation folder " + folder + " is writable by others (mode " +
               octalMode(info.st_mode) + "); make it private with chmod 700";
    return "";
}

std::string socketName(const std::string& service, const std::string& topic) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string name;
    for (const unsigned char c : service + "|" + topic) {
        if (plainByte(c)) {
            name += static_cast<char>(c);
        } else {
            name += '%';
            name += kHex[c >> 4];
            name += kHex[c & 15];
        }
    }
    return name;
}

std::string socketPath(const std::string& folder, const std::string& service,
                       const std::string& topic) {
    return folder + "/" + socketName(service, topic);
}

}  // namespace orvant::rendezvous

#include "config/config_error.h"

#include <vector>

#include "platform/file_system.h"

namespace orvant {

namespace {

bool namesAFile(const std::string& path) {
    const std::vector<std::string> parts = splitPath(path);
    return !parts.empty() && parts.back() != "." && parts.back() != "..";
}

}  // namespace

std::string readStationFile(FileSystem& files, const std::string& path) {
    if (!namesAFile(path)) throw FileError{FileErrorKind::NotFound};
    FileRead read = files.readFile(path);
    switch (read.status) {
        case FileStatus::Ok:
            return std::move(read.bytes);
        case FileStatus::PathNotFound:
            throw FileError{FileErrorKind::PathNotFound};
        case FileStatus::NotFound:
            break;
    }
    throw FileError{FileErrorKind::NotFound};
}

}  // namespace orvant

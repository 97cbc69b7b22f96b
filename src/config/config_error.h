#pragma once

#include <string>

namespace orvant {

class FileSystem;

// Why reading one of the station's files failed. The start-up error handler maps the stage at
// which the failure happened and its kind to the fatal dialog the operator sees.
enum class FileErrorKind {
    NotFound,      // the file does not exist
    PathNotFound,  // a folder on the way to it does not exist
    PastEnd,       // the file ended before everything wanted had been read
    Corrupt,       // a value the program cannot use (see the readers)
};

struct FileError {
    FileErrorKind kind;
    std::string detail = {};  // what is wrong, in a few words, where a reader knows more
};

// The whole content of `path`, looked up through the station's file system; FileError NotFound
// or PathNotFound when it cannot be read. A path that names no file at all (empty, or ending in
// a folder step such as ".") counts as a missing file.
std::string readStationFile(FileSystem& files, const std::string& path);

}  // namespace orvant

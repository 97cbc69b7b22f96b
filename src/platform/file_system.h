#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvant {

enum class FileStatus { Ok, NotFound, PathNotFound };

struct FileRead {
    FileStatus status = FileStatus::NotFound;
    std::string bytes;
};

// File access relative to the program's current directory. Names are looked up without regard
// to letter case, folder by folder: the exact name first, else the one entry that matches
// ignoring case. Both "/" and "\" separate folders.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual FileRead readFile(const std::string& path) = 0;
    // Makes `path` the current directory; false (and no change) when it does not exist.
    virtual bool changeDirectory(const std::string& path) = 0;
    virtual std::string currentDirectory() = 0;
    // The full path of the existing file that `path` names (found the way `readFile` finds it);
    // empty when there is none.
    virtual std::string locate(const std::string& path) = 0;
    // Names of the regular files in the current directory whose extension matches `extension`
    // (".sat", any letter case), sorted without regard to case.
    virtual std::vector<std::string> listFiles(const std::string& extension) = 0;
};

// The operating system's files, with a current directory of its own (the process-wide one is
// never changed).
class DiskFileSystem : public FileSystem {
  public:
    DiskFileSystem();
    FileRead readFile(const std::string& path) override;
    bool changeDirectory(const std::string& path) override;
    std::string currentDirectory() override { return current_; }
    std::string locate(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& extension) override;

  private:
    std::string current_;
};

// Files held in memory, for tests. Paths are absolute from "/" ; folders exist implicitly.
class MemoryFileSystem : public FileSystem {
  public:
    void addFile(const std::string& path, const std::string& bytes);
    void removeFile(const std::string& path) { files_.erase(path); }
    FileRead readFile(const std::string& path) override;
    bool changeDirectory(const std::string& path) override;
    std::string currentDirectory() override { return current_; }
    std::string locate(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& extension) override;

  private:
    std::vector<std::string> entriesOf(const std::string& dir, bool wantDirs) const;
    bool isFolder(const std::string& dir) const;
    std::optional<std::vector<std::string>> listing(const std::string& dir, bool wantDirs) const;
    std::map<std::string, std::string> files_;
    std::string current_ = "/";
};

// Case-insensitive path resolution shared by the file systems. `listEntries(dir, wantDirs)` lists
// the names of the folders (or files) in an existing folder; nullopt when `dir` is no folder.
struct ResolvedPath {
    FileStatus status = FileStatus::NotFound;
    std::string path;
};
template <typename ListEntries>
ResolvedPath resolvePath(const std::string& current, const std::string& path, bool wantDir,
                         ListEntries listEntries);

bool equalsIgnoringCase(const std::string& a, const std::string& b);
std::vector<std::string> splitPath(const std::string& path);

template <typename ListEntries>
ResolvedPath resolvePath(const std::string& current, const std::string& path, bool wantDir,
                         ListEntries listEntries) {
    const bool absolute = !path.empty() && (path[0] == '/' || path[0] == '\\');
    std::string at = absolute ? std::string("/") : current;
    const std::vector<std::string> parts = splitPath(path);
    if (parts.empty() && !wantDir) return {FileStatus::NotFound, {}};  // names no file at all
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const bool dirWanted = !last || wantDir;
        const std::string& part = parts[i];
        if (part == ".") continue;
        if (part == "..") {
            const auto slash = at.find_last_of('/');
            at = slash == 0 || slash == std::string::npos ? "/" : at.substr(0, slash);
            continue;
        }
        const std::optional<std::vector<std::string>> names = listEntries(at, dirWanted);
        if (!names) return {FileStatus::PathNotFound, {}};
        std::string found;
        int matches = 0;
        for (const std::string& n : *names) {
            if (n == part) {
                found = n;
                matches = 1;
                break;
            }
            if (equalsIgnoringCase(n, part)) {
                found = n;
                ++matches;
            }
        }
        if (matches != 1)
            return {last ? (wantDir ? FileStatus::PathNotFound : FileStatus::NotFound)
                         : FileStatus::PathNotFound,
                    {}};
        at = at == "/" ? "/" + found : at + "/" + found;
    }
    return {FileStatus::Ok, at};
}

}  // namespace orvant

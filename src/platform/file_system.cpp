#include "platform/file_system.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvant {

namespace fs = std::filesystem;

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> splitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/' || c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

namespace {

bool hasExtension(const std::string& name, const std::string& extension) {
    return name.size() > extension.size() &&
           equalsIgnoringCase(name.substr(name.size() - extension.size()), extension);
}

void sortIgnoringCase(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) {
                                                return std::tolower(static_cast<unsigned char>(x)) <
                                                       std::tolower(static_cast<unsigned char>(y));
                                            });
    });
}

std::optional<std::vector<std::string>> diskEntries(const std::string& dir, bool wantDirs) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        const bool isDir = entry.is_directory(ec);
        if (isDir == wantDirs) names.push_back(entry.path().filename().string());
    }
    return names;
}

}  // namespace

DiskFileSystem::DiskFileSystem() : current_(fs::current_path().string()) {}

FileRead DiskFileSystem::readFile(const std::string& path) {
    const ResolvedPath where = resolvePath(current_, path, false, diskEntries);
    if (where.status != FileStatus::Ok) return {where.status, {}};
    std::error_code ec;
    if (!fs::is_regular_file(where.path, ec)) return {FileStatus::NotFound, {}};
    std::ifstream in(where.path, std::ios::binary);
    if (!in) return {FileStatus::NotFound, {}};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return {FileStatus::Ok, bytes.str()};
}

std::string DiskFileSystem::locate(const std::string& path) {
    const ResolvedPath where = resolvePath(current_, path, false, diskEntries);
    std::error_code ec;
    if (where.status != FileStatus::Ok || !fs::is_regular_file(where.path, ec)) return {};
    return where.path;
}

bool DiskFileSystem::changeDirectory(const std::string& path) {
    const ResolvedPath where = resolvePath(current_, path, true, diskEntries);
    if (where.status != FileStatus::Ok) return false;
    current_ = where.path;
    return true;
}

std::vector<std::string> DiskFileSystem::listFiles(const std::string& extension) {
    std::vector<std::string> names;
    for (const std::string& n : diskEntries(current_, false).value_or(std::vector<std::string>{}))
        if (hasExtension(n, extension)) names.push_back(n);
    sortIgnoringCase(names);
    return names;
}

void MemoryFileSystem::addFile(const std::string& path, const std::string& bytes) {
    files_[path] = bytes;
}

std::vector<std::string> MemoryFileSystem::entriesOf(const std::string& dir, bool wantDirs) const {
    const std::string prefix = dir == "/" ? "/" : dir + "/";
    std::vector<std::string> names;
    for (const auto& [path, bytes] : files_) {
        if (path.rfind(prefix, 0) != 0) continue;
        const std::string rest = path.substr(prefix.size());
        const auto slash = rest.find('/');
        const bool isDir = slash != std::string::npos;
        const std::string name = isDir ? rest.substr(0, slash) : rest;
        if (isDir == wantDirs && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

FileRead MemoryFileSystem::readFile(const std::string& path) {
    const ResolvedPath where =
        resolvePath(current_, path, false,
                    [this](const std::string& d, bool wantDirs) { return listing(d, wantDirs); });
    if (where.status != FileStatus::Ok) return {where.status, {}};
    const auto file = files_.find(where.path);
    if (file == files_.end()) return {FileStatus::NotFound, {}};  // a folder, not a file
    return {FileStatus::Ok, file->second};
}

std::string MemoryFileSystem::locate(const std::string& path) {
    const ResolvedPath where =
        resolvePath(current_, path, false,
                    [this](const std::string& d, bool wantDirs) { return listing(d, wantDirs); });
    if (where.status != FileStatus::Ok || !files_.contains(where.path)) return {};
    return where.path;
}

bool MemoryFileSystem::changeDirectory(const std::string& path) {
    const ResolvedPath where =
        resolvePath(current_, path, true,
                    [this](const std::string& d, bool wantDirs) { return listing(d, wantDirs); });
    if (where.status != FileStatus::Ok) return false;
    current_ = where.path;
    return true;
}

std::optional<std::vector<std::string>> MemoryFileSystem::listing(const std::string& dir,
                                                                  bool wantDirs) const {
    if (!isFolder(dir)) return std::nullopt;
    return entriesOf(dir, wantDirs);
}

bool MemoryFileSystem::isFolder(const std::string& dir) const {
    if (dir == "/") return true;
    const std::string prefix = dir == "/" ? "/" : dir + "/";
    return std::any_of(files_.begin(), files_.end(),
                       [&](const auto& f) { return f.first.rfind(prefix, 0) == 0; });
}

std::vector<std::string> MemoryFileSystem::listFiles(const std::string& extension) {
    std::vector<std::string> names;
    for (const std::string& n : entriesOf(current_, false))
        if (hasExtension(n, extension)) names.push_back(n);
    sortIgnoringCase(names);
    return names;
}

}  // namespace orvant

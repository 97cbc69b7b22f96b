#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvant::testing {

// The outcome of one run of the orvant program.
struct ProgramRun {
    int exitCode = -1;
    std::string out;    // standard output
    std::string err;    // standard error
    std::string trace;  // the trace file, when the run was given one
};

// Runs the built orvant program in `dir` with `args` and waits for it to end (at most
// `timeoutSeconds`, then it is killed and the exit code is -1).
ProgramRun runProgram(const std::filesystem::path& dir, const std::vector<std::string>& args,
                      int timeoutSeconds = 60);

// A fresh, empty folder under the system's temporary folder, removed by the destructor.
class TempDir {
  public:
    explicit TempDir(const std::string& name);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // Writes a file (bytes as given) below the folder, creating folders on the way.
    void write(const std::string& relative, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

// Reads a whole file; empty when it cannot be read.
std::string readText(const std::filesystem::path& file);

// The trace's events of one kind, each as its JSON line.
std::vector<std::string> traceEvents(const std::string& trace, const std::string& ev);

}  // namespace orvant::testing

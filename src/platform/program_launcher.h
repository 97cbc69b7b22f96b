#pragma once

#include <set>
#include <string>
#include <vector>

namespace orvant {

// Starts another program (the text editor, the system information tool) without waiting for it.
class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    // Returns false when the program could not be started (none of that name is installed).
    virtual bool start(const std::string& program, const std::vector<std::string>& args) = 0;
    // Opens a text file in the desktop's editor, the file passed as one argument.
    virtual bool startEditor(const std::string& file) = 0;
};

// The words that start the desktop's editor: $VISUAL, else $EDITOR (each split at blanks, so it
// may carry options), else xdg-open, which hands the file to the desktop's own choice. Either
// variable may be null or empty.
std::vector<std::string> editorCommand(const char* visual, const char* editor);

// Starts programs with posix_spawn (no shell, so every argument stays one word).
class ProcessLauncher : public ProgramLauncher {
  public:
    bool start(const std::string& program, const std::vector<std::string>& args) override;
    bool startEditor(const std::string& file) override;
};

// Records requests and starts nothing, for tests; programs named in `missing` are not installed.
class RecordingLauncher : public ProgramLauncher {
  public:
    bool start(const std::string& program, const std::vector<std::string>& args) override {
        if (missing.contains(program)) return false;
        started.push_back({program, args});
        return true;
    }
    bool startEditor(const std::string& file) override { return start("editor", {file}); }
    struct Request {
        std::string program;
        std::vector<std::string> args;
    };
    std::vector<Request> started;
    std::set<std::string> missing;
};

}  // namespace orvant

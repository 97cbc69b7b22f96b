#pragma once

#include <string>
#include <vector>

namespace orvant {

// Starts another program (the text editor, the system information tool) without waiting for it.
class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    // Returns false when the program could not be started.
    virtual bool start(const std::string& program, const std::vector<std::string>& args) = 0;
};

// Starts programs with fork and exec.
class ProcessLauncher : public ProgramLauncher {
  public:
    bool start(const std::string& program, const std::vector<std::string>& args) override;
};

// Records requests and starts nothing, for tests.
class RecordingLauncher : public ProgramLauncher {
  public:
    bool start(const std::string& program, const std::vector<std::string>& args) override {
        started.push_back({program, args});
        return true;
    }
    struct Request {
        std::string program;
        std::vector<std::string> args;
    };
    std::vector<Request> started;
};

}  // namespace orvant

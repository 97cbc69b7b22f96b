#include <spawn.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <sstream>

#include "platform/program_launcher.h"

extern char** environ;

namespace orvant {

namespace {

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> found;
    for (std::string word; in >> word;) found.push_back(word);
    return found;
}

}  // namespace

std::vector<std::string> editorCommand(const char* visual, const char* editor) {
    for (const char* chosen : {visual, editor}) {
        if (!chosen) continue;
        std::vector<std::string> command = words(chosen);
        if (!command.empty()) return command;
    }
    return {"xdg-open"};
}

bool ProcessLauncher::start(const std::string& program, const std::vector<std::string>& args) {
    // The started program is not waited for; its exit status is left to the system.
    std::signal(SIGCHLD, SIG_IGN);
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
}

bool ProcessLauncher::startEditor(const std::string& file) {
    std::vector<std::string> command = editorCommand(std::getenv("VISUAL"), std::getenv("EDITOR"));
    const std::string program = command.front();
    command.erase(command.begin());
    command.push_back(file);
    return start(program, command);
}

}  // namespace orvant

#include <spawn.h>
#include <sys/wait.h>

#include <csignal>

#include "platform/program_launcher.h"

extern char** environ;

namespace orvant {

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

}  // namespace orvant

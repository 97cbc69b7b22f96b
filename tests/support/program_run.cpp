#include "support/program_run.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>

extern char** environ;

namespace orvant::testing {

namespace fs = std::filesystem;

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ProgramRun runProgram(const fs::path& dir, const std::vector<std::string>& args, int timeoutSeconds,
                      const std::atomic<bool>* stop) {
    static std::atomic<int> serial = 0;  // runs may overlap (two instances at once)
    const int number = ++serial;
    const fs::path outFile = dir / (".out" + std::to_string(number));
    const fs::path errFile = dir / (".err" + std::to_string(number));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int writing = O_WRONLY | O_CREAT | O_TRUNC;
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), writing, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), writing, 0644);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    std::vector<std::string> words{ORVANT_BINARY};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ProgramRun run;
    const int spawned = posix_spawn(&pid, ORVANT_BINARY, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    int status = 0;
    bool stopSent = false;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (stop && *stop && !std::exchange(stopSent, true)) kill(pid, SIGTERM);
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            status = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    run.exitCode = status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readText(outFile);
    run.err = readText(errFile);
    for (const std::string& arg : args)
        if (arg.rfind("--trace=", 0) == 0) run.trace = readText(dir / arg.substr(8));
    fs::remove(outFile);
    fs::remove(errFile);
    return run;
}

TempDir::TempDir(const std::string& name) {
    path_ = fs::temp_directory_path() / ("orvant-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempDir::write(const std::string& relative, const std::string& bytes) const {
    const fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string fieldText(const std::string& line, const std::string& key) {
    const std::string tag = "\"" + key + "\":";
    const std::size_t at = line.find(tag);
    if (at == std::string::npos) return {};
    const std::size_t from = at + tag.size();
    const std::size_t end =
        line[from] == '"' ? line.find('"', from + 1) + 1 : line.find_first_of(",}", from);
    return line.substr(from, end - from);
}

std::vector<int> numbersIn(const std::string& line, const std::string& key) {
    const std::size_t open = line.find("\"" + key + "\":[");
    if (open == std::string::npos) return {};
    std::istringstream values(line.substr(open + key.size() + 4));
    std::vector<int> numbers;
    for (int value = 0; values >> value;) {
        numbers.push_back(value);
        if (values.peek() != ',') break;
        values.ignore();
    }
    return numbers;
}

namespace {
std::string unquoted(const std::string& text) {
    return text.size() < 2 ? text : text.substr(1, text.size() - 2);
}
}  // namespace

std::vector<TraceEvent> eventsOf(const std::string& trace, const std::string& only) {
    std::vector<TraceEvent> events;
    std::istringstream lines(trace);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string ev = unquoted(fieldText(line, "ev"));
        if (only.empty() || ev == only)
            events.push_back({std::stoll(fieldText(line, "t")), ev, line});
    }
    return events;
}

std::string endReason(const ProgramRun& run) {
    const std::vector<TraceEvent> ends = eventsOf(run.trace, "end");
    if (ends.size() != 1) return "no end: " + run.err;
    return unquoted(fieldText(ends[0].line, "reason"));
}

bool Frame::carries(const std::vector<int>& message) const {
    return slots.size() > message.size() &&
           std::equal(message.begin(), message.end(), slots.begin() + 1);
}

std::vector<Frame> framesOf(const ProgramRun& run) {
    std::vector<Frame> frames;
    for (const TraceEvent& e : eventsOf(run.trace, "frame"))
        if (std::vector<int> slots = numbersIn(e.line, "slots"); !slots.empty())
            frames.push_back({e.t, std::move(slots)});
    return frames;
}

std::vector<StatusLine> statusLinesOf(const ProgramRun& run) {
    static const std::regex kLine(
        R"((\S+) sat (\S*) az (-?\d+) el (-?\d+) rot az (-?[\d.]+) el (-?[\d.]+) up (\S+) dn (\S+) (\w+)(?: orbit ([^|]*))?)");
    std::vector<StatusLine> lines;
    std::istringstream out(run.out);
    std::string line;
    std::smatch m;
    while (std::getline(out, line)) {
        if (!std::regex_match(line, m, kLine)) throw std::runtime_error("status line: " + line);
        lines.push_back({m[1], m[2], std::stod(m[3]), std::stod(m[4]), std::stod(m[5]),
                         std::stod(m[6]), m[7], m[8], m[9], m[10]});
    }
    return lines;
}

StationCopy::StationCopy(const std::string& name) : dir_(name) {
    fs::copy(fs::path(ORVANT_EXAMPLES_DIR) / "station", dir_.path(), fs::copy_options::recursive);
}

void StationCopy::setValue(const std::string& file, const std::string& label,
                           const std::string& value) const {
    std::string text = readText(path(file));
    const std::size_t line = text.find("\n" + label);
    if (line == std::string::npos) throw std::logic_error(file + " has no line " + label);
    const std::size_t from = text.find('=', line) + 1;
    text.replace(from, text.find_first_of("\r\n", from) - from, value);
    write(file, text);
}

void StationCopy::useBareLineFeeds() const {
    for (const fs::directory_entry& e : fs::directory_iterator(dir_.path())) {
        std::string text = readText(e.path());
        std::erase(text, '\r');
        write(e.path().filename().string(), text);
    }
}

std::vector<std::string> StationCopy::arguments(const std::vector<std::string>& words,
                                                const RunOptions& o,
                                                const std::string& trace) const {
    std::vector<std::string> args{"--headless", "--settings=" + path("settings").string(),
                                  "--trace=" + path(trace).string()};
    if (o.card == Card::Simulated) args.push_back("--sim");
    if (o.card == Card::MissingDevice) args.push_back("--port=/nonexistent/parport");  // never real
    if (!o.clock.empty()) args.push_back("--clock=" + o.clock);
    args.push_back("--until=" + o.until);
    args.insert(args.end(), o.extra.begin(), o.extra.end());
    args.insert(args.end(), words.begin(), words.end());
    return args;
}

}  // namespace orvant::testing

#pragma once

#include <atomic>
#include <cstdint>
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
// `timeoutSeconds`, then it is killed and the exit code is -1). Once `stop` turns true the
// program is sent SIGTERM.
ProgramRun runProgram(const std::filesystem::path& dir, const std::vector<std::string>& args,
                      int timeoutSeconds = 60, const std::atomic<bool>* stop = nullptr);

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

// One line of a run's trace (one JSON object a line).
struct TraceEvent {
    std::int64_t t = 0;
    std::string ev, line;
};

// The JSON text of field `key` of a trace line (strings keep their quotes); empty when absent.
std::string fieldText(const std::string& line, const std::string& key);
// The numbers of the JSON array in field `key`; empty when absent.
std::vector<int> numbersIn(const std::string& line, const std::string& key);
// The trace's events, or only those of kind `only`.
std::vector<TraceEvent> eventsOf(const std::string& trace, const std::string& only = "");
// The reason of the run's one "end" event; what the program said instead when there is none.
std::string endReason(const ProgramRun& run);

// A frame as it was sent; slot(n) is frame slot n (1..66).
struct Frame {
    std::int64_t t = 0;
    std::vector<int> slots;
    int slot(int n) const { return slots.at(static_cast<std::size_t>(n - 1)); }
    int azTarget() const { return 256 * slot(45) + slot(46); }
    int elTarget() const { return 256 * slot(47) + slot(48); }
    // Whether slots 2.. hold `message`.
    bool carries(const std::vector<int>& message) const;
};
// The frames the run sent (not the busy card's empty exchanges).
std::vector<Frame> framesOf(const ProgramRun& run);

// One line of a headless run's status output, one a second.
struct StatusLine {
    std::string time, sat;
    double satAz = 0, satEl = 0, rotAz = 0, rotEl = 0;
    std::string up, dn, state;
    std::string orbit;  // the orbit model that points, when one does
};
// The run's status lines; throws on a line of another form.
std::vector<StatusLine> statusLinesOf(const ProgramRun& run);

// AO-7 is in view over the sample station from about 04:26 to 04:49 local time.
inline const std::string kDuringPass = "2018-01-21T04:30:00";

// The controller card of a run: the simulated one, a parallel port that is not there, or the
// card of the PC's own, which the run's `extra` options wire.
enum class Card { Simulated, MissingDevice, PcOwn };

struct RunOptions {
    std::string clock = kDuringPass;  // empty: the real clock
    std::string until = "2";
    std::vector<std::string> extra = {};  // more options, e.g. --events
    Card card = Card::Simulated;
};

// A copy of the sample station in a folder of its own, and headless runs of the program there.
class StationCopy {
  public:
    explicit StationCopy(const std::string& name);

    std::filesystem::path path(const std::string& name) const { return dir_.path() / name; }
    std::string settings() const { return readText(path("settings")); }
    void write(const std::string& name, const std::string& bytes) const { dir_.write(name, bytes); }
    void remove(const std::string& name) const { std::filesystem::remove(path(name)); }

    // Gives the line of `file` that starts with `label` a new value (its text after the first
    // "=" up to the line end).
    void setValue(const std::string& file, const std::string& label,
                  const std::string& value) const;
    // Every station file with bare line feeds instead of carriage return + line feed.
    void useBareLineFeeds() const;

    // A run with the satellite words `words`, its trace in trace.jsonl.
    ProgramRun run(const std::vector<std::string>& words, const RunOptions& o = {}) const {
        return runProgram(dir_.path(), arguments(words, o, "trace.jsonl"));
    }
    // The program's arguments for such a run, its trace in `trace`.
    std::vector<std::string> arguments(const std::vector<std::string>& words, const RunOptions& o,
                                       const std::string& trace) const;
    // Options for a run in which the operator picks `file` from the file list after a second.
    RunOptions picking(const std::string& file) const {
        return withEvents("1 select File1 " + file + "\n");
    }
    // Options for a run given the operator input `events` (the --events file's lines).
    RunOptions withEvents(const std::string& events, const std::string& until = "2") const {
        write("events", events);
        return {.until = until, .extra = {"--events=" + path("events").string()}};
    }

  private:
    TempDir dir_;
};

}  // namespace orvant::testing

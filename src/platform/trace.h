#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace orvant {

// One value of a trace field.
using TraceValue = std::variant<std::int64_t, double, bool, std::string, std::vector<int>>;
using TraceField = std::pair<std::string, TraceValue>;

// The event trace: JSON Lines, one object per event, each with "t" (milliseconds of program time
// since start) and "ev" (the event name), then the event's own fields. A trace without a stream
// records nothing.
class Trace {
  public:
    Trace() = default;
    Trace(std::ostream& out, std::function<std::int64_t()> clockMs)
        : out_(&out), clockMs_(std::move(clockMs)) {}

    bool enabled() const { return out_ != nullptr; }
    void event(const std::string& name, std::initializer_list<TraceField> fields = {});
    void event(const std::string& name, const std::vector<TraceField>& fields);

  private:
    std::ostream* out_ = nullptr;
    std::function<std::int64_t()> clockMs_;
};

// Writes `text` as a JSON string literal (with quotes and escapes).
std::string jsonString(const std::string& text);

}  // namespace orvant

#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvant::fuzz {

// A broken invariant stops the run at once, leaving the input that broke it for replay.
inline void require(bool holds) {
    if (!holds) __builtin_trap();
}

inline bool finite(double value) {
    return std::isfinite(value);
}

// The fuzzer's bytes as a target reads them: a leading byte that picks what to feed, then text.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size) {}

    bool empty() const { return bytes_.empty(); }
    // The next byte (0 once the input is used up).
    std::uint8_t byte() {
        if (bytes_.empty()) return 0;
        const auto value = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return value;
    }
    // The text up to the next line feed, which is dropped.
    std::string line() {
        const std::size_t end = bytes_.find('\n');
        const std::string text(bytes_.substr(0, end));
        bytes_.remove_prefix(end == std::string_view::npos ? bytes_.size() : end + 1);
        return text;
    }
    std::string rest() {
        const std::string text(bytes_);
        bytes_ = {};
        return text;
    }

  private:
    std::string_view bytes_;
};

}  // namespace orvant::fuzz

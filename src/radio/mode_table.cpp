#include "radio/mode_table.h"

#include "config/text_rules.h"

namespace orvant {

namespace {

struct Mark {
    std::string_view mark;
    char written;
};
constexpr Mark kMarks[] = {{"(N)", 'N'}, {"-N", 'N'}, {"-W", 'W'}};

}  // namespace

std::string modeKey(std::string_view text) {
    std::string key = trim(std::string(text));
    for (const Mark& m : kMarks) {
        if (!key.ends_with(m.mark)) continue;
        key.resize(key.size() - m.mark.size());
        key += m.written;
    }
    return key;
}

}  // namespace orvant

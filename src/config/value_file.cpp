#include "config/value_file.h"

#include <cmath>
#include <optional>

#include "config/config_error.h"
#include "config/satellite_record.h"
#include "config/text_rules.h"

namespace orvant {

std::vector<std::string> readValues(const std::string& bytes, std::size_t count) {
    std::vector<std::string> values;
    std::size_t at = 0;
    while (values.size() < count) {
        const std::size_t equals = bytes.find('=', at);
        if (equals == std::string::npos) throw FileError{FileErrorKind::PastEnd};
        const std::size_t lineEnd = bytes.find_first_of("\r\n", equals + 1);
        if (lineEnd == std::string::npos) throw FileError{FileErrorKind::PastEnd};
        values.push_back(bytes.substr(equals + 1, lineEnd - equals - 1));
        // The line feed of a CR LF pair is skipped with the label text that follows it.
        at = lineEnd + 1;
    }
    return values;
}

std::int16_t integerValue(const std::string& text) {
    const std::optional<std::int16_t> value = toInt16(leadingNumber(text));
    if (!value) throw FileError{FileErrorKind::Corrupt};
    return *value;
}

double numberValue(const std::string& text) {
    const double value = leadingNumber(text);
    if (!std::isfinite(value)) throw FileError{FileErrorKind::Corrupt};
    return value;
}

double frequencyValue(const std::string& text) {
    const double value = numberValue(text);
    if (!(std::abs(value) < kDialLimitMHz)) throw FileError{FileErrorKind::Corrupt};
    return value;
}

bool yesFlag(const std::string& text) {
    return toUpper(text) == "YES";
}

}  // namespace orvant

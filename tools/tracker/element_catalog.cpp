#include "tracker/element_catalog.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

#include "config/config_error.h"
#include "config/element_file.h"
#include "config/text_rules.h"

namespace orvant::tracker {

namespace {

struct Listed {
    std::string nameLine;
    std::string catalog;  // as the file writes it
};

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string shortName(const std::string& nameLine) {
    const std::size_t open = nameLine.rfind('(');
    const std::size_t close = nameLine.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open + 2)
        return trim(nameLine);
    return trim(nameLine.substr(open + 1, close - open - 1));
}

std::string withoutLeadingZeros(const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// Every element set that follows a name line.
std::vector<Listed> listing(const std::string& fileText) {
    std::vector<std::string> lines;
    std::istringstream in(fileText);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    std::vector<Listed> found;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const bool setStarts = lines[i].rfind("1 ", 0) == 0 && lines[i + 1].rfind("2 ", 0) == 0;
        if (setStarts && lines[i - 1].rfind("2 ", 0) != 0)
            found.push_back({trim(lines[i - 1]), trim(lines[i].substr(2, 5))});
    }
    return found;
}

bool matches(const Listed& l, const std::string& wanted) {
    const bool number =
        !wanted.empty() && std::all_of(wanted.begin(), wanted.end(),
                                       [](unsigned char c) { return std::isdigit(c) != 0; });
    if (number) return withoutLeadingZeros(l.catalog) == withoutLeadingZeros(wanted);
    return upper(l.nameLine) == upper(wanted) || upper(shortName(l.nameLine)) == upper(wanted);
}

}  // namespace

std::optional<CatalogSatellite> findSatellite(const std::string& fileText,
                                              const std::string& catalogOrName) {
    for (const Listed& l : listing(fileText)) {
        if (!matches(l, trim(catalogOrName))) continue;
        try {
            return CatalogSatellite{shortName(l.nameLine), findElementSet(fileText, l.catalog)};
        } catch (const FileError&) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace orvant::tracker

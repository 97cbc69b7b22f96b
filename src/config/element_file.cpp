#include "config/element_file.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "config/config_error.h"
#include "config/text_rules.h"

namespace orvant {

namespace {

// Last columns the orbit model needs: the first derivative of the mean motion on line 1, the
// mean motion on line 2.
constexpr int kLine1Needed = 43;
constexpr int kLine2Needed = 63;
constexpr double kDaysInALeapYear = 366;
// Revolutions a day beyond any orbit: at 100 the ellipse would lie deep inside the earth.
constexpr double kMaxMeanMotion = 100;

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(at));
            break;
        }
        lines.push_back(bytes.substr(at, end - at));
        at = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// The catalog number a line carries: characters 3..7 when the first blank from character 4 on
// is character 9 (the usual "1 07530U ..." line), else characters 3..8.
std::string catalogNumberOf(const std::string& line) {
    const std::size_t blank = line.find(' ', 3);
    return trim(blank == 8 ? mid(line, 3, 5) : mid(line, 3, 6));
}

double field(const std::string& line, int first, int last) {
    return leadingNumber(mid(line, first, last - first + 1));
}

ElementSet elementSetFrom(const std::string& line1, const std::string& line2) {
    ElementSet e;
    e.epochYear = field(line1, 19, 20) + 2000;
    e.epochDay = field(line1, 21, 32);
    e.decayRate = field(line1, 34, 43);
    e.inclination = field(line2, 9, 16);
    e.raan = field(line2, 18, 25);
    e.eccentricity = leadingNumber("." + mid(line2, 27, 7));
    e.argPerigee = field(line2, 35, 42);
    e.meanAnomaly = field(line2, 44, 51);
    e.meanMotion = field(line2, 53, 63);
    e.epochOrbit = field(line2, 64, 68);
    return e;
}

bool isSecondLine(const std::optional<std::string>& line) {
    return line && left(*line, 1) == "2" && static_cast<int>(line->size()) >= kLine2Needed;
}

bool allNumbers(const ElementSet& e) {
    const double values[] = {e.epochYear,  e.epochDay,     e.decayRate,  e.inclination,
                             e.raan,       e.eccentricity, e.argPerigee, e.meanAnomaly,
                             e.meanMotion, e.epochOrbit};
    return std::all_of(std::begin(values), std::end(values),
                       [](double v) { return std::isfinite(v); });
}

// An orbit the model can propagate: a closed ellipse travelled at a positive rate an orbit can
// have, from an epoch within its year, every value a number (a field such as "15.5E9999" reads
// as infinite).
bool servable(const ElementSet& e) {
    return allNumbers(e) && e.meanMotion > 0 && e.meanMotion <= kMaxMeanMotion &&
           e.eccentricity < 1 && e.epochDay >= 0 && e.epochDay < kDaysInALeapYear + 1;
}

ElementSet checkedElementSet(const std::string& line1, const std::optional<std::string>& line2) {
    if (static_cast<int>(line1.size()) < kLine1Needed || !isSecondLine(line2))
        throw FileError{FileErrorKind::Corrupt};
    const ElementSet e = elementSetFrom(line1, *line2);
    if (!servable(e)) throw FileError{FileErrorKind::Corrupt};
    return e;
}

}  // namespace

ElementSet findElementSet(const std::string& text, const std::string& catalogNumber) {
    const std::vector<std::string> lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (catalogNumberOf(lines[i]) != catalogNumber) continue;
        const std::optional<std::string> next =
            i + 1 < lines.size() ? std::optional<std::string>(lines[i + 1]) : std::nullopt;
        return checkedElementSet(lines[i], next);
    }
    throw FileError{FileErrorKind::PastEnd};
}

}  // namespace orvant

#include "config/element_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "config/config_error.h"
#include "config/omm_text.h"
#include "config/text_rules.h"
#include "config/two_line_set.h"

namespace orvant {

namespace {

// Last columns the orbit model needs: the first derivative of the mean motion on line 1, the
// mean motion on line 2.
constexpr int kLine1Needed = 43;
constexpr int kLine2Needed = 63;
constexpr double kDaysInALeapYear = 366;
constexpr double kSecondsPerDay = 86400;

[[noreturn]] void refuse(const std::string& why) {
    throw FileError{FileErrorKind::Corrupt, why};
}

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

bool isSecondLine(const std::optional<std::string>& line) {
    return line && left(*line, 1) == "2" && static_cast<int>(line->size()) >= kLine2Needed;
}

bool allNumbers(const ElementSet& e) {
    const double values[] = {e.epochYear,  e.epochDay,     e.decayRate,  e.inclination,
                             e.raan,       e.eccentricity, e.argPerigee, e.meanAnomaly,
                             e.meanMotion, e.epochOrbit,   e.bstar,      e.epochYearFull};
    return std::all_of(std::begin(values), std::end(values),
                       [](double v) { return std::isfinite(v); });
}

// An orbit the models can propagate: a closed ellipse travelled at a rate an earth orbit can
// have, from an epoch within its year, every value a number (a field such as "15.5E9999" reads
// as infinite).
ElementSet servable(const ElementSet& e) {
    if (!allNumbers(e)) refuse("a value beyond any number");
    if (!(e.meanMotion >= kMinMeanMotion && e.meanMotion <= kMaxMeanMotion))
        refuse("a mean motion outside " + numberText(kMinMeanMotion) + " to " +
               numberText(kMaxMeanMotion) + " revolutions a day");
    if (!(e.eccentricity >= 0 && e.eccentricity < 1)) refuse("an eccentricity outside 0 to 1");
    if (!(e.epochDay >= 0 && e.epochDay < kDaysInALeapYear + 1))
        refuse("an epoch day outside its year");
    return e;
}

ElementSet checkedTwoLineSet(const std::string& line1, const std::optional<std::string>& line2) {
    if (static_cast<int>(line1.size()) < kLine1Needed) refuse("line 1 is cut short");
    if (!isSecondLine(line2)) refuse("line 2 is missing or cut short");
    return servable(twoLineElements(line1, *line2));
}

ElementSet findTwoLineSet(const std::string& text, const std::string& catalogNumber) {
    const std::vector<std::string> lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!sameCatalogNumber(catalogNumberOf(lines[i]), catalogNumber)) continue;
        const std::optional<std::string> next =
            i + 1 < lines.size() ? std::optional<std::string>(lines[i + 1]) : std::nullopt;
        return checkedTwoLineSet(lines[i], next);
    }
    throw FileError{FileErrorKind::PastEnd, "catalog number " + catalogNumber + " not found"};
}

// A field of an OMM record that must be there and be a number.
double ommNumber(const OmmRecord& r, std::string_view keyword) {
    const std::optional<std::string> text = ommField(r, keyword);
    if (!text || text->empty()) refuse(std::string(keyword) + " is missing");
    double value = 0;
    const std::string number = text->starts_with('+') ? text->substr(1) : *text;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc{} || stop != end)
        refuse(std::string(keyword) + " is not a number: " + *text);
    return value;
}

double ommNumberOr(const OmmRecord& r, std::string_view keyword, double absent) {
    const std::optional<std::string> text = ommField(r, keyword);
    return text && !text->empty() ? ommNumber(r, keyword) : absent;
}

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Day of the year of a calendar date; nullopt when there is no such date.
std::optional<int> dayOfYear(int year, int month, int day) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return std::nullopt;
    const int monthDays = kDays[month - 1] + (month == 2 && leapYear(year) ? 1 : 0);
    if (day < 1 || day > monthDays) return std::nullopt;
    int days = day;
    for (int m = 1; m < month; ++m) days += kDays[m - 1] + (m == 2 && leapYear(year) ? 1 : 0);
    return days;
}

// The epoch "2020-10-13T04:52:48.472320" (or its day-of-year form "2020-287T04:52:48.47"),
// UTC, a "Z" allowed at the end: the year and the day of the year with its fraction.
void readEpoch(const std::string& text, ElementSet& e) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, consumed = 0;
    double second = 0;
    std::optional<int> yearDay;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%lf%n", &year, &month, &day, &hour, &minute,
                    &second, &consumed) == 6)
        yearDay = dayOfYear(year, month, day);
    else if (std::sscanf(text.c_str(), "%4d-%3dT%2d:%2d:%lf%n", &year, &day, &hour, &minute,
                         &second, &consumed) == 5 &&
             day >= 1 && day <= 365 + (leapYear(year) ? 1 : 0))
        yearDay = day;
    const std::string rest = text.substr(static_cast<std::size_t>(consumed));
    if (!yearDay || hour < 0 || hour > 23 || minute < 0 || minute > 59 || !(second >= 0) ||
        !(second < 61) || !(rest.empty() || rest == "Z"))
        refuse("EPOCH is not a date and time: " + text);
    e.epochYear = year;
    e.epochYearFull = year;
    e.epochDay = *yearDay + (hour * 3600 + minute * 60 + second) / kSecondsPerDay;
}

// The element set of an OMM record: the orbit's fields must be there; the mean motion's rate,
// the drag term and the revolution number count 0 when absent.
ElementSet ommElements(const OmmRecord& r) {
    ElementSet e;
    const std::optional<std::string> epoch = ommField(r, "EPOCH");
    if (!epoch) refuse("EPOCH is missing");
    readEpoch(*epoch, e);
    e.meanMotion = ommNumber(r, "MEAN_MOTION");
    e.eccentricity = ommNumber(r, "ECCENTRICITY");
    e.inclination = ommNumber(r, "INCLINATION");
    e.raan = ommNumber(r, "RA_OF_ASC_NODE");
    e.argPerigee = ommNumber(r, "ARG_OF_PERICENTER");
    e.meanAnomaly = ommNumber(r, "MEAN_ANOMALY");
    e.decayRate = ommNumberOr(r, "MEAN_MOTION_DOT", 0);
    e.bstar = ommNumberOr(r, "BSTAR", 0);
    e.epochOrbit = ommNumberOr(r, "REV_AT_EPOCH", 0);
    return servable(e);
}

ElementSet findOmmRecord(const std::string& text, ElementFileFormat format,
                         const std::string& catalogNumber) {
    const std::optional<long> wanted = catalogNumberValue(catalogNumber);
    for (const OmmRecord& record : ommRecords(text, format)) {
        const std::optional<std::string> id = ommField(record, "NORAD_CAT_ID");
        if (wanted && id && catalogNumberValue(*id) == wanted) return ommElements(record);
    }
    throw FileError{FileErrorKind::PastEnd, "catalog number " + catalogNumber + " not found"};
}

}  // namespace

ElementSet findElementSet(const std::string& text, const std::string& catalogNumber) {
    const ElementFileFormat format = elementFileFormat(text);
    if (format == ElementFileFormat::TwoLine) return findTwoLineSet(text, catalogNumber);
    return findOmmRecord(text, format, catalogNumber);
}

}  // namespace orvant

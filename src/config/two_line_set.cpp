#include "config/two_line_set.h"

#include <cctype>

#include "config/text_rules.h"

namespace orvant {

namespace {

// The Alpha-5 letters, from 10 up.
constexpr std::string_view kAlpha5Letters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr int kAlpha5Digits = 4;
constexpr std::size_t kMostDigits = 9;
// Two-digit years from here on are of the 1900s.
constexpr int kFirstCenturyYear = 57;

bool allDigits(const std::string& text) {
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return !text.empty();
}

bool isAlpha5(const std::string& text) {
    return text.size() == kAlpha5Digits + 1 &&
           kAlpha5Letters.find(text[0]) != std::string_view::npos && allDigits(text.substr(1));
}

double field(const std::string& line, int first, int last) {
    return leadingNumber(mid(line, first, last - first + 1));
}

// The drag term of columns 54..61: a sign, five digits after an implied decimal point and a
// power of ten (" 28098-4" is 0.28098e-4).
double dragTerm(const std::string& line1) {
    const std::string sign = mid(line1, 54, 1) == "-" ? "-" : "";
    return leadingNumber(sign + "." + mid(line1, 55, 5) + "e" + mid(line1, 60, 2));
}

}  // namespace

std::string catalogNumberOf(const std::string& line) {
    const std::size_t blank = line.find(' ', 3);
    return trim(blank == 8 ? mid(line, 3, 5) : mid(line, 3, 6));
}

std::optional<long> catalogNumberValue(const std::string& text) {
    if (isAlpha5(text))
        return static_cast<long>(10 + kAlpha5Letters.find(text[0])) * 10000 +
               std::stol(text.substr(1));
    if (allDigits(text) && text.size() <= kMostDigits) return std::stol(text);
    return std::nullopt;
}

bool sameCatalogNumber(const std::string& found, const std::string& wanted) {
    if (found == wanted) return true;
    if (!isAlpha5(found) && !isAlpha5(wanted)) return false;
    const std::optional<long> a = catalogNumberValue(found);
    return a && a == catalogNumberValue(wanted);
}

ElementSet twoLineElements(const std::string& line1, const std::string& line2) {
    ElementSet e;
    const double year = field(line1, 19, 20);
    e.epochYear = year + 2000;
    e.epochYearFull = year + (year < kFirstCenturyYear ? 2000 : 1900);
    e.epochDay = field(line1, 21, 32);
    e.decayRate = field(line1, 34, 43);
    e.bstar = dragTerm(line1);
    e.inclination = field(line2, 9, 16);
    e.raan = field(line2, 18, 25);
    e.eccentricity = leadingNumber("." + mid(line2, 27, 7));
    e.argPerigee = field(line2, 35, 42);
    e.meanAnomaly = field(line2, 44, 51);
    e.meanMotion = field(line2, 53, 63);
    e.epochOrbit = field(line2, 64, 68);
    return e;
}

}  // namespace orvant

#include "config/text_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace orvant {

std::string mid(const std::string& text, int start, int length) {
    if (start < 1) start = 1;
    const std::size_t from = static_cast<std::size_t>(start - 1);
    if (from >= text.size() || length <= 0) return {};
    return text.substr(from, static_cast<std::size_t>(length));
}

std::string mid(const std::string& text, int start) {
    return mid(text, start, static_cast<int>(text.size()) + 1);
}

std::string left(const std::string& text, int length) {
    return length <= 0 ? std::string{} : text.substr(0, static_cast<std::size_t>(length));
}

std::string right(const std::string& text, int length) {
    if (length <= 0) return {};
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(length));
    return text.substr(text.size() - n);
}

std::string toUpper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

double hexNumber(const std::string& digits) {
    double value = 0;
    for (char c : digits) {
        if (isBlank(c)) continue;
        if (!std::isxdigit(static_cast<unsigned char>(c))) break;
        value = value * 16 + (std::isdigit(static_cast<unsigned char>(c))
                                  ? c - '0'
                                  : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10);
    }
    return value;
}

std::string digitsFrom(const std::string& text, std::size_t& at) {
    const std::size_t from = at;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
    return text.substr(from, at - from);
}

// A decimal number as the text spells it: [sign]digits[.digits][(e|d)[sign]digits].
struct DecimalText {
    bool negative = false;
    std::string whole, fraction;
    bool exponentNegative = false;
    std::string exponent;  // empty when the text has none
};

// The longest leading part of `text` shaped as a decimal number; nullopt when it has no digit.
std::optional<DecimalText> leadingDecimal(const std::string& text) {
    DecimalText d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';
    d.whole = digitsFrom(text, i);
    if (i < text.size() && text[i] == '.') d.fraction = digitsFrom(text, ++i);
    if (d.whole.empty() && d.fraction.empty()) return std::nullopt;
    if (i < text.size() && (std::toupper(text[i]) == 'E' || std::toupper(text[i]) == 'D')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
        d.exponent = digitsFrom(text, j);
        d.exponentNegative = negative && !d.exponent.empty();
    }
    return d;
}

// Whether a number that no double can hold is too large rather than too small: its first
// significant digit stands at a power of ten of 0 or above.
bool tooLarge(const DecimalText& d) {
    const std::size_t first = d.whole.find_first_not_of('0');
    const long long power = first != std::string::npos
                                ? static_cast<long long>(d.whole.size() - first) - 1
                                : -static_cast<long long>(d.fraction.find_first_not_of('0')) - 1;
    long long exponent = 0;
    const auto result =
        std::from_chars(d.exponent.data(), d.exponent.data() + d.exponent.size(), exponent);
    if (result.ec == std::errc::result_out_of_range) return !d.exponentNegative;
    return (d.exponentNegative ? -exponent : exponent) >= -power;
}

}  // namespace

double leadingNumber(const std::string& text) {
    std::string compact;
    for (char c : text)
        if (!isBlank(c)) compact += c;
    if (compact.size() >= 2 && compact[0] == '&' && std::toupper(compact[1]) == 'H')
        return hexNumber(compact.substr(2));
    const std::optional<DecimalText> d = leadingDecimal(compact);
    if (!d) return 0;
    const std::string number = d->whole + "." + d->fraction + "e" +
                               (d->exponentNegative ? "-" : "") +
                               (d->exponent.empty() ? "0" : d->exponent);
    // from_chars never looks at the process locale: "145.9" is read as written everywhere.
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = tooLarge(*d) ? std::numeric_limits<double>::infinity() : 0.0;
    return d->negative ? -value : value;
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::optional<std::int16_t> toInt16(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::string fixed(double value, int decimals) {
    char buf[400];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return std::string(buf, result.ptr);
}

char hexDigit(int value) {
    return "0123456789ABCDEF"[value & 0xF];
}

std::string hex16(std::int16_t value) {
    // Digits from the highest that is not 0 (one digit for 0); dumps ask for this often.
    const auto bits = static_cast<std::uint16_t>(value);
    int shift = 12;
    while (shift > 0 && ((bits >> shift) & 0xF) == 0) shift -= 4;
    std::string out;
    for (; shift >= 0; shift -= 4) out += hexDigit(bits >> shift);
    return out;
}

std::string numberText(double value) {
    if (value == 0) return "0";  // also for -0
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

}  // namespace orvant

#include "config/text_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
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

}  // namespace

double leadingNumber(const std::string& text) {
    std::string compact;
    for (char c : text)
        if (!isBlank(c)) compact += c;
    if (compact.size() >= 2 && compact[0] == '&' && std::toupper(compact[1]) == 'H')
        return hexNumber(compact.substr(2));
    // Keep the longest prefix shaped as [sign]digits[.digits][(e|d)[sign]digits].
    std::size_t i = 0;
    std::string number;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) number += compact[i++];
    bool anyDigit = false;
    while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
        number += compact[i++];
        anyDigit = true;
    }
    if (i < compact.size() && compact[i] == '.') {
        number += compact[i++];
        while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
            number += compact[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0;
    if (i < compact.size() &&
        (std::toupper(compact[i]) == 'E' || std::toupper(compact[i]) == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-'))
            exponent += compact[j++];
        bool expDigit = false;
        while (j < compact.size() && std::isdigit(static_cast<unsigned char>(compact[j]))) {
            exponent += compact[j++];
            expDigit = true;
        }
        if (expDigit) number += exponent;
    }
    // from_chars never looks at the process locale: "145.9" is read as written everywhere.
    double value = 0;
    std::from_chars(number.data() + (number[0] == '+' ? 1 : 0), number.data() + number.size(),
                    value);
    return value;
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

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvant {

// Text and number rules shared by the whole program. Substrings are 1-based and taken past the
// end of a text give what is there (possibly nothing), never an error. Numbers are read and
// written in the C locale whatever the user's locale is.

// `length` characters of `text` from character `start` (1-based).
std::string mid(const std::string& text, int start, int length);
// `text` from character `start` (1-based) to its end.
std::string mid(const std::string& text, int start);
std::string left(const std::string& text, int length);
std::string right(const std::string& text, int length);
std::string toUpper(std::string text);
// Strips leading and trailing blanks.
std::string trim(const std::string& text);

// The longest leading decimal number of the text, blanks ignored anywhere, with optional sign,
// fraction and exponent; "&H" introduces a hexadecimal number. Non-numeric text gives 0. A
// number beyond the floating range gives an infinity of its sign, one too small for it 0.
double leadingNumber(const std::string& text);

// Nearest integer, halves to the even neighbour.
double roundHalfEven(double value);
// The value rounded (halves to even) to a signed 16-bit integer; nullopt when out of range.
std::optional<std::int16_t> toInt16(double value);

// Fixed-point text with `decimals` digits after the point, in the C locale.
std::string fixed(double value, int decimals);
// The upper-case hexadecimal digit of the low four bits of `value`.
char hexDigit(int value);
// Upper-case hexadecimal digits of a 16-bit value (four digits for a negative one).
std::string hex16(std::int16_t value);
// A number as the window shows it: shortest decimal form in the C locale ("180", "12.5", "-3").
std::string numberText(double value);

}  // namespace orvant

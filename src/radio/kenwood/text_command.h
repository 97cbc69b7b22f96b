#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvant::kenwood {

// Kenwood's text commands: two letters, decimal digits, ";". Frequencies travel as an 11-digit
// field in Hz.

constexpr int kFrequencyDigits = 11;

// The mode command for a mode text: "LSB" MD1;, "USB" MD2;, "CW" MD3;, "CWN" MD7;, "AM" MD5;,
// any other text (FM and the rest) MD4;.
std::string modeCommand(std::string_view mode);
// The mode text of a mode command's digit ('4' is "FM"); empty for a digit no mode uses.
std::string modeOfDigit(char digit);
// Whether a mode text has a mode command of its own (FM does; "CW-R" takes FM's).
bool takesMode(std::string_view mode);

// The frequency command of a VFO ('A' or 'B'): "FA00145900000;" for "145900000". Nothing for a
// text that is empty, holds anything but digits or does not fit the field.
std::optional<std::string> frequencyCommand(char vfo, std::string_view hzDigits);
// The frequency query of a VFO, "FA;".
std::string frequencyQuery(char vfo);
// A radio's answer to that query, "FA00145123456;".
std::string frequencyAnswer(char vfo, std::int64_t hz);

// Reply bytes 1..14 (from the first element on) have the outline of an answer: a "0" as the
// third byte and ";" as the fourteenth.
bool framedAnswer(std::span<const std::uint8_t> reply);
// The frequency in Hz that reply bytes 1..14 answer for the VFO; nothing unless they are wholly
// the answer to its query: "F", the VFO letter, 11 digits (the first a "0") and ";".
std::optional<std::int64_t> decodeFrequencyAnswer(std::span<const std::uint8_t> reply, char vfo);

}  // namespace orvant::kenwood

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orvant::civ {

// Icom's CI-V protocol: every message is FE FE, the radio's address, the controller's address E0,
// a command, its data bytes and the end byte FD. A radio answers with the two addresses swapped.
// Frequencies travel as ten decimal digits of Hz in packed BCD, the least significant pair first.

constexpr std::int16_t kPreamble = 0xFE;
constexpr std::int16_t kController = 0xE0;
constexpr std::int16_t kEnd = 0xFD;

// Commands.
constexpr std::int16_t kReadFrequency = 0x03;
constexpr std::int16_t kSetFrequency = 0x05;
constexpr std::int16_t kSetMode = 0x06;
constexpr std::int16_t kSelect = 0x07;  // VFO or band, by its data byte
constexpr std::int16_t kMemoryChannel = 0x08;
constexpr std::int16_t kSplit = 0x0F;
constexpr std::int16_t kExtended = 0x1A;

// Data bytes of `kSelect`.
constexpr std::int16_t kVfo = 0x00;
constexpr std::int16_t kMainBand = 0xD0;
constexpr std::int16_t kSubBand = 0xD1;

constexpr int kFrequencyDigits = 10;
constexpr int kFrequencyBytes = kFrequencyDigits / 2;

// The message of a command with its data to the radio at `address`.
std::vector<std::int16_t> message(std::int16_t address, std::int16_t command,
                                  const std::vector<std::int16_t>& data = {});

// The five frequency data bytes of a text of Hz digits, left-padded to ten digits: "145900000"
// gives 00 00 90 45 01. Nothing for a text that is empty, holds anything but digits or is longer
// than ten digits.
std::optional<std::vector<std::int16_t>> frequencyData(std::string_view hzDigits);
// The Hz of five frequency data bytes; nothing when a nibble is not a decimal digit.
std::optional<std::int64_t> decodeFrequencyData(std::span<const std::uint8_t> data);

// The message a radio at `address` answers a frequency read with: FE FE E0 addr 03 f1..f5 FD.
std::vector<std::uint8_t> frequencyAnswer(std::int16_t address, std::int64_t hz);
// The Hz of a frequency answer from the radio at `address`, from the first reply byte on;
// nothing unless the bytes are wholly that answer.
std::optional<std::int64_t> decodeFrequencyAnswer(std::span<const std::uint8_t> reply,
                                                  std::int16_t address);

// A message as a radio at some address receives it: command and data of a well-framed message
// from the controller. `address` is the radio addressed.
struct Received {
    std::int16_t address = 0;
    std::int16_t command = 0;
    std::vector<std::uint8_t> data;
};
// Nothing for bytes that are not one whole message from the controller.
std::optional<Received> parseMessage(std::span<const std::uint8_t> bytes);

}  // namespace orvant::civ

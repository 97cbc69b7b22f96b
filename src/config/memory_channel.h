#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvant {

// The memory channel that shutdown recalls on a CI-V radio: the number in the last three
// characters of ORV.CFG's value 21 (a text that is no number gives 0), sent as the one data byte
// of the radio's memory-channel command. Nothing when that byte cannot carry it: a number that is
// not whole or lies outside 0..255, or one of the bytes that end or disturb the message on its
// way (F0, at which the controller card ends a message; FC, FD and FE, CI-V's collision, end
// and preamble codes). Channel 255, which marks a five-byte uplink radio, is carried.
std::optional<std::int16_t> civMemoryChannel(const std::string& value);

}  // namespace orvant

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orvant {

struct Station;
struct RadioType;

// The Yaesu FT-100. Two FT-100 positions are one radio worked split: the uplink on VFO B, the
// downlink on VFO A. Alone in a position it works on VFO A without split. Every block goes to the
// radio of its position with the usual wait.

// Set-up of the served position: split, its VFO, the mode.
void init_ft100(Station& station, const RadioType& type);
// Tune the uplink (on its VFO, then back to VFO A) / the downlink (on VFO A); nothing while the
// link is inhibited or when the frequency text does not fit the radio's field.
void ft_100_tx(Station& station, const RadioType& type);
void ft_100_rx(Station& station, const RadioType& type);
// Read the downlink / uplink dial from the radio's status answer, on the VFO of the position, and
// re-centre the bases on it. An answer without a frequency is refused with a beep. With the
// diagnostic flag set the reply bytes are shown in the readback dump instead.
void readback_ft100_rx(Station& station, const RadioType& type);
void readback_ft100_tx(Station& station, const RadioType& type);

namespace yaesu {

// The FT-100's answer to its status query (00 00 00 00 10), as far as the program reads it: a
// band byte, then the frequency of the VFO in use as a 32-bit binary count of 1.25 Hz steps, the
// most significant byte first, then the mode byte and the rest of the status.
std::vector<std::uint8_t> ft100StatusAnswer(std::int64_t hz, std::int16_t mode);
// The Hz of such an answer; nothing for fewer bytes or a count of 0 (no answer).
std::optional<std::int64_t> decodeFt100Status(std::span<const std::uint8_t> reply);

}  // namespace yaesu

}  // namespace orvant

#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvant {

// The hexadecimal traffic lines shown in the traffic windows.

// Frame slots 1..65, each as its full upper-case hexadecimal value and a blank, with a leading
// "0" when that gives fewer than three characters.
std::string frameDump(const std::array<std::int16_t, 101>& controllerFrame);
// Reply bytes 1..64, each as two upper-case hexadecimal digits and a blank.
std::string replyBytesDump(const std::array<std::int16_t, 181>& replyNibbles);

// The full contents of `Text1` (sent frame), `Text2` (reply) and `Text4` (readback dump).
std::string sentFrameText(const std::array<std::int16_t, 101>& controllerFrame);
std::string replyText(const std::array<std::int16_t, 181>& replyNibbles);
std::string readbackDumpText(const std::array<std::int16_t, 181>& replyNibbles);

}  // namespace orvant

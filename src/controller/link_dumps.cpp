#include "controller/link_dumps.h"

#include "config/text_rules.h"
#include "controller/frame_layout.h"

namespace orvant {

std::string frameDump(const std::array<std::int16_t, 101>& controllerFrame) {
    std::string dump;
    for (int slot = frame::kFirstSent; slot <= frame::kLastDumped; ++slot) {
        std::string entry = hex16(controllerFrame[slot]) + " ";
        if (entry.size() < 3) entry = "0" + entry;
        dump += entry;
    }
    return dump;
}

std::string replyBytesDump(const std::array<std::int16_t, 181>& replyNibbles) {
    std::string dump;
    for (int k = 1; k <= reply::kBytes; ++k) {
        const int byte = replyByte(replyNibbles, k) & 0xFF;
        dump += hexDigit(byte >> 4);
        dump += hexDigit(byte & 0xF);
        dump += ' ';
    }
    return dump;
}

std::string sentFrameText(const std::array<std::int16_t, 101>& controllerFrame) {
    return std::string(52, ' ') + "Printer Port To Controller Data" + frameDump(controllerFrame);
}

std::string replyText(const std::array<std::int16_t, 181>& replyNibbles) {
    return std::string(18, ' ') + "Controller to Printer Port Data" + replyBytesDump(replyNibbles);
}

std::string readbackDumpText(const std::array<std::int16_t, 181>& replyNibbles) {
    return std::string(18, ' ') + "Readback Dump" + replyBytesDump(replyNibbles);
}

}  // namespace orvant

// The lines network clients send the rotator and radio services. Every line gets a reply that
// ends its last line; a refused line asks nothing of the station; what a line asks lies within
// what the station told the client it can do.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "links/net_commands.h"

namespace orvant::fuzz {
namespace {

// The result code of a reply that closes with "RPRT n"; 0 for a reply of values only.
int closingCode(const std::string& reply) {
    const std::size_t last = reply.rfind('\n', reply.size() - 2);
    const std::size_t start = last == std::string::npos ? 0 : last + 1;
    if (reply.compare(start, 5, "RPRT ") != 0) return rprt::kOk;
    return std::stoi(reply.substr(start + 5));
}

bool withinRanges(const HzRanges& ranges, double hz) {
    for (const auto& [low, high] : ranges)
        if (hz >= low && hz <= high) return true;
    return false;
}

bool takes(const ModeNames& modes, const std::string& mode) {
    return std::find(modes.begin(), modes.end(), mode) != modes.end();
}

void checkRequest(const NetRequest& r, const RotatorFacts& rot, const RadioFacts& radio) {
    switch (r.kind) {
        case NetRequestKind::Point:
            require(finite(r.first) && r.first >= rot.minAzimuth && r.first <= rot.maxAzimuth);
            require(finite(r.second) && r.second >= 0 && r.second <= 180);
            return;
        case NetRequestKind::SetDownlink:
            require(finite(r.first) && r.first >= 0 &&
                    withinRanges(radio.downlinkRangesHz, r.first));
            return;
        case NetRequestKind::SetUplink:
            require(finite(r.first) && r.first >= 0 && withinRanges(radio.uplinkRangesHz, r.first));
            return;
        case NetRequestKind::SetUplinkMode:
            return require(isUplinkVfo(radio.vfo) && takes(radio.uplinkModes, r.mode));
        case NetRequestKind::SetDownlinkMode:
            return require(!isUplinkVfo(radio.vfo) && takes(radio.downlinkModes, r.mode));
        case NetRequestKind::SelectVfo:
            require(!r.mode.empty() && r.mode.find(' ') == std::string::npos);
            return;
        default:
            return;
    }
}

void checkAnswer(const NetAnswer& answer, const RotatorFacts& rot, const RadioFacts& radio) {
    const std::string& reply = answer.reply;
    // Only a rotator client's quit is let go without a word.
    if (reply.empty()) return require(answer.request.kind == NetRequestKind::Close);
    require(reply.back() == '\n');
    if (closingCode(reply) != rprt::kOk) require(answer.request.kind == NetRequestKind::None);
    checkRequest(answer.request, rot, radio);
}

}  // namespace
}  // namespace orvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvant;
    fuzz::Input in(data, size);
    const std::uint8_t pick = in.byte();
    RotatorFacts rot;
    rot.minAzimuth = pick & 2 ? -180 : 0;
    rot.maxAzimuth = pick & 4 ? 450 : 360;
    RadioFacts radio;
    radio.downlinkRangesHz = {{144e6, 146e6}};
    radio.uplinkRangesHz = {{430e6, 440e6}};
    if (pick & 8) {
        radio.downlinkRangesHz.push_back({0, 30e6});
        radio.uplinkRangesHz.push_back({0, 30e6});
    }
    if (pick & 16) radio.vfo = "Sub";
    radio.downlinkModes = {"USB", "CWR"};
    radio.uplinkModes = {"LSB", "FM"};
    while (!in.empty()) {
        const std::string line = in.line();
        const NetAnswer answer =
            pick & 1 ? answerRadioLine(line, radio) : answerRotatorLine(line, rot);
        fuzz::checkAnswer(answer, rot, radio);
        const NetAnswer again =
            pick & 1 ? answerRadioLine(line, radio) : answerRotatorLine(line, rot);
        fuzz::require(again.reply == answer.reply && again.request.kind == answer.request.kind);
    }
    return 0;
}

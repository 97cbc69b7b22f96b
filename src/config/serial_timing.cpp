#include "config/serial_timing.h"

namespace orvant {

namespace {

struct Entry {
    int baud;
    TimingPair pair;
};

constexpr Entry kTable[] = {
    {1200, {6, 250}}, {4800, {2, 125}}, {9600, {1, 189}},
    {19200, {1, 91}}, {38400, {1, 43}}, {57600, {1, 27}},
};

}  // namespace

std::optional<TimingPair> timingPairOfBaud(double baud) {
    for (const Entry& entry : kTable)
        if (entry.baud == baud) return entry.pair;
    return std::nullopt;
}

std::optional<int> baudOfTimingPair(int first, int second) {
    for (const Entry& entry : kTable)
        if (entry.pair.high == first && entry.pair.low == second) return entry.baud;
    return std::nullopt;
}

}  // namespace orvant
